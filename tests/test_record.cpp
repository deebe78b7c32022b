// The record core: layout, bit helpers, text rules, version numbers and zone labels.
#include "config_record.h"

#include <QTest>
#include <cstring>

class RecordTest : public QObject {
    Q_OBJECT
private slots:
    void fieldOffsets_data();
    void fieldOffsets();
    void bitPositions_data();
    void bitPositions();
    void bitHelpers();
    void blankRecord();
    void storeText_data();
    void storeText();
    void loadText_data();
    void loadText();
    void installerLines();
    void versionNumber_data();
    void versionNumber();
    void versionText_data();
    void versionText();
    void zoneLabels();
};

static std::size_t OffsetIn(const TConfigRecord &record, const void *field)
{
    return std::size_t(static_cast<const std::uint8_t *>(field) - record.bytes());
}

void RecordTest::fieldOffsets_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("size");
    const TConfigRecord r{};
    const auto row = [&](const char *name, const void *field, int offset, int size) {
        QTest::newRow(name) << int(OffsetIn(r, field)) << offset << size;
    };
    row("config name", r.ConfigName, 0, 32);
    row("source 1 short", r.SourceShortName[0], 32, 4);
    row("source 6 short", r.SourceShortName[5], 52, 4);
    row("source 1 full", r.SourceFullName[0], 56, 13);
    row("source 6 full", r.SourceFullName[5], 121, 13);
    row("group 1 short", r.GroupShortName[0], 134, 4);
    row("group 6 short", r.GroupShortName[5], 154, 4);
    row("group 1 full", r.GroupFullName[0], 158, 13);
    row("group 6 full", r.GroupFullName[5], 223, 13);
    row("group 1 zones", r.GroupZoneMap[0], 236, 9);
    row("group 6 zones", r.GroupZoneMap[5], 281, 9);
    row("installer", r.InstallerInfo, 290, 120);
    row("main groups", &r.MainGroups, 410, 1);
    row("options", &r.Options, 411, 1);
    row("reserved 412", r.Reserved412, 412, 4);
    row("firmware major", r.FirmwareVersion[0], 416, 2);
    row("firmware minor", r.FirmwareVersion[1], 418, 2);
    row("utility major", r.UtilityVersion[0], 420, 2);
    row("utility minor", r.UtilityVersion[1], 422, 2);
    row("reserved 424", r.Reserved424, 424, 17);
    row("main restrictions", &r.MainRestrictions, 441, 1);
    row("zone 1 restrictions", &r.ZoneRestrictions[0], 442, 1);
    row("zone 36 restrictions", &r.ZoneRestrictions[35], 477, 1);
    row("reserved tail", r.Reserved478, 478, 1570);
}

void RecordTest::fieldOffsets()
{
    QFETCH(int, field);
    QFETCH(int, offset);
    QFETCH(int, size);
    QCOMPARE(field, offset);
    QVERIFY(offset + size <= int(ConfigRecordSize));
}

// A zone's bit lands where the switcher looks for it: zone z of group g is bit (z-1) mod 8 of byte
// 236 + 9(g-1) + (z-1) div 8; zone z's restrictions are byte 442 + z - 1.
void RecordTest::bitPositions_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("bit");
    QTest::newRow("group 1 zone 1") << 1 << 1 << 236 << 0;
    QTest::newRow("group 2 zone 9") << 2 << 9 << 246 << 0;
    QTest::newRow("group 6 zone 36") << 6 << 36 << 285 << 3;
    QTest::newRow("group 3 zone 36") << 3 << 36 << 258 << 3;
}

void RecordTest::bitPositions()
{
    QFETCH(int, group);
    QFETCH(int, zone);
    QFETCH(int, byte);
    QFETCH(int, bit);
    TConfigRecord r{};
    PutBit(r.GroupZoneMap[group - 1][(zone - 1) / 8], (zone - 1) % 8, true);
    for (int i = 0; i < int(ConfigRecordSize); ++i)
        QCOMPARE(int(r.bytes()[i]), i == byte ? 1 << bit : 0);
    QCOMPARE(int(OffsetIn(r, &r.ZoneRestrictions[35])), 477);
}

void RecordTest::bitHelpers()
{
    QCOMPARE(SetBit(0x00, 3), std::uint8_t(0x08));
    QCOMPARE(ClearBit(0xFF, 7), std::uint8_t(0x7F));
    QVERIFY(GetBit(0x08, 3));
    QVERIFY(!GetBit(0x08, 2));
    for (int bit = 0; bit < 8; ++bit) {
        std::uint8_t byte = 0xA5;
        PutBit(byte, bit, !GetBit(0xA5, bit));
        QCOMPARE(int(byte ^ 0xA5), 1 << bit);
        PutBit(byte, bit, GetBit(0xA5, bit));
        QCOMPARE(int(byte), 0xA5);
    }
}

void RecordTest::blankRecord()
{
    TConfigRecord r;
    r.fill(0x55);
    MakeBlankRecord(r);
    QVERIFY(r.isBlank());
    QCOMPARE(int(r.bytes()[0]), int(BlankMarker));
    for (int i = 1; i < 32; ++i)
        QCOMPARE(int(r.bytes()[i]), int(' '));
    for (int i = 32; i < int(ConfigRecordSize); ++i)
        QCOMPARE(int(r.bytes()[i]), 0);
}

