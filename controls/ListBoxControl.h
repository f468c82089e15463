// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

namespace fretlore {

// A list whose click event fires for every selection the user makes: a left
// click on a line (the selected one included), a move to another line while
// the left button drags, or a keyboard move. Right and middle clicks leave the
// selection alone, and no input takes the selection away from a selected
// line (Ctrl+click or Ctrl+Space on it keeps it). Selections the program
// makes fire nothing.
class ListBoxControl : public QListWidget {
    Q_OBJECT
public:
    explicit ListBoxControl(QWidget* parent);

    // Every line the same height in pixels, whatever its font.
    void SetItemHeight(int pixels);
    int ItemHeight() const { return itemHeight_; }

signals:
    void click();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    bool pressedOnItem_ = false;
    bool firedWhileDragging_ = false;
    int itemHeight_ = 0;  // 0: the font's own height
};

} // namespace fretlore
