#pragma once
// Scene descriptor.

#include "NxFlags.h"
#include "NxVec3.h"

namespace vphysx {

class NxUserContactReport;
class NxUserTriggerReport;

class NxSceneDesc {
public:
    NxVec3 gravity;
    NxUserContactReport* userContactReport = nullptr;
    NxUserTriggerReport* userTriggerReport = nullptr;
    NxReal maxTimestep = 1.0f / 60.0f;  // length of one sub-step, in seconds
    NxU32 maxIter = 8;                  // most sub-steps one simulate call runs
    NxTimeStepMethod timeStepMethod = NX_TIMESTEP_FIXED;

    bool isValid() const { return gravity.isFinite() && maxTimestep > 0 && maxIter > 0; }
};

}  // namespace vphysx
