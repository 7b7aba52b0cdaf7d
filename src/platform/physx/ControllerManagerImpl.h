#pragma once
// Owns the character controllers.

#include <memory>
#include <vector>

#include "CapsuleControllerImpl.h"
#include "NxControllerManager.h"

namespace vphysx {

class ControllerManagerImpl : public NxControllerManager {
public:
    NxController* createController(NxScene* scene, const NxControllerDesc& desc) override;
    void releaseController(NxController& controller) override;
    NxU32 getNbControllers() const override { return NxU32(controllers.size()); }
    NxController* getController(NxU32 index) const override;
    void updateControllers() override {}

private:
    std::vector<std::unique_ptr<CapsuleControllerImpl>> controllers;
};

}  // namespace vphysx
