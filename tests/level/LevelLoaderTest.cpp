// The level walk over a small level written by the test into a folder of its own: which node
// becomes what, which script it runs, and the exact console lines in walk order.
#include "graphics/GraphicsSystem.h"
#include "physics/PhysicsSystem.h"
#include "sound/SoundSystem.h"
#include "waves/WaveManager.h"
#include "world/GameWorld.h"
#include "world/Player.h"

#include <NxActor.h>
#include <NxController.h>
#include <NxControllerManager.h>
#include <NxScene.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace irr;
using namespace vphysx;
namespace fs = std::filesystem;

namespace {

std::string meshNode(const char* type, const char* name, const char* pos, const char* children = "") {
    std::ostringstream s;
    s << "<node type=\"" << type << "\"><attributes>"
      << "<string name=\"Name\" value=\"" << name << "\" />"
      << "<vector3d name=\"Position\" value=\"" << pos << "\" />"
      << "<vector3d name=\"Scale\" value=\"1, 1, 1\" /><bool name=\"Visible\" value=\"true\" />";
    if (std::string(type) != "empty")
        s << "<string name=\"Mesh\" value=\"Content/box.irrmesh\" />";
    s << "</attributes>" << children << "</node>\n";
    return s.str();
}

std::string soundNode(const char* name, const char* sound, const char* effect) {
    std::ostringstream s;
    s << "<node type=\"irrKlangSceneNode\"><attributes>"
      << "<string name=\"Name\" value=\"" << name << "\" />"
      << "<vector3d name=\"Position\" value=\"0, 1, 0\" />"
      << "<vector3d name=\"Scale\" value=\"1, 1, 1\" /><bool name=\"Visible\" value=\"true\" />"
      << "<string name=\"SoundFileName\" value=\"Content/" << sound << "\" />"
      << "<enum name=\"PlayMode\" value=\"nothing\" />"
      << "<vector3d name=\"EffectColor\" value=\"1, 0, 0\" />"
      << "<enum name=\"EffectType\" value=\"" << effect << "\" />"
      << "<float name=\"MaxRadius\" value=\"5\" /><float name=\"MaxIntensity\" value=\"1\" />"
      << "</attributes></node>\n";
    return s.str();
}

void write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
}

const char* const ANALYSIS =
    "<a><slot><l v=\"1\"/><m v=\"0\"/><h v=\"0\"/><p v=\"0\"/><level v=\"1\"/></slot></a>\n";

struct LevelWalk : ::testing::Test {
    fs::path original = fs::current_path();
    fs::path dir = fs::temp_directory_path() / ("velmora_level_" + std::to_string(getpid()));
    std::string console;

    void SetUp() override {
        fs::create_directories(dir / "Content");
        fs::copy_file(original / "Content/meshes/crate.irrmesh", dir / "Content/box.irrmesh",
                      fs::copy_options::overwrite_existing);
        write(dir / "Content/scripts/Fan.lua",
              "function OnCreate() PrintString(\"fan \") PrintInt(objID) PrintString(\"\\n\") end\n");
        write(dir / "Content/scripts/4Fan.lua", "function OnCreate() PrintString(\"4fan\\n\") end\n");
        write(dir / "Content/scripts/Door.lua",
              "function OnCreate() PrintString(\"door \") PrintInt(objID)\n"
              "  GetObjIDByName(\"Zone\") PrintString(\" sees \") PrintInt(id) PrintString(\"\\n\") end\n");
        write(dir / "Content/beat.xml", ANALYSIS);
        write(dir / "Content/test.irr",
              "<?xml version=\"1.0\"?>\n<irr_scene>\n" +
                  meshNode("empty", "Group", "10, 0, 0", meshNode("mesh", "Crate", "1, 2, 0").c_str()) +
                  meshNode("mesh", "weapon", "0, 1, 3") + meshNode("mesh", "3Fan", "0, 5, 0") +
                  meshNode("mesh", "4Fan", "0, 1, -3") + meshNode("mesh", "1Door", "3, 1, 0") +
                  meshNode("mesh", "Door", "-3, 1, 0") + meshNode("mesh", "2Zone", "0, 0, 9") +
                  meshNode("mesh", "../scripts/Fan", "0, 1, 12") +
                  meshNode("empty", "player_start", "5, 3, 5") +
                  soundNode("PulseA", "beat.wav", "Pulse") + soundNode("GlowA", "beat.wav", "Glow") +
                  soundNode("PlainB", "plain.wav", "Pulse") +
                  soundNode("player_start", "plain.wav", "Glow") +
                  meshNode("animatedMesh", "Figure", "0, 10, 20") + "</irr_scene>\n");
        fs::current_path(dir);

        GraphicsSystem::useDriver(video::EDT_NULL);
        GameWorld::instance();
        SoundSystem::instance();
        WaveManager::instance();
        scene::ISceneManager* smgr = GraphicsSystem::instance().sceneManager;
        ASSERT_TRUE(smgr->loadScene("Content/test.irr"));
        testing::internal::CaptureStdout();
        PhysicsSystem::instance().loadLevel(smgr->getRootSceneNode());
        console = testing::internal::GetCapturedStdout();
    }

