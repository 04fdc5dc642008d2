// The run-time resolved OpenGL entry points.

#include "kestdialhudelement_gl_procs.h"

// GLX's resolver, declared here rather than through GL/glx.h, which would bring in Xlib's headers
// for this one function; its signature is fixed by the Linux OpenGL ABI.
extern "C" void (*glXGetProcAddressARB(const GLubyte* pName))();

namespace {

//! pName's entry point as the function type of pTarget.
template <class tFunction> void Resolve(tFunction& pTarget, const char* pName)
{
    pTarget = reinterpret_cast<tFunction>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(pName)));
}

KestGLProcs ResolveEntryPoints()
{
    KestGLProcs lProcs;
    Resolve(lProcs.mActiveTexture, "glActiveTexture");
    Resolve(lProcs.mClientActiveTexture, "glClientActiveTexture");
    Resolve(lProcs.mBlendEquation, "glBlendEquation");
    Resolve(lProcs.mBindBuffer, "glBindBuffer");
    Resolve(lProcs.mUseProgram, "glUseProgram");
    Resolve(lProcs.mGetStringi, "glGetStringi");
    Resolve(lProcs.mObjectLabel, "glObjectLabel");
    Resolve(lProcs.mGetObjectLabel, "glGetObjectLabel");
    return lProcs;
}

} // namespace

const KestGLProcs& KestGLEntryPoints()
{
    static const KestGLProcs sProcs = ResolveEntryPoints();
    return sProcs;
}
