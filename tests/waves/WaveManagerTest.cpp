#include "WaveTestKit.h"
#include "waves/SoundWaveGlow.h"
#include "waves/SoundWavePulseMulti.h"
#include "waves/WaveManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

using irr::core::vector3df;

namespace {

const vector3df BLUE(0.2f, 0.2f, 1.0f);

// A free pulse of maximum radius 10 and speed 10 whose record is told apart by its centre x.
void addPulseAt(WaveManager& waves, float x, float startRadius) {
    waves.addPulse(vector3df(x, 0, 0), 10, 5, 10, 1, startRadius, BLUE);
}

std::vector<float> column(const WaveManager& waves, int field) {
    std::vector<float> values;
    for (int r = 0; r < waves.recordCount(); ++r) values.push_back(waves.waveData()[9 * r + field]);
    return values;
}

void expectPulse(const SoundWave& wave, float maxRadius, float trail, float speed,
                 float intensity, float radius, const vector3df& colour) {
    const SoundWavePulse& pulse = dynamic_cast<const SoundWavePulse&>(wave);
    EXPECT_FLOAT_EQ(maxRadius, pulse.maxRadius);
    EXPECT_FLOAT_EQ(trail, pulse.trail);
    EXPECT_FLOAT_EQ(speed, pulse.waveSpeed);
    EXPECT_FLOAT_EQ(intensity, pulse.maxIntensity);
    EXPECT_FLOAT_EQ(radius, pulse.radius);
    EXPECT_EQ(colour, pulse.color);
    EXPECT_TRUE(pulse.isOneShot());
}

TEST(WaveManager, AddPulseTakesItsArgumentsInItsOwnOrder) {
    WaveManager waves;
    addPulseAt(waves, 9, 0);
    const vector3df colour(0.6f, 0.8f, 1.0f);
    waves.addPulse(vector3df(1, 2, 3), 16, 5, 15, 0.8f, 8, colour);
    ASSERT_EQ(2, waves.recordCount());
    expectPulse(*waves.waves().back(), 16, 5, 15, 0.8f, 8, colour);
    // The nine-float record goes after those already there. Half way out, a pulse keeps a
    // quarter of its intensity.
    const float expected[9] = {1, 2, 3, 0.6f, 0.8f, 1.0f, 8, 0.8f / 4.0f, 5};
    for (int i = 0; i < 9; ++i) EXPECT_FLOAT_EQ(expected[i], waves.waveData()[9 + i]) << i;
    EXPECT_FLOAT_EQ(9.0f, waves.waveData()[0]);
}

TEST(WaveManager, FinishedPulsesLeaveAndTheOthersShiftDown) {
    setFrameTime(100);
    WaveManager three;
    addPulseAt(three, 1, 9.5f);
    addPulseAt(three, 2, 0);
    addPulseAt(three, 3, 0);
    three.update();
    ASSERT_EQ(2u, three.waves().size());
    EXPECT_EQ(0, three.waves().front()->index);
    EXPECT_EQ(1, three.waves().back()->index);
    EXPECT_EQ((std::vector<float>{2, 3}), column(three, 0));
    EXPECT_EQ(18u, three.waveData().size());
    // Both were aged in the same pass, at their new places.
    EXPECT_EQ((std::vector<float>{1, 1}), column(three, 6));

    // Scattered finishes keep list order; the end marker moves down and stays last.
    WaveManager seven;
    for (int i = 0; i < 7; ++i) addPulseAt(seven, static_cast<float>(i), i % 3 == 0 ? 9.5f : 0);
    seven.ensureEndMarker();
    seven.update();
    EXPECT_EQ((std::vector<float>{1, 2, 4, 5}), column(seven, 0));
    int expected = 0;
    for (const auto& wave : seven.waves()) EXPECT_EQ(expected++, wave->index);
    ASSERT_EQ(45u, seven.waveData().size());
    for (int i = 36; i < 45; ++i) EXPECT_EQ(-1.0f, seven.waveData()[i]);
}

TEST(WaveManager, PulsesThatCouldNeverFinishAreRefused) {
    WaveManager waves;
    testing::internal::CaptureStdout();
    waves.addPulse(vector3df(), 0, 5, 10, 1, 0, BLUE);
    waves.addPulse(vector3df(), -4, 5, 10, 1, 0, BLUE);
    waves.addPulse(vector3df(), 10, 5, 0, 1, 0, BLUE);
    waves.addPulse(vector3df(), 1.0f / 0.0f, 5, 10, 1, 0, BLUE);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(4, std::count(out.begin(), out.end(), '\n')) << out;
    EXPECT_EQ(0u, out.find("Waves: ")) << out;
    EXPECT_EQ(0, waves.recordCount());
    EXPECT_TRUE(waves.waves().empty());
}

TEST(WaveManager, NodeWavesAreOfTheClassTheirEffectTypeNames) {
    WaveManager waves;
    CIrrKlangSceneNode* node = addEmitterNode(vector3df(0, 0, 0));
    node->setName("odd");
    node->WaveCount = 2;
    testing::internal::CaptureStdout();
    for (irr::s32 type : {0, 1, 2, 7}) {
        node->EffectType = type;
        waves.addNodeWave(node);
    }
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(0u, out.find("Waves: emitter \"odd\"")) << out;
    ASSERT_EQ(3u, waves.waves().size());
    auto it = waves.waves().begin();
    EXPECT_NE(nullptr, dynamic_cast<SoundWavePulse*>(it->get()));
    EXPECT_NE(nullptr, dynamic_cast<SoundWaveGlow*>((++it)->get()));
    EXPECT_NE(nullptr, dynamic_cast<SoundWavePulseMulti*>((++it)->get()));
    EXPECT_EQ(2, (*it)->index);
    EXPECT_EQ(4, waves.recordCount());
}

TEST(WaveManager, MultiPulseRingsMoveDownWhenAPulseInFrontFinishes) {
    WaveManager waves;
    addPulseAt(waves, 0, 9.5f);
    CIrrKlangSceneNode* node = addEmitterNode(vector3df(3, 0, 0), 12, 10);
    node->EffectType = CIrrKlangSceneNode::EET_MULTI_PULSE;
    node->StartingRadius = 0;
    node->WaveSpacing = 5;
    node->WaveCount = 3;
    waves.addNodeWave(node);
    setFrameTime(100);
    waves.update();
    EXPECT_EQ((std::vector<float>{1, 8, 3}), column(waves, 6));
    EXPECT_FLOAT_EQ(3.0f, waves.waveData()[0]);
}

TEST(WaveManager, ABeatSendsAPulseScaledByItsColour) {
    WaveManager waves;
    CIrrKlangSceneNode* node = addEmitterNode(vector3df(4, 5, 6), 20, 15);
    node->Trail = 6;
    node->MaxIntensity = 0.3f;
    node->analysisLevels = {0.9f, 0.9f, 0.1f};
    node->analysisColours = {vector3df(0.8f, 0.4f, 0.4f), BLUE, BLUE};
    node->Threshold = 0.5f;
    node->sound = new ScriptedSound(150);  // first heard after slot 0: it is judged, and beats
    waves.addEmitter(node);
    waves.update();
    ASSERT_EQ(1u, waves.waves().size());
    // Twice as red as blue: twice as far and as fast, half the trail, always at full strength.
    expectPulse(*waves.waves().front(), 40, 3, 30, 1.0f, 0, vector3df(0.8f, 0.4f, 0.4f));
    EXPECT_EQ(vector3df(4, 5, 6), waves.waves().front()->position);
}

// Plays one pass of a looping 1.7 s sound with eight beats (rises on the odd slots, the last
// slot quiet) in frames of `frame` ms, ending in the first slot of the next pass; returns the
// pulses sent.
size_t beatsHeardInFramesOf(std::uint32_t frame) {
    WaveManager waves;
    CIrrKlangSceneNode* node = addEmitterNode(vector3df(0, 0, 0), 20, 15);
    for (int i = 0; i < 17; ++i) node->analysisLevels.push_back(i % 2 && i < 16 ? 0.9f : 0.1f);
    node->analysisColours = std::vector<vector3df>(17, BLUE);
    node->Threshold = 0.5f;
    ScriptedSound* sound = new ScriptedSound(0);
    node->sound = sound;
    waves.addEmitter(node);
    setFrameTime(0);  // the pulses stay, to be counted
    waves.update();
    for (std::uint32_t played = 0; played < 1700;) {
        played += frame;
        sound->playPosition = played % 1700;
        waves.update();
    }
    return waves.waves().size();
}

TEST(WaveManager, LongFramesMissNoBeat) {
    for (std::uint32_t frame : {50u, 110u, 250u, 425u, 850u}) {
        size_t beats = beatsHeardInFramesOf(frame);
        std::printf("frames of %u ms: %zu of 8 beats\n", frame, beats);
        EXPECT_EQ(beats, 8u) << frame;
    }
}

}  // namespace

