#!/usr/bin/env bash
# Continuous integration: the whole test suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer (KEST_SANITIZE) into build-sanitize/ (or $KEST_SANITIZE_BUILD_DIR),
# then run by CTest. Any report of either sanitizer, LeakSanitizer's included, fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

build_dir=${KEST_SANITIZE_BUILD_DIR:-build-sanitize}
# The preset adds the float-to-integer overflows that GCC's -fsanitize=undefined leaves out.
KEST_BUILD_DIR=$build_dir KEST_PRESET=sanitizers scripts/build.sh

# Stack traces for UndefinedBehaviorSanitizer's reports (it prints none by default).
export UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir "$build_dir" --output-on-failure -j2
