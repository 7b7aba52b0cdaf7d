// Trigger scripts in a real window, on a level of its own: a zone logging every call that the player
// walks through pushing a crate, a sign showing a line too long, a zone without trigger functions.
#include "app/Game.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ScreenMessage.h"
#include "harness/ScriptedInput.h"
#include "harness/Screenshot.h"
#include "world/GameWorld.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace irr;

namespace {

std::string node(const char* type, const std::string& name, const std::string& position,
                 const std::string& scale = "1, 1, 1", const fs::path& mesh = {}) {
    return std::string("<node type=\"") + type + "\"><attributes><string name=\"Name\" value=\"" + name +
           "\"/><vector3d name=\"Position\" value=\"" + position + "\"/><vector3d name=\"Scale\" value=\"" +
           scale + "\"/><bool name=\"Visible\" value=\"true\"/><string name=\"Mesh\" value=\"" + mesh.string() +
           "\"/></attributes></node>";
}

// Every script defines the three required events; the quiet zone nothing more.
const std::string QUIET_SCRIPT = "function OnCreate() end function OnTick() end function OnUse() end\n";
const std::string ZONE_SCRIPT = QUIET_SCRIPT + R"(
function OnPlayerEnter() PrintString("player in;") end
function OnPlayerLeave() PrintString("player out;") end
function OnObjectEnter(id) PrintString("object " .. id .. " in;") end
function OnObjectLeave(id) PrintString("object " .. id .. " out;") end)";
const std::string SIGN_SCRIPT = QUIET_SCRIPT + R"(function OnPlayerEnter() ShowMessage(string.rep("m", 300)) end)";

// Share of the rectangle's pixels that differ clearly between the two pictures.
float changedShare(const Snapshot& a, const Snapshot& b, u32 x0, u32 y0, u32 x1, u32 y1) {
    float changed = 0;
    for (u32 y = y0; y < y1; ++y)
        for (u32 x = x0; x < x1; ++x) changed += std::abs(int(a.at(x, y).getAverage()) - int(b.at(x, y).getAverage())) > 20;
    return changed / ((x1 - x0) * (y1 - y0));
}

// The level in a folder of its own, entered for the test: copies of the game's shaders and meshes,
// its own scripts. The player starts on the sign at z = 0 facing +z; the crate (2 high: the player cannot
// step onto it) waits at z = 4, the zone spans z 10..14, the quiet zone z 20..22.
class TriggerPlay : public ::testing::Test {
protected:
    fs::path game = fs::current_path();
    fs::path dir = fs::temp_directory_path() / ("velmora-zone-" + std::to_string(getpid()));

    void SetUp() override {
        fs::create_directories(dir / "Content/scripts");
        fs::create_directories(dir / "Content/meshes");
        for (const char* file : {"shader.vsh", "shader2.fsh", "rimShader.vsh", "rimShader.fsh",
                                 "Content/meshes/pad.irrmesh", "Content/meshes/heavycrate.irrmesh"})
            fs::copy_file(game / file, dir / file);
        const fs::path pad = "Content/meshes/pad.irrmesh";
        std::ofstream(dir / "Content/TestRoom3.irr")
            << "<irr_scene>" << node("empty", "player_start", "0, 2, 0")
            << node("mesh", "1Floor", "0, -1, 10", "40, 10, 60", pad) << node("mesh", "2Sign", "0, 0, 0", "3, 1, 3", pad)
            << node("mesh", "Crate", "0, 1, 4", "1, 1, 1", "Content/meshes/heavycrate.irrmesh")
            << node("mesh", "2Zone", "0, 0, 12", "6, 1, 4", pad) << node("mesh", "2Quiet", "0, 0, 21", "6, 1, 2", pad)
            << "</irr_scene>\n";
        std::ofstream(dir / "Content/scripts/Zone.lua") << ZONE_SCRIPT;
        std::ofstream(dir / "Content/scripts/Sign.lua") << SIGN_SCRIPT;
        std::ofstream(dir / "Content/scripts/Quiet.lua") << QUIET_SCRIPT;
        fs::current_path(dir);
        GraphicsSystem::useWindowSize(core::dimension2du(320, 240), false);
    }
    void start() {
        testing::internal::CaptureStdout();
        startUp();
        GraphicsSystem::instance().fixedFrameTime = 20;
    }
    void TearDown() override {
        fs::current_path(game);
        fs::remove_all(dir);
    }
};

TEST_F(TriggerPlay, TheZoneHearsThePlayerAndTheCrateItPushesInTheOrderTheyCame) {
    start();
    installScriptedInput(std::vector<InputFrame>(110, holding({KEY_KEY_W})));
    for (int i = 0; i < 110; ++i) ASSERT_TRUE(runFrame());
    const std::string out = testing::internal::GetCapturedStdout();

    const std::string crate = std::to_string(GameWorld::instance().findObjectId("Crate"));
    const std::string log = "object " + crate + " in;player in;object " + crate + " out;player out;";
    const size_t start = out.find("object ");
    ASSERT_NE(start, std::string::npos) << out;
    EXPECT_EQ(out.substr(start, log.size()), log) << out;
    EXPECT_EQ(out.find(";", start + log.size()), std::string::npos) << "every report once: " << out;
    EXPECT_EQ(out.find("Scripting:"), std::string::npos) << "trigger functions are optional: " << out;
}

TEST_F(TriggerPlay, ASignShowsItsLineOnScreenCutAtTheCapAndPrintsIt) {
    start();
    installScriptedInput({});
    const Snapshot before = captureFrame();  // the first step reports the player on the sign
    runFrame();
    const Snapshot after = captureFrame();
    const std::string out = testing::internal::GetCapturedStdout();

    const std::string shown(Graphics::ScreenMessage::kMostBytes, 'm');
    EXPECT_EQ(Graphics::ScreenMessage::instance().text(), shown);
    EXPECT_NE(out.find(shown + "\n"), std::string::npos) << out;
    EXPECT_EQ(out.find(shown + "m"), std::string::npos) << "printed as shown, cut at the cap";
    EXPECT_GT(changedShare(before, after, 20, 176, 300, 196), 0.08f);  // across the lower middle only
    EXPECT_LT(changedShare(before, after, 0, 0, 320, 150), 0.01f);
}

}  // namespace
