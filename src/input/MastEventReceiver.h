#pragma once
// Turns Irrlicht key and mouse-button events into per-key states with one-frame transitions:
// a key that went down during the last event pump is PRESSED for one frame, then DOWN.
// A tap (down and up again within one pump) is not lost: the key stays PRESSED for that one
// frame and is RELEASED in the next.

#include <irrlicht.h>

enum KeyState {
    UP = 0,        // not held
    DOWN = 1,      // held since before this frame
    PRESSED = 2,   // went down during the last event pump
    RELEASED = 3,  // went up during the last event pump
};

enum MouseButton { MOUSE_LEFT = 0, MOUSE_MIDDLE = 1, MOUSE_RIGHT = 2 };

class MastEventReceiver : public irr::IEventReceiver {
public:
    MastEventReceiver();
    virtual ~MastEventReceiver() {}
    bool OnEvent(const irr::SEvent& event) override;

    // Start of a frame: transitions become steady states and events are accepted again.
    void settleStates();
    void resetStates();

    KeyState buttonState[3];
    KeyState keyState[irr::KEY_KEY_CODES_COUNT];
    // Went up again after going down in this pump: RELEASED once the frame has seen it PRESSED.
    bool buttonTapped[3];
    bool keyTapped[irr::KEY_KEY_CODES_COUNT];
    irr::s32 mouseX;
    irr::s32 mouseY;
    float wheel;  // summed over the current frame
    bool ignoreEvents;

private:
    void keyEvent(const irr::SEvent::SKeyInput& key);
    void mouseEvent(const irr::SEvent::SMouseInput& mouse);
    void settle(KeyState* states, bool* tapped, int count);
};
