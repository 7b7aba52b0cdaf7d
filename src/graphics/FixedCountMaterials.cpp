#include "graphics/FixedCountMaterials.h"

#include "graphics/FixedCountShader.h"
#include "graphics/ShaderLimits.h"
#include "level/ContentFile.h"

#include <cstdio>

using namespace irr;

namespace Graphics {

namespace {

const s32 NOT_BUILT = -2;

std::string readText(const char* file) { return readContentFile(file, kMostShaderBytes).text; }

}  // namespace

FixedCountMaterials::FixedCountMaterials(video::IVideoDriver* driver, WaveManager& waves,
                                         const char* vertexFile, const char* pixelFile)
    : driver(driver), shaderCallback(new ShaderCallback(waves)), vertexText(readText(vertexFile)),
      pixelText(readText(pixelFile)), pixelFile(pixelFile) {
    shaderCallback->quietAboutMissingUniforms();
}

FixedCountMaterials::~FixedCountMaterials() { shaderCallback->drop(); }

s32 FixedCountMaterials::material(int waves) {
    if (waves < 0 || !usable()) return -1;
    if (static_cast<size_t>(waves) >= ids.size()) ids.resize(waves + 1, NOT_BUILT);
    if (ids[waves] != NOT_BUILT) return ids[waves];
    video::IGPUProgrammingServices* gpu = driver->getGPUProgrammingServices();
    std::string pixel = fixedCountShader(pixelText, waves);
    ids[waves] = gpu ? gpu->addHighLevelShaderMaterial(
                           vertexText.c_str(), "main", video::EVST_VS_1_1, pixel.c_str(), "main",
                           video::EPST_PS_1_1, shaderCallback, video::EMT_SOLID, 0)
                     : -1;
    if (ids[waves] < 0)
        std::printf("Graphics: %s does not build for %d waves; those surfaces are drawn with "
                    "the shader's own loop\n", pixelFile.c_str(), waves);
    return ids[waves];
}

}  // namespace Graphics
