// Shader material sets and their application to a real scene tree, in a real OpenGL window.
// Each test runs in a process of its own, so each gets a fresh graphics system.
#include "graphics/GraphicsSystem.h"
#include "world/GameObject.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

using namespace irr;

namespace {

struct Materials : ::testing::Test {
    GraphicsSystem* g = nullptr;
    scene::IMeshSceneNode* mesh = nullptr;       // two materials of different built-in types
    scene::IMeshSceneNode* nested = nullptr;     // a mesh under an empty node
    scene::IBillboardSceneNode* billboard = nullptr;

    void SetUp() override {
        GraphicsSystem::useWindowSize(core::dimension2du(320, 240), false);
        g = &GraphicsSystem::instance();
        scene::ISceneManager* smgr = g->sceneManager;
        scene::SMesh* m = new scene::SMesh();
        for (int i = 0; i < 2; ++i) {
            scene::SMeshBuffer* b = new scene::SMeshBuffer();
            b->Material.MaterialType = i == 0 ? video::EMT_TRANSPARENT_ADD_COLOR : video::EMT_SOLID;
            m->addMeshBuffer(b);
            b->drop();
        }
        mesh = smgr->addMeshSceneNode(m);
        scene::ISceneNode* empty = smgr->addEmptySceneNode();
        nested = smgr->addMeshSceneNode(m, empty);
        billboard = smgr->addBillboardSceneNode(empty);
        billboard->getMaterial(0).MaterialType = video::EMT_TRANSPARENT_ALPHA_CHANNEL;
        m->drop();
    }

    static s32 type(scene::ISceneNode* n, u32 i = 0) { return n->getMaterial(i).MaterialType; }
};

}  // namespace

TEST_F(Materials, FrameTimeIsZeroUntilTheFirstFrameThenMeasured) {
    EXPECT_EQ(g->frameTime, 0);
    EXPECT_FALSE(g->shadersCreated);
    g->toggleWaveShading();  // before any shader set: nothing happens
    EXPECT_FALSE(g->wavesApplied);
    EXPECT_EQ(type(mesh), video::EMT_TRANSPARENT_ADD_COLOR);
    g->device->sleep(20);
    g->renderFrame();
    EXPECT_GE(g->frameTime, 20);
    g->fixedFrameTime = 7;
    g->renderFrame();
    EXPECT_EQ(g->frameTime, 7);
}

TEST_F(Materials, SetsTakeConsecutiveIdsAndApplyByTheFirstMaterialsType) {
    ASSERT_TRUE(g->createShaderMaterials("shader.vsh", "shader2.fsh", true));
    ASSERT_TRUE(g->createShaderMaterials("rimShader.vsh", "rimShader.fsh", false));
    for (int t = 0; t < 24; ++t) EXPECT_EQ(g->waveMaterials[t], 24 + t);
    EXPECT_EQ(g->variantCount(), 3);
    EXPECT_TRUE(g->wavesApplied);

    const s32 add = video::EMT_TRANSPARENT_ADD_COLOR;
    EXPECT_EQ(type(mesh, 0), 24 + add);
    EXPECT_EQ(type(mesh, 1), 24 + add);  // all materials follow the first one's type
    EXPECT_EQ(type(nested, 1), 24 + add);
    EXPECT_EQ(type(billboard), video::EMT_TRANSPARENT_ALPHA_CHANNEL);

    g->toggleWaveShading();
    EXPECT_FALSE(g->wavesApplied);
    EXPECT_EQ(type(mesh, 1), add);
    EXPECT_EQ(type(nested, 0), add);
    g->toggleWaveShading();
    EXPECT_TRUE(g->wavesApplied);
    EXPECT_EQ(type(nested, 1), 24 + add);
    EXPECT_EQ(type(billboard), video::EMT_TRANSPARENT_ALPHA_CHANNEL);

    GameObject held;
    held.node = mesh;
    g->setMaterialVariant(&held, 2);
    EXPECT_EQ(type(mesh, 0), 48 + add);
    EXPECT_EQ(type(mesh, 1), 48 + add);
    EXPECT_EQ(type(nested, 0), 24 + add);  // only the object's own node changes
    g->setMaterialVariant(&held, 1);
    EXPECT_EQ(type(mesh, 1), 24 + add);
    g->renderFrame();  // draws with the shader materials without failing
}

