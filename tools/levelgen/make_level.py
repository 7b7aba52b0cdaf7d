#!/usr/bin/env python3
"""Writes the shipped level: Content/TestRoom3.irr and the .irrmesh meshes it places, under a game
folder (default: game/ of this checkout), the same every time. The level is a small game: a start
room behind a 1.3 ledge, a 90 x 90 hall with crates, a weighing plate and a door set in its north
wall that a switch beside it opens, and an exit room behind the door. The hall also keeps things to
try by walking: a 1.0 ledge, ramps of 30 and 50 degrees, a low ceiling, pillars, a heavy crate, a
kinematic fan, the weapon and a storeroom. The trigger pads' scripts (Content/scripts/) tell the
player what each place is for.

With --template it writes a small level to start your own from instead: two rooms joined by a
door that opens with E (Content/TestRoom3.irr, Content/meshes/first_*.irrmesh and
Content/scripts/Gate.lua), with a crate and a dripping pipe.

With --rooms PLAN it writes the level a plain room plan describes: rooms, the doorways between
them, the start, crates, trigger pads and dripping pipes, one line each (the format is in
room_plan.py and the README; `make_level.py --rooms-help` prints it).

It replaces no existing file unless given --force; then it writes nothing and says which exist.
"""
import argparse
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import staging  # noqa: E402

ROOT = os.path.normpath(os.path.join(os.path.dirname(__file__), "..", ".."))
CONTENT = os.path.join(ROOT, "game", "Content")
MESHES = os.path.join(CONTENT, "meshes")


class Mesh:
    def __init__(self):
        self.vertices = []  # (x, y, z, nx, ny, nz, argb, u, v)
        self.indices = []

    def quad(self, a, b, c, d, colour):
        """Adds a quad a-b-c-d, wound clockwise when seen from its front (Irrlicht's default)."""
        ax, ay, az = a
        n = cross(sub(b, a), sub(c, a))
        n = normalise(n)
        base = len(self.vertices)
        for (p, uv) in zip((a, b, c, d), ((0, 0), (1, 0), (1, 1), (0, 1))):
            self.vertices.append(p + n + (colour,) + uv)
        self.indices += [base, base + 1, base + 2, base, base + 2, base + 3]

    def box(self, lo, hi, colour, inward=False):
        x0, y0, z0 = lo
        x1, y1, z1 = hi
        faces = [
            ((x0, y1, z0), (x0, y1, z1), (x1, y1, z1), (x1, y1, z0)),  # top
            ((x0, y0, z1), (x0, y0, z0), (x1, y0, z0), (x1, y0, z1)),  # bottom
            ((x0, y0, z0), (x0, y1, z0), (x1, y1, z0), (x1, y0, z0)),  # -z
            ((x1, y0, z1), (x1, y1, z1), (x0, y1, z1), (x0, y0, z1)),  # +z
            ((x0, y0, z1), (x0, y1, z1), (x0, y1, z0), (x0, y0, z0)),  # -x
            ((x1, y0, z0), (x1, y1, z0), (x1, y1, z1), (x1, y0, z1)),  # +x
        ]
        for f in faces:
            if inward:
                f = tuple(reversed(f))
            self.quad(*f, colour=colour)

    def ramp(self, x0, x1, z0, length, angle_deg, colour):
        """A wedge rising along +z from z0 to z0 + length at the given angle."""
        h = length * math.tan(math.radians(angle_deg))
        z1 = z0 + length
        self.quad((x0, 0, z0), (x0, h, z1), (x1, h, z1), (x1, 0, z0), colour)  # slope
        self.quad((x1, 0, z1), (x1, h, z1), (x0, h, z1), (x0, 0, z1), colour)  # back
        self.quad((x0, 0, z0), (x1, 0, z0), (x1, 0, z1), (x0, 0, z1), colour)  # bottom
        # sides as degenerate quads (triangles)
        self.quad((x0, 0, z1), (x0, h, z1), (x0, 0, z0), (x0, 0, z0), colour)
        self.quad((x1, 0, z0), (x1, h, z1), (x1, 0, z1), (x1, 0, z1), colour)

    def write(self, name):
        lo = [min(v[i] for v in self.vertices) for i in range(3)]
        hi = [max(v[i] for v in self.vertices) for i in range(3)]
        box = 'minEdge="%s" maxEdge="%s"' % (fmt(lo), fmt(hi))
        lines = [
            '<?xml version="1.0"?>',
            '<mesh xmlns="http://irrlicht.sourceforge.net/IRRMESH_09_2007" version="1.0">',
            "<boundingBox %s />" % box,
            "<buffer>",
            "<boundingBox %s />" % box,
            "<material>",
            '<enum name="Type" value="solid" />',
            '<color name="Ambient" value="ffffffff" />',
            '<color name="Diffuse" value="ffffffff" />',
            '<color name="Emissive" value="00000000" />',
            '<color name="Specular" value="ffffffff" />',
            '<float name="Shininess" value="0" />',
            '<bool name="Wireframe" value="false" />',
            '<bool name="GouraudShading" value="true" />',
            '<bool name="Lighting" value="false" />',
            '<bool name="ZWriteEnable" value="true" />',
            '<int name="ZBuffer" value="1" />',
            '<bool name="BackfaceCulling" value="true" />',
            '<bool name="FogEnable" value="false" />',
            '<bool name="NormalizeNormals" value="false" />',
            "</material>",
            '<vertices type="standard" vertexCount="%d">' % len(self.vertices),
        ]
        for v in self.vertices:
            lines.append("%s %s %s %s %s %s %s %s %s" % (
                g(v[0]), g(v[1]), g(v[2]), g(v[3]), g(v[4]), g(v[5]), v[6], g(v[7]), g(v[8])))
        lines.append("</vertices>")
        lines.append('<indices indexCount="%d">' % len(self.indices))
        lines.append(" ".join(str(i) for i in self.indices))
        lines.append("</indices>")
        lines.append("</buffer>")
        lines.append("</mesh>")
        with open(os.path.join(MESHES, name + ".irrmesh"), "w") as f:
            f.write("\n".join(lines) + "\n")


