#!/usr/bin/env bash
# Makes in dist/ the plug-in's package for each release whose binary interface the stand-in SDK
# presents (2016 to 2023; none for 2024 and later), with SHA256SUMS and MANIFEST.txt. Each is built
# as a user of that release builds it: that release's stand-in SDK installed as an SDK tree, the
# plug-in against it with the preset "package" and the Qt the build picks (Debian's Qt 5, for 2016
# the Qt 4.8 of --qt4; without it, 2016 is left out). Each package is then checked, unpacked, as
# that release's host would see it: its files, RUNPATH $ORIGIN and no folder of this build named
# in it; the host's binary-interface facts of the release (../shared/host-abi, or
# $KEST_HOST_ABI_DIR) and the SDK library defining every import; the libraries it needs and loads,
# that release's Qt Core alone; the oldest host's symbol versions; and, in that release's hudhost,
# the normal build's pixels on FTGL 2.4 and, given --ftgl213, on FTGL 2.1.3. The packages are
# reproducible: the same sources and libraries give the same bytes in any folder.
#
# Usage: scripts/package-releases.sh [--qt4 QT4] [--ftgl213 FTGL] [--no-checks]
#   QT4   Qt 4.8's folder (bin/qmake, lib/libQtCore.so.4), or a .tar.xz archive of one such as
#         ../shared/deps/host-2016/qt-4.8.6-core.tar.xz
#   FTGL  FTGL 2.1.3's folder (lib/libftgl.so.2), or a .tar.xz archive of one such as
#         ../shared/deps/host-2016/ftgl-2.1.3-rc5.tar.xz
#   --no-checks makes the packages without checking them (to compare their bytes with another run).
# Builds in build-packages/ (or $KEST_PACKAGE_BUILD_ROOT); dist/ is replaced only when all passed.
source "$(dirname "$0")/lib.sh" package-releases
mapfile -t releases < <(sdk_releases)
usage() { sed -n 's/^# \{0,1\}//; /^Usage:/,/^Builds in/p' "$0" >&2; exit 2; }

qt4="" ftgl213="" check=1
while (($#)); do
  case $1 in
    --qt4) (($# >= 2)) || usage; qt4=$2; shift 2 ;;
    --ftgl213) (($# >= 2)) || usage; ftgl213=$2; shift 2 ;;
    --no-checks) check=0; shift ;;
    *) usage ;;
  esac
done

facts_dir=${KEST_HOST_ABI_DIR:-../shared/host-abi}
mkdir -p "${KEST_PACKAGE_BUILD_ROOT:-build-packages}"
root=$(realpath "${KEST_PACKAGE_BUILD_ROOT:-build-packages}")
((check == 0)) || [[ -d $facts_dir ]] ||
  fail "$facts_dir (the host SDK's binary-interface facts) is missing: set KEST_HOST_ABI_DIR to it"
started=$SECONDS
install_deps

# folder PATH: the folder PATH, or the one folder its .tar.xz archive unpacks to under $root/deps.
folder() {
  [[ -d $1 ]] && { realpath "$1"; return; }
  [[ -f $1 && $1 == *.tar.xz ]] || fail "$1 is neither a folder nor a .tar.xz archive"
  unpacked "$1" "$root/deps"
}
if [[ -n $qt4 ]]; then
  qt4=$(folder "$qt4")
  [[ -x $qt4/bin/qmake ]] || fail "$qt4 has no bin/qmake: --qt4 takes the folder of a Qt 4.8 install"
else
  echo "package-releases: no --qt4: MotionBuilder 2016, which runs Qt 4, is left out"
  releases=("${releases[@]:1}")
fi
if [[ -n $ftgl213 ]]; then
  ftgl213=$(folder "$ftgl213")
  [[ -e $ftgl213/lib/libftgl.so.2 ]] || fail "$ftgl213 has no lib/libftgl.so.2: --ftgl213 takes FTGL 2.1.3's folder"
elif ((check)); then
  echo "package-releases: no --ftgl213: the packages are drawn on Debian's FTGL 2.4 only"
fi
ftgls=("2.4:" ${ftgl213:+"2.1.3:$ftgl213/lib"})

if ((check)); then
  step "The normal build's hudhost and plug-in, which draw the reference dials, in $build_dir"
  KEST_BUILD_TARGETS="hudhost kestdialhudelement" scripts/build.sh >/dev/null
fi
# The dials every package draws, as the normal build draws them.
dials=("" "--set Value=63.5 --set Label=BOOST --set Spread=1")

# The package's files, as the install lays them out under the host's install directory.
plugin_dir=bin/linux_64/plugins
expected_files=$(printf '%s\n' "$plugin_dir/Arial.ttf.LICENSE.txt" "$plugin_dir/OratorStd.otf.LICENSE.txt" \
  "$plugin_dir/libkestdialhudelement.so")
# The time of the packages' files: SOURCE_DATE_EPOCH, as reproducible builds name it, else the
# time of the checkout's commit.
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null)} ||
  fail "not a git checkout: set SOURCE_DATE_EPOCH to the time to give the packages' files"

