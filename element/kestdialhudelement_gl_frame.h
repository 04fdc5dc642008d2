#ifndef KESTDIALHUDELEMENT_GL_FRAME_H
#define KESTDIALHUDELEMENT_GL_FRAME_H
// The OpenGL frame of a draw: what the current context offers, and the state that the dial sets
// around its passes and gives back to the host afterwards.
//
// A 3D viewer leaves much of its own state behind when it draws its HUD: a shader program,
// culling, wireframe polygons, lighting, pixel-unpack buffers and strides, another texture unit.
// The frame sets every state the passes and the glyph uploads depend on, and restores each one:
// most through the attribute stacks, the rest (which no attribute group holds, or which would
// cost a whole group) through queries of client-side state. It leaves to the host what the host
// may use to clip or tint a pane: the scissor box, the stencil test, the colour mask and fog.

#include "kestdialhudelement_gl_profile.h"

#include <GL/gl.h>

//! The frame of one draw, in a context with the fixed-function pipeline: Open sets the dial's
//! state and pixel coordinates for the viewport, Close gives the host's state back, but for the
//! line width and the 2D texture binding, which stay as the passes left them, as the dial has
//! always left them (hosts set both for their own draws).
class KestGLFrame {
public:
    explicit KestGLFrame(const KestGLContextProfile& pProfile);

    //! Saves the host's state and sets the dial's; false, with nothing changed, for an empty
    //! viewport, which shows nothing (and whose projection would be singular).
    bool Open();
    //! Gives back what Open saved; only after an Open that answered true.
    void Close();

private:
    void SaveAndReset();
    void SetProjection(const GLint (&pViewport)[4]);
    void SetPipeline();
    void SetUnpacking();

    KestGLContextProfile mProfile;
    GLint mProgram;       //!< the host's, when the context has programs
    GLint mActiveTexture; //!< the host's server and client texture units
    GLint mClientActiveTexture;
    GLint mTextureEnvMode; //!< the host's texture environment mode of unit 0
    GLint mColorSum;       //!< whether the host added the secondary colour
};

#endif // KESTDIALHUDELEMENT_GL_FRAME_H
