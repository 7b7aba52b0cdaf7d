#pragma once
// One controller move, collide and slide: an up pass (the rising part of the motion plus the
// step offset when moving sideways), a side pass of up to four sweeps that slide along what
// they meet, and a down pass that takes back the step offset plus the falling part. A move
// that climbs onto ground steeper than the slope limit, or higher than the step offset, is
// made again without the step offset, so the slope or the ledge stops it like a wall.

#include <vector>

#include "ControllerSweep.h"

namespace vphysx {

struct CapsuleSettings {
    btScalar radius, height;  // height between the end spheres' centres
    btScalar skinWidth;       // gap kept to everything touched
    btScalar stepOffset;
    btScalar slopeLimit;      // cosine of the steepest walkable slope
    btScalar minDistance;     // slides shorter than this end the side and down passes
};

enum MotionPass { PASS_UP, PASS_SIDE, PASS_DOWN };

struct Touch {
    MotionPass pass;
    const btCollisionObject* object;
    btVector3 point, normal, direction;
    btScalar length;  // moved before the touch
};

// One sweep of a pass that slides on.
struct SweepStep {
    btVector3 direction{0, 0, 0};
    btScalar length = 0, travel = 0;
    SweepHit hit;
};

struct MotionResult {
    btVector3 position;
    NxU32 flags = 0;  // NxControllerFlag bits
    std::vector<Touch> touches;
    bool landed = false;  // the down pass stopped on something
    btVector3 groundPoint{0, 0, 0};
    btVector3 groundNormal{0, 1, 0};  // of the surface landed on
};

class CapsuleMotion {
public:
    CapsuleMotion(const ControllerSweep& sweep, const CapsuleSettings& settings) : sweeper(sweep), settings(settings) {}

    MotionResult move(const btVector3& start, const btVector3& displacement) const;

private:
    MotionResult attempt(const btVector3& start, const btVector3& displacement, btScalar lift) const;
    btScalar ascend(MotionResult& result, btScalar distance, bool& blocked) const;
    bool reach(const btVector3& from, const btVector3& direction, btScalar distance, SweepHit& hit,
               btScalar& travel) const;
    bool advance(MotionResult& result, const btVector3& motion, bool first, SweepStep& step) const;
    void slide(MotionResult& result, btVector3 motion) const;
    void tiltSideTouches(MotionResult& result, btScalar across, btScalar rise) const;
    void fall(MotionResult& result, btScalar distance) const;
    void touch(MotionResult& result, MotionPass pass, const SweepHit& hit, const btVector3& direction,
               btScalar length) const;
    btVector3 surfaceAt(const SweepHit& hit, const btVector3& centre) const;
    bool mayClimbTo(const btVector3& start, const MotionResult& result) const;

    const ControllerSweep& sweeper;
    CapsuleSettings settings;
};

}  // namespace vphysx
