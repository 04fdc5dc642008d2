// KestExitRelease: element faces released at exit, before FTGL finalizes FreeType.

#include "kestdialhudelement_exit_release.h"

#include <cstdlib>

namespace {

// Plain pointers and flags, constant-initialized and never destroyed, so that enrolling and
// withdrawing work at any point of the process's teardown.
KestExitRelease* sEnrolled = nullptr; //!< the most recently enrolled owner, first of the list
bool sHandlerRegistered = false;

} // namespace

KestExitRelease::KestExitRelease(ReleaseFaces pRelease, void* pOwner)
    : mRelease(pRelease), mOwner(pOwner), mEnrolled(false), mPrevious(nullptr), mNext(nullptr)
{
}

KestExitRelease::~KestExitRelease() { Withdraw(); }

void KestExitRelease::Enroll()
{
    if (mEnrolled) return;
    // Should registering fail (atexit's table is full), the next enrolment tries again.
    if (!sHandlerRegistered) sHandlerRegistered = std::atexit(&KestExitRelease::ReleaseEnrolledFaces) == 0;
    mPrevious = nullptr;
    mNext = sEnrolled;
    if (sEnrolled) sEnrolled->mPrevious = this;
    sEnrolled = this;
    mEnrolled = true;
}

void KestExitRelease::Withdraw()
{
    if (!mEnrolled) return;
    if (mPrevious) mPrevious->mNext = mNext;
    else sEnrolled = mNext;
    if (mNext) mNext->mPrevious = mPrevious;
    mPrevious = nullptr;
    mNext = nullptr;
    mEnrolled = false;
}

void KestExitRelease::ReleaseEnrolledFaces()
{
    while (sEnrolled) {
        KestExitRelease* lOwner = sEnrolled;
        lOwner->Withdraw();
        lOwner->mRelease(lOwner->mOwner);
    }
}
