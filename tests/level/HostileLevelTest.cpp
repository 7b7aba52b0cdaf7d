// Broken and hostile level content through the game's own loading path, on Irrlicht's null
// device: one line each, and the game goes on with what it has.
#include "graphics/GraphicsSystem.h"
#include "level/LevelFile.h"
#include "physics/PhysicsSystem.h"
#include "sound/SoundSystem.h"
#include "waves/WaveManager.h"
#include "world/GameWorld.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace irr;
namespace fs = std::filesystem;

namespace {

struct HostileLevel : ::testing::Test {
    // Inside the game folder (the working directory), where a level's files must be.
    fs::path dir = fs::current_path() / ("velmora_hostile_" + std::to_string(getpid()));
    scene::ISceneManager* smgr = nullptr;

    void SetUp() override {
        fs::create_directories(dir);
        GraphicsSystem::useDriver(video::EDT_NULL);
        GameWorld::instance();
        SoundSystem::instance();
        WaveManager::instance();
        smgr = GraphicsSystem::instance().sceneManager;
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const char* name) { return (dir / name).string(); }

    std::string load(const std::string& file) {
        testing::internal::CaptureStdout();
        loadLevelFile(smgr, file.c_str());
        return testing::internal::GetCapturedStdout();
    }
};

std::string meshNode(const char* name, const std::string& mesh) {
    return "<node type=\"mesh\"><attributes><string name=\"Name\" value=\"" + std::string(name) +
           "\"/><vector3d name=\"Position\" value=\"0, 1, 0\"/><vector3d name=\"Scale\" value=\"1, 1, 1\"/>"
           "<string name=\"Mesh\" value=\"" + mesh +
           "\"/></attributes></node>\n";
}

}  // namespace

TEST_F(HostileLevel, ALevelThatCannotBeUsedLeavesTheWorldEmptyWithOneLine) {
    fs::create_directories(path("folder.irr"));
    std::ofstream(path("cut.irr")) << "<irr_scene>\n" << meshNode("1Room", "Content/meshes/room.irrmesh")
                                   << "<node type=\"mesh\"";
    std::ofstream(path("empty.irr")).close();
    size_t nodesBefore = smgr->getRootSceneNode()->getChildren().size();  // the camera
    const std::pair<const char*, const char*> cases[] = {{"folder.irr", "is not a regular file"},
                                                         {"cut.irr", "is cut off inside a tag (line 3)"},
                                                         {"empty.irr", "is empty"},
                                                         {"missing.irr", "is missing"}};
    for (const auto& [file, problem] : cases)
        EXPECT_EQ(load(path(file)), "Level: " + path(file) + " " + problem + "; the game goes on in an empty world\n");
    EXPECT_EQ(smgr->getRootSceneNode()->getChildren().size(), nodesBefore);
}

TEST_F(HostileLevel, ANodeWhoseMeshFileIsBrokenIsRegisteredWithoutMeshAndTheRestLoads) {
    fs::create_directories(path("dir.irrmesh"));
    std::ofstream(path("unknown.irrmesh"))
        << "<mesh><buffer><vertices type=\"fancy\" vertexCount=\"1\">0</vertices>"
           "<indices indexCount=\"0\"></indices></buffer></mesh>";
    std::ofstream(path("level.irr")) << "<irr_scene>\n" << meshNode("1Wall", path("dir.irrmesh"))
                                     << meshNode("Box", path("unknown.irrmesh"))
                                     << meshNode("Crate", "Content/meshes/crate.irrmesh") << "</irr_scene>\n";
    // Irrlicht's own log line for the good mesh follows.
    EXPECT_EQ(load(path("level.irr")).rfind(
              "Level: node \"1Wall\" gets no mesh: " + path("dir.irrmesh") + " is not a regular file\n"
              "Level: node \"Box\" gets no mesh: " + path("unknown.irrmesh") +
                  " has a vertex type \"fancy\" that Irrlicht does not know\n", 0), 0u);

    testing::internal::CaptureStdout();
    PhysicsSystem::instance().loadLevel(smgr->getRootSceneNode());
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Adding Static PhysX Node: 1Wall...\nAdding Dynamic PhysX Node: Box...\n"
              "Adding Dynamic PhysX Node: Crate...\n");
    GameWorld& world = GameWorld::instance();
    for (const char* name : {"1Wall", "Box"}) {
        GameObject* object = world.findObject(world.findObjectId(name));
        ASSERT_NE(object, nullptr) << name;
        EXPECT_EQ(static_cast<scene::IMeshSceneNode*>(object->node)->getMesh(), nullptr);
        EXPECT_EQ(object->actor, nullptr);
    }
    EXPECT_NE(world.findObject(world.findObjectId("Crate"))->actor, nullptr);
}

TEST_F(HostileLevel, NodesNestedFarDeeperThanTheStackAllowsAreWalked) {
    const int depth = 200000;
    std::vector<scene::ISceneNode*> chain{smgr->getRootSceneNode()};
    for (int i = 0; i < depth; ++i) chain.push_back(smgr->addEmptySceneNode(chain.back()));
    scene::IMesh* crate = smgr->getMesh("Content/meshes/crate.irrmesh")->getMesh(0);
    scene::ISceneNode* deepest = smgr->addMeshSceneNode(crate, chain.back());
    deepest->setName("Deepest");

    testing::internal::CaptureStdout();
    PhysicsSystem::instance().loadLevel(smgr->getRootSceneNode());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Adding Dynamic PhysX Node: Deepest...\n");
    EXPECT_EQ(GameWorld::instance().findObjectId("Deepest"), 1);

    // Irrlicht frees a chain recursively: take it apart from the bottom, keeping the object's node.
    deepest->setParent(smgr->getRootSceneNode());
    for (auto node = chain.rbegin(); node + 1 != chain.rend(); ++node) (*node)->remove();
}

TEST_F(HostileLevel, AShaderFileThatIsADirectoryKeepsThePlainMaterials) {
    fs::create_directories(path("shader.vsh"));
    testing::internal::CaptureStdout();
    GraphicsSystem::instance().createShaderMaterials(path("shader.vsh").c_str(), "shader2.fsh", true);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Graphics: shader file " + path("shader.vsh") +
                  " is not a regular file; the level keeps its plain materials\n");
    EXPECT_FALSE(GraphicsSystem::instance().shadersCreated);
}
