#pragma once
// The game world on the null video driver, level objects made on demand and their scripts
// written to one file. The world lives for the whole test program, so tests use the ids they
// are given, never fixed ones.
#include "graphics/GraphicsSystem.h"
#include "physics/PhysicsSystem.h"
#include "scripting/ObjectScript.h"
#include "world/GameWorld.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

class ScriptFixture : public ::testing::Test {
protected:
    std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("velmora-script-" + std::to_string(getpid()) + ".lua");

    void SetUp() override { GraphicsSystem::useDriver(irr::video::EDT_NULL); }
    void TearDown() override { std::filesystem::remove(file); }

    GameObject* addObject(const char* name, const irr::core::vector3df& position = {},
                          irr::scene::ISceneNode* parent = nullptr) {
        GameObject* object = new GameObject();
        object->node = GraphicsSystem::instance().sceneManager->addEmptySceneNode(parent);
        object->node->setPosition(position);
        object->node->setName(name);
        object->node->updateAbsolutePosition();
        GameWorld::instance().registerObject(object);
        return object;
    }
    // The same with a dynamic crate actor where the node is.
    GameObject* addActorObject(const char* name, const irr::core::vector3df& position) {
        auto* crate = GraphicsSystem::instance().sceneManager->getMesh("Content/meshes/crate.irrmesh");
        GameObject* object = addObject(name, position);
        object->actor =
            PhysicsSystem::instance().createDynamicConvexActor(crate, position, {1, 1, 1}, object->id, 50);
        return object;
    }
    // What the action printed.
    template <typename Action> static std::string printed(Action action) {
        testing::internal::CaptureStdout();
        action();
        return testing::internal::GetCapturedStdout();
    }
    std::string attach(GameObject* object, const std::string& code) {
        std::ofstream(file, std::ios::binary) << code;
        return printed([&] { attachScript(*object, file.string().c_str()); });
    }
    std::string event(GameObject* object, const char* name) {
        return printed([&] { callObjectEvent(*object, name); });
    }
    // The code run as "OnTick" of a fresh object's script; what it printed.
    std::string run(const std::string& body) {
        GameObject* self = addObject("Self");
        attach(self, "function OnTick()\n" + body + "\nend");
        return event(self, "OnTick");
    }
};