def sub(a, b):
    return (a[0] - b[0], a[1] - b[1], a[2] - b[2])


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def normalise(v):
    n = math.sqrt(sum(c * c for c in v)) or 1.0
    return tuple(c / n for c in v)


def g(x):
    return ("%.6f" % x).rstrip("0").rstrip(".") if x != 0 else "0"


def fmt(v):
    return ", ".join(g(c) for c in v)


STONE = "ffb0a898"
FLOOR = "ff8a8f96"
WOOD = "ffc08a50"
METAL = "ff90a8c0"
RED = "ffd05040"
PAD = "ff70757c"


HALL = 45          # the hall's inner faces are at x, z = +-45
WALL = 1           # wall and floor thickness
HALL_HEIGHT = 12
SIDE_HEIGHT = 7    # the start and exit rooms, and the start room's doorway
START_DOOR = 2     # half the width of the doorway from the start room
EXIT_DOOR = 1.5    # half the width of the door in the north wall
DOOR_HEIGHT = 5


def make_structure():
    """The hall, the start room south of it and the exit room north of it, as solid boxes: the
    walls have two faces, so both rooms behind a doorway are closed to the eye and the cane."""
    room = Mesh()
    outer = HALL + WALL
    room.box((-outer, -WALL, -outer), (outer, 0, outer), FLOOR)
    room.box((-outer, HALL_HEIGHT, -outer), (outer, HALL_HEIGHT + 0.5, outer), STONE)
    room.box((-outer, 0, -outer), (-HALL, HALL_HEIGHT, outer), STONE)  # west
    room.box((HALL, 0, -outer), (outer, HALL_HEIGHT, outer), STONE)    # east
    for (z0, z1, half, height) in ((-outer, -HALL, START_DOOR, SIDE_HEIGHT),
                                   (HALL, outer, EXIT_DOOR, DOOR_HEIGHT)):
        room.box((-outer, 0, z0), (-half, HALL_HEIGHT, z1), STONE)
        room.box((half, 0, z0), (outer, HALL_HEIGHT, z1), STONE)
        room.box((-half, height, z0), (half, HALL_HEIGHT, z1), STONE)  # over the doorway
    side_room(room, -outer - 14, -outer, 7)    # start room: inside x -6..6, z -59..-46
    side_room(room, outer, outer + 16, 9)      # exit room: inside x -8..8, z 46..61
    room.write("room")


