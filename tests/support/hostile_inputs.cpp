// The catalogue of hostile inputs, by family.

#include "hostile_inputs.h"

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <utility>

namespace kestdial {

namespace {

using Rect = FBHUDElement::Rect;

constexpr size_t kMebibyte = size_t{1024} * 1024;

const char* const kNumbers[] = {"nan", "inf", "-inf", "1e308", "-1e308", "0", "-0", "-1", "-1e9", "1e-300"};
const char* const kTicks[] = {"0", "-1", "20000000", "2147483647", "-2147483647", "-2147483648"};

std::vector<HostileInput> NumberInputs()
{
    std::vector<HostileInput> lInputs;
    for (const char* lProperty : {"Minimum", "Maximum", "Value", "Spread"})
        for (const char* lNumber : kNumbers)
            lInputs.push_back({std::string(lProperty) + "=" + lNumber, {{lProperty, lNumber}}});
    return lInputs;
}

std::vector<HostileInput> ColourInputs()
{
    const std::pair<const char*, std::vector<std::string>> lColours[] = {{"Mask Color", {"0", "0", "0", "0.75"}},
                                                                         {"Font Color", {"0.6", "0.8", "1", "1"}}};
    std::vector<HostileInput> lInputs;
    for (const auto& lColour : lColours)
        for (size_t lComponent = 0; lComponent < 4; ++lComponent)
            for (const char* lNumber : kNumbers) {
                std::vector<std::string> lParts = lColour.second;
                lParts[lComponent] = lNumber;
                const std::string lText = lParts[0] + "," + lParts[1] + "," + lParts[2] + "," + lParts[3];
                lInputs.push_back({std::string(lColour.first) + "=" + lText, {{lColour.first, lText}}});
            }
    return lInputs;
}

std::vector<HostileInput> ScaleInputs()
{
    std::vector<HostileInput> lInputs;
    for (const char* lTicks : kTicks) lInputs.push_back({std::string("Ticks=") + lTicks, {{"Ticks", lTicks}}});
    for (const char* lSpread : {"-0.02", "1e-9", "1"})
        for (const char* lTicks : {"10", "0", "-1", "20000000", "2147483647", "-2147483648"})
            lInputs.push_back(
                {std::string("Spread=") + lSpread + " Ticks=" + lTicks, {{"Spread", lSpread}, {"Ticks", lTicks}}});
    lInputs.push_back({"Spread=0 Ticks=0", {{"Spread", "0"}, {"Ticks", "0"}}});
    lInputs.push_back({"Spread=nan Ticks=0", {{"Spread", "nan"}, {"Ticks", "0"}}});
    // Minimum = Maximum = Value, and a value either side of an empty scale.
    for (const char* lNumber : {"0", "50", "nan", "inf", "-inf", "1e308", "-1e308"})
        lInputs.push_back({std::string("Minimum=Maximum=Value=") + lNumber,
                           {{"Minimum", lNumber}, {"Maximum", lNumber}, {"Value", lNumber}}});
    for (const char* lValue : {"49", "51", "inf", "-inf"})
        lInputs.push_back({std::string("Minimum=Maximum=50 Value=") + lValue,
                           {{"Minimum", "50"}, {"Maximum", "50"}, {"Value", lValue}}});
    lInputs.push_back({"Minimum=-inf Maximum=inf", {{"Minimum", "-inf"}, {"Maximum", "inf"}}});
    lInputs.push_back(
        {"Minimum=-1e308 Maximum=1e308 Ticks=1", {{"Minimum", "-1e308"}, {"Maximum", "1e308"}, {"Ticks", "1"}}});
    return lInputs;
}

std::string Number(double pValue)
{
    char lText[32];
    std::snprintf(lText, sizeof(lText), "%g", pValue);
    return lText;
}

std::vector<HostileInput> LabelInputs()
{
    std::string lEveryByte;
    for (int lByte = 0x01; lByte <= 0xFF; ++lByte) lEveryByte += static_cast<char>(lByte);
    std::vector<HostileInput> lInputs = {
        {"Label empty", {{"Label", ""}}},
        {"Label of 1 MiB of 'W'", {{"Label", std::string(kMebibyte, 'W')}}},
        {"Label of 1 MiB of 0xFF", {{"Label", std::string(kMebibyte, '\xFF')}}},
        {"Label of every byte 0x01 to 0xFF", {{"Label", lEveryByte}}},
        {"Label of every byte 0xFF to 0x01", {{"Label", std::string(lEveryByte.rbegin(), lEveryByte.rend())}}},
        // The longest caption drawn, each character two bytes in UTF-8, and one more.
        {"Label of 255 x 0xFF", {{"Label", std::string(255, '\xFF')}}},
        {"Label of 256 x 0xC3", {{"Label", std::string(256, '\xC3')}}},
        {"Label of 254 x 'W' then 0xE9 0xE9", {{"Label", std::string(254, 'W') + "\xE9\xE9"}}},
    };
    // A dial narrower than 48 pixels sizes its label face at 0 to 2 points, where FTGL's glyph
    // cells are narrower than some of the glyphs; this label (found by the fuzzer) fills a row of
    // the face's texture up to where such a glyph no longer fits. Its bytes are Latin-1 but for
    // U+009A, written in UTF-8 (0xC2 0x9A): a lone 0x9A after 0xDB would form U+06DA with it.
    const std::string lRowFillingLabel = "\x80\x81\x82\x83\x84\x85\x86\xB1\xB2"
                                         "DFMing\xB9\xBA\xBB\xBC\xBD\xBE\xBF\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8"
                                         "\xC9\xCA\xCB\xCC\xCD\xCE\xCF\xD0\xD1\xD2\xD3\xD4\xD5\xD6\xD7\xD8\xD9\xDA"
                                         "\xDB\xC2\x9A\xDC\xDD\xDE\xDF\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xF4\xF2\xF1\xF0"
                                         "\xED\xEE";
    for (const double lWidth : {std::numeric_limits<double>::quiet_NaN(), 0.0, -200.0, 8.0, 28.0, 40.0}) {
        const std::vector<Rect> lRects = {fbhost::HudRect(50.0, 40.0, lWidth, 200.0)};
        lInputs.push_back({"row-filling Label, rect width " + Number(lWidth), {{"Label", lRowFillingLabel}}, lRects});
        lInputs.push_back({"Label of every byte, rect width " + Number(lWidth), {{"Label", lEveryByte}}, lRects});
    }
    for (int lByte = 0x01; lByte <= 0xFF; ++lByte) {
        char lName[32];
        std::snprintf(lName, sizeof(lName), "Label byte 0x%02X", static_cast<unsigned>(lByte));
        lInputs.push_back({lName, {{"Label", std::string(1, static_cast<char>(lByte))}}});
    }
    return lInputs;
}

std::vector<HostileInput> RectInputs()
{
    const double kNan = std::numeric_limits<double>::quiet_NaN();
    const double kInf = std::numeric_limits<double>::infinity();
    std::vector<HostileInput> lInputs;
    for (const double lWidth : {0.0, -200.0, kNan, kInf, -kInf, 1e9, 1e-9, 1e308, -1e308, 4294967296.0, 511.0, 513.0})
        lInputs.push_back({"rect width " + Number(lWidth), {}, {fbhost::HudRect(50.0, 40.0, lWidth, 200.0)}});
    const std::pair<double, double> lCorners[] = {{1e300, 1e300}, {-1e300, -1e300}, {1e300, -1e300},
                                                  {kNan, kNan},   {kInf, -kInf},    {-1e9, 1e9}};
    for (const auto& lCorner : lCorners)
        for (const double lWidth : {200.0, 1e9})
            lInputs.push_back(
                {"rect at (" + Number(lCorner.first) + ", " + Number(lCorner.second) + ") width " + Number(lWidth),
                 {},
                 {fbhost::HudRect(lCorner.first, lCorner.second, lWidth, kNan)}});
    // The faces are sized afresh for each radius: up to their bound, down to nothing, and back.
    lInputs.push_back({"rects of changing width",
                       {},
                       {kDialRect, fbhost::HudRect(50.0, 40.0, 1e9, 200.0), fbhost::HudRect(50.0, 40.0, kNan, 200.0),
                        fbhost::HudRect(50.0, 40.0, 1e-9, 200.0), fbhost::HudRect(50.0, 40.0, -200.0, 200.0),
                        fbhost::HudRect(50.0, 40.0, 0.0, 200.0), fbhost::HudRect(50.0, 40.0, 2.0, 200.0),
                        fbhost::HudRect(50.0, 40.0, 4096.0, 200.0), kDialRect}});
    // A viewer of several panes draws the element at each pane's size in every frame: two sizes,
    // and more sizes than faces are kept for, huge and empty ones among them.
    lInputs.push_back({"two panes", {}, {kDialRect, fbhost::HudRect(50.0, 40.0, 150.0, 150.0)}});
    lInputs.push_back({"six panes",
                       {},
                       {kDialRect, fbhost::HudRect(50.0, 40.0, 150.0, 150.0), fbhost::HudRect(50.0, 40.0, 1e9, 200.0),
                        fbhost::HudRect(50.0, 40.0, kNan, 200.0), fbhost::HudRect(50.0, 40.0, 2600.0, 200.0),
                        fbhost::HudRect(50.0, 40.0, 75.0, 75.0)}});
    return lInputs;
}

std::vector<HostileInput> PlacementInputs()
{
    const char* const kPlacements[] = {"0", "1", "2", "3", "-1", "2147483647", "-2147483648"};
    std::vector<HostileInput> lInputs;
    for (const char* lHorizontal : kPlacements)
        for (const char* lVertical : kPlacements)
            lInputs.push_back({std::string("placement ") + lHorizontal + ", " + lVertical,
                               {{"Justification", lHorizontal}, {"Vertical Dock", lVertical}}});
    for (const char* lHorizontal : {"1", "-1", "-2147483648"})
        for (const char* lVertical : {"1", "2147483647"})
            lInputs.push_back({std::string("placement ") + lHorizontal + ", " + lVertical + " of a huge rect far out",
                               {{"Justification", lHorizontal}, {"Vertical Dock", lVertical}},
                               {fbhost::HudRect(1e300, -1e300, 1e9, 0.0)}});
    return lInputs;
}

std::vector<HostileInput> AllAtOnceInputs()
{
    std::vector<HostileInput> lInputs;
    for (const char* lNumber : {"nan", "inf", "-inf", "1e308", "-1e308"}) {
        const std::string lColour = std::string(lNumber) + "," + lNumber + "," + lNumber + "," + lNumber;
        const double lRectValue = std::strtod(lNumber, nullptr);
        lInputs.push_back({std::string("everything at ") + lNumber,
                           {{"Minimum", lNumber},
                            {"Maximum", lNumber},
                            {"Value", lNumber},
                            {"Spread", lNumber},
                            {"Ticks", "2147483647"},
                            {"Mask Color", lColour},
                            {"Font Color", lColour},
                            {"Label", std::string(kMebibyte, '\xFF')},
                            {"Justification", "-2147483648"},
                            {"Vertical Dock", "2147483647"}},
                           {fbhost::HudRect(lRectValue, lRectValue, lRectValue, lRectValue)}});
    }
    return lInputs;
}

} // namespace

const std::vector<HostileFamily>& HostileFamilies()
{
    static const std::vector<HostileFamily> sFamilies = {
        {"Numbers", NumberInputs},      {"Colours", ColourInputs}, {"Scale", ScaleInputs},
        {"Labels", LabelInputs},        {"Rects", RectInputs},     {"Placements", PlacementInputs},
        {"AllAtOnce", AllAtOnceInputs},
    };
    return sFamilies;
}

} // namespace kestdial
