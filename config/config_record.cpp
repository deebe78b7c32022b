#include "config_record.h"

#include <algorithm>
#include <cstring>
#include <limits>

void TConfigRecord::fill(std::uint8_t value) { std::memset(this, value, sizeof(*this)); }

void MakeEmptyRecord(TConfigRecord &record) { record.fill(0); }

void MakeBlankRecord(TConfigRecord &record)
{
    record.fill(0);
    std::memset(record.ConfigName, ' ', ConfigNameWidth);
    record.ConfigName[0] = BlankMarker;
}

void StoreText(std::uint8_t *field, std::size_t width, std::string_view text)
{
    // The text followed by the padding, cut to the width.
    for (std::size_t i = 0; i < width; ++i) {
        const std::size_t padIndex = i - std::min(i, text.size());
        const char c = i < text.size() ? text[i] : (padIndex < PadSpaces.size() ? PadSpaces[padIndex] : ' ');
        field[i] = static_cast<std::uint8_t>(c);
    }
}

std::string LoadText(const std::uint8_t *field, std::size_t width)
{
    const std::uint8_t *end = std::find(field, field + width, std::uint8_t(0));
    return std::string(reinterpret_cast<const char *>(field), reinterpret_cast<const char *>(end));
}

void StoreInstallerLines(TConfigRecord &record, const std::array<std::string, InstallerLineCount> &lines)
{
    for (std::size_t k = 0; k < InstallerLineCount; ++k)
        StoreText(record.InstallerInfo + k * InstallerLineWidth, InstallerLineWidth, lines[k]);
}

std::array<std::string, InstallerLineCount> LoadInstallerLines(const TConfigRecord &record)
{
    const std::string text = LoadText(record.InstallerInfo, sizeof(record.InstallerInfo));
    std::array<std::string, InstallerLineCount> lines;
    for (std::size_t k = 0; k < InstallerLineCount; ++k) {
        const std::size_t start = k * InstallerLineWidth;
        if (start < text.size())
            lines[k] = text.substr(start, InstallerLineWidth);
    }
    return lines;
}

void StampUtilityVersion(TConfigRecord &record)
{
    std::memcpy(record.UtilityVersion[0], UtilityVersionMajor.data(), VersionTextWidth);
    std::memcpy(record.UtilityVersion[1], UtilityVersionMinor.data(), VersionTextWidth);
}

static int DigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

bool ParseVersionNumber(std::string_view text, int &value)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return false;
    long long result = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i]);
        if (digit >= base)
            return false;
        result = result * base + digit;
        if (result > std::numeric_limits<int>::max())
            return false;
    }
    value = int(negative ? -result : result);
    return true;
}

std::string VersionText(const std::uint8_t (&pair)[2][VersionTextWidth])
{
    int major = 0, minor = 0;
    if (!ParseVersionNumber(LoadText(pair[0], VersionTextWidth), major)
        || !ParseVersionNumber(LoadText(pair[1], VersionTextWidth), minor))
        major = minor = 0;
    return std::to_string(major) + "." + std::to_string(minor);
}

std::string ZoneLabel(int index)
{
    const int number = index + 1;
    std::string label;
    label += char('A' + index / 6);
    label += char('1' + index % 6);
    label += " - ";
    label += char('0' + number / 10);
    label += char('0' + number % 10);
    return label;
}
