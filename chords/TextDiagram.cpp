// SPDX-License-Identifier: GPL-3.0-or-later
#include "chords/TextDiagram.h"

#include "catalogue/Instrument.h"
#include "diagram/ChordDiagram.h"
#include "diagram/guitarstr.h"

namespace fretlore {

namespace {

constexpr int kColumn = 7;  // wide enough for the longest note name, "C#, Db"
constexpr int kFrets = 4;

struct Glyphs {
    QChar horizontal, vertical, disc, open, muted, bar;
    QChar topLeft, topMid, topRight, midLeft, cross, midRight, bottomLeft, bottomMid, bottomRight;
};

constexpr Glyphs kUnicode = {u'─', u'│', u'●', u'○', u'×', u'━', u'┌', u'┬',
                             u'┐', u'├', u'┼', u'┤', u'└', u'┴', u'┘'};
constexpr Glyphs kAscii = {u'-', u'|', u'O', u'o', u'x', u'=', u'+', u'+', u'+', u'+', u'+', u'+', u'+', u'+', u'+'};

// The picture's columns, left to right, hold these strings.
struct Layout {
    QString margin;
    bool leftHanded;
    size_t stringAt(int column) const { return size_t(leftHanded ? 5 - column : column); }
};

QString rule(const Layout& l, const Glyphs& g, QChar left, QChar mid, QChar right)
{
    QString line = l.margin + left;
    for (int s = 1; s < 6; ++s)
        line += QString(kColumn - 1, g.horizontal) + (s < 5 ? mid : right);
    return line;
}

// One cell per string, each starting at the string's column.
QString cells(const Layout& l, const std::array<QString, 6>& texts)
{
    QString line = l.margin;
    for (int c = 0; c < 6; ++c)
        line += c < 5 ? texts[l.stringAt(c)].leftJustified(kColumn) : texts[l.stringAt(c)];
    while (line.endsWith(u' '))
        line.chop(1);
    return line;
}

// One fret's row: the tones on it, and a bar where a barre lies on it.
QString fretRow(const Layout& l, const Glyphs& g, const std::array<int, 6>& frets, int fret,
                const TextDiagram::Options& o)
{
    std::optional<Barre> barre;
    if (o.Hand)
        for (const Barre& b : BarresOf(frets, *o.Hand))
            if (b.Fret == fret)
                barre = b;
    QString line = l.margin;
    for (int c = 0; c < 6; ++c) {
        const size_t s = l.stringAt(c);
        const bool underBar = barre && int(s) >= barre->LowString && int(s) <= barre->HighString;
        const bool barGoesOn = barre && c < 5 && underBar && int(l.stringAt(c + 1)) >= barre->LowString &&
                               int(l.stringAt(c + 1)) <= barre->HighString;
        if (frets[s] > 0 && frets[s] == fret)
            line += o.Hand && !FingerText(o.Hand->Fingers[s]).isEmpty() ? FingerText(o.Hand->Fingers[s])
                                                                       : QString(g.disc);
        else
            line += underBar ? g.bar : g.vertical;
        if (c < 5)
            line += QString(kColumn - 1, barGoesOn ? g.bar : u' ');
    }
    return line;
}

} // namespace

QString TextDiagram::Draw(const std::array<int, 6>& frets, Charset charset)
{
    Options options;
    options.Glyphs = charset;
    return Draw(frets, options);
}

QString TextDiagram::Draw(const std::array<int, 6>& frets, const Options& o)
{
    const Glyphs& g = o.Glyphs == Charset::Unicode ? kUnicode : kAscii;
    const int base = BaseFretOf(frets);
    // Left-handed, the position number stands in a wider margin at the left.
    const Layout l{QString(o.LeftHanded ? 4 : 2, u' '), o.LeftHanded};
    QStringList lines;

    std::array<QString, 6> over;
    for (size_t s = 0; s < 6; ++s)
        over[s] = frets[s] < 0 ? QString(g.muted) : frets[s] == 0 ? QString(g.open) : QString();
    lines << cells(l, over);
    lines << rule(l, g, g.topLeft, g.topMid, g.topRight);
    for (int row = 1; row <= kFrets; ++row) {
        QString line = fretRow(l, g, frets, base + row - 1, o);
        if (row == 1 && o.LeftHanded)
            line.replace(0, l.margin.size(), QString::number(base).rightJustified(l.margin.size() - 1) + u' ');
        else if (row == 1)
            line += u' ' + QString::number(base);
        lines << line;
        lines << (row < kFrets ? rule(l, g, g.midLeft, g.cross, g.midRight)
                               : rule(l, g, g.bottomLeft, g.bottomMid, g.bottomRight));
    }
    std::array<QString, 6> fretTexts;
    std::array<QString, 6> notes;
    for (size_t s = 0; s < 6; ++s) {
        const int f = frets[s];
        fretTexts[s] = f < 0 ? QStringLiteral("x") : QString::number(f);
        notes[s] = o.Notes ? (*o.Notes)[s] : f < 0 ? QString() : NoteName(ColumnNumberOf(int(s)), f);
    }
    lines << cells(l, o.StringNames) << cells(l, fretTexts) << cells(l, notes);
    return lines.join(u'\n') + u'\n';
}

} // namespace fretlore
