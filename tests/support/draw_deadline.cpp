// A deadline for a draw, kept by the alarm signal: it costs no thread, and its handler does only
// what a signal handler may (write and _Exit).

#include "draw_deadline.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kestdial {

namespace {

char gMessage[256];

void Expire(int)
{
    const ssize_t lWritten = write(STDERR_FILENO, gMessage, std::strlen(gMessage));
    static_cast<void>(lWritten);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

DrawDeadline::DrawDeadline(const std::string& pWhat, std::chrono::seconds pLimit)
{
    std::snprintf(gMessage, sizeof(gMessage), "%s did not end within %lld s\n", pWhat.c_str(),
                  static_cast<long long>(pLimit.count()));
    std::signal(SIGALRM, Expire);
    alarm(static_cast<unsigned>(pLimit.count()));
}

DrawDeadline::~DrawDeadline() { alarm(0); }

} // namespace kestdial
