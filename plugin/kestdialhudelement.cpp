// Plug-in library: the library object, the entry points the host calls, and the
// registration of the dial element class.

#include "../element/kestdialhudelement_element.h"

FBLibraryDeclare(kestdialhudeelement)
{
    FBLibraryRegisterStorable(KestDialHUDElement);
}
FBLibraryDeclareEnd;

FBRegisterHUDElement(KestDialHUDElement, "Kest Dial HUD Element");

bool ORSDK2016::FBLibrary::LibInit() { return true; }
bool ORSDK2016::FBLibrary::LibOpen() { return true; }
bool ORSDK2016::FBLibrary::LibReady() { return true; }
bool ORSDK2016::FBLibrary::LibClose() { return true; }
bool ORSDK2016::FBLibrary::LibRelease() { return true; }
