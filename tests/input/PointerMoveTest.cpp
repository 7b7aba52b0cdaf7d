// The mouse's moves on the game's real window (under the test display), made by a second client
// as a mouse's driver makes them: relative to wherever the pointer is.
#include "graphics/GraphicsSystem.h"
#include "input/InputBackendKBandM.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>  // last: its macros clash with the test framework's names

using namespace irr;

TEST(PointerMoves, EveryMoveTurnsTheViewByItsShareInOnePumpAndAcrossTheRecentring) {
    GraphicsSystem::useWindowSize(core::dimension2du(320, 240), false);
    GraphicsSystem& graphics = GraphicsSystem::instance();
    const video::SExposedVideoData& data = graphics.driver->getExposedVideoData();
    XSetInputFocus(static_cast<Display*>(data.OpenGLLinux.X11Display), data.OpenGLLinux.X11Window,
                   RevertToPointerRoot, CurrentTime);
    InputBackendKBandM backend;
    ASSERT_TRUE(backend.init());
    Display* mouse = XOpenDisplay(nullptr);
    auto nudge = [&](int dx, int dy) {
        XWarpPointer(mouse, None, None, 0, 0, 0, 0, dx, dy);
        XSync(mouse, False);
    };
    // As the loop runs: the world reads the axes, then the next frame begins and pumps events.
    float turnedX = 0, turnedY = 0;  // window pixels, as the view turns by them
    auto read = [&] {
        turnedX += (backend.getAxis(AXIS_MOUSE_X) - 0.5f) * 320;
        turnedY += (backend.getAxis(AXIS_MOUSE_Y) - 0.5f) * 240;
    };
    auto frame = [&] { backend.beginFrame(), graphics.device->run(), backend.endFrame(); };
    frame();
    frame();
    for (int i = 0; i < 12; ++i) nudge(5, -3);  // a burst within one pump
    frame();
    read();
    EXPECT_NEAR(60.0f, turnedX, 0.01f);
    EXPECT_NEAR(-36.0f, turnedY, 0.01f);
    // Out and back, moves landing after the world has read and before the pointer is put back,
    // and between the two axes' readings: the view comes back to the pixel.
    for (int round = 0; round < 20; ++round) {
        nudge(60, 10);
        read();
        nudge(-20, 0);
        frame();
        nudge(-40, -10);
        turnedX += (backend.getAxis(AXIS_MOUSE_X) - 0.5f) * 320;
        nudge(0, 7);
        turnedY += (backend.getAxis(AXIS_MOUSE_Y) - 0.5f) * 240;
        nudge(0, -7);
        frame();
    }
    read();
    EXPECT_NEAR(60.0f, turnedX, 0.01f);
    EXPECT_NEAR(-36.0f, turnedY, 0.01f);
    XCloseDisplay(mouse);
}
