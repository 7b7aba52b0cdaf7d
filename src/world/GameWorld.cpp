#include "world/GameWorld.h"

#include "graphics/GraphicsSystem.h"
#include "luaplus/LuaState.h"
#include "world/Player.h"

using namespace irr;

namespace {

const f32 NEAR_PLANE = 0.05f;  // world units

}  // namespace

GameWorld& GameWorld::instance() {
    static GameWorld world;
    return world;
}

GameWorld::GameWorld() : player(nullptr), camera(nullptr), lastId(0) {
    GraphicsSystem& graphics = GraphicsSystem::instance();
    camera = graphics.sceneManager->addCameraSceneNode(nullptr, core::vector3df(0, 0, 0),
                                                       core::vector3df(0, 0, 100), -1);
    // The weapon in hand reaches to 0.1 in front of the eye: nothing of it may be clipped.
    camera->setNearValue(NEAR_PLANE);
    player = new Player(camera);
    player->setPosition(35.497997f, 6.215026f, -35.154297f);
}

// Nodes belong to the scene manager and actors to the physics world; each is freed by its owner.
GameWorld::~GameWorld() {
    for (GameObject* object : objects) {
        vlua::LuaState::Destroy(object->script);
        delete object;
    }
    delete player;
}

s32 GameWorld::registerObject(GameObject* object) {
    object->id = ++lastId;
    objects.push_back(object);
    objectsById[object->id] = object;
    // Names are keyed whole, however long: a lookup always compares the whole name.
    idsByName[object->node->getName()] = object->id;
    return object->id;
}

GameObject* GameWorld::findObject(s32 id) const {
    if (id == 0) return nullptr;
    auto it = objectsById.find(id);
    return it == objectsById.end() ? nullptr : it->second;
}

s32 GameWorld::findObjectId(const char* name) const {
    auto it = idsByName.find(name ? name : "");
    return it == idsByName.end() ? 0 : it->second;
}
