#ifndef FBSDK_FBLIBRARY_H
#define FBSDK_FBLIBRARY_H
// The host's object registry, a plug-in's library object, and the macros that make a plug-in's
// entry points and register its classes. Included through fbsdk/fbsdk.h.

#include <fbsdk/fbcomponent.h>

//! Operations the host passes to a plug-in's entry point.
enum kFBDllOperation { kFBDllLoad = 0, kFBDllUnLoad = 1 };

#ifdef FBSDKUseNamespace
namespace FBSDKNamespace {
#endif

//! Registers a creatable class under a group; answers whether the host took it.
FBSDK_DLL bool FBObject_Register(const char* pGroupName, const char* pEntryName, const char* pDescription,
                                 kObjectCreatorFnc pCreatorFnc, bool pIsMultipleAllowed, const char* pIconFilename);

//! The SDK wrapper of a host object, or NULL.
FBSDK_DLL FBComponent* FBGetFBComponent(HIObject pObject, bool pAutoCreate = true);

//! Base of a plug-in's library object.
class FBSDK_DLL FBLibraryBase : public ICallback {
public:
    FBLibraryBase();
    virtual ~FBLibraryBase();
    virtual HIObject IQuery(kInterfaceID pInterfaceID, int IsLocal = 0) override;
    virtual void Destroy(int IsLocal = 0) override;
    virtual bool LibInit();
    virtual bool LibOpen();
    virtual bool LibReady();
    virtual bool LibClose();
    virtual bool LibRelease();

    KGlobalNamedEvent* mLibrary_Open;
    KGlobalNamedEvent* mLibrary_Ready;
    KGlobalNamedEvent* mLibrary_Close;
    KGlobalNamedEvent* mLibrary_Release;
};

//! A plug-in's library object. The SDK never defines these: each plug-in defines all five.
class FBLibrary : public FBLibraryBase {
public:
    virtual bool LibInit();
    virtual bool LibOpen();
    virtual bool LibReady();
    virtual bool LibClose();
    virtual bool LibRelease();
};

#ifdef FBSDKUseNamespace
} // namespace FBSDKNamespace
#endif

////////////////////////////////////////////////////////////////////////////////
// Registration and library macros: expanded at global scope, after fbsdk/fbsdk.h.

//! Registers a class with the host once: on the first call of the function it is in.
#if FBSDK_STANDIN_YEAR >= 2022
#if __cplusplus < 201703L
#define maybe_unused gnu::unused
#endif
#define FBRegisterObject(LocalId, Path, Name, Description, Constructor, IsMultipleAllowed, IconFilename)               \
    [[maybe_unused]] static bool __R##LocalId =                                                                        \
        FBObject_Register(Path, Name, Description, Constructor, IsMultipleAllowed, IconFilename)
#else
#define FBRegisterObject(LocalId, Path, Name, Description, Constructor, IsMultipleAllowed, IconFilename)               \
    static int __R##LocalId = FBObject_Register(Path, Name, Description, Constructor, IsMultipleAllowed, IconFilename)
#endif

//! Inside FBLibraryDeclare: registers a storable class of the library.
#define FBLibraryRegisterStorable(ClassName)                                                                           \
    {                                                                                                                  \
        extern void FBModule##ClassName##Storable();                                                                   \
        FBModule##ClassName##Storable();                                                                               \
    }

//! The entry point, and the library constructor and destructor that call it at load and unload;
//! ends with the head of the entry point's definition.
#define FB_DLL_INIT(DllName, Startup)                                                                                  \
    void EntryPoint##DllName(kFBDllOperation Startup);                                                                 \
    __attribute__((constructor)) void KdsoInit##DllName(void) { EntryPoint##DllName(kFBDllLoad); }                     \
    __attribute__((destructor)) void KdsoDone##DllName(void) { EntryPoint##DllName(kFBDllUnLoad); }                    \
    void EntryPoint##DllName(kFBDllOperation Startup)

#define FB_EXT_INIT

//! The library object, LIBRARY_INIT and the entry point; the block that follows, closed by
//! FBLibraryDeclareEnd, runs when the library loads.
#define FBLibraryDeclare(LibName)                                                                                      \
    static FBLibrary LibName##GlobalFBLibrary;                                                                         \
    extern "C" {                                                                                                       \
    K_DLLEXPORT bool LIBRARY_INIT(HIError)                                                                             \
    {                                                                                                                  \
        FB_EXT_INIT                                                                                                    \
        return LibName##GlobalFBLibrary.LibInit();                                                                     \
    }                                                                                                                  \
    }                                                                                                                  \
    FB_DLL_INIT(LibName, Operation)                                                                                    \
    {                                                                                                                  \
        switch (Operation) {                                                                                           \
        case kFBDllLoad: {

#define FBLibraryDeclareEnd                                                                                            \
    }                                                                                                                  \
    break;                                                                                                             \
    default: break;                                                                                                    \
        }                                                                                                              \
        }

#endif // FBSDK_FBLIBRARY_H
