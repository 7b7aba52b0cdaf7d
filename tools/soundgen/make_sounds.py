#!/usr/bin/env python3
"""Writes the game's effect and ambient sounds into a sounds folder (default: game/Content/sounds/
of this checkout), replacing no existing file unless given --force. Run from anywhere; the output
is the same every time (fixed seed, standard library only):
  fx/global/footsteps/Concrete_Male_01.wav ... _07.wav  soft steps on concrete, each a little
                                                         different (heel, body, toe, scuff)
  fx/global/bench/bump_02.wav                            a heavy object knocking on the floor
  ambient/hum.wav                                        a machine hum, a seamless 2 s loop
  ambient/drip.wav                                       a dripping pipe: four drips in 3 s
  ambient/tick.wav                                       a ticking clock: tick-tock, a 1 s loop
  fx/global/cane/tap.wav                                 the player's cane tapping the floor
  fx/global/hand/empty_tap.wav                           fingertips on nothing but the palm:
                                                         the use key finding nothing in reach
  fx/global/bench/knock_light.wav                        a light crate knocking down: shorter,
                                                         higher and brighter than bump_02
  fx/global/hand/push_heavy.wav                          both palms shoving a load that will
                                                         not lift: a dull, muffled shove
  fx/level/plate_down.wav, plate_up.wav                  a floor plate clicking down under a
                                                         weight, and back up without it
  fx/level/switch_clunk.wav                              a wall lever thrown: clack and latch
  fx/level/switch_locked.wav                             the same lever held fast: a rattle
  fx/level/door_creak.wav                                a heavy door swinging on a dry hinge,
                                                         1.4 s, ending in a thud
  fx/level/exit_chime.wav                                a two-note bell: the way out
All are 16-bit mono at 44.1 kHz. The drips and ticks start just after a 100 ms boundary and
die away within it, so every beat fills one analysis slot (tools/soundanalyse).
"""
import argparse
import math
import os
import random
import struct
import sys
import wave

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import staging  # noqa: E402

RATE = 44100
ROOT = os.path.normpath(os.path.join(os.path.dirname(__file__), "..", ".."))
SOUNDS = os.path.join(ROOT, "game", "Content", "sounds")


class Biquad:
    """A second-order filter (RBJ cookbook), run sample by sample; keeps its state."""

    def __init__(self, kind, freq, q=0.707):
        w = 2.0 * math.pi * freq / RATE
        alpha = math.sin(w) / (2.0 * q)
        cw = math.cos(w)
        if kind == "low":
            b = ((1 - cw) / 2, 1 - cw, (1 - cw) / 2)
        elif kind == "high":
            b = ((1 + cw) / 2, -(1 + cw), (1 + cw) / 2)
        else:  # band pass, 0 dB at the centre
            b = (alpha, 0.0, -alpha)
        a0 = 1 + alpha
        self.b = tuple(x / a0 for x in b)
        self.a = (-2 * cw / a0, (1 - alpha) / a0)
        self.x1 = self.x2 = self.y1 = self.y2 = 0.0

    def run(self, samples):
        b0, b1, b2 = self.b
        a1, a2 = self.a
        out = []
        for x in samples:
            y = b0 * x + b1 * self.x1 + b2 * self.x2 - a1 * self.y1 - a2 * self.y2
            self.x2, self.x1 = self.x1, x
            self.y2, self.y1 = self.y1, y
            out.append(y)
        return out


def noise(rng, count):
    return [rng.uniform(-1.0, 1.0) for _ in range(count)]


def band(samples, low, high):
    """Noise shaped to the band low..high Hz (two poles each side)."""
    return Biquad("low", high).run(Biquad("high", low).run(samples))


def decay(count, start, tau):
    """An envelope of `count` samples: silent before `start` s, then a fast attack and an
    exponential fall with time constant `tau` s."""
    attack = 0.002
    env = []
    for i in range(count):
        t = i / RATE - start
        if t < 0:
            env.append(0.0)
        elif t < attack:
            env.append(t / attack)
        else:
            env.append(math.exp(-(t - attack) / tau))
    return env


