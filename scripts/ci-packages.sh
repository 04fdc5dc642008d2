#!/usr/bin/env bash
# The packages for every release the stand-in SDK follows, and the installs that are refused:
# scripts/package-releases.sh makes and checks them, with Qt 4.8.6 for 2016 and on FTGL 2.4 and
# 2.1.3 (../shared/deps/host-2016, or $KEST_HOST_2016_DEPS; facts from ../shared/host-abi); a copy
# of the sources in another folder must make the same bytes; and the normal build, the stand-in
# SDK of 2016 with Qt 5, is right for no release, so its install and its package are refused.
source "$(dirname "$0")/lib.sh" ci-packages
deps=${KEST_HOST_2016_DEPS:-../shared/deps/host-2016}
facts_dir=${KEST_HOST_ABI_DIR:-../shared/host-abi}
started=$SECONDS
need_shared "$deps" "$facts_dir"
install_deps
deps=$(realpath "$deps")
# Both runs give the packages' files the time of this checkout's commit.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
KEST_HOST_ABI_DIR=$(realpath "$facts_dir")
export SOURCE_DATE_EPOCH KEST_HOST_ABI_DIR
make_work
package_options=(--qt4 "$deps/qt-4.8.6-core.tar.xz" --ftgl213 "$deps/ftgl-2.1.3-rc5.tar.xz")

step "The packages, checked"
scripts/package-releases.sh "${package_options[@]}"
mapfile -t releases < <(sdk_releases)
packages=$(cd dist && ls -- *.tar.gz)
expected=$(printf 'kestdialhudelement-1.0.0-MotionBuilder%s-Linux-x86_64.tar.gz\n' "${releases[@]}")
[[ $packages == "$expected" ]] || fail "dist/ holds"$'\n'"$packages"$'\n'"not"$'\n'"$expected"
(cd dist && sha256sum --check --quiet SHA256SUMS) || fail "dist/SHA256SUMS does not verify the packages"
for release in "${releases[@]}"; do
  grep -q "^$release .*MotionBuilder$release-.* RHEL 6" dist/MANIFEST.txt || fail "dist/MANIFEST.txt has no checked row for $release"
done
cat dist/MANIFEST.txt

step "The packages again, from a copy of the sources in another folder"
copy="$work/another-folder/kest"
mkdir -p "$copy"
git ls-files --cached --others --exclude-standard -z | tar --null --files-from=- --create | tar --extract -C "$copy"
"$copy/scripts/package-releases.sh" "${package_options[@]}" --no-checks >/dev/null
diff -u dist/SHA256SUMS "$copy/dist/SHA256SUMS" || fail "the packages made in $copy differ from those in dist/"
echo "the same bytes from $copy"

step "The normal build, the stand-in SDK of 2016 with Qt 5: neither installed nor packaged"
KEST_BUILD_TARGETS=kestdialhudelement scripts/build.sh >/dev/null
why="MotionBuilder 2016 runs Qt 4, and this plug-in links Qt 5; build it against an SDK of 2016"
expect_refused "$work/prefix" "$why" cmake --install "$build_dir" --prefix "$work/prefix"
expect_refused "$work/package" "$why" cpack --config "$build_dir/CPackConfig.cmake" -B "$work/package"
echo "ci-packages: passed in $((SECONDS - started)) s"
