#!/usr/bin/env python3
"""Writes the glyph pattern files of the data folder's FONT folder.

    scripts/make_glyphs.py [OUTPUT_FOLDER]      (default: data/FONT of the source tree)

The extent labels are put together in the host from these files, one file per
character, so each character is drawn from the origin towards +X and fits
inside the pen advance the labels move by after it (ADVANCE below). Glyphs are
one unit high with the baseline on Y = 0; the letters and signs are about 0.8
wide.

The corner markers are arrows whose tip is the origin (the block corner the
label belongs to) and whose tail stands just off the end of the label nearest
the corner; each label lies on a fixed side of its corner:

    H-MAX  X maximum: the line ends 1.5 left of the corner, 1.7 above it
    H-MIN  X minimum: the line begins 1.5 right of the corner, 1.7 below it
    V-MAX  Y and Z maximum (turned onto Y): ends 1.5 below, 1.7 to the right
    V-MIN  Y and Z minimum (turned onto Y): begins 1.5 above, 1.7 to the left

The four view titles are words centred below the work origin, each in the
plane that faces its view: TOP in XY, FRONT in XZ, RIGHT in YZ, ISO facing the
iso view from the front right above.

The file format is the simulated host's pattern file (docs/simulated-host.md):
a first line "ORVALIS PATTERN 1", comment lines beginning with "#", and one
polyline per line as blank-separated x y z triples. The output is the same on
every run, so a change shows up as a change of the committed files.

Standard library only.
"""

import math
import pathlib
import sys

# How far the pen moves after each character, in glyph units.
ADVANCE = {"0": 0.87, "1": 0.7, "2": 0.89, "3": 0.93, "4": 0.94, "5": 0.86,
           "6": 0.87, "7": 0.86, "8": 0.85, "9": 0.85, ".": 0.34}

# Digits are drawn in a box from LEFT to (advance - RIGHT_GAP), one unit high.
LEFT = 0.08
RIGHT_GAP = 0.16

ARC_STEPS_PER_TURN = 36


def arc(cx, cy, rx, ry, start, end):
    """Points of an elliptic arc from angle `start` to `end` (degrees, either way)."""
    steps = max(2, round(abs(end - start) / 360 * ARC_STEPS_PER_TURN))
    return [(cx + rx * math.cos(math.radians(start + (end - start) * i / steps)),
             cy + ry * math.sin(math.radians(start + (end - start) * i / steps)))
            for i in range(steps + 1)]


# Each digit as polylines in a unit box (u to the right, v up, both 0..1).
DIGITS = {
    "0": [arc(0.5, 0.5, 0.5, 0.5, 90, 450)],
    "1": [[(0.1, 0.78), (0.55, 1.0), (0.55, 0.0)], [(0.1, 0.0), (1.0, 0.0)]],
    "2": [arc(0.5, 0.72, 0.5, 0.28, 165, -30) + [(0.0, 0.0), (1.0, 0.0)]],
    "3": [arc(0.5, 0.75, 0.46, 0.25, 150, -90) + arc(0.5, 0.25, 0.5, 0.25, 90, -150)],
    "4": [[(0.78, 0.0), (0.78, 1.0), (0.0, 0.3), (1.0, 0.3)]],
    "5": [[(0.95, 1.0), (0.1, 1.0), (0.05, 0.55)] + arc(0.48, 0.32, 0.52, 0.32, 135, -150)],
    "6": [arc(0.5, 0.5, 0.5, 0.5, 50, 180) + arc(0.5, 0.3, 0.5, 0.3, 180, 540)],
    "7": [[(0.0, 1.0), (1.0, 1.0), (0.35, 0.0)]],
    "8": [arc(0.5, 0.76, 0.42, 0.24, 270, 630), arc(0.5, 0.26, 0.5, 0.26, 90, 450)],
}
DIGITS["9"] = [[(1 - u, 1 - v) for u, v in line] for line in DIGITS["6"]]

# Letters and signs in glyph units (x to the right, y up).
LETTERS = {
    "X": [[(0.0, 0.0), (0.76, 1.0)], [(0.0, 1.0), (0.76, 0.0)]],
    "Y": [[(0.0, 1.0), (0.38, 0.5), (0.76, 1.0)], [(0.38, 0.5), (0.38, 0.0)]],
    "Z": [[(0.0, 1.0), (0.68, 1.0), (0.0, 0.0), (0.68, 0.0)]],
    "PLUS": [[(0.05, 0.5), (0.65, 0.5)], [(0.35, 0.2), (0.35, 0.8)]],
    "MINUS": [[(0.05, 0.5), (0.65, 0.5)]],
    # A small filled square on the baseline.
    "DOT": [[(0.1, 0.0), (0.22, 0.0), (0.22, 0.12), (0.1, 0.12), (0.1, 0.0), (0.22, 0.12)],
            [(0.1, 0.12), (0.22, 0.0)]],
}

