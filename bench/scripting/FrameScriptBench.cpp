// Prints the script time of whole frames of a level whose many objects each tick at a cost
// within the budget of one run: frames as the game runs them, under the frame's shared budget,
// interleaved with frames of the same level run call by call as before, each object then held
// only to its own run's budget. Wall time on the main thread, as a frame would wait for it.
// Usage: frame_script_bench [objects [loop]]: 200 objects each counting to 4e6 by default.
#include "scripting/ObjectScript.h"
#include "scripting/ScriptFrame.h"
#include "world/GameObject.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <list>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

const int kBudgetedFrames = 6;
const int kUnbudgetedFrames = 3;  // each takes seconds

std::list<GameObject*> makeLevel(int objects, const std::string& path) {
    std::list<GameObject*> level;
    for (int i = 0; i < objects; ++i) {
        level.push_back(new GameObject());
        level.back()->id = i + 1;
        attachScript(*level.back(), path.c_str());
    }
    return level;
}

// Milliseconds of one frame's ticks; with `budgeted` under the frame's shared budget.
double tickFrame(const std::list<GameObject*>& level, bool budgeted) {
    auto start = std::chrono::steady_clock::now();
    {
        std::optional<ScriptFrame> frame;
        if (budgeted) frame.emplace(level);
        for (GameObject* object : level) callObjectEvent(*object, "OnTick");
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const int objects = argc > 1 ? std::stoi(argv[1]) : 200;
    const std::string loop = argc > 2 ? argv[2] : "4e6";
    const std::string path = "/tmp/velmora-frame-bench-" + std::to_string(getpid()) + ".lua";
    std::ofstream(path) << "function OnCreate() end function OnTick() for i = 1, " << loop << " do end end";
    // The lines the scripts earn go to the console; the figures follow them.
    std::list<GameObject*> budgeted = makeLevel(objects, path);
    std::list<GameObject*> unbudgeted = makeLevel(objects, path);
    double figures[2][kBudgetedFrames] = {};
    for (int frame = 0; frame < kBudgetedFrames; ++frame) {
        figures[0][frame] = tickFrame(budgeted, true);
        if (frame < kUnbudgetedFrames) figures[1][frame] = tickFrame(unbudgeted, false);
    }
    std::printf("\n%d objects, each OnTick counting to %s; script time per frame (ms):\n", objects, loop.c_str());
    for (int frame = 0; frame < kBudgetedFrames; ++frame) {
        std::printf("frame %d  shared frame budget %8.1f", frame + 1, figures[0][frame]);
        if (frame < kUnbudgetedFrames)
            std::printf("   each object its own run budget %9.1f   ratio %.3f", figures[1][frame],
                        figures[0][frame] / figures[1][frame]);
        std::printf("\n");
    }
    for (auto* level : {&budgeted, &unbudgeted})
        for (GameObject* object : *level) {
            detachScript(*object);
            delete object;
        }
    unlink(path.c_str());
    return 0;
}
