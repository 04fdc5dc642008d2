#ifndef HUDHOST_ELEMENT_LISTING_H
#define HUDHOST_ELEMENT_LISTING_H
// hudhost --list: what the plug-in registers and what its element offers.

#include "hosted_element.h"

#include <ostream>

namespace hudhost {

//! Prints the registry entries, the element's own properties, then those the SDK base
//! declares and, when --camera was given, the element's intrinsic dimension.
void PrintListing(HostedElement& pHosted, const HostOptions& pOptions, std::ostream& pOut);

} // namespace hudhost

#endif // HUDHOST_ELEMENT_LISTING_H
