#include "chords/TextDiagram.h"

#include "catalogue/Instrument.h"
#include "diagram/ChordDiagram.h"
#include "diagram/guitarstr.h"

namespace fretlore {

namespace {

constexpr int kColumn = 7;  // wide enough for the longest note name, "C#, Db"
constexpr int kFrets = 4;

struct Glyphs {
    QChar horizontal, vertical, disc, open, muted;
    QChar topLeft, topMid, topRight, midLeft, cross, midRight, bottomLeft, bottomMid, bottomRight;
};

constexpr Glyphs kUnicode = {u'─', u'│', u'●', u'○', u'×', u'┌', u'┬', u'┐', u'├', u'┼', u'┤', u'└', u'┴', u'┘'};
constexpr Glyphs kAscii = {u'-', u'|', u'O', u'o', u'x', u'+', u'+', u'+', u'+', u'+', u'+', u'+', u'+', u'+'};

QString rule(const Glyphs& g, QChar left, QChar mid, QChar right)
{
    QString line = QStringLiteral("  ") + left;
    for (int s = 1; s < 6; ++s)
        line += QString(kColumn - 1, g.horizontal) + (s < 5 ? mid : right);
    return line;
}

// One cell per string, each starting at the string's column.
QString cells(const std::array<QString, 6>& texts)
{
    QString line = QStringLiteral("  ");
    for (int s = 0; s < 6; ++s)
        line += s < 5 ? texts[size_t(s)].leftJustified(kColumn) : texts[size_t(s)];
    while (line.endsWith(u' '))
        line.chop(1);
    return line;
}

} // namespace

QString TextDiagram::Draw(const std::array<int, 6>& frets, Charset charset)
{
    const Glyphs& g = charset == Charset::Unicode ? kUnicode : kAscii;
    const int base = BaseFretOf(frets);
    QStringList lines;

    std::array<QString, 6> over;
    for (int s = 0; s < 6; ++s)
        over[size_t(s)] = frets[size_t(s)] < 0 ? QString(g.muted) : frets[size_t(s)] == 0 ? QString(g.open) : QString();
    lines << cells(over);
    lines << rule(g, g.topLeft, g.topMid, g.topRight);
    for (int row = 1; row <= kFrets; ++row) {
        QString line = QStringLiteral("  ");
        for (int s = 0; s < 6; ++s) {
            const int f = frets[size_t(s)];
            const bool tone = f > 0 && f - base + 1 == row;
            line += tone ? g.disc : g.vertical;
            if (s < 5)
                line += QString(kColumn - 1, u' ');
        }
        if (row == 1)
            line += u' ' + QString::number(base);
        lines << line;
        lines << (row < kFrets ? rule(g, g.midLeft, g.cross, g.midRight)
                               : rule(g, g.bottomLeft, g.bottomMid, g.bottomRight));
    }
    std::array<QString, 6> names = {QStringLiteral("E6"), QStringLiteral("A5"), QStringLiteral("D4"),
                                    QStringLiteral("G3"), QStringLiteral("B2"), QStringLiteral("e1")};
    std::array<QString, 6> fretTexts;
    std::array<QString, 6> notes;
    for (int s = 0; s < 6; ++s) {
        const int f = frets[size_t(s)];
        fretTexts[size_t(s)] = f < 0 ? QStringLiteral("x") : QString::number(f);
        notes[size_t(s)] = f < 0 ? QString() : NoteName(ColumnNumberOf(s), f);
    }
    lines << cells(names) << cells(fretTexts) << cells(notes);
    return lines.join(u'\n') + u'\n';
}

} // namespace fretlore
