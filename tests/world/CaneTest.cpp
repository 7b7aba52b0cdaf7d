// The cane tap through scripted input: a pulse from the floor ahead, fast and cold white, at most
// one every half second, whatever the player is doing.
#include "WorldFixture.h"

#include "waves/WaveManager.h"
#include "world/Player.h"

#include <gtest/gtest.h>

using namespace irr;

namespace {

const core::vector3df COLD_WHITE(0.85f, 0.95f, 1.0f);

std::vector<const SoundWave*> taps() {
    std::vector<const SoundWave*> out;
    for (const auto& wave : WaveManager::instance().waves())
        if (wave->color == COLD_WHITE) out.push_back(wave.get());
    return out;
}

const InputFrame WALK = holding({KEY_KEY_W});
const InputFrame WALK_TAP = holding({KEY_KEY_W, KEY_KEY_Q});

}  // namespace

TEST_F(WorldFixture, ATapSendsAFastPulseFromTheFloorAheadOfAWalkingPlayer) {
    player->yaw = 90;  // facing +x
    play({WALK, WALK});
    const core::vector3df before = feet();
    play({WALK_TAP});
    ASSERT_EQ(taps().size(), 1u);
    const SoundWave& tap = *taps()[0];
    // The tap is read in the frame after the walk before it: the cane is 2.5 ahead of where the
    // player then stood, on the floor under the capsule.
    EXPECT_NEAR(tap.position.X - before.X, 2.5f + 0.24f, 0.3f);
    EXPECT_NEAR(tap.position.Z, before.Z, 1e-3f);
    EXPECT_NEAR(tap.position.Y, feet().Y - 2.0f, 0.05f);
    EXPECT_TRUE(tap.isOneShot());
    // It outruns the walker: after half a second its front is well past the player.
    play(std::vector<InputFrame>(25, WALK));
    EXPECT_GT(tap.getRadius(), (feet() - tap.position).getLength() + 4.0f);
}

TEST_F(WorldFixture, TapsComeAtMostOnceEveryHalfSecondWhateverTheKeysAndButtonsSay) {
    play({WALK_TAP, WALK, WALK_TAP, WALK, WALK_TAP});  // 100 ms: one tap
    EXPECT_EQ(taps().size(), 1u);
    std::vector<InputFrame> held(30, WALK_TAP);  // held down: a key press, not a repeat
    play(held);
    EXPECT_EQ(taps().size(), 1u);
    play({WALK, WALK_TAP});
    EXPECT_EQ(taps().size(), 2u);
    InputFrame right = WALK;
    right.rightButton = true;
    play(std::vector<InputFrame>(180, WALK));  // a tap's light lasts three and a half seconds
    play({right, WALK, right});  // the right mouse button taps as Q does
    EXPECT_EQ(taps().size(), 1u) << "both earlier taps have run out; one new";
}
