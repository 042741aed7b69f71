// The result-list texts and the value table.
#include "plot/results.h"

#include <cmath>

#include "fktint/fktint.h"
#include "plot/analysis.h"
#include "plot/texts.h"

namespace plotwerk::plot {

namespace {

constexpr char kTab = '\t';
constexpr unsigned kResultWidth = 1;
constexpr unsigned kResultDecimals = 2;
// The memo shows a row per font size in points plus this many pixels.
constexpr int kMemoRowExtraPixels = 5;

std::string Bounds(double lo, double hi) { return "(" + N(lo) + " | " + N(hi) + ")"; }

}  // namespace

std::string N(double value) { return fktint::FormatNumber(kResultWidth, kResultDecimals, value); }

std::string TermLine(std::string_view term) { return Localized("Function Y = ") + ShownTerm(term); }

void AddDerivativeResultLines(ResultList& results, std::string_view ed_von, std::string_view ed_bis,
                              std::string_view first_derivative,
                              std::string_view second_derivative) {
  results.Add(Localized("Domain (") + std::string(ed_von) + " | " + std::string(ed_bis) + ")");
  results.Add(Localized("1st derivative"));
  results.Add("Y = " + ShownTerm(first_derivative));
  results.Add(Localized("2nd derivative"));
  results.Add("Y = " + ShownTerm(second_derivative));
}

std::string IntegralValue(const IntegralResult& integral, double value) {
  switch (integral.status) {
    case IntegralStatus::Value: return N(value);
    case IntegralStatus::DoesNotExist: return Localized(kNoIntegralText);
    case IntegralStatus::Undetermined: return Localized(kUndeterminedIntegralText);
  }
  return Localized(kNoIntegralText);
}

std::string NameTerms(std::string_view text, const TermNames& names) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == 'f' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
      out += text[i + 1] == '1' ? names.analysed : names.partner;
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

void AddIntegralLines(ResultList& results, const IntegralResult& integral,
                      std::string_view second_area_term, const TermNames& names) {
  const bool to_axis = second_area_term == "0";
  const std::string bounds = Bounds(integral.lo, integral.hi);
  results.Add(NameTerms(Localized(to_axis ? "Area under f1 between " : "Area between f1 and f2 between "), names) +
              bounds);
  results.Add(kTab + IntegralValue(integral, integral.area));
  results.Add(NameTerms(Localized(to_axis ? "Definite integral f1 between " : "Definite integral f1-f2 between "),
                        names) +
              bounds);
  results.Add(kTab + IntegralValue(integral, integral.integral));
}

std::string ZeroLine(double x) { return kTab + N(x); }

std::string ExtremumLine(double x, double y, bool minimum) {
  return kTab + Localized(minimum ? "Minimum" : "Maximum") + kTab + "(" + N(x) + ";" + N(y) + ")";
}

std::string PointLine(double x, double y) { return kTab + std::string("(") + N(x) + ";" + N(y) + ")"; }

void AddIntersectionHeadings(ResultList& results, std::string_view f2, const TermNames& names) {
  results.Add(NameTerms(Localized("Intersection points between f1 and f2"), names));
  results.Add(NameTerms(Localized("Function f2: Y = "), names) + ShownTerm(f2));
}

void AddValueTableLines(ResultList& results, std::string_view term, std::string_view derivative,
                        double from, double to, double step, const Parameters& parameters) {
  if (!(step > 0)) step = kDefaultValueTableStep;
  results.Add("");
  results.Add(Localized("Value table"));
  results.Add(std::string("x") + kTab + "f(x)" + kTab + "f'(x)");
  double x = from;
  std::size_t rows = 0;
  do {
    if (rows == kMaxValueTableRows) {
      // The rows the loop would still write, counted without evaluating them; with a step too
      // small to move x the table would never end.
      const double remaining = std::floor((to - x) / step) + 1;
      const std::string total =
          std::isfinite(remaining)
              ? fktint::FormatNumber(1, 0, static_cast<double>(kMaxValueTableRows) + remaining)
              : Localized("endless");
      results.Add(Localized("Value table cut after %1 of %2 rows",
                            {std::to_string(kMaxValueTableRows), total}));
      return;
    }
    const double y = DefinedValueOrZero(term, x, parameters);
    const double d = DefinedValueOrZero(derivative, x, parameters);
    results.Add(N(x) + kTab + N(y) + kTab + N(d));
    ++rows;
    x += step;
  } while (!(x > to) && std::isfinite(x));
}

int ResultMemoRows(int client_height_pixels, int font_points) {
  const int row_height = font_points + kMemoRowExtraPixels;
  if (row_height <= 0 || client_height_pixels <= 0) return 0;
  return client_height_pixels / row_height;
}

bool ResultMemoNeedsScrollBar(int client_height_pixels, int font_points, std::size_t lines) {
  return static_cast<std::size_t>(ResultMemoRows(client_height_pixels, font_points)) < lines;
}

}  // namespace plotwerk::plot
