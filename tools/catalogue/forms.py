# SPDX-License-Identifier: GPL-3.0-or-later
"""The grips a guitarist expects to find, written out here.

Every shape is a string of six frets, E6 first, "x" for a muted string.
"""

# Open-position chords every tutor teaches: (name, frets).
TEXTBOOK = (
    ("C", "x 3 2 0 1 0"), ("D", "x x 0 2 3 2"), ("E", "0 2 2 1 0 0"),
    ("G", "3 2 0 0 0 3"), ("A", "x 0 2 2 2 0"),
    ("Am", "x 0 2 2 1 0"), ("Dm", "x x 0 2 3 1"), ("Em", "0 2 2 0 0 0"),
    ("C7", "x 3 2 3 1 0"), ("D7", "x x 0 2 1 2"), ("E7", "0 2 0 1 0 0"),
    ("G7", "3 2 0 0 0 1"), ("A7", "x 0 2 0 2 0"), ("B7", "x 2 1 2 0 2"),
    ("Am7", "x 0 2 0 1 0"), ("Dm7", "x x 0 2 1 1"), ("Em7", "0 2 0 0 0 0"),
    ("Bm7", "x 2 0 2 0 2"),
    ("Cmaj7", "x 3 2 0 0 0"), ("Dmaj7", "x x 0 2 2 2"),
    ("Emaj7", "0 2 1 1 0 0"), ("Fmaj7", "x x 3 2 1 0"),
    ("Gmaj7", "3 2 0 0 0 2"), ("Amaj7", "x 0 2 1 2 0"),
    ("C6", "x 3 2 2 1 0"), ("D6", "x x 0 2 0 2"), ("E6", "0 2 2 1 2 0"),
    ("G6", "3 2 0 0 0 0"), ("A6", "x 0 2 2 2 2"),
    ("Am6", "x 0 2 2 1 2"), ("Dm6", "x x 0 2 0 1"), ("Em6", "0 2 2 0 2 0"),
    ("Adim", "x 0 1 2 1 2"), ("Ddim", "x x 0 1 0 1"),
    ("A7/9", "x 0 2 4 2 3"), ("B7/9", "x 2 1 2 2 2"), ("C7/9", "x 3 2 3 3 3"),
    ("E7/9", "0 2 0 1 0 2"), ("G7/9", "3 x 0 2 0 1"),
    ("Am/maj7", "x 0 2 1 1 0"), ("Dm/maj7", "x x 0 2 2 1"),
    ("Em/maj7", "0 2 1 0 0 0"),
    ("C5+", "x 3 2 1 1 0"), ("E5+", "0 3 2 1 1 0"),
)

# Movable barre shapes, written at the open position of their root:
# (kind suffix, root pitch class, frets).  The open strings become the barre.
BARRES = (
    ("", 4, "0 2 2 1 0 0"), ("", 9, "x 0 2 2 2 0"),
    ("m", 4, "0 2 2 0 0 0"), ("m", 9, "x 0 2 2 1 0"),
    ("7", 4, "0 2 0 1 0 0"), ("7", 9, "x 0 2 0 2 0"), ("7", 4, "0 2 0 1 3 0"),
    ("m7", 4, "0 2 0 0 0 0"), ("m7", 9, "x 0 2 0 1 0"),
)

# Four-string jazz grips with the root on E6 (strings 6-4-3-2) and on A5
# (strings 5-4-3-2), written for the root G on E6 and C on A5.
DROPS = (
    ("maj7", 7, "3 x 4 4 3 x"), ("maj7", 0, "x 3 5 4 5 x"),
    ("7", 7, "3 x 3 4 3 x"), ("7", 0, "x 3 5 3 5 x"),
    ("m7", 7, "3 x 3 3 3 x"), ("m7", 0, "x 3 5 3 4 x"),
    ("6", 7, "3 x 2 4 3 x"), ("6", 0, "x 3 2 2 1 x"),
    ("m6", 7, "3 x 2 3 3 x"), ("m6", 0, "x 3 1 2 1 x"),
)

