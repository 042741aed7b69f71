// The page's strings (UTF-8 from JavaScript) and the core's code page 1252 bytes, both ways, and
// the characters a canvas shows for a byte in the fonts of the drawing.
#pragma once

#include <string>
#include <string_view>

namespace plotwerk::web {

// The Unicode character of a code page 1252 byte.
char16_t Cp1252ToUnicode(unsigned char byte);
// The character shown for a byte: in the font "Symbol" the Latin letters are Greek ones.
char16_t ShownCharacter(unsigned char byte, bool symbol_font);

std::string Cp1252ToUtf8(std::string_view text);
// Characters that code page 1252 lacks become '?'; malformed UTF-8 bytes are taken as they are.
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace plotwerk::web
