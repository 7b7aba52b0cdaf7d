#include "CapsuleMotion.h"

#include <algorithm>

#include "NxController.h"

namespace vphysx {

namespace {

const btVector3 UP(0, 1, 0);
const int MAX_SWEEPS = 4;
// Rises smaller than this are sweep rounding, not climbing.
const btScalar CLIMB_TOLERANCE = btScalar(1e-4);
// Where surfaceAt looks for the ground beyond a touched edge.
const btScalar PROBE_OFFSET = btScalar(0.01);
const btScalar PROBE_HEIGHT = btScalar(0.05);

}  // namespace

MotionResult CapsuleMotion::move(const btVector3& start, const btVector3& displacement) const
{
    MotionResult first = attempt(start, displacement, settings.stepOffset);
    bool sideways = displacement.x() != 0 || displacement.z() != 0;
    if (sideways && settings.stepOffset > 0 && first.position.y() > start.y() + CLIMB_TOLERANCE &&
        !mayClimbTo(start, first))
        return attempt(start, displacement, 0);
    return first;
}

MotionResult CapsuleMotion::attempt(const btVector3& start, const btVector3& displacement, btScalar lift) const
{
    MotionResult result;
    result.position = start;
    btVector3 side(displacement.x(), 0, displacement.z());
    btScalar rise = std::max(displacement.y(), btScalar(0));
    btScalar wantedLift = side.length2() > 0 ? lift : 0;

    btScalar lifted = 0;
    if (rise + wantedLift > 0) {
        bool blocked = false;
        btScalar moved = ascend(result, rise + wantedLift, blocked);
        if (blocked && rise > 0) result.flags |= NXCC_COLLISION_UP;
        lifted = std::max(btScalar(0), moved - rise);  // the rise goes first, the step lift after
    }
    if (side.length2() > 0) {
        slide(result, side);
        tiltSideTouches(result, side.length(), displacement.y());
    }
    btScalar drop = lifted + std::max(-displacement.y(), btScalar(0));
    if (drop > 0) fall(result, drop);
    return result;
}

btScalar CapsuleMotion::ascend(MotionResult& result, btScalar distance, bool& blocked) const
{
    SweepHit hit;
    btScalar travel;
    blocked = reach(result.position, UP, distance, hit, travel);
    result.position += UP * travel;
    if (blocked) touch(result, PASS_UP, hit, UP, travel);
    return travel;
}

// Sweeps a skin width further than asked, so that what lies within the skin counts as
// touched. travel: how far the capsule may go and keep the skin.
bool CapsuleMotion::reach(const btVector3& from, const btVector3& direction, btScalar distance, SweepHit& hit,
                          btScalar& travel) const
{
    btScalar swept = distance + settings.skinWidth;
    hit = sweeper.sweep(from, from + direction * swept);
    travel = hit.blocked ? std::max(btScalar(0), hit.fraction * swept - settings.skinWidth) : distance;
    return hit.blocked;
}

// One sweep of a sliding pass. False when the pass is over: nothing left to move (after the
// first sweep, less than minDistance) or nothing met on the way.
bool CapsuleMotion::advance(MotionResult& result, const btVector3& motion, bool first, SweepStep& step) const
{
    step.length = motion.length();
    if (step.length == 0 || (!first && step.length < settings.minDistance)) return false;
    step.direction = motion / step.length;
    bool blocked = reach(result.position, step.direction, step.length, step.hit, step.travel);
    result.position += step.direction * step.travel;
    return blocked;
}

// Walls stop only the horizontal part of the motion that runs into them, so the character
// slides along them and never rides up a surface in the side pass.
void CapsuleMotion::slide(MotionResult& result, btVector3 motion) const
{
    for (int i = 0; i < MAX_SWEEPS; ++i) {
        SweepStep step;
        if (!advance(result, motion, i == 0, step)) return;
        result.flags |= NXCC_COLLISION_SIDES;
        touch(result, PASS_SIDE, step.hit, step.direction, step.travel);
        btVector3 wall(step.hit.normal.x(), 0, step.hit.normal.z());
        if (wall.length2() == 0) return;
        wall.normalize();
        motion = step.direction * (step.length - step.travel);
        motion -= wall * motion.dot(wall);
        motion.setY(0);
    }
}

// Side touches carry the direction of the whole motion that touched: a move that also rises
// or falls is no horizontal push.
void CapsuleMotion::tiltSideTouches(MotionResult& result, btScalar across, btScalar rise) const
{
    if (rise == 0) return;
    for (Touch& t : result.touches)
        if (t.pass == PASS_SIDE) t.direction = (t.direction * across + UP * rise).normalized();
}

// Walkable ground stops the fall; steeper ground lets the character slide down along it.
void CapsuleMotion::fall(MotionResult& result, btScalar distance) const
{
    btVector3 motion = -UP * distance;
    for (int i = 0; i < MAX_SWEEPS; ++i) {
        SweepStep step;
        if (!advance(result, motion, i == 0, step)) return;
        result.flags |= NXCC_COLLISION_DOWN;
        touch(result, PASS_DOWN, step.hit, step.direction, step.travel);
        result.landed = true;
        result.groundPoint = step.hit.point;
        result.groundNormal = surfaceAt(step.hit, result.position);
        if (result.groundNormal.y() >= settings.slopeLimit) return;
        motion = step.direction * (step.length - step.travel);
        motion -= step.hit.normal * motion.dot(step.hit.normal);
        if (motion.y() >= 0) return;
    }
}

// Each object is reported once per pass, with its first touch.
void CapsuleMotion::touch(MotionResult& result, MotionPass pass, const SweepHit& hit, const btVector3& direction,
                          btScalar length) const
{
    for (const Touch& t : result.touches)
        if (t.object == hit.object && t.pass == pass) return;
    result.touches.push_back(Touch{pass, hit.object, hit.point, hit.normal, direction, length});
}

// A capsule resting on an edge touches it with a leaning normal; the ground is the surface
// just beyond the edge, away from the capsule's axis. A short ray straight down there finds it.
btVector3 CapsuleMotion::surfaceAt(const SweepHit& hit, const btVector3& centre) const
{
    btVector3 outward(hit.point.x() - centre.x(), 0, hit.point.z() - centre.z());
    if (outward.length2() > 0) outward.normalize();
    btVector3 probe = hit.point + outward * PROBE_OFFSET + UP * PROBE_HEIGHT;
    btVector3 normal;
    if (sweeper.surfaceBelow(probe, 2 * PROBE_HEIGHT, normal) && normal.y() > 0) return normal;
    return hit.normal;
}

// Constrained climbing: ground reached through the step offset must be walkable and no
// higher than the step offset above the capsule's bottom where the move began.
bool CapsuleMotion::mayClimbTo(const btVector3& start, const MotionResult& result) const
{
    if (!result.landed) return true;
    btScalar bottom = start.y() - settings.height / 2 - settings.radius;
    return result.groundNormal.y() >= settings.slopeLimit &&
           result.groundPoint.y() - bottom <= settings.stepOffset + CLIMB_TOLERANCE;
}

}  // namespace vphysx
