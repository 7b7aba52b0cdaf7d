// The physics debug geometry in a real OpenGL window: nothing unless visualisation is on.

#include <gtest/gtest.h>

#include "graphics/GraphicsSystem.h"
#include "harness/Screenshot.h"
#include "physics/PhysicsSystem.h"

using namespace irr;
using namespace vphysx;

TEST(DebugDraw, DrawsShapesOnlyWhileVisualisationIsOn) {
    GraphicsSystem::useWindowSize(core::dimension2du(320, 240), false);
    GraphicsSystem& graphics = GraphicsSystem::instance();
    PhysicsSystem& physics = PhysicsSystem::instance();
    graphics.sceneManager->addCameraSceneNode(nullptr, core::vector3df(0, 2, -12), core::vector3df(0, 0, 0));
    NxBoxShapeDesc box;
    box.dimensions.set(2, 2, 2);
    NxActorDesc desc;
    desc.shapes.push_back(&box);
    physics.scene->createActor(desc);

    Snapshot shot;
    graphics.afterDraw = [&] {
        physics.drawDebug();
        shot = readBackBuffer();
    };
    auto frame = [&] {
        physics.scene->simulate(1.0f / 60);
        physics.scene->fetchResults(NX_RIGID_BODY_FINISHED, true);
        graphics.renderFrame();
        int marked = 0;  // pixels off the white the frame clears to
        for (u32 pixel : shot.argb) marked += (pixel & 0xffffff) != 0xffffff;
        return marked;
    };
    int plain = frame();
    ASSERT_GT(shot.width, 0u);
    EXPECT_EQ(plain, 0);
    physics.sdk->setParameter(NX_VISUALIZATION_SCALE, 1);
    physics.sdk->setParameter(NX_VISUALIZE_COLLISION_SHAPES, 1);
    EXPECT_GT(frame(), 100);
    EXPECT_GT(physics.debugRenderable->getNbLines(), 0u);
}
