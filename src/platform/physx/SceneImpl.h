#pragma once
// A scene over one Bullet dynamics world, stepped in fixed sub-steps.

#include <BulletCollision/BroadphaseCollision/btDbvtBroadphase.h>
#include <BulletCollision/CollisionDispatch/btCollisionDispatcher.h>
#include <BulletCollision/CollisionDispatch/btDefaultCollisionConfiguration.h>
#include <BulletDynamics/ConstraintSolver/btSequentialImpulseConstraintSolver.h>
#include <BulletDynamics/Dynamics/btDiscreteDynamicsWorld.h>

#include <memory>
#include <vector>

#include "ContactTracker.h"
#include "DebugDrawer.h"
#include "MaterialImpl.h"
#include "NxDebugRenderable.h"
#include "NxScene.h"
#include "NxSceneDesc.h"
#include "StepClock.h"

namespace vphysx {

class ActorImpl;
class SdkImpl;

class SceneImpl : public NxScene {
public:
    SceneImpl(SdkImpl& sdk, const NxSceneDesc& desc);
    ~SceneImpl() override;

    NxPhysicsSDK& getPhysicsSDK() override;
    NxActor* createActor(const NxActorDesc& desc) override;
    void releaseActor(NxActor& actor) override;
    NxU32 getNbActors() const override { return NxU32(actorArray.size()); }
    NxActor** getActors() override { return actorArray.data(); }
    void setGravity(const NxVec3& gravity) override;
    void getGravity(NxVec3& gravity) const override;
    NxMaterial* getMaterialFromIndex(NxMaterialIndex index) override;
    void setUserContactReport(NxUserContactReport* report) override { contactReport = report; }
    NxUserContactReport* getUserContactReport() const override { return contactReport; }
    void setUserTriggerReport(NxUserTriggerReport* report) override { triggerReport = report; }
    NxUserTriggerReport* getUserTriggerReport() const override { return triggerReport; }
    const NxDebugRenderable* getDebugRenderable() const override { return &debugRenderable; }
    void simulate(NxReal elapsedTime) override;
    bool flushStream() override { return true; }  // every call acts at once
    bool fetchResults(NxSimulationStatus status, bool block, NxU32* errorState) override;
    void getTiming(NxReal& maxTimestep, NxU32& maxIter, NxU32* numSubSteps) const override;
    NxU32 raycastAllShapes(const NxRay& worldRay, NxUserRaycastReport& report, NxShapesType shapeType,
                           NxReal maxDist) const override;

    SdkImpl& sdk() const { return physics; }
    btDiscreteDynamicsWorld& world() const { return *dynamicsWorld; }
    const btVector3& gravity() const { return worldGravity; }
    void noteTarget(ActorImpl& actor);
    void applyMaterial();

private:
    void refreshDebugRenderable();

    SdkImpl& physics;
    std::unique_ptr<btDefaultCollisionConfiguration> configuration;
    std::unique_ptr<btCollisionDispatcher> dispatcher;
    std::unique_ptr<btDbvtBroadphase> broadphase;
    std::unique_ptr<btSequentialImpulseConstraintSolver> solver;
    std::unique_ptr<btDiscreteDynamicsWorld> dynamicsWorld;
    btVector3 worldGravity;
    MaterialImpl defaultMaterial;
    std::vector<std::unique_ptr<ActorImpl>> actors;  // after the world: released before it
    std::vector<NxActor*> actorArray;
    std::vector<ActorImpl*> targets;  // actors with kinematic targets for the next step
    NxUserContactReport* contactReport;
    NxUserTriggerReport* triggerReport;
    StepClock clock;
    NxU32 maxSubSteps;
    NxU32 lastSubSteps = 0;
    bool resultsPending = false;
    ContactTracker contacts;
    NxDebugRenderable debugRenderable;
    DebugDrawer debugDrawer;
};

}  // namespace vphysx