void RecordTest::storeText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("empty short name") << QByteArray() << 4 << QByteArray("    ");
    QTest::newRow("three letters") << QByteArray("TV1") << 4 << QByteArray("TV1 ");
    QTest::newRow("full width, no padding") << QByteArray(32, 'N') << 32 << QByteArray(32, 'N');
    QTest::newRow("longer text is cut") << QByteArray("ABCDEF") << 4 << QByteArray("ABCD");
    QTest::newRow("empty installer line") << QByteArray() << 30 << QByteArray(30, ' ');
    QTest::newRow("high bytes kept") << QByteArray("\xFF\x80") << 4 << QByteArray("\xFF\x80  ");
}

void RecordTest::storeText()
{
    QFETCH(QByteArray, text);
    QFETCH(int, width);
    QFETCH(QByteArray, stored);
    std::uint8_t field[64];
    std::memset(field, 0xEE, sizeof field);
    StoreText(field, std::size_t(width), std::string_view(text.constData(), std::size_t(text.size())));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(field), width), stored);
    QCOMPARE(int(field[width]), 0xEE);
}

void RecordTest::loadText_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("zero inside") << QByteArray("TV\0X", 4) << QByteArray("TV");
    QTest::newRow("no zero, trailing spaces kept") << QByteArray("AB  ") << QByteArray("AB  ");
    QTest::newRow("all zero") << QByteArray(4, '\0') << QByteArray();
    QTest::newRow("zero first") << QByteArray("\0BCD", 4) << QByteArray();
}

void RecordTest::loadText()
{
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, text);
    const std::string loaded = LoadText(reinterpret_cast<const std::uint8_t *>(field.constData()), 4);
    QCOMPARE(QByteArray::fromStdString(loaded), text);
}

// The installer block ends at its first zero byte, wherever it is: a zero as the 46th byte leaves line 1
// whole, 15 characters of line 2 and empty lines 3 and 4, whatever those bytes hold.
void RecordTest::installerLines()
{
    TConfigRecord r{};
    std::memset(r.InstallerInfo, 'x', sizeof r.InstallerInfo);
    r.InstallerInfo[45] = 0;
    const auto lines = LoadInstallerLines(r);
    QCOMPARE(lines[0], std::string(30, 'x'));
    QCOMPARE(lines[1], std::string(15, 'x'));
    QVERIFY(lines[2].empty() && lines[3].empty());

    StoreInstallerLines(r, lines);
    const QByteArray block(reinterpret_cast<const char *>(r.InstallerInfo), 120);
    QCOMPARE(block, QByteArray(45, 'x') + QByteArray(75, ' '));
}

void RecordTest::versionNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("leading space") << QByteArray(" 1") << true << 1;
    QTest::newRow("leading zero") << QByteArray("03") << true << 3;
    QTest::newRow("two digits") << QByteArray("12") << true << 12;
    QTest::newRow("digit alone") << QByteArray("7") << true << 7;
    QTest::newRow("negative") << QByteArray("-1") << true << -1;
    QTest::newRow("plus") << QByteArray("+4") << true << 4;
    QTest::newRow("dollar hex") << QByteArray("$F") << true << 15;
    QTest::newRow("x hex") << QByteArray("xa") << true << 10;
    QTest::newRow("0x hex") << QByteArray("0x1F") << true << 31;
    QTest::newRow("0X without digits") << QByteArray("0X") << false << 0;
    QTest::newRow("empty") << QByteArray() << false << 0;
    QTest::newRow("spaces alone") << QByteArray("  ") << false << 0;
    QTest::newRow("trailing space") << QByteArray("1 ") << false << 0;
    QTest::newRow("letter") << QByteArray("1a") << false << 0;
    QTest::newRow("sign alone") << QByteArray("-") << false << 0;
}

void RecordTest::versionNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    int parsed = -999;
    QCOMPARE(ParseVersionNumber(std::string_view(text.constData(), std::size_t(text.size())), parsed), ok);
    if (ok)
        QCOMPARE(parsed, value);
}

void RecordTest::versionText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("stamp") << QByteArray(" 103") << QStringLiteral("1.3");
    QTest::newRow("zeros") << QByteArray(4, '\0') << QStringLiteral("0.0");
    QTest::newRow("minor fails, major dropped") << QByteArray(" 21 ") << QStringLiteral("0.0");
    QTest::newRow("firmware 1.0") << QByteArray("0100") << QStringLiteral("1.0");
    QTest::newRow("digit then zero byte") << QByteArray("2\0" "5\0", 4) << QStringLiteral("2.5");
}

void RecordTest::versionText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    TConfigRecord r{};
    std::memcpy(r.UtilityVersion, bytes.constData(), 4);
    QCOMPARE(QString::fromStdString(VersionText(r.UtilityVersion)), shown);
}

void RecordTest::zoneLabels()
{
    QCOMPARE(QString::fromStdString(ZoneLabel(0)), QStringLiteral("A1 - 01"));
    QCOMPARE(QString::fromStdString(ZoneLabel(5)), QStringLiteral("A6 - 06"));
    QCOMPARE(QString::fromStdString(ZoneLabel(6)), QStringLiteral("B1 - 07"));
    QCOMPARE(QString::fromStdString(ZoneLabel(8)), QStringLiteral("B3 - 09"));
    QCOMPARE(QString::fromStdString(ZoneLabel(35)), QStringLiteral("F6 - 36"));
}

QTEST_APPLESS_MAIN(RecordTest)
#include "test_record.moc"
