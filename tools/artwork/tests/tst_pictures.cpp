// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the pictures exactly as the program gets them: loaded from the
// compiled-in resources.

#include "maskfacts.h"
#include "resources/PicturePaths.h"

#include <QFont>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace PicturePaths = fretlore::PicturePaths;

namespace {

constexpr QRgb kLime = 0x00ff00;
constexpr QRgb kWhite = 0xffffff;
constexpr QRgb kBlack = 0x000000;

QRgb rgb(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xffffff;
}

bool kept(const QImage &mask, int x, int y)
{
    return rgb(mask, x, y) != kWhite;
}

QImage load(const QString &path)
{
    QImage image(path);
    if (image.isNull())
        qWarning("cannot load %s", qPrintable(path));
    return image;
}

QImage load(const char *path)
{
    return load(QString::fromLatin1(path));
}

// Bounding box of the kept pixels of a mask inside the given rows.
QRect keptBounds(const QImage &mask, int firstRow, int lastRow)
{
    QRect bounds;
    for (int y = firstRow; y <= lastRow; ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (kept(mask, x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void loadsWithSizeAndGround_data();
    void loadsWithSizeAndGround();
    void iconsShowLimeOnTransparentGround_data();
    void iconsShowLimeOnTransparentGround();
    void programIconIsLimeOnBlackAtEverySize();
    void masksAreStrictlyBlackAndWhite();
    void mainMaskKeepsGuitarJoinedToWorkingArea();
    void mainMaskFollowsTheGuitarPicture();
    void splashMaskKeepsGuitarWithOnePixelSeam();
    void splashCaptionsSitOnBlackBody();
    void chordTemplateIsPixelExact();
    void shapingCostsAreAsRecorded();
};

void TestPictures::loadsWithSizeAndGround_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("alpha");
    QTest::newRow("guitar") << QString::fromLatin1(PicturePaths::Stratocaster) << QSize(200, 77) << false;
    QTest::newRow("main mask") << QString::fromLatin1(PicturePaths::MainMask) << QSize(616, 456) << false;
    QTest::newRow("splash") << QString::fromLatin1(PicturePaths::Splash) << QSize(165, 480) << false;
    QTest::newRow("splash mask") << QString::fromLatin1(PicturePaths::SplashMask) << QSize(165, 480) << false;
    QTest::newRow("logo") << QString::fromLatin1(PicturePaths::Kestrune) << QSize(387, 81) << false;
    QTest::newRow("banner") << QString::fromLatin1(PicturePaths::Ultimate) << QSize(300, 30) << false;
    QTest::newRow("play") << QString::fromLatin1(PicturePaths::Play) << QSize(16, 16) << true;
    QTest::newRow("author") << QString::fromLatin1(PicturePaths::Author) << QSize(16, 16) << true;
    QTest::newRow("www") << QString::fromLatin1(PicturePaths::Www) << QSize(16, 16) << true;
    QTest::newRow("mail") << QString::fromLatin1(PicturePaths::Mail) << QSize(32, 32) << true;
    QTest::newRow("exclamation") << QString::fromLatin1(PicturePaths::Exclamation) << QSize(32, 32) << true;
    QTest::newRow("chord template") << QString::fromLatin1(PicturePaths::ChordTemplate) << QSize(391, 176) << false;
}

void TestPictures::loadsWithSizeAndGround()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, alpha);
    QVERIFY(PicturePaths::all().contains(path));
    const QImage image = load(path);
    QCOMPARE(image.size(), size);
    QCOMPARE(image.hasAlphaChannel(), alpha);
}

void TestPictures::iconsShowLimeOnTransparentGround_data()
{
    QTest::addColumn<QString>("path");
    for (const char *path : {PicturePaths::Play, PicturePaths::Author, PicturePaths::Www,
                             PicturePaths::Mail, PicturePaths::Exclamation})
        QTest::newRow(path) << QString::fromLatin1(path);
}

void TestPictures::iconsShowLimeOnTransparentGround()
{
    QFETCH(QString, path);
    const QImage icon = load(path).convertToFormat(QImage::Format_ARGB32);
    const int last = icon.width() - 1;
    for (const QPoint &corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
        QCOMPARE(qAlpha(icon.pixel(corner)), 0);
    int lime = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if (icon.pixel(x, y) == 0xff00ff00)
                ++lime;
    QVERIFY2(lime >= icon.width(), "too little lime to be seen");
}

void TestPictures::programIconIsLimeOnBlackAtEverySize()
{
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon = load(PicturePaths::ProgramIcon(size)).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(qAlpha(icon.pixel(0, 0)) < 128);  // a rounded square
        int lime = 0;
        int black = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                lime += icon.pixel(x, y) == 0xff00ff00;
                black += icon.pixel(x, y) == 0xff000000;
            }
        // The guitar takes a good part of the square, even at 16 pixels.
        QVERIFY2(lime >= size * size / 10 && black >= size * size / 2, qPrintable(QString::number(size)));
    }
}

