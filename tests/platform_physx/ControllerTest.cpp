// The sweep-based capsule controller on real Bullet, with the player's settings.

#include <gtest/gtest.h>

#include <cmath>

#include "PhysxWorld.h"

using namespace vphysx_test;

namespace {

class HitLog : public NxUserControllerHitReport {
public:
    NxControllerAction onShapeHit(const NxControllerShapeHit& hit) override
    {
        shapeHits.push_back(hit);
        return NX_ACTION_NONE;
    }
    NxControllerAction onControllerHit(const NxControllersHit& hit) override
    {
        controllerHits.push_back(hit);
        return NX_ACTION_NONE;
    }
    bool touched(NxActor* actor) const
    {
        for (const NxControllerShapeHit& hit : shapeHits)
            if (&hit.shape->getActor() == actor) return true;
        return false;
    }
    std::vector<NxControllerShapeHit> shapeHits;
    std::vector<NxControllersHit> controllerHits;
};

class ControllerWorld : public PhysxWorld {
public:
    NxController* capsule(double x, double y, double z) { return PhysxWorld::capsule(x, y, z, &hits); }

    NxU32 move(NxController* c, const NxVec3& displacement)
    {
        NxU32 flags = 0;
        c->move(displacement, 3, 0.01f, flags, 1);
        return flags;
    }

    // Walks like the player: a horizontal move, then a gravity move, per frame.
    void walk(NxController* c, const NxVec3& step, int frames)
    {
        for (int i = 0; i < frames; ++i) {
            move(c, step);
            move(c, NxVec3(0, -0.5f, 0));
        }
    }

    HitLog hits;
};

const double STANDING = 2.02;  // centre above the floor: half height, radius, skin

}  // namespace

TEST(Controller, StandsOnTheFloorKeepingTheSkinWidth)
{
    ControllerWorld world;
    NxController* c = world.capsule(0, 5, 0);
    EXPECT_EQ(world.move(c, NxVec3(0, -2, 0)), 0u);
    EXPECT_NEAR(c->getPosition().y, 3, 1e-9);
    EXPECT_EQ(world.move(c, NxVec3(0, -2, 0)), NxU32(NXCC_COLLISION_DOWN));
    EXPECT_NEAR(c->getPosition().y, STANDING, 1e-3);
    EXPECT_EQ(world.move(c, NxVec3(0, -0.004f, 0)), NxU32(NXCC_COLLISION_DOWN));  // below minDistance
    EXPECT_NEAR(c->getPosition().y, STANDING, 1e-3);
    EXPECT_TRUE(world.hits.touched(world.ground));
}

TEST(Controller, ReportsTheCeilingWhenRising)
{
    ControllerWorld world;
    world.staticBox(NxVec3(-5, 5, -5), NxVec3(5, 6, 5));
    NxController* c = world.capsule(0, STANDING, 0);
    EXPECT_EQ(world.move(c, NxVec3(0, 3, 0)), NxU32(NXCC_COLLISION_UP));
    EXPECT_NEAR(c->getPosition().y + 2, 5 - 0.02, 1e-3);
}

TEST(Controller, SlidesAlongAWallHitAtFortyFiveDegrees)
{
    ControllerWorld world;
    world.staticBox(NxVec3(3, 0, -20), NxVec3(4, 5, 20));
    NxController* c = world.capsule(0, STANDING, 0);
    NxReal d = 0.1f / std::sqrt(2.0f);
    NxU32 flags = 0;
    for (int i = 0; i < 50; ++i) flags |= world.move(c, NxVec3(d, 0, d));
    EXPECT_TRUE(flags & NXCC_COLLISION_SIDES);
    EXPECT_NEAR(c->getPosition().x, 3 - 1 - 0.02, 0.01);
    EXPECT_NEAR(c->getPosition().z, 50 * d, 0.05);  // along the wall at full pace
    EXPECT_NEAR(c->getPosition().y, STANDING, 1e-3);
}

TEST(Controller, ClimbsALedgeOfOneAndNotOfOnePointThree)
{
    ControllerWorld world;
    world.staticBox(NxVec3(3, 0, -5), NxVec3(10, 1, 0));
    world.staticBox(NxVec3(3, 0, 0), NxVec3(10, 1.3f, 5));
    NxController* low = world.capsule(0, STANDING, -2.5f);
    NxController* high = world.capsule(0, STANDING, 2.5f);
    world.walk(low, NxVec3(0.1f, 0, 0), 60);
    world.walk(high, NxVec3(0.1f, 0, 0), 60);
    EXPECT_NEAR(low->getPosition().x, 6, 0.05);
    EXPECT_NEAR(low->getPosition().y, 1 + STANDING, 1e-3);
    EXPECT_NEAR(high->getPosition().x, 3 - 1 - 0.02, 0.01);
    EXPECT_NEAR(high->getPosition().y, STANDING, 1e-3);
}

