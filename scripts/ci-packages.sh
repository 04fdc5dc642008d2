#!/usr/bin/env bash
# Continuous integration: the packages for MotionBuilder 2016 to 2023, and the installs that are
# refused.
#  1. scripts/package-releases.sh makes the seven packages with Qt 4.8.6 for 2016 and checks each
#     for its own release, on FTGL 2.4 and 2.1.3 (both from ../shared/deps/host-2016, or
#     $KEST_HOST_2016_DEPS; the facts from ../shared/host-abi): one plug-in per release, built
#     once, serves every check of that release. dist/ must then hold the seven, SHA256SUMS that
#     verifies them, and a manifest row for each.
#  2. The same script, from a copy of the sources in another folder and without the checks, must
#     make the same bytes.
#  3. The normal build (build/, or $KEST_BUILD_DIR), the stand-in SDK of 2016 with Qt 5, is right
#     for no release: its install and its package stop with one line that says why, and copy
#     nothing.
# Without ../shared the stage fails under CI=true and is skipped, saying why, elsewhere.
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
deps=${KEST_HOST_2016_DEPS:-../shared/deps/host-2016}
facts_dir=${KEST_HOST_ABI_DIR:-../shared/host-abi}
build_dir=${KEST_BUILD_DIR:-build}
fail() { echo "ci-packages: $*" >&2; exit 1; }
started=$SECONDS

for needed in "$deps" "$facts_dir"; do
  [[ -d $needed ]] && continue
  [[ ${CI:-} == true ]] && fail "$needed is missing: the packages cannot be made and checked"
  echo "ci-packages: skipped: $needed is missing"
  exit 0
done
deps=$(realpath "$deps")
# Both runs give the packages' files the time of this checkout's commit.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH KEST_HOST_ABI_DIR=$(realpath "$facts_dir")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
package_options=(--qt4 "$deps/qt-4.8.6-core.tar.xz" --ftgl213 "$deps/ftgl-2.1.3-rc5.tar.xz")

echo "== The packages, checked"
scripts/package-releases.sh "${package_options[@]}"
releases=(2016 2017 2018 2019 2020 2022 2023)
packages=$(cd dist && ls -- *.tar.gz)
expected=$(printf 'kestdialhudelement-1.0.0-MotionBuilder%s-Linux-x86_64.tar.gz\n' "${releases[@]}")
[[ $packages == "$expected" ]] || fail "dist/ holds"$'\n'"$packages"$'\n'"not"$'\n'"$expected"
(cd dist && sha256sum --check --quiet SHA256SUMS) || fail "dist/SHA256SUMS does not verify the packages"
for release in "${releases[@]}"; do
  grep -q "^$release .*MotionBuilder$release-.* RHEL 6" dist/MANIFEST.txt || fail "dist/MANIFEST.txt has no checked row for $release"
done
cat dist/MANIFEST.txt

echo "== The packages again, from a copy of the sources in another folder"
copy="$work/another-folder/kest"
mkdir -p "$copy"
git ls-files --cached --others --exclude-standard -z | tar --null --files-from=- --create | tar --extract -C "$copy"
"$copy/scripts/package-releases.sh" "${package_options[@]}" --no-checks >/dev/null
diff -u dist/SHA256SUMS "$copy/dist/SHA256SUMS" || fail "the packages made in $copy differ from those in dist/"
echo "the same bytes from $copy"

echo "== The normal build, the stand-in SDK of 2016 with Qt 5: neither installed nor packaged"
KEST_BUILD_TARGETS=kestdialhudelement scripts/build.sh >/dev/null
# refused WHAT LOG TARGET: WHAT stopped with the one line of the normal build's refusal, and left
# TARGET empty or absent.
refused() {
  local line="Not installing: MotionBuilder 2016 runs Qt 4, and this plug-in links Qt 5; build it against an SDK of 2016"
  [[ $(grep -c "Not installing:" <<<"$2") == 1 ]] && grep -q "^ *$line" <<<"$2" ||
    fail "$1 did not stop with one line that says why: $2"
  [[ -z $(find "$3" -type f 2>/dev/null) ]] || fail "$1 copied files into $3"
}
if log=$(cmake --install "$build_dir" --prefix "$work/prefix" 2>&1); then fail "installed the normal build: $log"; fi
refused "cmake --install" "$log" "$work/prefix"
if log=$(cd "$build_dir" && cpack -B "$work/package" 2>&1); then fail "packaged the normal build: $log"; fi
refused cpack "$log" "$work/package"
echo "ci-packages: passed in $((SECONDS - started)) s"
