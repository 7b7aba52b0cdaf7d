#include "ShapeBuilder.h"

#include <BulletCollision/CollisionShapes/btBoxShape.h>
#include <BulletCollision/CollisionShapes/btCapsuleShape.h>
#include <BulletCollision/CollisionShapes/btConvexHullShape.h>

#include <algorithm>

#include "ConvexMeshImpl.h"
#include "Convert.h"
#include "TriangleMeshImpl.h"

namespace vphysx {

namespace {

void buildBox(const NxBoxShapeDesc& desc, btScalar margin, BuiltShape& out)
{
    btVector3 half = toBullet(desc.dimensions);
    auto box = std::make_unique<btBoxShape>(half);
    box->setMargin(std::min(margin, half[half.minAxis()] / 2));  // keeps the outer size
    box->initializePolyhedralFeatures();
    out.volume = 8 * half.x() * half.y() * half.z();
    box->calculateLocalInertia(out.volume, out.unitInertia);
    out.shape = box.get();
    out.owned = std::move(box);
}

void buildCapsule(const NxCapsuleShapeDesc& desc, BuiltShape& out)
{
    btScalar r = desc.radius, h = desc.height;
    auto capsule = std::make_unique<btCapsuleShape>(r, h);
    out.volume = SIMD_PI * r * r * h + 4 * SIMD_PI * r * r * r / 3;
    capsule->calculateLocalInertia(out.volume, out.unitInertia);
    out.shape = capsule.get();
    out.owned = std::move(capsule);
}

// The hull is moved into its principal frame. Contacts between polyhedra are clipped from
// their faces, margin left out, so the hull keeps its cooked size; sweeps see the margin.
btTransform buildHull(const ConvexMeshImpl& mesh, btScalar margin, BuiltShape& out)
{
    btMatrix3x3 axes;
    btMatrix3x3 diagonal = mesh.mass().inertia;
    diagonal.diagonalize(axes, btScalar(1e-12), 64);
    btTransform principal(axes, mesh.mass().centre);
    btTransform toBody = principal.inverse();
    std::vector<btVector3> points;
    for (const btVector3& v : mesh.vertices()) points.push_back(toBody * v);

    auto hull = std::make_unique<btConvexHullShape>(&points[0].x(), int(points.size()), int(sizeof(btVector3)));
    hull->setMargin(margin);
    hull->initializePolyhedralFeatures();
    out.volume = mesh.mass().volume;
    out.unitInertia.setValue(diagonal[0][0], diagonal[1][1], diagonal[2][2]);
    out.shape = hull.get();
    out.owned = std::move(hull);
    return principal;
}

}  // namespace

BuiltShape buildShape(const NxShapeDesc& desc, btScalar margin)
{
    BuiltShape out;
    out.bodyInActor = toBullet(desc.localPose);
    switch (desc.getType()) {
    case NX_SHAPE_BOX:
        buildBox(static_cast<const NxBoxShapeDesc&>(desc), margin, out);
        break;
    case NX_SHAPE_CAPSULE:
        buildCapsule(static_cast<const NxCapsuleShapeDesc&>(desc), out);
        break;
    case NX_SHAPE_CONVEX: {
        const auto& convex = static_cast<const NxConvexShapeDesc&>(desc);
        out.bodyInActor = out.bodyInActor * buildHull(*static_cast<ConvexMeshImpl*>(convex.meshData), margin, out);
        break;
    }
    case NX_SHAPE_MESH:
        out.shape = static_cast<TriangleMeshImpl*>(static_cast<const NxTriangleMeshShapeDesc&>(desc).meshData)->shape();
        break;
    }
    return out;
}

}  // namespace vphysx
