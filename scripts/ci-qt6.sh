#!/usr/bin/env bash
# Continuous integration: the plug-in for the hosts of 2024 and later, built as C++17, and for
# those of 2025 and later, which run Qt 6.
#  1. Builds the project with Qt 6 (KEST_QT_MAJOR=6) against the stand-in SDK of 2023, the newest
#     release the stand-in follows, into build-qt6/ (or $KEST_QT6_BUILD_DIR), and runs the test
#     suite there.
#  2. Checks its plug-in: symbol versions no newer than the oldest host's; libQt6Core.so.6 and no
#     other Qt; the same pixels as the normal build's Qt 5 plug-in; its font-failure message
#     through Qt 6 (scripts/ci-other-qt-plugin.sh).
#  3. Installs that stand-in SDK as a 2025 host installs its SDK: <host>/OpenRealitySDK with
#     include/ and PRODUCT_VERSION.txt, libfbsdk.so only in <host>/bin/linux_64. Without
#     PRODUCT_VERSION.txt and the version header, the build must stop and ask for KEST_QT_MAJOR.
#     With PRODUCT_VERSION.txt saying 2024, the plug-in built against it (ORSDK_ROOT) must pick
#     Qt 5 and C++17 by itself; saying 2025, Qt 6 and C++17; both take the SDK library from the
#     host's bin/linux_64, and both install for their release.
# The normal build is build/ (or $KEST_BUILD_DIR).
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
scripts/install-deps.sh
qt6_build=${KEST_QT6_BUILD_DIR:-build-qt6}
fail() { echo "ci-qt6: $*" >&2; exit 1; }
step() { echo "== $*"; }
start=$SECONDS

scripts/build.sh >/dev/null
step "The project with Qt 6 against the stand-in SDK of 2023, in $qt6_build"
KEST_BUILD_DIR=$qt6_build scripts/build.sh -DKEST_QT_MAJOR=6 -DKEST_STANDIN_SDK_VERSION=2023 \
  -DKEST_BUILD_BENCHMARKS=OFF >/dev/null
ctest --test-dir "$qt6_build" --output-on-failure -j2

plugin="$qt6_build/plugin/libkestdialhudelement.so"
step "Checking $plugin"
scripts/check-symbol-versions.sh "$plugin"
scripts/ci-other-qt-plugin.sh "$plugin" libQt6Core.so.6 "$qt6_build"

step "The plug-in against SDKs of 2024 and 2025, laid out as the host of 2025 installs its SDK"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
host="$work/MotionBuilder"
sdk="$host/OpenRealitySDK"
cmake --install "$qt6_build" --component sdk --prefix "$sdk" >/dev/null
mkdir -p "$host/bin/linux_64"
mv "$sdk/lib/"libfbsdk.so* "$host/bin/linux_64/"
rmdir "$sdk/lib"
# The tree stands for a host's own SDK, which installs for the release it says, where a tree of
# the stand-in installs only for the releases whose binary interface it presents. So its
# fbversion.h loses the stand-in's marker, and the compiler is given the marker's release
# instead, which picks the declarations of 2023 in the stand-in's headers.
sed -i '/define FBSDK_STANDIN_YEAR/d' "$sdk/include/fbsdk/fbversion.h"
export CXXFLAGS="-DFBSDK_STANDIN_YEAR=2023"
configure() {
  cmake --preset sdk-tree -B "$work/build" -DORSDK_ROOT="$sdk" >"$work/configure.log" 2>&1
}

# Neither file naming the release, the build must stop and ask for KEST_QT_MAJOR.
mv "$sdk/include/fbsdk/fbversion.h" "$work/fbversion.h"
if configure; then fail "configured against an SDK whose release cannot be read"; fi
grep -q "KEST_QT_MAJOR" "$work/configure.log" ||
  { cat "$work/configure.log"; fail "the configure step did not ask for KEST_QT_MAJOR"; }
mv "$work/fbversion.h" "$sdk/include/fbsdk/fbversion.h"

# expect_release_build RELEASE QT_MAJOR: with PRODUCT_VERSION.txt saying RELEASE, the build picks
# Qt QT_MAJOR and C++17 by itself, takes the host's libfbsdk.so, and makes a plug-in that needs
# that Qt, keeps to the hosts' symbol versions, loads in hudhost and installs for RELEASE.
expect_release_build() {
  local release=$1 qt_major=$2 chosen
  echo "-- the SDK of $release"
  echo "$release" >"$sdk/PRODUCT_VERSION.txt"
  rm -rf "$work/build"
  configure || { cat "$work/configure.log"; fail "the configure step failed for $release"; }
  grep -E "^-- (SDK release|Qt|Plug-in):" "$work/configure.log"
  for chosen in "SDK release: $release, read from $sdk/PRODUCT_VERSION.txt" \
    "Qt: $qt_major\..* Core, chosen by the SDK of $release" "Plug-in: C++17, because"; do
    grep -q -- "$chosen" "$work/configure.log" || fail "the configure step did not say \"$chosen\""
  done
  local sdk_library
  sdk_library=$(sed -n 's/^ORSDK_LIBRARY:FILEPATH=//p' "$work/build/CMakeCache.txt")
  [[ $(realpath -s "$sdk_library") == "$host/bin/linux_64/libfbsdk.so" ]] ||
    fail "the build took the SDK library \"$sdk_library\", not the host's bin/linux_64/libfbsdk.so"
  cmake --build "$work/build" -j2 >/dev/null
  grep -q -- '-std=c++17 .*kestdialhudelement_element\.cpp' "$work/build/compile_commands.json" ||
    fail "the plug-in for $release was not compiled as C++17"
  local plugin="$work/build/plugin/libkestdialhudelement.so"
  readelf -d "$plugin" | grep -q "NEEDED.*\[libQt${qt_major}Core\.so\.${qt_major}\]" ||
    fail "the plug-in for $release does not need libQt${qt_major}Core.so.${qt_major}"
  scripts/check-symbol-versions.sh "$plugin"
  "$qt6_build/standin_host/hudhost" --plugin "$plugin" --list | grep -q "KestDialHUDElement  Kest Dial HUD Element" ||
    fail "hudhost does not list the element of the plug-in for $release"
  local install_log
  install_log=$(cmake --install "$work/build" --prefix "$work/prefix-$release" 2>&1) ||
    fail "the plug-in for $release did not install: $install_log"
  grep -q "Kest Dial HUD Element for MotionBuilder $release only" <<<"$install_log" ||
    fail "the install of the plug-in for $release does not say it is for $release: $install_log"
}
expect_release_build 2024 5
expect_release_build 2025 6
echo "ci-qt6: passed in $((SECONDS - start)) s"
