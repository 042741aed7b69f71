// The node pool, the differentiator's reader of the term syntax and DifferentiateTerm.
#include "uableitung/term_tree.h"

#include <cmath>

#include "fktint/decimal.h"
#include "fktint/fktint.h"
#include "uableitung/uableitung.h"

namespace plotwerk::uableitung {

NodePool g_pool;
bool ParseFailed = false;

namespace {

constexpr unsigned char kEulerChar = 201;  // É in code page 1252
constexpr double kEuler = 2.718281828459045;
constexpr double kGoldenRatio = 1.618033988749895;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }

// True when s is a decimal number: optional sign, digits with at most one point. Like the
// evaluator it knows no exponent notation (1E3), so no derivative is formed of a term the
// evaluator cannot read. Rejects what strtod would also take (INF, NAN, hex).
bool ReadDecimal(std::string_view s, double& value) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  const std::size_t start = i;
  std::size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i != s.size()) return false;
  std::string token(s.substr(start));
  if (token[0] == '.') token.insert(0, "0");
  const fktint::Decimal number = fktint::ParseDecimal(token);
  if (number.status != fktint::DecimalStatus::kOk) return false;
  value = negative ? -number.value : number.value;
  return true;
}

// Index just past the factor that starts at i, as the evaluator reads one factor: a bracket,
// or a run of letters, digits and points optionally followed by a bracketed argument.
std::size_t FactorEnd(std::string_view s, std::size_t i) {
  auto skip_group = [&](std::size_t k) {
    int depth = 0;
    for (; k < s.size(); ++k) {
      if (s[k] == '(') ++depth;
      if (s[k] == ')' && --depth == 0) return k + 1;
    }
    return s.size();
  };
  if (i < s.size() && s[i] == '(') return skip_group(i);
  while (i < s.size() && (IsUpper(s[i]) || IsDigit(s[i]) || s[i] == '.' ||
                          static_cast<unsigned char>(s[i]) == kEulerChar)) {
    ++i;
  }
  if (i < s.size() && s[i] == '(') return skip_group(i);
  return i;
}

TermNode* Fail() {
  ParseFailed = true;
  return nullptr;
}

TermNode* Parse(std::string_view text, int depth);

// Reads a subterm that begins with a sign the evaluator reads as negating one factor. Where
// that factor is raised to a power, "-A^n" means (-A)^n there, so it is read that way here.
std::string UnaryMinusAsSubtraction(std::string_view s) {
  const std::size_t end = FactorEnd(s, 1);
  if (end > 1 && end < s.size() && s[end] == '^') {
    std::string out = "(0-";
    out.append(s.substr(1, end - 1));
    out += ')';
    out.append(s.substr(end));
    return out;
  }
  return std::string(s).insert(0, "0");
}

TermNode* Parse(std::string_view text, int depth) {
  if (depth > kMaxParseDepth) return Fail();
  std::string s(text);
  if (s.empty()) s = " ";
  if (s[0] == '-') s = UnaryMinusAsSubtraction(s);
  ParseFailed = false;
  const std::size_t n = s.size();

  // Bracket check from the last character to the first.
  int depth_count = 0;
  bool wrapped = true;
  for (std::size_t k = n; k-- > 0;) {
    if (s[k] == ')') {
      ++depth_count;
    } else if (s[k] == '(') {
      --depth_count;
    } else if (depth_count == 0) {
      wrapped = false;
    }
    if (depth_count < 0) return Fail();
  }
  if (depth_count > 0) return Fail();
  if (wrapped && n >= 2) return Parse(std::string_view(s).substr(1, n - 2), depth + 1);

  // The weakest operator at depth 0, rightmost occurrence.
  static constexpr char kOperators[] = "+-*/^";
  for (int op = 0; op < 5; ++op) {
    int d = 0;
    std::size_t split = std::string::npos;
    for (std::size_t k = n; k-- > 0;) {
      if (s[k] == kOperators[op] && d == 0) {
        split = k;
        break;
      }
      if (s[k] == ')') ++d;
      if (s[k] == '(') --d;
    }
    if (split == std::string::npos) continue;
    TermNode* node = g_pool.NewNode(kSum + op);
    if (split == 0) {
      if (op >= 2) return Fail();
      node->left = g_pool.NewNumber(0.0);
    } else {
      node->left = Parse(std::string_view(s).substr(0, split), depth + 1);
      if (ParseFailed) return nullptr;
    }
    if (split == n - 1) return Fail();
    node->right = Parse(std::string_view(s).substr(split + 1), depth + 1);
    if (ParseFailed) return nullptr;
    return node;
  }

  if (s[n - 1] == ')') {
    int d = 0;
    std::size_t open = 0;
    for (std::size_t k = n; k-- > 0;) {
      if (s[k] == ')') ++d;
      if (s[k] == '(' && --d == 0) {
        open = k;
        break;
      }
    }
    const int kind = FunctionKindForName(std::string_view(s).substr(0, open));
    if (kind == kUnknownFunction) return Fail();
    TermNode* node = g_pool.NewNode(kind);
    node->argument = Parse(std::string_view(s).substr(open + 1, n - open - 2), depth + 1);
    if (ParseFailed) return nullptr;
    return node;
  }

  switch (s[0]) {
    case 'X':
      return n == 1 ? g_pool.NewNode(kVariableX) : Fail();
    case 'P':
      if (s == "PI") return g_pool.NewNode(kPi);
      // The evaluator reads PHI as the golden ratio; any other letters after P are an error there.
      if (s == "PHI") return g_pool.NewNumber(kGoldenRatio);
      return n == 1 ? g_pool.NewNode(kParameterP) : Fail();
    case 'Q':
      return n == 1 ? g_pool.NewNode(kParameterQ) : Fail();
    case 'Y':
      return g_pool.NewNode(kSymbolY);
    default:
      break;
  }
  if (static_cast<unsigned char>(s[0]) == kEulerChar) {
    return n == 1 ? g_pool.NewNumber(kEuler) : Fail();
  }
  double value = 0.0;
  if (!ReadDecimal(s, value)) return Fail();
  return g_pool.NewNumber(value);
}

}  // namespace

