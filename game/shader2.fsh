// Wave-lit surfaces: dark except where a sound wave passes.
//
// waveData holds nine-float records: centre x, y, z; colour r, g, b; radius; intensity; trail
// (-1 for a glow). A record of nine -1 ends the list. The shader reads at most 64 records:
// records past the 64th are not seen.
//
// A pulse lights a crisp front at its radius and a fainter wake that fades out over its trail
// behind it; a glow lights everything inside its sphere. Light is wave colour x surface colour,
// brighter for brighter waves, and the waves add up. Upright surfaces catch more of it, so walls
// and the faces of objects stand out from the floor a footstep runs along.
//
// Every fragment pays for every wave, so the wave's light is kept to one square root, one
// division and no other costly step. The game also builds this file for an exact number of
// waves: it then defines WAVE_COUNT (records sent, besides the end marker) and WAVE_SUM (the
// sum of waveLight over those records, written out so that every index is a constant, or over
// the first ones and then addWaves for the rest), and may define WAVE_VARYINGS: the first
// records then come from the vertex stage (see shader.vsh).
#version 120

#ifndef WAVE_COUNT
#define WAVE_COUNT 64
#endif

const float FRONT = 0.3;   // world units over which a front rises to full brightness

uniform float waveData[9 * WAVE_COUNT + 9];   // the records and the end marker

varying vec3 worldPosition;
varying vec3 worldNormal;

// Light of the record that starts at waveData[r], before the surface's own colour.
vec3 waveLight(int r)
{
    float radius = waveData[r + 6];
    float intensity = waveData[r + 7];
    float trail = waveData[r + 8];
    vec3 toSurface = worldPosition - vec3(waveData[r], waveData[r + 1], waveData[r + 2]);
    float behind = radius - sqrt(dot(toSurface, toSurface));
    float rise = clamp(behind * (1.0 / FRONT) + 1.0, 0.0, 1.0);
    float front = clamp(1.0 - behind * (0.5 / FRONT), 0.0, 1.0);
    // A glow's trail of -1 turns the wake into a full disc.
    float wake = clamp(1.0 - behind / trail, 0.0, 1.0) * (trail < 0.0 ? 1.0 : 0.5);
    // Faint waves are lifted (1 - (1 - i)^4) so a dying footstep still shows the room.
    float fade = 1.0 - intensity;
    fade *= fade;
    float amount = (1.0 - fade * fade) * rise * max(front, wake);
    return vec3(waveData[r + 3], waveData[r + 4], waveData[r + 5]) * amount;
}

#ifdef WAVE_VARYINGS
flat in vec4 waveRecords[WAVE_SLOTS];

float passedField(int i)
{
    return waveRecords[i / 4][i - 4 * (i / 4)];
}

// waveLight for the record that the vertex stage handed on from waveData[r], already worked out
// as far as it can be there (see shader.vsh). Its rise * max(front, wake) is taken in fewer
// steps, to the same bits: ahead of the radius the front and the wake are full and only the rise
// counts; behind it the rise is full.
vec3 passedLight(int r)
{
    vec3 toSurface = worldPosition - vec3(passedField(r), passedField(r + 1), passedField(r + 2));
    float behind = passedField(r + 6) - sqrt(dot(toSurface, toSurface));
    float front = 1.0 - behind * (0.5 / FRONT);
    float top = passedField(r + 8);
    float wake = min(top - behind * passedField(r + 7), top);
    float amount = clamp(min(behind * (1.0 / FRONT) + 1.0, max(front, wake)), 0.0, 1.0);
    return vec3(passedField(r + 3), passedField(r + 4), passedField(r + 5)) * amount;
}
#endif

// `light` plus every record from waveData[first] up to the end marker.
vec3 addWaves(vec3 light, int first)
{
    for (int r = first; r < 9 * WAVE_COUNT; r += 9) {
        if (waveData[r + 7] == -1.0 && waveData[r + 6] == -1.0)
            break;
        light += waveLight(r);
    }
    return light;
}

#ifndef WAVE_SUM
#define WAVE_SUM addWaves(vec3(0.0), 0)
#endif

void main()
{
    float upright = 1.0 - abs(normalize(worldNormal).y);
    vec3 light = WAVE_SUM;
    gl_FragColor = vec4((1.1 + 0.5 * upright) * light * gl_Color.rgb, 1.0);
}