void TestPictures::masksAreStrictlyBlackAndWhite()
{
    QVERIFY(MaskFacts::isPureBlackAndWhite(load(PicturePaths::MainMask)));
    QVERIFY(MaskFacts::isPureBlackAndWhite(load(PicturePaths::SplashMask)));
}

void TestPictures::mainMaskKeepsGuitarJoinedToWorkingArea()
{
    const QImage mask = load(PicturePaths::MainMask);
    // Nothing above the guitar or below the working area.
    QVERIFY(keptBounds(mask, 0, 10).isNull());
    QVERIFY(keptBounds(mask, 440, mask.height() - 1).isNull());
    // The guitar fills rows 11..74 from x 10 to x 202.
    QCOMPARE(keptBounds(mask, 11, 74), QRect(QPoint(10, 11), QPoint(202, 74)));
    // The working area is one solid rectangle, x 14..593, rows 75..439.
    for (int y = 75; y <= 439; ++y)
        for (int x = 0; x < mask.width(); ++x)
            QCOMPARE(kept(mask, x, y), x >= 14 && x <= 593);
    // The guitar rests on the working area: no detached island.
    bool joined = false;
    for (int x = 14; x <= 593; ++x)
        joined = joined || kept(mask, x, 74);
    QVERIFY(joined);
}

void TestPictures::mainMaskFollowsTheGuitarPicture()
{
    // The picture sits at (5, 5) in the window. Every pixel it draws is
    // kept, and everything it leaves black is cut away, so the window's
    // outline is the guitar's own rim.
    const QImage guitar = load(PicturePaths::Stratocaster);
    const QImage mask = load(PicturePaths::MainMask);
    for (int y = 0; y < guitar.height(); ++y)
        for (int x = 0; x < guitar.width(); ++x) {
            const int wy = y + 5;
            if (wy >= 75)
                continue; // covered by the working area anyway
            const bool drawn = rgb(guitar, x, y) != kBlack;
            if (drawn != kept(mask, x + 5, wy))
                QFAIL(qPrintable(QStringLiteral("picture pixel (%1, %2) %3")
                                     .arg(x)
                                     .arg(y)
                                     .arg(drawn ? QStringLiteral("is drawn but cut away")
                                                : QStringLiteral("is black but kept"))));
        }
}

