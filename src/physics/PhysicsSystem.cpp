#include "physics/PhysicsSystem.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "graphics/GraphicsSystem.h"
#include "physics/ContactReport.h"
#include "physics/ControllerHitReport.h"
#include "physics/TriggerCallback.h"
#include "world/GameWorld.h"

using namespace irr;
using namespace vphysx;

namespace {

// Companions of the physics world for the whole run, handed over by address.
NxUserAllocatorDefault allocator;
PhysX::ContactReport contactReport;
TriggerCallback triggerCallback;
PhysX::ControllerHitReport controllerHitReport;

GameObject* objectOf(const NxActor& actor) {
    s32 id = static_cast<s32>(reinterpret_cast<std::intptr_t>(actor.userData));
    return GameWorld::instance().findObject(id);
}

}  // namespace

PhysicsSystem& PhysicsSystem::instance() {
    static PhysicsSystem physics;
    return physics;
}

PhysicsSystem::PhysicsSystem()
    : sdk(nullptr), scene(nullptr), cooking(nullptr), controllerManager(nullptr), debugRenderable(nullptr) {
    init();
    if (scene) debugRenderable = scene->getDebugRenderable();
}

// Controllers first: they live in the scene the SDK's release takes with it.
PhysicsSystem::~PhysicsSystem() {
    if (controllerManager) NxReleaseControllerManager(controllerManager);
    if (cooking) cooking->NxCloseCooking();
    if (sdk && scene) sdk->releaseScene(*scene);
    if (sdk) sdk->release();
}

bool PhysicsSystem::init() {
    NxSDKCreateError error = NXCE_NO_ERROR;
    sdk = NxCreatePhysicsSDK(NX_PHYSICS_SDK_VERSION, &allocator, nullptr, NxPhysicsSDKDesc(), &error);
    if (!sdk) {
        std::printf("\nSDK create error (%d).\nUnable to initialize the PhysX SDK, exiting the sample.\n\n", error);
        std::exit(1);
    }
    sdk->setParameter(NX_SKIN_WIDTH, 0.02f);

    NxSceneDesc sceneDesc;
    sceneDesc.gravity.set(0, -32, 0);
    sceneDesc.userContactReport = &contactReport;
    scene = sdk->createScene(sceneDesc);
    if (!scene) {
        std::printf("\nError: Unable to create a PhysX scene.\n");
        return false;
    }
    scene->setUserTriggerReport(&triggerCallback);

    cooking = NxGetCookingLib(NX_PHYSICS_SDK_VERSION);
    if (!cooking || !cooking->NxInitCooking(nullptr, nullptr)) std::printf("COOKING INIT FAILED!!");
    controllerManager = NxCreateControllerManager(&allocator);

    NxMaterial* material = scene->getMaterialFromIndex(0);
    material->setRestitution(0.0f);
    material->setStaticFriction(0.5f);
    material->setDynamicFriction(0.4f);

    // The ground: a slab spanning x and z from -900 to 900 whose top face is the plane y = -2.
    NxBoxShapeDesc groundShape;
    groundShape.dimensions.set(900, 1, 900);
    groundShape.localPose.t.set(0, -3, 0);
    NxActorDesc groundDesc;
    groundDesc.shapes.push_back(&groundShape);
    scene->createActor(groundDesc);
    return true;
}

bool PhysicsSystem::syncActorsFromNodes() {
    if (!scene) return true;
    NxActor** actors = scene->getActors();
    for (NxU32 i = 0; i < scene->getNbActors(); ++i) {
        GameObject* object = objectOf(*actors[i]);
        if (!object || !object->node) continue;
        core::vector3df position = object->node->getAbsolutePosition();
        core::vector3df rotation = object->node->getAbsoluteTransformation().getRotationDegrees();
        actors[i]->setGlobalPosition(NxVec3(position.X, position.Y, position.Z));
        actors[i]->setGlobalOrientationQuat(eulerDegreesToQuat(rotation));
    }
    return true;
}

// The actor's world pose as the node's own: a node under the scene's root takes it as it is; one
// nested under a moved parent takes it in its parent's frame, or it would move again every frame.
static void placeNode(scene::ISceneNode* node, const core::vector3df& position,
                      const core::vector3df& rotation) {
    scene::ISceneNode* parent = node->getParent();
    if (!parent || parent == node->getSceneManager()->getRootSceneNode()) {
        node->setPosition(position);
        node->setRotation(rotation);
        return;
    }
    core::matrix4 world;
    world.setRotationDegrees(rotation);
    world.setTranslation(position);
    core::matrix4 toParent;
    parent->getAbsoluteTransformation().getInverse(toParent);
    core::matrix4 local = toParent * world;
    node->setPosition(local.getTranslation());
    node->setRotation(local.getRotationDegrees());
}

bool PhysicsSystem::syncNodesFromActors() {
    if (!scene) return true;
    NxActor** actors = scene->getActors();
    for (NxU32 i = 0; i < scene->getNbActors(); ++i) {
        GameObject* object = objectOf(*actors[i]);
        if (!object || !object->node) continue;
        NxVec3 p = actors[i]->getGlobalPosition();
        core::vector3df position(p.x, p.y, p.z);
        core::vector3df rotation = quatToEulerDegrees(actors[i]->getGlobalOrientationQuat());
        placeNode(object->node, position, rotation);
    }
    debugRenderable = scene->getDebugRenderable();
    return true;
}

void PhysicsSystem::drawDebug() {
    if (!debugRenderable) return;
    video::IVideoDriver* driver = GraphicsSystem::instance().driver;
    auto point = [](const NxVec3& p) { return core::vector3df(p.x, p.y, p.z); };
    const NxDebugLine* lines = debugRenderable->getLines();
    for (NxU32 i = 0; i < debugRenderable->getNbLines(); ++i)
        driver->draw3DLine(point(lines[i].p0), point(lines[i].p1), video::SColor(lines[i].color));
    const NxDebugTriangle* triangles = debugRenderable->getTriangles();
    for (NxU32 i = 0; i < debugRenderable->getNbTriangles(); ++i) {
        NxU32 c = triangles[i].color;
        driver->draw3DTriangle(core::triangle3df(point(triangles[i].p0), point(triangles[i].p1), point(triangles[i].p2)),
                               video::SColor(255, c >> 16 & 0xff, c >> 8 & 0xff, c & 0xff));
    }
}

NxController* PhysicsSystem::createCapsuleController(float height, float radius, std::intptr_t userData) {
    if (!controllerManager) {
        std::printf("Physics: there is no physics scene, so no character controller is made\n");
        return nullptr;
    }
    NxCapsuleControllerDesc desc;
    desc.position = NxExtendedVec3(0, 0, 0);
    desc.upDirection = NX_Y;
    desc.slopeLimit = std::cos(SLOPE_LIMIT_DEGREES * core::DEGTORAD);
    desc.skinWidth = 0.02f;
    desc.stepOffset = STEP_HEIGHT;
    desc.callback = &controllerHitReport;
    desc.interactionFlag = NXIF_INTERACTION_INCLUDE;
    desc.userData = reinterpret_cast<void*>(userData);
    desc.radius = radius;
    desc.height = height;
    desc.climbingMode = CLIMB_CONSTRAINED;
    return controllerManager->createController(scene, desc);
}
