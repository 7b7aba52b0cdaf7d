#include "LevelReport.h"

#include "EmitterWarnings.h"
#include "NodeOutcome.h"
#include "NodeWarnings.h"
#include "ObjectWarnings.h"
#include "PlayerStartCheck.h"
#include "ReachWarnings.h"
#include "ScriptLint.h"
#include "level/ConsoleText.h"
#include "scripting/ObjectScript.h"
#include "sound/CIrrKlangSceneNode.h"
#include "world/GameWorld.h"
#include "world/Player.h"

#include <NxController.h>

#include <algorithm>
#include <cstdio>

using namespace irr;

namespace {

const char* const SUBSYSTEMS[] = {"Physics: ", "Level: ", "Scripting: ", "Script: ", "Sound: ",
                                  "Waves: ", "Graphics: "};

bool isReport(const std::string& line) {
    for (const char* prefix : SUBSYSTEMS)
        if (line.rfind(prefix, 0) == 0) return true;
    return false;
}

const GameObject* objectOf(const scene::ISceneNode& node) {
    for (const GameObject* object : GameWorld::instance().objects)
        if (object->node == &node) return object;
    return nullptr;
}

const size_t LONGEST_SHORT_TEXT = 28;

// The warning's first clause, without "it", cut to fit the plan: "starts inside \"1Floor\"".
std::string shortened(std::string text) {
    const std::string said = "the game says: ";
    if (text.rfind(said, 0) == 0) text.erase(0, said.size());
    text = text.substr(0, text.find_first_of(":;("));
    for (const char* lead : {"it ", "its "})
        if (text.rfind(lead, 0) == 0) text.erase(0, std::string(lead).size());
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text.size() > LONGEST_SHORT_TEXT ? text.substr(0, LONGEST_SHORT_TEXT - 3) + "..." : text;
}

}  // namespace

LevelReport::~LevelReport() = default;

LevelReport::LevelReport(std::vector<std::string> gameLines, vsound::ISoundEngine* engine)
    : engine(engine) {
    for (std::string& line : gameLines)
        if (isReport(line)) reports.push_back(std::move(line));
}

void LevelReport::warn(const std::string& text, const std::string& shortText) {
    std::printf("  warning: %s\n", oneLine(text, 1000).c_str());
    ++count;
    const bool known = std::any_of(warned.begin(), warned.end(), [&](const WarnedNode& w) { return w.node == current; });
    if (current && !known) warned.push_back({current, shortText.empty() ? shortened(text) : shortText});
}

void LevelReport::run(const std::vector<std::unique_ptr<RawNode>>& nodes, scene::ISceneNode& root) {
    objectChecks = std::make_unique<ObjectWarnings>(GameWorld::instance().objects);
    if (const Player* player = GameWorld::instance().player)
        reachChecks = std::make_unique<ReachWarnings>(GameWorld::instance().objects, *player);
    std::vector<std::string> scripts, objectNames;
    for (const GameObject* object : GameWorld::instance().objects) {
        objectNames.push_back(object->node->getName());
        const std::string script = scriptPathFor(object->node->getName());
        if (object->script && std::find(scripts.begin(), scripts.end(), script) == scripts.end()) scripts.push_back(script);
    }
    scriptChecks = std::make_unique<ScriptLint>(scripts, objectNames);
    if (!scriptChecks->unread().empty())
        std::printf("Scripts: %s; they were not read for mistakes\n", scriptChecks->unread().c_str());
    for (const auto& raw : nodes) walk(*raw, &root, 0);
    current = nullptr;
    levelWarnings();
}

// The game loads a file's nodes in order under their parent; a node of a type it does not know
// is missing there. Names pair the two, type names settle a tie.
static scene::ISceneNode* loadedNode(const RawNode& raw, scene::ISceneNode* parent,
                                     const std::vector<scene::ISceneNode*>& taken) {
    if (!parent) return nullptr;
    scene::ISceneNode* byName = nullptr;
    scene::ISceneManager* scene = parent->getSceneManager();
    for (scene::ISceneNode* child : parent->getChildren()) {
        if (raw.name() != child->getName()) continue;
        if (std::find(taken.begin(), taken.end(), child) != taken.end()) continue;
        const char* typeName = scene->getSceneNodeTypeName(child->getType());
        if (typeName && raw.type == typeName) return child;
        if (!byName) byName = child;
    }
    return byName;
}

