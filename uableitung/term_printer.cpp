// Printing of derivative trees with as few brackets as the operators need, and the fixed text
// passes that tidy the printed term.
#include <cmath>
#include <cstdio>

#include "uableitung/term_tree.h"
#include "uableitung/uableitung.h"

namespace plotwerk::uableitung {

namespace {

constexpr char kOperatorChars[] = "+-*/^";

bool StartsWith(const std::string& s, std::string_view prefix) { return s.compare(0, prefix.size(), prefix) == 0; }
bool EndsWith(const std::string& s, std::string_view suffix) {
  return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// A sign directly after "^", "*" or "/" belongs to the following factor, not to a sum; the passes
// that look for a sign as an operator leave such a sign alone.
bool SignIsUnaryAt(const std::string& s, std::size_t at) {
  if (at == 0) return false;
  const char before = s[at - 1];
  return before == '^' || before == '*' || before == '/';
}

// Replaces the leftmost occurrence of `pattern` by `replacement` until none is left. A pattern
// that begins with a sign skips occurrences where that sign is unary. Searching resumes just
// before the last change, which finds the same occurrence a search from the start would.
void ReplaceEach(std::string& s, std::string_view pattern, std::string_view replacement) {
  const bool sign_first = pattern[0] == '+' || pattern[0] == '-';
  std::size_t from = 0;
  for (std::size_t guard = s.size() + 1; guard > 0; --guard) {
    std::size_t at = s.find(pattern, from);
    while (at != std::string::npos && sign_first && SignIsUnaryAt(s, at)) at = s.find(pattern, at + 1);
    if (at == std::string::npos) return;
    s.replace(at, pattern.size(), replacement);
    from = at >= pattern.size() ? at - pattern.size() + 1 : 0;
  }
}

// The position of the first "+" or "-" after `from` that adds or subtracts at the bracket depth
// of `from`, or the position of the ")" that closes that depth, or the end of the text.
std::size_t NextTermBoundary(const std::string& s, std::size_t from) {
  int depth = 0;
  for (std::size_t i = from; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (depth == 0) return i;
      --depth;
    } else if (depth == 0 && (c == '+' || c == '-') && !SignIsUnaryAt(s, i)) {
      return i;
    }
  }
  return s.size();
}

// True when the text has a "+" or "-" that adds or subtracts outside every bracket.
bool HasTopLevelSum(const std::string& s) {
  int depth = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '(') ++depth;
    if (c == ')') --depth;
    if (depth == 0 && i > 0 && (c == '+' || c == '-') && !SignIsUnaryAt(s, i)) return true;
  }
  return false;
}

std::string Bracket(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 2);
  out += '(';
  out += text;
  out += ')';
  return out;
}

