"""Reads a plain room plan and writes its level: one line per thing, words and numbers split by
spaces, '#' starts a comment. Sizes are in units; every floor's top is at y = 0; x runs to the
right and z up the plan, as in the checker's plan.

    room   NAME X0 Z0 X1 Z1 [HEIGHT]         a room from (X0, Z0) to (X1, Z1), 6 high unless given;
                                             a floor, a ceiling and walls 0.5 thick round it
    door   ROOM ROOM [WIDTH] [HEIGHT]        a doorway in the wall two rooms share, in the middle of
                                             it, 3 wide and 5 high unless given (the player needs more
                                             than 2 wide and 4 high)
    start  X Z                               the player's start, facing +z
    crate  NAME X Z                          a crate of 1 x 1 x 1 on the floor (mass 50: the player
                                             lifts it)
    pad    NAME X Z [WIDTH DEPTH]            a trigger pad on the floor, 2 x 2 unless given; its node
                                             is 2NAME and it runs Content/scripts/NAME.lua; call one
                                             ExitPad to make it the level's exit
    drip   NAME X Y Z                        a dripping pipe: a looping drip with a blue pulse

Example, two rooms joined by a doorway, the exit in the second:

    room  West  -16 -8  0 8
    room  East    0 -8 16 8
    door  West East 3
    start -10 0
    crate Crate 8 4
    pad   ExitPad 10 -4 4 4
    drip  Drip 10 5 -5
"""
import os

import make_level as ml

WALL = 0.5
THICK = 0.5          # floors and ceilings
DOOR_WIDTH = 3.0
DOOR_HEIGHT = 5.0
ROOM_HEIGHT = 6.0


class PlanError(Exception):
    pass


def numbers(words, line_no, count, optional=0):
    if not count <= len(words) <= count + optional:
        raise PlanError("line %d: expected %d%s numbers, found %d" %
                        (line_no, count, " to %d" % (count + optional) if optional else "", len(words)))
    try:
        return [float(w) for w in words]
    except ValueError:
        raise PlanError("line %d: %s is not a number" % (line_no, " ".join(words)))


def read_plan(text):
    """The plan's rooms, doors and things, checked: names known, rooms not turned inside out."""
    plan = {"rooms": {}, "doors": [], "things": [], "start": None}
    for line_no, line in enumerate(text.splitlines(), 1):
        words = line.split("#", 1)[0].split()
        if not words:
            continue
        kind, rest = words[0], words[1:]
        if kind == "room" and rest:
            x0, z0, x1, z1, *height = numbers(rest[1:], line_no, 4, 1)
            if x1 <= x0 or z1 <= z0:
                raise PlanError("line %d: room %s needs X0 < X1 and Z0 < Z1" % (line_no, rest[0]))
            plan["rooms"][rest[0]] = (x0, z0, x1, z1, height[0] if height else ROOM_HEIGHT)
        elif kind == "door" and len(rest) >= 2:
            for name in rest[:2]:
                if name not in plan["rooms"]:
                    raise PlanError("line %d: no room %s before this door" % (line_no, name))
            size = numbers(rest[2:], line_no, 0, 2)
            plan["doors"].append((line_no, rest[0], rest[1], size[0] if size else DOOR_WIDTH,
                                  size[1] if len(size) > 1 else DOOR_HEIGHT))
        elif kind == "start":
            plan["start"] = numbers(rest, line_no, 2)
        elif kind in ("crate", "pad", "drip") and rest:
            count, optional = {"crate": (2, 0), "pad": (2, 2), "drip": (3, 0)}[kind]
            plan["things"].append((kind, rest[0], numbers(rest[1:], line_no, count, optional)))
        else:
            raise PlanError("line %d: cannot read \"%s\"" % (line_no, line.strip()))
    if not plan["rooms"]:
        raise PlanError("the plan has no room")
    if plan["start"] is None:
        raise PlanError("the plan has no start")
    return plan


