// The editor's start-up exactly as main.cpp runs it, but the event loop quits as soon as it has shown the
// main window. Run it under a profiler, e.g.
//   QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind build/bench/qlx-bench-startup
#include "application.h"
#include "form1.h"
#include "form2.h"

#include <QTimer>

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    Form1 = new TForm1;
    Form2 = new TForm2;
    Form1->show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int status = app.exec();
    delete Form2;
    delete Form1;
    return status;
}
