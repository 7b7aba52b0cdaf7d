#!/usr/bin/env bash
# Builds Velmora and runs every test through CTest, with a private Xvfb for the tests that open a window.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

velmora_install
velmora_build
velmora_start_xvfb
trap velmora_stop_xvfb EXIT
cd "$VELMORA_BUILD"
ctest --output-on-failure -j 2 --timeout 600
