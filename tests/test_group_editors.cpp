// The group and restriction views driven as a user drives them: mouse clicks on items and check boxes,
// and the keyboard. Every click stores into ConfigBuffer at once and touches no other byte.
#include "config_buffer.h"
#include "file_operations.h"
#include "form1.h"
#include "list_boxes.h"
#include "test_support.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// The check box of a check-list item, where the list's style draws it.
QPoint CheckBoxPoint(TCheckListBox *list, int row)
{
    QListWidgetItem *item = list->item(row);
    QStyleOptionViewItem option;
    option.initFrom(list->viewport());
    option.rect = list->visualItemRect(item);
    option.font = list->font();
    option.fontMetrics = QFontMetrics(list->font());
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.checkState = item->checkState();
    option.text = item->text();
    option.viewItemPosition = QStyleOptionViewItem::OnlyOne;
    const QRect box = list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
    return box.center();
}

// The item's text, well right of its check box.
QPoint TextPoint(QListWidget *list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    return QPoint(rect.left() + rect.width() * 3 / 4, rect.center().y());
}

void ClickItem(QListWidget *list, int row)
{
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, TextPoint(list, row));
}

void ClickCheckBox(TCheckListBox *list, int row)
{
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, CheckBoxPoint(list, row));
}

QByteArray Bytes(const TConfigRecord &record) { return RecordBytes(record); }

QList<int> CheckedRows(TCheckListBox *list)
{
    QList<int> rows;
    for (int i = 0; i < list->count(); ++i) {
        if (list->isChecked(i))
            rows << i;
    }
    return rows;
}

} // namespace

class TestGroupEditors : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorFixture> fixture_;
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;

    TForm1 *form() const { return fixture_->form(); }
    void openRecord(const TConfigRecord &record)
    {
        QVERIFY(WriteBytes(path_, RecordBytes(record)));
        OpenAsBrowser(path_);
    }
    QByteArray save()
    {
        form()->Save1Click();
        return ReadBytes(path_);
    }
    void showPage(QWidget *page)
    {
        form()->PageControl1->setCurrentWidget(page);
        QApplication::processEvents();
    }

