// The wave view against slow frames, on a real OpenGL window: stalls leave it on; only a drawing
// cost kept up frame after frame turns it off, and the player is told.
#include "graphics/GraphicsSystem.h"
#include "graphics/ScreenMessage.h"
#include "StopFromOutside.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>

using namespace irr;

namespace {

// Frames each held up in their drawing by `hold`, with the shaders judged at 100 ms a frame.
void frames(int count, std::function<void()> hold) {
    GraphicsSystem::useWindowSize(core::dimension2du(320, 240), false);
    GraphicsSystem& graphics = GraphicsSystem::instance();
    if (!graphics.shadersCreated) graphics.createShaderMaterials("shader.vsh", "shader2.fsh", true);
    graphics.slowestShadedFrameMs = 100;
    graphics.afterDraw = hold;
    for (int i = 0; i < count; ++i) graphics.renderFrame();
    graphics.afterDraw = nullptr;
}

double threadCpuMs() {
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) * 1e-6;
}

// Costs the drawing `ms` of CPU time (more wall time on a busy machine).
std::function<void()> busy(int ms) {
    return [ms] { for (double end = threadCpuMs() + ms; threadCpuMs() < end;) {} };
}

TEST(ShaderWatch, StallsOfManyTimesTheLimitFrameAfterFrameLeaveTheWaveViewOn) {
    frames(4, [] { stopFromOutside(600); });  // in the middle of each frame
    EXPECT_TRUE(GraphicsSystem::instance().wavesApplied);
}

TEST(ShaderWatch, OnlyACostKeptUpFrameAfterFrameTurnsTheWaveViewOffAndThePlayerIsToldOnce) {
    frames(2, busy(150));
    frames(1, busy(0));
    frames(2, busy(150));
    EXPECT_TRUE(GraphicsSystem::instance().wavesApplied) << "never three costly frames running";
    testing::internal::CaptureStdout();
    frames(4, busy(150));
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(GraphicsSystem::instance().wavesApplied);
    EXPECT_EQ(1, std::count(out.begin(), out.end(), '\n')) << out;
    EXPECT_EQ(0u, out.find("Graphics: 3 frames running with the wave shaders")) << out;
    EXPECT_NE(std::string::npos, Graphics::ScreenMessage::instance().text().find("F2"));
}

}  // namespace
