#include "platform/TApplication.h"

#include "platform/EMCIDeviceError.h"

#include <QMessageBox>

namespace fretlore {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const EMCIDeviceError& e) {
        ShowException(e.Message());
    } catch (const std::exception& e) {
        ShowException(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

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
