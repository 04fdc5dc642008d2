#!/usr/bin/env bash
# One source of the plug-in for every SDK release: the whole project and its test suite against
# the stand-in SDK of a later release than the normal build's 2016 ($KEST_SDK_RELEASE, 2023), then
# the plug-in alone against that SDK installed as an SDK tree, where the build must choose Qt 5
# by the SDK's version header. Both plug-ins keep to the oldest host's symbol versions.
source "$(dirname "$0")/lib.sh" ci-sdk-releases
install_deps
release=${KEST_SDK_RELEASE:-2023}
release_build=build-sdk$release

step "The project against the stand-in SDK of $release, in $release_build"
KEST_BUILD_DIR=$release_build KEST_PRESET=sdk2023 scripts/build.sh -DKEST_STANDIN_SDK_VERSION="$release"
ctest --test-dir "$release_build" --output-on-failure -j2
scripts/check-symbol-versions.sh "$release_build/plugin/libkestdialhudelement.so"

step "The plug-in against the SDK of $release installed as an SDK tree"
make_work
install_sdk_tree "$release_build" "$work/sdk"
grep -q "ORSDK$release" "$work/sdk/include/fbsdk/fbversion.h" || fail "the SDK tree is not of $release"
configure sdk-tree "$work/build" "$work/sdk"
expect_choices "$work/build" qt_major=5 qt_reason="the SDK of $release"
cmake --build "$work/build" -j2
scripts/check-symbol-versions.sh "$work/build/plugin/libkestdialhudelement.so"
expect_listed "$release_build/standin_host/hudhost" "$work/build/plugin/libkestdialhudelement.so"
echo "ci-sdk-releases: passed"
