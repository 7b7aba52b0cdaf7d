#pragma once
// A collision shape, owned by its actor.

#include "NxFlags.h"
#include "NxSimpleTypes.h"

namespace vphysx {

class NxActor;

class NxShape {
public:
    virtual NxActor& getActor() const = 0;
    virtual NxShapeType getType() const = 0;
    virtual NxCollisionGroup getGroup() const = 0;
    virtual bool getFlag(NxTriggerFlag flag) const = 0;

protected:
    virtual ~NxShape() {}
};

}  // namespace vphysx
