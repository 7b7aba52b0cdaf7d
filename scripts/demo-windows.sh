#!/usr/bin/env bash
# The headless demo on both systems with the same scripted steps: the Linux build's, then the
# Windows build's under Wine, on one private Xvfb with a silent real-time sound device; then each
# pair of screenshots compared pixel by pixel. Sounds play in real time, so waves started by
# emitters can stand a little apart between the runs; a missing screenshot fails.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/setup.sh"
source "$root/scripts/wine-env.sh"

out="$root/build-windows/demo"
rm -rf "$out"
mkdir -p "$out/linux" "$out/windows"
velmora_start_xvfb
trap 'velmora_wine_stop; velmora_stop_xvfb' EXIT
velmora_wine_prefix "$root/build-windows/wine"
velmora_wine_start
cd "$root/game"
export ALSOFT_DRIVERS=null
"$root/build/tools/demo/velmora_demo" "$out/linux" >"$out/linux.log"
"$root/scripts/wine-run.sh" "$root/build-windows/bin/velmora_demo.exe" "$out/windows" >"$out/windows.log"

missing=0
for linux in "$out"/linux/*.png; do
  name=$(basename "$linux")
  windows="$out/windows/$name"
  if [ ! -f "$windows" ]; then
    echo "demo: $name was not written under Wine"
    missing=1
    continue
  fi
  pixels=$(identify -format '%[fx:w*h]' "$linux")
  # Pixels whose colour differs by more than 2 % in some channel.
  differ=$(compare -metric AE -fuzz 2% "$linux" "$windows" null: 2>&1 || true)
  echo "demo: $name: $differ of $pixels pixels differ ($(awk "BEGIN { printf \"%.2f\", 100 * $differ / $pixels }") %)"
done
[ "$(ls "$out/linux" | wc -l)" -gt 0 ] || { echo "demo: the Linux demo wrote no screenshots"; exit 1; }
exit $missing
