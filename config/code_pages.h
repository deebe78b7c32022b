// The two 8-bit character sets of the text fields: code page 437 for the configuration name (the set
// the switcher's display and the terminal font use) and Windows-1252 for every other field. Every byte
// maps to one character and back, so text that is loaded and stored again keeps its bytes.
#pragma once

#include <cstdint>

enum class CodePage { Oem437, Windows1252 };

char16_t ByteToUnicode(CodePage page, std::uint8_t byte);
// False when the character has no byte in the code page.
bool UnicodeToByte(CodePage page, char16_t character, std::uint8_t &byte);
