#include "EmitterNode.h"
#include "waves/SoundWaveGlow.h"
#include "waves/SoundWavePulse.h"
#include "waves/SoundWavePulseMulti.h"
#include "waves/WaveManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using irr::core::vector3df;

namespace {

std::vector<float> radii(const WaveData& data) {
    std::vector<float> r;
    for (size_t i = 6; i < data.size(); i += 9) r.push_back(data[i]);
    return r;
}

TEST(NodeWave, TakesItsShapeFromTheNode) {
    CIrrKlangSceneNode* node = addEmitterNode(vector3df(1, 2, 3));
    node->MaxRadius = 30;
    node->MaxIntensity = 0.5f;
    node->Trail = 4;
    node->WaveSpeed = 12;
    node->StartingRadius = 6;
    node->EffectColor = vector3df(0.1f, 0.2f, 0.3f);
    SoundWavePulse pulse(node);
    WaveData data;
    pulse.append(data);
    const float expected[9] = {1, 2, 3, 0.1f, 0.2f, 0.3f, 6, 0.5f * 0.8f * 0.8f, 4};
    for (int i = 0; i < 9; ++i) EXPECT_FLOAT_EQ(expected[i], data[i]) << "float " << i;
    EXPECT_FALSE(pulse.isOneShot());
    EXPECT_EQ(node, pulse.source);
}

TEST(NodeWave, PulseWrapKeepsOvershootAndRestartsAtTheNodesPresentPlace) {
    CIrrKlangSceneNode* node = addEmitterNode(vector3df(0, 0, 0));
    node->MaxRadius = 10;
    node->WaveSpeed = 15;
    node->StartingRadius = 9.5f;
    SoundWavePulse pulse(node);
    WaveData data;
    pulse.append(data);
    moveNode(node, vector3df(5, 6, 7));
    setFrameTime(200);
    EXPECT_FALSE(pulse.update(data));   // endless: a wrap is no finish
    EXPECT_FLOAT_EQ(2.5f, data[6]);
    EXPECT_EQ(vector3df(5, 6, 7), vector3df(data[0], data[1], data[2]));
    // A growing front stays where it started even if its node moves on.
    moveNode(node, vector3df(-1, -1, -1));
    setFrameTime(100);
    pulse.update(data);
    EXPECT_FLOAT_EQ(4.0f, data[6]);
    EXPECT_EQ(vector3df(5, 6, 7), vector3df(data[0], data[1], data[2]));
}

TEST(NodeWave, GlowSwingsBetweenMinAndMaxRadiusAndFollowsItsNode) {
    CIrrKlangSceneNode* node = addEmitterNode(vector3df(0, 0, 0));
    node->MaxRadius = 20;
    node->MinRadius = 10;
    node->WaveSpeed = 5;
    node->Trail = 3;
    SoundWaveGlow glow(node);
    WaveData data;
    glow.append(data);
    EXPECT_FLOAT_EQ(-1.0f, data[8]);
    setFrameTime(1000);
    const float expected[] = {20, 15, 10, 10, 15, 20, 20, 15};
    for (float radius : expected) {
        moveNode(node, node->getPosition() + vector3df(1, 0, 0));
        EXPECT_FALSE(glow.update(data));
        EXPECT_FLOAT_EQ(radius, data[6]);
        EXPECT_FLOAT_EQ(-1.0f, data[8]);
        EXPECT_EQ(node->getAbsolutePosition().X, data[0]);
    }
    // The lower bound is the node's at each step, not a copy taken at the start.
    node->MinRadius = 14;
    glow.update(data);
    EXPECT_FLOAT_EQ(14.0f, data[6]);
    EXPECT_TRUE(glow.growing);
}

TEST(NodeWave, MultiPulseRingsAreStaggeredAndWrapped) {
    CIrrKlangSceneNode* node = addEmitterNode(vector3df(0, 0, 0));
    node->StartingRadius = 0;
    node->WaveSpacing = 5;
    node->WaveCount = 3;
    node->MaxRadius = 12;
    SoundWavePulseMulti multi(node);
    WaveData data(9, 0.0f);
    multi.index = 1;
    EXPECT_EQ(3, multi.append(data));
    EXPECT_EQ((std::vector<float>{0, 0, 7, 2}), radii(data));
    EXPECT_EQ(3, multi.pulses.back()->index);
}

TEST(NodeWave, MultiPulseWithoutRingsAppendsNothing) {
    CIrrKlangSceneNode* node = addEmitterNode(vector3df(0, 0, 0));
    for (irr::u32 count : {0u, static_cast<irr::u32>(-1)}) {
        node->WaveCount = count;
        SoundWavePulseMulti multi(node);
        WaveData data;
        EXPECT_EQ(0, multi.append(data));
        EXPECT_TRUE(data.empty());
    }
}

TEST(NodeWave, MultiPulseShowsAtMostAsManyRingsAsTheShadersCan) {
    CIrrKlangSceneNode* node = addEmitterNode(vector3df(0, 0, 0));
    node->setName("chimes");
    node->WaveCount = 1000000;
    node->WaveSpacing = 1.0e30f;
    testing::internal::CaptureStdout();
    SoundWavePulseMulti multi(node);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(static_cast<size_t>(SoundWavePulseMulti::MAX_RINGS), multi.pulses.size());
    EXPECT_NE(std::string::npos, out.find("\"chimes\"")) << out;
    for (const auto& ring : multi.pulses) {
        EXPECT_GE(ring->radius, 0.0f);
        EXPECT_LT(ring->radius, node->MaxRadius);
    }
}

TEST(NodeWave, ManagerBuildsTheClassTheEffectTypeNames) {
    WaveManager waves;
    CIrrKlangSceneNode* node = addEmitterNode(vector3df(0, 0, 0));
    node->WaveCount = 2;
    for (irr::s32 type : {0, 1, 2, 7}) {
        node->EffectType = type;
        waves.addNodeWave(node);
    }
    ASSERT_EQ(3u, waves.waves().size());
    auto it = waves.waves().begin();
    EXPECT_NE(nullptr, dynamic_cast<SoundWavePulse*>(it->get()));
    EXPECT_NE(nullptr, dynamic_cast<SoundWaveGlow*>((++it)->get()));
    EXPECT_NE(nullptr, dynamic_cast<SoundWavePulseMulti*>((++it)->get()));
    EXPECT_EQ(2, (*it)->index);
    EXPECT_EQ(4, waves.recordCount());
}

TEST(NodeWave, MultiPulseRingsMoveDownWhenAPulseInFrontFinishes) {
    setFrameTime(100);
    WaveManager waves;
    waves.addPulse(vector3df(), 10, 5, 10, 1, 9.5f, vector3df(1, 1, 1));
    CIrrKlangSceneNode* node = addEmitterNode(vector3df(3, 0, 0));
    node->EffectType = CIrrKlangSceneNode::EET_MULTI_PULSE;
    node->StartingRadius = 0;
    node->WaveSpacing = 5;
    node->WaveCount = 3;
    node->MaxRadius = 12;
    node->WaveSpeed = 10;
    waves.addNodeWave(node);
    setFrameTime(100);
    waves.update();
    EXPECT_EQ(3, waves.recordCount());
    EXPECT_EQ((std::vector<float>{1, 8, 3}), radii(waves.waveData()));
    EXPECT_FLOAT_EQ(3.0f, waves.waveData()[0]);
}

TEST(BeatPulse, CrossingSendsAPulseScaledByTheColour) {
    WaveManager waves;
    CIrrKlangSceneNode* node = addEmitterNode(vector3df(4, 5, 6));
    node->MaxRadius = 20;
    node->Trail = 6;
    node->WaveSpeed = 15;
    node->MaxIntensity = 0.3f;
    node->analysisLevels = {0.9f, 0.9f, 0.1f};
    node->analysisColours = {vector3df(0.4f, 0.4f, 1), vector3df(0.8f, 0.4f, 0.4f),
                             vector3df(0.4f, 0.4f, 1)};
    node->Threshold = 0.5f;
    ScriptedSound* sound = playAt(node, 250);
    waves.addEmitter(node);
    waves.update();
    ASSERT_EQ(1u, waves.waves().size());
    const SoundWavePulse& pulse = dynamic_cast<const SoundWavePulse&>(*waves.waves().front());
    EXPECT_FLOAT_EQ(40, pulse.maxRadius);
    EXPECT_FLOAT_EQ(3, pulse.trail);
    EXPECT_FLOAT_EQ(30, pulse.waveSpeed);
    EXPECT_FLOAT_EQ(1.0f, pulse.maxIntensity);
    EXPECT_FLOAT_EQ(0.0f, pulse.radius);
    EXPECT_EQ(vector3df(0.8f, 0.4f, 0.4f), pulse.color);
    EXPECT_EQ(vector3df(4, 5, 6), pulse.position);
    EXPECT_TRUE(pulse.isOneShot());
    // The same slot is judged once; the quiet slot after it sends nothing.
    waves.update();
    sound->playPosition = 50;
    waves.update();
    EXPECT_EQ(1u, waves.waves().size());
}

TEST(BeatPulse, GlowEmitterHasItsGlowAndItsBeats) {
    WaveManager waves;
    CIrrKlangSceneNode* node = addEmitterNode(vector3df(0, 0, 0));
    node->EffectType = CIrrKlangSceneNode::EET_GLOW;
    node->analysisLevels = {0.9f, 0.9f};
    node->analysisColours = {vector3df(0.5f, 0.5f, 0.5f), vector3df(0.5f, 0.5f, 0.5f)};
    waves.addNodeWave(node);
    waves.addEmitter(node);
    playAt(node, 150);
    waves.update();   // slot 0 was the last judged at the start: nothing yet
    EXPECT_EQ(1u, waves.waves().size());
    playAt(node, 50);  // back at the start of a loop: the last slot ends
    waves.update();
    ASSERT_EQ(2u, waves.waves().size());
    EXPECT_NE(nullptr, dynamic_cast<SoundWaveGlow*>(waves.waves().front().get()));
    EXPECT_EQ(2, waves.recordCount());
}

}  // namespace
