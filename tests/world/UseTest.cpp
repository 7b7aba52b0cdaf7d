// Using, carrying, putting down and releasing objects, and taking the weapon, on real physics;
// what trigger pads hear of it.
#include "WorldFixture.h"

#include "graphics/AimDot.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ScreenMessage.h"
#include "physics/PhysicsSystem.h"
#include "scripting/ObjectScript.h"
#include "waves/WaveManager.h"
#include "world/GameWorld.h"
#include "world/Player.h"

#include <NxActor.h>
#include <NxController.h>
#include <NxScene.h>
#include <luaplus/LuaObject.h>
#include <luaplus/LuaState.h>

#include <filesystem>
#include <fstream>

using namespace irr;
using namespace vphysx;

namespace {

const InputFrame USE = holding({KEY_KEY_E});

size_t PhysicsSystemActors() { return PhysicsSystem::instance().scene->getNbActors(); }

// Node poses drive actors before every step, so objects are moved by their nodes.
void moveAway(GameObject* o, float z) {
    o->node->setPosition(core::vector3df(20, 0, z));
    o->node->updateAbsolutePosition();
}

bool carried(const GameObject* o) {
    return o->actor->readBodyFlag(NX_BF_KINEMATIC) && o->actor->readBodyFlag(NX_BF_DISABLE_GRAVITY) &&
           o->actor->readActorFlag(NX_AF_DISABLE_COLLISION);
}

// A trigger pad, 2 x 2 x 2 around pos, whose script counts object reports and keeps the last ids.
GameObject* addCountingPad(const core::vector3df& pos) {
    scene::ISceneManager* smgr = GraphicsSystem::instance().sceneManager;
    scene::IMesh* mesh = smgr->getGeometryCreator()->createCubeMesh(core::vector3df(1, 1, 1));
    GameObject* pad = new GameObject();
    pad->node = smgr->addMeshSceneNode(mesh, nullptr, -1, pos);
    const s32 id = GameWorld::instance().registerObject(pad);
    pad->actor = PhysicsSystem::instance().createTriggerMeshActor(mesh, pos, core::vector3df(2, 2, 2), id);
    mesh->drop();
    const auto script = std::filesystem::temp_directory_path() / "velmora-pad.lua";
    std::ofstream(script) << "ins, outs, entered, left = 0, 0, 0, 0 function OnCreate() end function OnTick() end\n"
                             "function OnObjectEnter(id) ins = ins + 1 entered = id end\n"
                             "function OnObjectLeave(id) outs = outs + 1 left = id end\n";
    attachScript(*pad, script.string().c_str());
    return pad;
}

int global(const GameObject* pad, const char* name) { return pad->script->GetGlobal(name).GetInteger(); }

}  // namespace

TEST_F(WorldFixture, LightObjectsAreCarriedInFrontAndPutDownByTheNextUse) {
    GameObject* crate = addCube("Crate", core::vector3df(0, 2, 3), 50);
    GameObject* limit = addCube("Limit", core::vector3df(1.2f, 2, 4.5f), 100);
    GameObject* heavy = addCube("Heavy", core::vector3df(-1.2f, 2, 2.5f), 100.5f);
    idle(2);
    EXPECT_EQ(GameWorld::instance().findUseTarget(6.0f, 0.8f), crate);  // under the aim dot, though farther
    player->pitch = -20.0f;  // the dot on nothing
    idle(1);
    EXPECT_EQ(GameWorld::instance().findUseTarget(6.0f, 0.8f), heavy);  // the nearest in view
    player->pitch = 0.0f;
    moveAway(heavy, 0);
    idle(2);

    play({USE, InputFrame(), InputFrame()});
    ASSERT_EQ(player->held, crate);
    EXPECT_TRUE(carried(crate));
    idle(3);
    core::vector3df eye = GameWorld::instance().camera->getAbsolutePosition();
    NxVec3 p = crate->actor->getGlobalPosition();
    core::vector3df inFront = eye + player->forward * 2.0f;
    EXPECT_NEAR(p.x, inFront.X, 0.05);
    EXPECT_NEAR(p.y, inFront.Y, 0.05);
    EXPECT_NEAR(p.z, inFront.Z, 0.05);

    player->yaw = 90.0f;  // the carried object turns with the view's yaw, never its pitch
    player->pitch = 30.0f;
    idle(3);
    NxMat33 turned = crate->actor->getGlobalOrientation();
    NxVec3 zAxis = turned * NxVec3(0, 0, 1);
    EXPECT_NEAR(zAxis.x, 1.0, 1e-3);
    EXPECT_NEAR(zAxis.y, 0.0, 1e-3);
    player->yaw = 0.0f;
    player->pitch = 0.0f;
    idle(3);

    play({USE, InputFrame()});  // another light object in view: only puts the crate down
    EXPECT_EQ(player->held, nullptr);
    EXPECT_FALSE(carried(crate));
    EXPECT_FALSE(carried(limit));

    moveAway(crate, 5);
    player->pitch = 30.0f;  // the other one rests on the floor: look down at it
    idle(2);
    play({USE, InputFrame()});
    EXPECT_EQ(player->held, limit);  // mass exactly 100 can be carried
}

