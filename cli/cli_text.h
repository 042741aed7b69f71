// Text helpers of plotwerk-cli: arguments (UTF-8) to term bytes (code page 1252), strict numbers.
#pragma once

#include <string>
#include <string_view>

namespace plotwerk::cli {

// UTF-8 to the evaluator's single-byte text: code points up to 255 become one byte, every other
// byte passes through unchanged, and ASCII a-z are upper-cased as the window's edit fields do.
std::string ArgumentToTerm(std::string_view utf8);

// The same, appended to out (lets a loop reuse one buffer).
void AppendArgumentAsTerm(std::string_view utf8, std::string& out);

// Reads the whole of text as a number ("2", "-1.5", "1e-3", "inf", "nan"; surrounding blanks
// allowed). False when anything else is in it.
bool ParseDouble(std::string_view text, double& value);

// Reads the whole of text as a whole number from 0 to largest.
bool ParseUnsigned(std::string_view text, unsigned largest, unsigned& value);

}  // namespace plotwerk::cli
