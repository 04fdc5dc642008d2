#ifndef KEST_TESTS_SUPPORT_TEST_DIAL_H
#define KEST_TESTS_SUPPORT_TEST_DIAL_H
// The tests' dial: what goes wrong in making or setting it up fails the running test.

#include "dial.h"

namespace kesttest {

class TestDial : public Dial {
public:
    //! A draw that does not end within pDrawLimit (zero: no limit) ends the test process.
    explicit TestDial(std::chrono::seconds pDrawLimit = std::chrono::seconds(60));
};

} // namespace kesttest

#endif // KEST_TESTS_SUPPORT_TEST_DIAL_H
