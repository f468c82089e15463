#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Build the chord catalogue data file (catalogue/chords.txt).

The catalogue holds 1008 voicing lines (the empty line 0 is added by the
program, not stored here).  Each line is a 16-character blank-padded chord
name followed by six 2-character fret fields, E6 first.  Twenty-three lines
are fixed by hand (FIXED_LINES); every other line is generated here, checked,
and written only when the whole file passes every rule in check_lines().

How a name's voicings are picked
--------------------------------
1. Every shape a hand might hold is enumerated once: frets 0..14, at least
   four strings sounding, at most three frets between the lowest and highest
   fretted string, and at most four fingers (an index barre at the lowest
   fret, never across an open string, and one finger flat across adjacent
   strings at the highest fret).
2. For a name, the candidates are the shapes whose notes are all chord tones
   and that contain every required tone.  Each is graded: a fingering under
   the hand rules of fingering.py and nothing odd to a player (the root in
   the bass unless the chord is augmented, a diminished seventh or a seventh
   with a flat fifth, whose tones repeat; no doubled third or seventh in a
   four-string voicing) makes it a good voicing; a bass other than the root
   makes it a fallback; no fingering makes it a last resort.
3. Each candidate gets a score (score_voicing):
     + more strings sounding (4: 0, 5: +3, 6: +5)
     + root in the bass (+6); third (-5), fifth (-4) or other tone (-7) in
       the bass otherwise, but +4 for any tone of an augmented or full
       diminished-seventh chord; -2 more when the lowest string is not the
       lowest pitch
     - the cost of the best fingering (fingering.py), -1.5 for a three-fret
       stretch
     - 5 per muted string between sounding strings, except the classic grip
       with the root on E6 and A5 muted (-0.5); -2 when a muted string lies
       under the barre
     - 1.5 per muted top string, waived for the 4-string jazz grips
     + 4 for a jazz grip (strings 6-4-3-2 or 5-4-3-2, root in the bass),
       + 1 for a root-position grip on the top four strings
     + 1 per open string in open position (all frets <= 3) with the root
       in the bass; with a fret of 4 an open string costs 3 unless it is the
       root in the bass; under higher frets an open root in the bass costs
       2 (frets up to 7) or 8, any other open string 10 (frets up to 7)
       or 16
     + 5 when the shape is a well-known grip (TEMPLATES: the open E, A, C, G,
       D and F forms of each kind and the jazz grips, moved up the neck with
       the nut turned into a barre)
     + 1 when the lowest fret is played on the bass string with the root
     + 0.5 when an optional tone (the plain fifth, the ninth of 13) sounds
   Fallbacks lose 1000, last resorts 2000, so they are taken only when a
   name has no good voicing left for a line.
4. A name's lines are distinct grips.  Two voicings are one grip when
   they agree on every string both sound (two or more) and one holds the
   other or a hand holds both at once: the same grip with strings left out
   or added.  Two dim7 voicings are also one grip when one is the other
   moved by three frets (or a multiple of three), since a dim7 sounds the
   same there.  A candidate that is one grip with a line already taken is a
   copy, taken only when the name has nothing else left (a copy of a fixed
   line as well, except the textbook open chord).
5. The forms a teacher lists come first, each at its best placement, the
   one with the most strings first (wanted_forms): the textbook open chords;
   for major and minor the five shapes E, A, C, D and G moved up the neck
   (forms.py FAMILIES) where a hand holds them with the root in the bass;
   for 7 and maj7 their E- and A-shape forms, which hold the jazz drop
   grips, then the drop grips left and the C, D and G shapes; for 6 and m6
   the drop grips, then the E- and A-shape forms; for m7 the E- and A-shape
   barres, the lower first (a textbook open m7 counts as its shape); for dim
   the dim7 grips with the root on A5, D4 and E6.  The rest are chosen
   greedily by score.  Each pick lowers the score of the remaining
   candidates that sit near its position on the neck (1.5 per fret of
   closeness within three frets, at most 9 in all, open position counting
   as fret 0) and of those that are nearly the same grip: one string added
   or left out (-30), one string at another fret (-12), strings added or
   taken away (-4).  An open string under a fret above 9 costs 200, so such
   a line stands only where the name has nothing better.
   A name with three or more lines keeps its last free line for a form whose
   lowest fret lies between 5 and 9 until it has one (a bass other than the
   root is accepted for it).  A form above fret 12 is taken only once the
   same grip an octave lower is in, when that one is good.
   A voicing that reads the same as one of the name's fixed lines is never
   generated again.  Names with fixed lines have quotas: the number of
   generated voicings that must sort before, between and after the fixed
   lines follows from the fixed lines' indices, and a candidate is only
   taken while its slot has room.
6. Each root's block is sorted by the lines' character codes, which puts the
   names in kind order and a name's voicings in order of their fret text.

