// The registry of the OpenGL contexts that dials draw in, and of the texture names waiting for
// theirs.

#include "kestdialhudelement_gl_context.h"
#include "kestdialhudelement_gl_procs.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

////////////////////////////////////////////////////////////////////////////////
// The window-system APIs, looked up at run time

typedef void* (*CurrentContextFunction)();

//! A function of a library that the process has loaded: first as the process's global scope
//! resolves it, then in the library itself, which a host may have loaded privately. Nothing is
//! loaded that the process has not loaded already.
CurrentContextFunction LoadedFunction(const char* pLibrary, const char* pName)
{
    void* lSymbol = dlsym(RTLD_DEFAULT, pName);
    if (!lSymbol) {
        // The reference is kept, so that the function outlives any dlclose of the host's.
        if (void* lLibrary = dlopen(pLibrary, RTLD_LAZY | RTLD_NOLOAD)) lSymbol = dlsym(lLibrary, pName);
    }
    CurrentContextFunction lFunction = nullptr;
    static_assert(sizeof(lFunction) == sizeof(lSymbol), "a function pointer is as wide as an object pointer");
    std::memcpy(&lFunction, &lSymbol, sizeof(lFunction));
    return lFunction;
}

enum WindowSystem { kNoWindowSystem, kEgl, kGlx };

//! The current-context functions of both APIs, each looked up once, on the first draw: a host has
//! made its context by then.
CurrentContextFunction CurrentContextOf(WindowSystem pSystem)
{
    static const CurrentContextFunction sEgl = LoadedFunction("libEGL.so.1", "eglGetCurrentContext");
    static const CurrentContextFunction sGlx = LoadedFunction("libGL.so.1", "glXGetCurrentContext");
    return pSystem == kEgl ? sEgl : sGlx;
}

//! A context as its window system names it.
struct ContextHandle {
    WindowSystem mSystem;
    const void* mHandle;
};

//! The handle of the context current on this thread, EGL's first; false when an API that the
//! process has reports none. With neither API, the handle is null, and the context is taken to be
//! whatever is current.
bool CurrentHandle(ContextHandle& pHandle)
{
    const CurrentContextFunction lEgl = CurrentContextOf(kEgl);
    const CurrentContextFunction lGlx = CurrentContextOf(kGlx);
    pHandle.mSystem = kNoWindowSystem;
    pHandle.mHandle = nullptr;
    if (!lEgl && !lGlx) return true;
    if (lEgl) pHandle.mHandle = lEgl();
    if (pHandle.mHandle) {
        pHandle.mSystem = kEgl;
        return true;
    }
    if (lGlx) pHandle.mHandle = lGlx();
    pHandle.mSystem = kGlx;
    return pHandle.mHandle != nullptr;
}

bool SameHandle(const ContextHandle& pA, const ContextHandle& pB)
{
    return pA.mSystem == pB.mSystem && pA.mHandle == pB.mHandle;
}

////////////////////////////////////////////////////////////////////////////////
// The marker

const GLenum kTextureLabelKind = GL_TEXTURE; // KHR_debug names textures as the matrix mode does

//! A marker's label: the element's name and the context's registry number, so that a marker of
//! another context (of a share group, or at the same name in another context) is not taken for it.
struct MarkerLabel {
    char mText[64];
};

MarkerLabel LabelFor(KestGLContextId pId)
{
    MarkerLabel lLabel;
    std::snprintf(lLabel.mText, sizeof(lLabel.mText), "Kest Dial HUD Element context %llu", pId);
    return lLabel;
}

//! KHR_debug's labels, where the context has them: null functions where it does not.
struct ObjectLabels {
    void (*mSet)(GLenum pKind, GLuint pName, GLsizei pLength, const char* pLabel);
    void (*mGet)(GLenum pKind, GLuint pName, GLsizei pSize, GLsizei* pLength, char* pLabel);
};

ObjectLabels LabelsOf(const KestGLContextProfile& pProfile)
{
    const KestGLProcs& lProcs = KestGLEntryPoints();
    const bool lHasLabels = pProfile.mObjectLabels && lProcs.mObjectLabel && lProcs.mGetObjectLabel;
    const ObjectLabels lLabels = {lHasLabels ? lProcs.mObjectLabel : nullptr,
                                  lHasLabels ? lProcs.mGetObjectLabel : nullptr};
    return lLabels;
}

//! Makes the marker of the current context: a texture bound once, so that it exists, and
//! labelled where the context has labels. The host's binding is given back.
GLuint MakeMarker(const ObjectLabels& pLabels, const MarkerLabel& pLabel)
{
    GLint lBound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &lBound);
    GLuint lMarker = 0;
    glGenTextures(1, &lMarker);
    glBindTexture(GL_TEXTURE_2D, lMarker);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(lBound));
    if (pLabels.mSet) pLabels.mSet(kTextureLabelKind, lMarker, -1, pLabel.mText);
    return lMarker;
}

//! Whether the marker is still the current context's: a texture of that name, with the marker's
//! label where labels can be read. Neither asks for anything but the name, so whatever texture of
//! the host's may carry it, none is bound. Without labels the name alone tells, which a host that
//! remakes its context at the same address and fills it with as many textures can mislead.
bool HoldsMarker(GLuint pMarker, const ObjectLabels& pLabels, const MarkerLabel& pLabel)
{
    if (!glIsTexture(pMarker)) return false;
    if (!pLabels.mGet) return true;
    MarkerLabel lFound;
    lFound.mText[0] = '\0';
    GLsizei lLength = 0;
    pLabels.mGet(kTextureLabelKind, pMarker, static_cast<GLsizei>(sizeof(lFound.mText)), &lLength, lFound.mText);
    lFound.mText[sizeof(lFound.mText) - 1] = '\0';
    return std::strcmp(lFound.mText, pLabel.mText) == 0;
}

