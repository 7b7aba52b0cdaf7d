#include "input/MastEventReceiver.h"

using namespace irr;

MastEventReceiver::MastEventReceiver() : mouseX(0), mouseY(0), wheel(0.0f), ignoreEvents(true) {
    resetStates();
}

void MastEventReceiver::resetStates() {
    for (KeyState& s : buttonState) s = UP;
    for (KeyState& s : keyState) s = UP;
    for (bool& t : buttonTapped) t = false;
    for (bool& t : keyTapped) t = false;
    mouseX = 0;
    mouseY = 0;
    wheel = 0.0f;
}

namespace {

KeyState settled(KeyState s, bool tapped) {
    if (tapped) return RELEASED;
    if (s == RELEASED) return UP;
    if (s == PRESSED) return DOWN;
    return s;
}

// A press made in this pump stays PRESSED until a frame has seen it.
void release(KeyState& s, bool& tapped) {
    if (s == PRESSED)
        tapped = true;
    else if (s != UP)
        s = RELEASED;
}

}  // namespace

void MastEventReceiver::settle(KeyState* states, bool* tapped, int count) {
    for (int i = 0; i < count; ++i) {
        states[i] = settled(states[i], tapped[i]);
        tapped[i] = false;
    }
}

void MastEventReceiver::settleStates() {
    ignoreEvents = false;
    settle(buttonState, buttonTapped, 3);
    settle(keyState, keyTapped, KEY_KEY_CODES_COUNT);
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
    bool& tapped = keyTapped[key.Key];
    // Auto-repeat of a held key keeps it DOWN; released and pressed again in one pump: PRESSED.
    if (key.PressedDown) {
        s = (s == DOWN) ? DOWN : PRESSED;
        tapped = false;
    } else {
        release(s, tapped);
    }
}

void MastEventReceiver::mouseEvent(const SEvent::SMouseInput& mouse) {
    // A second press in one pump makes a button DOWN, unless the first was already let go.
    auto press = [this](int b) {
        KeyState& s = buttonState[b];
        s = ((s == DOWN || s == PRESSED) && !buttonTapped[b]) ? DOWN : PRESSED;
        buttonTapped[b] = false;
    };
    auto up = [this](int b) { release(buttonState[b], buttonTapped[b]); };
    switch (mouse.Event) {
    case EMIE_MOUSE_MOVED:
        mouseX = mouse.X;
        mouseY = mouse.Y;
        break;
    case EMIE_MOUSE_WHEEL: wheel += mouse.Wheel; break;
    case EMIE_LMOUSE_PRESSED_DOWN: press(MOUSE_LEFT); break;
    case EMIE_MMOUSE_PRESSED_DOWN: press(MOUSE_MIDDLE); break;
    case EMIE_RMOUSE_PRESSED_DOWN: press(MOUSE_RIGHT); break;
    case EMIE_LMOUSE_LEFT_UP: up(MOUSE_LEFT); break;
    case EMIE_MMOUSE_LEFT_UP: up(MOUSE_MIDDLE); break;
    case EMIE_RMOUSE_LEFT_UP: up(MOUSE_RIGHT); break;
    default: break;
    }
}
