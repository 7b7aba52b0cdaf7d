// The physics system's rotation conversions and the pose synchronisation around each step.

#include "PhysicsFixture.h"

using namespace irr;
using namespace vphysx;

namespace {

void expectAngles(const core::vector3df& actual, float x, float y, float z, float tolerance = 1e-3f) {
    EXPECT_NEAR(actual.X, x, tolerance);
    EXPECT_NEAR(actual.Y, y, tolerance);
    EXPECT_NEAR(actual.Z, z, tolerance);
}

}  // namespace

using PhysicsSystemTest = PhysicsFixture;

TEST_F(PhysicsSystemTest, EulerAnglesAndQuaternionsConvertBothWays) {
    NxQuat q = PhysicsSystem::eulerDegreesToQuat(core::vector3df(30, 40, 50));
    EXPECT_NEAR(q.x, 0.0808047f, 1e-6f);
    EXPECT_NEAR(q.y, 0.4021985f, 1e-6f);
    EXPECT_NEAR(q.z, 0.3033718f, 1e-6f);
    EXPECT_NEAR(q.w, 0.8600422f, 1e-6f);
    expectAngles(PhysicsSystem::quatToEulerDegrees(q), 30, 40, 50);

    NxQuat quarter = PhysicsSystem::eulerDegreesToQuat(core::vector3df(90, 0, 0));
    EXPECT_NEAR(quarter.x, 0.7071068f, 1e-6f);
    EXPECT_NEAR(quarter.w, 0.7071068f, 1e-6f);
    expectAngles(PhysicsSystem::quatToEulerDegrees(quarter), 90, 0, 0);

    // A quarter turn about y puts the arcsine at its edge, where rounding could pass 1.
    core::vector3df edge = PhysicsSystem::quatToEulerDegrees(NxQuat(0, 0.70710683f, 0, 0.70710683f));
    EXPECT_NEAR(edge.Y, 90, 1e-3f);
    expectAngles(PhysicsSystem::quatToEulerDegrees(NxQuat(0, 0, 0, 1)), 0, 0, 0, 0);
}

TEST_F(PhysicsSystemTest, SyncGivesActorsTheirNodesPoseAndBack) {
    s32 id = 0, second = 0;
    NxActor* crate = dynamicBox(core::vector3df(1, 2, 3), 0.5f, &id);
    crate->raiseBodyFlag(NX_BF_KINEMATIC);
    nodeOf(id)->setRotation(core::vector3df(90, 0, 0));
    nodeOf(id)->updateAbsolutePosition();
    physics->syncActorsFromNodes();
    EXPECT_EQ(crate->getGlobalPosition(), NxVec3(1, 2, 3));
    NxQuat q = crate->getGlobalOrientationQuat();
    EXPECT_NEAR(q.x, 0.7071068f, 1e-6f);
    EXPECT_NEAR(q.w, 0.7071068f, 1e-6f);

    crate->setGlobalPosition(NxVec3(4, 5, 6));
    physics->syncNodesFromActors();
    EXPECT_EQ(nodeOf(id)->getPosition(), core::vector3df(4, 5, 6));
    expectAngles(nodeOf(id)->getRotation(), 90, 0, 0);

    // Resting nodes come back frame after frame with the orientation they had.
    dynamicBox(core::vector3df(5, 5, 0), 0.5f, &second)->raiseBodyFlag(NX_BF_KINEMATIC);
    nodeOf(id)->setRotation(core::vector3df(10, -20, 170));
    nodeOf(second)->setRotation(core::vector3df(200, 10, 10));
    scenes->getRootSceneNode()->OnAnimate(0);
    run(3);
    expectAngles(nodeOf(id)->getRotation(), 10, -20, 170, 0.01f);
    expectAngles(nodeOf(second)->getRotation(), -160, 10, 10, 0.01f);
}

TEST_F(PhysicsSystemTest, SyncSkipsActorsOfNoObjectAndTakesNestedNodesWorldPose) {
    NxActor* stray = dynamicBox(core::vector3df(20, 5, 0), 0.5f);
    stray->userData = reinterpret_cast<void*>(std::intptr_t(99999));  // names no object
    stray->raiseBodyFlag(NX_BF_KINEMATIC);
    stray->setGlobalPosition(NxVec3(20, 7, 0));

    scene::ISceneNode* parent = scenes->addEmptySceneNode(nullptr, -1);
    parent->setPosition(core::vector3df(0, 10, 0));
    parent->updateAbsolutePosition();
    scene::SMesh* mesh = boxMesh(core::vector3df(-0.5f), core::vector3df(0.5f));
    s32 id = addObject(mesh, core::vector3df(1, 0, 0), "nested", parent);
    NxActor* nested = physics->createDynamicConvexActor(mesh, nodeOf(id)->getAbsolutePosition(),
                                                        core::vector3df(1), id, 50);
    nested->raiseBodyFlag(NX_BF_KINEMATIC);
    physics->syncActorsFromNodes();
    EXPECT_EQ(nested->getGlobalPosition(), NxVec3(1, 10, 0));
    EXPECT_EQ(stray->getGlobalPosition(), NxVec3(20, 7, 0));
    physics->syncNodesFromActors();
    // The world pose goes back in the parent's frame: the node stays where it was.
    EXPECT_TRUE(nodeOf(id)->getPosition().equals(core::vector3df(1, 0, 0), 1e-5f))
        << nodeOf(id)->getPosition().X << " " << nodeOf(id)->getPosition().Y;
    EXPECT_EQ(physics->scene->getActors()[0]->getGlobalPosition(), NxVec3(0, 0, 0));
    parent->remove();
}
