#!/usr/bin/env bash
# The real game binary on a heavy level (a static mesh of 80,000 triangles, within the level caps,
# added to the shipped one) under the test display: once it has loaded, one tap of Escape ends the
# game, exit status 0, within two seconds.
set -u
velmora=("$@")  # the game, after the program that runs it where it is not native (Wine)
game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
cp -r ./*.vsh ./*.fsh Content "$game"/
cd "$game"
python3 - <<'PY'
n = 200
vertices = "\n".join("%d 0 %d 0 1 0 ffffffff 0 0" % (i % (n + 1), i // (n + 1)) for i in range((n + 1) ** 2))
indices = " ".join("%d %d %d %d %d %d" % (a, a + n + 1, a + 1, a + 1, a + n + 1, a + n + 2)
                   for a in (j * (n + 1) + i for j in range(n) for i in range(n)))
open("Content/meshes/plain.irrmesh", "w").write(
    '<mesh><buffer><vertices type="standard" vertexCount="%d">%s</vertices><indices indexCount="%d">%s'
    '</indices></buffer></mesh>\n' % ((n + 1) ** 2, vertices, 6 * n * n, indices))
level = open("Content/TestRoom3.irr").read().replace("</irr_scene>", (
    '<node type="mesh"><attributes><string name="Name" value="1Plain"/><vector3d name="Position" '
    'value="-150, -3, -150"/><vector3d name="Scale" value="1, 1, 1"/><string name="Mesh" '
    'value="Content/meshes/plain.irrmesh"/></attributes></node></irr_scene>'))
open("Content/TestRoom3.irr", "w").write(level)
PY
"${velmora[@]}" >log.txt 2>&1 &
pid=$!
window=""
for _ in $(seq 600); do
  grep -q '^Adding Static PhysX Node: 1Plain' log.txt && window=$(xdotool search --name '^Velmora$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { kill $pid; wait $pid; echo "the heavy level did not load in a game window"; exit 1; }
sleep 2
xdotool mousemove --window "$window" 10 10
xdotool windowfocus --sync "$window" 2>/dev/null
sleep 0.5
start=$(date +%s%N)
xdotool key Escape
while kill -0 $pid 2>/dev/null && [ $(( ($(date +%s%N) - start) / 1000000 )) -lt 10000 ]; do sleep 0.05; done
took=$(( ($(date +%s%N) - start) / 1000000 ))
kill -9 $pid 2>/dev/null
wait $pid && [ $took -le 2000 ] || { echo "Escape did not end the game cleanly within 2 s ($took ms)"; exit 1; }
echo "velmora: quit $took ms after Escape on a heavy level"
