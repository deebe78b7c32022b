// The removable-volume probe over made-up mount tables and sysfs trees, the search for configuration
// files in a volume's root, and one run of the real scan over a real removable volume where permitted.
#include "config_file_search.h"
#include "removable_probe.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Builds a sysfs tree: device folders under devices/ and the dev/block/MAJ:MIN links to them.
class SysfsTree {
public:
    explicit SysfsTree(const QString &root) : root_(root) { QDir().mkpath(root_ + QStringLiteral("/dev/block")); }

    // devicePath is below devices/; a partition's disk is the folder above it and carries "removable".
    void addDevice(const QString &majMin, const QString &devicePath, bool partition, const char *removable)
    {
        const QString device = root_ + QStringLiteral("/devices/") + devicePath;
        QVERIFY(QDir().mkpath(device));
        const QString disk = partition ? device.section(QLatin1Char('/'), 0, -2) : device;
        if (partition)
            write(device + QStringLiteral("/partition"), "1\n");
        if (removable)
            write(disk + QStringLiteral("/removable"), QByteArray(removable) + '\n');
        QVERIFY(QFile::link(QStringLiteral("../../devices/") + devicePath, root_ + QStringLiteral("/dev/block/") + majMin));
    }

    const QString &root() const { return root_; }

private:
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QString root_;
};

QString MountLine(const char *majMin, const char *root, const char *mountPoint, const char *type)
{
    return QStringLiteral("%1 25 %2 %3 %4 rw,nosuid,nodev,relatime shared:80 - %5 /dev/x rw\n")
        .arg(QString::number(qHash(QByteArray(mountPoint)) % 900 + 30), QLatin1String(majMin), QLatin1String(root),
             QLatin1String(mountPoint), QLatin1String(type));
}

std::string Text(const QString &text) { return text.toStdString(); }

QStringList Describe(const std::vector<RemovableVolume> &volumes)
{
    QStringList out;
    for (const auto &volume : volumes)
        out << QString::fromStdString(volume.label + "|" + volume.mountPoint);
    return out;
}

void Touch(const QString &path, qint64 size = 2048)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(size, 'x'));
}

} // namespace

class TestRemovableProbe : public QObject {
    Q_OBJECT

private:
    QTemporaryDir scratch_;
    std::string sysRoot_;

private slots:
    void initTestCase()
    {
        QVERIFY(scratch_.isValid());
        // The tree itself sits below a folder named like a USB bus: only the device's own path may count.
        SysfsTree sys(scratch_.path() + QStringLiteral("/usb1/sys"));
        sys.addDevice("8:17", "pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb/sdb1",
                      true, "1");
        sys.addDevice("8:48", "pci0000:00/0000:00:1f.2/ata3/host2/target2:0:0/2:0:0:0/block/sdd", false, "1");
        sys.addDevice("179:1", "platform/fe320000.mmc/mmc_host/mmc0/mmc0:aaaa/block/mmcblk0/mmcblk0p1", true, "0");
        sys.addDevice("8:1", "pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda/sda1", true, "0");
        sys.addDevice("8:33",
                      "pci0000:00/0000:00:14.0/usb2/2-4/2-4:1.0/host7/target7:0:0/7:0:0:0/block/sdc/sdc1", true, "0");
        sys.addDevice("8:65", "pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/host8/target8:0:0/8:0:0:0/block/sde/sde1",
                      true, "1");
        sys.addDevice("7:0", "virtual/block/loop0", false, "0");
        sysRoot_ = Text(sys.root());
    }

