// Broken and hostile level content through the game's own loading path, on Irrlicht's null
// device: one line each, and the game goes on with what it has. Hostile mesh and image files come
// from the decoding fuzz corpus, whose files' first line names their extension.
#include "graphics/GraphicsSystem.h"
#include "level/DrawingDepth.h"
#include "level/LevelCaps.h"
#include "level/LevelFile.h"
#include "physics/PhysicsSystem.h"
#include "sound/SoundSystem.h"
#include "waves/WaveManager.h"
#include "world/GameWorld.h"

#include "OpenWatch.h"
#include "SpecialFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace irr;
namespace fs = std::filesystem;

namespace {

std::string node(const char* type, const std::string& name, const std::string& mesh, const std::string& more = "",
                 const std::string& children = "") {
    return "<node type=\"" + std::string(type) + "\"><attributes><string name=\"Name\" value=\"" + name +
           "\"/><vector3d name=\"Scale\" value=\"1, 1, 1\"/><string name=\"Mesh\" value=\"" + mesh + "\"/>" +
           more + "</attributes>" + children + "</node>\n";
}

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

    std::string path(const std::string& name) { return (dir / name).generic_string(); }

    std::string load(const std::string& file) {
        testing::internal::CaptureStdout();
        loadLevelFile(smgr, file.c_str());
        return testing::internal::GetCapturedStdout();
    }

    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }

    // The level's lines, then the walk's; a good crate comes last.
    std::string loadAndWalk(const std::string& nodes) {
        write("level.irr", "<irr_scene>\n" + nodes + node("mesh", "Crate", "Content/meshes/crate.irrmesh") +
                               "</irr_scene>\n");
        testing::internal::CaptureStdout();
        loadLevelFile(smgr, path("level.irr").c_str());
        PhysicsSystem::instance().loadLevel(smgr->getRootSceneNode());
        return testing::internal::GetCapturedStdout();
    }
};

const fs::path CORPUS = "../tests/fuzz/decodedfile/corpus";

std::string fileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return bytes.substr(bytes.find('\n') + 1);
}

bool isImage(const std::string& file) {
    const fs::path kind = fs::path(file).extension();
    return kind == ".tga" || kind == ".bmp" || kind == ".png";
}

std::string texturedCrate(const std::string& name, const std::string& texture) {
    return node("mesh", name, "Content/meshes/crate.irrmesh", "",
                "<materials><attributes><texture name=\"Texture1\" value=\"" + texture + "\"/></attributes></materials>");
}

std::vector<std::string> linesAbout(const std::string& out, const std::string& name) {
    std::vector<std::string> found;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        if (line.find("\"" + name + "\"") != std::string::npos && line.rfind("Adding ", 0) != 0)
            found.push_back(line);
    return found;
}

bool crateStillPlays() {
    GameWorld& world = GameWorld::instance();
    GameObject* crate = world.findObject(world.findObjectId("Crate"));
    return crate && crate->actor;
}

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

TEST_F(HostileLevel, EachHostileFileCostsItsNodeTheMeshOrTextureWithOneLine) {
    std::vector<std::string> files;
    std::string nodes;
    for (const auto& entry : fs::directory_iterator(CORPUS)) {
        std::string file = entry.path().filename().string();
        if (file.rfind("good-", 0) == 0) continue;
        files.push_back(file);
        write(file, fileBytes(entry.path()));
        nodes += isImage(file) ? texturedCrate(file, path(file)) : node("mesh", file, path(file));
    }
    auto start = std::chrono::steady_clock::now();
    std::string out = loadAndWalk(nodes);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3 * files.size()));
    GameWorld& world = GameWorld::instance();
    for (const std::string& file : files) {
        std::vector<std::string> lines = linesAbout(out, file);
        // An image reader's overrun that does not crash a helper built without the sanitizer
        // hands back its pixels: an image costs at most the line.
        ASSERT_EQ(lines.size(), isImage(file) && lines.empty() ? 0u : 1u) << file << "\n" << out;
        // The STL reader survives its huge count with a mesh of nothing, which physics reports.
        if (lines.empty() || lines[0].rfind("Level: ", 0) != 0) continue;
        EXPECT_EQ(lines[0].rfind("Level: node \"" + file + "\" gets no " + (isImage(file) ? "Texture1" : "mesh") +
                                     ": " + path(file) + " was not decoded (", 0), 0u) << lines[0];
        scene::ISceneNode* node = world.findObject(world.findObjectId(file.c_str()))->node;
        EXPECT_TRUE(isImage(file) || !static_cast<scene::IMeshSceneNode*>(node)->getMesh()) << file;
    }
    EXPECT_TRUE(crateStillPlays()) << out;
}

