// Reading and writing one record: sizes, failure texts, and that a failed save leaves the old file whole.
#include "record_file.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray Pattern(int size, char seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(seed + i * 7);
    return bytes;
}

std::string Local(const QString &path) { return QFile::encodeName(path).toStdString(); }

QString ReadFailure(const QString &path)
{
    TConfigRecord record;
    try {
        ReadRecord(Local(path), record);
    } catch (const EInOutError &error) {
        return QString::fromLatin1(error.what());
    }
    return QString();
}

QString WriteFailure(const QString &path, const TConfigRecord &record)
{
    try {
        WriteRecord(Local(path), record);
    } catch (const EInOutError &error) {
        return QString::fromLatin1(error.what());
    }
    return QString();
}

TConfigRecord RecordOf(const QByteArray &bytes)
{
    TConfigRecord record;
    std::memcpy(record.bytes(), bytes.constData(), ConfigRecordSize);
    return record;
}

// Runs `body` in a child process with a private mount namespace and a small tmpfs at `mountPoint`.
// Returns the child's message, or a null string when the machine does not allow the namespace.
QString InPrivateTmpfs(const QString &mountPoint, const std::function<std::string(const std::string &)> &body)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return QString();
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        std::string message = "SKIP";
        const std::string point = Local(mountPoint);
        if (::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
            && ::mount("tmpfs", point.c_str(), "tmpfs", 0, "size=64k") == 0)
            message = body(point);
        [[maybe_unused]] const auto written = ::write(fds[1], message.data(), message.size());
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string message;
    char buffer[256];
    ssize_t n;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0)
        message.append(buffer, std::size_t(n));
    ::close(fds[0]);
    ::waitpid(child, nullptr, 0);
    return message == "SKIP" ? QString() : QString::fromStdString(message);
}

} // namespace

class RecordFileTest : public QObject {
    Q_OBJECT
private slots:
    void readsFirstRecord_data();
    void readsFirstRecord();
    void writesExactlyOneRecord();
    void readFailures_data();
    void readFailures();
    void writeFailuresKeepOldFile_data();
    void writeFailuresKeepOldFile();
    void readOnlyFileAsRoot();
    void saveKeepsPermissions();
    void tooManyOpenFiles();
    void diskFull();
    void readOnlyMount();
};

void RecordFileTest::readsFirstRecord_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("exactly 2048") << 2048;
    QTest::newRow("longer") << 5000;
}

void RecordFileTest::readsFirstRecord()
{
    QFETCH(int, size);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.cfg"));
    const QByteArray bytes = Pattern(size, 3);
    QVERIFY(WriteBytes(path, bytes));
    TConfigRecord record;
    ReadRecord(Local(path), record);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(record.bytes()), 2048), bytes.left(2048));
}

void RecordFileTest::writesExactlyOneRecord()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.cfg"));
    QVERIFY(WriteBytes(path, Pattern(5000, 9)));
    const QByteArray record = Pattern(2048, 1);
    WriteRecord(Local(path), RecordOf(record));
    QCOMPARE(ReadBytes(path), record);
    // Nothing but the target is left in the folder.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("a.cfg")});

    const QString fresh = dir.filePath(QStringLiteral("new.cfg"));
    WriteRecord(Local(fresh), RecordOf(record));
    QCOMPARE(ReadBytes(fresh), record);
}

void RecordFileTest::readFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("failure");
    QTest::newRow("short") << QStringLiteral("a.cfg") << 2047 << QStringLiteral("Read beyond end of file");
    QTest::newRow("empty") << QStringLiteral("a.cfg") << 0 << QStringLiteral("Read beyond end of file");
    QTest::newRow("missing file") << QStringLiteral("b.cfg") << -1 << QStringLiteral("File not found");
    QTest::newRow("missing folder") << QStringLiteral("no/a.cfg") << -1 << QStringLiteral("Invalid filename");
    QTest::newRow("file as folder") << QStringLiteral("a.cfg/x.cfg") << 2048 << QStringLiteral("Invalid filename");
    QTest::newRow("folder") << QStringLiteral(".") << -1 << QStringLiteral("File access denied");
}

void RecordFileTest::readFailures()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(QString, failure);
    QTemporaryDir dir;
    if (size >= 0)
        QVERIFY(WriteBytes(dir.filePath(QStringLiteral("a.cfg")), Pattern(size, 5)));
    QCOMPARE(ReadFailure(dir.filePath(name)), failure);
}

void RecordFileTest::writeFailuresKeepOldFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("failure");
    QTest::newRow("read-only file") << QStringLiteral("a.cfg") << true << QStringLiteral("File access denied");
    QTest::newRow("missing folder") << QStringLiteral("no/a.cfg") << false << QStringLiteral("Invalid filename");
    QTest::newRow("folder as target") << QStringLiteral("sub") << false << QStringLiteral("File access denied");
}