staging="$root/dist"
rm -rf "$staging" && mkdir -p "$staging"
# The normal build's dials, drawn once for all the releases (draws_as_normal).
reference_dir="$root/normal-dials"
rm -rf "$reference_dir"
manifest_rows=()

# qt_core_of RELEASE: the Qt Core library the host of RELEASE runs.
qt_core_of() { if (($1 < 2017)); then echo libQtCore.so.4; else echo libQt5Core.so.5; fi; }

# highest_versions PLUGIN: the highest symbol version the plug-in imports of each family.
highest_versions() {
  objdump -T "$1" | awk '/\*UND\*/ { v = $(NF - 1); gsub(/[()]/, "", v); if (v ~ /_/) print v }' |
    sort -uV | awk -F_ '{ top[$1] = $0 } END { for (f in top) print top[f] }' | sort | paste -sd ' '
}

# pack STAGE ARCHIVE: the files under STAGE as a gzip'd tar archive whose bytes depend on nothing
# but their contents and names: entries sorted, files only (unpacking into the host's install
# directory leaves its folders as they are), one time, owner root, modes 0755 and 0644.
pack() {
  (cd "$1" && find . -type f -printf '%P\n' | sort |
    tar --create --format=gnu --no-recursion --verbatim-files-from --files-from=- \
      --mtime="@$epoch" --owner=0 --group=0 --numeric-owner --mode='u=rwX,go=rX') | gzip -9n >"$2"
}

