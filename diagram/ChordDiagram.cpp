#include "diagram/ChordDiagram.h"

#include "catalogue/Instrument.h"
#include "diagram/guitarstr.h"
#include "platform/FontSubstitutes.h"
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
    return QImage(QString::fromLatin1(PicturePaths::ChordTemplate));
}

int BaseFretOf(const std::array<int, 6>& frets)
{
    int base = 0;
    for (int f : frets)
        if (f > 0 && (base == 0 || f < base))
            base = f;
    return base == 0 ? 1 : base;
}

int DrawChordDiagram(QImage& picture, const std::array<int, 6>& frets, ToneMarkerArray& markers)
{
    const int baseFret = BaseFretOf(frets);
    const QColor lime(0, 255, 0);

    // A picture stored with a palette is drawn on in full colour.
    if (picture.format() == QImage::Format_Indexed8 || picture.format() == QImage::Format_Mono ||
        picture.format() == QImage::Format_MonoLSB)
        picture.convertTo(QImage::Format_RGB32);

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
    p.drawText(QRect(kBaseFretX, kBaseFretY, fm.horizontalAdvance(number), fm.height()), Qt::AlignLeft | Qt::AlignTop,
               number);

    p.setPen(Qt::NoPen);
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
        marker.NoteName = NoteName(ColumnNumberOf(string), absolute).left(kMaxNoteName);
    }
    return baseFret;
}

} // namespace fretlore
