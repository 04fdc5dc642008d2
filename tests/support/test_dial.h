#ifndef KEST_TESTS_SUPPORT_TEST_DIAL_H
#define KEST_TESTS_SUPPORT_TEST_DIAL_H
// The tests' dial: what goes wrong in making or setting it up fails the running test, and a
// draw that does not end within a minute ends the test process.

#include "dial.h"

namespace kesttest {

//! The environment variable that, set, makes the tests against golden files write them anew.
constexpr const char* kUpdateGoldenVariable = "KEST_UPDATE_GOLDEN";

class TestDial : public kestdial::Dial {
public:
    TestDial();
};

} // namespace kesttest

#endif // KEST_TESTS_SUPPORT_TEST_DIAL_H
