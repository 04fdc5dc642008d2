#!/usr/bin/env bash
# Checks that each plug-in given loads on every host's platform: it may import no symbol version
# newer than the oldest host's, RHEL 6 (MotionBuilder 2016):
#   GLIBC_2.12, and GLIBCXX_3.4.13 and CXXABI_1.3.3 (RHEL 6's system libstdc++, of GCC 4.4), and
#   GCC_4.3.0 (its libgcc_s);
#   Qt_5 or Qt_6 themselves, never a minor release's tag such as Qt_5.15, which refuses an older
#   Qt of the same major version (Qt 4 versions no symbols).
# Any other version fails too. Reads the imports with objdump -T; names every symbol that fails.
# CI runs it on every plug-in it builds for a host, not on the instrumented ones of the sanitizer
# and fuzzing builds: those need the sanitizers' runtimes, which no host has, and instrumented,
# GCC 12 no longer proves a vector's growth within bounds, so the plug-in imports libstdc++'s
# std::__throw_bad_array_new_length (GLIBCXX_3.4.29), which the uninstrumented ones never call.
# Usage: scripts/check-symbol-versions.sh PLUGIN...
set -euo pipefail
export LC_ALL=C
(($#)) || { echo "usage: $0 PLUGIN..." >&2; exit 2; }

declare -A newest=([GLIBC]=2.12 [GLIBCXX]=3.4.13 [CXXABI]=1.3.3 [GCC]=4.3.0)

# allowed VERSION: whether an import of VERSION (GLIBC_2.2.5, Qt_5, ...) loads on every host.
allowed() {
  [[ $1 == Qt_5 || $1 == Qt_6 ]] && return 0
  local family=${1%%_*} number=${1#*_}
  [[ -n ${newest[$family]:-} && $number != "$1" ]] || return 1
  [[ $(printf '%s\n%s\n' "$number" "${newest[$family]}" | sort -V | tail -n1) == "${newest[$family]}" ]]
}

status=0
for plugin in "$@"; do
  # Imports with a version: "... *UND* <size> (VERSION) NAME" (a hidden version as "VERSION").
  imports=$(objdump -T "$plugin" | awk '$0 ~ /\*UND\*/ && NF >= 3 { name = $NF; version = $(NF - 1);
    gsub(/[()]/, "", version); if (version ~ /_/) print version, name }' | sort -u)
  failed=0
  while read -r version name; do
    [[ -n $version ]] || continue
    allowed "$version" && continue
    echo "check-symbol-versions: $plugin imports $name@$version, newer than the oldest host's platform has" >&2
    failed=1
  done <<<"$imports"
  versions=$(awk '{ print $1 }' <<<"$imports" | sort -uV | paste -sd ' ')
  if ((failed)); then
    status=1
  else
    echo "check-symbol-versions: $plugin: ${versions:-no versioned imports}"
  fi
done
exit "$status"
