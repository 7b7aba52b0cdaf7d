// The pointer and the view while the game's real window (under the test display) loses and
// regains the keyboard focus to another X window.
#include "graphics/GraphicsSystem.h"
#include "input/InputBackendKBandM.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>  // last: its macros clash with the test framework's names

using namespace irr;

TEST(WindowFocus, AnInactiveWindowLeavesThePointerAloneAndFocusComesBackWithoutAJump) {
    GraphicsSystem::useWindowSize(core::dimension2du(320, 240), false);
    GraphicsSystem& graphics = GraphicsSystem::instance();
    const video::SExposedVideoData& data = graphics.driver->getExposedVideoData();
    Display* display = static_cast<Display*>(data.OpenGLLinux.X11Display);
    const Window game = data.OpenGLLinux.X11Window;
    const Window other = XCreateSimpleWindow(display, DefaultRootWindow(display), 200, 150, 50, 50, 0, 0, 0);
    XMapWindow(display, other);
    InputBackendKBandM backend;
    ASSERT_TRUE(backend.init());
    gui::ICursorControl* cursor = graphics.device->getCursorControl();
    auto focus = [&](Window window) {
        XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
        XSync(display, False);
    };
    // One frame as the loop runs it: begin, the device's event pump, end.
    auto frame = [&] {
        backend.beginFrame();
        graphics.device->run();
        backend.endFrame();
    };
    auto movePointer = [&](int x, int y) {
        cursor->setPosition(x, y);
        XSync(display, False);
    };

    focus(game);
    frame();
    ASSERT_TRUE(graphics.device->isWindowActive());
    frame();
    EXPECT_EQ(cursor->getPosition(), core::position2di(160, 120));  // re-centred while focused

    focus(other);
    frame();
    EXPECT_FALSE(graphics.device->isWindowActive());
    movePointer(300, 30);  // the player works in the other window
    for (int i = 0; i < 3; ++i) {
        frame();
        EXPECT_EQ(cursor->getPosition(), core::position2di(300, 30));
        EXPECT_EQ(backend.getAxis(AXIS_MOUSE_X), 0.5f);
        EXPECT_EQ(backend.getAxis(AXIS_MOUSE_Y), 0.5f);
    }

    focus(game);
    frame();  // the focus arrives during the pump: the pointer is still off centre
    ASSERT_TRUE(graphics.device->isWindowActive());
    EXPECT_EQ(backend.getAxis(AXIS_MOUSE_X), 0.5f);
    EXPECT_EQ(backend.getAxis(AXIS_MOUSE_Y), 0.5f);
    frame();
    EXPECT_EQ(cursor->getPosition(), core::position2di(160, 120));
    EXPECT_EQ(backend.getAxis(AXIS_MOUSE_X), 0.5f);

    movePointer(192, 120);  // and the mouse turns the view again
    EXPECT_FLOAT_EQ(backend.getAxis(AXIS_MOUSE_X), 0.6f);
    // No window manager: the focus follows the pointer.
    focus(PointerRoot);
    movePointer(100, 100);  // over ours
    frame();
    EXPECT_EQ(cursor->getPosition(), core::position2di(160, 120));  // taken: the mouse looks
    movePointer(220, 170);  // over the other window, which lies on ours: left there
    frame();
    EXPECT_NE(cursor->getPosition(), core::position2di(160, 120));
    XDestroyWindow(display, other);
}
