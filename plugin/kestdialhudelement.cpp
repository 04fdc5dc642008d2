// Plug-in library: the library object, the entry points the host calls, and the
// registration of the dial element class.

#include "kestdialhudelement_element.h"

// Deliberate: "hudee", with a doubled e, forms the entry-point names that the host looks for.
FBLibraryDeclare(kestdialhudeelement) { FBLibraryRegisterStorable(KestDialHUDElement); }
FBLibraryDeclareEnd;

// The registration keeps its result in a function-local static that nothing reads: up to the
// SDK of 2020 a plain int, which Clang reports as unused.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-variable"
FBStorableCustomHUDElementImplementation(KestDialHUDElement, "Kest Dial HUD Element");
#pragma GCC diagnostic pop

bool FBLibrary::LibInit() { return true; }
bool FBLibrary::LibOpen() { return true; }
bool FBLibrary::LibReady() { return true; }
bool FBLibrary::LibClose() { return true; }
bool FBLibrary::LibRelease() { return true; }
