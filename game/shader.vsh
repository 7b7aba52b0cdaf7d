// Wave-lit surfaces, vertex stage: hands the fragment stage the world position and normal the
// waves are measured against.
//
// Built for an exact number of waves, the game may also define WAVE_VARYINGS (records handed on
// here, as WAVE_SLOTS flat vec4s) and raise the version to 1.30: a record read once per vertex
// and passed on costs a software rasteriser far less than the same record read at every pixel.
#version 120

uniform mat4 modelMatrix;   // object to world

varying vec3 worldPosition;
varying vec3 worldNormal;

#ifdef WAVE_VARYINGS
uniform float waveData[9 * WAVE_COUNT + 9];
flat out vec4 waveRecords[WAVE_SLOTS];
#endif

void main()
{
    vec4 world = modelMatrix * gl_Vertex;
    worldPosition = world.xyz;
    worldNormal = mat3(modelMatrix) * gl_Normal;
    gl_FrontColor = gl_Color;
    gl_Position = ftransform();
#ifdef WAVE_VARYINGS
    for (int i = 0; i < WAVE_SLOTS; ++i)
        waveRecords[i] = vec4(waveData[4 * i], waveData[4 * i + 1], waveData[4 * i + 2],
                              waveData[4 * i + 3]);
#endif
}
