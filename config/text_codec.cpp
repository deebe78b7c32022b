#include "text_codec.h"

QString DecodeText(CodePage page, const std::string &bytes)
{
    QString text;
    text.reserve(qsizetype(bytes.size()));
    for (const char byte : bytes)
        text.append(QChar(ByteToUnicode(page, std::uint8_t(byte))));
    return text;
}

std::string EncodeText(CodePage page, const QString &text)
{
    std::string bytes;
    bytes.reserve(std::size_t(text.size()));
    for (const QChar character : text) {
        std::uint8_t byte;
        if (UnicodeToByte(page, character.unicode(), byte))
            bytes.push_back(char(byte));
    }
    return bytes;
}

bool IsEncodable(CodePage page, QChar character)
{
    std::uint8_t byte;
    return UnicodeToByte(page, character.unicode(), byte);
}