def tone(count, start, freq_at, attack, tau):
    """A sine starting at `start` s whose pitch follows freq_at(t), rising over `attack` s and
    decaying with tau."""
    out = []
    phase = 0.0
    for i in range(count):
        t = i / RATE - start
        if t < 0:
            out.append(0.0)
            continue
        phase += 2.0 * math.pi * freq_at(t) / RATE
        out.append(math.sin(phase) * min(1.0, t / attack) * math.exp(-t / tau))
    return out


def body(count, start, freq_from, freq_to, tau):
    """A low thump: a sine gliding down from freq_from to freq_to, decaying with tau."""
    return tone(count, start, lambda t: freq_to + (freq_from - freq_to) * math.exp(-t / 0.03),
                0.003, tau)


def mix(*layers):
    """Sums (gain, samples) layers of equal length."""
    count = len(layers[0][1])
    return [sum(gain * samples[i] for gain, samples in layers) for i in range(count)]


def times(a, b):
    return [x * y for x, y in zip(a, b)]


def finish(samples, peak, fade=0.02):
    """Scales to `peak` and fades the last `fade` s out, so the sound ends without a click."""
    top = max(abs(x) for x in samples) or 1.0
    fade_count = int(fade * RATE)
    out = []
    for i, x in enumerate(samples):
        left = len(samples) - 1 - i
        gain = min(1.0, left / fade_count) if fade_count else 1.0
        out.append(x * peak / top * gain)
    return out


def footstep(rng):
    """A soft shoe on concrete: a low heel thump with a gritty click, then a lighter toe
    touch and a short scuff. Timing, pitch and brightness vary from step to step."""
    length = rng.uniform(0.22, 0.33)
    count = int(length * RATE)
    toe_at = rng.uniform(0.045, 0.075)
    bright = rng.uniform(2500.0, 4200.0)

    heel_body = body(count, 0.0, rng.uniform(120.0, 150.0), rng.uniform(70.0, 95.0),
                     rng.uniform(0.025, 0.04))
    heel_grit = times(band(noise(rng, count), 300.0, bright),
                      decay(count, 0.0, rng.uniform(0.008, 0.014)))
    toe_body = body(count, toe_at, rng.uniform(150.0, 190.0), rng.uniform(100.0, 130.0),
                    rng.uniform(0.015, 0.025))
    toe_grit = times(band(noise(rng, count), 500.0, bright * 1.2),
                     decay(count, toe_at, rng.uniform(0.006, 0.010)))
    scuff = times(band(noise(rng, count), 800.0, 3000.0),
                  decay(count, toe_at + 0.01, rng.uniform(0.03, 0.05)))
    samples = mix((1.0, heel_body), (0.55, heel_grit), (0.5, toe_body), (0.35, toe_grit),
                  (rng.uniform(0.05, 0.12), scuff))
    return finish(samples, rng.uniform(0.5, 0.6))


def bump(rng):
    """A heavy crate knocking down: a deep, longer thump, hollow wooden modes and a hard
    noise transient; heavier and duller than a step."""
    count = int(0.6 * RATE)
    thump = body(count, 0.0, 110.0, 52.0, 0.09)
    modes = mix((1.0, body(count, 0.0, 230.0, 210.0, 0.06)),
                (0.5, body(count, 0.0, 640.0, 610.0, 0.03)))
    hit = times(band(noise(rng, count), 150.0, 2000.0), decay(count, 0.0, 0.02))
    rattle = times(band(noise(rng, count), 200.0, 900.0), decay(count, 0.035, 0.05))
    samples = mix((1.0, thump), (0.35, modes), (0.6, hit), (0.15, rattle))
    return finish(samples, 0.8, fade=0.05)


