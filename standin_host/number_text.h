#ifndef HUDHOST_NUMBER_TEXT_H
#define HUDHOST_NUMBER_TEXT_H
// The one way hudhost reads and writes numbers: --set's property values, --rect, --viewport,
// --background, --camera and --frames all take this grammar, and --list and --help print it.
//
// A number is at most one sign, '+' or '-', then what std::from_chars reads: for floating point
// digits with an optional point and exponent, or nan or inf; for integers digits alone. Nothing
// may stand before or after it, spaces included. It is read in the C locale whatever the
// process's locale, so "1.5" is one and a half in a German locale too.

#include <array>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace hudhost {

//! Reads the whole of pText as one number; false, leaving pValue as it was, where it is not one.
template <class tNumber> bool ParseNumber(std::string_view pText, tNumber& pValue)
{
    const char* lBegin = pText.data();
    const char* const lEnd = pText.data() + pText.size();
    // from_chars takes a '-' but no '+'; "+-5" is not a number.
    if (lBegin != lEnd && *lBegin == '+') {
        ++lBegin;
        if (lBegin != lEnd && *lBegin == '-') return false;
    }
    tNumber lValue{};
    const auto lResult = std::from_chars(lBegin, lEnd, lValue);
    if (lResult.ec != std::errc() || lResult.ptr != lEnd) return false;
    pValue = lValue;
    return true;
}

//! Exactly tCount numbers separated by commas; std::nullopt for anything else.
template <class tNumber, size_t tCount> std::optional<std::array<tNumber, tCount>> ParseNumbers(std::string_view pText)
{
    std::array<tNumber, tCount> lNumbers{};
    for (size_t lIndex = 0; lIndex < tCount; ++lIndex) {
        const size_t lComma = pText.find(',');
        const bool lLast = lIndex + 1 == tCount;
        if (lLast != (lComma == std::string_view::npos)) return std::nullopt;
        if (!ParseNumber(pText.substr(0, lComma), lNumbers[lIndex])) return std::nullopt;
        if (!lLast) pText.remove_prefix(lComma + 1);
    }
    return lNumbers;
}

//! The shortest text that reads back as pValue: "0.75", "1e+300", "nan", "-inf".
template <class tNumber> std::string FormatNumber(tNumber pValue)
{
    char lBuffer[64];
    const auto lResult = std::to_chars(lBuffer, lBuffer + sizeof(lBuffer), pValue);
    return std::string(lBuffer, lResult.ptr);
}

} // namespace hudhost

#endif // HUDHOST_NUMBER_TEXT_H
