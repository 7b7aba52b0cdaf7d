#pragma once
// Callbacks the game implements for contact and trigger reports. Both are called on the
// thread that calls NxScene::fetchResults, while it delivers the step's reports.

#include "NxContactStream.h"
#include "NxFlags.h"

namespace vphysx {

class NxActor;

struct NxContactPair {
    NxActor* actors[2];
    NxConstContactStream stream;
    NxVec3 sumNormalForce;    // over the pair's points, in force units (impulse / sub-step)
    NxVec3 sumFrictionForce;  // zero unless either actor asks for NX_NOTIFY_FORCES
};

class NxUserContactReport {
public:
    virtual void onContactNotify(NxContactPair& pair, NxU32 events) = 0;
    virtual ~NxUserContactReport() {}
};

class NxUserTriggerReport {
public:
    virtual void onTrigger(NxShape& triggerShape, NxShape& otherShape, NxTriggerFlag status) = 0;
    virtual ~NxUserTriggerReport() {}
};

}  // namespace vphysx
