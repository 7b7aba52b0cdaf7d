// Loose boxes on level meshes: they land flat where they fall, stack, hold on gentle slopes
// and slide down steep ones, on real Bullet with the game's material (static 0.5, dynamic 0.4).

#include <gtest/gtest.h>

#include <cmath>

#include "PhysxWorld.h"

using namespace vphysx_test;

namespace {

const NxVec3 CUBE(0.5f, 0.5f, 0.5f);
const NxReal SKIN = 0.02f;
const NxReal DEGREES = 3.14159265f / 180;

// Degrees between an actor's up axis and the given unit vector.
NxReal tilt(NxActor* actor, const NxVec3& up)
{
    NxReal c = actor->getGlobalOrientation().getColumn(1).dot(up);
    return std::acos(std::fmin(1.0f, std::fabs(c))) / DEGREES;
}

// A world whose ground is a level mesh: a slab with its top face at y = 0.
struct MeshFloor : PhysxWorld {
    MeshFloor() : PhysxWorld(false) { staticBox(NxVec3(-40, -2, -40), NxVec3(40, 0, 40)); }
};

// A unit box resting on a ramp made by PhysxWorld::ramp from x = 0, its centre `along` units
// up the slope.
NxActor* boxOnRamp(PhysxWorld& world, NxReal degrees, NxReal along)
{
    NxReal a = degrees * DEGREES;
    NxVec3 normal(-std::sin(a), std::cos(a), 0);
    NxVec3 surface(along * std::cos(a), along * std::sin(a), 0);
    NxActor* box = world.dynamicBox(surface + normal * (0.5f + SKIN), CUBE);
    box->setGlobalOrientationQuat(NxQuat(0, 0, std::sin(a / 2), std::cos(a / 2)));
    return box;
}

NxReal slid(NxActor* box, const NxVec3& from)
{
    return (box->getGlobalPosition() - from).magnitude();
}

}  // namespace

TEST(Resting, BoxesDroppedOffTheOriginLandFlatWhereTheyFallAndAStackOfFiveStaysStanding)
{
    MeshFloor world;
    const NxVec3 drops[] = {{3, 10, 5}, {-7, 10, 2}, {11, 6, -13}, {-25, 12, 30}};
    NxActor* dropped[4];
    for (int i = 0; i < 4; ++i) dropped[i] = world.dynamicBox(drops[i], CUBE);
    NxActor* stack[5];
    for (int i = 0; i < 5; ++i) stack[i] = world.dynamicBox(NxVec3(4, 0.5f + SKIN + i * (1 + SKIN), -3), CUBE);
    world.run(300);
    for (int i = 0; i < 4; ++i) {
        NxVec3 p = dropped[i]->getGlobalPosition();
        EXPECT_NEAR(p.x, drops[i].x, 0.05) << "dropped " << i;
        EXPECT_NEAR(p.z, drops[i].z, 0.05) << "dropped " << i;
        EXPECT_NEAR(p.y, 0.5, SKIN) << "dropped " << i;
        EXPECT_LT(tilt(dropped[i], NxVec3(0, 1, 0)), 2) << "dropped " << i;
    }
    for (int i = 0; i < 5; ++i) {
        NxVec3 p = stack[i]->getGlobalPosition();
        EXPECT_LT(std::hypot(p.x - 4, p.z + 3), 0.25) << "stacked " << i;
        EXPECT_NEAR(p.y, 0.5f + i * (1 + SKIN), 0.1) << "stacked " << i;
        EXPECT_LT(tilt(stack[i], NxVec3(0, 1, 0)), 2) << "stacked " << i;
    }
    EXPECT_TRUE(stack[4]->isSleeping());
}

TEST(Resting, StaticFrictionHoldsOnTwentyFourDegreesAndLetsGoOnThirty)
{
    PhysxWorld gentle(false), steep(false);
    gentle.ramp(0, 24, 40);
    steep.ramp(0, 30, 40);
    NxActor* held = boxOnRamp(gentle, 24, 25);
    NxActor* sliding = boxOnRamp(steep, 30, 25);
    gentle.run(1);
    steep.run(1);
    NxVec3 heldFrom = held->getGlobalPosition(), slidFrom = sliding->getGlobalPosition();
    NxReal a = 30 * DEGREES;
    NxVec3 steepNormal(-std::sin(a), std::cos(a), 0);
    NxReal steepestTilt = 0;
    for (int i = 0; i < 4; ++i) {
        gentle.run(30);
        steep.run(30);
        steepestTilt = std::fmax(steepestTilt, tilt(sliding, steepNormal));
    }
    EXPECT_LT(slid(held, heldFrom), 0.02);
    // Dynamic friction 0.4: 32 (sin 30 - 0.4 cos 30) = 4.9 units/s^2, about 9.8 units in 2 s.
    EXPECT_GT(slid(sliding, slidFrom), 7);
    EXPECT_LT(sliding->getGlobalPosition().x, slidFrom.x);
    EXPECT_LT(steepestTilt, 2);
}
