// The reader of the term language: a recursive descent over the text without blanks, which
// keeps for every character its place in the text as typed.
#include "fktint/term_reader.h"

#include <algorithm>
#include <cstdio>

#include "fktint/decimal.h"

namespace plotwerk::fktint {

namespace {

using detail::Function;

// Brackets, function calls and powers may nest this deep; the reader recurses once per level,
// so the bound keeps the stack small even under sanitizers.
constexpr int kMaxNesting = 1024;

constexpr unsigned char kMiddleDot = 183;
constexpr unsigned char kCapitalEAcute = 201;  // Euler's number
constexpr unsigned char kSmallEAcute = 233;    // never part of a readable number

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsLetter(unsigned char c) { return c >= 'A' && c <= 'Z'; }
bool IsClosing(unsigned char c) { return c == ')' || c == ']' || c == '|'; }
// The first letters of the function names.
bool StartsName(unsigned char c) {
  return (c >= 'A' && c <= 'J') || (c >= 'L' && c <= 'O') || c == 'S' || c == 'T' || c == 'V' ||
         c == 'W';
}

std::string Shortened(std::string_view text) {
  if (text.size() <= kMaxDetailLength) return std::string(text);
  return std::string(text.substr(0, kMaxDetailLength - 3)) + "...";
}

// The term without blanks, "," read as ".", with the typed offset of every character.
struct CompactTerm {
  std::string text;
  std::string shown;                // the same characters as typed ("," stays), for "read as"
  std::vector<std::size_t> typed;  // 0-based typed offset of text[i]
  std::size_t typed_end = 0;        // one past the last typed non-blank character
};

CompactTerm Compact(std::string_view term) {
  CompactTerm c;
  c.text.reserve(term.size());
  c.shown.reserve(term.size());
  c.typed.reserve(term.size());
  for (std::size_t i = 0; i < term.size(); ++i) {
    if (term[i] == ' ') continue;
    c.text.push_back(term[i] == ',' ? '.' : term[i]);
    c.shown.push_back(term[i]);
    c.typed.push_back(i);
    c.typed_end = i + 1;
  }
  return c;
}

class Reader {
 public:
  Reader(const CompactTerm& term, TermRules rules, TermReading& out)
      : term_(term), s_(term.text), v1_(rules == TermRules::kVersion1), out_(out) {}

  void Run() {
    int root;
    if (!s_.empty() && (s_[0] == '-' || s_[0] == '+') && (v1_ || s_[0] == '+')) {
      // A leading sign of version 1, and a leading "+", is a sum that starts with 0.
      root = ReadSum(0, Leading::kZero);
    } else if (!s_.empty() && s_[0] == '-') {
      root = ReadSum(0, Leading::kNegatedProduct);
    } else {
      root = ReadSum(0, Leading::kNone);
    }
    if (failed_) return;
    if (pos_ < s_.size()) {
      const auto c = static_cast<unsigned char>(s_[pos_]);
      Fail(IsClosing(c) ? TermProblem::kUnmatchedClosing : TermProblem::kUnexpectedCharacter, pos_,
           s_.substr(pos_, 1));
      return;
    }
    (void)root;
  }

  std::vector<std::size_t> implicit_at;  // compact offsets where a "*" is understood

 private:
  // How a sum begins: normally; with a 0 that the leading sign then subtracts from (version 1);
  // or with a minus that negates the whole first product, which is -(A*B) = (-A)*B except for
  // the sign of a guard value, kept as it was for the start of the term and for "(-X^".
  enum class Leading { kNone, kZero, kNegatedProduct };

  bool Done() const { return pos_ >= s_.size(); }
  unsigned char Peek(std::size_t ahead = 0) const {
    return pos_ + ahead < s_.size() ? static_cast<unsigned char>(s_[pos_ + ahead]) : 0;
  }

  std::size_t Typed(std::size_t at) const { return at < term_.typed.size() ? term_.typed[at] : term_.typed_end; }

  int Fail(TermProblem problem, std::size_t at, std::string_view detail = {}) {
    if (failed_) return -1;
    failed_ = true;
    out_.check.problem = problem;
    out_.check.position = Typed(at) + 1;
    // The detail as typed (a decimal comma stays a comma): the same characters of the shown text.
    if (!detail.empty() && detail.data() >= s_.data() && detail.data() < s_.data() + s_.size()) {
      detail = std::string_view(term_.shown).substr(static_cast<std::size_t>(detail.data() - s_.data()),
                                                    detail.size());
    }
    out_.check.detail = Shortened(detail);
    return -1;
  }

