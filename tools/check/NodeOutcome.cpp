#include "NodeOutcome.h"

#include "sound/CIrrKlangSceneNode.h"
#include "world/GameObject.h"

#include <NxActor.h>

#include <cstdio>
#include <cstring>

using namespace irr;

namespace {

const float MAX_CARRY_MASS = 100.0f;  // the player's carrying limit

std::string number(float x) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", x);
    return text;
}

std::string describeMesh(const char* name, const GameObject& object) {
    const vphysx::NxActor* actor = object.actor;
    std::string what;
    if (name[0] == '1') {
        what = "static geometry";
    } else if (name[0] == '2') {
        what = "trigger volume (reports overlaps; nothing collides with it)";
    } else if (name[0] == '3') {
        what = "kinematic object (moved only by its script; it pushes, is never pushed)";
    } else {
        const bool weapon = std::strcmp(name, "weapon") == 0;
        what = weapon ? "weapon (the player takes it for good with E)" : "loose object";
        if (actor) {
            what += ", mass " + number(actor->getMass());
            if (!weapon)
                what += actor->getMass() <= MAX_CARRY_MASS ? ", the player can pick it up"
                                                           : ", too heavy to pick up";
        }
    }
    if (!actor) what += ", but without an actor: nothing collides with it";
    return what;
}

std::string describeEmitter(const CIrrKlangSceneNode& emitter) {
    const s32 type = emitter.EffectType;
    if (type < 0 || type > CIrrKlangSceneNode::EET_MULTI_PULSE) return "emitter without a wave";
    std::string what = std::string("emitter: ") + CIrrKlangSceneNode::EffectTypeNames[type] +
                       ", colour " + formatVector(emitter.EffectColor) + ", radius " +
                       number(emitter.MaxRadius);
    if (emitter.analysisLevels.empty()) {
        // A play-once emitter's ring runs out with its sound.
        const bool once = emitter.PlayMode == CIrrKlangSceneNode::EPM_PLAY_ONCE;
        return what + ", no analysis file: its wave shows " +
               (once ? "until its sound has played" : "all the time");
    }
    return what + ", beats " + std::to_string(beatsPerPass(emitter)) + " times per pass at threshold " +
           number(emitter.Threshold);
}

}  // namespace

std::string formatVector(const core::vector3df& v) {
    return "(" + number(v.X) + ", " + number(v.Y) + ", " + number(v.Z) + ")";
}

// A beat is a slot that reaches the threshold after a quieter one; the sound loops, so the
// first slot follows the last. A sound loud throughout beats once, as it starts.
int beatsPerPass(const CIrrKlangSceneNode& emitter) {
    const std::vector<f32>& levels = emitter.analysisLevels;
    const size_t n = levels.size();
    int beats = 0;
    bool anyLoud = false;
    for (size_t i = 0; i < n; ++i) {
        const bool loud = levels[i] >= emitter.Threshold;
        anyLoud = anyLoud || loud;
        if (loud && levels[(i + n - 1) % n] < emitter.Threshold) ++beats;
    }
    return beats == 0 && anyLoud ? 1 : beats;
}

std::string describeNode(scene::ISceneNode& node, const GameObject* object) {
    const char* name = node.getName();
    if (std::strcmp(name, "player_start") == 0)
        return "player start: the player's capsule starts centred at " +
               formatVector(node.getAbsolutePosition());
    std::string what;
    if (const auto* emitter = dynamic_cast<const CIrrKlangSceneNode*>(&node))
        what = describeEmitter(*emitter);
    else if (node.getType() == scene::ESNT_ANIMATED_MESH)
        what = "obstacle: a capsule 4 tall and 2 wide whose top is at the node";
    else if (object)
        what = describeMesh(name, *object);
    else
        what = "nothing";
    if (object && object->script) what += "; runs its script";
    return what;
}
