// A level file made of fuzz bytes, loaded and walked as the game starts a level, on Irrlicht's
// null device: checked, read by Irrlicht, then every node turned into objects, actors, emitters
// and scripts. Nodes of earlier inputs stay, as the registry keeps pointing at them.
#include "graphics/GraphicsSystem.h"
#include "level/LevelFile.h"
#include "physics/PhysicsSystem.h"
#include "sound/SoundSystem.h"
#include "waves/WaveManager.h"
#include "world/GameWorld.h"

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    irr::scene::ISceneManager* smgr = sceneManager();
    irr::scene::ISceneNode* level = smgr->addEmptySceneNode();
    loadLevelText(smgr, "Content/fuzzed.irr", std::string_view(reinterpret_cast<const char*>(data), size), level);
    PhysicsSystem::instance().loadLevel(level);
    return 0;
}
