#!/usr/bin/env bash
# Installs what Velmora builds and runs with (Debian 12), then configures and builds into build/.
# Sourced by play.sh and test.sh.
set -euo pipefail

VELMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VELMORA_BUILD="$VELMORA_ROOT/build"

velmora_packages=(
  build-essential cmake pkg-config
  libirrlicht-dev libgl-dev libx11-dev libpng-dev
  libbullet-dev libopenal-dev libopenal-data libsndfile1-dev liblua5.1-0-dev libtinyxml-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth libgl1-mesa-dri x11-utils xdotool
  librecast-dev lua-check
)

velmora_install() {
  local missing=()
  for p in "${velmora_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "setup: installing ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# velmora_build [targets...]: configures, then builds the named cmake targets, or everything.
velmora_build() {
  cmake -S "$VELMORA_ROOT" -B "$VELMORA_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  cmake --build "$VELMORA_BUILD" -j "$(nproc)" "${targets[@]}"
}

# Starts a private Xvfb on a free display and exports DISPLAY; velmora_stop_xvfb ends it by pid.
velmora_start_xvfb() {
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x720x24 -noreset -nolisten tcp >/dev/null 2>&1 &
  VELMORA_XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "setup: Xvfb did not start on $DISPLAY" >&2
  return 1
}

velmora_stop_xvfb() {
  [ -n "${VELMORA_XVFB_PID:-}" ] && kill "$VELMORA_XVFB_PID" 2>/dev/null && wait "$VELMORA_XVFB_PID" 2>/dev/null
  VELMORA_XVFB_PID=""
}
