// The application object: its title, and the report of errors that no handler took.
#pragma once

#include <QApplication>
#include <QIcon>
#include <exception>

extern const QString ApplicationTitle;
// The reverse-DNS id under which the menu entry, the metadata and the icon are installed.
extern const QString ApplicationId;

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // The icon of every window of the program.
    static QIcon ApplicationIcon();

    // The stop-icon box titled with the application title; the program carries on.
    static void ShowException(const std::exception &error);
    // The message as the box shows it: a "." is added when the last character's code is above ".".
    static QString ErrorBoxText(const QString &message);
};

// Wraps a handler so that an error it raises reaches the application's report instead of the event loop.
template <typename Handler>
auto Guarded(Handler handler)
{
    return [handler](auto &&...) {
        try {
            handler();
        } catch (const std::exception &error) {
            TApplication::ShowException(error);
        }
    };
}
