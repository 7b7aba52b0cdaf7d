// Actor poses, flags, kinematic targets and the rest of the actor interface on real Bullet.

#include <gtest/gtest.h>

#include "PhysxWorld.h"

using namespace vphysx_test;

namespace {

const NxVec3 CUBE(0.5f, 0.5f, 0.5f);

}  // namespace

TEST(Actor, PosesReadBackAsQuaternionAndMatrix)
{
    PhysxWorld world;
    NxActor* box = world.dynamicBox(NxVec3(0, 5, 0), CUBE);
    NxQuat q(0.0808047f, 0.4021985f, 0.3033718f, 0.8600422f);
    box->setGlobalOrientationQuat(q);
    box->setGlobalPosition(NxVec3(1, 2, 3));
    EXPECT_EQ(box->getGlobalPosition(), NxVec3(1, 2, 3));
    NxQuat back = box->getGlobalOrientationQuat();
    EXPECT_NEAR(back.x, q.x, 1e-6);
    EXPECT_NEAR(back.w, q.w, 1e-6);
    NxMat33 expected(q);
    NxMat33 m = box->getGlobalOrientation();
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(m(r, c), expected(r, c), 1e-6);

    NxMat33 quarter(NxVec3(0, 0, 1), NxVec3(0, 1, 0), NxVec3(-1, 0, 0));  // 90 degrees about y
    box->setGlobalOrientation(quarter);
    NxQuat turned = box->getGlobalOrientationQuat();
    EXPECT_NEAR(turned.y, std::sqrt(0.5f), 1e-6);
    EXPECT_NEAR(turned.w, std::sqrt(0.5f), 1e-6);
}

TEST(Actor, RewritingThePoseItHasKeepsARestingBodyAsleep)
{
    PhysxWorld world;
    NxActor* box = world.dynamicBox(NxVec3(0, 0.5f, 0), CUBE);
    box->setGlobalOrientationQuat(NxQuat(0, 0.3826834f, 0, 0.9238795f));
    world.run(240);
    ASSERT_TRUE(box->isSleeping());
    NxQuat q = box->getGlobalOrientationQuat();
    q.y += 1e-7f;  // what a round trip through Euler angles leaves
    box->setGlobalPosition(box->getGlobalPosition());
    box->setGlobalOrientationQuat(q);
    world.run(1);
    EXPECT_TRUE(box->isSleeping());
    box->setGlobalPosition(box->getGlobalPosition() + NxVec3(0, 0.5f, 0));
    EXPECT_FALSE(box->isSleeping());
}

TEST(Actor, KinematicTargetsArriveInTheNextStep)
{
    PhysxWorld world;
    NxActor* box = world.dynamicBox(NxVec3(0, 5, 0), CUBE);
    box->raiseBodyFlag(NX_BF_KINEMATIC);
    box->moveGlobalPosition(NxVec3(1, 5, 0));
    box->moveGlobalOrientation(NxMat33(NxVec3(0, 0, 1), NxVec3(0, 1, 0), NxVec3(-1, 0, 0)));
    box->setGlobalPosition(NxVec3(0, 5, 0));  // a pose set before the step does not cancel them
    EXPECT_EQ(box->getGlobalPosition(), NxVec3(0, 5, 0));
    world.scene->simulate(2.0f / 60);  // two sub-steps share the motion
    world.scene->fetchResults(NX_RIGID_BODY_FINISHED, true);
    EXPECT_NEAR(box->getGlobalPosition().x, 1, 1e-6);
    EXPECT_NEAR(box->getGlobalPosition().y, 5, 1e-6);  // no gravity while kinematic
    EXPECT_NEAR(box->getGlobalOrientationQuat().y, std::sqrt(0.5f), 1e-6);
    // Released, it flies on with the speed of its last move: half a unit per sub-step.
    box->clearBodyFlag(NX_BF_KINEMATIC);
    EXPECT_NEAR(box->getLinearVelocity().x, 30, 1e-3);
    world.run(1);
    EXPECT_LT(box->getGlobalPosition().y, 5);
}

TEST(Actor, FlagsChangeHowTheBodyMoves)
{
    PhysxWorld world;
    NxActor* floating = world.dynamicBox(NxVec3(0, 5, 0), CUBE);
    floating->raiseBodyFlag(NX_BF_DISABLE_GRAVITY);
    NxActor* ghost = world.dynamicBox(NxVec3(3, 0.6f, 0), CUBE);
    ghost->raiseActorFlag(NX_AF_DISABLE_COLLISION);
    NxActor* held = world.dynamicBox(NxVec3(6, 5, 0), CUBE);
    held->raiseBodyFlag(NX_BF_KINEMATIC);
    EXPECT_TRUE(held->readBodyFlag(NX_BF_KINEMATIC));
    EXPECT_TRUE(held->isDynamic());
    EXPECT_NEAR(held->getMass(), 50, 1e-3);
    world.run(30);
    EXPECT_EQ(floating->getGlobalPosition().y, 5);
    EXPECT_LT(ghost->getGlobalPosition().y, 0);  // through the ground
    EXPECT_EQ(held->getGlobalPosition().y, 5);

    floating->clearBodyFlag(NX_BF_DISABLE_GRAVITY);
    ghost->setGlobalPosition(NxVec3(3, 3, 0));
    ghost->setLinearVelocity(NxVec3());
    ghost->clearActorFlag(NX_AF_DISABLE_COLLISION);
    held->clearBodyFlag(NX_BF_KINEMATIC);
    world.run(120);
    EXPECT_NEAR(floating->getGlobalPosition().y, 0.5, 0.01);
    EXPECT_NEAR(ghost->getGlobalPosition().y, 0.5, 0.01);
    EXPECT_NEAR(held->getGlobalPosition().y, 0.5, 0.01);
}

