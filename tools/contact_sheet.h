#ifndef KEST_TOOLS_CONTACT_SHEET_H
#define KEST_TOOLS_CONTACT_SHEET_H
// A contact sheet: images laid out in a grid of equal cells, each with a caption under it.

#include <cstddef>
#include <string>
#include <vector>

namespace contact_sheet {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba; //!< top row first

    Image() = default;
    Image(int pWidth, int pHeight, const unsigned char (&pColor)[4]);
    unsigned char* Pixel(int pX, int pY) { return rgba.data() + Offset(pX, pY); }
    const unsigned char* Pixel(int pX, int pY) const { return rgba.data() + Offset(pX, pY); }

private:
    size_t Offset(int pX, int pY) const;
};

struct Entry {
    Image image;
    std::string caption; //!< ASCII, one line
};

//! Gap around and between the cells, and the caption's text scale, in pixels.
constexpr int kMargin = 12;
constexpr int kTextScale = 2;

//! Width of a caption as Compose draws it.
int CaptionWidth(std::string pCaption);

//! The entries row by row, pColumns to a row. Every cell is as wide as the widest image and as
//! high as the highest one plus a caption line; an image sits at the top of its cell, centred,
//! and its caption is centred under it.
Image Compose(const std::vector<Entry>& pEntries, int pColumns);

} // namespace contact_sheet

#endif // KEST_TOOLS_CONTACT_SHEET_H