    void probe_data()
    {
        QTest::addColumn<QString>("mountInfo");
        QTest::addColumn<QStringList>("offered");

        QTest::newRow("USB card reader partition")
            << MountLine("8:17", "/", "/media/user/CARD", "vfat") << QStringList{"CARD|/media/user/CARD"};
        QTest::newRow("whole-disk FAT reporting removable media")
            << MountLine("8:48", "/", "/mnt/flash", "vfat") << QStringList{"flash|/mnt/flash"};
        QTest::newRow("built-in MMC slot with removable=0")
            << MountLine("179:1", "/", "/media/user/SDCARD", "vfat") << QStringList{"SDCARD|/media/user/SDCARD"};
        QTest::newRow("USB disk with removable=0")
            << MountLine("8:33", "/", "/media/user/BIGDISK", "exfat") << QStringList{"BIGDISK|/media/user/BIGDISK"};
        QTest::newRow("SATA disk, even mounted as usb") << MountLine("8:1", "/", "/media/usb", "ext4") << QStringList{};
        QTest::newRow("loop device") << MountLine("7:0", "/", "/mnt/image", "ext4") << QStringList{};
        QTest::newRow("mount point with an escaped space")
            << MountLine("8:17", "/", "/media/user/MY\\040CARD", "vfat")
            << QStringList{"MY CARD|/media/user/MY CARD"};
        QTest::newRow("tmpfs, proc and other virtual mounts")
            << MountLine("0:45", "/", "/run/user/1000", "tmpfs") + MountLine("0:22", "/", "/proc", "proc")
                   + MountLine("0:21", "/", "/sys", "sysfs")
            << QStringList{};
        QTest::newRow("device without a sysfs entry") << MountLine("9:9", "/", "/mnt/raid", "ext4") << QStringList{};
        QTest::newRow("subfolder bind mount is not the volume's root")
            << MountLine("8:17", "/configs", "/srv/configs", "vfat") << QStringList{};
        QTest::newRow("second mount of one volume")
            << MountLine("8:17", "/", "/media/user/CARD", "vfat") + MountLine("8:17", "/", "/mnt/again", "vfat")
            << QStringList{"CARD|/media/user/CARD"};
        QTest::newRow("malformed lines between good ones")
            << QStringLiteral("garbage\n36 25 8:17 / /media/x rw shared:1\n37 25 8x65 / /media/y rw - vfat /dev/y rw\n")
                   + MountLine("8:65", "/", "/media/user/STICK", "vfat") + QStringLiteral("38 25 8:48\n\n")
                   + MountLine("8:17", "/", "/media/user/CARD", "vfat")
            << QStringList{"CARD|/media/user/CARD", "STICK|/media/user/STICK"};
        QTest::newRow("sorted by label without regard to case")
            << MountLine("8:65", "/", "/media/user/zeta", "vfat") + MountLine("8:17", "/", "/media/user/Beta", "vfat")
                   + MountLine("179:1", "/", "/media/user/alpha", "vfat")
            << QStringList{"alpha|/media/user/alpha", "Beta|/media/user/Beta", "zeta|/media/user/zeta"};
        QTest::newRow("two volumes with one label are told apart")
            << MountLine("8:65", "/", "/media/a/CARD", "vfat") + MountLine("8:17", "/", "/media/b/CARD", "vfat")
            << QStringList{"CARD (/media/a/CARD)|/media/a/CARD", "CARD (/media/b/CARD)|/media/b/CARD"};
    }

    void probe()
    {
        QFETCH(QString, mountInfo);
        QFETCH(QStringList, offered);
        QCOMPARE(Describe(ProbeRemovableVolumes(Text(mountInfo), sysRoot_)), offered);
    }

    void labelsComeFromTheLabelFolder()
    {
        const QString labels = scratch_.path() + QStringLiteral("/by-label");
        QVERIFY(QDir().mkpath(labels));
        QVERIFY(QFile::link(QStringLiteral("../../sdb1"), labels + QStringLiteral("/QLX\\x20SETUPS")));
        QVERIFY(QFile::link(QStringLiteral("../../sda1"), labels + QStringLiteral("/SYSTEM")));
        const QString table = MountLine("8:17", "/", "/media/user/3A1F-09C2", "vfat")
                              + MountLine("8:65", "/", "/media/user/STICK", "vfat");
        QCOMPARE(Describe(ProbeRemovableVolumes(Text(table), sysRoot_, Text(labels))),
                 (QStringList{"QLX SETUPS|/media/user/3A1F-09C2", "STICK|/media/user/STICK"}));
    }

