#ifndef KESTDIALHUDELEMENT_FACE_H
#define KESTDIALHUDELEMENT_FACE_H
// KestTextureFace: an FTGL texture font that lays out its glyph atlases itself, the same way
// with every FTGL release the plug-in is built on.
//
// FTGL 2.1.3 sizes a face's atlas as the next power of two of its rows of cells, with no room
// for the 3-pixel margin at which the first row starts, and uploads glyphs unclipped: a glyph
// that reaches past the atlas's last line is never uploaded, draws blank and leaves
// GL_INVALID_VALUE in the host's context. FTGL 2.4 counts the margin. Through FTGL's glyph
// hook, this face places every glyph as FTGL 2.4 does (the same cells, the same atlas sizes, the
// same GL calls), whichever FTGL it runs on.

#include "kestdialhudelement_gl_context.h"

#include <FTGL/ftgl.h>
#include <GL/gl.h>

#include <cstddef>
#include <vector>

class KestTextureFace : public FTTextureFont {
public:
    //! A face on a font in memory, which must outlive it (FTGL does not copy it).
    KestTextureFace(const unsigned char* pFontData, size_t pFontSize);
    ~KestTextureFace() override;
    KestTextureFace(const KestTextureFace&) = delete;
    KestTextureFace& operator=(const KestTextureFace&) = delete;

    using FTTextureFont::FaceSize;
    //! Sizes the face; its glyphs and atlases are dropped, to be made again as they are drawn.
    bool FaceSize(unsigned int pSize, unsigned int pResolution = 72) override;

    //! Bytes of texture memory that the face's atlases hold now (one byte a pixel).
    size_t AtlasBytes() const;

    //! The context that the face's atlases are made in: the one it is drawn in, set before each
    //! draw while it holds no atlases. Its atlases are deleted only there.
    KestGLContextId Context() const { return mContext; }
    void SetContext(KestGLContextId pContext);

protected:
    //! Renders a glyph into the current atlas, starting a row or an atlas where it has no room.
    FTGlyph* MakeGlyph(FT_GlyphSlot pSlot) override;

private:
    void SizeCells(FT_Face pFace);
    void StartAtlas(FT_Face pFace);
    void ReleaseAtlases();

    std::vector<GLuint> mAtlases;
    KestGLContextId mContext;
    GLsizei mMaxTextureSize; //!< GL_MAX_TEXTURE_SIZE, asked on the first atlas in mContext
    GLsizei mAtlasWidth;
    GLsizei mAtlasHeight;
    int mCellWidth;
    int mCellHeight;
    int mX; //!< where the next glyph goes in the current atlas
    int mY;
};

#endif // KESTDIALHUDELEMENT_FACE_H
