#!/usr/bin/env bash
# Quick start: installs what is missing, builds, and renders the default dial to dial.png through
# the stand-in host; arguments go to hudhost.
source "$(dirname "$0")/lib.sh" render-dial
install_deps
scripts/build.sh
"$build_dir/standin_host/hudhost" --out dial.png "$@"
echo "Wrote $(pwd)/dial.png"
