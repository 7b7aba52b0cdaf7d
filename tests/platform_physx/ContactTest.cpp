// Contact and trigger reports on real Bullet.

#include <gtest/gtest.h>

#include "PhysxWorld.h"

using namespace vphysx_test;

namespace {

struct Contact {
    NxActor* actors[2];
    NxVec3 normalForce, frictionForce, firstPoint;
    NxU32 events;
    bool hasPoint;
};

class ContactLog : public NxUserContactReport {
public:
    void onContactNotify(NxContactPair& pair, NxU32 events) override
    {
        Contact c{{pair.actors[0], pair.actors[1]}, pair.sumNormalForce, pair.sumFrictionForce, NxVec3(), events, false};
        NxContactStreamIterator i(pair.stream);
        if (i.goNextPair() && i.goNextPatch() && i.goNextPoint()) {
            c.firstPoint = i.getPoint();
            c.hasPoint = true;
        }
        contacts.push_back(c);
    }
    int between(NxActor* a, NxActor* b) const
    {
        int n = 0;
        for (const Contact& c : contacts)
            n += (c.actors[0] == a && c.actors[1] == b) || (c.actors[0] == b && c.actors[1] == a);
        return n;
    }
    std::vector<Contact> contacts;
};

// A world that logs the contacts it reports.
struct ContactWorld : PhysxWorld {
    ContactWorld() { scene->setUserContactReport(&log); }
    ContactLog log;
};

struct TriggerEvent {
    NxActor* trigger;
    NxActor* other;
    NxTriggerFlag status;
};

class TriggerLog : public NxUserTriggerReport {
public:
    void onTrigger(NxShape& trigger, NxShape& other, NxTriggerFlag status) override
    {
        events.push_back(TriggerEvent{&trigger.getActor(), &other.getActor(), status});
    }
    std::vector<TriggerEvent> events;
};

}  // namespace

TEST(Contacts, OneReportPerNewPairAndNoneWhileResting)
{
    ContactWorld world;
    NxActor* box = world.dynamicBox(NxVec3(1, 3.5f, 2), NxVec3(0.5f, 0.5f, 0.5f));
    world.run(120);
    ASSERT_EQ(world.log.contacts.size(), 1u);
    const Contact& landing = world.log.contacts[0];
    EXPECT_EQ(world.log.between(box, world.ground), 1);
    EXPECT_EQ(landing.events, NxU32(NX_NOTIFY_ON_START_TOUCH));
    // Falling 3 units at g = 32 the box hits at about 13.9 units/s; it stops within a
    // sub-step or two, so the force is of the order of m v / dt = 41,600.
    EXPECT_GT(landing.normalForce.magnitude(), 15000);
    EXPECT_LT(landing.normalForce.magnitude(), 60000);
    ASSERT_TRUE(landing.hasPoint);
    EXPECT_NEAR(landing.firstPoint.y, 0, 0.15);  // the box may sink into the ground in that sub-step
    EXPECT_NEAR(landing.firstPoint.x, 1, 0.51);
    EXPECT_NEAR(landing.firstPoint.z, 2, 0.51);

    world.run(240);
    EXPECT_EQ(world.log.contacts.size(), 1u);
}

TEST(Contacts, StackedBoxesReportEachPairOnceAndSlidingMakesFriction)
{
    ContactWorld world;
    NxActor* lower = world.dynamicBox(NxVec3(0, 0.6f, 0), NxVec3(1, 0.5f, 1));
    NxActor* upper = world.dynamicBox(NxVec3(0, 4, 0), NxVec3(0.5f, 0.5f, 0.5f));
    NxActor* slider = world.dynamicBox(NxVec3(5, 0.6f, 0), NxVec3(0.5f, 0.5f, 0.5f));
    slider->setLinearVelocity(NxVec3(20, 0, 0));
    world.run(180);
    EXPECT_EQ(world.log.between(lower, world.ground), 1);
    EXPECT_EQ(world.log.between(upper, lower), 1);
    EXPECT_EQ(world.log.between(upper, world.ground), 0);
    ASSERT_EQ(world.log.between(slider, world.ground), 1);
    for (const Contact& c : world.log.contacts) {
        if (c.actors[0] == slider || c.actors[1] == slider) {
            EXPECT_GT(c.frictionForce.magnitude(), 0);
        }
    }
    EXPECT_EQ(world.log.contacts.size(), 3u);
}

