// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace fretlore {

// Minimizes the whole application: every visible window of the program goes
// down together, and when any one of them comes back (from the task bar or
// the window manager) the others come back with it. Hint balloons and other
// tool windows are left alone.
class ApplicationMinimize : public QObject {
    Q_OBJECT
public:
    explicit ApplicationMinimize(QObject* parent);

    void Minimize();
    // The windows minimized together and not yet restored.
    int MinimizedCount() const { return windows_.size(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Ends watching the group and hands it back.
    QList<QPointer<QWidget>> forget();
    void restoreAll();

    QList<QPointer<QWidget>> windows_;
};

} // namespace fretlore
