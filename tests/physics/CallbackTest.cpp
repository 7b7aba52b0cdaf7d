// Impact sounds from contacts, and characters that climb and push what they walk into.

#include <algorithm>

#include <NxActor.h>
#include <NxContactStream.h>

#include "PhysicsFixture.h"
#include "physics/ContactReport.h"
#include "physics/ControllerHitReport.h"
#include "physics/ImpactSound.h"
#include "waves/WaveManager.h"

using namespace irr;
using namespace vphysx;

namespace {

class ImpactListener {
public:
    ImpactListener() : previous(impactSound()) {
        impactSound() = [this](const core::vector3df& position, float mass) {
            heard.push_back(position);
            masses.push_back(mass);
        };
    }
    ~ImpactListener() { impactSound() = previous; }
    std::vector<core::vector3df> heard;
    std::vector<float> masses;  // of the heavier moving body of each

private:
    ImpactSound previous;
};

}  // namespace

TEST(ContactReport, SoundsOnlyWhenASumStrictlyExceedsOneHundred) {
    ImpactListener listener;
    PhysX::ContactReport report;
    auto notify = [&](const std::vector<NxContactPatch>& patches, const NxVec3& normal, const NxVec3& friction) {
        std::vector<NxContactShapePair> stream{{{nullptr, nullptr}, patches}};
        NxContactPair pair{{nullptr, nullptr}, &stream, normal, friction};
        report.onContactNotify(pair, NX_NOTIFY_ON_START_TOUCH);
    };
    std::vector<NxContactPatch> points{{NxVec3(0, 1, 0), {{NxVec3(1, 2, 3), 0}, {NxVec3(4, 5, 6), 0}}}};
    notify(points, NxVec3(0, 100, 0), NxVec3(60, 0, 80));
    EXPECT_TRUE(listener.heard.empty());
    notify(points, NxVec3(0, 100.01f, 0), NxVec3());  // hard
    notify(points, NxVec3(), NxVec3(60, 0, 80.01f));  // scraping
    ASSERT_EQ(listener.heard.size(), 2u);
    EXPECT_EQ(listener.heard[0], core::vector3df(1, 2, 3));  // the stream's first point
    notify({{NxVec3(0, 1, 0), {}}}, NxVec3(0, 500, 0), NxVec3());  // a patch without points
    EXPECT_EQ(listener.heard.size(), 2u);
}

using CallbackTest = PhysicsFixture;

TEST_F(CallbackTest, ADroppedCrateSoundsOnceWhereItLands) {
    const auto& waves = WaveManager::instance().waves();
    size_t before = waves.size();
    dynamicBox(core::vector3df(30, 2, 0), 0.5f);
    run(45);  // lands after about 28 frames
    ASSERT_EQ(waves.size(), before + 1);  // the impact's pulse, from the sound system
    const core::vector3df& where = waves.back()->position;
    EXPECT_NEAR(where.Y, -2, 0.15f);
    EXPECT_NEAR(where.X, 30, 0.5f);
    EXPECT_NEAR(where.Z, 0, 0.5f);

    ImpactListener listener;
    run(120);
    EXPECT_TRUE(listener.heard.empty());
}

TEST_F(CallbackTest, AnImpactIsHeardWithTheMassOfTheHeavierBodyThatStruck) {
    ImpactListener listener;
    dynamicBox(core::vector3df(40, 2, 0), 0.5f);  // 50 at density 50: light enough to lift
    dynamicBox(core::vector3df(50, 2, 0), 1.0f);  // 400: too heavy
    run(45);
    ASSERT_EQ(listener.masses.size(), 2u);
    EXPECT_NEAR(std::min(listener.masses[0], listener.masses[1]), 50.0f, 0.5f);
    EXPECT_NEAR(std::max(listener.masses[0], listener.masses[1]), 400.0f, 4.0f);
}

