#!/usr/bin/env bash
# The plug-in on the host generation's own libraries, FTGL 2.1.3~rc5 and, for the 2016 host,
# Qt 4.8.6 Core, prebuilt in ../shared/deps/host-2016 (or $KEST_HOST_2016_DEPS) and unpacked into
# build-host2016/: the project and its suite on FTGL 2.1.3, which every binary must load in place
# of Debian's of the same soname; a dial kept until exit there under the sanitizers; widths 1 to
# 2000 drawn as the normal build draws them; and the plug-in for the 2016 host, built against an
# SDK tree with Qt 4.8.6 and FTGL 2.1.3, checked by scripts/ci-other-qt-plugin.sh.
source "$(dirname "$0")/lib.sh" ci-host-generation
deps_archives=${KEST_HOST_2016_DEPS:-../shared/deps/host-2016}
need_shared "$deps_archives"
install_deps
scripts/build.sh >/dev/null
mkdir -p build-host2016
root=$(realpath build-host2016)
make_work
ftgl_lib="$(unpacked "$deps_archives/ftgl-2.1.3-rc5.tar.xz" "$root/deps")/lib"
qt4=$(unpacked "$deps_archives/qt-4.8.6-core.tar.xz" "$root/deps")
export PKG_CONFIG_PATH="$ftgl_lib/pkgconfig"
# pkg-config's answer is cached: the two builds on FTGL 2.1.3 are configured afresh, so that they
# take the copy unpacked now.
rm -f "$root/ftgl213/CMakeCache.txt" "$root/ftgl213-sanitize/CMakeCache.txt"

# expect_loaded BINARY SONAME DIR: ldd resolves SONAME for BINARY to the copy in DIR.
expect_loaded() {
  local resolved
  resolved=$(ldd "$1" | awk -v lib="$2" '$1 == lib { print $3 }')
  [[ $resolved == "$3/$2" ]] || fail "$1 loads $2 from \"$resolved\", not from $3"
}

ftgl_build="$root/ftgl213"
step "The project against FTGL 2.1.3 in $ftgl_build"
KEST_BUILD_DIR="$ftgl_build" KEST_PRESET=host-generation scripts/build.sh >/dev/null
grep -qx 'FTGL_VERSION:INTERNAL=2.1.3~rc5' "$ftgl_build/CMakeCache.txt" || fail "$ftgl_build did not find FTGL 2.1.3~rc5"
checked=0
while IFS= read -r -d '' binary; do
  needs "$binary" libftgl.so.2 || continue
  expect_loaded "$binary" libftgl.so.2 "$ftgl_lib"
  checked=$((checked + 1))
done < <(find "$ftgl_build" -type f \( -name '*.so' -o -perm -u+x \) ! -path '*/CMakeFiles/*' -print0)
((checked > 0)) || fail "no binary of $ftgl_build needs libftgl"
echo "$checked binaries load FTGL 2.1.3 from $ftgl_lib"
scripts/check-symbol-versions.sh "$ftgl_build/plugin/libkestdialhudelement.so"
ctest --test-dir "$ftgl_build" --output-on-failure -j2

step "A dial kept until exit, on FTGL 2.1.3 under AddressSanitizer and UndefinedBehaviorSanitizer"
KEST_BUILD_DIR="$root/ftgl213-sanitize" KEST_PRESET=sanitizers KEST_BUILD_TARGETS=dial_alive_at_exit scripts/build.sh >/dev/null
UBSAN_OPTIONS=print_stacktrace=1 "$root/ftgl213-sanitize/tests/host_libraries/dial_alive_at_exit" ||
  fail "a dial kept until exit did not exit cleanly on FTGL 2.1.3"

step "Dial widths 1 to 2000 on FTGL 2.1.3 and on the normal build's FTGL"
"$ftgl_build/tests/host_libraries/dial_width_sweep" >"$work/sweep-2.1.3.txt" || fail "a width left a GL error on FTGL 2.1.3"
"$build_dir/tests/host_libraries/dial_width_sweep" >"$work/sweep-normal.txt" || fail "a width left a GL error in the normal build"
cmp -s "$work/sweep-2.1.3.txt" "$work/sweep-normal.txt" ||
  { diff "$work/sweep-2.1.3.txt" "$work/sweep-normal.txt" | head -20 || true; fail "some widths draw other pixels on FTGL 2.1.3"; }

step "The plug-in for the 2016 host against an SDK tree, with Qt 4.8.6 and FTGL 2.1.3"
install_sdk_tree "$build_dir" "$root/sdk2016"
grep -q 'define FBSDKNamespace ORSDK2016' "$root/sdk2016/include/fbsdk/fbversion.h" ||
  fail "the normal build's stand-in SDK is not the SDK of 2016"
# Qt 4's qmake first on the PATH, where the build's search for Qt 4 finds it.
PATH="$qt4/bin:$PATH" configure sdk-tree "$root/plugin-qt4" "$root/sdk2016"
expect_choices "$root/plugin-qt4" qt=4.8.6 qt_reason="the SDK of 2016"
cmake --build "$root/plugin-qt4" >/dev/null
plugin="$root/plugin-qt4/plugin/libkestdialhudelement.so"
expect_loaded "$plugin" libQtCore.so.4 "$qt4/lib"
expect_loaded "$plugin" libftgl.so.2 "$ftgl_lib"
scripts/check-symbol-versions.sh "$plugin"
scripts/ci-other-qt-plugin.sh "$plugin" libQtCore.so.4 "$build_dir"
echo "ci-host-generation: passed"
