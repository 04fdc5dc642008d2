#!/usr/bin/env bash
# The dial's libFuzzer target, built by clang with the sanitizers into build-fuzz/ and run for
# $KEST_FUZZ_SECONDS (60) from the seed corpus fuzz/corpus/. A crash, sanitizer report, leak, input
# slower than 10 s or over 4 GiB resident fails; the input that did it is left in
# build-fuzz/artifacts/. New inputs go to build-fuzz/corpus/, never to fuzz/corpus/.
source "$(dirname "$0")/lib.sh" ci-fuzz
install_deps
KEST_BUILD_DIR=build-fuzz KEST_PRESET=fuzz KEST_BUILD_TARGETS=kest_dial_fuzzer scripts/build.sh
mkdir -p build-fuzz/corpus build-fuzz/artifacts
UBSAN_OPTIONS=print_stacktrace=1 build-fuzz/fuzz/kest_dial_fuzzer -max_total_time="${KEST_FUZZ_SECONDS:-60}" \
  -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix=build-fuzz/artifacts/ build-fuzz/corpus fuzz/corpus
