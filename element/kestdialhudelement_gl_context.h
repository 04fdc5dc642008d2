#ifndef KESTDIALHUDELEMENT_GL_CONTEXT_H
#define KESTDIALHUDELEMENT_GL_CONTEXT_H
// The OpenGL contexts that dials draw in, told apart, and the texture names that wait to be
// deleted in their own context.
//
// A texture name means something only in the context, or share group, that made it, and a host
// may draw its HUD in several contexts, destroy one and make another (which the allocator often
// gives the old one's address). So a context is known by two things: the handle that EGL or GLX
// reports as current (both looked up at run time, so that the plug-in links neither), and a
// marker, a texture that the registry made there and labelled with the context's own number. A
// known handle whose marker is gone is a new context at an old address: what was made in the old
// one died with it.
// Where the process has neither API loaded, whatever context is current is taken as one, told
// from a remade one by its marker alone.
//
// Texture names of a context that is not current wait, at most kKestMaxWaitingTextures of them
// for the whole process, and are deleted on the next draw of any dial in their context. Names of
// a context that never comes back, or is forgotten (at most kKestMaxKnownContexts are known, the
// least recently drawn in forgotten first), are left to die with it.
//
// Threads: the host calls its plug-ins' elements from one thread at a time, so the registry,
// like the rest of the element, takes no lock.

#include "kestdialhudelement_gl_profile.h"

#include <GL/gl.h>

//! A context as the registry knows it; never reused within a process.
typedef unsigned long long KestGLContextId;

//! No context: none current, or none that a dial may draw in.
const KestGLContextId kKestNoGLContext = 0;

//! Contexts known at once, over every dial of the process.
const int kKestMaxKnownContexts = 8;
//! Texture names that wait for their context at once, over every dial of the process.
const int kKestMaxWaitingTextures = 1024;

//! The context current now, for a draw in it: made known on its first draw (its marker made and
//! its profile read), and the names that wait for it deleted; pProfile is what it offers.
//! kKestNoGLContext, with no GL call but the profile's, when EGL or GLX reports no current one.
KestGLContextId KestEnterGLContext(KestGLContextProfile& pProfile);

//! Deletes pCount texture names made in pContext when it is the context current now; otherwise
//! they wait for it, or are left to it when it is forgotten. Makes no GL call on any other
//! context, and none at all when no context is current.
void KestReleaseGLTextures(KestGLContextId pContext, const GLuint* pNames, GLsizei pCount);

//! Texture names waiting for their context now.
int KestWaitingGLTextureCount();

#endif // KESTDIALHUDELEMENT_GL_CONTEXT_H