////////////////////////////////////////////////////////////////////////////////
// The registry: plain arrays and counters, constant-initialized and never destroyed, so that
// faces may release their textures at any point of the process's teardown.

struct KnownContext {
    ContextHandle mHandle;
    GLuint mMarker;
    KestGLContextProfile mProfile;
    ObjectLabels mLabels;
    MarkerLabel mLabel;
    KestGLContextId mId; //!< kKestNoGLContext for a free entry
    unsigned long long mLastDraw;
};

struct WaitingTexture {
    KestGLContextId mContext;
    GLuint mName;
};

KnownContext sKnown[kKestMaxKnownContexts];
KestGLContextId sLastId = kKestNoGLContext;
unsigned long long sDrawClock = 0;
WaitingTexture sWaiting[kKestMaxWaitingTextures];
int sWaitingCount = 0;

KnownContext* KnownByHandle(const ContextHandle& pHandle)
{
    for (KnownContext& lKnown : sKnown)
        if (lKnown.mId != kKestNoGLContext && SameHandle(lKnown.mHandle, pHandle)) return &lKnown;
    return nullptr;
}

KnownContext* KnownById(KestGLContextId pId)
{
    if (pId == kKestNoGLContext) return nullptr;
    for (KnownContext& lKnown : sKnown)
        if (lKnown.mId == pId) return &lKnown;
    return nullptr;
}

//! Drops the names waiting for pContext without a GL call: they are its to keep or lose.
void ForgetWaiting(KestGLContextId pContext)
{
    int lKept = 0;
    for (int i = 0; i < sWaitingCount; ++i)
        if (sWaiting[i].mContext != pContext) sWaiting[lKept++] = sWaiting[i];
    sWaitingCount = lKept;
}

//! Deletes, in pContext, the names that wait for it.
void DeleteWaiting(KestGLContextId pContext)
{
    int lKept = 0;
    for (int i = 0; i < sWaitingCount; ++i) {
        if (sWaiting[i].mContext == pContext) glDeleteTextures(1, &sWaiting[i].mName);
        else sWaiting[lKept++] = sWaiting[i];
    }
    sWaitingCount = lKept;
}

void Forget(KnownContext& pKnown)
{
    ForgetWaiting(pKnown.mId);
    pKnown.mId = kKestNoGLContext;
}

//! The entry for a context first drawn in now: a free one, else the least recently drawn in.
KnownContext& FreeEntry()
{
    KnownContext* lOldest = &sKnown[0];
    for (KnownContext& lKnown : sKnown) {
        if (lKnown.mId == kKestNoGLContext) return lKnown;
        if (lKnown.mLastDraw < lOldest->mLastDraw) lOldest = &lKnown;
    }
    Forget(*lOldest);
    return *lOldest;
}

//! Knows the current context anew under pEntry, with a marker of its own: contexts that share
//! objects hold one another's markers too, and each is still told by its own.
void KnowAnew(KnownContext& pEntry, const ContextHandle& pHandle)
{
    pEntry.mHandle = pHandle;
    pEntry.mId = ++sLastId;
    pEntry.mProfile = KestReadContextProfile();
    pEntry.mLabels = LabelsOf(pEntry.mProfile);
    pEntry.mLabel = LabelFor(pEntry.mId);
    pEntry.mMarker = MakeMarker(pEntry.mLabels, pEntry.mLabel);
}

//! Whether pId names the context current now; no GL call where no context is current.
bool IsCurrent(KestGLContextId pId)
{
    const KnownContext* lKnown = KnownById(pId);
    ContextHandle lHandle;
    return lKnown && CurrentHandle(lHandle) && SameHandle(lKnown->mHandle, lHandle) &&
           HoldsMarker(lKnown->mMarker, lKnown->mLabels, lKnown->mLabel);
}

} // namespace

KestGLContextId KestEnterGLContext(KestGLContextProfile& pProfile)
{
    ContextHandle lHandle;
    if (!CurrentHandle(lHandle)) {
        pProfile = KestReadContextProfile();
        return kKestNoGLContext;
    }
    KnownContext* lKnown = KnownByHandle(lHandle);
    if (lKnown && !HoldsMarker(lKnown->mMarker, lKnown->mLabels, lKnown->mLabel)) {
        // A new context where a known one was: the old one, and all that waited for it, is gone.
        Forget(*lKnown);
        KnowAnew(*lKnown, lHandle);
    } else if (!lKnown) {
        lKnown = &FreeEntry();
        KnowAnew(*lKnown, lHandle);
    }
    lKnown->mLastDraw = ++sDrawClock;
    DeleteWaiting(lKnown->mId);
    pProfile = lKnown->mProfile;
    return lKnown->mId;
}

void KestReleaseGLTextures(KestGLContextId pContext, const GLuint* pNames, GLsizei pCount)
{
    if (pCount <= 0) return;
    if (IsCurrent(pContext)) {
        glDeleteTextures(pCount, pNames);
        return;
    }
    if (!KnownById(pContext)) return; // forgotten: its names are left to it
    for (GLsizei i = 0; i < pCount; ++i) {
        // Past the bound, the longest waiting name is left to its context.
        if (sWaitingCount == kKestMaxWaitingTextures) {
            std::memmove(&sWaiting[0], &sWaiting[1], sizeof(sWaiting[0]) * (kKestMaxWaitingTextures - 1));
            --sWaitingCount;
        }
        sWaiting[sWaitingCount].mContext = pContext;
        sWaiting[sWaitingCount].mName = pNames[i];
        ++sWaitingCount;
    }
}

int KestWaitingGLTextureCount() { return sWaitingCount; }
