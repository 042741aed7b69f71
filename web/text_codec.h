// The page's strings (UTF-8 from JavaScript) and the core's code page 1252 bytes, both ways, and
// the characters a canvas shows for a byte in the fonts of the drawing.
#pragma once

#include "fktint/text_encoding.h"

namespace plotwerk::web {

using fktint::Cp1252ToUnicode;
using fktint::Cp1252ToUtf8;
using fktint::Utf8ToCp1252;

// The character shown for a byte: in the font "Symbol" the Latin letters are Greek ones.
char16_t ShownCharacter(unsigned char byte, bool symbol_font);

}  // namespace plotwerk::web
