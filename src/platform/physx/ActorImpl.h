#pragma once
// An actor over one Bullet rigid body. The body's frame is the shape's centre of mass and
// principal axes; the actor's pose is kept apart from it by a fixed offset.

#include <BulletDynamics/Dynamics/btRigidBody.h>

#include <memory>

#include "NxActor.h"
#include "NxActorDesc.h"
#include "NxMaterial.h"
#include "ShapeBuilder.h"
#include "ShapeImpl.h"

namespace vphysx {

class NxController;
class SceneImpl;

class ActorImpl : public NxActor {
public:
    ActorImpl(SceneImpl& scene, const NxActorDesc& desc, BuiltShape built);
    ~ActorImpl() override;

    NxScene& getScene() const override;
    NxU32 getNbShapes() const override { return 1; }
    NxShape* const* getShapes() const override { return shapes; }

    NxVec3 getGlobalPosition() const override;
    void setGlobalPosition(const NxVec3& position) override;
    NxQuat getGlobalOrientationQuat() const override;
    void setGlobalOrientationQuat(const NxQuat& orientation) override;
    NxMat33 getGlobalOrientation() const override;
    void setGlobalOrientation(const NxMat33& orientation) override;
    void moveGlobalPosition(const NxVec3& position) override;
    void moveGlobalOrientation(const NxMat33& orientation) override;

    void raiseBodyFlag(NxBodyFlag flag) override;
    void clearBodyFlag(NxBodyFlag flag) override;
    bool readBodyFlag(NxBodyFlag flag) const override { return (bodyFlags & flag) != 0; }
    void raiseActorFlag(NxActorFlag flag) override;
    void clearActorFlag(NxActorFlag flag) override;
    bool readActorFlag(NxActorFlag flag) const override { return (actorFlags & flag) != 0; }

    bool isDynamic() const override { return hasBody; }
    NxReal getMass() const override { return hasBody ? NxReal(mass) : 0; }
    void wakeUp(NxReal wakeCounterValue) override;
    bool isSleeping() const override;

    void setLinearVelocity(const NxVec3& velocity) override;
    NxVec3 getLinearVelocity() const override;
    void setAngularVelocity(const NxVec3& velocity) override;
    NxVec3 getAngularVelocity() const override;
    void addForceAtPos(const NxVec3& force, const NxVec3& position, NxForceMode mode, bool wakeup) override;

    void setContactReportThreshold(NxReal threshold) override { reportThreshold = threshold; }
    NxReal getContactReportThreshold() const override { return reportThreshold; }
    void setContactReportFlags(NxU32 flags) override { reportFlags = flags; }
    NxU32 getContactReportFlags() const override { return reportFlags; }

    btRigidBody& body() const { return *rigid; }
    ShapeImpl& shape() const { return *shapeImpl; }
    bool isTrigger() const { return shapeImpl->isTrigger(); }
    bool isKinematic() const { return (bodyFlags & NX_BF_KINEMATIC) != 0; }
    NxController* controller() const { return owningController; }
    void setController(NxController* controller) { owningController = controller; }

    // Kinematic targets over one simulate call: begin takes the pending targets, step places
    // the body at the given fraction of the way, finish forgets them.
    bool beginTargetMotion();
    void stepTargetMotion(btScalar fraction);
    void finishTargetMotion() { targetPosition = targetRotation = false; }

    // The body's own friction is the dynamic one; restingFriction is what holds a contact
    // that is not sliding (see ContactFriction.h).
    void applyMaterial(const NxMaterial& material);
    btScalar restingFriction() const { return holdingFriction; }
    void applyGravity(const btVector3& gravity);

    // Moves the actor at once, with no velocity from the jump.
    void teleport(const btTransform& actorPose);
    btTransform pose() const { return rigid->getWorldTransform() * actorInBody; }

private:
    bool needsBody(const char* call) const;
    bool finiteOrWarn(bool finite, const char* call) const;
    void rejoinWorld();

    SceneImpl& owner;
    std::unique_ptr<ShapeImpl> shapeImpl;
    NxShape* shapes[1];
    btTransform bodyInActor, actorInBody;
    std::unique_ptr<btRigidBody> rigid;
    bool hasBody;
    btScalar mass = 0;
    btScalar holdingFriction = 0;
    btVector3 inertia{0, 0, 0};
    NxU32 bodyFlags = 0, actorFlags = 0, reportFlags = 0;
    NxReal reportThreshold = 0;
    NxController* owningController = nullptr;
    mutable bool warnedNonFinite = false;  // a bad value every frame is reported once

    bool targetPosition = false, targetRotation = false;
    btVector3 targetOrigin;
    btQuaternion targetQuat;
    btTransform motionFrom, motionTo;
};

}  // namespace vphysx
