#include "graphics/FixedCountMaterials.h"

#include "graphics/FixedCountShader.h"
#include "graphics/ShaderLimits.h"
#include "graphics/ShellFormula.h"
#include "level/ContentFile.h"

#include <GL/gl.h>

#include <cstdio>

using namespace irr;

namespace Graphics {

namespace {

const s32 NOT_BUILT = -2;
// Every count up to here has a shader of its own: the live waves of a walk through the level
// stay below it nearly always.
const int EXACT_COUNTS = 16;
// Above, a few sizes take every count up to them, padded with records that light nothing; the
// last goes on in a loop to the end marker. The rasteriser's compile time grows with every
// record written out (up to seconds with no shader cache), a loop over more than a dozen
// records costs the pixels more than written-out ones.
const int PADDED_SIZES[] = {24, 32};
const int SHADERS = EXACT_COUNTS + 1 + sizeof(PADDED_SIZES) / sizeof(PADDED_SIZES[0]);
// Lights nothing and adds +0 (its trail is no divisor of zero).
const f32 SILENT_RECORD[9] = {0, 0, 0, 0, 0, 0, 0, 0, 1};

// The shader that draws `waves` records.
int shaderFor(int waves) {
    if (waves <= EXACT_COUNTS) return waves;
    int shader = EXACT_COUNTS + 1;
    for (int size : PADDED_SIZES)
        if (waves > size && shader + 1 < SHADERS) ++shader;
    return shader;
}

// Records the shader writes out; the last shader then loops over any more.
int sizeOf(int shader) {
    return shader <= EXACT_COUNTS ? shader : PADDED_SIZES[shader - EXACT_COUNTS - 1];
}

std::string readText(const char* file) { return readContentFile(file, kMostShaderBytes).text; }

}  // namespace

FixedCountMaterials::FixedCountMaterials(video::IVideoDriver* driver, WaveManager& waves,
                                         const char* vertexFile, const char* pixelFile)
    : driver(driver), shaderCallback(new ShaderCallback(waves)), vertexText(readText(vertexFile)),
      pixelText(readText(pixelFile)), pixelFile(pixelFile),
      ids(SHADERS, NOT_BUILT), programs(SHADERS) {
    shaderCallback->quietAboutMissingUniforms();
}

FixedCountMaterials::~FixedCountMaterials() { shaderCallback->drop(); }

void FixedCountMaterials::prepare() {
    // A triangle over the window's lower-left pixel, drawn through identity transforms.
    video::S3DVertex corner[3] = {
        video::S3DVertex(-1, -1, 0, 0, 0, -1, video::SColor(255, 0, 0, 0), 0, 0),
        video::S3DVertex(1, -1, 0, 0, 0, -1, video::SColor(255, 0, 0, 0), 0, 0),
        video::S3DVertex(-1, 1, 0, 0, 0, -1, video::SColor(255, 0, 0, 0), 0, 0)};
    const u16 indices[3] = {0, 1, 2};
    for (video::E_TRANSFORMATION_STATE t :
         {video::ETS_WORLD, video::ETS_VIEW, video::ETS_PROJECTION})
        driver->setTransform(t, core::IdentityMatrix);
    std::vector<f32> records;
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 1, 1);
    for (int shader = 0; shader < SHADERS; ++shader) {
        records.assign(9 * sizeOf(shader), 0.0f);
        const s32 id = sendRecords(records);
        if (id < 0) continue;
        video::SMaterial material;
        material.Lighting = false;
        material.MaterialType = static_cast<video::E_MATERIAL_TYPE>(id);
        driver->setMaterial(material);
        driver->drawIndexedTriangleList(corner, 3, indices, 1);
        programs[shader] = currentProgram();
    }
    glDisable(GL_SCISSOR_TEST);
    shaderCallback->sendRecords(nullptr);
}

s32 FixedCountMaterials::sendRecords(std::vector<f32>& records) {
    const int shader = shaderFor(static_cast<int>(records.size() / 9));
    while (records.size() < 9u * sizeOf(shader))
        records.insert(records.end(), SILENT_RECORD, SILENT_RECORD + 9);
    records.insert(records.end(), 9, kEndMarkerValue);
    shaderCallback->sendRecords(&records);
    return material(shader);
}

ShaderProgram FixedCountMaterials::program(s32 material) const {
    for (int shader = 0; shader < SHADERS; ++shader)
        if (ids[shader] == material && material >= 0) return programs[shader];
    return ShaderProgram();
}

s32 FixedCountMaterials::material(int shader) {
    if (!usable()) return -1;
    s32& id = ids[shader];
    if (id != NOT_BUILT) return id;
    const int waves = sizeOf(shader);
    const bool more = shader == SHADERS - 1;
    video::IGPUProgrammingServices* gpu = driver->getGPUProgrammingServices();
    ShaderPair pair = fixedCountShaders(vertexText, pixelText, waves, more);
    id = gpu ? gpu->addHighLevelShaderMaterial(pair.vertex.c_str(), "main", video::EVST_VS_1_1,
                                               pair.pixel.c_str(), "main", video::EPST_PS_1_1,
                                               shaderCallback, video::EMT_SOLID, 0)
             : -1;
    // Said once: a file that fails for one count mostly fails for all.
    if (id < 0 && !failureSaid)
        std::printf("Graphics: %s does not build for %d%s waves; surfaces the game cannot build "
                    "it for are drawn with the shader's own loop\n", pixelFile.c_str(), waves,
                    more ? " or more" : "");
    failureSaid = failureSaid || id < 0;
    return id;
}

}  // namespace Graphics
