#include "input/PointerMove.h"

#include <windows.h>

using namespace irr;

bool takePointerMove(IrrlichtDevice& device, const core::position2di& centre, core::vector2di& move) {
    HWND window = static_cast<HWND>(device.getVideoDriver()->getExposedVideoData().OpenGLWin32.HWnd);
    POINT pointer;
    if (!window || !GetCursorPos(&pointer)) return false;
    POINT inWindow = pointer;
    if (!ScreenToClient(window, &inWindow)) return false;
    move = core::vector2di(inWindow.x - centre.X, inWindow.y - centre.Y);
    // Back by the offset read, from wherever the pointer is now.
    if ((move.X || move.Y) && GetCursorPos(&pointer)) SetCursorPos(pointer.x - move.X, pointer.y - move.Y);
    return true;
}
