// The words the plot core writes into the result list and onto the picture. The core writes
// English; a front end may set a catalogue that returns another language's text for an English
// phrase (the window does so for German). The command-line tool sets none, so its output stays
// English.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace plotwerk::plot {

// Returns the text to show for an English phrase (code page 1252 bytes in and out).
using TextCatalogue = std::string (*)(std::string_view english);

// Sets the catalogue; nullptr goes back to English.
void SetTextCatalogue(TextCatalogue catalogue);

// The phrase in the language of the catalogue, or the phrase itself without one.
std::string Localized(std::string_view english);

// Whether terms are shown with a decimal comma (the German window) instead of the decimal point
// the differentiator writes. Off unless a front end switches it on.
void SetDecimalCommaInTerms(bool on);

// A term as the result list and the picture show it: with the decimal comma switched on every
// "." becomes "," (the term language reads both the same way), otherwise the term unchanged.
std::string ShownTerm(std::string_view term);

// Localized(english) with %1, %2, ... replaced by the arguments in order (placeholders without
// an argument stay as they are).
std::string Localized(std::string_view english, std::initializer_list<std::string_view> arguments);

}  // namespace plotwerk::plot
