#!/usr/bin/env bash
# The plug-in built as a user builds it against the host's SDK (ORSDK_ROOT): the normal build's
# stand-in SDK of 2016 installed as an SDK tree, then copies of it that say 2020 and 2024. A
# plug-in whose release does not hold (2016 runs Qt 4, 2024's binary interface is not known) is
# built, but its install is refused, saying why, before it copies anything.
source "$(dirname "$0")/lib.sh" ci-sdk-tree
install_deps
sdktree_build="build-sdktree"
scripts/build.sh >/dev/null
make_work

step "The stand-in SDK as an SDK tree in $work/sdk: its headers and its library, nothing else"
install_sdk_tree "$build_dir" "$work/sdk"
installed=$(cd "$work/sdk" && find . ! -type d | sort | tr '\n' ' ')
expected="./include/fbsdk/fbcomponent.h ./include/fbsdk/fbhud.h ./include/fbsdk/fblibrary.h ./include/fbsdk/fbplug.h \
./include/fbsdk/fbproperties.h ./include/fbsdk/fbsdk.h ./include/fbsdk/fbversion.h ./include/kaydara.h \
./include/object/i/iobject.h ./lib/libfbsdk.so ./lib/libfbsdk.so.1 "
[[ $installed == "$expected" ]] || fail "the SDK tree holds \"$installed\", not \"$expected\""

step "Configuring against it stops: the SDK of 2016 asks for Qt 4, which Debian lacks"
if try_configure sdk-tree "$sdktree_build" "$work/sdk"; then fail "configured against the SDK of 2016 without its Qt 4"; fi
grep -q "Qt 4.8 Core not found, which the SDK of 2016" "$sdktree_build/configure.log" ||
  { cat "$sdktree_build/configure.log"; fail "the configure step did not say that the SDK of 2016 needs Qt 4"; }

step "The plug-in against it in $sdktree_build, with Qt 5 by KEST_QT_MAJOR"
configure sdk-tree-qt5 "$sdktree_build" "$work/sdk"
expect_choices "$sdktree_build" qt_major=5 qt_reason=KEST_QT_MAJOR
cmake --build "$sdktree_build" -j2
targets=$(ninja -C "$sdktree_build" -t targets all | sed -n 's/^\([^:]*\): .*/\1/p')
for unwanted in hudhost libfbsdk.so tests/ benchmarks/; do
  grep -q -- "$unwanted" <<<"$targets" && fail "the SDK-tree build has $unwanted among its targets"
done
grep -qx "ORSDK_LIBRARY:FILEPATH=$work/sdk/lib/libfbsdk.so" "$sdktree_build/CMakeCache.txt" ||
  fail "the SDK-tree build did not take libfbsdk.so from $work/sdk/lib"
plugin="$sdktree_build/plugin/libkestdialhudelement.so"
needs "$plugin" libfbsdk.so.1 || fail "$plugin does not need libfbsdk.so.1"
scripts/check-symbol-versions.sh "$plugin"
expect_listed "$build_dir/standin_host/hudhost" "$plugin"
draws_as_normal "$build_dir/standin_host/hudhost" "$plugin" --set Value=63 --set "Label=SDK tree" ||
  fail "the SDK-tree plug-in draws another dial than the normal one"
expect_refused "$work/prefix" "MotionBuilder 2016 runs Qt 4, and this plug-in links Qt 5; " \
  cmake --install "$sdktree_build" --prefix "$work/prefix"

# configure_as NAMESPACE KERNEL_VERSION: a build in $work/build-NAMESPACE against a copy of the
# SDK tree whose fbversion.h says that namespace and kernel version.
configure_as() {
  cp -r "$work/sdk" "$work/sdk-$1"
  sed -i "s/ORSDK2016/$1/; s/K_KERNEL_VERSION 16000/K_KERNEL_VERSION $2/" "$work/sdk-$1/include/fbsdk/fbversion.h"
  configure sdk-tree-qt5 "$work/build-$1" "$work/sdk-$1"
}
step "An SDK tree of 2020, which kept the namespace of 2019, is told by its kernel version"
configure_as ORSDK2019 20000
expect_choices "$work/build-ORSDK2019" installs_for=2020

step "An SDK tree of 2024, whose binary interface is not known: not installed"
configure_as ORSDK2024 24000
expect_refused "$work/prefix2024" "no binary interface is known for MotionBuilder 2024; " \
  cmake --install "$work/build-ORSDK2024" --prefix "$work/prefix2024"
echo "ci-sdk-tree: passed"
