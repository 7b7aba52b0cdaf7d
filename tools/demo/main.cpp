// The scripted demo: the real start-up and frame loop on the real level, driven by a scripted
// player at a fixed frame time, writing screenshots. Usage: velmora_demo [--force] [output
// folder] (default ../out), started from game/. It opens a real window, so it needs an X server
// (Xvfb will do); it replaces no screenshot unless given --force.

#include "DemoScript.h"
#include "SafeFile.h"

#include "app/Game.h"
#include "graphics/GraphicsSystem.h"
#include "harness/Screenshot.h"
#include "world/GameWorld.h"
#include "world/Player.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace {

const char* const USAGE =
    "usage: velmora_demo [--force] [output folder, default ../out]\n"
    "Plays the shipped level with a scripted player at a fixed frame time and writes screenshots\n"
    "into the folder. Run it from the game's folder. It opens a real window, so it needs an X\n"
    "server; Xvfb will do (xvfb-run velmora_demo).\n"
    "  --force  replace screenshots already in the folder\n"
    "  --help   show this and exit\n"
    "Exit code: 0 screenshots written, 1 none (no X server, nothing to show, files in the way),\n"
    "2 a wrong command line.\n";

struct Arguments {
    std::string outDir = "../out";
    bool force = false, help = false;
    std::string wrong;  // what is wrong with the command line
};

Arguments readArguments(int argc, char** argv) {
    Arguments out;
    bool folderGiven = false;
    for (int i = 1; i < argc && out.wrong.empty(); ++i) {
        const std::string word = argv[i];
        if (word == "--help" || word == "-h")
            out.help = true;
        else if (word == "--force")
            out.force = true;
        else if (!word.empty() && word[0] == '-')
            out.wrong = "unknown option " + word;
        else if (folderGiven)
            out.wrong = "more than one folder: " + word;
        else
            out.outDir = word, folderGiven = true;
    }
    return out;
}

// The screenshots the run would replace; it writes none of them unless forced.
std::vector<std::string> shotsInTheWay(const DemoScript& script, const std::string& outDir) {
    std::vector<std::string> found;
    for (const DemoShot& shot : script.shots)
        if (existsAlready(outDir + "/" + shot.name)) found.push_back(outDir + "/" + shot.name);
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    const Arguments arguments = readArguments(argc, argv);
    if (arguments.help && arguments.wrong.empty()) {
        std::printf("%s", USAGE);
        return 0;
    }
    if (!arguments.wrong.empty()) {
        std::printf("Demo: %s\n%s", arguments.wrong.c_str(), USAGE);
        return 2;
    }
    const std::string& outDir = arguments.outDir;
    DemoScript script = makeDemoScript();
    const std::vector<std::string> inTheWay = shotsInTheWay(script, outDir);
    if (!inTheWay.empty() && !arguments.force) {
        std::printf("Demo: %zu screenshots are there already (%s, ...); nothing was played (--force replaces them)\n",
                    inTheWay.size(), inTheWay.front().c_str());
        return 1;
    }
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        std::printf("Demo: there is no X server to open the game's window on (DISPLAY is not set); nothing was "
                    "played. Xvfb will do: xvfb-run velmora_demo\n");
        return 1;
    }
    std::error_code ignored;  // a folder that cannot be made shows as screenshots not written
    std::filesystem::create_directory(outDir, ignored);

    GraphicsSystem::useWindowSize(irr::core::dimension2du(640, 480), false);
    startUp();
    GraphicsSystem& graphics = GraphicsSystem::instance();
    graphics.fixedFrameTime = 33;
    if (GameWorld::instance().objects.empty()) {
        std::printf("Demo: the level has nothing to show (no object was loaded: is this the game's folder?); "
                    "no screenshots were written\n");
        return 1;
    }

    ScriptedInput* input = installScriptedInput(script.input);
    size_t nextShot = 0, nextStation = 0;
    int written = 0;
    Player& player = *GameWorld::instance().player;
    auto frameStart = std::chrono::steady_clock::now();
    while (input->framesPlayed() < script.input.size()) {
        // Sounds play in real time: keep to the frame time so emitters beat where they should.
        std::this_thread::sleep_until(frameStart + std::chrono::milliseconds(graphics.fixedFrameTime));
        frameStart = std::chrono::steady_clock::now();
        const size_t frame = input->framesPlayed();
        const DemoShot* shot =
            nextShot < script.shots.size() && script.shots[nextShot].frame == frame
                ? &script.shots[nextShot++]
                : nullptr;
        if (!shot) {
            if (!runFrame()) break;
        } else {
            std::string file = outDir + "/" + shot->name;
            Snapshot pixels = captureFrame();
            irr::core::vector3df eye = GameWorld::instance().camera->getAbsolutePosition();
            std::string error;
            if (writeThroughTemporary(file, [&](const std::string& temporary) { return savePng(pixels, temporary); },
                                      error)) {
                std::printf("Demo: wrote %s (eye at %.1f, %.1f, %.1f)\n", file.c_str(), eye.X,
                            eye.Y, eye.Z);
                ++written;
            } else {
                std::printf("Demo: could not write %s (%s); the demo goes on\n", file.c_str(), error.c_str());
            }
        }
        // Stations move the player between frames, after the shot of the scene before.
        if (nextStation < script.stations.size() &&
            script.stations[nextStation].frame == frame) {
            const DemoStation& at = script.stations[nextStation++];
            player.setPosition(at.x, at.y, at.z);
            player.yaw = at.yaw;
            player.pitch = at.pitch;
        }
    }
    return written > 0 ? 0 : 1;
}