// The player's capsule keeps the skin width and climbs a ledge of 1 built from a level mesh.
TEST_F(CallbackTest, ThePlayersCapsuleClimbsALevelMeshLedge) {
    scene::SMesh* ledge = boxMesh(core::vector3df(0, 0, -5), core::vector3df(10, 1, 5));
    s32 id = addObject(ledge, core::vector3df(-40, -2, 0), "1Ledge");
    ASSERT_NE(physics->createStaticMeshActor(ledge, core::vector3df(-40, -2, 0), core::vector3df(1), id), nullptr);
    NxController* player = physics->createCapsuleController(2, 1, 0);
    player->setPosition(NxExtendedVec3(-43, 0.02, 0));
    NxU32 flags;
    for (int i = 0; i < 60; ++i) {
        player->move(NxVec3(0.1f, 0, 0), 3, 0.01f, flags, 1);
        player->move(NxVec3(0, -0.5f, 0), 3, 0.01f, flags, 1);
    }
    EXPECT_NEAR(player->getPosition().x, -37, 0.05);
    EXPECT_NEAR(player->getPosition().y, 1.02, 1e-3);
}

TEST_F(CallbackTest, WalkingIntoACratePushesItAtOnePointTwo) {
    NxActor* crate = dynamicBox(core::vector3df(-20, -1, 0), 1);  // 2 high: too high to step on
    NxActor* held = dynamicBox(core::vector3df(-20, -1, 10), 1);
    held->raiseBodyFlag(NX_BF_KINEMATIC);
    run(10);
    NxController* player = physics->createCapsuleController(2, 1, 0);
    player->setPosition(NxExtendedVec3(-22.3, 0.02, 0));
    NxU32 flags;
    player->move(NxVec3(0.5f, 0, 0), 3, 0.01f, flags, 1);
    EXPECT_NEAR(crate->getLinearVelocity().x, 1.2f, 1e-3f);  // an impulse of mass x 1.2
    EXPECT_NEAR(crate->getLinearVelocity().z, 0, 1e-3f);
    player->move(NxVec3(0.5f, 0, 0), 3, 0.01f, flags, 1);
    EXPECT_NEAR(crate->getLinearVelocity().x, 2.4f, 1e-3f);  // each touching move pushes again

    crate->setLinearVelocity(NxVec3());
    player->move(NxVec3(0, -0.5f, 0), 3, 0.01f, flags, 1);  // vertical: pushes nothing
    EXPECT_EQ(crate->getLinearVelocity(), NxVec3());
    player->move(NxVec3(0.5f, -0.001f, 0), 3, 0.01f, flags, 1);  // the least slope: nothing
    player->move(NxVec3(0.5f, 0.001f, 0), 3, 0.01f, flags, 1);
    EXPECT_TRUE(flags & NXCC_COLLISION_SIDES);
    EXPECT_EQ(crate->getLinearVelocity(), NxVec3());

    player->setPosition(NxExtendedVec3(-22.3, 0.02, 10));
    player->move(NxVec3(0.5f, 0, 0), 3, 0.01f, flags, 1);
    EXPECT_TRUE(flags & NXCC_COLLISION_SIDES);
    EXPECT_EQ(held->getLinearVelocity(), NxVec3());
}

TEST_F(CallbackTest, ObstacleForANodeAtTenSpansFiveToEleven) {
    NxController* obstacle = physics->createCapsuleController(4, 1, -1);
    obstacle->setPosition(NxExtendedVec3(-60, 10 - 2.0, 0));
    EXPECT_EQ(obstacle->getActor()->userData, reinterpret_cast<void*>(std::intptr_t(-1)));
    NxActor* crate = dynamicBox(core::vector3df(-60, 14, 0), 0.5f);
    run(90);
    EXPECT_NEAR(crate->getGlobalPosition().y, 11.5f, 0.05f);  // resting on its top

    // A small capsule (1.0 tall) rising beneath it stops at y = 5, less the skin.
    NxController* probe = physics->createCapsuleController(0.2f, 0.4f, 0);
    probe->setPosition(NxExtendedVec3(-60, 3, 0));
    NxU32 flags;
    probe->move(NxVec3(0, 3, 0), 3, 0.01f, flags, 1);
    EXPECT_EQ(flags, NxU32(NXCC_COLLISION_UP));
    EXPECT_NEAR(probe->getPosition().y + 0.5, 5 - 0.02, 1e-3);
}