void TestPictures::splashMaskKeepsGuitarWithOnePixelSeam()
{
    const QImage splash = load(PicturePaths::Splash);
    const QImage mask = load(PicturePaths::SplashMask);
    QCOMPARE(keptBounds(mask, 0, mask.height() - 1), QRect(QPoint(7, 6), QPoint(160, 475)));

    const auto besideCut = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint n(x + dx, y + dy);
                if (mask.rect().contains(n) && !kept(mask, n.x(), n.y()))
                    return true;
            }
        return false;
    };
    int seam = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            // Whatever is not lime ground belongs to the guitar and is kept.
            if (rgb(splash, x, y) != kLime && !kept(mask, x, y))
                QFAIL(qPrintable(QStringLiteral("guitar pixel (%1, %2) is cut away").arg(x).arg(y)));
            if (kept(mask, x, y) && besideCut(x, y)) {
                // The seam shows the lime ground ...
                QCOMPARE(rgb(splash, x, y), kLime);
                ++seam;
                // ... and right inside it the guitar's rim is black, so the
                // seam is exactly one pixel wide.
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (kept(mask, nx, ny) && !besideCut(nx, ny) && rgb(splash, nx, ny) != kBlack)
                            QFAIL(qPrintable(QStringLiteral("rim pixel (%1, %2) is not black").arg(nx).arg(ny)));
                    }
            }
        }
    QVERIFY(seam > 2 * 470);
}

void TestPictures::splashCaptionsSitOnBlackBody()
{
    // The splash window writes three lime captions over the body; each
    // must have black under it, with a pixel to spare all round.
    struct Caption
    {
        const char *text;
        QPoint topLeft;
        int pixelSize;
    };
    const Caption captions[] = {
        {"Kestrune softworks", QPoint(46, 376), 11},
        {"Fretlore", QPoint(13, 390), 19},
        {"PRO", QPoint(57, 416), 23},
    };
    const QImage splash = load(PicturePaths::Splash);
    for (const Caption &caption : captions) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(caption.pixelSize);
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));

        QImage ink(splash.size(), QImage::Format_ARGB32);
        ink.fill(Qt::transparent);
        {
            QPainter p(&ink);
            p.setFont(font);
            p.setPen(Qt::white);
            p.drawText(QRect(caption.topLeft, splash.size()), Qt::AlignLeft | Qt::AlignTop,
                       QString::fromLatin1(caption.text));
        }
        int inked = 0;
        for (int y = 0; y < ink.height(); ++y)
            for (int x = 0; x < ink.width(); ++x) {
                if (qAlpha(ink.pixel(x, y)) == 0)
                    continue;
                ++inked;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (rgb(splash, x + dx, y + dy) != kBlack)
                            QFAIL(qPrintable(QStringLiteral("\"%1\" touches a non-black pixel at (%2, %3)")
                                                 .arg(QString::fromLatin1(caption.text))
                                                 .arg(x + dx)
                                                 .arg(y + dy)));
            }
        QVERIFY(inked > 0);
    }
}

void TestPictures::chordTemplateIsPixelExact()
{
    const QImage diagram = load(PicturePaths::ChordTemplate);
    const int rows[] = {30, 53, 76, 98, 121, 145};
    const int columns[] = {8, 101, 194, 287, 381};
    for (int y = 0; y < diagram.height(); ++y)
        for (int x = 0; x < diagram.width(); ++x) {
            bool line = false;
            for (const int row : rows)
                line = line || (y == row && x >= 8 && x <= 381);
            for (const int column : columns)
                line = line || (x == column && y >= 30 && y <= 145);
            const QRgb wanted = line ? kLime : kWhite;
            if (rgb(diagram, x, y) != wanted)
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3").arg(x).arg(y).arg(rgb(diagram, x, y), 6, 16)));
        }
}

void TestPictures::shapingCostsAreAsRecorded()
{
    // One region subtraction per white run: the start-up cost of shaping
    // the main and the splash window. The splash guitar's long horns stand
    // clear of the neck for many rows, and each such row costs one more.
    const int mainRuns = MaskFacts::whiteRunCount(load(PicturePaths::MainMask));
    const int splashRuns = MaskFacts::whiteRunCount(load(PicturePaths::SplashMask));
    qInfo("white runs: main mask %d, splash mask %d", mainRuns, splashRuns);
    QCOMPARE(mainRuns, 924);
    QCOMPARE(splashRuns, 1021);
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
