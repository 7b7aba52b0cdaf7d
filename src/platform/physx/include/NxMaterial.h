#pragma once
// Surface material. The scene's material 0 applies to every shape.

#include "NxSimpleTypes.h"

namespace vphysx {

class NxMaterial {
public:
    virtual void setRestitution(NxReal restitution) = 0;
    virtual NxReal getRestitution() const = 0;
    virtual void setStaticFriction(NxReal coefficient) = 0;
    virtual NxReal getStaticFriction() const = 0;
    virtual void setDynamicFriction(NxReal coefficient) = 0;
    virtual NxReal getDynamicFriction() const = 0;

protected:
    virtual ~NxMaterial() {}
};

}  // namespace vphysx
