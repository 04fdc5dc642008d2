// The tests' dial.

#include "test_dial.h"

#include <gtest/gtest.h>

namespace kesttest {

TestDial::TestDial() : Dial([](const std::string& pWhy) { ADD_FAILURE() << pWhy; }, std::chrono::seconds(60)) {}

} // namespace kesttest
