#!/usr/bin/env bash
# Checks a plug-in built with another Qt than the normal build's Qt 5 (Qt 4 for the 2016 host,
# Qt 6 for 2025 and later) against the normal build's plug-in, build/ (or $KEST_BUILD_DIR):
#  1. the plug-in needs QT_CORE (libQtCore.so.4, libQt6Core.so.6) and no other Qt Core;
#  2. drawn by HOST_BUILD's hudhost (HOST_BUILD: a build of the stand-in SDK that the plug-in was
#     built against), the default dial and two others are byte-identical to those the normal
#     build's hudhost draws with its own plug-in, and no other Qt Core is loaded;
#  3. HOST_BUILD's font_failure_probe makes it print its font-failure message through its own
#     Qt, exactly "Couldn't open oratorstd font: 5 ".
# Usage: scripts/ci-other-qt-plugin.sh PLUGIN QT_CORE HOST_BUILD
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
(($# == 3)) || { echo "usage: $0 PLUGIN QT_CORE HOST_BUILD" >&2; exit 2; }
plugin=$1 qt_core=$2 host_build=$3
build_dir=${KEST_BUILD_DIR:-build}
fail() { echo "ci-other-qt-plugin: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# other_qt_cores: the Qt Core libraries named on standard input, other than QT_CORE.
other_qt_cores() { grep -o 'libQt[0-9]*Core\.so\.[0-9]*' | sort -u | grep -vxF "$qt_core" | tr '\n' ' ' || true; }

needed=$(readelf -d "$plugin" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | tr '\n' ' ')
[[ " $needed" == *" $qt_core "* ]] || fail "$plugin needs \"$needed\", without $qt_core"
others=$(other_qt_cores <<<"$needed")
[[ -z $others ]] || fail "$plugin needs another Qt too: $others"
echo "$plugin needs $qt_core and no other Qt Core"

hudhost="$host_build/standin_host/hudhost"
for host in "$hudhost" "$build_dir/standin_host/hudhost"; do
  readelf -d "$host" | grep -q 'NEEDED.*Qt' && fail "$host links Qt"
done
dials=("" "--set Value=63.5 --set Label=BOOST --set Spread=1" "--rect 13.25,7.5,151,90 --set Spread=0.5 --set Ticks=20 --set Value=42")
for dial in "${dials[@]}"; do
  read -r -a dial_args <<<"$dial"
  LD_DEBUG=libs "$hudhost" --plugin "$plugin" "${dial_args[@]}" --out "$work/other.png" 2>"$work/libs.log"
  others=$(other_qt_cores <"$work/libs.log")
  [[ -z $others ]] || fail "hudhost loaded $others for the plug-in of $qt_core (${dial:-the default dial})"
  "$build_dir/standin_host/hudhost" "${dial_args[@]}" --out "$work/normal.png"
  cmp -s "$work/other.png" "$work/normal.png" || fail "the plug-in of $qt_core draws another dial (${dial:-the default dial})"
  echo "the same pixels: ${dial:-the default dial}"
done

"$host_build/tests/host_libraries/font_failure_probe" "$plugin" 2>"$work/font-failure.txt" ||
  { cat "$work/font-failure.txt"; fail "the plug-in of $qt_core created a dial without its fonts"; }
printf "Couldn't open oratorstd font: 5 \n" | cmp -s - "$work/font-failure.txt" ||
  { od -c "$work/font-failure.txt"; fail "the plug-in of $qt_core writes another font-failure message"; }
echo "the font-failure message through $qt_core: \"Couldn't open oratorstd font: 5 \""
