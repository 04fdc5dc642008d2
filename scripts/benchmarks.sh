#!/usr/bin/env bash
# Builds the benchmarks (not part of the test suite) in build-bench/ (or $KEST_BENCH_DIR) and runs
# every Google Benchmark of kest_benchmarks, $KEST_BENCH_REPETITIONS (9) times each, reported as
# mean, median and spread; extra arguments go to it, e.g. --benchmark_filter=Steady or
# --benchmark_out=run.json --benchmark_out_format=json. Then hudhost's own frame timing at widths
# 201 and 200, and of one element in two panes against each pane alone, the runs taking turns so
# that a change in the machine's load falls on both alike. Everything renders on the EGL device
# $KEST_GL_DEVICE (auto, software or an index of hudhost --list-gl-devices; software when unset).
# The figures and what they mean: docs/performance.md.
source "$(dirname "$0")/lib.sh" benchmarks
install_deps
bench_dir=${KEST_BENCH_DIR:-build-bench}
KEST_BUILD_DIR=$bench_dir KEST_PRESET=benchmarks KEST_BUILD_TARGETS="kest_benchmarks hudhost" scripts/build.sh

echo "$(nproc) cores, $(date -u '+%Y-%m-%d %H:%M UTC')"
"$bench_dir/benchmarks/kest_benchmarks" --benchmark_repetitions="${KEST_BENCH_REPETITIONS:-9}" \
  --benchmark_report_aggregates_only=true "$@"

# frames RECTANGLES COUNT: hudhost's median, minimum and maximum of COUNT frames, each with glFinish.
frames() {
  printf 'hudhost %s --frames %s: ' "$1" "$2"
  # shellcheck disable=SC2086 # the rectangles are separate arguments
  "$bench_dir/standin_host/hudhost" --gl-device "${KEST_GL_DEVICE:-software}" $1 --frames "$2"
}
for widths in "201 200" "200 201" "201 200" "200 201" "201 200"; do
  for width in $widths; do frames "--rect 50,40,$width,$width" 500; done
done
for order in "panes 200 150" "150 200 panes" "panes 200 150" "150 200 panes" "panes 200 150"; do
  for run in $order; do
    if [[ $run == panes ]]; then frames "--rect 0,0,200,200 --rect 0,0,150,150" 300; else frames "--rect 0,0,$run,$run" 300; fi
  done
done