TEST_F(HostileLevel, AGoodMeshOfAnotherKindArrivesWholeWithItsTextureDecodedApart) {
    write("tetra.obj", "mtllib tetra.mtl\nusemtl skin\nv 0 0 0\nv 1 0 0\nv 0 1 0\nv 0 0 1\n"
                       "f 1 2 3\nf 1 2 4\nf 1 3 4\nf 2 3 4\n");
    write("tetra.mtl", "newmtl skin\nmap_Kd " + path("skin.tga") + "\n");
    write("skin.tga", fileBytes(CORPUS / "good-2x2.tga"));
    std::string out = loadAndWalk(node("mesh", "Tetra", path("tetra.obj")));
    EXPECT_EQ(out.find("Level: "), std::string::npos) << out;
    GameWorld& world = GameWorld::instance();
    GameObject* tetra = world.findObject(world.findObjectId("Tetra"));
    ASSERT_NE(tetra, nullptr);
    scene::IMesh* mesh = static_cast<scene::IMeshSceneNode*>(tetra->node)->getMesh();
    ASSERT_NE(mesh, nullptr);
    ASSERT_EQ(mesh->getMeshBufferCount(), 1u);
    EXPECT_EQ(mesh->getMeshBuffer(0)->getIndexCount(), 12u);
    EXPECT_NE(tetra->actor, nullptr);  // a real hull: four distinct corners came through
    EXPECT_EQ(mesh->getMeshBuffer(0)->getMaterial().getTexture(0)->getName().getPath(), path("skin.tga").c_str());
    video::IImage* image = GraphicsSystem::instance().driver->createImageFromFile(path("skin.tga").c_str());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->getDimension(), core::dimension2du(2, 2));
    EXPECT_EQ(image->getPixel(1, 1).color, 0x40302010u);  // the file's one colour, as it wrote it
    image->drop();
}

TEST_F(HostileLevel, NodesOfKindsTheGameDoesNotBuildAreLeftOutAndCountsAreCapped) {
    ASSERT_TRUE(makeSpecialFile(path("fifo.bmp")));
    const std::string child = node("mesh", "Kept", "Content/meshes/crate.irrmesh");
    auto leftOut = [](const char* name, const char* type) {
        return "Level: node \"" + std::string(name) + "\" is of type \"" + type +
               "\", which this game does not build; it is left out and its children stay";
    };
    struct {
        const char* type;
        const char* name;
        std::string attributes;
        std::string line;
    } cases[] = {
        {"terrain", "Fifo", "<string name=\"Heightmap\" value=\"" + path("fifo.bmp") + "\"/>", leftOut("Fifo", "terrain")},
        {"particleSystem", "Storm", "<int name=\"MaxParticlesPerSecond\" value=\"2000000000\"/>",
         leftOut("Storm", "particleSystem")},
        {"sphere", "Ball", "<int name=\"PolyCount\" value=\"2000000000\"/>",
         "Level: node \"Ball\" has PolyCount \"2000000000\", past what the game allows; 128 is used in its place"},
    };
    std::string nodes;
    for (const auto& c : cases) nodes += node(c.type, c.name, "", c.attributes, c.name == std::string("Fifo") ? child : "");
    std::string out = loadAndWalk(nodes);
    for (const auto& c : cases) EXPECT_EQ(linesAbout(out, c.name), std::vector<std::string>{c.line}) << out;

    scene::ISceneNode* fifo = smgr->getSceneNodeFromName("Fifo");
    EXPECT_TRUE(fifo->getType() == scene::ESNT_EMPTY && fifo->getChildren().size() == 1u);
    scene::IMesh* ball = static_cast<scene::IMeshSceneNode*>(smgr->getSceneNodeFromName("Ball"))->getMesh();
    EXPECT_LE(ball->getMeshBuffer(0)->getVertexCount(), 129u * 129u);
    EXPECT_NE(GameWorld::instance().findObjectId("Kept"), 0);
    EXPECT_TRUE(crateStillPlays());
}

