#include "input/InputHolder.h"

#include "input/InputBackendKBandM.h"

InputHolder::~InputHolder() { delete activeBackend; }

InputHolder& inputHolder() {
    static InputHolder holder;
    return holder;
}

bool createInputBackend(InputBackend*& slot) {
    InputBackend* backend = new InputBackendKBandM();
    if (!backend->init()) {
        delete backend;
        return false;
    }
    delete slot;
    slot = backend;
    return true;
}
