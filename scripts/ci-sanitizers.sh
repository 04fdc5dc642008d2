#!/usr/bin/env bash
# Continuous integration: the whole test suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer (KEST_SANITIZE) into build-sanitize/ (or $KEST_SANITIZE_BUILD_DIR),
# then run by CTest. Any report of either sanitizer, LeakSanitizer's included, fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

build_dir=${KEST_SANITIZE_BUILD_DIR:-build-sanitize}
# GCC's -fsanitize=undefined leaves out float-to-integer conversions that overflow; they are
# undefined all the same, and hostile property values and rectangles reach them.
KEST_BUILD_DIR=$build_dir scripts/build.sh -DKEST_SANITIZE=ON -DCMAKE_CXX_FLAGS=-fsanitize=float-cast-overflow

# Stack traces for UndefinedBehaviorSanitizer's reports (it prints none by default).
export UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir "$build_dir" --output-on-failure -j2
