#pragma once
// Creates and owns character controllers. Release the manager before the scenes its
// controllers live in.

#include "NxController.h"

namespace vphysx {

class NxScene;
class NxUserAllocator;

class NxControllerManager {
public:
    virtual NxController* createController(NxScene* scene, const NxControllerDesc& desc) = 0;
    virtual void releaseController(NxController& controller) = 0;
    virtual NxU32 getNbControllers() const = 0;
    virtual NxController* getController(NxU32 index) const = 0;
    // Controllers' actors follow every move at once, so nothing is left to catch up here.
    virtual void updateControllers() = 0;

protected:
    virtual ~NxControllerManager() {}
};

NxControllerManager* NxCreateControllerManager(NxUserAllocator* allocator);
void NxReleaseControllerManager(NxControllerManager* manager);

}  // namespace vphysx
