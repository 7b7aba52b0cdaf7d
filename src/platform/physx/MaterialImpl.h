#pragma once
// The scene's default material. Bullet has one friction coefficient per object, the dynamic
// one; contacts that are not sliding get the static one from the SDK's contact callback.

#include "NxMaterial.h"

namespace vphysx {

class SceneImpl;

class MaterialImpl : public NxMaterial {
public:
    explicit MaterialImpl(SceneImpl& scene) : scene(scene) {}

    void setRestitution(NxReal value) override;
    NxReal getRestitution() const override { return restitution; }
    void setStaticFriction(NxReal value) override;
    NxReal getStaticFriction() const override { return staticFriction; }
    void setDynamicFriction(NxReal value) override;
    NxReal getDynamicFriction() const override { return dynamicFriction; }

private:
    bool accept(NxReal value, const char* what) const;

    SceneImpl& scene;
    NxReal restitution = 0;
    NxReal staticFriction = 0.5f;
    NxReal dynamicFriction = 0.5f;
};

}  // namespace vphysx
