#!/usr/bin/env bash
# Continuous integration: the dial's libFuzzer target (fuzz/), built by clang with the sanitizers
# into build-fuzz/ (or $KEST_FUZZ_BUILD_DIR) and run for $KEST_FUZZ_SECONDS (60) seconds from
# the committed seed corpus fuzz/corpus/. A crash, sanitizer report, leak, input slower than 10 s
# or more than 4 GiB resident fails the stage; libFuzzer leaves the input that did it in
# build-fuzz/artifacts/. New inputs of the run go to build-fuzz/corpus/, never to fuzz/corpus/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

build_dir=${KEST_FUZZ_BUILD_DIR:-build-fuzz}
seconds=${KEST_FUZZ_SECONDS:-60}
KEST_BUILD_DIR=$build_dir KEST_PRESET=fuzz KEST_BUILD_TARGETS=kest_dial_fuzzer scripts/build.sh

mkdir -p "$build_dir/corpus" "$build_dir/artifacts"
export UBSAN_OPTIONS=print_stacktrace=1
"$build_dir/fuzz/kest_dial_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
  -print_final_stats=1 -artifact_prefix="$build_dir/artifacts/" "$build_dir/corpus" fuzz/corpus
