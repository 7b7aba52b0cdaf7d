#pragma once
// Collects Bullet's wireframe drawing into the scene's debug renderable.

#include <LinearMath/btIDebugDraw.h>

#include "NxDebugRenderable.h"

namespace vphysx {

class SdkImpl;

class DebugDrawer : public btIDebugDraw {
public:
    DebugDrawer(NxDebugRenderable& target, const SdkImpl& sdk) : target(target), sdk(sdk) {}

    void drawLine(const btVector3& from, const btVector3& to, const btVector3& color) override;
    void drawTriangle(const btVector3& a, const btVector3& b, const btVector3& c, const btVector3& color,
                      btScalar alpha) override;
    void reportErrorWarning(const char* warning) override;
    // Contact points and text are not part of the renderable.
    void drawContactPoint(const btVector3&, const btVector3&, btScalar, int, const btVector3&) override {}
    void draw3dText(const btVector3&, const char*) override {}
    void setDebugMode(int) override {}
    int getDebugMode() const override { return DBG_DrawWireframe; }

private:
    NxDebugRenderable& target;
    const SdkImpl& sdk;
};

}  // namespace vphysx
