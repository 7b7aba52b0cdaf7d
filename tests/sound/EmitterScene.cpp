#include "EmitterScene.h"

using namespace irr;

void EmitterScene::SetUp() {
    device = createDevice(video::EDT_NULL);
    ASSERT_NE(device, nullptr);
    scene = device->getSceneManager();
    engine = vsound::createLoopbackDevice(soundtest::kRate);
    ASSERT_NE(engine, nullptr);
    soundtest::writeTone(soundtest::scratchPath("short.wav"), 0.2);
    soundtest::writeTone(soundtest::scratchPath("long.wav"), 2.0);
}

void EmitterScene::TearDown() {
    device->drop();  // the nodes go with the scene and let go of the engine
    EXPECT_EQ(engine->getReferenceCount(), 1);
    engine->drop();
}

CIrrKlangSceneNode* EmitterScene::addEmitter(const char* file, s32 mode) {
    CIrrKlangSceneNode* node =
        new CIrrKlangSceneNode(engine, scene->getRootSceneNode(), scene, -1);
    node->drop();
    if (*file)
        node->SoundFileName = soundtest::scratchPath(file).c_str();
    node->PlayMode = mode;
    return node;
}

void EmitterScene::advance(u32 ms) {
    listen(int(ms));
    clock += ms;
    scene->getRootSceneNode()->OnAnimate(clock);
}

io::IAttributes* EmitterScene::attributesOf(CIrrKlangSceneNode* node, int flags) {
    io::IAttributes* attributes = device->getFileSystem()->createEmptyAttributes();
    io::SAttributeReadWriteOptions options;
    options.Flags = flags;
    node->serializeAttributes(attributes, &options);
    return attributes;
}
