#!/usr/bin/env bash
# Configures and builds into build/ (or $KEST_BUILD_DIR) with warnings as errors: every target,
# or the targets that $KEST_BUILD_TARGETS names. Extra arguments go to CMake's configure step.
# Expects scripts/install-deps.sh to have run, as every entry-point script that calls this one
# runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${KEST_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKEST_WERROR=ON "$@" >/dev/null
cmake --build "$build_dir" ${KEST_BUILD_TARGETS:+--target $KEST_BUILD_TARGETS}
