#include <set>

#include "EmitterScene.h"
#include "sound/UnplayableSound.h"

using namespace irr;
using Node = CIrrKlangSceneNode;

namespace {

using SoundNodePlayTest = EmitterScene;

TEST_F(SoundNodePlayTest, RandomPauseIsMinOrMinPlusOneForANarrowIntervalAndNeedsAFileAndEngine) {
    Node* node = addEmitter("short.wav", Node::EPM_RANDOM);
    Node* empty = addEmitter("", Node::EPM_RANDOM);
    Node* silent = new Node(nullptr, scene->getRootSceneNode(), scene, -1);
    silent->drop();
    silent->SoundFileName = node->SoundFileName;
    for (s32 max : {1001, 1000, 400}) {
        node->MinTimeMsInterval = 1000;
        node->MaxTimeMsInterval = max;
        std::set<u32> pauses;
        for (int i = 0; i < 40; ++i) {
            advance(0);  // the first play comes at once
            ASSERT_NE(node->sound, nullptr);
            advance(250);  // the 200 ms sound has ended
            ASSERT_EQ(node->sound, nullptr);
            pauses.insert(node->nextPlayTimeMs - clock);
            advance(node->nextPlayTimeMs - clock);  // starts only once the clock is past it
            EXPECT_EQ(node->sound, nullptr);
            advance(1);
        }
        EXPECT_EQ(pauses, (std::set<u32>{1000, 1001})) << "max " << max;
    }
    // A negative minimum means "at once", never a clock that wrapped into the far future.
    node->MinTimeMsInterval = -100000;
    node->MaxTimeMsInterval = -99000;
    advance(250);
    EXPECT_EQ(node->nextPlayTimeMs, clock);

    for (Node* idle : {empty, silent}) {
        EXPECT_EQ(idle->sound, nullptr);
        EXPECT_EQ(idle->PlayMode, Node::EPM_RANDOM);
        EXPECT_EQ(idle->nextPlayTimeMs, 0u);
    }
}

TEST_F(SoundNodePlayTest, LoopingFollowsTheNodeForEverOrFallsSilentForGood) {
    Node* looping = addEmitter("short.wav", Node::EPM_LOOPING);
    Node* missing = addEmitter("missing.wav", Node::EPM_LOOPING);
    looping->MinDistance = 1.0f;
    looping->setPosition(core::vector3df(5, 0, 0));
    testing::internal::CaptureStdout();
    advance(0);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(missing->PlayMode, Node::EPM_NOTHING);
    vsound::ISound* sound = looping->sound;
    for (int i = 0; i < 10; ++i)
        advance(100);
    EXPECT_EQ(looping->sound, sound);
    EXPECT_FALSE(sound->isFinished());
    soundtest::Levels right = listen(100);
    EXPECT_GT(right.right, 2.0 * right.left);
    looping->setPosition(core::vector3df(-5, 0, 0));
    advance(0);
    soundtest::Levels left = listen(100);
    EXPECT_GT(left.left, 2.0 * left.right);

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
    EXPECT_FALSE(stays->playedOut);
    advance(200);
    for (Node* node : {stays, goes}) {
        EXPECT_TRUE(node->playedOut);
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

TEST_F(SoundNodePlayTest, AClonedOrphanBelongsToTheCallerAlive) {
    Node* orphan = new Node(engine, nullptr, scene, -1);
    Node* copy = static_cast<Node*>(orphan->clone());
    EXPECT_EQ(copy->getReferenceCount(), 1);
    copy->drop();
    orphan->drop();
}

TEST_F(SoundNodePlayTest, AnUnplayableFileIsSaidOnceEscapedAndNamesItsEmitter) {
    engine->setProblemReport(noteUnplayable);
    Node* missing = addEmitter("gone\x1b]0;title\x07.wav", Node::EPM_LOOPING);
    missing->setName("Drip\x1b[2J");
    Node* again = addEmitter("gone\x1b]0;title\x07.wav", Node::EPM_LOOPING);
    again->setName("Drop");
    testing::internal::CaptureStdout();
    advance(0);
    advance(100);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.rfind("Sound: cannot play \"" + soundtest::scratchPath("gone\\x1b]0;title\\x07.wav") + "\" (", 0), 0u)
        << out;
    EXPECT_NE(out.find(") for emitter \"Drip\\x1b[2J\"; it stays silent.\n"), std::string::npos) << out;
    // Said once: the second emitter of that file and later plays add nothing.
    EXPECT_EQ(out.find('\n'), out.size() - 1) << out;
}

}  // namespace
