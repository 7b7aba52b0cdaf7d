// Rim-lit objects (the carried object, the weapon): the wave light of the level's surfaces, plus
// a faint glow of the object's own colour and a brighter rim along its outline, so that they
// stay readable in the dark, a face turned to the eye too. The glow lights nothing else.
//
// waveData holds nine-float records: centre x, y, z; colour r, g, b; radius; intensity; trail
// (-1 for a glow). A record of nine -1 ends the list. The array holds 64 records (576 floats):
// records past the 64th are not seen.
//
// A pulse lights a crisp front at its radius and a fainter wake that fades out over its trail
// behind it; a glow lights everything inside its sphere. Light is wave colour x surface colour,
// brighter for brighter waves, and the waves add up. Upright surfaces catch more of it, so walls
// and the faces of objects stand out from the floor a footstep runs along.
//
// Every fragment pays for every wave, so the loop body is kept to one square root, one division
// and no other costly step.
#version 120

const int MAX_WAVES = 64;
const float FRONT = 0.3;   // world units over which a front rises to full brightness

uniform float waveData[576];

varying vec3 worldPosition;
varying vec3 worldNormal;
varying vec3 eyePosition;
varying vec3 eyeNormal;

const float GLOW = 0.12;  // brightness of the whole object against a white surface
const float RIM = 0.22;   // added along the outline

void main()
{
    float upright = 1.0 - abs(normalize(worldNormal).y);
    vec3 light = vec3(0.0);
    for (int i = 0; i < MAX_WAVES; ++i) {
        int r = i * 9;
        float radius = waveData[r + 6];
        float intensity = waveData[r + 7];
        if (intensity == -1.0 && radius == -1.0)
            break;
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
        light += vec3(waveData[r + 3], waveData[r + 4], waveData[r + 5]) * amount;
    }
    float edgeOn = 1.0 - abs(dot(normalize(eyeNormal), normalize(eyePosition)));
    light = (1.1 + 0.5 * upright) * light + vec3(GLOW + RIM * edgeOn * edgeOn * edgeOn);
    gl_FragColor = vec4(light * gl_Color.rgb, 1.0);
}
