#pragma once
// The game reads input only through numbered actions (on or off) and two axes, so the world
// update never sees keys, buttons or the device.

enum InputAction {
    ACTION_QUIT = 0,
    ACTION_FORWARD = 1,
    ACTION_BACK = 2,
    ACTION_STRAFE_RIGHT = 3,
    ACTION_STRAFE_LEFT = 4,
    ACTION_ARROW_UP = 5,
    ACTION_ARROW_DOWN = 6,
    ACTION_ARROW_RIGHT = 7,
    ACTION_ARROW_LEFT = 8,
    ACTION_JUMP = 9,
    ACTION_USE = 10,
    ACTION_RELEASE = 11,
    ACTION_TOGGLE_SHADING = 12,
    ACTION_TOGGLE_MOUSE = 13,
    ACTION_CANE_TAP = 14,
};

enum InputAxis {
    AXIS_MOUSE_X = 0,  // 0 at the window's left edge, 1 at its right edge
    AXIS_MOUSE_Y = 1,  // 0 at the top, 1 at the bottom
};

class InputBackend {
public:
    virtual ~InputBackend() {}
    virtual bool init() = 0;
    virtual void shutdown() = 0;
    // Settles last frame's transitions and accepts events until endFrame.
    virtual void beginFrame() = 0;
    virtual void endFrame() = 0;
    virtual float getAxis(int axis) = 0;
    virtual bool isAction(int action) = 0;
};
