#include "DebugDrawer.h"

#include <string>

#include "Convert.h"
#include "SdkImpl.h"

namespace vphysx {

namespace {

NxU32 argb(const btVector3& color, btScalar alpha)
{
    auto channel = [](btScalar c) { return NxU32(btMax(btScalar(0), btMin(btScalar(1), c)) * 255 + btScalar(0.5)); };
    return channel(alpha) << 24 | channel(color.x()) << 16 | channel(color.y()) << 8 | channel(color.z());
}

}  // namespace

void DebugDrawer::drawLine(const btVector3& from, const btVector3& to, const btVector3& color)
{
    target.addLine(NxDebugLine{toNx(from), toNx(to), argb(color, 1)});
}

void DebugDrawer::drawTriangle(const btVector3& a, const btVector3& b, const btVector3& c, const btVector3& color,
                               btScalar alpha)
{
    target.addTriangle(NxDebugTriangle{toNx(a), toNx(b), toNx(c), argb(color, alpha)});
}

void DebugDrawer::reportErrorWarning(const char* warning)
{
    sdk.warn(std::string("Bullet: ") + warning);
}

}  // namespace vphysx
