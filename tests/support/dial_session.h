#ifndef KEST_TESTS_SUPPORT_DIAL_SESSION_H
#define KEST_TESTS_SUPPORT_DIAL_SESSION_H
// The host's side of a dial for the tests, the benchmarks and the fuzzer: the plug-in loaded once
// for the whole process as the host loads it, elements created and torn down through it, and
// properties written as a user (from text) or a script (as values) writes them.

#include <fbsdk_host/fbsdk_host.h>

#include <string>

namespace kestdial {

//! The rectangle of the typical redraw: at (50, 40), 200 wide (so radius 100, centre (150, 140)
//! with both placement values 0), shown at its intrinsic size.
constexpr FBHUDElement::Rect kDialRect = {50.0, 40.0, 200.0, 200.0, 1.0, 1.0};

//! A pWidth x pWidth rectangle at the typical redraw's corner (50, 40): radius pWidth / 2.
inline FBHUDElement::Rect SquareRect(double pWidth)
{
    return fbhost::HudRect(kDialRect.mX, kDialRect.mY, pWidth, pWidth);
}

//! The viewer's size, pixels a side, as hudhost's default viewer: the typical dial fits it.
constexpr int kViewerSize = 300;

//! The name that the plug-in registers the dial's class under.
constexpr const char* kDialClassName = "KestDialHUDElement";

//! Whether pEntry registers the dial's class.
bool IsDialClass(const fbhost::RegistryEntry& pEntry);

//! The dial's registered class; null, with the reason in pError, when the plug-in does not load
//! or registers no dial. The plug-in stays loaded until the process ends.
const fbhost::RegistryEntry* DialClass(std::string& pError);

//! Number of registry entries of the dial's class.
int DialRegistrations();

//! A property and the text that it is set from, as a user would set it.
struct Setting {
    std::string property;
    std::string text;
};

//! Sets pName from pText as a user would; false, with the reason in pError, when the element
//! has no such property or the text does not fit its type.
bool SetFromText(FBComponent& pElement, const std::string& pName, const std::string& pText, std::string& pError);

//! Writes pValue (a value of the property's type) into pName; false when the element has no such
//! property or the property refuses it.
bool SetFromValue(FBComponent& pElement, const std::string& pName, void* pValue);

} // namespace kestdial

#endif // KEST_TESTS_SUPPORT_DIAL_SESSION_H
