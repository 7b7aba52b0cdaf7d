#include <cstdlib>
#include <set>

#include "EmitterScene.h"

using namespace irr;
using Node = CIrrKlangSceneNode;

namespace {

using SoundNodePlayTest = EmitterScene;

TEST_F(SoundNodePlayTest, RandomModePlaysAtOnceThenPausesWithinItsInterval) {
    Node* node = addEmitter("short.wav", Node::EPM_RANDOM);
    node->MinTimeMsInterval = 1000;
    node->MaxTimeMsInterval = 1500;
    advance(0);
    ASSERT_NE(node->sound, nullptr);
    advance(300);  // the 200 ms sound has ended
    EXPECT_EQ(node->sound, nullptr);
    u32 next = node->nextPlayTimeMs;
    EXPECT_GE(next, 1300u);
    EXPECT_LE(next, 1799u);
    advance(next - clock);  // starts only once the clock is past the scheduled time
    EXPECT_EQ(node->sound, nullptr);
    advance(1);
    EXPECT_NE(node->sound, nullptr);
}

TEST_F(SoundNodePlayTest, RandomPauseOfANarrowOrInvertedIntervalIsMinOrMinPlusOne) {
    Node* node = addEmitter("short.wav", Node::EPM_RANDOM);
    for (s32 max : {1001, 1000, 400}) {
        node->MinTimeMsInterval = 1000;
        node->MaxTimeMsInterval = max;
        std::set<u32> pauses;
        for (int i = 0; i < 40; ++i) {
            advance(0);
            ASSERT_NE(node->sound, nullptr);
            advance(250);
            pauses.insert(node->nextPlayTimeMs - clock);
            advance(node->nextPlayTimeMs + 1 - clock);
        }
        EXPECT_EQ(pauses, (std::set<u32>{1000, 1001})) << "max " << max;
    }
    // A negative minimum means "at once", never a clock that wrapped into the far future.
    node->MinTimeMsInterval = -100000;
    node->MaxTimeMsInterval = -99000;
    advance(250);
    EXPECT_EQ(node->nextPlayTimeMs, clock);
}

TEST_F(SoundNodePlayTest, WithoutAFileOrAnEngineRandomNodesStayIdle) {
    Node* empty = addEmitter("", Node::EPM_RANDOM);
    Node* silent = new Node(nullptr, scene->getRootSceneNode(), scene, -1);
    silent->drop();
    silent->SoundFileName = soundtest::scratchPath("short.wav").c_str();
    for (int i = 0; i < 20; ++i)
        advance(100);
    for (Node* node : {empty, silent}) {
        EXPECT_EQ(node->sound, nullptr);
        EXPECT_EQ(node->PlayMode, Node::EPM_RANDOM);
        EXPECT_EQ(node->nextPlayTimeMs, 0u);
    }
}

TEST_F(SoundNodePlayTest, LoopingPlaysForEverOrFallsSilentForGood) {
    Node* looping = addEmitter("short.wav", Node::EPM_LOOPING);
    Node* missing = addEmitter("missing.wav", Node::EPM_LOOPING);
    testing::internal::CaptureStdout();
    advance(0);
    testing::internal::GetCapturedStdout();
    vsound::ISound* sound = looping->sound;
    for (int i = 0; i < 10; ++i)
        advance(100);
    EXPECT_EQ(looping->sound, sound);
    EXPECT_FALSE(sound->isFinished());
    EXPECT_EQ(missing->PlayMode, Node::EPM_NOTHING);

    sound->grab();
    looping->remove();  // a node that dies silences its sound
    EXPECT_TRUE(sound->isFinished());
    sound->drop();
}

TEST_F(SoundNodePlayTest, PlayOnceEndsInNothingAndLeavesTheSceneOnlyWhenAsked) {
    Node* stays = addEmitter("short.wav", Node::EPM_PLAY_ONCE);
    Node* goes = addEmitter("short.wav", Node::EPM_PLAY_ONCE);
    goes->DeleteWhenFinished = true;
    goes->grab();
    advance(0);
    EXPECT_EQ(stays->playCount, 1);
    advance(100);
    EXPECT_NE(stays->sound, nullptr);
    advance(200);
    for (Node* node : {stays, goes}) {
        EXPECT_EQ(node->PlayMode, Node::EPM_NOTHING);
        EXPECT_EQ(node->playCount, 0);
        EXPECT_EQ(node->sound, nullptr);
    }
    scene->drawAll();  // runs the deletion queue
    EXPECT_EQ(stays->getParent(), scene->getRootSceneNode());
    EXPECT_EQ(goes->getParent(), nullptr);
    goes->drop();
    advance(1000);
    EXPECT_EQ(stays->sound, nullptr);
}

TEST_F(SoundNodePlayTest, TheSoundFollowsTheNode) {
    Node* node = addEmitter("long.wav", Node::EPM_LOOPING);
    node->MinDistance = 1.0f;
    node->setPosition(core::vector3df(5, 0, 0));
    advance(0);
    soundtest::Levels right = listen(100);
    EXPECT_GT(right.right, 2.0 * right.left);
    node->setPosition(core::vector3df(-5, 0, 0));
    advance(0);
    soundtest::Levels left = listen(100);
    EXPECT_GT(left.left, 2.0 * left.right);
}

TEST_F(SoundNodePlayTest, ACloneCopiesPlaySettingsAndKeepsEffectDefaults) {
    Node* node = addEmitter("short.wav", Node::EPM_PLAY_ONCE);
    node->MinDistance = 7.0f;
    node->MaxDistance = 90.0f;
    node->MaxRadius = 12.0f;
    Node* copy = static_cast<Node*>(node->clone());
    EXPECT_EQ(copy->getParent(), node->getParent());
    EXPECT_EQ(copy->SoundFileName, node->SoundFileName);
    EXPECT_EQ(copy->PlayMode, Node::EPM_PLAY_ONCE);
    EXPECT_EQ(copy->MinDistance, 7.0f);
    EXPECT_EQ(copy->MaxDistance, -1.0f);
    EXPECT_EQ(copy->MaxRadius, 50.0f);

    // A node without a parent clones into one that the caller owns, alive.
    Node* orphan = new Node(engine, nullptr, scene, -1);
    Node* orphanCopy = static_cast<Node*>(orphan->clone());
    EXPECT_EQ(orphanCopy->getReferenceCount(), 1);
    orphanCopy->drop();
    orphan->drop();
}

}  // namespace
