// The headless demo: the real start-up and frame loop on the real level, driven by a scripted
// player at a fixed frame time, writing screenshots. Usage: velmora_demo [output folder]
// (default ../out), started from game/.

#include "DemoScript.h"

#include "app/Game.h"
#include "graphics/GraphicsSystem.h"
#include "harness/Screenshot.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>

int main(int argc, char** argv) {
    std::string outDir = argc > 1 ? argv[1] : "../out";
    mkdir(outDir.c_str(), 0755);

    GraphicsSystem::useWindowSize(irr::core::dimension2du(640, 480), false);
    startUp();
    GraphicsSystem& graphics = GraphicsSystem::instance();
    graphics.fixedFrameTime = 33;

    DemoScript script = makeDemoScript();
    ScriptedInput* input = installScriptedInput(script.input);
    size_t nextShot = 0;
    int written = 0;
    while (input->framesPlayed() < script.input.size()) {
        const DemoShot* shot =
            nextShot < script.shots.size() && script.shots[nextShot].frame == input->framesPlayed()
                ? &script.shots[nextShot++]
                : nullptr;
        if (!shot) {
            if (!runFrame()) break;
            continue;
        }
        std::string file = outDir + "/" + shot->name;
        Snapshot pixels = captureFrame();
        if (savePng(pixels, file)) {
            std::printf("Demo: wrote %s\n", file.c_str());
            ++written;
        } else {
            std::printf("Demo: could not write %s\n", file.c_str());
        }
    }
    return written > 0 ? 0 : 1;
}