def hum(rng):
    """A humming machine: 50 Hz mains and its harmonics, a slow swell and a little airy
    noise. Every component repeats a whole number of times in the 2 s, so the loop is
    seamless; the noise is filtered circularly for the same reason."""
    seconds = 2
    count = seconds * RATE
    partials = ((50, 1.0), (100, 0.6), (150, 0.35), (200, 0.2), (300, 0.08))
    tone = []
    for i in range(count):
        t = i / RATE
        swell = 0.85 + 0.15 * math.sin(2.0 * math.pi * 0.5 * t)
        tone.append(swell * sum(a * math.sin(2.0 * math.pi * f * t) for f, a in partials))
    raw = noise(rng, count)
    low, high = Biquad("low", 1200.0), Biquad("high", 200.0)
    high.run(low.run(raw))  # settle the filters on one pass so the second wraps smoothly
    air = high.run(low.run(raw))
    samples = mix((1.0, tone), (0.12, air))
    top = max(abs(x) for x in samples)
    return [x * 0.5 / top for x in samples]


def drip(rng):
    """A dripping pipe: four drops falling into a puddle inside a metal pipe, with silence
    between. Each drop is a short plink whose pitch rises as the bubble closes, a tiny
    splash and a few hollow echoes off the pipe wall. Quiet at both ends, so it loops."""
    count = 3 * RATE
    layers = []
    for start in (0.21, 0.91, 1.61, 2.31):
        gain = rng.uniform(0.8, 1.0)
        f0 = rng.uniform(900.0, 1300.0)
        rise = rng.uniform(1.6, 2.1)
        tau = rng.uniform(0.016, 0.022)
        plink = tone(count, start,
                     lambda t: f0 * (1.0 + (rise - 1.0) * (1.0 - math.exp(-t / 0.012))),
                     0.001, tau)
        splash = times(band(noise(rng, count), 2000.0, 7000.0), decay(count, start, 0.003))
        pipe = body(count, start, 340.0, 320.0, 0.05)
        drop = mix((1.0, plink), (0.25, splash), (0.2, pipe))
        for delay, echo in ((0.0, 1.0), (0.023, 0.3), (0.041, 0.18), (0.067, 0.1)):
            shift = int(delay * RATE)
            layers.append((gain * echo, [0.0] * shift + drop[:count - shift]))
    return finish(mix(*layers), 0.7)


def tick(rng):
    """A ticking clock, a 1 s loop: a bright metallic tick at the start and a lower, softer
    tock half a second later, each a click exciting a few ringing modes of the movement and
    a faint knock of the wooden case."""
    count = RATE
    layers = []
    for start, gain, modes, case in ((0.005, 1.0, (3100.0, 4700.0, 6900.0), 520.0),
                                     (0.505, 0.8, (2300.0, 3500.0, 5200.0), 440.0)):
        click = times(band(noise(rng, count), 1500.0, 9000.0), decay(count, start, 0.0015))
        ring = mix(*((0.6 / (k + 1), body(count, start, f, f, 0.008 / (k + 1)))
                     for k, f in enumerate(modes)))
        knock = body(count, start, case * 1.1, case, 0.02)
        layers += [(gain, click), (gain, ring), (gain * 0.3, knock)]
    return finish(mix(*layers), 0.6, fade=0.0)


def cane_tap(rng):
    """The tip of a cane striking concrete, 0.15 s: a hard click, the hollow ring of the
    shaft and a faint knock of the floor."""
    count = int(0.15 * RATE)
    start = 0.002
    click = times(band(noise(rng, count), 2500.0, 9000.0), decay(count, start, 0.0012))
    shaft = mix((1.0, body(count, start, 1900.0, 1750.0, 0.012)),
                (0.4, body(count, start, 4300.0, 4100.0, 0.006)))
    knock = body(count, start, 260.0, 200.0, 0.01)
    return finish(mix((1.0, click), (0.5, shaft), (0.35, knock)), 0.8)


def empty_tap(rng):
    """Fingertips closing on the palm, 0.12 s: a soft, dull pat with no ring, far quieter
    than the cane."""
    count = int(0.12 * RATE)
    pat = times(band(noise(rng, count), 120.0, 700.0), decay(count, 0.002, 0.008))
    flesh = body(count, 0.002, 180.0, 130.0, 0.015)
    return finish(mix((1.0, pat), (0.6, flesh)), 0.35)


