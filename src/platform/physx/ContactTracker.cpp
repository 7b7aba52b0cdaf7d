#include "ContactTracker.h"

#include <BulletCollision/NarrowPhaseCollision/btPersistentManifold.h>

#include <algorithm>

#include "ActorImpl.h"
#include "Convert.h"

namespace vphysx {

namespace {

ActorImpl& actorOf(const btCollisionObject* object)
{
    return *static_cast<ActorImpl*>(object->getUserPointer());
}

bool touches(const btPersistentManifold& manifold)
{
    for (int i = 0; i < manifold.getNumContacts(); ++i) {
        const btManifoldPoint& point = manifold.getContactPoint(i);
        if (point.getDistance() <= 0 || point.getAppliedImpulse() > 0) return true;
    }
    return false;
}

// Points whose normals agree within about 2.5 degrees share a patch.
const btScalar SAME_NORMAL = btScalar(0.999);

}  // namespace

void ContactTracker::collect(btDispatcher& dispatcher, btScalar subStepLength)
{
    std::set<Key> nowTouching, nowOverlapping;
    for (int i = 0; i < dispatcher.getNumManifolds(); ++i) {
        const btPersistentManifold& manifold = *dispatcher.getManifoldByIndexInternal(i);
        if (!touches(manifold)) continue;
        ActorImpl& a = actorOf(manifold.getBody0());
        ActorImpl& b = actorOf(manifold.getBody1());
        Key key(std::min(manifold.getBody0(), manifold.getBody1()), std::max(manifold.getBody0(), manifold.getBody1()));
        if (a.isTrigger() != b.isTrigger()) {
            nowOverlapping.insert(key);
            queueTrigger(key, overlapping.count(key) ? NX_TRIGGER_ON_STAY : NX_TRIGGER_ON_ENTER);
        } else if (!a.isTrigger() && ((a.getContactReportFlags() | b.getContactReportFlags()) & NX_NOTIFY_ON_START_TOUCH)) {
            nowTouching.insert(key);
            if (!touching.count(key)) queueContact(manifold, subStepLength);
        }
    }
    for (const Key& key : overlapping)
        if (!nowOverlapping.count(key)) queueTrigger(key, NX_TRIGGER_ON_LEAVE);
    touching.swap(nowTouching);
    overlapping.swap(nowOverlapping);
}

void ContactTracker::queueContact(const btPersistentManifold& manifold, btScalar subStepLength)
{
    ActorImpl& a = actorOf(manifold.getBody0());
    ActorImpl& b = actorOf(manifold.getBody1());
    auto pending = std::make_unique<PendingContact>();
    NxContactShapePair shapes{{&a.shape(), &b.shape()}, {}};
    btVector3 normalImpulse(0, 0, 0), frictionImpulse(0, 0, 0);
    for (int i = 0; i < manifold.getNumContacts(); ++i) {
        const btManifoldPoint& point = manifold.getContactPoint(i);
        normalImpulse += point.m_normalWorldOnB * point.getAppliedImpulse();
        frictionImpulse += point.m_lateralFrictionDir1 * point.m_appliedImpulseLateral1 +
                           point.m_lateralFrictionDir2 * point.m_appliedImpulseLateral2;
        NxVec3 normal = toNx(point.m_normalWorldOnB);
        auto patch = std::find_if(shapes.patches.begin(), shapes.patches.end(),
                                  [&](const NxContactPatch& p) { return p.normal.dot(normal) >= SAME_NORMAL; });
        if (patch == shapes.patches.end()) patch = shapes.patches.insert(shapes.patches.end(), NxContactPatch{normal, {}});
        btVector3 where = (point.getPositionWorldOnA() + point.getPositionWorldOnB()) / 2;
        patch->points.push_back(NxContactPoint{toNx(where), NxReal(point.getDistance())});
    }
    pending->stream.push_back(shapes);
    pending->pair.actors[0] = &a;
    pending->pair.actors[1] = &b;
    pending->pair.stream = &pending->stream;
    if ((a.getContactReportFlags() | b.getContactReportFlags()) & NX_NOTIFY_FORCES) {
        pending->pair.sumNormalForce = toNx(normalImpulse / subStepLength);
        pending->pair.sumFrictionForce = toNx(frictionImpulse / subStepLength);
    }
    contacts.push_back(std::move(pending));
}

void ContactTracker::queueTrigger(const Key& key, NxTriggerFlag status)
{
    ActorImpl* a = &actorOf(key.first);
    ActorImpl* b = &actorOf(key.second);
    if (!a->isTrigger()) std::swap(a, b);
    if (a->shape().getFlag(status)) triggers.push_back(PendingTrigger{&a->shape(), &b->shape(), status, key});
}

void ContactTracker::deliver(NxUserContactReport* contactReport, NxUserTriggerReport* triggerReport)
{
    std::vector<std::unique_ptr<PendingContact>> pendingContacts;
    std::vector<PendingTrigger> pendingTriggers;
    pendingContacts.swap(contacts);
    pendingTriggers.swap(triggers);
    if (contactReport)
        for (auto& pending : pendingContacts) contactReport->onContactNotify(pending->pair, NX_NOTIFY_ON_START_TOUCH);
    if (triggerReport)
        for (PendingTrigger& pending : pendingTriggers)
            triggerReport->onTrigger(*pending.trigger, *pending.other, pending.status);
}

void ContactTracker::forget(const btCollisionObject* object)
{
    auto involves = [object](const Key& key) { return key.first == object || key.second == object; };
    for (std::set<Key>* pairs : {&touching, &overlapping})
        for (auto it = pairs->begin(); it != pairs->end();) it = involves(*it) ? pairs->erase(it) : std::next(it);
    contacts.erase(std::remove_if(contacts.begin(), contacts.end(),
                                  [&](const auto& c) {
                                      return &static_cast<ActorImpl*>(c->pair.actors[0])->body() == object ||
                                             &static_cast<ActorImpl*>(c->pair.actors[1])->body() == object;
                                  }),
                   contacts.end());
    triggers.erase(std::remove_if(triggers.begin(), triggers.end(),
                                  [&](const PendingTrigger& t) { return involves(t.key); }),
                   triggers.end());
}

}  // namespace vphysx
