// The main window frame: start state, menu, page tabs, window settings, the end of the run and the
// report of errors that no handler took.
#include "application.h"
#include "config_buffer.h"
#include "file_dialog.h"
#include "file_operations.h"
#include "form1.h"
#include "form2.h"
#include "help_memo.h"
#include "test_support.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture = new EditorFixture; }
    void cleanup() { delete fixture; }

    void startState();
    void menu();
    void lastEntryAtRightEnd();
    void tabsShowWithoutScrollArrows();
    void windowIsFixedAndCentred();
    void dialogs();
    void exitEndsRunWithStatusZero_data();
    void exitEndsRunWithStatusZero();
    void errorBoxText_data();
    void errorBoxText();
    void uncaughtErrorIsReportedAndRunGoesOn();

private:
    EditorFixture *fixture = nullptr;
};

void MainWindowTest::startState()
{
    TForm1 *form = Form1;
    QCOMPARE(form->windowTitle(), QStringLiteral("QLX-418 PC Configuration Utility"));
    QCOMPARE(ApplicationTitle, QStringLiteral("QLZ-418 PC Configuration Utility"));
    QVERIFY(std::all_of(ConfigBuffer.bytes(), ConfigBuffer.bytes() + ConfigRecordSize, [](auto b) { return b == 0; }));
    QVERIFY(CurrentFileName.isEmpty());
    QVERIFY(!form->AdvancedOpenSave1->isChecked());
    QVERIFY(form->Memo1->isHidden());
    QCOMPARE(form->Memo1->pos(), QPoint(6, 6));
    QCOMPARE(form->PageControl1->currentIndex(), 0);
    QVERIFY(!form->Timer1->isActive());
    QCOMPARE(form->Timer1->interval(), 5000);
    QVERIFY(Form2 && Form2->isHidden());
}

void MainWindowTest::menu()
{
    TForm1 *form = Form1;
    QStringList top;
    for (QAction *action : form->MainMenu1->actions())
        if (!action->isSeparator())
            top << (action->menu() ? action->menu()->title() : action->text());
    QCOMPARE(top, (QStringList{"File", "About", "Help", "Visit Brennhall Online"}));

    QStringList file;
    for (QAction *action : form->File1->actions())
        file << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(file, (QStringList{"Open", "Save", "Advanced Open / Save", "-", "Exit"}));
    QVERIFY(form->AdvancedOpenSave1->isCheckable());
    for (QAction *action : form->findChildren<QAction *>())
        QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->text()));

    form->AdvancedOpenSave1->trigger();
    QVERIFY(form->AdvancedOpenSave1->isChecked());
    form->AdvancedOpenSave1->trigger();
    QVERIFY(!form->AdvancedOpenSave1->isChecked());
}

void MainWindowTest::lastEntryAtRightEnd()
{
    TForm1 *form = Form1;
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QMenuBar *bar = form->MainMenu1;
    const QRect visit = bar->actionGeometry(form->VisitBrennhallOnline1);
    const QRect help = bar->actionGeometry(form->Help1);
    QVERIFY(visit.isValid());
    // It ends near the bar's right edge, well to the right of the other entries.
    QVERIFY2(bar->width() - visit.right() <= 12, qPrintable(QString::number(bar->width() - visit.right())));
    QVERIFY(visit.left() > help.right() + 20);
}

void MainWindowTest::tabsShowWithoutScrollArrows()
{
    TForm1 *form = Form1;
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QTabBar *tabs = form->PageControl1->tabBar();
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    QCOMPARE(captions, (QStringList{"General", "Installer", "Source Names", "Group Names", "Groups", "Restrictions"}));
    QVERIFY(tabs->tabRect(tabs->count() - 1).right() < tabs->width());
    for (QWidget *child : tabs->findChildren<QWidget *>())
        QVERIFY2(!child->isVisible(), "a tab scroll button is showing");
}

void MainWindowTest::windowIsFixedAndCentred()
{
    TForm1 *form = Form1;
    const Qt::WindowFlags flags = form->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QVERIFY(form->PageControl1->width() >= 385 && form->PageControl1->height() >= 233);
    QCOMPARE(form->PageControl1->pos(), QPoint(8, 8));
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    const QPoint offCentre = form->frameGeometry().center() - form->screen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
}

void MainWindowTest::dialogs()
{
    TForm1 *form = Form1;
    const QString filter = QStringLiteral("Tessora Configuration File (*.cfg);;All Files (*.*)");
    QCOMPARE(form->OpenDialog1->Title, QStringLiteral("Advanced Load"));
    QCOMPARE(form->OpenDialog1->Filter, filter);
    QVERIFY(form->OpenDialog1->DefaultExt.isEmpty());
    QCOMPARE(form->SaveDialog1->Title, QStringLiteral("Advanced Save"));
    QCOMPARE(form->SaveDialog1->Filter, filter);
    QCOMPARE(form->SaveDialog1->DefaultExt, QStringLiteral("cfg"));
}

void MainWindowTest::exitEndsRunWithStatusZero_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<bool>("browserShown");
    QTest::newRow("File > Exit") << true << false;
    QTest::newRow("close button") << false << false;
    QTest::newRow("close button with the browser shown") << false << true;
}

void MainWindowTest::exitEndsRunWithStatusZero()
{
    QFETCH(bool, byMenu);
    QFETCH(bool, browserShown);
    TForm1 *form = Form1;
    form->show();
    if (browserShown)
        Form2->show();
    QTimer::singleShot(0, form, [form, byMenu] {
        if (byMenu)
            form->Exit1->trigger();
        else
            form->close();
    });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!form->isVisible());
}

void MainWindowTest::errorBoxText_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter gets a dot") << "Something failed" << "Something failed.";
    QTest::newRow("dot stays single") << "Done." << "Done.";
    QTest::newRow("closing bracket is below the dot") << "List index out of bounds (-1)" << "List index out of bounds (-1)";
    QTest::newRow("digit is above the dot") << "Error 5" << "Error 5.";
    QTest::newRow("empty") << "" << "";
}

void MainWindowTest::errorBoxText()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(TApplication::ErrorBoxText(message), shown);
}

// A handler that raises an error: the stop-icon box titled with the application title reports it, and
// the next event is handled as usual.
void MainWindowTest::uncaughtErrorIsReportedAndRunGoesOn()
{
    QAction failing;
    QObject::connect(&failing, &QAction::triggered, &failing, Guarded([] { throw std::runtime_error("Out of memory"); }));
    SeenBox seen;
    AnswerNextMessageBox(&seen);
    failing.trigger();
    QCOMPARE(seen.title, QStringLiteral("QLZ-418 PC Configuration Utility"));
    QCOMPARE(seen.text, QStringLiteral("Out of memory."));
    QCOMPARE(seen.icon, int(QMessageBox::Critical));

    // The application object catches what escapes an event handler too.
    class Throwing : public QObject {
    public:
        bool event(QEvent *e) override
        {
            if (e->type() == QEvent::User)
                throw std::runtime_error("Unexpected state");
            return QObject::event(e);
        }
    } target;
    SeenBox second;
    AnswerNextMessageBox(&second);
    QEvent event(QEvent::User);
    QApplication::sendEvent(&target, &event);
    QCOMPARE(second.text, QStringLiteral("Unexpected state."));
    Form1->AdvancedOpenSave1->trigger();
    QVERIFY(Form1->AdvancedOpenSave1->isChecked());
}

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_main_window.moc"
