// The walkable floor at the player's size, built by Recast from plain boxes: what the capsule's
// width, height, climb and slope limit let join, the way between two places, and the parts no
// way reaches.
#include "WalkableFloor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace irr;
using Triangles = std::vector<core::triangle3df>;

namespace {

const AgentSize PLAYER{1, 4, 3.25f, 45};
const float CELL = 0.25f;

void quad(Triangles& out, core::vector3df a, core::vector3df b, core::vector3df c, core::vector3df d) {
    out.push_back(core::triangle3df(a, b, c));
    out.push_back(core::triangle3df(a, c, d));
}

// Wound as the level's meshes are: a face's normal, (B - A) x (C - A), points out of the box.
void box(Triangles& out, core::vector3df lo, core::vector3df hi) {
    const float x0 = lo.X, y0 = lo.Y, z0 = lo.Z, x1 = hi.X, y1 = hi.Y, z1 = hi.Z;
    quad(out, {x0, y1, z0}, {x0, y1, z1}, {x1, y1, z1}, {x1, y1, z0});
    quad(out, {x0, y0, z1}, {x0, y0, z0}, {x1, y0, z0}, {x1, y0, z1});
    quad(out, {x0, y0, z0}, {x0, y1, z0}, {x1, y1, z0}, {x1, y0, z0});
    quad(out, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}, {x0, y0, z1});
    quad(out, {x0, y0, z1}, {x0, y1, z1}, {x0, y1, z0}, {x0, y0, z0});
    quad(out, {x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}, {x1, y0, z1});
}

// A floor 40 x 40 with its top at y = 0.
Triangles floor() {
    Triangles out;
    box(out, {-20, -1, -20}, {20, 0, 20});
    return out;
}

// A wall across the floor at z = 10 with a doorway `width` wide and `height` high at x = 0.
Triangles wallWithDoorway(float width, float height) {
    Triangles out = floor();
    box(out, {-20, 0, 9.5f}, {-width / 2, 6, 10.5f});
    box(out, {width / 2, 0, 9.5f}, {20, 6, 10.5f});
    box(out, {-width / 2, height, 9.5f}, {width / 2, 6, 10.5f});
    return out;
}

// Whether the capsule starting at the origin reaches the floor by (0, y, 15).
bool reaches(const Triangles& level, float y = 0, const AgentSize& agent = PLAYER) {
    WalkableFloor walkable(level, agent, CELL);
    if (!walkable.spreadFrom({0, 0, 0})) return false;
    core::vector3df at;
    return walkable.reachedIn(core::aabbox3df(-2, y - 0.5f, 13, 2, y + 0.5f, 17), &at);
}

TEST(WalkableFloor, TheCapsulesWidthAndHeightDecideWhichDoorwaysItPasses) {
    EXPECT_FALSE(reaches(wallWithDoorway(2, 5))) << "as wide as the capsule";
    EXPECT_TRUE(reaches(wallWithDoorway(2.5f, 5)));
    EXPECT_FALSE(reaches(wallWithDoorway(3, 4))) << "as high as the capsule";
    EXPECT_TRUE(reaches(wallWithDoorway(3, 4.5f)));
    AgentSize small = PLAYER;
    small.radius = 0.01f, small.height = 2;
    EXPECT_TRUE(reaches(wallWithDoorway(2, 4), 0, small)) << "something small gets through either";
}

TEST(WalkableFloor, LedgesUpToTheClimbAndSlopesUpToTheLimitAreWalkedOnto) {
    for (float height : {3.0f, 3.5f}) {
        Triangles level = floor();
        box(level, {-5, 0, 12}, {5, height, 18});
        EXPECT_EQ(reaches(level, height), height < PLAYER.climb) << "a ledge " << height << " high";
    }
    // A ramp 8 wide up to a platform 4 high: more than a jump, so only the ramp leads there.
    for (float degrees : {40.0f, 50.0f}) {
        const float length = 4 / std::tan(degrees * core::DEGTORAD);
        Triangles level = floor();
        quad(level, {-4, 0, 13 - length}, {-4, 4, 13}, {4, 4, 13}, {4, 0, 13 - length});
        box(level, {-5, 0, 13}, {5, 4, 20});
        EXPECT_EQ(reaches(level, 4), degrees < PLAYER.slopeDegrees) << "a ramp of " << degrees << " degrees";
    }
}

TEST(WalkableFloor, TheWayLeadsThroughTheDoorwayAndTheSealedPartIsOneUnreachedPiece) {
    Triangles level = wallWithDoorway(3, 5);
    box(level, {9.5f, 0, 10}, {10.5f, 6, 20});  // walls off x > 10 beyond the wall
    WalkableFloor walkable(level, PLAYER, CELL);
    ASSERT_TRUE(walkable.spreadFrom({0, 0, 0}));
    const std::vector<core::vector3df> way = walkable.way({-10, 0, 0}, {-10, 0, 15});
    ASSERT_GE(way.size(), 3u);
    EXPECT_LT(way.front().getDistanceFrom({-10, 0, 0}), 0.5f);
    EXPECT_LT(way.back().getDistanceFrom({-10, 0, 15}), 0.5f);
    const bool throughTheDoorway = std::any_of(way.begin(), way.end(), [](const core::vector3df& p) {
        return std::fabs(p.X) < 1.5f && std::fabs(p.Z - 10) < 1.5f;
    });
    EXPECT_TRUE(throughTheDoorway);
    EXPECT_TRUE(walkable.way({0, 0, 0}, {15, 0, 15}).empty()) << "no way into the part walled off";
    const std::vector<WalkableFloor::Piece> pieces = walkable.unreachedPieces();
    float sealed = 0;
    for (const WalkableFloor::Piece& piece : pieces)
        if (piece.middle.X > 10 && piece.middle.Z > 10) sealed += piece.area;
    // 9.5 x 9.5 inside the walls and the floor's edge, less the capsule's radius and up to a
    // cell along each: 7 to 7.5 a side.
    EXPECT_NEAR(sealed, 52.5, 4);
    core::vector3df at;
    EXPECT_FALSE(walkable.reachedIn(core::aabbox3df(12, -0.5f, 12, 18, 0.5f, 18), &at));
    EXPECT_TRUE(walkable.floorIn(core::aabbox3df(12, -0.5f, 12, 18, 0.5f, 18), &at));
}

TEST(WalkableFloor, NoFloorUnderTheFeetOrNoGeometryAtAllReachesNothing) {
    WalkableFloor nothing({}, PLAYER, CELL);
    EXPECT_FALSE(nothing.spreadFrom({0, 0, 0}));
    EXPECT_TRUE(nothing.unreachedPieces().empty());
    WalkableFloor walkable(floor(), PLAYER, CELL);
    EXPECT_FALSE(walkable.spreadFrom({0, 20, 0})) << "far above the floor";
    EXPECT_FALSE(walkable.spreadFrom({100, 0, 0})) << "beside it";
}

}  // namespace
