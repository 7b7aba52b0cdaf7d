#pragma once
// One frame's worth of script time. All scripts of the level share kFrameInstructions VM
// instructions and kFrameCpuSeconds of CPU time per frame, so that many objects, each within
// the budget of one run, cannot together stall a frame. The share is fair in this sense: when
// an object's script first runs in a frame, it may take what is left of the frame's budget
// divided by the number of ticking objects that have not run yet, itself included, and never
// less than an even part of the whole frame; its later runs in that frame (a trigger event, then
// OnTick) take what is left of that part. So every ticking object gets at least an even part of
// the frame, even when those before it overran theirs (CPU time is checked only now and then),
// and what cheap scripts leave goes to those after them. A run that goes over its part is stopped
// as over its budget, and an object stopped so three times running is rested (ObjectScript.h).
// Outside a frame (loading, OnCreate) every run has the usual budget of one run.

#include "luaplus/LuaState.h"

#include <list>

struct GameObject;

constexpr long kFrameInstructions = 2500000;
constexpr double kFrameCpuSeconds = 0.025;

class ScriptFrame {
public:
    // A new frame for the objects of the level, in their registration order: print budgets
    // renewed (PrintBudget.h) and the frame's script budget full.
    explicit ScriptFrame(const std::list<GameObject*>& objects);
    ~ScriptFrame();
    ScriptFrame(const ScriptFrame&) = delete;
    ScriptFrame& operator=(const ScriptFrame&) = delete;
};

// One call of an event of the object's script: limited to what is left of its part of the
// frame while it lives, and what it took comes off that part and off the frame when it goes.
class FrameShare {
public:
    explicit FrameShare(const GameObject& object);
    ~FrameShare();
    FrameShare(const FrameShare&) = delete;
    FrameShare& operator=(const FrameShare&) = delete;

private:
    const GameObject& object;
    vlua::RunCost before;
};

// The state is gone; a later state at the same address starts afresh.
void forgetFrameShare(const vlua::LuaState* state);
