#include "app/Game.h"

#include "graphics/GraphicsSystem.h"
#include "input/InputBackend.h"
#include "input/InputHolder.h"
#include "level/LevelFile.h"
#include "physics/PhysicsSystem.h"
#include "sound/SoundSystem.h"
#include "waves/WaveManager.h"
#include "world/GameWorld.h"

#include <NxControllerManager.h>
#include <NxScene.h>


using namespace vphysx;

namespace {

const char* const LEVEL_FILE = "Content/TestRoom3.irr";

// Steps the physics world by last frame's time, with node poses in and actor poses out.
void stepPhysics() {
    PhysicsSystem& physics = PhysicsSystem::instance();
    if (!physics.scene) return;
    physics.syncActorsFromNodes();
    physics.scene->simulate(static_cast<NxReal>(GraphicsSystem::instance().frameTime / 1000.0f));
    physics.scene->flushStream();
    physics.scene->fetchResults(NX_RIGID_BODY_FINISHED, true);
    physics.controllerManager->updateControllers();
    physics.syncNodesFromActors();
}

}  // namespace

void startUp() {
    GameWorld::instance();
    PhysicsSystem::instance();
    // Before the level is read: the sound system registers the emitter node factory it needs.
    SoundSystem::instance();
    GraphicsSystem& graphics = GraphicsSystem::instance();

    InputHolder& input = inputHolder();
    createInputBackend(input.activeBackend);
    WaveManager::instance();

    loadLevelFile(graphics.sceneManager, LEVEL_FILE);
    PhysicsSystem::instance().loadLevel(graphics.sceneManager->getRootSceneNode());

    graphics.createShaderMaterials("shader.vsh", "shader2.fsh", true);
    graphics.createShaderMaterials("rimShader.vsh", "rimShader.fsh", false);

    if (input.activeBackend) input.activeBackend->endFrame();
}

bool runFrame() {
    if (!GameWorld::instance().update()) return false;
    InputBackend* input = inputHolder().activeBackend;

    if (input) input->beginFrame();
    stepPhysics();

    SoundSystem& sound = SoundSystem::instance();
    sound.updateListener();
    if (sound.getEngine()) sound.getEngine()->update();

    WaveManager::instance().update();
    GraphicsSystem::instance().renderFrame();
    if (input) input->endFrame();
    return true;
}
