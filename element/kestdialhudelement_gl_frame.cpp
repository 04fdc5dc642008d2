// The OpenGL frame of a draw.

#include "kestdialhudelement_gl_frame.h"
#include "kestdialhudelement_gl_procs.h"

namespace {

//! The attribute groups that the frame saves: colour, matrix mode, enables, blending and alpha
//! test, display-list base, polygon mode and culling, shade model, pixel transfer.
const GLbitfield kSavedGroups = GL_CURRENT_BIT | GL_TRANSFORM_BIT | GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_LIST_BIT |
                                GL_POLYGON_BIT | GL_LIGHTING_BIT | GL_PIXEL_MODE_BIT;

//! The targets that the passes draw without a texture, each one that the context has; the 2D
//! one is enabled again by FTGL while it renders text.
void DisableTextureTargets(const KestGLContextProfile& pProfile)
{
    glDisable(GL_TEXTURE_1D);
    glDisable(GL_TEXTURE_2D);
    if (pProfile.mVersion >= 12) glDisable(GL_TEXTURE_3D);
    if (pProfile.mVersion >= 13) glDisable(GL_TEXTURE_CUBE_MAP);
    if (pProfile.mTextureRectangle) glDisable(GL_TEXTURE_RECTANGLE);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    glDisable(GL_TEXTURE_GEN_R);
    glDisable(GL_TEXTURE_GEN_Q);
}

} // namespace

KestGLFrame::KestGLFrame(const KestGLContextProfile& pProfile)
    : mProfile(pProfile)
    , mProgram(0)
    , mActiveTexture(GL_TEXTURE0)
    , mClientActiveTexture(GL_TEXTURE0)
    , mTextureEnvMode(GL_MODULATE)
    , mColorSum(0)
{
}

bool KestGLFrame::Open()
{
    GLint lViewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, lViewport);
    if (lViewport[2] <= 0 || lViewport[3] <= 0) return false;

    glPushAttrib(kSavedGroups);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT); // the unpack parameters and buffer binding
    SaveAndReset();
    SetProjection(lViewport);
    SetPipeline();
    SetUnpacking();
    return true;
}

//! The states that no saved group holds: each is read, then set to the dial's. The queries are of
//! state that drivers keep on the client side, so none waits for the GPU.
void KestGLFrame::SaveAndReset()
{
    const KestGLProcs& lProcs = KestGLEntryPoints();
    if (mProfile.mVersion >= 20) {
        glGetIntegerv(GL_CURRENT_PROGRAM, &mProgram);
        lProcs.mUseProgram(0);
    }
    // The secondary-colour enable belongs to the enable group, but Mesa's does not restore it.
    if (mProfile.mVersion >= 14) {
        glGetIntegerv(GL_COLOR_SUM, &mColorSum);
        glDisable(GL_COLOR_SUM);
    }
    if (mProfile.mVersion >= 13) {
        glGetIntegerv(GL_ACTIVE_TEXTURE, &mActiveTexture);
        lProcs.mActiveTexture(GL_TEXTURE0);
        glGetIntegerv(GL_CLIENT_ACTIVE_TEXTURE, &mClientActiveTexture);
        lProcs.mClientActiveTexture(GL_TEXTURE0);
    }
    // Of unit 0, as is the texture matrix.
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mTextureEnvMode);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glMatrixMode(GL_TEXTURE);
    glPushMatrix();
    glLoadIdentity();
}

//! Pixel coordinates, the projection current as the passes and FTGL expect it.
void KestGLFrame::SetProjection(const GLint (&pViewport)[4])
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, static_cast<double>(pViewport[2]), 0.0, static_cast<double>(pViewport[3]), -1.0, 1.0);
}

//! Blending over the viewer, filled and smooth-shaded polygons of either winding, and nothing
//! between the colours given and the pixels: no lighting, test, logic op, stipple, secondary
//! colour (set above), texture or assembly program.
void KestGLFrame::SetPipeline()
{
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (mProfile.mVersion >= 14) KestGLEntryPoints().mBlendEquation(GL_FUNC_ADD);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glLineWidth(1.0f);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glShadeModel(GL_SMOOTH);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_COLOR_LOGIC_OP);
    glDisable(GL_POLYGON_SMOOTH);
    glDisable(GL_POLYGON_STIPPLE);
    glDisable(GL_LINE_STIPPLE);
    if (mProfile.mVertexProgram) glDisable(GL_VERTEX_PROGRAM_ARB);
    if (mProfile.mFragmentProgram) glDisable(GL_FRAGMENT_PROGRAM_ARB);
    DisableTextureTargets(mProfile);
}

//! The default unpacking for the glyph uploads and the atlas clears of the passes: from client
//! memory, rows packed as given, alpha unscaled.
void KestGLFrame::SetUnpacking()
{
    if (mProfile.mUnpackBuffers) KestGLEntryPoints().mBindBuffer(GL_PIXEL_UNPACK_BUFFER, 0);
    glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelTransferi(GL_MAP_COLOR, GL_FALSE);
    glPixelTransferf(GL_ALPHA_SCALE, 1.0f);
    glPixelTransferf(GL_ALPHA_BIAS, 0.0f);
}

void KestGLFrame::Close()
{
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glMatrixMode(GL_TEXTURE);
    glPopMatrix();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, mTextureEnvMode);
    const KestGLProcs& lProcs = KestGLEntryPoints();
    if (mProfile.mVersion >= 13) {
        lProcs.mClientActiveTexture(static_cast<GLenum>(mClientActiveTexture));
        lProcs.mActiveTexture(static_cast<GLenum>(mActiveTexture));
    }
    if (mProfile.mVersion >= 20) lProcs.mUseProgram(static_cast<GLuint>(mProgram));
    glPopClientAttrib();
    glPopAttrib();
    if (mColorSum) glEnable(GL_COLOR_SUM);
}
