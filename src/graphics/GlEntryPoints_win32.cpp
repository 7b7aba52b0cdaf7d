// The OpenGL calls past 1.1 that the direct draws make. Windows' opengl32 exports only 1.1; the
// driver hands out the rest through wglGetProcAddress, for the context current at the time.
#define GL_GLEXT_PROTOTYPES
#include <windows.h>

#include <GL/gl.h>
#include <GL/glext.h>

namespace {

// One entry point, looked up again whenever another context is current.
class Entry {
public:
    explicit Entry(const char* name) : name(name) {}

    template <typename F>
    F get() {
        HGLRC now = wglGetCurrentContext();
        if (now != context) {
            proc = wglGetProcAddress(name);
            context = now;
        }
        return reinterpret_cast<F>(reinterpret_cast<void*>(proc));
    }

private:
    const char* name;
    HGLRC context = nullptr;
    PROC proc = nullptr;
};

}  // namespace

// A driver without one of these has no shaders either: the direct draws are then never taken,
// and a stray call does nothing rather than jump to null.
#define VELMORA_GL_FORWARD(name, type, params, args) \
    void APIENTRY name params {                     \
        static Entry entry(#name);                  \
        if (type f = entry.get<type>()) f args;     \
    }

VELMORA_GL_FORWARD(glBindBuffer, PFNGLBINDBUFFERPROC, (GLenum target, GLuint buffer), (target, buffer))
VELMORA_GL_FORWARD(glUseProgram, PFNGLUSEPROGRAMPROC, (GLuint program), (program))
VELMORA_GL_FORWARD(glUniform1fv, PFNGLUNIFORM1FVPROC, (GLint location, GLsizei count, const GLfloat* value),
                   (location, count, value))
VELMORA_GL_FORWARD(glUniformMatrix4fv, PFNGLUNIFORMMATRIX4FVPROC,
                   (GLint location, GLsizei count, GLboolean transpose, const GLfloat* value),
                   (location, count, transpose, value))
VELMORA_GL_FORWARD(glDrawRangeElements, PFNGLDRAWRANGEELEMENTSPROC,
                   (GLenum mode, GLuint start, GLuint end, GLsizei count, GLenum type, const void* indices),
                   (mode, start, end, count, type, indices))

GLint APIENTRY glGetUniformLocation(GLuint program, const GLchar* name) {
    static Entry entry("glGetUniformLocation");
    auto f = entry.get<PFNGLGETUNIFORMLOCATIONPROC>();
    return f ? f(program, name) : -1;
}