def knock_light(rng):
    """A light crate knocking down, 0.35 s: a short, higher thump, bright wooden modes and a
    crisp transient; what the player can lift sounds like it."""
    count = int(0.35 * RATE)
    thump = body(count, 0.0, 220.0, 140.0, 0.035)
    modes = mix((1.0, body(count, 0.0, 480.0, 455.0, 0.03)),
                (0.6, body(count, 0.0, 1150.0, 1100.0, 0.015)))
    hit = times(band(noise(rng, count), 600.0, 5000.0), decay(count, 0.0, 0.008))
    return finish(mix((1.0, thump), (0.5, modes), (0.6, hit)), 0.6, fade=0.03)


def push_heavy(rng):
    """Both palms shoving a load that does not give, 0.3 s: a dull, muffled thump of flesh on
    wood and a faint grind of the load not moving. No ring: it goes nowhere."""
    count = int(0.3 * RATE)
    shove = body(count, 0.004, 110.0, 75.0, 0.05)
    palms = times(band(noise(rng, count), 80.0, 500.0), decay(count, 0.004, 0.03))
    grind = times(band(noise(rng, count), 250.0, 1200.0), decay(count, 0.03, 0.07))
    return finish(mix((1.0, shove), (0.7, palms), (0.12, grind)), 0.55, fade=0.04)


def plate(rng, down):
    """A metal floor plate settling down onto its frame (a click, a ringing plate and a low
    clunk), or springing back up (a lighter, higher click and a shorter ring)."""
    count = int((0.45 if down else 0.3) * RATE)
    scale = 1.0 if down else 1.25
    click = times(band(noise(rng, count), 2000.0, 8000.0), decay(count, 0.002, 0.002))
    ring = mix(*((0.6 / (k + 1), body(count, 0.002, f * scale, f * scale, 0.09 / (k + 1)))
                 for k, f in enumerate((1250.0, 2890.0, 4300.0))))
    clunk = body(count, 0.002, 170.0 * scale, 120.0 * scale, 0.03)
    layers = [(1.0, click), (0.7, ring), (0.9 if down else 0.3, clunk)]
    return finish(mix(*layers), 0.7 if down else 0.55, fade=0.03)


def lever_click(rng, count, start, ring_at, clunk_at, gain):
    """One click of a metal lever mechanism at `start` s."""
    click = times(band(noise(rng, count), 1500.0, 7000.0), decay(count, start, 0.002))
    ring = body(count, start, ring_at, ring_at, 0.03)
    clunk = body(count, start, clunk_at * 1.2, clunk_at, 0.04)
    return [(gain, click), (gain * 0.4, ring), (gain * 0.8, clunk)]


def switch_clunk(rng):
    """A wall lever thrown, 0.5 s: the clack of the handle and, 0.12 s later, the heavier
    latch dropping into place."""
    count = int(0.5 * RATE)
    layers = lever_click(rng, count, 0.002, 1600.0, 180.0, 0.7)
    layers += lever_click(rng, count, 0.12, 700.0, 110.0, 1.0)
    return finish(mix(*layers), 0.75, fade=0.04)


def switch_locked(rng):
    """The lever pulled while it is held fast, 0.25 s: three small, tight clicks of play in
    the mechanism and nothing more."""
    count = int(0.25 * RATE)
    layers = []
    for k, start in enumerate((0.002, 0.035, 0.065)):
        layers += lever_click(rng, count, start, 1900.0 + 150.0 * k, 260.0, 1.0 - 0.2 * k)
    return finish(mix(*layers), 0.5, fade=0.03)


