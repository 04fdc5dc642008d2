// A dial element of the plug-in, created, set up, drawn and torn down the way the host does it.

#include "dial.h"

#include "draw_deadline.h"

#include <optional>
#include <utility>

namespace kestdial {

fbhost::Viewer& ViewingOptions()
{
    static fbhost::Viewer sViewer;
    return sViewer;
}

Dial::Dial(DialFailure pOnFailure, std::chrono::seconds pDrawLimit)
    : mOnFailure(std::move(pOnFailure)), mDrawLimit(pDrawLimit)
{
    std::string lError;
    const fbhost::RegistryEntry* lClass = DialClass(lError);
    if (!lClass) {
        mOnFailure(lError);
        return;
    }
    mElement = fbhost::CreateElement(*lClass, "Dial");
    if (!mElement) {
        mOnFailure("the plug-in's creation function made no element");
    } else if (std::string(mElement->ClassName()) != lClass->name) {
        mOnFailure("the registered class made a " + std::string(mElement->ClassName()));
        fbhost::DestroyElement(mElement);
        mElement = nullptr;
    }
}

Dial::~Dial() { fbhost::DestroyElement(mElement); }

bool Dial::Set(const std::string& pName, const std::string& pText)
{
    std::string lError;
    if (mElement && SetFromText(*mElement, pName, pText, lError)) return true;
    if (mElement) mOnFailure(lError);
    return false;
}

bool Dial::SetValue(const std::string& pName, void* pValue)
{
    if (mElement && SetFromValue(*mElement, pName, pValue)) return true;
    if (mElement) mOnFailure("cannot set \"" + pName + "\"");
    return false;
}

void Dial::Draw(FBHUDElement::Rect pRect)
{
    std::optional<DrawDeadline> lDeadline;
    if (mDrawLimit > std::chrono::seconds::zero()) lDeadline.emplace("a dial's draw", mDrawLimit);
    mElement->DrawElement(ViewingOptions().Options(), pRect);
}

} // namespace kestdial
