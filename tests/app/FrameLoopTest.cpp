// The real start-up and frame loop on the real level, with scripted input at a fixed frame time.
#include "app/Game.h"
#include "graphics/GraphicsSystem.h"
#include "harness/Screenshot.h"
#include "harness/ScriptedInput.h"
#include "world/GameWorld.h"
#include "world/Player.h"

#include <gtest/gtest.h>

using namespace irr;

namespace {

struct FrameLoop : ::testing::Test {
    void SetUp() override {
        GraphicsSystem::useWindowSize(core::dimension2du(320, 240), false);
        startUp();
        GraphicsSystem::instance().fixedFrameTime = 20;
    }
};

}  // namespace

TEST_F(FrameLoop, CursorTurnsTheViewAndEscapeEndsTheLoopBeforeTheFrame) {
    InputFrame quit;
    quit.keys = {KEY_ESCAPE};
    installScriptedInput({cursorAt(0.5f, 0.5f), cursorAt(0.6f, 0.5f), cursorAt(0.6f, 0.5f),
                          cursorAt(0.5f, 2.0f), quit});
    Player& player = *GameWorld::instance().player;
    scene::ICameraSceneNode* camera = GameWorld::instance().camera;

    ASSERT_TRUE(runFrame());  // delivers the centred cursor
    ASSERT_TRUE(runFrame());  // reads it: no turn
    EXPECT_FLOAT_EQ(player.yaw, 0.0f);
    core::vector3df lookBefore = camera->getTarget() - camera->getPosition();
    ASSERT_TRUE(runFrame());
    ASSERT_TRUE(runFrame());
    EXPECT_NEAR(player.yaw, 20.0f, 1e-4);  // a tenth of the window is ten degrees
    core::vector3df lookAfter = camera->getTarget() - camera->getPosition();
    EXPECT_GT(lookAfter.X, lookBefore.X + 0.3f);  // turned right, towards +x
    ASSERT_TRUE(runFrame());
    EXPECT_FLOAT_EQ(player.pitch, 89.0f);  // pitch stops however far the cursor goes

    float yaw = player.yaw;
    EXPECT_FALSE(runFrame());
    EXPECT_FLOAT_EQ(player.yaw, yaw);
}

TEST_F(FrameLoop, TheLevelIsDrawnDarkWithWaveShadingAndVisibleWithout) {
    installScriptedInput({});
    runFrame();
    Snapshot dark = captureFrame();
    ASSERT_EQ(dark.width, 320u);
    EXPECT_LT(dark.brightness(0, 0, 320, 240), 10.0f);

    GraphicsSystem::instance().toggleWaveShading();
    Snapshot plain = captureFrame();
    EXPECT_GT(plain.brightness(0, 0, 320, 240), 60.0f);
}