  int Add(NodeKind kind, std::size_t begin, std::size_t end, int left = -1, int right = -1) {
    ReadNode node;
    node.kind = kind;
    node.left = left;
    node.right = right;
    node.begin = Typed(begin);
    node.end = end == 0 ? 0 : Typed(end - 1) + 1;
    out_.nodes.push_back(node);
    return static_cast<int>(out_.nodes.size()) - 1;
  }
  std::size_t BeginOf(int node) const { return out_.nodes[static_cast<std::size_t>(node)].begin; }

  int Binary(NodeKind kind, int left, int right) {
    ReadNode node;
    node.kind = kind;
    node.left = left;
    node.right = right;
    node.begin = out_.nodes[static_cast<std::size_t>(left)].begin;
    node.end = out_.nodes[static_cast<std::size_t>(right)].end;
    out_.nodes.push_back(node);
    return static_cast<int>(out_.nodes.size()) - 1;
  }

  int Unary(NodeKind kind, std::size_t begin, int operand) {
    ReadNode node;
    node.kind = kind;
    node.left = operand;
    node.begin = Typed(begin);
    node.end = out_.nodes[static_cast<std::size_t>(operand)].end;
    out_.nodes.push_back(node);
    return static_cast<int>(out_.nodes.size()) - 1;
  }

  // Summands joined by "+" and "-", from left to right.
  int ReadSum(int depth, Leading leading) {
    int left;
    if (leading == Leading::kZero) {
      left = Add(NodeKind::kNumber, pos_, pos_ + 1);
      out_.nodes.back().end = out_.nodes.back().begin;
    } else if (leading == Leading::kNegatedProduct) {
      const std::size_t start = pos_++;
      const int product = ReadProduct(depth);
      if (failed_) return -1;
      left = Unary(NodeKind::kNegate, start, product);
    } else {
      left = ReadProduct(depth);
    }
    while (!failed_ && (Peek() == '+' || Peek() == '-')) {
      const NodeKind kind = Peek() == '+' ? NodeKind::kAdd : NodeKind::kSubtract;
      ++pos_;
      const int right = ReadProduct(depth);
      if (failed_) return -1;
      left = Binary(kind, left, right);
    }
    return failed_ ? -1 : left;
  }

  // Factors joined by "*", "/", the middle dot or, in version 2, by nothing: an operand
  // directly followed by a letter or "(" is multiplied by what follows.
  int ReadProduct(int depth) {
    int left = ReadSigned(depth);
    while (!failed_) {
      const unsigned char c = Peek();
      if (c == '*' || c == '/' || c == kMiddleDot) {
        ++pos_;
        const int right = ReadSigned(depth);
        if (failed_) return -1;
        left = Binary(c == '/' ? NodeKind::kDivide : NodeKind::kMultiply, left, right);
      } else if (!v1_ && (IsLetter(c) || c == kCapitalEAcute || c == '(')) {
        implicit_at.push_back(pos_);
        const int right = ReadPower(depth);
        if (failed_) return -1;
        left = Binary(NodeKind::kMultiply, left, right);
      } else {
        break;
      }
    }
    return failed_ ? -1 : left;
  }

  // An operand with its minus signs. In version 2 they apply after the powers that follow; in
  // version 1 a minus negates the single factor after it, which ReadPower handles.
  int ReadSigned(int depth) {
    if (v1_) return ReadPower(depth);
    const std::size_t start = pos_;
    while (Peek() == '-') ++pos_;
    const std::size_t minuses = pos_ - start;
    int operand = ReadPower(depth);
    if (failed_) return -1;
    for (std::size_t k = minuses; k-- > 0;) operand = Unary(NodeKind::kNegate, start + k, operand);
    return operand;
  }

  int ReadPower(int depth) {
    if (v1_) {
      // Left-associative chain whose factors may each carry one minus.
      int base = ReadNegatedFactor(depth);
      while (!failed_ && Peek() == '^') {
        ++pos_;
        const int exponent = ReadNegatedFactor(depth);
        if (failed_) return -1;
        base = Binary(NodeKind::kPower, base, exponent);
      }
      return failed_ ? -1 : base;
    }
    const int base = ReadFactor(depth);
    if (failed_ || Peek() != '^') return failed_ ? -1 : base;
    ++pos_;
    // "^" groups from the right; the exponent may begin with minus signs.
    if (depth >= kMaxNesting) return Fail(TermProblem::kTooDeep, pos_ - 1);
    const int exponent = ReadSigned(depth + 1);
    if (failed_) return -1;
    return Binary(NodeKind::kPower, base, exponent);
  }

