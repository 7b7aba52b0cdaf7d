#pragma once
// A capsule character controller: a kinematic capsule actor that bodies collide with, moved by
// sweeps of the same capsule (CapsuleMotion).

#include <BulletCollision/CollisionShapes/btCapsuleShape.h>

#include "CapsuleMotion.h"
#include "NxController.h"

namespace vphysx {

class ActorImpl;
class SceneImpl;

class CapsuleControllerImpl : public NxCapsuleController {
public:
    CapsuleControllerImpl(SceneImpl& scene, const NxCapsuleControllerDesc& desc);
    ~CapsuleControllerImpl() override;

    void move(const NxVec3& displacement, NxU32 activeGroups, NxF32 minDistance, NxU32& collisionFlags,
              NxF32 sharpness) override;
    bool setPosition(const NxExtendedVec3& position) override;
    const NxExtendedVec3& getPosition() const override { return position; }
    NxActor* getActor() const override;
    void* getUserData() const override { return userData; }
    NxControllerType getType() const override { return NX_CONTROLLER_CAPSULE; }
    NxReal getRadius() const override { return NxReal(settings.radius); }
    NxReal getHeight() const override { return NxReal(settings.height); }

    bool letsOthersPass() const { return interaction == NXIF_INTERACTION_EXCLUDE; }

private:
    void report(const MotionResult& result) const;
    void placeActor();

    SceneImpl& scene;
    ActorImpl* actor;
    btCapsuleShape sweepShape;
    CapsuleSettings settings;
    NxExtendedVec3 position;
    NxUserControllerHitReport* callback;
    NxInteractionFlag interaction;
    void* userData;
};

}  // namespace vphysx