def door_creak(rng):
    """A heavy door swinging on a dry hinge, 1.4 s: the hinge sticks and slips (a train of
    tiny impulses whose rate rises and falls as the door speeds up and slows), ringing the
    door's wood, and the leaf stops with a soft thud."""
    length = 1.4
    count = int(length * RATE)
    impulses = []
    phase = 0.0
    for i in range(count):
        t = i / RATE
        rate = 55.0 + 110.0 * math.sin(math.pi * min(t / 1.15, 1.0)) ** 0.7
        phase += rate / RATE
        if phase >= 1.0 and t < 1.15:
            phase -= 1.0
            impulses.append(rng.uniform(0.6, 1.0))
        else:
            impulses.append(0.0)
    wood = mix((1.0, Biquad("band", 820.0, 6.0).run(impulses)),
               (0.7, Biquad("band", 1630.0, 8.0).run(impulses)),
               (0.35, Biquad("band", 2710.0, 9.0).run(impulses)))
    swell = [min(1.0, i / (0.08 * RATE)) * (1.0 if i / RATE < 1.05 else
                                             max(0.0, 1.0 - (i / RATE - 1.05) / 0.1))
             for i in range(count)]
    thud = body(count, 1.18, 120.0, 70.0, 0.06)
    return finish(mix((1.0, times(wood, swell)), (0.25, thud)), 0.7, fade=0.05)


def exit_chime(rng):
    """A two-note bell, 2.5 s: a struck bar's inharmonic partials on a note and, a third of a
    second later, on the fifth above; bright at first, mellow as it dies."""
    count = int(2.5 * RATE)
    layers = []
    for start, f0, gain in ((0.002, 660.0, 1.0), (0.33, 990.0, 0.8)):
        for ratio, share, tau in ((1.0, 1.0, 0.9), (2.0, 0.5, 0.5), (2.76, 0.35, 0.3),
                                  (5.4, 0.2, 0.12)):
            layers.append((gain * share, body(count, start, f0 * ratio, f0 * ratio, tau)))
    strike = times(band(noise(rng, count), 3000.0, 9000.0), decay(count, 0.002, 0.002))
    return finish(mix((0.3, strike), *layers), 0.6, fade=0.1)


def write(path, samples):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    frames = b"".join(struct.pack("<h", max(-32767, min(32767, int(round(x * 32767)))))
                      for x in samples)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)
    print("wrote", os.path.relpath(path, ROOT))


def main():
    rng = random.Random(1907)
    for n in range(1, 8):
        write(os.path.join(SOUNDS, "fx", "global", "footsteps", "Concrete_Male_%02d.wav" % n),
              footstep(rng))
    write(os.path.join(SOUNDS, "fx", "global", "bench", "bump_02.wav"), bump(rng))
    write(os.path.join(SOUNDS, "ambient", "hum.wav"), hum(rng))
    write(os.path.join(SOUNDS, "ambient", "drip.wav"), drip(rng))
    write(os.path.join(SOUNDS, "ambient", "tick.wav"), tick(rng))
    write(os.path.join(SOUNDS, "fx", "global", "cane", "tap.wav"), cane_tap(rng))
    write(os.path.join(SOUNDS, "fx", "global", "hand", "empty_tap.wav"), empty_tap(rng))
    write(os.path.join(SOUNDS, "fx", "global", "bench", "knock_light.wav"), knock_light(rng))
    write(os.path.join(SOUNDS, "fx", "global", "hand", "push_heavy.wav"), push_heavy(rng))
    level = os.path.join(SOUNDS, "fx", "level")
    write(os.path.join(level, "plate_down.wav"), plate(rng, True))
    write(os.path.join(level, "plate_up.wav"), plate(rng, False))
    write(os.path.join(level, "switch_clunk.wav"), switch_clunk(rng))
    write(os.path.join(level, "switch_locked.wav"), switch_locked(rng))
    write(os.path.join(level, "door_creak.wav"), door_creak(rng))
    write(os.path.join(level, "exit_chime.wav"), exit_chime(rng))


def run_from_command_line():
    global SOUNDS
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("folder", nargs="?", default=SOUNDS,
                        help="the sounds folder to write into (default: %(default)s)")
    parser.add_argument("--force", action="store_true", help="replace files that already exist")
    args = parser.parse_args()
    with staging.staged("make_sounds", args.folder, args.force) as stage:
        SOUNDS = stage
        main()


if __name__ == "__main__":
    run_from_command_line()
