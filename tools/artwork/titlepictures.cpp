// SPDX-License-Identifier: GPL-3.0-or-later
#include "titlepictures.h"

#include "artcolours.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace TitlePictures {

namespace {

QFont sansFont(int pixelSize, bool bold = false, bool italic = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// Fret positions along a stretch of neck, nut at `from`, spaced as on a
// real fingerboard: each fret 2^(-1/12) of the previous distance.
double fretPosition(double from, double scale, int fret)
{
    return from + scale * (1.0 - std::pow(2.0, -fret / 12.0));
}

} // namespace

QImage logo()
{
    QImage image(387, 81, QImage::Format_RGB32);
    image.fill(ArtColours::Black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QColor lime = ArtColours::colour(ArtColours::Lime);

    // The maker's name, spaced out, with a rule running on to the right.
    QFont small = sansFont(12, true);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
    p.setFont(small);
    p.setPen(lime);
    const QString maker = QStringLiteral("KESTRUNE SOFTWORKS");
    p.drawText(QPointF(12.0, 15.0), maker);
    const double ruleStart = 12.0 + QFontMetricsF(small).horizontalAdvance(maker) + 8.0;
    p.fillRect(QRectF(ruleStart, 9.0, 375.0 - ruleStart, 1.0), ArtColours::colour(ArtColours::MidGreen));

    // The program's name: large slanted letters over a stepped shadow.
    const QFont big = sansFont(50, true, true);
    QPainterPath name;
    name.addText(QPointF(10.0, 62.0), big, QStringLiteral("Fretlore"));
    p.setPen(Qt::NoPen);
    const QRgb shadow[] = {0xff002200, 0xff003800, 0xff005000};
    for (int step = 3; step >= 1; --step) {
        p.setBrush(ArtColours::colour(shadow[3 - step]));
        p.drawPath(name.translated(step, step));
    }
    p.setBrush(lime);
    p.drawPath(name);

    // "PRO" cut out of a lime plate.
    const double plateLeft = 12.0 + QFontMetricsF(big).horizontalAdvance(QStringLiteral("Fretlore")) + 16.0;
    const QRectF plate(plateLeft, 27.0, 373.0 - plateLeft, 36.0);
    QPainterPath platePath;
    platePath.addRoundedRect(plate, 6.0, 6.0);
    QPainterPath pro;
    const QFont proFont = sansFont(30, true, true);
    const QRectF proBox = QFontMetricsF(proFont).tightBoundingRect(QStringLiteral("PRO"));
    pro.addText(QPointF(plate.center().x() - proBox.center().x(), plate.center().y() - proBox.center().y()),
                proFont, QStringLiteral("PRO"));
    p.setBrush(ArtColours::colour(0xff003800));
    p.drawPath(platePath.translated(3, 3));
    p.setBrush(lime);
    p.drawPath(platePath.subtracted(pro));

    // A strip of fingerboard along the bottom: three strings and frets
    // closing up towards the right.
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const int y : {69, 73, 77})
        p.fillRect(QRect(10, y, 367, 1), ArtColours::colour(ArtColours::MidGreen));
    for (int fret = 0; fret <= 18; ++fret) {
        const int x = int(std::lround(fretPosition(10.0, 480.0, fret)));
        p.fillRect(QRect(x, 67, fret == 0 ? 3 : 1, 13), lime);
    }
    return image;
}

QImage banner()
{
    // Shown across the top edge of the working area's frame, like a legend
    // set into it. Its top five rows lie above the window's working area
    // and are cut away, so everything is drawn in rows 5..28.
    QImage image(300, 30, QImage::Format_RGB32);
    image.fill(ArtColours::Black);
    QPainter p(&image);
    const QColor lime = ArtColours::colour(ArtColours::Lime);
    const QColor mid = ArtColours::colour(ArtColours::MidGreen);

    // The plate holds a chord box, the count, large, and what it counts;
    // it is sized to them and centred.
    const QFont count = sansFont(22, true, true);
    QFont word = sansFont(13, true);
    word.setLetterSpacing(QFont::AbsoluteSpacing, 2.0);
    const QFont sub = sansFont(10);
    const QString number = QStringLiteral("1008");
    const QString what = QStringLiteral("CHORDS");
    const QString names = QStringLiteral("in 239 names");
    constexpr int boxWidth = 57;
    const int numberWidth = int(std::ceil(QFontMetricsF(count).horizontalAdvance(number)));
    const int wordWidth = int(std::ceil(std::max(QFontMetricsF(word).horizontalAdvance(what),
                                                 QFontMetricsF(sub).horizontalAdvance(names))));
    const int contentWidth = boxWidth + 10 + numberWidth + 7 + wordWidth;
    const int left = (image.width() - contentWidth) / 2;
    const int box = left;
    const int numberX = box + boxWidth + 10;
    const int wordX = numberX + numberWidth + 7;

    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(lime, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRect(QPoint(left - 8, 5), QPoint(left + contentWidth + 6, 28)), 3, 3);

    // The chord box: six strings across four frets, three fingered tones.
    p.setPen(Qt::NoPen);
    for (int string = 0; string < 6; ++string)
        p.fillRect(QRect(box, 9 + 3 * string, boxWidth, 1), mid);
    p.fillRect(QRect(box, 9, 2, 16), lime);
    for (int fret = 1; fret <= 4; ++fret)
        p.fillRect(QRect(box + 14 * fret, 9, 1, 16), lime);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(lime);
    for (const QPointF &tone : {QPointF(box + 7.5, 12.5), QPointF(box + 21.5, 15.5), QPointF(box + 35.5, 21.5)})
        p.drawEllipse(tone, 2.6, 2.6);

    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setPen(lime);
    p.setFont(count);
    p.drawText(QPointF(numberX, 25.0), number);
    p.setFont(word);
    p.drawText(QPointF(wordX, 16.0), what);
    p.setFont(sub);
    p.setPen(ArtColours::colour(ArtColours::LightGreen));
    p.drawText(QPointF(wordX, 26.0), names);
    return image;
}

} // namespace TitlePictures
