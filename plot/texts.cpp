// The text catalogue hook of the plot core.
#include "plot/texts.h"

namespace plotwerk::plot {

namespace {
TextCatalogue g_catalogue = nullptr;
bool g_decimal_comma_in_terms = false;
}  // namespace

void SetDecimalCommaInTerms(bool on) { g_decimal_comma_in_terms = on; }

std::string ShownTerm(std::string_view term) {
  std::string shown(term);
  if (g_decimal_comma_in_terms) {
    for (char& c : shown) {
      if (c == '.') c = ',';
    }
  }
  return shown;
}

void SetTextCatalogue(TextCatalogue catalogue) { g_catalogue = catalogue; }

std::string Localized(std::string_view english) {
  return g_catalogue != nullptr ? g_catalogue(english) : std::string(english);
}

std::string Localized(std::string_view english, std::initializer_list<std::string_view> arguments) {
  const std::string text = Localized(english);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    // One digit is enough: no phrase has more than nine arguments.
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const std::size_t index = static_cast<std::size_t>(text[i + 1] - '1');
      if (index < arguments.size()) {
        out += *(arguments.begin() + index);
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

}  // namespace plotwerk::plot
