// A level object's script made from fuzz bytes, run as the game runs it: loaded, OnCreate, then
// four frames of OnTick with OnUse in two of them, then taken away again. Whatever it does, the
// game must go on with at most its bounded lines of output. Runs get a short budget, so that a
// script that runs into it costs milliseconds, not the game's tenth of a second.
#include "ScriptSnippet.h"
#include "graphics/GraphicsSystem.h"
#include "luaplus/LuaState.h"
#include "scripting/ObjectScript.h"
#include "scripting/PrintBudget.h"
#include "world/GameObject.h"
#include "world/GameWorld.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

const int kFrames = 4;
const long kFuzzInstructions = 100000;
const double kFuzzCpuSeconds = 0.002;

GameObject& fuzzedObject() {
    static GameObject* object = [] {
        GraphicsSystem::useDriver(irr::video::EDT_NULL);
        vlua::LuaState::SetRunBudget(kFuzzInstructions, kFuzzCpuSeconds);
        auto* made = new GameObject();
        made->node = GraphicsSystem::instance().sceneManager->addEmptySceneNode();
        made->node->setName("Fuzzed");
        GameWorld::instance().registerObject(made);
        return made;
    }();
    return *object;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("velmora-fuzz-" + std::to_string(getpid()) + ".lua"))
            .string();
    std::ofstream(path, std::ios::binary) << scriptFromBytes(data, size);

    GameObject& object = fuzzedObject();
    attachScript(object, path.c_str());
    for (int frame = 0; frame < kFrames; ++frame) {
        startPrintFrame();
        if (frame % 2 == 1) callObjectEvent(object, "OnUse");
        callObjectEvent(object, "OnTick");
    }
    detachScript(object);
    std::filesystem::remove(path);
    return 0;
}
