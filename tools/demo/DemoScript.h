#pragma once
// The headless demo's script: what the scripted player does, and when a screenshot is taken.

#include "harness/ScriptedInput.h"

#include <string>
#include <vector>

struct DemoShot {
    size_t frame;      // taken while this frame is drawn
    std::string name;  // file name under the output folder
};

// Where the demo puts the player before a frame, to skip a long walk between two scenes.
struct DemoStation {
    size_t frame;
    float x, y, z;      // the capsule's centre
    float yaw, pitch;   // degrees
};

struct DemoScript {
    std::vector<InputFrame> input;
    std::vector<DemoShot> shots;
    std::vector<DemoStation> stations;
};

DemoScript makeDemoScript();
