#pragma once
// Irrlicht input events as the device's event pump delivers them.
#include <irrlicht.h>

inline irr::SEvent key(irr::EKEY_CODE code, bool down) {
    irr::SEvent e;
    e.EventType = irr::EET_KEY_INPUT_EVENT;
    e.KeyInput.Key = code;
    e.KeyInput.PressedDown = down;
    e.KeyInput.Char = 0;
    e.KeyInput.Shift = e.KeyInput.Control = false;
    return e;
}

inline irr::SEvent mouse(irr::EMOUSE_INPUT_EVENT kind, irr::s32 x = 0, irr::s32 y = 0,
                         irr::f32 wheel = 0) {
    irr::SEvent e;
    e.EventType = irr::EET_MOUSE_INPUT_EVENT;
    e.MouseInput.Event = kind;
    e.MouseInput.X = x;
    e.MouseInput.Y = y;
    e.MouseInput.Wheel = wheel;
    e.MouseInput.ButtonStates = 0;
    return e;
}
