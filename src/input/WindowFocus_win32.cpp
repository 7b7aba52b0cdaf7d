#include "input/WindowFocus.h"

#include <windows.h>

bool windowHasFocus(irr::IrrlichtDevice& device) {
    HWND window = static_cast<HWND>(device.getVideoDriver()->getExposedVideoData().OpenGLWin32.HWnd);
    if (!window) return device.isWindowActive();
    return GetForegroundWindow() == window;
}