TEST_F(Materials, BrokenShaderKeepsPlainMaterialsAndNoLaterSet) {
    const char* broken = "broken_test_shader.fsh";
    std::ofstream(broken) << "void main() { this is not GLSL }\n";
    testing::internal::CaptureStdout();
    g->createShaderMaterials("shader.vsh", broken, true);
    g->createShaderMaterials("rimShader.vsh", "rimShader.fsh", false);
    std::string out = testing::internal::GetCapturedStdout();
    std::remove(broken);

    EXPECT_NE(out.find("Graphics: shaders shader.vsh / broken_test_shader.fsh failed"),
              std::string::npos) << out;
    EXPECT_NE(out.find("Graphics: skipping shaders rimShader.vsh / rimShader.fsh"),
              std::string::npos) << out;
    EXPECT_FALSE(g->shadersCreated);
    EXPECT_FALSE(g->wavesApplied);
    EXPECT_EQ(g->variantCount(), 1);
    EXPECT_EQ(type(mesh), video::EMT_TRANSPARENT_ADD_COLOR);
    g->toggleWaveShading();
    EXPECT_EQ(type(mesh), video::EMT_TRANSPARENT_ADD_COLOR);

    GameObject held;
    held.node = mesh;
    g->setMaterialVariant(&held, 2);  // no rim-lit set: stays on the built-in type
    EXPECT_EQ(type(mesh, 1), video::EMT_TRANSPARENT_ADD_COLOR);
}

TEST_F(Materials, WhenOnlyTheRimLitSetFailsTheLevelStaysWaveLitAndSaysSo) {
    const char* broken = "broken_rim_shader.fsh";
    std::ofstream(broken) << "void main() { not GLSL either }\n";
    testing::internal::CaptureStdout();
    g->createShaderMaterials("shader.vsh", "shader2.fsh", true);
    g->createShaderMaterials("rimShader.vsh", broken, false);
    g->createShaderMaterials("rimShader.vsh", "no_such_rim.fsh", false);
    std::string out = testing::internal::GetCapturedStdout();
    std::remove(broken);

    // Irrlicht prints the compiler's log before.
    EXPECT_NE(out.find("\nGraphics: shaders rimShader.vsh / broken_rim_shader.fsh failed to build; "
                       "the carried object and the weapon stay wave-lit like the level\n"
                       "Graphics: skipping shaders rimShader.vsh / no_such_rim.fsh because an "
                       "earlier shader set failed\n"),
              std::string::npos) << out;
    EXPECT_EQ(out.find("plain materials"), std::string::npos) << out;
    EXPECT_TRUE(g->wavesApplied);
    EXPECT_EQ(type(mesh), 24 + video::EMT_TRANSPARENT_ADD_COLOR);
    GameObject held;
    held.node = mesh;
    g->setMaterialVariant(&held, 2);
    EXPECT_EQ(type(mesh), 24 + video::EMT_TRANSPARENT_ADD_COLOR);
}

TEST_F(Materials, AMissingShaderFileIsReportedAndNoSetIsMade) {
    testing::internal::CaptureStdout();
    g->createShaderMaterials("no_such_shader.vsh", "shader2.fsh", true);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Graphics: shader file no_such_shader.vsh is missing"), std::string::npos)
        << out;
    EXPECT_FALSE(g->shadersCreated);
    EXPECT_EQ(type(mesh), video::EMT_TRANSPARENT_ADD_COLOR);
}
