// A save is atomic: a process killed at any moment of a save leaves the file holding one whole record,
// the old or the new, and the temporary file it may leave behind is removed by the next successful save.
#include "record_file.h"
#include "save_record_pattern.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <random>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

const QString TargetName = QStringLiteral("switcher.cfg");

// The folder's temporaries of the target, by mkstemp's pattern.
QStringList TemporariesBeside(const QDir &folder)
{
    static const QRegularExpression pattern(QStringLiteral("^\\.switcher\\.cfg\\.[A-Za-z0-9]{6}$"));
    return folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
        .filter(pattern);
}

// A running qlx_save_writer. It is killed and reaped when the test leaves it, also on a failed check.
class WriterProcess {
public:
    WriterProcess(const QString &path, std::uint32_t firstNumber)
    {
        int pipeEnds[2];
        if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        const QByteArray program = QByteArrayLiteral(QLX_SAVE_WRITER);
        const QByteArray target = QFile::encodeName(path);
        const QByteArray number = QByteArray::number(firstNumber);
        char *argv[] = {const_cast<char *>(program.constData()), const_cast<char *>(target.constData()),
                        const_cast<char *>(number.constData()), nullptr};
        if (::posix_spawn(&pid_, program.constData(), &actions, nullptr, argv, environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(pipeEnds[1]);
        output_ = pipeEnds[0];
    }
    ~WriterProcess()
    {
        if (output_ >= 0)
            ::close(output_);
        if (pid_ > 0)
            killAndReap();
    }
    WriterProcess(const WriterProcess &) = delete;
    WriterProcess &operator=(const WriterProcess &) = delete;

    bool started() const { return pid_ > 0; }
    // Waits for the byte the writer sends after its first successful save; false if it ended instead.
    bool firstSaveDone()
    {
        char ready = 0;
        return ::read(output_, &ready, 1) == 1;
    }
    // The wait status of the killed writer.
    int killAndReap()
    {
        int status = 0;
        ::kill(pid_, SIGKILL);
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
        return status;
    }

private:
    pid_t pid_ = -1;
    int output_ = -1;
};

} // namespace

class TestSaveAtomicity : public QObject {
    Q_OBJECT
private slots:
    void killedSavesLeaveOneWholeRecord();
    void saveRemovesOnlyStaleTemporaries_data();
    void saveRemovesOnlyStaleTemporaries();
};

void TestSaveAtomicity::killedSavesLeaveOneWholeRecord()
{
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QDir folder(scratch.path());
    const QString path = folder.filePath(TargetName);
    TConfigRecord record;
    FillSaveRecord(record, 0);
    WriteRecord(path.toStdString(), record);

    constexpr int Kills = 200;
    std::mt19937 random(418);
    // A save takes well under a millisecond here, so a kill within 8 ms of the writer's first save lands
    // anywhere in a run of saves.
    std::uniform_int_distribution<int> delayMicroseconds(0, 8000);
    std::uint32_t nextNumber = 1;
    QStringList leftBehind;
    int killsLeavingTemporary = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        WriterProcess writer(path, nextNumber);
        QVERIFY2(writer.started(), "cannot start qlx_save_writer");
        QVERIFY2(writer.firstSaveDone(), qPrintable(QStringLiteral("kill %1: the writer's first save failed").arg(kill)));
        // Its first save succeeded, so whatever the earlier killed save left behind is gone.
        for (const QString &name : std::as_const(leftBehind))
            QVERIFY2(!folder.exists(name), qPrintable(QStringLiteral("kill %1: %2 was left").arg(kill).arg(name)));

        ::usleep(useconds_t(delayMicroseconds(random)));
        const int status = writer.killAndReap();
        QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL,
                 qPrintable(QStringLiteral("kill %1: the writer stopped by itself (a save failed)").arg(kill)));

        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(QStringLiteral("kill %1: the file is gone").arg(kill)));
        const QByteArray bytes = file.readAll();
        std::uint32_t number = 0;
        QVERIFY2(IsWholeSaveRecord(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                   std::size_t(bytes.size()), number),
                 qPrintable(QStringLiteral("kill %1: the file holds %2 bytes that are no whole record")
                                .arg(kill)
                                .arg(bytes.size())));
        // Never older than the save that the writer reported as done.
        QVERIFY2(number >= nextNumber, qPrintable(QStringLiteral("kill %1: record %2 is older than record %3")
                                                      .arg(kill)
                                                      .arg(number)
                                                      .arg(nextNumber)));
        nextNumber = number + 1;

        leftBehind = TemporariesBeside(folder);
        if (!leftBehind.isEmpty())
            ++killsLeavingTemporary;
    }
    // Without kills inside saves this test would prove nothing.
    QVERIFY2(killsLeavingTemporary > 0, "no kill landed inside a save");
    qInfo("%d of %d kills landed inside a save", killsLeavingTemporary, Kills);

    FillSaveRecord(record, nextNumber);
    WriteRecord(path.toStdString(), record);
    QCOMPARE(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList{TargetName});
}

