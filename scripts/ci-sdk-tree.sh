#!/usr/bin/env bash
# Builds the plug-in as a user builds it against the host's SDK (ORSDK_ROOT), with the stand-in
# SDK of the normal build (release 2016) installed as such a tree: its headers and its library,
# nothing else. The 2016 SDK's host runs Qt 4, which Debian no longer has: the build must stop
# and say so, and build with Qt 5 when told to (KEST_QT_MAJOR). Then checks that the plug-in
# links the SDK library, imports no symbol version newer than the oldest host's platform has, and
# loads in the normal build's hudhost, where it draws the same dial as the plug-in of the normal
# build, and that its install is refused, saying why, since the host of 2016 runs Qt 4. Last,
# copies of the tree that say other releases: one of 2020 (namespace ORSDK2019, kernel 20000)
# must build for 2020, and one of 2024, whose binary interface is not known, configures, but its
# install is refused, saying why, before it installs anything.
# The normal build is build/ (or $KEST_BUILD_DIR); the SDK-tree build is build-sdktree/ (or
# $KEST_SDKTREE_BUILD_DIR).
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build_dir=${KEST_BUILD_DIR:-build}
sdktree_build_dir=${KEST_SDKTREE_BUILD_DIR:-build-sdktree}
fail() { echo "ci-sdk-tree: $*" >&2; exit 1; }

scripts/build.sh >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== Installing the stand-in SDK as an SDK tree into $work/sdk"
cmake --install "$build_dir" --component sdk --prefix "$work/sdk" >/dev/null
installed=$(cd "$work/sdk" && find . ! -type d | sort | tr '\n' ' ')
expected="./include/fbsdk/fbcomponent.h ./include/fbsdk/fbhud.h ./include/fbsdk/fblibrary.h ./include/fbsdk/fbplug.h \
./include/fbsdk/fbproperties.h ./include/fbsdk/fbsdk.h ./include/fbsdk/fbversion.h ./include/kaydara.h \
./include/object/i/iobject.h ./lib/libfbsdk.so ./lib/libfbsdk.so.1 "
[[ $installed == "$expected" ]] || fail "the SDK tree holds \"$installed\", not \"$expected\""

echo "== Configuring against it: the SDK of 2016 asks for Qt 4"
configure() {
  rm -rf "$sdktree_build_dir"
  cmake --preset sdk-tree -B "$sdktree_build_dir" -DORSDK_ROOT="$work/sdk" "$@" >"$work/configure.log" 2>&1
}
if configure; then fail "configured against the SDK of 2016 without its Qt 4"; fi
grep -q "Qt 4.8 Core not found, which the SDK of 2016" "$work/configure.log" ||
  { cat "$work/configure.log"; fail "the configure step did not say that the SDK of 2016 needs Qt 4"; }

echo "== Building the plug-in against it in $sdktree_build_dir, with Qt 5 by KEST_QT_MAJOR"
configure -DKEST_QT_MAJOR=5 || { cat "$work/configure.log"; fail "the configure step failed"; }
grep -q "Qt: 5.* Core, chosen by KEST_QT_MAJOR" "$work/configure.log" || fail "the configure step did not say which Qt"
cmake --build "$sdktree_build_dir" -j2
targets=$(ninja -C "$sdktree_build_dir" -t targets all | sed -n 's/^\([^:]*\): .*/\1/p')
for unwanted in hudhost libfbsdk.so tests/ benchmarks/; do
  grep -q -- "$unwanted" <<<"$targets" && fail "the SDK-tree build has $unwanted among its targets"
done
grep -qx "ORSDK_LIBRARY:FILEPATH=$work/sdk/lib/libfbsdk.so" "$sdktree_build_dir/CMakeCache.txt" ||
  fail "the SDK-tree build did not take libfbsdk.so from $work/sdk/lib"

plugin="$sdktree_build_dir/plugin/libkestdialhudelement.so"
echo "== Checking $plugin"
readelf -d "$plugin" | grep -q 'NEEDED.*\[libfbsdk\.so\.1\]' || fail "$plugin does not need libfbsdk.so.1"
scripts/check-symbol-versions.sh "$plugin"
hudhost="$build_dir/standin_host/hudhost"
"$hudhost" --plugin "$plugin" --list | grep -q "KestDialHUDElement  Kest Dial HUD Element" ||
  fail "hudhost does not list the element of $plugin"
dial_args=(--set Value=63 --set "Label=SDK tree")
"$hudhost" --plugin "$plugin" "${dial_args[@]}" --out "$work/sdktree.png"
"$hudhost" "${dial_args[@]}" --out "$work/normal.png"
cmp -s "$work/sdktree.png" "$work/normal.png" || fail "the SDK-tree plug-in draws another dial than the normal one"
if install_log=$(cmake --install "$sdktree_build_dir" --prefix "$work/prefix" 2>&1); then
  fail "installed the plug-in for 2016 with Qt 5"
fi
grep -q "^ *Not installing: MotionBuilder 2016 runs Qt 4, and this plug-in links Qt 5; " <<<"$install_log" ||
  fail "the install of the SDK-tree build with Qt 5 did not say why it refused: $install_log"
[[ ! -e $work/prefix ]] || fail "the refused install left files in $work/prefix"

# configure_as NAMESPACE KERNEL_VERSION: configures a build against a copy of the SDK tree whose
# fbversion.h says that namespace and kernel version, in $work/build-NAMESPACE-KERNEL_VERSION.
configure_as() {
  local tree=$work/sdk-$1-$2
  cp -r "$work/sdk" "$tree"
  sed -i "s/ORSDK2016/$1/; s/K_KERNEL_VERSION 16000/K_KERNEL_VERSION $2/" "$tree/include/fbsdk/fbversion.h"
  cmake --preset sdk-tree -B "$work/build-$1-$2" -DORSDK_ROOT="$tree" -DKEST_QT_MAJOR=5
}
echo "== An SDK tree of 2020, which kept the namespace of 2019, is told by its kernel version"
configure_log=$(configure_as ORSDK2019 20000)
grep -q "Plug-in: for MotionBuilder 2020 only" <<<"$configure_log" ||
  fail "the build against an SDK tree of 2020 (ORSDK2019, kernel 20000) is not for 2020"

echo "== An SDK tree of a release whose binary interface is not known: not installed"
configure_as ORSDK2024 24000 >/dev/null
if refusal=$(cmake --install "$work/build-ORSDK2024-24000" --prefix "$work/prefix2024" 2>&1); then
  fail "installed a plug-in for the SDK of 2024"
fi
grep -q "^ *Not installing: no binary interface is known for MotionBuilder 2024; " <<<"$refusal" ||
  fail "the install for 2024 did not say why it refused: $refusal"
[[ ! -e $work/prefix2024 ]] || fail "the refused install left files in $work/prefix2024"
echo "ci-sdk-tree: passed"
