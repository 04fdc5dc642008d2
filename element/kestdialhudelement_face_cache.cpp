// KestFaceCache: the text faces of an element, sized for its radius, and those of recent radii.

#include "kestdialhudelement_face_cache.h"
#include "kestdialhudelement_face.h"

#include <algorithm>
#include <utility>

namespace {

const unsigned int kFontResolution = 72;

//! Largest point size handed to a face: the readout of a dial 1,280 pixels wide, larger than
//! any HUD text needs. FTGL sizes each face's atlas for every glyph of its font, so the atlas
//! grows with the square of the size: at this cap the three faces hold about 20 MiB of
//! textures, where a radius of a million pixels would otherwise ask for gigabytes.
const unsigned int kMaxFaceSize = 128;

//! Face point size for a size in pixels: truncated toward zero; NaN and sizes below 1 give 0,
//! sizes above kMaxFaceSize give kMaxFaceSize.
unsigned int FacePointSize(double pSize)
{
    if (!(pSize >= 1.0)) return 0;
    if (pSize >= static_cast<double>(kMaxFaceSize)) return kMaxFaceSize;
    return static_cast<unsigned int>(pSize);
}

//! Sizes a face; FTGL drops and re-rasterises every glyph on each FaceSize call, even for an
//! unchanged size, so a face already at the size is left alone.
void SetFaceSize(FTFont& pFace, unsigned int pSize)
{
    if (pFace.FaceSize() != pSize) pFace.FaceSize(pSize, kFontResolution);
}

std::size_t TextureBytes(const KestFaceSet& pFaces)
{
    return pFaces.mReadout->AtlasBytes() + pFaces.mScale->AtlasBytes() + pFaces.mLabel->AtlasBytes();
}

//! Whether a set can draw at pSizes in pContext: its faces are of those sizes, and their textures,
//! if any, of that context (a set's faces are always set to one context together).
bool Serves(const KestFaceSet& pFaces, const KestFaceSizes& pSizes, KestGLContextId pContext)
{
    return pFaces.mReadout->FaceSize() == pSizes.mReadout && pFaces.mScale->FaceSize() == pSizes.mScale &&
           pFaces.mLabel->FaceSize() == pSizes.mLabel &&
           (pFaces.mReadout->Context() == pContext || TextureBytes(pFaces) == 0);
}

//! Sizes a face for pContext: glyphs of another context are dropped whatever their size.
void PrepareFace(KestTextureFace& pFace, unsigned int pSize, KestGLContextId pContext)
{
    if (pFace.Context() != pContext && pFace.AtlasBytes() > 0) pFace.FaceSize(pSize, kFontResolution);
    else SetFaceSize(pFace, pSize);
    pFace.SetContext(pContext);
}

void PrepareSet(const KestFaceSet& pFaces, const KestFaceSizes& pSizes, KestGLContextId pContext)
{
    PrepareFace(*pFaces.mReadout, pSizes.mReadout, pContext);
    PrepareFace(*pFaces.mScale, pSizes.mScale, pContext);
    PrepareFace(*pFaces.mLabel, pSizes.mLabel, pContext);
}

} // namespace

const std::size_t KestFaceCache::kMaxHeldTextureBytes;

KestFaceSizes KestFaceCache::SizesFor(double pRadius)
{
    const KestFaceSizes lSizes = {FacePointSize(pRadius / 5.0), FacePointSize(pRadius / 12.0),
                                  FacePointSize(pRadius * 0.125)};
    return lSizes;
}

KestFaceCache::OwnedSet::OwnedSet() {}
KestFaceCache::OwnedSet::~OwnedSet() { Delete(); }
KestFaceCache::OwnedSet::OwnedSet(OwnedSet&& pOther) noexcept = default;
KestFaceCache::OwnedSet& KestFaceCache::OwnedSet::operator=(OwnedSet&& pOther) noexcept = default;