private slots:
    void init()
    {
        fixture_ = std::make_unique<EditorFixture>();
        dir_ = std::make_unique<QTemporaryDir>();
        path_ = dir_->filePath(QStringLiteral("g.cfg"));
        form()->show();
        QApplication::setActiveWindow(form());
        QVERIFY(QTest::qWaitForWindowActive(form()));
    }
    void cleanup()
    {
        fixture_.reset();
        dir_.reset();
    }

    // Ticking a zone sets its one bit in the selected group's slot; ticking it again clears it.
    void zoneCheckBoxSetsOneBit_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("zone");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("bit");
        QTest::newRow("Group 3, F6 - 36") << 2 << 35 << 258 << 3;
        QTest::newRow("Group 3, A1 - 01") << 2 << 0 << 254 << 0;
        QTest::newRow("Group 6, F3 - 33") << 5 << 32 << 285 << 0;
        QTest::newRow("Group 2, B3 - 09") << 1 << 8 << 246 << 0;
        QTest::newRow("Group 1, B2 - 08") << 0 << 7 << 236 << 7;
    }
    void zoneCheckBoxSetsOneBit()
    {
        QFETCH(int, group);
        QFETCH(int, zone);
        QFETCH(int, offset);
        QFETCH(int, bit);
        TConfigRecord record = RandomRecord(31);
        record.bytes()[offset] &= std::uint8_t(~(1u << bit));
        openRecord(record);
        showPage(form()->TabSheet5);

        ClickItem(form()->ListBox1, group);
        QCOMPARE(form()->ListBox1->ItemIndex(), group);
        QCOMPARE(Bytes(ConfigBuffer), Bytes(record));
        QVERIFY(!form()->CheckListBox1->isChecked(zone));

        ClickCheckBox(form()->CheckListBox1, zone);
        QVERIFY(form()->CheckListBox1->isChecked(zone));
        QCOMPARE(form()->CheckListBox1->ItemIndex(), zone);
        TConfigRecord expected = record;
        expected.bytes()[offset] |= std::uint8_t(1u << bit);
        QCOMPARE(Bytes(ConfigBuffer), Bytes(expected));

        ClickCheckBox(form()->CheckListBox1, zone);
        QCOMPARE(Bytes(ConfigBuffer), Bytes(record));
    }

    void sourceCheckBoxSetsOneBit()
    {
        TConfigRecord record = RandomRecord(32);
        record.ZoneRestrictions[20] = 0xC0;
        openRecord(record);
        showPage(form()->TabSheet6);
        ClickItem(form()->ListBox2, 20);
        QCOMPARE(CheckedRows(form()->CheckListBox3), QList<int>());

        ClickCheckBox(form()->CheckListBox3, 5);
        TConfigRecord expected = record;
        expected.ZoneRestrictions[20] = 0xE0;
        QCOMPARE(Bytes(ConfigBuffer), Bytes(expected));
        // A click on another source's text stores that source's check alone.
        form()->CheckListBox3->setChecked(1, true);
        form()->CheckListBox3->setChecked(2, true);
        ClickItem(form()->CheckListBox3, 1);
        expected.ZoneRestrictions[20] = 0xE2;
        QCOMPARE(Bytes(ConfigBuffer), Bytes(expected));
    }

    // A click on a zone's text stores the 36 checks as shown: unchanged checks leave the record as it was,
    // a check set from code (and not yet stored) is stored by the next click.
    void zoneTextClickStoresTheChecksAsShown()
    {
        const TConfigRecord record = RandomRecord(33);
        openRecord(record);
        showPage(form()->TabSheet5);
        ClickItem(form()->ListBox1, 3);
        ClickItem(form()->CheckListBox1, 12);
        QTest::keyClick(form()->CheckListBox1, Qt::Key_Down);
        QCOMPARE(form()->CheckListBox1->ItemIndex(), 13);
        QCOMPARE(Bytes(ConfigBuffer), Bytes(record));

        const bool was = form()->CheckListBox1->isChecked(30);
        form()->CheckListBox1->setChecked(30, !was);
        QCOMPARE(Bytes(ConfigBuffer), Bytes(record));
        ClickItem(form()->CheckListBox1, 2);
        QCOMPARE(GetBit(ConfigBuffer.GroupZoneMap[3][3], 6), !was);
    }

    // Reserved bits of a slot and of a zone's restriction byte survive any clicks and the save.
    void reservedBitsSurviveClicksAndSave()
    {
        TConfigRecord record = RandomRecord(34);
        record.GroupZoneMap[3][4] = 0xA5;
        for (int k = 5; k < 9; ++k)
            record.GroupZoneMap[3][k] = std::uint8_t(0x11 * k);
        record.ZoneRestrictions[9] = 0xC3;
        openRecord(record);

        showPage(form()->TabSheet5);
        ClickItem(form()->ListBox1, 3);
        for (int zone : {32, 33, 34, 35, 0, 20})
            ClickCheckBox(form()->CheckListBox1, zone);
        ClickItem(form()->CheckListBox1, 5);
        QTest::keyClick(form()->CheckListBox1, Qt::Key_End);
        showPage(form()->TabSheet6);
        ClickItem(form()->ListBox2, 9);
        for (int source = 0; source < 6; ++source)
            ClickCheckBox(form()->CheckListBox3, source);

        const QByteArray saved = save();
        const TConfigRecord file = RecordFrom(saved);
        QCOMPARE(file.GroupZoneMap[3][4], std::uint8_t(0xAA));  // zones 33 to 36 toggled, bits 4 to 7 kept
        for (int k = 5; k < 9; ++k)
            QCOMPARE(file.GroupZoneMap[3][k], std::uint8_t(0x11 * k));
        QCOMPARE(file.ZoneRestrictions[9], std::uint8_t(0xFC));  // sources toggled, bits 6 and 7 kept
        QCOMPARE(GetBit(file.GroupZoneMap[3][0], 0), !GetBit(record.GroupZoneMap[3][0], 0));
        QCOMPARE(GetBit(file.GroupZoneMap[3][2], 4), !GetBit(record.GroupZoneMap[3][2], 4));
    }

    void groupShowsItsZones()
    {
        TConfigRecord record = RandomRecord(35);
        std::uint8_t onlyB3[9] = {0, 1, 0, 0, 0xF0, 0xFF, 0xFF, 0xFF, 0xFF};
        std::memcpy(record.GroupZoneMap[4], onlyB3, 9);
        openRecord(record);
        showPage(form()->TabSheet5);
        ClickItem(form()->ListBox1, 4);
        QCOMPARE(CheckedRows(form()->CheckListBox1), QList<int>{8});
        QCOMPARE(form()->CheckListBox1->item(8)->text(), QStringLiteral("B3 - 09"));
        QCOMPARE(Bytes(ConfigBuffer), Bytes(record));
    }

    // After an open, group 1 and zone "A1 - 01" are on view; selecting a zone shows its byte.
    void openShowsFirstGroupAndZone()
    {
        TConfigRecord record = RandomRecord(36);
        record.GroupZoneMap[0][0] = 0x81;
        record.GroupZoneMap[0][1] = 0x00;
        record.GroupZoneMap[0][2] = 0x00;
        record.GroupZoneMap[0][3] = 0x02;
        record.GroupZoneMap[0][4] = 0xF8;
        record.ZoneRestrictions[0] = 0xC5;
        openRecord(record);
        QCOMPARE(CheckedRows(form()->CheckListBox1), (QList<int>{0, 7, 25, 35}));
        QCOMPARE(CheckedRows(form()->CheckListBox3), (QList<int>{0, 2}));

        QTest::mouseClick(form()->Button4, Qt::LeftButton);
        QCOMPARE(CheckedRows(form()->CheckListBox1), QList<int>());
        QCOMPARE(CheckedRows(form()->CheckListBox3), QList<int>());
    }

    void zoneSelectionShowsItsRestrictions_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("mouse click") << "mouse";
        QTest::newRow("End key") << "end";
        QTest::newRow("typing F6") << "type";
        QTest::newRow("Page Down to the end") << "pagedown";
    }
    void zoneSelectionShowsItsRestrictions()
    {
        QFETCH(QString, how);
        TConfigRecord record = RandomRecord(37);
        record.ZoneRestrictions[35] = 0x6A;  // sources 2, 4 and 6; bit 6 reserved
        openRecord(record);
        showPage(form()->TabSheet6);
        form()->ListBox2->setFocus();
        if (how == QLatin1String("mouse"))
            ClickItem(form()->ListBox2, 35);
        else if (how == QLatin1String("end"))
            QTest::keyClick(form()->ListBox2, Qt::Key_End);
        else if (how == QLatin1String("type"))
            QTest::keyClicks(form()->ListBox2, QStringLiteral("F6"));
        else
            for (int i = 0; i < 10; ++i)
                QTest::keyClick(form()->ListBox2, Qt::Key_PageDown);
        QCOMPARE(form()->ListBox2->ItemIndex(), 35);
        QCOMPARE(CheckedRows(form()->CheckListBox3), (QList<int>{1, 3, 5}));
        QCOMPARE(Bytes(ConfigBuffer), Bytes(record));
    }

    void groupSelectionByKeyboard()
    {
        TConfigRecord record = RandomRecord(38);
        std::memset(record.GroupZoneMap[1], 0, 5);
        record.GroupZoneMap[1][4] = 0x01;
        openRecord(record);
        showPage(form()->TabSheet5);
        form()->ListBox1->setFocus();
        QTest::keyClick(form()->ListBox1, Qt::Key_Down);
        QCOMPARE(form()->ListBox1->ItemIndex(), 1);
        QCOMPARE(CheckedRows(form()->CheckListBox1), QList<int>{32});
        QTest::keyClick(form()->ListBox1, Qt::Key_Home);
        QCOMPARE(form()->ListBox1->ItemIndex(), 0);
        QTest::keyClick(form()->ListBox1, Qt::Key_PageDown);
        QCOMPARE(form()->ListBox1->ItemIndex(), 5);
        QCOMPARE(Bytes(ConfigBuffer), Bytes(record));
    }

    // The space bar toggles the current item's check and stores it at once.
    void spaceBarStoresTheToggle()
    {
        TConfigRecord record = RandomRecord(39);
        record.ZoneRestrictions[0] = 0x00;
        record.GroupZoneMap[0][1] = 0x00;
        openRecord(record);
        showPage(form()->TabSheet6);
        form()->CheckListBox3->setFocus();
        form()->CheckListBox3->setCurrentRow(3);
        QTest::keyClick(form()->CheckListBox3, Qt::Key_Space);
        QCOMPARE(ConfigBuffer.ZoneRestrictions[0], std::uint8_t(0x08));

        showPage(form()->TabSheet5);
        form()->CheckListBox1->setFocus();
        form()->CheckListBox1->setCurrentRow(10);
        QTest::keyClick(form()->CheckListBox1, Qt::Key_Space);
        QCOMPARE(ConfigBuffer.GroupZoneMap[0][1], std::uint8_t(0x04));
    }

    // Each list raises Click for the user's clicks and keys only: also for the item already selected,
    // never for selections and checks set in code, never for the right button.
    void clickEventsComeFromTheUserOnly()
    {
        QSignalSpy groups(form()->ListBox1, &TListBox::Click);
        QSignalSpy zones(form()->CheckListBox1, &TListBox::Click);
        QSignalSpy restrictions(form()->ListBox2, &TListBox::Click);
        QSignalSpy sources(form()->CheckListBox3, &TListBox::Click);
        openRecord(RandomRecord(40));
        QTest::mouseClick(form()->Button4, Qt::LeftButton);
        form()->CheckListBox1->setChecked(4, true);
        form()->CheckListBox3->setCurrentRow(2);
        QCOMPARE(groups.count() + zones.count() + restrictions.count() + sources.count(), 0);

        showPage(form()->TabSheet5);
        ClickItem(form()->ListBox1, 0);
        QCOMPARE(groups.count(), 1);
        ClickItem(form()->ListBox1, 0);
        QCOMPARE(groups.count(), 2);
        QTest::mouseClick(form()->ListBox1->viewport(), Qt::RightButton, Qt::NoModifier, TextPoint(form()->ListBox1, 3));
        QCOMPARE(groups.count(), 2);
        QCOMPARE(form()->ListBox1->ItemIndex(), 0);
        // Ctrl with a click keeps the item selected (a list box never loses its item to the user).
        QTest::mouseClick(form()->ListBox1->viewport(), Qt::LeftButton, Qt::ControlModifier, TextPoint(form()->ListBox1, 0));
        QCOMPARE(form()->ListBox1->ItemIndex(), 0);
        QCOMPARE(groups.count(), 3);
        QTest::keyClick(form()->ListBox1, Qt::Key_Up);  // already at the top: the selection does not move
        QCOMPARE(groups.count(), 3);
        QTest::keyClick(form()->ListBox1, Qt::Key_Down);
        QCOMPARE(groups.count(), 4);
        QCOMPARE(zones.count() + restrictions.count() + sources.count(), 0);
    }

    // Dragging the selection from one group to another and letting go shows the group then selected,
    // wherever the button is released, so the zone list never shows one group while it edits another.
    void dragToAnotherGroupShowsIt()
    {
        TConfigRecord record = RandomRecord(42);
        std::memset(record.GroupZoneMap[3], 0, 5);
        record.GroupZoneMap[3][0] = 0x02;
        openRecord(record);
        showPage(form()->TabSheet5);
        QListWidget *groups = form()->ListBox1;
        QTest::mousePress(groups->viewport(), Qt::LeftButton, Qt::NoModifier, TextPoint(groups, 0));
        QTest::mouseMove(groups->viewport(), TextPoint(groups, 2));
        QTest::mouseMove(groups->viewport(), TextPoint(groups, 3));
        const QPoint below(TextPoint(groups, 5).x(), groups->viewport()->height() - 2);
        QTest::mouseMove(groups->viewport(), below);
        QTest::mouseRelease(groups->viewport(), Qt::LeftButton, Qt::NoModifier, below);
        QCOMPARE(form()->ListBox1->ItemIndex(), 3);
        QCOMPARE(CheckedRows(form()->CheckListBox1), QList<int>{1});
        QCOMPARE(Bytes(ConfigBuffer), Bytes(record));
    }

    void editsBeforeASaveAreInTheFile()
    {
        const TConfigRecord record = RandomRecord(41);
        openRecord(record);
        showPage(form()->TabSheet5);
        ClickItem(form()->ListBox1, 1);
        ClickCheckBox(form()->CheckListBox1, 17);
        showPage(form()->TabSheet6);
        ClickItem(form()->ListBox2, 17);
        ClickCheckBox(form()->CheckListBox3, 4);
        const TConfigRecord edited = ConfigBuffer;
        const TConfigRecord file = RecordFrom(save());
        QCOMPARE(GetBit(file.GroupZoneMap[1][2], 1), !GetBit(record.GroupZoneMap[1][2], 1));
        QCOMPARE(GetBit(file.ZoneRestrictions[17], 4), !GetBit(record.ZoneRestrictions[17], 4));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(file.GroupZoneMap), 54),
                 QByteArray(reinterpret_cast<const char *>(edited.GroupZoneMap), 54));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(file.ZoneRestrictions), 36),
                 QByteArray(reinterpret_cast<const char *>(edited.ZoneRestrictions), 36));
    }

    // Before anything is opened no group or zone is selected, and clicks in the check lists store nothing.
    void nothingSelectedStoresNothing()
    {
        showPage(form()->TabSheet5);
        for (int zone : {0, 9, 35})
            ClickCheckBox(form()->CheckListBox1, zone);
        QCOMPARE(CheckedRows(form()->CheckListBox1), (QList<int>{0, 9, 35}));
        showPage(form()->TabSheet6);
        ClickCheckBox(form()->CheckListBox3, 2);
        QCOMPARE(Bytes(ConfigBuffer), QByteArray(2048, '\0'));

        showPage(form()->TabSheet5);
        ClickItem(form()->ListBox1, 0);
        QCOMPARE(CheckedRows(form()->CheckListBox1), QList<int>());
        QCOMPARE(Bytes(ConfigBuffer), QByteArray(2048, '\0'));
    }
};

QTEST_MAIN(TestGroupEditors)
#include "test_group_editors.moc"
