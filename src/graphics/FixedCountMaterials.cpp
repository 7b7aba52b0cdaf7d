#include "graphics/FixedCountMaterials.h"

#include "graphics/FixedCountShader.h"
#include "level/ContentFile.h"

#include <GL/gl.h>

#include <cstdio>

using namespace irr;

namespace Graphics {

namespace {

const s32 NOT_BUILT = -2;
// As for the game's shader sets: no shader of ours comes near it.
const std::uintmax_t MAX_SHADER_BYTES = std::uintmax_t(1) << 20;
// Every count up to here has a shader of its own: the live waves of a walk through the level
// stay below it nearly always. Above it, the padded sizes up to the 64 records the shader reads.
const int EXACT_COUNTS = 16;
const int PADDED_COUNTS[] = {20, 24, 32, 48, 64};
const int LARGEST_COUNT = 64;
// Lights nothing and adds +0 (its trail is no divisor of zero).
const f32 SILENT_RECORD[9] = {0, 0, 0, 0, 0, 0, 0, 0, 1};

std::string readText(const char* file) { return readContentFile(file, MAX_SHADER_BYTES).text; }

}  // namespace

FixedCountMaterials::FixedCountMaterials(video::IVideoDriver* driver, WaveManager& waves,
                                         const char* vertexFile, const char* pixelFile)
    : driver(driver), shaderCallback(new ShaderCallback(waves)), vertexText(readText(vertexFile)),
      pixelText(readText(pixelFile)), pixelFile(pixelFile) {
    shaderCallback->quietAboutMissingUniforms();
}

FixedCountMaterials::~FixedCountMaterials() { shaderCallback->drop(); }

int FixedCountMaterials::shaderCount(int waves) {
    if (waves <= EXACT_COUNTS) return waves;
    for (int padded : PADDED_COUNTS)
        if (waves <= padded) return padded;
    return waves;
}

void FixedCountMaterials::prepare() {
    if (!usable()) return;
    // A triangle over the window's lower-left pixel, drawn through identity transforms.
    video::S3DVertex corner[3] = {
        video::S3DVertex(-1, -1, 0, 0, 0, -1, video::SColor(255, 0, 0, 0), 0, 0),
        video::S3DVertex(1, -1, 0, 0, 0, -1, video::SColor(255, 0, 0, 0), 0, 0),
        video::S3DVertex(-1, 1, 0, 0, 0, -1, video::SColor(255, 0, 0, 0), 0, 0)};
    const u16 indices[3] = {0, 1, 2};
    for (video::E_TRANSFORMATION_STATE t : {video::ETS_WORLD, video::ETS_VIEW, video::ETS_PROJECTION})
        driver->setTransform(t, core::IdentityMatrix);
    std::vector<f32> records;
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 1, 1);
    for (int waves = 0; waves <= LARGEST_COUNT; waves = shaderCount(waves + 1)) {
        records.clear();
        for (int i = 0; i < waves; ++i)
            records.insert(records.end(), SILENT_RECORD, SILENT_RECORD + 9);
        const s32 id = sendRecords(records);
        if (id < 0) continue;
        video::SMaterial material;
        material.Lighting = false;
        material.MaterialType = static_cast<video::E_MATERIAL_TYPE>(id);
        driver->setMaterial(material);
        driver->drawIndexedTriangleList(corner, 3, indices, 1);
    }
    glDisable(GL_SCISSOR_TEST);
    shaderCallback->sendRecords(nullptr);
}

s32 FixedCountMaterials::sendRecords(std::vector<f32>& records) {
    const int waves = static_cast<int>(records.size() / 9);
    for (int padding = waves; padding < shaderCount(waves); ++padding)
        records.insert(records.end(), SILENT_RECORD, SILENT_RECORD + 9);
    records.insert(records.end(), 9, -1.0f);
    shaderCallback->sendRecords(&records);
    return material(waves);
}

s32 FixedCountMaterials::material(int waves) {
    if (waves < 0 || !usable()) return -1;
    waves = shaderCount(waves);
    if (static_cast<size_t>(waves) >= ids.size()) ids.resize(waves + 1, NOT_BUILT);
    if (ids[waves] != NOT_BUILT) return ids[waves];
    video::IGPUProgrammingServices* gpu = driver->getGPUProgrammingServices();
    ShaderPair pair = fixedCountShaders(vertexText, pixelText, waves);
    ids[waves] = gpu ? gpu->addHighLevelShaderMaterial(
                           pair.vertex.c_str(), "main", video::EVST_VS_1_1, pair.pixel.c_str(),
                           "main", video::EPST_PS_1_1, shaderCallback, video::EMT_SOLID, 0)
                     : -1;
    if (ids[waves] < 0)
        std::printf("Graphics: %s does not build for %d waves; those surfaces are drawn with "
                    "the shader's own loop\n", pixelFile.c_str(), waves);
    return ids[waves];
}

}  // namespace Graphics
