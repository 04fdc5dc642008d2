#!/usr/bin/env bash
# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer (the preset adds
# the float-to-integer overflows that GCC's -fsanitize=undefined leaves out) into build-sanitize/,
# run by CTest with stack traces. Any report of either, LeakSanitizer's included, fails its test.
source "$(dirname "$0")/lib.sh" ci-sanitizers
install_deps
KEST_BUILD_DIR=build-sanitize KEST_PRESET=sanitizers scripts/build.sh
UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-sanitize --output-on-failure -j2
