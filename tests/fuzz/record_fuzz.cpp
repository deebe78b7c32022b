// libFuzzer target over the record core: any 2048 bytes are loaded as an open loads them, shown as page
// values and stored back as a save stores them. The save must keep every byte that no control owns, write
// the texts by the text rules, stamp the utility version, and give the same bytes when repeated.
// Shorter inputs are padded with zero bytes; bytes after the 2048th are ignored.
#include "config_record.h"
#include "page_values.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

void Broken(const char *check, std::size_t offset)
{
    std::fprintf(stderr, "broken check: %s (byte %zu)\n", check, offset);
    __builtin_trap();
}

// An open: the file's bytes, or 2048 zero bytes when byte 0 is the blank marker.
TConfigRecord Open(const std::uint8_t *bytes)
{
    TConfigRecord record;
    std::memcpy(record.bytes(), bytes, ConfigRecordSize);
    if (record.isBlank())
        MakeEmptyRecord(record);
    return record;
}

// Loading into the pages and storing them again, as a save after an open without edits.
TConfigRecord Save(const TConfigRecord &opened)
{
    TConfigRecord saved = opened;
    StorePageValues(LoadPageValues(opened), saved);
    return saved;
}

struct TextField {
    std::size_t offset;
    std::size_t width;
};

// The text fields as the pages load them: the installer block is one 120-byte text.
std::array<TextField, 1 + 4 * 6 + 1> TextFields()
{
    std::array<TextField, 1 + 4 * 6 + 1> fields{};
    std::size_t n = 0;
    fields[n++] = {offsetof(TConfigRecord, ConfigName), ConfigNameWidth};
    for (std::size_t i = 0; i < 6; ++i) {
        fields[n++] = {offsetof(TConfigRecord, SourceShortName) + i * ShortNameWidth, ShortNameWidth};
        fields[n++] = {offsetof(TConfigRecord, SourceFullName) + i * FullNameWidth, FullNameWidth};
        fields[n++] = {offsetof(TConfigRecord, GroupShortName) + i * ShortNameWidth, ShortNameWidth};
        fields[n++] = {offsetof(TConfigRecord, GroupFullName) + i * FullNameWidth, FullNameWidth};
    }
    fields[n++] = {offsetof(TConfigRecord, InstallerInfo), InstallerLineCount * InstallerLineWidth};
    return fields;
}

// For every byte, the bits that some control owns (the save may write them); all others must stay.
std::array<std::uint8_t, ConfigRecordSize> OwnedBits()
{
    std::array<std::uint8_t, ConfigRecordSize> owned{};
    for (const TextField &field : TextFields())
        std::memset(&owned[field.offset], 0xFF, field.width);
    std::memset(&owned[offsetof(TConfigRecord, UtilityVersion)], 0xFF, 2 * VersionTextWidth);
    owned[offsetof(TConfigRecord, Options)] = 0xF8;           // bits 3 to 7
    owned[offsetof(TConfigRecord, MainGroups)] = 0x3F;        // bits 0 to 5
    owned[offsetof(TConfigRecord, MainRestrictions)] = 0x3F;  // bits 0 to 5
    return owned;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const auto owned = OwnedBits();
    static const auto texts = TextFields();

    std::array<std::uint8_t, ConfigRecordSize> input{};
    std::memcpy(input.data(), data, size < ConfigRecordSize ? size : ConfigRecordSize);

    const TConfigRecord opened = Open(input.data());
    const TConfigRecord saved = Save(opened);
    static_assert(sizeof saved == ConfigRecordSize, "a save writes exactly one record");
    const std::uint8_t *before = opened.bytes();
    const std::uint8_t *after = saved.bytes();

    for (std::size_t i = 0; i < ConfigRecordSize; ++i) {
        if ((before[i] & ~owned[i]) != (after[i] & ~owned[i]))
            Broken("a byte or bit that no control owns changed", i);
    }

    // Each text field: the loaded text (the bytes before its first zero byte) followed by spaces.
    for (const TextField &field : texts) {
        const std::uint8_t *was = before + field.offset;
        const std::uint8_t *is = after + field.offset;
        const void *zero = std::memchr(was, 0, field.width);
        const std::size_t length = zero ? std::size_t(static_cast<const std::uint8_t *>(zero) - was) : field.width;
        for (std::size_t k = 0; k < field.width; ++k) {
            if (is[k] == 0)
                Broken("a text field holds a zero byte", field.offset + k);
            if (is[k] != (k < length ? was[k] : ' '))
                Broken("a text field is not its loaded text followed by spaces", field.offset + k);
        }
    }

    // The check boxes and Main lists give back the bits they were loaded from.
    for (const std::size_t offset : {offsetof(TConfigRecord, Options), offsetof(TConfigRecord, MainGroups),
                                     offsetof(TConfigRecord, MainRestrictions)}) {
        if (before[offset] != after[offset])
            Broken("an option or Main bit changed without an edit", offset);
    }

    if (std::memcmp(saved.UtilityVersion[0], " 1", 2) != 0 || std::memcmp(saved.UtilityVersion[1], "03", 2) != 0)
        Broken("the utility version stamp \" 1\" \"03\" is missing", offsetof(TConfigRecord, UtilityVersion));

    // Opening the saved bytes and saving again changes nothing.
    const TConfigRecord again = Save(Open(after));
    for (std::size_t i = 0; i < ConfigRecordSize; ++i) {
        if (again.bytes()[i] != after[i])
            Broken("a second open and save changed the saved bytes", i);
    }
    return 0;
}
