// plotwerk-cli commands eval, number and format: the evaluator and the number fields from a shell.
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_text.h"
#include "cli/commands.h"
#include "fktint/fktint.h"

namespace plotwerk::cli {

namespace {

namespace fk = plotwerk::fktint;

constexpr unsigned kLargestFormatByte = 255;  // width and decimals are bytes
constexpr std::size_t kOutputBuffer = 1 << 16;

void PrintResult(std::FILE* out, fk::TermValue result) {
  std::fprintf(out, "%.17g\t%u\n", result.value, static_cast<unsigned>(result.code));
}

// Splits line at TABs into at most max_fields fields; false when there are more.
bool SplitFields(std::string_view line, std::string_view* fields, std::size_t max_fields,
                 std::size_t& count) {
  count = 0;
  while (true) {
    const std::size_t tab = line.find('\t');
    if (count == max_fields) return false;
    fields[count++] = line.substr(0, tab);
    if (tab == std::string_view::npos) return true;
    line.remove_prefix(tab + 1);
  }
}

// Reads TERM<TAB>X[<TAB>P[<TAB>Q]] lines from stdin; one "value<TAB>code" line per input line.
// A line that is not of this form answers "0<TAB>1" and is reported on stderr at the end.
int RunBatch() {
  static char output_buffer[kOutputBuffer];
  std::setvbuf(stdout, output_buffer, _IOFBF, sizeof output_buffer);
  char* line = nullptr;
  std::size_t capacity = 0;
  std::string term;
  std::size_t line_number = 0;
  std::size_t malformed = 0;
  std::size_t first_malformed = 0;
  ssize_t length;
  // A failed write ends the run: the rest could not be written either (the exit code says so).
  while (!std::ferror(stdout) && (length = getline(&line, &capacity, stdin)) >= 0) {
    ++line_number;
    std::string_view text(line, static_cast<std::size_t>(length));
    if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    std::string_view fields[4];
    std::size_t count = 0;
    double x = 0;
    double p = 0;
    double q = 0;
    const bool well_formed = SplitFields(text, fields, 4, count) && count >= 2 &&
                             ParseDouble(fields[1], x) &&
                             (count < 3 || fields[2].empty() || ParseDouble(fields[2], p)) &&
                             (count < 4 || fields[3].empty() || ParseDouble(fields[3], q));
    if (!well_formed) {
      if (malformed++ == 0) first_malformed = line_number;
      std::fputs("0\t1\n", stdout);
      continue;
    }
    term.clear();
    AppendArgumentAsTerm(fields[0], term);
    PrintResult(stdout, fk::EvaluateTerm(term, x, p, q));
  }
  std::free(line);
  std::fflush(stdout);
  if (malformed > 0) {
    std::fprintf(stderr,
                 "plotwerk-cli eval --batch: %zu line(s) not of the form TERM<TAB>X[<TAB>P[<TAB>Q]], "
                 "first at line %zu\n",
                 malformed, first_malformed);
    return 1;
  }
  return 0;
}

// The values of P and Q given on the command line; 0 unless given.
struct Parameters {
  double p = 0;
  double q = 0;
};

// Takes "--p V" and "--q V" out of args; false on a missing or unreadable value.
bool TakeParameterOptions(const std::vector<std::string>& args, std::vector<std::string>& rest,
                          Parameters& parameters) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--p" || args[i] == "--q") {
      double value = 0;
      if (i + 1 >= args.size() || !ParseDouble(args[i + 1], value)) return false;
      (args[i] == "--p" ? parameters.p : parameters.q) = value;
      ++i;
    } else {
      rest.push_back(args[i]);
    }
  }
  return true;
}

int RunEval(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--batch") return args.size() == 1 ? RunBatch() : UsageError("eval");
  }
  std::vector<std::string> rest;
  Parameters parameters;
  if (!TakeParameterOptions(args, rest, parameters) || rest.size() < 2) return UsageError("eval");
  std::vector<double> xs;
  for (std::size_t i = 1; i < rest.size(); ++i) {
    double x = 0;
    if (!ParseDouble(rest[i], x)) return UsageError("eval");
    xs.push_back(x);
  }
  const std::string term = ArgumentToTerm(rest[0]);
  for (double x : xs) PrintResult(stdout, fk::EvaluateTerm(term, x, parameters.p, parameters.q));
  return 0;
}

int RunNumber(const std::vector<std::string>& args) {
  std::vector<std::string> rest;
  Parameters parameters;
  if (!TakeParameterOptions(args, rest, parameters) || rest.size() != 1) return UsageError("number");
  std::printf("%.17g\n", fk::ReadNumberField(ArgumentToTerm(rest[0]), parameters.p, parameters.q));
  return 0;
}

int RunFormat(const std::vector<std::string>& args) {
  unsigned width = 0;
  unsigned decimals = 0;
  double value = 0;
  if (args.size() != 3 || !ParseUnsigned(args[0], kLargestFormatByte, width) ||
      !ParseUnsigned(args[1], kLargestFormatByte, decimals) || !ParseDouble(args[2], value)) {
    return UsageError("format");
  }
  std::printf("%s\n", fk::FormatNumber(width, decimals, value).c_str());
  return 0;
}

const CommandRegistration kEvalRegistration{
    {"eval", "plotwerk-cli eval TERM X [X...] [--p V] [--q V]  |  plotwerk-cli eval --batch",
     RunEval}};
const CommandRegistration kNumberRegistration{
    {"number", "plotwerk-cli number TEXT [--p V] [--q V]", RunNumber}};
const CommandRegistration kFormatRegistration{
    {"format", "plotwerk-cli format WIDTH DECIMALS VALUE", RunFormat}};

}  // namespace

}  // namespace plotwerk::cli
