// The shipped wave-lit shaders against what the game's C++ takes from them: the front's reach,
// the end marker and the record count the culling and drawing rely on, and the one copy of the
// record's colour and wake that the vertex stage is given.
#include "graphics/FixedCountShader.h"
#include "graphics/ShellFormula.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

std::string fileText(const char* path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// The first match of `pattern` in the text; its groups from 1.
std::smatch found(const std::string& text, const char* pattern) {
    std::smatch match;
    std::regex_search(text, match, std::regex(pattern));
    return match;
}

TEST(ShellFormula, TheShippedPixelShaderUsesTheGamesConstants) {
    const std::string pixel = fileText("shader2.fsh");
    ASSERT_FALSE(pixel.empty());
    std::smatch front = found(pixel, R"(const float FRONT = ([0-9.]+);)");
    ASSERT_TRUE(front.ready() && !front.empty());
    EXPECT_FLOAT_EQ(std::stof(front[1]), Graphics::kFrontAhead);
    EXPECT_NE(pixel.find("float front = 1.0 - behind * (0.5 / FRONT);"), std::string::npos)
        << "the front fades over twice its rise behind the radius";

    std::smatch count = found(pixel, R"(#ifndef WAVE_COUNT\s+#define WAVE_COUNT ([0-9]+))");
    ASSERT_FALSE(count.empty());
    EXPECT_EQ(std::stoi(count[1]), Graphics::MOST_WAVES);

    // The loop stops at a record whose intensity and radius are both the marker's value.
    std::smatch end = found(pixel, R"(if \(waveData\[r \+ (\d)\] == ([-0-9.]+) && waveData\[r \+ (\d)\] == ([-0-9.]+)\))");
    ASSERT_FALSE(end.empty());
    EXPECT_EQ(end[1].str() + end[3].str(), "76");
    for (int value : {2, 4}) EXPECT_FLOAT_EQ(std::stof(end[value]), Graphics::kEndMarkerValue);
    float record[9] = {-1, -1, -1, -1, -1, -1, -1, 0.5f, -1};
    EXPECT_FALSE(Graphics::isEndMarker(record));
    record[7] = Graphics::kEndMarkerValue;
    EXPECT_TRUE(Graphics::isEndMarker(record));
}

TEST(ShellFormula, TheVertexStageIsGivenThePixelStagesOwnRecordFormula) {
    const std::string vertex = fileText("shader.vsh"), pixel = fileText("shader2.fsh");
    ASSERT_EQ(vertex.find("vec3 liftedColour("), std::string::npos) << "no copy of its own";
    const Graphics::ShaderPair built = Graphics::fixedCountShaders(vertex, pixel, 3, false);
    const size_t lifted = pixel.find("vec3 liftedColour(");
    const std::string formula = pixel.substr(lifted, pixel.find("// Shared with the vertex stage: end") - lifted);
    EXPECT_NE(built.vertex.find(formula), std::string::npos);
    EXPECT_NE(built.vertex.find("#define WAVE_VARYINGS 3"), std::string::npos);

    // A pixel file that marks no shared part hands no records on.
    std::string unmarked = pixel;
    unmarked.replace(unmarked.find("// Shared with the vertex stage: begin"), 6, "// Own");
    EXPECT_EQ(Graphics::fixedCountShaders(vertex, unmarked, 3, false).vertex.find("WAVE_VARYINGS 3"), std::string::npos);
}

}  // namespace