TEST_F(WorldFixture, HeavyAndStaticObjectsStayAndTheButtonFreesACarriedOne) {
    GameObject* heavy = addCube("Heavy", core::vector3df(0, 2, 3), 100.5f);
    GameObject* wall = addStaticCube("1Wall", core::vector3df(0, 2, 5));
    idle(2);
    play({USE, InputFrame()});
    EXPECT_EQ(player->held, nullptr);
    EXPECT_FALSE(heavy->actor->readBodyFlag(NX_BF_KINEMATIC));

    moveAway(heavy, 0);
    GameObject* crate = addCube("Crate", core::vector3df(0, 2, 3), 50);
    idle(2);
    play({USE, InputFrame()});
    ASSERT_EQ(player->held, crate);
    play({holding({}, true), InputFrame()});  // the left button frees it, velocity kept
    EXPECT_EQ(player->held, nullptr);
    EXPECT_FALSE(carried(crate));
    EXPECT_TRUE(wall->actor != nullptr && !wall->actor->isDynamic());
}

namespace {

// Every corner of the node's box lies deeper along the view than the camera's near plane.
void expectWhollyPastTheNearPlane(scene::ISceneNode* node) {
    scene::ICameraSceneNode* camera = GameWorld::instance().camera;
    camera->updateAbsolutePosition();
    node->updateAbsolutePosition();
    core::vector3df eye = camera->getAbsolutePosition();
    core::vector3df view = (camera->getTarget() - eye).normalize();
    core::aabbox3df box = node->getTransformedBoundingBox();
    core::vector3df corners[8];
    box.getEdges(corners);
    for (const core::vector3df& corner : corners)
        EXPECT_GT((corner - eye).dotProduct(view), camera->getNearValue());
}

}  // namespace

TEST_F(WorldFixture, TheWeaponIsTakenForGoodAndASecondOneWaitsHidden) {
    GameObject* weapon = addCube("weapon", core::vector3df(0, 2, 3), 50);
    GameObject* spare = addCube("weapon", core::vector3df(0, 2, 3.5f), 50);
    GameObject* notWeapon = addCube("Weapon", core::vector3df(0, 2, 4), 50);
    idle(2);
    size_t actorsBefore = PhysicsSystemActors();
    play({USE, InputFrame()});
    ASSERT_EQ(player->held, weapon);
    EXPECT_EQ(weapon->actor, nullptr);
    EXPECT_EQ(PhysicsSystemActors(), actorsBefore - 1);
    EXPECT_EQ(weapon->node->getParent(), GameWorld::instance().camera);
    core::vector3df inHand = weapon->node->getPosition();
    EXPECT_NEAR(inHand.Z, 0.7f, 0.01f);  // ahead, right and below the eye
    EXPECT_NEAR(inHand.X, 0.6f, 0.01f);
    EXPECT_NEAR(inHand.Y, -0.25f, 0.01f);
    expectWhollyPastTheNearPlane(weapon->node);

    play({holding({}, true), InputFrame()});  // release never frees the weapon
    EXPECT_EQ(player->held, weapon);

    play({USE, InputFrame()});
    EXPECT_EQ(player->held, weapon);
    EXPECT_EQ(player->inventory.size(), 2u);
    EXPECT_FALSE(spare->node->isVisible());
    EXPECT_TRUE(weapon->node->isVisible());

    play({USE, InputFrame()});  // an ordinary object: carried, the weapon hidden meanwhile
    EXPECT_EQ(player->held, notWeapon);
    EXPECT_FALSE(weapon->node->isVisible());
    play({USE, InputFrame()});  // the carried object hangs in view: using it puts it down
    EXPECT_EQ(player->held, weapon);
    EXPECT_TRUE(weapon->node->isVisible());
    EXPECT_FALSE(carried(notWeapon));
}

