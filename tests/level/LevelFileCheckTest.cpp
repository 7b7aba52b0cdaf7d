// The checks that stand between level content and Irrlicht's readers: what they refuse, what
// they repair, and that the shipped level and meshes pass untouched.
#include "level/LevelFileCheck.h"
#include "level/MeshFileCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string nested(const char* open, const char* close, int depth, const char* middle = "") {
    std::string text;
    for (int i = 0; i < depth; ++i) text += open;
    text += middle;
    for (int i = 0; i < depth; ++i) text += close;
    return text;
}

std::string mesh(const char* vertices, const char* indices = "") {
    return std::string("<?xml version=\"1.0\"?>\n<mesh><buffer><material/>") + vertices + indices +
           "</buffer></mesh>\n";
}

const char* const TRIANGLE =
    "<vertices type=\"standard\" vertexCount=\"3\">0 0 0 0 1 0 ffffffff 0 0  1 0 0 0 1 0 ffffffff 1 0 "
    " 0 0 1 0 1 0 ffffffff 0 1</vertices>";

}  // namespace

TEST(LevelFileCheck, RefusesWholeFilesThatIrrlichtWouldMisread) {
    const std::pair<std::string, const char*> cases[] = {
        {"", "is empty"},
        {" \n\t", "is empty"},
        {"\x89PNG\x01\x02 garbage", "has text outside its elements (line 1)"},
        {"<?xml version=\"1.0\"?>\n", "has no <irr_scene> element"},
        {"<irr_scene>\n<node type=\"mesh\"", "is cut off inside a tag (line 2)"},
        {"<irr_scene>\n<node type=\"mesh", "is cut off inside an attribute value (line 2)"},
        {"<irr_scene><node type=\"mesh\"><attributes>", "ends before <attributes> is closed"},
        {"<irr_scene><node></irr_scene>", "closes <node> with </irr_scene>"},
        {"<irr_scene></irr_scene></node>", "closes </node> that was never opened"},
        {"<irr_scene><!-- a < b --></irr_scene>", "has a comment with '<' or '>' in it"},
        {"<irr_scene><!-- never closed", "is cut off inside a comment"},
        {"<?xml version=\"1.0\"", "is cut off inside a declaration"},
        {std::string("<irr_scene>\0</irr_scene>", 24), "has a zero byte"},
        {"<!DOCTYPE x><irr_scene/>", "has a DOCTYPE or CDATA section"},
        {"<irr_scene><a b></a></irr_scene>", "has an attribute without a value"},
        {"<irr_scene><a b=c/></irr_scene>", "has an attribute value without quotes"},
        {"<irr_scene><a b=\"1\" b=\"2\"/></irr_scene>", "the same attribute twice"},
        {"<irr_scene><a b=\"1\"c=\"2\"/></irr_scene>", "not separated by spaces"},
        {"<level/>", "has an element other than one <irr_scene> at its top"},
        {"<irr_scene/><irr_scene/>", "has an element other than one <irr_scene> at its top"},
        {"<irr_scene>" + nested("<node>", "</node>", 600) + "</irr_scene>",
         "is nested deeper than 512 elements"},
    };
    for (const auto& [text, problem] : cases) {
        LevelCheck check = checkLevelText(text);
        EXPECT_NE(check.problem.find(problem), std::string::npos) << text.substr(0, 60) << " -> " << check.problem;
        EXPECT_TRUE(check.text.empty());
    }
}

