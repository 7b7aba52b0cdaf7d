#include "graphics/GraphicsSystem.h"

#include "graphics/AimDot.h"
#include "graphics/DesktopSize.h"
#include "graphics/DrawCost.h"
#include "graphics/ScreenMessage.h"
#include "graphics/ShaderCallback.h"
#include "graphics/ShaderLimits.h"
#include "graphics/ShaderProbe.h"
#include "graphics/WaveLitDrawer.h"
#include "level/ContentFile.h"
#include "level/SandboxedContent.h"
#include "physics/PhysicsSystem.h"
#include "waves/WaveManager.h"
#include "world/GameObject.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace irr;

namespace {

video::E_DRIVER_TYPE chosenDriver = video::EDT_OPENGL;
core::dimension2du chosenSize(0, 0);  // 0x0: the desktop resolution
bool chosenFullscreen = true;

}  // namespace

void GraphicsSystem::useDriver(video::E_DRIVER_TYPE driverType) { chosenDriver = driverType; }

void GraphicsSystem::useWindowSize(core::dimension2du size, bool fullscreen) {
    chosenSize = size;
    chosenFullscreen = fullscreen;
}

GraphicsSystem& GraphicsSystem::instance() {
    static GraphicsSystem graphics;
    return graphics;
}

GraphicsSystem::GraphicsSystem()
    : device(nullptr), driver(nullptr), sceneManager(nullptr), timer(nullptr), lastTime(0),
      frameTime(0), waveMaterials(), wavesApplied(false), shadersCreated(false),
      slowestShadedFrameMs(kSlowestShadedFrameMs), running(true), variants(1), brokenSet(false) {
    SIrrlichtCreationParameters params;
    params.DriverType = chosenDriver;
    params.WindowSize = chosenSize;
    if (params.WindowSize.Width == 0)
        params.WindowSize =
            chosenDriver == video::EDT_NULL ? core::dimension2du(640, 480) : desktopSize();
    params.Bits = 32;
    params.Fullscreen = chosenFullscreen && chosenDriver != video::EDT_NULL;
    params.Stencilbuffer = true;
    params.Vsync = false;
    params.AntiAlias = 1;
    params.HighPrecisionFPU = false;
    params.EventReceiver = nullptr;

    if (params.WindowSize.Width == 0 || !(device = createDeviceEx(params))) {
        std::printf("Graphics: cannot open the game's window (no X display or no OpenGL); "
                    "the game cannot run without one\n");
        std::fflush(stdout);
        std::exit(1);
    }
    driver = device->getVideoDriver();
    sceneManager = device->getSceneManager();
    installSandboxedReaders(device);
    device->setWindowCaption(L"Velmora");
    timer = device->getTimer();
    lastTime = timer->getRealTime();
}

GraphicsSystem::~GraphicsSystem() {
    waveLitDrawer.reset();
    if (device) device->drop();
}

void GraphicsSystem::renderFrame() {
    running = device->run();
    if (running && driver) {
        const Graphics::DrawCost cost;
        const bool shaded = wavesApplied;
        driver->beginScene(true, true, video::SColor(255, 255, 255, 255));
        drawScene();
        driver->setTransform(video::ETS_WORLD, core::IdentityMatrix);
        PhysicsSystem::instance().drawDebug();
        Graphics::AimDot::instance().draw(driver);
        Graphics::ScreenMessage::instance().draw(device, frameTime);
        if (afterDraw) afterDraw();
        driver->endScene();
        if (shaded) watchShaderCost(cost.elapsedMs());
    }
    u32 now = timer->getRealTime();
    frameTime = fixedFrameTime >= 0 ? fixedFrameTime : static_cast<s32>(now - lastTime);
    lastTime = now;
}

// Only a cost the shaders keep up frame after frame turns them off; the player is told on screen.
void GraphicsSystem::watchShaderCost(double costMs) {
    slowShadedFrames = costMs > slowestShadedFrameMs ? slowShadedFrames + 1 : 0;
    if (slowShadedFrames < kSlowShadedFramesInARow || !wavesApplied) return;
    std::printf("Graphics: %d frames running with the wave shaders each cost over %.0f ms to draw; the "
                "level is drawn with the plain materials instead (F2 turns the shaders back on)\n",
                kSlowShadedFramesInARow, slowestShadedFrameMs);
    Graphics::ScreenMessage::instance().show("The wave view was too slow here and is off. F2 turns it back on.");
    toggleWaveShading();
}

// A set whose probe draw says a frame would cost too much is not used at all.
bool GraphicsSystem::probedTooSlow(const char* vertexFile, const char* pixelFile, s32 material,
                                   Graphics::ShaderCallback& callback) {
    if (driver->getDriverType() != video::EDT_OPENGL) return false;
    const double frameMs = Graphics::probeFrameCostMs(driver, video::E_MATERIAL_TYPE(material), callback);
    if (frameMs <= kSlowestProbedFrameMs) return false;
    std::printf("Graphics: shaders %s / %s would cost about %.0f ms to draw a frame (a probe draw at "
                "load), more than %u; %s\n",
                vertexFile, pixelFile, frameMs, kSlowestProbedFrameMs, withoutThisSet());
    return true;
}

