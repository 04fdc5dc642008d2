#!/usr/bin/env bash
# Checks the install and the package of the normal build (build/ or $KEST_BUILD_DIR): both hold
# exactly the plug-in and its two font licences in the plug-in folder; the installed plug-in has
# no RPATH into the build tree, needs only libGL, FTGL, Qt Core, the SDK library and the C and
# C++ runtime, imports no symbol version newer than the oldest host's platform has, and loads in
# hudhost. Both name the one host release the plug-in runs in.
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build_dir=${KEST_BUILD_DIR:-build}
fail() { echo "ci-install: $*" >&2; exit 1; }

scripts/build.sh >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
plugin_dir=$(sed -n 's/^KEST_PLUGIN_INSTALL_DIR:PATH=//p' "$build_dir/CMakeCache.txt")
expected=$(printf '%s\n' "$plugin_dir/Arial.ttf.LICENSE.txt" "$plugin_dir/OratorStd.otf.LICENSE.txt" \
  "$plugin_dir/libkestdialhudelement.so")

echo "== cmake --install into $work/prefix"
install_log=$(cmake --install "$build_dir" --prefix "$work/prefix")
release=$(sed -n 's/^KEST_STANDIN_SDK_VERSION:STRING=//p' "$build_dir/CMakeCache.txt")
grep -q "Kest Dial HUD Element for MotionBuilder $release only" <<<"$install_log" ||
  fail "the install does not say that the plug-in is for MotionBuilder $release: $install_log"
installed=$(cd "$work/prefix" && find . ! -type d | sed 's|^\./||' | sort)
[[ $installed == "$expected" ]] || fail "the install holds"$'\n'"$installed"$'\n'"not"$'\n'"$expected"
for licence in Arial.ttf OratorStd.otf; do
  cmp -s "resources/$licence.LICENSE.txt" "$work/prefix/$plugin_dir/$licence.LICENSE.txt" ||
    fail "the installed $licence.LICENSE.txt differs from resources/"
done

plugin="$work/prefix/$plugin_dir/libkestdialhudelement.so"
echo "== Checking $plugin"
dynamic=$(readelf -d "$plugin")
rpath=$(sed -n 's/.*(\(RPATH\|RUNPATH\)).*\[\(.*\)\]/\2/p' <<<"$dynamic")
[[ $rpath == "\$ORIGIN" ]] || fail "the installed plug-in's RPATH is \"$rpath\", not \"\$ORIGIN\""
needed=$(sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' <<<"$dynamic" | sort | tr '\n' ' ')
expected_needed="libGL.so.1 libQt5Core.so.5 libc.so.6 libfbsdk.so.1 libftgl.so.2 libgcc_s.so.1 libm.so.6 libstdc++.so.6 "
[[ $needed == "$expected_needed" ]] || fail "the installed plug-in needs \"$needed\", not \"$expected_needed\""
scripts/check-symbol-versions.sh "$plugin"
"$build_dir/standin_host/hudhost" --plugin "$plugin" --list | grep -q "KestDialHUDElement  Kest Dial HUD Element" ||
  fail "hudhost does not list the element of the installed plug-in"

echo "== cpack into $work/package"
(cd "$build_dir" && cpack -B "$work/package" >/dev/null)
packages=("$work"/package/*.tar.gz)
((${#packages[@]} == 1)) || fail "cpack made ${#packages[@]} packages: ${packages[*]}"
[[ $(basename "${packages[0]}") == kestdialhudelement-*-MotionBuilder$release-Linux-x86_64.tar.gz ]] ||
  fail "the package $(basename "${packages[0]}") does not name MotionBuilder $release"
listing=$(tar -tzf "${packages[0]}" | grep -v '/$' | sed 's|^\./||' | sort)
[[ $listing == "$expected" ]] || fail "the package holds"$'\n'"$listing"$'\n'"not"$'\n'"$expected"
mkdir "$work/unpacked"
tar -xzf "${packages[0]}" -C "$work/unpacked"
diff -r "$work/prefix" "$work/unpacked" >/dev/null || fail "the package's files differ from the installed ones"
echo "ci-install: passed, $(basename "${packages[0]}")"
