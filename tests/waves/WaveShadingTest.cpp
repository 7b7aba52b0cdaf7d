// The wave-lit shaders on a real OpenGL window: waves show as light where they pass and
// nowhere else. Needs an X display (the test script runs a virtual one).

#include "WaveRoom.h"
#include "WaveTestKit.h"
#include "graphics/ShaderCallback.h"
#include "harness/Screenshot.h"
#include "waves/WaveManager.h"
#include "world/CaneTapWave.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

using namespace irr;

namespace {

// One window for the whole suite, with the game's two shader sets. Every test gets a fresh room
// and a fresh wave manager of its own, drawn through shader sets fed from that manager.
class WaveShadingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        GraphicsSystem::useWindowSize(core::dimension2du(640, 480), false);
        GraphicsSystem& graphics = GraphicsSystem::instance();
        graphics.createShaderMaterials("shader.vsh", "shader2.fsh", true);
        graphics.createShaderMaterials("rimShader.vsh", "rimShader.fsh", false);
    }

    void SetUp() override {
        GraphicsSystem& graphics = GraphicsSystem::instance();
        ASSERT_EQ(3, graphics.variantCount()) << "a shader set failed to build";
        scene = graphics.sceneManager;
        scene->clear();
        WaveRoom::build(scene);
        ASSERT_TRUE(makeShaderSet("shader.vsh", "shader2.fsh", waveLit));
        ASSERT_TRUE(makeShaderSet("rimShader.vsh", "rimShader.fsh", rimLit));
        graphics.applyMaterials(waveLit, scene->getRootSceneNode(), false);
    }

    bool makeShaderSet(const char* vertexFile, const char* pixelFile, s32* table) {
        video::IVideoDriver* driver = GraphicsSystem::instance().driver;
        // The game finds a material's base type as its id modulo 24, so a set starts at a
        // multiple of 24; the game's fixed-count shaders follow its own sets.
        while (driver->getMaterialRendererCount() % GraphicsSystem::BUILTIN_MATERIALS != 0)
            driver->addMaterialRenderer(driver->getMaterialRenderer(video::EMT_SOLID));
        video::IGPUProgrammingServices* gpu = driver->getGPUProgrammingServices();
        Graphics::ShaderCallback* callback = new Graphics::ShaderCallback(waves);
        for (int i = 0; i < GraphicsSystem::BUILTIN_MATERIALS; ++i)
            table[i] = gpu->addHighLevelShaderMaterialFromFiles(
                vertexFile, "main", video::EVST_VS_1_1, pixelFile, "main", video::EPST_PS_1_1,
                callback, static_cast<video::E_MATERIAL_TYPE>(i), 0);
        callback->drop();
        return table[0] >= 0;
    }

    // Draws a frame (waves as they are; their time does not move) and keeps what it showed.
    Snapshot draw(const char* name) {
        Snapshot shot;
        GraphicsSystem& graphics = GraphicsSystem::instance();
        graphics.afterDraw = [&shot] { shot = readBackBuffer(); };
        graphics.renderFrame();
        graphics.afterDraw = nullptr;
        if (const char* dir = std::getenv("VELMORA_SHOTS")) savePng(shot, std::string(dir) + "/" + name);
        return shot;
    }

    // Brightest pixel within two pixels of where the world point is seen.
    video::SColor brightestNear(const Snapshot& shot, const core::vector3df& point) {
        core::position2di p = WaveRoom::project(scene, point);
        video::SColor best(255, 0, 0, 0);
        for (int y = std::max(p.Y - 2, 0); y <= std::min(p.Y + 2, int(shot.height) - 1); ++y)
            for (int x = std::max(p.X - 2, 0); x <= std::min(p.X + 2, int(shot.width) - 1); ++x)
                if (shot.at(x, y).getLuminance() > best.getLuminance()) best = shot.at(x, y);
        return best;
    }

    float brightnessAround(const Snapshot& shot, const core::vector3df& point, int half = 4) {
        core::position2di p = WaveRoom::project(scene, point);
        return shot.brightness(p.X - half, p.Y - half, p.X + half + 1, p.Y + half + 1);
    }

    scene::ISceneManager* scene = nullptr;
    WaveManager waves;
    s32 waveLit[GraphicsSystem::BUILTIN_MATERIALS];
    s32 rimLit[GraphicsSystem::BUILTIN_MATERIALS];
};