def side_room(room, z0, z1, half_width):
    """A room of SIDE_HEIGHT between z0 and z1 (walls included), open on the hall's side."""
    far_wall = (z0, z0 + WALL) if z0 < 0 else (z1 - WALL, z1)
    room.box((-half_width, -WALL, z0), (half_width, 0, z1), FLOOR)
    room.box((-half_width, SIDE_HEIGHT, z0), (half_width, SIDE_HEIGHT + 0.5, z1), STONE)
    room.box((-half_width, 0, z0), (-half_width + WALL, SIDE_HEIGHT, z1), STONE)
    room.box((half_width - WALL, 0, z0), (half_width, SIDE_HEIGHT, z1), STONE)
    room.box((-half_width, 0, far_wall[0]), (half_width, SIDE_HEIGHT, far_wall[1]), STONE)


def make_meshes():
    make_structure()

    floor_tiles = Mesh()  # a raised border so floor edges read in the dark
    for x in range(-40, 41, 8):
        floor_tiles.box((x - 0.1, 0, -45), (x + 0.1, 0.05, 45), FLOOR)
    floor_tiles.write("floorlines")

    pillars = Mesh()
    for (x, z) in ((-15, -15), (15, -15), (-15, 15), (15, 15)):
        pillars.box((x - 1, 0, z - 1), (x + 1, 12, z + 1), STONE)
    pillars.write("pillars")

    # Ledges in metal, so their edges stand out from the floor in the plain colours too.
    ledge10 = Mesh()
    ledge10.box((-4, 0, -2), (4, 1.0, 2), METAL)
    ledge10.write("ledge10")

    ledge13 = Mesh()
    ledge13.box((-4, 0, -2), (4, 1.3, 2), METAL)
    ledge13.write("ledge13")

    ramp30 = Mesh()
    ramp30.ramp(-3, 3, 0, 8, 30, FLOOR)
    ramp30.write("ramp30")

    ramp50 = Mesh()
    ramp50.ramp(-3, 3, 0, 4, 50, FLOOR)
    ramp50.write("ramp50")

    # A slab 5 above the floor: the player (4 tall) stands under it, and a jump (2.25) hits it.
    ceiling = Mesh()
    ceiling.box((-4, 5.0, -4), (4, 5.5, 4), STONE)
    for (x, z) in ((-4, -4), (3.5, -4), (-4, 3.5), (3.5, 3.5)):
        ceiling.box((x, 0, z), (x + 0.5, 5.0, z + 0.5), STONE)
    ceiling.write("lowceiling")

    crate = Mesh()
    crate.box((-0.5, -0.5, -0.5), (0.5, 0.5, 0.5), WOOD)
    crate.write("crate")

    heavy = Mesh()
    heavy.box((-1, -1, -1), (1, 1, 1), METAL)
    heavy.write("heavycrate")

    fan = Mesh()
    fan.box((-2.5, -0.3, -0.4), (2.5, 0.3, 0.4), METAL)  # heavy: too heavy to carry off
    fan.box((-0.4, -0.3, -2.5), (0.4, 0.3, 2.5), METAL)
    fan.write("fan")

    weapon = Mesh()
    weapon.box((-0.08, -0.08, -0.6), (0.08, 0.08, 0.6), RED)
    weapon.box((-0.1, -0.3, -0.5), (0.1, 0, -0.3), RED)
    weapon.write("weapon")

    figure = Mesh()  # a standing figure, origin at the top of its head
    figure.box((-0.8, -4, -0.5), (0.8, -1.2, 0.5), METAL)
    figure.box((-0.5, -1.2, -0.5), (0.5, 0, 0.5), METAL)
    figure.write("figure")

    door = Mesh()  # hinged at its origin, swinging about the vertical axis
    door.box((0, 0, -0.15), (3, 5, 0.15), WOOD)
    door.write("door")

    switch = Mesh()
    switch.box((-0.4, -0.6, -0.1), (0.4, 0.6, 0.1), RED)
    switch.write("switch")

    shelf = Mesh()
    shelf.box((-3, 2.0, -1), (3, 2.2, 1), WOOD)
    for x in (-3, 2.8):
        shelf.box((x, 0, -1), (x + 0.2, 2.0, 1), WOOD)
    shelf.write("shelf")

    mat = Mesh()  # a doormat that is also a trigger volume
    mat.box((-1.5, 0, -1), (1.5, 0.06, 1), RED)
    mat.write("mat")

    # Trigger pads: a unit tile scaled in the level. A trigger hears what touches its faces, so
    # pads lie flat on the floor where every foot and every crate on them reaches into them.
    pad = Mesh()
    pad.box((-0.5, 0, -0.5), (0.5, 0.1, 0.5), PAD)
    pad.write("pad")

    plate = Mesh()  # the weighing plate before the door
    plate.box((-1, 0, -1), (1, 0.1, 1), METAL)
    plate.write("plate")


