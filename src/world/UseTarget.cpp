// What the use key reaches: the object under the aim dot when it answers a use; otherwise the
// nearest object whose origin lies in the cone around the view, anything that moves before a
// fixture (a floor plate, a wall), so a crate just beyond a plate is taken rather than the plate.
#include "world/GameWorld.h"

#include "physics/PhysicsSystem.h"
#include "world/Player.h"

#include <NxActor.h>
#include <NxRaycast.h>
#include <NxScene.h>
#include <NxShape.h>

#include <cstdint>

using namespace irr;
using namespace vphysx;

namespace {

struct NearestHit : NxUserRaycastReport {
    explicit NearestHit(float reach) : distance(reach) {}
    float distance;
    const NxActor* actor = nullptr;
    bool onHit(const NxRaycastHit& hit) override {
        if (hit.distance < distance) {
            distance = hit.distance;
            actor = &hit.shape->getActor();
        }
        return true;
    }
};

// A use does something to it: runs its script, lifts it, or finds it too heavy.
bool answersUse(const GameObject* object) {
    return object && object->actor && (object->script || object->actor->isDynamic());
}

bool fixture(const GameObject* object) { return !object->actor->isDynamic(); }

}  // namespace

GameObject* GameWorld::findUseTarget(f32 maxDistance, f32 minCosine) const {
    core::vector3df eye = camera->getAbsolutePosition();
    if (GameObject* aimed = objectUnderAimDot(eye, maxDistance)) return aimed;
    GameObject* best = nullptr;
    f32 bestDistance = 0;
    for (GameObject* object : objects) {
        if (!object->actor) continue;
        core::vector3df d = object->node->getAbsolutePosition() - eye;
        f32 r = d.getLength();
        if (r > maxDistance) continue;
        if (r > 0) d /= r;
        if (player->forward.dotProduct(d) < minCosine) continue;
        const bool better = !best || (fixture(best) && !fixture(object)) ||
                            (fixture(best) == fixture(object) && r < bestDistance);
        if (better) {
            best = object;
            bestDistance = r;
        }
    }
    return best;
}

GameObject* GameWorld::objectUnderAimDot(const core::vector3df& eye, f32 maxDistance) const {
    PhysicsSystem& physics = PhysicsSystem::instance();
    if (!physics.scene) return nullptr;
    NearestHit hit(maxDistance);
    const core::vector3df& f = player->forward;
    physics.scene->raycastAllShapes(NxRay(NxVec3(eye.X, eye.Y, eye.Z), NxVec3(f.X, f.Y, f.Z)), hit,
                                    NX_ALL_SHAPES, maxDistance);
    GameObject* aimed = hit.actor ? findObject(s32(reinterpret_cast<std::intptr_t>(hit.actor->userData))) : nullptr;
    // A carried object touches nothing, rays included, yet it hangs right under the dot.
    GameObject* carried = player->held && player->held->actor ? player->held : nullptr;
    if (carried && (carried->node->getAbsolutePosition() - eye).getLength() <= hit.distance) aimed = carried;
    return answersUse(aimed) ? aimed : nullptr;
}
