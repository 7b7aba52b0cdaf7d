#pragma once
// The headless demo's script: what the scripted player does, and when a screenshot is taken.

#include "harness/ScriptedInput.h"

#include <string>
#include <vector>

struct DemoShot {
    size_t frame;      // taken while this frame is drawn
    std::string name;  // file name under the output folder
};

struct DemoScript {
    std::vector<InputFrame> input;
    std::vector<DemoShot> shots;
};

DemoScript makeDemoScript();
