#include "file_entry_line.h"

#include "text_codec.h"

#include <algorithm>

namespace {

const QString BlankConfigText = QStringLiteral("<Blank Config File>");

QString LinePrefix(const QString &fileName)
{
    return QLatin1Char('[') + fileName.rightJustified(FileNameColumnWidth, QLatin1Char(' ')) + QStringLiteral("]   ");
}

// Space first, then characters by their case-folded code.
int SortKey(QChar c)
{
    const char16_t code = c.unicode();
    if (code == u' ')
        return -1;
    if (code < 0x80)
        return code >= u'A' && code <= u'Z' ? code + (u'a' - u'A') : code;
    return int(c.toCaseFolded().unicode());
}

} // namespace

QString FileEntryLine(const QString &fileName, const TConfigRecord &record)
{
    if (record.isBlank())
        return LinePrefix(fileName) + BlankConfigText;
    // The configuration name ends at the first zero byte, or takes all 32 bytes.
    const auto *name = record.ConfigName;
    const auto *end = std::find(name, name + ConfigNameWidth, std::uint8_t(0));
    return LinePrefix(fileName) + DecodeText(CodePage::Oem437, std::string(name, end));
}

QString UnreadableEntryLine(const QString &fileName, const QString &failure)
{
    return LinePrefix(fileName) + QStringLiteral("<Unreadable: ") + failure + QLatin1Char('>');
}

bool FileEntryLess(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (a[i] == b[i])
            continue;
        const int x = SortKey(a[i]), y = SortKey(b[i]);
        if (x != y)
            return x < y;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;  // lines equal but for case keep one fixed order
}
