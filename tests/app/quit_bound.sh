#!/usr/bin/env bash
# The real game binary on a heavy level (a static mesh of 180,000 triangles and sounds that fill
# the level's decode budget) under the test display: once the level has loaded, one tap of
# Escape must end the game, exit status 0, within two seconds.
set -u
velmora=$1
game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
cp -r ./*.vsh ./*.fsh Content "$game"/
python3 - "$game" <<'PY'
import os, struct, sys
game = sys.argv[1]
n = 300
verts = "\n".join("%d 0 %d 0 1 0 ffffffff 0 0" % (i - n // 2, j - n // 2) for j in range(n + 1) for i in range(n + 1))
idx = []
for j in range(n):
    for i in range(n):
        a = j * (n + 1) + i
        idx += [a, a + n + 1, a + 1, a + 1, a + n + 1, a + n + 2]
with open(game + "/Content/meshes/plain.irrmesh", "w") as f:
    f.write('<mesh><buffer><vertices type="standard" vertexCount="%d">\n%s\n</vertices>'
            '<indices indexCount="%d">%s</indices></buffer></mesh>\n' % ((n + 1) ** 2, verts, len(idx), " ".join(map(str, idx))))
data = 60 << 20
with open(game + "/Content/sounds/long.wav", "wb") as f:
    f.write(b"RIFF" + struct.pack("<I", 36 + data) + b"WAVEfmt " + struct.pack("<IHHIIHH", 16, 1, 1, 44100, 88200, 2, 16)
            + b"data" + struct.pack("<I", data))
    f.truncate(44 + data)
for k in range(6):
    os.symlink("long.wav", game + "/Content/sounds/long%d.wav" % k)
nodes = '<node type="mesh"><attributes><string name="Name" value="1Plain"/><vector3d name="Position" value="0, -3, 0"/>' \
        '<vector3d name="Scale" value="1, 1, 1"/><string name="Mesh" value="Content/meshes/plain.irrmesh"/></attributes></node>\n'
for k in range(6):
    nodes += '<node type="irrKlangSceneNode"><attributes><string name="Name" value="Hum%d"/>' \
             '<vector3d name="Position" value="%d, 1, 0"/><string name="SoundFileName" value="Content/sounds/long%d.wav"/>' \
             '<enum name="PlayMode" value="looping"/></attributes></node>\n' % (k, k, k)
path = game + "/Content/TestRoom3.irr"
level = open(path).read()
at = level.rfind("</irr_scene>")
open(path, "w").write(level[:at] + nodes + level[at:])
PY
cd "$game"
"$velmora" >log.txt 2>&1 &
pid=$!
for _ in $(seq 600); do
  grep -q '^Adding Static PhysX Node: 1Plain' log.txt && break
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
window=""
for _ in $(seq 300); do
  window=$(xdotool search --name '^Velmora$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { kill $pid; wait $pid; echo "no game window"; cat log.txt; exit 1; }
sleep 2
xdotool mousemove --window "$window" 10 10
xdotool windowfocus --sync "$window" 2>/dev/null
sleep 0.5
start=$(date +%s%N)
xdotool key Escape
while kill -0 $pid 2>/dev/null && [ $(( ($(date +%s%N) - start) / 1000000 )) -lt 10000 ]; do sleep 0.05; done
took=$(( ($(date +%s%N) - start) / 1000000 ))
if kill -0 $pid 2>/dev/null; then kill -9 $pid; wait $pid; echo "Escape did not end the game within 10 s"; exit 1; fi
wait $pid
rc=$?
[ $rc -eq 0 ] || { echo "velmora exited with $rc after Escape"; tail -5 log.txt; exit 1; }
[ $took -le 2000 ] || { echo "Escape took $took ms to end the game (at most 2000)"; exit 1; }
echo "velmora: quit $took ms after Escape on a heavy level"