def shared_side(a, b):
    """Where rooms a and b touch: (axis, at, low, high), the wall along `axis` ('x': a wall
    across x at x = at, running in z from low to high), or None."""
    ax0, az0, ax1, az1, _ = a
    bx0, bz0, bx1, bz1, _ = b
    for at in {ax0, ax1} & {bx0, bx1}:
        low, high = max(az0, bz0), min(az1, bz1)
        if high > low:
            return ("x", at, low, high)
    for at in {az0, az1} & {bz0, bz1}:
        low, high = max(ax0, bx0), min(ax1, bx1)
        if high > low:
            return ("z", at, low, high)
    return None


def wall(mesh, axis, at, low, high, height, gaps):
    """A wall centred on the line, with doorways (middle, width, height) cut into it."""
    def piece(a, b, y0, y1):
        if axis == "x":
            mesh.box((at - WALL / 2, y0, a), (at + WALL / 2, y1, b), ml.STONE)
        else:
            mesh.box((a, y0, at - WALL / 2), (b, y1, at + WALL / 2), ml.STONE)
    start = low - WALL / 2
    for middle, width, door_height in sorted(gaps):
        piece(start, middle - width / 2, 0, height)
        piece(middle - width / 2, middle + width / 2, door_height, height)
        start = middle + width / 2
    piece(start, high + WALL / 2, 0, height)


def build(plan):
    """The rooms' mesh and the level's nodes."""
    gaps = {}  # (axis, at) -> [(middle, width, height)]
    for line_no, a, b, width, height in plan["doors"]:
        side = shared_side(plan["rooms"][a], plan["rooms"][b])
        if side is None:
            raise PlanError("line %d: rooms %s and %s share no wall" % (line_no, a, b))
        axis, at, low, high = side
        if width >= high - low:
            raise PlanError("line %d: a door %g wide does not fit the wall %s and %s share (%g long)" %
                            (line_no, width, a, b, high - low))
        gaps.setdefault((axis, at), []).append(((low + high) / 2, width, height))
    rooms = ml.Mesh()
    for x0, z0, x1, z1, height in plan["rooms"].values():
        rooms.box((x0, -THICK, z0), (x1, 0, z1), ml.FLOOR)
        rooms.box((x0, height, z0), (x1, height + THICK, z1), ml.STONE)
        for axis, at, low, high in (("x", x0, z0, z1), ("x", x1, z0, z1), ("z", z0, x0, x1), ("z", z1, x0, x1)):
            wall(rooms, axis, at, low, high, height,
                 [g for g in gaps.get((axis, at), []) if low < g[0] < high])
    x, z = plan["start"]
    nodes = [ml.node("empty", ml.attrs("player_start", (x, 2, z))),
             ml.node("mesh", ml.attrs("1Rooms", (0, 0, 0), mesh="plan_rooms"))]
    for kind, name, values in plan["things"]:
        if kind == "crate":
            nodes.append(ml.node("mesh", ml.attrs(name, (values[0], 0.5, values[1]), mesh="plan_crate")))
        elif kind == "pad":
            size = values[2:] or [2, 2]
            nodes.append(ml.trigger("2" + name, (values[0], 0, values[1]), size))
        else:
            nodes.append(ml.emitter(name, tuple(values), "ambient/drip.wav", "looping", "Pulse", (0.3, 0.6, 1.0),
                                    ml.floats(MaxRadius=12, MaxIntensity=1, Trail=4, WaveSpeed=10, Threshold=0.5)))
    return rooms, nodes


def write_level(text, content):
    """Writes the level the plan describes under the folder `content` (a game folder's Content)."""
    ml.CONTENT, ml.MESHES = content, os.path.join(content, "meshes")
    rooms, nodes = build(read_plan(text))
    rooms.write("plan_rooms")
    crate = ml.Mesh()
    crate.box((-0.5, -0.5, -0.5), (0.5, 0.5, 0.5), ml.WOOD)
    crate.write("plan_crate")
    pad = ml.Mesh()
    pad.box((-0.5, 0, -0.5), (0.5, 0.1, 0.5), ml.PAD)
    pad.write("pad")
    with open(os.path.join(ml.CONTENT, "TestRoom3.irr"), "w") as f:
        f.write("<?xml version=\"1.0\"?>\n<irr_scene>\n%s\n</irr_scene>\n" % "\n".join(nodes))