TEST(WaveManager, AnEmitterThatLeavesTheSceneTakesItsWavesWithIt) {
    WaveManager waves;
    CIrrKlangSceneNode* gone = addEmitterNode(vector3df(0, 0, 0));
    CIrrKlangSceneNode* stays = addEmitterNode(vector3df(5, 0, 0));
    waves.addNodeWave(gone);
    waves.addEmitter(gone);
    waves.addNodeWave(stays);
    ASSERT_EQ(2, waves.recordCount());

    // As a play-once emitter deleting itself: the scene lets go; the manager still holds it.
    gone->grab();
    gone->remove();
    EXPECT_EQ(gone->drop(), false);
    setFrameTime(16);
    waves.update();
    EXPECT_EQ(1, waves.recordCount());
    EXPECT_TRUE(waves.emitters().empty());
    EXPECT_EQ(waves.waves().front()->source, stays);
    EXPECT_FLOAT_EQ(waves.waveData()[0], 5.0f);
}

TEST(WaveManager, APlayOnceEmittersRingRunsOutAtItsNextRestartOnceItsSoundHasPlayed) {
    WaveManager waves;
    CIrrKlangSceneNode* done = addEmitterNode(vector3df(0, 0, 0), 10, 10);
    CIrrKlangSceneNode* playing = addEmitterNode(vector3df(5, 0, 0), 10, 10);
    waves.addNodeWave(done);
    waves.addNodeWave(playing);
    setFrameTime(100);
    for (int i = 0; i < 15; ++i) waves.update();  // both rings have restarted once
    ASSERT_EQ(2, waves.recordCount());

    done->playedOut = true;
    for (int i = 0; i < 4; ++i) waves.update();  // radius 5 to 9: the ring goes on
    EXPECT_EQ(2, waves.recordCount());
    waves.update();
    waves.update();  // past 10: it would restart, and ends
    ASSERT_EQ(1, waves.recordCount());
    EXPECT_EQ(waves.waves().front()->source, playing);
    for (int i = 0; i < 30; ++i) waves.update();
    EXPECT_EQ(1, waves.recordCount());
}

