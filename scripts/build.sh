#!/usr/bin/env bash
# Configures and builds into build/ (or $KEST_BUILD_DIR) with the configure preset that
# $KEST_PRESET names (CMakePresets.json; default, warnings as errors, when unset): every target,
# or the targets that $KEST_BUILD_TARGETS names. Extra arguments go to CMake's configure step.
# Expects scripts/install-deps.sh to have run, as every entry-point script that calls this one
# runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${KEST_BUILD_DIR:-build}
cmake --preset "${KEST_PRESET:-default}" -B "$build_dir" "$@" >/dev/null
cmake --build "$build_dir" ${KEST_BUILD_TARGETS:+--target $KEST_BUILD_TARGETS}
