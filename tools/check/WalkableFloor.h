#pragma once
// The floor a character of a given size can walk on, as a navigation mesh built by Recast from
// the level's static triangles, and what of it can be reached on foot from one place (Detour).
// Ledges up to the agent's climb count as steps, both ways; anything higher is a wall.

#include <irrlicht.h>

#include <functional>
#include <memory>
#include <vector>

struct AgentSize {
    float radius;        // of the capsule
    float height;        // from its bottom to its top
    float climb;         // the highest ledge it gets onto
    float slopeDegrees;  // the steepest ground it walks on
};

class WalkableFloor {
public:
    // cellSize: how finely the floor is sampled across, in units (a huge level is sampled more
    // coarsely); an opening is measured to about a cell.
    WalkableFloor(const std::vector<irr::core::triangle3df>& triangles, const AgentSize& agent, float cellSize);
    ~WalkableFloor();
    WalkableFloor(const WalkableFloor&) = delete;
    WalkableFloor& operator=(const WalkableFloor&) = delete;

    // Marks what can be reached from where the feet stand (the capsule's bottom); false when no
    // floor is under them.
    bool spreadFrom(const irr::core::vector3df& feet);
    // A reached place (for the capsule's bottom) inside the box, the nearest to its middle.
    bool reachedIn(const irr::core::aabbox3df& box, irr::core::vector3df* at) const;
    // A place of the floor, reached or not, inside the box.
    bool floorIn(const irr::core::aabbox3df& box, irr::core::vector3df* at) const;
    // The shortest way on foot between two places of the floor, its corners in order from `from`;
    // empty when there is none.
    std::vector<irr::core::vector3df> way(const irr::core::vector3df& from, const irr::core::vector3df& to) const;

    // A connected part of the floor that was not reached.
    struct Piece {
        irr::core::vector3df middle;  // a place on it
        irr::core::aabbox3df bounds;
        float area;                   // square units
    };
    std::vector<Piece> unreachedPieces() const;
    // How finely the floor was sampled across, in units; 0 when there is no floor.
    float cellSize() const;
    // Every triangle of the floor, with whether it was reached.
    void eachTriangle(const std::function<void(const irr::core::triangle3df&, bool reached)>& visit) const;

private:
    struct Mesh;
    std::unique_ptr<Mesh> mesh;
};
