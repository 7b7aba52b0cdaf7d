// The wave-lit shaders on a real OpenGL window: waves show as light where they pass and
// nowhere else. Needs an X display (the test script runs a virtual one).

#include "WaveRoom.h"
#include "graphics/GraphicsSystem.h"
#include "harness/Screenshot.h"
#include "waves/WaveManager.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

using namespace irr;

namespace {

class WaveShadingTest : public ::testing::Test {
protected:
    void SetUp() override {
        GraphicsSystem::useWindowSize(core::dimension2du(640, 480), false);
        GraphicsSystem& graphics = GraphicsSystem::instance();
        scene = graphics.sceneManager;
        WaveRoom::build(scene);
        graphics.createShaderMaterials("shader.vsh", "shader2.fsh", true);
        graphics.createShaderMaterials("rimShader.vsh", "rimShader.fsh", false);
        ASSERT_EQ(3, graphics.variantCount()) << "a shader set failed to build";
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

    // Brightest pixel (as r, g, b) within two pixels of where the world point is seen.
    video::SColor brightestNear(const Snapshot& shot, const core::vector3df& point) {
        core::position2di p = WaveRoom::project(scene, point);
        video::SColor best(255, 0, 0, 0);
        for (int y = p.Y - 2; y <= p.Y + 2; ++y)
            for (int x = p.X - 2; x <= p.X + 2; ++x)
                if (x >= 0 && y >= 0 && x < int(shot.width) && y < int(shot.height) &&
                    shot.at(x, y).getLuminance() > best.getLuminance())
                    best = shot.at(x, y);
        return best;
    }

    float brightnessAround(const Snapshot& shot, const core::vector3df& point, int half = 4) {
        core::position2di p = WaveRoom::project(scene, point);
        return shot.brightness(p.X - half, p.Y - half, p.X + half + 1, p.Y + half + 1);
    }

    scene::ISceneManager* scene = nullptr;
};

// Light is wave colour x surface colour: compare the channel ratios, whatever the brightness.
void expectHue(const video::SColor& seen, const video::SColorf& expected) {
    float scale = seen.getBlue() / (255.0f * expected.b);
    EXPECT_NEAR(expected.r * scale * 255.0f, seen.getRed(), 14.0f);
    EXPECT_NEAR(expected.g * scale * 255.0f, seen.getGreen(), 14.0f);
}

TEST_F(WaveShadingTest, WithoutWavesTheFrameIsDark) {
    Snapshot shot = draw("no-waves.png");
    ASSERT_EQ(640u, shot.width);
    EXPECT_LT(shot.brightness(0, 0, 640, 480), 1.0f);
}

TEST_F(WaveShadingTest, FreePulseLightsARingWhereItsProjectionSays) {
    const core::vector3df centre(-4, 0, -2);
    const float radius = 7;
    const video::SColorf colour(0.3f, 0.7f, 1.0f);
    WaveManager::instance().addPulse(centre, 16, 3, 4, 1.0f, radius,
                                     core::vector3df(colour.r, colour.g, colour.b));
    Snapshot shot = draw("pulse.png");

    const video::SColorf floor(WaveRoom::FLOOR_COLOUR);
    const video::SColorf lit(colour.r * floor.r, colour.g * floor.g, colour.b * floor.b);
    for (int a = 0; a < 360; a += 45) {
        float angle = a * core::DEGTORAD;
        core::vector3df onRing = centre + core::vector3df(std::cos(angle), 0, std::sin(angle)) * radius;
        if (a == 45) continue;  // behind the crate from this camera
        video::SColor seen = brightestNear(shot, onRing);
        SCOPED_TRACE(a);
        EXPECT_GT(seen.getBlue(), 80u);
        expectHue(seen, lit);
        // Well outside the front and well behind its trail the floor stays dark.
        EXPECT_LT(brightnessAround(shot, centre + (onRing - centre) * 1.25f), 2.0f);
        EXPECT_LT(brightnessAround(shot, centre + (onRing - centre) * 0.3f), 2.0f);
    }
    // The back wall is out of reach.
    EXPECT_LT(brightnessAround(shot, core::vector3df(8, 10, 20), 20), 1.0f);
}

TEST_F(WaveShadingTest, ToggleShowsTheBuiltInMaterials) {
    GraphicsSystem& graphics = GraphicsSystem::instance();
    graphics.toggleWaveShading();
    Snapshot plain = draw("toggled.png");
    core::position2di p = WaveRoom::project(scene, core::vector3df(0, 0, 0));
    video::SColor floor = plain.at(p.X, p.Y);
    EXPECT_NEAR(WaveRoom::FLOOR_COLOUR.getRed(), floor.getRed(), 3);
    EXPECT_NEAR(WaveRoom::FLOOR_COLOUR.getBlue(), floor.getBlue(), 3);
    graphics.toggleWaveShading();
    EXPECT_LT(draw("toggled-back.png").brightness(0, 0, 640, 480), 1.0f);
}

}  // namespace