TEST_F(HostileLevel, NamesPathsNumbersAndSizesEachEndInOneLineAndTheRestLoads) {
    const std::string outside = (fs::temp_directory_path() / ("velmora_outside_" + std::to_string(getpid()))).string();
    std::ofstream(outside + ".irrmesh") << std::ifstream("Content/meshes/crate.irrmesh").rdbuf();
    const bool linked = makeSymlink(outside + ".irrmesh", path("link.irrmesh"));
    // Side by side, as a real mesh's triangles lie; the first corner's x as given.
    auto triangles = [](const char* x, int n) {
        std::string vertices, indices;
        for (int i = 0; i < n; ++i) {
            const std::string left = i ? std::to_string(i) : x, right = std::to_string(i + 1);
            vertices += left + " 0 0 0 1 0 ffffffff 0 0 " + right + " 0 0 0 1 0 ffffffff 1 0 " + std::to_string(i) +
                        " 1 0 0 1 0 ffffffff 0 1 ";
            indices += std::to_string(3 * i) + " " + std::to_string(3 * i + 1) + " " + std::to_string(3 * i + 2) + " ";
        }
        return "<mesh><buffer><vertices type=\"standard\" vertexCount=\"" + std::to_string(3 * n) + "\">" + vertices +
               "</vertices><indices indexCount=\"" + std::to_string(3 * n) + "\">" + indices + "</indices></buffer></mesh>";
    };
    std::ofstream(path("big.irrmesh")) << triangles("0", 20001);
    std::ofstream(path("huge.irrmesh")) << triangles("1e99", 1);
    auto many = [](int n, const char* name, const std::string& mesh) {
        std::string nodes;
        while (n-- > 0) nodes += meshNode(name, mesh);
        return nodes;
    };
    const std::string crate = "Content/meshes/crate.irrmesh";
    const std::string escapeName = "\x1b[31mRed\x1b]0;title\x07\x9b";
    auto outsideLine = [](const char* name, const std::string& file) {
        return "Level: node \"" + std::string(name) + "\" names " + file +
               ", which is outside the game folder; it goes without that file\n";
    };
    struct Case {
        std::string nodes, line;
        std::size_t nodesKept;
    };
    std::vector<Case> cases = {
        {meshNode(escapeName.c_str(), crate),
         "Adding Dynamic PhysX Node: \\x1b[31mRed\\x1b]0;title\\x07\\x9b...\n", 2},
        {meshNode(std::string(100000, 'N').c_str(), crate),
         "Adding Dynamic PhysX Node: " + std::string(64, 'N') + "......\n", 2},
        {meshNode("Up", "../" + crate), outsideLine("Up", "../" + crate), 2},
        {meshNode("Abs", outside + ".irrmesh"), outsideLine("Abs", outside + ".irrmesh"), 2},
        {"<node type=\"empty\"><attributes><string name=\"Name\" value=\"Far\"/>"
         "<vector3d name=\"Position\" value=\"1e39, 0, 0\"/></attributes></node>\n",
         "Level: node \"Far\" has Position \"1e39, 0, 0\", not a finite number; 0 is used in its place\n", 2},
        {meshNode("Huge", path("huge.irrmesh")),
         "Level: node \"Huge\" gets no mesh: " + path("huge.irrmesh") + " has a vertex value \"1e99\" that is not a plain number\n", 2},
        {many(kMostLooseObjects + 1, "Crate", crate),
         "Level: the level has more loose objects than the 200 it may have; the nodes past them (1, from node "
         "\"Crate\" on) are left out\n",
         kMostLooseObjects + 1},
        {many(5, "1Big", path("big.irrmesh")),
         "Level: the level has more triangles than the 100000 it may have; the nodes past them (1, from node \"1Big\" "
         "on) are left out\n",
         5},
    };
    if (linked) cases.push_back({meshNode("Link", path("link.irrmesh")), outsideLine("Link", path("link.irrmesh")), 2});
    for (const Case& c : cases) {
        scene::ISceneNode* root = smgr->addEmptySceneNode();
        testing::internal::CaptureStdout();
        loadLevelText(smgr, "hostile.irr", "<irr_scene>\n" + c.nodes + meshNode("1Last", crate) + "</irr_scene>\n", root);
        PhysicsSystem::instance().loadLevel(root);
        std::string printed = testing::internal::GetCapturedStdout();
        EXPECT_EQ(printed.find(c.line), printed.rfind(c.line)) << c.line;
        EXPECT_NE(printed.find(c.line), std::string::npos) << printed.substr(0, 2000);
        EXPECT_EQ(root->getChildren().size(), c.nodesKept) << c.line;
        // The game goes on: the level's last node, within every cap, is loaded like any other.
        EXPECT_NE(printed.find("Adding Static PhysX Node: 1Last...\n"), std::string::npos) << c.line;
        root->remove();
    }
    fs::remove(outside + ".irrmesh");
}

