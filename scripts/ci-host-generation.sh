#!/usr/bin/env bash
# The plug-in on the host generation's own libraries: FTGL 2.1.3~rc5 and, for the 2016 host,
# Qt 4.8.6 Core, prebuilt in ../shared/deps/host-2016 (or $KEST_HOST_2016_DEPS), which the stage
# unpacks into build-host2016/ (or $KEST_HOST_2016_BUILD_DIR).
#  1. Builds the project against FTGL 2.1.3 and checks with ldd that every binary that needs
#     libftgl loads that one, not Debian's: the two have the same soname.
#  2. Runs the test suite on that build, and a dial kept alive until exit in a build on FTGL
#     2.1.3 under AddressSanitizer and UndefinedBehaviorSanitizer.
#  3. Sweeps the dial widths 1 to 2000 in that build and in the normal one: no width may leave a
#     GL error, and each width must draw the same pixels in both.
#  4. Builds the plug-in against the stand-in SDK of 2016 installed as an SDK tree, with Qt 4.8.6
#     and FTGL 2.1.3: the build must pick Qt 4 by itself, the plug-in must load those two, and
#     its symbol versions must be the oldest host's (scripts/check-symbol-versions.sh), as must
#     the plug-in of step 1.
#  5. Checks that that plug-in needs Qt 4 and no other Qt, draws in the normal build's hudhost
#     byte-identical to the normal plug-in with no other Qt loaded, and prints its font-failure
#     message through Qt 4 (scripts/ci-other-qt-plugin.sh).
# Without the deps folder the stage fails under CI=true and is skipped, saying why, elsewhere.
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
deps_archives=${KEST_HOST_2016_DEPS:-../shared/deps/host-2016}
root=${KEST_HOST_2016_BUILD_DIR:-build-host2016}
build_dir=${KEST_BUILD_DIR:-build}
fail() { echo "ci-host-generation: $*" >&2; exit 1; }
step() { echo "== $*"; }

if [[ ! -d $deps_archives ]]; then
  [[ ${CI:-} == true ]] && fail "$deps_archives is missing: the host generation's libraries cannot be tested"
  echo "ci-host-generation: skipped: $deps_archives (the host generation's prebuilt FTGL and Qt) is missing"
  exit 0
fi

scripts/install-deps.sh
scripts/build.sh >/dev/null
mkdir -p "$root"
root=$(realpath "$root")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Unpacked once for each set of archives: builds link the libraries where they lie.
deps="$root/deps"
stamp=$(cat "$deps_archives"/ftgl-2.1.3-rc5.tar.xz "$deps_archives"/qt-4.8.6-core.tar.xz | sha256sum | cut -c1-16)
if [[ ! -e $deps/.unpacked-$stamp ]]; then
  step "Unpacking FTGL 2.1.3~rc5 and Qt 4.8.6 from $deps_archives into $deps"
  rm -rf "$deps" && mkdir -p "$deps"
  tar -xJf "$deps_archives/ftgl-2.1.3-rc5.tar.xz" -C "$deps"
  tar -xJf "$deps_archives/qt-4.8.6-core.tar.xz" -C "$deps"
  touch "$deps/.unpacked-$stamp"
fi
ftgl_lib="$deps/ftgl-2.1.3/lib"
export PKG_CONFIG_PATH="$ftgl_lib/pkgconfig"

# expect_loaded BINARY SONAME DIR: ldd resolves SONAME for BINARY to the copy in DIR.
expect_loaded() {
  local resolved
  resolved=$(ldd "$1" | awk -v lib="$2" '$1 == lib { print $3 }')
  [[ $resolved == "$3/$2" ]] || fail "$1 loads $2 from \"$resolved\", not from $3"
}