void SimplifyMainBlock(std::string& s) {
  // 1: whole terms that are 0 or 1.
  if (s == "(0)") s = "0";
  if (s == "X/X") s = "1";
  if (s == "(1-1)") s = "(0)";
  // 2: a leading factor -1 becomes a sign.
  if (StartsWith(s, "(-1)*")) s.replace(0, 5, "-");
  // 3: blanks go.
  ReplaceEach(s, " ", "");
  // 4: a sign right before a closing bracket goes.
  ReplaceEach(s, "-)", ")");
  // 5: factors 1 and summands 0 after a sign or opening bracket go, and so do exponents 1 of X.
  ReplaceEach(s, "+1*", "+");
  ReplaceEach(s, "(1*", "(");
  ReplaceEach(s, "-1*", "-");
  ReplaceEach(s, "(0+", "(");
  ReplaceEach(s, "X^1)", "X)");
  ReplaceEach(s, "X^1-", "X-");
  ReplaceEach(s, "X^1+", "X+");
  // 6: summands 0 and factors 1 before a closing bracket or another operator go.
  ReplaceEach(s, "+0)", ")");
  ReplaceEach(s, "+0+", "+");
  ReplaceEach(s, "+0-", "-");
  ReplaceEach(s, "-0)", ")");
  ReplaceEach(s, "*1)", ")");
  ReplaceEach(s, "*1*", "*");
  ReplaceEach(s, "*1+", "+");
  ReplaceEach(s, "*1-", "-");
  // 7: a factor -1 that opens a bracket becomes a sign.
  ReplaceEach(s, "(-1*", "(-");
  // 8: a product or quotient with the factor 0 in front is 0.
  if ((StartsWith(s, "0*") || StartsWith(s, "0/")) && !HasTopLevelSum(s)) s = "0";
  // 9: a zero product at the start of a bracket is dropped up to the next term of that bracket.
  for (std::size_t at = s.find("(0*"); at != std::string::npos; at = s.find("(0*", at)) {
    const std::size_t end = NextTermBoundary(s, at + 1);
    if (end < s.size() && s[end] != ')') {
      s.erase(at + 1, end - at - 1);
    } else {
      s.erase(at + 2, end - at - 2);  // the whole bracket was the product: it is 0
    }
  }
  // 10 to 14: a sign after an opening bracket or after another sign merges with it.
  ReplaceEach(s, "(+", "(");
  ReplaceEach(s, "(0-", "(-");
  ReplaceEach(s, "+-", "-");
  ReplaceEach(s, "++", "+");
  ReplaceEach(s, "--", "+");
  // 15, 16: brackets around a lone X go.
  ReplaceEach(s, "/(X)", "/X");
  ReplaceEach(s, "-(X)", "-X");
  ReplaceEach(s, "+(X)", "+X");
  ReplaceEach(s, "*(X)", "*X");
  ReplaceEach(s, "((X)", "(X");
  // 17, 18: a factor 1 before a division goes; empty brackets are 0.
  ReplaceEach(s, "*1/", "/");
  ReplaceEach(s, "()", "0");
  // 19 to 22: at the ends, a leading "+", a trailing summand 0 or factor 1, a leading
  // summand 0 or factor 1 and a trailing "*" go.
  if (StartsWith(s, "+")) s.erase(0, 1);
  if (EndsWith(s, "+0") || EndsWith(s, "*1") || EndsWith(s, "-0")) s.erase(s.size() - 2);
  if (StartsWith(s, "0+") || StartsWith(s, "1*")) {
    s.erase(0, 2);
  } else if (StartsWith(s, "0-")) {
    s.erase(0, 1);
  }
  if (EndsWith(s, "*")) s.pop_back();
  // 23, 24: a few whole terms that are 1 or 0, and SIN(X) or COS(X) alone in brackets.
  if (s == "(1/X)*X" || s == "X/(X)") s = "1";
  if (s == "1-1") s = "0";
  if (s == "(SIN(X))") s = "SIN(X)";
  if (s == "(COS(X))") s = "COS(X)";
}

bool FollowsOperatorOrBracket(const std::string& s, std::size_t at) {
  if (at == 0) return true;
  const char c = s[at - 1];
  return c == '(' || c == '*' || c == '+' || c == '-' || c == '/' || c == '^';
}

// True when the bracketed group of `length` characters at `at` is followed by "^": dropping its
// brackets would then put a sign in front of a power.
bool PoweredAfter(const std::string& s, std::size_t at, std::size_t length) {
  return at + length < s.size() && s[at + length] == '^';
}

void DropOuterBrackets(std::string& s, std::string_view group) {
  const std::size_t at = s.find(group);
  if (at != std::string::npos && FollowsOperatorOrBracket(s, at)) {
    s.erase(at + group.size() - 1, 1);
    s.erase(at, 1);
  }
}

