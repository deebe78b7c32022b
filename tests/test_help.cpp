// The help panel over the pages, the help text's layout, the About box and the web link.
#include "form1.h"
#include "help_memo.h"
#include "help_text.h"
#include "test_support.h"
#include "web_address.h"

#include <QAction>
#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>

namespace {

// Records every address handed to the desktop services instead of starting a browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

// Splits the help text into its sections at the runs of two or more empty lines; returns the runs' lengths.
QList<QStringList> Sections(const QStringList &lines, QList<int> *gaps)
{
    QList<QStringList> sections(1);
    for (qsizetype i = 0; i < lines.size();) {
        qsizetype run = 0;
        while (i + run < lines.size() && lines[i + run].isEmpty())
            ++run;
        if (run >= 2) {
            gaps->append(int(run));
            sections.append(QStringList());
        } else if (run == 1) {
            sections.last().append(QString());
        } else {
            sections.last().append(lines[i]);
            run = 1;
        }
        i += run;
    }
    return sections;
}

// The first line of each topic of a page section: the line after the underline (and after the empty line
// that GENERAL has there), and each line after a single empty line.
QStringList SubHeadings(const QStringList &section)
{
    QStringList headings;
    qsizetype first = section.value(2).isEmpty() ? 3 : 2;
    for (qsizetype i = first; i < section.size(); ++i)
        if (i == first || section[i - 1].isEmpty())
            headings << section[i];
    return headings;
}

enum class HelpInput { ClickInText, ClickOnScrollBar, WheelInText, PageDownKey };

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private:
    void ShowWindow(TForm1 *form)
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    // The web entry stands right of every other entry, and the bar's free room lies to its left.
    void CheckWebEntryAtRightEnd(TForm1 *form)
    {
        QMenuBar *bar = form->MainMenu1;
        const QRect web = bar->actionGeometry(form->VisitBrennhallOnline1);
        QVERIFY(web.isValid());
        QCOMPARE(form->VisitBrennhallOnline1->text(), QStringLiteral("Visit Brennhall Online"));
        int othersRight = 0;
        for (QAction *entry : {form->File1->menuAction(), form->About1, form->Help1}) {
            const QRect geometry = bar->actionGeometry(entry);
            QVERIFY(geometry.isValid());
            othersRight = qMax(othersRight, geometry.right());
        }
        QVERIFY(web.left() > othersRight);
        QVERIFY(web.right() <= bar->rect().right());
        QVERIFY2(bar->rect().right() - web.right() < web.left() - othersRight,
                 "the web entry is not at the right-hand end of the bar");
    }

private slots:
    void helpTwiceReturnsToPages()
    {
        EditorFixture fixture;
        TForm1 *form = fixture.form();
        ShowWindow(form);
        CheckWebEntryAtRightEnd(form);
        if (QTest::currentTestFailed())
            return;

        form->Help1->trigger();
        QVERIFY(form->Memo1->isVisible());
        QCOMPARE(form->Help1->text(), QStringLiteral("Close Help"));
        // The help covers the page control and is in front of it.
        QVERIFY(form->Memo1->geometry().contains(form->PageControl1->geometry()));
        QWidget *front = form->centralWidget()->childAt(form->PageControl1->geometry().center());
        QVERIFY(front == form->Memo1 || form->Memo1->isAncestorOf(front));
        CheckWebEntryAtRightEnd(form);
        if (QTest::currentTestFailed())
            return;

        form->Help1->trigger();
        QVERIFY(form->Memo1->isHidden());
        QVERIFY(form->PageControl1->isVisible());
        QCOMPARE(form->Help1->text(), QStringLiteral("Help"));
        CheckWebEntryAtRightEnd(form);
    }

    void helpTakesFocusWhenShown()
    {
        EditorFixture fixture;
        TForm1 *form = fixture.form();
        ShowWindow(form);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QVERIFY(!form->Memo1->hasFocus());
        form->Help1Click();
        QVERIFY(form->Memo1->hasFocus());
    }

    void clickClosesHelpScrollingDoesNot_data()
    {
        QTest::addColumn<HelpInput>("input");
        QTest::addColumn<bool>("closes");
        QTest::newRow("left click in the text") << HelpInput::ClickInText << true;
        QTest::newRow("click on the scroll bar") << HelpInput::ClickOnScrollBar << false;
        QTest::newRow("mouse wheel over the text") << HelpInput::WheelInText << false;
        QTest::newRow("Page Down key") << HelpInput::PageDownKey << false;
    }

