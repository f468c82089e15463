#pragma once

#include <QWidget>

namespace fretlore {

// The small window that reports a search that found nothing.
// A borderless black window, hidden until it is needed and never destroyed.
class TFMessage : public QWidget {
    Q_OBJECT
public:
    explicit TFMessage(QWidget* parent = nullptr);
};

} // namespace fretlore
