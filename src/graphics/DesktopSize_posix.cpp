#include "graphics/DesktopSize.h"

#include <X11/Xlib.h>

using namespace irr;

namespace {

core::dimension2du xDisplaySize() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return core::dimension2du(0, 0);
    int screen = DefaultScreen(display);
    core::dimension2du size(DisplayWidth(display, screen), DisplayHeight(display, screen));
    XCloseDisplay(display);
    return size;
}

}  // namespace

core::dimension2du desktopSize() {
    core::dimension2du size(0, 0);
    if (IrrlichtDevice* probe = createDevice(video::EDT_NULL)) {
        if (video::IVideoModeList* modes = probe->getVideoModeList())
            size = modes->getDesktopResolution();
        probe->drop();
    }
    if (size.Width == 0 || size.Height == 0) size = xDisplaySize();
    return size;
}
