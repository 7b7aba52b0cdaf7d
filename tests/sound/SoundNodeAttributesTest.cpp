#include <algorithm>
#include <fstream>
#include <limits>
#include <sstream>

#include "EmitterScene.h"
#include "sound/CIrrKlangSceneNodeFactory.h"

using namespace irr;
using Node = CIrrKlangSceneNode;

namespace {

using SoundNodeAttributesTest = EmitterScene;

TEST_F(SoundNodeAttributesTest, RereadingIdenticalSettingsKeepsTheSoundButAppliesDistances) {
    Node* node = addEmitter("long.wav", Node::EPM_LOOPING);
    node->MinDistance = 2.0f;
    node->setPosition(core::vector3df(0, 0, 8));
    advance(0);
    vsound::ISound* sound = node->sound;
    auto loudness = [&] {
        listen(50);  // the mixer glides to a new gain rather than clicking
        soundtest::Levels l = listen(100);
        return l.left + l.right;
    };
    double quarter = loudness();

    io::IAttributes* attributes = attributesOf(node);
    attributes->setAttribute("MinDistance", 4.0f);
    node->deserializeAttributes(attributes);
    EXPECT_EQ(node->sound, sound);
    EXPECT_NEAR(loudness() / quarter, 2.0, 0.05);

    // Zero and the default -1 are never handed to the engine.
    attributes->setAttribute("MinDistance", 0.0f);
    attributes->setAttribute("MaxDistance", -1.0f);
    node->deserializeAttributes(attributes);
    EXPECT_NEAR(loudness() / quarter, 2.0, 0.05);

    attributes->setAttribute("SoundFileName", soundtest::scratchPath("short.wav").c_str());
    node->deserializeAttributes(attributes);
    EXPECT_EQ(node->sound, nullptr);
    EXPECT_EQ(node->PlayMode, Node::EPM_LOOPING);
    attributes->drop();
}

TEST_F(SoundNodeAttributesTest, GuardedSettingsAreReadOnlyWhenPresentAndTheEditorSeesEverySound) {
    Node* node = addEmitter("short.wav", Node::EPM_RANDOM);
    io::IAttributes* in = device->getFileSystem()->createEmptyAttributes();
    in->addString("SoundFileName", node->SoundFileName.c_str());
    in->addEnum("PlayMode", "looping", Node::PlayModeNames);
    in->addFloat("MaxRadius", 30.0f);  // no "EffectType": effect settings stay
    node->MinTimeMsInterval = 123;
    node->deserializeAttributes(in);
    EXPECT_EQ(node->PlayMode, Node::EPM_LOOPING);
    EXPECT_EQ(node->MinTimeMsInterval, 123);
    EXPECT_EQ(node->MaxRadius, 50.0f);
    EXPECT_EQ(node->MinDistance, 0.0f);  // unguarded: a missing value reads as zero

    in->addEnum("EffectType", "Glow", Node::EffectTypeNames);
    in->addFloat("Trail", 3.0f);  // not read for a glow
    in->addFloat("Threshold", 0.25f);
    node->deserializeAttributes(in);
    EXPECT_EQ(node->EffectType, Node::EET_GLOW);
    EXPECT_EQ(node->MaxRadius, 30.0f);
    EXPECT_EQ(node->Trail, 25.0f);
    EXPECT_EQ(node->Threshold, 0.25f);
    in->drop();

    // The editor is offered every sound the engine knows, then a blank and "<select>".
    advance(0);
    io::IAttributes* out = attributesOf(node, io::EARWF_FOR_EDITOR);
    core::array<core::stringc> literals;
    out->getAttributeEnumerationLiteralsOfEnumeration("SoundFileName", literals);
    ASSERT_EQ(literals.size(), 3u);
    EXPECT_EQ(literals[0], node->SoundFileName);
    EXPECT_EQ(literals[1], "");
    EXPECT_EQ(literals[2], "<select>");
    out->drop();
}

TEST_F(SoundNodeAttributesTest, RepairsWaveSettingsTheWavesCannotUse) {
    Node* node = addEmitter("", Node::EPM_NOTHING);
    node->EffectColor = core::vector3df(1.5f, -0.1f, 2.0f);
    node->MaxRadius = 0.0f;
    node->Trail = 0.0f;
    node->MinRadius = 0.0f;
    node->validateEffectAttributes();
    EXPECT_EQ(node->EffectColor, core::vector3df(0.8f, 0.8f, 1.0f));
    EXPECT_EQ(node->MaxRadius, 50.0f);
    EXPECT_FLOAT_EQ(node->Trail, 7.5f);
    EXPECT_EQ(node->MinRadius, 25.0f);

    // Values that would hang or flood the waves: NaN radius, a front that runs backwards, and a
    // negative ring count. A speed of 0 is a steady wave and stays.
    io::IAttributes* in = attributesOf(node);
    in->setAttribute("EffectType", "Multi-Pulse");
    in->setAttribute("MaxRadius", std::numeric_limits<float>::quiet_NaN());
    in->setAttribute("WaveSpeed", -1.0f);
    in->addInt("WaveCount", -1);
    in->addFloat("WaveSpacing", -2.0f);
    node->deserializeAttributes(in);
    EXPECT_EQ(node->MaxRadius, 50.0f);
    EXPECT_EQ(node->WaveSpeed, 15.0f);
    EXPECT_EQ(node->WaveCount, 1u);
    EXPECT_EQ(node->WaveSpacing, 5.0f);
    in->setAttribute("WaveSpeed", 0.0f);
    node->deserializeAttributes(in);
    EXPECT_EQ(node->WaveSpeed, 0.0f);
    in->drop();
}

TEST_F(SoundNodeAttributesTest, TheFactoryMakesEmittersByEitherNameAndNothingElse) {
    auto* factory = new CIrrKlangSceneNodeFactory(engine, scene);
    scene->registerSceneNodeFactory(factory);
    factory->drop();
    scene::ISceneNode* parent = scene->addEmptySceneNode();
    scene::ISceneNode* byAlias = factory->addSceneNode("irrKlangSceneNode2", parent);
    ASSERT_NE(byAlias, nullptr);
    EXPECT_EQ(byAlias->getType(), Node::TYPE);
    EXPECT_EQ(byAlias->getParent(), parent);
    EXPECT_EQ(byAlias->getReferenceCount(), 1);  // the parent's alone
    EXPECT_EQ(factory->addSceneNode("irrKlangSceneNode")->getParent(),
              scene->getRootSceneNode());
    u32 children = scene->getRootSceneNode()->getChildren().size();
    EXPECT_EQ(factory->addSceneNode("irrKlangSceneNode3"), nullptr);
    EXPECT_EQ(factory->addSceneNode(static_cast<const c8*>(nullptr)), nullptr);
    EXPECT_EQ(factory->addSceneNode(scene::ESNT_CUBE), nullptr);
    EXPECT_EQ(scene->getRootSceneNode()->getChildren().size(), children);

    // A level file's alias loads, with its literals, and is saved under the main name.
    std::string level = soundtest::scratchPath("level.irr");
    std::ofstream(level) << R"(<?xml version="1.0"?><irr_scene><node type="irrKlangSceneNode2">
      <attributes><string name="Name" value="clock" /><enum name="PlayMode" value="play_once" />
      <enum name="EffectType" value="Multi-Pulse" /><int name="WaveCount" value="3" />
      </attributes></node></irr_scene>)";
    ASSERT_TRUE(scene->loadScene(level.c_str()));
    auto* node = static_cast<Node*>(scene->getSceneNodeFromName("clock"));
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->PlayMode, Node::EPM_PLAY_ONCE);
    EXPECT_EQ(node->EffectType, Node::EET_MULTI_PULSE);
    EXPECT_EQ(node->WaveCount, 3u);
    std::string saved = soundtest::scratchPath("saved.irr");
    ASSERT_TRUE(scene->saveScene(saved.c_str()));
    std::stringstream wide;
    wide << std::ifstream(saved).rdbuf();
    std::string text = wide.str();  // written in wide characters: keep the ASCII bytes
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    EXPECT_NE(text.find("type=\"irrKlangSceneNode\""), std::string::npos) << text;
    EXPECT_EQ(text.find("irrKlangSceneNode2"), std::string::npos);
}

}  // namespace
