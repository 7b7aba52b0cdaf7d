// The wave culling of the tiled drawing against the shader's own formula: random triangles
// (tilted every way, partly off screen, crossing behind the eye) and random waves (pulses with
// long and short trails, glows, intensity 0), sampled densely: wherever the formula gives any
// light, the culling must have kept the wave.
#include "graphics/WaveCulling.h"

#include "graphics/FixedCountShader.h"
#include "graphics/ShellFormula.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>

using namespace irr;
using Graphics::DistanceRange;
using Graphics::ScreenRect;

namespace {

// shader2.fsh's light of one record at a point, in 32-bit floats as the shader computes it.
f32 lightAt(const f32* record, const core::vector3df& p) {
    core::vector3df to = p - core::vector3df(record[0], record[1], record[2]);
    f32 behind = record[6] - std::sqrt(to.dotProduct(to));
    const f32 FRONT = Graphics::kFrontAhead;  // the shader's, as ShellFormulaTest checks
    f32 rise = core::clamp(behind * (1.0f / FRONT) + 1.0f, 0.0f, 1.0f);
    f32 front = core::clamp(1.0f - behind * (0.5f / FRONT), 0.0f, 1.0f);
    f32 trail = record[8];
    f32 wake = core::clamp(1.0f - behind / trail, 0.0f, 1.0f) * (trail < 0 ? 1.0f : 0.5f);
    f32 fade = 1.0f - record[7];
    fade *= fade;
    f32 amount = (1.0f - fade * fade) * rise * std::max(front, wake);
    return amount * std::max(record[3], std::max(record[4], record[5]));
}

struct Random {
    std::mt19937 engine{12345};
    f32 operator()(f32 low, f32 high) {
        return std::uniform_real_distribution<f32>(low, high)(engine);
    }
};

// A random triangle and a random wave: pulses with short and long trails, glows, and now and
// then a spent one.
struct Trial {
    core::vector3df t[3];
    f32 record[9];
    explicit Trial(Random& random) {
        core::vector3df centre(random(-8, 8), random(-3, 3), random(-8, 8));
        for (int i = 0; i < 3; ++i)
            t[i] = centre + core::vector3df(random(-4, 4), random(-4, 4), random(-4, 4));
        int kind = static_cast<int>(random(0, 4));
        for (int k = 0; k < 3; ++k) record[k] = random(-6, 6);
        for (int k = 3; k < 6; ++k) record[k] = random(0.2f, 1.0f);
        record[6] = random(0.1f, 9.0f);
        record[7] = kind == 3 ? 0.0f : random(0.05f, 1.0f);
        record[8] = kind == 2 ? -1.0f : kind == 1 ? random(0.6f, 6.0f) : random(0.0f, 0.6f);
    }
};

core::vector3df pointOn(const core::vector3df t[3], f32 u, f32 v) {
    if (u + v > 1) {
        u = 1 - u;
        v = 1 - v;
    }
    return t[0] + (t[1] - t[0]) * u + (t[2] - t[0]) * v;
}

}  // namespace

TEST(WaveCulling, NeverDropsAWaveThatLightsATriangleAndDropsMostThatDoNot) {
    Random random;
    int lit = 0, dropped = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        Trial drawn(random);
        const core::vector3df* t = drawn.t;
        f32* record = drawn.record;
        DistanceRange range =
            Graphics::distanceRange(t, 3, core::vector3df(record[0], record[1], record[2]));
        bool kept = Graphics::lights(record, range);
        bool lights = false;
        for (int s = 0; s < 400 && !lights; ++s)
            lights = lightAt(record, pointOn(t, random(0, 1), random(0, 1))) > 0;
        for (int i = 0; i < 3; ++i) lights = lights || lightAt(record, t[i]) > 0;
        lit += lights;
        dropped += !kept;
        if (lights) { ASSERT_TRUE(kept) << "trial " << trial; }
    }
    EXPECT_GT(lit, 300);
    EXPECT_GT(dropped, 1000);   // the culling is worth its cost
}

TEST(WaveCulling, SpentAndColourlessWavesLightNothingAndBrokenOnesEverything) {
    DistanceRange onTheFront{4.9f, 5.1f};
    f32 pulse[9] = {0, 0, 0, 1, 1, 1, 5, 1, 2};
    EXPECT_TRUE(Graphics::lights(pulse, onTheFront));
    pulse[7] = 0;   // intensity 0: the shader adds exactly nothing
    EXPECT_FALSE(Graphics::lights(pulse, onTheFront));
    f32 dark[9] = {0, 0, 0, 0, 0, 0, 5, 1, 2};
    EXPECT_FALSE(Graphics::lights(dark, onTheFront));
    f32 broken[9] = {0, 0, 0, 1, 1, 1, NAN, 1, 2};
    EXPECT_TRUE(Graphics::lights(broken, DistanceRange{100, 200}));
    // A glow lights its whole ball, however deep inside; a pulse leaves what is far behind.
    f32 glow[9] = {0, 0, 0, 1, 1, 1, 5, 1, -1};
    EXPECT_TRUE(Graphics::lights(glow, DistanceRange{0, 0.1f}));
    f32 longWake[9] = {0, 0, 0, 1, 1, 1, 5, 1, 4};
    EXPECT_TRUE(Graphics::lights(longWake, DistanceRange{1.5f, 1.6f}));
    EXPECT_FALSE(Graphics::lights(longWake, DistanceRange{0, 0.5f}));
    EXPECT_FALSE(Graphics::lights(glow, DistanceRange{5.5f, 9}));
}

