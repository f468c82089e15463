# SPDX-License-Identifier: GPL-3.0-or-later
"""How a hand holds a voicing, and what a guitarist hears as odd in one.

A voicing is six frets, lowest string first: -1 muted, 0 open, 1 and up
fretted.

The fingering model is the program's own (catalogue/Fingering.h): this module
asks it through the small tool `fingering_tool`, held open as a coprocess, so
the generator and the program judge a hand the same way. The tuning comes
from the same tool. The tool is found by --fingering-tool on the generator's
command line, the environment variable FRETLORE_FINGERING_TOOL, or in
build/tools/catalogue/ beside the sources.
"""

import functools
import os
import subprocess

BASS_NOT_ROOT = "the bass is not the root"

_HERE = os.path.dirname(os.path.abspath(__file__))
_DEFAULT_TOOL = os.path.join(_HERE, "..", "..", "build", "tools", "catalogue", "fingering_tool")


class _Model:
    """The fingering tool as a coprocess: one question a line, one answer a line."""

    def __init__(self, path):
        if not os.access(path, os.X_OK):
            raise SystemExit("fingering tool not found at %s: build the project first "
                             "or pass --fingering-tool" % path)
        self._process = subprocess.Popen([path], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                         text=True, bufsize=1)

    def ask(self, question):
        self._process.stdin.write(question + "\n")
        self._process.stdin.flush()
        answer = self._process.stdout.readline()
        if not answer:
            raise SystemExit("the fingering tool stopped answering")
        return answer.split()


_model = None


def use_tool(path):
    """Names the fingering tool to ask (before the first question)."""
    os.environ["FRETLORE_FINGERING_TOOL"] = path


def _ask(question):
    global _model
    if _model is None:
        _model = _Model(os.environ.get("FRETLORE_FINGERING_TOOL", _DEFAULT_TOOL))
    return _model.ask(question)


@functools.lru_cache(maxsize=None)
def open_midi():
    """The open strings' MIDI pitches, lowest string first."""
    return tuple(int(p) for p in _ask("tuning"))


@functools.lru_cache(maxsize=None)
def best_fingering(frets):
    """(cost, fingers per string) of the cheapest fingering, or None.

    frets: a 6-tuple.  Fingers per string: a 6-tuple, 0 for an open or muted
    string.
    """
    answer = _ask(" ".join(str(f) for f in frets))
    if answer[0] == "none":
        return None
    if answer[0] == "error":
        raise ValueError("the fingering tool cannot read %r" % (frets,))
    return float(answer[0]), tuple(int(f) for f in answer[1:])


def musical_oddity(frets, root_pc, suffix, tones):
    """What a player would find odd in a voicing, or None.

    tones: the semitones above the root the chord may sound.
    """
    pitches = open_midi()
    sounding = [(pitches[s] + frets[s], s) for s in range(6) if frets[s] >= 0]
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