    void clickClosesHelpScrollingDoesNot()
    {
        QFETCH(HelpInput, input);
        QFETCH(bool, closes);
        EditorFixture fixture;
        TForm1 *form = fixture.form();
        ShowWindow(form);
        form->Help1Click();
        THelpMemo *memo = form->Memo1;
        QScrollBar *scrollBar = memo->verticalScrollBar();
        QVERIFY(scrollBar->maximum() > 0);
        QCOMPARE(scrollBar->value(), 0);

        switch (input) {
        case HelpInput::ClickInText:
            QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, memo->viewport()->rect().center());
            break;
        case HelpInput::ClickOnScrollBar:
            // Below the handle, in the groove.
            QTest::mouseClick(scrollBar, Qt::LeftButton, {},
                              QPoint(scrollBar->width() / 2, scrollBar->height() * 3 / 4));
            break;
        case HelpInput::WheelInText: {
            const QPointF at = memo->viewport()->rect().center();
            QWheelEvent wheel(at, memo->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(memo->viewport(), &wheel);
            break;
        }
        case HelpInput::PageDownKey:
            QTest::keyClick(memo, Qt::Key_PageDown);
            break;
        }

        QCOMPARE(memo->isHidden(), closes);
        QCOMPARE(form->Help1->text(), closes ? QStringLiteral("Help") : QStringLiteral("Close Help"));
        if (!closes)
            QVERIFY2(scrollBar->value() > 0, "the input did not scroll the help text");
    }

    void openingAFileKeepsHelpInFront()
    {
        EditorFixture fixture;
        TForm1 *form = fixture.form();
        ShowWindow(form);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("shown.cfg"));
        QVERIFY(WriteBytes(path, RecordBytes(RandomRecord(7))));

