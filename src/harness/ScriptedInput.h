#pragma once
// Plays a timeline of input through the real keyboard-and-mouse state machine: each frame's
// keys and buttons arrive as Irrlicht events between beginFrame and endFrame, exactly where the
// event pump would deliver them, and the look axes report the frame's scripted cursor.

#include "input/InputBackendKBandM.h"

#include <vector>

struct InputFrame {
    std::vector<irr::EKEY_CODE> keys;  // held during this frame
    bool leftButton = false;
    bool rightButton = false;
    float cursorX = 0.5f;              // relative to the window, 0.5 is the centre
    float cursorY = 0.5f;
};

// A frame with the cursor at (x, y) and nothing held.
InputFrame cursorAt(float x, float y);
// A frame holding these keys, and the left button if asked.
InputFrame holding(std::vector<irr::EKEY_CODE> keys, bool leftButton = false);

class ScriptedInput : public InputBackendKBandM {
public:
    explicit ScriptedInput(std::vector<InputFrame> timeline);

    void beginFrame() override;
    float getAxis(int axis) override;

    // Frames delivered so far; past the end of the timeline nothing is held and the cursor rests.
    size_t framesPlayed() const { return next; }

private:
    void deliver(const InputFrame& frame);

    std::vector<InputFrame> timeline;
    size_t next = 0;
    InputFrame current;
};

// Replaces the active input backend with a scripted one; returns it (owned by the input holder).
ScriptedInput* installScriptedInput(std::vector<InputFrame> timeline);
