// The level checker run as a designer runs it, from a game folder made by the test, on small
// levels made to show each warning: what it prints under which node, and its exit code.
#include "ToolRun.h"

#include <gtest/gtest.h>
#include <irrlicht.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;
using namespace irr;

namespace {

using CheckRun = ToolRun;

std::string attrs(const std::string& name, const std::string& pos, const std::string& extra = "",
                  bool scale = true, bool visible = true, const std::string& size = "1, 1, 1") {
    return "<attributes><string name=\"Name\" value=\"" + name + "\"/><vector3d name=\"Position\" value=\"" +
           pos + "\"/>" + (scale ? "<vector3d name=\"Scale\" value=\"" + size + "\"/>" : "") +
           (visible ? "<bool name=\"Visible\" value=\"true\"/>" : "") + extra + "</attributes>";
}

// The mesh "box" is a unit cube about the node's origin.
std::string mesh(const std::string& name, const std::string& pos, const std::string& file = "box",
                 bool scale = true, bool visible = true, const std::string& size = "1, 1, 1") {
    return "<node type=\"mesh\">" +
           attrs(name, pos, "<string name=\"Mesh\" value=\"Content/" + file + ".irrmesh\"/>", scale, visible,
                 size) +
           "</node>\n";
}

// A floor whose top is y = 0, the player standing on it, and whatever the test adds.
std::string level(const std::string& nodes, const std::string& start = "0, 2, 0") {
    std::string text = "<?xml version=\"1.0\"?>\n<irr_scene>\n" +
                       mesh("1Floor", "0, -0.5, 0", "box", true, true, "40, 1, 40") + nodes;
    if (!start.empty()) text += "<node type=\"empty\">" + attrs("player_start", start) + "</node>\n";
    return text + "</irr_scene>\n";
}

// Passes when `part` is in `text`; on failure shows the checker's whole output.
::testing::AssertionResult has(const std::string& text, const std::string& part, const std::string& out) {
    if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no \"" << part << "\" in:\n" << out;
}

const char* const FULL_EMITTER =
    "<string name=\"SoundFileName\" value=\"Content/beat.wav\"/><enum name=\"PlayMode\" value=\"looping\"/>"
    "<float name=\"MinDistance\" value=\"4\"/><vector3d name=\"EffectColor\" value=\"1, 0, 0\"/>"
    "<float name=\"MaxRadius\" value=\"10\"/><float name=\"MaxIntensity\" value=\"1\"/>"
    "<float name=\"Trail\" value=\"3\"/>";

std::string emitter(const std::string& name, const std::string& extra) {
    return "<node type=\"irrKlangSceneNode\">" + attrs(name, "0, 3, 0", extra) + "</node>\n";
}

// Runs the checker from `folder` as the game is run.
CheckRun runChecker(const fs::path& folder, const std::string& arguments) {
    return runTool(folder, "'" VELMORA_CHECK "' " + arguments);
}

class LevelCheck : public ::testing::Test {
protected:
    fs::path game = fs::current_path();
    fs::path dir = fs::temp_directory_path() / ("velmora_check_" + std::to_string(getpid()));

    void SetUp() override {
        fs::create_directories(dir / "Content/scripts");
        fs::create_directory_symlink(game / "Content/sounds", dir / "Content/sounds");
        fs::copy_file(game / "Content/meshes/crate.irrmesh", dir / "Content/box.irrmesh");
        fs::copy_file(game / "Content/sounds/ambient/drip.wav", dir / "Content/beat.wav");
        write("Content/beat.xml", analysis({0.9f, 0.9f, 0.1f}));  // the game beats twice per pass
    }

    void TearDown() override { fs::remove_all(dir); }

    static std::string analysis(const std::vector<float>& levels) {
        std::string slots;
        for (float level : levels)
            slots += "<slot><a v=\"1\"/><b v=\"0\"/><c v=\"0\"/><d v=\"0\"/><l v=\"" +
                     std::to_string(level) + "\"/></slot>";
        return "<analysis>" + slots + "</analysis>\n";
    }

    void write(const std::string& file, const std::string& text) { std::ofstream(dir / file) << text; }

