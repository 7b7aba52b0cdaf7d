// The wave view against slow frames, on a real OpenGL window: a stall, however long, leaves it
// on; only a drawing cost kept up frame after frame turns it off, and the player is told.
#include "graphics/GraphicsSystem.h"
#include "graphics/ScreenMessage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <ctime>
#include <thread>
#include <sys/wait.h>
#include <unistd.h>

using namespace irr;
using namespace std::chrono;

namespace {

const double LIMIT_MS = 100;

struct ShaderWatch : ::testing::Test {
    static void SetUpTestSuite() {
        GraphicsSystem::useWindowSize(core::dimension2du(320, 240), false);
        GraphicsSystem::instance().createShaderMaterials("shader.vsh", "shader2.fsh", true);
    }
    void SetUp() override {
        ASSERT_TRUE(graphics.wavesApplied);
        graphics.slowestShadedFrameMs = LIMIT_MS;
    }
    void TearDown() override { graphics.afterDraw = nullptr; }
    // Frames whose drawing costs `ms` of CPU time each (on a busy machine, more wall time).
    void costlyFrames(int count, int ms) {
        graphics.afterDraw = [ms] {
            const std::clock_t end = std::clock() + std::clock_t(ms) * CLOCKS_PER_SEC / 1000;
            while (std::clock() < end) {
            }
        };
        for (int i = 0; i < count; ++i) graphics.renderFrame();
    }
    GraphicsSystem& graphics = GraphicsSystem::instance();
};

TEST_F(ShaderWatch, StallsOfManyTimesTheLimitFrameAfterFrameLeaveTheWaveViewOn) {
    // The process stopped from outside in the middle of a frame, as SIGSTOP and SIGCONT do.
    graphics.afterDraw = [] {
        const pid_t game = getpid();
        const pid_t stopper = fork();
        if (stopper == 0) {
            kill(game, SIGSTOP);
            usleep(600 * 1000);
            kill(game, SIGCONT);
            _exit(0);
        }
        waitpid(stopper, nullptr, 0);
    };
    const auto start = steady_clock::now();
    graphics.renderFrame();
    ASSERT_GT(steady_clock::now() - start, milliseconds(500)) << "the process was not stopped";
    graphics.afterDraw = [] { std::this_thread::sleep_for(milliseconds(400)); };
    for (int i = 0; i < 4; ++i) graphics.renderFrame();
    EXPECT_TRUE(graphics.wavesApplied);
}

TEST_F(ShaderWatch, OnlyACostKeptUpFrameAfterFrameTurnsTheWaveViewOffAndThePlayerIsToldOnce) {
    costlyFrames(2, 150);
    costlyFrames(1, 0);
    costlyFrames(2, 150);
    EXPECT_TRUE(graphics.wavesApplied) << "never three costly frames running";
    testing::internal::CaptureStdout();
    costlyFrames(4, 150);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(graphics.wavesApplied);
    EXPECT_EQ(1, std::count(out.begin(), out.end(), '\n')) << out;
    EXPECT_EQ(0u, out.find("Graphics: 3 frames running with the wave shaders")) << out;
    EXPECT_NE(std::string::npos, Graphics::ScreenMessage::instance().text().find("F2"));
    graphics.toggleWaveShading();   // F2
    costlyFrames(2, 150);
    EXPECT_TRUE(graphics.wavesApplied) << "F2 starts the count afresh";
}

}  // namespace
