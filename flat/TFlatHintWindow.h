// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TColor.h"

#include <QFont>
#include <QString>
#include <QWidget>

namespace fretlore {

class TFlatHint;

// The colours of a hint, kept as given and resolved when it paints.
struct THintColors {
    TColor Background = clWhite;
    TColor Border = clBlack;
    TColor ArrowBackground = FlatHintArrowBack;
    TColor Arrow = clBlack;
    TColor Font = clBlack;
};

// The borderless pop-up that shows one hint: a one-pixel outline around the
// text area and, on the side facing the mouse cursor, a 14-pixel band with a
// small arrow pointing at the cursor. It opens from the cursor toward the
// middle of the screen, so it always stays on the screen's busier side.
class TFlatHintWindow : public QWidget {
    Q_OBJECT
public:
    TFlatHintWindow();

    // Where the box lies from the cursor: 0 below left (cursor in the top-right
    // quarter of the screen), 1 below right (top-left), 2 above left
    // (bottom-right), 3 above right (bottom-left).
    int HintPlacement() const { return placement_; }
    // The arrow's head in client coordinates, in the band's corner nearest the cursor.
    QPoint ArrowCorner() const;
    QRect Band() const;
    QRect TextArea() const;

    // The box for `text` in `hint`'s font and width limit: the word-wrapped
    // text ("&" shown as itself) plus 22 pixels across and 6 down.
    static QSize BoxSize(const QString& text, const QFont& font, int maxHintWidth);
    // The placement for a cursor on a screen (quarters split at integer halves).
    static int PlacementFor(const QPoint& cursor, const QRect& screen);
    // The box's screen rectangle for a placement.
    static QRect BoxRect(int placement, const QPoint& cursor, const QSize& box);

    // Takes the colours, font and width limit of `hint` (defaults without
    // one), sizes and places itself by `cursor` on `screen` and shows itself
    // on top without taking the focus.
    void ActivateHint(const QString& text, const TFlatHint* hint, const QPoint& cursor, const QRect& screen);

    QString Text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString text_;
    int placement_ = 1;
    THintColors colors_;
};

} // namespace fretlore
