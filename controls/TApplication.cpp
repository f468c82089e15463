// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TApplication.h"

#include <QMessageBox>

namespace fretlore {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

QString TApplication::ReportText(const QString& message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

void TApplication::ShowException(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, applicationDisplayName(), ReportText(message), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("ErrorReport"));
    box.exec();
}

} // namespace fretlore