void GraphicsSystem::drawScene() {
    // Only once no shader set is still to come: the drawing adds materials of its own, which
    // must not take the rim-lit set's ids.
    if (wavesApplied && waveLitDrawer && noSetToCome()) {
        WaveManager& waves = WaveManager::instance();
        waves.ensureEndMarker();
        waveLitDrawer->draw(waves.waveData());
    } else {
        sceneManager->drawAll();
    }
}

// What the game draws with when the set being made fails: before the wave-lit set there is
// nothing but the plain materials; after it, the level stays wave-lit and so do the objects
// that would have been rim-lit.
const char* GraphicsSystem::withoutThisSet() const {
    return shadersCreated ? "the carried object and the weapon stay wave-lit like the level"
                          : "the level keeps its plain materials";
}

bool GraphicsSystem::createShaderMaterials(const char* vertexFile, const char* pixelFile,
                                           bool apply) {
    buildShaderSet(vertexFile, pixelFile, apply);
    // At load, and after the sets: the drawing's own shaders take the ids that follow them.
    if (waveLitDrawer && noSetToCome() && !waveDrawingPrepared) {
        waveLitDrawer->prepare();
        waveDrawingPrepared = true;
    }
    return true;
}

void GraphicsSystem::buildShaderSet(const char* vertexFile, const char* pixelFile, bool apply) {
    // A set that fails takes fewer than 24 ids, so every set after it would be misnumbered:
    // the game then keeps to the sets it has.
    if (brokenSet) {
        std::printf("Graphics: skipping shaders %s / %s because an earlier shader set failed\n",
                    vertexFile, pixelFile);
        return;
    }
    // Irrlicht builds a set from a missing file without complaint, and it would draw the level
    // lit: a set needs both of its files. A directory in a file's place would make Irrlicht
    // allocate what its size query returns (LONG_MAX).
    for (const char* file : {vertexFile, pixelFile}) {
        std::string problem = contentFileProblem(file, kMostShaderBytes);
        if (!problem.empty()) {
            std::printf("Graphics: shader file %s %s; %s\n", file, problem.c_str(),
                        withoutThisSet());
            brokenSet = true;
            return;
        }
    }
    video::IGPUProgrammingServices* gpu = driver->getGPUProgrammingServices();
    Graphics::ShaderCallback* callback = new Graphics::ShaderCallback();
    s32 ids[BUILTIN_MATERIALS];
    for (int i = 0; i < BUILTIN_MATERIALS; ++i) {
        ids[i] = gpu ? gpu->addHighLevelShaderMaterialFromFiles(
                           vertexFile, "main", video::EVST_VS_1_1, pixelFile, "main",
                           video::EPST_PS_1_1, callback, static_cast<video::E_MATERIAL_TYPE>(i), 0)
                     : -1;
        if (ids[i] < 0) {
            std::printf("Graphics: shaders %s / %s failed to build; %s\n", vertexFile, pixelFile,
                        withoutThisSet());
            brokenSet = true;
            callback->drop();
            return;
        }
    }
    if (probedTooSlow(vertexFile, pixelFile, ids[video::EMT_SOLID], *callback)) {
        brokenSet = true;
        callback->drop();
        return;
    }
    if (!shadersCreated) {
        for (int i = 0; i < BUILTIN_MATERIALS; ++i) waveMaterials[i] = ids[i];
        waveLitDrawer.reset(new Graphics::WaveLitDrawer(device, WaveManager::instance(),
                                                        vertexFile, pixelFile,
                                                        ids[video::EMT_SOLID]));
    }
    callback->drop();
    shadersCreated = true;
    ++variants;
    if (apply) wavesApplied = applyMaterials(ids, sceneManager->getRootSceneNode(), false);
}

bool GraphicsSystem::applyMaterials(const s32 table[BUILTIN_MATERIALS], scene::ISceneNode* node,
                                    bool restore) {
    scene::ESCENE_NODE_TYPE type = node->getType();
    if ((type == scene::ESNT_MESH || type == scene::ESNT_ANIMATED_MESH) &&
        node->getMaterialCount() > 0) {
        s32 first = node->getMaterial(0).MaterialType;
        s32 base = first % BUILTIN_MATERIALS;
        s32 newType = restore ? base : table[base];
        for (u32 m = 0; m < node->getMaterialCount(); ++m)
            node->getMaterial(m).MaterialType = static_cast<video::E_MATERIAL_TYPE>(newType);
    }
    core::list<scene::ISceneNode*> children = node->getChildren();
    for (scene::ISceneNode* child : children) applyMaterials(table, child, restore);
    return true;
}

void GraphicsSystem::setMaterialVariant(GameObject* object, int variant) {
    scene::ISceneNode* node = object ? object->node : nullptr;
    if (!node || node->getMaterialCount() == 0) return;
    // Never a set that does not exist: a missing rim-lit set leaves the object wave-lit.
    if (variant >= variants) variant = variants - 1;
    if (variant < 0) variant = 0;
    s32 base = node->getMaterial(0).MaterialType % BUILTIN_MATERIALS;
    s32 newType = base + BUILTIN_MATERIALS * variant;
    for (u32 m = 0; m < node->getMaterialCount(); ++m)
        node->getMaterial(m).MaterialType = static_cast<video::E_MATERIAL_TYPE>(newType);
}

void GraphicsSystem::toggleWaveShading() {
    if (!shadersCreated) return;
    applyMaterials(waveMaterials, sceneManager->getRootSceneNode(), wavesApplied);
    wavesApplied = !wavesApplied;
    slowShadedFrames = 0;
}
