#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "AnalyseSoundFile.h"
#include "AnalysisFile.h"
#include "TestSounds.h"
#include "graphics/GraphicsSystem.h"
#include "harness/CommandStatus.h"
#include "sound/CIrrKlangSceneNode.h"
#include "sound/SoundAnalysisReader.h"
#include "sound3d/LoopbackDevice.h"

using analysetest::scratchPath;
using std::filesystem::exists;

namespace {

int runTool(const std::string& arguments) {
    return commandExitCode(std::system((VELMORA_ANALYSE_TOOL " " + arguments + " > /dev/null").c_str()));
}

TEST(AnalysisFile, TheGameFindsAndReadsWhatTheToolWrites) {
    for (const char* name : {"Content/sounds/ambient/drip.wav", "loop.flac", "ab", ""})
        EXPECT_EQ(analysisPathFor(name), analysisFileName(name).c_str()) << name;

    // Two bass knocks, the second half as loud, then a bright click: seven slots, stereo.
    const std::string sound = scratchPath("knocks.wav");
    analysetest::writeWave(sound, analysetest::clicks(48000, 0.65, {{0.02, 1.0, 120.0, 12.0},
                                                                    {0.32, 0.5, 120.0, 12.0},
                                                                    {0.52, 1.0, 5000.0, 3.0}}),
                           48000, 2);
    std::ostringstream out;
    ASSERT_TRUE(analyseSoundFile(sound, out));
    EXPECT_EQ(out.str(), "Analyse: wrote " + scratchPath("knocks.xml") + " (7 slots)\n");

    GraphicsSystem::useDriver(irr::video::EDT_NULL);
    irr::scene::ISceneManager* scene = GraphicsSystem::instance().sceneManager;
    auto* node = new CIrrKlangSceneNode(nullptr, scene->getRootSceneNode(), scene, -1);
    node->drop();
    node->SoundFileName = sound.c_str();
    ASSERT_TRUE(node->loadAnalysis());
    const std::vector<irr::f32>& levels = node->analysisLevels;
    const std::vector<irr::core::vector3df>& colours = node->analysisColours;
    ASSERT_EQ(levels.size(), 7u);
    EXPECT_FLOAT_EQ(levels[0], 1.0f);
    EXPECT_NEAR(levels[3], 0.5f, 1e-3);  // 16-bit samples round the half
    EXPECT_GT(levels[5], 0.3f);
    for (size_t i : {1, 2, 4, 6})
        EXPECT_LT(levels[i], 0.05f) << i;
    // Bass gives a red pulse, made larger; brightness a blue one, made smaller.
    EXPECT_EQ(colours[0].X, 1.0f);
    EXPECT_LT(colours[0].Z, 0.6f);
    EXPECT_EQ(colours[5].Z, 1.0f);
    EXPECT_LT(colours[5].X, 0.6f);
    node->remove();
}

TEST(AnalysisFile, BadInputGetsOneLineAndTheToolGoesOn) {
    const std::string text = scratchPath("notes.wav"), empty = scratchPath("empty.wav");
    const std::string itself = scratchPath("voice.xml"), blocked = scratchPath("blocked.wav");
    const std::string good = scratchPath("good.wav");
    std::ofstream(text) << "not a sound at all\n";
    analysetest::writeWave(empty, {}, 44100);
    for (const std::string& sound : {itself, blocked, good})
        analysetest::writeWave(sound, analysetest::clicks(44100, 0.2, {{0.1}}), 44100);
    ASSERT_TRUE(std::filesystem::create_directory(scratchPath("blocked.xml")));

    const std::string missing = scratchPath("nowhere.wav");
    for (const std::string& sound : {missing, text, empty, itself, blocked}) {
        std::ostringstream out;
        EXPECT_FALSE(analyseSoundFile(sound, out)) << sound;
        EXPECT_EQ(out.str().rfind("Analyse: ", 0), 0u) << out.str();
        EXPECT_NE(out.str().find(sound), std::string::npos) << out.str();
        EXPECT_EQ(out.str().find('\n'), out.str().size() - 1) << out.str();
    }
    EXPECT_FALSE(exists(scratchPath("notes.xml")) || exists(scratchPath("empty.xml")));
    char riff[5] = {};
    std::ifstream(itself).read(riff, 4);
    EXPECT_STREQ(riff, "RIFF");  // never overwritten by its own analysis

    std::ostringstream out;
    EXPECT_EQ(analyseSoundFiles({missing, good, text}, out), 2);
    EXPECT_TRUE(exists(scratchPath("good.xml")));
    // good.xml is there now: replaced only when asked.
    EXPECT_EQ(runTool(good), 1);
    EXPECT_EQ(runTool("--force " + good), 0);
    EXPECT_EQ(runTool("--force " + missing + " " + good), 1);
    EXPECT_NE(runTool(""), 0);
}

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
