// SPDX-License-Identifier: GPL-3.0-or-later
// The painted controls that stand in for the platform's: pictures drawn with
// a transparent colour, and list boxes with a fixed line height.
#include "controls/ApplicationMinimize.h"
#include "controls/ImageControl.h"
#include "controls/ListBoxControl.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

using namespace fretlore;

class ControlsTest : public QObject {
    Q_OBJECT

    // What a control shows over a red window.
    static QImage shownOverRed(ImageControl* control, QWidget* window)
    {
        window->setAutoFillBackground(true);
        QPalette pal = window->palette();
        pal.setColor(QPalette::Window, Qt::red);
        window->setPalette(pal);
        return control->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

private slots:
    // "_" takes every shown window of the program down, not hint balloons or
    // hidden windows; bringing back any one brings back all.
    void minimizeTakesEveryShownWindowAndRestoresThemTogether()
    {
        QWidget main, about, hidden;
        QWidget balloon(nullptr, Qt::ToolTip);
        main.show();
        about.show();
        balloon.show();
        ApplicationMinimize minimize(&main);
        minimize.Minimize();
        QVERIFY(main.isMinimized());
        QVERIFY(about.isMinimized());
        QVERIFY(!balloon.isMinimized());
        QVERIFY(hidden.isHidden());
        QCOMPARE(minimize.MinimizedCount(), 2);
        about.showNormal();  // from the task bar
        QVERIFY(!main.isMinimized());
        QVERIFY(main.isVisible());
        QCOMPARE(minimize.MinimizedCount(), 0);
    }

    // The bottom-left pixel's colour is the transparent one, whatever form
    // the picture is kept in; other colours, near ones included, stay.
    void transparentColourShowsWhatLiesBehind()
    {
        QImage rgb(3, 2, QImage::Format_RGB32);
        rgb.fill(qRgb(255, 255, 255));
        rgb.setPixel(1, 0, qRgb(0, 255, 0));
        rgb.setPixel(2, 0, qRgb(254, 255, 255));
        const QList<QRgb> palette{qRgb(255, 255, 255), qRgb(0, 255, 0), qRgb(254, 255, 255)};
        for (const QImage& picture : {rgb, rgb.convertToFormat(QImage::Format_Indexed8, palette)}) {
            QWidget window;
            auto* control = new ImageControl(&window);
            control->setGeometry(0, 0, 3, 2);
            control->SetPicture(picture);
            control->SetTransparent(true);
            const QImage shown = shownOverRed(control, &window);
            QCOMPARE(shown.pixel(0, 0), qRgb(255, 0, 0));
            QCOMPARE(shown.pixel(1, 0), qRgb(0, 255, 0));
            QCOMPARE(shown.pixel(2, 0), qRgb(254, 255, 255));
            QCOMPARE(shown.pixel(0, 1), qRgb(255, 0, 0));
            QCOMPARE(control->Picture(), picture);  // the picture itself is kept as given

            control->SetTransparent(false);
            QCOMPARE(shownOverRed(control, &window).pixel(0, 0), qRgb(255, 255, 255));
        }
    }

    void listLinesTakeTheItemHeight()
    {
        ListBoxControl list(nullptr);
        list.resize(100, 200);
        list.addItems({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
        list.SetItemHeight(23);
        QCOMPARE(list.visualItemRect(list.item(2)).height(), 23);
        QCOMPARE(list.visualItemRect(list.item(2)).top(), 46);
        list.SetItemHeight(-5);  // no height: the font's own again
        QVERIFY(list.visualItemRect(list.item(2)).height() != 23);
    }

    // Right and middle clicks leave the selection alone and fire nothing; a
    // Ctrl+click (or Ctrl+Space) on the selected line keeps it selected; every
    // move of the selection by the user fires, a left drag included.
    void listSelectionFollowsOnlyTheUser()
    {
        ListBoxControl list(nullptr);
        list.resize(100, 200);
        list.SetItemHeight(20);
        list.addItems({QStringLiteral("zero"), QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy clicks(&list, &ListBoxControl::click);
        const auto line = [&list](int row) { return list.visualItemRect(list.item(row)).center(); };
        const auto selected = [&list] {
            const QList<QListWidgetItem*> items = list.selectedItems();
            return items.size() == 1 ? list.row(items[0]) : -1;
        };

        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, line(1));
        QCOMPARE(selected(), 1);
        QCOMPARE(clicks.count(), 1);
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
            QTest::mouseClick(list.viewport(), button, {}, line(2));
            QTest::mouseDClick(list.viewport(), button, {}, line(2));
        }
        QCOMPARE(selected(), 1);
        QCOMPARE(list.currentRow(), 1);
        QCOMPARE(clicks.count(), 1);

        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, line(1));
        QCOMPARE(selected(), 1);
        QCOMPARE(clicks.count(), 2);
        QTest::keyClick(&list, Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(selected(), 1);

        // Pressed on line 1 and dragged over 2 to 3: each new line fires, the release no more.
        QTest::mousePress(list.viewport(), Qt::LeftButton, {}, line(1));
        for (int row : {2, 3}) {
            QMouseEvent move(QEvent::MouseMove, QPointF(line(row)), list.viewport()->mapToGlobal(QPointF(line(row))),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(list.viewport(), &move);
        }
        QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, line(3));
        QCOMPARE(selected(), 3);
        QCOMPARE(clicks.count(), 4);

        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(selected(), 2);
        QCOMPARE(clicks.count(), 5);
        list.setCurrentRow(0);  // the program's own selection fires nothing
        QCOMPARE(clicks.count(), 5);
    }
};

QTEST_MAIN(ControlsTest)
#include "ControlsTest.moc"
