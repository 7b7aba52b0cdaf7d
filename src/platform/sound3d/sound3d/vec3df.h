#pragma once

namespace vsound {

// A position or direction in the game's world: y up, left-handed (looking along +z, +x is to
// the right). The engine converts to the audio library's right-handed frame itself.
struct vec3df {
    float X = 0.0f, Y = 0.0f, Z = 0.0f;

    vec3df() = default;
    vec3df(float x, float y, float z) : X(x), Y(y), Z(z) {}

    // Any vector with public X, Y, Z converts, so scene positions can be passed as they are.
    template <class V>
    vec3df(const V& v) : X(float(v.X)), Y(float(v.Y)), Z(float(v.Z)) {}
};

}  // namespace vsound