void SimplifyClosingSteps(std::string& s) {
  // 1: brackets around a single character after an operator or bracket.
  for (std::string_view pattern : {"^(", "+(", "-(", "*(", "/(", "(("}) {
    const std::size_t at = s.find(pattern);
    if (at != std::string::npos && at + 3 < s.size() && s[at + 3] == ')') {
      s.erase(at + 3, 1);
      s.erase(at + 1, 1);
    }
  }
  // 2: brackets around a single character at the start.
  if (s.size() >= 3 && s[0] == '(' && s[2] == ')') {
    s.erase(2, 1);
    s.erase(0, 1);
  }
  // 3: the brackets around COS(X) and SIN(X) after an operator or bracket.
  DropOuterBrackets(s, "(COS(X))");
  DropOuterBrackets(s, "(SIN(X))");
  // 4: a negated sine; never in front of a power, where the brackets keep the sign inside.
  constexpr std::string_view kNegSin = "(-SIN(X))";
  if (std::size_t at = s.find(kNegSin); at != std::string::npos && !PoweredAfter(s, at, kNegSin.size())) {
    if (at == 0) {
      s.erase(kNegSin.size() - 1, 1);
      s.erase(0, 1);
    } else if (s[at - 1] == '+') {
      s.erase(at + kNegSin.size() - 1, 1);
      s.erase(at - 1, 2);
    }
  }
  for (std::size_t at = s.find(kNegSin); at != std::string::npos; at = s.find(kNegSin, at + 1)) {
    if (at > 0 && s[at - 1] == '-') {
      if (!PoweredAfter(s, at, kNegSin.size()) && !SignIsUnaryAt(s, at - 1)) {
        s.replace(at - 1, kNegSin.size() + 1, "+SIN(X)");
      }
      break;
    }
  }
  // 5: the same for LN(X) and ABS(X).
  DropOuterBrackets(s, "(LN(X))");
  DropOuterBrackets(s, "(ABS(X))");
  // 6, 7: a "+" that opens a bracket goes; a subtracted X+1 is opened: "-(X+1))" becomes
  // "-X-1)".
  if (std::size_t at = s.find("(+"); at != std::string::npos) s.erase(at + 1, 1);
  if (std::size_t at = s.find("-(X+1))"); at != std::string::npos && !SignIsUnaryAt(s, at)) {
    s.replace(at, 7, "-X-1)");
  }
  // 8 to 10: the brackets around a leading -COS(X) or -1, or around -1 in a leading bracket,
  // go unless a power follows.
  if (StartsWith(s, "(-COS(X))") && !PoweredAfter(s, 0, 9)) {
    s.erase(8, 1);
    s.erase(0, 1);
  }
  if (StartsWith(s, "(-1)") && !(s.size() > 4 && s[4] == '^')) {
    s.erase(3, 1);
    s.erase(0, 1);
  }
  if (StartsWith(s, "((-1)") && !(s.size() > 5 && s[5] == '^')) {
    s.erase(4, 1);
    s.erase(1, 1);
  }
  // 11: of a leading "((", the inner pair goes when its group is followed by ")", "+" or
  // "-": "((A)+B)" becomes "(A+B)".
  if (StartsWith(s, "((")) {
    const std::size_t at = s.find_first_of("()", 2);
    if (at != std::string::npos && s[at] == ')' && at + 1 < s.size() &&
        (s[at + 1] == ')' || s[at + 1] == '+' || s[at + 1] == '-')) {
      s.erase(at, 1);
      s.erase(0, 1);
    }
  }
}

// Which child texts the printer brackets: rows are the parent's operator, columns the child's.
bool NeedsBracket(int parent, int child, bool is_left) {
  if (!IsBinaryKind(child)) return false;
  const int p = parent - kSum;
  const int c = child - kSum;
  enum : char { N, L, R, A };  // never, left child only, right child only, always
  static constexpr char kTable[5][5] = {
      {N, N, N, N, N},  // +
      {R, R, N, N, N},  // -
      {A, A, N, L, N},  // *
      {A, A, R, A, N},  // /
      {A, A, A, A, A},  // ^
  };
  const char rule = kTable[p][c];
  return rule == A || (rule == L && is_left) || (rule == R && !is_left);
}

}  // namespace

std::string FunctionName(int kind) {
  switch (kind) {
    case kSqrt: return "SQRT";
    case kLn: return "LN";
    case kLg: return "LG";
    case kExp: return "EXP";
    case kAbs: return "ABS";
    case kSgn: return "SGN";
    case kInt: return "INT";
    case kLd: return "LD";
    default: break;
  }
  static constexpr const char* kMembers[] = {"", "SIN", "COS", "TAN", "COT"};
  std::string name = kMembers[kind % 10];
  switch (kind / 10) {
    case 4: return name + "H";
    case 5: return name.insert(0, "ARC");
    case 6: return name.insert(0, "AR") + "H";
    default: return name;
  }
}

namespace {

struct Printer {
  std::size_t work = 0;

  PrintedTerm Finish(std::string text, int op) {
    work += text.size();
    if (text.size() > kMaxPrintedLength || work > kMaxPrintWork) throw DerivationTooLarge{};
    return {std::move(text), op};
  }

