// SPDX-License-Identifier: GPL-3.0-or-later
#include "chords/PictureFile.h"

#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace fretlore {

PictureFile::Format PictureFile::FormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return Format::Png;
    if (suffix == QLatin1String("svg"))
        return Format::Svg;
    if (suffix == QLatin1String("pdf"))
        return Format::Pdf;
    return Format::Unknown;
}

bool PictureFile::Save(const QString& path, const std::function<bool(QIODevice&, QString*)>& write, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    QString reason;
    if (!write(file, &reason)) {
        file.cancelWriting();
        *error = QStringLiteral("cannot write %1: %2").arg(path, reason);
        return false;
    }
    if (!file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool PictureFile::SavePicture(const QImage& picture, const QString& path, QString* error)
{
    const Format format = FormatOf(path);
    if (format != Format::Png && format != Format::Svg) {
        *error = QStringLiteral("%1: a diagram is written as .png or .svg").arg(path);
        return false;
    }
    return Save(
        path,
        [&](QIODevice& device, QString* reason) {
            if (format == Format::Png) {
                if (picture.save(&device, "PNG"))
                    return true;
                *reason = QStringLiteral("the picture did not encode");
                return false;
            }
            QSvgGenerator svg;
            svg.setOutputDevice(&device);
            svg.setSize(picture.size());
            svg.setViewBox(QRect(QPoint(0, 0), picture.size()));
            svg.setResolution(96);
            svg.setTitle(QStringLiteral("Chord diagram"));
            QPainter p;
            if (!p.begin(&svg)) {
                *reason = QStringLiteral("the SVG did not start");
                return false;
            }
            p.drawImage(0, 0, picture);
            return p.end();
        },
        error);
}

} // namespace fretlore
