#pragma once

#include <gtest/gtest.h>
#include <irrlicht.h>

#include "SoundFiles.h"
#include "sound/CIrrKlangSceneNode.h"

// A scene on Irrlicht's null device with an engine that mixes only when asked, so that play
// positions and levels are exact. Sound files live in the test's scratch directory.
class EmitterScene : public ::testing::Test {
protected:
    void SetUp() override {
        device = irr::createDevice(irr::video::EDT_NULL);
        ASSERT_NE(device, nullptr);
        scene = device->getSceneManager();
        engine = vsound::createLoopbackDevice(soundtest::kRate);
        ASSERT_NE(engine, nullptr);
        soundtest::writeTone(soundtest::scratchPath("short.wav"), 0.2);
        soundtest::writeTone(soundtest::scratchPath("long.wav"), 2.0);
    }
    void TearDown() override {
        device->drop();  // the nodes go with the scene and let go of the engine
        EXPECT_EQ(engine->getReferenceCount(), 1);
        engine->drop();
    }

    // An emitter under the root for `file` (a scratch file name, or "" for none).
    CIrrKlangSceneNode* addEmitter(const char* file, irr::s32 mode) {
        auto* node = new CIrrKlangSceneNode(engine, scene->getRootSceneNode(), scene, -1);
        node->drop();
        if (*file)
            node->SoundFileName = soundtest::scratchPath(file).c_str();
        node->PlayMode = mode;
        return node;
    }
    // Lets `ms` of sound play, then animates the scene at that clock.
    void advance(irr::u32 ms) {
        listen(int(ms));
        clock += ms;
        scene->getRootSceneNode()->OnAnimate(clock);
    }
    soundtest::Levels listen(int ms) { return soundtest::renderLevels(engine, ms); }
    irr::io::IAttributes* attributesOf(CIrrKlangSceneNode* node, int flags = 0) {
        irr::io::IAttributes* out = device->getFileSystem()->createEmptyAttributes();
        irr::io::SAttributeReadWriteOptions options;
        options.Flags = flags;
        node->serializeAttributes(out, &options);
        return out;
    }

    irr::IrrlichtDevice* device = nullptr;
    irr::scene::ISceneManager* scene = nullptr;
    vsound::ISoundEngine* engine = nullptr;
    irr::u32 clock = 0;
};
