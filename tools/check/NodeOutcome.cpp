#include "NodeOutcome.h"

#include "sound/CIrrKlangSceneNode.h"
#include "sound/SlotJudge.h"
#include "world/Carrying.h"
#include "world/GameObject.h"

#include <NxActor.h>

#include <cstdio>
#include <cstring>

using namespace irr;

namespace {

// How a play-once emitter's own wave ends, by effect type.
const char* const PLAY_ONCE_ENDINGS[] = {
    "its ring shows until its sound has played, then runs out",
    "its glow shows until its sound has played, then fades out within a second",
    "its rings show until its sound has played, then run out one by one",
};

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
        const bool once = emitter.PlayMode == CIrrKlangSceneNode::EPM_PLAY_ONCE;
        return what + ", no analysis file: " + (once ? PLAY_ONCE_ENDINGS[type] : "its wave shows all the time");
    }
    const int beats = beatsPerPass(emitter);
    return what + ", beats " + std::to_string(beats) + (beats == 1 ? " time" : " times") +
           " per pass at threshold " + number(emitter.Threshold);
}

}  // namespace

std::string formatVector(const core::vector3df& v) {
    return "(" + number(v.X) + ", " + number(v.Y) + ", " + number(v.Z) + ")";
}

// A looping sound's second pass as the game judges it: the first judges its last slot alone as
// the sound starts.
int beatsPerPass(const CIrrKlangSceneNode& emitter) {
    const std::vector<f32>& levels = emitter.analysisLevels;
    const s32 n = s32(levels.size());
    SlotJudge judge;
    int beats = 0;
    for (int pass = 0; pass < 2; ++pass)
        for (s32 playing = 0; playing < n; ++playing)
            for (s32 slot; (slot = judge.nextSlot((playing + n - 1) % n, n)) >= 0;)
                beats += judge.judge(levels, emitter.Threshold, slot) && pass == 1;
    return beats;
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
    return what;
}