ftgl_build="$root/ftgl213"
step "Building the project against FTGL 2.1.3 in $ftgl_build"
KEST_BUILD_DIR="$ftgl_build" KEST_PRESET=host-generation scripts/build.sh >/dev/null
grep -qx 'FTGL_VERSION:INTERNAL=2.1.3~rc5' "$ftgl_build/CMakeCache.txt" || fail "$ftgl_build did not find FTGL 2.1.3~rc5"
checked=0
while IFS= read -r -d '' binary; do
  readelf -d "$binary" 2>/dev/null | grep -q 'NEEDED.*\[libftgl\.so\.2\]' || continue
  expect_loaded "$binary" libftgl.so.2 "$ftgl_lib"
  checked=$((checked + 1))
done < <(find "$ftgl_build" -type f \( -name '*.so' -o -perm -u+x \) ! -path '*/CMakeFiles/*' -print0)
((checked > 0)) || fail "no binary of $ftgl_build needs libftgl"
echo "$checked binaries load FTGL 2.1.3 from $ftgl_lib"

scripts/check-symbol-versions.sh "$ftgl_build/plugin/libkestdialhudelement.so"

step "The test suite on FTGL 2.1.3"
ctest --test-dir "$ftgl_build" --output-on-failure -j2

step "A dial kept until exit, on FTGL 2.1.3 under AddressSanitizer and UndefinedBehaviorSanitizer"
sanitized_build="$root/ftgl213-sanitize"
KEST_BUILD_DIR="$sanitized_build" KEST_PRESET=sanitizers KEST_BUILD_TARGETS=dial_alive_at_exit scripts/build.sh \
  >/dev/null
UBSAN_OPTIONS=print_stacktrace=1 "$sanitized_build/tests/host_libraries/dial_alive_at_exit" ||
  fail "a dial kept until exit did not exit cleanly on FTGL 2.1.3"
echo "a dial kept until exit: exit status 0, no sanitizer report"

step "Dial widths 1 to 2000 on FTGL 2.1.3 and on the normal build's FTGL"
"$ftgl_build/tests/host_libraries/dial_width_sweep" >"$work/sweep-2.1.3.txt" || fail "a width left a GL error on FTGL 2.1.3"
"$build_dir/tests/host_libraries/dial_width_sweep" >"$work/sweep-normal.txt" || fail "a width left a GL error in the normal build"
differing=$(diff "$work/sweep-2.1.3.txt" "$work/sweep-normal.txt" | grep -c '^<' || true)
((differing == 0)) || { diff "$work/sweep-2.1.3.txt" "$work/sweep-normal.txt" | head -20; fail "$differing widths draw other pixels on FTGL 2.1.3"; }
echo "2000 widths: no GL error, the same pixels on both"

step "The plug-in for the 2016 host against an SDK tree, with Qt 4.8.6 and FTGL 2.1.3"
cmake --install "$build_dir" --component sdk --prefix "$root/sdk2016" >/dev/null
grep -q 'define FBSDKNamespace ORSDK2016' "$root/sdk2016/include/fbsdk/fbversion.h" ||
  fail "the normal build's stand-in SDK is not the SDK of 2016"
qt4_build="$root/plugin-qt4"
cmake --preset sdk-tree -B "$qt4_build" -DORSDK_ROOT="$root/sdk2016" \
  -DQT_QMAKE_EXECUTABLE="$deps/qt-4.8.6/bin/qmake" >"$work/configure.log" 2>&1 ||
  { cat "$work/configure.log"; fail "the configure step failed"; }
grep -q "Qt: 4.8.6 Core, chosen by the SDK of 2016" "$work/configure.log" ||
  { cat "$work/configure.log"; fail "the build did not pick Qt 4.8.6 for the SDK of 2016 by itself"; }
cmake --build "$qt4_build" >/dev/null
plugin="$qt4_build/plugin/libkestdialhudelement.so"
expect_loaded "$plugin" libQtCore.so.4 "$deps/qt-4.8.6/lib"
expect_loaded "$plugin" libftgl.so.2 "$ftgl_lib"
scripts/check-symbol-versions.sh "$plugin"

step "Drawing the Qt 4 plug-in in hudhost"
scripts/ci-other-qt-plugin.sh "$plugin" libQtCore.so.4 "$build_dir"
echo "ci-host-generation: passed"