    CheckRun check(const std::string& levelText) {
        write("Content/test.irr", levelText);
        return checkFile("Content/test.irr");
    }

    CheckRun checkFile(const std::string& file) { return runChecker(dir, "'" + file + "'"); }
};

TEST_F(LevelCheck, TheShippedLevelGivesOneLinePerNodeAndNoWarnings) {
    CheckRun run = runChecker(game, "");
    EXPECT_EQ(run.code, 0) << run.out;
    EXPECT_EQ(run.out.find("warning:"), std::string::npos) << run.out;
    for (const char* line : {"Content/TestRoom3.irr:\n", "\n1Room (mesh): static geometry\n",
                             "\n  Crate3 (mesh): loose object, mass 50, the player can pick it up\n",
                             "\nHeavyCrate (mesh): loose object, mass 400, too heavy to pick up\n",
                             "\n2Mat (mesh): trigger volume", "\nWatchman (animatedMesh): obstacle"})
        EXPECT_TRUE(has(run.out, line, run.out));
}

TEST_F(LevelCheck, ACleanLevelExitsZeroAndALevelThatCannotBeReadExitsTwo) {
    CheckRun clean = check(level(mesh("Crate", "3, 0.5, 3") + emitter("Drip", FULL_EMITTER +
                                                                 std::string("<enum name=\"EffectType\" value=\"Pulse\"/>"))));
    EXPECT_EQ(clean.code, 0) << clean.out;
    EXPECT_TRUE(has(clean.out, "Drip (irrKlangSceneNode): emitter: Pulse, colour (1, 0, 0), radius 10, "
                               "beats 2 times per pass at threshold 0.5\n", clean.out));
    EXPECT_TRUE(has(clean.out, "\nNo warnings.\n", clean.out));

    CheckRun missing = checkFile("Content/nothere.irr");
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.out, "Level: Content/nothere.irr is missing; nothing was checked\n");
    // Cut off, nested past any reader's stack, not XML: refused whole, one line, nothing crashes.
    const std::string whole = level(mesh("Crate", "3, 0.5, 3"));
    std::string deep = "<?xml version=\"1.0\"?>\n<irr_scene>";
    for (int i = 0; i < 100000; ++i) deep += "<node type=\"empty\">";
    for (const std::string& text : {whole.substr(0, 200), deep, std::string("plain words\n")}) {
        CheckRun bad = check(text);
        EXPECT_EQ(bad.code, 2) << bad.out;
        EXPECT_EQ(bad.out.rfind("Level: Content/test.irr ", 0), 0u) << bad.out;
        EXPECT_EQ(bad.out.find('\n'), bad.out.size() - 1) << bad.out;
        EXPECT_TRUE(has(bad.out, "; nothing was checked\n", bad.out));
    }
}

TEST_F(LevelCheck, OneBeatIsOneTime) {
    write("Content/beat.xml", analysis({0.1f, 0.9f, 0.1f, 0.1f}));
    CheckRun run = check(level(emitter("Drip", FULL_EMITTER + std::string("<enum name=\"EffectType\" value=\"Pulse\"/>"))));
    EXPECT_TRUE(has(run.out, "beats 1 time per pass at threshold 0.5\n", run.out));
}

TEST_F(LevelCheck, MeshNodesAreWarnedOfMissingFilesScaleAndVisibility) {
    CheckRun run = check(level(mesh("Ghost", "3, 1, 3", "nothere") + mesh("Flat", "6, 1, 3", "box", false) +
                          mesh("Hidden", "9, 1, 3", "box", true, false) +
                          "<node type=\"wibble\">" + attrs("Odd", "0, 0, 0") + "</node>\n"));
    EXPECT_EQ(run.code, 1);
    // Once, in the game's words or the checker's, naming the file.
    const std::string ghost = run.block("Ghost (mesh): loose object, but without an actor");
    EXPECT_TRUE(has(ghost, "  warning: ", run.out));
    EXPECT_TRUE(has(ghost, "Content/nothere.irrmesh", run.out));
    EXPECT_EQ(ghost.find("Content/nothere.irrmesh"), ghost.rfind("Content/nothere.irrmesh")) << run.out;
    EXPECT_EQ(ghost.find("gives no \"Mesh\""), std::string::npos) << run.out;
    EXPECT_TRUE(has(run.block("Flat (mesh)"), "  warning: it gives no \"Scale\", which reads as 0", run.out));
    EXPECT_TRUE(has(run.block("Hidden (mesh): loose object, mass 50"),
                    "  warning: it gives no \"Visible\", which reads as false: it is invisible, yet solid", run.out));
    // It stands as an empty node, so that its children load.
    EXPECT_TRUE(has(run.block("Odd (empty): nothing"), "is of type \"wibble\", which this game does not build",
                    run.out));
    EXPECT_EQ(run.block("1Floor (mesh)"), "1Floor (mesh): static geometry\n");
}

