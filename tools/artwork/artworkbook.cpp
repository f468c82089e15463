// SPDX-License-Identifier: GPL-3.0-or-later
#include "artworkbook.h"

#include "chordtemplate.h"
#include "icons.h"
#include "lyingguitar.h"
#include "programicon.h"
#include "standingguitar.h"
#include "titlepictures.h"

#include <QDir>
#include <QSaveFile>
#include <QImageWriter>

#include <algorithm>

namespace {

QString describe(const QRect &r)
{
    return QStringLiteral("x %1..%2, rows %3..%4").arg(r.left()).arg(r.right()).arg(r.top()).arg(r.bottom());
}

void expectBounds(QStringList &problems, const QString &what, const QRect &actual, const QRect &wanted)
{
    if (actual != wanted)
        problems << QStringLiteral("%1 spans %2 instead of %3").arg(what, describe(actual), describe(wanted));
}

} // namespace

ArtworkBook::ArtworkBook()
{
    const LyingGuitar lying;
    const StandingGuitar standing;
    expectBounds(m_problems, QStringLiteral("main window guitar"), lying.silhouette().bounds(),
                 QRect(QPoint(5, 6), QPoint(197, 69)));
    expectBounds(m_problems, QStringLiteral("splash shape"), standing.keptArea().bounds(),
                 QRect(QPoint(7, 6), QPoint(160, 475)));

    m_pictures = {
        {QStringLiteral("stratocaster.png"), lying.picture()},
        {QStringLiteral("main_mask.png"), lying.mask()},
        {QStringLiteral("splash.png"), standing.picture()},
        {QStringLiteral("splash_mask.png"), standing.mask()},
        {QStringLiteral("kestrune.png"), TitlePictures::logo()},
        {QStringLiteral("ultimate.png"), TitlePictures::banner()},
        {QStringLiteral("play.png"), Icons::play()},
        {QStringLiteral("author.png"), Icons::author()},
        {QStringLiteral("www.png"), Icons::www()},
        {QStringLiteral("mail.png"), Icons::mail()},
        {QStringLiteral("exclamation.png"), Icons::exclamation()},
        {QStringLiteral("chord_template.png"), ChordTemplate::picture()},
    };
    for (const int size : ProgramIcon::Sizes)
        m_pictures.push_back({QStringLiteral("program_%1.png").arg(size), ProgramIcon::picture(size)});
    m_drawings = {{QStringLiteral("program.svg"), ProgramIcon::svg()}};
}

namespace {

// The form a picture is stored in. Icons keep their alpha. Opaque pictures
// are stored with a palette of exactly their colours (one bit per pixel for
// black-and-white masks), so the program decodes a byte or a bit per pixel
// rather than four; every pixel loads back exactly, as no gamma is recorded.
QImage storedForm(const QImage &picture)
{
    if (picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_ARGB32);
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QList<QRgb> colours;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if (!colours.contains(line[x])) {
                if (colours.size() == 256)
                    return rgb;
                colours.append(line[x]);
            }
        }
    }
    std::sort(colours.begin(), colours.end());
    const bool blackAndWhite = colours == QList<QRgb>{0xFF000000u, 0xFFFFFFFFu};
    const QImage stored = rgb.convertToFormat(blackAndWhite ? QImage::Format_Mono : QImage::Format_Indexed8,
                                              colours, Qt::ThresholdDither | Qt::AvoidDither);
    return stored.convertToFormat(QImage::Format_RGB32) == rgb ? stored : rgb;
}

} // namespace

bool ArtworkBook::writeTo(const QString &folder, QString *error) const
{
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    const QDir dir(folder);
    for (const Picture &picture : m_pictures) {
        const QImage image = storedForm(picture.image);
        QImageWriter writer(dir.filePath(picture.fileName), "png");
        if (!writer.write(image)) {
            *error = QStringLiteral("cannot write %1: %2").arg(dir.filePath(picture.fileName), writer.errorString());
            return false;
        }
    }
    for (const Drawing &drawing : m_drawings) {
        QSaveFile file(dir.filePath(drawing.fileName));
        if (!file.open(QIODevice::WriteOnly) || file.write(drawing.svg.toUtf8()) < 0 || !file.commit()) {
            *error = QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString());
            return false;
        }
    }
    return true;
}
