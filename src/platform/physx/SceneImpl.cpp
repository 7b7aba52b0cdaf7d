#include "SceneImpl.h"

#include <algorithm>
#include <cmath>

#include "ActorImpl.h"
#include "Convert.h"
#include "SdkImpl.h"

namespace vphysx {

namespace {

// A hull meeting a triangle gets one contact point per step; the stopping impulse of a landing
// then goes through one off-centre point and tips the body. Perturbed contact queries give it a
// full face of points, and more solver iterations share the impulse out evenly among them.
// Cheapest setting measured that lands boxes flat: physx_bench prints what it costs.
const int MULTIPOINT_ITERATIONS = 3;
const int MULTIPOINT_BELOW = 3;  // points in a manifold below which it is perturbed
const int SOLVER_ITERATIONS = 20;

std::unique_ptr<btDefaultCollisionConfiguration> contactConfiguration()
{
    auto configuration = std::make_unique<btDefaultCollisionConfiguration>();
    configuration->setConvexConvexMultipointIterations(MULTIPOINT_ITERATIONS, MULTIPOINT_BELOW);
    return configuration;
}

}  // namespace

SceneImpl::SceneImpl(SdkImpl& sdk, const NxSceneDesc& desc)
    : physics(sdk), configuration(contactConfiguration()),
      dispatcher(std::make_unique<btCollisionDispatcher>(configuration.get())),
      broadphase(std::make_unique<btDbvtBroadphase>()),
      solver(std::make_unique<btSequentialImpulseConstraintSolver>()),
      dynamicsWorld(std::make_unique<btDiscreteDynamicsWorld>(dispatcher.get(), broadphase.get(), solver.get(),
                                                              configuration.get())),
      worldGravity(toBullet(desc.gravity)), defaultMaterial(*this), contactReport(desc.userContactReport),
      triggerReport(desc.userTriggerReport), clock(desc.maxTimestep, desc.maxIter), maxSubSteps(desc.maxIter),
      debugDrawer(debugRenderable, sdk)
{
    dynamicsWorld->setGravity(worldGravity);
    dynamicsWorld->getSolverInfo().m_numIterations = SOLVER_ITERATIONS;
    // Resting and static bodies keep their bounds; actors moved by hand update theirs.
    dynamicsWorld->setForceUpdateAllAabbs(false);
    dynamicsWorld->setDebugDrawer(&debugDrawer);
}

SceneImpl::~SceneImpl()
{
    actors.clear();
}

NxPhysicsSDK& SceneImpl::getPhysicsSDK()
{
    return physics;
}

NxActor* SceneImpl::createActor(const NxActorDesc& desc)
{
    if (!desc.isValid()) {
        physics.warn("createActor given an invalid actor descriptor; no actor is made");
        return nullptr;
    }
    const NxShapeDesc& shape = *desc.shapes[0];
    btScalar margin = shape.skinWidth >= 0 ? shape.skinWidth : physics.getParameter(NX_SKIN_WIDTH);
    actors.push_back(std::make_unique<ActorImpl>(*this, desc, buildShape(shape, margin)));
    actorArray.push_back(actors.back().get());
    return actors.back().get();
}

void SceneImpl::releaseActor(NxActor& actor)
{
    auto owned = std::find_if(actors.begin(), actors.end(), [&](const auto& a) { return a.get() == &actor; });
    if (owned == actors.end()) {
        physics.warn("releaseActor given an actor of another scene; it is ignored");
        return;
    }
    ActorImpl* impl = owned->get();
    contacts.forget(&impl->body());
    targets.erase(std::remove(targets.begin(), targets.end(), impl), targets.end());
    actorArray.erase(std::find(actorArray.begin(), actorArray.end(), impl));
    actors.erase(owned);
}

void SceneImpl::setGravity(const NxVec3& gravity)
{
    if (!gravity.isFinite()) {
        physics.warn("setGravity given a non-finite vector; gravity stays as it was");
        return;
    }
    worldGravity = toBullet(gravity);
    dynamicsWorld->setGravity(worldGravity);
    for (auto& actor : actors) actor->applyGravity(worldGravity);
}

void SceneImpl::getGravity(NxVec3& gravity) const
{
    gravity = toNx(worldGravity);
}

NxMaterial* SceneImpl::getMaterialFromIndex(NxMaterialIndex index)
{
    return index == 0 ? &defaultMaterial : nullptr;
}

void SceneImpl::applyMaterial()
{
    for (auto& actor : actors) actor->applyMaterial(defaultMaterial);
}

void SceneImpl::noteTarget(ActorImpl& actor)
{
    if (std::find(targets.begin(), targets.end(), &actor) == targets.end()) targets.push_back(&actor);
}

void SceneImpl::simulate(NxReal elapsedTime)
{
    if (!std::isfinite(elapsedTime) || elapsedTime < 0) {
        physics.warn("simulate given a negative or non-finite time; the scene does not advance");
        elapsedTime = 0;
    }
    lastSubSteps = clock.advance(elapsedTime);
    if (lastSubSteps > 0) {
        std::vector<ActorImpl*> moving;
        for (ActorImpl* actor : targets)
            if (actor->beginTargetMotion()) moving.push_back(actor);
        btScalar step = clock.stepLength();
        for (NxU32 k = 0; k < lastSubSteps; ++k) {
            for (ActorImpl* actor : moving) actor->stepTargetMotion(btScalar(k + 1) / lastSubSteps);
            dynamicsWorld->stepSimulation(step, 0, step);
            contacts.collect(*dispatcher, step);
        }
        for (ActorImpl* actor : targets) actor->finishTargetMotion();
        targets.clear();
    }
    refreshDebugRenderable();
    resultsPending = true;
}

bool SceneImpl::fetchResults(NxSimulationStatus, bool, NxU32* errorState)
{
    if (errorState) *errorState = 0;
    if (!resultsPending) return false;
    resultsPending = false;
    contacts.deliver(contactReport, triggerReport);
    return true;
}

void SceneImpl::getTiming(NxReal& maxTimestep, NxU32& maxIter, NxU32* numSubSteps) const
{
    maxTimestep = NxReal(clock.stepLength());
    maxIter = maxSubSteps;
    if (numSubSteps) *numSubSteps = lastSubSteps;
}

void SceneImpl::refreshDebugRenderable()
{
    debugRenderable.clear();
    if (physics.visualising()) dynamicsWorld->debugDrawWorld();
}

}  // namespace vphysx
