#pragma once
// A linked wave-lit shader as OpenGL knows it, for the draws that go to OpenGL directly: its
// program and where its two uniforms live (-1 where the compiler dropped one).

#include <GL/gl.h>

namespace Graphics {

struct ShaderProgram {
    GLuint program = 0;   // 0: not known, draw through the renderer
    GLint modelMatrix = -1;
    GLint waveData = -1;
};

// The program bound now and its uniforms.
ShaderProgram currentProgram();

}  // namespace Graphics
