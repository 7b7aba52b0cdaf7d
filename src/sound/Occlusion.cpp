#include "sound/Occlusion.h"

#include <algorithm>

using irr::core::vector3df;

namespace {

const float SPREAD = 1.5f;   // from a source to the points around it, world units
const float SHORT_BY = 0.25f;  // rays stop short of their point: a source on a floor is not behind it
// The direct path of a fully hidden source.
const float HIDDEN_GAIN = 0.6f;
const float HIDDEN_GAIN_HF = 0.08f;

}  // namespace

Occlusion::Occlusion(vsound::IAcoustics& acoustics, const SoundRays& rays)
    : acoustics(acoustics), rays(rays), voices(std::size_t(acoustics.getVoiceCount())) {
    acoustics.setVoiceStartReceiver(this);
}

Occlusion::~Occlusion() { acoustics.setVoiceStartReceiver(nullptr); }

float Occlusion::stoppedShare(const vector3df& source) const {
    vector3df toSource = source - listener;
    vector3df side = toSource.crossProduct(vector3df(0, 1, 0));
    if (side.getLengthSQ() < 1e-6f)
        side = vector3df(1, 0, 0);
    side.setLength(SPREAD);
    const vector3df up(0, SPREAD, 0);
    // Nothing below the source: a source on the floor would be found behind it.
    const vector3df points[RAYS_PER_VOICE] = {source, source + side, source - side,
                                              source + up + side * 0.5f, source + up - side * 0.5f};
    int stopped = 0;
    for (const vector3df& point : points) {
        vector3df way = point - listener;
        const float length = way.getLength();
        if (length > SHORT_BY && rays.blocked(listener, point - way * (SHORT_BY / length)))
            ++stopped;
    }
    return float(stopped) / float(RAYS_PER_VOICE);
}

void Occlusion::apply(int voice, float share) {
    acoustics.setVoiceOcclusion(voice, 1.0f - (1.0f - HIDDEN_GAIN) * share,
                                1.0f - (1.0f - HIDDEN_GAIN_HF) * share);
}

void Occlusion::onVoiceStart(int voice, const vsound::vec3df& position) {
    if (voice < 0 || voice >= int(voices.size()))
        return;
    Voice& state = voices[std::size_t(voice)];
    state.target = state.current = stoppedShare(vector3df(position.X, position.Y, position.Z));
    apply(voice, state.current);
}

void Occlusion::update(const vector3df& listenerPosition, float seconds) {
    listener = listenerPosition;
    const int count = int(voices.size());
    int budget = RAY_BUDGET;
    for (int visited = 0; visited < count && budget >= RAYS_PER_VOICE; ++visited) {
        const int voice = nextVoice;
        nextVoice = (nextVoice + 1) % count;
        vsound::vec3df position;
        if (!acoustics.getVoicePosition(voice, position))
            continue;
        voices[std::size_t(voice)].target = stoppedShare(vector3df(position.X, position.Y, position.Z));
        budget -= RAYS_PER_VOICE;
    }
    const float step = std::max(seconds, 0.0f) / OCCLUSION_GLIDE;
    for (int voice = 0; voice < count; ++voice) {
        Voice& state = voices[std::size_t(voice)];
        if (state.current == state.target)
            continue;
        state.current += std::clamp(state.target - state.current, -step, step);
        apply(voice, state.current);
    }
}