// Light is wave colour x surface colour: the channel ratios match, whatever the brightness.
void expectHue(const video::SColor& seen, const video::SColorf& expected, float tolerance) {
    const float want[3] = {expected.r, expected.g, expected.b};
    const float got[3] = {float(seen.getRed()), float(seen.getGreen()), float(seen.getBlue())};
    const int strongest = int(std::max_element(want, want + 3) - want);
    const float scale = got[strongest] / (255.0f * want[strongest]);
    for (int c = 0; c < 3; ++c) {
        if (c == strongest) continue;
        EXPECT_NEAR(want[c] * scale * 255.0f, got[c], tolerance) << c;
    }
}

video::SColorf onFloor(float r, float g, float b) {
    const video::SColorf floor(WaveRoom::FLOOR_COLOUR);
    return video::SColorf(r * floor.r, g * floor.g, b * floor.b);
}

TEST_F(WaveShadingTest, WithoutWavesTheFrameIsDarkUntilToggled) {
    Snapshot dark = draw("no-waves.png");
    ASSERT_EQ(640u, dark.width);
    EXPECT_LT(dark.brightness(0, 0, 640, 480), 1.0f);
    GraphicsSystem& graphics = GraphicsSystem::instance();
    graphics.toggleWaveShading();
    Snapshot plain = draw("toggled.png");
    core::position2di p = WaveRoom::project(scene, core::vector3df(0, 0, 0));
    EXPECT_NEAR(WaveRoom::FLOOR_COLOUR.getRed(), plain.at(p.X, p.Y).getRed(), 3);
    EXPECT_NEAR(WaveRoom::FLOOR_COLOUR.getBlue(), plain.at(p.X, p.Y).getBlue(), 3);
    graphics.toggleWaveShading();
    EXPECT_LT(draw("toggled-back.png").brightness(0, 0, 640, 480), 1.0f);
}

TEST_F(WaveShadingTest, FreePulseLightsARingWhereItsProjectionSays) {
    const core::vector3df centre(-4, 0, -2);
    const float radius = 7;
    waves.addPulse(centre, 16, 3, 4, 1.0f, radius, core::vector3df(0.3f, 0.7f, 1.0f));
    Snapshot shot = draw("pulse.png");
    for (int a = 0; a < 360; a += 45) {
        if (a == 45) continue;   // behind the crate from this camera
        float angle = a * core::DEGTORAD;
        core::vector3df out = core::vector3df(std::cos(angle), 0, std::sin(angle)) * radius;
        video::SColor seen = brightestNear(shot, centre + out);
        SCOPED_TRACE(a);
        EXPECT_GT(seen.getBlue(), 80u);
        expectHue(seen, onFloor(0.3f, 0.7f, 1.0f), 14.0f);
        // Well outside the front and well behind its trail the floor stays dark.
        EXPECT_LT(brightnessAround(shot, centre + out * 1.25f), 2.0f);
        EXPECT_LT(brightnessAround(shot, centre + out * 0.3f), 2.0f);
    }
    EXPECT_LT(brightnessAround(shot, core::vector3df(8, 10, 20), 20), 1.0f);   // out of reach
}

TEST_F(WaveShadingTest, GlowLightsADiscEvenly) {
    CIrrKlangSceneNode* node = addEmitterNode(core::vector3df(-6, 0, -4), 5);
    node->EffectType = CIrrKlangSceneNode::EET_GLOW;
    node->MinRadius = 2;
    node->MaxIntensity = 0.8f;
    node->EffectColor = core::vector3df(1.0f, 0.5f, 0.2f);
    waves.addNodeWave(node);
    Snapshot shot = draw("glow.png");
    const core::vector3df centre = node->getAbsolutePosition();
    float middle = brightnessAround(shot, centre);
    EXPECT_GT(middle, 40.0f);
    for (int a = 0; a < 360; a += 90) {
        core::vector3df out(std::cos(a * core::DEGTORAD), 0, std::sin(a * core::DEGTORAD));
        SCOPED_TRACE(a);
        EXPECT_NEAR(middle, brightnessAround(shot, centre + out * 3.5f), middle * 0.1f);
        EXPECT_LT(brightnessAround(shot, centre + out * 6.5f), 1.0f);
        expectHue(brightestNear(shot, centre + out * 2.0f), onFloor(1.0f, 0.5f, 0.2f), 10.0f);
    }
}

