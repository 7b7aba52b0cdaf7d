#include <fstream>

#include "EmitterScene.h"
#include "sound/SoundAnalysisReader.h"

using namespace irr;
using Node = CIrrKlangSceneNode;

namespace {

using SoundAnalysisTest = EmitterScene;

std::string slot(float c1, float c2, float c3, float c4, float level) {
    auto value = [](const char* name, float v) {
        return "<" + std::string(name) + " v=\"" + std::to_string(v) + "\"/>";
    };
    return "<slot>" + value("a", c1) + value("b", c2) + value("c", c3) + value("d", c4) +
           value("level", level) + "</slot>";
}

TEST_F(SoundAnalysisTest, SlotsAnywhereGiveLevelsAndColoursInDocumentOrder) {
    EXPECT_EQ(analysisFileName("Content/sounds/drip.wav"), "Content/sounds/drip.xml");
    EXPECT_EQ(analysisFileName("ab"), "abxml");
    EXPECT_EQ(analysisFileName(""), "xml");
    Node* node = addEmitter("three.wav", Node::EPM_LOOPING);
    EXPECT_FALSE(node->loadAnalysis());  // nothing beside the sound yet
    EXPECT_EQ(node->currentColour(), node->EffectColor);

    std::ofstream(soundtest::scratchPath("three.xml"))
        << "<analysis><part>" << slot(1, 1, 0, 0, 0.7f) << "</part><deeper><x>"
        << slot(0, 1, 1, 2, 0.2f) << "</x></deeper>"
        << "<Slot>" << slot(2, 0, 0, 0, 0.9f) << "</Slot>"       // not a slot: descended into
        << "<slot>" << slot(5, 5, 5, 5, 0.3f) << "</slot>"  // one child; the inner slot unseen
        << "<slot><a v='1'/><b v='1'/><c/><d v='1'/><e v='1'/></slot>"     // child without value
        << "</analysis>";
    ASSERT_TRUE(node->loadAnalysis());
    ASSERT_TRUE(node->loadAnalysis());  // reloading replaces, never doubles
    EXPECT_EQ(node->analysisLevels, (std::vector<f32>{0.7f, 0.2f, 0.9f}));
    const std::vector<core::vector3df> expected{
        {1.0f, 0.7f, 0.4f}, {0.6f, 0.6f, 1.0f}, {1.0f, 1.0f, 0.4f}};
    ASSERT_EQ(node->analysisColours.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(node->analysisColours[i].X, expected[i].X) << i;
        EXPECT_FLOAT_EQ(node->analysisColours[i].Y, expected[i].Y) << i;
        EXPECT_FLOAT_EQ(node->analysisColours[i].Z, expected[i].Z) << i;
    }
}

TEST_F(SoundAnalysisTest, ColoursStayUsableForAnyNumbers) {
    Node* node = addEmitter("odd.wav", Node::EPM_LOOPING);
    std::ofstream(soundtest::scratchPath("odd.xml"))
        << slot(0, 0, 0, 0, 1) << slot(-1, -2, -3, -4, 1) << slot(-5, 1, 1, 1, 1)
        << "<slot><a v='x'/><b v='nan'/><c v='1'/><d v='inf'/><e v='y'/></slot>";
    ASSERT_TRUE(node->loadAnalysis());
    ASSERT_EQ(node->analysisColours.size(), 4u);
    EXPECT_EQ(node->analysisColours[0], core::vector3df(0.4f, 0.4f, 0.4f));
    EXPECT_EQ(node->analysisColours[1], core::vector3df(0.4f, 0.4f, 0.4f));
    for (const core::vector3df& colour : node->analysisColours)
        for (f32 channel : {colour.X, colour.Y, colour.Z}) {
            EXPECT_GE(channel, 0.4f);
            EXPECT_LE(channel, 1.0f);
        }
    EXPECT_EQ(node->analysisLevels[3], 0.0f);
}

TEST_F(SoundAnalysisTest, LoopingSoundTriggersOnEachRiseToTheThresholdWithinTheAnalysisOnly) {
    soundtest::writeTone(soundtest::scratchPath("beat.wav"), 0.3);
    Node* node = addEmitter("beat.wav", Node::EPM_LOOPING);
    std::ofstream(soundtest::scratchPath("beat.xml"))
        << slot(1, 1, 0, 0, 0.9f) << slot(0, 0, 1, 1, 0.9f) << slot(1, 0, 1, 0, 0.1f);
    ASSERT_TRUE(node->loadAnalysis());
    EXPECT_FALSE(node->crossedThreshold());  // nothing plays yet
    advance(0);
    std::vector<u32> triggers;
    for (u32 t = 0; t < 600; t += 50) {
        if (node->crossedThreshold()) {
            triggers.push_back(t);
            EXPECT_EQ(node->currentColour(), node->analysisColours[size_t(node->slots.lastSlotIndex)]);
        }
        advance(50);
    }
    EXPECT_EQ(triggers, (std::vector<u32>{100, 200, 400, 500}));

    // Two slots for a two-second sound: play positions beyond them never trigger.
    Node* longer = addEmitter("long.wav", Node::EPM_PLAY_ONCE);
    std::ofstream(soundtest::scratchPath("long.xml")) << slot(1, 1, 1, 1, 0.1f)
                                                      << slot(1, 1, 1, 1, 0.9f);
    ASSERT_TRUE(longer->loadAnalysis());
    advance(0);
    advance(250);
    for (int i = 0; i < 10; ++i, advance(100))
        EXPECT_FALSE(longer->crossedThreshold());
    // A shorter reload leaves the judged slot past the end: the colour falls back.
    longer->slots.lastSlotIndex = 5;
    EXPECT_EQ(longer->currentColour(), longer->EffectColor);
}

}  // namespace
