// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for the tests of the program's windows and controls: the colours a
// screenshot shows, the mouse over a control, windows to put controls on, and
// counting what a window paints.
#include <QColor>
#include <QEvent>
#include <QImage>
#include <QObject>
#include <QPalette>
#include <QTest>
#include <QWidget>

namespace windowtest {

// The program's lime and black as a screenshot reads them.
inline const QColor kLime(0, 255, 0);
inline const QColor kBlack(0, 0, 0);

// Moves the mouse (no button held) to `p` in `w`: the cursor really moves,
// even when a previous test left it at that very point.
inline void hover(QWidget* w, const QPoint& p)
{
    QTest::mouseMove(w, p + QPoint(1, 1));
    QTest::mouseMove(w, p);
}

// Shows `w` and waits until it is the active window.
inline void showActive(QWidget& w)
{
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

// Fills `w`'s background with `c`, as the program's windows fill theirs.
inline void setWindowColour(QWidget& w, const QColor& c)
{
    QPalette pal = w.palette();
    pal.setColor(QPalette::Window, c);
    w.setPalette(pal);
    w.setAutoFillBackground(true);
}

// How many pixels of `area` in `img` are exactly `c`.
inline int countPixels(const QImage& img, const QRect& area, const QColor& c)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += img.pixelColor(x, y) == c;
    return n;
}

// Counts the paint events `watched` receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* watched) { watched->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace windowtest
