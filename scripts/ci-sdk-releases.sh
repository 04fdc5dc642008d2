#!/usr/bin/env bash
# Continuous integration: one source of the plug-in for every SDK release. The normal build
# follows the SDK of 2016 (namespace ORSDK2016); this builds the whole project against the
# stand-in SDK of a later release, $KEST_SDK_RELEASE (2023, namespace ORSDK2023), with warnings
# as errors, into build-sdk<release>/ (or $KEST_SDK_RELEASE_BUILD_DIR) and runs the test suite
# there. Then it builds the plug-in alone against that release installed as an SDK tree, as a
# user does (ORSDK_ROOT): the build must choose the host's Qt 5 from the SDK's version header.
# Both plug-ins may import no symbol version newer than the oldest host's platform has.
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
scripts/install-deps.sh

release=${KEST_SDK_RELEASE:-2023}
build_dir=${KEST_SDK_RELEASE_BUILD_DIR:-build-sdk$release}
fail() { echo "ci-sdk-releases: $*" >&2; exit 1; }

echo "== The project against the stand-in SDK of $release, in $build_dir"
KEST_BUILD_DIR=$build_dir scripts/build.sh -DKEST_STANDIN_SDK_VERSION="$release"
ctest --test-dir "$build_dir" --output-on-failure -j2
scripts/check-symbol-versions.sh "$build_dir/plugin/libkestdialhudelement.so"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "== The plug-in against the SDK of $release installed as an SDK tree"
cmake --install "$build_dir" --component sdk --prefix "$work/sdk" >/dev/null
grep -q "ORSDK$release" "$work/sdk/include/fbsdk/fbversion.h" || fail "the SDK tree is not of $release"
cmake --preset sdk-tree -B "$work/build" -DORSDK_ROOT="$work/sdk" >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; fail "the configure step failed"; }
grep -q "Qt: 5.* Core, chosen by the SDK of $release" "$work/configure.log" ||
  { cat "$work/configure.log"; fail "the build did not choose Qt 5 for the SDK of $release"; }
cmake --build "$work/build" -j2
scripts/check-symbol-versions.sh "$work/build/plugin/libkestdialhudelement.so"
"$build_dir/standin_host/hudhost" --plugin "$work/build/plugin/libkestdialhudelement.so" --list |
  grep -q "KestDialHUDElement  Kest Dial HUD Element" || fail "hudhost does not list the element of the SDK-tree plug-in"
echo "ci-sdk-releases: passed"
