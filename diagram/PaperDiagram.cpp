// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/PaperDiagram.h"

#include "diagram/ChordDiagram.h"
#include "platform/FontSubstitutes.h"

#include <QPainter>

#include <algorithm>

namespace fretlore {

namespace {

// Positions in string spacings from the drawing's top-left.
constexpr double kFirstString = 1.5;  // room for the fret number beside the box
constexpr double kMarksY = 0.5;       // the middle of the x and o marks
constexpr double kGridTop = 1.2;
constexpr double kGridHeight = 5.0;
constexpr double kNamesY = 7.05;      // the middle of the string names
constexpr double kLine = 0.06;
constexpr double kNut = 0.32;
constexpr double kDisc = 0.36;        // radius

const QColor kInk(20, 20, 20);

// Text in a font `size` spacings high, centred on a point.
void centredText(QPainter& p, QPointF centre, double s, double size, bool bold, const QString& text)
{
    QFont font = PixelFont(QStringLiteral("MS Sans Serif"), std::max(1, qRound(size * s)), bold);
    p.setFont(font);
    const QRectF box(centre.x() - s, centre.y() - s, 2 * s, 2 * s);
    p.drawText(box, Qt::AlignCenter, text);
}

int lastFret(const Frets& frets)
{
    return *std::max_element(frets.begin(), frets.end());
}

} // namespace

int PaperFirstFret(const Frets& frets)
{
    return lastFret(frets) <= PaperGeometry::kFrets ? 1 : BaseFretOf(frets);
}

void PaintPaperDiagram(QPainter& p, const QRectF& area, const PaperChord& chord, bool leftHanded)
{
    using namespace PaperGeometry;
    const double s = std::min(area.width() / kWidth, area.height() / kHeight);
    const QPointF origin(area.center().x() - kWidth * s / 2, area.center().y() - kHeight * s / 2);
    const auto at = [&](double x, double y) { return origin + QPointF(x * s, y * s); };
    // The column of a string: the lowest at the left, or at the right when left-handed.
    const auto stringX = [&](int string) { return kFirstString + (leftHanded ? 5 - string : string); };

    const int first = PaperFirstFret(chord.Frets);
    const int rows = std::max(kFrets, lastFret(chord.Frets) - first + 1);
    const double spacing = kGridHeight / rows;
    const auto rowY = [&](int fret) { return kGridTop + (fret - first + 0.5) * spacing; };

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setPen(QPen(kInk, kLine * s, Qt::SolidLine, Qt::FlatCap));
    for (int string = 0; string < 6; ++string)
        p.drawLine(at(stringX(string), kGridTop), at(stringX(string), kGridTop + kGridHeight));
    for (int row = first == 1 ? 1 : 0; row <= rows; ++row)
        p.drawLine(at(kFirstString, kGridTop + row * spacing), at(kFirstString + 5, kGridTop + row * spacing));
    if (first == 1) {
        p.setPen(QPen(kInk, kNut * s, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(at(kFirstString, kGridTop - kNut / 2 + kLine / 2), at(kFirstString + 5, kGridTop - kNut / 2 + kLine / 2));
    } else {
        p.setPen(kInk);
        const double beside = leftHanded ? kFirstString + 5 + 0.75 : kFirstString - 0.75;
        centredText(p, at(beside, rowY(first)), s, 0.6, false, QString::number(first));
    }

    p.setPen(kInk);
    for (int string = 0; string < 6; ++string) {
        const int fret = chord.Frets[size_t(string)];
        if (fret <= 0)
            centredText(p, at(stringX(string), kMarksY), s, 0.7, false,
                        fret < 0 ? QStringLiteral("x") : QStringLiteral("o"));
        centredText(p, at(stringX(string), kNamesY), s, 0.6, false, chord.StringNames[size_t(string)]);
    }

    if (chord.Hand)
        for (const Barre& barre : BarresOf(chord.Frets, *chord.Hand)) {
            p.setPen(QPen(kInk, 2 * kDisc * s, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(at(stringX(barre.LowString), rowY(barre.Fret)), at(stringX(barre.HighString), rowY(barre.Fret)));
        }
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int string = 0; string < 6; ++string)
        if (chord.Frets[size_t(string)] > 0)
            p.drawEllipse(at(stringX(string), rowY(chord.Frets[size_t(string)])), kDisc * s, kDisc * s);
    if (chord.Hand) {
        p.setPen(Qt::white);
        for (int string = 0; string < 6; ++string)
            if (chord.Frets[size_t(string)] > 0)
                centredText(p, at(stringX(string), rowY(chord.Frets[size_t(string)])), s, 0.5, true,
                            FingerText(chord.Hand->Fingers[size_t(string)]));
    }
    p.restore();
}

} // namespace fretlore