  int ReadNegatedFactor(int depth) {
    if (Peek() != '-') return ReadFactor(depth);
    const std::size_t start = pos_++;
    const int factor = ReadFactor(depth);
    return failed_ ? -1 : Unary(NodeKind::kNegate, start, factor);
  }

  // The content of a bracket or a function argument, and its closing character; a missing
  // closing character at the end of the term is accepted.
  int ReadNested(int depth, std::size_t opening) {
    if (depth >= kMaxNesting) return Fail(TermProblem::kTooDeep, opening);
    Leading leading = Leading::kNone;
    if (s_[opening] == '(' && Peek() == '-' && Peek(1) == 'X' && Peek(2) == '^') {
      leading = v1_ ? Leading::kZero : Leading::kNegatedProduct;  // "(-X^" is "(0-X^"
    }
    const int inner = ReadSum(depth + 1, leading);
    if (failed_) return -1;
    if (Done()) return inner;
    const unsigned char c = Peek();
    if (!IsClosing(c)) return Fail(TermProblem::kUnexpectedCharacter, pos_, s_.substr(pos_, 1));
    ++pos_;
    return inner;
  }

  int ReadFactor(int depth) {
    if (Done()) return Fail(TermProblem::kMissingOperand, pos_);
    const std::size_t start = pos_;
    const unsigned char c = Peek();
    switch (c) {
      case '(': {
        ++pos_;
        const int inner = ReadNested(depth, start);
        if (failed_) return -1;
        ReadNode& node = out_.nodes[static_cast<std::size_t>(inner)];
        node.bracketed = true;
        node.begin = Typed(start);
        node.end = Typed(pos_ - 1) + 1;
        return inner;
      }
      case '[':
      case '|': {
        ++pos_;
        const int inner = ReadNested(depth, start);
        if (failed_) return -1;
        const int node = Unary(c == '[' ? NodeKind::kFloor : NodeKind::kAbsolute, start, inner);
        out_.nodes[static_cast<std::size_t>(node)].end = Typed(pos_ - 1) + 1;
        return node;
      }
      case 'X':
        ++pos_;
        return Add(NodeKind::kX, start, pos_);
      case 'Q':
        ++pos_;
        return Add(NodeKind::kQ, start, pos_);
      case 'R':
        ++pos_;
        return Add(NodeKind::kR, start, pos_);
      case 'P':
        if (Peek(1) == 'I') {
          pos_ += 2;
          return Add(NodeKind::kPi, start, pos_);
        }
        if (Peek(1) == 'H' && Peek(2) == 'I') {
          pos_ += 3;
          return Add(NodeKind::kPhi, start, pos_);
        }
        ++pos_;
        return Add(NodeKind::kP, start, pos_);
      case kCapitalEAcute:
        ++pos_;
        return Add(NodeKind::kEuler, start, pos_);
      default:
        break;
    }
    if (IsDigit(c) || c == '.') return ReadNumber();
    if (c == 'E' && !v1_ && !IsLetter(Peek(1)) && Peek(1) != '(') {
      ++pos_;
      return Add(NodeKind::kEuler, start, pos_);
    }
    if (StartsName(c)) return ReadCall(depth);
    if (IsClosing(c) || c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == kMiddleDot) {
      return Fail(TermProblem::kMissingOperand, pos_);
    }
    return Fail(TermProblem::kUnexpectedCharacter, pos_, s_.substr(pos_, 1));
  }

  int ReadNumber() {
    const std::size_t start = pos_;
    bool e_acute = false;
    while (!Done()) {
      const unsigned char c = Peek();
      if (c == kSmallEAcute) {
        e_acute = true;
      } else if (!IsDigit(c) && c != '.') {
        break;
      }
      ++pos_;
    }
    const std::string_view token = std::string_view(s_).substr(start, pos_ - start);
    double value = 0;
    if (e_acute || !ParseDecimal(token, value)) {
      return Fail(TermProblem::kMalformedNumber, start, token);
    }
    if (!v1_ && Peek() == 'E') {
      // No exponent notation: 1E3 is refused rather than read as 1*E*3 or 1000.
      const unsigned char after = Peek(1);
      const bool exponent = IsDigit(after) || ((after == '+' || after == '-') && IsDigit(Peek(2)));
      if (exponent || (!IsLetter(after) && after != '(')) {
        std::size_t end = pos_ + 1;
        if (exponent) {
          if (!IsDigit(after)) ++end;
          while (end < s_.size() && IsDigit(static_cast<unsigned char>(s_[end]))) ++end;
        }
        return Fail(exponent ? TermProblem::kExponentNotation : TermProblem::kNumberBeforeE, start,
                    std::string_view(s_).substr(start, end - start));
      }
    }
    const int node = Add(NodeKind::kNumber, start, pos_);
    out_.nodes[static_cast<std::size_t>(node)].value = value;
    return node;
  }

