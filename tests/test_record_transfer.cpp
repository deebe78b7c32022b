// Moving the record between the file and the pages: the text rules, the version labels, the option and
// Main bits, Clear, and the bytes a plain open-and-save must leave exactly as read.
#include "code_page_edit.h"
#include "config_buffer.h"
#include "file_operations.h"
#include "form1.h"
#include "list_boxes.h"
#include "record_transfer.h"
#include "test_support.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <memory>

namespace {

QByteArray Bytes(const TConfigRecord &record, int offset, int count)
{
    return RecordBytes(record).mid(offset, count);
}

void Put(TConfigRecord &record, int offset, const QByteArray &bytes)
{
    std::memcpy(record.bytes() + offset, bytes.constData(), std::size_t(bytes.size()));
}

// What a store leaves in a text field that was read: the bytes before the first zero byte, then spaces.
void SpacesFromFirstZero(TConfigRecord &record, int offset, int width)
{
    bool ended = false;
    for (int i = offset; i < offset + width; ++i) {
        ended = ended || record.bytes()[i] == 0;
        if (ended)
            record.bytes()[i] = ' ';
    }
}

// The record a plain open and save must write for a non-blank record read from a file, byte by byte
// from the record layout: every text field is written back as read up to its first zero byte and then
// filled with spaces, the utility version is stamped, and every other byte is kept.
TConfigRecord ExpectedAfterOpenAndSave(const TConfigRecord &read)
{
    TConfigRecord expected = read;
    SpacesFromFirstZero(expected, 0, 32);
    for (int i = 0; i < 6; ++i) {
        SpacesFromFirstZero(expected, 32 + 4 * i, 4);
        SpacesFromFirstZero(expected, 56 + 13 * i, 13);
        SpacesFromFirstZero(expected, 134 + 4 * i, 4);
        SpacesFromFirstZero(expected, 158 + 13 * i, 13);
    }
    SpacesFromFirstZero(expected, 290, 120);
    Put(expected, 420, " 103");
    return expected;
}

QString FirstDifference(const QByteArray &actual, const QByteArray &expected)
{
    for (int i = 0; i < qMin(actual.size(), expected.size()); ++i) {
        if (actual[i] != expected[i])
            return QStringLiteral("byte %1: %2, expected %3")
                .arg(i)
                .arg(quint8(actual[i]), 2, 16, QChar(u'0'))
                .arg(quint8(expected[i]), 2, 16, QChar(u'0'));
    }
    return QStringLiteral("sizes %1 and %2").arg(actual.size()).arg(expected.size());
}

} // namespace

class TestRecordTransfer : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorFixture> fixture_;
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;

    TForm1 *form() const { return fixture_->form(); }

    // Writes the record to a file and opens it as the browser does, making it the plain Save's target.
    void openRecord(const TConfigRecord &record)
    {
        QVERIFY(WriteBytes(path_, RecordBytes(record)));
        OpenAsBrowser(path_);
    }
    void reopen() { form()->OpenConfig(path_); }
    // File > Save in plain mode; returns the file's content.
    QByteArray save()
    {
        form()->Save1Click();
        return ReadBytes(path_);
    }

