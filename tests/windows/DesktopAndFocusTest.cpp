// The game's real window on Windows: the desktop size it opens at, and the pointer and the view
// while another window takes the foreground and gives it back.
#include "graphics/DesktopSize.h"
#include "graphics/GraphicsSystem.h"
#include "input/InputBackendKBandM.h"
#include "input/WindowFocus.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace irr;

TEST(WindowsDesktop, IsThePrimaryMonitorsFullSize) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    ASSERT_TRUE(GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor));
    const RECT& whole = monitor.rcMonitor;
    EXPECT_EQ(desktopSize(), core::dimension2du(whole.right - whole.left, whole.bottom - whole.top));
    EXPECT_GT(desktopSize().Width, 0u);
}

TEST(WindowsFocus, TheForegroundWindowHasItAndThePointerIsLeftAloneWithoutIt) {
    GraphicsSystem::useWindowSize(core::dimension2du(320, 240), false);
    GraphicsSystem& graphics = GraphicsSystem::instance();
    HWND game = static_cast<HWND>(graphics.driver->getExposedVideoData().OpenGLWin32.HWnd);
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 200, 150, 50, 50, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    InputBackendKBandM backend;
    ASSERT_TRUE(backend.init());
    gui::ICursorControl* cursor = graphics.device->getCursorControl();
    auto frame = [&] {
        backend.beginFrame();
        graphics.device->run();
        backend.endFrame();
    };
    auto bringForward = [&](HWND window) {
        SetForegroundWindow(window);
        frame();
    };

    bringForward(game);
    ASSERT_TRUE(windowHasFocus(*graphics.device));
    frame();
    EXPECT_EQ(cursor->getPosition(), core::position2di(160, 120));  // re-centred while in front

    bringForward(other);
    EXPECT_FALSE(windowHasFocus(*graphics.device));
    cursor->setPosition(300, 30);  // the player works in the other window
    for (int i = 0; i < 3; ++i) {
        frame();
        EXPECT_EQ(cursor->getPosition(), core::position2di(300, 30));
        EXPECT_EQ(backend.getAxis(AXIS_MOUSE_X), 0.5f);
    }

    bringForward(game);  // the view does not jump to where the pointer was left
    ASSERT_TRUE(windowHasFocus(*graphics.device));
    EXPECT_EQ(backend.getAxis(AXIS_MOUSE_X), 0.5f);
    frame();
    EXPECT_EQ(cursor->getPosition(), core::position2di(160, 120));
    DestroyWindow(other);
}
