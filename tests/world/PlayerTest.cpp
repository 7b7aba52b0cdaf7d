// First-person control on a real capsule controller: look, walk, jump, land and footsteps.
#include "WorldFixture.h"

#include <cstdio>

#include "app/Game.h"

#include "graphics/GraphicsSystem.h"
#include "physics/PhysicsSystem.h"
#include "waves/WaveManager.h"
#include "world/GameWorld.h"
#include "world/Player.h"

using namespace irr;

TEST_F(WorldFixture, LookClampsPitchAndNeverWrapsYaw) {
    play({cursorAt(0.5f, 0.5f)});
    EXPECT_FLOAT_EQ(player->yaw, 0.0f);
    EXPECT_FLOAT_EQ(player->pitch, 0.0f);
    play(std::vector<InputFrame>(5, cursorAt(1.5f, -1.0f)));  // 100 degrees right, 150 up per frame
    EXPECT_FLOAT_EQ(player->pitch, -89.0f);
    EXPECT_NEAR(player->yaw, 500.0f, 1e-3);
    play({cursorAt(0.5f, 3.0f)});
    EXPECT_FLOAT_EQ(player->pitch, 89.0f);
}

TEST_F(WorldFixture, WalkingUsesLastFramesTimeAndForwardAndLeftWin) {
    core::vector3df start = feet();
    play({holding({KEY_KEY_W})}, 1000);  // a one-second frame walks 12 units along +z
    core::vector3df walked = feet() - start;
    EXPECT_NEAR(walked.Z, 12.0f, 0.05f);
    EXPECT_NEAR(walked.X, 0.0f, 0.01f);

    start = feet();
    play({holding({KEY_KEY_W, KEY_KEY_S}), holding({KEY_KEY_A, KEY_KEY_D})}, 100);
    walked = feet() - start;
    EXPECT_NEAR(walked.Z, 1.2f, 0.05f);  // forward, not back
    EXPECT_NEAR(walked.X, -1.2f, 0.05f);  // left is -x when looking along +z

    start = feet();
    play({holding({KEY_KEY_W})}, 0);
    EXPECT_NEAR((feet() - start).getLength(), 0.0f, 1e-4);
}

TEST_F(WorldFixture, JumpRisesTwoAndAQuarterAndLandsWithTwoFootsteps) {
    float ground = feet().Y;
    std::vector<InputFrame> frames(1, holding({KEY_SPACE}));
    installScriptedInput(frames);
    GraphicsSystem::instance().fixedFrameTime = 5;
    float peak = ground;
    int landing = -1;
    s32 recordsBefore = WaveManager::instance().recordCount();
    for (int i = 0; i < 200 && landing < 0; ++i) {
        bool wasJumping = player->jumping;
        s32 records = WaveManager::instance().recordCount();
        ASSERT_TRUE(runFrame());
        peak = std::max(peak, feet().Y);
        if (wasJumping && !player->jumping) {
            landing = i;
            EXPECT_EQ(WaveManager::instance().recordCount(), records + 2);  // both feet
        }
    }
    ASSERT_GT(landing, 0);
    EXPECT_NEAR(peak - ground, 2.25f, 0.05f);
    EXPECT_GE(WaveManager::instance().recordCount(), recordsBefore + 2);
}

TEST_F(WorldFixture, CeilingReversesTheRise) {
    for (int x = -1; x <= 1; ++x)
        for (int z = -1; z <= 1; ++z)
            addStaticCube("1Ceiling", core::vector3df(f32(x), 3.2f, f32(z)));
    idle(5);
    EXPECT_FALSE(player->airborne);
    std::vector<InputFrame> frames(1, holding({KEY_SPACE}));
    installScriptedInput(frames);
    GraphicsSystem::instance().fixedFrameTime = 10;
    bool reversed = false;
    for (int i = 0; i < 20 && !reversed; ++i) {
        ASSERT_TRUE(runFrame());
        reversed = player->jumping && player->verticalSpeed < 0 && player->airborne;
    }
    EXPECT_TRUE(reversed);
    EXPECT_LT(feet().Y, 1.2f);  // the 0.7 gap above the head was not passed
}