    void TearDown() override {
        fs::current_path(original);
        fs::remove_all(dir);
    }

    GameObject* object(const char* name) {
        return GameWorld::instance().findObject(GameWorld::instance().findObjectId(name));
    }
};

}  // namespace

TEST_F(LevelWalk, PrintsTheExactLinesInWalkOrder) {
    EXPECT_EQ(console,
              "Adding Dynamic PhysX Node: Crate...\n"
              "Adding Dynamic PhysX Node: weapon...\n"
              "Adding Dynamic PhysX Node: 3Fan...\n"
              "ObjID inserted: 3\n"
              "\t...executing OnCreate script\n"
              "fan 3\n"
              "Adding Dynamic PhysX Node: 4Fan...\n"
              "ObjID inserted: 4\n"
              "\t...executing OnCreate script\n"
              "4fan\n"
              "Adding Static PhysX Node: 1Door...\n"
              "ObjID inserted: 5\n"
              "\t...executing OnCreate script\n"
              "door 5 sees 0\n"
              "Adding Dynamic PhysX Node: Door...\n"
              "ObjID inserted: 6\n"
              "\t...executing OnCreate script\n"
              "door 6 sees 0\n"
              "Adding Trigger: 2Zone...\n"
              "Adding Dynamic PhysX Node: ../scripts/Fan...\n"
              "Level: node \"../scripts/Fan\" has a path in its name; it runs no script\n");
}

TEST_F(LevelWalk, NamesChooseTheKindOfActorAndNestedNodesTakeAbsolutePositions) {
    GameObject* crate = object("Crate");
    ASSERT_TRUE(crate && crate->actor);
    EXPECT_EQ(crate->id, 1);
    NxVec3 p = crate->actor->getGlobalPosition();
    EXPECT_NEAR(p.x, 11.0, 1e-4);
    EXPECT_NEAR(p.y, 2.0, 1e-4);
    EXPECT_TRUE(object("weapon")->actor->isDynamic());
    EXPECT_TRUE(object("3Fan")->actor->readBodyFlag(NX_BF_KINEMATIC));
    EXPECT_FALSE(object("4Fan")->actor->readBodyFlag(NX_BF_KINEMATIC));
    EXPECT_FALSE(object("1Door")->actor->isDynamic());
    EXPECT_NE(object("1Door")->script, object("Door")->script);
    EXPECT_EQ(object("weapon")->script, nullptr);
    EXPECT_EQ(object("Group"), nullptr);
    EXPECT_EQ(object("Figure"), nullptr);
    EXPECT_EQ(GameWorld::instance().lastId, 8);

    // Nested under a moved parent, the crate keeps its place from frame to frame.
    PhysicsSystem& physics = PhysicsSystem::instance();
    scene::ISceneNode* root = GraphicsSystem::instance().sceneManager->getRootSceneNode();
    for (int frame = 0; frame < 10; ++frame) {
        physics.syncActorsFromNodes();
        physics.scene->simulate(0.02f);
        physics.scene->fetchResults(NX_RIGID_BODY_FINISHED, true);
        physics.syncNodesFromActors();
        root->OnAnimate(0);
    }
    EXPECT_NEAR(crate->node->getAbsolutePosition().X, 11.0f, 1e-3);
    EXPECT_NEAR(crate->actor->getGlobalPosition().x, 11.0, 1e-3);
}

TEST_F(LevelWalk, StartEmittersAndObstacles) {
    const NxExtendedVec3& start = GameWorld::instance().player->controller->getPosition();
    // The later of the two starts wins: the sound node named player_start, at (0, 1, 0).
    EXPECT_NEAR(start.x, 0.0, 1e-6);
    EXPECT_NEAR(start.y, 1.0, 1e-6);

    // PulseA: analysed, beats only; GlowA: analysed, beats and its glow; PlainB: its own wave.
    // The sound node named player_start only places the player.
    WaveManager& waves = WaveManager::instance();
    EXPECT_EQ(waves.recordCount(), 2);
    EXPECT_EQ(waves.emitters().size(), 2u);

    NxControllerManager* controllers = PhysicsSystem::instance().controllerManager;
    ASSERT_EQ(controllers->getNbControllers(), 2u);  // the player and the figure's obstacle
    const NxExtendedVec3& figure = controllers->getController(1)->getPosition();
    EXPECT_NEAR(figure.y, 8.0, 1e-6);
    EXPECT_NEAR(figure.z, 20.0, 1e-6);
}
