// The removable-drive browser driven as the user drives it: listing, order, opening, the buttons and
// showing, over volumes made in scratch folders.
#include "config_buffer.h"
#include "file_dialog.h"
#include "file_list_box.h"
#include "file_operations.h"
#include "form1.h"
#include "form2.h"
#include "test_support.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

const QString Caption = QStringLiteral("Open Configuration File");
const QString NoFiles = QStringLiteral("No Files Found on Removeable Drive");

// A record whose configuration name holds the given bytes (at most 32), the rest from a fixed seed.
QByteArray RecordNamed(const QByteArray &name, unsigned seed = 7)
{
    TConfigRecord record = RandomRecord(seed);
    std::fill_n(record.ConfigName, ConfigNameWidth, std::uint8_t(0));
    std::copy_n(name.constData(), std::min<qsizetype>(name.size(), ConfigNameWidth), record.ConfigName);
    return RecordBytes(record);
}

QByteArray BlankRecord()
{
    QByteArray bytes = RecordBytes(RandomRecord(3));
    bytes[0] = char(0xFF);
    return bytes;
}

// A removable volume made of a scratch folder.
struct Volume {
    QString label;
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.path() + QLatin1Char('/') + name; }
    void add(const QString &name, const QByteArray &bytes) const { QVERIFY(WriteBytes(path(name), bytes)); }
};

QStringList Lines()
{
    QStringList lines;
    for (int i = 0; i < Form2->ListBox1->count(); ++i)
        lines << Form2->ListBox1->item(i)->text();
    return lines;
}

QStringList Drives()
{
    QStringList drives;
    for (int i = 0; i < Form2->ComboBox1->count(); ++i)
        drives << Form2->ComboBox1->itemText(i);
    return drives;
}

QListWidgetItem *LineOf(const QString &fileName)
{
    for (int i = 0; i < Form2->ListBox1->count(); ++i)
        if (TFileListBox::FileNameOf(Form2->ListBox1->item(i)) == fileName)
            return Form2->ListBox1->item(i);
    return nullptr;
}

// Notes any modal box that shows while it lives and closes it, for the steps that must show none.
class NoBoxWatch {
public:
    NoBoxWatch()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                seen_ = true;
                box->close();
            }
        });
        timer_.start(5);
    }
    // Lets the event loop run once more, so that a box raised late would be seen.
    bool sawBox()
    {
        QCoreApplication::processEvents();
        return seen_;
    }

private:
    QTimer timer_;
    bool seen_ = false;
};

void DoubleClick(QListWidgetItem *line)
{
    QListWidget *list = Form2->ListBox1;
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(line).center());
}

} // namespace

class TestBrowser : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EditorFixture> editor_;
    std::vector<std::unique_ptr<Volume>> volumes_;

    Volume &addVolume(const QString &label)
    {
        volumes_.push_back(std::make_unique<Volume>());
        volumes_.back()->label = label;
        return *volumes_.back();
    }

