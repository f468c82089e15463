// SPDX-License-Identifier: GPL-3.0-or-later
// make_artwork: draws the program's pictures into a folder at build time.
//
//   make_artwork OUTPUT_FOLDER

#include "artworkbook.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // Painting text needs a GUI application, never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QTextStream err(stderr);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        err << "usage: make_artwork OUTPUT_FOLDER\n";
        return 2;
    }

    const ArtworkBook book;
    for (const QString &problem : book.problems())
        err << "make_artwork: " << problem << '\n';
    if (!book.problems().isEmpty())
        return 1;

    QString error;
    if (!book.writeTo(args.at(1), &error)) {
        err << "make_artwork: " << error << '\n';
        return 1;
    }
    return 0;
}
