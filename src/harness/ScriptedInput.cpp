#include "harness/ScriptedInput.h"

#include "input/InputHolder.h"

#include <algorithm>

using namespace irr;

InputFrame cursorAt(float x, float y) {
    InputFrame f;
    f.cursorX = x;
    f.cursorY = y;
    return f;
}

InputFrame holding(std::vector<EKEY_CODE> keys, bool leftButton) {
    InputFrame f;
    f.keys = std::move(keys);
    f.leftButton = leftButton;
    return f;
}

ScriptedInput::ScriptedInput(std::vector<InputFrame> timeline) : timeline(std::move(timeline)) {}

void ScriptedInput::beginFrame() {
    InputBackendKBandM::beginFrame();
    deliver(next < timeline.size() ? timeline[next] : InputFrame());
    ++next;
}

float ScriptedInput::getAxis(int axis) {
    if (axis == AXIS_MOUSE_X) return current.cursorX;
    if (axis == AXIS_MOUSE_Y) return current.cursorY;
    return 0.0f;
}

void ScriptedInput::deliver(const InputFrame& frame) {
    auto holds = [](const InputFrame& f, EKEY_CODE k) {
        return std::find(f.keys.begin(), f.keys.end(), k) != f.keys.end();
    };
    SEvent event;
    event.EventType = EET_KEY_INPUT_EVENT;
    event.KeyInput.Char = 0;
    event.KeyInput.Shift = false;
    event.KeyInput.Control = false;
    for (EKEY_CODE k : current.keys) {
        if (holds(frame, k)) continue;
        event.KeyInput.Key = k;
        event.KeyInput.PressedDown = false;
        OnEvent(event);
    }
    for (EKEY_CODE k : frame.keys) {
        if (holds(current, k)) continue;
        event.KeyInput.Key = k;
        event.KeyInput.PressedDown = true;
        OnEvent(event);
    }
    const bool buttons[2][2] = {{current.leftButton, frame.leftButton},
                                {current.rightButton, frame.rightButton}};
    const EMOUSE_INPUT_EVENT downs[2] = {EMIE_LMOUSE_PRESSED_DOWN, EMIE_RMOUSE_PRESSED_DOWN};
    const EMOUSE_INPUT_EVENT ups[2] = {EMIE_LMOUSE_LEFT_UP, EMIE_RMOUSE_LEFT_UP};
    for (int b = 0; b < 2; ++b) {
        if (buttons[b][0] == buttons[b][1]) continue;
        SEvent mouse;
        mouse.EventType = EET_MOUSE_INPUT_EVENT;
        mouse.MouseInput.X = 0;
        mouse.MouseInput.Y = 0;
        mouse.MouseInput.Wheel = 0;
        mouse.MouseInput.ButtonStates =
            (frame.leftButton ? EMBSM_LEFT : 0) | (frame.rightButton ? EMBSM_RIGHT : 0);
        mouse.MouseInput.Event = buttons[b][1] ? downs[b] : ups[b];
        OnEvent(mouse);
    }
    current = frame;
}

ScriptedInput* installScriptedInput(std::vector<InputFrame> timeline) {
    ScriptedInput* scripted = new ScriptedInput(std::move(timeline));
    scripted->init();
    InputBackend*& slot = inputHolder().activeBackend;
    delete slot;
    slot = scripted;
    return scripted;
}
