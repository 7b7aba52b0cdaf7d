#include "input/MastEventReceiver.h"

using namespace irr;

MastEventReceiver::MastEventReceiver() : mouseX(0), mouseY(0), wheel(0.0f), ignoreEvents(true) {
    resetStates();
}

void MastEventReceiver::resetStates() {
    for (KeyState& s : buttonState) s = UP;
    for (KeyState& s : keyState) s = UP;
    mouseX = 0;
    mouseY = 0;
    wheel = 0.0f;
}

namespace {

KeyState settled(KeyState s) {
    if (s == RELEASED) return UP;
    if (s == PRESSED) return DOWN;
    return s;
}

KeyState released(KeyState s) { return s == UP ? UP : RELEASED; }

}  // namespace

void MastEventReceiver::settleStates() {
    ignoreEvents = false;
    for (KeyState& s : buttonState) s = settled(s);
    for (KeyState& s : keyState) s = settled(s);
    wheel = 0.0f;
}

bool MastEventReceiver::OnEvent(const SEvent& event) {
    switch (event.EventType) {
    case EET_KEY_INPUT_EVENT:
        if (!ignoreEvents) keyEvent(event.KeyInput);
        return true;
    case EET_MOUSE_INPUT_EVENT:
        if (!ignoreEvents) mouseEvent(event.MouseInput);
        return true;
    default:
        return false;
    }
}

void MastEventReceiver::keyEvent(const SEvent::SKeyInput& key) {
    if (key.Key >= KEY_KEY_CODES_COUNT) return;
    KeyState& s = keyState[key.Key];
    // Auto-repeat of a held key keeps it DOWN; released and pressed again in one pump: PRESSED.
    if (key.PressedDown)
        s = (s == DOWN) ? DOWN : PRESSED;
    else
        s = released(s);
}

void MastEventReceiver::mouseEvent(const SEvent::SMouseInput& mouse) {
    auto press = [](KeyState& s) { s = (s == DOWN || s == PRESSED) ? DOWN : PRESSED; };
    switch (mouse.Event) {
    case EMIE_MOUSE_MOVED:
        mouseX = mouse.X;
        mouseY = mouse.Y;
        break;
    case EMIE_MOUSE_WHEEL: wheel += mouse.Wheel; break;
    case EMIE_LMOUSE_PRESSED_DOWN: press(buttonState[MOUSE_LEFT]); break;
    case EMIE_MMOUSE_PRESSED_DOWN: press(buttonState[MOUSE_MIDDLE]); break;
    case EMIE_RMOUSE_PRESSED_DOWN: press(buttonState[MOUSE_RIGHT]); break;
    case EMIE_LMOUSE_LEFT_UP: buttonState[MOUSE_LEFT] = released(buttonState[MOUSE_LEFT]); break;
    case EMIE_MMOUSE_LEFT_UP:
        buttonState[MOUSE_MIDDLE] = released(buttonState[MOUSE_MIDDLE]);
        break;
    case EMIE_RMOUSE_LEFT_UP: buttonState[MOUSE_RIGHT] = released(buttonState[MOUSE_RIGHT]); break;
    default: break;
    }
}
