#pragma once
// Finds, after every sub-step, the pairs that started touching and the trigger overlaps that
// began, went on or ended, and keeps their reports until fetchResults delivers them.
// A pair touches while one of its contact points overlaps or carries an impulse.

#include <BulletCollision/BroadphaseCollision/btDispatcher.h>

#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "NxUserContactReport.h"

class btCollisionObject;

namespace vphysx {

class ContactTracker {
public:
    void collect(btDispatcher& dispatcher, btScalar subStepLength);
    void deliver(NxUserContactReport* contactReport, NxUserTriggerReport* triggerReport);
    void forget(const btCollisionObject* object);  // before the object's actor goes

private:
    typedef std::pair<const btCollisionObject*, const btCollisionObject*> Key;
    struct PendingContact {
        NxContactPair pair;
        std::vector<NxContactShapePair> stream;
    };
    struct PendingTrigger {
        NxShape* trigger;
        NxShape* other;
        NxTriggerFlag status;
        Key key;
    };

    void queueContact(const btPersistentManifold& manifold, btScalar subStepLength);
    void queueTrigger(const Key& key, NxTriggerFlag status);

    std::set<Key> touching;     // reporting pairs that touched after the last sub-step
    std::set<Key> overlapping;  // trigger pairs likewise
    std::vector<std::unique_ptr<PendingContact>> contacts;
    std::vector<PendingTrigger> triggers;
};

}  // namespace vphysx
