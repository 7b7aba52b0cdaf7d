#include "ActorImpl.h"

#include <BulletDynamics/Dynamics/btDiscreteDynamicsWorld.h>

#include <algorithm>
#include <string>

#include "CollisionFilter.h"
#include "Convert.h"
#include "SceneImpl.h"
#include "SdkImpl.h"

namespace vphysx {

namespace {

// Pose changes below these are rounding from a pose read back and written again (Euler
// angles in degrees, float node positions); applying them would keep resting bodies awake.
const btScalar POSITION_TOLERANCE = btScalar(1e-5);
const btScalar ROTATION_TOLERANCE = btScalar(1.25e-7);  // 1 - |cos(half angle)| for 1e-3 rad

bool samePosition(const btVector3& a, const btVector3& b)
{
    return (a - b).length() <= POSITION_TOLERANCE * (1 + b.length());
}

bool sameRotation(const btQuaternion& a, const btQuaternion& b)
{
    return 1 - btFabs(a.dot(b)) <= ROTATION_TOLERANCE;
}

}  // namespace

ActorImpl::ActorImpl(SceneImpl& scene, const NxActorDesc& desc, BuiltShape built)
    : owner(scene), bodyInActor(built.bodyInActor), actorInBody(built.bodyInActor.inverse()),
      hasBody(desc.body != nullptr)
{
    const NxShapeDesc& shapeDesc = *desc.shapes[0];
    if (hasBody) {
        mass = desc.body->mass > 0 ? btScalar(desc.body->mass) : btScalar(desc.density) * built.volume;
        if (built.volume > 0) inertia = built.unitInertia * (mass / built.volume);
        bodyFlags = desc.body->flags & (NX_BF_KINEMATIC | NX_BF_DISABLE_GRAVITY);
    }
    bool moving = hasBody && !isKinematic();
    btRigidBody::btRigidBodyConstructionInfo info(moving ? mass : 0, nullptr, built.shape,
                                                  moving ? inertia : btVector3(0, 0, 0));
    info.m_startWorldTransform = toBullet(desc.globalPose) * bodyInActor;
    if (hasBody) {
        info.m_linearDamping = desc.body->linearDamping;
        info.m_angularDamping = desc.body->angularDamping;
    }
    rigid = std::make_unique<btRigidBody>(info);
    rigid->setUserPointer(this);
    shapeImpl = std::make_unique<ShapeImpl>(*this, shapeDesc.getType(), shapeDesc.group, shapeDesc.shapeFlags,
                                            std::move(built.owned), built.shape);
    shapes[0] = shapeImpl.get();
    userData = desc.userData;

    int flags = rigid->getCollisionFlags();
    if (isTrigger()) flags |= btCollisionObject::CF_NO_CONTACT_RESPONSE;
    if (isKinematic()) flags |= btCollisionObject::CF_KINEMATIC_OBJECT;
    // Every contact passes the SDK's contact callback: mesh edges and static friction.
    flags |= btCollisionObject::CF_CUSTOM_MATERIAL_CALLBACK;
    rigid->setCollisionFlags(flags);
    if (moving) {
        rigid->setLinearVelocity(toBullet(desc.body->linearVelocity));
        rigid->setAngularVelocity(toBullet(desc.body->angularVelocity));
        // Fast small bodies would pass through thin walls between two sub-steps.
        btVector3 low, high;
        built.shape->getAabb(btTransform::getIdentity(), low, high);
        btScalar size = (high - low)[(high - low).minAxis()] / 2;
        rigid->setCcdMotionThreshold(size);
        rigid->setCcdSweptSphereRadius(size * btScalar(0.8));
    }
    applyMaterial(*scene.getMaterialFromIndex(0));

    FilterPair filter = collisionFilter(false, isTrigger(), hasBody, isKinematic());
    scene.world().addRigidBody(rigid.get(), filter.group, filter.mask);
    applyGravity(scene.gravity());
    if (isKinematic()) rigid->forceActivationState(DISABLE_DEACTIVATION);
}

ActorImpl::~ActorImpl()
{
    owner.world().removeRigidBody(rigid.get());
}

NxScene& ActorImpl::getScene() const
{
    return owner;
}

bool ActorImpl::needsBody(const char* call) const
{
    if (hasBody) return true;
    owner.sdk().warn(std::string(call) + " on a static actor; it is ignored");
    return false;
}

bool ActorImpl::finiteOrWarn(bool finite, const char* call) const
{
    if (finite) return true;
    if (!warnedNonFinite) owner.sdk().warn(std::string(call) + " given a non-finite value; the actor keeps its state");
    warnedNonFinite = true;
    return false;
}

NxVec3 ActorImpl::getGlobalPosition() const
{
    return toNx(pose().getOrigin());
}

void ActorImpl::setGlobalPosition(const NxVec3& position)
{
    if (!finiteOrWarn(position.isFinite(), "setGlobalPosition")) return;
    btTransform actor = pose();
    if (samePosition(actor.getOrigin(), toBullet(position))) return;
    actor.setOrigin(toBullet(position));
    teleport(actor);
}

NxQuat ActorImpl::getGlobalOrientationQuat() const
{
    return toNx(pose().getRotation());
}

void ActorImpl::setGlobalOrientationQuat(const NxQuat& orientation)
{
    if (!finiteOrWarn(orientation.isFinite() && orientation.magnitude() > 0, "setGlobalOrientationQuat")) return;
    btTransform actor = pose();
    btQuaternion rotation = toBullet(orientation);
    if (sameRotation(actor.getRotation(), rotation)) return;
    actor.setRotation(rotation);
    teleport(actor);
}

NxMat33 ActorImpl::getGlobalOrientation() const
{
    return toNx(pose().getBasis());
}

void ActorImpl::setGlobalOrientation(const NxMat33& orientation)
{
    if (!finiteOrWarn(orientation.isFinite(), "setGlobalOrientation")) return;
    NxQuat q;
    orientation.toQuat(q);
    setGlobalOrientationQuat(q);
}

void ActorImpl::moveGlobalPosition(const NxVec3& position)
{
    if (!finiteOrWarn(position.isFinite(), "moveGlobalPosition")) return;
    if (!isKinematic()) {
        owner.sdk().warn("moveGlobalPosition on an actor that is not kinematic; it is ignored");
        return;
    }
    targetOrigin = toBullet(position);
    targetPosition = true;
    owner.noteTarget(*this);
}

void ActorImpl::moveGlobalOrientation(const NxMat33& orientation)
{
    if (!finiteOrWarn(orientation.isFinite(), "moveGlobalOrientation")) return;
    if (!isKinematic()) {
        owner.sdk().warn("moveGlobalOrientation on an actor that is not kinematic; it is ignored");
        return;
    }
    NxQuat q;
    orientation.toQuat(q);
    targetQuat = toBullet(q);
    targetRotation = true;
    owner.noteTarget(*this);
}

bool ActorImpl::beginTargetMotion()
{
    if (!isKinematic() || !(targetPosition || targetRotation)) return false;
    motionFrom = motionTo = pose();
    if (targetPosition) motionTo.setOrigin(targetOrigin);
    if (targetRotation) motionTo.setRotation(targetQuat);
    return true;
}

void ActorImpl::stepTargetMotion(btScalar fraction)
{
    btTransform actor(motionFrom.getRotation().slerp(motionTo.getRotation(), fraction),
                      motionFrom.getOrigin().lerp(motionTo.getOrigin(), fraction));
    // Only the current transform: Bullet takes the kinematic velocity from the move.
    rigid->setWorldTransform(actor * bodyInActor);
}

void ActorImpl::teleport(const btTransform& actorPose)
{
    btTransform bodyPose = actorPose * bodyInActor;
    rigid->setWorldTransform(bodyPose);
    rigid->setInterpolationWorldTransform(bodyPose);
    owner.world().updateSingleAabb(rigid.get());
    if (hasBody && !isKinematic()) rigid->activate(true);
}

void ActorImpl::rejoinWorld()
{
    owner.world().removeRigidBody(rigid.get());
    FilterPair filter = collisionFilter(readActorFlag(NX_AF_DISABLE_COLLISION), isTrigger(), hasBody, isKinematic());
    owner.world().addRigidBody(rigid.get(), filter.group, filter.mask);
    applyGravity(owner.gravity());
    if (isKinematic())
        rigid->forceActivationState(DISABLE_DEACTIVATION);
    else if (hasBody) {
        rigid->forceActivationState(ACTIVE_TAG);
        rigid->activate(true);
    }
}

void ActorImpl::raiseBodyFlag(NxBodyFlag flag)
{
    if (!needsBody("raiseBodyFlag") || readBodyFlag(flag)) return;
    bodyFlags |= flag;
    if (flag == NX_BF_KINEMATIC) {
        rigid->setMassProps(0, btVector3(0, 0, 0));
        rigid->setCollisionFlags(rigid->getCollisionFlags() | btCollisionObject::CF_KINEMATIC_OBJECT);
        rigid->setInterpolationWorldTransform(rigid->getWorldTransform());
        rejoinWorld();
    } else {
        applyGravity(owner.gravity());
    }
}

void ActorImpl::clearBodyFlag(NxBodyFlag flag)
{
    if (!needsBody("clearBodyFlag") || !readBodyFlag(flag)) return;
    bodyFlags &= ~NxU32(flag);
    if (flag == NX_BF_KINEMATIC) {
        // The body keeps the velocity of its last kinematic move, so a released body flies on.
        rigid->setCollisionFlags(rigid->getCollisionFlags() & ~btCollisionObject::CF_KINEMATIC_OBJECT);
        rigid->setMassProps(mass, inertia);
        rigid->updateInertiaTensor();
        finishTargetMotion();
        rejoinWorld();
    } else {
        applyGravity(owner.gravity());
    }
}

void ActorImpl::raiseActorFlag(NxActorFlag flag)
{
    if (readActorFlag(flag)) return;
    actorFlags |= flag;
    rejoinWorld();
}

void ActorImpl::clearActorFlag(NxActorFlag flag)
{
    if (!readActorFlag(flag)) return;
    actorFlags &= ~NxU32(flag);
    rejoinWorld();
}

void ActorImpl::applyGravity(const btVector3& gravity)
{
    if (!hasBody) return;
    bool off = readBodyFlag(NX_BF_DISABLE_GRAVITY);
    int flags = rigid->getFlags();
    rigid->setFlags(off ? flags | BT_DISABLE_WORLD_GRAVITY : flags & ~BT_DISABLE_WORLD_GRAVITY);
    rigid->setGravity(off ? btVector3(0, 0, 0) : gravity);
}

void ActorImpl::applyMaterial(const NxMaterial& material)
{
    rigid->setFriction(material.getDynamicFriction());
    rigid->setRestitution(material.getRestitution());
    // A static coefficient below the dynamic one would let a stopped body slip again.
    holdingFriction = std::max(material.getStaticFriction(), material.getDynamicFriction());
}

void ActorImpl::wakeUp(NxReal wakeCounterValue)
{
    if (!hasBody || isKinematic()) return;
    rigid->activate(true);
    // Bullet puts a body to sleep after gDeactivationTime of rest; start the count lower.
    rigid->setDeactivationTime(gDeactivationTime - wakeCounterValue);
}

bool ActorImpl::isSleeping() const
{
    return hasBody && !isKinematic() && rigid->getActivationState() == ISLAND_SLEEPING;
}

void ActorImpl::setLinearVelocity(const NxVec3& velocity)
{
    if (!needsBody("setLinearVelocity") || !finiteOrWarn(velocity.isFinite(), "setLinearVelocity")) return;
    rigid->setLinearVelocity(toBullet(velocity));
    if (velocity.magnitudeSquared() > 0) rigid->activate(true);
}

NxVec3 ActorImpl::getLinearVelocity() const
{
    return toNx(rigid->getLinearVelocity());
}

void ActorImpl::setAngularVelocity(const NxVec3& velocity)
{
    if (!needsBody("setAngularVelocity") || !finiteOrWarn(velocity.isFinite(), "setAngularVelocity")) return;
    rigid->setAngularVelocity(toBullet(velocity));
    if (velocity.magnitudeSquared() > 0) rigid->activate(true);
}

NxVec3 ActorImpl::getAngularVelocity() const
{
    return toNx(rigid->getAngularVelocity());
}

void ActorImpl::addForceAtPos(const NxVec3& force, const NxVec3& position, NxForceMode mode, bool wakeup)
{
    if (!needsBody("addForceAtPos") || isKinematic()) return;
    if (!finiteOrWarn(force.isFinite() && position.isFinite(), "addForceAtPos")) return;
    btVector3 arm = toBullet(position) - rigid->getCenterOfMassPosition();
    if (mode == NX_IMPULSE)
        rigid->applyImpulse(toBullet(force), arm);
    else
        rigid->applyForce(toBullet(force), arm);
    if (wakeup) rigid->activate(true);
}

}  // namespace vphysx
