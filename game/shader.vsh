// Wave-lit surfaces, vertex stage: hands the fragment stage the world position and normal the
// waves are measured against.
//
// Built for an exact number of waves, the game may also define WAVE_VARYINGS (records handed on
// here, as WAVE_SLOTS flat vec4s) and raise the version to 1.30: a record read once per vertex
// and passed on costs a software rasteriser far less than the same record read at every pixel,
// and so does what is worked out from it here rather than at every pixel.
#version 120

uniform mat4 modelMatrix;   // object to world

varying vec3 worldPosition;
varying vec3 worldNormal;

#ifdef WAVE_VARYINGS
uniform float waveData[9 * WAVE_COUNT + 9];
flat out vec4 waveRecords[WAVE_SLOTS];

// What the pixel stage needs of a record and what stays the same across a surface, worked out
// once here: centre; colour times the lifted intensity; radius; the wake's slope and its top.
void passRecords()
{
    float passed[4 * WAVE_SLOTS];
    for (int w = 0; w < WAVE_VARYINGS; ++w) {
        int r = 9 * w;
        // Faint waves are lifted (1 - (1 - i)^4) so a dying footstep still shows the room.
        float fade = 1.0 - waveData[r + 7];
        fade *= fade;
        float lift = 1.0 - fade * fade;
        float trail = waveData[r + 8];
        // A glow's trail of -1 turns the wake into a full disc; a pulse's wake is half as bright.
        float top = trail < 0.0 ? 1.0 : 0.5;
        passed[r] = waveData[r];
        passed[r + 1] = waveData[r + 1];
        passed[r + 2] = waveData[r + 2];
        passed[r + 3] = waveData[r + 3] * lift;
        passed[r + 4] = waveData[r + 4] * lift;
        passed[r + 5] = waveData[r + 5] * lift;
        passed[r + 6] = waveData[r + 6];
        passed[r + 7] = top / trail;
        passed[r + 8] = top;
    }
    for (int i = 9 * WAVE_VARYINGS; i < 4 * WAVE_SLOTS; ++i)
        passed[i] = 0.0;
    for (int i = 0; i < WAVE_SLOTS; ++i)
        waveRecords[i] = vec4(passed[4 * i], passed[4 * i + 1], passed[4 * i + 2], passed[4 * i + 3]);
}
#endif

void main()
{
    vec4 world = modelMatrix * gl_Vertex;
    worldPosition = world.xyz;
    worldNormal = mat3(modelMatrix) * gl_Normal;
    gl_FrontColor = gl_Color;
    gl_Position = ftransform();
#ifdef WAVE_VARYINGS
    passRecords();
#endif
}