  int ReadCall(int depth) {
    const std::size_t start = pos_;
    std::size_t open;
    if (v1_) {
      // Version 1 takes everything up to the next "(" as the name.
      open = s_.find('(', start + 1);
      if (open == std::string::npos) open = s_.size();
    } else {
      open = start + 1;
      while (open < s_.size() && (IsLetter(static_cast<unsigned char>(s_[open])) ||
                                  IsDigit(static_cast<unsigned char>(s_[open])))) {
        ++open;
      }
    }
    const std::string_view name = std::string_view(s_).substr(start, open - start);
    if (open >= s_.size() || s_[open] != '(') {
      return Fail(TermProblem::kNameWithoutBracket, start, name);
    }
    const Function function = detail::LookupFunction(name);
    if (function == Function::kNone) return Fail(TermProblem::kUnknownFunction, start, name);
    if (function == Function::kF1 || function == Function::kF2 || function == Function::kF3 ||
        function == Function::kF4) {
      return Fail(TermProblem::kReservedFunction, start, name);
    }
    pos_ = open + 1;
    const int argument = ReadNested(depth, open);
    if (failed_) return -1;
    const int node = Unary(NodeKind::kCall, start, argument);
    ReadNode& call = out_.nodes[static_cast<std::size_t>(node)];
    call.function = function;
    call.end = Typed(pos_ - 1) + 1;
    return node;
  }

  const CompactTerm& term_;
  const std::string& s_;
  bool v1_;
  TermReading& out_;
  std::size_t pos_ = 0;
  bool failed_ = false;
};

}  // namespace

TermReading ReadTerm(std::string_view term, TermRules rules) {
  TermReading reading;
  const CompactTerm compact = Compact(term);
  if (compact.text.empty()) {
    reading.check.problem = TermProblem::kEmpty;
    reading.check.position = 1;
    return reading;
  }
  Reader reader(compact, rules, reading);
  reader.Run();
  if (!reading.check.ok()) {
    reading.nodes.clear();
    return reading;
  }
  if (!reader.implicit_at.empty()) {
    std::string& shown = reading.check.read_as;
    shown.reserve(compact.shown.size() + reader.implicit_at.size());
    std::size_t next = 0;
    for (std::size_t i = 0; i < compact.shown.size(); ++i) {
      if (next < reader.implicit_at.size() && reader.implicit_at[next] == i) {
        shown += '*';
        ++next;
      }
      shown += compact.shown[i];
    }
  }
  return reading;
}

std::string RewriteVersion1Term(std::string_view term) {
  const TermReading old = ReadTerm(term, TermRules::kVersion1);
  if (!old.ok()) return std::string(term);
  // Brackets go around every base of a power that the new reading would split: a negated
  // factor, and a power, unless it is in brackets already.
  std::vector<std::pair<std::size_t, char>> inserts;
  for (const ReadNode& node : old.nodes) {
    if (node.kind != NodeKind::kPower) continue;
    const ReadNode& base = old.nodes[static_cast<std::size_t>(node.left)];
    if (base.bracketed) continue;
    if (base.kind == NodeKind::kNegate || base.kind == NodeKind::kPower) {
      inserts.emplace_back(base.begin, '(');
      inserts.emplace_back(base.end, ')');
    }
  }
  if (inserts.empty()) return std::string(term);
  // Insert from the back so earlier offsets stay valid; at one offset ")" goes before "(".
  std::sort(inserts.begin(), inserts.end(), [](const auto& a, const auto& b) {
    if (a.first != b.first) return a.first > b.first;
    return a.second == '(' && b.second == ')';
  });
  std::string out(term);
  for (const auto& [at, c] : inserts) out.insert(at, 1, c);
  return out;
}

}  // namespace plotwerk::fktint
