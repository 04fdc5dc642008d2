#ifndef KESTDIALHUDELEMENT_GL_PROFILE_H
#define KESTDIALHUDELEMENT_GL_PROFILE_H
// What an OpenGL context offers the dial: read once for each context the dial draws in.

#include <GL/gl.h>

//! What the current context offers the dial, from its version, profile and extensions.
struct KestGLContextProfile {
    bool mFixedFunction;    //!< false in a core-profile or forward-compatible context: nothing is drawn
    int mVersion;           //!< major * 10 + minor; 0 where no context answers
    bool mUnpackBuffers;    //!< GL_PIXEL_UNPACK_BUFFER exists (OpenGL 2.1, ARB_pixel_buffer_object)
    bool mTextureRectangle; //!< GL_TEXTURE_RECTANGLE can be enabled (OpenGL 3.1, ARB_texture_rectangle)
    bool mVertexProgram;    //!< GL_VERTEX_PROGRAM_ARB can be enabled (ARB_vertex_program)
    bool mFragmentProgram;  //!< GL_FRAGMENT_PROGRAM_ARB can be enabled (ARB_fragment_program)
    bool mObjectLabels;     //!< objects can be labelled (OpenGL 4.3, KHR_debug)
};

//! Reads the current context's profile. Only string and integer queries of fixed values, none of
//! which is an error in any context. Without a current context, the classic OpenGL 1.1 profile.
KestGLContextProfile KestReadContextProfile();

#endif // KESTDIALHUDELEMENT_GL_PROFILE_H