TEST_F(LevelCheck, ScriptsAreWarnedOfMissingFunctionsLoadFailuresAndOnCreateFailures) {
    write("Content/scripts/Fan.lua", "function OnCreate() end\nfunction OnTick() end\n");
    write("Content/scripts/Bad.lua", "function OnCreate( end\n");
    write("Content/scripts/Boom.lua",
          "function OnCreate() error('boom') end\nfunction OnTick() end\nfunction OnUse() end\n");
    write("Content/scripts/Good.lua", "function OnCreate() end\nfunction OnTick() end\nfunction OnUse() end\n");
    CheckRun run = check(level(mesh("3Fan", "3, 5, 3") + mesh("3Bad", "6, 5, 3") + mesh("3Boom", "9, 5, 3") +
                          mesh("3Good", "12, 5, 3")));
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(has(run.block("3Fan (mesh)"), "  warning: its script has no function OnUse;", run.out));
    EXPECT_EQ(run.block("3Fan (mesh)").find("OnTick"), std::string::npos);
    EXPECT_TRUE(has(run.block("3Bad (mesh)"), "Content/scripts/Bad.lua did not run", run.out));
    EXPECT_TRUE(has(run.block("3Boom (mesh)"), "OnCreate failed: Content/scripts/Boom.lua:1: boom", run.out));
    EXPECT_TRUE(has(run.block("3Good (mesh)"), "; runs Content/scripts/Good.lua\n", run.out));
    EXPECT_EQ(run.block("3Good (mesh)").find("warning"), std::string::npos) << run.out;
}

TEST_F(LevelCheck, EmittersAreWarnedOfMissingAttributesUnknownWordsAndSoundsThatCannotBeUsed) {
    write("Content/flat.wav", "not a sound");
    fs::copy_file(dir / "Content/beat.wav", dir / "Content/soft.wav");
    write("Content/soft.xml", analysis({0.0f, 0.3f, 0.0f, 0.3f}));
    auto sound = [](const std::string& file, const std::string& mode) {
        return "<string name=\"SoundFileName\" value=\"Content/" + file + "\"/><enum name=\"PlayMode\" value=\"" +
               mode + "\"/>";
    };
    const std::string near = "<float name=\"MinDistance\" value=\"4\"/>";
    CheckRun run = check(level(
        emitter("Dark", sound("beat.wav", "looping") + "<enum name=\"EffectType\" value=\"Pulse\"/>") +
        emitter("Odd", FULL_EMITTER + std::string("<enum name=\"EffectType\" value=\"Ripple\"/>")) +
        emitter("Lost", sound("lost.wav", "loop") + near) + emitter("Broken", sound("flat.wav", "looping") + near) +
        emitter("Soft", sound("soft.wav", "looping") + near)));
    EXPECT_EQ(run.code, 1);
    const std::string dark = run.block("Dark (irrKlangSceneNode): emitter: Pulse, colour (0, 0, 0), radius 50");
    for (const char* attribute : {"MinDistance", "EffectColor", "MaxIntensity", "MaxRadius", "Trail"})
        EXPECT_TRUE(has(dark, std::string("  warning: it gives no \"") + attribute + "\"", run.out));
    EXPECT_TRUE(has(dark, "black", run.out));
    EXPECT_TRUE(has(dark, "invisible", run.out));
    EXPECT_TRUE(has(run.block("Odd (irrKlangSceneNode): emitter without a wave"),
                    "its EffectType \"Ripple\" is none of Pulse, Glow, Multi-Pulse", run.out));
    const std::string lost = run.block("Lost (irrKlangSceneNode)");
    EXPECT_TRUE(has(lost, "its sound file \"Content/lost.wav\" is missing or cannot be read", run.out));
    EXPECT_TRUE(has(lost, "its PlayMode \"loop\" is none of", run.out));
    EXPECT_TRUE(has(lost, "it gives no \"EffectType\"", run.out));
    EXPECT_TRUE(has(run.block("Broken (irrKlangSceneNode)"), "\"Content/flat.wav\" is missing or cannot be read",
                    run.out));
    EXPECT_TRUE(has(run.block("Soft (irrKlangSceneNode)"),
                    "its analysis file \"Content/soft.xml\" never reaches the threshold 0.5", run.out));
    EXPECT_EQ(run.out.find("Sound: "), std::string::npos) << "the engine's own lines are the checker's to word";
}

