#ifndef HUDHOST_PROPERTY_TEXT_H
#define HUDHOST_PROPERTY_TEXT_H
// A property's value as the user reads and writes it: --list's values and --set's, and the text
// that the tests and the fuzzer set properties from. Numbers follow number_text.h.

#include <fbsdk/fbsdk.h>

#include <string>

namespace hudhost {

//! The value as text: integers and numbers as number_text.h writes them, true or false, colours
//! as four comma-separated numbers, text as it is.
std::string FormatValue(FBProperty* pProperty);

//! Parses pText for the property's type and writes it; false, leaving the value as it was and
//! saying why in pError, where the text does not fit the type or the property cannot be set.
bool ParseValue(FBProperty* pProperty, const std::string& pText, std::string& pError);

} // namespace hudhost

#endif // HUDHOST_PROPERTY_TEXT_H
