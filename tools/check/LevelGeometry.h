#pragma once
// The solid surfaces of the loaded level in world space (every mesh object with an actor but the
// trigger volumes), for the checks that ask what stands where: what a ray meets first, whether
// a point lies inside a closed solid.

#include <irrlicht.h>

#include <list>
#include <string>
#include <vector>

struct GameObject;

// Every triangle of a mesh node's mesh, in world space; none for other nodes.
std::vector<irr::core::triangle3df> trianglesOf(irr::scene::ISceneNode& node);

// A trigger volume's name starts with 2: nothing collides with it.
bool isSolid(const GameObject& object);

struct SolidTriangle {
    irr::core::triangle3df triangle;
    const GameObject* owner;
};

class LevelGeometry {
public:
    explicit LevelGeometry(const std::list<GameObject*>& objects);

    const std::vector<SolidTriangle>& triangles() const { return all; }
    // The first triangle the segment meets, not counting `skip`'s own; null when none.
    const SolidTriangle* firstHit(const irr::core::line3df& segment, const GameObject* skip,
                                  irr::core::vector3df* hit) const;
    // The solid the point is inside, or null. Inside a closed solid the nearest surface straight
    // above shows its back (its normal, which points out of the front face, points up).
    const GameObject* solidAround(const irr::core::vector3df& point, const GameObject* skip) const;

private:
    std::vector<SolidTriangle> all;
};
