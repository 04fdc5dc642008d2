#ifndef KEST_TESTS_SUPPORT_TEST_DIAL_H
#define KEST_TESTS_SUPPORT_TEST_DIAL_H
// The tests' dial: what goes wrong in making or setting it up fails the running test, and a
// draw that does not end within a minute ends the test process.

#include "dial.h"

namespace kesttest {

class TestDial : public kestdial::Dial {
public:
    TestDial();
};

} // namespace kesttest

#endif // KEST_TESTS_SUPPORT_TEST_DIAL_H
