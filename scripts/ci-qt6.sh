#!/usr/bin/env bash
# The plug-in for the hosts of 2024 and later, built as C++17, and of 2025 and later, which run
# Qt 6: the project and its suite with Qt 6 against the stand-in SDK of 2023 (build-qt6/), its
# plug-in checked by scripts/ci-other-qt-plugin.sh; then that SDK laid out as a 2025 host installs
# its SDK (<host>/OpenRealitySDK with PRODUCT_VERSION.txt, libfbsdk.so only in <host>/bin/linux_64),
# against which the build must ask for KEST_QT_MAJOR where nothing names the release, and pick Qt 5
# for 2024, Qt 6 for 2025, C++17 for both, and install each for its release.
source "$(dirname "$0")/lib.sh" ci-qt6
install_deps
start=$SECONDS
scripts/build.sh >/dev/null
step "The project with Qt 6 against the stand-in SDK of 2023, in build-qt6"
KEST_BUILD_DIR=build-qt6 KEST_PRESET=qt6 scripts/build.sh >/dev/null
ctest --test-dir build-qt6 --output-on-failure -j2
scripts/check-symbol-versions.sh build-qt6/plugin/libkestdialhudelement.so
scripts/ci-other-qt-plugin.sh build-qt6/plugin/libkestdialhudelement.so libQt6Core.so.6 build-qt6

step "The plug-in against SDKs of 2024 and 2025, laid out as the host of 2025 installs its SDK"
make_work
host="$work/MotionBuilder"
sdk="$host/OpenRealitySDK"
install_sdk_tree build-qt6 "$sdk"
mkdir -p "$host/bin/linux_64"
mv "$sdk/lib/"libfbsdk.so* "$host/bin/linux_64/"
rmdir "$sdk/lib"
# The tree stands for a host's own SDK, which installs for the release it says, where a tree of
# the stand-in installs only for the releases whose binary interface it presents. So its
# fbversion.h loses the stand-in's marker, and the compiler is given the marker's release
# instead, which picks the declarations of 2023 in the stand-in's headers.
sed -i '/define FBSDK_STANDIN_YEAR/d' "$sdk/include/fbsdk/fbversion.h"
export CXXFLAGS="-DFBSDK_STANDIN_YEAR=2023"

# Neither file naming the release, the build must stop and ask for KEST_QT_MAJOR.
mv "$sdk/include/fbsdk/fbversion.h" "$work/fbversion.h"
if try_configure sdk-tree "$work/build" "$sdk"; then fail "configured against an SDK whose release cannot be read"; fi
grep -q "KEST_QT_MAJOR" "$work/build/configure.log" || { cat "$work/build/configure.log"; fail "the configure step did not ask for KEST_QT_MAJOR"; }
mv "$work/fbversion.h" "$sdk/include/fbsdk/fbversion.h"

# expect_release_build RELEASE QT_MAJOR: with PRODUCT_VERSION.txt saying RELEASE, the build picks
# Qt QT_MAJOR and C++17 by itself, takes the host's libfbsdk.so, and makes a plug-in that needs
# that Qt, keeps to the hosts' symbol versions, loads in hudhost and installs for RELEASE.
expect_release_build() {
  local release=$1 qt_major=$2 build="$work/build-$1" sdk_library install_log
  echo "$release" >"$sdk/PRODUCT_VERSION.txt"
  configure sdk-tree "$build" "$sdk"
  expect_choices "$build" release="$release" release_source="$sdk/PRODUCT_VERSION.txt" qt_major="$qt_major" \
    qt_reason="the SDK of $release" standard=17
  sdk_library=$(sed -n 's/^ORSDK_LIBRARY:FILEPATH=//p' "$build/CMakeCache.txt")
  [[ $(realpath -s "$sdk_library") == "$host/bin/linux_64/libfbsdk.so" ]] ||
    fail "the build took the SDK library \"$sdk_library\", not the host's bin/linux_64/libfbsdk.so"
  cmake --build "$build" -j2 >/dev/null
  grep -q -- '-std=c++17 .*kestdialhudelement_element\.cpp' "$build/compile_commands.json" ||
    fail "the plug-in for $release was not compiled as C++17"
  needs "$build/plugin/libkestdialhudelement.so" "libQt${qt_major}Core.so.${qt_major}" ||
    fail "the plug-in for $release does not need libQt${qt_major}Core.so.${qt_major}"
  scripts/check-symbol-versions.sh "$build/plugin/libkestdialhudelement.so"
  expect_listed build-qt6/standin_host/hudhost "$build/plugin/libkestdialhudelement.so"
  install_log=$(cmake --install "$build" --prefix "$work/prefix-$release" 2>&1) ||
    fail "the plug-in for $release did not install: $install_log"
  grep -q "Kest Dial HUD Element for MotionBuilder $release only" <<<"$install_log" ||
    fail "the install of the plug-in for $release does not say it is for $release: $install_log"
  echo "the SDK of $release: Qt $qt_major, C++17, installed for $release"
}
expect_release_build 2024 5
expect_release_build 2025 6
echo "ci-qt6: passed in $((SECONDS - start)) s"
