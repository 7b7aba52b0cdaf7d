#pragma once
// Capsule character controllers: moved by displacements, they slide along walls, climb steps
// up to stepOffset, refuse ground steeper than slopeLimit, stay skinWidth away from what they
// touch and report every shape and controller they touch before move returns.

#include "NxExtendedVec3.h"
#include "NxVec3.h"

namespace vphysx {

class NxActor;
class NxController;
class NxShape;

enum NxControllerFlag {
    NXCC_COLLISION_SIDES = 1 << 0,
    NXCC_COLLISION_UP = 1 << 1,
    NXCC_COLLISION_DOWN = 1 << 2,
};

enum NxControllerAction {
    NX_ACTION_NONE,
};

enum NxHeightFieldAxis {
    NX_X,
    NX_Y,
    NX_Z,
};

enum NxCapsuleClimbingMode {
    CLIMB_EASY,
    CLIMB_CONSTRAINED,  // never climbs higher than stepOffset
};

enum NxInteractionFlag {
    NXIF_INTERACTION_INCLUDE,  // other controllers collide with this one
    NXIF_INTERACTION_EXCLUDE,  // other controllers pass through it
};

enum NxControllerType {
    NX_CONTROLLER_CAPSULE,
};

struct NxControllerShapeHit {
    NxController* controller;
    NxShape* shape;
    NxExtendedVec3 worldPos;  // contact point
    NxVec3 worldNormal;       // surface normal at the contact, towards the controller
    NxVec3 dir;               // unit direction of the motion that touched
    NxF32 length;             // distance moved before the touch
};

struct NxControllersHit {
    NxController* controller;
    NxController* other;
};

class NxUserControllerHitReport {
public:
    virtual NxControllerAction onShapeHit(const NxControllerShapeHit& hit) = 0;
    virtual NxControllerAction onControllerHit(const NxControllersHit& hit) = 0;
    virtual ~NxUserControllerHitReport() {}
};

class NxControllerDesc {
public:
    NxExtendedVec3 position;  // centre of the capsule
    NxHeightFieldAxis upDirection = NX_Y;
    NxReal slopeLimit = 0.707f;  // cosine of the steepest walkable slope
    NxReal skinWidth = 0.1f;
    NxReal stepOffset = 0.5f;
    NxUserControllerHitReport* callback = nullptr;
    NxInteractionFlag interactionFlag = NXIF_INTERACTION_INCLUDE;
    void* userData = nullptr;

    virtual ~NxControllerDesc() {}
    NxControllerType getType() const { return type; }
    virtual bool isValid() const
    {
        return position.isFinite() && upDirection == NX_Y && slopeLimit >= 0 && slopeLimit <= 1 &&
               skinWidth >= 0 && stepOffset >= 0;
    }

protected:
    explicit NxControllerDesc(NxControllerType controllerType) : type(controllerType) {}

private:
    NxControllerType type;
};

class NxCapsuleControllerDesc : public NxControllerDesc {
public:
    NxReal radius = 0;
    NxReal height = 0;  // between the centres of the end spheres
    NxCapsuleClimbingMode climbingMode = CLIMB_CONSTRAINED;

    NxCapsuleControllerDesc() : NxControllerDesc(NX_CONTROLLER_CAPSULE) {}
    bool isValid() const override
    {
        return NxControllerDesc::isValid() && radius > 0 && height > 0 && climbingMode == CLIMB_CONSTRAINED;
    }
};

class NxController {
public:
    // activeGroups: bit g lets shapes of collision group g block the move; other controllers
    // block it unless they let others pass. collisionFlags
    // receives NxControllerFlag bits. sharpness is accepted for the call shape: the
    // controller does not smooth its height.
    virtual void move(const NxVec3& displacement, NxU32 activeGroups, NxF32 minDistance, NxU32& collisionFlags,
                      NxF32 sharpness = 1.0f) = 0;
    virtual bool setPosition(const NxExtendedVec3& position) = 0;  // false for a non-finite position
    virtual const NxExtendedVec3& getPosition() const = 0;
    virtual NxActor* getActor() const = 0;  // the kinematic capsule that bodies collide with
    virtual void* getUserData() const = 0;
    virtual NxControllerType getType() const = 0;

protected:
    virtual ~NxController() {}
};

class NxCapsuleController : public NxController {
public:
    virtual NxReal getRadius() const = 0;
    virtual NxReal getHeight() const = 0;
};

}  // namespace vphysx