private slots:
    void init()
    {
        fixture_ = std::make_unique<EditorFixture>();
        dir_ = std::make_unique<QTemporaryDir>();
        path_ = dir_->filePath(QStringLiteral("a.cfg"));
    }
    void cleanup()
    {
        fixture_.reset();
        dir_.reset();
    }

    void textsAreStoredPaddedWithSpaces_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("empty source short name: four spaces") << "Edit2" << "" << 32 << QByteArray("    ");
        QTest::newRow("empty installer line: thirty spaces") << "Edit15" << "" << 320 << QByteArray(30, ' ');
        QTest::newRow("32-character name: no padding")
            << "Edit1" << "The Big Living Room Setup 32 chr" << 0 << QByteArray("The Big Living Room Setup 32 chr");
        QTest::newRow("group short name of two letters") << "Edit20" << "AB" << 138 << QByteArray("AB  ");
        QTest::newRow("source full name") << "Edit13" << "Satellite" << 121 << QByteArray("Satellite    ");
        QTest::newRow("group full name in Windows-1252")
            << "Edit29" << QStringLiteral("Caf\u00E9 \u20AC") << 223 << QByteArray("Caf\xE9 \x80       ");
        QTest::newRow("name in code page 437")
            << "Edit1" << QStringLiteral("\u2591\u00E7") << 0 << QByteArray("\xB0\x87").append(30, ' ');
    }
    void textsAreStoredPaddedWithSpaces()
    {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(int, offset);
        QFETCH(QByteArray, stored);
        openRecord(RandomRecord(11));
        form()->findChild<TEdit *>(edit)->setText(text);
        QCOMPARE(save().mid(offset, stored.size()), stored);
    }

    // A three-letter short name is stored with one space and comes back as four characters, which fill
    // the edit to its limit.
    void shortNameComesBackAtFullWidth()
    {
        openRecord(RandomRecord(12));
        form()->Edit4->setText(QStringLiteral("DVD"));
        save();
        reopen();
        QCOMPARE(form()->Edit4->text(), QStringLiteral("DVD "));
        QTest::keyClick(form()->Edit4, Qt::Key_End);
        QTest::keyClick(form()->Edit4, Qt::Key_X);
        QCOMPARE(form()->Edit4->text(), QStringLiteral("DVD "));
    }

    void zeroByteEndsATextField()
    {
        TConfigRecord record = RandomRecord(13);
        Put(record, 32, QByteArray("\x54\x56\x00\x58", 4));
        openRecord(record);
        QCOMPARE(form()->Edit2->text(), QStringLiteral("TV"));
        QCOMPARE(save().mid(32, 4), QByteArray("\x54\x56\x20\x20"));
    }

    // The installer block is one text: a zero byte in line 2 cuts it there and empties lines 3 and 4.
    void installerBlockEndsAtItsFirstZeroByte()
    {
        TConfigRecord record = RandomRecord(14);
        QByteArray block;
        for (int i = 0; i < 120; ++i)
            block.append(char('a' + i % 26));
        block[45] = '\0';
        Put(record, 290, block);
        openRecord(record);
        QCOMPARE(form()->Edit14->text(), QString::fromLatin1(block.left(30)));
        QCOMPARE(form()->Edit15->text(), QString::fromLatin1(block.mid(30, 15)));
        QCOMPARE(form()->Edit16->text(), QString());
        QCOMPARE(form()->Edit17->text(), QString());
        const QByteArray saved = save();
        QCOMPARE(saved.mid(290, 45), block.left(45));
        QCOMPARE(saved.mid(335, 75), QByteArray(75, ' '));
    }

    void versionLabels_data()
    {
        QTest::addColumn<QByteArray>("firmware");
        QTest::addColumn<QByteArray>("utility");
        QTest::addColumn<QString>("firmwareText");
        QTest::addColumn<QString>("utilityText");
        const QByteArray zeros(4, '\0');
        QTest::newRow("stamp of this editor") << zeros << QByteArray(" 103") << "0.0" << "1.3";
        QTest::newRow("never stamped") << zeros << zeros << "0.0" << "0.0";
        QTest::newRow("minor with a trailing space fails both numbers")
            << zeros << QByteArray("\x20\x32\x31\x20") << "0.0" << "0.0";
        QTest::newRow("firmware 01 00") << QByteArray("0100") << QByteArray(" 103") << "1.0" << "1.3";
        QTest::newRow("a digit before a zero byte") << QByteArray("2\0" "5\0", 4) << zeros << "2.5" << "0.0";
        QTest::newRow("hexadecimal numbers") << QByteArray("$Fx1") << QByteArray("-2+3") << "15.1" << "-2.3";
    }
    void versionLabels()
    {
        QFETCH(QByteArray, firmware);
        QFETCH(QByteArray, utility);
        QFETCH(QString, firmwareText);
        QFETCH(QString, utilityText);
        TConfigRecord record = RandomRecord(15);
        Put(record, 416, firmware);
        Put(record, 420, utility);
        openRecord(record);
        QCOMPARE(form()->Label27->text(), QStringLiteral("Tessora Firmware Version: ") + firmwareText);
        QCOMPARE(form()->Label28->text(), QStringLiteral("Utility Software Version: ") + utilityText);
    }

    // A blank file opens as all zeros; its save holds the stamp and spaces in every text field, while
    // the label keeps showing the version read until the file is opened again.
    void blankFileSavedShowsItsNewVersionOnlyAfterReopening()
    {
        TConfigRecord record = RandomRecord(16);
        record.ConfigName[0] = BlankMarker;
        openRecord(record);
        QCOMPARE(RecordBytes(ConfigBuffer), QByteArray(2048, '\0'));
        TConfigRecord empty;
        MakeEmptyRecord(empty);
        const TConfigRecord expected = ExpectedAfterOpenAndSave(empty);
        const QByteArray saved = save();
        QVERIFY2(saved == RecordBytes(expected), qPrintable(FirstDifference(saved, RecordBytes(expected))));
        QCOMPARE(form()->Label28->text(), QStringLiteral("Utility Software Version: 0.0"));
        reopen();
        QCOMPARE(form()->Label28->text(), QStringLiteral("Utility Software Version: 1.3"));
    }

    void optionByte_data()
    {
        QTest::addColumn<int>("read");
        QTest::addColumn<int>("visibleBoxes");  // -1: left as loaded, 0: all cleared, 1: all checked
        QTest::addColumn<int>("stored");
        QTest::newRow("reserved bits kept, boxes clear") << 0x07 << 0 << 0x07;
        QTest::newRow("hidden bit 3 kept while the four boxes are checked") << 0x0F << 1 << 0xFF;
        QTest::newRow("bit 3 set passes through") << 0x08 << -1 << 0x08;
        QTest::newRow("bit 3 clear passes through") << 0xF7 << -1 << 0xF7;
        QTest::newRow("visible options cleared") << 0xFF << 0 << 0x0F;
    }
    void optionByte()
    {
        QFETCH(int, read);
        QFETCH(int, visibleBoxes);
        QFETCH(int, stored);
        TConfigRecord record = RandomRecord(17);
        record.Options = std::uint8_t(read);
        openRecord(record);
        QCOMPARE(form()->CheckBox1->isChecked(), bool(read & 0x08));
        if (visibleBoxes >= 0) {
            for (QCheckBox *box : {form()->CheckBox2, form()->CheckBox3, form()->CheckBox4, form()->CheckBox6})
                box->setChecked(visibleBoxes == 1);
        }
        QCOMPARE(quint8(save().at(411)), quint8(stored));
    }

    void mainBytesKeepTheirReservedBits_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("read");
        QTest::addColumn<int>("checkItem");  // -1: none
        QTest::addColumn<int>("stored");
        QTest::newRow("Main groups 0xC0, nothing checked") << 410 << 0xC0 << -1 << 0xC0;
        QTest::newRow("Main groups 0xFF, all unchecked but group 2") << 410 << 0xFF << 1 << 0xC2;
        QTest::newRow("Main restrictions 0xC0, source 6 checked") << 441 << 0xC0 << 5 << 0xE0;
    }
    void mainBytesKeepTheirReservedBits()
    {
        QFETCH(int, offset);
        QFETCH(int, read);
        QFETCH(int, checkItem);
        QFETCH(int, stored);
        TConfigRecord record = RandomRecord(18);
        record.bytes()[offset] = std::uint8_t(read);
        openRecord(record);
        TCheckListBox *list = offset == 410 ? form()->CheckListBox2 : form()->CheckListBox4;
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(list->isChecked(i), bool(read & (1 << i)));
            list->setChecked(i, i == checkItem);
        }
        QCOMPARE(quint8(save().at(offset)), quint8(stored));
    }

    // After every open and every clear, "Group 1" and "A1 - 01" are selected.
    void firstGroupAndZoneSelectedAfterOpenAndClear()
    {
        const auto check = [this](const char *when) {
            QVERIFY2(form()->ListBox1->currentItem() && form()->ListBox1->currentItem()->isSelected(), when);
            QCOMPARE(form()->ListBox1->currentItem()->text(), QStringLiteral("Group 1"));
            QVERIFY2(form()->ListBox2->currentItem() && form()->ListBox2->currentItem()->isSelected(), when);
            QCOMPARE(form()->ListBox2->currentItem()->text(), QStringLiteral("A1 - 01"));
        };
        openRecord(RandomRecord(19));
        check("after an open");
        form()->ListBox1->setCurrentRow(4);
        form()->ListBox2->setCurrentRow(30);
        reopen();
        check("after a second open");
        form()->ListBox1->setCurrentRow(2);
        form()->ListBox2->setCurrentRow(35);
        QTest::mouseClick(form()->Button4, Qt::LeftButton);
        check("after a clear");
    }

    // Clear builds the blank record and shows it; saved without a new name it is a blank file again.
    void clearMakesABlankRecord()
    {
        openRecord(RandomRecord(20));
        const QString title = form()->windowTitle();
        QTest::mouseClick(form()->Button4, Qt::LeftButton);

        QByteArray blank(2048, '\0');
        blank.replace(0, 32, QByteArray(32, ' '));
        blank[0] = char(0xFF);
        QCOMPARE(RecordBytes(ConfigBuffer), blank);
        QCOMPARE(form()->Edit1->text(), QString(QChar(0x00A0)) + QString(31, QLatin1Char(' ')));
        QCOMPARE(form()->Edit2->text(), QString());
        QCOMPARE(form()->Label28->text(), QStringLiteral("Utility Software Version: 0.0"));
        QCOMPARE(form()->Label27->text(), QStringLiteral("Tessora Firmware Version: 0.0"));
        QCOMPARE(form()->windowTitle(), title);
        QCOMPARE(ReadBytes(path_), RecordBytes(RandomRecord(20)));

        TConfigRecord expected = ExpectedAfterOpenAndSave(RecordFrom(blank));
        const QByteArray saved = save();
        QVERIFY2(saved == RecordBytes(expected), qPrintable(FirstDifference(saved, RecordBytes(expected))));
        QCOMPARE(quint8(saved.at(0)), quint8(0xFF));
        reopen();
        QCOMPARE(RecordBytes(ConfigBuffer), QByteArray(2048, '\0'));
    }

    // Open and save without touching a control: only the bytes every store writes change, and those
    // hold what the rules say; everything else is written as read.
    void openAndSaveKeepsEveryOtherByte_data()
    {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed = 100; seed < 116; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }
    void openAndSaveKeepsEveryOtherByte()
    {
        QFETCH(unsigned, seed);
        const TConfigRecord read = RandomRecord(seed);
        openRecord(read);
        const QByteArray saved = save();
        const QByteArray expected = RecordBytes(ExpectedAfterOpenAndSave(read));
        QVERIFY2(saved == expected, qPrintable(FirstDifference(saved, expected)));
    }

    // Every non-zero byte of a text field is shown as one character and stored back as the same byte,
    // in both code pages.
    void everyByteSurvivesLoadAndStore_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("width");
        QTest::newRow("configuration name, code page 437") << 0 << 32;
        QTest::newRow("source full name, Windows-1252") << 56 << 13;
        QTest::newRow("installer line, Windows-1252") << 290 << 30;
    }
    void everyByteSurvivesLoadAndStore()
    {
        QFETCH(int, offset);
        QFETCH(int, width);
        for (int first = 1; first < 256; first += width) {
            TConfigRecord record = RandomRecord(21);
            for (int i = 0; i < width; ++i)
                record.bytes()[offset + i] = std::uint8_t(qMin(first + i, 255));
            ConfigBuffer = record;
            ConfigToForm();
            FormToConfig();
            QVERIFY2(Bytes(ConfigBuffer, offset, width) == Bytes(record, offset, width),
                     qPrintable(QStringLiteral("bytes from %1").arg(first)));
        }
    }
};

QTEST_MAIN(TestRecordTransfer)
#include "test_record_transfer.moc"