TEST_F(WaveShadingTest, ObjectsAreLitWhereTheyStandInTheWorld) {
    // The crate's mesh is centred on its own origin; only its world transform puts its front
    // face (z = 3) inside this pulse's trail.
    waves.addPulse(core::vector3df(4, 1, 0), 20, 3, 4, 1.0f, 3.5f, core::vector3df(1, 1, 1));
    Snapshot shot = draw("crate.png");
    EXPECT_GT(brightnessAround(shot, core::vector3df(4, 1, 3), 2), 20.0f);
    EXPECT_LT(brightnessAround(shot, core::vector3df(4, 0, -6), 2), 1.0f);
}

TEST_F(WaveShadingTest, RimLitObjectShowsItsOutlineWithoutWaves) {
    scene::ISceneNode* crate = nullptr;
    for (scene::ISceneNode* node : scene->getRootSceneNode()->getChildren())
        if (node->getPosition() == core::vector3df(4, 1, 4)) crate = node;
    ASSERT_NE(nullptr, crate);
    crate->setRotation(core::vector3df(0, 35, 0));
    for (u32 m = 0; m < crate->getMaterialCount(); ++m)
        crate->getMaterial(m).MaterialType = static_cast<video::E_MATERIAL_TYPE>(rimLit[0]);
    Snapshot shot = draw("rim.png");
    EXPECT_GT(brightnessAround(shot, core::vector3df(4, 1, 4), 20), 2.0f);
    EXPECT_LT(shot.brightness(0, 0, 640, 480), 1.0f);
    EXPECT_LT(brightnessAround(shot, core::vector3df(-8, 0, -8), 20), 1.0f);
}

TEST_F(WaveShadingTest, ARimLitFaceTurnedToTheEyeGlowsInItsOwnColourAndLightsNothingElse) {
    scene::ISceneNode* crate = nullptr;
    for (scene::ISceneNode* node : scene->getRootSceneNode()->getChildren())
        if (node->getPosition() == core::vector3df(4, 1, 4)) crate = node;
    ASSERT_NE(nullptr, crate);
    for (u32 m = 0; m < crate->getMaterialCount(); ++m)
        crate->getMaterial(m).MaterialType = static_cast<video::E_MATERIAL_TYPE>(rimLit[0]);
    Snapshot shot = draw("rim_face.png");
    core::position2di face = WaveRoom::project(scene, core::vector3df(4, 1, 3));  // the front face
    float seen = shot.brightness(face.X - 4, face.Y - 4, face.X + 4, face.Y + 4);
    std::printf("a face turned to the eye shows at brightness %.1f of 255\n", seen);
    EXPECT_GT(seen, 10.0f);
    EXPECT_LT(seen, 60.0f);  // a glow, not a lamp
    expectHue(shot.at(u32(face.X), u32(face.Y)), video::SColorf(WaveRoom::CRATE_COLOUR), 3.0f);
    EXPECT_LT(brightnessAround(shot, core::vector3df(-8, 0, -8), 20), 1.0f);
    EXPECT_LT(brightnessAround(shot, core::vector3df(4, 0, 0), 8), 1.0f);  // the floor before it
}

TEST_F(WaveShadingTest, ACaneTapLeavesTheWallsLitForASecondAndAHalfThenDark) {
    // A tap in the middle of the room: its front reaches the walls' middles (20 away) at 0.25 s.
    sendCaneTapWave(waves, core::vector3df(0, 0, 0));
    const core::vector3df walls[] = {{0, 6, 20}, {-20, 6, 4}, {20, 6, 4}};
    auto playUntil = [this](int ms) {
        for (int t = 0; t < ms; t += 50) {
            GraphicsSystem::instance().frameTime = 50;
            waves.update();
        }
    };
    playUntil(250 + 1500);
    Snapshot late = draw("tap-1.5s-after.png");
    for (const core::vector3df& wall : walls) EXPECT_GT(brightnessAround(late, wall), 6.0f) << wall.X;
    playUntil(3000 - 1500);
    EXPECT_LT(draw("tap-3s-after.png").brightness(0, 0, 640, 480), 1.0f);
}

}  // namespace
