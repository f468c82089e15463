// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own picture reader against the toolkit's: the same image,
// format and colour table for every picture; nothing for a bad file.
#include "resources/PictureReader.h"
#include "resources/PicturePaths.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace fretlore;

TEST(PictureReader, readsEveryPictureAsTheToolkitsReaderDoes)
{
    QStringList paths = PicturePaths::all();
    for (const int size : {16, 32, 48, 64, 128, 256})
        paths << PicturePaths::ProgramIcon(size);
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        const QImage expected(path);
        ASSERT_FALSE(expected.isNull());
        const QImage read = ReadPicture(path);
        EXPECT_EQ(read.format(), expected.format());
        EXPECT_EQ(read.colorTable(), expected.colorTable());
        EXPECT_TRUE(read == expected);
    }
}

TEST(PictureReader, aMissingTruncatedOrForeignFileGivesANullImage)
{
    QTemporaryDir dir;
    QFile source(QString::fromLatin1(PicturePaths::Splash));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray png = source.readAll();
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {{"empty.png", {}},
                 {"header.png", png.left(33)},
                 {"half.png", png.left(png.size() / 2)},
                 {"text.png", "not a picture at all"}};
    EXPECT_TRUE(ReadPicture(dir.filePath(QStringLiteral("missing.png"))).isNull());
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        QFile file(dir.filePath(QLatin1String(f.name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(f.bytes);
        file.close();
        EXPECT_TRUE(ReadPicture(file.fileName()).isNull());
    }
}
