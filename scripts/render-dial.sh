#!/usr/bin/env bash
# Quick start: installs what is missing, builds, and renders the default dial to dial.png
# through the stand-in host.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build/standin_host/hudhost --out dial.png "$@"
echo "Wrote $(pwd)/dial.png"
