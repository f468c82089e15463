#pragma once

#include <QWidget>

namespace fretlore {

// The about window: who made the program and live system information.
// A borderless black window, hidden until it is needed and never destroyed.
class TAbout : public QWidget {
    Q_OBJECT
public:
    explicit TAbout(QWidget* parent = nullptr);
};

} // namespace fretlore
