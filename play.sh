#!/usr/bin/env bash
# Builds the game and the demo (not the tests and benchmarks) and runs the game from game/.
# Without a display it runs the headless demo under a
# private Xvfb instead and says where the screenshots are.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

velmora_install
velmora_build velmora velmora_demo

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  cd "$VELMORA_ROOT/game"
  exec "$VELMORA_BUILD/src/velmora"
fi

echo "play: no display to open the game's window on; running the headless demo instead"
velmora_start_xvfb
trap velmora_stop_xvfb EXIT
mkdir -p "$VELMORA_ROOT/out"
cd "$VELMORA_ROOT/game"
# No sound card here either: a silent audio device still lets the emitters play and beat.
ALSOFT_DRIVERS=null "$VELMORA_BUILD/tools/demo/velmora_demo" --force "$VELMORA_ROOT/out"
echo "play: screenshots are in $VELMORA_ROOT/out"
