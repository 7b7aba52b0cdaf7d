#pragma once
// What will go wrong in play with a mesh object because of where it stands or what drives it: a
// loose object that starts inside or cutting into something, that is bigger than the space
// around it, or too heavy for anything in play to move; a kinematic object no script moves; a
// trigger volume nothing can reach or whose script hears of nothing entering it.

#include "LevelGeometry.h"

#include <list>
#include <string>
#include <vector>

struct GameObject;

class ObjectWarnings {
public:
    // objects: the level's registered objects, loaded and with their scripts attached.
    explicit ObjectWarnings(const std::list<GameObject*>& objects);

    std::vector<std::string> about(const GameObject& object) const;
    // A trigger volume inside solid geometry or above any floor the player could reach up to.
    bool outOfReach(const GameObject& object) const;
    const LevelGeometry& geometry() const { return level; }

private:
    void looseWarnings(const GameObject& object, std::vector<std::string>& out) const;
    void kinematicWarnings(const GameObject& object, std::vector<std::string>& out) const;
    void triggerWarnings(const GameObject& object, std::vector<std::string>& out) const;
    const GameObject* cutInto(const GameObject& object) const;
    bool reachable(const irr::core::aabbox3df& box) const;

    LevelGeometry level;
    std::vector<std::string> scriptTexts;  // of every script that runs in the level
};
