// Fixed sub-steps, free fall and resting on real Bullet.

#include <gtest/gtest.h>

#include "PhysxWorld.h"

using namespace vphysx_test;

namespace {

NxU32 subStepsOf(NxScene& scene, NxReal elapsed)
{
    scene.simulate(elapsed);
    scene.fetchResults(NX_RIGID_BODY_FINISHED, true);
    NxReal step;
    NxU32 most, count = 0;
    scene.getTiming(step, most, &count);
    return count;
}

}  // namespace

TEST(Stepping, CutsElapsedTimeIntoAtMostEightSixtiethsAndCarriesTheRest)
{
    PhysxWorld world;
    EXPECT_EQ(subStepsOf(*world.scene, 0.05f), 3u);   // float 0.05 must not lose a step
    EXPECT_EQ(subStepsOf(*world.scene, 0.02f), 1u);   // 1/300 s left over
    EXPECT_EQ(subStepsOf(*world.scene, 0.015f), 1u);  // 0.0183 s: one more
    EXPECT_EQ(subStepsOf(*world.scene, 0.01f), 0u);   // 0.0117 s: not yet
    EXPECT_EQ(subStepsOf(*world.scene, 0.005f), 1u);
    EXPECT_EQ(subStepsOf(*world.scene, 0.0f), 0u);
    // A long stall runs eight steps and drops the backlog.
    EXPECT_EQ(subStepsOf(*world.scene, 2.0f), 8u);
    EXPECT_EQ(subStepsOf(*world.scene, 0.0f), 0u);
    EXPECT_EQ(subStepsOf(*world.scene, 1.0f / 60), 1u);
}

TEST(Stepping, RefusesNegativeAndNonFiniteTime)
{
    PhysxWorld world;
    NxActor* box = world.dynamicBox(NxVec3(0, 50, 0), NxVec3(0.5f, 0.5f, 0.5f));
    EXPECT_EQ(subStepsOf(*world.scene, -1.0f), 0u);
    EXPECT_EQ(subStepsOf(*world.scene, NAN), 0u);
    EXPECT_EQ(box->getGlobalPosition().y, 50);
    EXPECT_EQ(world.warnings.lines.size(), 2u);
}

TEST(Stepping, FreeFallFollowsTheSubSteps)
{
    PhysxWorld world;
    NxActor* box = world.dynamicBox(NxVec3(0, 100, 0), NxVec3(0.5f, 0.5f, 0.5f));
    subStepsOf(*world.scene, 6.0f / 60);
    // Semi-implicit Euler: after n steps of dt, y drops by g dt^2 n (n + 1) / 2.
    double dt = 1.0 / 60;
    EXPECT_NEAR(box->getGlobalPosition().y, 100 - 32 * dt * dt * 21, 1e-4);
    EXPECT_NEAR(box->getLinearVelocity().y, -32 * dt * 6, 1e-4);
}

TEST(Stepping, DroppedHullsComeToRestOnTheGroundOnMeshesAndOnEachOther)
{
    PhysxWorld world;
    NxActor* box = world.dynamicBox(NxVec3(0.3f, 3, -0.2f), NxVec3(0.5f, 0.5f, 0.5f));
    EXPECT_NEAR(box->getMass(), 50, 1e-3);
    world.staticBox(NxVec3(7, 0, -3), NxVec3(13, 1, 3));
    NxActor* lower = world.dynamicBox(NxVec3(10, 2, 0), NxVec3(1, 0.5f, 1));
    NxActor* upper = world.dynamicBox(NxVec3(10.2f, 4, 0), NxVec3(0.5f, 0.5f, 0.5f), 10);
    world.run(180);
    NxVec3 p = box->getGlobalPosition();
    EXPECT_NEAR(p.y, 0.5, 0.01);
    EXPECT_NEAR(p.x, 0.3, 0.01);
    EXPECT_NEAR(p.z, -0.2, 0.01);
    world.run(60);
    EXPECT_NEAR(lower->getGlobalPosition().y, 1.52, 0.01);  // a skin width above the mesh
    EXPECT_NEAR(upper->getGlobalPosition().y, 2.5, 0.03);
    world.run(60);
    EXPECT_TRUE(box->isSleeping());
}
