#pragma once
// The physics system owns the physics world: the SDK, its one scene, the cooking library that
// turns level meshes into collision shapes and the manager of the character controllers.
// Around every simulation step the frame loop pushes each level object's node pose into its
// actor (syncActorsFromNodes) and afterwards writes the actor's pose back (syncNodesFromActors).
// Actors of level objects carry the object's id in userData; 0 means no object.
//
// Coordinates are Irrlicht world units, y up; nodes rotate by Euler angles in degrees, actors
// by quaternions.

#include <NxControllerManager.h>
#include <NxCooking.h>
#include <NxPhysics.h>
#include <irrlicht.h>

#include <cstdint>

class PhysicsSystem {
public:
    // Runs init on the first call; the world is released at process exit.
    static PhysicsSystem& instance();

    // False, with no scene, when the scene cannot be made; the frame loop then skips physics.
    bool init();
    bool syncActorsFromNodes();  // always true
    bool syncNodesFromActors();  // always true
    // Draws the last step's debug lines and triangles; nothing unless visualisation is on.
    void drawDebug();

    // Turns the loaded scene below `node` into the game's world, node by node in pre-order:
    // objects with actors and scripts, the player's start, emitters, obstacles. Always true.
    bool loadLevel(irr::scene::ISceneNode* node);

    // The highest step a character controller climbs, world units.
    static constexpr float STEP_HEIGHT = 1.0f;
    // The steepest ground a character controller walks up, degrees.
    static constexpr float SLOPE_LIMIT_DEGREES = 45.0f;
    // A capsule with the game's controller settings, at the origin; none without a scene.
    vphysx::NxController* createCapsuleController(float height, float radius, std::intptr_t userData);

    // Level meshes to actors, vertices scaled by `scale`, placed at `position` (rotation comes
    // with the first syncActorsFromNodes) and tagged with the object's id. None, with a line on
    // standard output, for a mesh that cannot become that kind of actor.
    vphysx::NxActor* createStaticMeshActor(irr::scene::IMesh* mesh, const irr::core::vector3df& position,
                                           const irr::core::vector3df& scale, irr::s32 id);
    vphysx::NxActor* createTriggerMeshActor(irr::scene::IMesh* mesh, const irr::core::vector3df& position,
                                            const irr::core::vector3df& scale, irr::s32 id);
    vphysx::NxActor* createDynamicConvexActor(irr::scene::IMesh* mesh, const irr::core::vector3df& position,
                                              const irr::core::vector3df& scale, irr::s32 id, float density);

    // Degrees about x, y and z to a quaternion (not normalised), and back: X and Z in
    // [-180, 180], Y in [-90, 90].
    static vphysx::NxQuat eulerDegreesToQuat(const irr::core::vector3df& degrees);
    static irr::core::vector3df quatToEulerDegrees(const vphysx::NxQuat& q);

    vphysx::NxPhysicsSDK* sdk;
    vphysx::NxScene* scene;  // none when scene creation failed
    vphysx::NxCookingInterface* cooking;
    vphysx::NxControllerManager* controllerManager;
    const vphysx::NxDebugRenderable* debugRenderable;  // the scene's, refreshed every step

private:
    PhysicsSystem();
    ~PhysicsSystem();
    PhysicsSystem(const PhysicsSystem&) = delete;
    PhysicsSystem& operator=(const PhysicsSystem&) = delete;

    vphysx::NxActor* createTriangleMeshActor(irr::scene::IMesh* mesh, const irr::core::vector3df& position,
                                             const irr::core::vector3df& scale, irr::s32 id, bool trigger);
    void place(vphysx::NxActor* actor, const irr::core::vector3df& position, irr::s32 id);
};
