// SPDX-License-Identifier: GPL-3.0-or-later
#include "maskfacts.h"
#include "pixelshape.h"

#include <QTest>

class TestPixelShape : public QObject
{
    Q_OBJECT

private slots:
    void rasterisesByPixelCentres();
    void growsByOneRingIncludingDiagonals();
    void shrinksAndClosesNotches();
    void findsEdgesAgainstFourNeighbours();
    void boundsAndPlacement();
    void masksAreBlackInsideWhiteOutside();
    void countsWhiteRunsRowByRow_data();
    void countsWhiteRunsRowByRow();
    void tellsPureMasksFromSmoothedOnes();
};

void TestPixelShape::rasterisesByPixelCentres()
{
    QPainterPath square;
    square.addRect(QRectF(2.0, 2.0, 3.0, 3.0));
    const PixelShape shape = PixelShape::fromPath(QSize(8, 8), square);
    QCOMPARE(shape.count(), 9);
    QCOMPARE(shape.bounds(), QRect(2, 2, 3, 3));

    // A transform moves the path before it is rasterised.
    const PixelShape moved = PixelShape::fromPath(QSize(8, 8), square, QTransform::fromTranslate(1, 2));
    QCOMPARE(moved.bounds(), QRect(3, 4, 3, 3));

    // Edges that stop short of a pixel centre leave that pixel out.
    QPainterPath thin;
    thin.addRect(QRectF(2.6, 1.0, 0.8, 1.0));
    QCOMPARE(PixelShape::fromPath(QSize(8, 8), thin).count(), 0);
}

void TestPixelShape::growsByOneRingIncludingDiagonals()
{
    PixelShape dot(QSize(5, 5));
    dot.set(2, 2, true);
    const PixelShape ring = dot.grown();
    QCOMPARE(ring.count(), 9);
    QCOMPARE(ring.bounds(), QRect(1, 1, 3, 3));

    // At the border the ring is cut off, never wrapped round.
    PixelShape corner(QSize(5, 5));
    corner.set(0, 0, true);
    QCOMPARE(corner.grown().count(), 4);
    QVERIFY(!corner.grown().contains(4, 4));
}

void TestPixelShape::shrinksAndClosesNotches()
{
    // Two 3 x 3 blocks with a one-pixel gap between them.
    PixelShape blocks(QSize(11, 7));
    for (int y = 2; y <= 4; ++y)
        for (int x = 2; x <= 8; ++x)
            blocks.set(x, y, x != 5);
    const PixelShape eroded = blocks.shrunk();
    QCOMPARE(eroded.count(), 2);
    QVERIFY(eroded.contains(3, 3));
    QVERIFY(eroded.contains(7, 3));

    // Closing bridges the gap and leaves the outer outline alone.
    const PixelShape closed = blocks.closed();
    QCOMPARE(closed.count(), 21);
    QVERIFY(closed.contains(5, 3));
    QCOMPARE(closed.bounds(), blocks.bounds());
    // Growing the closed shape keeps the same pixels as growing the
    // original: closing never moves the outline outwards.
    QCOMPARE(closed.grown().count(), blocks.grown().count());
}

void TestPixelShape::findsEdgesAgainstFourNeighbours()
{
    PixelShape block(QSize(5, 5));
    for (int y = 1; y <= 3; ++y)
        for (int x = 1; x <= 3; ++x)
            block.set(x, y, true);
    QVERIFY(!block.isEdge(2, 2));
    QVERIFY(block.isEdge(1, 1));
    QVERIFY(block.isEdge(3, 2));
    QVERIFY(!block.isEdge(0, 0)); // outside the shape

    // Touching the border of the grid counts as touching the outside.
    PixelShape full(QSize(3, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            full.set(x, y, true);
    QVERIFY(full.isEdge(0, 1));
    QVERIFY(!full.isEdge(1, 1));
}

void TestPixelShape::boundsAndPlacement()
{
    PixelShape shape(QSize(10, 10));
    QVERIFY(shape.bounds().isNull());
    shape.set(2, 7, true);
    shape.set(6, 3, true);
    shape.set(20, 20, true); // off the grid: ignored
    QCOMPARE(shape.bounds(), QRect(QPoint(2, 3), QPoint(6, 7)));

    const PixelShape placed = shape.placed(QSize(8, 8), 1, -2);
    QVERIFY(placed.contains(3, 5));
    QVERIFY(placed.contains(7, 1));
    QCOMPARE(placed.count(), 2);

    PixelShape clipped = shape;
    clipped.clipTo(QRect(0, 0, 5, 10));
    QCOMPARE(clipped.count(), 1);
    QVERIFY(clipped.contains(2, 7));

    PixelShape other(QSize(10, 10));
    other.set(2, 7, true);
    other.set(0, 0, true);
    PixelShape united = shape;
    united.unite(other);
    QCOMPARE(united.count(), 3);
    united.subtract(other);
    QCOMPARE(united.count(), 1);
    QVERIFY(united.contains(6, 3));
}

void TestPixelShape::masksAreBlackInsideWhiteOutside()
{
    PixelShape shape(QSize(4, 3));
    shape.set(1, 1, true);
    const QImage mask = shape.toMask();
    QCOMPARE(mask.size(), QSize(4, 3));
    QVERIFY(!mask.hasAlphaChannel());
    QCOMPARE(mask.pixel(1, 1) & 0xffffff, 0x000000u);
    QCOMPARE(mask.pixel(0, 0) & 0xffffff, 0xffffffu);
    QCOMPARE(mask.pixel(3, 2) & 0xffffff, 0xffffffu);
}

void TestPixelShape::countsWhiteRunsRowByRow_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("runs");
    // Rows split by '|'; W = white, B = black, N = near-white (kept like
    // any other colour).
    QTest::newRow("all white row") << QStringLiteral("WWWWW") << 1;
    QTest::newRow("no white") << QStringLiteral("BBBBB") << 0;
    QTest::newRow("one pixel kept between two runs") << QStringLiteral("WWBWW") << 2;
    QTest::newRow("run at the right edge") << QStringLiteral("BBBWW") << 1;
    QTest::newRow("single white pixels") << QStringLiteral("WBWBW") << 3;
    QTest::newRow("near-white splits a run") << QStringLiteral("WWNWW") << 2;
    QTest::newRow("runs never merge across rows") << QStringLiteral("WWWBB|WWWBB|BBBBW") << 3;
}

static QImage imageFromRows(const QString &layout)
{
    const QStringList rows = layout.split(u'|');
    QImage image(int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows.at(y).size(); ++x) {
            const QChar c = rows.at(y).at(x);
            image.setPixel(x, y, c == u'W' ? qRgb(255, 255, 255) : c == u'N' ? qRgb(253, 253, 253) : qRgb(0, 0, 0));
        }
    return image;
}

void TestPixelShape::countsWhiteRunsRowByRow()
{
    QFETCH(QString, rows);
    QFETCH(int, runs);
    QCOMPARE(MaskFacts::whiteRunCount(imageFromRows(rows)), runs);
}

void TestPixelShape::tellsPureMasksFromSmoothedOnes()
{
    QVERIFY(MaskFacts::isPureBlackAndWhite(imageFromRows(QStringLiteral("WBWB|BBWW"))));
    QVERIFY(!MaskFacts::isPureBlackAndWhite(imageFromRows(QStringLiteral("WBNB"))));
}

QTEST_MAIN(TestPixelShape)
#include "tst_pixelshape.moc"