// One small level per warning about where an object stands or what drives it; a case without a
// warning is one that must stay quiet. The floor's top is y = 0; the player starts at (0, 2, 0).
TEST_F(LevelCheck, ObjectsAreWarnedOfWhereTheyStandAndWhatDrivesThem) {
    write("Content/scripts/Lever.lua", "function OnCreate() end\nfunction OnTick() end\n"
                                       "function OnUse() GetObjIDByName('3Hatch') end\n");
    write("Content/scripts/Pad.lua", "function OnCreate() end\nfunction OnTick() end\nfunction OnUse() end\n");
    write("Content/scripts/Gong.lua",
          "function OnCreate() end\nfunction OnTick() end\nfunction OnUse() end\nfunction OnObjectEnter() end\n");
    const std::string sideWalls = mesh("1West", "-3, 2, 10", "box", true, true, "1, 4, 10") +
                                  mesh("1East", "3, 2, 10", "box", true, true, "1, 4, 10");
    struct Case {
        std::string nodes, nodeLine;
        const char* warning;  // null: no warning at all
    };
    const Case cases[] = {
        {"<node type=\"mesh\">" + attrs("", "3, 0.5, 3", "<string name=\"Mesh\" value=\"Content/box.irrmesh\"/>") +
             "</node>\n",
         " (mesh): loose object", "it has no \"Name\": it becomes a loose object"},
        {mesh("1Block", "3.6, 0.5, 3") + mesh("Crate", "3, 0.5, 3"), "Crate (mesh)", "it starts cutting into \"1Block\""},
        {mesh("CrateA", "3, 0.5, 3") + mesh("CrateB", "3.7, 0.5, 3"), "CrateA (mesh)", "it starts cutting into \"CrateB\""},
        {mesh("Buried", "3, -0.5, 3"), "Buried (mesh)", "it starts inside \"1Floor\""},
        {mesh("Resting", "3, 0.5, 3") + mesh("OnTop", "3, 1.5, 3"), "OnTop (mesh)", nullptr},
        {sideWalls + mesh("Wide", "0, 0.5, 10", "box", true, true, "7, 1, 1"), "Wide (mesh)",
         "it is 7 wide (x) but the space around it is only 5: it cannot fit"},
        {sideWalls + mesh("Snug", "0, 0.5, 10", "box", true, true, "4.9, 1, 1"), "Snug (mesh)", nullptr},
        {mesh("Boulder", "8, 2, 8", "box", true, true, "4, 4, 4"), "Boulder (mesh): loose object, mass 3200",
         "its mass 3200 is far beyond what the player"},
        {mesh("3Lift", "3, 5, 3"), "3Lift (mesh)", "no script can move it: it has no script of its own "
                                                   "(Content/scripts/Lift.lua) and no other script names \"3Lift\""},
        {mesh("3Hatch", "3, 5, 3") + mesh("1Lever", "6, 0.5, 6"), "3Hatch (mesh)", nullptr},
        {mesh("2Cloud", "3, 9, 3"), "2Cloud (mesh)", "no object or player can reach it"},
        {mesh("2Sunken", "3, -0.5, 3"), "2Sunken (mesh)", "no object or player can reach it"},
        {mesh("2Pad", "3, 0.5, 3"), "2Pad (mesh)",
         "its script defines none of OnPlayerEnter, OnPlayerLeave, OnObjectEnter, OnObjectLeave"},
        {mesh("2Gong", "3, 5, 3"), "2Gong (mesh)", nullptr},
    };
    for (const Case& c : cases) {
        CheckRun run = check(level(c.nodes));
        const std::string block = run.block(c.nodeLine);
        EXPECT_FALSE(block.empty()) << c.nodeLine << " in:\n" << run.out;
        if (c.warning) {
            EXPECT_EQ(run.code, 1) << run.out;
            EXPECT_TRUE(has(block, std::string("  warning: ") + c.warning, run.out));
            EXPECT_EQ(block.find("warning"), block.rfind("warning")) << "one warning only:\n" << run.out;
        } else {
            EXPECT_EQ(block.find("warning"), std::string::npos) << run.out;
        }
    }
}

