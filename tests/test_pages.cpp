// The six editor pages: limits and code pages of the edits, the focus order, the lists and the fit of
// every page in the window.
#include "code_page_edit.h"
#include "config_buffer.h"
#include "form1.h"
#include "list_boxes.h"
#include "record_transfer.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cstring>
#include <memory>

class TestPages : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorFixture> fixture_;
    TForm1 *form() const { return fixture_->form(); }
    template <typename T>
    T *named(const QString &name) const
    {
        T *widget = form()->findChild<T *>(name);
        if (!widget)
            qFatal("no %s", qPrintable(name));
        return widget;
    }
    void showForm()
    {
        form()->show();
        QApplication::setActiveWindow(form());
        QVERIFY(QTest::qWaitForWindowActive(form()));
    }

private slots:
    void init() { fixture_ = std::make_unique<EditorFixture>(); }
    void cleanup() { fixture_.reset(); }

    // Each captioned control is found under its name and shows its caption exactly.
    void captionsUnderTheirNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const char *const table[][2] = {
            {"Label1", "Name of Configuration:"}, {"Label26", "Options"},
            {"Button4", "Clear this configuration file"}, {"CheckBox2", "Disable Front Panel"},
            {"CheckBox6", "Restriction Feedback"}, {"CheckBox3", "Disable Front Infrared Receiver"},
            {"CheckBox4", "Display Blanking"}, {"CheckBox1", "Front Panel Infrared Source Control"},
            {"Label28", "Utility Software Version: 1.3"}, {"Label27", "Tessora Firmware Version: 0.0"},
            {"Label11", "Enter Installer Information"}, {"Label13", "Enter Custom Source Names"},
            {"Label3", "#"}, {"Label4", "Short Name"}, {"Label12", "Full Name"},
            {"Label2", "1"}, {"Label6", "2"}, {"Label7", "3"}, {"Label8", "4"}, {"Label9", "5"}, {"Label10", "6"},
            {"Label25", "Enter Custom Group Names"}, {"Label17", "#"}, {"Label18", "Short Name"},
            {"Label24", "Full Name"}, {"Label16", "1"}, {"Label19", "2"}, {"Label20", "3"}, {"Label21", "4"},
            {"Label22", "5"}, {"Label23", "6"}, {"Label5", "Groups"}, {"Label15", "Zones"}, {"Label14", "Main"},
            {"Label29", "Zones"}, {"Label30", "Prohibited Sources"}, {"Label31", "Main"},
        };
        for (const auto &row : table)
            QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
    }
    void captionsUnderTheirNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QCOMPARE(named<QWidget>(name)->property("text").toString(), caption);
    }

    void pagesInOrder()
    {
        const QStringList captions{"General", "Installer", "Source Names", "Group Names", "Groups", "Restrictions"};
        for (int i = 0; i < captions.size(); ++i) {
            QCOMPARE(form()->PageControl1->tabText(i), captions.at(i));
            QCOMPARE(form()->PageControl1->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
        }
        // The edits sit on the pages of their fields, under their names.
        const std::pair<QWidget *, QStringList> pages[] = {
            {form()->TabSheet1, {"Edit1"}},
            {form()->TabSheet2, {"Edit14", "Edit15", "Edit16", "Edit17"}},
            {form()->TabSheet3, {"Edit2", "Edit3", "Edit7", "Edit12", "Edit13"}},
            {form()->TabSheet4, {"Edit18", "Edit19", "Edit25", "Edit28", "Edit29"}},
            {form()->TabSheet5, {"ListBox1", "CheckListBox1", "CheckListBox2", "Bevel1"}},
            {form()->TabSheet6, {"ListBox2", "CheckListBox3", "CheckListBox4", "Bevel2"}}};
        for (const auto &[page, names] : pages) {
            for (const QString &name : names)
                QVERIFY2(page->findChild<QWidget *>(name), qPrintable(name));
        }
        QCOMPARE(named<TEdit>(QStringLiteral("Edit1"))->codePage(), CodePage::Oem437);
        QCOMPARE(named<TEdit>(QStringLiteral("Edit29"))->codePage(), CodePage::Windows1252);
    }

    void editsRefuseCharactersBeyondTheirField_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<int>("width");
        QTest::newRow("configuration name") << "Edit1" << 32;
        QTest::newRow("source short name") << "Edit2" << 4;
        QTest::newRow("source full name") << "Edit13" << 13;
        QTest::newRow("installer line") << "Edit17" << 30;
        QTest::newRow("group short name") << "Edit28" << 4;
        QTest::newRow("group full name") << "Edit19" << 13;
    }
    void editsRefuseCharactersBeyondTheirField()
    {
        QFETCH(QString, edit);
        QFETCH(int, width);
        auto *line = named<TEdit>(edit);
        QTest::keyClicks(line, QString(width, QLatin1Char('k')) + QStringLiteral("XY"));
        QCOMPARE(line->text(), QString(width, QLatin1Char('k')));

        // Text from code or a paste is held to the width too.
        line->setText(QString(width + 5, QLatin1Char('m')));
        QCOMPARE(line->text().size(), width);
        line->clear();
        QApplication::clipboard()->setText(QString(width + 3, QLatin1Char('p')));
        line->paste();
        QCOMPARE(line->text(), QString(width, QLatin1Char('p')));
    }

    void editsAdmitOnlyTheirCodePage_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("character");
        QTest::addColumn<bool>("admitted");
        QTest::newRow("euro sign in a full name") << "Edit3" << QStringLiteral("\u20AC") << true;
        QTest::newRow("euro sign in the configuration name") << "Edit1" << QStringLiteral("\u20AC") << false;
        QTest::newRow("shade block in the configuration name") << "Edit1" << QStringLiteral("\u2591") << true;
        QTest::newRow("shade block in an installer line") << "Edit14" << QStringLiteral("\u2591") << false;
        QTest::newRow("c cedilla in the configuration name") << "Edit1" << QStringLiteral("\u00E7") << true;
        QTest::newRow("snowman in a short name") << "Edit2" << QStringLiteral("\u2603") << false;
        QTest::newRow("cyrillic letter in a group name") << "Edit19" << QStringLiteral("\u0416") << false;
    }
    void editsAdmitOnlyTheirCodePage()
    {
        QFETCH(QString, edit);
        QFETCH(QString, character);
        QFETCH(bool, admitted);
        auto *line = named<TEdit>(edit);

        QTest::sendKeyEvent(QTest::Click, line, Qt::Key_unknown, character, Qt::NoModifier);
        QCOMPARE(line->text(), admitted ? character : QString());

        // A paste that brings such a character is refused as a whole.
        line->setText(QStringLiteral("A"));
        line->end(false);
        QApplication::clipboard()->setText(QStringLiteral("b") + character);
        line->paste();
        QCOMPARE(line->text(), admitted ? QStringLiteral("Ab") + character : QStringLiteral("A"));
    }

    void focusFollowsEachPagesOrder_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("General: left column, then the clear button, the hidden box skipped")
            << 0 << QStringList{"Edit1", "CheckBox2", "CheckBox3", "CheckBox4", "Button4", "CheckBox6"};
        QTest::newRow("Installer") << 1 << QStringList{"Edit14", "Edit15", "Edit16", "Edit17"};
        QStringList sources, groups;
        for (int i = 2; i <= 13; ++i)
            sources << QStringLiteral("Edit%1").arg(i);
        for (int i = 18; i <= 29; ++i)
            groups << QStringLiteral("Edit%1").arg(i);
        QTest::newRow("Source Names: row by row") << 2 << sources;
        QTest::newRow("Group Names: row by row") << 3 << groups;
        QTest::newRow("Groups") << 4 << QStringList{"ListBox1", "CheckListBox1", "CheckListBox2"};
        QTest::newRow("Restrictions") << 5 << QStringList{"ListBox2", "CheckListBox3", "CheckListBox4"};
    }
    void focusFollowsEachPagesOrder()
    {
        QFETCH(int, page);
        QFETCH(QStringList, order);
        showForm();
        form()->PageControl1->setCurrentIndex(page);
        named<QWidget>(order.first())->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
        for (qsizetype i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), order.at(i));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != form()->CheckBox1);
    }

    void listsHoldTheirItemsUncheckedAndUnselected()
    {
        QStringList zones;
        for (int z = 0; z < 36; ++z)
            zones << QStringLiteral("%1%2 - %3").arg(QChar(u'A' + z / 6)).arg(z % 6 + 1).arg(z + 1, 2, 10, QChar(u'0'));
        QCOMPARE(zones.first(), QStringLiteral("A1 - 01"));
        QCOMPARE(zones.last(), QStringLiteral("F6 - 36"));
        const QStringList mains{"01", "02", "03", "04", "05", "06"};
        const struct {
            const char *name;
            QStringList items;
        } lists[] = {{"ListBox1", {"Group 1", "Group 2", "Group 3", "Group 4", "Group 5", "Group 6"}},
                     {"CheckListBox1", zones},
                     {"CheckListBox2", mains},
                     {"ListBox2", zones},
                     {"CheckListBox3", {"Source 1", "Source 2", "Source 3", "Source 4", "Source 5", "Source 6"}},
                     {"CheckListBox4", mains}};
        for (const auto &expected : lists) {
            auto *list = named<TListBox>(QString::fromLatin1(expected.name));
            QStringList items;
            for (int i = 0; i < list->count(); ++i) {
                items << list->item(i)->text();
                if (auto *checks = qobject_cast<TCheckListBox *>(list)) {
                    QVERIFY(!checks->isChecked(i));
                    QVERIFY(list->item(i)->flags() & Qt::ItemIsUserCheckable);
                    QVERIFY(!(list->item(i)->flags() & Qt::ItemIsUserTristate));
                }
            }
            QCOMPARE(items, expected.items);
            QVERIFY(list->selectedItems().isEmpty());
            QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
            QVERIFY(!list->isSortingEnabled());
        }
        // The zone list of the Restrictions page keeps the window font; the other lists are larger.
        QCOMPARE(form()->ListBox2->font().pointSizeF(), form()->font().pointSizeF());
        QVERIFY(form()->CheckListBox1->font().pointSizeF() > form()->font().pointSizeF());
    }

    void startTextsAndTheHiddenOption()
    {
        showForm();
        QCOMPARE(form()->Label28->text(), QStringLiteral("Utility Software Version: 1.3"));
        QCOMPARE(form()->Label27->text(), QStringLiteral("Tessora Firmware Version: 0.0"));
        QCOMPARE(form()->PageControl1->currentWidget(), form()->TabSheet1);
        QVERIFY(!form()->CheckBox1->isVisible());
        QCOMPARE(form()->CheckBox1->text(), QStringLiteral("Front Panel Infrared Source Control"));
        QCOMPARE(form()->Edit1->font(), QFontDatabase::systemFont(QFontDatabase::FixedFont));
        for (QLabel *heading : {form()->Label1, form()->Label26, form()->Label11, form()->Label13, form()->Label25,
                                form()->Label5, form()->Label15, form()->Label14, form()->Label29,
                                form()->Label30, form()->Label31, form()->Label2, form()->Label23})
            QVERIFY2(heading->font().bold(), qPrintable(heading->objectName()));
        QVERIFY(!form()->Label27->font().bold());
    }

    // Every tab caption shows, and every control of every page lies inside its page with its text whole.
    void everyPageFitsTheWindow()
    {
        showForm();
        QVERIFY(!form()->PageControl1->tabBar()->usesScrollButtons());
        const QRect bar = form()->PageControl1->tabBar()->rect();
        for (int i = 0; i < form()->PageControl1->count(); ++i)
            QVERIFY(bar.contains(form()->PageControl1->tabBar()->tabRect(i)));
        QCOMPARE(form()->minimumSize(), form()->maximumSize());

        for (int i = 0; i < form()->PageControl1->count(); ++i) {
            form()->PageControl1->setCurrentIndex(i);
            QWidget *page = form()->PageControl1->widget(i);
            QApplication::processEvents();
            for (QWidget *child : page->findChildren<QWidget *>()) {
                if (!child->isVisible() || child->parentWidget() == nullptr
                    || qobject_cast<QListWidget *>(child->parentWidget()) || child->objectName().isEmpty())
                    continue;
                const QRect inPage(child->mapTo(page, QPoint(0, 0)), child->size());
                QVERIFY2(page->rect().contains(inPage), qPrintable(child->objectName()));
                if (qobject_cast<QLabel *>(child) || qobject_cast<QAbstractButton *>(child))
                    QVERIFY2(child->width() >= child->sizeHint().width()
                                 && child->height() >= child->sizeHint().height(),
                             qPrintable(child->objectName()));
            }
        }
        // The short lists show all six items without scrolling.
        const std::pair<QWidget *, QListWidget *> shortLists[] = {
            {form()->TabSheet5, form()->ListBox1}, {form()->TabSheet5, form()->CheckListBox2},
            {form()->TabSheet6, form()->CheckListBox3}, {form()->TabSheet6, form()->CheckListBox4}};
        for (const auto &[page, list] : shortLists) {
            form()->PageControl1->setCurrentWidget(page);
            QApplication::processEvents();
            QVERIFY2(list->viewport()->rect().contains(list->visualItemRect(list->item(5))),
                     qPrintable(list->objectName()));
        }
    }

    // The firmware label is right-aligned: a longer version text keeps its right edge where it was.
    void firmwareLabelKeepsItsRightEdge()
    {
        showForm();
        const int right = form()->Label27->mapTo(form(), form()->Label27->rect().topRight()).x();
        TConfigRecord record = RandomRecord(5);
        std::memcpy(record.FirmwareVersion, "9999", 4);
        ConfigBuffer = record;
        ConfigToForm();
        QApplication::processEvents();
        QCOMPARE(form()->Label27->text(), QStringLiteral("Tessora Firmware Version: 99.99"));
        QCOMPARE(form()->Label27->mapTo(form(), form()->Label27->rect().topRight()).x(), right);
        QVERIFY(form()->Label27->width() >= form()->Label27->sizeHint().width());
        QVERIFY(form()->Label27->alignment() & Qt::AlignRight);
    }
};

QTEST_MAIN(TestPages)
#include "test_pages.moc"
