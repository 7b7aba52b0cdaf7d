// Wave-lit surfaces, vertex stage: hands the fragment stage the world position and normal the
// waves are measured against.
#version 120

uniform mat4 modelMatrix;   // object to world

varying vec3 worldPosition;
varying vec3 worldNormal;

void main()
{
    vec4 world = modelMatrix * gl_Vertex;
    worldPosition = world.xyz;
    worldNormal = mat3(modelMatrix) * gl_Normal;
    gl_FrontColor = gl_Color;
    gl_Position = ftransform();
}