TEST_F(LevelCheck, ThePlayerStartIsWarnedWhenMissingOrInsideGeometry) {
    CheckRun none = check(level("", ""));
    EXPECT_EQ(none.code, 1);
    EXPECT_TRUE(has(none.out, "The level as a whole:\n  warning: there is no node named player_start", none.out));
    CheckRun sunk = check(level("", "0, 1, 0"));
    EXPECT_TRUE(has(sunk.out, "  warning: the player starts at (0, 1, 0), inside \"1Floor\"", sunk.out));
    CheckRun buried = check(level(mesh("1Block", "0, 2, 0", "box", true, true, "4, 4, 4")));
    EXPECT_TRUE(has(buried.out, "inside \"1Block\"", buried.out));
    // Under a low roof, inside a loose object that stands through it.
    CheckRun boxed = check(level(mesh("1Roof", "0, 5, 0", "box", true, true, "40, 1, 40") +
                                 mesh("Wardrobe", "0, 3, 0", "box", true, true, "12, 12, 12")));
    EXPECT_TRUE(has(boxed.out, "the player starts at (0, 2, 0), inside \"Wardrobe\"", boxed.out));
    EXPECT_EQ(check(level("", "0, 2, 0")).code, 0);
}

// A wall across the whole floor at z = 10, 6 high, with a doorway `gap` wide at x = 0 under a
// lintel `lintel` above the floor; beyond it a pad, the exit. The floor ends at the wall's ends.
std::string wallWithDoorway(float gap, float lintel = 6) {
    const float side = 20 - gap / 2;
    auto number = [](float x) { return std::to_string(x); };
    std::string nodes = mesh("1WallW", number(-gap / 2 - side / 2) + ", 3, 10", "box", true, true, number(side) + ", 6, 1") +
                        mesh("1WallE", number(gap / 2 + side / 2) + ", 3, 10", "box", true, true, number(side) + ", 6, 1");
    if (lintel < 6)
        nodes += mesh("1Lintel", "0, " + number((lintel + 6) / 2) + ", 10", "box", true, true,
                      number(gap) + ", " + number(6 - lintel) + ", 1");
    return nodes + mesh("2ExitPad", "0, 0.05, 15", "box", true, true, "4, 0.1, 4");
}

