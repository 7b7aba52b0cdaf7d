#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "../platform_physx/PhysxWorld.h"
#include "../platform_sound3d/SoundFiles.h"
#include "sound/SpaceSound.h"

using irr::core::vector3df;
using namespace soundtest;

namespace {

const float FRAME = 1.0f / 60.0f;
const int FRAME_SAMPLES = kRate / 60;  // mixed in game-frame chunks: one long render has no tail

// A listener at the origin in a world of static boxes, on a loopback engine with effects, its
// space updated every game frame.
class SpaceSoundTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        writeNoise(scratchPath("noise.wav"), 1.0);
        writeNoise(scratchPath("click.wav"), 0.002);
    }
    void SetUp() override { open(); }
    void TearDown() override { close(); }

    void open() {
        world = std::make_unique<vphysx_test::PhysxWorld>(false);
        engine = vsound::createLoopbackDevice(kRate);
        ASSERT_NE(engine, nullptr);
        vsound::IAcoustics* acoustics = vsound::getAcoustics(engine);
        ASSERT_NE(acoustics, nullptr);
        space = std::make_unique<SpaceSound>(*acoustics);
        engine->setListenerPosition(vsound::vec3df(), vsound::vec3df(0, 0, 1));
    }
    void close() {
        space.reset();
        if (engine)
            engine->drop();
        engine = nullptr;
        world.reset();
    }

    void box(float x0, float y0, float z0, float x1, float y1, float z1) {
        world->staticBox(vphysx::NxVec3(x0, y0, z0), vphysx::NxVec3(x1, y1, z1));
    }
    // A closed room, walls 1 thick, around the inside [-w/2, w/2] x [-2, h - 2] x [-w/2, w/2].
    void room(float w, float h) {
        const float x = w / 2, top = h - 2;
        box(-x - 1, -3, -x - 1, x + 1, -2, x + 1);
        box(-x - 1, top, -x - 1, x + 1, top + 1, x + 1);
        box(-x - 1, -2, -x - 1, -x, top, x + 1);
        box(x, -2, -x - 1, x + 1, top, x + 1);
        box(-x, -2, -x - 1, x, top, -x);
        box(-x, -2, x, x, top, x + 1);
    }

    // Game frames: the space updates, then a frame's worth is mixed.
    std::vector<float> play(int frames) {
        std::vector<float> heard;
        std::vector<float> chunk(2 * size_t(FRAME_SAMPLES));
        for (int i = 0; i < frames; ++i) {
            space->update(world->scene, vector3df(), FRAME);
            vsound::renderLoopback(engine, chunk.data(), FRAME_SAMPLES);
            heard.insert(heard.end(), chunk.begin(), chunk.end());
        }
        return heard;
    }

    std::unique_ptr<vphysx_test::PhysxWorld> world;
    vsound::ISoundEngine* engine = nullptr;
    std::unique_ptr<SpaceSound> space;
};

// Energy in dB of both channels; above 4 kHz only when `high` (two 2nd-order high-passes).
double energyDb(const std::vector<float>& stereo, bool high) {
    const double w = 2 * M_PI * 4000 / kRate, alpha = std::sin(w) / std::sqrt(2.0), c = std::cos(w);
    const double b[3] = {(1 + c) / 2, -(1 + c), (1 + c) / 2}, a[3] = {1 + alpha, -2 * c, 1 - alpha};
    double energy = 0;
    for (int channel = 0; channel < 2; ++channel) {
        std::vector<double> x;
        for (size_t i = size_t(channel); i < stereo.size(); i += 2)
            x.push_back(stereo[i]);
        for (int pass = 0; high && pass < 2; ++pass) {
            double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
            for (double& v : x) {
                const double y = (b[0] * v + b[1] * x1 + b[2] * x2 - a[1] * y1 - a[2] * y2) / a[0];
                x2 = x1, x1 = v, y2 = y1, y1 = y, v = y;
            }
        }
        for (double v : x)
            energy += v * v;
    }
    return 10 * std::log10(energy + 1e-30);
}

// Seconds from the loudest 10 ms of `stereo` until it has fallen 30 dB for good.
double fallBy30Db(const std::vector<float>& stereo) {
    const size_t window = 2 * size_t(kRate) / 100;
    std::vector<double> levels;
    for (size_t start = 0; start + window <= stereo.size(); start += window) {
        double sum = 1e-30;
        for (size_t i = start; i < start + window; ++i)
            sum += double(stereo[i]) * stereo[i];
        levels.push_back(10 * std::log10(sum));
    }
    const size_t peak = size_t(std::max_element(levels.begin(), levels.end()) - levels.begin());
    size_t last = peak;
    for (size_t i = peak; i < levels.size(); ++i)
        if (levels[i] > levels[peak] - 30)
            last = i;
    return double(last - peak) / 100.0;
}

