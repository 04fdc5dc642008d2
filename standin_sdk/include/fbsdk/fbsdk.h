#ifndef FBSDK_FBSDK_H
#define FBSDK_FBSDK_H
// Stand-in for the host's Open Reality SDK: the one header a plug-in includes. It declares, for
// the classes, properties, registry and macros that HUD element plug-ins use, what the SDK's
// public headers declare: the same names, bases, signatures, default arguments, member order
// and macro expansions, in the SDK's namespace, which the header ends by bringing into the
// global namespace. The classes also have the SDK's binary layout, release by release: every
// base, data member and virtual function a plug-in's binary depends on sits where the host's
// sits, so that a plug-in built against these headers runs in the host of the release named in
// fbsdk/fbversion.h, and one built against the host's headers runs with the stand-in library.
// It keeps to C++11, as plug-ins of the host's generation do.
//
// The declarations follow the SDK's own headers:
//   fbplug.h        the plug base, strings, colours and the class declaration macros
//   fbproperties.h  properties and a component's property list
//   fbcomponent.h   components, boxes, models, cameras and the system object
//   fbhud.h         HUD elements and the viewer's viewing options
//   fblibrary.h     the object registry, a plug-in's library object and its entry points

#include <fbsdk/fbcomponent.h>
#include <fbsdk/fbhud.h>
#include <fbsdk/fblibrary.h>
#include <fbsdk/fbplug.h>
#include <fbsdk/fbproperties.h>

#ifdef FBSDKUseNamespace
using namespace FBSDKNamespace;
#endif

#endif // FBSDK_FBSDK_H
