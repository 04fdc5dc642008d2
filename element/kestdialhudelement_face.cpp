// KestTextureFace: glyph atlases laid out the same on every FTGL release.

#include "kestdialhudelement_face.h"

#include <cmath>

namespace {

//! Pixels kept clear around the atlas's edges and between glyphs, as FTGL keeps them.
const int kAtlasMargin = 3;

//! Largest cell side taken from a font's box; no face size the element uses comes near it, and
//! it keeps the atlas arithmetic within int whatever a font's header claims.
const int kMaxCellSide = 4096;

//! A length in pixels rounded to the nearest whole pixel, as FTGL rounds cell sides (in single
//! precision); at least 1, and NaN or lengths past kMaxCellSide give the nearest bound.
int CellSide(float pLength)
{
    const float lRounded = pLength + 0.5f;
    if (!(lRounded >= 1.0f)) return 1;
    if (lRounded >= static_cast<float>(kMaxCellSide)) return kMaxCellSide;
    return static_cast<int>(lRounded);
}

//! How far a glyph of ink width pWidth moves the next glyph along its row: the width and the
//! margin, rounded as FTGL rounds it; NaN and negative widths move it by the margin alone.
int RowAdvance(double pWidth)
{
    const double lAdvance = pWidth + static_cast<double>(kAtlasMargin) + 0.5;
    if (!(lAdvance >= static_cast<double>(kAtlasMargin))) return kAtlasMargin;
    if (lAdvance >= static_cast<double>(kMaxCellSide)) return kMaxCellSide;
    return static_cast<int>(lAdvance);
}

//! The smallest power of two not below pLength, capped at pMax.
GLsizei AtlasSide(long pLength, GLsizei pMax)
{
    long lSide = 1;
    while (lSide < pLength && lSide < static_cast<long>(pMax)) lSide *= 2;
    return lSide < static_cast<long>(pMax) ? static_cast<GLsizei>(lSide) : pMax;
}

//! FreeType's scale of a face's font units to pixels at its current size, for one axis.
float PixelsPerUnit(FT_UShort pPixelsPerEm, FT_UShort pUnitsPerEm)
{
    return static_cast<float>(pPixelsPerEm) / static_cast<float>(pUnitsPerEm);
}

} // namespace

KestTextureFace::KestTextureFace(const unsigned char* pFontData, size_t pFontSize)
    : FTTextureFont(pFontData, pFontSize)
    , mContext(kKestNoGLContext)
    , mMaxTextureSize(0)
    , mAtlasWidth(0)
    , mAtlasHeight(0)
    , mCellWidth(1)
    , mCellHeight(1)
    , mX(0)
    , mY(0)
{
}

KestTextureFace::~KestTextureFace() { ReleaseAtlases(); }

bool KestTextureFace::FaceSize(unsigned int pSize, unsigned int pResolution)
{
    ReleaseAtlases();
    return FTTextureFont::FaceSize(pSize, pResolution);
}

size_t KestTextureFace::AtlasBytes() const
{
    return mAtlases.size() * static_cast<size_t>(mAtlasWidth) * static_cast<size_t>(mAtlasHeight);
}

void KestTextureFace::SetContext(KestGLContextId pContext)
{
    if (pContext == mContext) return;
    mContext = pContext;
    mMaxTextureSize = 0; // another context may allow other sizes
}

void KestTextureFace::ReleaseAtlases()
{
    if (mAtlases.empty()) return;
    KestReleaseGLTextures(mContext, &mAtlases[0], static_cast<GLsizei>(mAtlases.size()));
    mAtlases.clear();
}

//! A cell holds the font's whole box at the face's size: its global bounding box for outline
//! fonts, the size's line height and widest advance for bitmap ones.
void KestTextureFace::SizeCells(FT_Face pFace)
{
    const FT_Size_Metrics& lMetrics = pFace->size->metrics;
    if (FT_IS_SCALABLE(pFace)) {
        mCellWidth = CellSide(static_cast<float>(pFace->bbox.xMax - pFace->bbox.xMin) *
                              PixelsPerUnit(lMetrics.x_ppem, pFace->units_per_EM));
        mCellHeight = CellSide(static_cast<float>(pFace->bbox.yMax - pFace->bbox.yMin) *
                               PixelsPerUnit(lMetrics.y_ppem, pFace->units_per_EM));
    } else {
        mCellWidth = CellSide(static_cast<float>(lMetrics.max_advance) / 64.0f);
        mCellHeight = CellSide(static_cast<float>(lMetrics.height) / 64.0f);
    }
}

//! A new, cleared atlas for every glyph of the font: as wide as all the cells in one row would
//! be, up to the GL's limit, and as high as the rows that width leaves, with the margin on each
//! side of both, in powers of two.
void KestTextureFace::StartAtlas(FT_Face pFace)
{
    if (mMaxTextureSize <= 0) {
        GLint lMax = 1024; // what a context that cannot answer is taken to allow
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &lMax);
        mMaxTextureSize = lMax > 0 ? lMax : 1024;
    }
    const long lGlyphs = pFace->num_glyphs > 0 ? static_cast<long>(pFace->num_glyphs) : 1L;
    mAtlasWidth = AtlasSide(mCellWidth * lGlyphs + 2L * kAtlasMargin, mMaxTextureSize);
    long lPerRow = (mAtlasWidth - 2 * kAtlasMargin) / mCellWidth;
    if (lPerRow < 1) lPerRow = 1;
    const long lRows = (lGlyphs + lPerRow - 1) / lPerRow;
    mAtlasHeight = AtlasSide(mCellHeight * lRows + 2L * kAtlasMargin, mMaxTextureSize);

    const std::vector<unsigned char> lClear(static_cast<size_t>(mAtlasWidth) * static_cast<size_t>(mAtlasHeight), 0);
    GLuint lAtlas = 0;
    glGenTextures(1, &lAtlas);
    glBindTexture(GL_TEXTURE_2D, lAtlas);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, mAtlasWidth, mAtlasHeight, 0, GL_ALPHA, GL_UNSIGNED_BYTE, &lClear[0]);
    mAtlases.push_back(lAtlas);
}

FTGlyph* KestTextureFace::MakeGlyph(FT_GlyphSlot pSlot)
{
    SizeCells(pSlot->face);
    if (mAtlases.empty()) {
        StartAtlas(pSlot->face);
        mX = kAtlasMargin;
        mY = kAtlasMargin;
    }
    if (mX > mAtlasWidth - mCellWidth) {
        mX = kAtlasMargin;
        mY += mCellHeight;
        if (mY > mAtlasHeight - mCellHeight) {
            StartAtlas(pSlot->face);
            mY = kAtlasMargin;
        }
    }
    FTTextureGlyph* lGlyph =
        new FTTextureGlyph(pSlot, static_cast<int>(mAtlases.back()), mX, mY, mAtlasWidth, mAtlasHeight);
    const FTBBox lInk = lGlyph->BBox();
    mX += RowAdvance(lInk.Upper().X() - lInk.Lower().X());
    return lGlyph;
}
