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
// division and no other costly step, and what stays the same across a surface is worked out
// apart from what changes at each pixel. The game also builds this file for an exact number of
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

// Shared with the vertex stage: begin (the game copies what follows into it when it hands
// records on there, so that both stages work out a record alike)

// Faint waves are lifted (1 - (1 - i)^4) so a dying footstep still shows the room.
vec3 liftedColour(vec3 colour, float intensity)
{
    float fade = 1.0 - intensity;
    fade *= fade;
    return colour * (1.0 - fade * fade);
}

// How steeply a pulse's wake fades behind its radius: from half the front's brightness to none
// over the trail. A glow (trail below 0) lights its whole sphere: its slope is so steep the
// wake outshines the front anywhere behind the radius.
float wakeSlope(float trail)
{
    return trail < 0.0 ? -3.0e38 : 0.5 / trail;
}

// Shared with the vertex stage: end

// Light of a shell around `centre`, before the surface's own colour. Ahead of the radius only
// the rising front counts (the front and the wake are above 1 there, the rise below); behind
// it, the fading front or the wake, whichever is brighter.
vec3 shellLight(vec3 centre, float radius, vec3 colour, float slope)
{
    vec3 toSurface = worldPosition - centre;
    float behind = radius - sqrt(dot(toSurface, toSurface));
    float rise = behind * (1.0 / FRONT) + 1.0;
    float front = 1.0 - behind * (0.5 / FRONT);
    float wake = 0.5 - behind * slope;
    return colour * clamp(min(rise, max(front, wake)), 0.0, 1.0);
}

// Light of the record that starts at waveData[r].
vec3 waveLight(int r)
{
    return shellLight(vec3(waveData[r], waveData[r + 1], waveData[r + 2]), waveData[r + 6],
                      liftedColour(vec3(waveData[r + 3], waveData[r + 4], waveData[r + 5]),
                                   waveData[r + 7]),
                      wakeSlope(waveData[r + 8]));
}

#ifdef WAVE_VARYINGS
// Two per record: centre and radius; lifted colour and wake slope (see shader.vsh).
flat in vec4 waveShells[2 * WAVE_VARYINGS];

// waveLight of the record the vertex stage handed on from waveData[r].
vec3 passedLight(int r)
{
    vec4 shell = waveShells[2 * (r / 9)];
    vec4 light = waveShells[2 * (r / 9) + 1];
    return shellLight(shell.xyz, shell.w, light.rgb, light.a);
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
