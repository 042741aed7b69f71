// The term evaluator: normalises the term text and reads and evaluates it in a single pass.
#include "fktint/fktint.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>
#include <string>

#include "fktint/decimal.h"
#include "fktint/name_table.h"
#include "fktint/special_functions.h"

namespace plotwerk::fktint {

std::uint8_t EvalError = kEvalOk;
double ParamP = 0;
double ParamQ = 0;
double ParamR = 0;

namespace {

using detail::Function;

constexpr double kGuardValue = 1e10;  // substitute value of the overflow guards and final clamp
constexpr double kLargestX = 1e6;     // x outside [-kLargestX, kLargestX] is not evaluated
constexpr double kExpArgumentLimit = 50;
constexpr double kHyperbolicLimit = 50;
constexpr double kFracLimit = 1e10;
constexpr double kArccotSmallArgument = 1e-10;
constexpr double kGeneralPowerLimit = 16;   // |right * ln|left|| above this: result out of range
constexpr double kNegativePowerLimit = 15;  // the same for a negative base
constexpr double kLargestLoopExponent = 2147483647;
// Whole exponents up to this are multiplied out factor by factor; above it the same outcome is
// decided in closed form, so a huge exponent costs no more than a small one.
constexpr double kLongestProduct = 64;

constexpr double kPi = std::numbers::pi;
constexpr double kHalfPi = std::numbers::pi / 2;
constexpr double kGoldenRatio = 1.618033988749895;
constexpr double kEuler = 2.718281828459045;
constexpr double kLgFactor = 0.4342944819033;
constexpr double kLdFactor = 1.442695040889;
constexpr double kSqrtTwoPi = 2.506628274631;

// Brackets and function calls may nest this deep; beyond, the term is unreadable (code 1). The
// reader recurses once per level, so the bound keeps the stack small even under sanitizers.
constexpr int kMaxNesting = 1024;

constexpr unsigned char kMiddleDot = 183;
constexpr unsigned char kCapitalEAcute = 201;  // Euler's number
constexpr unsigned char kSmallEAcute = 233;    // may occur inside a number token

// The normalised copy of a term lives in a fixed per-thread buffer, so evaluating allocates
// nothing; only a term longer than the buffer falls back to a string that is kept and reused.
constexpr std::size_t kInlineTermCapacity = 4096;
thread_local char inline_term[kInlineTermCapacity];

// Normalises term into a buffer and returns the normalised text: "," becomes ".", blanks go
// (a term of blanks only keeps one), a leading "-" or "+" gets a "0" in front, and "(-X^" becomes
// "(0-X^". One pass: a "(-X^" is recognised on the already compacted output, so blanks between
// its characters do not hide it.
std::string_view Normalise(std::string_view term) {
  // One extra character in front, one per "(-X^" (at most one per four characters).
  const std::size_t capacity = term.size() + term.size() / 4 + 2;
  char* out;
  if (capacity <= kInlineTermCapacity) {
    out = inline_term;
  } else {
    thread_local std::string long_term;
    if (long_term.size() < capacity) long_term.resize(capacity);
    out = long_term.data();
  }
  std::size_t n = 1;  // out[0] is kept free for a leading "0"
  for (char c : term) {
    if (c == ' ') continue;
    if (c == ',') c = '.';
    if (c == '^' && n >= 4 && out[n - 3] == '(' && out[n - 2] == '-' && out[n - 1] == 'X') {
      out[n - 2] = '0';
      out[n - 1] = '-';
      out[n++] = 'X';
    }
    out[n++] = c;
  }
  if (n == 1) return std::string_view(" ", 1);
  if (out[1] == '-' || out[1] == '+') {
    out[0] = '0';
    return std::string_view(out, n);
  }
  return std::string_view(out + 1, n - 1);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsWhole(double v) { return v == std::trunc(v); }

// Integer part as the bracket [ ] and INT take it: truncation of v, or of v - 1 when v < 0.
double IntegerPart(double v) { return v >= 0 ? std::trunc(v) : std::trunc(v - 1); }

constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t kLargestExactMantissa = 1ull << 53;

// Converts the decimal number at the start of token (digits with at most one "."); the reader's
// token may go on with a second "." or an é, which end the conversion without an error.
double ConvertNumber(const char* token, std::size_t length) {
  std::size_t i = 0;
  std::uint64_t mantissa = 0;
  int digits = 0;           // significant digits taken into mantissa
  int fraction_digits = 0;  // of those, after the point
  bool exact = true;
  bool seen_point = false;
  bool nonzero_whole_part = false;
  for (; i < length; ++i) {
    const char c = token[i];
    if (c == '.') {
      if (seen_point) break;
      seen_point = true;
      continue;
    }
    if (!IsDigit(c)) break;
    if (!seen_point && c != '0') nonzero_whole_part = true;
    if (digits < 19) {
      mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
      if (mantissa != 0) ++digits;
      if (seen_point) ++fraction_digits;
    } else {
      exact = false;
    }
  }
  const std::size_t end = i;
  if (exact && mantissa <= kLargestExactMantissa && fraction_digits <= 22) {
    // Both operands are exact doubles, so the one division rounds correctly.
    const auto whole = static_cast<double>(mantissa);
    return fraction_digits == 0 ? whole : whole / kExactPowersOfTen[fraction_digits];
  }
  const Decimal number = ParseDecimal(std::string_view(token, end));
  if (number.status == DecimalStatus::kOverflow || number.status == DecimalStatus::kUnderflow) {
    return nonzero_whole_part ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return number.status == DecimalStatus::kOk ? number.value : 0.0;
}

// The state of one evaluation. The saved-operator stack of the reading procedures is the chain
// of ApplyOperators frames, each keeping the priority it replaced.
class Reader {
 public:
  Reader(std::string_view text, double x) : text_(text.data()), length_(text.size()), x_(x) {}

  double ReadExpression() {
    double v = ReadOperand();
    while (lookahead_prio_ > 0) v = ApplyOperators(v);
    return v;
  }

  std::uint8_t error() const { return error_; }
  bool too_deep() const { return too_deep_; }

 private:
  void ReadOperator() {
    if (pos_ >= length_) {
      lookahead_prio_ = 0;
      return;
    }
    const unsigned char c = static_cast<unsigned char>(text_[pos_++]);
    lookahead_op_ = c;
    switch (c) {
      case ')':
      case ']':
      case '|':
        lookahead_prio_ = 0;
        break;
      case '+':
      case '-':
        lookahead_prio_ = 1;
        break;
      case '*':
      case '/':
      case kMiddleDot:
        lookahead_prio_ = 2;
        break;
      case '^':
        lookahead_prio_ = 3;
        break;
      default:
        lookahead_prio_ = 0;
        error_ = kEvalUnreadable;
    }
  }

  // A minus at the start of an operand negates the factor alone, before any operator applies.
  double ReadOperand() {
    double v;
    if (pos_ < length_ && text_[pos_] == '-') {
      ++pos_;
      v = -ReadFactor();
    } else {
      v = ReadFactor();
    }
    ReadOperator();
    while (lookahead_prio_ > current_prio_) v = ApplyOperators(v);
    return v;
  }

  // Applies operators of the look-ahead's priority from left to right; operators of higher
  // priority are taken by the operands it reads. Nests at most three deep per expression.
  double ApplyOperators(double left) {
    const std::uint8_t saved_prio = current_prio_;
    do {
      const unsigned char op = lookahead_op_;
      current_prio_ = lookahead_prio_;
      const double right = ReadOperand();
      left = Combine(op, left, right);
    } while (lookahead_prio_ >= current_prio_);
    current_prio_ = saved_prio;
    return left;
  }

  double ReadFactor() {
    if (pos_ >= length_) {
      error_ = kEvalUnreadable;
      return 0;
    }
    const unsigned char c = static_cast<unsigned char>(text_[pos_]);
    switch (c) {
      case '(':
        ++pos_;
        return ReadNested();
      case '[':
        ++pos_;
        return IntegerPart(ReadNested());
      case '|':
        ++pos_;
        return std::fabs(ReadNested());
      case 'X':
        ++pos_;
        return x_;
      case 'P':
        if (pos_ + 1 == length_) {
          ++pos_;
          return ParamP;
        }
        if (text_[pos_ + 1] == 'I') {
          pos_ += 2;
          return kPi;
        }
        if (pos_ + 2 < length_ && text_[pos_ + 1] == 'H' && text_[pos_ + 2] == 'I') {
          pos_ += 3;
          return kGoldenRatio;
        }
        ++pos_;
        return ParamP;
      case 'Q':
        ++pos_;
        return ParamQ;
      case 'R':
        ++pos_;
        return ParamR;
      case kCapitalEAcute:
        ++pos_;
        return kEuler;
      default:
        break;
    }
    if (IsDigit(static_cast<char>(c)) || c == '.') return ReadNumber();
    if ((c >= 'A' && c <= 'J') || (c >= 'L' && c <= 'O') || c == 'S' || c == 'T' || c == 'V' ||
        c == 'W') {
      return CallFunction();
    }
    error_ = kEvalUnreadable;  // the character stays; ReadOperator consumes it
    return 0;
  }

  // An expression inside a bracket or a function argument, one nesting level deeper.
  double ReadNested() {
    if (depth_ >= kMaxNesting) {
      // Too deep: stop reading; the evaluation answers 0 with code 1.
      too_deep_ = true;
      pos_ = length_;
      return 0;
    }
    ++depth_;
    const double v = ReadExpression();
    --depth_;
    return v;
  }

  double ReadNumber() {
    const std::size_t start = pos_;
    while (pos_ < length_) {
      const unsigned char c = static_cast<unsigned char>(text_[pos_]);
      if (!IsDigit(static_cast<char>(c)) && c != '.' && c != kSmallEAcute) break;
      ++pos_;
    }
    return ConvertNumber(text_ + start, pos_ - start);
  }

  static constexpr std::size_t kShortScan = 64;  // below this a plain loop beats a memchr call

  // The first "(" at or after from, or length_ when there is none. The reading position only
  // moves forward, so the last answer is reused while it still lies ahead: a long term with many
  // names is scanned once, not once per name.
  std::size_t FindOpeningBracket(std::size_t from) {
    if (from >= open_searched_from_ && from <= open_found_at_) return open_found_at_;
    std::size_t at = from;
    if (length_ - std::min(from, length_) < kShortScan) {
      while (at < length_ && text_[at] != '(') ++at;
    } else {
      const void* found = std::memchr(text_ + from, '(', length_ - from);
      at = found ? static_cast<std::size_t>(static_cast<const char*>(found) - text_) : length_;
    }
    open_searched_from_ = from;
    open_found_at_ = std::min(at, length_);
    return open_found_at_;
  }

  double CallFunction() {
    const std::size_t open = FindOpeningBracket(pos_ + 1);
    if (open >= length_) {
      error_ = kEvalUnreadable;
      return 0;
    }
    const Function function = detail::LookupFunction(std::string_view(text_ + pos_, open - pos_));
    pos_ = open + 1;
    if (function == Function::kNone || function == Function::kF1 || function == Function::kF2 ||
        function == Function::kF3 || function == Function::kF4) {
      error_ = kEvalUnreadable;  // the argument is not read; reading goes on behind the "("
      return 0;
    }
    const double v = ReadNested();
    if (too_deep_) return 0;
    return Apply(function, v);
  }

  double DomainError() {
    error_ = kEvalUndefined;
    return 0;
  }

  double Apply(Function function, double v) {
    switch (function) {
      case Function::kSqr:
        if (v == 0) return 0;
        if (std::fabs(v) >= kGuardValue) {
          error_ = kEvalUndefined;
          return kGuardValue;
        }
        return v * v;
      case Function::kSqrt:
        return v < 0 ? DomainError() : std::sqrt(v);
      case Function::kExp:
        return std::exp(ClampExpArgument(v));
      case Function::kLn:
        return v > 0 ? std::log(v) : DomainError();
      case Function::kAbs:
        return std::fabs(v);
      case Function::kSi:
        return v > 0 && v < 50 ? detail::SineIntegral(v) : DomainError();
      case Function::kSin:
        return std::sin(v);
      case Function::kCos:
        return std::cos(v);
      case Function::kTan:
        return std::cos(v) == 0 ? 0 : std::tan(v);
      case Function::kArccos:
        return std::fabs(v) > 1 ? DomainError() : std::acos(v);
      case Function::kLg:
        return v > 0 ? std::log(v) * kLgFactor : DomainError();
      case Function::kArctan:
        return std::atan(v);
      case Function::kSinh:
        if (std::fabs(v) >= kHyperbolicLimit) {
          error_ = kEvalUndefined;
          return kGuardValue;
        }
        return std::sinh(v);
      case Function::kCosh:
        if (std::fabs(v) >= kHyperbolicLimit) {
          error_ = kEvalUndefined;
          return kGuardValue;
        }
        return std::cosh(v);
      case Function::kTanh:
        // Unlike SINH and COSH, TANH has no overflow to guard: tanh is bounded by 1. Its guard
        // marks the argument as one the term may not take (code 1), which, unlike code 2, does
        // not block a following power: TANH(60)^0 is 1.
        if (std::fabs(v) >= kHyperbolicLimit) {
          error_ = kEvalUnreadable;
          return kGuardValue;
        }
        return std::tanh(v);
      case Function::kInt:
        error_ = kEvalJump;
        return IntegerPart(v);
      case Function::kSgn:
        // SGN turns any value into a defined sign, so it discards the code raised so far (also
        // inside its argument): SGN(LN(X)) at X = -1 is 0 with code 0, a point of the graph.
        error_ = kEvalOk;
        return v == 0 ? 0 : v / std::fabs(v);
      case Function::kCot: {
        const double s = std::sin(v);
        return s == 0 ? 0 : std::cos(v) / s;
      }
      case Function::kLd:
        return v > 0 ? std::log(v) * kLdFactor : DomainError();
      case Function::kArcsin:
        if (std::fabs(v) < 1) return std::asin(v);
        if (v == 1) return kHalfPi;
        if (v == -1) return -kHalfPi;
        return DomainError();
      case Function::kArsinh:
        // ln(v + sqrt(v^2 + 1)) cancels for negative v; arsinh is odd, so take it from |v|.
        return v < 0 ? -Arsinh(-v) : Arsinh(v);
      case Function::kArcosh:
        if (!(v >= 1)) return DomainError();
        if (v > kSquareOverflowsAbove) return std::log(v) + kLn2;
        return std::log(v + std::sqrt(v * v - 1));
      case Function::kArtanh:
        return std::fabs(v) < 1 ? std::log((1 + v) / (1 - v)) / 2 : DomainError();
      case Function::kSec: {
        const double c = std::cos(v);
        return c == 0 ? DomainError() : 1 / c;
      }
      case Function::kGamma: {
        bool pole = false;
        const double value = detail::GammaFunction(v, pole);
        if (pole) error_ = kEvalClamped;
        return value;
      }
      case Function::kGauss: {
        const double w = ClampExpArgument(v);
        return std::exp(-w * w / 2) / kSqrtTwoPi;
      }
      case Function::kDigamma: {
        bool pole = false;
        const double value = detail::DigammaFunction(v, pole);
        if (pole) error_ = kEvalClamped;
        return value;
      }
      case Function::kCsc: {
        const double s = std::sin(v);
        return s == 0 ? DomainError() : 1 / s;
      }
      case Function::kFrac:
        return std::fabs(v) < kFracLimit ? v - std::trunc(v) : DomainError();
      case Function::kHeaviside:
        error_ = kEvalJump;
        return v == 0 ? 0.5 : (std::fabs(v) / v + 1) / 2;
      case Function::kArccot:
        return std::fabs(v) > kArccotSmallArgument ? std::atan(1 / v) : kHalfPi - std::atan(v);
      case Function::kArcsec: {
        if (std::fabs(v) < 1) return DomainError();
        const double a = std::atan(std::sqrt((v - 1) * (v + 1)));
        return v > 0 ? a : kPi - a;
      }
      default:
        return 0;  // not reached: CallFunction filters kNone and F1 to F4
    }
  }

  double ClampExpArgument(double v) {
    if (v > kExpArgumentLimit) {
      error_ = kEvalClamped;
      return kExpArgumentLimit;
    }
    if (v < -kExpArgumentLimit) {
      error_ = kEvalClamped;
      return -kExpArgumentLimit;
    }
    return v;
  }

  // Beyond this v*v overflows; there v + sqrt(v^2 +- 1) is 2v to double precision.
  static constexpr double kSquareOverflowsAbove = 1e150;
  static constexpr double kLn2 = 0.6931471805599453;

  static double Arsinh(double v) {
    if (v > kSquareOverflowsAbove) return std::log(v) + kLn2;
    return std::log(v + std::sqrt(v * v + 1));
  }

  double Combine(unsigned char op, double left, double right) {
    switch (op) {
      case '+':
        return left + right;
      case '-':
        return left - right;
      case '/':
        if (right == 0) {
          error_ = kEvalUndefined;
          return kGuardValue;
        }
        return left / right;
      case '^':
        return Power(left, right);
      default:  // "*" and the middle dot
        if (std::fabs(left) >= kGuardValue || std::fabs(right) >= kGuardValue) {
          error_ = kEvalUndefined;
          return kGuardValue;
        }
        return left * right;
    }
  }

  double Power(double left, double right) {
    if (error_ > kEvalUnreadable) return DomainError();  // no power of a value already marked in this call
    if (right == 0) return 1;
    if (right == 1) return left;
    if (right == 2) return left * left;
    if (right == 3) return left * left * left;
    if (right == 4) {
      const double square = left * left;
      return square * square;
    }
    if (right > 4 && right < kLargestLoopExponent && IsWhole(right)) {
      return WholePower(left, right);
    }
    if (left == 0) return 0;
    const double log_magnitude = std::log(std::fabs(left));
    if (std::fabs(right * log_magnitude) > kGeneralPowerLimit) return DomainError();
    if (left > 0) return std::exp(right * std::log(left));
    if (!IsWhole(right)) return DomainError();
    if (std::fabs(right * log_magnitude) > kNegativePowerLimit) return DomainError();
    const double m = std::exp(right * log_magnitude);
    return std::fmod(right, 2) != 0 ? -m : m;
  }

  // left^n for a whole n in (4, 2^31 - 1), multiplied out factor by factor. Any running product
  // above the guard value gives the guard value and code 4; only the positive side is tested.
  double WholePower(double left, double n) {
    if (n <= kLongestProduct) {
      double product = left;
      for (double counter = 2; counter <= n; ++counter) {
        product *= left;
        if (product > kGuardValue) {
          error_ = kEvalClamped;
          return kGuardValue;
        }
      }
      return product;
    }
    // The running products are left^2 ... left^n. For |left| <= 1 none exceeds 1; otherwise
    // their magnitudes grow and the largest positive one is left^n for left > 0 and
    // |left|^k for the largest even k <= n for left < 0.
    if (std::fabs(left) <= 1) return std::pow(left, n);
    const double largest_even = std::fmod(n, 2) == 0 ? n : n - 1;
    const double largest_positive = left > 0 ? std::pow(left, n) : std::pow(-left, largest_even);
    if (largest_positive > kGuardValue) {
      error_ = kEvalClamped;
      return kGuardValue;
    }
    return std::pow(left, n);
  }

  const char* text_;
  std::size_t length_;
  std::size_t pos_ = 0;
  double x_;
  unsigned char lookahead_op_ = 0;
  std::uint8_t lookahead_prio_ = 0;
  std::uint8_t current_prio_ = 0;
  std::uint8_t error_ = kEvalOk;
  int depth_ = 0;
  bool too_deep_ = false;
  std::size_t open_searched_from_ = 1;
  std::size_t open_found_at_ = 0;
};

}  // namespace

std::string NormaliseTermText(std::string_view term) {
  if (term.empty()) return std::string();
  return std::string(Normalise(term));
}

double EvaluateTerm(std::string_view term, double x) {
  // x outside the allowed range, or not a number at all, is not evaluated.
  if (std::isnan(x) || x < -kLargestX) {
    EvalError = kEvalUnreadable;
    return 0;
  }
  if (x > kLargestX) {
    EvalError = kEvalJump;
    return 0;
  }
  if (term.empty()) {
    EvalError = kEvalUnreadable;
    return 0;
  }
  Reader reader(Normalise(term), x);
  const double value = reader.ReadExpression();
  if (reader.too_deep()) {
    EvalError = kEvalUnreadable;
    return 0;
  }
  EvalError = reader.error();
  if (value > kGuardValue) {  // also +infinity
    EvalError = kEvalClamped;
    return kGuardValue;
  }
  // A value that left the double range downwards or is not a number (from an infinite or NaN
  // parameter, or an unguarded overflow such as a sum of infinities) must never be used.
  if (std::isnan(value) || value == -std::numeric_limits<double>::infinity()) {
    if (EvalError != kEvalUnreadable) EvalError = kEvalUndefined;
    return 0;
  }
  return value;
}

}  // namespace plotwerk::fktint
