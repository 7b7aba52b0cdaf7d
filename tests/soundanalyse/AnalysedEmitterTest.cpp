#include <gtest/gtest.h>

#include "graphics/GraphicsSystem.h"
#include "sound/CIrrKlangSceneNode.h"
#include "sound3d/LoopbackDevice.h"

namespace {

// How many beat pulses an emitter looping `file` sends in `ms`, heard on a loopback engine in
// frames of 20 ms.
int beats(const char* file, float threshold, int ms) {
    const int rate = 44100, step = 20;
    GraphicsSystem::useDriver(irr::video::EDT_NULL);
    irr::scene::ISceneManager* scene = GraphicsSystem::instance().sceneManager;
    vsound::ISoundEngine* engine = vsound::createLoopbackDevice(rate);
    if (!engine) {
        ADD_FAILURE() << "no loopback engine";
        return -1;
    }
    auto* node = new CIrrKlangSceneNode(engine, scene->getRootSceneNode(), scene, -1);
    node->drop();
    node->SoundFileName = file;
    node->PlayMode = CIrrKlangSceneNode::EPM_LOOPING;
    node->Threshold = threshold;
    EXPECT_TRUE(node->loadAnalysis()) << file;
    std::vector<float> mixed(size_t(rate * step / 1000) * 2);
    int count = 0;
    for (int t = 0; t < ms; t += step) {
        node->OnAnimate(irr::u32(t));
        count += node->crossedThreshold();
        vsound::renderLoopback(engine, mixed.data(), rate * step / 1000);
    }
    node->remove();
    engine->drop();
    return count;
}

TEST(AnalysedEmitter, EveryDripAndEveryTickSendsOnePulse) {
    for (float threshold : {0.4f, 0.5f, 0.6f, 0.7f}) {  // around the level's own settings
        EXPECT_EQ(beats("Content/sounds/ambient/drip.wav", threshold, 6000), 8) << threshold;
        EXPECT_EQ(beats("Content/sounds/ambient/tick.wav", threshold, 3000), 6) << threshold;
    }
}

}  // namespace
