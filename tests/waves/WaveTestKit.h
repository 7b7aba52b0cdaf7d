#pragma once
// Waves age by the graphics system's frame time, which tests set by hand. Emitter nodes are the
// real sound node, silent (no engine), or with a stand-in sound whose play position the test
// sets, so that the node's own beat detection runs on analysis data the test chooses.

#include "graphics/GraphicsSystem.h"
#include "sound/CIrrKlangSceneNode.h"

#include <cstdint>

// Without a window already open, the frame clock runs on the null driver (no display).
inline void setFrameTime(irr::s32 ms) {
    GraphicsSystem::useDriver(irr::video::EDT_NULL);
    GraphicsSystem::instance().frameTime = ms;
}

class ScriptedSound : public vsound::ISound {
public:
    explicit ScriptedSound(std::uint32_t ms) : playPosition(ms) {}
    void setPosition(const vsound::vec3df&) override {}
    void setMinDistance(float) override {}
    void setMaxDistance(float) override {}
    void setIsPaused(bool) override {}
    void stop() override {}
    bool isFinished() override { return false; }
    std::uint32_t getPlayPosition() override { return playPosition; }

    std::uint32_t playPosition;   // in msec
};

inline void moveNode(CIrrKlangSceneNode* node, const irr::core::vector3df& position) {
    node->setPosition(position);
    node->updateAbsolutePosition();
}

// A silent emitter under the scene's root at `position`; the scene holds it. The defaults are
// the node's own.
inline CIrrKlangSceneNode* addEmitterNode(const irr::core::vector3df& position,
                                          float maxRadius = 50, float waveSpeed = 15) {
    setFrameTime(0);
    irr::scene::ISceneManager* scene = GraphicsSystem::instance().sceneManager;
    CIrrKlangSceneNode* node = new CIrrKlangSceneNode(nullptr, scene->getRootSceneNode(), scene, -1);
    node->drop();
    node->MaxRadius = maxRadius;
    node->WaveSpeed = waveSpeed;
    moveNode(node, position);
    return node;
}