# check_package RELEASE ARCHIVE SDK HUDHOST PLUGIN_BUILD: the checks above, on the unpacked archive.
check_package() {
  local release=$1 archive=$2 sdk=$3 hudhost=$4 plugin_build=$5 work="$root/$1/check"
  rm -rf "$work" && mkdir -p "$work/unpacked"
  tar -xzf "$archive" -C "$work/unpacked"
  local listing
  listing=$(cd "$work/unpacked" && find . ! -type d -printf '%P\n' | sort)
  [[ $listing == "$expected_files" ]] || fail "$release: the package holds"$'\n'"$listing"$'\n'"not"$'\n'"$expected_files"
  for licence in Arial.ttf OratorStd.otf; do
    cmp -s "resources/$licence.LICENSE.txt" "$work/unpacked/$plugin_dir/$licence.LICENSE.txt" ||
      fail "$release: the package's $licence.LICENSE.txt differs from resources/"
  done
  local plugin="$work/unpacked/$plugin_dir/libkestdialhudelement.so" dynamic rpath needed expected_needed
  dynamic=$(readelf -d "$plugin")
  rpath=$(sed -n 's/.*(\(RPATH\|RUNPATH\)).*\[\(.*\)\]/\2/p' <<<"$dynamic")
  [[ $rpath == "\$ORIGIN" ]] || fail "$release: the plug-in's RUNPATH is \"$rpath\", not \"\$ORIGIN\""
  local folder
  for folder in "$PWD" "$root" "$sdk" "$plugin_build" ${qt4:+"$qt4"}; do
    ! strings -a "$plugin" | grep -qF "$folder" || fail "$release: the plug-in names the folder $folder"
  done

  needed=$(needed "$plugin")
  expected_needed=$(printf '%s\n' libGL.so.1 "$(qt_core_of "$release")" libc.so.6 libfbsdk.so.1 libftgl.so.2 \
    libgcc_s.so.1 libm.so.6 libstdc++.so.6 | sort | paste -sd ' ')
  [[ $needed == "$expected_needed" ]] || fail "$release: the plug-in needs \"$needed\", not \"$expected_needed\""
  scripts/check-symbol-versions.sh "$plugin" >/dev/null

  "$facts_dir/measure/measure.sh" "$release" "$plugin" "$sdk/include" >"$work/measured.txt"
  diff -u "$facts_dir/$release.txt" "$work/measured.txt" ||
    fail "$release: the plug-in differs from the host's binary interface (- host, + package)"
  nm -D --defined-only "$sdk/lib/libfbsdk.so.1" | awk '{print $3}' | sort >"$work/exports.txt"
  sed -n 's/^  \(_Z[^\t]*\)\t.*/\1/p' "$facts_dir/$release.txt" | sort >"$work/imports.txt"
  local missing
  missing=$(comm -23 "$work/imports.txt" "$work/exports.txt")
  [[ -z $missing ]] || fail "$release: the SDK library does not define the host's imports:"$'\n'"$missing"

  local ftgl version libs ld_path dial
  for ftgl in "${ftgls[@]}"; do
    # Where the host finds its libraries beyond the system's: Qt 4 for 2016, and FTGL 2.1.3.
    version=${ftgl%%:*} libs=${ftgl#*:} ld_path=${ftgl#*:}
    ((release >= 2017)) || ld_path=$qt4/lib${libs:+:$libs}
    for dial in "${dials[@]}"; do
      read -r -a dial_args <<<"$dial"
      LD_LIBRARY_PATH=$ld_path draws_as_normal "$hudhost" "$plugin" "${dial_args[@]}" ||
        fail "$release: the package draws another dial than the normal build on FTGL $version (${dial:-the default dial})"
      if [[ -n $libs ]]; then
        grep -qF "init: $libs/libftgl.so.2" "$work/libs.log" || fail "$release: hudhost did not load FTGL $version"
      fi
      [[ $(qt_cores <"$work/libs.log") == "$(qt_core_of "$release")" ]] ||
        fail "$release: loading the plug-in loaded the Qt Core \"$(qt_cores <"$work/libs.log")\", not $(qt_core_of "$release")"
    done
  done
}

# The SDK library of each release, and its hudhost where the packages are checked.
standin_targets=fbsdk
((check == 0)) || standin_targets+=" hudhost"
for release in "${releases[@]}"; do
  step "MotionBuilder $release"
  standin="$root/$release/standin" sdk="$root/$release/sdk" plugin_build="$root/$release/plugin"
  stage="$root/$release/stage"
  KEST_BUILD_DIR=$standin KEST_PRESET=standin-release KEST_BUILD_TARGETS=$standin_targets scripts/build.sh \
    -DKEST_STANDIN_SDK_VERSION="$release" >/dev/null
  install_sdk_tree "$standin" "$sdk"
  # For 2016, Qt 4's qmake first on the PATH, where the build's search for Qt 4 finds it.
  qt4_path=""
  ((release >= 2017)) || qt4_path="$qt4/bin:"
  PATH="$qt4_path$PATH" configure package "$plugin_build" "$sdk"
  expect_choices "$plugin_build" installs_for="$release"
  cmake --build "$plugin_build" >/dev/null
  rm -rf "$stage"
  cmake --install "$plugin_build" --component plugin --prefix "$stage" >/dev/null

  name=$(sed -n 's/^set(CPACK_PACKAGE_FILE_NAME "\(.*\)")$/\1/p' "$plugin_build/CPackConfig.cmake")
  [[ $name == *-MotionBuilder$release-* ]] || fail "$release: the package's name \"$name\" does not name $release"
  pack "$stage" "$staging/$name.tar.gz"
  platform="not checked"
  if ((check)); then
    check_package "$release" "$staging/$name.tar.gz" "$sdk" "$standin/standin_host/hudhost" "$plugin_build"
    platform="RHEL 6 (glibc 2.12, GCC 4.4's libstdc++)"
  fi

  plugin="$stage/$plugin_dir/libkestdialhudelement.so"
  namespace=$(sed -n 's/^#define FBSDKNamespace \(ORSDK[0-9]*\).*/\1/p' "$sdk/include/fbsdk/fbversion.h")
  qt=$(choice "$plugin_build" qt) standard=C++$(choice "$plugin_build" standard)
  needed=$(needed "$plugin")
  manifest_rows+=("$release|$name.tar.gz|$namespace|$qt|$standard|$needed|$(highest_versions "$plugin")|$platform")
  echo "$name.tar.gz: $([[ $check == 1 ]] && echo "checked for MotionBuilder $release" || echo "not checked")"
done

(cd "$staging" && sha256sum -- *.tar.gz >SHA256SUMS)
{
  echo "Kest Dial HUD Element: one package for each MotionBuilder release, to unpack in that release's"
  echo "install directory; see README's Installing section. SHA256SUMS lists their checksums."
  echo "None for 2024 to 2027: build against your own SDK install (-DORSDK_ROOT)."
  if ((check)); then
    echo "Each checked against its release's binary-interface facts and symbol-version ceilings, and drawn"
    echo "in its release's hudhost on FTGL $(printf '%s\n' "${ftgls[@]%%:*}" | paste -sd ' ' | sed 's/ / and /')."
  fi
  echo
  printf '%s\n' "Release|Package|SDK namespace|Qt|C++|Needs at run time (NEEDED)|Highest symbol versions imported|Host platform checked against" \
    "${manifest_rows[@]}" | column -t -s '|' -o '  '
} >"$staging/MANIFEST.txt"

mkdir -p dist
rm -f dist/*.tar.gz dist/SHA256SUMS dist/MANIFEST.txt
mv "$staging"/* dist/
echo "package-releases: ${#releases[@]} packages in dist/ in $((SECONDS - started)) s"
echo "package-releases: none for MotionBuilder 2024 to 2027, whose binary interface is not known here:" \
  "build against your own SDK install (cmake -DORSDK_ROOT=<the SDK's root>; README, Installing)"
[[ -n $qt4 ]] || echo "package-releases: MotionBuilder 2016 was left out: give its Qt 4.8 with --qt4"
