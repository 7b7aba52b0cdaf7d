#include "sound/SpaceSound.h"

#include "sound/CaneEchoes.h"

SpaceSound::SpaceSound(vsound::IAcoustics& acoustics)
    : acoustics(acoustics), occlusion(acoustics, rays), reverb(acoustics, rays) {}

void SpaceSound::update(vphysx::NxScene* scene, const irr::core::vector3df& listener,
                        float seconds) {
    rays = SoundRays(scene);
    occlusion.update(listener, seconds);
    reverb.update(listener, seconds);
}

void SpaceSound::playCaneEchoes(const char* tapFile, const irr::core::vector3df& ear,
                                const irr::core::vector3df& ahead) {
    ::playCaneEchoes(acoustics, rays, tapFile, ear, ahead);
}