void TestSaveAtomicity::saveRemovesOnlyStaleTemporaries_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("removed");
    QTest::newRow("stale temporary") << ".switcher.cfg.Ab12Cd" << "file" << true;
    QTest::newRow("empty stale temporary") << ".switcher.cfg.000000" << "empty" << true;
    QTest::newRow("temporary of a running save") << ".switcher.cfg.Ab12Cd" << "locked" << false;
    QTest::newRow("another file's temporary") << ".switch.cfg.Ab12Cd" << "file" << false;
    QTest::newRow("five random characters") << ".switcher.cfg.Ab12C" << "file" << false;
    QTest::newRow("seven random characters") << ".switcher.cfg.Ab12Cde" << "file" << false;
    QTest::newRow("not a mkstemp character") << ".switcher.cfg.Ab_2Cd" << "file" << false;
    QTest::newRow("no leading dot") << "switcher.cfg.Ab12Cd" << "file" << false;
    QTest::newRow("folder") << ".switcher.cfg.Ab12Cd" << "folder" << false;
    QTest::newRow("symbolic link") << ".switcher.cfg.Ab12Cd" << "link" << false;
}

void TestSaveAtomicity::saveRemovesOnlyStaleTemporaries()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, removed);

    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QDir folder(scratch.path());
    const QString entry = folder.filePath(name);
    const QByteArray content(100, 'x');
    int held = -1;
    if (kind == QLatin1String("folder")) {
        QVERIFY(folder.mkdir(name));
    } else if (kind == QLatin1String("link")) {
        QFile victim(folder.filePath(QStringLiteral("victim")));
        QVERIFY(victim.open(QIODevice::WriteOnly) && victim.write(content) == content.size());
        victim.close();
        QVERIFY(QFile::link(victim.fileName(), entry));
    } else {
        QFile file(entry);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (kind != QLatin1String("empty"))
            QCOMPARE(file.write(content), content.size());
        file.close();
        if (kind == QLatin1String("locked")) {
            // A save in another process holds its temporary locked until it renames it.
            held = ::open(QFile::encodeName(entry).constData(), O_RDONLY | O_CLOEXEC);
            QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);
        }
    }

    TConfigRecord record;
    FillSaveRecord(record, 7);
    WriteRecord(folder.filePath(TargetName).toStdString(), record);
    if (held >= 0)
        ::close(held);

    QCOMPARE(QFileInfo(entry).exists() || QFileInfo(entry).isSymLink(), !removed);
    if (kind == QLatin1String("link"))
        QVERIFY(QFileInfo::exists(folder.filePath(QStringLiteral("victim"))));
    // The save itself took no other entry away and left no temporary of its own.
    QStringList expected{TargetName};
    if (!removed)
        expected << name;
    if (kind == QLatin1String("link"))
        expected << QStringLiteral("victim");
    QStringList present = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    expected.sort();
    present.sort();
    QCOMPARE(present, expected);
}

QTEST_GUILESS_MAIN(TestSaveAtomicity)
#include "test_save_atomicity.moc"
