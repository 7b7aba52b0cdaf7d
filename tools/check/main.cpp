// velmora_check [--plan plan.png [--force]] [level file]: loads a level the way the game does, with no
// window and a silent sound device, and prints what every node becomes and what will surprise in
// play; with --plan it also draws the level from above. Run it from the game's folder (paths in
// a level are relative to it); the level defaults to the game's.
// Exit code: 0 without warnings, 1 with warnings, 2 when the level cannot be read or the
// command line or the plan is wrong.

#include "ConsoleCapture.h"
#include "LevelPlan.h"
#include "LevelReport.h"
#include "RawLevel.h"
#include "SafeFile.h"

#include "graphics/GraphicsSystem.h"
#include "harness/ProcessEnvironment.h"
#include "level/ContentFile.h"
#include "level/LevelFile.h"
#include "level/LevelFileCheck.h"
#include "physics/PhysicsSystem.h"
#include "sound/SoundSystem.h"
#include "waves/WaveManager.h"
#include "world/GameWorld.h"

#include <cctype>
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

void usage() {
    std::printf("usage: velmora_check [--plan plan.png [--force]] [level file, default %s]\n"
                "Loads the level as the game does and prints what each node becomes and what will\n"
                "surprise in play. Run it from the game's folder: paths in a level are relative to it.\n"
                "  --plan FILE  also draw the level from above into FILE, a new .png file\n"
                "  --force      let --plan replace an existing FILE\n"
                "  --help       show this and exit\n"
                "Exit code: 0 no warnings, 1 warnings, 2 the level or the plan cannot be used.\n",
                DEFAULT_LEVEL);
}

struct Arguments {
    const char* level = DEFAULT_LEVEL;
    const char* plan = nullptr;
    bool force = false;
    bool help = false;
    std::string wrong;  // what is wrong with the command line
};

Arguments readArguments(int argc, char** argv) {
    Arguments out;
    bool levelGiven = false;
    for (int i = 1; i < argc && out.wrong.empty(); ++i) {
        const std::string word = argv[i];
        if (word == "--help" || word == "-h")
            out.help = true;
        else if (word == "--plan" && i + 1 < argc)
            out.plan = argv[++i];
        else if (word == "--plan")
            out.wrong = "--plan needs a file name";
        else if (word == "--force")
            out.force = true;
        else if (word[0] == '-')
            out.wrong = "unknown option " + word;
        else if (levelGiven)
            out.wrong = "more than one level file";
        else
            out.level = argv[i], levelGiven = true;
    }
    return out;
}

bool endsWithPng(const std::string& name) {
    if (name.size() < 4) return false;
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail) c = char(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".png";
}

// Why the plan may not be written to the name given, before anything is loaded; "" when it may.
std::string planRefusal(const Arguments& arguments) {
    if (!arguments.plan) return "";
    if (!endsWithPng(arguments.plan))
        return std::string("Plan: ") + arguments.plan + " does not end in .png; nothing was checked or written";
    if (existsAlready(arguments.plan) && !arguments.force)
        return std::string("Plan: ") + arguments.plan +
               " exists; nothing was checked or written (--force replaces it)";
    return "";
}

}  // namespace

int main(int argc, char** argv) {
    const Arguments arguments = readArguments(argc, argv);
    if (arguments.help || !arguments.wrong.empty()) {
        if (!arguments.wrong.empty()) std::printf("velmora_check: %s\n", arguments.wrong.c_str());
        usage();
        return arguments.help && arguments.wrong.empty() ? 0 : 2;
    }
    const std::string refusal = planRefusal(arguments);
    if (!refusal.empty()) {
        std::printf("%s\n", refusal.c_str());
        return 2;
    }
    const char* path = arguments.level;
    // The game's own check comes first: TinyXML, like Irrlicht, must not see a hostile file.
    const ContentFile file = readContentFile(path, MAX_LEVEL_BYTES);
    if (!file.problem.empty()) return cannotRead(path, file.problem);
    const LevelCheck precheck = checkLevelText(file.text);
    if (!precheck.problem.empty()) return cannotRead(path, precheck.problem);
    std::string error;
    const auto raw = readRawLevel(precheck.text, &error);
    if (!error.empty()) return cannotRead(path, error);

    setProcessEnvironment("ALSOFT_DRIVERS", "null");
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
    std::string planError;
    if (arguments.plan && !writeThroughTemporary(arguments.plan, [&](const std::string& temporary) {
            return writeLevelPlan(temporary.c_str(), *graphics.sceneManager, check);
        }, planError)) {
        std::printf("Plan: %s cannot be written (%s); no plan was drawn\n", arguments.plan, planError.c_str());
        return 2;
    }
    if (check.warnings() == 0) {
        std::printf("No warnings.\n");
        return 0;
    }
    std::printf("%d warning%s.\n", check.warnings(), check.warnings() == 1 ? "" : "s");
    return 1;
}
