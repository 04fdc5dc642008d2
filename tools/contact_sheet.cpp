// Layout and caption drawing of the contact sheet. Captions use stb_easy_font's quads, filled
// as pixel rectangles, so the sheet depends on nothing but its images.

#include "contact_sheet.h"

#include <stb/stb_easy_font.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace contact_sheet {

namespace {

const unsigned char kBackground[4] = {30, 30, 30, 255};
const unsigned char kCaptionColor[4] = {225, 225, 225, 255};

struct Vertex {
    float x;
    float y;
    float z;
    unsigned char color[4];
};

void Blit(const Image& pSource, Image& pTarget, int pLeft, int pTop)
{
    for (int lY = 0; lY < pSource.height; ++lY)
        std::memcpy(pTarget.Pixel(pLeft, pTop + lY), pSource.Pixel(0, lY), static_cast<size_t>(pSource.width) * 4);
}

void FillRect(Image& pTarget, int pLeft, int pTop, int pRight, int pBottom, const unsigned char (&pColor)[4])
{
    for (int lY = std::max(pTop, 0); lY < std::min(pBottom, pTarget.height); ++lY)
        for (int lX = std::max(pLeft, 0); lX < std::min(pRight, pTarget.width); ++lX)
            std::memcpy(pTarget.Pixel(lX, lY), pColor, 4);
}

int TextHeight()
{
    std::string lLine = "X";
    return kTextScale * stb_easy_font_height(lLine.data());
}

//! pText with its top-left corner at (pLeft, pTop).
void DrawText(std::string pText, Image& pTarget, int pLeft, int pTop)
{
    // stb_easy_font expects about 270 bytes of quads a character; this is room for 1024.
    const size_t kVerticesPerCharacter = 64;
    std::vector<Vertex> lQuads((pText.size() + 1) * kVerticesPerCharacter);
    const int lQuadCount = stb_easy_font_print(0.0f, 0.0f, pText.data(), nullptr, lQuads.data(),
                                               static_cast<int>(lQuads.size() * sizeof(Vertex)));
    const auto lScaled = [](float pCoordinate) { return kTextScale * static_cast<int>(std::lround(pCoordinate)); };
    for (size_t lQuad = 0; lQuad < static_cast<size_t>(lQuadCount); ++lQuad) {
        // Each quad is an axis-aligned rectangle; its first and third corners are opposite.
        const Vertex& lFirst = lQuads[4 * lQuad];
        const Vertex& lThird = lQuads[4 * lQuad + 2];
        FillRect(pTarget, pLeft + lScaled(lFirst.x), pTop + lScaled(lFirst.y), pLeft + lScaled(lThird.x),
                 pTop + lScaled(lThird.y), kCaptionColor);
    }
}

} // namespace

Image::Image(int pWidth, int pHeight, const unsigned char (&pColor)[4])
    : width(pWidth), height(pHeight), rgba(static_cast<size_t>(pWidth) * static_cast<size_t>(pHeight) * 4)
{
    for (size_t lOffset = 0; lOffset < rgba.size(); lOffset += 4) std::memcpy(&rgba[lOffset], pColor, 4);
}

size_t Image::Offset(int pX, int pY) const
{
    return (static_cast<size_t>(pY) * static_cast<size_t>(width) + static_cast<size_t>(pX)) * 4;
}

int CaptionWidth(std::string pCaption) { return kTextScale * stb_easy_font_width(pCaption.data()); }

Image Compose(const std::vector<Entry>& pEntries, int pColumns)
{
    int lImageWidth = 0;
    int lImageHeight = 0;
    for (const Entry& lEntry : pEntries) {
        lImageWidth = std::max(lImageWidth, lEntry.image.width);
        lImageHeight = std::max(lImageHeight, lEntry.image.height);
    }
    const int lCount = static_cast<int>(pEntries.size());
    const int lColumns = std::max(1, std::min(pColumns, lCount));
    const int lRows = (lCount + lColumns - 1) / lColumns;
    const int lCellWidth = lImageWidth + kMargin;
    const int lCellHeight = lImageHeight + kMargin / 2 + TextHeight() + kMargin;

    Image lSheet(kMargin + lColumns * lCellWidth, kMargin + lRows * lCellHeight, kBackground);
    for (int lIndex = 0; lIndex < lCount; ++lIndex) {
        const Entry& lEntry = pEntries[static_cast<size_t>(lIndex)];
        const int lLeft = kMargin + (lIndex % lColumns) * lCellWidth;
        const int lTop = kMargin + (lIndex / lColumns) * lCellHeight;
        Blit(lEntry.image, lSheet, lLeft + (lImageWidth - lEntry.image.width) / 2, lTop);
        DrawText(lEntry.caption, lSheet, lLeft + (lImageWidth - CaptionWidth(lEntry.caption)) / 2,
                 lTop + lEntry.image.height + kMargin / 2);
    }
    return lSheet;
}

} // namespace contact_sheet
