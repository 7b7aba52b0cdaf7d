// The finished level in a real window: it loads without a complaint, the switch works the door
// once the plate is weighed down, the low ceiling stops a jump, and the cane lights the way.
#include "app/Game.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ScreenMessage.h"
#include "harness/ScriptedInput.h"
#include "harness/Screenshot.h"
#include "world/GameWorld.h"
#include "world/Player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <utility>

using namespace irr;

TEST(LevelPlay, TheLevelLoadsCleanlyAndTheSwitchOpensAndShutsTheDoorOnceThePlateIsWeighed) {
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
        if (line.rfind("Sound:", 0) == 0) {
            EXPECT_EQ(line, "Sound: no audio device; the game runs silent");
        }
    }
    EXPECT_GE(objects, 15);
    EXPECT_NE(loading.find("Fan 15 spinning up"), std::string::npos) << loading;

    GameWorld& world = GameWorld::instance();
    GameObject* door = world.findObject(world.findObjectId("3Door"));
    ASSERT_NE(door, nullptr);
    const f32 closed = door->node->getRotation().Y;
    auto turned = [&] { return std::fabs(std::remainder(door->node->getRotation().Y - closed, 360.0f)); };
    GraphicsSystem::instance().fixedFrameTime = 20;
    InputFrame use;
    use.keys = {KEY_KEY_E};
    auto useFrom = [&](f32 x, f32 z, f32 pitch) {
        world.player->setPosition(x, 2.0f, z);
        world.player->yaw = 0;
        world.player->pitch = pitch;
        installScriptedInput({InputFrame(), InputFrame(), use});
        testing::internal::CaptureStdout();
        for (int i = 0; i < 10; ++i) EXPECT_TRUE(runFrame());
        return testing::internal::GetCapturedStdout();
    };

    // The door itself does not move; the switch on the wall left of it does nothing while the
    // plate is empty, then opens the door and shuts it again.
    std::string played = useFrom(-1.0f, 42.5f, 45.0f);
    EXPECT_NE(played.find("\t...executing OnUse script for 3Door\nThe door will not move by hand"),
              std::string::npos) << played;
    EXPECT_NEAR(turned(), 0.0f, 0.5f);
    played = useFrom(-3.5f, 41.5f, 20.0f);
    EXPECT_NE(played.find("OnUse script for 1Switch\nThe switch will not move"), std::string::npos) << played;
    EXPECT_NEAR(turned(), 0.0f, 0.5f);

    // Nodes drive actors before each step: the crate is put on the plate by its node.
    GameObject* crate = world.findObject(world.findObjectId("Crate2"));
    crate->node->setPosition(core::vector3df(5, 0.6f, 41));
    crate->node->updateAbsolutePosition();
    for (f32 expected : {90.0f, 0.0f, 90.0f}) {
        played = useFrom(-3.5f, 41.5f, 20.0f);
        EXPECT_NE(played.find("OnUse script for 1Switch"), std::string::npos) << played;
        EXPECT_NEAR(turned(), expected, 0.5f) << played;
    }
    EXPECT_EQ(Graphics::ScreenMessage::instance().text(), "The switch swings the door open.");
}

TEST(LevelPlay, APlayerStandsUnderTheLowCeilingAndAJumpThereHitsIt) {
    GraphicsSystem::useWindowSize(core::dimension2du(160, 120), false);
    startUp();
    Player& player = *GameWorld::instance().player;
    GraphicsSystem::instance().fixedFrameTime = 20;
    auto highestAfterJump = [&](f32 x, f32 z) {
        player.setPosition(x, 2.0f, z);
        installScriptedInput({});
        for (int i = 0; i < 20; ++i) EXPECT_TRUE(runFrame());
        const f32 standing = player.camera->getAbsolutePosition().Y;
        installScriptedInput({holding({KEY_SPACE})});
        f32 highest = standing;
        for (int i = 0; i < 60; ++i) {
            EXPECT_TRUE(runFrame());
            highest = std::max(highest, player.camera->getAbsolutePosition().Y);
        }
        return std::make_pair(standing, highest);
    };
    auto [openStanding, openHighest] = highestAfterJump(0.0f, 10.0f);
    auto [underStanding, underHighest] = highestAfterJump(0.0f, 20.0f);
    EXPECT_NEAR(underStanding, openStanding, 0.05f) << "standing fits under the ceiling";
    EXPECT_GT(openHighest - openStanding, 2.0f);
    // The capsule's top (the eye level) stops at the slab's underside, 5 above the floor.
    EXPECT_LT(underHighest, 5.05f);
    EXPECT_GT(underHighest - underStanding, 0.8f);
}

TEST(LevelPlay, ACaneTapLightsTheFloorAheadOfAWalkingPlayer) {
    GraphicsSystem::useWindowSize(core::dimension2du(160, 120), false);
    startUp();
    Player& player = *GameWorld::instance().player;
    GraphicsSystem::instance().fixedFrameTime = 33;
    player.setPosition(0.0f, 2.0f, -40.0f);  // by the back wall, facing the open room
    player.yaw = 0;
    player.pitch = 10;
    const InputFrame walk = holding({KEY_KEY_W});
    std::vector<InputFrame> frames(40, walk);
    frames[12] = holding({KEY_KEY_W, KEY_KEY_Q});
    installScriptedInput(frames);
    for (int i = 0; i < 12; ++i) ASSERT_TRUE(runFrame());
    const float before = captureFrame().litShare(0, 60, 160, 120, 24);
    for (int i = 0; i < 8; ++i) ASSERT_TRUE(runFrame());
    const float after = captureFrame().litShare(0, 60, 160, 120, 24);
    EXPECT_GT(after, before + 0.2f) << before << " -> " << after;
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
