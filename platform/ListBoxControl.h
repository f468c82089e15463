#pragma once

#include <QListWidget>

namespace fretlore {

// A list whose click event fires for every selection the user makes: a mouse
// click on a line (the selected one included) or a keyboard move to another
// line. Selections the program makes fire nothing.
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
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool pressedOnItem_ = false;
    int itemHeight_ = 0;  // 0: the font's own height
};

} // namespace fretlore