TEST(LevelFileCheck, RepairsNumbersThatAreNotFiniteAndSaysSoOncePerAttribute) {
    const std::string level =
        "<irr_scene><node type=\"mesh\"><attributes>"
        "<string name=\"Name\" value=\"Crate\" />"
        "<vector3d name=\"Position\" value=\"nan, 1.5, inf\" />"
        "<float name=\"MaxRadius\" value=\"1e999\" />"
        "<int name=\"Id\" value=\"-1\" /><bool name=\"Visible\" value=\"true\" />"
        "</attributes><node type=\"empty\"><attributes><float name=\"F\" value=\"x\"/>"
        "</attributes></node></node></irr_scene>";
    LevelCheck check = checkLevelText(level);
    ASSERT_EQ(check.problem, "");
    EXPECT_EQ(check.lines, (std::vector<std::string>{
                               "Level: node \"Crate\" has Position \"nan, 1.5, inf\", not a finite number; "
                               "0 is used in its place",
                               "Level: node \"Crate\" has MaxRadius \"1e999\", not a finite number; 0 is used in "
                               "its place",
                               "Level: a \"empty\" node has F \"x\", not a finite number; 0 is used in its place"}));
    EXPECT_NE(check.text.find("value=\" 0, 1.5, 0\""), std::string::npos) << check.text;
    EXPECT_NE(check.text.find("name=\"MaxRadius\" value=\" 0\""), std::string::npos);
    EXPECT_NE(check.text.find("name=\"Id\" value=\"-1\""), std::string::npos);

    // A level of a thousand broken numbers prints twenty lines and a count.
    std::string flood = "<irr_scene><node>";
    for (int i = 0; i < 1000; ++i) flood += "<float name=\"A\" value=\"nan\"/>";
    check = checkLevelText(flood + "</node></irr_scene>");
    EXPECT_EQ(check.lines.size(), 20u);
    EXPECT_EQ(check.unlisted, 980u);
}

TEST(LevelFileCheck, ANodeWhoseMeshCannotBeReadGetsNoMeshAndOneLine) {
    // Inside the game folder (the working directory), where a level's files must be.
    fs::path dir = fs::current_path() / ("velmora_meshcheck_" + std::to_string(getpid()));
    fs::create_directories(dir / "folder.irrmesh");
    std::ofstream(dir / "negative.irrmesh") << mesh("<vertices type=\"standard\" vertexCount=\"-5\"></vertices>");
    auto node = [](const char* name, const std::string& meshPath) {
        return "<node type=\"mesh\"><attributes><string name=\"Name\" value=\"" + std::string(name) +
               "\"/><string name=\"Mesh\" value=\"" + meshPath + "\"/></attributes></node>";
    };
    std::string level = "<irr_scene>" + node("1Room", (dir / "folder.irrmesh").string()) +
                        node("Crate", (dir / "negative.irrmesh").string()) +
                        node("Crate2", (dir / "negative.irrmesh").string()) +
                        node("Gone", (dir / "gone.irrmesh").string()) +
                        node("Good", "Content/meshes/crate.irrmesh") +
                        "<node type=\"empty\"><attributes><string name=\"Name\" value=\"Lit\"/></attributes>"
                        "<materials><attributes><texture name=\"Texture1\" value=\"" + dir.string() +
                        "\"/><texture name=\"Texture2\" value=\"absent.png\"/></attributes></materials></node>"
                        "</irr_scene>";
    LevelCheck check = checkLevelText(level);
    fs::remove_all(dir);
    ASSERT_EQ(check.problem, "");
    ASSERT_EQ(check.lines.size(), 5u);
    EXPECT_EQ(check.lines[0], "Level: node \"1Room\" gets no mesh: " + (dir / "folder.irrmesh").string() +
                                  " is not a regular file");
    EXPECT_EQ(check.lines[1], "Level: node \"Crate\" gets no mesh: " + (dir / "negative.irrmesh").string() +
                                  " has a vertexCount \"-5\" that is not a count");
    EXPECT_NE(check.lines[2].find("node \"Crate2\" gets no mesh"), std::string::npos);
    EXPECT_NE(check.lines[3].find("gone.irrmesh is missing"), std::string::npos);
    // A missing texture Irrlicht skips by itself; a directory would be read whole.
    EXPECT_EQ(check.lines[4], "Level: node \"Lit\" gets no Texture1: " + dir.string() + " is not a regular file");
    EXPECT_NE(check.text.find("absent.png"), std::string::npos);
    EXPECT_EQ(check.text.find(dir.string()), std::string::npos);  // every bad path blanked
    EXPECT_NE(check.text.find("Content/meshes/crate.irrmesh"), std::string::npos);
}

