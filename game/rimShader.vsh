// Rim-lit objects (the carried object, the weapon), vertex stage: the world position and normal
// for the waves, and the eye-space ones for the rim.
#version 120

uniform mat4 modelMatrix;   // object to world

varying vec3 worldPosition;
varying vec3 worldNormal;
varying vec3 eyePosition;
varying vec3 eyeNormal;

void main()
{
    vec4 world = modelMatrix * gl_Vertex;
    worldPosition = world.xyz;
    worldNormal = mat3(modelMatrix) * gl_Normal;
    eyePosition = (gl_ModelViewMatrix * gl_Vertex).xyz;
    eyeNormal = gl_NormalMatrix * gl_Normal;
    gl_FrontColor = gl_Color;
    gl_Position = ftransform();
}
