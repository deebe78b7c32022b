#include "application.h"

#include <QMessageBox>

const QString ApplicationTitle = QStringLiteral("QLZ-418 PC Configuration Utility");

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    // No applicationDisplayName: Qt would append it to every window caption.
    setApplicationName(QStringLiteral("qlx418-config"));
    setDesktopFileName(QStringLiteral("qlx418-config"));
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        ShowException(error);
        return false;
    }
}

QString TApplication::ErrorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void TApplication::ShowException(const std::exception &error)
{
    QMessageBox box(QMessageBox::Critical, ApplicationTitle, ErrorBoxText(QString::fromLocal8Bit(error.what())),
                    QMessageBox::Ok);
    box.exec();
}
