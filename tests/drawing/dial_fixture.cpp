#include "dial_fixture.h"

#include "kestdialhudelement_element.h"
#include "kestdialhudelement_face.h"

#include <FTGL/ftgl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

//! The element's faces, which tell its scale labels, readout and label apart in a recording.
class KestDialHUDElementInspector {
public:
    static const FTFont* ReadoutFace(const KestDialHUDElement& pDial) { return pDial.mReadoutFont; }
    static const FTFont* ScaleFace(const KestDialHUDElement& pDial) { return pDial.mScaleFont; }
    static const FTFont* LabelFace(const KestDialHUDElement& pDial) { return pDial.mLabelFont; }
};

namespace kesttest {
namespace {

//! Ends the test process with a message unless it is destroyed within pLimit: a draw that does
//! not end cannot be failed any other way.
class Watchdog {
public:
    Watchdog(std::chrono::seconds pLimit, const char* pWhat)
        : mThread([this, pLimit, pWhat] {
              std::unique_lock<std::mutex> lLock(mMutex);
              if (!mEnded.wait_for(lLock, pLimit, [this] { return mDone; })) {
                  std::fprintf(stderr, "%s: a draw did not end within %lld s\n", pWhat,
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

const KestDialHUDElement& AsDial(const FBHUDElement* pElement)
{
    return *static_cast<const KestDialHUDElement*>(pElement);
}

} // namespace

Dial::Dial() : mElement(nullptr)
{
    std::string lError;
    const fbhost::RegistryEntry* lClass = DialClass(lError);
    if (!lClass) {
        ADD_FAILURE() << lError;
        return;
    }
    mElement = fbhost::CreateElement(*lClass, "Dial");
    if (!mElement) ADD_FAILURE() << "the plug-in's creation function made no element";
    else if (std::string(mElement->ClassName()) != "KestDialHUDElement") {
        ADD_FAILURE() << "the registered class made a " << mElement->ClassName();
        fbhost::DestroyElement(mElement);
        mElement = nullptr;
    }
}

Dial::~Dial() { fbhost::DestroyElement(mElement); }

void Dial::Set(const std::string& pProperty, const std::string& pText)
{
    std::string lError;
    if (!SetFromText(*mElement, pProperty, pText, lError)) ADD_FAILURE() << lError;
}

void Dial::Draw(FBHUDElement::Rect pRect)
{
    static fbhost::Viewer sViewer;
    const ::testing::TestInfo* lTest = ::testing::UnitTest::GetInstance()->current_test_info();
    const Watchdog lWatchdog(std::chrono::seconds(60), lTest ? lTest->name() : "a test");
    mElement->DrawElement(sViewer.Options(), pRect);
}

const FTFont* Dial::ReadoutFace() const { return KestDialHUDElementInspector::ReadoutFace(AsDial(mElement)); }
const FTFont* Dial::ScaleFace() const { return KestDialHUDElementInspector::ScaleFace(AsDial(mElement)); }
const FTFont* Dial::LabelFace() const { return KestDialHUDElementInspector::LabelFace(AsDial(mElement)); }

} // namespace kesttest
