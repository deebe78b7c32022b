#include "form1.h"

#include "application.h"
#include "file_dialog.h"
#include "file_operations.h"
#include "help_memo.h"
#include "help_text.h"
#include "list_boxes.h"
#include "menu_bar_style.h"
#include "web_address.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

TForm1 *Form1 = nullptr;

namespace {
const QString Caption = QStringLiteral("QLX-418 PC Configuration Utility");
const QString FileFilter = QStringLiteral("Tessora Configuration File (*.cfg);;All Files (*.*)");

// The design sizes, in pixels at 96 dpi; the window grows beyond them where the platform's fonts need it.
constexpr QSize PageControlDesignSize(385, 233);
constexpr int PageControlMargin = 8;
constexpr int MemoMargin = 6;
} // namespace

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Caption);
    setAttribute(Qt::WA_AlwaysShowToolTips);
    CreateFrame();
    CreateMenu();
    CreatePages();
    ConnectEvents();
    FormCreate();
    FitToContent();
}

TForm1::~TForm1() = default;

void TForm1::CreateFrame()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);

    PageControl1 = new QTabWidget(client);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->tabBar()->setUsesScrollButtons(false);
    PageControl1->tabBar()->setExpanding(false);

    Memo1 = new THelpMemo(client);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5000);
    Timer1->setSingleShot(false);  // Timer1Timer stops it, so that it fires once
    Timer1->setTimerType(Qt::PreciseTimer);

    OpenDialog1 = new TFileDialog(this, QFileDialog::AcceptOpen, QStringLiteral("Advanced Load"));
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1->Filter = FileFilter;

    SaveDialog1 = new TFileDialog(this, QFileDialog::AcceptSave, QStringLiteral("Advanced Save"));
    SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
    SaveDialog1->Filter = FileFilter;
    SaveDialog1->DefaultExt = QStringLiteral("cfg");
}

void TForm1::CreateMenu()
{
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setNativeMenuBar(false);

    File1 = MainMenu1->addMenu(QStringLiteral("File"));
    File1->setObjectName(QStringLiteral("File1"));
    Load1 = File1->addAction(QStringLiteral("Open"));
    Save1 = File1->addAction(QStringLiteral("Save"));
    AdvancedOpenSave1 = File1->addAction(QStringLiteral("Advanced Open / Save"));
    AdvancedOpenSave1->setCheckable(true);
    AdvancedOpenSave1->setChecked(false);
    N1 = File1->addSeparator();
    Exit1 = File1->addAction(QStringLiteral("Exit"));

    About1 = MainMenu1->addAction(QStringLiteral("About"));
    Help1 = MainMenu1->addAction(QStringLiteral("Help"));
    VisitBrennhallOnline1 = new QAction(QStringLiteral("Visit Brennhall Online"), MainMenu1);
    VisitBrennhallOnline1->setStatusTip(WebLinkHint);
    VisitBrennhallOnline1->setToolTip(WebLinkHint);

    const struct {
        QAction *action;
        const char *name;
    } named[] = {{Load1, "Load1"}, {Save1, "Save1"}, {AdvancedOpenSave1, "AdvancedOpenSave1"}, {N1, "N1"},
                 {Exit1, "Exit1"}, {About1, "About1"}, {Help1, "Help1"},
                 {VisitBrennhallOnline1, "VisitBrennhallOnline1"}};
    for (const auto &entry : named)
        entry.action->setObjectName(QString::fromLatin1(entry.name));
}

void TForm1::CreatePages()
{
    CreateGeneralPage();
    CreateInstallerPage();
    CreateSourceNamesPage();
    CreateGroupNamesPage();
    CreateGroupsPage();
    CreateRestrictionsPage();
    PageControl1->setCurrentIndex(0);
}

void TForm1::ConnectEvents()
{
    connect(Load1, &QAction::triggered, this, Guarded([this] { Load1Click(); }));
    connect(Save1, &QAction::triggered, this, Guarded([this] { Save1Click(); }));
    connect(AdvancedOpenSave1, &QAction::triggered, this, Guarded([this] { AdvancedOpenSave1Click(); }));
    connect(Exit1, &QAction::triggered, this, Guarded([this] { Exit1Click(); }));
    connect(About1, &QAction::triggered, this, Guarded([this] { About1Click(); }));
    connect(Help1, &QAction::triggered, this, Guarded([this] { Help1Click(); }));
    connect(VisitBrennhallOnline1, &QAction::triggered, this, Guarded([this] { VisitBrennhallOnline1Click(); }));
    connect(Memo1, &THelpMemo::Click, this, Guarded([this] { Memo1Click(); }));
    connect(Timer1, &QTimer::timeout, this, Guarded([this] { Timer1Timer(); }));
    ConnectPageEvents();
}

