// Writing a designer's file through a temporary beside it: a write that fails leaves the old
// file as it was and nothing else behind; one that succeeds leaves a file as any other the
// user makes.
#include "SafeFile.h"
#include "ToolRun.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

size_t entries(const fs::path& dir) { return size_t(std::distance(fs::directory_iterator(dir), fs::directory_iterator())); }

TEST(SafeFile, AFailedWriteLeavesTheOldFileAndASuccessfulOneReplacesIt) {
    const fs::path dir = fs::temp_directory_path() / ("velmora_safefile_" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string plan = (dir / "plan.png").string();
    std::ofstream(plan) << "old";
    std::string error;
    std::string written;
    EXPECT_FALSE(writeThroughTemporary(plan, [&](const std::string& temporary) {
        written = temporary;
        std::ofstream(temporary) << "half";
        return false;
    }, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(readAll(plan), "old");
    EXPECT_EQ(entries(dir), 1u) << "the temporary is gone";
    EXPECT_EQ(fs::path(written).parent_path(), dir) << "beside the target";
    EXPECT_EQ(fs::path(written).extension(), ".png") << "writers pick the format by it";

    error.clear();
    ASSERT_TRUE(writeThroughTemporary(plan, [](const std::string& temporary) {
        std::ofstream(temporary) << "new";
        return true;
    }, error)) << error;
    EXPECT_EQ(readAll(plan), "new");
    EXPECT_EQ(entries(dir), 1u);
    const mode_t mask = umask(0);
    umask(mask);
    struct stat status{};
    ASSERT_EQ(stat(plan.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0666 & ~mask) << "not private, as a temporary is";

    EXPECT_FALSE(writeThroughTemporary((dir / "nowhere/plan.png").string(), [](const std::string&) { return true; },
                                       error));
    EXPECT_FALSE(error.empty());
    fs::create_symlink(dir / "gone", dir / "link");
    EXPECT_TRUE(existsAlready((dir / "link").string())) << "a broken link is still something to replace";
    EXPECT_FALSE(existsAlready((dir / "none").string()));
    fs::remove_all(dir);
}

}  // namespace
