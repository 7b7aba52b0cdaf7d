#include "input/InputBackendKBandM.h"

#include "graphics/GraphicsSystem.h"
#include "input/InputHolder.h"
#include "input/PointerMove.h"
#include "input/WindowFocus.h"

using namespace irr;

InputBackendKBandM::InputBackendKBandM() : device(nullptr), cursor(nullptr), looking(false), centring(false) {}

InputBackendKBandM::~InputBackendKBandM() { shutdown(); }

bool InputBackendKBandM::init() {
    device = GraphicsSystem::instance().device;
    device->grab();
    device->setEventReceiver(this);
    cursor = device->getCursorControl();
    if (cursor) {
        cursor->grab();
        cursor->setVisible(false);
    }
    resetStates();
    return true;
}

void InputBackendKBandM::shutdown() {
    if (cursor) cursor->drop();
    cursor = nullptr;
    if (!device) return;
    // At exit the device outlives the input holder: it must not call a deleted receiver.
    if (device->getEventReceiver() == this) device->setEventReceiver(nullptr);
    device->drop();
    device = nullptr;
}

bool InputBackendKBandM::windowActive() const { return device && windowHasFocus(*device); }

void InputBackendKBandM::beginFrame() {
    settleStates();
    // The pointer belongs to the window that has the focus: ours is re-centred and looks
    // only while it has it. Where the player left it (in another window, or freed by F3) is
    // no move when the game takes it back.
    const bool centredBefore = centring;
    looking = windowActive();
    centring = looking && cursor && inputHolder().centreMouse;
    if (centring && centredBefore) {
        takeMove();
        return;
    }
    if (centring) cursor->setPosition(centre());
    moved = core::vector2di(0, 0);
}

// In whole pixels, so that a resting pointer reads exactly 0.5 in a window of odd size too.
core::position2di InputBackendKBandM::centre() const {
    core::dimension2du size = GraphicsSystem::instance().driver->getScreenSize();
    return core::position2di(s32(size.Width / 2), s32(size.Height / 2));
}

void InputBackendKBandM::takeMove() {
    core::vector2di move;
    if (!takePointerMove(*device, centre(), move)) {
        // Without the window system's step, read and re-centre at least together.
        move = cursor->getPosition() - centre();
        cursor->setPosition(centre());
    }
    moved += move;
}

void InputBackendKBandM::endFrame() { ignoreEvents = true; }

// Each move is read once: the axis gives what was taken since it was last read, and the other
// axis keeps its share of the same taking.
float InputBackendKBandM::getAxis(int axis) {
    // Focus regained during the pump: the pointer is where the player left it, not re-centred
    // yet, so this frame does not turn.
    if (!cursor || !looking || !windowActive())
        return axis == AXIS_MOUSE_X || axis == AXIS_MOUSE_Y ? 0.5f : 0.0f;
    if (!centring) return offCentre(axis);
    core::dimension2du size = GraphicsSystem::instance().driver->getScreenSize();
    takeMove();
    s32* taken = axis == AXIS_MOUSE_X ? &moved.X : axis == AXIS_MOUSE_Y ? &moved.Y : nullptr;
    const u32 across = axis == AXIS_MOUSE_X ? size.Width : size.Height;
    if (!taken || !across) return 0.0f;
    const f32 value = 0.5f + f32(*taken) / f32(across);
    *taken = 0;
    return value;
}

float InputBackendKBandM::offCentre(int axis) {
    core::dimension2du size = GraphicsSystem::instance().driver->getScreenSize();
    core::vector2di off = cursor->getPosition() - centre();
    if (axis == AXIS_MOUSE_X && size.Width) return 0.5f + f32(off.X) / size.Width;
    if (axis == AXIS_MOUSE_Y && size.Height) return 0.5f + f32(off.Y) / size.Height;
    return 0.0f;
}

bool InputBackendKBandM::isAction(int action) {
    switch (action) {
    case ACTION_QUIT: return held(keyState[KEY_ESCAPE]);
    case ACTION_FORWARD: return held(keyState[KEY_KEY_W]);
    case ACTION_BACK: return held(keyState[KEY_KEY_S]);
    case ACTION_STRAFE_RIGHT: return held(keyState[KEY_KEY_D]);
    case ACTION_STRAFE_LEFT: return held(keyState[KEY_KEY_A]);
    case ACTION_ARROW_UP: return held(keyState[KEY_UP]);
    case ACTION_ARROW_DOWN: return held(keyState[KEY_DOWN]);
    case ACTION_ARROW_RIGHT: return held(keyState[KEY_RIGHT]);
    case ACTION_ARROW_LEFT: return held(keyState[KEY_LEFT]);
    case ACTION_JUMP: return held(keyState[KEY_SPACE]);
    case ACTION_USE: return keyState[KEY_KEY_E] == PRESSED;
    case ACTION_RELEASE: return held(buttonState[MOUSE_LEFT]);
    case ACTION_TOGGLE_SHADING: return keyState[KEY_F2] == PRESSED;
    case ACTION_TOGGLE_MOUSE: return keyState[KEY_F3] == PRESSED;
    case ACTION_CANE_TAP: return keyState[KEY_KEY_Q] == PRESSED || buttonState[MOUSE_RIGHT] == PRESSED;
    default: return false;
    }
}
