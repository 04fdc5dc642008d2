// KestLabelText: well-formed UTF-8 passed on, any other byte taken as Latin-1.

#include "kestdialhudelement_label_text.h"

#include <cstddef>
#include <cstring>

namespace {

//! The lead bytes of well-formed UTF-8 sequences, the sequences' lengths and the range of
//! their second bytes (Unicode's table of well-formed byte sequences); every further byte is
//! 0x80 to 0xBF. 0xC0, 0xC1 (overlong) and 0xF5 to 0xFF (above U+10FFFF) start none.
struct LeadByte {
    unsigned char mFirst;
    unsigned char mLast;
    unsigned char mLength;
    unsigned char mSecondLow;
    unsigned char mSecondHigh;
};

const LeadByte kLeadBytes[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, // U+0080 to U+07FF
    {0xE0, 0xE0, 3, 0xA0, 0xBF}, // U+0800 to U+0FFF; a lower second byte gives an overlong form
    {0xE1, 0xEC, 3, 0x80, 0xBF}, // U+1000 to U+CFFF
    {0xED, 0xED, 3, 0x80, 0x9F}, // U+D000 to U+D7FF; a higher second byte gives a surrogate
    {0xEE, 0xEF, 3, 0x80, 0xBF}, // U+E000 to U+FFFF
    {0xF0, 0xF0, 4, 0x90, 0xBF}, // U+10000 to U+3FFFF; a lower second byte gives an overlong form
    {0xF1, 0xF3, 4, 0x80, 0xBF}, // U+40000 to U+FFFFF
    {0xF4, 0xF4, 4, 0x80, 0x8F}, // U+100000 to U+10FFFF; a higher second byte goes above it
};

bool InRange(unsigned char pByte, unsigned char pLow, unsigned char pHigh) { return pByte >= pLow && pByte <= pHigh; }

//! The length of the well-formed sequence that starts at pText, which is not at its NUL; 0 where
//! none starts there. A byte is read only once the bytes before it proved part of the sequence,
//! and a NUL never does, so no byte past the terminator is read.
int SequenceLength(const unsigned char* pText)
{
    if (pText[0] < 0x80) return 1;
    for (std::size_t i = 0; i < sizeof(kLeadBytes) / sizeof(kLeadBytes[0]); ++i) {
        const LeadByte& lLead = kLeadBytes[i];
        if (!InRange(pText[0], lLead.mFirst, lLead.mLast)) continue;
        if (!InRange(pText[1], lLead.mSecondLow, lLead.mSecondHigh)) return 0;
        for (int k = 2; k < lLead.mLength; ++k)
            if (!InRange(pText[k], 0x80, 0xBF)) return 0;
        return lLead.mLength;
    }
    return 0;
}

//! U+FFFD, REPLACEMENT CHARACTER, in UTF-8.
const char kReplacement[] = "\xEF\xBF\xBD";

//! Whether the well-formed sequence at pText, pLength bytes long, is of a character above U+00FF,
//! which the embedded fonts (printable ASCII and Latin-1, tools/subset_fonts.py) do not hold:
//! every longer sequence, and the two-byte ones from lead byte 0xC4 (U+0100) on.
bool BeyondTheFonts(const unsigned char* pText, int pLength)
{
    return pLength > 2 || (pLength == 2 && pText[0] >= 0xC4);
}

} // namespace

const char* KestLabelText::Of(const char* pText)
{
    const unsigned char* lIn = reinterpret_cast<const unsigned char*>(pText);
    char* lOut = mBytes;
    for (int lCharacters = 0; *lIn != 0 && lCharacters < kMaxCharacters; ++lCharacters) {
        const int lLength = SequenceLength(lIn);
        if (lLength > 0 && BeyondTheFonts(lIn, lLength)) {
            std::memcpy(lOut, kReplacement, sizeof(kReplacement) - 1); // see the header
            lOut += sizeof(kReplacement) - 1;
            lIn += lLength;
        } else if (lLength > 0) {
            std::memcpy(lOut, lIn, static_cast<std::size_t>(lLength));
            lOut += lLength;
            lIn += lLength;
        } else {
            *lOut++ = static_cast<char>(0xC0 | (*lIn >> 6));
            *lOut++ = static_cast<char>(0x80 | (*lIn & 0x3F));
            ++lIn;
        }
    }
    *lOut = '\0';
    return mBytes;
}
