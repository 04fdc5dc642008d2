#ifndef KESTDIALHUDELEMENT_LABEL_TEXT_H
#define KESTDIALHUDELEMENT_LABEL_TEXT_H
// KestLabelText: the label's text as FTGL is handed it.
//
// The host writes text properties in UTF-8 (its scenes, its Python and its UI do), and FTGL
// reads 8-bit strings as UTF-8 without checking the sequences: a lead byte at the end of a text
// makes it read the terminating NUL and the bytes after it. So well-formed UTF-8 is passed on
// byte for byte, and every byte that is not part of a well-formed sequence is taken as the
// Latin-1 character of that byte, re-encoded, which also keeps the labels of older scenes,
// written in Latin-1, as they were drawn. The one exception to "byte for byte": a character that
// the embedded fonts lack, any above U+00FF, is passed as U+FFFD, which the fonts lack too, so it
// draws the same missing-glyph box. FTGL makes a glyph, and room in the face's textures, for
// each distinct character it meets until the face is re-sized, so labels of ever new characters
// would otherwise grow those textures without bound; and FTGL 2.1.3's character map, which holds
// only U+0000 to U+FFFF, writes past its end for a character above it. Deliberately, a Latin-1
// text whose bytes happen to form UTF-8 draws as UTF-8: "\xC3\xA9" draws e-acute, not A-tilde
// and the copyright sign.

class KestLabelText {
public:
    //! Most characters of a label that are drawn; a caption longer than this cannot fit a dial.
    static const int kMaxCharacters = 255;

    //! The first kMaxCharacters characters of pText (NUL-terminated) as well-formed UTF-8 of
    //! U+0001 to U+00FF and U+FFFD, in this object's buffer until the next call. No byte past
    //! pText's NUL is read.
    const char* Of(const char* pText);

private:
    char mBytes[3 * kMaxCharacters + 1]; //!< a character passed on takes at most 3 bytes
};

#endif // KESTDIALHUDELEMENT_LABEL_TEXT_H
