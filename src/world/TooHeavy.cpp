#include "world/TooHeavy.h"

#include "graphics/ScreenMessage.h"
#include "sound/SoundSystem.h"
#include "world/GameObject.h"

#include <NxActor.h>

void answerTooHeavy(const GameObject& object) {
    const vphysx::NxVec3 at = object.actor->getGlobalPosition();
    const irr::core::vector3df dullBrown(0.6f, 0.45f, 0.3f);
    SoundSystem::instance().playSoundWithWave(dullBrown, irr::core::vector3df(at.x, at.y, at.z),
                                              "Content/sounds/fx/global/hand/push_heavy.wav", 5.0f, 2.0f, 6.0f,
                                              0.5f, 0.0f);
    Graphics::ScreenMessage::instance().show("Too heavy to lift.");
}