def attrs(name, pos, scale=(1, 1, 1), mesh=None):
    out = ['<string name="Name" value="%s" />' % name,
           '<int name="Id" value="-1" />',
           '<vector3d name="Position" value="%s" />' % fmt(pos),
           '<vector3d name="Rotation" value="0, 0, 0" />',
           '<vector3d name="Scale" value="%s" />' % fmt(scale),
           '<bool name="Visible" value="true" />',
           '<enum name="AutomaticCulling" value="box" />',
           '<int name="DebugDataVisible" value="0" />',
           '<bool name="IsDebugObject" value="false" />']
    if mesh:
        out.append('<bool name="ReadOnlyMaterials" value="false" />')
        out.append('<string name="Mesh" value="Content/meshes/%s.irrmesh" />' % mesh)
    return out


def node(kind, attributes, indent="\t", children=()):
    body = "\n".join(indent + "\t\t" + a for a in attributes)
    inner = "".join("\n" + c for c in children)
    return "%s<node type=\"%s\">\n%s\t<attributes>\n%s\n%s\t</attributes>%s\n%s</node>" % (
        indent, kind, indent, body, indent, inner, indent)


def emitter(name, pos, sound, mode, effect, colour, extra=()):
    """A sound emitter node: its sound, play mode and the shape of its visible waves."""
    out = attrs(name, pos)
    out += ['<string name="SoundFileName" value="Content/sounds/%s" />' % sound,
            '<enum name="PlayMode" value="%s" />' % mode,
            '<float name="MinDistance" value="4" />',
            '<float name="MaxDistance" value="60" />',
            '<vector3d name="EffectColor" value="%s" />' % fmt(colour),
            '<enum name="EffectType" value="%s" />' % effect]
    out += list(extra)
    return node("irrKlangSceneNode", out)


def floats(**values):
    return ['<float name="%s" value="%s" />' % (k, g(v)) for k, v in values.items()]


def trigger(name, pos, size):
    """A trigger pad of size (x, z) on the floor; its script is scripts/<name without 2>.lua."""
    return node("mesh", attrs(name, pos, scale=(size[0], 1, size[1]), mesh="pad"))


