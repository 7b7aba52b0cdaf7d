#pragma once
// A rigid actor: static (no body), dynamic, or kinematic (a body moved only by targets).
// Poses are the actor's frame, not its centre of mass.

#include "NxFlags.h"
#include "NxMat33.h"

namespace vphysx {

class NxScene;
class NxShape;

class NxActor {
public:
    void* userData = nullptr;

    virtual NxScene& getScene() const = 0;
    virtual NxU32 getNbShapes() const = 0;
    virtual NxShape* const* getShapes() const = 0;

    // Setting a pose moves the actor at once; a change too small to matter is ignored, so a
    // pose read back and written again keeps a resting actor asleep.
    virtual NxVec3 getGlobalPosition() const = 0;
    virtual void setGlobalPosition(const NxVec3& position) = 0;
    virtual NxQuat getGlobalOrientationQuat() const = 0;
    virtual void setGlobalOrientationQuat(const NxQuat& orientation) = 0;
    virtual NxMat33 getGlobalOrientation() const = 0;
    virtual void setGlobalOrientation(const NxMat33& orientation) = 0;

    // Kinematic targets, reached during the next simulation step (kinematic actors only).
    virtual void moveGlobalPosition(const NxVec3& position) = 0;
    virtual void moveGlobalOrientation(const NxMat33& orientation) = 0;

    virtual void raiseBodyFlag(NxBodyFlag flag) = 0;
    virtual void clearBodyFlag(NxBodyFlag flag) = 0;
    virtual bool readBodyFlag(NxBodyFlag flag) const = 0;
    virtual void raiseActorFlag(NxActorFlag flag) = 0;
    virtual void clearActorFlag(NxActorFlag flag) = 0;
    virtual bool readActorFlag(NxActorFlag flag) const = 0;

    virtual bool isDynamic() const = 0;  // has a body, kinematic or not
    virtual NxReal getMass() const = 0;  // 0 for static actors
    virtual void wakeUp(NxReal wakeCounterValue = NX_SLEEP_INTERVAL) = 0;  // seconds
    virtual bool isSleeping() const = 0;

    virtual void setLinearVelocity(const NxVec3& velocity) = 0;
    virtual NxVec3 getLinearVelocity() const = 0;
    virtual void setAngularVelocity(const NxVec3& velocity) = 0;  // radians per second
    virtual NxVec3 getAngularVelocity() const = 0;
    virtual void addForceAtPos(const NxVec3& force, const NxVec3& position, NxForceMode mode = NX_FORCE,
                               bool wakeup = true) = 0;

    virtual void setContactReportThreshold(NxReal threshold) = 0;
    virtual NxReal getContactReportThreshold() const = 0;
    virtual void setContactReportFlags(NxU32 flags) = 0;  // NxContactPairFlag bits
    virtual NxU32 getContactReportFlags() const = 0;

protected:
    virtual ~NxActor() {}
};

}  // namespace vphysx