Run without arguments to write the file, or with --check FILE to check an
existing file only.  Exit status 0 means every rule holds.  --report FILE
prints the figures a guitarist would judge a catalogue by (awkward voicings,
textbook chords, barres, jazz grips, forms at frets 5 to 9, first positions,
near duplicates, octave copies, lines that are one grip, the m7 barres, the
dim7 grips, the five shapes of major and minor), then per name each line
with its shape families and the lines it is one grip with; --lines adds
every line with the cost of its best fingering and the fingers it uses
(1 index to 4 little, "." none).
"""

import argparse
import itertools
import os
import sys

from fingering import BASS_NOT_ROOT, best_fingering, musical_oddity, open_midi, use_tool
from forms import (BARRES, CAGED, DIM7_GRIPS, DROPS, FAMILIES, TEXTBOOK, families_of,
                   family_placements, is_sub_grip, one_grip, placements)
from forms import parse as parse_shape

MAX_FRET = 14                         # generated lines stay below fret 15
LINE_COUNT = 1008
NAME_WIDTH = 16

ROOTS = (("C", 0), ("C#(Db)", 1), ("D", 2), ("D#(Eb)", 3), ("E", 4),
         ("F", 5), ("F#(Gb)", 6), ("G", 7), ("G#(Ab)", 8), ("A", 9),
         ("A#", 10), ("B", 11))

# kind suffix -> (allowed intervals, required intervals), semitones above root
KINDS = (
    ("",       (0, 4, 7),          (0, 4, 7)),
    ("13",     (0, 4, 7, 10, 2, 9), (0, 4, 10, 9)),
    ("5+",     (0, 4, 8),          (0, 4, 8)),
    ("5-",     (0, 4, 6),          (0, 4, 6)),
    ("6",      (0, 4, 7, 9),       (0, 4, 9)),
    ("6/9",    (0, 4, 7, 9, 2),    (0, 4, 9, 2)),
    ("7",      (0, 4, 7, 10),      (0, 4, 10)),
    ("7/5+",   (0, 4, 8, 10),      (0, 4, 8, 10)),
    ("7/5-",   (0, 4, 6, 10),      (0, 4, 6, 10)),
    ("7/9",    (0, 4, 7, 10, 2),   (0, 4, 10, 2)),
    ("7/9/5+", (0, 4, 8, 10, 2),   (0, 4, 8, 10, 2)),
    ("7/9/5-", (0, 4, 6, 10, 2),   (0, 4, 6, 10, 2)),
    ("dim",    (0, 3, 6, 9),       (0, 3, 6)),
    ("m",      (0, 3, 7),          (0, 3, 7)),
    ("m/maj7", (0, 3, 7, 11),      (0, 3, 11)),
    ("m6",     (0, 3, 7, 9),       (0, 3, 9)),
    ("m6/9",   (0, 3, 7, 9, 2),    (0, 3, 9, 2)),
    ("m7",     (0, 3, 7, 10),      (0, 3, 10)),
    ("m7/9",   (0, 3, 7, 10, 2),   (0, 3, 10, 2)),
    ("maj7",   (0, 4, 7, 11),      (0, 4, 11)),
)

# Voicings per name: one row per kind (order of KINDS), one column per root
# (order of ROOTS).  0 means the name does not exist.
COUNTS = (
    (10, 8, 9, 8, 9, 8, 8, 11, 8, 9, 9, 7),
    (1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1),
    (6, 6, 6, 6, 6, 6, 6, 6, 6, 0, 6, 6),
    (2, 2, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2),
    (3, 3, 3, 3, 2, 3, 2, 3, 3, 3, 3, 3),
    (2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2),
    (15, 13, 14, 13, 14, 13, 13, 12, 12, 13, 13, 12),
    (3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3),
    (4, 4, 4, 4, 4, 4, 4, 4, 2, 4, 4, 4),
    (2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2),
    (3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3),
    (3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4, 3),
    (8, 8, 8, 7, 8, 8, 8, 8, 8, 6, 8, 8),
    (8, 8, 9, 8, 9, 8, 8, 8, 8, 8, 8, 8),
    (3, 3, 3, 3, 3, 4, 3, 3, 3, 3, 3, 3),
    (4, 4, 4, 4, 3, 4, 4, 4, 4, 4, 4, 4),
    (2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2),
    (2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2),
    (3, 3, 3, 3, 3, 3, 2, 3, 3, 3, 3, 4),
    (4, 4, 4, 4, 3, 4, 4, 4, 4, 4, 4, 5),
)

# First line of each root's block (1-based); the last block ends at 1008.
BLOCK_STARTS = (1, 89, 173, 261, 344, 428, 513, 595, 681, 762, 839, 925)

# Lines whose text is fixed, by index.  They are exempt from the musical
# rules (some are deliberately odd) but not from the format and order rules.
FIXED_LINES = {
    1: ("C", "0 3 2 0 1 0 "),
    2: ("C", "121514121312"),
    3: ("C", "3 3 5 5 5 3 "),
    4: ("C", "8 10109 8 8 "),
    5: ("C", "8 x 109 8 x "),
    6: ("C", "x 15141213x "),
    7: ("C", "x 15x 121312"),
    8: ("C", "x 3 x 0 1 0 "),
    9: ("C", "x 3 x 5 5 3 "),
    10: ("C", "x x 109 8 8 "),
    11: ("C13", "3 3 2 3 3 5 "),
    89: ("C#(Db)", "1 4 3 1 2 1 "),
    404: ("Em", "0 x x 0 0 0 "),
    842: ("A#", "6 8 8 7 6 x6"),
    855: ("A#5-", "x x 1 9 1110"),
    887: ("A#7/9/5-", "6 x 6 7 7 8 "),
    888: ("A#7/9/5-", "6 x 6 7 7 8 "),
    974: ("Bdim", "x 2 3 1 3 7 "),
    1002: ("Bm7/9", "x 4 7 7 7 7 "),
    1003: ("Bm7/9", "x 4 7 7 7 7 "),
    1004: ("Bmaj7", "111413111111"),
    1005: ("Bmaj7", "111413111111"),
    1008: ("Bmaj7", "x x 9 8 7 6 "),
}
DUPLICATE_PAIRS = ((887, 888), (1002, 1003), (1004, 1005))
IRREGULAR_FIELD_LINE = 842        # the one field written "x6" (reads as 6)
FRET15_LINES = (2, 6, 7)          # the only lines allowed to use fret 15
NO_FRET_LINE = 404                # the only line without a fretted string

# Well-known grips, written for a concrete root; they are moved to every
# other root by shifting all frets, open strings becoming the barre.
TEMPLATES = {
    "": [(4, "0 2 2 1 0 0"), (9, "x 0 2 2 2 0"), (0, "x 3 2 0 1 0"),
         (7, "3 2 0 0 0 3"), (2, "x x 0 2 3 2"), (5, "x x 3 2 1 1"),
         (4, "0 x 2 1 0 x"), (9, "x 0 2 2 2 x")],
    "13": [(4, "0 x 0 1 2 0"), (4, "0 x 0 1 2 x"), (9, "x 0 2 0 2 2")],
    "5+": [(4, "0 3 2 1 1 0"), (0, "x 3 2 1 1 0"), (9, "x 0 3 2 2 1"),
           (2, "x x 0 3 3 2"), (7, "3 2 1 0 0 3"), (4, "x x 2 1 1 0")],
    "5-": [(9, "x 0 1 2 2 x"), (4, "0 1 2 1 x x"), (2, "x x 0 1 3 2")],
    "6": [(4, "0 2 2 1 2 0"), (9, "x 0 2 2 2 2"), (0, "x 3 2 2 1 0"),
          (2, "x x 0 2 0 2"), (7, "3 2 0 0 0 0"), (4, "0 x 2 1 2 x")],
    "6/9": [(0, "x 3 2 2 3 3"), (4, "0 x 2 1 2 2")],
    "7": [(4, "0 2 0 1 0 0"), (4, "0 2 2 1 3 0"), (9, "x 0 2 0 2 0"),
          (9, "x 0 2 2 2 3"), (0, "x 3 2 3 1 0"), (2, "x x 0 2 1 2"),
          (7, "3 2 0 0 0 1"), (4, "0 x 0 1 0 x"), (9, "x 0 2 0 2 x")],
    "7/5+": [(4, "0 x 0 1 1 0"), (9, "x 0 3 0 2 1"), (4, "0 x 0 1 1 x")],
    "7/5-": [(9, "x 0 1 0 2 x"), (4, "0 1 0 1 x x"), (2, "x x 0 1 1 2")],
    "7/9": [(4, "0 2 0 1 0 2"), (0, "x 3 2 3 3 x"), (0, "x 3 2 3 3 3"),
            (9, "x 0 2 4 2 3")],
    "7/9/5+": [(0, "x 3 2 3 3 4"), (4, "0 x 0 1 1 2")],
    "7/9/5-": [(0, "x 3 2 3 3 2")],
    "dim": [(9, "x 0 1 2 1 2"), (2, "x x 0 1 0 1"), (9, "x 0 1 2 1 x"),
            (7, "3 x 2 3 2 x"), (2, "x x 0 1 3 1")],
    "m": [(4, "0 2 2 0 0 0"), (9, "x 0 2 2 1 0"), (2, "x x 0 2 3 1"),
          (0, "x 3 1 0 1 x"), (4, "0 x 2 0 0 x"), (5, "x x 3 1 1 1")],
    "m/maj7": [(9, "x 0 2 1 1 0"), (4, "0 2 1 0 0 0"), (2, "x x 0 2 2 1"),
               (9, "x 0 2 1 1 x")],
    "m6": [(4, "0 2 2 0 2 0"), (9, "x 0 2 2 1 2"), (2, "x x 0 2 0 1"),
           (4, "0 x 2 0 2 x")],
    "m6/9": [(0, "x 3 1 2 3 x"), (0, "x 3 1 2 3 3")],
    "m7": [(4, "0 2 0 0 0 0"), (4, "0 2 2 0 3 0"), (9, "x 0 2 0 1 0"),
           (2, "x x 0 2 1 1"), (4, "0 x 0 0 0 x"), (9, "x 0 2 0 1 x")],
    "m7/9": [(0, "x 3 1 3 3 x"), (4, "0 2 0 0 0 2")],
    "maj7": [(4, "0 2 1 1 0 0"), (9, "x 0 2 1 2 0"), (0, "x 3 2 0 0 0"),
             (2, "x x 0 2 2 2"), (5, "x x 3 2 1 0"), (7, "3 2 0 0 0 2"),
             (4, "0 x 1 1 0 x"), (9, "x 0 2 1 2 x")],
}


SPREAD_WEIGHT = 1.5    # score lost per fret of closeness to a chosen voicing
CROWD_CAP = 9.0        # most score a crowded neck position can cost
SIMILAR_PENALTY = 4.0  # score lost by the same grip with strings more/less
NEAR_DUPLICATE_PENALTY = 30.0  # ... with just one string added or left out
MOVED_STRING_PENALTY = 12.0  # ... with one string at another fret
AWKWARD_PENALTY = 1000.0  # score lost by a voicing a player would replace
HIGH_OPEN_PENALTY = 200.0  # ... by an open string under a fret above 9


class RuleError(Exception):
    """A catalogue rule does not hold."""


# ---------------------------------------------------------------- fields

def format_frets(frets):
    """Six fret values (-1 muted) -> the 12-character fret text."""
    out = []
    for f in frets:
        if f < 0:
            out.append("x ")
        elif f < 10:
            out.append("%d " % f)
        else:
            out.append("%d" % f)
    return "".join(out)


def parse_fields(fret_text):
    """12-character fret text -> list of six 2-character fields."""
    return [fret_text[i:i + 2] for i in range(0, 12, 2)]


def field_value(field, allow_irregular):
    """Value of one 2-character field, or raise RuleError."""
    if field == "x ":
        return -1
    if field == "x6" and allow_irregular:
        return 6
    if len(field) == 2 and field[0].isdigit() and field[1] == " ":
        return int(field[0])
    if len(field) == 2 and field.isdigit() and field[0] != "0":
        value = int(field)
        if 10 <= value <= 15:
            return value
    raise RuleError("bad fret field %r" % field)


def read_frets(fret_text):
    """Fret text -> tuple of six values; "x6" reads as 6."""
    return tuple(field_value(f, True) for f in parse_fields(fret_text))


def make_line(name, fret_text):
    return name.ljust(NAME_WIDTH) + fret_text


# ---------------------------------------------------------------- names

def all_names():
    """[(name, root index, root_pc, kind_index, count)] in catalogue order."""
    names = []
    for r, (root, pc) in enumerate(ROOTS):
        for k, (suffix, _, _) in enumerate(KINDS):
            count = COUNTS[k][r]
            if count:
                names.append((root + suffix, r, pc, k, count))
    return names


def name_ranges():
    """name -> (first line, last line), from the counts and block order."""
    ranges = {}
    line = 1
    for name, _, _, _, count in all_names():
        ranges[name] = (line, line + count - 1)
        line += count
    return ranges


def interval_mask(intervals, root_pc):
    mask = 0
    for i in intervals:
        mask |= 1 << ((root_pc + i) % 12)
    return mask


# ---------------------------------------------------------------- playing

def fingers_needed(frets):
    """Fingers a hand needs, or None when the barre would cross an open string.

    Five or six fretted strings take an index barre at the lowest fret; a run
    of adjacent strings at the highest fret, the bass string not among them,
    takes one more finger lying flat.
    """
    fretted = [i for i, f in enumerate(frets) if f > 0]
    if len(fretted) <= 4:
        return len(fretted)
    low = min(frets[i] for i in fretted)
    at_low = [i for i in fretted if frets[i] == low]
    lo, hi = min(at_low), max(at_low)
    if any(frets[i] == 0 for i in range(lo, hi + 1)):
        return None
    above = [i for i in fretted if frets[i] > low]
    if not above:
        return 1
    return 1 + len(above) - max(0, longest_top_run(frets) - 1)


def longest_top_run(frets):
    """Longest run of adjacent strings at the highest fret, bass excluded."""
    top = max(frets)
    bass = min(i for i, f in enumerate(frets) if f >= 0)
    best = run = 0
    for i, f in enumerate(frets):
        run = run + 1 if f == top and i != bass else 0
        best = max(best, run)
    return best


def playable(frets):
    """Hand rules: 4+ strings sound, span <= 3 frets, at most 4 fingers."""
    if sum(1 for f in frets if f >= 0) < 4:
        return False
    fretted = [f for f in frets if f > 0]
    if not fretted or max(fretted) - min(fretted) > 3:
        return False
    fingers = fingers_needed(frets)
    return fingers is not None and fingers <= 4


def pitch_mask(frets):
    mask = 0
    for s, f in enumerate(frets):
        if f >= 0:
            mask |= 1 << ((open_midi()[s] + f) % 12)
    return mask


def musical_problem(frets, root_pc, kind_index):
    """None when the voicing obeys every musical rule, else the reason."""
    _, allowed, required = KINDS[kind_index]
    mask = pitch_mask(frets)
    allowed_mask = interval_mask(allowed, root_pc)
    required_mask = interval_mask(required, root_pc)
    if mask & ~allowed_mask:
        return "sounds a note outside the chord"
    if mask & required_mask != required_mask:
        return "misses a required chord tone"
    if sum(1 for f in frets if f >= 0) < 4:
        return "fewer than four strings sound"
    fretted = [f for f in frets if f > 0]
    if not fretted:
        return "no fretted string"
    if max(fretted) - min(fretted) > 3:
        return "stretch over more than three frets"
    fingers = fingers_needed(frets)
    if fingers is None:
        return "barre lies across an open string"
    if fingers > 4:
        return "needs %d fingers" % fingers
    return None


def enumerate_shapes():
    """Every holdable shape with frets 0..MAX_FRET, grouped by pitch mask."""
    by_mask = {}
    for low in range(1, MAX_FRET + 1):
        choices = [-1, 0] + list(range(low, min(low + 3, MAX_FRET) + 1))
        for frets in itertools.product(choices, repeat=6):
            if low not in frets or not playable(frets):
                continue
            by_mask.setdefault(pitch_mask(frets), []).append(frets)
    return by_mask


# ---------------------------------------------------------------- scoring

def template_shapes(kind_suffix, root_pc):
    """Set of fret tuples of the well-known grips for this chord."""
    shapes = set()
    for template_root, text in TEMPLATES.get(kind_suffix, []):
        base = [-1 if t == "x" else int(t) for t in text.split()]
        shift = (root_pc - template_root) % 12
        for t in (shift, shift + 12):
            moved = tuple(-1 if f < 0 else f + t for f in base)
            if max(moved) <= MAX_FRET:
                shapes.add(moved)
    return shapes


def check_templates():
    """Every grip must be a correct chord of its own root."""
    suffixes = [k[0] for k in KINDS]
    for suffix, grips in TEMPLATES.items():
        k = suffixes.index(suffix)
        for root_pc, text in grips:
            frets = tuple(-1 if t == "x" else int(t) for t in text.split())
            _, allowed, required = KINDS[k]
            mask = pitch_mask(frets)
            if mask & ~interval_mask(allowed, root_pc) or \
                    mask & interval_mask(required, root_pc) != \
                    interval_mask(required, root_pc):
                raise RuleError("grip %r is not a %r chord" % (text, suffix))


def position(frets):
    """Neck position used to spread voicings: 0 for open position."""
    fretted = [f for f in frets if f > 0]
    if 0 in frets and max(frets) <= 4:
        return 0
    return min(fretted)


def score_voicing(frets, root_pc, kind_index, templates):
    _, allowed, required = KINDS[kind_index]
    sounding = [s for s in range(6) if frets[s] >= 0]
    n = len(sounding)
    score = {4: 0.0, 5: 3.0, 6: 5.0}[n]

    pitches = [open_midi()[s] + frets[s] for s in sounding]
    bass = min(pitches)
    bass_interval = (bass - root_pc) % 12
    mask = pitch_mask(frets)
    # Augmented and full diminished-seventh chords repeat every 4 or 3
    # semitones, so any of their tones makes an equally good bass.
    suffix = KINDS[kind_index][0]
    symmetric = suffix == "5+" or \
        (suffix == "dim" and mask & (1 << ((root_pc + 9) % 12)))
    if bass_interval == 0:
        score += 6
    elif symmetric:
        score += 4
    elif bass_interval in (3, 4):
        score -= 5
    elif bass_interval in (6, 7, 8):
        score -= 4
    else:
        score -= 7
    if pitches[0] != bass:
        score -= 2

    fingering = best_fingering(frets)
    score -= fingering[0] if fingering else 6.0
    fretted = [f for f in frets if f > 0]
    low = min(fretted)
    if max(fretted) - low == 3:
        score -= 1.5

    lo, hi = sounding[0], sounding[-1]
    inner_muted = [s for s in range(lo, hi + 1) if frets[s] < 0]
    if inner_muted == [1] and lo == 0 and bass_interval == 0:
        score -= 0.5                       # root on E6, A5 muted: jazz grip
    else:
        score -= 5 * len(inner_muted)
    if len(fretted) > 4:
        at_low = [s for s in range(6) if frets[s] == low]
        if any(frets[s] < 0 for s in range(min(at_low), max(at_low) + 1)):
            score -= 2

    jazz = n == 4 and bass_interval == 0 and \
        sounding in ([0, 2, 3, 4], [1, 2, 3, 4])
    if jazz:
        score += 4
    else:
        score -= 1.5 * (5 - hi)
    if sounding == [2, 3, 4, 5] and bass_interval == 0:
        score += 1

    opens = [s for s in range(6) if frets[s] == 0]
    top = max(frets)
    for s in opens:
        root_bass = s == lo and bass_interval == 0
        if top <= 3:
            score += 1.0 if bass_interval == 0 else 0.0
        elif top == 4:
            score -= 0 if root_bass else 3
        elif root_bass:
            score -= 2 if top <= 7 else 8
        else:
            score -= 10 if top <= 7 else 16

    if frets in templates:
        score += 5
    if frets[lo] == low and bass_interval == 0 and pitches[0] == bass:
        score += 1
    optional = set(allowed) - set(required)
    if any(mask & (1 << ((root_pc + i) % 12)) for i in optional):
        score += 0.5
    return score


def similar(a, b):
    """Same grip with strings added or taken away."""
    both = [s for s in range(6) if a[s] >= 0 and b[s] >= 0]
    return len(both) >= 4 and all(a[s] == b[s] for s in both)


# ---------------------------------------------------------------- choosing

def name_slots(name, count, fixed):
    """How many generated lines sort before, between and after the name's
    fixed lines: slots[j] lie between fixed_texts[j-1] and fixed_texts[j]."""
    first, last = name_ranges()[name]
    fixed_texts = sorted(set(text for _, text in fixed))
    slots = []
    prev_end = first - 1
    for text in fixed_texts:
        idxs = [i for i, t in fixed if t == text]
        slots.append(min(idxs) - prev_end - 1)
        prev_end = max(idxs)
    slots.append(last - prev_end)
    if sum(slots) + len(fixed) != count or min(slots) < 0:
        raise RuleError("%s: fixed lines do not fit the name's range" % name)
    return fixed_texts, slots


def name_candidates(root_pc, kind_index, by_mask, fixed_texts):
    """Every voicing the name may take, graded and scored: {frets: Candidate}."""
    _, allowed, required = KINDS[kind_index]
    allowed_mask = interval_mask(allowed, root_pc)
    required_mask = interval_mask(required, root_pc)
    templates = template_shapes(KINDS[kind_index][0], root_pc)
    fixed_readings = {read_frets(text) for text in fixed_texts}
    cands = {}
    for mask, shapes in by_mask.items():
        if mask & ~allowed_mask or mask & required_mask != required_mask:
            continue
        for frets in shapes:
            if frets in fixed_readings:
                continue
            text = format_frets(frets)
            why = awkwardness(frets, root_pc, kind_index)
            grade = 2 if why is None else 1 if why == BASS_NOT_ROOT else 0
            score = score_voicing(frets, root_pc, kind_index, templates)
            if high_open(frets):
                score -= HIGH_OPEN_PENALTY
            cands[frets] = Candidate(
                score - AWKWARD_PENALTY * (2 - grade), text, frets,
                sum(1 for t in fixed_texts if t < text), position(frets), grade)
    return cands


def choose_voicings(name, root_pc, kind_index, count, by_mask, fixed):
    """Pick the generated voicings of one name.

    fixed: sorted list of (line index, fret text) of the name's fixed lines.
    Returns a list of fret texts (generated ones only).
    """
    fixed_texts, slots = name_slots(name, count, fixed)
    if sum(slots) == 0:
        return []
    cands = name_candidates(root_pc, kind_index, by_mask, fixed_texts)
    fixed_readings = {read_frets(text) for text in fixed_texts}
    wanted = wanted_forms(name, root_pc, kind_index)
    chosen = []
    held = set(fixed_readings)
    room = list(slots)
    need_middle = count >= 3 and not any(is_five_to_nine(f) for f in held)
    # A fixed line counts as a grip already taken: what is the same grip
    # with strings left out or added waits, like a copy of a chosen line.
    # The textbook open chord stays wanted beside a fixed line of its grip.
    textbook = {parse_shape(text) for n, text in TEXTBOOK if n == name}
    for f in fixed_readings:
        mark_taken(f, cands, held | textbook, root_pc, kind_index, lightly=True)

    def open_to(c, middle_only, grade, copies):
        if c.frets in held or room[c.slot] == 0 or c.grade < grade:
            return False
        if (c.copy and not copies) or (middle_only and not is_five_to_nine(c.frets)):
            return False
        return not orphan_copy(c.frets, cands, held)

    for left in range(sum(slots), 0, -1):
        pick = None
        middle = need_middle and left == 1
        for middle_only, grade, copies in pick_order(middle):
            pool = [c for c in cands.values() if open_to(c, middle_only, grade, copies)]
            pick = wanted_pick(pool, wanted, held) or best_of(pool)
            if pick is not None:
                break
        if pick is None:
            raise RuleError("%s: not enough voicings for its slots" % name)
        held.add(pick.frets)
        room[pick.slot] -= 1
        chosen.append(pick.text)
        if is_five_to_nine(pick.frets):
            need_middle = False
        mark_taken(pick.frets, cands, held, root_pc, kind_index)
    return chosen


def pick_order(middle):
    """(middle only, lowest grade, copies allowed) in the order tried: a new
    grip before a copy of a chosen one, a form at frets 5 to 9 worth a bass
    other than the root, and a voicing no hand can hold last of all."""
    return ((middle, 2, False), (middle, 1, False), (False, 2, False),
            (False, 1, False), (False, 2, True), (False, 1, True),
            (False, 0, False), (False, 0, True))


def best_of(pool):
    """The best value, ties to the lower fret text; None for an empty pool."""
    if not pool:
        return None
    best = max(c.value() for c in pool)
    return min((c for c in pool if c.value() == best), key=lambda c: c.text)


def wanted_pick(pool, wanted, held):
    """The best candidate of the first wanted form that no held line covers
    yet and that the pool can fill."""
    for _, covers, member in wanted:
        if any(covers(f) for f in held):
            continue
        members = [c for c in pool if member(c.frets)]
        if members:
            # the form with the most strings, then the best value
            most = max(sounding(c.frets) for c in members)
            return best_of([c for c in members if sounding(c.frets) == most])
    return None


def sounding(frets):
    return sum(1 for f in frets if f >= 0)


def mark_taken(frets, cands, held, root_pc, kind_index, lightly=False):
    """A grip was taken: candidates near it on the neck or like it lose value,
    and those that are the same grip become copies."""
    taken_position = position(frets)
    for c in cands.values():
        if c.frets in held:
            continue
        if same_grip(c.frets, frets, root_pc, kind_index):
            c.copy = True
        if lightly:
            c.penalty += SIMILAR_PENALTY * similar(c.frets, frets)
            continue
        distance = abs(c.position - taken_position)
        c.crowd = min(CROWD_CAP, c.crowd + SPREAD_WEIGHT * max(0, 3 - distance))
        if near_duplicates(c.frets, frets):
            c.penalty += NEAR_DUPLICATE_PENALTY
        elif sum(a != b for a, b in zip(c.frets, frets)) == 1:
            c.penalty += MOVED_STRING_PENALTY
        elif similar(c.frets, frets):
            c.penalty += SIMILAR_PENALTY


class Candidate:
    """One voicing a name may take, with what choosing others costs it."""

    def __init__(self, score, text, frets, slot, position, grade):
        self.score, self.text, self.frets = score, text, frets
        self.slot, self.position, self.grade = slot, position, grade
        self.penalty = self.crowd = 0.0
        self.copy = False   # the same grip as a line already taken

    def value(self):
        return self.score - self.penalty - self.crowd


def holds(frets):
    """Whether a hand holds the voicing under the fingering model."""
    return best_fingering(tuple(frets)) is not None


def is_dim7(frets, root_pc, kind_index):
    return KINDS[kind_index][0] == "dim" and \
        pitch_mask(frets) == interval_mask((0, 3, 6, 9), root_pc)


def same_grip(a, b, root_pc, kind_index):
    """One grip with strings left out or added; two dim7 voicings also when
    one is the other moved by three frets (or a multiple of three)."""
    shifts = (0,)
    if is_dim7(a, root_pc, kind_index) and is_dim7(b, root_pc, kind_index):
        shifts = tuple(range(-12, 13, 3))
    return one_grip(a, b, holds, shifts)


def high_open(frets):
    """An open string ringing under a fret above 9."""
    return 0 in frets and max(frets) > 9


def wanted_forms(name, root_pc, kind_index):
    """The forms a teacher lists first for a name, in order, each as
    (label, covers, member): covers(frets) when a line already gives the
    form, member(frets) when a candidate may stand for it.

    The textbook open chords come first; then for major and minor the five
    shapes E, A, C, D and G; for 7, maj7, 6 and m6 the E- and A-shape forms,
    the jazz drop grips (a barre that holds one gives it) and then the C, D
    and G shapes; for m7 the E- and A-shape barres themselves, the lower one
    first; for dim the dim7 grips with the root on A5, D4 and E6.  The
    6 and m6 names take their drop grips before their barres.
    """
    suffix = KINDS[kind_index][0]
    out = []
    for n, text in TEXTBOOK:
        if n == name:
            shape = parse_shape(text)
            out.append(("textbook", lambda f, s=shape: f == s, lambda f, s=shape: f == s))

    def family(label, exact=False):
        places = family_placements(suffix, label, root_pc)
        if exact:
            test = lambda f: f in places
        else:
            test = lambda f: any(is_sub_grip(f, p) for p in places)
        return (label, test, test)

    def drops():
        out = []
        for k, shape_root, text in DROPS:
            if k == suffix:
                places = placements(text, shape_root, root_pc)
                out.append(("drop", lambda f, p=places: any(is_sub_grip(q, f) for q in p),
                            lambda f, p=places: f in p))
        return out

    if suffix in ("", "m"):
        out += [family(label) for label in CAGED]
    elif suffix == "m7":
        barres = [family(label, exact=True) for label in ("E", "A")]
        lowest = {label: min(position(p) for p in family_placements(suffix, label, root_pc))
                  for label in ("E", "A")}
        out += sorted(barres, key=lambda b: lowest[b[0]]) + drops()
    elif suffix in ("7", "maj7", "6", "m6"):
        labels = [n for n, _, _ in FAMILIES[suffix]]
        shapes = [family(label) for label in ("E", "A")]
        # a 7 or maj7 barre holds its drop grip; a 6 or m6 barre does not,
        # and the drop grips are the sixths players look up first
        out += shapes + drops() if suffix in ("7", "maj7") else drops() + shapes
        out += [family(label) for label in ("C", "D", "G") if label in labels]
    elif suffix == "dim":
        out += [family(label, exact=True) for label in DIM7_GRIPS]
    return out


def orphan_copy(frets, cands, held):
    """A form above fret 12 whose allowed low octave is not yet chosen."""
    if 0 in frets or min(f for f in frets if f > 0) < 12:
        return False
    low = tuple(f - 12 if f > 0 else f for f in frets)
    return low not in held and low in cands and cands[low].grade == 2


def generate():
    check_templates()
    by_mask = enumerate_shapes()
    fixed_by_name = {}
    for index, (name, text) in sorted(FIXED_LINES.items()):
        fixed_by_name.setdefault(name, []).append((index, text))

    lines = []
    for b in range(len(ROOTS)):
        block = []
        for name, r, pc, k, count in all_names():
            if r != b:
                continue
            fixed = fixed_by_name.get(name, [])
            block += [make_line(name, t) for _, t in fixed]
            block += [make_line(name, t) for t in
                      choose_voicings(name, pc, k, count, by_mask, fixed)]
        block.sort()
        lines += block
    return lines


# ---------------------------------------------------------------- checking

def check_lines(lines, hand_rules=True):
    """Raise RuleError naming the first broken rule; lines are 1..1008.

    hand_rules: also hold every generated line to the fingering model and
    the four-string doubling rule (off to report on an older catalogue).
    """
    if len(lines) != LINE_COUNT:
        raise RuleError("expected %d lines, found %d" % (LINE_COUNT, len(lines)))
    names = {name: (r, pc, k) for name, r, pc, k, _ in all_names()}
    ranges = name_ranges()
    if len(names) != 239:
        raise RuleError("expected 239 names, have %d" % len(names))
    duplicate_seconds = {b for _, b in DUPLICATE_PAIRS}
    seen = {}

    for index, line in enumerate(lines, start=1):
        where = "line %d (%r)" % (index, line)
        if len(line) != 28 or any(not (32 <= ord(ch) < 127) for ch in line):
            raise RuleError("%s: not 28 printable ASCII characters" % where)
        name = line[:NAME_WIDTH].rstrip(" ")
        if line[:NAME_WIDTH] != name.ljust(NAME_WIDTH) or " " in name:
            raise RuleError("%s: bad name field" % where)
        if name not in names:
            raise RuleError("%s: unknown name %r" % (where, name))
        first, last = ranges[name]
        if not first <= index <= last:
            raise RuleError("%s: %s belongs to lines %d..%d"
                            % (where, name, first, last))
        if index in FIXED_LINES and line != make_line(*FIXED_LINES[index]):
            raise RuleError("%s: must read %r"
                            % (where, make_line(*FIXED_LINES[index])))
        fret_text = line[NAME_WIDTH:]
        fields = parse_fields(fret_text)
        frets = []
        for col, field in enumerate(fields):
            irregular = index == IRREGULAR_FIELD_LINE and col == 5
            if irregular and field != "x6":
                raise RuleError("%s: the last field must be 'x6'" % where)
            try:
                frets.append(field_value(field, irregular))
            except RuleError as e:
                raise RuleError("%s: %s" % (where, e))
        if any(f == 15 for f in frets) != (index in FRET15_LINES):
            raise RuleError("%s: fret 15 only allowed on lines %s"
                            % (where, FRET15_LINES))
        if (max(frets) < 1) != (index == NO_FRET_LINE):
            raise RuleError("%s: only line %d may have no fretted string"
                            % (where, NO_FRET_LINE))
        if index not in FIXED_LINES:
            _, pc, k = names[name]
            problem = musical_problem(frets, pc, k)
            why = awkwardness(tuple(frets), pc, k) if hand_rules else None
            if problem is None and why is not None and why != BASS_NOT_ROOT:
                problem = why
            if problem:
                raise RuleError("%s: %s" % (where, problem))
        if line in seen and index not in duplicate_seconds:
            raise RuleError("%s: repeats line %d" % (where, seen[line]))
        seen.setdefault(line, index)

    block_ends = list(BLOCK_STARTS[1:]) + [LINE_COUNT + 1]
    for b in range(len(ROOTS)):
        for index in range(BLOCK_STARTS[b], block_ends[b] - 1):
            a, c = lines[index - 1], lines[index]
            if a < c:
                continue
            if a == c and (index, index + 1) in DUPLICATE_PAIRS:
                continue
            raise RuleError("lines %d and %d are out of order" % (index, index + 1))
    for name, (first, last) in ranges.items():
        b = names[name][0]
        if not BLOCK_STARTS[b] <= first <= last < block_ends[b]:
            raise RuleError("%s lies outside the %s block"
                            % (name, ROOTS[b][0]))


def read_file(path):
    with open(path, "rb") as f:
        data = f.read()
    if b"\r" in data:
        raise RuleError("%s: carriage returns found" % path)
    if not data.endswith(b"\n"):
        raise RuleError("%s: last line lacks its line feed" % path)
    try:
        text = data.decode("ascii")
    except UnicodeDecodeError:
        raise RuleError("%s: not plain ASCII" % path)
    return text[:-1].split("\n")


# ---------------------------------------------------------------- figures

def figures(lines):
    """Summary numbers of a checked catalogue, as printable text."""
    names = {name: k for name, _, _, k, _ in all_names()}
    per_kind = [0] * len(KINDS)
    single = double = muted = opens = irregular = 0
    open_position = above12 = 0
    for index, line in enumerate(lines, start=1):
        per_kind[names[line[:NAME_WIDTH].rstrip()]] += 1
        frets = []
        for col, field in enumerate(parse_fields(line[NAME_WIDTH:])):
            if field == "x ":
                muted += 1
            elif field == "x6":
                irregular += 1
            elif field[1] == " ":
                single += 1
            else:
                double += 1
            frets.append(field_value(field, field == "x6"))
        opens += frets.count(0)
        if 0 in frets and max(frets) <= 4:
            open_position += 1
        if max(frets) > 12:
            above12 += 1
    out = ["lines checked: %d" % len(lines),
           "voicings per kind: " + ", ".join(
               "%s %d" % (KINDS[k][0] or "major", per_kind[k])
               for k in range(len(KINDS))),
           "open position (an open string and every fret <= 4): %d"
           % open_position,
           "lines using a fret above 12: %d" % above12,
           "fields: %d single-digit, %d two-digit, %d 'x ', %d 'x6'; "
           "open strings %d" % (single, double, muted, irregular, opens)]
    return "\n".join(out)


# ---------------------------------------------------------------- report

def allowed_voicing(frets, root_pc, kind_index):
    """True when a voicing passes the musical rules, the fingering model and
    the musical preferences."""
    suffix, tones, _ = KINDS[kind_index]
    return musical_problem(frets, root_pc, kind_index) is None and \
        best_fingering(frets) is not None and \
        musical_oddity(frets, root_pc, suffix, tones) is None


def awkwardness(frets, root_pc, kind_index):
    """Why a player would replace this voicing, or None."""
    if best_fingering(frets) is None:
        return "no fingering obeys the hand rules"
    suffix, tones, _ = KINDS[kind_index]
    return musical_oddity(frets, root_pc, suffix, tones)


def expected_forms(name, root_pc, kind_index):
    """The name's textbook, barre and jazz forms: {group: [placements]}."""
    suffix = KINDS[kind_index][0]
    out = {"textbook": [], "barre": [], "drop": []}
    for n, text in TEXTBOOK:
        if n == name:
            out["textbook"].append([parse_shape(text)])
    for k, shape_root, text in BARRES:
        if k == suffix:
            out["barre"].append(placements(text, shape_root, root_pc))
    for k, shape_root, text in DROPS:
        if k == suffix:
            out["drop"].append(placements(text, shape_root, root_pc))
    return out