// Where the first echo starts after the tap, in ms after the tap's own start, and the echo's
// right-over-left level in dB.
struct Echo {
    double delayMs = -1, rightOverLeftDb = 0;
};
Echo firstEcho(const std::vector<float>& stereo) {
    auto loud = [&](size_t frame, double over) {
        return std::fabs(stereo[2 * frame]) > over || std::fabs(stereo[2 * frame + 1]) > over;
    };
    const size_t frames = stereo.size() / 2;
    size_t tap = 0;
    while (tap < frames && !loud(tap, 1e-3))
        ++tap;
    const size_t after = tap + size_t(kRate) * 3 / 1000;  // the 2 ms tap has passed
    double loudest = 0;
    for (size_t i = 2 * after; i < stereo.size(); ++i)
        loudest = std::max(loudest, double(std::fabs(stereo[i])));
    size_t echo = after;
    while (echo < frames && !loud(echo, 0.3 * loudest))
        ++echo;
    double left = 1e-30, right = 1e-30;
    for (size_t i = echo; i < std::min(frames, echo + size_t(kRate) / 200); ++i)
        left += double(stereo[2 * i]) * stereo[2 * i], right += double(stereo[2 * i + 1]) * stereo[2 * i + 1];
    return {echo < frames ? 1000.0 * double(echo - tap) / kRate : -1, 10 * std::log10(right / left)};
}

// A looping noise 10 units ahead, with a panel 20 wide across the way or beside it: a static
// wall, a panel too heavy to carry (a closed door), a panel light enough to carry.
TEST_F(SpaceSoundTest, WhatCannotBeCarriedMufflesANoiseBehindItAndNothingElseDoes) {
    enum Panel { NONE, WALL, DOOR, LIGHT };
    struct Case {
        const char* name;
        Panel panel;
        float x;  // the panel's centre across the way
        bool muffled;
    };
    const Case cases[] = {{"open", NONE, 0, false},      {"behind a wall", WALL, 0, true},
                          {"beside a wall", WALL, 16, false}, {"behind a door", DOOR, 0, true},
                          {"behind a light panel", LIGHT, 0, false}};
    double openFull = 0, openHigh = 0;
    for (const Case& c : cases) {
        close();
        open();
        if (c.panel == WALL)
            box(c.x - 10, -10, 4, c.x + 10, 10, 6);
        else if (c.panel != NONE)  // 20 x 20 x 0.1: a mass of 40 times its density
            world->dynamicBox(vphysx::NxVec3(c.x, 0, 5), vphysx::NxVec3(10, 10, 0.05f),
                              c.panel == DOOR ? 10.0f : 1.0f);
        engine->play3D(scratchPath("noise.wav").c_str(), vsound::vec3df(0, 0, 10), true);
        play(15);  // past the glide
        const std::vector<float> heard = play(30);
        const double full = energyDb(heard, false), high = energyDb(heard, true);
        std::printf("%s: %.1f dB, above 4 kHz %.1f dB\n", c.name, full, high);
        if (c.panel == NONE)
            openFull = full, openHigh = high;
        if (c.muffled) {
            EXPECT_LE(high, openHigh - 10.0) << c.name;
        } else {
            EXPECT_NEAR(full, openFull, 1.0) << c.name;
            EXPECT_NEAR(high, openHigh, 1.0) << c.name;
        }
    }
}

// A click 3 units ahead in a closed hall 80 wide and 40 high, and in a room 12 wide, 8 high.
TEST_F(SpaceSoundTest, AClickRingsLongerInALargeHallThanInASmallRoom) {
    const float sizes[2][2] = {{80, 40}, {12, 8}};
    double fall[2];
    for (int i = 0; i < 2; ++i) {
        close();
        open();
        room(sizes[i][0], sizes[i][1]);
        play(90);  // the reverb has glided to the room
        engine->play3D(scratchPath("click.wav").c_str(), vsound::vec3df(0, 0, 3));
        fall[i] = fallBy30Db(play(240));
        std::printf("%.0f wide: falls 30 dB in %.2f s\n", sizes[i][0], fall[i]);
    }
    EXPECT_GE(fall[0], 1.5 * fall[1]);
    EXPECT_GT(fall[1], 0.0);
}

// A tap facing a wall whose nearest point lies 5 or 20 units away to the right.
TEST_F(SpaceSoundTest, ATapComesBackFromTheWallAfterTheRoundTrip) {
    for (float distance : {5.0f, 20.0f}) {
        close();
        open();
        box(distance, -10, -30, distance + 1, 10, 30);
        const vector3df ahead(0.5f, 0, 0.866f);  // 30 degrees right of +z, the wall's way
        engine->setListenerPosition(vsound::vec3df(), ahead);
        play(1);
        engine->play3D(scratchPath("click.wav").c_str(), ahead * 2.5f - vector3df(0, 4, 0));
        space->playCaneEchoes(scratchPath("click.wav").c_str(), vector3df(), ahead);
        const Echo echo = firstEcho(play(9));
        const double expected = 2000.0 * distance / SPEED_OF_SOUND;
        std::printf("wall %.0f: echo after %.1f ms (round trip %.1f ms), right %+.1f dB\n",
                    distance, echo.delayMs, expected, echo.rightOverLeftDb);
        EXPECT_NEAR(echo.delayMs, expected, 2.0) << distance;
        EXPECT_GT(echo.rightOverLeftDb, 3.0) << distance;
    }
}

}  // namespace