void RecordFileTest::writeFailuresKeepOldFile()
{
    QFETCH(QString, name);
    QFETCH(bool, readOnly);
    QFETCH(QString, failure);
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("a.cfg"));
    const QByteArray oldBytes = Pattern(2048, 7);
    QVERIFY(WriteBytes(old, oldBytes));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    if (readOnly)
        QVERIFY(::chmod(Local(old).c_str(), 0444) == 0);
    QCOMPARE(WriteFailure(dir.filePath(name), RecordOf(Pattern(2048, 1))), failure);
    QCOMPARE(ReadBytes(old), oldBytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("a.cfg")});
}

// Root passes the system's permission checks; a file without write bits is still read-only to the editor.
void RecordFileTest::readOnlyFileAsRoot()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ro.cfg"));
    QVERIFY(WriteBytes(path, Pattern(2048, 2)));
    QVERIFY(::chmod(Local(path).c_str(), 0444) == 0);
    QCOMPARE(ReadFailure(path), QStringLiteral("File access denied"));
    QCOMPARE(WriteFailure(path, RecordOf(Pattern(2048, 1))), QStringLiteral("File access denied"));
    QCOMPARE(ReadBytes(path), Pattern(2048, 2));
}

void RecordFileTest::saveKeepsPermissions()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.cfg"));
    QVERIFY(WriteBytes(path, Pattern(2048, 2)));
    QVERIFY(::chmod(Local(path).c_str(), 0640) == 0);
    WriteRecord(Local(path), RecordOf(Pattern(2048, 4)));
    struct stat st;
    QVERIFY(::stat(Local(path).c_str(), &st) == 0);
    QCOMPARE(int(st.st_mode & 07777), 0640);
}

void RecordFileTest::tooManyOpenFiles()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.cfg"));
    QVERIFY(WriteBytes(path, Pattern(2048, 2)));
    rlimit saved;
    QVERIFY(::getrlimit(RLIMIT_NOFILE, &saved) == 0);
    // Use up every descriptor below a small limit, then ask for one more.
    rlimit low = saved;
    low.rlim_cur = 64;
    QVERIFY(::setrlimit(RLIMIT_NOFILE, &low) == 0);
    std::vector<int> held;
    for (int fd; (fd = ::open("/dev/null", O_RDONLY)) >= 0;)
        held.push_back(fd);
    const QString failure = ReadFailure(path);
    for (int fd : held)
        ::close(fd);
    ::setrlimit(RLIMIT_NOFILE, &saved);
    QCOMPARE(failure, QStringLiteral("Too many open files"));
}

void RecordFileTest::diskFull()
{
    QTemporaryDir dir;
    const QString message = InPrivateTmpfs(dir.path(), [](const std::string &point) -> std::string {
        const std::string target = point + "/a.cfg";
        TConfigRecord old;
        old.fill(0x11);
        WriteRecord(target, old);
        // Fill the volume to its last byte.
        const int filler = ::open((point + "/filler").c_str(), O_WRONLY | O_CREAT, 0644);
        char block[512] = {};
        while (::write(filler, block, sizeof block) > 0) {
        }
        while (::write(filler, block, 1) > 0) {
        }
        ::close(filler);
        TConfigRecord fresh;
        fresh.fill(0x22);
        std::string failure = "saved";
        try {
            WriteRecord(target, fresh);
        } catch (const EInOutError &error) {
            failure = error.what();
        }
        TConfigRecord after;
        ReadRecord(target, after);
        const bool intact = std::memcmp(after.bytes(), old.bytes(), ConfigRecordSize) == 0;
        return failure + (intact ? "|intact" : "|changed");
    });
    if (message.isNull())
        QSKIP("no private mount namespace here");
    QCOMPARE(message, QStringLiteral("Disk full|intact"));
}

void RecordFileTest::readOnlyMount()
{
    QTemporaryDir dir;
    const QString message = InPrivateTmpfs(dir.path(), [](const std::string &point) -> std::string {
        const std::string target = point + "/a.cfg";
        TConfigRecord record;
        record.fill(0x33);
        WriteRecord(target, record);
        if (::mount(nullptr, point.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
            return "SKIP";
        std::string result;
        for (int step = 0; step < 2; ++step) {
            try {
                if (step == 0)
                    ReadRecord(target, record);
                else
                    WriteRecord(target, record);
                result += "ok|";
            } catch (const EInOutError &error) {
                result += std::string(error.what()) + "|";
            }
        }
        return result;
    });
    if (message.isNull())
        QSKIP("no private mount namespace here");
    QCOMPARE(message, QStringLiteral("File access denied|File access denied|"));
}

QTEST_APPLESS_MAIN(RecordFileTest)
#include "test_record_file.moc"
