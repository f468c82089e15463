// SPDX-License-Identifier: GPL-3.0-or-later
#include "programicon.h"

#include "artcolours.h"
#include "guitarbody.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTransform>

namespace {

constexpr double kGrid = 16.0;

// The guitar stands on a 16-unit height centred on x 0 (the body at the
// bottom, the head at the top) and is then tilted into the square.
QTransform placement()
{
    QTransform t;
    t.translate(8.0, 8.3);
    t.rotate(38.0);
    t.scale(0.94, 0.94);
    t.translate(0.0, -7.6);
    return t;
}

QPainterPath ground()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0.0, 0.0, kGrid, kGrid), 3.0, 3.0);
    return path;
}

QPainterPath guitar()
{
    QPainterPath body = GuitarBody::standingInto(QRectF(-3.6, 7.2, 7.2, 8.4)).map(GuitarBody::unitOutline());
    QPainterPath neck;
    neck.addRect(QRectF(-0.8, 1.6, 1.6, 7.4));
    QPainterPath head;
    head.addRoundedRect(QRectF(-1.25, -0.4, 2.5, 2.6), 0.8, 0.8);
    return placement().map(body.united(neck).united(head).simplified());
}

// Black details on the lime: two pickups and the bridge.
QPainterPath details()
{
    QPainterPath path;
    path.addRect(QRectF(-1.7, 10.0, 3.4, 0.7));
    path.addRect(QRectF(-1.7, 11.7, 3.4, 0.7));
    path.addRect(QRectF(-1.2, 13.4, 2.4, 0.7));
    return placement().map(path);
}

QString number(double value)
{
    return QString::number(value, 'f', 3).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

QString svgPathData(const QPainterPath &path)
{
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QString point = number(e.x) + u' ' + number(e.y);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            d += u'M' + point;
            break;
        case QPainterPath::LineToElement:
            d += u'L' + point;
            break;
        case QPainterPath::CurveToElement:
            d += u'C' + point;
            break;
        case QPainterPath::CurveToDataElement:
            d += u' ' + point;
            break;
        }
    }
    return d;
}

QString colourName(QRgb rgb)
{
    return ArtColours::colour(rgb).name();
}

} // namespace

QImage ProgramIcon::picture(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / kGrid, size / kGrid);
    p.setPen(Qt::NoPen);
    p.setBrush(ArtColours::colour(ArtColours::Black));
    p.drawPath(ground());
    p.setBrush(ArtColours::colour(ArtColours::Lime));
    p.drawPath(guitar());
    // Below 48 pixels the details would only blur the outline.
    if (size >= 48) {
        p.setBrush(ArtColours::colour(ArtColours::Black));
        p.drawPath(details());
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QString ProgramIcon::svg()
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 16 16\">\n"
                          "  <path fill=\"%1\" d=\"%2\"/>\n"
                          "  <path fill=\"%3\" fill-rule=\"nonzero\" d=\"%4\"/>\n"
                          "  <path fill=\"%1\" d=\"%5\"/>\n"
                          "</svg>\n")
        .arg(colourName(ArtColours::Black), svgPathData(ground()), colourName(ArtColours::Lime),
             svgPathData(guitar()), svgPathData(details()));
}
