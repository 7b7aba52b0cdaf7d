#include "ControllerManagerImpl.h"

#include <algorithm>
#include <cstdio>

#include "SceneImpl.h"
#include "SdkImpl.h"

namespace vphysx {

NxControllerManager* NxCreateControllerManager(NxUserAllocator*)
{
    return new ControllerManagerImpl;
}

void NxReleaseControllerManager(NxControllerManager* manager)
{
    delete static_cast<ControllerManagerImpl*>(manager);
}

NxController* ControllerManagerImpl::createController(NxScene* scene, const NxControllerDesc& desc)
{
    if (!scene) {
        std::printf("Physics SDK: createController given no scene; no controller is made\n");
        return nullptr;
    }
    SceneImpl& owner = *static_cast<SceneImpl*>(scene);
    if (desc.getType() != NX_CONTROLLER_CAPSULE || !desc.isValid()) {
        owner.sdk().warn("createController given an invalid controller descriptor; no controller is made");
        return nullptr;
    }
    controllers.push_back(
        std::make_unique<CapsuleControllerImpl>(owner, static_cast<const NxCapsuleControllerDesc&>(desc)));
    return controllers.back().get();
}

void ControllerManagerImpl::releaseController(NxController& controller)
{
    controllers.erase(std::remove_if(controllers.begin(), controllers.end(),
                                     [&](const auto& c) { return c.get() == &controller; }),
                      controllers.end());
}

NxController* ControllerManagerImpl::getController(NxU32 index) const
{
    return index < controllers.size() ? controllers[index].get() : nullptr;
}

}  // namespace vphysx
