#!/usr/bin/env bash
# Checks a plug-in built with another Qt than the normal build's Qt 5 (Qt 4 for 2016, Qt 6 from
# 2025): it needs QT_CORE and no other Qt Core; drawn by HOST_BUILD's hudhost (a build of the
# stand-in SDK it was built against), three dials are byte-identical to the normal build's, with
# no other Qt Core loaded; and HOST_BUILD's font_failure_probe makes it print its font-failure
# message through its own Qt, exactly "Couldn't open oratorstd font: 5 ".
# Usage: scripts/ci-other-qt-plugin.sh PLUGIN QT_CORE HOST_BUILD
source "$(dirname "$0")/lib.sh" ci-other-qt-plugin
(($# == 3)) || { echo "usage: $0 PLUGIN QT_CORE HOST_BUILD" >&2; exit 2; }
plugin=$1 qt_core=$2 host_build=$3
make_work

step "The plug-in of $qt_core in hudhost"
[[ $(needed "$plugin" | qt_cores) == "$qt_core" ]] || fail "$plugin needs \"$(needed "$plugin")\", not $qt_core alone"
for host in "$host_build/standin_host/hudhost" "$build_dir/standin_host/hudhost"; do
  [[ $(needed "$host") != *Qt* ]] || fail "$host links Qt"
done
dials=("" "--set Value=63.5 --set Label=BOOST --set Spread=1" "--rect 13.25,7.5,151,90 --set Spread=0.5 --set Ticks=20 --set Value=42")
for dial in "${dials[@]}"; do
  read -r -a dial_args <<<"$dial"
  draws_as_normal "$host_build/standin_host/hudhost" "$plugin" "${dial_args[@]}" ||
    fail "the plug-in of $qt_core draws another dial (${dial:-the default dial})"
  [[ $(qt_cores <"$work/libs.log") == "$qt_core" ]] ||
    fail "hudhost loaded $(qt_cores <"$work/libs.log") for the plug-in of $qt_core (${dial:-the default dial})"
done

"$host_build/tests/host_libraries/font_failure_probe" "$plugin" 2>"$work/font-failure.txt" ||
  { cat "$work/font-failure.txt"; fail "the plug-in of $qt_core created a dial without its fonts"; }
printf "Couldn't open oratorstd font: 5 \n" | cmp -s - "$work/font-failure.txt" ||
  { od -c "$work/font-failure.txt"; fail "the plug-in of $qt_core writes another font-failure message"; }
echo "ci-other-qt-plugin: $plugin: $qt_core alone, the same pixels, the font-failure message through $qt_core"
