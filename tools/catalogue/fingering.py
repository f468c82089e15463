"""How a hand holds a voicing, and what a guitarist hears as odd in one.

A voicing is six frets, E6 first: -1 muted, 0 open, 1 and up fretted.

The fingering model assigns fingers 1 (index) to 4 (little) to the fretted
strings and keeps the cheapest assignment that obeys every rule below:

- each finger presses one fret; fingers with higher numbers never sit at a
  lower fret than fingers with lower numbers, and two fingers a apart reach
  at most a + 1 frets;
- the index may lie flat across several strings (a barre); every string it
  covers is fretted at its fret or higher by another finger, none is open
  and none is muted, since the barre would sound it;
- the ring or little finger may lie across adjacent strings at the highest
  fret of the voicing, the bass string not among them (a partial barre,
  counted as one finger); the middle
  finger presses one string only;
- an index barre that leaves out the bass string has fingers on one side of
  it only;
- no string towards the bass from the index is fretted three or more frets
  higher than the index;
- a muted string between sounded ones needs a fretted neighbour whose finger
  damps it.

The cost of a fingering is the number of fingers, plus a little for a barre,
for a partial barre, for every fret of stretch beyond one per finger, for a
three-fret span and for fingers crossing at one fret.
"""

import functools

OPEN_MIDI = (40, 45, 50, 55, 59, 64)   # E6 A5 D4 G3 B2 e1
BASS_NOT_ROOT = "the bass is not the root"


def inner_mute_fault(frets):
    """Reason a muted string inside the voicing cannot be damped, or None."""
    sounding = [s for s in range(6) if frets[s] >= 0]
    if not sounding:
        return None
    for s in range(sounding[0] + 1, sounding[-1]):
        if frets[s] < 0 and not (frets[s - 1] > 0 or frets[s + 1] > 0):
            return "muted string %d has no fretted neighbour to damp it" % (6 - s)
    return None


def _assignment_cost(frets, fretted, fingers):
    """Cost of one finger per fretted string, or None when a rule breaks."""
    groups = {}
    for s, finger in zip(fretted, fingers):
        groups.setdefault(finger, []).append(s)
    fret_of = {}
    for finger, strings in groups.items():
        fret = frets[strings[0]]
        if any(frets[s] != fret for s in strings):
            return None
        fret_of[finger] = fret
    top = max(frets)
    cost = float(len(groups))
    for finger, strings in groups.items():
        if len(strings) == 1:
            continue
        lo, hi = strings[0], strings[-1]
        fret = fret_of[finger]
        if finger == 1:
            for s in range(lo, hi + 1):
                if frets[s] < fret:          # open, muted or lower: sounds wrong
                    return None
                if frets[s] == fret and s not in strings:
                    return None
            cost += 0.5
        elif finger in (3, 4):
            if fret != top or hi - lo + 1 != len(strings) or \
                    lo == min(s for s in range(6) if frets[s] >= 0):
                return None
            cost += 1.0
        else:
            return None
    used = sorted(groups)
    for a, b in zip(used, used[1:]):
        gap = fret_of[b] - fret_of[a]
        if gap < 0 or gap > b - a + 1:
            return None
        cost += max(0, gap - (b - a))
        if gap == 0 and min(groups[a]) > max(groups[b]):
            cost += 0.5                      # fingers cross at one fret
    low = min(frets[s] for s in fretted)
    if top - low == 3:
        cost += 1.5

    lead = used[0]
    lead_lo, lead_fret = min(groups[lead]), fret_of[lead]
    for s in fretted:
        if s < lead_lo and frets[s] - lead_fret >= 3:
            return None                      # reach towards the bass
    index = groups.get(1, [])
    if len(index) >= 2:
        bass = min(s for s in range(6) if frets[s] >= 0)
        lo, hi = index[0], index[-1]
        others = [s for s in fretted if s not in index]
        if bass < lo and any(s < lo for s in others) and \
                any(s > hi for s in others):
            return None
    return cost


def _assignments(frets, order, start, lower_max, current, out):
    """Finger choices along order (fretted strings by fret): a finger at a
    higher fret always has a higher number than every finger below it."""
    if start == len(order):
        out.append(tuple(current))
        return
    s = order[start]
    if start and frets[order[start - 1]] < frets[s]:
        lower_max = max(current)
    for finger in range(lower_max + 1, 5):
        current.append(finger)
        _assignments(frets, order, start + 1, lower_max, current, out)
        current.pop()


@functools.lru_cache(maxsize=None)
def best_fingering(frets):
    """(cost, fingers per string) of the cheapest fingering, or None.

    frets: a 6-tuple.  Fingers per string: a 6-tuple, 0 for an open or muted
    string.
    """
    if inner_mute_fault(frets):
        return None
    fretted = [s for s in range(6) if frets[s] > 0]
    if not fretted:
        return 0.0, (0,) * 6
    if len(set(frets[s] for s in fretted)) > 4:
        return None
    order = sorted(fretted, key=lambda s: (frets[s], s))
    choices = []
    _assignments(frets, order, 0, 0, [], choices)
    best = None
    for fingers in choices:
        by_string = dict(zip(order, fingers))
        ordered = [by_string[s] for s in fretted]
        cost = _assignment_cost(frets, fretted, ordered)
        if cost is not None and (best is None or cost < best[0]):
            per_string = [0] * 6
            for s in fretted:
                per_string[s] = by_string[s]
            best = (cost, tuple(per_string))
    return best


def musical_oddity(frets, root_pc, suffix, tones):
    """What a player would find odd in a voicing, or None.

    tones: the semitones above the root the chord may sound.
    """
    sounding = [(OPEN_MIDI[s] + frets[s], s) for s in range(6) if frets[s] >= 0]
    bass_interval = (min(sounding)[0] - root_pc) % 12
    intervals = [(p - root_pc) % 12 for p, _ in sounding]
    symmetric = suffix == "5+" or (suffix == "dim" and 9 in intervals)
    if bass_interval != 0 and not symmetric and \
            not (suffix == "7/5-" and bass_interval == 6):
        return BASS_NOT_ROOT
    if len(sounding) == 4:
        for interval in (3, 4, 10, 11):
            if interval in tones and intervals.count(interval) > 1:
                return "a four-string voicing doubles the %s" % (
                    "third" if interval < 10 else "seventh")
    return None
