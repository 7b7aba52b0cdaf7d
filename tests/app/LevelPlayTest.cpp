// The finished level in a real window: it loads without a complaint, and the player uses the door.
#include "app/Game.h"
#include "graphics/GraphicsSystem.h"
#include "harness/ScriptedInput.h"
#include "world/GameWorld.h"
#include "world/Player.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace irr;

TEST(LevelPlay, TheLevelLoadsCleanlyAndTheDoorSwingsWhenUsed) {
    GraphicsSystem::useWindowSize(core::dimension2du(320, 240), false);
    testing::internal::CaptureStdout();
    startUp();
    std::string loading = testing::internal::GetCapturedStdout();

    std::istringstream lines(loading);
    int objects = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("Adding ", 0) == 0) ++objects;
        for (const char* complaint : {"Scripting:", "Physics:", "Graphics:", "Waves:"})
            EXPECT_NE(line.rfind(complaint, 0), 0u) << line;
        if (line.rfind("Sound:", 0) == 0) EXPECT_EQ(line, "Sound: no audio device; the game runs silent");
    }
    EXPECT_GE(objects, 15);
    EXPECT_NE(loading.find("Fan 12 spinning up"), std::string::npos) << loading;

    GameWorld& world = GameWorld::instance();
    GameObject* door = world.findObject(world.findObjectId("3Door"));
    ASSERT_NE(door, nullptr);
    f32 closed = door->node->getRotation().Y;

    // Stand before the door, looking down at its hinge.
    world.player->setPosition(-4.5f, 2.0f, 27.0f);
    world.player->pitch = 45.0f;
    GraphicsSystem::instance().fixedFrameTime = 20;
    InputFrame use;
    use.keys = {KEY_KEY_E};
    installScriptedInput({InputFrame(), InputFrame(), use});
    testing::internal::CaptureStdout();
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(runFrame());
    std::string played = testing::internal::GetCapturedStdout();
    EXPECT_NE(played.find("\t...executing OnUse script for 3Door\nThe door swings open"),
              std::string::npos) << played;
    f32 turned = door->node->getRotation().Y - closed;
    EXPECT_NEAR(std::fabs(std::remainder(turned, 360.0f)), 90.0f, 0.5f) << turned;
}

TEST(LevelPlay, ACarriedCrateIsRimLitOnlyWhileWaveShadingIsOn) {
    GraphicsSystem::useWindowSize(core::dimension2du(160, 120), false);
    startUp();
    GameWorld& world = GameWorld::instance();
    GameObject* crate = world.findObject(world.findObjectId("Crate1"));
    ASSERT_NE(crate, nullptr);
    const s32 base = crate->node->getMaterial(0).MaterialType % 24;

    world.player->setPosition(-3.0f, 2.0f, -15.0f);  // before the crate, looking down at it
    world.player->pitch = 45.0f;
    GraphicsSystem::instance().fixedFrameTime = 20;
    installScriptedInput({InputFrame(), InputFrame(), holding({KEY_KEY_E}), InputFrame(),
                          InputFrame(), holding({KEY_F2}), InputFrame(), InputFrame(),
                          holding({KEY_KEY_E}), InputFrame(), InputFrame()});
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(runFrame());
    ASSERT_EQ(world.player->held, crate);
    EXPECT_EQ(crate->node->getMaterial(0).MaterialType, 48 + base);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(runFrame());
    EXPECT_EQ(crate->node->getMaterial(0).MaterialType, base);  // shading off: left as it is
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(runFrame());
    EXPECT_EQ(world.player->held, nullptr);
    EXPECT_EQ(crate->node->getMaterial(0).MaterialType, base);
}