// One small level per way the player can be kept from what the level asks them to reach, and
// the near misses that must stay quiet. The player starts on the floor at (0, 2, 0).
TEST_F(LevelCheck, WhatThePlayerCannotReachIsWarnedWithTheReason) {
    write("Content/scripts/Door.lua", "function OnCreate() end\nfunction OnTick() RotateObjRelative(objID, 0, 0.01, 0) end\n"
                                      "function OnUse() end\n");
    struct Case {
        std::string nodes, nodeLine;
        const char* warning;  // null: the level has no warning at all
    };
    const Case cases[] = {
        {wallWithDoorway(2), "2ExitPad (mesh)", "the player cannot reach this exit from the start: the way there passes an "
                                                "opening in \"1WallW\" at (0, 0, 10) only 2 wide"},
        {wallWithDoorway(2), "1WallW (mesh)", "it leaves an opening at (0, 0, 10) only 2 wide: the player (2 wide, 4 high) "
                                              "cannot pass it to reach 2ExitPad, the floor of \"1Floor\""},
        {wallWithDoorway(4, 4), "2ExitPad (mesh)", "the player cannot reach this exit from the start: the way there passes an "
                                                   "opening in \"1Lintel\" at (0, 0, 10) only 4 high"},
        {wallWithDoorway(0.001f), "2ExitPad (mesh)", "the player cannot reach this exit from the start: no walk, step, slope "
                                                     "up to 45 degrees or jump onto a ledge up to 3.25 high leads there"},
        {wallWithDoorway(0.001f), "1Floor (mesh)", "part of its floor, about "},
        {mesh("1Hut", "10, 4, 0", "box", true, true, "6, 8, 6") + mesh("2RoofPad", "10, 8.05, 0", "box", true, true, "4, 0.1, 4"),
         "2RoofPad (mesh)", "the player cannot reach it from the start: no walk, step, slope up to 45 degrees or jump onto "
                            "a ledge up to 3.25 high leads there, not even through an opening too small for the player; "
                            "its floor is at y = 8, the start's at y = 0"},
        {mesh("1Ledge", "0, 2, 10", "box", true, true, "10, 4, 10") + mesh("Crate", "0, 4.5, 10"), "Crate (mesh)",
         "the player cannot reach it from the start: "},
        // A door that a script turns counts as open; a ledge of 2 is jumped onto.
        {wallWithDoorway(3) + mesh("3Door", "0, 2, 10", "box", true, true, "3, 4, 1"), "3Door (mesh)", nullptr},
        {mesh("1Ledge", "0, 1, 10", "box", true, true, "10, 2, 10") + mesh("2Pad", "0, 2.05, 10", "box", true, true, "4, 0.1, 4"),
         "2Pad (mesh)", nullptr},
    };
    for (const Case& c : cases) {
        CheckRun run = check(level(c.nodes));
        const std::string block = run.block(c.nodeLine);
        EXPECT_FALSE(block.empty()) << c.nodeLine << " in:\n" << run.out;
        if (!c.warning) {
            EXPECT_EQ(run.code, 0) << run.out;
            continue;
        }
        EXPECT_TRUE(has(block, std::string("  warning: ") + c.warning, run.out));
        EXPECT_EQ(block.find("warning"), block.rfind("warning")) << "said once:\n" << run.out;
    }
}

TEST_F(LevelCheck, ScriptsAreReadForNamesNothingDefinesAndLookupsOfNoObject) {
    write("Content/scripts/Pad.lua", "function OnCreate() end\nfunction OnTick() end\nfunction OnUse() end\n"
                                     "function OnPlayerEnter()\n  ShowMessage(string.format('%d', math.floor(objID)))\n"
                                     "  ShowMesage('hello')\nend\n");
    write("Content/scripts/Switch.lua", "function OnCreate() end\nfunction OnTick() end\nfunction OnUse()\n"
                                        "  GetObjIDByName(\"3Dor\")\n  RotateObjRelative(id, 0, 1, 0)\n"
                                        "  GetObjIDByName( '3Door' )\nend\n");
    write("Content/scripts/Door.lua", "function OnCreate() end\nfunction OnTick() end\nfunction OnUse() print('x') end\n");
    CheckRun run = check(level(mesh("2Pad", "3, 0.05, 3", "box", true, true, "4, 0.1, 4") + mesh("1Switch", "8, 1, 8") +
                               mesh("3Door", "-8, 2, 8", "box", true, true, "1, 4, 4") + mesh("Pad", "12, 0.5, 3")));
    EXPECT_EQ(run.code, 1);
    const std::string pad = run.block("2Pad (mesh): trigger volume (reports overlaps; nothing collides with it); "
                                      "runs Content/scripts/Pad.lua\n");
    EXPECT_TRUE(has(pad, "  warning: Content/scripts/Pad.lua line 6 calls ShowMesage, which neither the game's "
                         "script library nor the script defines", run.out));
    EXPECT_EQ(pad.find("warning"), pad.rfind("warning")) << "the library and Lua's own are known:\n" << run.out;
    EXPECT_TRUE(has(run.block("3Door (mesh)"), "line 3 calls print", run.out)) << "the game's Lua has no print";
    EXPECT_TRUE(has(run.block("1Switch (mesh)"), "  warning: Content/scripts/Switch.lua line 4 looks up "
                                                 "GetObjIDByName(\"3Dor\"), but no object of this level has that name",
                    run.out));
    EXPECT_EQ(run.block("1Switch (mesh)").find("3Door"), std::string::npos) << run.out;
    // A script shared through names is read, and warned of, once.
    EXPECT_EQ(run.block("Pad (mesh): loose object, mass 50, the player can pick it up; runs Content/scripts/Pad.lua, "
                        "as \"2Pad\" does (read there)\n"),
              "Pad (mesh): loose object, mass 50, the player can pick it up; runs Content/scripts/Pad.lua, as \"2Pad\" "
              "does (read there)\n")
        << run.out;
}

