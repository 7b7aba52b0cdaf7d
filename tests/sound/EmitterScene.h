#pragma once

#include <gtest/gtest.h>
#include <irrlicht.h>

#include "SoundFiles.h"
#include "sound/CIrrKlangSceneNode.h"

// A scene on Irrlicht's null device with an engine that mixes only when asked, so that play
// positions and levels are exact. Sound files live in the test's scratch directory.
class EmitterScene : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // An emitter under the root for `file` (a scratch file name, or "" for none).
    CIrrKlangSceneNode* addEmitter(const char* file, irr::s32 mode);
    // Lets `ms` of sound play, then animates the scene at that clock.
    void advance(irr::u32 ms);
    soundtest::Levels listen(int ms) { return soundtest::renderLevels(engine, ms); }
    irr::io::IAttributes* attributesOf(CIrrKlangSceneNode* node, int flags = 0);

    irr::IrrlichtDevice* device = nullptr;
    irr::scene::ISceneManager* scene = nullptr;
    vsound::ISoundEngine* engine = nullptr;
    irr::u32 clock = 0;
};
