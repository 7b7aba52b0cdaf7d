// The headless demo: the real start-up and frame loop on the real level, driven by a scripted
// player at a fixed frame time, writing screenshots. Usage: velmora_demo [output folder]
// (default ../out), started from game/.

#include "DemoScript.h"

#include "app/Game.h"
#include "graphics/GraphicsSystem.h"
#include "harness/Screenshot.h"
#include "world/GameWorld.h"
#include "world/Player.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>

namespace {

const char* const USAGE =
    "usage: velmora_demo [output folder, default ../out]\n"
    "Plays the shipped level with a scripted player at a fixed frame time and writes screenshots\n"
    "into the folder. Run it from the game's folder; it needs a display (Xvfb will do).\n"
    "  --help  show this and exit\n";

}  // namespace

int main(int argc, char** argv) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--help" || first == "-h") {
        std::printf("%s", USAGE);
        return 0;
    }
    if (argc > 2 || (!first.empty() && first[0] == '-')) {
        std::printf("Demo: %s %s\n%s", argc > 2 ? "more than one folder:" : "unknown option", argv[argc > 2 ? 2 : 1], USAGE);
        return 2;
    }
    std::string outDir = argc > 1 ? argv[1] : "../out";
    std::error_code ignored;  // a folder that cannot be made shows as screenshots not written
    std::filesystem::create_directory(outDir, ignored);

    GraphicsSystem::useWindowSize(irr::core::dimension2du(640, 480), false);
    startUp();
    GraphicsSystem& graphics = GraphicsSystem::instance();
    graphics.fixedFrameTime = 33;

    DemoScript script = makeDemoScript();
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
            if (savePng(pixels, file)) {
                std::printf("Demo: wrote %s (eye at %.1f, %.1f, %.1f)\n", file.c_str(), eye.X,
                            eye.Y, eye.Z);
                ++written;
            } else {
                std::printf("Demo: could not write %s\n", file.c_str());
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
