// The painted controls that stand in for the platform's: pictures drawn with
// a transparent colour, and list boxes with a fixed line height.
#include "platform/ApplicationMinimize.h"
#include "platform/ImageControl.h"
#include "platform/ListBoxControl.h"

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
};

QTEST_MAIN(ControlsTest)
#include "ControlsTest.moc"