# The shapes a teacher shows for a kind, by family, written at the open
# position of their root: kind suffix -> ((family, root pitch class, frets)).
# A line belongs to a family when it is one of these moved along the neck
# (the open strings becoming the index's barre), or one with strings left
# out.  Major and minor have the five open-position shapes E, A, C, D and G;
# the sevenths and sixths their E- and A-shape forms first; dim its dim7
# grips with the root on A5, D4 and E6 (a dim7 sounds the same three frets
# higher, so its grips move by three frets).
FAMILIES = {
    "": (("E", 4, "0 2 2 1 0 0"), ("A", 9, "x 0 2 2 2 0"), ("C", 0, "x 3 2 0 1 0"),
         ("D", 2, "x x 0 2 3 2"), ("G", 7, "3 2 0 0 0 3")),
    "m": (("E", 4, "0 2 2 0 0 0"), ("A", 9, "x 0 2 2 1 0"), ("C", 0, "x 3 1 0 1 3"),
          ("D", 2, "x x 0 2 3 1"), ("G", 7, "3 1 0 0 3 3")),
    "7": (("E", 4, "0 2 0 1 0 0"), ("E", 4, "0 2 2 1 3 0"), ("A", 9, "x 0 2 0 2 0"),
          ("A", 9, "x 0 2 2 2 3"), ("C", 0, "x 3 2 3 1 0"), ("D", 2, "x x 0 2 1 2"),
          ("G", 7, "3 2 0 0 0 1")),
    "m7": (("E", 4, "0 2 0 0 0 0"), ("A", 9, "x 0 2 0 1 0"), ("D", 2, "x x 0 2 1 1")),
    "maj7": (("E", 4, "0 2 1 1 0 0"), ("A", 9, "x 0 2 1 2 0"), ("C", 0, "x 3 2 0 0 0"),
             ("D", 2, "x x 0 2 2 2"), ("G", 7, "3 2 0 0 0 2")),
    "6": (("E", 4, "0 2 2 1 2 0"), ("A", 9, "x 0 2 2 2 2"), ("C", 0, "x 3 2 2 1 0"),
          ("D", 2, "x x 0 2 0 2"), ("G", 7, "3 2 0 0 0 0")),
    "m6": (("E", 4, "0 2 2 0 2 0"), ("A", 9, "x 0 2 2 1 2"), ("D", 2, "x x 0 2 0 1")),
    "dim": (("A-string", 0, "x 3 4 2 4 x"), ("D-string", 2, "x x 0 1 0 1"),
            ("E-string", 7, "3 x 2 3 2 x")),
}
CAGED = ("E", "A", "C", "D", "G")
DIM7_GRIPS = ("A-string", "D-string", "E-string")

MAX_FRET = 14


def parse(text):
    return tuple(-1 if t == "x" else int(t) for t in text.split())


def placements(text, shape_root, root_pc):
    """The shape moved to root_pc, lowest placement first, then the octave
    above; only placements with every fret in 0..MAX_FRET."""
    base = parse(text)
    shift = (root_pc - shape_root) % 12
    out = []
    for t in (shift - 12, shift, shift + 12):
        moved = tuple(-1 if f < 0 else f + t for f in base)
        if max(moved) <= MAX_FRET and \
                all(f >= 0 for f, g in zip(moved, base) if g >= 0):
            out.append(moved)
    return out


def family_placements(kind_suffix, family, root_pc):
    """Every placement of a family's shapes for root_pc; a dim7 grip also
    moved by every multiple of three frets."""
    out = []
    for name, shape_root, text in FAMILIES.get(kind_suffix, ()):
        if name != family:
            continue
        if kind_suffix == "dim":
            base = parse(text)
            shift = (root_pc - shape_root) % 3
            for t in range(shift - 12, MAX_FRET + 1, 3):
                moved = tuple(-1 if f < 0 else f + t for f in base)
                if all(f >= 0 for f, g in zip(moved, base) if g >= 0) and max(moved) <= MAX_FRET:
                    out.append(moved)
        else:
            out += placements(text, shape_root, root_pc)
    return out


def families_of(frets, kind_suffix, root_pc):
    """The families a voicing belongs to, in the order FAMILIES lists them."""
    names = []
    for name, _, _ in FAMILIES.get(kind_suffix, ()):
        if name not in names and any(is_sub_grip(frets, p) for p in
                                     family_placements(kind_suffix, name, root_pc)):
            names.append(name)
    return names


def one_grip(a, b, holds, shifts=(0,)):
    """Whether a and b are one grip with strings left out or added: moved by
    one of `shifts`, a agrees with b on every string both sound (two or
    more), and one holds the other or a hand holds both at once
    (holds(frets) says whether a hand holds a voicing).  Either may be the
    one moved, so the answer does not depend on the order of a and b."""
    for t in shifts:
        for x, y in ((a, b), (b, a)):
            moved = tuple(-1 if f < 0 else f + t for f in x)
            if any(f < 0 <= g for f, g in zip(moved, x)):
                continue
            both = [s for s in range(6) if moved[s] >= 0 and y[s] >= 0]
            if len(both) < 2 or any(moved[s] != y[s] for s in both):
                continue
            union = tuple(max(f, g) for f, g in zip(moved, y))
            if union in (moved, y) or holds(union):
                return True
    return False


def is_sub_grip(frets, full):
    """frets is full with some strings left out (four or more still sound)."""
    if sum(1 for f in frets if f >= 0) < 4:
        return False
    return all(f < 0 or f == g for f, g in zip(frets, full))
