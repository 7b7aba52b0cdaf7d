// Frame time of the wave-lit shaders with 0, 8, 32 and 64 waves against the same view drawn with
// the built-in materials, at 640x480 and 1280x720. The configurations take turns frame by frame
// and each reports its median frame, so that other load on the machine hits all of them alike.
// Run from game/ (the shader files are read from there) on an X display.

#include "WaveRoom.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ShaderCallback.h"
#include "waves/WaveManager.h"

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace irr;

namespace {

const int ROUNDS = 60;
const int WAVE_COUNTS[] = {0, 8, 32, 64};

// One way of drawing the view: a material table (none for the built-in materials) and the
// waves its shader callback sends.
struct Setup {
    std::unique_ptr<WaveManager> waves;
    s32 table[GraphicsSystem::BUILTIN_MATERIALS];
    bool builtIn = true;
    std::vector<double> frames;   // in msec

    double median() {
        std::sort(frames.begin(), frames.end());
        return frames[frames.size() / 2];
    }
};

// Pulses spread over the floor with their fronts at assorted radii.
void addPulses(WaveManager& waves, int count) {
    for (int i = 0; i < count; ++i) {
        float x = static_cast<float>(std::rand() % 36 - 18);
        float z = static_cast<float>(std::rand() % 36 - 18);
        float radius = 4.0f + static_cast<float>(std::rand() % 12);
        waves.addPulse(core::vector3df(x, 0, z), 20, 8, 10, 1, radius,
                       core::vector3df(0.6f, 0.8f, 1.0f));
    }
}

bool createShaderSet(video::IVideoDriver* driver, Setup& setup, int waveCount) {
    setup.waves.reset(new WaveManager());
    addPulses(*setup.waves, waveCount);
    Graphics::ShaderCallback* callback = new Graphics::ShaderCallback(*setup.waves);
    video::IGPUProgrammingServices* gpu = driver->getGPUProgrammingServices();
    for (int i = 0; i < GraphicsSystem::BUILTIN_MATERIALS; ++i)
        setup.table[i] = gpu->addHighLevelShaderMaterialFromFiles(
            "shader.vsh", "main", video::EVST_VS_1_1, "shader2.fsh", "main", video::EPST_PS_1_1,
            callback, static_cast<video::E_MATERIAL_TYPE>(i), 0);
    callback->drop();
    setup.builtIn = false;
    return setup.table[0] >= 0;
}

// Puts every node on the setup's materials; `base` holds each material's built-in type.
void useMaterials(scene::ISceneManager* scene, const Setup& setup,
                  const std::vector<video::E_MATERIAL_TYPE>& base) {
    size_t k = 0;
    for (scene::ISceneNode* node : scene->getRootSceneNode()->getChildren())
        for (u32 m = 0; m < node->getMaterialCount(); ++m, ++k)
            node->getMaterial(m).MaterialType =
                setup.builtIn ? base[k]
                              : static_cast<video::E_MATERIAL_TYPE>(setup.table[base[k]]);
}

double drawFrame(IrrlichtDevice* device) {
    video::IVideoDriver* driver = device->getVideoDriver();
    auto start = std::chrono::steady_clock::now();
    device->run();
    driver->beginScene(true, true, video::SColor(255, 255, 255, 255));
    device->getSceneManager()->drawAll();
    driver->endScene();
    glFinish();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

bool measure(u32 width, u32 height) {
    IrrlichtDevice* device = createDevice(video::EDT_OPENGL, core::dimension2du(width, height),
                                          32, false, true, false);
    if (!device) {
        std::printf("wave_shader_bench: no OpenGL window (is DISPLAY set?)\n");
        return false;
    }
    scene::ISceneManager* scene = device->getSceneManager();
    WaveRoom::build(scene);

    std::vector<Setup> setups(1 + sizeof(WAVE_COUNTS) / sizeof(WAVE_COUNTS[0]));
    for (size_t i = 1; i < setups.size(); ++i) {
        if (!createShaderSet(device->getVideoDriver(), setups[i], WAVE_COUNTS[i - 1])) {
            std::printf("wave_shader_bench: the wave shaders did not build (run from game/)\n");
            device->drop();
            return false;
        }
    }
    std::vector<video::E_MATERIAL_TYPE> base;
    for (scene::ISceneNode* node : scene->getRootSceneNode()->getChildren())
        for (u32 m = 0; m < node->getMaterialCount(); ++m)
            base.push_back(node->getMaterial(m).MaterialType);
    for (int round = -2; round < ROUNDS; ++round)
        for (Setup& setup : setups) {
            useMaterials(scene, setup, base);
            double ms = drawFrame(device);
            if (round >= 0) setup.frames.push_back(ms);
        }

    double builtIn = setups[0].median();
    std::printf("%4ux%-4u built-in  %7.2f ms/frame\n", width, height, builtIn);
    for (size_t i = 1; i < setups.size(); ++i) {
        double shaded = setups[i].median();
        std::printf("%4ux%-4u %2d waves  %7.2f ms/frame  %5.2fx built-in\n", width, height,
                    WAVE_COUNTS[i - 1], shaded, shaded / builtIn);
    }
    device->closeDevice();
    device->run();
    device->drop();
    return true;
}

}  // namespace

int main() {
    GraphicsSystem::useDriver(video::EDT_NULL);
    std::srand(7);
    bool ok = measure(640, 480) && measure(1280, 720);
    return ok ? 0 : 1;
}