        form->Help1Click();
        form->OpenConfig(path);
        QCOMPARE(form->windowTitle(), QStringLiteral("Editing: shown.cfg"));
        QVERIFY(form->Memo1->isVisible());
        QCOMPARE(form->Help1->text(), QStringLiteral("Close Help"));
        QWidget *front = form->centralWidget()->childAt(form->PageControl1->geometry().center());
        QVERIFY(front == form->Memo1 || form->Memo1->isAncestorOf(front));
    }

    void helpTextLayout()
    {
        EditorFixture fixture;
        TForm1 *form = fixture.form();
        const QString text = HelpText();
        form->Help1Click();
        QCOMPARE(form->Memo1->toPlainText(), text);

        const QStringList lines = text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 156);
        for (qsizetype i = 0; i < lines.size(); ++i)
            QVERIFY2(lines[i].size() <= 81, qPrintable(QStringLiteral("line %1 is too long").arg(i + 1)));

        QList<int> gaps;
        const QList<QStringList> sections = Sections(lines, &gaps);
        QCOMPARE(sections.size(), 13);
        QCOMPARE(gaps.first(), 2);
        for (qsizetype i = 1; i < gaps.size(); ++i)
            QCOMPARE(gaps[i], 3);

        // Headings in order; the title and the page sections (the tab captions in capitals) are underlined.
        QStringList pageHeadings;
        for (int i = 0; i < form->PageControl1->count(); ++i)
            pageHeadings << form->PageControl1->tabText(i).toUpper();
        QCOMPARE(pageHeadings.size(), 6);
        const QStringList headings =
            QStringList{QStringLiteral("QLX-418 PC Configuration Utility Help"),
                        QStringLiteral("How to Use This Utility"), QStringLiteral("Title Bar")}
            + pageHeadings
            + QStringList{QStringLiteral("About"), QStringLiteral("Saving Configuration Files"),
                          QStringLiteral("Enable Advanced Open / Save Functionality")};
        const QString underline(54, QLatin1Char('='));
        for (qsizetype i = 0; i < headings.size(); ++i) {
            const QStringList &section = sections[i];
            QCOMPARE(section.first(), headings[i]);
            const bool underlined = i == 0 || pageHeadings.contains(headings[i]);
            if (underlined) {
                QCOMPARE(section.value(1), underline);
            } else {
                QVERIFY(headings[i] != headings[i].toUpper());
                QVERIFY(section.value(1).isEmpty());
            }
        }

        // The opening block: the compatibility lines.
        const QStringList &opening = sections[0];
        QCOMPARE(opening.size(), 4);
        QVERIFY(opening[2].contains(QStringLiteral("1.3")) && opening[2].contains(QStringLiteral("1.0")));
        QVERIFY(opening[3].contains(QStringLiteral("QLX-208")) && opening[3].contains(QStringLiteral("QLX-416")));

        // Only GENERAL has an empty line under its underline; each topic starts with its sub-heading.
        QVERIFY(sections[3].value(2).isEmpty());
        for (int page = 4; page < 9; ++page)
            QVERIFY(!sections[page].value(2).isEmpty());
        const QList<QStringList> topics = {
            {QStringLiteral("Name of Configuration"), QStringLiteral("Clear this configuration file"),
             QStringLiteral("Disable Front Panel"), QStringLiteral("Disable Front Infrared Receiver"),
             QStringLiteral("Display Blanking"), QStringLiteral("Restriction Feedback")},
            {QStringLiteral("Enter Installer Information")},
            {QStringLiteral("Enter Custom Source Names")},
            {QStringLiteral("Enter Custom Group Names")},
            {QStringLiteral("Assign Remote Groups")},
            {QStringLiteral("Assign Permanent Source Restrictions")}};
        for (int page = 0; page < 6; ++page)
            QCOMPARE(SubHeadings(sections[3 + page]), topics[page]);

        // The closing support paragraph, and the download address, which is the web link's.
        const QStringList &support = sections.last();
        QCOMPARE(support.size(), 3);
        const QString closing = support.join(QLatin1Char(' '));
        for (const char *fact : {"Brennhall Technical Support", "+1 555 0100", "support@brennhall.com"})
            QVERIFY2(closing.contains(QString::fromLatin1(fact)), fact);
        QVERIFY(sections[1].contains(BrennhallWebAddress));
    }

    // Every line of the text fits the box in the window font, so the hard breaks are the only ones.
    void helpTextShowsUnwrapped()
    {
        EditorFixture fixture;
        TForm1 *form = fixture.form();
        ShowWindow(form);
        form->Help1Click();
        QTextDocument *document = form->Memo1->document();
        QStringList wrappedText;
        QStringList wrappedUnderlines;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            document->documentLayout()->blockBoundingRect(block);
            if (block.layout()->lineCount() == 1)
                continue;
            const QString line = QStringLiteral("%1: %2").arg(block.blockNumber() + 1).arg(block.text());
            (block.text().startsWith(QLatin1Char('=')) ? wrappedUnderlines : wrappedText) << line;
        }
        QCOMPARE(wrappedText, QStringList());
        QCOMPARE(wrappedUnderlines, QStringList());
    }

    void aboutBoxShowsThreeLines()
    {
        EditorFixture fixture;
        TForm1 *form = fixture.form();
        ShowWindow(form);
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QList<QAbstractButton *> buttons;
        QMessageBox::StandardButtons standard;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            poll.stop();
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons();
            standard = box->standardButtons();
            box->accept();
        });
        poll.start();
        form->About1->trigger();
        QVERIFY(!poll.isActive());
        QCOMPARE(title, QStringLiteral("Information"));
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(text.split(QLatin1Char('\n')),
                 QStringList({QStringLiteral("Version 1.3"), QStringLiteral("QLX-418 PC Configuration Utility"),
                              QStringLiteral("Copyright (c) 2004-2006 Brennhall Inc. All rights reserved.")}));
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(standard, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void webEntryOpensAddressOncePerSelection()
    {
        EditorFixture fixture;
        TForm1 *form = fixture.form();
        ShowWindow(form);
        QAction *web = form->VisitBrennhallOnline1;
        QCOMPARE(web->statusTip(), QStringLiteral("Click here to visit https://www.brennhall.com/"));
        QCOMPARE(web->toolTip(), web->statusTip());

        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        const QString title = form->windowTitle();

        web->trigger();
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl(BrennhallWebAddress)});

        // A click on the entry in the bar is one selection too.
        QTest::mouseClick(form->MainMenu1, Qt::LeftButton, {}, form->MainMenu1->actionGeometry(web).center());
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.urls, QList<QUrl>(2, QUrl(BrennhallWebAddress)));
        QCOMPARE(form->windowTitle(), title);
        QVERIFY(form->Memo1->isHidden());
        QCOMPARE(form->Help1->text(), QStringLiteral("Help"));
    }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
