#include "titlepictures.h"

#include "artcolours.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

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
    QImage image(300, 30, QImage::Format_RGB32);
    image.fill(ArtColours::Black);
    QPainter p(&image);
    const QColor lime = ArtColours::colour(ArtColours::Lime);
    const QColor mid = ArtColours::colour(ArtColours::MidGreen);

    // A chord box: six strings across five frets with three fingered
    // tones, drawn pixel-crisp.
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int string = 0; string < 6; ++string)
        p.fillRect(QRect(6, 4 + 4 * string, 73, 1), mid);
    p.fillRect(QRect(6, 4, 2, 21), lime);
    for (int fret = 1; fret <= 4; ++fret)
        p.fillRect(QRect(6 + 18 * fret, 4, 1, 21), lime);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(lime);
    for (const QPointF &tone : {QPointF(15.5, 8.5), QPointF(33.5, 12.5), QPointF(51.5, 16.5)})
        p.drawEllipse(tone, 3.5, 3.5);

    // The count, large, and what it counts.
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QFont count = sansFont(24, true, true);
    p.setPen(lime);
    p.setFont(count);
    p.drawText(QPointF(92.0, 24.0), QStringLiteral("1008"));
    const double after = 92.0 + QFontMetricsF(count).horizontalAdvance(QStringLiteral("1008")) + 8.0;
    QFont word = sansFont(14, true);
    word.setLetterSpacing(QFont::AbsoluteSpacing, 2.0);
    p.setFont(word);
    p.drawText(QPointF(after, 15.0), QStringLiteral("CHORDS"));
    QFont sub = sansFont(10);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    p.setFont(sub);
    p.setPen(ArtColours::colour(ArtColours::LightGreen));
    p.drawText(QPointF(after, 26.0), QStringLiteral("in 239 names, ready to play"));
    return image;
}

} // namespace TitlePictures