    void decodesMountEscapes_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QByteArray>("decoded");
        QTest::newRow("space") << QStringLiteral("/media/a\\040b") << QByteArray("/media/a b");
        QTest::newRow("tab, newline, backslash") << QStringLiteral("\\011\\012\\134") << QByteArray("\t\n\\");
        QTest::newRow("not an escape") << QStringLiteral("a\\9b\\04") << QByteArray("a\\9b\\04");
    }

    void decodesMountEscapes()
    {
        QFETCH(QString, field);
        QFETCH(QByteArray, decoded);
        QCOMPARE(QByteArray::fromStdString(DecodeMountField(Text(field))), decoded);
    }

    // Only normal "*.cfg" files in the root count: not hidden ones, folders or files in subfolders.
    void searchesTheRootForNormalConfigFiles()
    {
        QTemporaryDir volume;
        const QString root = volume.path();
        QVERIFY(QDir(root).mkpath(QStringLiteral("sub")));
        QVERIFY(QDir(root).mkpath(QStringLiteral("folder.cfg")));
        Touch(root + QStringLiteral("/.hidden.cfg"));
        Touch(root + QStringLiteral("/sub/deep.cfg"));
        Touch(root + QStringLiteral("/notes.cfg.bak"));
        Touch(root + QStringLiteral("/readme.txt"));
        QVERIFY(!HasConfigFile(Text(root)));
        QVERIFY(FindConfigFiles(Text(root)).empty());

        Touch(root + QStringLiteral("/A.CFG"));
        Touch(root + QStringLiteral("/b.cfg"), 10);
        Touch(root + QStringLiteral("/c.Cfg"));
        QVERIFY(HasConfigFile(Text(root)));
        QStringList found;
        for (const auto &name : FindConfigFiles(Text(root)))
            found << QString::fromStdString(name);
        found.sort();
        QCOMPARE(found, (QStringList{"A.CFG", "b.cfg", "c.Cfg"}));

        QVERIFY(!HasConfigFile(Text(root + QStringLiteral("/missing"))));
        QVERIFY_THROWS_EXCEPTION(std::exception, FindConfigFiles(Text(root + QStringLiteral("/missing"))));
    }

    // The real scan, as the browser runs it, over a loop-device volume flagged removable, beside one that
    // is not; needs root and a private mount namespace.
    void realRemovableVolume()
    {
        QProcess run;
        run.start(QStringLiteral("/bin/bash"), {QStringLiteral(QLX_VOLUME_CHECK_SCRIPT), QStringLiteral(QLX_VOLUME_TOOL)});
        QVERIFY(run.waitForFinished(120000));
        const QString out = QString::fromUtf8(run.readAllStandardOutput());
        const QString err = QString::fromUtf8(run.readAllStandardError());
        if (run.exitCode() == 77)
            QSKIP(qPrintable(QStringLiteral("no removable volume can be made here: ") + err.trimmed()));
        QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0, qPrintable(out + err));
        const QStringList lines = out.split(QLatin1Char('\n'));
        // The script reports its two mount points first.
        const QString removable = lines.value(0).section(QLatin1Char('='), 1);
        const QString fixed = lines.value(1).section(QLatin1Char('='), 1);
        QVERIFY2(!removable.isEmpty() && !fixed.isEmpty(), qPrintable(out));
        QVERIFY2(lines.contains(QStringLiteral("probe: ") + removable), qPrintable(out));
        QVERIFY2(!lines.contains(QStringLiteral("probe: ") + fixed), qPrintable(out));
        QVERIFY2(!lines.contains(QStringLiteral("drive: ") + fixed + QLatin1Char('/')), qPrintable(out));
        QVERIFY2(lines.contains(QStringLiteral("drive: ") + removable + QLatin1Char('/')), qPrintable(out));
        QVERIFY2(lines.contains(QStringLiteral("line: [   CARD01.CFG]   Real Card Setup")), qPrintable(out));
        QVERIFY2(lines.contains(QStringLiteral("line: [   EMPTY1.cfg]   <Blank Config File>")), qPrintable(out));
        QVERIFY2(!out.contains(QStringLiteral("hidden")), qPrintable(out));
        QVERIFY2(lines.contains(QStringLiteral("caption: Open Configuration File")), qPrintable(out));
    }
};

QTEST_GUILESS_MAIN(TestRemovableProbe)
#include "test_removable_probe.moc"
