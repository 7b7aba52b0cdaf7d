#pragma once
// Walks the level file's nodes beside the scene the game loaded from it and prints, per node,
// one line with what it became and one line per warning; then the warnings that concern the
// level as a whole. The game's own reports printed while loading are shown under the node they
// name (or, naming none, at the end) and count as warnings.

#include "RawLevel.h"

#include <sound3d/vsound.h>
#include <irrlicht.h>

#include <memory>
#include <string>
#include <vector>

struct GameObject;

class LevelReport {
public:
    // gameLines: what the game printed while loading the level.
    LevelReport(std::vector<std::string> gameLines, vsound::ISoundEngine* engine);

    // Prints the report for the file's top-level nodes, loaded under `root`.
    void run(const std::vector<std::unique_ptr<RawNode>>& nodes, irr::scene::ISceneNode& root);
    int warnings() const { return count; }

private:
    void walk(const RawNode& raw, irr::scene::ISceneNode* parent, int depth);
    void warn(const std::string& text);
    // Takes the game's reports about the node out of the ones not shown yet.
    std::vector<std::string> gameReportsAbout(const irr::scene::ISceneNode& node, const GameObject* object);
    void levelWarnings();

    std::vector<std::string> reports;   // the game's report lines not shown yet
    std::vector<irr::scene::ISceneNode*> matched;
    vsound::ISoundEngine* engine;
    bool sawPlayerStart = false;
    int count = 0;
};
