// The six native functions as scripts see them: printing, ids by name, positions and turns,
// and nothing at all done on a wrong argument.
#include "ScriptFixture.h"
#include "scripting/PrintBudget.h"
#include "scripting/ScriptFunctions.h"
#include "graphics/ScreenMessage.h"

#include "waves/WaveManager.h"

#include <NxActor.h>
#include <NxScene.h>

#include <string>

using irr::core::vector3df;

namespace {

using ScriptFunctionsTest = ScriptFixture;

std::string id(const GameObject* object) { return std::to_string(object->id); }

TEST_F(ScriptFunctionsTest, PrintingIsExactAndWrongTypesPrintNothing) {
    EXPECT_EQ(run("PrintInt(7) PrintString('a') PrintFloat(0.1) PrintString('|') PrintFloat(-2)"),
              "7a0.100000|-2.000000");
    EXPECT_EQ(run("PrintInt({}) PrintInt(7.5) PrintInt('7') PrintString(5) PrintString() "
                  "PrintFloat('0.1') PrintFloat(nil)"),
              "");
    // Lines pass; what would clear, retitle or rewrite the terminal is shown escaped.
    EXPECT_EQ(run("PrintString('\\27[2J\\27]0;t\\7\\r\\8' .. string.char(0x9b, 0xc2, 0x85) .. 'é\\n\\tok')"),
              "\\x1b[2J\\x1b]0;t\\x07\\x0d\\x08\\x9b\\xc2\\x85é\n\\x09ok");
}

TEST_F(ScriptFunctionsTest, PrintingIsCutPerCallAndPerFrameAndTheCutSaidOnce) {
    GameObject* chatty = addObject("Chatty");
    attach(chatty, "function OnTick() PrintString(string.rep('a', 5000)) end\n"
                   "function OnUse() for i = 1, 10 do PrintString(string.rep('b', 999) .. '\\n') PrintInt(i) end end");
    startPrintFrame();
    std::string first = event(chatty, "OnTick");
    std::string report = "Scripting: object " + id(chatty) +
                         " \"Chatty\": printed more than 1024 bytes in one call or 4096 in one frame; the rest is "
                         "cut, now and whenever it prints too much again\n";
    EXPECT_EQ(first, std::string(1024, 'a') + "\n" + report);
    startPrintFrame();
    EXPECT_EQ(event(chatty, "OnTick"), std::string(1024, 'a'));

    // OnUse comes after that OnTick in the same frame: 3072 bytes are left of it. An OnTick
    // starts no frame; the next frame does, for every object.
    std::string used = event(chatty, "OnUse");
    EXPECT_EQ(used.size(), 3072u);
    EXPECT_EQ(used.substr(0, 1002), std::string(999, 'b') + "\n1" + std::string(1, 'b'));
    EXPECT_EQ(event(chatty, "OnTick"), "");
    startPrintFrame();
    EXPECT_EQ(event(chatty, "OnUse").size(), 4096u);

    // Another object has its own budget; numbers are cut like text.
    std::string numbers = run("for i = 1, 2000 do PrintInt(-1234567) end");
    EXPECT_EQ(numbers.find("\nScripting: object "), 4096u) << numbers.substr(4000);
}

TEST_F(ScriptFunctionsTest, WhatOnCreateShowsAndPrintsIsNotSpentByTheLoadingOfOthers) {
    std::string loading;
    for (int i = 0; i < 9; ++i)  // together more than all scripts may print in one frame
        loading += attach(addObject("Herald"), "function OnCreate() PrintString(string.rep('h', 1000) .. '\\n') "
                                               "PrintString(string.rep('h', 1000) .. '\\n') "
                                               "ShowMessage('Welcome') end");
    EXPECT_EQ(loading.find("Scripting:"), std::string::npos) << "every object prints in a frame of its own";

    // The first frame's time covers loading and shader builds; the line is seen for its seconds.
    Graphics::ScreenMessage& message = Graphics::ScreenMessage::instance();
    for (irr::s32 frameMs : {0, 2600, 1000, 1000, 1000}) message.draw(nullptr, frameMs);
    EXPECT_TRUE(message.visible());
}

TEST_F(ScriptFunctionsTest, NamesFindOnlyObjectsRegisteredSoFar) {
    GameObject* seeker = addObject("Seeker");
    std::string created = attach(seeker, "function OnCreate() GetObjIDByName('Seeker') PrintInt(id) "
                                          "PrintString(',') GetObjIDByName('LaterSwitch') PrintInt(id) end\n"
                                          "function OnTick() GetObjIDByName('LaterSwitch') PrintInt(id) end");
    GameObject* later = addObject("LaterSwitch");
    EXPECT_NE(created.find(id(seeker) + ",0"), std::string::npos) << created;
    EXPECT_EQ(event(seeker, "OnTick"), id(later));

    GameObject* longName = addObject("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    EXPECT_EQ(run("GetObjIDByName('nobody') PrintInt(id) id = 'kept' GetObjIDByName(42) PrintString(id) "
                  "GetObjIDByName('ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789') PrintInt(id)"),
              "0kept" + id(longName));
}

