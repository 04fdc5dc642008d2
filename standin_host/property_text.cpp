// Property values as text, through FBProperty's type and its GetData and SetData.

#include "property_text.h"

#include "number_text.h"

namespace hudhost {

namespace {

template <class tValue> tValue ValueOf(FBProperty* pProperty)
{
    tValue lValue{};
    pProperty->GetData(&lValue, sizeof(lValue));
    return lValue;
}

bool ParseBool(const std::string& pText, bool& pValue)
{
    if (pText == "true" || pText == "1") pValue = true;
    else if (pText == "false" || pText == "0") pValue = false;
    else return false;
    return true;
}

bool ParseColor(const std::string& pText, FBColorAndAlpha& pColor)
{
    const auto lNumbers = ParseNumbers<double, 4>(pText);
    if (!lNumbers) return false;
    for (int i = 0; i < 4; ++i) pColor.mValue[i] = (*lNumbers)[static_cast<size_t>(i)];
    return true;
}

// Parses pText into a value of tValue with pParse and writes it; on failure says what the
// property takes.
template <class tValue, class tParse> bool ParseAndSet(FBProperty* pProperty, const std::string& pText, tParse pParse,
                                                       const char* pTakes, std::string& pError)
{
    tValue lValue{};
    if (!pParse(pText, lValue)) {
        pError = "\"" + std::string(pProperty->GetName()) + "\" takes " + pTakes + ", not \"" + pText + "\"";
        return false;
    }
    pProperty->SetData(&lValue);
    return true;
}

} // namespace

std::string FormatValue(FBProperty* pProperty)
{
    switch (pProperty->GetPropertyType()) {
    case kFBPT_int:
    case kFBPT_enum: return FormatNumber(ValueOf<int>(pProperty));
    case kFBPT_bool: return ValueOf<bool>(pProperty) ? "true" : "false";
    case kFBPT_double: return FormatNumber(ValueOf<double>(pProperty));
    case kFBPT_ColorRGBA: {
        const FBColorAndAlpha lColor = ValueOf<FBColorAndAlpha>(pProperty);
        return FormatNumber(lColor.mValue[0]) + "," + FormatNumber(lColor.mValue[1]) + "," +
               FormatNumber(lColor.mValue[2]) + "," + FormatNumber(lColor.mValue[3]);
    }
    case kFBPT_charptr: {
        const char* lText = ValueOf<char*>(pProperty);
        return lText ? lText : "";
    }
    default: return "";
    }
}

bool ParseValue(FBProperty* pProperty, const std::string& pText, std::string& pError)
{
    switch (pProperty->GetPropertyType()) {
    case kFBPT_int:
    case kFBPT_enum: return ParseAndSet<int>(pProperty, pText, ParseNumber<int>, "an integer", pError);
    case kFBPT_bool: return ParseAndSet<bool>(pProperty, pText, ParseBool, "true or false", pError);
    case kFBPT_double:
        return ParseAndSet<double>(pProperty, pText, ParseNumber<double>, "a number such as 12.5", pError);
    case kFBPT_ColorRGBA:
        return ParseAndSet<FBColorAndAlpha>(pProperty, pText, ParseColor,
                                            "a colour as four numbers R,G,B,A such as 0.6,0.8,1,1", pError);
    case kFBPT_charptr: {
        const char* lText = pText.c_str();
        pProperty->SetData(&lText);
        return true;
    }
    default: pError = "\"" + std::string(pProperty->GetName()) + "\" cannot be set"; return false;
    }
}

} // namespace hudhost
