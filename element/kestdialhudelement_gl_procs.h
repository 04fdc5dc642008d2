#ifndef KESTDIALHUDELEMENT_GL_PROCS_H
#define KESTDIALHUDELEMENT_GL_PROCS_H
// The OpenGL entry points newer than OpenGL 1.2 that the dial calls, resolved at run time: the
// Linux OpenGL ABI guarantees only OpenGL 1.2's entry points and glXGetProcAddressARB, so the
// plug-in imports no newer one from libGL and loads with any libGL. An entry point that
// resolves may still be missing from the current context: a caller checks the context's
// version before calling it.

#include <GL/gl.h>

struct KestGLProcs {
    void (*mActiveTexture)(GLenum pUnit);                       //!< OpenGL 1.3
    void (*mClientActiveTexture)(GLenum pUnit);                 //!< OpenGL 1.3
    void (*mBlendEquation)(GLenum pMode);                       //!< OpenGL 1.4
    void (*mBindBuffer)(GLenum pTarget, GLuint pBuffer);        //!< OpenGL 1.5
    void (*mUseProgram)(GLuint pProgram);                       //!< OpenGL 2.0
    const GLubyte* (*mGetStringi)(GLenum pName, GLuint pIndex); //!< OpenGL 3.0
    //! OpenGL 4.3, KHR_debug
    void (*mObjectLabel)(GLenum pKind, GLuint pName, GLsizei pLength, const char* pLabel);
    void (*mGetObjectLabel)(GLenum pKind, GLuint pName, GLsizei pSize, GLsizei* pLength, char* pLabel);
};

//! The entry points, resolved on the first call; null where libGL has none. They do not depend on
//! the context (glXGetProcAddressARB's answers hold for every context of the process).
const KestGLProcs& KestGLEntryPoints();

#endif // KESTDIALHUDELEMENT_GL_PROCS_H
