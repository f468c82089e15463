#pragma once

#include <QWidget>

namespace fretlore {

// The scrolling credits window, shown when the program is closed.
// A borderless black window, hidden until it is needed and never destroyed.
class TCredits : public QWidget {
    Q_OBJECT
public:
    explicit TCredits(QWidget* parent = nullptr);
};

} // namespace fretlore