def make_scene():
    nodes = [
        # The start room, south of the hall: a 1.3 ledge fills its doorway.
        node("empty", attrs("player_start", (0, 2, -55))),
        node("mesh", attrs("1Room", (0, 0, 0), mesh="room")),
        node("mesh", attrs("1FloorLines", (0, 0, 0), mesh="floorlines")),
        trigger("2StartPad", (0, 0, -55.5), (6, 5)),
        trigger("2LedgePad", (0, 0, -51.5), (12, 2)),
        node("mesh", attrs("1Ledge13", (0, 0, -48), scale=(1.5, 1, 1), mesh="ledge13")),
        # The hall: things to try on the way north to the door.
        trigger("2HallPad", (0, 0, -42), (8, 4)),
        node("mesh", attrs("1Pillars", (0, 0, 0), mesh="pillars")),
        node("mesh", attrs("1Ledge10", (-20, 0, -5), mesh="ledge10")),
        node("mesh", attrs("1Ramp30", (20, 0, -12), mesh="ramp30")),
        node("mesh", attrs("1Ramp50", (20, 0, 8), mesh="ramp50")),
        node("mesh", attrs("1LowCeiling", (0, 0, 20), mesh="lowceiling")),
        node("mesh", attrs("Crate1", (-3, 0.5, -12), mesh="crate")),
        node("mesh", attrs("Crate2", (3, 0.5, -12), mesh="crate")),
        node("mesh", attrs("HeavyCrate", (0, 1, -6), mesh="heavycrate")),
        node("mesh", attrs("3Fan", (0, 6, 0), mesh="fan")),
        node("mesh", attrs("weapon", (6, 0.5, -18), mesh="weapon")),
        # The door in the north wall, its switch on the wall to its left, the mat before it and
        # the plate that must be weighed down before the switch moves.
        node("mesh", attrs("3Door", (-EXIT_DOOR, 0, HALL + WALL / 2), mesh="door")),
        node("mesh", attrs("1Switch", (-3.5, 2.5, HALL - 0.1), mesh="switch")),
        node("mesh", attrs("2Mat", (0, 0, 42.5), mesh="mat")),
        node("mesh", attrs("2Plate", (5, 0, 41), mesh="plate")),
        # The exit room behind the door.
        trigger("2ExitPad", (0, 0, 55.5), (14, 9)),
        node("empty", attrs("Storeroom", (-36, 0, -36)), children=[
            node("mesh", attrs("1Shelf", (0, 0, 0), mesh="shelf"), indent="\t\t"),
            node("mesh", attrs("Crate3", (0, 2.7, 0), mesh="crate"), indent="\t\t"),
        ]),
        node("animatedMesh", attrs("Watchman", (28, 4, -30), mesh="figure")),
        # Sound landmarks: the hum of the exit, heard through the door; the pipe dripping by it.
        emitter("HumMachine", (0, 1.5, 58), "ambient/hum.wav", "looping", "Glow",
                (1.0, 0.6, 0.2), floats(MaxRadius=7, MinRadius=3, MaxIntensity=0.8, WaveSpeed=2)),
        emitter("DrippingPipe", (6, 7, HALL - 1), "ambient/drip.wav", "looping", "Pulse",
                (0.3, 0.6, 1.0), floats(MaxRadius=14, MaxIntensity=1, Trail=4, WaveSpeed=10,
                                        StartingRadius=0, Threshold=0.5)),
        emitter("Clock", (-44, 5, 20), "ambient/tick.wav", "looping", "Multi-Pulse",
                (0.9, 0.9, 0.5), floats(MaxRadius=10, MaxIntensity=0.9, Trail=2, WaveSpeed=8,
                                        StartingRadius=0, WaveSpacing=2, Threshold=0.6)
                + ['<int name="WaveCount" value="3" />']),
        emitter("Knocker", (-40, 2, 0), "fx/global/bench/bump_02.wav", "random", "Pulse",
                (0.7, 1.0, 0.6), floats(MaxRadius=18, MaxIntensity=1, Trail=6, WaveSpeed=12,
                                        StartingRadius=0)
                + ['<int name="MinTimeMsInterval" value="3000" />',
                   '<int name="MaxTimeMsInterval" value="7000" />']),
        emitter("Greeting", (0, 3, -55), "fx/global/bench/bump_02.wav", "play_once", "Pulse",
                (1.0, 1.0, 1.0), floats(MaxRadius=25, MaxIntensity=1, Trail=8, WaveSpeed=15,
                                        StartingRadius=0)
                + ['<bool name="DeleteWhenFinished" value="false" />']),
        emitter("Beacon", (40, 1, 40), "ambient/hum.wav", "nothing", "Glow",
                (0.4, 1.0, 0.4), floats(MaxRadius=4, MinRadius=2, MaxIntensity=0.6, WaveSpeed=1)),
    ]
    text = "<?xml version=\"1.0\"?>\n<irr_scene>\n%s\n</irr_scene>\n" % "\n".join(nodes)
    with open(os.path.join(CONTENT, "TestRoom3.irr"), "w") as f:
        f.write(text)


# The template: a start for a designer's own level, apart from the shipped one.

GATE_SCRIPT = """-- The gate (3Gate) between the two rooms: E opens it, E again closes it.
open = false
function OnCreate() end
function OnTick() end
function OnUse()
    -- A positive angle about y turns clockwise seen from above: the gate, pointing +z from its
    -- hinge, swings towards +x, into the second room.
    if open then RotateObjRelative(objID, 0, -1.5707963, 0) else RotateObjRelative(objID, 0, 1.5707963, 0) end
    open = not open
end
"""