void TForm1::FormCreate()
{
    RightJustifyLastMenuEntry();
    Memo1->move(MemoMargin, MemoMargin);
}

// The entries after a separator stand at the right-hand end of the bar (see TMenuBarStyle). The entry is
// re-added after every caption change so that it is back at the right end whatever the bar rebuilt.
void TForm1::RightJustifyLastMenuEntry()
{
    if (!MainMenu1->style()->inherits("TMenuBarStyle")) {
        auto *style = new TMenuBarStyle;
        style->setParent(MainMenu1);
        MainMenu1->setStyle(style);
    }
    MainMenu1->removeAction(VisitBrennhallOnline1);
    static const char *const separatorName = "RightJustifySeparator";
    QAction *separator = MainMenu1->findChild<QAction *>(QString::fromLatin1(separatorName));
    if (separator)
        MainMenu1->removeAction(separator);
    else {
        separator = new QAction(MainMenu1);
        separator->setSeparator(true);
        separator->setObjectName(QString::fromLatin1(separatorName));
    }
    MainMenu1->addAction(separator);
    MainMenu1->addAction(VisitBrennhallOnline1);
}

void TForm1::FitToContent()
{
    // The page control keeps its design size unless the tab captions or a page's controls need more.
    QSize pages = PageControlDesignSize;
    pages.setWidth(qMax(pages.width(), PageControl1->tabBar()->sizeHint().width() + 4));
    pages = pages.expandedTo(PageControl1->minimumSizeHint());
    for (int i = 0; i < PageControl1->count(); ++i) {
        const QRect used = PageControl1->widget(i)->childrenRect();
        const QSize frame = PageControl1->size() - PageControl1->widget(i)->size();
        pages = pages.expandedTo(QSize(used.right() + 8, used.bottom() + 8) + frame);
    }
    // The help box covers the pages with 2 pixels to spare on each side; make room for its longest line
    // so that no line of the help text wraps.
    const int spare = PageControlMargin - MemoMargin;
    pages.setWidth(qMax(pages.width(), HelpBoxWidthForText() - 2 * spare));
    PageControl1->setGeometry(PageControlMargin, PageControlMargin, pages.width(), pages.height());
    Memo1->setGeometry(MemoMargin, MemoMargin, pages.width() + 2 * spare, pages.height() + 2 * spare);
    const QSize client(pages.width() + 2 * PageControlMargin, pages.height() + 2 * PageControlMargin);
    centralWidget()->setFixedSize(client);
    setFixedSize(client.width(), client.height() + MainMenu1->sizeHint().height());
}

int TForm1::HelpBoxWidthForText() const
{
    // The sum of the characters' advances (no kerning, so never narrower than the drawn line): shaping
    // every line of the help would cost a noticeable part of the start-up.
    const QFontMetrics metrics(Memo1->font());
    QHash<QChar, int> advances;
    int widest = 0;
    for (const QString &line : HelpText().split(QLatin1Char('\n'))) {
        int width = 0;
        for (const QChar character : line) {
            auto known = advances.constFind(character);
            if (known == advances.constEnd())
                known = advances.insert(character, metrics.horizontalAdvance(character));
            width += *known;
        }
        widest = qMax(widest, width);
    }
    const int margins = 2 * int(Memo1->document()->documentMargin()) + 2 * Memo1->frameWidth()
        + Memo1->verticalScrollBar()->sizeHint().width() + metrics.averageCharWidth();
    return widest + margins;
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!centred_) {
        centred_ = true;
        if (const QScreen *display = screen())
            move(display->availableGeometry().center() - frameGeometry().center() + pos());
    }
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the run at once, also while the browser is shown.
    event->accept();
    QCoreApplication::quit();
}

void TForm1::Exit1Click() { close(); }