void LevelReport::walk(const RawNode& raw, scene::ISceneNode* parent, int depth) {
    scene::ISceneNode* node = loadedNode(raw, parent, matched);
    if (node) matched.push_back(node);
    const GameObject* object = node ? objectOf(*node) : nullptr;
    std::vector<std::string> scriptWarnings;
    const std::string what = node ? describeNode(*node, object) + (object ? scriptNote(*object, scriptWarnings) : "")
                                  : "left out";
    std::printf("%*s%s (%s): %s\n", 2 * depth, "", shownName(raw.name()).c_str(), shownName(raw.type).c_str(),
                what.c_str());
    if (raw.name() == "player_start") playerStart = node;
    current = node;

    const std::vector<std::string> said = node ? gameReportsAbout(*node, object) : std::vector<std::string>();
    // The game names a mesh it cannot load itself; the checker's own line would repeat it.
    const std::string mesh = raw.value("Mesh");
    const bool meshSaid = std::any_of(said.begin(), said.end(), [&](const std::string& line) {
        return line.find(" gets no mesh: ") != std::string::npos || (!mesh.empty() && line.find(mesh) != std::string::npos);
    });
    for (const std::string& text : nodeWarnings(raw, node, object, meshSaid)) warn(text);
    if (object)
        for (const std::string& text : objectChecks->about(*object)) warn(text);
    // A trigger nothing reaches at all is said to be so once.
    if (object && reachChecks && !objectChecks->outOfReach(*object))
        for (const Warning& warning : reachChecks->about(*object)) warn(warning.text, warning.shortText);
    if (const auto* emitter = dynamic_cast<const CIrrKlangSceneNode*>(node))
        for (const std::string& text : emitterWarnings(raw, *emitter, engine)) warn(text);
    for (const std::string& line : said) warn("the game says: " + line);
    for (const std::string& text : scriptWarnings) warn(text);
    for (const auto& child : raw.children) walk(*child, node, depth + 1);
}

// Scripts are bound by name: "1Door" and "Door" run Door.lua, as does any node so named in a
// level copied with a game folder. A script is read once, under the first node that runs it.
std::string LevelReport::scriptNote(const GameObject& object, std::vector<std::string>& scriptWarnings) {
    if (!object.script) return "";
    const std::string script = scriptPathFor(object.node->getName());
    auto said = scriptRunBy.find(script);
    if (said != scriptRunBy.end()) return "; runs " + script + ", as \"" + said->second + "\" does (read there)";
    scriptRunBy[script] = shownName(object.node->getName());
    scriptWarnings = scriptChecks->about(script);
    return "; runs " + script;
}

// A report names its node in quotes; a script report names its object's id as well.
std::vector<std::string> LevelReport::gameReportsAbout(const scene::ISceneNode& node,
                                                       const GameObject* object) {
    const std::string quoted = "\"" + shownName(node.getName()) + "\"";
    const std::string byId = object ? "Scripting: object " + std::to_string(object->id) + " " : "";
    auto concerns = [&](const std::string& line) {
        if (object && line.rfind("Scripting: object ", 0) == 0) return line.rfind(byId, 0) == 0;
        return node.getName()[0] && line.find(quoted) != std::string::npos;
    };
    auto mine = std::stable_partition(reports.begin(), reports.end(),
                                      [&](const std::string& line) { return !concerns(line); });
    std::vector<std::string> said(mine, reports.end());
    reports.erase(mine, reports.end());
    return said;
}

void LevelReport::levelWarnings() {
    std::printf("The level as a whole:\n");
    for (const std::string& line : reports) warn("the game says: " + line);
    Player* player = GameWorld::instance().player;
    if (!playerStart)
        warn("there is no node named player_start: the player starts at the default place");
    if (reachChecks)
        for (const Warning& warning : reachChecks->aboutLevel()) warn(warning.text, warning.shortText);
    if (!player || !player->controller) return;
    const vphysx::NxExtendedVec3& p = player->controller->getPosition();
    const core::vector3df centre(float(p.x), float(p.y), float(p.z));
    const std::string solid = solidAround(objectChecks->geometry(), centre, player->height / 2, player->radius);
    current = playerStart;
    if (!solid.empty())
        warn("the player starts at " + formatVector(centre) + ", inside \"" + solid +
             "\": it will be stuck or thrown out");
}
