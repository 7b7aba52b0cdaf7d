// One frame drawn both ways in a real OpenGL window: by the shader's own loop over every wave
// (drawAll) and by the tiled drawing with its culled waves and fixed-count shaders. The two may
// differ only where floating-point order differs: a few pixels, by one level.
// Each test runs in a process of its own, so each gets a fresh graphics system.
#include "WaveRoom.h"
#include "WaveScenes.h"
#include "graphics/GraphicsSystem.h"
#include "waves/WaveManager.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace irr;

namespace {

const int FEW_PIXELS = 8;

int litPixels(const std::vector<u8>& picture) {
    int lit = 0;
    for (size_t p = 0; p + 2 < picture.size(); p += 3)
        lit += picture[p] + picture[p + 1] + picture[p + 2] > 0;
    return lit;
}

// The loop's picture and the tiled one differ only where floating-point order does.
void expectAlike(const std::vector<u8>& loop, const std::vector<u8>& tiled, int minimumLit) {
    WaveScenes::Difference d = WaveScenes::compare(loop, tiled);
    EXPECT_LE(d.pixels, FEW_PIXELS);
    EXPECT_LE(d.largest, 1);
    EXPECT_GE(litPixels(loop), minimumLit);
}

// A window of its own with the shipped level or the plain room, the game's wave-lit set and
// the tiled drawing.
struct Window {
    IrrlichtDevice* device;
    std::unique_ptr<WaveScenes::WaveLit> waveLit;
    std::vector<f32> records;

    enum Scene { SHIPPED_LEVEL, PLAIN_ROOM, CLOSED_HALL };

    explicit Window(Scene scene) {
        device = createDevice(video::EDT_OPENGL, core::dimension2du(640, 480), 32, false, true,
                              false);
        if (!device) return;
        waveLit.reset(new WaveScenes::WaveLit(device));
        if (scene == SHIPPED_LEVEL) WaveScenes::loadShippedLevel(device->getSceneManager());
        if (scene == PLAIN_ROOM) WaveRoom::build(device->getSceneManager());
        if (scene == CLOSED_HALL) WaveScenes::buildHall(device->getSceneManager());
        WaveScenes::useMaterials(device->getSceneManager()->getRootSceneNode(), waveLit->table);
        waveLit->drawer->prepare();   // as the game does at load: then blocks go to OpenGL directly
    }
    ~Window() {
        waveLit.reset();
        if (device) device->drop();
    }

    std::vector<u8> frame(bool tiled) {
        waveLit->pointAt(records);
        device->run();
        video::IVideoDriver* driver = device->getVideoDriver();
        driver->beginScene(true, true, video::SColor(255, 255, 255, 255));
        if (tiled)
            waveLit->drawer->draw(records);
        else
            device->getSceneManager()->drawAll();
        std::vector<u8> picture = WaveScenes::readPixels(driver);
        driver->endScene();
        return picture;
    }

    void expectSamePicture(int minimumLit) {
        std::vector<u8> loop = frame(false);
        expectAlike(loop, frame(true), minimumLit);
        EXPECT_GT(waveLit->drawer->drawCalls(), 0);
    }
};

}  // namespace

TEST(WaveDrawing, ShippedLevelWithPulsesGlowsAndSpentWavesLooksTheSame) {
    Window window(Window::SHIPPED_LEVEL);
    ASSERT_TRUE(window.device && window.waveLit->built());
    // Over the whole level: ramps and ledges seen tilted, walls running off screen, waves
    // centred behind the eye, glows, and a quarter of the records spent (intensity 0).
    core::aabbox3df area = WaveScenes::meshBounds(window.device->getSceneManager());
    window.records = WaveScenes::spreadWaves(40, area, 3);
    for (size_t r = 0; r + 9 < window.records.size(); r += 9 * 4) window.records[r + 7] = 0;
    window.expectSamePicture(20000);
}

// Rings as large as the hall light nearly every tile with every wave: 14 records all come from
// the vertex stage, 15 and more partly from the uniform, 17 and more through a padded shader.
TEST(WaveDrawing, RoomSizeRingsOnEitherSideOfTheVaryingLimitLookTheSame) {
    Window window(Window::CLOSED_HALL);
    ASSERT_TRUE(window.device && window.waveLit->built());
    core::aabbox3df hall = WaveScenes::meshBounds(window.device->getSceneManager());
    for (int waves : {13, 14, 15, 18}) {
        SCOPED_TRACE(waves);
        window.records = WaveScenes::roomSizeRings(waves, hall, 5);
        window.expectSamePicture(200000);
    }
}

