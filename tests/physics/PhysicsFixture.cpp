#include "PhysicsFixture.h"

#include "graphics/GraphicsSystem.h"
#include "sound/SoundSystem.h"
#include "world/GameWorld.h"

using namespace irr;
using namespace vphysx;

void PhysicsFixture::SetUp() {
    GraphicsSystem::useDriver(video::EDT_NULL);
    SoundSystem::useEngine(nullptr);  // impacts still send their pulses, silently
    GameWorld::instance();
    physics = &PhysicsSystem::instance();
    scenes = GraphicsSystem::instance().sceneManager;
    actorsBefore = physics->scene->getNbActors();
    controllersBefore = physics->controllerManager->getNbControllers();
}

void PhysicsFixture::TearDown() {
    while (physics->controllerManager->getNbControllers() > controllersBefore)
        physics->controllerManager->releaseController(
            *physics->controllerManager->getController(physics->controllerManager->getNbControllers() - 1));
    while (physics->scene->getNbActors() > actorsBefore)
        physics->scene->releaseActor(*physics->scene->getActors()[physics->scene->getNbActors() - 1]);
    for (scene::SMesh* mesh : meshes) mesh->drop();
}

void PhysicsFixture::run(int frames) {
    for (int i = 0; i < frames; ++i) {
        physics->syncActorsFromNodes();
        physics->scene->simulate(1.0f / 60);
        physics->scene->flushStream();
        physics->scene->fetchResults(NX_RIGID_BODY_FINISHED, true);
        physics->controllerManager->updateControllers();
        physics->syncNodesFromActors();
        scenes->getRootSceneNode()->OnAnimate(0);  // absolute positions, as drawing updates them
    }
}

scene::SMesh* PhysicsFixture::boxMesh(const core::vector3df& l, const core::vector3df& h) {
    scene::SMeshBuffer* buffer = new scene::SMeshBuffer();
    for (int i = 0; i < 8; ++i)
        buffer->Vertices.push_back(video::S3DVertex(i & 1 ? h.X : l.X, i & 2 ? h.Y : l.Y, i & 4 ? h.Z : l.Z, 0, 1,
                                                    0, video::SColor(255, 255, 255, 255), 0, 0));
    const u16 faces[] = {0, 2, 1, 1, 2, 3, 4, 5, 6, 5, 7, 6, 0, 1, 4, 1, 5, 4,
                         2, 6, 3, 3, 6, 7, 0, 4, 2, 2, 4, 6, 1, 3, 5, 3, 7, 5};
    for (u16 index : faces) buffer->Indices.push_back(index);
    return meshOf(buffer);
}

scene::SMesh* PhysicsFixture::meshOf(scene::IMeshBuffer* buffer) {
    scene::SMesh* mesh = new scene::SMesh();
    mesh->addMeshBuffer(buffer);
    buffer->drop();
    meshes.push_back(mesh);
    return mesh;
}

s32 PhysicsFixture::addObject(scene::IMesh* mesh, const core::vector3df& position, const char* name,
                              scene::ISceneNode* parent) {
    scene::ISceneNode* node = scenes->addMeshSceneNode(mesh, parent, -1, position);
    node->setName(name);
    node->updateAbsolutePosition();
    GameObject* object = new GameObject();
    object->node = node;
    return GameWorld::instance().registerObject(object);
}

scene::ISceneNode* PhysicsFixture::nodeOf(s32 id) { return GameWorld::instance().findObject(id)->node; }

NxActor* PhysicsFixture::dynamicBox(const core::vector3df& position, float half, s32* id) {
    scene::SMesh* mesh = boxMesh(core::vector3df(-half), core::vector3df(half));
    s32 object = addObject(mesh, position, "crate");
    if (id) *id = object;
    NxActor* actor = physics->createDynamicConvexActor(mesh, position, core::vector3df(1), object, 50);
    GameWorld::instance().findObject(object)->actor = actor;
    return actor;
}
