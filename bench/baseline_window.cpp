// The start-up baseline: an empty main window holding an empty tab widget, nothing else.
//   --with-text     adds one tab caption and one menu: the first text a window shows makes Qt load the
//                   system's font configuration, which any program with text pays for
//   --quit-at-once  ends the event loop as soon as it runs, for comparing under a profiler with
//                   qlx-bench-startup
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>
#include <QTimer>

#include <cstring>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Start-up baseline"));
    auto *tabs = new QTabWidget(&window);
    window.setCentralWidget(tabs);
    bool quitAtOnce = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quit-at-once") == 0)
            quitAtOnce = true;
        if (std::strcmp(argv[i], "--with-text") == 0) {
            tabs->addTab(new QWidget, QStringLiteral("General"));
            window.menuBar()->addMenu(QStringLiteral("File"));
        }
    }
    window.show();
    if (quitAtOnce)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
