// What an OpenGL context offers the dial.

#include "kestdialhudelement_gl_profile.h"
#include "kestdialhudelement_gl_procs.h"

#include <cstring>

namespace {

//! "major.minor" at the start of GL_VERSION as major * 10 + minor; 0 without a context.
int VersionOf(const GLubyte* pVersion)
{
    if (!pVersion) return 0;
    const char* lText = reinterpret_cast<const char*>(pVersion);
    int lMajor = 0;
    for (; *lText >= '0' && *lText <= '9' && lMajor < 100; ++lText) lMajor = 10 * lMajor + (*lText - '0');
    if (*lText != '.' || lText[1] < '0' || lText[1] > '9') return 0;
    return 10 * lMajor + (lText[1] - '0');
}

//! Whether a space-separated extension list names pName.
bool ListsExtension(const GLubyte* pList, const char* pName)
{
    if (!pList) return false;
    const char* lList = reinterpret_cast<const char*>(pList);
    const std::size_t lLength = std::strlen(pName);
    for (const char* lAt = std::strstr(lList, pName); lAt; lAt = std::strstr(lAt + lLength, pName)) {
        const bool lStarts = lAt == lList || lAt[-1] == ' ';
        if (lStarts && (lAt[lLength] == ' ' || lAt[lLength] == '\0')) return true;
    }
    return false;
}

GLint Integer(GLenum pName)
{
    GLint lValue = 0;
    glGetIntegerv(pName, &lValue);
    return lValue;
}

//! An OpenGL 3.1 context keeps the fixed-function pipeline only with ARB_compatibility, which
//! only the indexed extension query can tell there.
bool HasCompatibilityExtension()
{
    const KestGLProcs& lProcs = KestGLEntryPoints();
    if (!lProcs.mGetStringi) return false;
    const GLint lCount = Integer(GL_NUM_EXTENSIONS);
    for (GLint i = 0; i < lCount; ++i) {
        const GLubyte* lName = lProcs.mGetStringi(GL_EXTENSIONS, static_cast<GLuint>(i));
        if (lName && std::strcmp(reinterpret_cast<const char*>(lName), "GL_ARB_compatibility") == 0) return true;
    }
    return false;
}

bool HasFixedFunction(int pVersion)
{
    if (pVersion >= 30 && (Integer(GL_CONTEXT_FLAGS) & GL_CONTEXT_FLAG_FORWARD_COMPATIBLE_BIT)) return false;
    if (pVersion >= 32) return !(Integer(GL_CONTEXT_PROFILE_MASK) & GL_CONTEXT_CORE_PROFILE_BIT);
    if (pVersion == 31) return HasCompatibilityExtension();
    return true;
}

} // namespace

KestGLContextProfile KestReadContextProfile()
{
    KestGLContextProfile lProfile = {true, VersionOf(glGetString(GL_VERSION)), false, false, false, false, false};
    lProfile.mFixedFunction = HasFixedFunction(lProfile.mVersion);
    lProfile.mObjectLabels = lProfile.mVersion >= 43;
    // The whole list is still readable through glGetString in every context with the pipeline.
    if (!lProfile.mFixedFunction || lProfile.mVersion == 0) return lProfile;
    const GLubyte* lExtensions = glGetString(GL_EXTENSIONS);
    lProfile.mUnpackBuffers = lProfile.mVersion >= 21 ||
                              (lProfile.mVersion >= 15 && ListsExtension(lExtensions, "GL_ARB_pixel_buffer_object"));
    lProfile.mTextureRectangle = lProfile.mVersion >= 31 || ListsExtension(lExtensions, "GL_ARB_texture_rectangle") ||
                                 ListsExtension(lExtensions, "GL_NV_texture_rectangle") ||
                                 ListsExtension(lExtensions, "GL_EXT_texture_rectangle");
    lProfile.mVertexProgram = ListsExtension(lExtensions, "GL_ARB_vertex_program");
    lProfile.mFragmentProgram = ListsExtension(lExtensions, "GL_ARB_fragment_program");
    lProfile.mObjectLabels = lProfile.mObjectLabels || ListsExtension(lExtensions, "GL_KHR_debug");
    return lProfile;
}