TEST_F(WorldFixture, WalkingOnTheGroundSpacesFootstepsAndAirborneWalkingIsSilent) {
    s32 before = WaveManager::instance().recordCount();
    play(std::vector<InputFrame>(10, holding({KEY_KEY_W})), 100);  // 12 units
    s32 steps = WaveManager::instance().recordCount() - before;
    EXPECT_GE(steps, 3);  // one per 3.5 units walked
    EXPECT_LE(steps, 4);

    player->setPosition(0, 40, 0);  // high above the ground: walking in the air
    before = WaveManager::instance().recordCount();
    play(std::vector<InputFrame>(10, holding({KEY_KEY_W})), 20);
    EXPECT_TRUE(player->airborne);
    EXPECT_EQ(WaveManager::instance().recordCount(), before);
}

TEST_F(WorldFixture, LookingDownSlowsWalkingByTheCosineOfThePitch) {
    player->pitch = 60.0f;
    play({InputFrame()});  // the view vectors follow the new pitch
    core::vector3df start = feet();
    play({holding({KEY_KEY_W})}, 1000);
    EXPECT_NEAR((feet() - start).Z, 6.0f, 0.05f);
}

TEST_F(WorldFixture, AfterLongStandingAFallOffALedgeStartsFromRest) {
    // A column four high whose top is at y = 2, two above the ground's top.
    for (int i = 0; i < 4; ++i) addStaticCube("1Column", core::vector3df(0, -1.5f + i, 0));
    player->setPosition(0, 4.1f, 0);
    idle(500);  // ten seconds standing on it
    ASSERT_NEAR(feet().Y, 4.02f, 0.05f);
    ASSERT_FALSE(player->airborne);

    installScriptedInput(std::vector<InputFrame>(200, holding({KEY_KEY_W})));
    GraphicsSystem::instance().fixedFrameTime = 10;
    int leftAt = -1, landedAt = -1;
    for (int i = 0; i < 200 && landedAt < 0; ++i) {
        ASSERT_TRUE(runFrame());
        if (leftAt < 0 && player->airborne) leftAt = i;
        if (leftAt >= 0 && !player->airborne) landedAt = i;
    }
    ASSERT_GE(leftAt, 0);
    ASSERT_GT(landedAt, leftAt);
    EXPECT_NEAR(feet().Y, 0.02f, 0.05f);
    std::printf("fell four units in %.2f s after standing ten seconds\n", (landedAt - leftAt) * 0.010f);
    // Falling four units from rest under 32 units/s^2 takes sqrt(2 * 4 / 32) = 0.5 s.
    EXPECT_NEAR((landedAt - leftAt) * 0.010f, 0.5f, 0.06f);
}

// The ground falls away faster than a fall from rest: the player keeps to it and steps as on the
// flat, once per 3.5 units of the 14.4 or more walked.
TEST_F(WorldFixture, WalkingDownARampKeepsToItAndStepsAsOnTheFlat) {
    for (float degrees : {0.0f, 10.0f, 20.0f, 30.0f}) {
        const float radians = degrees * core::DEGTORAD, top = 20 + 15 * std::tan(radians);
        vphysx::NxBoxShapeDesc slab;  // falling towards +x, its top over x = 0 at y = 20
        slab.dimensions.set(20, 1, 5);
        vphysx::NxActorDesc ramp;
        ramp.shapes.push_back(&slab);
        ramp.globalPose.M.fromQuat(PhysicsSystem::eulerDegreesToQuat({0, 0, -degrees}));
        ramp.globalPose.t.set(0, 20 - 1 / std::cos(radians), degrees * 2);
        PhysicsSystem::instance().scene->createActor(ramp);
        player->yaw = 90;
        player->setPosition(-15, top + 1.02f + 1 / std::cos(radians), degrees * 2);  // resting at x = -15
        installScriptedInput(std::vector<InputFrame>(60, holding({KEY_KEY_W})));
        int airborne = 0, steps = 0;
        for (int i = 0; i <= 60; ++i) {
            ASSERT_TRUE(runFrame());
            airborne += player->airborne;
            for (const auto& wave : WaveManager::instance().waves())  // footsteps sent this frame
                steps += wave->color == core::vector3df(0.6f, 0.8f, 1.0f) && wave->getRadius() < 0.1f;
        }
        EXPECT_TRUE(airborne == 0 && steps >= 4) << degrees << " degrees: airborne " << airborne << ", " << steps << " steps";
    }
}
