// The program's identity on the desktop: the icon every window carries, and the names that tie the
// running program to its installed menu entry (QLX_APP_ID comes from the build's packaging rules).
#include "application.h"
#include "form1.h"
#include "form2.h"
#include "test_support.h"

#include <QImage>
#include <QTest>

class ApplicationIconTest : public QObject {
    Q_OBJECT
private slots:
    void reportsTheInstalledDesktopFileName()
    {
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(QLX_APP_ID));
        // The X11 window class, which the menu entry's StartupWMClass names.
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("qlx418-config"));
    }

    void carriesTheBuiltInIcon()
    {
        const QImage built(QStringLiteral(":/icons/" QLX_APP_ID ".png"));
        QCOMPARE(built.size(), QSize(64, 64));
        // The drawing made it into the picture: a rounded panel, clear in the corners.
        QCOMPARE(qAlpha(built.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(built.pixel(32, 32)), 255);
    }

    void everyWindowShowsTheIcon()
    {
        EditorFixture editor;
        for (QWidget *window : {static_cast<QWidget *>(Form1), static_cast<QWidget *>(Form2)}) {
            const QIcon icon = window->windowIcon();
            QVERIFY2(!icon.isNull(), qPrintable(window->objectName()));
            QVERIFY(!icon.pixmap(QSize(32, 32)).isNull());
            QCOMPARE(icon.cacheKey(), QApplication::windowIcon().cacheKey());
        }
    }
};

// The program's own application object, not the plain one QTEST_MAIN would make.
int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    ApplicationIconTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "application_icon_test.moc"
