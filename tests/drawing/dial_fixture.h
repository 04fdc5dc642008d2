#ifndef KEST_TESTS_DRAWING_DIAL_FIXTURE_H
#define KEST_TESTS_DRAWING_DIAL_FIXTURE_H
// A dial element of the plug-in, loaded, created, set up and drawn the way the host does it.

#include "dial_session.h"

#include <string>

class FTFont;

namespace kesttest {

//! A dial element, created through the plug-in's registered creation function and torn down as
//! the host tears it down. The plug-in is loaded once for the whole test process.
class Dial {
public:
    Dial();
    ~Dial();
    Dial(const Dial&) = delete;
    Dial& operator=(const Dial&) = delete;

    //! False (after a test failure) when the plug-in or the element could not be made.
    explicit operator bool() const { return mElement != nullptr; }
    FBHUDElement& Element() { return *mElement; }

    //! Sets a property from text as a user would; a failure to do so fails the test.
    void Set(const std::string& pProperty, const std::string& pText);

    //! One redraw into pRect with the current context (if any); the test process ends with a
    //! message when it does not return within a minute.
    void Draw(FBHUDElement::Rect pRect = kDialRect);

    const FTFont* ReadoutFace() const;
    const FTFont* ScaleFace() const;
    const FTFont* LabelFace() const;

private:
    FBHUDElement* mElement;
};

} // namespace kesttest

#endif // KEST_TESTS_DRAWING_DIAL_FIXTURE_H