# The letters of the view titles in a box 0.7 wide (I: 0.3), one unit high.
TITLE_LETTERS = {
    "T": [[(0.0, 1.0), (0.7, 1.0)], [(0.35, 1.0), (0.35, 0.0)]],
    "O": [arc(0.35, 0.5, 0.35, 0.5, 90, 450)],
    "P": [[(0.0, 0.0), (0.0, 1.0), (0.45, 1.0)] + arc(0.45, 0.75, 0.25, 0.25, 90, -90)
          + [(0.0, 0.5)]],
    "F": [[(0.7, 1.0), (0.0, 1.0), (0.0, 0.0)], [(0.0, 0.52), (0.5, 0.52)]],
    "R": [[(0.0, 0.0), (0.0, 1.0), (0.45, 1.0)] + arc(0.45, 0.75, 0.25, 0.25, 90, -90)
          + [(0.0, 0.5)], [(0.35, 0.5), (0.7, 0.0)]],
    "N": [[(0.0, 0.0), (0.0, 1.0), (0.7, 0.0), (0.7, 1.0)]],
    "I": [[(0.15, 0.0), (0.15, 1.0)], [(0.0, 1.0), (0.3, 1.0)], [(0.0, 0.0), (0.3, 0.0)]],
    "G": [arc(0.35, 0.5, 0.35, 0.5, 40, 360) + [(0.7, 0.45), (0.4, 0.45)]],
    "H": [[(0.0, 0.0), (0.0, 1.0)], [(0.7, 0.0), (0.7, 1.0)], [(0.0, 0.5), (0.7, 0.5)]],
    "S": [arc(0.35, 0.75, 0.35, 0.25, 20, 270) + arc(0.35, 0.25, 0.35, 0.25, 90, -160)],
}
TITLE_GAP = 0.22

# Where a corner marker's arrow starts: just off the label end nearest the corner.
MARKER_TAILS = {
    "H-MAX": (-1.3, 1.6),
    "H-MIN": (1.3, -0.6),
    "V-MAX": (0.8, -1.3),
    "V-MIN": (-1.6, 1.3),
}
ARROW_HEAD = 0.35
ARROW_HEAD_ANGLE = 22

ISO_RIGHT = (1 / math.sqrt(2), 1 / math.sqrt(2), 0.0)
ISO_UP = (-1 / math.sqrt(6), 1 / math.sqrt(6), 2 / math.sqrt(6))

# Each title: the word, where its top edge lies below the origin, and how a
# point (u across, v up) of the word is placed in the model.
TITLES = {
    "TOP-View": ("TOP", 3.2, lambda u, v: (u, v, 0.0)),
    "FRONT-View": ("FRONT", 2.6, lambda u, v: (u, 0.0, v)),
    "RIGHT-View": ("RIGHT", 2.6, lambda u, v: (0.0, u, v)),
    "ISO-View": ("ISO", 9.0, lambda u, v: tuple(u * a + v * b for a, b in zip(ISO_RIGHT, ISO_UP))),
}


def digit(char):
    width = ADVANCE[char] - LEFT - RIGHT_GAP
    return [[(LEFT + u * width, v, 0.0) for u, v in line] for line in DIGITS[char]]


def flat(lines):
    return [[(x, y, 0.0) for x, y in line] for line in lines]


def marker(name):
    tx, ty = MARKER_TAILS[name]
    back = math.atan2(ty, tx)
    head = []
    for side in (-1, 1):
        a = back + side * math.radians(ARROW_HEAD_ANGLE)
        head.append((ARROW_HEAD * math.cos(a), ARROW_HEAD * math.sin(a)))
    return flat([[(tx, ty), (0.0, 0.0)], [head[0], (0.0, 0.0), head[1]]])


def title(word, top_below_origin, place):
    widths = [0.3 if c == "I" else 0.7 for c in word]
    total = sum(widths) + TITLE_GAP * (len(word) - 1)
    pen = -total / 2
    base = -top_below_origin - 1.0
    lines = []
    for char, width in zip(word, widths):
        for line in TITLE_LETTERS[char]:
            lines.append([place(pen + u, base + v) for u, v in line])
        pen += width + TITLE_GAP
    return lines


def number(value):
    text = f"{value:.4f}".rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def pattern_text(comment, lines):
    out = ["ORVALIS PATTERN 1", f"# {comment}"]
    for line in lines:
        points = [" ".join(number(c) for c in point) for point in line]
        kept = [p for i, p in enumerate(points) if i == 0 or p != points[i - 1]]
        out.append("  ".join(kept))
    return "\n".join(out) + "\n"


def glyph_files():
    files = {}
    for char in "0123456789":
        files[f"NUMBER-{char}.PIC"] = (f"digit {char}, advance {ADVANCE[char]}", digit(char))
    files["DOT.PIC"] = (f"decimal point, advance {ADVANCE['.']}", flat(LETTERS["DOT"]))
    for letter in "XYZ":
        files[f"{letter}.PIC"] = (f"axis letter {letter}", flat(LETTERS[letter]))
    files["PLUS.PIC"] = ("plus sign", flat(LETTERS["PLUS"]))
    files["MINUS.pic"] = ("minus sign", flat(LETTERS["MINUS"]))
    for name in MARKER_TAILS:
        files[f"{name}.PIC"] = (f"corner marker {name}: an arrow to the origin", marker(name))
    for name, (word, top, place) in TITLES.items():
        files[f"{name}.PIC"] = (f"view title {word}", title(word, top, place))
    return files


def main():
    here = pathlib.Path(__file__).resolve().parent
    folder = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else here.parent / "data" / "FONT"
    folder.mkdir(parents=True, exist_ok=True)
    for name, (comment, lines) in glyph_files().items():
        (folder / name).write_text(pattern_text(comment, lines), encoding="ascii", newline="\n")


if __name__ == "__main__":
    main()