TEST_F(LevelCheck, ThePlanReplacesNoFileUnlessForcedAndOnlyWritesPng) {
    const std::string text = level("");
    write("Content/test.irr", text);
    write("plan.png", "the designer's own picture");
    for (const std::string& plan : {std::string("Content/test.irr"), std::string("plan.png")}) {
        CheckRun run = runChecker(dir, "--plan '" + plan + "' Content/test.irr");
        EXPECT_EQ(run.code, 2) << run.out;
        EXPECT_TRUE(has(run.out, "Plan: " + plan + " ", run.out));
        EXPECT_TRUE(has(run.out, "nothing was checked or written", run.out));
    }
    EXPECT_EQ(readAll(dir / "Content/test.irr"), text);
    EXPECT_EQ(readAll(dir / "plan.png"), "the designer's own picture");
    EXPECT_EQ(runChecker(dir, "--plan plan.png --force Content/test.irr").code, 0);
    EXPECT_EQ(readAll(dir / "plan.png").substr(1, 3), "PNG");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2) << "no temporary left behind";
}

// The plan of a floor 40 x 40 (22.5 pixels a unit, 24 from the edges): a wall across it at
// z = 10 with a doorway at x = -10 to the exit, and beyond it a part walled off at x > 10.
TEST_F(LevelCheck, ThePlanShowsTheWalkableFloorTheWayToTheExitWhatIsSealedOffAndALegend) {
    const std::string nodes = mesh("1WallW", "-16, 3, 10", "box", true, true, "8, 6, 1") +
                              mesh("1WallE", "6, 3, 10", "box", true, true, "28, 6, 1") +
                              mesh("1Split", "10, 3, 15", "box", true, true, "1, 6, 10") +
                              mesh("2ExitPad", "-10, 0.05, 15", "box", true, true, "4, 0.1, 4");
    write("Content/test.irr", level(nodes));
    CheckRun run = runChecker(dir, "--plan plan.png Content/test.irr");
    EXPECT_TRUE(has(run.block("1Floor (mesh)"), "  warning: part of its floor, about ", run.out));
    IrrlichtDevice* device = createDevice(video::EDT_NULL);
    video::IImage* image = device->getVideoDriver()->createImageFromFile((dir / "plan.png").c_str());
    ASSERT_NE(image, nullptr) << run.out;
    const auto pixel = [&](float x, float z) {
        return image->getPixel(u32(24 + (x + 20) * 22.5f), u32(24 + (20 - z) * 22.5f));
    };
    const auto near = [&](float x, float z, int reach, auto colour) {
        const int px = int(24 + (x + 20) * 22.5f), py = int(24 + (20 - z) * 22.5f);
        int n = 0;
        for (int y = py - reach; y <= py + reach; ++y)
            for (int x2 = px - reach; x2 <= px + reach; ++x2) n += colour(image->getPixel(u32(x2), u32(y)));
        return n;
    };
    const video::SColor walked = pixel(0, -10), unwalked = pixel(0, 9.7f);  // the capsule cannot stand by the wall
    EXPECT_EQ(walked.getRed(), walked.getBlue());
    EXPECT_GT(walked.getRed(), unwalked.getRed() + 30) << "the walkable floor is shaded lighter";
    const auto red = [](video::SColor c) { return c.getRed() > 240 && c.getGreen() < 60 && c.getBlue() < 60; };
    const auto yellow = [](video::SColor c) { return c.getRed() > 240 && c.getGreen() > 200 && c.getBlue() < 40; };
    EXPECT_GT(near(15, 15, 10, red), 20) << "the part walled off is hatched red";
    EXPECT_EQ(near(-10, 3, 10, red), 0) << "the way to the exit is not";
    EXPECT_GT(near(-10, 10, 24, yellow), 5) << "the way to the exit passes the doorway";
    EXPECT_GT(near(-10, 15, 12, yellow), 5) << "and ends on the exit";
    // The legend sits between the level and the scale bar.
    const u32 levelBottom = 24 + 40 * 45 / 2 + 24, height = image->getDimension().Height;
    int legend = 0;
    for (u32 y = levelBottom; y + 40 < height; ++y)
        for (u32 x = 0; x < image->getDimension().Width; ++x) legend += red(image->getPixel(x, y));
    EXPECT_GT(legend, 10) << "its swatches for warnings and floor out of reach";
    image->drop();
    device->drop();
}

