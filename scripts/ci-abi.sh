#!/usr/bin/env bash
# The stand-in SDK presents the host SDK's binary interface, release by release. For each release
# from 2016 to 2023 it builds the SDK library, hudhost and the plug-in alone against the stand-in
# of that release (build-abi/<release>/, or under $KEST_ABI_BUILD_ROOT), then
#  1. measures them with the host's measuring script (../shared/host-abi/measure/measure.sh):
#     record layouts, virtual tables slot by slot, and the plug-in's imports; any line that
#     differs from the host's facts (../shared/host-abi/<release>.txt) fails the stage;
#  2. checks that libfbsdk.so.1 defines every symbol of the facts' imports, so that a plug-in
#     built against the host's own headers links against it;
#  3. loads the plug-in in that release's hudhost and draws a dial, which must be the same pixels
#     in every release.
# Each release's plug-in must also keep to the oldest host platform's symbol versions
# (scripts/check-symbol-versions.sh).
# The facts are read from ../shared/host-abi (or $KEST_HOST_ABI_DIR), never copied here. Without
# them the stage fails under CI=true and is skipped, saying why, elsewhere.
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
facts_dir=${KEST_HOST_ABI_DIR:-../shared/host-abi}
build_root=${KEST_ABI_BUILD_ROOT:-build-abi}
releases=(2016 2017 2018 2019 2020 2022 2023)
fail() { echo "ci-abi: $*" >&2; exit 1; }

if [[ ! -d $facts_dir ]]; then
  [[ ${CI:-} == true ]] && fail "$facts_dir is missing: the stand-in's binary interface cannot be checked"
  echo "ci-abi: skipped: $facts_dir (the host SDK's binary-interface facts) is missing"
  exit 0
fi
scripts/install-deps.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
started=$SECONDS

for release in "${releases[@]}"; do
  build_dir=$build_root/$release
  echo "== The stand-in SDK of $release, in $build_dir"
  KEST_BUILD_DIR=$build_dir KEST_BUILD_TARGETS="fbsdk kestdialhudelement hudhost" scripts/build.sh \
    -DKEST_STANDIN_SDK_VERSION="$release" -DKEST_BUILD_BENCHMARKS=OFF >/dev/null
  plugin=$build_dir/plugin/libkestdialhudelement.so
  library=$build_dir/standin_sdk/libfbsdk.so.1
  scripts/check-symbol-versions.sh "$plugin"

  "$facts_dir/measure/measure.sh" "$release" "$plugin" standin_sdk/include "$build_dir/standin_sdk/include" \
    >"$work/$release.txt"
  diff -u "$facts_dir/$release.txt" "$work/$release.txt" ||
    fail "the stand-in SDK of $release differs from the host's binary interface (- host, + stand-in)"

  nm -D --defined-only "$library" | awk '{print $3}' | sort >"$work/exports.txt"
  sed -n 's/^  \(_Z[^\t]*\)\t.*/\1/p' "$facts_dir/$release.txt" | sort >"$work/imports.txt"
  missing=$(comm -23 "$work/imports.txt" "$work/exports.txt")
  [[ -z $missing ]] || fail "libfbsdk.so.1 of $release does not define the host's imports:"$'\n'"$missing"

  "$build_dir/standin_host/hudhost" --plugin "$plugin" --set Value=63 --set "Label=ABI" --out "$work/$release.png"
  cmp -s "$work/${releases[0]}.png" "$work/$release.png" ||
    fail "the plug-in of $release draws another dial than the one of ${releases[0]}"
done
echo "ci-abi: passed, ${#releases[@]} releases identical to the host's binary interface in $((SECONDS - started)) s"
