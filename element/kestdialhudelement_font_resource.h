#ifndef KESTDIALHUDELEMENT_FONT_RESOURCE_H
#define KESTDIALHUDELEMENT_FONT_RESOURCE_H
// Reading a font of the plug-in's resource bundle into memory, for the face cache.

#include "kestdialhudelement_face_cache.h"

//! Reads a whole font resource into a new heap buffer of exactly its size; none, after the debug
//! message "<pFailureLiteral> <the file's error code> ", when it does not open.
KestFontData KestReadFontResource(const char* pPath, const char* pFailureLiteral);

#endif // KESTDIALHUDELEMENT_FONT_RESOURCE_H
