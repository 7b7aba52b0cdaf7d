#pragma once
// The game's world is left-handed, OpenAL's right-handed, both with y up: a vector crosses
// between them with its z negated, the same way in both directions.

#include "sound3d/vec3df.h"

#include <AL/al.h>

namespace vsound {

inline vec3df acrossFrames(const vec3df& v) { return vec3df(v.X, v.Y, -v.Z); }

inline void setSourceVector(ALuint source, ALenum parameter, const vec3df& v) {
    const vec3df al = acrossFrames(v);
    alSource3f(source, parameter, al.X, al.Y, al.Z);
}

inline void setListenerVector(ALenum parameter, const vec3df& v) {
    const vec3df al = acrossFrames(v);
    alListener3f(parameter, al.X, al.Y, al.Z);
}

}  // namespace vsound
