// SPDX-License-Identifier: GPL-3.0-or-later
// The flat combo box offscreen: border and band, the arrow button with its
// triangle pointing down while closed and up while open, the disabled arrow,
// the edit part's place, and the drop-down list's colour and row height.
#include "flat/FlatUtilitys.h"
#include "flat/TFlatComboBoxUnit.h"
#include "platform/FontSubstitutes.h"
#include "shell/ProgramLook.h"

#include "WindowTesting.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QTest>

using namespace fretlore;
using namespace windowtest;

namespace {


} // namespace

class FlatComboBoxTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void defaults()
    {
        TFlatComboBox c(nullptr);
        QVERIFY(c.isEditable());
        QCOMPARE(c.currentIndex(), -1);
        QCOMPARE(c.ColorArrow(), QColor(Qt::black));
        QCOMPARE(c.ColorArrowBackground(), QColor(217, 214, 197));
        QCOMPARE(c.ColorBorder(), QColor(160, 150, 131));
        QCOMPARE(c.Color(), QColor(235, 234, 225));
        QCOMPARE(c.ItemHeight(), 13);
        QCOMPARE(c.DropDownCount(), 8);
        QCOMPARE(c.AdvColorBorder(), 50);
        QCOMPARE(c.AdvColorArrowBackground(), 10);
    }

    void borderBandAndArrowButton()
    {
        QWidget window;
        window.resize(300, 60);
        auto* c = new TFlatComboBox(&window);
        c->setGeometry(10, 10, 273, 21);
        const QColor field(Qt::white), border(Qt::darkGreen), face(Qt::red), arrow(Qt::blue);
        c->SetColor(field);
        c->SetColorBorder(border);
        c->SetColorArrowBackground(face);
        c->SetColorArrow(arrow);
        const QImage img = c->grab().toImage();

        // Border: the outline around everything left of the arrow button, its
        // right edge at x 260 shared with the button; two rings of Color inside.
        for (const QPoint p : {QPoint(0, 0), QPoint(0, 20), QPoint(130, 0), QPoint(130, 20), QPoint(0, 10),
                               QPoint(260, 10)})
            QCOMPARE(img.pixelColor(p), border);
        for (const QPoint p : {QPoint(1, 1), QPoint(2, 2), QPoint(130, 1), QPoint(130, 19), QPoint(259, 10),
                               QPoint(258, 10), QPoint(257, 10)})
            QCOMPARE(img.pixelColor(p), field);

        // Arrow button: x 260 to 272, full height, framed in the border colour.
        QCOMPARE(c->ArrowButtonRect(), QRect(260, 0, 13, 21));
        for (const QPoint p : {QPoint(260, 0), QPoint(272, 0), QPoint(272, 20), QPoint(260, 20), QPoint(266, 0)})
            QCOMPARE(img.pixelColor(p), border);
        QCOMPARE(img.pixelColor(261, 1), face);
        QCOMPARE(img.pixelColor(271, 19), face);

        // The closed list's triangle: corners (264, 9), (268, 9), (266, 11), pointing down.
        for (const QPoint p : {QPoint(264, 9), QPoint(268, 9), QPoint(266, 11), QPoint(266, 10)})
            QCOMPARE(img.pixelColor(p), arrow);
        for (const QPoint p : {QPoint(263, 9), QPoint(269, 9), QPoint(266, 12), QPoint(266, 8), QPoint(264, 11)})
            QCOMPARE(img.pixelColor(p), face);
    }

    void programsNameBox()
    {
        QWidget window;
        setWindowColour(window, Qt::black);
        window.resize(300, 60);
        TFlatComboBox* c = CreateNameBox(&window, 10, 10);
        const QImage img = c->grab().toImage();
        QCOMPARE(img.pixelColor(0, 0), kLime);
        QCOMPARE(img.pixelColor(272, 20), kLime);
        QCOMPARE(img.pixelColor(266, 11), kLime); // the arrow's tip
        QCOMPARE(img.pixelColor(266, 15), QColor(Qt::black));
        QCOMPARE(img.pixelColor(1, 10), QColor(Qt::black));
        QCOMPARE(c->ItemHeight(), 13);
        // The edit part sits inside the band, clear of the arrow button.
        QCOMPARE(c->lineEdit()->geometry(), QRect(3, 3, 254, 15));
        QCOMPARE(c->lineEdit()->palette().color(QPalette::Base), QColor(Qt::black));
        QCOMPARE(c->lineEdit()->palette().color(QPalette::Text), kLime);
    }

    void shownBoxSettles()
    {
        // Once shown, an idle box asks for no more layouts: placing the edit
        // part must not itself request another layout, round and round.
        QWidget window;
        TFlatComboBox* c = CreateNameBox(&window, 10, 10);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(50);
        struct Counter : QObject {
            int layouts = 0;
            bool eventFilter(QObject*, QEvent* e) override
            {
                layouts += e->type() == QEvent::LayoutRequest;
                return false;
            }
        } counter;
        c->installEventFilter(&counter);
        QTest::qWait(200);
        QCOMPARE(counter.layouts, 0);
    }

    void arrowPointsUpWhileTheListIsOpen()
    {
        QWidget window;
        setWindowColour(window, Qt::black);
        window.resize(300, 200);
        TFlatComboBox* c = CreateNameBox(&window, 10, 10);
        c->addItems({QStringLiteral("Cmaj7"), QStringLiteral("Am"), QStringLiteral("G7")});
        c->setCurrentIndex(-1);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        c->showPopup();
        QVERIFY(c->ListOpen());
        QVERIFY(c->Active());
        QImage img = c->grab().toImage();
        for (const QPoint p : {QPoint(264, 11), QPoint(268, 11), QPoint(266, 9)})
            QCOMPARE(img.pixelColor(p), kLime);
        QCOMPARE(img.pixelColor(264, 9), QColor(Qt::black)); // a corner of the closed look

        // The list: rows 13 high in Color.
        QAbstractItemView* list = c->view();
        QCOMPARE(list->visualRect(c->model()->index(0, 0)).height(), 13);
        QCOMPARE(list->visualRect(c->model()->index(2, 0)).top(), 26);
        QCOMPARE(list->palette().color(QPalette::Base), QColor(Qt::black));
        QCOMPARE(list->palette().color(QPalette::Text), kLime);

        c->hidePopup();
        QVERIFY(!c->ListOpen());
        img = c->grab().toImage();
        QCOMPARE(img.pixelColor(264, 9), kLime);
        QCOMPARE(img.pixelColor(264, 11), QColor(Qt::black));
    }

    void clickingTheArrowDropsTheList()
    {
        QWidget window;
        window.resize(300, 200);
        TFlatComboBox* c = CreateNameBox(&window, 10, 10);
        c->addItem(QStringLiteral("C"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(266, 10));
        QTRY_VERIFY(c->view()->isVisible());
        QVERIFY(c->ListOpen());
        c->hidePopup();
        QTRY_VERIFY(!c->view()->isVisible());
    }

    // What the user types stays as typed: the history completes nothing.
    void typedTextIsNeverCompleted()
    {
        QWidget window;
        TFlatComboBox* c = CreateNameBox(&window, 10, 10);
        c->addItems({QStringLiteral("am7"), QStringLiteral("C "), QStringLiteral("am")});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        c->setFocus();
        for (const char* typed : {"am", "C", "AM", "a"}) {
            c->clearEditText();
            QTest::keyClicks(c->lineEdit(), QLatin1String(typed));
            QCOMPARE(c->currentText(), QLatin1String(typed));
        }
    }

    void disabledArrowIsEmbossed()
    {
        QWidget window;
        window.resize(300, 60);
        auto* c = new TFlatComboBox(&window);
        c->setGeometry(0, 0, 273, 21);
        c->SetColorArrowBackground(Qt::black);
        c->setEnabled(false);
        const QImage img = c->grab().toImage();
        QCOMPARE(img.pixelColor(266, 11), QColor(128, 128, 128)); // the tip in grey
        QCOMPARE(img.pixelColor(264, 9), QColor(128, 128, 128));
        QCOMPARE(img.pixelColor(267, 12), QColor(Qt::white)); // the white copy, one right and down
        QCOMPARE(img.pixelColor(269, 10), QColor(Qt::white));
        QCOMPARE(img.pixelColor(263, 9), QColor(Qt::black));
    }

    void fontChangeResetsTheItemHeight()
    {
        TFlatComboBox c(nullptr);
        c.addItems({QStringLiteral("a"), QStringLiteral("b")});
        c.SetItemHeight(20);
        QCOMPARE(c.itemData(1, Qt::SizeHintRole).toSize().height(), 20);
        c.setFont(SansSerif(11));
        QCOMPARE(c.ItemHeight(), 13);
        QCOMPARE(c.itemData(0, Qt::SizeHintRole).toSize().height(), 13);
        // Items added later get the same height.
        c.addItem(QStringLiteral("c"));
        QCOMPARE(c.itemData(2, Qt::SizeHintRole).toSize().height(), 13);
    }

    void advancedColoursFromTheParent()
    {
        QWidget window;
        setWindowColour(window, QColor(128, 128, 128));
        TFlatComboBox c(&window);
        c.SetUseAdvColors(true);
        QCOMPARE(c.ColorBorder(), QColor(85, 85, 85));            // 130 - 50
        QCOMPARE(c.ColorArrowBackground(), QColor(128, 128, 128)); // 130 - 10 = 120: 127.5 to the even 128
        setWindowColour(window, Qt::black);
        QCOMPARE(c.ColorBorder(), QColor(Qt::black)); // 10 - 50 stops at 0
    }

    void listOnlyStyleShowsItsText()
    {
        QWidget window;
        window.resize(300, 60);
        auto* c = CreateNameBox(&window, 10, 10);
        c->setEditable(false);
        c->addItem(QStringLiteral("WWWW"));
        c->setCurrentIndex(0);
        const QImage img = c->grab().toImage();
        int lime = 0;
        for (int y = 3; y < 18; ++y)
            for (int x = 3; x < 60; ++x)
                if (img.pixelColor(x, y).green() > 128 && img.pixelColor(x, y).red() < 100)
                    ++lime;
        QVERIFY(lime > 10);
        QCOMPARE(img.pixelColor(266, 11), kLime);
    }
};

QTEST_MAIN(FlatComboBoxTest)
#include "FlatComboBoxTest.moc"