TermNode* NodePool::NewNode(int kind) {
  if (live_ >= kMaxPoolNodes) throw DerivationTooLarge{};
  if (used_in_block_ == kBlockNodes) {
    blocks_.push_back(std::make_unique<TermNode[]>(kBlockNodes));
    used_in_block_ = 0;
  }
  TermNode* node = &blocks_.back()[used_in_block_++];
  *node = TermNode{};
  node->kind = static_cast<std::uint8_t>(kind);
  ++live_;
  return node;
}

TermNode* NodePool::NewNumber(double value) {
  TermNode* node = NewNode(kNumber);
  node->value = value;
  return node;
}

void NodePool::Release() {
  blocks_.clear();
  used_in_block_ = kBlockNodes;
  live_ = 0;
}

int FunctionKindForName(std::string_view name) {
  const std::size_t n = name.size();
  auto member = [](std::string_view three) {
    if (three == "SIN") return 1;
    if (three == "COS") return 2;
    if (three == "TAN") return 3;
    if (three == "COT") return 4;
    return 0;
  };
  switch (n) {
    case 2:
      if (name[0] == 'L') {
        if (name[1] == 'N') return kLn;
        if (name[1] == 'G') return kLg;
        if (name[1] == 'D') return kLd;
      }
      return kUnknownFunction;
    case 3:
      if (const int m = member(name)) return 30 + m;
      if (name == "EXP") return kExp;
      if (name == "ABS") return kAbs;
      if (name == "SGN") return kSgn;
      if (name == "INT") return kInt;
      if (name == "LOG") return kLogP;
      return kUnknownFunction;
    case 4:
      if (name[3] == 'H') {
        const int m = member(name.substr(0, 3));
        return m ? 40 + m : kUnknownFunction;
      }
      if (name[3] == 'T') return kSqrt;
      return kUnknownFunction;
    case 5:
      return name[0] == 'E' ? kExp : kUnknownFunction;
    case 6:
      if (name[0] == 'W') return kSqrt;
      if (name[5] == 'H') {
        const int m = name.substr(0, 2) == "AR" ? member(name.substr(2, 3)) : 0;
        return m ? 60 + m : kUnknownFunction;
      }
      if (name.substr(0, 3) == "ARC") {
        const int m = member(name.substr(3, 3));
        return m ? 50 + m : kUnknownFunction;
      }
      return kUnknownFunction;
    default:
      return kUnknownFunction;
  }
}

TermNode* ParseTermTree(std::string_view text) {
  ParseFailed = false;
  // The reader rescans a subterm at every level, so overlong or deeply nested texts are refused
  // before they cost time.
  if (text.size() > kMaxTermLength) return Fail();
  int depth = 0;
  for (char c : text) {
    if (c == '(' && ++depth > kMaxBracketDepth) return Fail();
    if (c == ')') --depth;
  }
  TermNode* root = Parse(text, 0);
  return ParseFailed ? nullptr : root;
}

namespace {

// Inserts "0" after every "(" whose minus the evaluator would bind to a single factor that is
// then raised to a power: the printed text means a subtraction there, as the parser reads it.
std::string ToEvaluatorReading(std::string text) {
  for (std::size_t at = text.find("(-"); at != std::string::npos; at = text.find("(-", at + 1)) {
    const std::size_t end = FactorEnd(text, at + 2);
    if (end > at + 2 && end < text.size() && text[end] == '^' && text.compare(at + 2, end - at - 2, "X") != 0) {
      text.insert(at + 1, "0");
    }
  }
  return text;
}

}  // namespace

std::string DifferentiateTerm(std::string_view term) {
  if (term.size() > kMaxTypedLength) return std::string();
  const std::string text = fktint::NormaliseTermText(term);
  PoolScope pool;
  std::string result;
  try {
    TermNode* root = ParseTermTree(text);
    if (root == nullptr) return std::string();
    const TermNode* derivative = DeriveTree(root);
    result = SimplifyTermText(PrintTree(derivative).text);
  } catch (const DerivationTooLarge&) {
    return std::string();
  }
  if (result.size() > kMaxPrintedLength) return std::string();
  return ToEvaluatorReading(RemoveExponentsOne(std::move(result)));
}

std::string MakeEvaluatorSafe(std::string text) { return ToEvaluatorReading(std::move(text)); }

}  // namespace plotwerk::uableitung