TEST_F(ScriptFunctionsTest, PositionsAreTheActorsElseTheNodesInTheWorld) {
    auto show = [](const GameObject* object) {
        return "local p = {w = 'kept'} GetPosition(" + id(object) +
               ", p) PrintFloat(p.x) PrintFloat(p.y) PrintFloat(p.z) PrintString(p.w)";
    };
    irr::scene::ISceneNode* parent = addObject("Parent", vector3df(10, 0, 0))->node;
    GameObject* nested = addObject("Nested", vector3df(1, 2, 3), parent);
    EXPECT_EQ(run(show(nested)), "11.0000002.0000003.000000kept");
    GameObject* crate = addActorObject("Crate", vector3df(0, 5, 0));
    crate->actor->setGlobalPosition(vphysx::NxVec3(4, 1.5f, -2));  // the node has not followed yet
    EXPECT_EQ(run(show(crate)), "4.0000001.500000-2.000000kept");

    EXPECT_EQ(run("local p = {x = 'x'} GetPosition(0, p) GetPosition(99999, p) GetPosition('1', p) "
                  "GetPosition(" + id(nested) + ", 'p') PrintString(p.x)"),
              "x");
}

void expectRow(const vphysx::NxMat33& m, int row, float x, float y, float z) {
    EXPECT_NEAR(m(row, 0), x, 1e-4f);
    EXPECT_NEAR(m(row, 1), y, 1e-4f);
    EXPECT_NEAR(m(row, 2), z, 1e-4f);
}

// Turns of object o that must change nothing, then the given one.
std::string badTurnsThen(const GameObject* object, const std::string& turn) {
    return "local o = " + id(object) + "\n"
           "RotateObjRelative(o, 1, 2) RotateObjRelative(o, '1', 2, 3) RotateObjRelative(o + 0.5, 1, 2, 3)\n"
           "RotateObjRelative(o, 1/0, 0, 0) RotateObjRelative(o, 0, 0/0, 0)\n"
           "RotateObjRelative(99999, 1, 2, 3)\n"
           "RotateObjRelative(o, " + turn + ")";
}

TEST_F(ScriptFunctionsTest, TurnsAreDegreesOnNodesAndRadiansOnActorsAndBadOnesChangeNothing) {
    GameObject* statue = addObject("Statue");
    statue->node->setRotation(vector3df(10, 20, 30));
    run(badTurnsThen(statue, "0, 90, 0"));
    EXPECT_EQ(statue->node->getRotation(), vector3df(10, 110, 30));

    GameObject* crate = addActorObject("TurningCrate", vector3df(20, 5, 0));
    run("RotateObjRelative(" + id(crate) + ", 0.3, 0.5, 0.7)");
    vphysx::NxMat33 turned = crate->actor->getGlobalOrientation();
    expectRow(turned, 0, 0.6712f, -0.5654f, 0.4794f);
    expectRow(turned, 1, 0.7238f, 0.6394f, -0.2593f);
    expectRow(turned, 2, -0.1599f, 0.5211f, 0.8384f);
    // A second turn is applied on the left of the present orientation: about x by 90 degrees.
    run(badTurnsThen(crate, "math.pi / 2, 0, 0"));
    expectRow(crate->actor->getGlobalOrientation(), 1, 0.1599f, -0.5211f, -0.8384f);
}

TEST_F(ScriptFunctionsTest, KinematicActorsTurnTowardATargetDuringTheStep) {
    GameObject* fan = addActorObject("3Fan", vector3df(-20, 5, 0));
    fan->actor->raiseBodyFlag(vphysx::NX_BF_KINEMATIC);
    run("RotateObjRelative(" + id(fan) + ", 0, math.pi / 2, 0)");
    expectRow(fan->actor->getGlobalOrientation(), 0, 1, 0, 0);
    vphysx::NxScene* scene = PhysicsSystem::instance().scene;
    scene->simulate(1.0f / 60);
    scene->flushStream();
    scene->fetchResults(vphysx::NX_RIGID_BODY_FINISHED, true);
    expectRow(fan->actor->getGlobalOrientation(), 0, 0, 0, 1);
}

}  // namespace

TEST_F(ScriptFunctionsTest, AScriptAskingForRevealsOverAndOverGetsOneWave) {
    resetRevealClock();  // as a level load does: whatever revealed before is another level's
    const size_t before = WaveManager::instance().waves().size();
    run("for i = 1, 10000 do RevealLevel() end");
    run("RevealLevel()");
    EXPECT_EQ(WaveManager::instance().waves().size(), before + 1);
}
