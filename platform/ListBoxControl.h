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

signals:
    void click();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool pressedOnItem_ = false;
};

} // namespace fretlore
