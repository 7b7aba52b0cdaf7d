#pragma once
// A world on Irrlicht's null device with real physics: no level, the ground box only, and the
// player driven by scripted input at a fixed frame time.
#include "harness/ScriptedInput.h"
#include "world/GameObject.h"

#include <gtest/gtest.h>
#include <irrlicht.h>

#include <vector>

class Player;

struct WorldFixture : ::testing::Test {
    Player* player = nullptr;

    void SetUp() override;
    // Plays the frames through the real frame loop, each `msec` long.
    void play(const std::vector<InputFrame>& frames, irr::s32 msec = 20);
    void idle(int frames, irr::s32 msec = 20) { play(std::vector<InputFrame>(frames), msec); }
    // A registered cube (edge 1) with a dynamic actor of the given density at pos.
    GameObject* addCube(const char* name, const irr::core::vector3df& pos, float density);
    GameObject* addStaticCube(const char* name, const irr::core::vector3df& pos);
    irr::core::vector3df feet() const;  // the controller's centre
};
