// The gallery's contact sheet: where images and captions land, and that nothing overdraws.

#include "contact_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <tuple>

using contact_sheet::Entry;
using contact_sheet::Image;

namespace {

const unsigned char kRed[4] = {255, 0, 0, 255};
const unsigned char kGreen[4] = {0, 255, 0, 255};
const unsigned char kBlue[4] = {0, 0, 255, 255};
const unsigned char kCaption[4] = {225, 225, 225, 255};

struct Box {
    int left = 1 << 30;
    int top = 1 << 30;
    int right = -1; // exclusive
    int bottom = -1;
    int pixels = 0;

    int CentreX2() const { return left + right; } // twice the centre, to stay whole
};

const Box kEverywhere = {0, 0, 1 << 30, 1 << 30, 0};

//! Bounding box and count of pColor's pixels within pRegion of the sheet.
Box Find(const Image& pSheet, const unsigned char (&pColor)[4], const Box& pRegion = kEverywhere)
{
    Box lBox;
    for (int lY = pRegion.top; lY < std::min(pRegion.bottom, pSheet.height); ++lY)
        for (int lX = pRegion.left; lX < std::min(pRegion.right, pSheet.width); ++lX) {
            if (std::memcmp(pSheet.Pixel(lX, lY), pColor, 4) != 0) continue;
            lBox = {std::min(lBox.left, lX), std::min(lBox.top, lY), std::max(lBox.right, lX + 1),
                    std::max(lBox.bottom, lY + 1), lBox.pixels + 1};
        }
    return lBox;
}

TEST(ContactSheet, ImagesFillTheGridRowByRowWithCaptionsUnderThem)
{
    const std::vector<Entry> lEntries = {
        {Image(20, 10, kRed), "A"}, {Image(8, 16, kGreen), "B"}, {Image(20, 10, kBlue), "C"}};
    const Image lSheet = contact_sheet::Compose(lEntries, 2);
    ASSERT_EQ(lSheet.rgba.size(), static_cast<size_t>(lSheet.width * lSheet.height * 4));

    // Each image whole and untouched by captions or other images.
    const Box lRed = Find(lSheet, kRed);
    const Box lGreen = Find(lSheet, kGreen);
    const Box lBlue = Find(lSheet, kBlue);
    const std::tuple<Box, int, int> lExpected[] = {{lRed, 20, 10}, {lGreen, 8, 16}, {lBlue, 20, 10}};
    for (const auto& [lBox, lWidth, lHeight] : lExpected) {
        EXPECT_EQ(lBox.right - lBox.left, lWidth);
        EXPECT_EQ(lBox.bottom - lBox.top, lHeight);
        EXPECT_EQ(lBox.pixels, lWidth * lHeight);
    }
    EXPECT_EQ(lRed.left, contact_sheet::kMargin);
    EXPECT_EQ(lRed.top, contact_sheet::kMargin);
    // Two to a row, each image centred in its cell; the next row starts below the highest image.
    EXPECT_EQ(lGreen.top, lRed.top);
    EXPECT_GT(lGreen.left, lRed.right);
    EXPECT_EQ(lGreen.CentreX2() - lRed.CentreX2(), lSheet.width - contact_sheet::kMargin);
    EXPECT_EQ(lBlue.left, lRed.left);
    EXPECT_GT(lBlue.top, lGreen.bottom);

    // A caption under each image, centred on it (to a text pixel: stb_easy_font measures a text
    // with the gap after its last glyph), above the next row and inside the sheet.
    const int lMiddle = lSheet.width / 2;
    const Box lCaptionA = Find(lSheet, kCaption, {0, 0, lMiddle, lBlue.top, 0});
    const Box lCaptionB = Find(lSheet, kCaption, {lMiddle, 0, lSheet.width, lBlue.top, 0});
    const Box lCaptionC = Find(lSheet, kCaption, {0, lBlue.top, lMiddle, lSheet.height, 0});
    const std::pair<Box, Box> lCaptioned[] = {{lCaptionA, lRed}, {lCaptionB, lGreen}, {lCaptionC, lBlue}};
    for (const auto& [lCaption, lImage] : lCaptioned) {
        EXPECT_GT(lCaption.pixels, 0);
        EXPECT_GE(lCaption.top, lImage.bottom);
        EXPECT_LE(std::abs(lCaption.CentreX2() - lImage.CentreX2()), 2 * contact_sheet::kTextScale);
    }
    EXPECT_LT(lCaptionA.bottom, lBlue.top);
    EXPECT_LE(lCaptionC.bottom, lSheet.height - contact_sheet::kMargin);
    EXPECT_EQ(Find(lSheet, kCaption, {lMiddle, lBlue.top, lSheet.width, lSheet.height, 0}).pixels, 0)
        << "the empty cell has no caption";
}

TEST(ContactSheet, MoreColumnsThanImagesMakesOneRowOfThem)
{
    const Image lSheet = contact_sheet::Compose({{Image(10, 10, kRed), ""}, {Image(10, 10, kBlue), ""}}, 5);
    const Box lRed = Find(lSheet, kRed);
    const Box lBlue = Find(lSheet, kBlue);
    EXPECT_EQ(lRed.top, lBlue.top);
    EXPECT_EQ(lSheet.width, lBlue.right + contact_sheet::kMargin);
    EXPECT_EQ(Find(lSheet, kCaption).pixels, 0);
}

} // namespace
