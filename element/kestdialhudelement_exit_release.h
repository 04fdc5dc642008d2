#ifndef KESTDIALHUDELEMENT_EXIT_RELEASE_H
#define KESTDIALHUDELEMENT_EXIT_RELEASE_H
// KestExitRelease: releases, when the process exits, the faces of every element that still holds
// some, before FTGL's FreeType library is finalized.
//
// FTGL 2.1.3 keeps FreeType's library in a function-local static, made with the process's first
// face, whose destructor finalizes FreeType and frees every face with it. At exit, statics and
// exit handlers go in the reverse order of their making, so whatever a host set up before that
// first face (a scene held by a static object, an exit handler of its own) is torn down after
// FreeType is gone: deleting an element's faces then would free freed memory. The exit handler
// registered here, right after the process's first face is made, runs before FTGL's static is
// destroyed. It releases the faces of every element enrolled, and each element's FBDestroy later
// releases only what is left. FTGL 2.3 and later finalize their faces before the library
// themselves; there the faces are simply released a little earlier.

class KestExitRelease {
public:
    //! Releases the faces of pOwner.
    typedef void (*ReleaseFaces)(void* pOwner);

    KestExitRelease(ReleaseFaces pRelease, void* pOwner);
    //! Withdraws the owner, should it still be enrolled.
    ~KestExitRelease();
    KestExitRelease(const KestExitRelease&) = delete;
    KestExitRelease& operator=(const KestExitRelease&) = delete;

    //! Enrolls the owner, once it holds faces, for release at exit. The first enrolment of the
    //! process registers the exit handler: faces exist by then, and so does FTGL's library.
    void Enroll();
    //! Withdraws the owner once its faces are released; nothing when it is not enrolled.
    void Withdraw();

private:
    static void ReleaseEnrolledFaces();

    ReleaseFaces mRelease;
    void* mOwner;
    bool mEnrolled;
    KestExitRelease* mPrevious; //!< neighbours in the process's list of enrolled owners
    KestExitRelease* mNext;
};

#endif // KESTDIALHUDELEMENT_EXIT_RELEASE_H