def is_five_to_nine(frets):
    """A form whose lowest fretted note lies between frets 5 and 9."""
    fretted = [f for f in frets if f > 0]
    return bool(fretted) and 5 <= min(fretted) <= 9


def near_duplicates(a, b):
    """The same grip with one string added or left out."""
    differ = [s for s in range(6) if a[s] != b[s]]
    return len(differ) == 1 and min(a[differ[0]], b[differ[0]]) < 0


def first_position(name, root_pc, kind_index):
    """The form a tutor shows first for a name, or None when our rules
    allow none: the textbook open chord, else the lowest allowed placement
    of the name's barre and jazz grips, else of its well-known grips."""
    forms = expected_forms(name, root_pc, kind_index)
    if forms["textbook"]:
        return forms["textbook"][0][0]
    for shapes in ([f for group in forms["barre"] + forms["drop"] for f in group],
                   sorted(template_shapes(KINDS[kind_index][0], root_pc))):
        shapes = [f for f in shapes if allowed_voicing(f, root_pc, kind_index)]
        if shapes:
            return min(shapes, key=lambda f: (min(x for x in f if x > 0), f))
    return None


def holds_form(lines_frets, form):
    """A line is the form, or the form with strings added."""
    return any(is_sub_grip(form, f) for f in lines_frets)


