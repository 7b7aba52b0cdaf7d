// Timings of the physics layer on real Bullet, printed as figures. Run by hand:
//   build/bench/physx/physx_bench

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "PhysxWorld.h"

using namespace vphysx_test;

namespace {

typedef std::chrono::steady_clock Clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A 40 x 40 room: a floor of 50 x 50 quads and four walls of 10 x 10 quads, 5,800 triangles.
void roomMesh(std::vector<NxVec3>& points, std::vector<NxU32>& indices)
{
    auto grid = [&](NxVec3 origin, NxVec3 u, NxVec3 v, int n) {
        NxU32 base = NxU32(points.size());
        for (int i = 0; i <= n; ++i)
            for (int j = 0; j <= n; ++j) points.push_back(origin + u * (NxReal(i) / n) + v * (NxReal(j) / n));
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) {
                NxU32 a = base + i * (n + 1) + j, b = a + n + 1;
                indices.insert(indices.end(), {a, a + 1, b, b, a + 1, b + 1});
            }
    };
    grid(NxVec3(-20, 0, -20), NxVec3(40, 0, 0), NxVec3(0, 0, 40), 50);
    grid(NxVec3(-20, 0, -20), NxVec3(40, 0, 0), NxVec3(0, 10, 0), 10);
    grid(NxVec3(-20, 0, 20), NxVec3(40, 0, 0), NxVec3(0, 10, 0), 10);
    grid(NxVec3(-20, 0, -20), NxVec3(0, 0, 40), NxVec3(0, 10, 0), 10);
    grid(NxVec3(20, 0, -20), NxVec3(0, 0, 40), NxVec3(0, 10, 0), 10);
}

// The game's world without its ground box: the room's floor is the ground.
struct Room {
    Room() : world(false)
    {
        std::vector<NxVec3> points;
        std::vector<NxU32> indices;
        roomMesh(points, indices);
        world.staticMesh(world.triangleMesh(points, indices));
    }

    // Hulls of 16 random points, about one unit across, in layers above the floor.
    void addHulls(int count)
    {
        std::mt19937 random(7);
        std::uniform_real_distribution<float> unit(-0.5f, 0.5f);
        int perRow = 18;
        for (int i = 0; i < count; ++i) {
            std::vector<NxVec3> cloud;
            for (int k = 0; k < 16; ++k) cloud.emplace_back(unit(random), unit(random), unit(random));
            int layer = i / (perRow * perRow), row = i / perRow % perRow, column = i % perRow;
            world.dynamicHull(world.hull(cloud), NxVec3(-17 + 2 * column, 2 + 2 * layer, -17 + 2 * row), 50);
        }
    }

    // Mean milliseconds per frame of simulate + fetchResults at 60 frames a second.
    double frames(int count)
    {
        Clock::time_point start = Clock::now();
        world.run(count);
        return millisecondsSince(start) / count;
    }

    int sleeping()
    {
        int n = 0;
        for (NxU32 i = 0; i < world.scene->getNbActors(); ++i) n += world.scene->getActors()[i]->isSleeping();
        return n;
    }

    PhysxWorld world;
};

void stepping(int hulls)
{
    Room room;
    room.addHulls(hulls);
    double falling = room.frames(60);
    double settling = room.frames(240);
    double resting = room.frames(60);
    std::printf("step %4d hulls: %7.3f ms falling, %7.3f ms settling, %7.3f ms at rest (%d asleep)\n", hulls,
                falling, settling, resting, room.sleeping());
}

// Unit boxes dropped from 4 to 12 units onto a floor of two large triangles, as the level's
// room has: how far each comes to rest from below where it was let go, and whether it lies flat.
void landing()
{
    PhysxWorld world(false);
    world.staticBox(NxVec3(-40, -2, -40), NxVec3(40, 0, 40));
    std::mt19937 random(11);
    std::uniform_real_distribution<float> jitter(0, 4), height(4, 12);
    std::vector<NxActor*> boxes;
    std::vector<NxVec3> drops;
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j) {
            drops.emplace_back(-16 + 5.5f * i + jitter(random), height(random), -16 + 5.5f * j + jitter(random));
            boxes.push_back(world.dynamicBox(drops.back(), NxVec3(0.5f, 0.5f, 0.5f)));
        }
    world.run(240);
    int flat = 0;
    double sum = 0, worst = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
        NxVec3 p = boxes[i]->getGlobalPosition();
        double slide = std::hypot(p.x - drops[i].x, p.z - drops[i].z);
        bool upright = boxes[i]->getGlobalOrientation().getColumn(1).y > std::cos(2 * 3.14159265 / 180);
        flat += slide < 0.05 && upright;
        sum += slide;
        worst = std::max(worst, slide);
    }
    std::printf("landing: %d of %zu boxes rest flat within 0.05 of where they fell; slide %.3f mean, %.3f worst\n",
                flat, boxes.size(), sum / boxes.size(), worst);
}

void controllerMove()
{
    Room room;
    room.addHulls(50);
    room.frames(300);
    NxController* controller = room.world.capsule(0, 2.02, 15);
    const int moves = 2000;
    NxU32 flags;
    Clock::time_point start = Clock::now();
    for (int i = 0; i < moves; ++i) {
        NxReal angle = i * 0.01f;
        controller->move(NxVec3(0.2f * std::cos(angle), 0, 0.2f * std::sin(angle)), 3, 0.01f, flags, 1);
        controller->move(NxVec3(0, -0.5f, 0), 3, 0.01f, flags, 1);
    }
    std::printf("controller: %7.1f us per move (walk and gravity moves alternating)\n",
                millisecondsSince(start) * 1000 / (2 * moves));
}

void cookingMesh()
{
    std::vector<NxVec3> points;
    std::vector<NxU32> indices;
    roomMesh(points, indices);
    PhysxWorld world(false);
    const int rounds = 20;
    double cook = 0, build = 0;
    for (int i = 0; i < rounds; ++i) {
        ByteStream stream;
        Clock::time_point start = Clock::now();
        world.cooking->NxCookTriangleMesh(PhysxWorld::meshDesc(points, indices), stream);
        cook += millisecondsSince(start);
        start = Clock::now();
        world.sdk->createTriangleMesh(stream);
        build += millisecondsSince(start);
    }
    std::printf("cooking %zu triangles: %7.3f ms to cook, %7.3f ms to build the mesh\n", indices.size() / 3,
                cook / rounds, build / rounds);
}

}  // namespace

int main()
{
    for (int hulls : {50, 200, 1000}) stepping(hulls);
    landing();
    controllerMove();
    cookingMesh();
    return 0;
}
