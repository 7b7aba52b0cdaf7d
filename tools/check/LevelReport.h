#pragma once
// Walks the level file's nodes beside the scene the game loaded from it and prints, per node,
// one line with what it became and one line per warning; then the warnings that concern the
// level as a whole. The game's own reports printed while loading are shown under the node they
// name (or, naming none, at the end) and count as warnings.

#include "RawLevel.h"

#include <sound3d/vsound.h>
#include <irrlicht.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

struct GameObject;
class ObjectWarnings;
class ReachWarnings;
class ScriptLint;

// A node with at least one warning, and the first one's words for the plan.
struct WarnedNode {
    irr::scene::ISceneNode* node;
    std::string shortText;
};

class LevelReport {
public:
    // gameLines: what the game printed while loading the level.
    LevelReport(std::vector<std::string> gameLines, vsound::ISoundEngine* engine);
    ~LevelReport();

    // Prints the report for the file's top-level nodes, loaded under `root`.
    void run(const std::vector<std::unique_ptr<RawNode>>& nodes, irr::scene::ISceneNode& root);
    int warnings() const { return count; }
    // The loaded nodes with at least one warning, in the order warned.
    const std::vector<WarnedNode>& warnedNodes() const { return warned; }
    // What the player can reach; null when there is no player.
    const ReachWarnings* reach() const { return reachChecks.get(); }

private:
    void walk(const RawNode& raw, irr::scene::ISceneNode* parent, int depth);
    // shortText: a few words for the plan; made from the text when left out.
    void warn(const std::string& text, const std::string& shortText = "");
    // Takes the game's reports about the node out of the ones not shown yet.
    std::vector<std::string> gameReportsAbout(const irr::scene::ISceneNode& node, const GameObject* object);
    void levelWarnings();
    // "; runs Content/scripts/Door.lua", and the script's warnings under the first node to run it.
    std::string scriptNote(const GameObject& object, std::vector<std::string>& scriptWarnings);

    std::vector<std::string> reports;   // the game's report lines not shown yet
    std::vector<irr::scene::ISceneNode*> matched;
    std::vector<WarnedNode> warned;
    irr::scene::ISceneNode* current = nullptr;      // the node being reported on
    irr::scene::ISceneNode* playerStart = nullptr;
    std::unique_ptr<ObjectWarnings> objectChecks;
    std::unique_ptr<ReachWarnings> reachChecks;
    std::unique_ptr<ScriptLint> scriptChecks;
    std::map<std::string, std::string> scriptRunBy;  // script file -> the first node said to run it
    vsound::ISoundEngine* engine;
    int count = 0;
};
