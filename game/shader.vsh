// Wave-lit surfaces, vertex stage: hands the fragment stage the world position and normal the
// waves are measured against.
//
// Built for an exact number of waves, the game may also define WAVE_VARYINGS (records handed on
// here, two flat vec4s each), add the part of shader2.fsh that works a record out, and raise
// the version to 1.30: a record read once per vertex and passed on costs a software rasteriser
// far less than the same record read at every pixel, and so does what is worked out from it
// here rather than at every pixel.
#version 120

uniform mat4 modelMatrix;   // object to world

varying vec3 worldPosition;
varying vec3 worldNormal;

#ifdef WAVE_VARYINGS
uniform float waveData[9 * WAVE_COUNT + 9];
flat out vec4 waveShells[2 * WAVE_VARYINGS];

// liftedColour and wakeSlope are shader2.fsh's own, put here by the game after its definitions
// (the same formula; the rasteriser may round it a last bit differently here).

// What the pixel stage needs of each record and what stays the same across a surface, worked
// out once here: centre and radius; colour lifted by the intensity, and the wake's slope.
void passRecords()
{
    for (int w = 0; w < WAVE_VARYINGS; ++w) {
        int r = 9 * w;
        waveShells[2 * w] = vec4(waveData[r], waveData[r + 1], waveData[r + 2], waveData[r + 6]);
        waveShells[2 * w + 1] = vec4(liftedColour(vec3(waveData[r + 3], waveData[r + 4],
                                                       waveData[r + 5]), waveData[r + 7]),
                                     wakeSlope(waveData[r + 8]));
    }
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
