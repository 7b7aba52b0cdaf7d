#pragma once
// Feeds the wave-lit and rim-lit shaders before every draw with one of their materials: the
// object's world transform as "modelMatrix" and the wave manager's whole record array, closed
// by the end marker, as "waveData". Nothing else is sent; the shader finds the end of the list
// by the marker record.

#include <irrlicht.h>

#include <string>
#include <vector>

class WaveManager;

namespace Graphics {

class ShaderCallback : public irr::video::IShaderConstantSetCallBack {
public:
    // Sends the game's waves (WaveManager::instance).
    ShaderCallback();
    // Sends the given manager's waves.
    explicit ShaderCallback(WaveManager& waves);

    void OnSetConstants(irr::video::IMaterialRendererServices* services,
                        irr::s32 userData) override;

    // From now on sends these records (closed by their own end marker) instead of the
    // manager's array; null goes back to the manager's. The drawing by screen tiles sends each
    // piece only the waves that light it.
    void sendRecords(const std::vector<float>* records) { chosen = records; }
    // For shaders built from files that already passed: built for no waves, the compiler may
    // drop both uniforms, and that is no fault to report.
    void quietAboutMissingUniforms() { modelMatrix.reported = waveData.reported = true; }

private:
    // A uniform reached by its bare name or, as some GL drivers list arrays, by "name[0]".
    struct Uniform {
        explicit Uniform(const char* name);
        std::string names[2];
        int preferred;   // the form that worked last
        bool reported;   // missing under both names, already said once
    };

    bool send(irr::video::IMaterialRendererServices* services, Uniform& uniform, bool vertex,
              const irr::f32* floats, int count);

    WaveManager& waves;
    const std::vector<float>* chosen = nullptr;
    Uniform modelMatrix;
    Uniform waveData;
};

}  // namespace Graphics
