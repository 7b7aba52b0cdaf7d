#include <AL/al.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "../platform_sound3d/SoundFiles.h"
#include "graphics/GraphicsSystem.h"
#include "sound/SoundSystem.h"
#include "waves/WaveManager.h"

using irr::core::vector3df;
using Record = std::vector<float>;

namespace {

// The game's sound system on the null video device, with a loopback engine so that what is
// heard can be measured; waves land in the game's wave manager.
class SoundSystemTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        GraphicsSystem::useDriver(irr::video::EDT_NULL);
        scene = GraphicsSystem::instance().sceneManager;
        engine = vsound::createLoopbackDevice(soundtest::kRate);
    }
    // The registered factories keep the engine until the scene goes at exit.
    static void TearDownTestSuite() { engine->drop(); }

    void SetUp() override {
        ASSERT_NE(engine, nullptr);
        soundtest::renderLevels(engine, 1000);  // the last test's sounds end unheard
        camera = scene->addCameraSceneNode(nullptr, vector3df(10, 6, 20), vector3df(10, 6, 30));
        camera->updateAbsolutePosition();
        SoundSystem::useEngine(engine);
        sound = std::make_unique<SoundSystem>();
        sound->init();
    }

    void TearDown() override { camera->remove(); }

    void moveTo(float x, float y, float z) {
        camera->setPosition(vector3df(x, y, z));
        camera->updateAbsolutePosition();
    }

    static irr::s32 records() { return WaveManager::instance().recordCount(); }
    // Expects the record of the wave added `back` waves before the last.
    static void expectRecord(const Record& expected, int back = 0) {
        const WaveData& data = WaveManager::instance().waveData();
        size_t first = size_t(records() - 1 - back) * SoundWave::RECORD_FLOATS;
        for (size_t i = 0; i < SoundWave::RECORD_FLOATS; ++i)
            EXPECT_NEAR(data[first + i], expected[i], 1e-5f) << "float " << i;
    }
    static void expectFootstep(vector3df p, int back = 0) {
        expectRecord({p.X, p.Y, p.Z, 0.6f, 0.8f, 1.0f, 0, 0.75f, 5}, back);
    }

    static irr::scene::ISceneManager* scene;
    static vsound::ISoundEngine* engine;
    irr::scene::ICameraSceneNode* camera = nullptr;
    std::unique_ptr<SoundSystem> sound;
};

irr::scene::ISceneManager* SoundSystemTest::scene = nullptr;
vsound::ISoundEngine* SoundSystemTest::engine = nullptr;

TEST_F(SoundSystemTest, InitDecodesEveryEffectFileAndStepsDrawFromAllSeven) {
    std::set<std::string> decoded;  // the effects are decoded before their first play
    for (int i = 0; i < engine->getSoundSourceCount(); ++i)
        decoded.insert(engine->getSoundSource(i)->getName());
    for (const char* file : sound->footstepFiles)
        EXPECT_EQ(decoded.count(file), 1u) << file;
    EXPECT_EQ(decoded.count("Content/sounds/fx/global/bench/bump_02.wav"), 1u);

    std::set<std::string> drawn;
    for (int i = 0; i < 500; ++i)
        drawn.insert(sound->randomFootstepFile());
    EXPECT_EQ(drawn.size(), 7u);
}

TEST_F(SoundSystemTest, StepsNeedMoreThanThreeAndAHalfUnitsOfListenerTravel) {
    const vector3df left(-0.6f, 0, 0.8f);
    irr::s32 before = records();
    moveTo(13.5f, 6, 20);  // exactly 3.5: nothing played, nothing changed
    EXPECT_TRUE(sound->playFootstep(left, false, false));
    EXPECT_EQ(records(), before);
    EXPECT_EQ(sound->lastStepPosition, vector3df(10, 6, 20));
    EXPECT_TRUE(sound->nextStepNegative);

    moveTo(14, 6, 20);
    sound->playFootstep(left, false, false);
    EXPECT_EQ(records(), before + 1);
    expectFootstep(vector3df(14.45f, 2, 19.4f));
    EXPECT_EQ(sound->lastStepPosition, vector3df(14, 6, 20));  // the ear, not the step

    moveTo(17.5f, 6, 20);
    sound->playFootstep(left, false, false);
    EXPECT_EQ(records(), before + 1);
    moveTo(17.75f, 6, 20);
    sound->playFootstep(left, false, false);
    moveTo(17.75f, 6, 24);
    sound->playFootstep(left, false, false);
    EXPECT_EQ(records(), before + 3);
    expectFootstep(vector3df(17.3f, 2, 20.6f), 1);
    expectFootstep(vector3df(18.2f, 2, 23.4f));
}

TEST_F(SoundSystemTest, ALandingPlaysBothFeetAndTogglesTheSideOnce) {
    const vector3df left(0, 0, 1);
    irr::s32 before = records();
    sound->playFootstep(left, true, true);
    ASSERT_EQ(records(), before + 2);
    expectFootstep(vector3df(10, 2, 19.25f), 1);
    expectFootstep(vector3df(10, 2, 20.75f));
    EXPECT_FALSE(sound->nextStepNegative);
    sound->playFootstep(left, true, true);
    expectFootstep(vector3df(10, 2, 20.75f), 1);
    EXPECT_TRUE(sound->nextStepNegative);
}

