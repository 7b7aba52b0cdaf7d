#include "graphics/ShaderProbe.h"

#include "graphics/DrawCost.h"
#include "graphics/FixedCountShader.h"
#include "graphics/ShaderCallback.h"
#include "graphics/ShaderLimits.h"
#include "graphics/ShellFormula.h"
#include "waves/SoundWave.h"

#include <GL/gl.h>

#include <algorithm>

using namespace irr;

namespace Graphics {

namespace {

// MOST_WAVES shells whose fronts and wakes cross the square (drawn in the plane z = 0, x and y in
// -1 .. 1), then the end marker.
WaveData probeRecords() {
    WaveData records;
    for (int i = 0; i < MOST_WAVES; ++i) {
        const float shell[SoundWave::RECORD_FLOATS] = {0, 0, 0.5f, 1, 1, 1, 0.5f + 0.01f * float(i), 1, 2};
        records.insert(records.end(), shell, shell + SoundWave::RECORD_FLOATS);
    }
    records.insert(records.end(), SoundWave::RECORD_FLOATS, -1.0f);
    return records;
}

void drawSquare(video::IVideoDriver* driver) {
    const video::SColor white(255, 255, 255, 255);
    const video::S3DVertex corners[4] = {
        {-1, -1, 0, 0, 0, -1, white, 0, 1}, {1, -1, 0, 0, 0, -1, white, 1, 1},
        {1, 1, 0, 0, 0, -1, white, 1, 0},   {-1, 1, 0, 0, 0, -1, white, 0, 0}};
    const u16 triangles[6] = {0, 1, 2, 0, 2, 3};
    driver->drawIndexedTriangleList(corners, 4, triangles, 2);
    glFinish();
}

}  // namespace

double probeFrameCostMs(video::IVideoDriver* driver, video::E_MATERIAL_TYPE material,
                        ShaderCallback& callback) {
    const core::dimension2du screen = driver->getScreenSize();
    const s32 side = std::min<s32>(kShaderProbeSide, s32(std::min(screen.Width, screen.Height)));
    if (side <= 0) return 0.0;
    const WaveData records = probeRecords();
    callback.sendRecords(&records);

    driver->beginScene(true, true, video::SColor(255, 0, 0, 0));
    const core::rect<s32> square(0, 0, side, side);
    driver->setViewPort(square);
    for (video::E_TRANSFORMATION_STATE t : {video::ETS_PROJECTION, video::ETS_VIEW, video::ETS_WORLD})
        driver->setTransform(t, core::IdentityMatrix);
    video::SMaterial probe;
    probe.MaterialType = material;
    probe.Lighting = false;
    probe.BackfaceCulling = false;
    probe.ZBuffer = video::ECFN_NEVER;
    driver->setMaterial(probe);
    // The first draw also builds the program for the driver: only the second is timed.
    drawSquare(driver);
    DrawCost cost;
    drawSquare(driver);
    const double ms = cost.elapsedMs();
    driver->setViewPort(core::rect<s32>(0, 0, s32(screen.Width), s32(screen.Height)));
    driver->draw2DRectangle(video::SColor(255, 0, 0, 0), square);
    driver->endScene();

    callback.sendRecords(nullptr);
    return ms * double(screen.Width) * double(screen.Height) / double(side * side);
}

}  // namespace Graphics