  PrintedTerm Print(const TermNode* node, int depth) {
    if (depth > kMaxTreeDepth) throw DerivationTooLarge{};
    switch (node->kind) {
      case kNumber: return Finish(FormatTermNumber(node->value), kNumber);
      case kVariableX: return Finish("X", node->kind);
      case kParameterP: return Finish("P", node->kind);
      case kSymbolY: return Finish("Y", node->kind);
      case kParameterQ: return Finish("Q", node->kind);
      case kPi: return Finish("PI", node->kind);
      default: break;
    }
    if (IsFunctionKind(node->kind)) {
      const std::string argument = Print(node->argument, depth + 1).text;
      // The logarithm to base P prints as its value, a quotient of natural logarithms.
      if (node->kind == kLogP) {
        return Finish(SimplifyTermText(Bracket(argument).insert(0, "LN") + "/LN(P)"), kQuotient);
      }
      return Finish(SimplifyTermText(FunctionName(node->kind) + Bracket(argument)), node->kind);
    }
    return PrintBinary(node, depth);
  }

  PrintedTerm PrintBinary(const TermNode* node, int depth) {
    PrintedTerm left = Print(node->left, depth + 1);
    PrintedTerm right = Print(node->right, depth + 1);
    std::string l = std::move(left.text);
    std::string r = std::move(right.text);
    int op = node->kind;
    if (NeedsBracket(op, left.op, true)) l = Bracket(l);
    if (NeedsBracket(op, right.op, false)) r = Bracket(r);
    // A negative number as the base of a power keeps its sign inside brackets.
    if (op == kPower && left.op == kNumber && StartsWith(l, "-")) l = Bracket(l);
    l = SimplifyTermText(std::move(l));
    r = SimplifyTermText(std::move(r));
    if ((op == kProduct || op == kQuotient) && StartsWith(r, "-")) r = Bracket(r);
    // The passes may have dropped the brackets of a negated base ("(-SIN(X))" at the start of
    // its text); a power needs them back. A negated exponent other than a number is bracketed too.
    if (op == kPower && StartsWith(l, "-") && left.op != kNumber) l = Bracket(l);
    // A negative exponent is bracketed, numbers included: the differentiator reads X^(-0.5)
    // but not X^-0.5.
    if (op == kPower && StartsWith(r, "-")) r = Bracket(r);
    if (l == "-1") l = "(-1)";
    if (r == "0") {
      if (op == kSum || op == kDifference) return Finish(l, op);
      return Finish(op == kPower ? "1" : "0", op);
    }
    if (op == kSum && l == r && l != "-SIN(X)") {
      // u+u is 2*u: u becomes the right operand of a product and is bracketed as such.
      l = "2";
      op = kProduct;
      if (NeedsBracket(kProduct, right.op, false) || StartsWith(r, "-")) r = Bracket(r);
    }
    if (op == kDifference && l == r) l = r = "0";
    if (op == kQuotient && l == r) l = r = "1";
    if (op == kProduct && l == r && l != "1") {
      // u*u is u^2: u becomes the base of a power and is bracketed as such.
      if (NeedsBracket(kPower, left.op, true) && !NeedsBracket(kProduct, left.op, true)) l = Bracket(l);
      if (left.op == kNumber && StartsWith(l, "-")) l = Bracket(l);
      r = "2";
      op = kPower;
    }
    if (op == kPower && r == "1") return Finish(l, op);
    return Finish(l + kOperatorChars[op - kSum] + r, op);
  }
};

}  // namespace

std::string FormatTermNumber(double value) {
  if (!std::isfinite(value)) throw DerivationTooLarge{};
  char buffer[400];
  const int n = std::snprintf(buffer, sizeof buffer, "%.10f", value);
  if (n <= 0 || static_cast<std::size_t>(n) >= sizeof buffer) throw DerivationTooLarge{};
  std::string text(buffer, static_cast<std::size_t>(n));
  if (text.find('.') != std::string::npos) {
    while (text.size() >= 2 && text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

PrintedTerm PrintTree(const TermNode* node) {
  Printer printer;
  return printer.Print(node, 0);
}

std::string SimplifyTermText(std::string text) {
  if (text.empty()) return text;
  SimplifyMainBlock(text);
  SimplifyMainBlock(text);
  SimplifyClosingSteps(text);
  return text;
}

std::string RemoveExponentsOne(std::string text) {
  for (std::string_view pattern : {"X^1*", "X^1)", "X^1-", "X^1+"}) {
    std::string replacement(pattern);
    replacement.erase(1, 2);
    ReplaceEach(text, pattern, replacement);
  }
  if (EndsWith(text, "^1")) text.erase(text.size() - 2);
  return text;
}

}  // namespace plotwerk::uableitung
