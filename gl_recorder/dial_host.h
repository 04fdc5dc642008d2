#ifndef KEST_GL_RECORDER_DIAL_HOST_H
#define KEST_GL_RECORDER_DIAL_HOST_H
// The host's side of a dial element for the drawing tests and the benchmarks: the plug-in loaded
// once for the whole process the way the host loads it, and properties set from text as a user
// sets them.

#include <fbsdk_host/fbsdk_host.h>

#include <string>

namespace kesttest {

//! The rectangle of the typical redraw: at (50, 40), 200 wide (so radius 100, centre (150, 140)
//! with both placement values 0).
constexpr ORSDK2016::FBHUDElement::Rect kDialRect = {50.0, 40.0, 200.0, 200.0};

//! The dial's class as the plug-in registered it; null, with the reason in pError, when the
//! plug-in does not load or registers no dial. The plug-in stays loaded until the process ends.
const fbhost::RegistryEntry* DialClass(std::string& pError);

//! Sets the property pName from pText; false, with the reason in pError, when the element has no
//! such property or the text does not fit its type.
bool SetFromText(ORSDK2016::FBComponent& pElement, const std::string& pName, const std::string& pText,
                 std::string& pError);

} // namespace kesttest

#endif // KEST_GL_RECORDER_DIAL_HOST_H
