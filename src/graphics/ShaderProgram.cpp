// The shader calls of OpenGL 2.0, which libGL exports.
#define GL_GLEXT_PROTOTYPES
#include "graphics/ShaderProgram.h"

#include <GL/glext.h>

namespace Graphics {

ShaderProgram currentProgram() {
    ShaderProgram shader;
    GLint program = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    if (program <= 0) return shader;
    shader.program = static_cast<GLuint>(program);
    shader.modelMatrix = glGetUniformLocation(shader.program, "modelMatrix");
    shader.waveData = glGetUniformLocation(shader.program, "waveData");
    return shader;
}

}  // namespace Graphics
