#!/usr/bin/env bash
# Plays the real game under a private Xvfb with scripted X input (walk, turn, jump, use, release,
# shading toggles) for N minutes (default 10) and prints its resident memory every 30 s, then
# ends it with Escape. Usage: tools/soak/soak.sh [minutes] [velmora binary]
set -euo pipefail
usage="usage: tools/soak/soak.sh [minutes, default 10] [velmora binary, default build/src/velmora]
Plays the built game under its own Xvfb with scripted keys and mouse and prints its resident
memory every 30 s.
  --help  show this and exit"
case "${1:-}" in
  --help|-h) echo "$usage"; exit 0 ;;
  -*) echo "soak: unknown option $1"; echo "$usage"; exit 2 ;;
esac
[[ "${1:-10}" =~ ^[0-9]+$ ]] || { echo "soak: minutes must be a whole number, not $1"; echo "$usage"; exit 2; }
root=$(cd "$(dirname "$0")/../.." && pwd)
minutes=${1:-10}
velmora=$(realpath "${2:-$root/build/src/velmora}")
source "$root/scripts/setup.sh"

[ -x "$velmora" ] || { echo "soak: no game binary at $velmora (build first)"; exit 1; }
velmora_start_xvfb
log=$(mktemp)
cd "$root/game"
"$velmora" >"$log" 2>&1 &
pid=$!
finish() {
  kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
  velmora_stop_xvfb || true
  rm -f "$log"
}
trap finish EXIT

window=""
for _ in $(seq 100); do
  window=$(xdotool search --name '^Velmora$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "soak: no game window appeared"; cat "$log"; exit 1; }
# Keys reach only the window under the pointer.
xdotool mousemove --window "$window" 10 10
xdotool windowfocus --sync "$window" 2>/dev/null || true

rss() { awk '/^VmRSS/ {print $2}' "/proc/$pid/status"; }
hold() {  # key, seconds
  xdotool keydown --window "$window" "$1"
  sleep "$2"
  xdotool keyup --window "$window" "$1"
}
# About 12 s of play: walk a loop, look around, jump, use what is ahead, drop it, toggle shading.
play() {
  hold w 2
  xdotool mousemove_relative -- 120 0
  hold a 1
  hold space 0.3
  hold e 0.2
  hold s 1.5
  xdotool mousemove_relative -- -80 30
  xdotool click --window "$window" 1
  hold d 1
  hold F2 0.2
  hold w 1.5
  hold F2 0.2
  xdotool mousemove_relative -- -40 -30
  hold e 0.2
  sleep 1
}

sleep 5  # the level loads after the window opens
start=$(date +%s)
first=$(rss)
echo "soak: start ${first} kB"
next=30
while [ $(( $(date +%s) - start )) -lt $(( minutes * 60 )) ]; do
  kill -0 "$pid" 2>/dev/null || { echo "soak: the game ended early"; cat "$log"; exit 1; }
  play
  elapsed=$(( $(date +%s) - start ))
  if [ "$elapsed" -ge "$next" ]; then
    echo "soak: ${elapsed} s $(rss) kB"
    next=$(( next + 30 ))
  fi
done
last=$(rss)
echo "soak: end ${last} kB, $(( last - first )) kB more than at the start after ${minutes} min"
for _ in $(seq 20); do
  xdotool keydown --window "$window" Escape 2>/dev/null || true
  sleep 0.2
  xdotool keyup Escape 2>/dev/null || true
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.3
done
rc=0
wait "$pid" || rc=$?
echo "soak: the game exited with status $rc"
exit "$rc"
