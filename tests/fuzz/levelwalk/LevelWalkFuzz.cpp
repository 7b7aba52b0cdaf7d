// A level file made of fuzz bytes, loaded and walked as the game starts a level, on Irrlicht's
// null device: checked, read by Irrlicht, then every node turned into objects, actors, emitters
// and scripts. Each input starts from a clean scene: what the last one made is taken away again.
#include "graphics/GraphicsSystem.h"
#include "level/LevelFile.h"
#include "physics/PhysicsSystem.h"
#include "scripting/ObjectScript.h"
#include "sound/SoundSystem.h"
#include "waves/WaveManager.h"
#include "world/GameWorld.h"

#include <NxActor.h>
#include <NxScene.h>

#include <cstdint>
#include <string_view>

namespace {

irr::scene::ISceneManager* sceneManager() {
    static irr::scene::ISceneManager* made = [] {
        GraphicsSystem::useDriver(irr::video::EDT_NULL);
        GameWorld::instance();
        SoundSystem::instance();
        WaveManager::instance();
        return GraphicsSystem::instance().sceneManager;
    }();
    return made;
}

// What the input made goes: its objects with their scripts and actors, and the obstacles after
// the player's own controller.
void clearLevel(irr::scene::ISceneNode* level, vphysx::NxU32 controllersKept) {
    GameWorld& world = GameWorld::instance();
    PhysicsSystem& physics = PhysicsSystem::instance();
    for (GameObject* object : world.objects) {
        detachScript(*object);
        if (object->actor && physics.scene) physics.scene->releaseActor(*object->actor);
        delete object;
    }
    world.objects.clear();
    world.objectsById.clear();
    world.idsByName.clear();
    vphysx::NxControllerManager* controllers = physics.controllerManager;
    while (controllers && controllers->getNbControllers() > controllersKept)
        controllers->releaseController(*controllers->getController(controllers->getNbControllers() - 1));
    WaveManager::instance().clear();
    level->remove();
    GraphicsSystem::instance().sceneManager->getMeshCache()->clearUnusedMeshes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    irr::scene::ISceneManager* smgr = sceneManager();
    PhysicsSystem& physics = PhysicsSystem::instance();
    const vphysx::NxU32 controllers = physics.controllerManager ? physics.controllerManager->getNbControllers() : 0;
    irr::scene::ISceneNode* level = smgr->addEmptySceneNode();
    loadLevelText(smgr, "Content/fuzzed.irr", std::string_view(reinterpret_cast<const char*>(data), size), level);
    physics.loadLevel(level);
    clearLevel(level, controllers);
    return 0;
}