def make_template():
    """Two rooms of 16 x 16, 6 high, side by side along x, joined by a doorway 3 wide in the wall
    between them at x = 0, which a kinematic gate closes; a crate and a dripping pipe in the
    second room, the player's start in the first."""
    rooms = Mesh()
    rooms.box((-16, -0.5, -8), (16, 0, 8), FLOOR)                 # floor, its top at y = 0
    rooms.box((-16, 6, -8), (16, 6.5, 8), STONE)                  # ceiling
    rooms.box((-16.5, -0.5, -8.5), (16.5, 6.5, -8), STONE)       # outer walls
    rooms.box((-16.5, -0.5, 8), (16.5, 6.5, 8.5), STONE)
    rooms.box((-16.5, -0.5, -8), (-16, 6.5, 8), STONE)
    rooms.box((16, -0.5, -8), (16.5, 6.5, 8), STONE)
    rooms.box((-0.25, 0, -8), (0.25, 6, -1.5), STONE)              # the middle wall and its doorway
    rooms.box((-0.25, 0, 1.5), (0.25, 6, 8), STONE)
    rooms.box((-0.25, 5, -1.5), (0.25, 6, 1.5), STONE)
    rooms.write("first_rooms")
    gate = Mesh()  # hinged at its origin, the doorway's -z side
    gate.box((-0.1, 0, 0.05), (0.1, 4.9, 2.95), WOOD)
    gate.write("first_gate")
    crate = Mesh()
    crate.box((-0.5, -0.5, -0.5), (0.5, 0.5, 0.5), WOOD)
    crate.write("first_crate")

    nodes = [
        node("empty", attrs("player_start", (-10, 2, 0))),
        node("mesh", attrs("1Rooms", (0, 0, 0), mesh="first_rooms")),
        node("mesh", attrs("3Gate", (0, 0, -1.5), mesh="first_gate")),
        node("mesh", attrs("Crate", (8, 0.5, 4), mesh="first_crate")),
        emitter("Drip", (10, 5, -5), "ambient/drip.wav", "looping", "Pulse", (0.3, 0.6, 1.0),
                floats(MaxRadius=12, MaxIntensity=1, Trail=4, WaveSpeed=10, Threshold=0.5)),
    ]
    with open(os.path.join(CONTENT, "TestRoom3.irr"), "w") as f:
        f.write("<?xml version=\"1.0\"?>\n<irr_scene>\n%s\n</irr_scene>\n" % "\n".join(nodes))
    os.makedirs(os.path.join(CONTENT, "scripts"))
    with open(os.path.join(CONTENT, "scripts", "Gate.lua"), "w") as f:
        f.write(GATE_SCRIPT)


def main():
    global CONTENT, MESHES
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("folder", nargs="?", default=os.path.join(ROOT, "game"),
                        help="the game folder to write into (default: %(default)s)")
    parser.add_argument("--template", action="store_true",
                        help="write the two-room template instead of the shipped level")
    parser.add_argument("--rooms", metavar="PLAN", help="write the level the room plan in the file PLAN describes")
    parser.add_argument("--rooms-help", action="store_true", help="show the room plan's format and exit")
    parser.add_argument("--force", action="store_true", help="replace files that already exist")
    args = parser.parse_args()
    if args.rooms_help:
        import room_plan
        print(room_plan.__doc__)
        return
    plan = None
    if args.rooms:
        import room_plan
        try:
            with open(args.rooms) as f:
                plan = f.read()
            room_plan.build(room_plan.read_plan(plan))
        except (OSError, room_plan.PlanError) as problem:
            print("make_level: %s: %s; nothing was written" % (args.rooms, problem))
            sys.exit(2)
    with staging.staged("make_level", args.folder, args.force) as stage:
        CONTENT = os.path.join(stage, "Content")
        MESHES = os.path.join(CONTENT, "meshes")
        os.makedirs(MESHES)
        if plan is not None:
            room_plan.write_level(plan, CONTENT)
        elif args.template:
            make_template()
        else:
            make_meshes()
            make_scene()


if __name__ == "__main__":
    main()