TEST(WaveManager, APlayOnceEmittersGlowFadesOutAndItsRingsRunOutOneByOneOnceItsSoundHasPlayed) {
    WaveManager waves;
    CIrrKlangSceneNode* glow = addEmitterNode(vector3df(0, 0, 0), 10, 10);
    CIrrKlangSceneNode* rings = addEmitterNode(vector3df(5, 0, 0), 10, 10);
    glow->EffectType = CIrrKlangSceneNode::EET_GLOW;
    rings->EffectType = CIrrKlangSceneNode::EET_MULTI_PULSE;
    rings->WaveCount = 2;
    rings->WaveSpacing = 2;  // rings at radius 0 and 8
    waves.addNodeWave(glow);
    waves.addNodeWave(rings);
    glow->playedOut = rings->playedOut = true;
    setFrameTime(100);
    for (int i = 0; i < 9; ++i) waves.update();
    ASSERT_EQ(3, waves.recordCount());
    EXPECT_NEAR(waves.waveData()[7], 0.1f, 1e-4f);  // the glow has faded a tenth a frame
    EXPECT_EQ(waves.waveData()[18 + 7], 0.0f);  // the outer ring passed 10 and went dark
    for (int i = 0; i < 2; ++i) waves.update();  // the glow dark, the inner ring past 10
    EXPECT_EQ(0, waves.recordCount());
}

TEST(WaveManager, AnAnalysisLongerThanItsSoundSendsAFewPulsesAFrameWhenItLoopsAndSaysSoOnce) {
    WaveManager waves;
    CIrrKlangSceneNode* node = addEmitterNode(vector3df(0, 0, 0), 20, 15);
    node->setName("drip");
    // 10,000 s of loud and quiet in turn for a sound of 3 s, played twice in 33 ms frames.
    for (int i = 0; i < 100000; ++i) node->analysisLevels.push_back(i % 2 ? 0.9f : 0.1f);
    node->analysisColours = std::vector<vector3df>(node->analysisLevels.size(), BLUE);
    node->Threshold = 0.5f;
    ScriptedSound* sound = new ScriptedSound(0);
    node->sound = sound;
    waves.addEmitter(node);
    setFrameTime(0);  // the pulses stay, to be counted
    testing::internal::CaptureStdout();
    size_t mostInAFrame = 0;
    for (std::uint32_t played = 0; played < 6000; played += 33) {
        sound->playPosition = played % 3000;
        const size_t before = waves.waves().size();
        waves.update();
        mostInAFrame = std::max(mostInAFrame, waves.waves().size() - before);
    }
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(size_t(WaveManager::MOST_BEATS_A_FRAME), mostInAFrame);
    EXPECT_EQ(0u, out.find("Waves: emitter \"drip\" beat ")) << out;
    EXPECT_EQ(1, std::count(out.begin(), out.end(), '\n')) << out;
}

TEST(WaveManager, AStillEmittersBeatsAreReportedOnceAndShowNothing) {
    WaveManager waves;
    CIrrKlangSceneNode* node = addEmitterNode(vector3df(0, 0, 0), 20, 0);
    node->setName("still");
    node->analysisLevels = {0.9f, 0.9f, 0.1f};
    node->analysisColours = std::vector<vector3df>(3, BLUE);
    node->Threshold = 0.5f;
    node->sound = new ScriptedSound(250);
    waves.addEmitter(node);
    testing::internal::CaptureStdout();
    for (int beat = 0; beat < 3; ++beat) {
        node->slots.lastSlotIndex = 0;  // the same beat again, as a looping sound comes round
        waves.update();
    }
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "Waves: emitter \"still\" beats with pulses of radius 4 and speed 0, which would "
                   "never finish; its beats show nothing\n");
    EXPECT_TRUE(waves.waves().empty());
}
