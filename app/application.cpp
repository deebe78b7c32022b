#include "application.h"

#include <QIcon>
#include <QMessageBox>

const QString ApplicationTitle = QStringLiteral("QLZ-418 PC Configuration Utility");
const QString ApplicationId = QStringLiteral("com.brennhall.qlx418config");

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    // No applicationDisplayName: Qt would append it to every window caption.
    // The application name is also the X11 window class, which the menu entry's StartupWMClass names;
    // the desktop file name is the Wayland app id and the name of the installed menu entry.
    setApplicationName(QStringLiteral("qlx418-config"));
    setDesktopFileName(ApplicationId);
    setWindowIcon(ApplicationIcon());
}

QIcon TApplication::ApplicationIcon()
{
    // The copy built into the program: the same drawing as the installed theme icon, without a theme
    // lookup at start. The desktop's menu and task list take the installed icon through the desktop file.
    return QIcon(QStringLiteral(":/icons/%1.png").arg(ApplicationId));
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
