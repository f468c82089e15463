// SPDX-License-Identifier: GPL-3.0-or-later
// A close right after a list click: the time from the user's click on a line
// to the moment the window handles the close request queued behind it, with
// the program's sound output on the system's sound device. Run it with a
// sound device (tests/flat/null_sink.sh gives one) and, for the loaded
// figure, with busy loops on every core.
// Usage: bench_click_close [runs]
#include "app/MainUnit.h"
#include "controls/ListBoxControl.h"
#include "media/MediaSystem.h"
#include "platform/FontSubstitutes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace fretlore;

namespace {

// Notes when the window is asked to close.
class CloseWatch : public QObject {
public:
    bool closed = false;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Close)
            closed = true;
        return false;
    }
};

void postClick(QWidget* target, const QPoint& at, Qt::MouseButton button)
{
    const QPointF local(at);
    const QPointF global(target->mapToGlobal(at));
    QApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonPress, local, global, button, button, {}));
    QApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonRelease, local, global, button, {}, {}));
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;

    MediaSystem media(true);
    QThread::msleep(500);  // the device opens on the output's thread
    std::printf("sound output: %s\n",
                media.Output().CurrentSink() == AudioOutput::Sink::Device ? "device" : "silent (no device)");
    TForm1 form(&media);
    form.show();
    CloseWatch watch;
    form.installEventFilter(&watch);

    std::vector<double> ms;
    for (int run = 0; run < runs; ++run) {
        const int row = 1 + run % 12;
        const QPoint line = form.ListBox->visualItemRect(form.ListBox->item(row)).center();
        watch.closed = false;
        QElapsedTimer t;
        t.start();
        postClick(form.ListBox->viewport(), line, Qt::LeftButton);
        QApplication::postEvent(&form, new QCloseEvent);
        while (!watch.closed)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
        QThread::msleep(50);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("click then close: median %.1f ms, 90th percentile %.1f ms, worst %.1f ms (%zu runs)\n",
                ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.back(), ms.size());
    return 0;
}
