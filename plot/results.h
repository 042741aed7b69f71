// The texts of the result list: term, interval and derivative lines, the integral lines, the
// point sections of the searches, and the value table of the first term.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "plot/analysis.h"
#include "plot/parameters.h"
#include "plot/result_list.h"

namespace plotwerk::plot {

// A number as the result list shows it: decimal comma, two decimals, no trailing zeros.
std::string N(double value);

// "Function Y = " + term.
std::string TermLine(std::string_view term);

// The interval line and the two derivative headings with their terms.
void AddDerivativeResultLines(ResultList& results, std::string_view ed_von, std::string_view ed_bis,
                              std::string_view first_derivative,
                              std::string_view second_derivative);

// Stand in the value lines and labels of an integral in place of a number: one that does not
// exist, and one whose value the quadrature could not pin down.
inline constexpr std::string_view kNoIntegralText = "does not exist";
inline constexpr std::string_view kUndeterminedIntegralText = "cannot be determined";
// The value of the integral or the area as the list and the labels show it.
std::string IntegralValue(const IntegralResult& integral, double value);

// The names of the analysed term and of its partner (the term of the area and of the
// intersections) in the texts that name them; f1 and f2 unless another term is analysed.
struct TermNames {
  std::string analysed = "f1";
  std::string partner = "f2";
};
// The text with "f1" and "f2" replaced by the names (both at once, so they may swap).
std::string NameTerms(std::string_view text, const TermNames& names);

// The four lines of the area and the integral; the wording depends on whether the second
// boundary is the x-axis (the text "0").
void AddIntegralLines(ResultList& results, const IntegralResult& integral,
                      std::string_view second_area_term, const TermNames& names = {});

// Section headings and point lines of the four searches.
inline constexpr std::string_view kZerosHeading = "Zeros";
inline constexpr std::string_view kExtremaHeading = "Extrema";
inline constexpr std::string_view kInflectionHeading = "Inflection points";
inline constexpr std::string_view kIntersectionHeading = "Intersection points";
std::string ZeroLine(double x);
std::string ExtremumLine(double x, double y, bool minimum);
std::string PointLine(double x, double y);  // inflection points and intersections
void AddIntersectionHeadings(ResultList& results, std::string_view f2, const TermNames& names = {});

// The value table stops after this many rows and says so in one more line.
inline constexpr std::size_t kMaxValueTableRows = 10000;
// Step used when the typed step is not greater than 0.
inline constexpr double kDefaultValueTableStep = 0.05;

// The empty line, the two headings and the rows x, f(x), f'(x) from `from` in steps of `step`
// (repeated addition) while x <= to; the first row is always written. Failed evaluations show 0.
void AddValueTableLines(ResultList& results, std::string_view term, std::string_view derivative,
                        double from, double to, double step, const Parameters& parameters);

// Rows a memo of the given client height shows at the given font size, and whether a list of
// `lines` lines then needs the vertical scroll bar.
int ResultMemoRows(int client_height_pixels, int font_points);
bool ResultMemoNeedsScrollBar(int client_height_pixels, int font_points, std::size_t lines);

}  // namespace plotwerk::plot
