#include "ShapeImpl.h"

namespace vphysx {

ShapeImpl::ShapeImpl(NxActor& actor, NxShapeType shapeType, NxCollisionGroup shapeGroup, NxU32 shapeFlags,
                     std::unique_ptr<btCollisionShape> ownedShape, btCollisionShape* collision)
    : owner(actor), type(shapeType), group(shapeGroup), flags(shapeFlags), owned(std::move(ownedShape)),
      shape(collision)
{
}

}  // namespace vphysx