TEST(Controller, WalksUpThirtyDegreesAndNotFifty)
{
    ControllerWorld world;
    world.ramp(2, 30, 10);
    NxController* c = world.capsule(0, STANDING, 0);
    world.walk(c, NxVec3(0.1f, 0, 0), 60);
    EXPECT_NEAR(c->getPosition().x, 6, 0.05);
    EXPECT_GT(c->getPosition().y, STANDING + 1.5);

    ControllerWorld steep;
    steep.ramp(2, 50, 10);
    NxController* s = steep.capsule(0, STANDING, 0);
    steep.walk(s, NxVec3(0.1f, 0, 0), 60);
    EXPECT_LT(s->getPosition().x, 2.5);
    EXPECT_LT(s->getPosition().y, STANDING + 0.6);
}

TEST(Controller, ReportsEveryShapeItTouchesWithTheMotionDirection)
{
    ControllerWorld world;
    NxActor* crate = world.dynamicBox(NxVec3(3, 1, 0), NxVec3(1, 1, 1));  // too high to step on
    NxActor* fixed = world.dynamicBox(NxVec3(-3, 1, 0), NxVec3(1, 1, 1));
    fixed->raiseBodyFlag(NX_BF_KINEMATIC);
    world.run(1);
    NxController* c = world.capsule(0, STANDING, 0);
    world.hits.shapeHits.clear();
    for (int i = 0; i < 10; ++i) world.move(c, NxVec3(0.2f, 0, 0));
    ASSERT_TRUE(world.hits.touched(crate));
    for (const NxControllerShapeHit& hit : world.hits.shapeHits) {
        if (&hit.shape->getActor() != crate) continue;
        EXPECT_EQ(hit.dir.y, 0.0f);  // exactly: the game pushes only on horizontal moves
        EXPECT_NEAR(hit.dir.x, 1, 1e-6);
        EXPECT_EQ(hit.controller, c);
        EXPECT_NEAR(hit.worldPos.x, 2, 0.05);
    }
    EXPECT_LT(c->getPosition().x, 2 - 1 + 0.01);  // the crate blocks the capsule

    world.hits.shapeHits.clear();
    for (int i = 0; i < 30; ++i) world.move(c, NxVec3(-0.2f, 0, 0));
    EXPECT_TRUE(world.hits.touched(fixed));
    EXPECT_GT(c->getPosition().x, -2 + 1 - 0.01);
}

TEST(Controller, ControllersBlockEachOtherAndBodiesLandOnThem)
{
    ControllerWorld world;
    NxController* a = world.capsule(0, STANDING, 0);
    NxController* b = world.capsule(3, STANDING, 0);
    world.move(a, NxVec3(2, 0, 0));
    EXPECT_NEAR(a->getPosition().x, 1 - 0.02, 0.01);
    ASSERT_EQ(world.hits.controllerHits.size(), 1u);
    EXPECT_EQ(world.hits.controllerHits[0].controller, a);
    EXPECT_EQ(world.hits.controllerHits[0].other, b);

    NxActor* box = world.dynamicBox(NxVec3(3, 8, 0), NxVec3(0.5f, 0.5f, 0.5f));
    world.run(120);
    EXPECT_NEAR(box->getGlobalPosition().y, STANDING + 2 + 0.5, 0.05);
}

TEST(Controller, ExcludedControllersLetOthersPass)
{
    ControllerWorld world;
    NxController* a = world.capsule(0, STANDING, 0);
    NxCapsuleControllerDesc desc;
    desc.position = NxExtendedVec3(3, STANDING, 0);
    desc.height = 2;
    desc.radius = 1;
    desc.interactionFlag = NXIF_INTERACTION_EXCLUDE;
    world.controllers->createController(world.scene, desc);
    world.move(a, NxVec3(6, 0, 0));
    EXPECT_NEAR(a->getPosition().x, 6, 1e-6);
}

TEST(Controller, RefusesBadInput)
{
    ControllerWorld world;
    NxCapsuleControllerDesc desc;  // radius and height 0
    EXPECT_EQ(world.controllers->createController(world.scene, desc), nullptr);
    EXPECT_EQ(world.controllers->createController(nullptr, desc), nullptr);
    NxController* c = world.capsule(0, STANDING, 0);
    EXPECT_FALSE(c->setPosition(NxExtendedVec3(NAN, 0, 0)));
    EXPECT_EQ(world.move(c, NxVec3(INFINITY, 0, 0)), 0u);
    EXPECT_NEAR(c->getPosition().x, 0, 1e-9);
    EXPECT_EQ(world.controllers->getNbControllers(), 1u);
    EXPECT_EQ(world.warnings.lines.size(), 3u);
}