TEST(MeshFileCheck, RefusesWhatIrrlichtsMeshReaderWouldCrashOrOverrunOn) {
    const std::pair<std::string, const char*> cases[] = {
        {mesh("<vertices type=\"standard\" vertexCount=\"-1\"></vertices>"), "vertexCount \"-1\" that is not a count"},
        {mesh("<vertices type=\"standard\" vertexCount=\"9999999999\"></vertices>"), "that is not a count"},
        {mesh("<vertices type=\"fancy\" vertexCount=\"1\">0 0 0 0 0 0 0 0 0</vertices>"),
         "vertex type \"fancy\" that Irrlicht does not know"},
        {mesh("<vertices vertexCount=\"0\"/>"), "vertex type of none"},
        {mesh("<indices indexCount=\"3\">0 1 2</indices>"), "has indices before their vertices"},
        {mesh(TRIANGLE, "<indices indexCount=\"3\">0 1 3</indices>"), "an index \"3\" that names no vertex"},
        {mesh(TRIANGLE, "<indices indexCount=\"-3\">0 1 2</indices>"), "indexCount \"-3\" that is not a count"},
        {mesh(TRIANGLE, "<indices indexCount=\"6\">0 1 2</indices>"), "says 6 indices but holds fewer"},
        {mesh("<vertices type=\"standard\" vertexCount=\"2\">0 0 0 0 1 0 ffffffff 0 0</vertices>"),
         "says 2 vertices but holds fewer"},
        {mesh("<vertices type=\"standard\" vertexCount=\"1\">0 nan 0 0 1 0 ffffffff 0 0</vertices>"),
         "vertex value \"nan\" that is not a plain number"},
        {mesh("<vertices type=\"standard\" vertexCount=\"1\">0 0 0 0 1 0 red 0 0</vertices>"), "\"red\""},
        {mesh("<vertices type=\"standard\" vertexCount=\"1\">0 0 0 <!-- x --> 0 1 0 ffffffff 0 0</vertices>"),
         "a comment inside its numbers"},
        {mesh((std::string(TRIANGLE) + TRIANGLE).c_str()), "a buffer with two vertex sections"},
        {mesh("<buffer></buffer>"), "a buffer inside a buffer"},
        {"<mesh><buffer><vertices type=\"standard\" vertexCount=\"1\">0 0", "ends before <vertices> is closed"},
        {"<mesh><buffer><vertices type=\"standard\" vertexCount=\"1", "is cut off inside an attribute value"},
        {"<notamesh/>", "has no <mesh> element"},
        {mesh("<material><texture name=\"Texture1\" value=\"Content\"/></material>"),
         "names a texture \"Content\" that is not a regular file"},
    };
    for (const auto& [text, problem] : cases)
        EXPECT_NE(meshTextProblem(text).find(problem), std::string::npos)
            << text << " -> " << meshTextProblem(text);
    EXPECT_EQ(meshTextProblem(mesh(TRIANGLE, "<indices indexCount=\"3\">0 1 2</indices>")), "");
}

TEST(LevelFileCheck, TheShippedLevelAndEveryShippedMeshPassUntouched) {
    std::string level = slurp("Content/TestRoom3.irr");
    ASSERT_FALSE(level.empty());
    LevelCheck check = checkLevelText(level);
    EXPECT_EQ(check.problem, "");
    EXPECT_TRUE(check.lines.empty()) << check.lines.front();
    EXPECT_EQ(check.text, level);
    int meshes = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator("Content/meshes")) {
        EXPECT_EQ(meshFileProblem(entry.path().string().c_str()), "") << entry.path();
        ++meshes;
    }
    EXPECT_GT(meshes, 10);
}
