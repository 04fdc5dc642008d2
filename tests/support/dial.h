#ifndef KEST_TESTS_SUPPORT_DIAL_H
#define KEST_TESTS_SUPPORT_DIAL_H
// A dial element of the plug-in, created, set up, drawn and torn down the way the host does it:
// the one dial of the tests, the benchmarks and the fuzzer.

#include "dial_session.h"

#include <chrono>
#include <functional>
#include <string>

namespace kestdial {

//! What a dial's owner does with a failure to make the dial or to set one of its properties: a
//! test fails, a benchmark is skipped, the fuzzer aborts.
using DialFailure = std::function<void(const std::string& pWhy)>;

//! The viewing options that every dial's draws see, as the one viewer of the process.
fbhost::Viewer& ViewingOptions();

//! A dial created through the plug-in's registered creation function (the plug-in is loaded once
//! for the whole process) and destroyed as the host destroys it.
class Dial {
public:
    //! With pDrawLimit above zero, a draw that does not end within it ends the process with a
    //! message: a hang cannot be reported any other way.
    explicit Dial(DialFailure pOnFailure, std::chrono::seconds pDrawLimit = std::chrono::seconds::zero());
    ~Dial();
    Dial(const Dial&) = delete;
    Dial& operator=(const Dial&) = delete;

    //! False, after the failure was reported, when the plug-in or the element could not be made.
    explicit operator bool() const { return mElement != nullptr; }
    FBHUDElement& Element() { return *mElement; }
    const FBHUDElement& Element() const { return *mElement; }

    //! Sets a property from text as a user would; false, after the failure was reported, when the
    //! dial has no such property or the text does not fit it.
    bool Set(const std::string& pName, const std::string& pText);

    //! Writes pValue, a value of the property's type, as a script would; false, after the failure
    //! was reported, when the dial has no such property.
    bool SetValue(const std::string& pName, void* pValue);

    //! One redraw into pRect with the current context (if any), as the viewer asks for it.
    void Draw(FBHUDElement::Rect pRect = kDialRect);

private:
    DialFailure mOnFailure;
    std::chrono::seconds mDrawLimit;
    FBHUDElement* mElement = nullptr;
};

} // namespace kestdial

#endif // KEST_TESTS_SUPPORT_DIAL_H
