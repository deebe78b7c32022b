// The File menu as the user works it: opens and saves in both modes, the title status with its timer,
// the remembered names, and every failure shown in the error box with the old file left whole.
#include "application.h"
#include "config_buffer.h"
#include "file_dialog.h"
#include "file_operations.h"
#include "form1.h"
#include "form2.h"
#include "test_support.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>

namespace {

QByteArray Bytes(const TConfigRecord &record) { return RecordBytes(record); }
QByteArray Buffer() { return RecordBytes(ConfigBuffer); }

void AdvancedOpen(const QString &path)
{
    Form1->AdvancedOpenSave1->setChecked(true);
    Form1->OpenDialog1->PresetNextAnswer(path);
    Form1->Load1->trigger();
    Form1->AdvancedOpenSave1->setChecked(false);
}

void AdvancedSave(const QString &path)
{
    Form1->AdvancedOpenSave1->setChecked(true);
    Form1->SaveDialog1->PresetNextAnswer(path);
    Form1->Save1->trigger();
    Form1->AdvancedOpenSave1->setChecked(false);
}

void PlainSave() { Form1->Save1->trigger(); }

// Bytes that a save rewrites whatever the pages hold are left out of a comparison of whole files.
bool SameOutsideStoredFields(const QByteArray &a, const QByteArray &b)
{
    return a.size() == b.size() && a.mid(478) == b.mid(478) && a.mid(412, 8) == b.mid(412, 8)
        && a.mid(236, 54) == b.mid(236, 54);
}

} // namespace

class FileOperationsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        fixture = new EditorFixture;
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
    }
    void cleanup()
    {
        delete fixture;
        dir.reset();
    }

    void plainOpenAndSaveKeepOneRecord_data();
    void plainOpenAndSaveKeepOneRecord();
    void blankFileOpensAsZeros();
    void openFailures_data();
    void openFailures();
    void saveFailuresKeepOldFile_data();
    void saveFailuresKeepOldFile();
    void titlesAndRememberedNames();
    void secondSaveDoesNotRestartTimer();
    void cancelledDialogsChangeNothing();
    void plainSaveWithoutFileDoesNothing();
    void realFileDialogs();

private:
    QString file(const QString &name) const { return dir->filePath(name); }
    EditorFixture *fixture = nullptr;
    std::unique_ptr<QTemporaryDir> dir;
};

void FileOperationsTest::plainOpenAndSaveKeepOneRecord_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("exactly one record") << 2048;
    QTest::newRow("longer file") << 3000;
}

void FileOperationsTest::plainOpenAndSaveKeepOneRecord()
{
    QFETCH(int, size);
    const QString path = file(QStringLiteral("a.cfg"));
    QByteArray content = Bytes(RandomRecord(7));
    content.append(QByteArray(size - 2048, '\x5A'));
    QVERIFY(WriteBytes(path, content));
    OpenAsBrowser(path);
    QCOMPARE(Buffer(), content.left(2048));
    PlainSave();
    const QByteArray saved = ReadBytes(path);
    QCOMPARE(saved.size(), 2048);
    QVERIFY(SameOutsideStoredFields(saved, content.left(2048)));
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Saved: a.cfg"));
}

void FileOperationsTest::blankFileOpensAsZeros()
{
    TConfigRecord blank = RandomRecord(3);
    blank.ConfigName[0] = BlankMarker;
    const QString path = file(QStringLiteral("blank.cfg"));
    QVERIFY(WriteBytes(path, Bytes(blank)));
    AdvancedOpen(path);
    QCOMPARE(Buffer(), QByteArray(2048, '\0'));
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Editing: blank.cfg"));
}

void FileOperationsTest::openFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("failure");
    QTest::newRow("short") << "new.cfg" << 2000 << 0644 << "Read beyond end of file";
    QTest::newRow("empty") << "new.cfg" << 0 << 0644 << "Read beyond end of file";
    QTest::newRow("missing") << "none.cfg" << -1 << 0 << "File not found";
    QTest::newRow("missing folder") << "no/new.cfg" << -1 << 0 << "Invalid filename";
    QTest::newRow("read-only") << "new.cfg" << 2048 << 0444 << "File access denied";
}

