#!/usr/bin/env bash
# Configures and builds build/ (or $KEST_BUILD_DIR) with the preset $KEST_PRESET (default): every
# target, or those $KEST_BUILD_TARGETS names. Arguments go to the configure step. Expects
# scripts/install-deps.sh to have run.
source "$(dirname "$0")/lib.sh" build
cmake --preset "${KEST_PRESET:-default}" -B "$build_dir" "$@" >/dev/null
cmake --build "$build_dir" ${KEST_BUILD_TARGETS:+--target $KEST_BUILD_TARGETS}