def one_grip_pairs(by_name, names):
    """[(name, index, index)] of lines of one name that are one grip."""
    pairs = []
    for name, entries in by_name.items():
        pc, k = names[name]
        for (i, a), (j, b) in itertools.combinations(entries, 2):
            if same_grip(a, b, pc, k):
                pairs.append((name, i, j))
    return pairs


def teacher_figures(by_name, names, playable_shapes):
    """What a teacher reading the catalogue name by name looks for."""
    out = []
    pairs = one_grip_pairs(by_name, names)
    def listed(found):
        return (" (" + ", ".join("%s %d/%d" % p for p in found[:20])
                + (" ..." if len(found) > 20 else "") + ")") if found else ""

    quoted = [p for p in pairs if p[1] in FIXED_LINES or p[2] in FIXED_LINES]
    outside = [p for p in pairs if p not in quoted]
    out.append("pairs of lines in a name that are one grip (strings left out or added, "
               "a dim7 moved by three frets): %d outside the quoted lines%s; %d with a "
               "quoted line%s" % (len(outside), listed(outside), len(quoted),
                                  listed([p for p in quoted if not (
                                      p[1] in FIXED_LINES and p[2] in FIXED_LINES)])))
    both = open_and_one = 0
    dim = {label: [] for label in DIM7_GRIPS}
    shapes = {"": [0, 0, {}], "m": [0, 0, {}]}
    for name, (pc, k) in names.items():
        suffix = KINDS[k][0]
        have = [f for _, f in by_name.get(name, [])]
        if suffix == "m7":
            barre = {label: any(f in family_placements("m7", label, pc) for f in have)
                     for label in ("E", "A")}
            textbook = any(n == name and parse_shape(t) in have for n, t in TEXTBOOK)
            both += all(barre.values())
            open_and_one += all(barre.values()) or (textbook and any(barre.values()))
        quoted = [f for i, f in by_name.get(name, []) if i in FIXED_LINES]
        if suffix == "dim":
            for label in DIM7_GRIPS:
                places = family_placements("dim", label, pc)
                if any(f in places for f in have) or \
                        any(holds_form(quoted, p) for p in places):
                    dim[label].append(name)
        if suffix in shapes:
            found = set()
            for f in have:
                found.update(families_of(f, suffix, pc))
            for label in CAGED:     # a quoted line may hold a shape with strings added
                if any(holds_form(quoted, p) and sounding(p) >= 4
                       for p in family_placements(suffix, label, pc)):
                    found.add(label)
            tally = shapes[suffix]
            tally[0] += all(label in found for label in CAGED)
            possible = [label for label in CAGED
                        if any(families_of(f, suffix, pc).count(label)
                               for f in playable_shapes(pc, k))]
            tally[1] += len(possible) == len(CAGED)
            for label in CAGED:
                counts = tally[2].setdefault(label, [0, 0])
                counts[0] += label in found
                counts[1] += label in possible
    out.append("m7 names with both barres (E- and A-shape): %d of 12; with both or a textbook "
               "open m7 and one barre: %d of 12" % (both, open_and_one))
    for label in DIM7_GRIPS:
        out.append("dim names with the %s dim7 grip (or a quoted line holding it): %d of 12%s"
                   % (label, len(dim[label]), "" if len(dim[label]) == 12 else " (missing: %s)"
                      % ", ".join(n for n, (_, k) in names.items()
                                  if KINDS[k][0] == "dim" and n not in dim[label])))
    for suffix, label in (("", "major"), ("m", "minor")):
        found, possible, per = shapes[suffix]
        out.append("%s names whose five shapes E A C D G are all present: %d of 12 (all five "
                   "playable with the root in the bass: %d); per shape, present/playable: %s"
                   % (label, found, possible,
                      ", ".join("%s %d/%d" % (s, per[s][0], per[s][1]) for s in CAGED)))
    return out


