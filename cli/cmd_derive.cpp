// plotwerk-cli commands derive and rules: symbolic derivatives and the rewrite table from a shell.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_text.h"
#include "cli/commands.h"
#include "fktint/fktint.h"
#include "fktint/term_check.h"
#include "fktint/text_encoding.h"
#include "uableitung/rule_table_check.h"
#include "uableitung/no_derivative.h"
#include "uableitung/term_tree.h"
#include "uableitung/uableitung.h"

namespace plotwerk::cli {

namespace {

namespace ua = plotwerk::uableitung;
using fktint::Latin1ToUtf8;

std::string Derivative(std::string_view term, bool raw) {
  const std::string text = ArgumentToTerm(term);
  return raw ? ua::DifferentiateTerm(text) : ua::DeriveTerm(text);
}

// Why a term (upper-case bytes) gives no derivative, as the window's status line tells it.
std::string NoDerivativeReason(const std::string& term) {
  const ua::NoDerivativeReason why = ua::WhyNoDerivative(term);
  switch (why.kind) {
    case ua::NoDerivative::kEmpty:
      return "the term is empty";
    case ua::NoDerivative::kUnreadable: {
      const fktint::TermCheck check = fktint::CheckTerm(term);
      return "the term cannot be read (position " + std::to_string(check.position) + ": " +
             Latin1ToUtf8(fktint::DescribeTermCheck(check)) + ")";
    }
    case ua::NoDerivative::kTooLong:
      return "the term is too long to differentiate";
    case ua::NoDerivative::kTooDeep:
      return "the term is nested too deeply to differentiate";
    case ua::NoDerivative::kUnknownFunction:
      return "the differentiator does not know the function " + Latin1ToUtf8(why.function);
    case ua::NoDerivative::kUnreadableForm:
      return "the differentiator cannot read this form of the term ([ ] and more than " +
             std::to_string(ua::kMaxParseDepth) + " nested subterms are not supported)";
    case ua::NoDerivative::kTooLarge:
      break;
  }
  return "the derivative would be too long";
}

// One derivative line per stdin line; an empty line where there is no derivative.
int RunBatch(bool raw) {
  char* line = nullptr;
  std::size_t capacity = 0;
  ssize_t length;
  while (!std::ferror(stdout) && (length = getline(&line, &capacity, stdin)) >= 0) {
    std::string_view text(line, static_cast<std::size_t>(length));
    if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    const std::string derivative = Derivative(text, raw);
    std::fwrite(derivative.data(), 1, derivative.size(), stdout);
    std::fputc('\n', stdout);
  }
  std::free(line);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

int RunDerive(const std::vector<std::string>& args) {
  bool raw = false;
  bool batch = false;
  std::vector<std::string> terms;
  for (const std::string& arg : args) {
    if (arg == "--raw") {
      raw = true;
    } else if (arg == "--batch") {
      batch = true;
    } else {
      terms.push_back(arg);
    }
  }
  try {
    if (batch) return terms.empty() ? RunBatch(raw) : UsageError("derive");
    if (terms.size() != 1) return UsageError("derive");
    const std::string derivative = Derivative(terms[0], raw);
    if (derivative.empty()) {
      std::fprintf(stderr, "plotwerk-cli derive: no derivative: %s\n",
                   NoDerivativeReason(ArgumentToTerm(terms[0])).c_str());
      return 1;
    }
    std::printf("%s\n", derivative.c_str());
  } catch (const ua::RuleTableError& error) {
    std::fprintf(stderr, "plotwerk-cli derive: %s\n", error.what());
    return 1;
  }
  return 0;
}

int RunRules(const std::vector<std::string>& args) {
  if (args.size() != 1 || args[0] != "--check") return UsageError("rules");
  std::string text;
  try {
    text = ua::LoadRuleTableText();
  } catch (const ua::RuleTableError& error) {
    std::fprintf(stderr, "plotwerk-cli rules: %s\n", error.what());
    return 1;
  }
  const std::vector<std::string> problems = ua::CheckRuleTable(text);
  for (const std::string& problem : problems) std::fprintf(stderr, "plotwerk-cli rules: %s\n", problem.c_str());
  std::printf("%zu\n", ua::LoadRewriteRules().size() / 2);
  return problems.empty() ? 0 : 1;
}

const CommandRegistration kDerive{{"derive", "plotwerk-cli derive [--raw] TERM | derive --batch [--raw]", RunDerive}};
const CommandRegistration kRules{{"rules", "plotwerk-cli rules --check", RunRules}};

}  // namespace

}  // namespace plotwerk::cli
