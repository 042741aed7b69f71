// Code page 1252 bytes (the terms' and the results' text) to Unicode and UTF-8, and back.
#pragma once

#include <string>
#include <string_view>

namespace plotwerk::fktint {

// The Unicode character of a code page 1252 byte.
char16_t Cp1252ToUnicode(unsigned char byte);

// Code page 1252 bytes to UTF-8 (0x80-0x9F become the euro sign, the quotes, ...).
std::string Cp1252ToUtf8(std::string_view text);

// Bytes read as Latin-1 to UTF-8: 0x80-0x9F become the control characters U+0080-U+009F.
// The command line's messages and the worksheet's field texts have always been written this way.
std::string Latin1ToUtf8(std::string_view text);

// Characters that code page 1252 lacks become '?'; malformed UTF-8 bytes are taken as they are.
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace plotwerk::fktint
