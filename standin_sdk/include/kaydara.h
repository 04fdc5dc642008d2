#ifndef KAYDARA_H
#define KAYDARA_H
// Global helpers of the host SDK's base header on Linux: forward declarations, the keyword
// macros, and the MSVC-style formatting functions. As the SDK's own, sprintf_s and vsprintf_s
// here ignore the buffer size they are given: code that needs a bounded format must not call
// them.

#include <cstdarg>
#include <cstddef>
#include <cstdio>

#include <fbsdk/fbversion.h>

//! Declares class X and its handle type HX.
#define K_FORWARD(X)                                                                                                   \
    class X;                                                                                                           \
    typedef X* H##X;

#if defined(__GNUC__)
#define GCC_VERSION (__GNUC__ * 10000 + __GNUC_MINOR__ * 100 + __GNUC_PATCHLEVEL__)
#endif

// The SDK's keyword macros. Up to 2018 "override" is also emptied where the compiler looks too
// old to know it: always under Clang, which reports itself as GCC 4.2.
#define sealed
#define abstract = 0
#if FBSDK_STANDIN_YEAR < 2019 && (GCC_VERSION <= 40700 || !defined(__GXX_EXPERIMENTAL_CXX0X__))
#define override
#endif

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"

inline int vsprintf_s(char* buffer, size_t bufsize, const char* format, va_list args)
{
    (void)bufsize;
    return vsprintf(buffer, format, args);
}

template <size_t bufsize> int vsprintf_s(char (&buffer)[bufsize], const char* format, va_list args)
{
    return vsprintf(buffer, format, args);
}

inline int sprintf_s(char* buffer, size_t bufsize, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const int result = vsprintf_s(buffer, bufsize, format, args);
    va_end(args);
    return result;
}

template <size_t bufsize> int sprintf_s(char (&buffer)[bufsize], const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const int result = vsprintf(buffer, format, args);
    va_end(args);
    return result;
}

#pragma GCC diagnostic pop

#endif // KAYDARA_H
