#include "scripting/ScriptFrame.h"

#include "luaplus/LuaState.h"
#include "scripting/ObjectScript.h"
#include "scripting/PrintBudget.h"
#include "world/GameObject.h"

#include <algorithm>
#include <map>

namespace {

struct Part {
    long instructions;
    double cpuSeconds;
};

bool inFrame = false;
Part frameLeft{0, 0};
Part evenPart{0, 0};  // of the whole frame: no object gets less, however those before it overran
int ticking = 0;  // objects whose OnTick is called and who have not run yet this frame
std::map<const vlua::LuaState*, Part> partsLeft;  // of the objects that ran this frame

bool ticks(const GameObject& object) { return object.script && !tickResting(object); }

}  // namespace

ScriptFrame::ScriptFrame(const std::list<GameObject*>& objects) {
    startPrintFrame();
    inFrame = true;
    frameLeft = {kFrameInstructions, kFrameCpuSeconds};
    ticking = static_cast<int>(std::count_if(objects.begin(), objects.end(),
                                             [](const GameObject* object) { return ticks(*object); }));
    evenPart = {kFrameInstructions / std::max(1, ticking), kFrameCpuSeconds / std::max(1, ticking)};
    partsLeft.clear();
}

ScriptFrame::~ScriptFrame() {
    inFrame = false;
    partsLeft.clear();
}

FrameShare::FrameShare(const GameObject& object) : object(object), before(object.script->TotalRunCost()) {
    if (!inFrame) return;
    auto [part, first] = partsLeft.try_emplace(object.script);
    if (first) {
        // One that does not tick (its OnTick rests) shares with those still to come all the same.
        const int sharing = std::max(1, ticking + (ticks(object) ? 0 : 1));
        if (ticks(object)) ticking = std::max(0, ticking - 1);
        part->second = {std::max(evenPart.instructions, frameLeft.instructions / sharing),
                        std::max(evenPart.cpuSeconds, frameLeft.cpuSeconds / sharing)};
    }
    object.script->LimitNextRun(std::max(0L, part->second.instructions), std::max(0.0, part->second.cpuSeconds));
}

FrameShare::~FrameShare() {
    object.script->LimitNextRun(-1, -1);  // unused when the event was no function
    if (!inFrame) return;
    const vlua::RunCost after = object.script->TotalRunCost();
    const Part cost{after.instructions - before.instructions, after.cpuSeconds - before.cpuSeconds};
    Part& part = partsLeft[object.script];
    for (Part* left : {&part, &frameLeft}) {
        left->instructions -= cost.instructions;
        left->cpuSeconds -= cost.cpuSeconds;
    }
}

void forgetFrameShare(const vlua::LuaState* state) { partsLeft.erase(state); }
