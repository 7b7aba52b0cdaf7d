#include "graphics/DesktopSize.h"

#include <windows.h>

irr::core::dimension2du desktopSize() {
    return irr::core::dimension2du(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}