TEST_F(HostileLevel, SpheresAndSkyDomesHaveTheirCountsCappedAndCountAgainstTheTriangleCap) {
    std::string nodes = node("sphere", "Ball", "", "<int name=\"PolyCountX\" value=\"65536\"/><int name=\"PolyCountY\" "
                                                   "value=\"65536\"/>") +
                        node("skyDome", "Dome", "", "<int name=\"HorizontalResolution\" value=\"128\"/>"
                                                    "<int name=\"VerticalResolution\" value=\"128\"/>");
    for (int i = 0; i < 8; ++i) nodes += node("sphere", "S" + std::to_string(i), "", "<int name=\"PolyCount\" value=\"128\"/>");
    std::string out = loadAndWalk(nodes);

    auto capped = [](const char* attribute) {
        return "Level: node \"Ball\" has " + std::string(attribute) +
               " \"65536\", past what the game allows; 128 is used in its place";
    };
    EXPECT_EQ(linesAbout(out, "Ball"), (std::vector<std::string>{capped("PolyCountX"), capped("PolyCountY")})) << out;
    scene::IMesh* ball = static_cast<scene::IMeshSceneNode*>(smgr->getSceneNodeFromName("Ball"))->getMesh();
    EXPECT_LE(ball->getMeshBuffer(0)->getVertexCount(), 129u * 129u);
    // The dome and the first spheres fill the cap; the spheres past it are left out, and said so.
    ASSERT_NE(smgr->getSceneNodeFromName("Dome"), nullptr);
    ASSERT_EQ(smgr->getSceneNodeFromName("S7"), nullptr);
    unsigned long triangles = 2ul * 128 * 128;
    std::string firstLeftOut;
    for (int i = 0; i < 8 && firstLeftOut.empty(); ++i) {
        scene::ISceneNode* sphere = smgr->getSceneNodeFromName(("S" + std::to_string(i)).c_str());
        if (!sphere) firstLeftOut = "S" + std::to_string(i);
        else triangles += static_cast<scene::IMeshSceneNode*>(sphere)->getMesh()->getMeshBuffer(0)->getIndexCount() / 3;
    }
    EXPECT_LE(triangles, kMostLevelTriangles);
    EXPECT_NE(out.find("Level: the level has more triangles than the 100000 it may have; the nodes past them (" +
                       std::to_string(8 - std::stoi(firstLeftOut.substr(1))) + ", from node \"" + firstLeftOut + "\" on)"),
              std::string::npos) << out;
}

