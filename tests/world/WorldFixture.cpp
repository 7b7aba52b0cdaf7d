#include "WorldFixture.h"

#include "app/Game.h"
#include "graphics/GraphicsSystem.h"
#include "physics/PhysicsSystem.h"
#include "world/GameWorld.h"
#include "world/Player.h"

#include <NxController.h>

using namespace irr;

void WorldFixture::SetUp() {
    GraphicsSystem::useDriver(video::EDT_NULL);
    player = GameWorld::instance().player;
    player->setPosition(0, 0.5f, 0);
    installScriptedInput({});
    idle(30);  // settle on the ground
}

void WorldFixture::play(const std::vector<InputFrame>& frames, s32 msec) {
    installScriptedInput(frames);
    GraphicsSystem::instance().fixedFrameTime = msec;
    GraphicsSystem::instance().frameTime = msec;
    // One more pass than frames: input delivered in a pass is read by the next world update.
    for (size_t i = 0; i <= frames.size(); ++i) ASSERT_TRUE(runFrame());
}

namespace {

GameObject* addObject(const char* name, const core::vector3df& pos, float density) {
    scene::ISceneManager* smgr = GraphicsSystem::instance().sceneManager;
    scene::IMesh* mesh = smgr->getGeometryCreator()->createCubeMesh(core::vector3df(1, 1, 1));
    scene::IMeshSceneNode* node = smgr->addMeshSceneNode(mesh, nullptr, -1, pos);
    mesh->drop();
    node->setName(name);
    node->updateAbsolutePosition();
    GameObject* object = new GameObject();
    object->node = node;
    s32 id = GameWorld::instance().registerObject(object);
    PhysicsSystem& physics = PhysicsSystem::instance();
    object->actor = density > 0
        ? physics.createDynamicConvexActor(mesh, pos, core::vector3df(1, 1, 1), id, density)
        : physics.createStaticMeshActor(mesh, pos, core::vector3df(1, 1, 1), id);
    return object;
}

}  // namespace

GameObject* WorldFixture::addCube(const char* name, const core::vector3df& pos, float density) {
    return addObject(name, pos, density);
}

GameObject* WorldFixture::addStaticCube(const char* name, const core::vector3df& pos) {
    return addObject(name, pos, 0);
}

core::vector3df WorldFixture::feet() const {
    const vphysx::NxExtendedVec3& p = player->controller->getPosition();
    return core::vector3df(f32(p.x), f32(p.y), f32(p.z));
}