// A failed open shows its failure and leaves title, record, pages and both names as they were.
void FileOperationsTest::openFailures()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(int, mode);
    QFETCH(QString, failure);
    const QString good = file(QStringLiteral("good.cfg"));
    QVERIFY(WriteBytes(good, Bytes(RandomRecord(11))));
    OpenAsBrowser(good);
    const QByteArray before = Buffer();
    if (size >= 0) {
        QVERIFY(WriteBytes(file(name), Bytes(RandomRecord(12)).left(size)));
        QVERIFY(::chmod(QFile::encodeName(file(name)).constData(), mode_t(mode)) == 0);
    }

    for (const bool advanced : {false, true}) {
        SeenBox seen;
        AnswerNextMessageBox(&seen);
        if (advanced)
            AdvancedOpen(file(name));
        else
            Form1->OpenConfig(file(name));
        QCOMPARE(seen.title, QStringLiteral("Error"));
        QCOMPARE(seen.text, failure);
        QCOMPARE(seen.icon, int(QMessageBox::Critical));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Editing: good.cfg"));
        QCOMPARE(Buffer(), before);
        QCOMPARE(CurrentFileName, good);
        QCOMPARE(Form1->SaveDialog1->FileName, good);
    }
}

void FileOperationsTest::saveFailuresKeepOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("failure");
    QTest::newRow("read-only file") << "a.cfg" << "File access denied";
    QTest::newRow("missing folder") << "no/a.cfg" << "Invalid filename";
    QTest::newRow("folder") << "sub" << "File access denied";
}

void FileOperationsTest::saveFailuresKeepOldFile()
{
    QFETCH(QString, target);
    QFETCH(QString, failure);
    const QString path = file(QStringLiteral("a.cfg"));
    const QByteArray old = Bytes(RandomRecord(21));
    QVERIFY(WriteBytes(path, old));
    QVERIFY(QDir(dir->path()).mkpath(QStringLiteral("sub")));
    OpenAsBrowser(path);
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);

    for (const bool advanced : {false, true}) {
        if (!advanced && target != QStringLiteral("a.cfg"))
            CurrentFileName = file(target);
        SeenBox seen;
        AnswerNextMessageBox(&seen);
        if (advanced)
            AdvancedSave(file(target));
        else
            PlainSave();
        QCOMPARE(seen.title, QStringLiteral("Error"));
        QCOMPARE(seen.text, failure);
        QCOMPARE(ReadBytes(path), old);
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Editing: a.cfg"));
        QVERIFY(!Form1->Timer1->isActive());
    }
    // A failed advanced save still remembers the name the user confirmed.
    QCOMPARE(Form1->SaveDialog1->FileName, file(target));
}

// Which operation sets which of: title, plain Save target, save dialog's proposal.
void FileOperationsTest::titlesAndRememberedNames()
{
    const QString a = file(QStringLiteral("a.cfg"));
    QVERIFY(QDir(dir->path()).mkpath(QStringLiteral("cfg")));
    const QString b = file(QStringLiteral("cfg/b.cfg"));
    const QString copy = file(QStringLiteral("copy.cfg"));
    QVERIFY(WriteBytes(a, Bytes(RandomRecord(1))));
    QVERIFY(WriteBytes(b, Bytes(RandomRecord(2))));

    // Right after start: advanced open, then plain save writes that file.
    AdvancedOpen(b);
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Editing: b.cfg"));
    QCOMPARE(CurrentFileName, b);
    QCOMPARE(Form1->SaveDialog1->FileName, b);
    QVERIFY(WriteBytes(b, QByteArray()));
    PlainSave();
    QCOMPARE(ReadBytes(b).size(), 2048);
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Saved: b.cfg"));
    QVERIFY(Form1->Timer1->isActive());
    Form1->Timer1Timer();
    QVERIFY(!Form1->Timer1->isActive());
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Editing: b.cfg"));

    // Browser open of a, then advanced open of b: the plain save writes b and the title comes back to b.
    OpenAsBrowser(a);
    QCOMPARE(Form1->SaveDialog1->FileName, a);
    AdvancedOpen(b);
    PlainSave();
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Saved: b.cfg"));
    Form1->Timer1Timer();
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Editing: b.cfg"));

    // Advanced save to a copy while the plain target is a: the copy is proposed from now on, a stays the
    // plain target.
    OpenAsBrowser(a);
    QVERIFY(!QFile::exists(copy));
    AdvancedSave(copy);
    QCOMPARE(ReadBytes(copy).size(), 2048);
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Saved: copy.cfg"));
    QCOMPARE(CurrentFileName, a);
    QCOMPARE(Form1->SaveDialog1->FileName, copy);
    Form1->Timer1Timer();
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Editing: copy.cfg"));
    QVERIFY(WriteBytes(a, QByteArray(10, 'x')));
    PlainSave();
    QCOMPARE(ReadBytes(a).size(), 2048);
}

