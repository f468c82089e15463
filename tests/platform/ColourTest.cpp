// SPDX-License-Identifier: GPL-3.0-or-later
// The colour vocabulary: values read red first, named Qt colours and QColors
// become explicit colours, and a system colour is kept as given and resolved
// through the application's palette whenever it is turned into paint.
#include "platform/TColor.h"

#include <QGuiApplication>
#include <QPalette>
#include <QTest>

using namespace fretlore;

class ColourTest : public QObject {
    Q_OBJECT
private slots:
    void valuesReadRedFirst()
    {
        QCOMPARE(ToQColor(FlatLightFace), QColor(235, 234, 225));
        QCOMPARE(ToQColor(FlatDownFace), QColor(217, 214, 197));
        QCOMPARE(ToQColor(FlatBorder), QColor(160, 150, 131));
        QCOMPARE(ToQColor(FlatElement), QColor(51, 102, 153));
        QCOMPARE(ToQColor(FlatHintArrowBack), QColor(255, 210, 83));
        QCOMPARE(ToQColor(clBlue), QColor(Qt::blue));
        QVERIFY(TColor(QColor(160, 150, 131)) == FlatBorder);
        QCOMPARE(RgbOf(clLime), qRgb(0, 255, 0));
        // Qt's named colours are colours, not the small numbers their names stand for.
        QVERIFY(TColor(Qt::white) == clWhite);
        QVERIFY(TColor(Qt::black) == clBlack);
        QVERIFY(TColor(Qt::black) != TColor(2u));
    }

    void systemColoursResolveThroughThePalette()
    {
        const QPalette saved = QGuiApplication::palette();
        QPalette pal = saved;
        pal.setColor(QPalette::Button, QColor(1, 2, 3));
        pal.setColor(QPalette::Text, QColor(4, 5, 6));
        QGuiApplication::setPalette(pal);
        // Not the low byte read as red: button face is index 15, (15, 0, 0) as a plain value.
        QCOMPARE(ToQColor(clBtnFace), QColor(1, 2, 3));
        QCOMPARE(ToQColor(clWindowText), QColor(4, 5, 6));
        QVERIFY(ResolveColor(clBtnFace) == RgbColor(1, 2, 3));
        QVERIFY(clBtnFace.IsSystemColor() && !clLime.IsSystemColor());
        // A system index without a palette role is black; an explicit value loses a stray high byte.
        QCOMPARE(ToQColor(TColor(0x80000019u)), QColor(Qt::black));
        QCOMPARE(ToQColor(TColor(0x1200FF00u)), QColor(Qt::green));

        // The value stays a system colour and follows the next palette.
        const TColor kept = clBtnFace;
        pal.setColor(QPalette::Button, QColor(7, 8, 9));
        QGuiApplication::setPalette(pal);
        QCOMPARE(ToQColor(kept), QColor(7, 8, 9));
        QGuiApplication::setPalette(saved);
    }
};

QTEST_MAIN(ColourTest)
#include "ColourTest.moc"
