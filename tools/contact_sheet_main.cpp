// contact_sheet: lays PNG images out in a grid, each with its caption, into one PNG.
//   contact_sheet OUT.png COLUMNS IMAGE.png CAPTION [IMAGE.png CAPTION ...]

#include "contact_sheet.h"
#include "png_file.h"

#include <charconv>
#include <iostream>
#include <optional>

namespace {

const char* const kUsage = "usage: contact_sheet OUT.png COLUMNS IMAGE.png CAPTION [IMAGE.png CAPTION ...]";

int Fail(const std::string& pMessage)
{
    std::cerr << "contact_sheet: " << pMessage << "\n";
    return 2;
}

bool LoadImage(const std::string& pPath, contact_sheet::Image& pImage, std::string& pError)
{
    std::optional<hudhost::PngImage> lPng = hudhost::ReadPng(pPath, 4, &pError);
    if (!lPng) return false;
    pImage.width = lPng->width;
    pImage.height = lPng->height;
    pImage.rgba = std::move(lPng->pixels);
    return true;
}

} // namespace

int main(int pArgc, char** pArgv)
{
    const std::vector<std::string> lArguments(pArgv + 1, pArgv + pArgc);
    int lColumns = 0;
    if (lArguments.size() < 4 || lArguments.size() % 2 != 0) return Fail(kUsage);
    const std::string& lColumnText = lArguments[1];
    const auto lParsed = std::from_chars(lColumnText.data(), lColumnText.data() + lColumnText.size(), lColumns);
    if (lParsed.ec != std::errc() || lParsed.ptr != lColumnText.data() + lColumnText.size() || lColumns < 1)
        return Fail("COLUMNS must be a whole number of 1 or more, not \"" + lColumnText + "\"; " + kUsage);

    std::vector<contact_sheet::Entry> lEntries;
    for (size_t lIndex = 2; lIndex < lArguments.size(); lIndex += 2) {
        contact_sheet::Entry lEntry;
        std::string lError;
        if (!LoadImage(lArguments[lIndex], lEntry.image, lError)) return Fail(lError);
        lEntry.caption = lArguments[lIndex + 1];
        if (contact_sheet::CaptionWidth(lEntry.caption) > lEntry.image.width)
            return Fail("the caption \"" + lEntry.caption + "\" is wider than its image " + lArguments[lIndex] +
                        ": shorten it");
        lEntries.push_back(std::move(lEntry));
    }

    const contact_sheet::Image lSheet = contact_sheet::Compose(lEntries, lColumns);
    std::string lError;
    if (!hudhost::WriteOpaquePng(lArguments[0], lSheet.width, lSheet.height, lSheet.rgba, lError)) return Fail(lError);
    return 0;
}
