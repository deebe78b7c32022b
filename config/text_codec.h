// Text field bytes shown as Qt strings, one character per byte, in a field's code page.
#pragma once

#include "code_pages.h"

#include <QString>
#include <string>

QString DecodeText(CodePage page, const std::string &bytes);
// Characters without a byte in the code page are left out (the edits never admit them).
std::string EncodeText(CodePage page, const QString &text);
bool IsEncodable(CodePage page, QChar character);
