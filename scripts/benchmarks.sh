#!/usr/bin/env bash
# Builds and runs the benchmarks (they are not part of the test suite) in build-bench/ (or
# $KEST_BENCH_DIR): every Google Benchmark of kest_benchmarks, each repeated
# $KEST_BENCH_REPETITIONS times (9) and reported as mean, median, spread; then the stand-in host's
# own frame timing at width 201 and at 200, one after the other, and of one element in two panes
# against each pane's width alone. Extra arguments go to
# kest_benchmarks, e.g. --benchmark_filter=Steady or --benchmark_out=run.json
# --benchmark_out_format=json. Everything renders on the EGL device that $KEST_GL_DEVICE names
# (auto, software or an index of hudhost --list-gl-devices; software when unset). The figures and
# what they mean: docs/performance.md.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build_dir=${KEST_BENCH_DIR:-build-bench}
repetitions=${KEST_BENCH_REPETITIONS:-9}

KEST_BUILD_DIR=$build_dir KEST_PRESET=benchmarks KEST_BUILD_TARGETS="kest_benchmarks hudhost" scripts/build.sh

echo "$(nproc) cores, $(date -u '+%Y-%m-%d %H:%M UTC')"
"$build_dir/benchmarks/kest_benchmarks" --benchmark_repetitions="$repetitions" \
  --benchmark_report_aggregates_only=true "$@"

# hudhost prints the median, minimum and maximum of its 500 frames (each draw with glFinish).
# The two widths take turns going first, so that a change in the machine's load between runs
# falls on both alike.
for widths in "201 200" "200 201" "201 200" "200 201" "201 200"; do
  for width in $widths; do
    printf 'hudhost --rect 50,40,%s,%s --frames 500: ' "$width" "$width"
    "$build_dir/standin_host/hudhost" --gl-device "${KEST_GL_DEVICE:-software}" --rect "50,40,$width,$width" \
      --frames 500
  done
done

# One element drawn in two panes, widths 200 and 150 in every frame, against each width alone;
# the order turns round from one round to the next.
panes="--rect 0,0,200,200 --rect 0,0,150,150"
for order in "panes 200 150" "150 200 panes" "panes 200 150" "150 200 panes" "panes 200 150"; do
  for run in $order; do
    case $run in
      panes) rects=$panes ;;
      *) rects="--rect 0,0,$run,$run" ;;
    esac
    printf 'hudhost %s --frames 300: ' "$rects"
    # shellcheck disable=SC2086 # the rectangles are separate arguments
    "$build_dir/standin_host/hudhost" --gl-device "${KEST_GL_DEVICE:-software}" $rects --frames 300
  done
done