KestFaceSet KestFaceCache::OwnedSet::View() const
{
    const KestFaceSet lFaces = {mReadout.get(), mScale.get(), mLabel.get()};
    return lFaces;
}

void KestFaceCache::OwnedSet::Delete()
{
    mReadout.reset();
    mScale.reset();
    mLabel.reset();
}

KestFaceCache::KestFaceCache() : mSetCount(0) {}

KestFaceCache::~KestFaceCache() { Release(); }

void KestFaceCache::Open(KestFontData pOrator, KestFontData pArial)
{
    mOrator = std::move(pOrator);
    mArial = std::move(pArial);
    try {
        mSets[0] = NewSet();
    } catch (...) {
        Release();
        throw;
    }
    mSetCount = 1;
}

//! Three new faces over the fonts, not yet sized.
KestFaceCache::OwnedSet KestFaceCache::NewSet() const
{
    OwnedSet lSet;
    lSet.mReadout.reset(new KestTextureFace(mOrator.mBytes.get(), mOrator.mSize));
    lSet.mScale.reset(new KestTextureFace(mArial.mBytes.get(), mArial.mSize));
    lSet.mLabel.reset(new KestTextureFace(mArial.mBytes.get(), mArial.mSize));
    return lSet;
}

// Faces that hold no glyph textures yet have nothing worth keeping and are re-sized where they are.
// The set made current is then sized, and set to the context, whatever it held before.
KestFaceSet KestFaceCache::UseSizesFor(double pRadius, KestGLContextId pContext)
{
    const KestFaceSizes lSizes = SizesFor(pRadius);
    if (!Serves(Current(), lSizes, pContext)) {
        int lKept = 1;
        while (lKept < mSetCount && !Serves(mSets[lKept].View(), lSizes, pContext)) ++lKept;
        if (lKept < mSetCount) UseKeptSet(lKept);
        else if (TextureBytes(Current()) > 0) KeepCurrentSet();
    }
    PrepareSet(Current(), lSizes, pContext);
    return Current();
}

KestFaceSet KestFaceCache::Current() const { return mSets[0].View(); }

int KestFaceCache::KeptSetCount() const { return mSetCount > 0 ? mSetCount - 1 : 0; }

std::size_t KestFaceCache::HeldTextureBytes() const
{
    std::size_t lBytes = 0;
    for (int i = 0; i < mSetCount; ++i) lBytes += TextureBytes(mSets[i].View());
    return lBytes;
}

//! Makes the set at pIndex current; the sets before it, the current one first, move one place on.
void KestFaceCache::UseKeptSet(int pIndex) { std::rotate(mSets, mSets + pIndex, mSets + pIndex + 1); }

//! Keeps the current faces first and makes faces free for new sizes current: a set dropped from
//! the kept ones, else new faces.
void KestFaceCache::KeepCurrentSet()
{
    OwnedSet lFree = TakeDroppedSet();
    if (!lFree.mReadout) lFree = NewSet();
    std::move_backward(mSets, mSets + mSetCount, mSets + mSetCount + 1);
    mSets[0] = std::move(lFree);
    ++mSetCount;
}

//! Drops the least recently used kept sets while there is no room for the current faces among
//! them, or while they hold, with the current faces, more than kMaxHeldTextureBytes. Returns the
//! last set dropped, for re-sizing (the others are deleted), or no faces when none was.
KestFaceCache::OwnedSet KestFaceCache::TakeDroppedSet()
{
    OwnedSet lDropped;
    while (mSetCount > 1 && (mSetCount == kMaxKeptSets + 1 || HeldTextureBytes() > kMaxHeldTextureBytes))
        lDropped = std::move(mSets[--mSetCount]);
    return lDropped;
}

void KestFaceCache::Release()
{
    mSets[0].Delete();
    while (mSetCount > 1) mSets[--mSetCount].Delete();
    mSetCount = 0;
    mOrator = KestFontData();
    mArial = KestFontData();
}
