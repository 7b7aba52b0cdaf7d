// The function that makes a level's events heard: a sound from Content/sounds/ at an object, with
// the pulse that shows it. Every sound is a voice and a wave of light, so each object may start
// kMostSoundsPerObject a second of play and all scripts together kMostSoundsByAll; the rest are
// dropped, and the first drop of each is said in one line. A sound is started after the scripts
// of the frame have run: its first play decodes the file, which is the sound system's work and
// must not come out of a script's share of the frame.
#include "scripting/ScriptFunctions.h"

#include "level/ContentFile.h"
#include "level/ContentPath.h"
#include "luaplus/LuaStackObject.h"
#include "scripting/ScriptReport.h"
#include "sound/SoundSystem.h"
#include "world/GameWorld.h"

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const char* const SOUNDS_FOLDER = "Content/sounds/";
const std::uintmax_t kMostSoundFileBytes = std::uintmax_t(64) << 20;  // a sound may decode to 64 MiB
constexpr int kMostSoundsPerObject = 4;   // a second
constexpr int kMostSoundsByAll = 16;      // a second
constexpr std::size_t kMostProblemsSaid = 4;  // distinct bad calls said per object; later ones are not

// Sounds started in one whole second of play.
struct SecondCount {
    irr::s32 second = -1;
    int started = 0;
    bool dropSaid = false;

    bool allows(int most) {
        const irr::s32 now = GameWorld::instance().playedMs / 1000;
        if (now != second) {
            second = now;
            started = 0;
        }
        return started < most;
    }
};

struct Caller {
    SecondCount sounds;
    std::set<std::string> problemsSaid;
};

std::map<irr::s32, Caller> callers;  // by the calling object's id (0: a script of no object)
SecondCount soundsByAll;

struct AskedSound {
    irr::core::vector3df position;
    std::string path;
};
std::vector<AskedSound> asked;  // this frame's, in the order the scripts asked

const GameObject* callingObject(const vlua::LuaState* state) {
    for (const GameObject* object : GameWorld::instance().objects)
        if (object->script == state) return object;
    return nullptr;
}

void say(const GameObject* caller, Caller& record, const std::string& problem) {
    if (!caller || record.problemsSaid.size() >= kMostProblemsSaid || !record.problemsSaid.insert(problem).second)
        return;
    reportScriptProblem(*caller, problem, "nothing is played");
}

// Why the name cannot be played from the sounds folder, or empty.
std::string fileProblem(const std::string& name, const std::string& path) {
    if (name.empty() || name.find("..") != std::string::npos || !insideGameFolder(path))
        return "PlaySound names \"" + name + "\", which is not a file in " + SOUNDS_FOLDER;
    const std::string problem = contentFileProblem(path.c_str(), kMostSoundFileBytes);
    return problem.empty() ? problem : "PlaySound's sound " + path + " " + problem;
}

bool withinBudget(const GameObject* caller, Caller& record) {
    if (!soundsByAll.allows(kMostSoundsByAll)) {
        if (!soundsByAll.dropSaid)
            std::printf("Scripting: all scripts together started more than %d sounds in one second; the rest "
                        "are dropped, now and whenever they play too many again\n",
                        kMostSoundsByAll);
        soundsByAll.dropSaid = true;
        return false;
    }
    if (!record.sounds.allows(kMostSoundsPerObject)) {
        if (caller && !record.sounds.dropSaid)
            reportScriptProblem(*caller,
                                "started more than " + std::to_string(kMostSoundsPerObject) +
                                    " sounds in one second",
                                "the rest are dropped, now and whenever it plays too many again");
        record.sounds.dropSaid = true;
        return false;
    }
    return true;
}

// Where a sound of the object is heard: on the side of what is drawn of it that faces the player,
// the point of its box nearest the eye. From inside a door's leaf or a switch the sound would be
// muffled by the very thing that makes it.
irr::core::vector3df soundPosition(irr::scene::ISceneNode& node) {
    node.updateAbsolutePosition();
    const irr::core::aabbox3df box = node.getTransformedBoundingBox();
    irr::scene::ICameraSceneNode* camera = GameWorld::instance().camera;
    if (!camera) return box.getCenter();
    return nearestPointOf(box, camera->getAbsolutePosition());
}

}  // namespace

int PlaySound(vlua::LuaState* state) {
    vlua::LuaStackObject id(state, 1);
    vlua::LuaStackObject file(state, 2);
    if (!id.IsInteger() || !file.IsString()) return 0;

    const GameObject* caller = callingObject(state);
    Caller& record = callers[caller ? caller->id : 0];
    GameObject* object = GameWorld::instance().findObject(id.GetInteger());
    if (!object || !object->node) {
        say(caller, record, "PlaySound names object " + std::to_string(id.GetInteger()) + ", which does not exist");
        return 0;
    }
    const std::string name = file.GetString();
    const std::string path = SOUNDS_FOLDER + name;
    const std::string problem = fileProblem(name, path);
    if (!problem.empty()) {
        say(caller, record, problem);
        return 0;
    }
    if (!withinBudget(caller, record)) return 0;
    ++record.sounds.started;
    ++soundsByAll.started;
    asked.push_back({soundPosition(*object->node), path});
    return 0;
}

void playScriptSounds() {
    // A file the engine cannot decode is said by the engine, once.
    for (const AskedSound& sound : asked) SoundSystem::instance().playEventSound(sound.position, sound.path.c_str());
    asked.clear();
}
