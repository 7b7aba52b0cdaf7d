// The decoding helper on Windows: the request and reply pass through whole, bytes as they are,
// and the Job Object and the deadline stop a helper that overruns.
#include "level/DecoderProcess.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

std::string besideThisTest(const char* program) {
    char self[MAX_PATH + 1];
    std::string path(self, GetModuleFileNameA(nullptr, self, sizeof self));
    return path.substr(0, path.find_last_of("\\/") + 1) + program;
}

DecoderRun misbehave(const std::string& how, const std::string& bytes = "") {
    useDecoderProgram(besideThisTest(MISBEHAVING_HELPER));
    DecoderRun run = runDecoder(false, how, bytes);
    useDecoderProgram("");
    return run;
}

}  // namespace

TEST(DecoderJob, RequestAndReplyKeepEveryByte) {
    std::string bytes = "line\r\nend\x1a after Ctrl-Z\n";
    for (int i = 0; i < 300000; ++i) bytes += char(i * 7);
    DecoderRun run = misbehave("echo", bytes);
    EXPECT_EQ(run.problem, "");
    std::string request = std::string("M") + std::string("\x04\0\0\0", 4) + "echo" + bytes;
    EXPECT_EQ(run.reply, request);
}

TEST(DecoderJob, AHelperThatNeverEndsIsStoppedAndSaysWhy) {
    DecoderRun spin = misbehave("spin");
    EXPECT_TRUE(spin.problem == "was not decoded (its reader used more than 2 s of processor time)" ||
                spin.problem == "was not decoded (its reader took longer than 2 s)")
        << spin.problem;
    EXPECT_EQ(spin.reply, "");
}

TEST(DecoderJob, TheJobRefusesAHelperMoreMemoryOrAProgramOfItsOwn) {
    DecoderRun eat = misbehave("eat");
    EXPECT_EQ(eat.problem, "was not decoded (its reader crashed or ran out of memory)");

    DecoderRun child = misbehave("child");
    EXPECT_EQ(child.problem, "was not decoded (its reader crashed or ran out of memory)");
}

TEST(DecoderJob, AMissingHelperIsReportedNotStarted) {
    useDecoderProgram(besideThisTest("no-such-helper.exe"));
    DecoderRun run = runDecoder(true, "a.png", "bytes");
    useDecoderProgram("");
    EXPECT_EQ(run.problem, "was not decoded (the decoding helper cannot be started)");
}
