// velmora_check [level file]: loads a level the way the game does, with no window and a silent
// sound device, and prints what every node becomes and what will surprise in play. Run it from
// the game's folder (paths in a level are relative to it); the level defaults to the game's.
// Exit code: 0 without warnings, 1 with warnings, 2 when the level cannot be read.

#include "ConsoleCapture.h"
#include "LevelReport.h"
#include "RawLevel.h"

#include "graphics/GraphicsSystem.h"
#include "level/ContentFile.h"
#include "level/LevelFile.h"
#include "level/LevelFileCheck.h"
#include "physics/PhysicsSystem.h"
#include "sound/SoundSystem.h"
#include "waves/WaveManager.h"
#include "world/GameWorld.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char* const DEFAULT_LEVEL = "Content/TestRoom3.irr";
const std::uintmax_t MAX_LEVEL_BYTES = std::uintmax_t(64) << 20;  // as the game allows

// why: the tail of a sentence, "is missing".
int cannotRead(const char* path, const std::string& why) {
    std::printf("Level: %s %s; nothing was checked\n", path, why.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
        std::printf("usage: velmora_check [level file, default %s]; run it from the game's folder\n",
                    DEFAULT_LEVEL);
        return 2;
    }
    const char* path = argc == 2 ? argv[1] : DEFAULT_LEVEL;
    // The game's own check comes first: TinyXML, like Irrlicht, must not see a hostile file.
    const ContentFile file = readContentFile(path, MAX_LEVEL_BYTES);
    if (!file.problem.empty()) return cannotRead(path, file.problem);
    const LevelCheck precheck = checkLevelText(file.text);
    if (!precheck.problem.empty()) return cannotRead(path, precheck.problem);
    std::string error;
    const auto raw = readRawLevel(precheck.text, &error);
    if (!error.empty()) return cannotRead(path, error);

    setenv("ALSOFT_DRIVERS", "null", 1);
    GraphicsSystem::useDriver(irr::video::EDT_NULL);
    ConsoleCapture startUp;  // what the subsystems say as they come up is not about the level
    GameWorld::instance();
    PhysicsSystem::instance();
    SoundSystem::instance();
    GraphicsSystem& graphics = GraphicsSystem::instance();
    WaveManager::instance();
    startUp.finish();
    ConsoleCapture loading;
    const bool loaded = loadLevelFile(graphics.sceneManager, path);
    if (loaded) PhysicsSystem::instance().loadLevel(graphics.sceneManager->getRootSceneNode());
    std::vector<std::string> gameLines = loading.finish();
    if (!loaded) {
        for (const std::string& line : gameLines)
            if (line.rfind("Level: ", 0) == 0) std::printf("%s\n", line.c_str());
        return cannotRead(path, "cannot be loaded by the game");
    }

    std::printf("%s:\n", path);
    LevelReport check(std::move(gameLines), SoundSystem::instance().getEngine());
    check.run(raw, *graphics.sceneManager->getRootSceneNode());
    if (check.warnings() == 0) {
        std::printf("No warnings.\n");
        return 0;
    }
    std::printf("%d warning%s.\n", check.warnings(), check.warnings() == 1 ? "" : "s");
    return 1;
}
