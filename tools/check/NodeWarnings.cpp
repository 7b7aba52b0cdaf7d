#include "NodeWarnings.h"

#include "luaplus/LuaObject.h"
#include "luaplus/LuaState.h"
#include "world/GameObject.h"

using namespace irr;

namespace {

bool hasMesh(const scene::ISceneNode& node) {
    return node.getType() == scene::ESNT_MESH || node.getType() == scene::ESNT_ANIMATED_MESH;
}

bool meshLoaded(scene::ISceneNode& node) {
    if (node.getType() == scene::ESNT_MESH)
        return static_cast<scene::IMeshSceneNode&>(node).getMesh() != nullptr;
    if (node.getType() == scene::ESNT_ANIMATED_MESH)
        return static_cast<scene::IAnimatedMeshSceneNode&>(node).getMesh() != nullptr;
    return true;
}

void meshWarnings(const RawNode& raw, scene::ISceneNode& node, bool meshReported,
                  std::vector<std::string>& out) {
    if (raw.type == "mesh" && raw.name().empty())
        out.push_back("it has no \"Name\": it becomes a loose object that no script can find; a name "
                      "starting with 1, 2 or 3 makes static geometry, a trigger volume or a kinematic object");
    if (!meshLoaded(node) && !meshReported) {
        const std::string mesh = raw.value("Mesh");
        out.push_back(mesh.empty() ? std::string("it gives no \"Mesh\"; it is drawn as nothing")
                                   : "its mesh file \"" + mesh + "\" cannot be loaded; it is drawn as nothing");
    }
    if (!raw.has("Scale"))
        out.push_back("it gives no \"Scale\", which reads as 0: it has no size and no volume");
    if (!raw.has("Visible"))
        out.push_back("it gives no \"Visible\", which reads as false: it is invisible, yet solid");
}

// OnCreate has already been called while loading: the game reports its absence itself.
void scriptWarnings(const GameObject& object, std::vector<std::string>& out) {
    if (!object.script) return;
    vlua::LuaObject globals = object.script->GetGlobals();
    for (const char* event : {"OnTick", "OnUse"})
        if (!globals[event].IsFunction())
            out.push_back(std::string("its script has no function ") + event +
                          "; the game reports an error each time it calls it");
}

}  // namespace

std::vector<std::string> nodeWarnings(const RawNode& raw, scene::ISceneNode* node,
                                      const GameObject* object, bool meshReported) {
    std::vector<std::string> out;
    if (!node) {
        out.push_back("the game does not know node type \"" + raw.type +
                      "\", or the node is past the level caps; it and everything under it are left out");
        return out;
    }
    if (hasMesh(*node)) meshWarnings(raw, *node, meshReported, out);
    if (object) scriptWarnings(*object, out);
    return out;
}
