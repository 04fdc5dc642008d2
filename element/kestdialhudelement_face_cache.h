#ifndef KESTDIALHUDELEMENT_FACE_CACHE_H
#define KESTDIALHUDELEMENT_FACE_CACHE_H
// KestFaceCache: an element's three text faces, sized for the radius it is drawn at, and the
// faces of a few other recent radii kept beside them. A viewer of several panes draws an element
// at a few radii in every frame; re-sizing the faces for each would make FTGL drop, rasterise and
// upload every glyph again.
//
// A set's glyph textures are of the OpenGL context it was drawn in, so a set serves only draws in
// that context, or in any while it holds no textures. Contexts that share objects each have sets
// of their own. The limits below hold over all contexts together.
//
// It holds at most kMaxKeptSets sets beside the current one, most recently used first. Before
// faces are sized for new sizes, the least recently used sets are dropped until those that stay
// hold at most kMaxHeldTextureBytes of glyph textures. The faces read the two fonts that the
// cache holds, so every face is deleted before the fonts.

#include "kestdialhudelement_gl_context.h"

#include <cstddef>
#include <memory>

class KestTextureFace;

//! A font file in memory.
struct KestFontData {
    KestFontData() : mSize(0) {}

    std::unique_ptr<unsigned char[]> mBytes;
    unsigned long mSize;
};

//! The three text faces sized for one radius.
struct KestFaceSet {
    KestTextureFace* mReadout;
    KestTextureFace* mScale;
    KestTextureFace* mLabel;
};

//! The point sizes of the three faces for one radius.
struct KestFaceSizes {
    unsigned int mReadout;
    unsigned int mScale;
    unsigned int mLabel;
};

class KestFaceCache {
public:
    //! Sets kept beside the current faces.
    enum { kMaxKeptSets = 3 };
    //! Glyph texture memory that the sets held before new sizes are made may not exceed. One set
    //! holds 288 KiB at radius 100 and at most about 20 MiB (all three faces at their largest
    //! size), so a cache holds at most about three of the largest sets.
    static const std::size_t kMaxHeldTextureBytes = 40UL * 1024UL * 1024UL;

    //! The sizes that the faces are given for pRadius.
    static KestFaceSizes SizesFor(double pRadius);

    KestFaceCache();
    ~KestFaceCache();
    KestFaceCache(const KestFaceCache&) = delete;
    KestFaceCache& operator=(const KestFaceCache&) = delete;

    //! Takes the fonts and makes the first, unsized faces over them: the readout's over pOrator,
    //! the scale's and the label's over pArial. Should that throw, the cache holds nothing.
    void Open(KestFontData pOrator, KestFontData pArial);
    //! Makes current the faces sized for pRadius that serve pContext: a kept set of those sizes,
    //! else the current faces re-sized, or, when they hold glyph textures, the current faces kept
    //! and a dropped set or new faces re-sized in their place. The faces are valid until the next
    //! call.
    KestFaceSet UseSizesFor(double pRadius, KestGLContextId pContext);

    //! The current faces; all null before Open and after Release.
    KestFaceSet Current() const;
    int KeptSetCount() const;
    //! Bytes of glyph textures that the current and the kept faces hold.
    std::size_t HeldTextureBytes() const;

    //! Deletes every face, current and kept, then the fonts.
    void Release();

private:
    //! A set of faces that the cache owns, deleted readout first, then scale, then label.
    struct OwnedSet {
        OwnedSet();
        ~OwnedSet();
        OwnedSet(OwnedSet&& pOther) noexcept;
        OwnedSet& operator=(OwnedSet&& pOther) noexcept;

        KestFaceSet View() const;
        void Delete();

        std::unique_ptr<KestTextureFace> mReadout;
        std::unique_ptr<KestTextureFace> mScale;
        std::unique_ptr<KestTextureFace> mLabel;
    };

    OwnedSet NewSet() const;
    void UseKeptSet(int pIndex);
    void KeepCurrentSet();
    OwnedSet TakeDroppedSet();

    KestFontData mOrator;
    KestFontData mArial;
    //! mSets[0] is current, then the kept sets, most recently used first; mSetCount of them hold
    //! faces.
    OwnedSet mSets[kMaxKeptSets + 1];
    int mSetCount;
};

#endif // KESTDIALHUDELEMENT_FACE_CACHE_H