// Two saves 3 seconds apart: the title returns 5 seconds after the first, so the second save must leave
// the running timer alone.
void FileOperationsTest::secondSaveDoesNotRestartTimer()
{
    const QString a = file(QStringLiteral("a.cfg"));
    QVERIFY(WriteBytes(a, Bytes(RandomRecord(5))));
    OpenAsBrowser(a);
    PlainSave();
    const int first = Form1->Timer1->remainingTime();
    QTest::qWait(60);
    PlainSave();
    QVERIFY(Form1->Timer1->isActive());
    QVERIFY2(Form1->Timer1->remainingTime() <= first - 50, "the second save restarted the timer");
}

void FileOperationsTest::cancelledDialogsChangeNothing()
{
    const QString a = file(QStringLiteral("a.cfg"));
    QVERIFY(WriteBytes(a, Bytes(RandomRecord(8))));
    OpenAsBrowser(a);
    const QByteArray before = Buffer();
    Form1->AdvancedOpenSave1->setChecked(true);
    Form1->OpenDialog1->PresetNextAnswer(std::nullopt);
    Form1->Load1->trigger();
    Form1->SaveDialog1->PresetNextAnswer(std::nullopt);
    Form1->Save1->trigger();
    QCOMPARE(Buffer(), before);
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Editing: a.cfg"));
    QCOMPARE(CurrentFileName, a);
    QCOMPARE(Form1->SaveDialog1->FileName, a);
    QVERIFY(Form1->OpenDialog1->FileName.isEmpty());
    QVERIFY(!Form1->Timer1->isActive());
}

void FileOperationsTest::plainSaveWithoutFileDoesNothing()
{
    PlainSave();
    QCOMPARE(Form1->windowTitle(), QStringLiteral("QLX-418 PC Configuration Utility"));
    QCOMPARE(Buffer(), QByteArray(2048, '\0'));
    QVERIFY(!Form1->Timer1->isActive());
    QVERIFY(QDir(dir->path()).isEmpty());
}

// The real dialogs: the open dialog takes a typed path, the save dialog adds ".cfg" to a bare name.
void FileOperationsTest::realFileDialogs()
{
    const QString a = file(QStringLiteral("a.cfg"));
    QVERIFY(WriteBytes(a, Bytes(RandomRecord(9))));
    const auto answer = [](const QString &typed, QString *title) {
        auto *timer = new QTimer;
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [timer, typed, title] {
            // Typing reaches the dialog only once it is the active window: until then its name edit has
            // no focus, and the file it proposes stays selected whatever is typed.
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog || QApplication::activeWindow() != dialog)
                return;
            // The dialog selects the remembered file once it has listed the folder, and a selection
            // outranks a typed name; so type, and press Return only when the dialog takes the typed name.
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (!dialog->selectedFiles().value(0).startsWith(typed)) {
                name->setText(typed);
                return;
            }
            timer->stop();
            timer->deleteLater();
            *title = dialog->windowTitle();
            // The dialog's own Open/Save button (Return could go to the name completer's popup).
            auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
            buttons->buttons().constFirst()->click();
        });
        timer->start();
    };
    Form1->AdvancedOpenSave1->setChecked(true);
    QString title;
    answer(a, &title);
    Form1->Load1->trigger();
    QCOMPARE(title, QStringLiteral("Advanced Load"));
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Editing: a.cfg"));
    QCOMPARE(Buffer(), Bytes(RandomRecord(9)));

    answer(file(QStringLiteral("copy")), &title);
    Form1->Save1->trigger();
    QCOMPARE(title, QStringLiteral("Advanced Save"));
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Saved: copy.cfg"));
    QCOMPARE(ReadBytes(file(QStringLiteral("copy.cfg"))).size(), 2048);
}

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    FileOperationsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_file_operations.moc"
