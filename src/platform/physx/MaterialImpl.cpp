#include "MaterialImpl.h"

#include <cmath>
#include <string>

#include "SceneImpl.h"
#include "SdkImpl.h"

namespace vphysx {

bool MaterialImpl::accept(NxReal value, const char* what) const
{
    if (std::isfinite(value) && value >= 0) return true;
    scene.sdk().warn(std::string("material given a negative or non-finite ") + what + "; it keeps its value");
    return false;
}

void MaterialImpl::setRestitution(NxReal value)
{
    if (!accept(value, "restitution")) return;
    restitution = value;
    scene.applyMaterial();
}

void MaterialImpl::setStaticFriction(NxReal value)
{
    if (!accept(value, "static friction")) return;
    staticFriction = value;
    scene.applyMaterial();
}

void MaterialImpl::setDynamicFriction(NxReal value)
{
    if (!accept(value, "dynamic friction")) return;
    dynamicFriction = value;
    scene.applyMaterial();
}

}  // namespace vphysx
