// The action table over the real backend, installed on a null device.
#include "InputEvents.h"
#include "graphics/GraphicsSystem.h"
#include "input/InputBackendKBandM.h"
#include "input/InputHolder.h"

#include <gtest/gtest.h>

using namespace irr;

namespace {

void press(InputBackendKBandM& b, EKEY_CODE code, bool down) { b.OnEvent(key(code, down)); }

void button(InputBackendKBandM& b, bool down) {
    b.OnEvent(mouse(down ? EMIE_LMOUSE_PRESSED_DOWN : EMIE_LMOUSE_LEFT_UP));
}

struct Backend : ::testing::Test {
    static void SetUpTestSuite() { GraphicsSystem::useDriver(video::EDT_NULL); }
    InputBackendKBandM backend;
    void SetUp() override {
        ASSERT_TRUE(backend.init());
        backend.beginFrame();
    }
    // One frame boundary: the pump ends, the world reads, the next frame begins.
    void nextFrame() {
        backend.endFrame();
        backend.beginFrame();
    }
};

}  // namespace

TEST_F(Backend, HeldActionsAreOnFromTheFirstFrameUntilRelease) {
    press(backend, KEY_KEY_W, true);
    press(backend, KEY_SPACE, true);
    button(backend, true);
    backend.endFrame();
    EXPECT_TRUE(backend.isAction(ACTION_FORWARD));
    EXPECT_TRUE(backend.isAction(ACTION_JUMP));
    EXPECT_TRUE(backend.isAction(ACTION_RELEASE));
    backend.beginFrame();
    backend.endFrame();
    EXPECT_TRUE(backend.isAction(ACTION_FORWARD));
    backend.beginFrame();
    press(backend, KEY_KEY_W, false);
    backend.endFrame();
    EXPECT_FALSE(backend.isAction(ACTION_FORWARD));
    EXPECT_TRUE(backend.isAction(ACTION_JUMP));
}

TEST_F(Backend, JustPressedActionsFireOncePerPress) {
    press(backend, KEY_KEY_E, true);
    press(backend, KEY_F2, true);
    press(backend, KEY_F3, true);
    backend.endFrame();
    EXPECT_TRUE(backend.isAction(ACTION_USE));
    EXPECT_TRUE(backend.isAction(ACTION_TOGGLE_SHADING));
    EXPECT_TRUE(backend.isAction(ACTION_TOGGLE_MOUSE));
    backend.beginFrame();
    press(backend, KEY_KEY_E, true);  // auto-repeat while held
    backend.endFrame();
    EXPECT_FALSE(backend.isAction(ACTION_USE));
    EXPECT_FALSE(backend.isAction(ACTION_TOGGLE_SHADING));
    EXPECT_FALSE(backend.isAction(ACTION_TOGGLE_MOUSE));
}

TEST_F(Backend, TheCaneTapsOncePerPressOfQOrTheRightButtonAndOnlyOnIt) {
    press(backend, KEY_KEY_Q, true);
    backend.endFrame();
    for (int other = -1; other < 20; ++other)
        EXPECT_EQ(backend.isAction(other), other == ACTION_CANE_TAP) << other;
    nextFrame();
    backend.endFrame();
    EXPECT_FALSE(backend.isAction(ACTION_CANE_TAP)) << "held is not a new tap";
    backend.beginFrame();
    press(backend, KEY_KEY_Q, false);
    backend.OnEvent(mouse(EMIE_RMOUSE_PRESSED_DOWN));
    backend.endFrame();
    EXPECT_TRUE(backend.isAction(ACTION_CANE_TAP));
    EXPECT_FALSE(backend.isAction(ACTION_RELEASE)) << "the right button lets nothing go";
    nextFrame();
    backend.endFrame();
    EXPECT_FALSE(backend.isAction(ACTION_CANE_TAP));
}

TEST_F(Backend, KeyTappedWithinOnePumpIsSeenByExactlyTheNextFrame) {
    press(backend, KEY_KEY_E, true);
    press(backend, KEY_KEY_E, false);
    press(backend, KEY_ESCAPE, true);
    press(backend, KEY_ESCAPE, false);
    button(backend, true);
    button(backend, false);
    press(backend, KEY_KEY_Q, true);
    press(backend, KEY_KEY_Q, false);
    backend.endFrame();
    EXPECT_TRUE(backend.isAction(ACTION_USE));
    EXPECT_TRUE(backend.isAction(ACTION_QUIT));
    EXPECT_TRUE(backend.isAction(ACTION_RELEASE));
    EXPECT_TRUE(backend.isAction(ACTION_CANE_TAP));
    nextFrame();
    EXPECT_FALSE(backend.isAction(ACTION_CANE_TAP));
    EXPECT_FALSE(backend.isAction(ACTION_USE));
    EXPECT_FALSE(backend.isAction(ACTION_QUIT));
    EXPECT_FALSE(backend.isAction(ACTION_RELEASE));
    nextFrame();
    EXPECT_FALSE(backend.isAction(ACTION_QUIT));
}

TEST_F(Backend, EveryKeyMapsToItsActionAndUnknownActionsAreOff) {
    const EKEY_CODE keys[] = {KEY_ESCAPE, KEY_KEY_W, KEY_KEY_S,   KEY_KEY_D, KEY_KEY_A,
                              KEY_UP,     KEY_DOWN,  KEY_RIGHT,   KEY_LEFT,  KEY_SPACE};
    for (int action = 0; action < 10; ++action) {
        press(backend, keys[action], true);
        nextFrame();
        for (int other = -1; other < 16; ++other)
            EXPECT_EQ(backend.isAction(other), other == action) << action << " vs " << other;
        press(backend, keys[action], false);
        nextFrame();
    }
    press(backend, KEY_KEY_Z, true);
    backend.endFrame();
    for (int other = -5; other < 20; ++other) EXPECT_FALSE(backend.isAction(other));
}

TEST_F(Backend, EventsOutsideTheFrameAreDropped) {
    backend.endFrame();
    press(backend, KEY_KEY_W, true);
    button(backend, true);
    EXPECT_FALSE(backend.isAction(ACTION_FORWARD));
    EXPECT_FALSE(backend.isAction(ACTION_RELEASE));
}

TEST(InputHolderTest, CreatesAnInstalledBackendAndReplacesTheOldOne) {
    GraphicsSystem::useDriver(video::EDT_NULL);
    InputHolder& holder = inputHolder();
    EXPECT_TRUE(holder.centreMouse);
    ASSERT_TRUE(createInputBackend(holder.activeBackend));
    InputBackend* first = holder.activeBackend;
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(createInputBackend(holder.activeBackend));
    EXPECT_NE(holder.activeBackend, nullptr);
    EXPECT_EQ(GraphicsSystem::instance().device->getEventReceiver(),
              dynamic_cast<IEventReceiver*>(holder.activeBackend));
    EXPECT_EQ(holder.activeBackend->getAxis(7), 0.0f);
}
