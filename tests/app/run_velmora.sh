#!/usr/bin/env bash
# Starts the real game binary in game/ under the test display, checks its window and that its
# lines reach a log while it runs, ends it with one tap of Escape (exit 0); then checks that
# without a display it fails fast with one line.
set -u
velmora=("$@")  # the game, after the program that runs it where it is not native (Wine)

"${velmora[@]}" >/tmp/velmora_test_$$.log 2>&1 &
pid=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --name '^Velmora$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.2
done
if [ -z "$window" ]; then
  kill $pid 2>/dev/null
  wait $pid
  echo "no window captioned Velmora appeared (exit status $?)"; cat /tmp/velmora_test_$$.log; exit 1
fi
sleep 1
grep -q '^Adding ' /tmp/velmora_test_$$.log || {
  kill $pid 2>/dev/null; wait $pid
  echo "the running game's log holds no loading line yet: standard output is not line-buffered"; exit 1
}
# Keys reach only the window under the pointer.
xdotool mousemove --window "$window" 10 10
xdotool windowfocus --sync "$window" 2>/dev/null
# One tap, pressed and released at once, usually within one event pump: it must still count.
sleep 0.5
xdotool key --window "$window" Escape 2>/dev/null
for _ in $(seq 30); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then
  kill $pid; wait $pid
  echo "a single Escape tap did not end the game within 3 s"; exit 1
fi
wait $pid
rc=$?
rm -f /tmp/velmora_test_$$.log
[ $rc -eq 0 ] || { echo "velmora exited with $rc after Escape"; exit 1; }

out=$(DISPLAY=:9999 timeout 20 "${velmora[@]}" 2>/dev/null)
rc=$?
[ $rc -ne 0 ] && [ $rc -ne 124 ] || { echo "without a display velmora returned $rc"; exit 1; }
echo "$out" | grep -q '^Graphics: cannot open' || { echo "missing display message: $out"; exit 1; }
echo "velmora: window, Escape and no-display checks passed"
