#pragma once
// The graphics system owns the Irrlicht device and window, draws one frame per renderFrame and
// measures the frame time that everything that moves or ages uses as its time step.
//
// Material ids: the renderer's 24 built-in types are 0..23; the wave-lit shader set follows at
// 24..47 and the rim-lit set at 48..71, so variant v of base type t is t + 24 * v. Held objects
// switch between variants by that arithmetic alone.

#include <irrlicht.h>

#include <functional>
#include <memory>

namespace Graphics {
class ShaderCallback;
class WaveLitDrawer;
}

struct GameObject;

class GraphicsSystem {
public:
    static const int BUILTIN_MATERIALS = 24;

    static GraphicsSystem& instance();

    // Test and tool seams; they take effect only before the first instance().
    static void useDriver(irr::video::E_DRIVER_TYPE driverType);
    static void useWindowSize(irr::core::dimension2du size, bool fullscreen);

    void renderFrame();
    bool createShaderMaterials(const char* vertexFile, const char* pixelFile, bool apply);
    bool applyMaterials(const irr::s32 table[BUILTIN_MATERIALS], irr::scene::ISceneNode* node,
                        bool restore);
    void setMaterialVariant(GameObject* object, int variant);
    void toggleWaveShading();

    // False once the window has been closed by the system; the world update then ends the game.
    bool isRunning() const { return running; }
    // Number of usable material variants: 1 (built-in only) up to 3 (both shader sets).
    int variantCount() const { return variants; }

    irr::IrrlichtDevice* device;
    irr::video::IVideoDriver* driver;
    irr::scene::ISceneManager* sceneManager;
    irr::ITimer* timer;
    irr::u32 lastTime;                           // in msec, at the last frame measurement
    irr::s32 frameTime;                          // in msec, between the last two frames; 0 at first
    irr::s32 waveMaterials[BUILTIN_MATERIALS];   // the wave-lit set, by built-in base type
    bool wavesApplied;
    bool shadersCreated;

    // Tests and the demo: when 0 or more, every frame lasts this long instead of the measured time.
    irr::s32 fixedFrameTime = -1;
    // A shaded frame that costs more (in msec, see DrawCost.h) counts towards turning the
    // shaders off. Tests lower it.
    double slowestShadedFrameMs;
    // Called after the scene is drawn and before the frame is shown (screenshots read it here).
    std::function<void()> afterDraw;

private:
    GraphicsSystem();
    ~GraphicsSystem();
    GraphicsSystem(const GraphicsSystem&) = delete;
    GraphicsSystem& operator=(const GraphicsSystem&) = delete;

    void drawScene();
    void buildShaderSet(const char* vertexFile, const char* pixelFile, bool apply);
    void watchShaderCost(double costMs);
    bool probedTooSlow(const char* vertexFile, const char* pixelFile, irr::s32 material,
                       Graphics::ShaderCallback& callback);
    const char* withoutThisSet() const;
    // Both sets made, or the game keeps to those it has.
    bool noSetToCome() const { return variants == 3 || brokenSet; }

    bool running;
    int variants;
    bool brokenSet;
    // Draws the wave-lit frame in place of drawAll, to the same pixels.
    std::unique_ptr<Graphics::WaveLitDrawer> waveLitDrawer;
    bool waveDrawingPrepared = false;
    int slowShadedFrames = 0;  // shaded frames running that each cost over the limit
};
