// The tests' dial.

#include "test_dial.h"

#include <gtest/gtest.h>

namespace kesttest {

TestDial::TestDial(std::chrono::seconds pDrawLimit)
    : Dial([](const std::string& pWhy) { ADD_FAILURE() << pWhy; }, pDrawLimit)
{
}

} // namespace kesttest
