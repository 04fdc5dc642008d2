#ifndef KEST_TESTS_SUPPORT_DRAW_DEADLINE_H
#define KEST_TESTS_SUPPORT_DRAW_DEADLINE_H
// A deadline for a draw: a draw that never returns cannot be failed any other way.

#include <chrono>
#include <string>

namespace kestdial {

//! Ends the process with the message "<pWhat> did not end within <pLimit> s" unless it is
//! destroyed before pLimit has passed. It takes the process's alarm signal: one at a time.
class DrawDeadline {
public:
    DrawDeadline(const std::string& pWhat, std::chrono::seconds pLimit);
    ~DrawDeadline();
    DrawDeadline(const DrawDeadline&) = delete;
    DrawDeadline& operator=(const DrawDeadline&) = delete;
};

} // namespace kestdial

#endif // KEST_TESTS_SUPPORT_DRAW_DEADLINE_H
