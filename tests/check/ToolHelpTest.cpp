// Every tool a designer runs answers --help with its usage and refuses an option it does not
// know, doing nothing else.
#include "ToolRun.h"

#include <gtest/gtest.h>

namespace {

TEST(ToolHelp, EveryToolAnswersHelpAndRefusesUnknownOptions) {
    const char* const tools[] = {
        "'" VELMORA_CHECK "'",
        "'" VELMORA_ANALYSE "'",
        "'" VELMORA_DEMO "'",
        "python3 '" VELMORA_TOOLS "/levelgen/make_level.py'",
        "python3 '" VELMORA_TOOLS "/soundgen/make_sounds.py'",
        "bash '" VELMORA_TOOLS "/soak/soak.sh'",
    };
    const std::filesystem::path game = std::filesystem::current_path();
    for (const std::string tool : tools) {
        const ToolRun help = runTool(game, tool + " --help");
        EXPECT_EQ(help.code, 0) << tool << ":\n" << help.out;
        EXPECT_EQ(help.out.rfind("usage: ", 0), 0u) << tool << ":\n" << help.out;
        EXPECT_NE(help.out.find("--help"), std::string::npos) << tool << ":\n" << help.out;

        const ToolRun wrong = runTool(game, tool + " --no-such-option");
        EXPECT_EQ(wrong.code, 2) << tool << ":\n" << wrong.out;
        EXPECT_NE(wrong.out.find("--no-such-option"), std::string::npos) << tool << ":\n" << wrong.out;
        EXPECT_NE(wrong.out.find("usage: "), std::string::npos) << tool << ":\n" << wrong.out;
    }
}

}  // namespace
