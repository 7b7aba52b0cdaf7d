#include <algorithm>
#include <fstream>
#include <sstream>

#include "EmitterScene.h"
#include "sound/CIrrKlangSceneNodeFactory.h"

using namespace irr;
using Node = CIrrKlangSceneNode;

namespace {

class SoundNodeFactoryTest : public EmitterScene {
protected:
    void SetUp() override {
        EmitterScene::SetUp();
        factory = new CIrrKlangSceneNodeFactory(engine, scene);
        scene->registerSceneNodeFactory(factory);
        factory->drop();
    }
    CIrrKlangSceneNodeFactory* factory = nullptr;
};

TEST_F(SoundNodeFactoryTest, CreatesEmittersByEitherNameAndNothingElse) {
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
    EXPECT_EQ(factory->getCreatableSceneNodeTypeCount(), 1u);
    EXPECT_EQ(factory->getCreateableSceneNodeTypeName(1u), nullptr);
}

TEST_F(SoundNodeFactoryTest, LevelFilesLoadEmittersAndSaveThemUnderTheMainName) {
    std::string level = soundtest::scratchPath("level.irr");
    std::ofstream(level) << R"(<?xml version="1.0"?>
<irr_scene>
  <node type="irrKlangSceneNode2">
    <attributes>
      <string name="Name" value="clock" />
      <vector3d name="Position" value="1.0, 2.0, 3.0" />
      <string name="SoundFileName" value="Content/sounds/clock.wav" />
      <enum name="PlayMode" value="play_once" />
      <enum name="EffectType" value="Multi-Pulse" />
      <vector3d name="EffectColor" value="1.0, 0.5, 0.25" />
      <float name="MaxRadius" value="30" />
      <int name="WaveCount" value="3" />
      <float name="WaveSpacing" value="4" />
    </attributes>
  </node>
</irr_scene>
)";
    ASSERT_TRUE(scene->loadScene(level.c_str()));
    auto* node = static_cast<Node*>(scene->getSceneNodeFromName("clock"));
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->getType(), Node::TYPE);
    EXPECT_EQ(node->getPosition(), core::vector3df(1, 2, 3));
    EXPECT_EQ(node->SoundFileName, "Content/sounds/clock.wav");
    EXPECT_EQ(node->PlayMode, Node::EPM_PLAY_ONCE);
    EXPECT_EQ(node->EffectType, Node::EET_MULTI_PULSE);
    EXPECT_EQ(node->EffectColor, core::vector3df(1.0f, 0.5f, 0.25f));
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
