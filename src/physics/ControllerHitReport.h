#pragma once
// Lets walking characters shove loose objects: every horizontal move that touches a dynamic,
// non-kinematic actor gives it 1.2 units/s along the move, whatever its mass.

#include <NxController.h>

namespace PhysX {

class ControllerHitReport : public vphysx::NxUserControllerHitReport {
public:
    vphysx::NxControllerAction onShapeHit(const vphysx::NxControllerShapeHit& hit) override;
    vphysx::NxControllerAction onControllerHit(const vphysx::NxControllersHit&) override {
        return vphysx::NX_ACTION_NONE;
    }
    ~ControllerHitReport() override = default;
};

}  // namespace PhysX