def name_listing(by_name, names):
    """Per name, each line with its shape families and the lines it is one grip with."""
    out = []
    for name, entries in by_name.items():
        pc, k = names[name]
        out.append(name)
        for i, f in entries:
            families = families_of(f, KINDS[k][0], pc) or ["-"]
            alike = [str(j) for j, g in entries if j != i and same_grip(f, g, pc, k)]
            out.append("  %4d %s  %s%s%s" % (
                i, format_frets(f), "/".join(families),
                "  (quoted)" if i in FIXED_LINES else "",
                "  variant of " + " ".join(alike) if alike else ""))
    return out


def report(lines, list_lines=False):
    """The figures a guitarist judges the catalogue by, as printable text."""
    by_mask = enumerate_shapes()

    def playable_shapes(pc, k):
        _, allowed, required = KINDS[k]
        allowed_mask, required_mask = interval_mask(allowed, pc), interval_mask(required, pc)
        return [f for mask, fs in by_mask.items()
                if not mask & ~allowed_mask and mask & required_mask == required_mask
                for f in fs if allowed_voicing(f, pc, k)]
    names = {name: (pc, k) for name, _, pc, k, _ in all_names()}
    by_name = {}
    for index, line in enumerate(lines, start=1):
        by_name.setdefault(line[:NAME_WIDTH].rstrip(), []).append(
            (index, read_frets(line[NAME_WIDTH:])))
    out = []
    awkward = {}
    costs = []
    listing = []
    for index, line in enumerate(lines, start=1):
        pc, k = names[line[:NAME_WIDTH].rstrip()]
        frets = read_frets(line[NAME_WIDTH:])
        fingering = best_fingering(frets)
        why = None if index in FIXED_LINES else awkwardness(frets, pc, k)
        if why:
            awkward.setdefault(why, []).append(index)
        if fingering and index not in FIXED_LINES:
            costs.append(fingering[0])
        listing.append("%4d %s  cost %s%s" % (
            index, line, "-" if fingering is None else "%.1f" % fingering[0],
            "  fingers " + "".join(str(f) if f else "." for f in fingering[1])
            if fingering else "", ) + ("  (%s)" % why if why else ""))
    high_open8 = sum(1 for index, line in enumerate(lines, start=1)
                    if index not in FIXED_LINES and
                    0 in read_frets(line[NAME_WIDTH:]) and
                    max(read_frets(line[NAME_WIDTH:])) >= 8)
    total = sum(len(v) for v in awkward.values())
    out.append("awkward voicings: %d of %d" % (total, LINE_COUNT - len(FIXED_LINES)))
    for why, idx in sorted(awkward.items()):
        out.append("  %s: %d (lines %s)" % (why, len(idx), " ".join(map(str, idx[:12]))
                                             + (" ..." if len(idx) > 12 else "")))
    out.append("mean fingering cost: %.2f" % (sum(costs) / max(1, len(costs))))
    out.append("open strings ringing under a fret of 8 or more: %d lines" % high_open8)
    out.append("open strings ringing under a fret above 9: %d lines" % sum(
        1 for index, line in enumerate(lines, start=1)
        if index not in FIXED_LINES and high_open(read_frets(line[NAME_WIDTH:]))))

    tally = {"textbook": [0, 0, []], "barre": [0, 0, []], "drop": [0, 0, []]}
    family = 0
    family_missing = []
    thin = []
    first = [0, 0, []]
    duplicates = 0
    orphans = []
    for name, (pc, k) in names.items():
        have = [f for _, f in by_name.get(name, [])]
        forms = expected_forms(name, pc, k)
        for group, wanted in forms.items():
            for places in wanted:
                tally[group][1] += 1
                if any(p in have for p in places) or \
                        (group == "drop" and any(holds_form(have, p) for p in places)):
                    tally[group][0] += 1
                else:
                    tally[group][2].append("%s %s" % (name, format_frets(places[0]).strip()))
                if group == "barre":
                    if any(is_sub_grip(f, p) and pitch_bass(f) % 12 == pc
                           for f in have for p in places):
                        family += 1
                    else:
                        family_missing.append(
                            "%s %s" % (name, format_frets(places[0]).strip()))
        if len(have) >= 3 and not any(is_five_to_nine(f) for f in have):
            thin.append(name)
        fp = first_position(name, pc, k)
        if fp is not None:
            first[1] += 1
            if holds_form(have, fp):
                first[0] += 1
            else:
                first[2].append(name)
        for a, b in itertools.combinations(have, 2):
            duplicates += near_duplicates(a, b)
        for index, f in by_name.get(name, []):
            if index in FIXED_LINES:
                continue
            if 0 not in f and min(x for x in f if x > 0) >= 12:
                low = tuple(x - 12 if x > 0 else x for x in f)
                if low not in have and allowed_voicing(low, pc, k):
                    orphans.append(name)
    labels = (("textbook", "textbook open chords"),
              ("barre", "E/A-shape barres (major, m, 7, m7)"),
              ("drop", "jazz drop grips (maj7, 7, m7, 6, m6 on E6 and A5; a line that is "
                       "the grip or holds it with strings added)"))
    for group, label in labels:
        have, want, missing = tally[group]
        out.append("%s: %d of %d" % (label, have, want))
        if missing:
            out.append("  missing: " + ", ".join(missing[:30])
                       + (" ..." if len(missing) > 30 else ""))
    out.append("E/A-shape barres, the barre or its grip with strings left out: "
               "%d of %d" % (family, tally["barre"][1]))
    if family_missing:
        out.append("  missing: " + ", ".join(family_missing))
    out.append("names with 3 or more lines and no form at frets 5 to 9: %d%s"
               % (len(thin), (" (" + ", ".join(thin) + ")") if thin else ""))
    out.append("first positions present (the form, or a line holding it): %d of %d"
               % (first[0], first[1]))
    out.append("near-duplicate pairs in a name (one string added or left out): %d"
               % duplicates)
    out.append("octave copies above fret 12 whose low form is missing: %d%s"
               % (len(orphans), (" (" + ", ".join(orphans) + ")") if orphans else ""))
    out += teacher_figures(by_name, names, playable_shapes)
    out.append("")
    out += name_listing(by_name, names)
    if list_lines:
        out.append("")
        out += listing
    return "\n".join(out)


