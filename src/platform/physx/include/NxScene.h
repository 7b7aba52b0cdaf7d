#pragma once
// A simulated world. simulate advances it in fixed sub-steps; fetchResults then delivers the
// contact and trigger reports of those sub-steps on the calling thread.

#include "NxActorDesc.h"
#include "NxFlags.h"
#include "NxRaycast.h"

namespace vphysx {

class NxActor;
class NxDebugRenderable;
class NxMaterial;
class NxPhysicsSDK;
class NxUserContactReport;
class NxUserTriggerReport;

class NxScene {
public:
    virtual NxPhysicsSDK& getPhysicsSDK() = 0;

    virtual NxActor* createActor(const NxActorDesc& desc) = 0;  // none when desc is not valid
    virtual void releaseActor(NxActor& actor) = 0;
    virtual NxU32 getNbActors() const = 0;
    virtual NxActor** getActors() = 0;  // in creation order

    virtual void setGravity(const NxVec3& gravity) = 0;
    virtual void getGravity(NxVec3& gravity) const = 0;
    virtual NxMaterial* getMaterialFromIndex(NxMaterialIndex index) = 0;  // only index 0 exists

    virtual void setUserContactReport(NxUserContactReport* report) = 0;
    virtual NxUserContactReport* getUserContactReport() const = 0;
    virtual void setUserTriggerReport(NxUserTriggerReport* report) = 0;
    virtual NxUserTriggerReport* getUserTriggerReport() const = 0;
    virtual const NxDebugRenderable* getDebugRenderable() const = 0;  // the same object for the scene's life

    // elapsedTime in seconds; the whole sub-steps it completes run now, at most maxIter of them,
    // and the part of a sub-step left over waits for the next call.
    virtual void simulate(NxReal elapsedTime) = 0;
    virtual bool flushStream() = 0;
    // Delivers the reports and returns true; false when no simulate call preceded it.
    virtual bool fetchResults(NxSimulationStatus status, bool block = false, NxU32* errorState = nullptr) = 0;
    // numSubSteps: how many sub-steps the last simulate call ran.
    virtual void getTiming(NxReal& maxTimestep, NxU32& maxIter, NxU32* numSubSteps = nullptr) const = 0;

    // Reports each surface of the chosen actors within maxDist of the ray's origin until the
    // report says stop; returns how many it reported. Triggers and actors whose collision is
    // off are never met.
    virtual NxU32 raycastAllShapes(const NxRay& worldRay, NxUserRaycastReport& report,
                                   NxShapesType shapeType, NxReal maxDist = NX_MAX_F32) const = 0;

protected:
    virtual ~NxScene() {}
};

}  // namespace vphysx