TEST(WaveCulling, ClippedToATileKeepsEveryWaveThatLightsWhatShowsThere) {
    core::matrix4 projection, view;
    projection.buildProjectionMatrixPerspectiveFovLH(core::PI / 2.5f, 4.0f / 3.0f, 1.0f, 3000.0f);
    view.buildCameraLookAtMatrixLH(core::vector3df(0, 2, -6), core::vector3df(0, 0, 4),
                                   core::vector3df(0, 1, 0));
    const core::matrix4 viewProjection = projection * view;
    Random random;
    int shownLit = 0, partly = 0, dropped = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        Trial drawn(random);
        const core::vector3df* t = drawn.t;
        f32* record = drawn.record;
        // Centred near the triangle, so that many light some of it.
        core::vector3df near = pointOn(t, random(0, 1), random(0, 1));
        record[0] = near.X + random(-3, 3);
        record[1] = near.Y + random(-3, 3);
        record[2] = near.Z + random(-3, 3);
        f32 x = random(-1.1f, 0.9f), y = random(-1.1f, 0.9f);
        ScreenRect rect{x, y, x + random(0.05f, 0.5f), y + random(0.05f, 0.5f)};
        core::vector3df polygon[8];
        int n = Graphics::clipToRect(viewProjection, t, rect, polygon);
        bool kept = n > 0 && Graphics::lights(record, Graphics::distanceRange(
                                                          polygon, n, core::vector3df(record[0], record[1], record[2])));
        bool lights = false;
        int inside = 0, samples = 600;
        for (int s = 0; s < samples; ++s) {
            core::vector3df p = pointOn(t, random(0, 1), random(0, 1));
            f32 v[4] = {p.X, p.Y, p.Z, 1};
            viewProjection.multiplyWith1x4Matrix(v);
            if (v[3] <= 0) continue;
            f32 sx = v[0] / v[3], sy = v[1] / v[3];
            if (sx < rect.left || sx > rect.right || sy < rect.bottom || sy > rect.top) continue;
            ++inside;
            lights = lights || lightAt(record, p) > 0;
        }
        if (inside > 0 && inside < samples) ++partly;
        if (inside > 0) { EXPECT_GT(n, 0) << "trial " << trial; }
        shownLit += lights;
        dropped += n > 0 && !kept;
        if (lights) { ASSERT_TRUE(kept) << "trial " << trial; }
    }
    EXPECT_GT(partly, 200);   // the clipping was exercised
    EXPECT_GT(shownLit, 50);
    EXPECT_GT(dropped, 30);
}

std::string fileText(const char* path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// The culling above and the drawing count records by ShellFormula.h: the shipped shader must
// say the same, and its vertex stage use the pixel stage's own record formula.
TEST(WaveCulling, TheShippedShadersUseTheGamesConstantsAndOneRecordFormula) {
    const std::string vertex = fileText("shader.vsh"), pixel = fileText("shader2.fsh");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(pixel, m, std::regex(R"(const float FRONT = ([0-9.]+);)")));
    EXPECT_FLOAT_EQ(std::stof(m[1]), Graphics::kFrontAhead);
    ASSERT_TRUE(std::regex_search(pixel, m, std::regex(R"(#ifndef WAVE_COUNT\s+#define WAVE_COUNT ([0-9]+))")));
    EXPECT_EQ(std::stoi(m[1]), Graphics::MOST_WAVES);
    const char* endTest = R"(waveData\[r \+ 7\] == ([-0-9.]+) && waveData\[r \+ 6\] == ([-0-9.]+))";
    ASSERT_TRUE(std::regex_search(pixel, m, std::regex(endTest)));
    EXPECT_FLOAT_EQ(std::stof(m[1]), Graphics::kEndMarkerValue);
    EXPECT_FLOAT_EQ(std::stof(m[2]), Graphics::kEndMarkerValue);

    EXPECT_EQ(vertex.find("vec3 liftedColour("), std::string::npos) << "no copy of its own";
    const size_t from = pixel.find("vec3 liftedColour("), to = pixel.find("// Shared with the vertex stage: end");
    EXPECT_NE(Graphics::fixedCountShaders(vertex, pixel, 3, false).vertex.find(pixel.substr(from, to - from)),
              std::string::npos);
}
