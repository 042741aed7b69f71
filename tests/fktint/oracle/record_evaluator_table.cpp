// Throwaway: records the older evaluator's values and codes for random version-1 terms into
// tests/fktint/older_evaluator_values.txt. Built by hand against the older evaluator, once, with
//   g++ -std=c++20 -O1 -I. tests/fktint/oracle/record_evaluator_table.cpp
//       tests/fktint/legacy_evaluator.cpp build/fktint/libfktint.a -o /tmp/record
#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <set>
#include <string>

#include "fktint/term_reader.h"
#include "tests/fktint/legacy_evaluator.h"

namespace fk = plotwerk::fktint;

namespace {

// Random terms in the forms of the term language (the generator of the differential test).
class TermGenerator {
 public:
  explicit TermGenerator(unsigned seed) : random_(seed) {}

  std::string Term(int depth = 0) {
    const int choice = static_cast<int>(random_() % (depth > 3 ? 4 : 12));
    std::string t;
    switch (choice) {
      case 0: t = Pick({"X", "P", "Q", "R", "PI", "PHI", "\xC9"}); break;
      case 1: t = Pick({"2", "0,5", "3.25", "10", "0", "1"}); break;
      case 2: t = "X"; break;
      case 3: t = Pick({"1", "4", "X"}); break;
      case 4: case 5: case 6:
        t = Term(depth + 1) + Pick({"+", "-", "*", "/", "^", "^", "\xB7"}) + Term(depth + 1);
        break;
      case 7: t = "-" + Term(depth + 1); break;
      case 8:
        t = Pick({"SIN", "COS", "EXP", "LN", "SQRT", "ABS", "INT", "SGN", "TANH", "ARCTAN", "S", "GAMMA",
                  "FRAC", "HEAVISIDE"}) + "(" + Term(depth + 1) + ")";
        break;
      case 9: t = "(" + Term(depth + 1) + ")"; break;
      case 10: t = Pick({"[", "|"}) + Term(depth + 1) + Pick({"]", "|", ")"}); break;
      default: t = Term(depth + 1) + Pick({"^", "*-", "^-", "+-", "/-"}) + Term(depth + 1); break;
    }
    if (random_() % 8 == 0) t.insert(random_() % (t.size() + 1), " ");
    return t;
  }

 private:
  std::string Pick(std::initializer_list<const char*> options) {
    return *(options.begin() + random_() % options.size());
  }
  std::mt19937 random_;
};

std::string Escaped(const std::string& term) {
  std::string out;
  for (unsigned char c : term) {
    if (c >= 0x80 || c == '\\' || c < 0x20) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\x%02X", c);
      out += buffer;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  // The stream of the differential test: its first 20 000 terms, each distinct readable term that
  // the rewriting changes, and the first distinct ones it leaves alone.
  const int kept_unchanged = argc > 1 ? std::atoi(argv[1]) : 2500;
  TermGenerator generator(21);
  int unchanged = 0;
  std::set<std::string> seen;
  std::printf(
      "# The older evaluator's values and codes for random version-1 terms, with P = 1,5 and Q = -0,5,\n"
      "# at X = -2,5, 0, 0,75 and 3: every distinct readable term among the first 20 000 of the\n"
      "# generator that the rewriting changes, and the first 2500 it leaves alone. One term a line:\n"
      "# the term (bytes above 127 as \\xHH), then per X the code and the value; \"-\" where the value\n"
      "# is not compared (a failure code or NaN). Recorded once; the evaluator must keep every line.\n");
  for (int n = 0; n < 20000; ++n) {
    const std::string term = generator.Term();
    if (!fk::ReadTerm(term, fk::TermRules::kVersion1).ok()) continue;
    if (!seen.insert(term).second) continue;
    if (fk::RewriteVersion1Term(term) == term && unchanged++ >= kept_unchanged) continue;
    std::string line = Escaped(term);
    for (double x : {-2.5, 0.0, 0.75, 3.0}) {
      fk::legacy::ParamP = 1.5;
      fk::legacy::ParamQ = -0.5;
      const double value = fk::legacy::EvaluateTerm(term, x);
      const unsigned code = fk::legacy::EvalError;
      line += '\t';
      line += std::to_string(code);
      line += ' ';
      if (fk::IsFailure(static_cast<std::uint8_t>(code)) || std::isnan(value)) {
        line += '-';
      } else {
        char buffer[40];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        line.append(buffer, end);
      }
    }
    std::printf("%s\n", line.c_str());
  }
  return 0;
}
