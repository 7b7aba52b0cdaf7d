// Analysis files are level content: a broken one says so in one line and gives no beats, so the
// emitter shows its own wave.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "SoundFiles.h"
#include "sound/SoundAnalysisReader.h"

using namespace irr;

namespace {

std::string read(const std::string& path, size_t& slots) {
    std::vector<f32> levels;
    std::vector<core::vector3df> colours;
    testing::internal::CaptureStdout();
    readSoundAnalysis(path.c_str(), levels, colours);
    slots = levels.size();
    EXPECT_EQ(levels.size(), colours.size());
    return testing::internal::GetCapturedStdout();
}

const char* const SLOT = "<slot><a v='1'/><b v='0'/><c v='0'/><d v='0'/><l v='0.9'/></slot>";

}  // namespace

TEST(BrokenAnalysisTest, EachBrokenFileGivesOneLineAndNoSlots) {
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "<a>";
    const std::string begun = std::string("<analysis>") + SLOT;
    const struct {
        const char* file;
        std::string text;
        const char* problem;
    } files[] = {
        {"cut.xml", begun + "<slot><a v='1", "is cut off inside an attribute value (line 1) and is not used"},
        {"unclosed.xml", begun, "ends before <analysis> is closed (line 1) and is not used"},
        {"deep.xml", deep + SLOT, "is nested deeper than 32 elements (line 1) and is not used"},
        {"empty.xml", "", "is not XML (Error document empty., line 0) and is not used"},
        {"noslots.xml", "<analysis><step/></analysis>", "has no slot with five values"},
    };
    for (const auto& [file, text, problem] : files) {
        std::string path = soundtest::scratchPath(file);
        std::ofstream(path) << text;
        size_t slots = 99;
        EXPECT_EQ(read(path, slots),
                  "Sound: analysis file " + path + " " + problem + "; the emitter shows its own wave instead\n");
        EXPECT_EQ(slots, 0u) << path;
    }

    std::string folder = soundtest::scratchPath("folder.xml");
    std::filesystem::create_directories(folder);
    size_t slots = 99;
    EXPECT_EQ(read(folder, slots), "Sound: analysis file " + folder +
                                       " is not a regular file and is not used; the emitter shows its own "
                                       "wave instead\n");
    EXPECT_EQ(read(soundtest::scratchPath("absent.xml"), slots), "");  // no analysis is ordinary

    std::string partly = soundtest::scratchPath("partly.xml");
    std::ofstream(partly) << "<a>" << SLOT << "<slot><x v='1'/></slot>" << SLOT << "</a>";
    EXPECT_EQ(read(partly, slots),
              "Sound: analysis file " + partly + " has 1 slots without five values; they are skipped\n");
    EXPECT_EQ(slots, 2u);
}
