# shellcheck shell=bash
# What the scripts share: `source "$(dirname "$0")/lib.sh" NAME` sets -euo pipefail and the C
# locale, goes to the repository's root and names the normal build build_dir (build/, or
# $KEST_BUILD_DIR); fail() reports for NAME.
set -euo pipefail
export LC_ALL=C
cd "$(dirname "${BASH_SOURCE[0]}")/.."
script_name=$1
build_dir=${KEST_BUILD_DIR:-build}

fail() { echo "$script_name: $*" >&2; exit 1; }
step() { echo "== $*"; }

# install_deps: scripts/install-deps.sh, unless .ci/run ran it already (KEST_DEPS_INSTALLED).
install_deps() {
  [[ ${KEST_DEPS_INSTALLED:-} == 1 ]] || scripts/install-deps.sh
  export KEST_DEPS_INSTALLED=1
}

# make_work: $work, a new empty folder, removed when the script exits.
make_work() {
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
}

# need_shared FOLDER...: without one of the folders from ../shared, the stage fails under CI=true
# and is skipped, saying why, elsewhere.
need_shared() {
  local folder
  for folder; do
    [[ -d $folder ]] && continue
    [[ ${CI:-} == true ]] && fail "$folder is missing: the stage cannot run"
    echo "$script_name: skipped: $folder is missing"
    exit 0
  done
}

# sdk_releases: the releases the stand-in SDK follows, one a line, from cmake/KestSdkReleases.cmake.
sdk_releases() { sed -n '/^set(kest_sdk_namespaces/,/)/p' cmake/KestSdkReleases.cmake | grep -ow '20[0-9][0-9]'; }

# install_sdk_tree BUILD TREE: BUILD's stand-in SDK, headers and library only, as an SDK install at TREE.
install_sdk_tree() {
  rm -rf "$2"
  cmake --install "$1" --component sdk --prefix "$2" >/dev/null
}

# try_configure PRESET BUILD SDK: configures BUILD afresh with PRESET against the SDK install at
# SDK (ORSDK_ROOT), its messages into BUILD/configure.log; configure fails the script, showing them.
try_configure() {
  rm -rf "$2" && mkdir -p "$2"
  cmake --preset "$1" -B "$2" -DORSDK_ROOT="$3" >"$2/configure.log" 2>&1
}
configure() { try_configure "$@" || { cat "$2/configure.log"; fail "the configure step of $2 failed"; }; }

# choice BUILD KEY: what BUILD's configure step chose (its kest-choices.txt).
choice() { sed -n "s/^$2=//p" "$1/kest-choices.txt"; }

# expect_choices BUILD KEY=VALUE...: BUILD chose each VALUE for its KEY.
expect_choices() {
  local build=$1 pair
  shift
  for pair; do
    [[ $(choice "$build" "${pair%%=*}") == "${pair#*=}" ]] ||
      fail "$build chose ${pair%%=*} \"$(choice "$build" "${pair%%=*}")\", not \"${pair#*=}\""
  done
}

# unpacked ARCHIVE INTO: the one folder that the .tar.xz ARCHIVE holds, unpacked under INTO once
# for each archive's contents.
unpacked() {
  local into folder
  into="$2/$(sha256sum "$1" | cut -c1-16)"
  if [[ ! -e $into/.unpacked ]]; then
    rm -rf "$into" && mkdir -p "$into"
    tar -xJf "$1" -C "$into"
    touch "$into/.unpacked"
  fi
  folder=$(find "$into" -mindepth 1 -maxdepth 1 -type d)
  [[ -n $folder && $(wc -l <<<"$folder") == 1 ]] || fail "$1 does not unpack to one folder"
  echo "$folder"
}

# expect_refused TARGET WHY COMMAND...: COMMAND, an install or a package into TARGET, fails with
# one line that says WHY, and leaves no file in TARGET.
expect_refused() {
  local target=$1 why=$2 log
  shift 2
  if log=$("$@" 2>&1); then fail "$* did not refuse: $log"; fi
  [[ $(grep -c "Not installing:" <<<"$log") == 1 && $(grep -c "^ *Not installing: $why" <<<"$log") == 1 ]] ||
    fail "$* did not stop with one line that says why: $log"
  [[ -z $(find "$target" -type f 2>/dev/null) ]] || fail "$* copied files into $target"
}

# expect_listed HUDHOST PLUGIN: HUDHOST loads PLUGIN and lists its element.
expect_listed() {
  "$1" --plugin "$2" --list | grep -q "KestDialHUDElement  Kest Dial HUD Element" ||
    fail "$1 does not list the element of $2"
}

# needed BINARY: the libraries BINARY needs (NEEDED), sorted, on one line.
needed() { readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | sort | paste -sd ' '; }
# needs BINARY LIBRARY: whether BINARY needs LIBRARY.
needs() { [[ " $(needed "$1" 2>/dev/null) " == *" $2 "* ]]; }

# qt_cores: the Qt Core libraries named on standard input, sorted, on one line.
qt_cores() { { grep -o 'libQt[0-9]*Core\.so\.[0-9]*' || true; } | sort -u | paste -sd ' '; }

# draws_as_normal HUDHOST PLUGIN ARGUMENTS...: whether HUDHOST draws PLUGIN with ARGUMENTS byte for
# byte as the normal build's hudhost draws its own plug-in; that reference is drawn once for each
# set of ARGUMENTS, into $reference_dir (default $work/normal). What the loader loaded
# (LD_DEBUG=libs) is left in $work/libs.log.
draws_as_normal() {
  local hudhost=$1 plugin=$2 dir=${reference_dir:-$work/normal} reference
  shift 2
  reference="$dir/$(printf '%s\n' "$@" | sha256sum | cut -c1-16).png"
  if [[ ! -e $reference ]]; then
    mkdir -p "$dir"
    env -u LD_LIBRARY_PATH "$build_dir/standin_host/hudhost" "$@" --out "$reference" >/dev/null
  fi
  LD_DEBUG=libs "$hudhost" --plugin "$plugin" "$@" --out "$work/plugin.png" 2>"$work/libs.log" >/dev/null ||
    fail "$hudhost did not draw $plugin ($*)"
  cmp -s "$work/plugin.png" "$reference"
}