TEST_F(SoundSystemTest, AWaveComesEvenWithoutTheFileAndTheCameraHearsTheSound) {
    irr::s32 before = records();
    sound->playSoundWithWave(vector3df(0.1f, 0.2f, 0.3f), vector3df(1, 2, 3), "Content/none.wav",
                             9, 3, 6, 0.5f, 2);
    ASSERT_EQ(records(), before + 1);
    expectRecord({1, 2, 3, 0.1f, 0.2f, 0.3f, 2, 0.5f * (7 / 9.f) * (7 / 9.f), 3});
    EXPECT_EQ(WaveManager::instance().waves().back()->waveSpeed, 6);

    moveTo(0, 0, 0);
    camera->setTarget(vector3df(0, 0, -30));  // turned round: right is -x
    sound->updateListener();
    sound->playImpactSound(vector3df(-5, 0, 0));
    expectRecord({-5, 0, 0, 0.7f, 1, 0.6f, 0, 1, 10});
    soundtest::Levels impact = soundtest::renderLevels(engine, 700);
    EXPECT_GT(impact.right, 2 * impact.left);
}

// How a sound heard in the left channel spends itself: when 90 % of its energy has come, and its
// mean pitch (the RMS frequency: how much faster its slope swings than the sound itself).
struct Spent {
    double ninetyPercentMs = 0;
    double pitchHz = 0;
};

Spent spentOf(const std::vector<float>& stereo) {
    double total = 0, slope = 0;
    for (size_t i = 0; i + 2 < stereo.size(); i += 2) {
        total += double(stereo[i]) * stereo[i];
        slope += double(stereo[i + 2] - stereo[i]) * (stereo[i + 2] - stereo[i]);
    }
    Spent spent;
    spent.pitchHz = std::sqrt(slope / total) * soundtest::kRate / (2 * M_PI);
    double sum = 0;
    for (size_t i = 0; i < stereo.size() && sum < 0.9 * total; i += 2) {
        sum += double(stereo[i]) * stereo[i];
        spent.ninetyPercentMs = 1000.0 * double(i / 2) / soundtest::kRate;
    }
    return spent;
}

TEST_F(SoundSystemTest, WhatCanBeLiftedKnocksShorterAndBrighterThanWhatCannot) {
    sound->updateListener();
    auto heard = [&](bool heavy) {
        sound->playImpactSound(vector3df(10, 6, 21), heavy);  // a unit ahead
        std::vector<float> stereo = soundtest::renderStereo(engine, 700);
        EXPECT_GT(soundtest::levelsOf(stereo).left, 0.01) << (heavy ? "heavy" : "light");
        return spentOf(stereo);
    };
    const Spent light = heard(false), heavy = heard(true);
    EXPECT_LT(light.ninetyPercentMs, 0.6 * heavy.ninetyPercentMs);
    EXPECT_GT(light.pitchHz, 2 * heavy.pitchHz);
}

TEST_F(SoundSystemTest, WhileStrafingTheListenerLooksWhereTheCameraLooks) {
    // As the player places the camera each frame: a new position and target, drawn later.
    float worst = 0;
    for (int frame = 0; frame < 10; ++frame) {
        vector3df eye(10 - 0.24f * frame, 6, 20);
        vector3df look(std::sin(0.1f * frame), 0, std::cos(0.1f * frame));
        camera->setPosition(eye);
        camera->setTarget(eye + look);
        sound->updateListener();
        float orientation[6];
        alGetListenerfv(AL_ORIENTATION, orientation);
        vector3df heard(orientation[0], orientation[1], -orientation[2]);
        float degrees = std::acos(std::min(1.0f, heard.normalize().dotProduct(look))) * 180 / 3.14159265f;
        worst = std::max(worst, degrees);
        camera->updateAbsolutePosition();  // the frame is drawn
    }
    std::printf("listener at most %.3f degrees off the view while strafing\n", worst);
    EXPECT_LT(worst, 1.0f);
}

TEST_F(SoundSystemTest, WithoutAnEngineOrACameraTheGameGoesOnSilently) {
    SoundSystem::useEngine(nullptr);
    scene->setActiveCamera(nullptr);
    SoundSystem silent;
    testing::internal::CaptureStdout();
    silent.init();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Sound: no audio device; the game runs silent\n"
              "Sound: no active camera to listen from; the listener stays put and footsteps "
              "are not played\n");
    EXPECT_FALSE(silent.updateListener());
    EXPECT_FALSE(silent.playFootstep(vector3df(1, 0, 0), true, true));

    silent.listener = camera;
    irr::s32 before = records();
    EXPECT_TRUE(silent.updateListener());
    silent.playFootstep(vector3df(1, 0, 0), true, true);
    silent.playImpactSound(vector3df(0, 0, 0));
    EXPECT_EQ(records(), before + 3);
}

}  // namespace
