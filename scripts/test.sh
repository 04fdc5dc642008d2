#!/usr/bin/env bash
# Quick start: installs what is missing, builds, and runs the whole test suite.
source "$(dirname "$0")/lib.sh" test
install_deps
scripts/build.sh
ctest --test-dir "$build_dir" --output-on-failure -j2
