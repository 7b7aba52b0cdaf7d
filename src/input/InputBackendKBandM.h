#pragma once
// Keyboard and mouse: the one input backend, and at the same time the device's event receiver.

#include "input/InputBackend.h"
#include "input/MastEventReceiver.h"

class InputBackendKBandM : public InputBackend, public MastEventReceiver {
public:
    InputBackendKBandM();
    ~InputBackendKBandM() override;

    bool init() override;
    void shutdown() override;
    void beginFrame() override;
    void endFrame() override;
    float getAxis(int axis) override;
    bool isAction(int action) override;

private:
    bool held(KeyState s) const { return s == DOWN || s == PRESSED; }
    bool windowActive() const;
    irr::core::position2di centre() const;
    // Adds the pointer's move since the last taking to `moved` and re-centres it, in one step.
    void takeMove();
    // F3's free pointer: how far it stands from the centre, as an axis.
    float offCentre(int axis);

    irr::IrrlichtDevice* device;  // one reference held while it is the device's receiver
    irr::gui::ICursorControl* cursor;
    bool looking;   // the window had the focus when this frame began
    bool centring;  // and the pointer is kept at the centre (not freed by F3)
    irr::core::vector2di moved;  // window pixels the pointer moved, taken and not yet read
};
