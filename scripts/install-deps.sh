#!/usr/bin/env bash
# Installs, from Debian's archive, what building, rendering and testing the plug-in need, and
# generates the German locale that a test parses numbers in; what is already present is left
# alone. Run as root.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config            # toolchain
  qtbase5-dev qt6-base-dev                    # Qt 5 and Qt 6 Core and their resource compilers
  libftgl-dev libfreetype-dev                 # texture fonts
  libgl-dev libegl-dev libgl1-mesa-dri libegl-mesa0   # OpenGL, headless through EGL on Mesa
  libstb-dev                                  # PNG writing and reading
  libgtest-dev libbenchmark-dev               # tests and benchmarks
  clang clang-tidy libclang-rt-14-dev         # fuzzing, sanitizers, static analysis
  locales                                     # de_DE.UTF-8, for the test of numbers in a German locale
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qx 'de_DE\.utf8'; then
  echo "Generating the locale de_DE.UTF-8"
  grep -qx 'de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
fi
