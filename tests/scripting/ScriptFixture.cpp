#include "ScriptFixture.h"

#include "graphics/GraphicsSystem.h"
#include "physics/PhysicsSystem.h"
#include "scripting/ObjectScript.h"
#include "world/GameWorld.h"

#include <fstream>
#include <unistd.h>

using namespace irr;

void ScriptFixture::SetUp() {
    GraphicsSystem::useDriver(video::EDT_NULL);
    GameWorld::instance();
    dir = std::filesystem::temp_directory_path() / ("velmora-scripts-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
}

void ScriptFixture::TearDown() {
    std::filesystem::remove_all(dir);
    if (box) box->drop();
}

std::string ScriptFixture::writeScript(const std::string& name, const std::string& code) {
    std::filesystem::path path = dir / name;
    std::ofstream(path, std::ios::binary) << code;
    return path.string();
}

GameObject* ScriptFixture::addObject(const char* name, const core::vector3df& position,
                                     scene::ISceneNode* parent) {
    scene::ISceneNode* node =
        GraphicsSystem::instance().sceneManager->addEmptySceneNode(parent);
    node->setPosition(position);
    node->setName(name);
    node->updateAbsolutePosition();
    GameObject* object = new GameObject();
    object->node = node;
    GameWorld::instance().registerObject(object);
    return object;
}

GameObject* ScriptFixture::addActorObject(const char* name, const core::vector3df& position) {
    if (!box) {
        scene::SMeshBuffer* buffer = new scene::SMeshBuffer();
        for (int i = 0; i < 8; ++i)
            buffer->Vertices.push_back(video::S3DVertex(i & 1 ? 0.5f : -0.5f, i & 2 ? 0.5f : -0.5f,
                                                        i & 4 ? 0.5f : -0.5f, 0, 1, 0,
                                                        video::SColor(255, 255, 255, 255), 0, 0));
        const u16 faces[] = {0, 2, 1, 1, 2, 3, 4, 5, 6, 5, 7, 6, 0, 1, 4, 1, 5, 4,
                             2, 6, 3, 3, 6, 7, 0, 4, 2, 2, 4, 6, 1, 3, 5, 3, 7, 5};
        for (u16 index : faces) buffer->Indices.push_back(index);
        box = new scene::SMesh();
        box->addMeshBuffer(buffer);
        buffer->drop();
    }
    GameObject* object = addObject(name, position);
    object->actor = PhysicsSystem::instance().createDynamicConvexActor(box, position, core::vector3df(1),
                                                                       object->id, 50);
    return object;
}

std::string ScriptFixture::attach(GameObject* object, const std::string& code) {
    std::string path = writeScript(std::to_string(object->id) + ".lua", code);
    testing::internal::CaptureStdout();
    attachScript(*object, path.c_str());
    return testing::internal::GetCapturedStdout();
}

std::string ScriptFixture::event(GameObject* object, const char* name) {
    testing::internal::CaptureStdout();
    callObjectEvent(*object, name);
    return testing::internal::GetCapturedStdout();
}
