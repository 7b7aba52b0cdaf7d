#!/usr/bin/env bash
# What a Windows player does, under Wine on a private Xvfb: unpack build-windows/Velmora-win64.zip
# into an empty folder, start velmora.exe there, walk, tap the cane, press E, and quit with
# Escape. Passes when the window captioned Velmora opened, the view changed as the player walked
# and tapped, and the game ended with exit code 0 within three seconds of Escape.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/setup.sh"
source "$root/scripts/wine-env.sh"

zip="$root/build-windows/Velmora-win64.zip"
[ -f "$zip" ] || { echo "zip-play: $zip is missing (scripts/build-windows.sh writes it)"; exit 1; }
work=$(mktemp -d)
velmora_start_xvfb
trap 'velmora_wine_stop; velmora_stop_xvfb; rm -rf "$work"' EXIT
velmora_wine_prefix "$root/build-windows/wine"
velmora_wine_start
unzip -q "$zip" -d "$work"
cd "$work/Velmora"

wine velmora.exe >"$work/log" 2>&1 &
game=$!
window=""
for _ in $(seq 150); do
  window=$(xdotool search --name '^Velmora$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.2
done
fail() {
  echo "zip-play: $1"
  kill "$game" 2>/dev/null || true
  tail -n 20 "$work/log"
  exit 1
}
[ -n "$window" ] || fail "no window captioned Velmora appeared within 30 s"
xdotool mousemove --window "$window" 10 10
xdotool windowfocus --sync "$window" 2>/dev/null
sleep 2
import -window root "$work/standing.png"
xdotool keydown w
sleep 1.5
xdotool keyup w
xdotool key q
sleep 0.7
import -window root "$work/tapped.png"
xdotool key e
sleep 0.5
xdotool key Escape
for _ in $(seq 30); do
  kill -0 "$game" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$game" 2>/dev/null && fail "Escape did not end the game within 3 s"
rc=0
wait "$game" || rc=$?
[ "$rc" -eq 0 ] || fail "velmora.exe exited with $rc after Escape"

# Pixels whose colour changed by more than 10 % between standing and after the walk and the tap.
# Standing still, the level's emitters change about 7 % in that time; the walk and the tap, 95 %.
pixels=$(identify -format '%[fx:w*h]' "$work/standing.png")
changed=$(compare -metric AE -fuzz 10% "$work/standing.png" "$work/tapped.png" null: 2>&1 || true)
share=$(awk "BEGIN { printf \"%.1f\", 100 * $changed / $pixels }")
echo "zip-play: walking and a cane tap changed $share % of the view"
awk "BEGIN { exit !($share >= 30) }" || fail "the view hardly changed: the game did not answer the keys"
echo "zip-play: the unpacked zip opened its window, played and quit with exit code 0"
