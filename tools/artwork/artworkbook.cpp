#include "artworkbook.h"

#include "chordtemplate.h"
#include "icons.h"
#include "lyingguitar.h"
#include "standingguitar.h"
#include "titlepictures.h"

#include <QDir>
#include <QImageWriter>

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
}

bool ArtworkBook::writeTo(const QString &folder, QString *error) const
{
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    const QDir dir(folder);
    for (const Picture &picture : m_pictures) {
        // Opaque pictures are stored as plain 8-bit RGB, icons with alpha;
        // no gamma is recorded, so the pixels load back exactly.
        const QImage image = picture.image.hasAlphaChannel()
                                 ? picture.image.convertToFormat(QImage::Format_ARGB32)
                                 : picture.image.convertToFormat(QImage::Format_RGB32);
        QImageWriter writer(dir.filePath(picture.fileName), "png");
        if (!writer.write(image)) {
            *error = QStringLiteral("cannot write %1: %2").arg(dir.filePath(picture.fileName), writer.errorString());
            return false;
        }
    }
    return true;
}