TEST_F(HostileLevel, FilesAMeshNamesOutsideTheGameFolderAreNeverOpenedAndCostOnlyTheTexture) {
    const fs::path outside = fs::temp_directory_path() / ("velmora_outside_" + std::to_string(getpid()));
    fs::create_directories(outside);
    const std::string secret = (outside / "private.tga").generic_string();
    std::ofstream(secret, std::ios::binary) << fileBytes(CORPUS / "good-2x2.tga");
    std::ofstream(outside / "private.mtl") << "newmtl skin\nmap_Kd " << secret << "\n";
    const std::string tetra = "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 0 0 1\nf 1 2 3\nf 1 2 4\nf 1 3 4\nf 2 3 4\n";
    write("tetra.obj", "mtllib tetra.mtl\nusemtl skin\n" + tetra);
    write("tetra.mtl", "newmtl skin\nmap_Kd " + secret + "\n");
    write("far.obj", "mtllib " + (outside / "private.mtl").string() + "\nusemtl skin\n" + tetra);
    std::string crate = fileBytes("Content/meshes/crate.irrmesh");
    crate.insert(crate.find("</material>"), "<texture name=\"Texture1\" value=\"" + secret + "\"/>");
    write("boxed.irrmesh", "\n" + crate);  // fileBytes drops the first line

    std::string out;
    {
        const OpenWatch watch(outside.string());
        out = loadAndWalk(node("mesh", "Tetra", path("tetra.obj")) + node("mesh", "Far", path("far.obj")) +
                          node("mesh", "Boxed", path("boxed.irrmesh")));
        EXPECT_TRUE(watch.noFileOpened()) << "a file outside the game folder was opened";
    }

    for (const char* mesh : {"tetra.obj", "boxed.irrmesh"}) {
        const std::string line = "Level: mesh " + path(mesh) + " names the texture " + secret +
                                 ", which is outside the game folder; it is drawn without it\n";
        EXPECT_NE(out.find(line), std::string::npos) << out;
        EXPECT_EQ(out.find(line), out.rfind(line));
    }
    GameWorld& world = GameWorld::instance();
    for (const char* name : {"Tetra", "Far", "Boxed"}) {
        GameObject* object = world.findObject(world.findObjectId(name));
        ASSERT_NE(object, nullptr) << name;
        scene::IMesh* mesh = static_cast<scene::IMeshSceneNode*>(object->node)->getMesh();
        ASSERT_TRUE(mesh && mesh->getMeshBufferCount() > 0) << name;
        EXPECT_EQ(mesh->getMeshBuffer(0)->getMaterial().getTexture(0), nullptr) << name;
        EXPECT_NE(object->actor, nullptr) << name;
    }
    fs::remove_all(outside);
}

// A 2048 x 2048 run-length TGA of one colour: 16 MiB of pixels from a file of 160 KiB.
std::string largeTga() {
    std::string tga = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x08, 0, 0x08, 32, 0x28};
    for (int packet = 0; packet < 2048 * 2048 / 128; ++packet) tga += "\xff\x10\x20\x30\x40";
    return tga;
}

TEST_F(HostileLevel, TexturesPastTheLevelsBudgetAreRefusedWithOneLineEach) {
    const std::string tga = largeTga();
    std::string nodes;
    for (int i = 0; i <= 16; ++i) {
        write("large" + std::to_string(i) + ".tga", tga);
        nodes += texturedCrate("T" + std::to_string(i), path("large" + std::to_string(i) + ".tga"));
    }
    std::string out = loadAndWalk(nodes);
    for (int i = 0; i < 16; ++i) EXPECT_TRUE(linesAbout(out, "T" + std::to_string(i)).empty()) << out;
    EXPECT_EQ(linesAbout(out, "T16"), std::vector<std::string>{"Level: node \"T16\" gets no Texture1: " +
                                                                path("large16.tga") +
                                                                " would take the level's textures past the 1024 textures "
                                                                "or 256 MiB of pixels they may have"});
    EXPECT_TRUE(crateStillPlays());
}

