#pragma once
// The active input backend and the mouse-centring flag, set up together on first touch. The
// holder owns the backend and deletes it at process exit.

class InputBackend;

struct InputHolder {
    ~InputHolder();
    InputBackend* activeBackend = nullptr;
    bool centreMouse = true;
};

InputHolder& inputHolder();

// Creates the keyboard-and-mouse backend into slot; false (slot unchanged) if it cannot start.
bool createInputBackend(InputBackend*& slot);
