#pragma once
// Solid wave-lit materials built for an exact number of waves (FixedCountShader): one per count
// up to 16, and above that a few padded sizes, the last looping over any more. They share one
// shader callback, through which the drawing chooses the records each draw receives.
// Made after the game's two shader sets, so the ids of those keep their numbering.

#include "graphics/ShaderCallback.h"
#include "graphics/ShaderProgram.h"

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

    // False when the shader files could not be read; materials then never build.
    bool usable() const { return !vertexText.empty() && !pixelText.empty(); }
    // Builds every material and draws one pixel with each, so that the rasteriser compiles them
    // now and not in the frame that first needs one.
    void prepare();
    // Hands the next draw with these materials `records` (nine floats each), closed by the end
    // marker in place; returns the material for that many, -1 if it does not build.
    irr::s32 sendRecords(std::vector<irr::f32>& records);
    // The OpenGL program of that material, as seen when it was first drawn; none before.
    ShaderProgram program(irr::s32 material) const;

private:
    irr::s32 material(int shader);

    irr::video::IVideoDriver* driver;
    ShaderCallback* shaderCallback;
    std::string vertexText;
    std::string pixelText;
    std::string pixelFile;
    std::vector<irr::s32> ids;   // by shader; NOT_BUILT until asked for
    std::vector<ShaderProgram> programs;   // by shader
    bool failureSaid = false;
};

}  // namespace Graphics
