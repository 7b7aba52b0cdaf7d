#pragma once
// Emitter nodes for wave tests: the real sound node on the null device's scene, silent (no
// engine), or with a stand-in sound whose play position the test sets, so that the node's own
// beat detection runs on analysis data the test chooses.

#include "FrameClock.h"
#include "sound/CIrrKlangSceneNode.h"

#include <cstdint>

class ScriptedSound : public vsound::ISound {
public:
    void setPosition(const vsound::vec3df&) override {}
    void setMinDistance(float) override {}
    void setMaxDistance(float) override {}
    void setIsPaused(bool) override {}
    void stop() override {}
    bool isFinished() override { return false; }
    std::uint32_t getPlayPosition() override { return playPosition; }

    std::uint32_t playPosition = 0;   // in msec
};

// A silent emitter under the scene's root at `position`; the scene holds it.
inline CIrrKlangSceneNode* addEmitterNode(const irr::core::vector3df& position) {
    setFrameTime(0);
    irr::scene::ISceneManager* scene = GraphicsSystem::instance().sceneManager;
    CIrrKlangSceneNode* node = new CIrrKlangSceneNode(nullptr, scene->getRootSceneNode(), scene, -1);
    node->drop();
    node->setPosition(position);
    node->updateAbsolutePosition();
    return node;
}

inline void moveNode(CIrrKlangSceneNode* node, const irr::core::vector3df& position) {
    node->setPosition(position);
    node->updateAbsolutePosition();
}

// Gives the node a sound that is `ms` into its play; the node holds and releases it.
inline ScriptedSound* playAt(CIrrKlangSceneNode* node, std::uint32_t ms) {
    ScriptedSound* sound = new ScriptedSound();
    sound->playPosition = ms;
    node->sound = sound;
    return sound;
}
