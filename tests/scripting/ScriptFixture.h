#pragma once
// The game world on the null video driver, with level objects made on demand and script files
// written to a fresh directory. The world lives for the whole test program, so tests use the
// ids they are given, never fixed ones.

#include <gtest/gtest.h>
#include <irrlicht.h>

#include <filesystem>
#include <string>

#include "world/GameObject.h"

class ScriptFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string writeScript(const std::string& name, const std::string& code);
    // A registered object whose node sits at `position` under `parent`.
    GameObject* addObject(const char* name, const irr::core::vector3df& position = irr::core::vector3df(),
                          irr::scene::ISceneNode* parent = nullptr);
    // The same with a dynamic box actor of half-size 0.5 where the node is.
    GameObject* addActorObject(const char* name, const irr::core::vector3df& position);
    // attachScript on a file with this code; returns what was printed.
    std::string attach(GameObject* object, const std::string& code);
    // callObjectEvent; returns what was printed.
    std::string event(GameObject* object, const char* name);

private:
    std::filesystem::path dir;
    irr::scene::SMesh* box = nullptr;
};