TEST(Actor, BodyCallsOnTheWrongActorWarnAndChangeNothing)
{
    PhysxWorld world;
    EXPECT_FALSE(world.ground->isDynamic());
    EXPECT_EQ(world.ground->getMass(), 0);
    world.ground->raiseBodyFlag(NX_BF_KINEMATIC);
    world.ground->setLinearVelocity(NxVec3(1, 0, 0));
    EXPECT_FALSE(world.ground->readBodyFlag(NX_BF_KINEMATIC));
    EXPECT_EQ(world.warnings.lines.size(), 2u);

    NxActor* box = world.dynamicBox(NxVec3(0, 0.5f, 0), CUBE);
    box->moveGlobalPosition(NxVec3(3, 0.5f, 0));  // targets are for kinematic actors only
    world.run(1);
    EXPECT_NEAR(box->getGlobalPosition().x, 0, 1e-3);
    EXPECT_EQ(world.warnings.lines.size(), 3u);
}

TEST(Actor, NonFiniteValuesNeverReachTheSimulation)
{
    PhysxWorld world;
    NxActor* box = world.dynamicBox(NxVec3(0, 5, 0), CUBE);
    box->setGlobalPosition(NxVec3(NAN, 0, 0));
    box->setGlobalOrientationQuat(NxQuat(0, 0, 0, 0));
    box->setLinearVelocity(NxVec3(0, INFINITY, 0));
    box->addForceAtPos(NxVec3(NAN, 0, 0), NxVec3());
    EXPECT_EQ(box->getGlobalPosition(), NxVec3(0, 5, 0));
    EXPECT_EQ(world.warnings.lines.size(), 1u);  // one line per actor, however often
    world.run(1);
    EXPECT_TRUE(box->getGlobalPosition().isFinite());
}

TEST(Actor, WakingAndSleeping)
{
    PhysxWorld world;
    NxActor* box = world.dynamicBox(NxVec3(0, 0.5f, 0), CUBE);
    world.run(180);
    ASSERT_TRUE(box->isSleeping());
    box->wakeUp(NX_SLEEP_INTERVAL);
    EXPECT_FALSE(box->isSleeping());
    world.run(12);  // 0.2 s
    EXPECT_FALSE(box->isSleeping());
    world.run(30);
    EXPECT_TRUE(box->isSleeping());
}

TEST(Actor, SceneKeepsActorsInCreationOrderWithTheirUserData)
{
    PhysxWorld world;
    NxActor* a = world.dynamicBox(NxVec3(0, 5, 0), CUBE);
    NxActor* b = world.dynamicBox(NxVec3(3, 5, 0), CUBE);
    NxActor* c = world.dynamicBox(NxVec3(6, 5, 0), CUBE);
    a->userData = reinterpret_cast<void*>(1);
    c->userData = reinterpret_cast<void*>(3);
    world.scene->releaseActor(*b);
    ASSERT_EQ(world.scene->getNbActors(), 3u);
    NxActor** actors = world.scene->getActors();
    EXPECT_EQ(actors[0], world.ground);
    EXPECT_EQ(actors[1], a);
    EXPECT_EQ(actors[2], c);
    EXPECT_EQ(actors[2]->userData, reinterpret_cast<void*>(3));
    EXPECT_EQ(&actors[1]->getScene(), world.scene);
    EXPECT_EQ(&a->getShapes()[0]->getActor(), a);
}

TEST(Actor, MaterialAndGravityApplyToTheScene)
{
    PhysxWorld world;
    EXPECT_EQ(world.scene->getMaterialFromIndex(1), nullptr);
    // Gravity tilted by 30 degrees: with friction 0.4 (averaged, not multiplied) the box
    // slides at 32 (sin 30 - 0.4 cos 30) = 4.9 units/s^2, 0.61 units in half a second.
    NxActor* box = world.dynamicBox(NxVec3(0, 0.5f, 0), CUBE);
    world.run(60);
    world.scene->setGravity(NxVec3(16, -27.7128f, 0));
    world.run(30);
    EXPECT_NEAR(box->getGlobalPosition().x, 0.61, 0.08);
    // 0.9 stops it without tipping it: a sliding cube tips forward from 1 up.
    world.scene->getMaterialFromIndex(0)->setDynamicFriction(0.9f);
    NxVec3 stopped = box->getGlobalPosition();
    world.run(60);
    EXPECT_LT(box->getLinearVelocity().magnitude(), 0.1);
    EXPECT_GT(box->getGlobalPosition().x, stopped.x);
}

TEST(Actor, DebugRenderableIsEmptyUnlessVisualisationIsOn)
{
    PhysxWorld world;
    world.dynamicBox(NxVec3(0, 5, 0), CUBE);
    const NxDebugRenderable* debug = world.scene->getDebugRenderable();
    world.run(1);
    EXPECT_EQ(debug->getNbLines(), 0u);
    world.sdk->setParameter(NX_VISUALIZATION_SCALE, 1);
    world.sdk->setParameter(NX_VISUALIZE_COLLISION_SHAPES, 1);
    world.run(1);
    EXPECT_EQ(world.scene->getDebugRenderable(), debug);
    EXPECT_GT(debug->getNbLines(), 12u);
    EXPECT_EQ(debug->getLines()[0].color >> 24, 0xffu);
}
