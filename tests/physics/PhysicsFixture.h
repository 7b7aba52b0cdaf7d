#pragma once
// The game's physics system on the null video driver and a silent sound system, with helpers that build Irrlicht meshes
// and level objects. Actors and controllers a test makes are released after it, so every test
// starts from the world init leaves: the ground, and whatever the game world made.

#include <gtest/gtest.h>
#include <irrlicht.h>

#include <vector>

#include "physics/PhysicsSystem.h"

class PhysicsFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Frames of 1/60 s as the frame loop runs them, with the synchronisation around each.
    void run(int frames);

    // An axis-aligned box from `low` to `high` as one buffer of 8 vertices and 36 indices.
    irr::scene::SMesh* boxMesh(const irr::core::vector3df& low, const irr::core::vector3df& high);
    irr::scene::SMesh* meshOf(irr::scene::IMeshBuffer* buffer);
    // A mesh node registered as a level object; returns its id.
    irr::s32 addObject(irr::scene::IMesh* mesh, const irr::core::vector3df& position, const char* name,
                       irr::scene::ISceneNode* parent = nullptr);
    irr::scene::ISceneNode* nodeOf(irr::s32 id);
    vphysx::NxActor* dynamicBox(const irr::core::vector3df& position, float half, irr::s32* id = nullptr);

    PhysicsSystem* physics = nullptr;
    irr::scene::ISceneManager* scenes = nullptr;

private:
    vphysx::NxU32 actorsBefore = 0;
    vphysx::NxU32 controllersBefore = 0;
    std::vector<irr::scene::SMesh*> meshes;
};
