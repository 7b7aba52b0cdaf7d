#pragma once
// Whether the player can get to what the level asks them to reach. The walkable floor is built
// at the player's size from the static geometry alone: kinematic objects (doors) count as open,
// loose ones as moved aside. From the player's start it finds the trigger volumes, the objects
// the player can lift and the exit (a trigger volume named with "Exit") that cannot be reached,
// the parts of the floor sealed off, and why: an opening narrower or lower than the player (found
// by a second floor, walkable by something small), or no way at all.

#include "PlayerSize.h"
#include "WalkableFloor.h"

#include <irrlicht.h>

#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct GameObject;
class LevelGeometry;
class Player;

// A warning and its words for the plan.
struct Warning {
    std::string text;
    std::string shortText;
};

class ReachWarnings {
public:
    ReachWarnings(const std::list<GameObject*>& objects, const Player& player);
    ~ReachWarnings();

    std::vector<Warning> about(const GameObject& object) const;
    std::vector<Warning> aboutLevel() const { return level; }

    // What the plan shows: the player's floor (null when none was found), the way from the start
    // to the exit (empty when there is none) and the places warned about.
    struct Mark {
        irr::core::aabbox3df area;
        std::string shortText;
        bool sealed;                // a part of the floor, else an opening
        const GameObject* owner;    // the floor, or the wall with the opening; may be null
    };
    const WalkableFloor* floor() const { return started ? playerFloor.get() : nullptr; }
    const std::vector<irr::core::vector3df>& wayToExit() const { return exitWay; }
    const std::vector<Mark>& marks() const { return marked; }

    static bool isExit(const GameObject& object);

private:
    struct Opening;
    void checkTarget(const GameObject& object, const irr::core::aabbox3df& reach);
    void checkSealedFloor();
    const WalkableFloor& probeFloor();
    std::vector<irr::core::triangle3df> triangles() const;  // of the static geometry
    std::string whyNot(const irr::core::aabbox3df& reach, const std::string& what, irr::core::vector3df* floorAt);
    Opening* openingOnWay(const std::vector<irr::core::vector3df>& way);
    void warnOpenings();
    const GameObject* ownerBelow(const irr::core::vector3df& point) const;
    const struct SolidTriangle* floorBelow(const irr::core::vector3df& point, irr::core::vector3df* hit) const;
    float floorHeight(const irr::core::vector3df& point) const;

    PlayerReach reach;
    std::list<GameObject*> statics;
    std::unique_ptr<LevelGeometry> geometry;  // static only
    std::unique_ptr<WalkableFloor> playerFloor;
    std::unique_ptr<WalkableFloor> probe;  // of something small: what the player could reach if smaller
    irr::core::vector3df feet;
    bool started = false;
    float lowestReached = 0, highestReached = 0;
    double measured = 0;  // triangles tested measuring ways so far
    std::vector<std::unique_ptr<Opening>> openings;
    std::map<const GameObject*, std::vector<Warning>> warnings;
    std::vector<Warning> level;
    std::vector<irr::core::vector3df> exitWay;
    std::vector<Mark> marked;
};
