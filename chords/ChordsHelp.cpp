// SPDX-License-Identifier: GPL-3.0-or-later
// The help of fretlore-chords: the program's and each command's.
#include "chords/ChordsProgram.h"

namespace fretlore {

namespace {

const char* const kProgramHelp =
    "Usage: fretlore-chords COMMAND [OPTIONS] [OPERANDS]\n"
    "\n"
    "The chord catalogue of Fretlore PRO at the command line.\n"
    "\n"
    "Commands:\n"
    "  list [PREFIX]          the chord names, or the voicings whose name begins with PREFIX\n"
    "  show NAME|LINE...      voicings as text diagrams\n"
    "  find F6 F5 F4 F3 F2 F1 voicings of a look: a fret, x (not played) or ? (any), E6 first\n"
    "  name F6 F5 F4 F3 F2 F1 names a fingering by the chord kinds' tones\n"
    "  voicings NAME          every playable voicing of a name, easiest first, with fingers\n"
    "  draw NAME|LINE -o FILE the diagram as the window draws it, as .png or .svg\n"
    "  sheet \"C Am F G7\" -o FILE  a printable chord sheet, as .pdf, .svg or .png\n"
    "  export NAME|LINE... --format chordpro|musicxml -o FILE  chord definitions for other programs\n"
    "  play NAME|LINE         strums the voicing; --string N plays one string\n"
    "\n"
    "A NAME is written as the catalogue writes it (Am, C#(Db)m7, A#); NAME:N is its\n"
    "N-th voicing; a LINE is a catalogue line number, 1 to 1008.\n"
    "\n"
    "Options of every command:\n"
    "  --tuning T     standard, drop-d, double-drop-d, dadgad, open-d, open-e, open-g,\n"
    "                 open-c, half-down, full-down, or six pitches low to high\n"
    "                 (D2,A2,D3,G3,B3,E4 or DADGAD); list, show and draw of catalogue\n"
    "                 lines stay in standard tuning\n"
    "  --capo N       a capo at fret N (0 to 12); frets count from the capo\n"
    "  --notation N   note names in english (B, Bb), german (H, B) or latin (Si, Sib)\n"
    "Other options: --help (also after a command), --version, --json (list, show, find,\n"
    "name, voicings), --fingers and --left-handed (show, draw, sheet), --style window|paper\n"
    "(draw, sheet), --max N (voicings).\n"
    "Exit status: 0 done, 1 nothing found, 2 bad command line or operand,\n"
    "3 output not written or no sound.\n";

QString commandHelp(const QString& command)
{
    if (command == QLatin1String("list"))
        return QStringLiteral(
            "Usage: fretlore-chords list [--json] [PREFIX]\n"
            "Without PREFIX: every chord name with its number of voicings.\n"
            "With PREFIX: every voicing whose catalogue line begins with PREFIX, letter case of a to z\n"
            "ignored, as the search by name tests it (\"C \" finds only the chords named C),\n"
            "one a line: line number, name, frets (x 3 2 0 1 0). Exit status 1 when none.\n"
            "The catalogue is made for standard tuning without a capo; with another tuning its\n"
            "lines are listed as they are, and the program says so.\n");
    if (command == QLatin1String("show"))
        return QStringLiteral(
            "Usage: fretlore-chords show [--ascii] [--json] [--fingers] [--left-handed] NAME|LINE...\n"
            "Each voicing as a text diagram: six strings by four frets from the position number,\n"
            "the fret of each string and the note name of each sounded string. A NAME alone shows\n"
            "all its voicings, NAME:N its N-th. Box-drawing characters on a UTF-8 terminal,\n"
            "ASCII otherwise or with --ascii. --fingers puts the finger numbers on the diagram,\n"
            "--left-handed mirrors it (E6 on the right). Catalogue lines are in standard tuning.\n");
    if (command == QLatin1String("find"))
        return QStringLiteral(
            "Usage: fretlore-chords find [--json] [--tuning T] [--capo N] F6 F5 F4 F3 F2 F1\n"
            "Every voicing of this look, in catalogue order, as the search by look finds them:\n"
            "each field a fret number, x for a string not played or ? for any (quote the ?\n"
            "in a shell). In another tuning or with a capo, the catalogue voicings are named as\n"
            "they sound there. Exit status 1 when none.\n");
    if (command == QLatin1String("name"))
        return QStringLiteral(
            "Usage: fretlore-chords name [--json] [--tuning T] [--capo N] F6 F5 F4 F3 F2 F1\n"
            "Names a fingering (frets 0 to 24 or x, E6 first), in the catalogue or not: every root\n"
            "and kind whose tones cover the sounded notes and whose defining tones sound, best\n"
            "first (root in the bass, then fewest left-out tones), with the bass note after a\n"
            "\"/\" when it is not the root. Kinds: the catalogue's twenty and sus2, sus4, 7sus4,\n"
            "add9, m(add9), m7b5, dim, dim7, 5, maj9, 11. With a capo, frets count from the capo\n"
            "and each name is given as the shape is called and as it sounds.\n"
            "A fingering no kind explains is said so, with its notes.\n");
    if (command == QLatin1String("voicings"))
        return QStringLiteral(
            "Usage: fretlore-chords voicings [--json] [--max N] [--tuning T] [--capo N] NAME\n"
            "Every playable voicing of NAME (Am, C#m7, Bb, Asus4, D/F#, ...) in the tuning, within\n"
            "four frets up to fret 15, found and ranked by the fingering model: root in the bass\n"
            "first, then the easiest. Each line: frets, fingers (1 index to 4 little, 0 open,\n"
            "x muted) and cost; in standard tuning without a capo the catalogue's own lines for\n"
            "the name are marked. --max N shows the first N. Exit status 1 when none plays.\n");
    if (command == QLatin1String("draw"))
        return QStringLiteral(
            "Usage: fretlore-chords draw [--style window|paper] [--fingers] [--left-handed] NAME|LINE -o FILE\n"
            "A catalogue voicing's diagram as PNG, or as SVG when FILE ends in .svg: exactly as the\n"
            "window draws it, or a chord box as players read it on paper with --style paper. A NAME\n"
            "alone means its first voicing. --fingers puts the finger numbers in the discs and draws\n"
            "a barre as a bar; --left-handed mirrors the diagram, its text the usual way round.\n");
    if (command == QLatin1String("sheet"))
        return QStringLiteral(
            "Usage: fretlore-chords sheet [--style paper|window] [--fingers] [--left-handed] \"C Am F G7\" -o FILE\n"
            "A chord sheet for a song: one chord per name in the order given, names above; repeated\n"
            "names appear once. A name alone is its easiest voicing by the fingering model in the\n"
            "tuning and capo, Am:3 the catalogue's third Am, a number a catalogue line. Chord boxes\n"
            "as players read them on paper, twenty to an A4 page (strings upright, E6 at the left,\n"
            "the nut or the first fret's number, x and o over muted and open strings, the string\n"
            "names under the box); --style window: the window's diagrams, ten to a page.\n"
            "PDF, SVG or PNG by FILE's extension.\n");
    if (command == QLatin1String("export"))
        return QStringLiteral(
            "Usage: fretlore-chords export NAME|LINE... --format chordpro|musicxml -o FILE\n"
            "Chord definitions other programs read, one per voicing, chosen as for sheet (a name is\n"
            "its easiest voicing, Am:3 the catalogue's third Am): ChordPro {define: NAME base-fret N\n"
            "frets ... fingers ...} lines, or a MusicXML 4.0 score with a <harmony> and its chord\n"
            "frame per voicing. Under a capo the frets count from the capo and the names are the\n"
            "shapes'. The file is written whole or not at all.\n");
    if (command == QLatin1String("play"))
        return QStringLiteral(
            "Usage: fretlore-chords play [--string N] [--tuning T] [--capo N] NAME|LINE\n"
            "Strums the voicing string by string, E6 to e1, as the window's play icon does, and\n"
            "ends. --string N plays one string: 1 is E6, 6 is e1. In another tuning or with a\n"
            "capo the strings sound as tuned. Needs a sound device.\n");
    return QString::fromLatin1(kProgramHelp);
}

} // namespace

QString ChordsProgram::Help(const QString& command)
{
    return commandHelp(command);
}

} // namespace fretlore
