#pragma once
// Bullet collision-filter groups. Two objects meet when each one's group is in the other's
// mask. Every mask that sweeps may hit includes QUERY.

namespace vphysx {

enum CollisionFilter {
    FILTER_DYNAMIC = 1 << 0,
    FILTER_STATIC = 1 << 1,
    FILTER_KINEMATIC = 1 << 2,
    FILTER_TRIGGER = 1 << 3,
    FILTER_QUERY = 1 << 4,
};

struct FilterPair {
    int group;
    int mask;
};

// Triggers meet only what moves; static and kinematic actors meet dynamic ones, not each other.
inline FilterPair collisionFilter(bool collisionDisabled, bool trigger, bool hasBody, bool kinematic)
{
    if (collisionDisabled) return {0, 0};
    if (trigger) return {FILTER_TRIGGER, FILTER_DYNAMIC | FILTER_KINEMATIC};
    if (!hasBody) return {FILTER_STATIC, FILTER_DYNAMIC | FILTER_QUERY};
    if (kinematic) return {FILTER_KINEMATIC, FILTER_DYNAMIC | FILTER_TRIGGER | FILTER_QUERY};
    return {FILTER_DYNAMIC, FILTER_DYNAMIC | FILTER_STATIC | FILTER_KINEMATIC | FILTER_TRIGGER | FILTER_QUERY};
}

}  // namespace vphysx
