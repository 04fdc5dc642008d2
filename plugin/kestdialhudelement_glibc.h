#ifndef KESTDIALHUDELEMENT_GLIBC_H
#define KESTDIALHUDELEMENT_GLIBC_H
// Included ahead of every source of the plug-in (cmake/KestPluginCode.cmake), so that the plug-in
// loads on the oldest host platform, RHEL 6 with glibc 2.12.
//
// glibc 2.14 gave memcpy a second symbol version, GLIBC_2.14, for a memcpy that may copy
// overlapping bytes in any order; a binary linked against a newer glibc imports that version,
// which glibc 2.12 lacks, and then does not load there. Every memcpy of the plug-in, those the
// compiler emits for copies included, binds instead to the first version, GLIBC_2.2.5 on x86-64,
// which every glibc has; there it is memmove, correct for any copy. Only the plug-in's own
// object files are affected.
//
// glibc 2.34 moved dlopen and dlsym from libdl into libc under a new version, GLIBC_2.34, which
// older glibcs lack. Bound to their first version, they resolve in libc's compatibility symbols
// on a newer glibc, and on an older one in libdl.so.2, which the host's own libGL and Qt Core
// load there before any plug-in.
#if defined(__x86_64__)
__asm__(".symver memcpy, memcpy@GLIBC_2.2.5");
__asm__(".symver dlopen, dlopen@GLIBC_2.2.5");
__asm__(".symver dlsym, dlsym@GLIBC_2.2.5");
#endif

#endif // KESTDIALHUDELEMENT_GLIBC_H
