#include "input/PointerMove.h"

#include <X11/Xlib.h>

using namespace irr;

bool takePointerMove(IrrlichtDevice& device, const core::position2di& centre, core::vector2di& move) {
    const video::SExposedVideoData& data = device.getVideoDriver()->getExposedVideoData();
    Display* display = static_cast<Display*>(data.OpenGLLinux.X11Display);
    const Window window = data.OpenGLLinux.X11Window;
    if (!display || !window) return false;
    Window root, child;
    int rootX, rootY, x, y;
    unsigned int buttons;
    // False when the pointer is on another screen.
    if (!XQueryPointer(display, window, &root, &child, &rootX, &rootY, &x, &y, &buttons)) return false;
    move = core::vector2di(x - centre.X, y - centre.Y);
    // No source or destination window: a move relative to where the pointer is now.
    if (move.X || move.Y) XWarpPointer(display, None, None, 0, 0, 0, 0, -move.X, -move.Y);
    XFlush(display);
    return true;
}
