// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/ChordDiagram.h"

#include "catalogue/Instrument.h"
#include "diagram/guitarstr.h"
#include "platform/FontSubstitutes.h"
#include "resources/PictureReader.h"
#include "resources/PicturePaths.h"

#include <QPainter>

namespace fretlore {

using namespace DiagramGeometry;

namespace {

constexpr int kMaxNoteName = 20;

void disc(QPainter& p, int x, int y, int diameter, const QColor& colour)
{
    p.setBrush(colour);
    p.drawEllipse(QRect(x - diameter / 2, y - diameter / 2, diameter, diameter));
}

} // namespace

QImage DiagramTemplate()
{
    return ReadPicture(QString::fromLatin1(PicturePaths::ChordTemplate));
}

int BaseFretOf(const std::array<int, 6>& frets)
{
    int base = 0;
    for (int f : frets)
        if (f > 0 && (base == 0 || f < base))
            base = f;
    return base == 0 ? 1 : base;
}

QString FingerText(int finger)
{
    if (finger >= 1 && finger <= 4)
        return QString::number(finger);
    return finger == 5 ? QStringLiteral("T") : QString();
}

namespace {

// A finger lying across its strings: a lime bar down the rows it covers, under the discs.
void barreBar(QPainter& p, const Barre& barre, int baseFret)
{
    constexpr int kBarWidth = 8;
    const int x = ToneX(barre.Fret - baseFret + 1);
    const int top = RowY(ColumnNumberOf(barre.LowString));
    const int bottom = RowY(ColumnNumberOf(barre.HighString));
    p.setBrush(QColor(0, 255, 0));
    p.drawRect(QRect(x - kBarWidth / 2, top, kBarWidth, bottom - top));
}

// The finger numbers, black in the lime discs, read the usual way round.
void fingerNumbers(QPainter& p, const ToneMarkerArray& markers, const std::array<int, 6>& frets,
                   const Fingering& hand)
{
    QFont font = PixelFont(QStringLiteral("MS Sans Serif"), 11, true);
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    p.setPen(Qt::black);
    p.setBackgroundMode(Qt::TransparentMode);
    for (size_t s = 0; s < 6; ++s)
        if (frets[s] > 0 && markers[s].Shown)
            p.drawText(QRect(markers[s].X - kToneDiameter / 2, markers[s].Y - kToneDiameter / 2, kToneDiameter,
                             kToneDiameter),
                       Qt::AlignCenter, FingerText(hand.Fingers[s]));
}

} // namespace

int DrawChordDiagram(QImage& picture, const std::array<int, 6>& frets, ToneMarkerArray& markers,
                     const DiagramOptions& options)
{
    const int baseFret = BaseFretOf(frets);
    const QColor lime(0, 255, 0);
    const std::optional<Fingering> hand = options.Fingers ? BestFingering(frets) : std::nullopt;

    // A picture stored with a palette is drawn on in full colour.
    if (picture.format() == QImage::Format_Indexed8 || picture.format() == QImage::Format_Mono ||
        picture.format() == QImage::Format_MonoLSB)
        picture.convertTo(QImage::Format_RGB32);

    // The tones first; a left-handed picture is then mirrored whole and gets
    // its text the usual way round.
    {
        QPainter p(&picture);
        // The opaque white text background of the window's canvas also
        // shapes how the discs are filled: kept for the same pixels.
        p.setBackgroundMode(Qt::OpaqueMode);
        p.setBackground(Qt::white);
        p.setPen(Qt::NoPen);
        if (hand)
            for (const Barre& barre : BarresOf(frets, *hand))
                barreBar(p, barre, baseFret);
        for (int string = 0; string < kStringCount; ++string) {
            ToneMarker& marker = markers[size_t(string)];
            const int absolute = frets[size_t(string)];
            const int y = RowY(ColumnNumberOf(string));
            if (absolute > 0) {
                const int x = ToneX(absolute - baseFret + 1);
                disc(p, x, y, kToneDiameter, lime);
                marker.X = x;
            } else if (absolute == 0) {
                disc(p, kOpenX, y, kToneDiameter, lime);
                disc(p, kOpenX, y, kOpenCentreDiameter, Qt::black);
                marker.X = kOpenX;
            } else {
                marker.Shown = false;
                continue;
            }
            marker.Y = y;
            marker.Shown = true;
            const QString name = NoteName(ColumnNumberOf(string), absolute);
            marker.NoteName = (options.Names == Notation::English ? name : InNotation(name, options.Names)).left(kMaxNoteName);
        }
    }
    if (options.LeftHanded) {
        picture = picture.mirrored(true, false);
        for (ToneMarker& marker : markers)
            marker.X = picture.width() - 1 - marker.X;
    }

    QPainter p(&picture);
    // The position number, on the canvas's white text background.
    QFont font = PixelFont(QStringLiteral("MS Sans Serif"), 11);
    font.setStyleStrategy(QFont::NoAntialias);  // crisp lime pixels, as on the rest of the picture
    p.setFont(font);
    p.setPen(lime);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(Qt::white);
    const QString number = QString::number(baseFret);
    const QFontMetrics fm(font);
    const int width = fm.horizontalAdvance(number);
    const int x = options.LeftHanded ? picture.width() - kBaseFretX - width : kBaseFretX;
    p.drawText(QRect(x, kBaseFretY, width, fm.height()), Qt::AlignLeft | Qt::AlignTop, number);
    if (hand)
        fingerNumbers(p, markers, frets, *hand);
    return baseFret;
}

} // namespace fretlore
