// The key and button state machine of the event receiver, fed real Irrlicht events.
#include "InputEvents.h"
#include "input/MastEventReceiver.h"

#include <gtest/gtest.h>

using namespace irr;

namespace {

struct Receiver : ::testing::Test {
    MastEventReceiver r;
    void SetUp() override { r.settleStates(); }
};

}  // namespace

TEST_F(Receiver, KeyGoesPressedThenDownThenReleasedThenUp) {
    EXPECT_TRUE(r.OnEvent(key(KEY_KEY_W, true)));
    EXPECT_EQ(r.keyState[KEY_KEY_W], PRESSED);
    r.settleStates();
    EXPECT_EQ(r.keyState[KEY_KEY_W], DOWN);
    r.OnEvent(key(KEY_KEY_W, true));  // auto-repeat keeps a held key DOWN
    EXPECT_EQ(r.keyState[KEY_KEY_W], DOWN);
    r.OnEvent(key(KEY_KEY_W, false));
    EXPECT_EQ(r.keyState[KEY_KEY_W], RELEASED);
    r.settleStates();
    EXPECT_EQ(r.keyState[KEY_KEY_W], UP);
    r.OnEvent(key(KEY_KEY_W, false));  // a release of a key that is up stays up
    EXPECT_EQ(r.keyState[KEY_KEY_W], UP);
}

TEST_F(Receiver, ATapWithinOnePumpIsPressedForOneFrameThenReleased) {
    r.OnEvent(key(KEY_KEY_E, true));
    r.OnEvent(key(KEY_KEY_E, false));
    EXPECT_EQ(r.keyState[KEY_KEY_E], PRESSED);
    r.settleStates();
    EXPECT_EQ(r.keyState[KEY_KEY_E], RELEASED);
    r.settleStates();
    EXPECT_EQ(r.keyState[KEY_KEY_E], UP);

    // Tapped and pressed again: held from then on.
    r.OnEvent(key(KEY_KEY_E, true));
    r.OnEvent(key(KEY_KEY_E, false));
    r.OnEvent(key(KEY_KEY_E, true));
    EXPECT_EQ(r.keyState[KEY_KEY_E], PRESSED);
    r.settleStates();
    EXPECT_EQ(r.keyState[KEY_KEY_E], DOWN);

    // A held key let go and tapped again in one pump: the new press counts.
    r.OnEvent(key(KEY_KEY_E, false));
    EXPECT_EQ(r.keyState[KEY_KEY_E], RELEASED);
    r.OnEvent(key(KEY_KEY_E, true));
    r.OnEvent(key(KEY_KEY_E, false));
    EXPECT_EQ(r.keyState[KEY_KEY_E], PRESSED);
    r.settleStates();
    EXPECT_EQ(r.keyState[KEY_KEY_E], RELEASED);
}

TEST_F(Receiver, MouseButtonPressedTwiceInOnePumpBecomesDown) {
    r.OnEvent(mouse(EMIE_LMOUSE_PRESSED_DOWN));
    EXPECT_EQ(r.buttonState[MOUSE_LEFT], PRESSED);
    r.OnEvent(mouse(EMIE_LMOUSE_PRESSED_DOWN));
    EXPECT_EQ(r.buttonState[MOUSE_LEFT], DOWN);
    r.OnEvent(mouse(EMIE_RMOUSE_PRESSED_DOWN));
    r.OnEvent(mouse(EMIE_RMOUSE_LEFT_UP));
    EXPECT_EQ(r.buttonState[MOUSE_RIGHT], PRESSED);  // a click within one pump
    r.OnEvent(mouse(EMIE_RMOUSE_PRESSED_DOWN));      // and a second click begun
    EXPECT_EQ(r.buttonState[MOUSE_RIGHT], PRESSED);
    EXPECT_EQ(r.buttonState[MOUSE_MIDDLE], UP);
    r.settleStates();
    EXPECT_EQ(r.buttonState[MOUSE_LEFT], DOWN);
    EXPECT_EQ(r.buttonState[MOUSE_RIGHT], DOWN);
}

TEST_F(Receiver, MoveAndWheelAreRecordedAndWheelResetsEachFrame) {
    r.OnEvent(mouse(EMIE_MOUSE_MOVED, 120, 45));
    r.OnEvent(mouse(EMIE_MOUSE_WHEEL, 0, 0, 1.0f));
    r.OnEvent(mouse(EMIE_MOUSE_WHEEL, 0, 0, 2.0f));
    EXPECT_EQ(r.mouseX, 120);
    EXPECT_EQ(r.mouseY, 45);
    EXPECT_FLOAT_EQ(r.wheel, 3.0f);
    r.settleStates();
    EXPECT_FLOAT_EQ(r.wheel, 0.0f);
}

TEST_F(Receiver, EventsWhileIgnoredAreDroppedButConsumed) {
    r.ignoreEvents = true;
    EXPECT_TRUE(r.OnEvent(key(KEY_SPACE, true)));
    EXPECT_TRUE(r.OnEvent(mouse(EMIE_LMOUSE_PRESSED_DOWN)));
    EXPECT_TRUE(r.OnEvent(mouse(EMIE_MOUSE_MOVED, 7, 9)));
    EXPECT_EQ(r.keyState[KEY_SPACE], UP);
    EXPECT_EQ(r.buttonState[MOUSE_LEFT], UP);
    EXPECT_EQ(r.mouseX, 0);

    SEvent other;
    other.EventType = EET_LOG_TEXT_EVENT;
    other.LogEvent.Text = "x";
    other.LogEvent.Level = ELL_INFORMATION;
    r.ignoreEvents = false;
    EXPECT_FALSE(r.OnEvent(other));
}
