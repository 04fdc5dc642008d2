// A dial element of the plug-in, created, set up, drawn and torn down the way the host does it.

#include "dial.h"

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace kesttest {

namespace {

//! Ends the process with a message unless it is destroyed within pLimit.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds pLimit)
        : mThread([this, pLimit] {
              std::unique_lock<std::mutex> lLock(mMutex);
              if (!mEnded.wait_for(lLock, pLimit, [this] { return mDone; })) {
                  std::fprintf(stderr, "a dial's draw did not end within %lld s\n",
                               static_cast<long long>(pLimit.count()));
                  std::_Exit(EXIT_FAILURE);
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard<std::mutex> lLock(mMutex);
            mDone = true;
        }
        mEnded.notify_one();
        mThread.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::mutex mMutex;
    std::condition_variable mEnded;
    bool mDone = false;
    std::thread mThread;
};

} // namespace

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
    std::optional<Watchdog> lWatchdog;
    if (mDrawLimit > std::chrono::seconds::zero()) lWatchdog.emplace(mDrawLimit);
    mElement->DrawElement(ViewingOptions().Options(), pRect);
}

} // namespace kesttest
