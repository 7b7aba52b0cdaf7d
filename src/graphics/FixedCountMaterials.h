#pragma once
// Solid wave-lit materials built for an exact number of waves (FixedCountShader), one per count,
// built the first time a count is drawn. They share one shader callback, through which the
// drawing chooses the records each draw receives. Made after the game's two shader sets, so the
// ids of those keep their numbering.

#include "graphics/ShaderCallback.h"

#include <irrlicht.h>

#include <string>
#include <vector>

namespace Graphics {

class FixedCountMaterials {
public:
    FixedCountMaterials(irr::video::IVideoDriver* driver, WaveManager& waves,
                        const char* vertexFile, const char* pixelFile);
    ~FixedCountMaterials();
    FixedCountMaterials(const FixedCountMaterials&) = delete;
    FixedCountMaterials& operator=(const FixedCountMaterials&) = delete;

    // False when the shader files could not be read; material() then always fails.
    bool usable() const { return !vertexText.empty() && !pixelText.empty(); }
    // The material for exactly `waves` records; -1 if it does not build (said once).
    irr::s32 material(int waves);
    ShaderCallback& callback() { return *shaderCallback; }

private:
    irr::video::IVideoDriver* driver;
    ShaderCallback* shaderCallback;
    std::string vertexText;
    std::string pixelText;
    std::string pixelFile;
    std::vector<irr::s32> ids;   // by wave count; NOT_BUILT until first asked for
};

}  // namespace Graphics