TEST_F(WorldFixture, AUseWithNothingInReachTapsTheEmptyHandAndTheAimDotHidesWhileCarrying) {
    auto taps = [] {
        std::vector<core::vector3df> at;  // where the dull grey pulses of the tap start
        for (const auto& wave : WaveManager::instance().waves())
            if (wave->color == core::vector3df(0.55f, 0.5f, 0.45f)) at.push_back(wave->position);
        return at;
    };
    play({InputFrame(), USE, InputFrame()});
    ASSERT_EQ(taps().size(), 1u);
    EXPECT_LT((taps()[0] - GameWorld::instance().camera->getAbsolutePosition()).getLength(), 1.0f) << "by the eye";
    EXPECT_TRUE(Graphics::AimDot::instance().shown);

    GameObject* crate = addCube("Crate", core::vector3df(0, 2, 3), 50);
    play({InputFrame(), USE, InputFrame()});
    ASSERT_EQ(player->held, crate);
    EXPECT_EQ(taps().size(), 1u) << "something in reach: no tap";
    EXPECT_FALSE(Graphics::AimDot::instance().shown);
}

TEST_F(WorldFixture, AHeavyObjectAnswersEachUseWithOnePushAndTheLineShownOnce) {
    GameObject* heavy = addCube("Heavy", core::vector3df(0, 2, 3), 100.5f);
    idle(2);
    auto pushes = [] {
        size_t count = 0;  // the dull brown pulses of the push
        for (const auto& wave : WaveManager::instance().waves())
            if (wave->color == core::vector3df(0.6f, 0.45f, 0.3f)) ++count;
        return count;
    };
    Graphics::ScreenMessage& message = Graphics::ScreenMessage::instance();
    std::vector<InputFrame> heldDown(10, USE);  // E held: one press, one use
    play(heldDown);
    EXPECT_EQ(pushes(), 1u);
    EXPECT_EQ(message.text(), "Too heavy to lift.");
    EXPECT_EQ(player->held, nullptr);
    EXPECT_FALSE(heavy->actor->readBodyFlag(NX_BF_KINEMATIC));
    idle(210);  // 4.2 s: the line is not shown again meanwhile, so it has gone
    EXPECT_FALSE(message.visible());
    heavy->node->setPosition(core::vector3df(0, 2, 3));  // back in front of the eye
    heavy->node->updateAbsolutePosition();
    idle(1);
    play({USE, InputFrame()});
    EXPECT_TRUE(message.visible());
    EXPECT_EQ(pushes(), 1u) << "the first push's pulse has run out; this one is new";
}

TEST_F(WorldFixture, ALiftableObjectInReachIsTakenBeforeANearerFixture) {
    GameObject* plate = addStaticCube("2Plate", core::vector3df(-0.6f, 2, 2.5f));
    GameObject* crate = addCube("Crate", core::vector3df(0.8f, 2, 4.2f), 50);
    idle(1);
    GameWorld& world = GameWorld::instance();
    EXPECT_EQ(world.objectUnderAimDot(world.camera->getAbsolutePosition(), 6.0f), nullptr);
    EXPECT_EQ(world.findUseTarget(6.0f, 0.8f), crate) << "the dot on nothing";
    player->yaw = -13.5f;  // the dot on the fixture, which does nothing when used
    idle(1);
    EXPECT_EQ(world.findUseTarget(6.0f, 0.8f), crate);
    moveAway(crate, 8);
    idle(1);
    EXPECT_EQ(world.findUseTarget(6.0f, 0.8f), plate) << "no liftable one in reach";
}

TEST_F(WorldFixture, PadsHearLevelObjectsOnlyAndTheWeaponLeavingWhenTaken) {
    // Farther from the eye than the weapon on it, so that use picks the weapon.
    GameObject* pad = addCountingPad(core::vector3df(0, 0.5f, 5.6f));
    GameObject* farPad = addCountingPad(core::vector3df(10, 0.5f, 0));
    vphysx::NxController* obstacle = PhysicsSystem::instance().createCapsuleController(1.8f, 0.5f, -1);
    ASSERT_NE(obstacle, nullptr);
    obstacle->setPosition(vphysx::NxExtendedVec3(10, 1.4, 0));
    GameObject* weapon = addCube("weapon", core::vector3df(0, 0.5f, 5), 50);
    idle(10);
    EXPECT_EQ(global(farPad, "ins"), 0) << "the figure standing on a pad is no object";
    EXPECT_EQ(global(pad, "ins"), 1);
    EXPECT_EQ(global(pad, "entered"), weapon->id);

    play({USE, InputFrame()});
    idle(3);
    ASSERT_EQ(player->held, weapon);
    EXPECT_EQ(global(pad, "outs"), 1);
    EXPECT_EQ(global(pad, "left"), weapon->id);
}