TEST_F(HostileLevel, CostlyGeometryIsRefusedBeforeItIsReadOrDrawnWithALineNamingIt) {
    // Two thousand large triangles heaped in one box: few, but each pixel is drawn hundreds of times.
    std::string heap;
    std::srand(7);
    auto corner = [] { return std::to_string(std::rand() % 1000 / 100.0); };
    for (int i = 0; i < 6000; ++i) heap += "v " + corner() + " " + corner() + " " + corner() + "\n";
    for (int i = 0; i < 2000; ++i)
        heap += "f " + std::to_string(3 * i + 1) + " " + std::to_string(3 * i + 2) + " " + std::to_string(3 * i + 3) + "\n";
    write("heap.obj", heap);
    std::string many = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";
    for (unsigned i = 0; i <= kMostLevelTriangles; ++i) many += "f 1 2 3\n";
    write("many.obj", many);
    write("counted.irrmesh", "<mesh><buffer><vertices type=\"standard\" vertexCount=\"3\">0 0 0 0 1 0 ffffffff 0 0 1 0 0 0 1 0 "
                             "ffffffff 1 0 0 1 0 0 1 0 ffffffff 0 1</vertices>"
                             "<indices indexCount=\"900000000\"></indices></buffer></mesh>");

    std::string out = loadAndWalk(node("mesh", "1Heap", path("heap.obj")) + node("mesh", "Many", path("many.obj")) +
                                  node("mesh", "Counted", path("counted.irrmesh")));
    EXPECT_EQ(linesAbout(out, "1Heap"), std::vector<std::string>{"Level: node \"1Heap\" piles its triangles more than 64 "
                                                                  "deep, too costly to draw; it is left out"});
    EXPECT_EQ(linesAbout(out, "Many"), std::vector<std::string>{"Level: node \"Many\" gets no mesh: " + path("many.obj") +
                                                                 " was not decoded (it has more triangles than the 100000 "
                                                                 "a level may have)"});
    EXPECT_EQ(linesAbout(out, "Counted").at(0), "Level: node \"Counted\" gets no mesh: " + path("counted.irrmesh") +
                                                    " has more triangles than the 100000 a level may have");
    EXPECT_EQ(smgr->getSceneNodeFromName("1Heap"), nullptr);
    EXPECT_TRUE(crateStillPlays());

    // What the game ships lies far inside the judge's limit.
    for (const auto& entry : fs::directory_iterator("Content/meshes"))
        EXPECT_LT(drawingDepth(*smgr->getMesh(entry.path().c_str())->getMesh(0)), 8.0) << entry.path();
}

TEST_F(HostileLevel, LinesGiveTheRightReasonAndNameTheNode) {
    const std::string longName(100000, 'N');
    const bool linked = makeSymlink("/etc/passwd", path("drip.xml")) && makeSymlink("/proc/self/status", path("tick.xml"));
    auto emitter = [this](const char* name, const char* sound) {
        return "<node type=\"irrKlangSceneNode\"><attributes><string name=\"Name\" value=\"" + std::string(name) +
               "\"/><string name=\"SoundFileName\" value=\"" + path(sound) +
               "\"/><enum name=\"PlayMode\" value=\"nothing\"/></attributes></node>\n";
    };
    write("runs.bmp", fileBytes(CORPUS / "rle-run-past-image.bmp"));
    std::string out = loadAndWalk(texturedCrate("Runs", path("runs.bmp")) +
                                  meshNode(longName.c_str(), "Content/meshes/crate.irrmesh") +
                                  meshNode("Far", std::string(5000, 'd') + "/crate.irrmesh") +
                                  emitter("Drip", "drip.wav") + emitter("Tick", "tick.wav"));
    EXPECT_NE(out.find("Level: the script of node \"" + std::string(64, 'N') +
                       "...\" is longer than any file name may be; it runs no script\n"),
              std::string::npos) << out.substr(0, 3000);
    const std::string far = linesAbout(out, "Far").at(0);
    const std::string reason = ", which is longer than any file name may be; it goes without that file";
    EXPECT_EQ(far.substr(far.size() - std::min(far.size(), reason.size())), reason);
    EXPECT_EQ(linesAbout(out, "Runs"), std::vector<std::string>{"Level: node \"Runs\" gets no Texture1: " + path("runs.bmp") +
                                                                 " was not decoded (its run-length data runs past the "
                                                                 "image)"});
    for (const char* name : {"Drip", "Tick"}) {
        if (!linked) break;  // Wine makes no links
        const std::string file = path(std::string(name == std::string("Drip") ? "drip" : "tick") + ".xml");
        EXPECT_EQ(linesAbout(out, name), std::vector<std::string>{"Sound: analysis file " + file + " of emitter \"" + name +
                                                                   "\" is outside the game folder and is not used; the "
                                                                   "emitter shows its own wave instead"})
            << out;
    }
}