// A level from a plain room plan: the generator's doorway of 3 lets the player through to the
// exit, one of 2 does not, and the checker says so of the generated rooms.
TEST_F(LevelCheck, ARoomPlanMakesAPlayableLevelAndATooNarrowDoorIsCaught) {
    for (const char* width : {"3", "2"}) {
        write("rooms.txt", std::string("room West -16 -8 0 8\nroom East 0 -8 16 8  # the second room\n"
                                       "door West East ") + width + "\nstart -10 0\npad ExitPad 10 -4 4 4\n");
        const ToolRun made = runTool(dir, "python3 '" VELMORA_TOOLS "/levelgen/make_level.py' --force --rooms rooms.txt .");
        ASSERT_EQ(made.code, 0) << made.out;
        CheckRun run = runChecker(dir, "");
        if (std::string(width) == "3") {
            EXPECT_EQ(run.code, 0) << run.out;
        } else {
            EXPECT_TRUE(has(run.block("1Rooms (mesh)"), "  warning: it leaves an opening at (0, 0, 0) only 2 wide: the player "
                                                         "(2 wide, 4 high) cannot pass it to reach 2ExitPad", run.out));
            EXPECT_TRUE(has(run.block("2ExitPad (mesh)"), "  warning: the player cannot reach this exit", run.out));
        }
    }
    // A plan it cannot build is named by line, and nothing of the level is replaced.
    const std::string level = readAll(dir / "Content/TestRoom3.irr");
    const std::pair<const char*, const char*> wrong[] = {
        {"room West -16 -8 0 8\nroom East 1 -8 16 8\ndoor West East\nstart -10 0\n", "line 3: rooms West and East share no wall"},
        {"room West -16 -8 0 8\nroom East 0 -8 16 8\ndoor West East 20\nstart -10 0\n", "line 3: a door 20 wide does not fit"},
        {"room West 0 0 -16 8\nstart -10 0\n", "line 1: room West needs X0 < X1 and Z0 < Z1"},
        {"room West -16 -8 0 8\ncrate Box x 1\nstart -10 0\n", "line 2: x 1 is not a number"},
        {"room West -16 -8 0 8\nwindow West 2\n", "line 2: cannot read \"window West 2\""},
        {"room West -16 -8 0 8\n", "the plan has no start"},
    };
    for (const auto& [plan, why] : wrong) {
        write("rooms.txt", plan);
        const ToolRun refused = runTool(dir, "python3 '" VELMORA_TOOLS "/levelgen/make_level.py' --force --rooms rooms.txt .");
        EXPECT_EQ(refused.code, 2) << refused.out;
        EXPECT_TRUE(has(refused.out, std::string("make_level: rooms.txt: ") + why, refused.out));
        EXPECT_TRUE(has(refused.out, "; nothing was written\n", refused.out));
    }
    EXPECT_EQ(readAll(dir / "Content/TestRoom3.irr"), level);
}

}  // namespace
