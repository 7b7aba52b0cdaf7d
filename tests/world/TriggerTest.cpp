// What a trigger's script hears on real physics: level objects entering and leaving, never the
// obstacles' capsules, and the weapon leaving when it is taken off a pad.
#include "WorldFixture.h"

#include "graphics/GraphicsSystem.h"
#include "physics/PhysicsSystem.h"
#include "scripting/ObjectScript.h"
#include "world/GameWorld.h"
#include "world/Player.h"

#include <NxController.h>
#include <luaplus/LuaObject.h>
#include <luaplus/LuaState.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace irr;

namespace {

// A registered trigger pad, 2 x 2 x 2 around pos (farther from the player than what lies on it), whose script counts the object reports and
// keeps the id of the last of each kind.
GameObject* addLoggingPad(const core::vector3df& pos) {
    scene::ISceneManager* smgr = GraphicsSystem::instance().sceneManager;
    scene::IMesh* mesh = smgr->getGeometryCreator()->createCubeMesh(core::vector3df(1, 1, 1));
    GameObject* pad = new GameObject();
    pad->node = smgr->addMeshSceneNode(mesh, nullptr, -1, pos);
    pad->node->setName("2Pad");
    pad->node->updateAbsolutePosition();
    const s32 id = GameWorld::instance().registerObject(pad);
    pad->actor = PhysicsSystem::instance().createTriggerMeshActor(mesh, pos, core::vector3df(2, 2, 2), id);
    mesh->drop();
    const std::filesystem::path script =
        std::filesystem::temp_directory_path() / ("velmora-pad-" + std::to_string(getpid()) + ".lua");
    std::ofstream(script) << "ins, outs, entered, left = 0, 0, 0, 0\n"
                             "function OnCreate() end function OnTick() end function OnUse() end\n"
                             "function OnObjectEnter(id) ins = ins + 1 entered = id end\n"
                             "function OnObjectLeave(id) outs = outs + 1 left = id end\n";
    testing::internal::CaptureStdout();
    attachScript(*pad, script.c_str());
    testing::internal::GetCapturedStdout();
    std::filesystem::remove(script);
    return pad;
}

int global(const GameObject* pad, const char* name) { return pad->script->GetGlobal(name).GetInteger(); }

}  // namespace

TEST_F(WorldFixture, PadsHearLevelObjectsOnlyAndTheWeaponLeavingWhenTaken) {
    GameObject* pad = addLoggingPad(core::vector3df(0, 0.5f, 5.6f));
    GameObject* farPad = addLoggingPad(core::vector3df(10, 0.5f, 0));
    vphysx::NxController* obstacle = PhysicsSystem::instance().createCapsuleController(1.8f, 0.5f, -1);
    ASSERT_NE(obstacle, nullptr);
    obstacle->setPosition(vphysx::NxExtendedVec3(10, 1.4, 0));
    GameObject* weapon = addCube("weapon", core::vector3df(0, 0.5f, 5), 50);

    idle(10);
    EXPECT_EQ(global(farPad, "ins"), 0) << "the figure standing on a pad is no object";
    EXPECT_EQ(global(pad, "ins"), 1);
    EXPECT_EQ(global(pad, "entered"), weapon->id);

    play({holding({KEY_KEY_E}), InputFrame()});
    idle(3);
    ASSERT_EQ(player->held, weapon);
    EXPECT_EQ(global(pad, "outs"), 1);
    EXPECT_EQ(global(pad, "left"), weapon->id);
    detachScript(*pad);
    detachScript(*farPad);
}
