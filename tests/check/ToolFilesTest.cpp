// The sound analyser and the demo replace none of a designer's files unasked, and the demo says
// plainly when it cannot show anything.
#include "ToolRun.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

TEST(ToolFiles, TheAnalyserAndTheDemoReplaceNothingUnaskedAndTheDemoSaysWhyItShowsNothing) {
    const fs::path game = fs::current_path();
    const fs::path dir = fs::temp_directory_path() / ("velmora_tool_files_" + std::to_string(getpid()));
    fs::create_directories(dir / "shots");
    fs::copy_file(game / "Content/sounds/ambient/drip.wav", dir / "drip.wav");
    std::ofstream(dir / "drip.xml") << "hand-edited";
    const ToolRun kept = runTool(dir, "'" VELMORA_ANALYSE "' drip.wav");
    EXPECT_EQ(kept.code, 1) << kept.out;
    EXPECT_EQ(kept.out, "Analyse: drip.xml exists; not replaced, no analysis written for drip.wav (--force replaces it)\n");
    EXPECT_EQ(readAll(dir / "drip.xml"), "hand-edited");
    EXPECT_EQ(runTool(dir, "'" VELMORA_ANALYSE "' --force drip.wav").code, 0);
    EXPECT_NE(readAll(dir / "drip.xml").find("<soundAnalysis"), std::string::npos);

    std::ofstream(dir / "shots/01-start-room.png") << "an older shot";
    const ToolRun inTheWay = runTool(game, "'" VELMORA_DEMO "' '" + (dir / "shots").string() + "'");
    EXPECT_EQ(inTheWay.code, 1) << inTheWay.out;
    EXPECT_NE(inTheWay.out.find("01-start-room.png, ...); nothing was played (--force replaces them)"), std::string::npos)
        << inTheWay.out;
    EXPECT_EQ(readAll(dir / "shots/01-start-room.png"), "an older shot");

    const ToolRun noX = runTool(game, "env -u DISPLAY '" VELMORA_DEMO "' --force '" + (dir / "shots").string() + "'");
    EXPECT_EQ(noX.code, 1) << noX.out;
    EXPECT_EQ(noX.out.rfind("Demo: there is no X server", 0), 0u) << noX.out;
    // An empty folder has no level: one line, no shots of nothing.
    const ToolRun empty = runTool(dir, "ALSOFT_DRIVERS=null '" VELMORA_DEMO "' emptyshots");
    EXPECT_EQ(empty.code, 1) << empty.out;
    EXPECT_NE(empty.out.find("Demo: the level has nothing to show"), std::string::npos) << empty.out;
    EXPECT_FALSE(fs::exists(dir / "emptyshots/01-start-room.png"));
    fs::remove_all(dir);
}

}  // namespace
