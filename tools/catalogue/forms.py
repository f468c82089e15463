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


def is_sub_grip(frets, full):
    """frets is full with some strings left out (four or more still sound)."""
    if sum(1 for f in frets if f >= 0) < 4:
        return False
    return all(f < 0 or f == g for f, g in zip(frets, full))
