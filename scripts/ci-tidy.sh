#!/usr/bin/env bash
# clang-tidy (.clang-tidy) over the project's own sources in the build against the stand-in SDK of
# 2023 (build-sdk2023/): under Clang the SDK headers of 2016 to 2018 define "override" away, so
# that in a 2016 build every override would look unmarked. Generated sources and the stb
# implementations are left out. Fails on any finding.
source "$(dirname "$0")/lib.sh" ci-tidy
install_deps
KEST_BUILD_DIR=build-sdk2023 KEST_PRESET=sdk2023 scripts/build.sh >/dev/null
root=$(pwd -P)
regex_escape() { sed 's/[][\.*^$+?(){}|/]/\\&/g' <<<"$1"; }
# Files under the source tree but not under the build folder, and not stb_implementation.cpp.
files="^$(regex_escape "$root")/(?!build-sdk2023/)(?!.*/stb_implementation\.cpp$)"

step "clang-tidy over the sources in build-sdk2023/compile_commands.json"
start=$SECONDS
make_work
status=0
run-clang-tidy -p build-sdk2023 -j 2 -quiet "$files" >"$work/log" 2>&1 || status=$?
grep -v -e '^[0-9]* warnings\? generated\.$' -e '^Suppressed [0-9]* warnings' -e '^Use -header-filter=' \
  -e '^clang-tidy\(-14\)\? .* -quiet ' "$work/log" || true
((status == 0)) || fail "clang-tidy reported findings (above)"
echo "ci-tidy: passed in $((SECONDS - start)) s"
