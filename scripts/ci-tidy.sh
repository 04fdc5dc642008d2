#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy) over the project's own sources in the compile_commands.json of
# the build against the stand-in SDK of 2023 (build-sdk2023/ or $KEST_BUILD_DIR): under Clang the
# SDK headers of 2016 to 2018 define "override" away, so that in a 2016 build every override
# would look unmarked. Generated sources, such as the font bundle from Qt's resource compiler,
# and the stb implementations are left out. Fails on any finding.
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build_dir=${KEST_BUILD_DIR:-build-sdk2023}

KEST_BUILD_DIR=$build_dir scripts/build.sh -DKEST_STANDIN_SDK_VERSION=2023 >/dev/null
root=$(pwd -P)
build_abs=$(cd "$build_dir" && pwd -P)
regex_escape() { sed 's/[][\.*^$+?(){}|/]/\\&/g' <<<"$1"; }
# Files under the source tree but not under the build folder, and not the unit that compiles
# the third-party stb implementations.
files="^$(regex_escape "$root")/(?!$(regex_escape "${build_abs#"$root"/}")/)(?!.*/stb_implementation\.cpp$)"

echo "== clang-tidy over the sources in $build_dir/compile_commands.json"
start=$SECONDS
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
run-clang-tidy -p "$build_dir" -j 2 -quiet "$files" >"$log" 2>&1 || status=$?
grep -v -e '^[0-9]* warnings\? generated\.$' -e '^Suppressed [0-9]* warnings' -e '^Use -header-filter=' \
  -e '^clang-tidy\(-14\)\? .* -quiet ' "$log" || true
((status == 0)) || { echo "ci-tidy: clang-tidy reported findings (above)" >&2; exit 1; }
echo "ci-tidy: passed in $((SECONDS - start)) s"