TEST(Contacts, PairsWithoutReportFlagsAreSilent)
{
    ContactWorld world;
    NxActor* box = world.dynamicBox(NxVec3(0, 3, 0), NxVec3(0.5f, 0.5f, 0.5f));
    box->setContactReportFlags(NX_NOTIFY_ON_START_TOUCH);
    NxActor* quiet = world.dynamicBox(NxVec3(5, 3, 0), NxVec3(0.5f, 0.5f, 0.5f));
    quiet->setContactReportFlags(0);
    world.run(120);
    ASSERT_EQ(world.log.contacts.size(), 1u);
    EXPECT_EQ(world.log.between(box, world.ground), 1);
    EXPECT_EQ(world.log.contacts[0].normalForce, NxVec3());  // forces only when asked for
}

TEST(Contacts, ReportsWaitForFetchResultsAndGoWithTheirActor)
{
    ContactWorld world;
    world.dynamicBox(NxVec3(0, 0.6f, 0), NxVec3(0.5f, 0.5f, 0.5f));
    world.scene->simulate(0.1f);
    EXPECT_TRUE(world.log.contacts.empty());
    EXPECT_TRUE(world.scene->fetchResults(NX_RIGID_BODY_FINISHED, true));
    EXPECT_EQ(world.log.contacts.size(), 1u);
    EXPECT_FALSE(world.scene->fetchResults(NX_RIGID_BODY_FINISHED, true));

    NxActor* released = world.dynamicBox(NxVec3(5, 0.6f, 0), NxVec3(0.5f, 0.5f, 0.5f));
    world.scene->simulate(0.1f);
    world.scene->releaseActor(*released);
    world.scene->fetchResults(NX_RIGID_BODY_FINISHED, true);
    EXPECT_EQ(world.log.contacts.size(), 1u);
    EXPECT_EQ(world.scene->getNbActors(), 2u);
}

TEST(Triggers, ReportOverlapAndDoNotCollide)
{
    PhysxWorld world;
    TriggerLog log;
    world.scene->setUserTriggerReport(&log);
    NxActor* volume = world.staticBox(NxVec3(-2, 3, -2), NxVec3(2, 6, 2), NX_TRIGGER_ENABLE);
    NxActor* box = world.dynamicBox(NxVec3(0, 10, 0), NxVec3(0.5f, 0.5f, 0.5f));
    world.run(120);
    EXPECT_NEAR(box->getGlobalPosition().y, 0.5, 0.01);  // fell through the volume
    ASSERT_GE(log.events.size(), 3u);
    EXPECT_EQ(log.events.front().status, NX_TRIGGER_ON_ENTER);
    EXPECT_EQ(log.events.back().status, NX_TRIGGER_ON_LEAVE);
    for (const TriggerEvent& e : log.events) {
        EXPECT_EQ(e.trigger, volume);
        EXPECT_EQ(e.other, box);
    }
    for (size_t i = 1; i + 1 < log.events.size(); ++i) EXPECT_EQ(log.events[i].status, NX_TRIGGER_ON_STAY);
}

TEST(Triggers, ReportOnlyTheEventsTheShapeAsksFor)
{
    PhysxWorld world;
    TriggerLog log;
    world.scene->setUserTriggerReport(&log);
    world.staticBox(NxVec3(-2, 3, -2), NxVec3(2, 6, 2), NX_TRIGGER_ON_ENTER);
    world.dynamicBox(NxVec3(0, 10, 0), NxVec3(0.5f, 0.5f, 0.5f));
    world.run(120);
    ASSERT_EQ(log.events.size(), 1u);
    EXPECT_EQ(log.events[0].status, NX_TRIGGER_ON_ENTER);
}