TEST(WaveDrawing, ManyWavesOnOneWallAndNoWavesAtAll) {
    Window window(Window::PLAIN_ROOM);
    ASSERT_TRUE(window.device && window.waveLit->built());
    // The crate's debug views, which the level file can turn on, drawn over it.
    scene::ISceneNode* crate = nullptr;
    scene::ISceneNode* root = window.device->getSceneManager()->getRootSceneNode();
    for (scene::ISceneNode* node : root->getChildren())
        if (node->getPosition() == core::vector3df(4, 1, 4)) crate = node;
    ASSERT_TRUE(crate);
    crate->setDebugDataVisible(scene::EDS_BBOX | scene::EDS_MESH_WIRE_OVERLAY);
    // Something transparent in front of the wall must blend over the wall, not under it.
    scene::IBillboardSceneNode* haze = window.device->getSceneManager()->addBillboardSceneNode(
        nullptr, core::dimension2df(10, 10), core::vector3df(0, 6, 15));
    haze->setMaterialFlag(video::EMF_LIGHTING, false);
    haze->setMaterialType(video::EMT_TRANSPARENT_ADD_COLOR);
    haze->setColor(video::SColor(255, 40, 60, 80));
    // 64 records, more than the shader reads, crowded on the back wall and the crate.
    for (int i = 0; i < 70; ++i) {
        f32 record[9] = {static_cast<f32>(i % 9 - 4) * 2, 1.0f + (i % 5), 19.0f, 1, 0.5f, 0.25f,
                         2.0f + (i % 7), 0.8f, i % 3 == 0 ? -1.0f : 3.0f};
        window.records.insert(window.records.end(), record, record + 9);
    }
    window.records.insert(window.records.end(), 9, -1.0f);
    window.expectSamePicture(5000);

    window.records.assign(9, -1.0f);
    haze->setVisible(false);
    crate->setDebugDataVisible(scene::EDS_OFF);
    std::vector<u8> dark = window.frame(true);
    EXPECT_EQ(litPixels(dark), 0);
    EXPECT_EQ(WaveScenes::compare(window.frame(false), dark).pixels, 0);
}

// A pixel file that does not build for two waves: blocks of two go through the renderer with
// the shader's loop, between blocks drawn straight through OpenGL, which must then bind their
// own program and vertex arrays again.
TEST(WaveDrawing, BlocksDrawnAfterOneTheFixedCountShaderFailedForLookTheSame) {
    const std::filesystem::path game = std::filesystem::current_path();
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("velmora-fallback-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(game / "shader.vsh", dir / "shader.vsh");
    std::ifstream original(game / "shader2.fsh");
    std::ofstream(dir / "shader2.fsh")
        << original.rdbuf() << "\n#ifdef WAVE_COUNT\n#if WAVE_COUNT == 2\nno shader for two;\n#endif\n#endif\n";
    std::filesystem::current_path(dir);
    {
        Window window(Window::CLOSED_HALL);
        ASSERT_TRUE(window.device && window.waveLit->built());
        window.records = WaveScenes::spreadWaves(30, WaveScenes::meshBounds(window.device->getSceneManager()), 7);
        window.expectSamePicture(20000);
    }
    std::filesystem::current_path(game);
    std::filesystem::remove_all(dir);
}

TEST(WaveDrawing, TheGameDrawsItsWaveLitFramesTiledAndBuildsNoShaderInPlay) {
    GraphicsSystem::useWindowSize(core::dimension2du(640, 480), false);
    GraphicsSystem& g = GraphicsSystem::instance();
    ASSERT_TRUE(WaveScenes::loadShippedLevel(g.sceneManager));
    g.createShaderMaterials("shader.vsh", "shader2.fsh", true);
    EXPECT_EQ(g.driver->getMaterialRendererCount(), 48u);   // the rim-lit set's ids still free
    g.createShaderMaterials("rimShader.vsh", "rimShader.fsh", false);
    const u32 builtAtLoad = g.driver->getMaterialRendererCount();
    EXPECT_GT(builtAtLoad, 72u);   // the fixed-count shaders, after both sets
    // The carried object keeps its rim-lit shader.
    scene::ISceneNode* crate = g.sceneManager->getSceneNodeFromName("Crate1");
    ASSERT_TRUE(crate);
    crate->getMaterial(0).MaterialType = static_cast<video::E_MATERIAL_TYPE>(48);

    // The first frames of play, with one more live wave each, up to 16 and then 30.
    WaveManager& waves = WaveManager::instance();
    g.fixedFrameTime = 10;
    std::vector<u8> tiled;
    g.afterDraw = [&] { tiled = WaveScenes::readPixels(g.driver); };
    for (int i = 0; i < 30; ++i) {
        waves.addPulse(core::vector3df(static_cast<f32>(i % 4 - 2) * 6, 0.5f,
                                       static_cast<f32>(i / 4 % 4) * 8 - 14),
                       40, 4, 10, 1, 3.0f + i % 12, core::vector3df(0.7f, 0.8f, 1.0f));
        if (i < 16 || i == 29) g.renderFrame();
        EXPECT_EQ(g.driver->getMaterialRendererCount(), builtAtLoad) << i + 1 << " waves";
    }

    g.device->run();
    g.driver->beginScene(true, true, video::SColor(255, 255, 255, 255));
    g.sceneManager->drawAll();
    std::vector<u8> loop = WaveScenes::readPixels(g.driver);
    g.driver->endScene();
    expectAlike(loop, tiled, 20000);

    // F2: the built-in materials, drawn by drawAll.
    g.toggleWaveShading();
    g.renderFrame();
    EXPECT_GT(litPixels(tiled), litPixels(loop));
}