def pitch_bass(frets):
    return min(open_midi()[s] + frets[s] for s in range(6) if frets[s] >= 0)


def main(argv=None):
    here = os.path.dirname(os.path.abspath(__file__))
    default_out = os.path.normpath(
        os.path.join(here, "..", "..", "catalogue", "chords.txt"))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", metavar="FILE",
                        help="only check FILE, write nothing")
    parser.add_argument("--output", metavar="FILE", default=default_out,
                        help="where to write (default: %(default)s)")
    parser.add_argument("--report", metavar="FILE",
                        help="print how FILE fares as a guitarist judges it")
    parser.add_argument("--lines", action="store_true",
                        help="with --report: every line with its fingering cost")
    parser.add_argument("--fingering-tool", metavar="PATH",
                        help="the program's fingering model (default: "
                             "$FRETLORE_FINGERING_TOOL, else build/tools/catalogue/fingering_tool)")
    args = parser.parse_args(argv)
    if args.fingering_tool:
        use_tool(args.fingering_tool)
    try:
        if args.report:
            lines = read_file(args.report)
            check_lines(lines, hand_rules=False)
            print(report(lines, args.lines))
            return 0
        if args.check:
            lines = read_file(args.check)
            check_lines(lines)
            print("%s: all rules hold" % args.check)
        else:
            lines = generate()
            check_lines(lines)
            os.makedirs(os.path.dirname(os.path.abspath(args.output)),
                        exist_ok=True)
            with open(args.output, "w", encoding="ascii", newline="\n") as f:
                f.write("".join(line + "\n" for line in lines))
            check_lines(read_file(args.output))
            print("wrote %s" % args.output)
        print(figures(lines))
    except RuleError as e:
        print("catalogue rule broken: %s" % e, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
