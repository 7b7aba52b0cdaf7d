#include "input/WindowFocus.h"

#include <X11/Xlib.h>

using namespace irr;

namespace {

// The keys go to the window under the pointer: the top-level window there must be ours or hold it.
bool pointerOver(Display* display, Window window) {
    Window root, topLevel;
    int rootX, rootY, x, y;
    unsigned int buttons;
    // False when the pointer is on another screen.
    if (!XQueryPointer(display, DefaultRootWindow(display), &root, &topLevel, &rootX, &rootY, &x, &y, &buttons) ||
        topLevel == None)
        return false;
    for (Window w = window; w != topLevel;) {
        Window parent, *children;
        unsigned int count;
        if (!XQueryTree(display, w, &root, &parent, &children, &count)) return false;
        if (children) XFree(children);
        if (parent == root || parent == None) return false;
        w = parent;
    }
    return true;
}

}  // namespace

bool windowHasFocus(IrrlichtDevice& device) {
    video::IVideoDriver* driver = device.getVideoDriver();
    const video::SExposedVideoData& data = driver->getExposedVideoData();
    Display* display = static_cast<Display*>(data.OpenGLLinux.X11Display);
    const Window window = data.OpenGLLinux.X11Window;
    if (!display || !window) return device.isWindowActive();
    Window focus;
    int revertTo;
    XGetInputFocus(display, &focus, &revertTo);
    if (focus == window) return true;
    return focus == PointerRoot && pointerOver(display, window);
}