private slots:
    void init()
    {
        volumes_.clear();
        TForm2::SetVolumeSource([this] {
            std::vector<RemovableVolume> list;
            for (const auto &volume : volumes_)
                list.push_back({volume->label.toStdString(), volume->dir.path().toStdString()});
            return list;
        });
        editor_ = std::make_unique<EditorFixture>();
    }

    void cleanup()
    {
        editor_.reset();
        volumes_.clear();
        TForm2::SetVolumeSource({});
    }

    void lineFormat_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("line");

        QTest::newRow("12-character name: one space after [")
            << "SETUP123.CFG" << RecordNamed("Lobby") << "[ SETUP123.CFG]   Lobby";
        QTest::newRow("13-character name: no space") << "SETUP1234.CFG" << RecordNamed("Lobby")
                                                      << "[SETUP1234.CFG]   Lobby";
        QTest::newRow("20-character name stands whole")
            << "conference-room1.cfg" << RecordNamed("Lobby") << "[conference-room1.cfg]   Lobby";
        QTest::newRow("32-character configuration name without a zero")
            << "A.CFG" << RecordNamed("0123456789abcdefghijklmnopqrstuv")
            << "[        A.CFG]   0123456789abcdefghijklmnopqrstuv";
        QTest::newRow("sixth byte zero shows five characters")
            << "A.CFG" << RecordNamed(QByteArray("Hotel\0Bar", 9)) << "[        A.CFG]   Hotel";
        QTest::newRow("all-zero name shows nothing") << "A.CFG" << RecordNamed(QByteArray()) << "[        A.CFG]   ";
        QTest::newRow("blank file") << "B.CFG" << BlankRecord() << "[        B.CFG]   <Blank Config File>";
        QTest::newRow("name bytes in code page 437")
            << "A.CFG" << RecordNamed("Z\x81rich \xB0\xDB") << QString::fromUtf8("[        A.CFG]   Zürich ░█");
        QTest::newRow("longer file: its first record")
            << "A.CFG" << RecordNamed("Long") + QByteArray(500, 'q') << "[        A.CFG]   Long";
    }

    void lineFormat()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, record);
        QFETCH(QString, line);
        addVolume(QStringLiteral("CARD")).add(fileName, record);
        Form2->ShowBrowser();
        QCOMPARE(Lines(), QStringList{line});
        QCOMPARE(Form2->windowTitle(), Caption);
        QVERIFY(Form2->Button2->isEnabled());
        QCOMPARE(Form2->ListBox1->currentRow(), 0);
    }

    // Shorter right-aligned names first, letters without regard to case, longer names after them.
    void sortedShortestFirst()
    {
        const Volume &card = addVolume(QStringLiteral("CARD"));
        for (const char *name : {"BB.CFG", "configuration.cfg", "A.CFG", "b.cfg", "AB.CFG", "Ba.cfg"})
            card.add(QString::fromLatin1(name), RecordNamed(name));
        Form2->ShowBrowser();
        QCOMPARE(Lines(), (QStringList{"[        A.CFG]   A.CFG", "[        b.cfg]   b.cfg",
                                       "[       AB.CFG]   AB.CFG", "[       Ba.cfg]   Ba.cfg",
                                       "[       BB.CFG]   BB.CFG", "[configuration.cfg]   configuration.cfg"}));
    }

    void offersOnlyVolumesWithConfigFilesInTheRoot()
    {
        const Volume &hidden = addVolume(QStringLiteral("HIDDEN"));
        hidden.add(QStringLiteral(".secret.cfg"), RecordNamed("x"));
        QVERIFY(QDir(hidden.dir.path()).mkpath(QStringLiteral("sub")));
        hidden.add(QStringLiteral("sub/deep.cfg"), RecordNamed("x"));
        QVERIFY(QDir(hidden.dir.path()).mkpath(QStringLiteral("folder.cfg")));
        addVolume(QStringLiteral("EMPTY"));
        addVolume(QStringLiteral("zcard")).add(QStringLiteral("Z.CFG"), RecordNamed("Zed"));
        addVolume(QStringLiteral("Acard")).add(QStringLiteral("A.cfg"), RecordNamed("Ay"));
        Form2->ShowBrowser();
        QCOMPARE(Drives(), (QStringList{"Acard", "zcard"}));
        QCOMPARE(Form2->ComboBox1->currentIndex(), 0);
        QCOMPARE(Lines(), QStringList{"[        A.cfg]   Ay"});
    }

    void nothingFound()
    {
        addVolume(QStringLiteral("EMPTY")).add(QStringLiteral("notes.txt"), RecordNamed("x"));
        Form2->ShowBrowser();
        QVERIFY(Drives().isEmpty());
        QVERIFY(Lines().isEmpty());
        QCOMPARE(Form2->windowTitle(), NoFiles);
        QVERIFY(!Form2->Button2->isEnabled());

        // A double click with no line does nothing: no error, the browser stays.
        NoBoxWatch watch;
        QTest::mouseDClick(Form2->ListBox1->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(!watch.sawBox());
        QVERIFY(Form2->isVisible());
    }

    // One unreadable file is listed with its failure; the others are listed and open.
    void unreadableFilesDoNotEndTheListing()
    {
        const Volume &card = addVolume(QStringLiteral("CARD"));
        card.add(QStringLiteral("GOOD1.CFG"), RecordNamed("First", 1));
        card.add(QStringLiteral("SHORT.CFG"), QByteArray(1000, 'x'));
        card.add(QStringLiteral("GOOD2.CFG"), RecordNamed("Second", 2));
        card.add(QStringLiteral("LOCKED.CFG"), RecordNamed("Locked", 3));
        QVERIFY(QFile::setPermissions(card.path(QStringLiteral("LOCKED.CFG")), QFile::ReadOwner));
        Form2->ShowBrowser();
        QCOMPARE(Lines(), (QStringList{"[    GOOD1.CFG]   First", "[    GOOD2.CFG]   Second",
                                       "[    SHORT.CFG]   <Unreadable: Read beyond end of file>",
                                       "[   LOCKED.CFG]   <Unreadable: File access denied>"}));
        QCOMPARE(Form2->windowTitle(), Caption);
        QVERIFY(Form2->Button2->isEnabled());

        // Opening the unreadable line shows its failure and changes nothing.
        const TConfigRecord before = ConfigBuffer;
        const QString title = Form1->windowTitle();
        Form2->ListBox1->setCurrentItem(LineOf(QStringLiteral("SHORT.CFG")));
        SeenBox seen;
        AnswerNextMessageBox(&seen);
        QTest::mouseClick(Form2->Button2, Qt::LeftButton);
        QCOMPARE(seen.title, QStringLiteral("Error"));
        QCOMPARE(seen.text, QStringLiteral("Read beyond end of file"));
        QVERIFY(CurrentFileName.isEmpty());
        QCOMPARE(Form1->windowTitle(), title);
        QVERIFY(RecordBytes(ConfigBuffer) == RecordBytes(before));
        QVERIFY(!Form2->isVisible());

        // A good line beside it opens with a double click.
        Form2->ShowBrowser();
        DoubleClick(LineOf(QStringLiteral("GOOD2.CFG")));
        QCOMPARE(CurrentFileName, card.path(QStringLiteral("GOOD2.CFG")));
        QVERIFY(RecordBytes(ConfigBuffer) == RecordNamed("Second", 2));
    }

    void onlyUnreadableFilesStillListed()
    {
        addVolume(QStringLiteral("CARD")).add(QStringLiteral("EMPTY.CFG"), QByteArray());
        Form2->ShowBrowser();
        QCOMPARE(Lines(), QStringList{"[    EMPTY.CFG]   <Unreadable: Read beyond end of file>"});
        QCOMPARE(Form2->windowTitle(), Caption);
        QVERIFY(Form2->Button2->isEnabled());
    }

    // A line opens the file it shows, whatever characters its name holds, even beside look-alikes.
    void opensTheFileOfTheLine_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("space in the name") << "my config.cfg";
        QTest::newRow("] in the name") << "a]b.cfg";
        QTest::newRow("leading space") << " lead.cfg";
    }

    void opensTheFileOfTheLine()
    {
        QFETCH(QString, fileName);
        const Volume &card = addVolume(QStringLiteral("CARD"));
        card.add(fileName, RecordNamed("Wanted", 11));
        card.add(QStringLiteral("myconfig.cfg"), RecordNamed("Decoy", 12));
        card.add(QStringLiteral("a"), RecordNamed("Decoy", 13));
        card.add(QStringLiteral("lead.cfg"), RecordNamed("Decoy", 14));
        Form2->ShowBrowser();
        QListWidgetItem *line = LineOf(fileName);
        QVERIFY(line);
        QVERIFY(line->text().endsWith(QStringLiteral("]   Wanted")));
        Form2->ListBox1->setCurrentItem(line);
        QTest::mouseClick(Form2->Button2, Qt::LeftButton);
        QVERIFY(RecordBytes(ConfigBuffer) == RecordNamed("Wanted", 11));
        QCOMPARE(CurrentFileName, card.path(fileName));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Editing: ") + fileName);
    }

    // The opened file becomes the target of the plain Save and the save dialog's proposal.
    void openedFileIsSavedBack()
    {
        const Volume &card = addVolume(QStringLiteral("CARD"));
        card.add(QStringLiteral("HALL.CFG"), RecordNamed("Hall", 21));
        card.add(QStringLiteral("BLANK.CFG"), BlankRecord());
        Form1->Load1->trigger();
        QVERIFY(Form2->isVisible());
        DoubleClick(LineOf(QStringLiteral("HALL.CFG")));
        QVERIFY(!Form2->isVisible());
        const QString path = card.path(QStringLiteral("HALL.CFG"));
        QCOMPARE(CurrentFileName, path);
        QCOMPARE(Form1->SaveDialog1->FileName, path);
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Editing: HALL.CFG"));

        ConfigBuffer.Reserved478[5] ^= 0xA5;
        const QByteArray expected = RecordBytes(ConfigBuffer);
        Form1->Save1->trigger();
        QCOMPARE(ReadBytes(path).mid(478, 100), expected.mid(478, 100));
        QCOMPARE(ReadBytes(path).size(), qsizetype(ConfigRecordSize));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Saved: HALL.CFG"));
        QCOMPARE(ReadBytes(card.path(QStringLiteral("BLANK.CFG"))), BlankRecord());
    }

    // A file gone between listing and open: the error box, and the next Save still goes where it went.
    void failedOpenKeepsTheSaveTarget()
    {
        const Volume &card = addVolume(QStringLiteral("CARD"));
        card.add(QStringLiteral("ONE.CFG"), RecordNamed("One", 31));
        card.add(QStringLiteral("TWO.CFG"), RecordNamed("Two", 32));
        Form2->ShowBrowser();
        DoubleClick(LineOf(QStringLiteral("ONE.CFG")));
        QCOMPARE(CurrentFileName, card.path(QStringLiteral("ONE.CFG")));

        Form2->ShowBrowser();
        QVERIFY(QFile::remove(card.path(QStringLiteral("TWO.CFG"))));
        SeenBox seen;
        AnswerNextMessageBox(&seen);
        DoubleClick(LineOf(QStringLiteral("TWO.CFG")));
        QCOMPARE(seen.text, QStringLiteral("File not found"));
        QCOMPARE(CurrentFileName, card.path(QStringLiteral("ONE.CFG")));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Editing: ONE.CFG"));
        QVERIFY(RecordBytes(ConfigBuffer) == RecordNamed("One", 31));
    }

    void openWithNoLineSelectedDoesNothing()
    {
        addVolume(QStringLiteral("CARD")).add(QStringLiteral("ONE.CFG"), RecordNamed("One"));
        Form2->ShowBrowser();
        Form2->ListBox1->clearSelection();
        NoBoxWatch watch;
        QTest::mouseDClick(Form2->ListBox1->viewport(), Qt::LeftButton, {},
                           QPoint(10, Form2->ListBox1->viewport()->height() - 5));
        QTest::mouseClick(Form2->Button2, Qt::LeftButton);
        QVERIFY(!watch.sawBox());
        QVERIFY(Form2->isVisible());
        QVERIFY(CurrentFileName.isEmpty());
    }

    void refreshListsTheFirstVolumeAgain()
    {
        addVolume(QStringLiteral("ALPHA")).add(QStringLiteral("A.CFG"), RecordNamed("Alpha"));
        addVolume(QStringLiteral("BETA")).add(QStringLiteral("B.CFG"), RecordNamed("Beta"));
        Form2->ShowBrowser();
        QTest::keyClick(Form2->ComboBox1, Qt::Key_Down);  // the user picks the second drive
        QCOMPARE(Form2->ComboBox1->currentText(), QStringLiteral("BETA"));
        QCOMPARE(Lines(), QStringList{"[        B.CFG]   Beta"});

        addVolume(QStringLiteral("GAMMA")).add(QStringLiteral("G.CFG"), RecordNamed("Gamma"));
        QTest::mouseClick(Form2->Button3, Qt::LeftButton);
        QCOMPARE(Drives(), (QStringList{"ALPHA", "BETA", "GAMMA"}));
        QCOMPARE(Form2->ComboBox1->currentText(), QStringLiteral("ALPHA"));
        QCOMPARE(Lines(), QStringList{"[        A.CFG]   Alpha"});
        QVERIFY(Form2->isVisible());
    }

    void browseThenCancelOpensNothing()
    {
        addVolume(QStringLiteral("CARD")).add(QStringLiteral("A.CFG"), RecordNamed("A"));
        const TConfigRecord before = ConfigBuffer;
        Form2->ShowBrowser();
        Form1->OpenDialog1->PresetNextAnswer(std::nullopt);
        QTest::mouseClick(Form2->Button4, Qt::LeftButton);
        QVERIFY(!Form2->isVisible());
        QVERIFY(CurrentFileName.isEmpty());
        QVERIFY(RecordBytes(ConfigBuffer) == RecordBytes(before));
    }

    void browseOpensTheChosenFile()
    {
        const Volume &card = addVolume(QStringLiteral("CARD"));
        card.add(QStringLiteral("A.CFG"), RecordNamed("A"));
        card.add(QStringLiteral("else.bin"), RecordNamed("Elsewhere", 41));
        Form2->ShowBrowser();
        Form1->OpenDialog1->PresetNextAnswer(card.path(QStringLiteral("else.bin")));
        QTest::mouseClick(Form2->Button4, Qt::LeftButton);
        QVERIFY(!Form2->isVisible());
        QCOMPARE(CurrentFileName, card.path(QStringLiteral("else.bin")));
        QVERIFY(RecordBytes(ConfigBuffer) == RecordNamed("Elsewhere", 41));
    }

    void cancelThenOpenScansAnew()
    {
        addVolume(QStringLiteral("CARD")).add(QStringLiteral("A.CFG"), RecordNamed("A"));
        Form1->Load1->trigger();
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
        QVERIFY(!Form2->isVisible());
        QVERIFY(CurrentFileName.isEmpty());

        addVolume(QStringLiteral("NEWCARD")).add(QStringLiteral("N.CFG"), RecordNamed("N"));
        Form1->Load1->trigger();
        QVERIFY(Form2->isVisible());
        QCOMPARE(Drives(), (QStringList{"CARD", "NEWCARD"}));
    }

    void openWhileShownKeepsTheLists()
    {
        const Volume &card = addVolume(QStringLiteral("CARD"));
        card.add(QStringLiteral("A.CFG"), RecordNamed("A"));
        Form1->Load1->trigger();
        card.add(QStringLiteral("B.CFG"), RecordNamed("B"));
        addVolume(QStringLiteral("LATE")).add(QStringLiteral("L.CFG"), RecordNamed("L"));
        Form1->Load1->trigger();
        QVERIFY(Form2->isVisible());
        QCOMPARE(Drives(), QStringList{"CARD"});
        QCOMPARE(Lines(), QStringList{"[        A.CFG]   A"});
        QCOMPARE(Form2->windowTitle(), Caption);
    }

    void windowSetup()
    {
        QCOMPARE(Form2->windowTitle(), Caption);
        QVERIFY(!Form2->isVisible());
        QVERIFY(Form2->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!Form2->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(Form2->minimumWidth() >= 441 && Form2->minimumHeight() >= 299);
        const QFontMetrics metrics(Form2->ListBox1->font());  // names stand in one column
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiiii")), metrics.horizontalAdvance(QStringLiteral("WWWWW")));
        QCOMPARE(metrics.horizontalAdvance(QLatin1Char(' ')), metrics.horizontalAdvance(QLatin1Char('W')));

        addVolume(QStringLiteral("CARD")).add(QStringLiteral("A.CFG"), RecordNamed("A"));
        Form2->ShowBrowser();
        QApplication::setActiveWindow(Form2);
        Form2->ListBox1->setFocus();
        QStringList order;
        for (int i = 0; i < 6; ++i) {
            QVERIFY(QApplication::focusWidget());
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, (QStringList{"ListBox1", "ComboBox1", "Button1", "Button2", "Button3", "Button4"}));
        for (const QPushButton *button : {Form2->Button1, Form2->Button2, Form2->Button3, Form2->Button4})
            QVERIFY(!button->isDefault() && !button->autoDefault());
    }
};

QTEST_MAIN(TestBrowser)
#include "test_browser.moc"
