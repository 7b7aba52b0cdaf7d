// The level walk: what each node of the loaded scene becomes is decided by its type and name.
//   mesh named 1...  static geometry         mesh named 2...  trigger volume
//   mesh named 3...  kinematic object        any other mesh   loose object (density 50)
//   "player_start"   where the player begins
//   sound emitter    handed to the wave manager (a beat source if it has an analysis file)
//   animated mesh    a capsule obstacle standing in for a figure
// Every mesh node is registered as an object and may carry the script named after it.
#include "physics/PhysicsSystem.h"

#include "level/ConsoleText.h"
#include "level/ContentPath.h"
#include "scripting/ObjectScript.h"
#include "scripting/ScriptFunctions.h"
#include "scripting/ScriptMemoryFull.h"
#include "sound/CIrrKlangSceneNode.h"
#include "waves/WaveManager.h"
#include "world/GameObject.h"
#include "world/GameWorld.h"
#include "world/Player.h"
#include "world/TriggerEvents.h"

#include <NxActor.h>
#include <NxController.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace irr;
using namespace vphysx;

namespace {

const f32 DYNAMIC_DENSITY = 50.0f;
const f32 OBSTACLE_HEIGHT = 4.0f;
const f32 OBSTACLE_RADIUS = 1.0f;
const f32 OBSTACLE_DROP = 2.0f;  // the capsule's centre stands this far below the node

const scene::ESCENE_NODE_TYPE SOUND_NODE_ALIAS =
    scene::ESCENE_NODE_TYPE(MAKE_IRR_ID('i', 'k', 'g', '2'));

NxExtendedVec3 widened(const core::vector3df& p) { return NxExtendedVec3(p.X, p.Y, p.Z); }

GameObject* registerMeshNode(scene::ISceneNode* node) {
    GameObject* object = new GameObject();
    object->node = node;
    GameWorld::instance().registerObject(object);
    return object;
}

void handToWaveManager(CIrrKlangSceneNode* emitter) {
    WaveManager& waves = WaveManager::instance();
    if (emitter->loadAnalysis()) {
        waves.addEmitter(emitter);
        if (emitter->EffectType == CIrrKlangSceneNode::EET_GLOW) waves.addNodeWave(emitter);
    } else {
        waves.addNodeWave(emitter);
    }
}

// One node's turn in the walk: what the node itself becomes.
void loadNode(PhysicsSystem& physics, scene::ISceneNode* node) {
    const scene::ESCENE_NODE_TYPE type = node->getType();
    const char* name = node->getName();
    GameObject* object = nullptr;
    NxActor* actor = nullptr;

    if (type == scene::ESNT_MESH) {
        scene::IMesh* mesh = static_cast<scene::IMeshSceneNode*>(node)->getMesh();
        const core::vector3df position = node->getAbsolutePosition();
        const core::vector3df scale = node->getScale();
        if (name[0] == '1') {
            std::printf("Adding Static PhysX Node: %s...\n", shownName(name).c_str());
            object = registerMeshNode(node);
            actor = physics.createStaticMeshActor(mesh, position, scale, object->id);
        } else if (name[0] == '2') {
            std::printf("Adding Trigger: %s...\n", shownName(name).c_str());
            object = registerMeshNode(node);
            if (mesh) actor = physics.createTriggerMeshActor(mesh, position, scale, object->id);
        } else {
            std::printf("Adding Dynamic PhysX Node: %s...\n", shownName(name).c_str());
            object = registerMeshNode(node);
            actor = physics.createDynamicConvexActor(mesh, position, scale, object->id, DYNAMIC_DENSITY);
            if (name[0] == '3' && actor) actor->raiseBodyFlag(NX_BF_KINEMATIC);
        }
    }

    if (std::strcmp(name, "player_start") == 0) {
        NxController* player = GameWorld::instance().player->controller;
        if (player) player->setPosition(widened(node->getAbsolutePosition()));
    } else if (type == CIrrKlangSceneNode::TYPE || type == SOUND_NODE_ALIAS) {
        handToWaveManager(static_cast<CIrrKlangSceneNode*>(node));
    }

    if (type == scene::ESNT_ANIMATED_MESH) {
        NxController* obstacle = physics.createCapsuleController(OBSTACLE_HEIGHT, OBSTACLE_RADIUS, -1);
        if (obstacle)
            obstacle->setPosition(
                widened(node->getAbsolutePosition() - core::vector3df(0, OBSTACLE_DROP, 0)));
    }

    if (object) {
        object->actor = actor;
        // A name is level data: it may name a script, never a path out of the scripts folder.
        const std::string script = scriptPathFor(name);
        if (std::strpbrk(name, "/\\") || std::strstr(name, ".."))
            std::printf("Level: node \"%s\" has a path in its name; it runs no script\n", shownName(name).c_str());
        else if (!insideGameFolder(script))
            std::printf("Level: the script of node \"%s\" leads outside the game folder; it runs no script\n",
                        shownName(name).c_str());
        else
            attachScript(*object, script.c_str());
    }
}

}  // namespace

// Pre-order without recursion: a level may nest nodes deeper than the stack would allow. A node's
// children are taken right after its own turn, its OnCreate included.
bool PhysicsSystem::loadLevel(scene::ISceneNode* node) {
    forgetTriggerEvents();
    resetRevealClock();
    std::vector<scene::ISceneNode*> pending{node};
    while (!pending.empty()) {
        scene::ISceneNode* next = pending.back();
        pending.pop_back();
        loadNode(*this, next);
        const core::list<scene::ISceneNode*>& children = next->getChildren();
        std::size_t first = pending.size();
        for (scene::ISceneNode* child : children) pending.push_back(child);
        std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(first), pending.end());
    }
    reportScriptsRefused();
    return true;
}
