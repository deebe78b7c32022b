// The 2048-byte configuration record: the in-memory image and the file format.
// Plain C++ with no Qt, so that the record rules can be used and tested anywhere.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

constexpr std::size_t ConfigRecordSize = 2048;
constexpr std::uint8_t BlankMarker = 0xFF;

// Field widths of the text fields; each edit's maximum length equals its width.
constexpr std::size_t ConfigNameWidth = 32;
constexpr std::size_t ShortNameWidth = 4;
constexpr std::size_t FullNameWidth = 13;
constexpr std::size_t InstallerLineWidth = 30;
constexpr std::size_t InstallerLineCount = 4;
constexpr std::size_t VersionTextWidth = 2;

constexpr int SourceCount = 6;
constexpr int GroupCount = 6;
constexpr int ZoneCount = 36;
constexpr std::size_t ZoneMapSize = 9;

struct TConfigRecord {
    std::uint8_t ConfigName[ConfigNameWidth];                   // 0; byte 0 doubles as the blank marker
    std::uint8_t SourceShortName[SourceCount][ShortNameWidth];  // 32
    std::uint8_t SourceFullName[SourceCount][FullNameWidth];    // 56
    std::uint8_t GroupShortName[GroupCount][ShortNameWidth];    // 134
    std::uint8_t GroupFullName[GroupCount][FullNameWidth];      // 158
    std::uint8_t GroupZoneMap[GroupCount][ZoneMapSize];         // 236; bytes 4 (high nibble) to 8 reserved
    std::uint8_t InstallerInfo[InstallerLineCount * InstallerLineWidth]; // 290
    std::uint8_t MainGroups;                                    // 410; bits 6 and 7 reserved
    std::uint8_t Options;                                       // 411; bits 0 to 2 reserved
    std::uint8_t Reserved412[4];                                // 412
    std::uint8_t FirmwareVersion[2][VersionTextWidth];          // 416: major, minor
    std::uint8_t UtilityVersion[2][VersionTextWidth];           // 420: major, minor
    std::uint8_t Reserved424[17];                               // 424
    std::uint8_t MainRestrictions;                              // 441; bits 6 and 7 reserved
    std::uint8_t ZoneRestrictions[ZoneCount];                   // 442; bits 6 and 7 reserved
    std::uint8_t Reserved478[1570];                             // 478

    std::uint8_t *bytes() { return reinterpret_cast<std::uint8_t *>(this); }
    const std::uint8_t *bytes() const { return reinterpret_cast<const std::uint8_t *>(this); }
    bool isBlank() const { return ConfigName[0] == BlankMarker; }
    void fill(std::uint8_t value);
};

static_assert(sizeof(TConfigRecord) == ConfigRecordSize);
static_assert(offsetof(TConfigRecord, ConfigName) == 0);
static_assert(offsetof(TConfigRecord, SourceShortName) == 32);
static_assert(offsetof(TConfigRecord, SourceFullName) == 56);
static_assert(offsetof(TConfigRecord, GroupShortName) == 134);
static_assert(offsetof(TConfigRecord, GroupFullName) == 158);
static_assert(offsetof(TConfigRecord, GroupZoneMap) == 236);
static_assert(offsetof(TConfigRecord, InstallerInfo) == 290);
static_assert(offsetof(TConfigRecord, MainGroups) == 410);
static_assert(offsetof(TConfigRecord, Options) == 411);
static_assert(offsetof(TConfigRecord, Reserved412) == 412);
static_assert(offsetof(TConfigRecord, FirmwareVersion) == 416);
static_assert(offsetof(TConfigRecord, UtilityVersion) == 420);
static_assert(offsetof(TConfigRecord, Reserved424) == 424);
static_assert(offsetof(TConfigRecord, MainRestrictions) == 441);
static_assert(offsetof(TConfigRecord, ZoneRestrictions) == 442);
static_assert(offsetof(TConfigRecord, Reserved478) == 478);

// Option bits of byte 411.
enum OptionBit : int {
    FrontPanelIrSourceControl = 3,
    DisableFrontPanel = 4,
    DisableFrontIrReceiver = 5,
    DisplayBlanking = 6,
    RestrictionFeedback = 7,
};

// The whole-record states the editor builds.
void MakeEmptyRecord(TConfigRecord &record);  // 2048 zero bytes
void MakeBlankRecord(TConfigRecord &record);  // 0xFF, 31 spaces, then zeros

// Bit helpers; bit 0 is the least significant.
constexpr bool GetBit(std::uint8_t value, int bit) { return (value >> bit) & 1u; }
constexpr std::uint8_t SetBit(std::uint8_t value, int bit) { return std::uint8_t(value | (1u << bit)); }
constexpr std::uint8_t ClearBit(std::uint8_t value, int bit) { return std::uint8_t(value & ~(1u << bit)); }
inline void PutBit(std::uint8_t &byte, int bit, bool on) { byte = on ? SetBit(byte, bit) : ClearBit(byte, bit); }

// Text fields hold one byte per character. A store writes the text followed by spaces up to the width,
// never a zero byte; a load takes the bytes before the first zero byte.
constexpr std::string_view PadSpaces = "                                                    "; // 52 spaces
static_assert(PadSpaces.size() == 52);
void StoreText(std::uint8_t *field, std::size_t width, std::string_view text);
std::string LoadText(const std::uint8_t *field, std::size_t width);

// The installer block is loaded as one 120-byte text and cut into four lines of 30.
void StoreInstallerLines(TConfigRecord &record, const std::array<std::string, InstallerLineCount> &lines);
std::array<std::string, InstallerLineCount> LoadInstallerLines(const TConfigRecord &record);

// Version texts: two bytes each, shown as major "." minor.
constexpr std::string_view UtilityVersionMajor = " 1";
constexpr std::string_view UtilityVersionMinor = "03";
void StampUtilityVersion(TConfigRecord &record);
// Integer conversion of a version text: leading spaces, an optional sign, then decimal digits or, after
// "$", "x", "X", "0x" or "0X", hexadecimal digits, up to the end. Anything else fails (returns false).
bool ParseVersionNumber(std::string_view text, int &value);
// "major.minor" of a version pair; both numbers are 0 when either fails to convert.
std::string VersionText(const std::uint8_t (&pair)[2][VersionTextWidth]);

// "A1 - 01" to "F6 - 36" for zone index 0 to 35.
std::string ZoneLabel(int index);
