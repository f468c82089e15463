#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

class QWidget;

namespace fretlore {

// Keeps a shown window that stands outside the window manager's stacking
// (override-redirect) above every other window of the X server: whenever
// another window is restacked or mapped, it goes back on top, as a window
// manager does for its "above" state. X11 only; elsewhere it does nothing.
class KeepOnTop : public QObject, public QAbstractNativeEventFilter {
public:
    explicit KeepOnTop(QWidget* window);
    ~KeepOnTop() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    QWidget* window_;
    quint32 root_ = 0;
    quint32 rootMask_ = 0;  // what the program asked of the root before
    bool watching_ = false;
};

} // namespace fretlore
