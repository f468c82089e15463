// SPDX-License-Identifier: GPL-3.0-or-later
// A bare Qt window of the splash's size: the yardstick for start-up time.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("Bare window"));
    w.resize(165, 480);
    w.show();
    return QApplication::exec();
}
