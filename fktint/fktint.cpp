// The term evaluator: compiles the reader's tree into a program for a small stack machine and
// runs it; the functions, guards and codes are those of the term language.
#include "fktint/fktint.h"

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>
#include <string>
#include <unordered_map>
#include <utility>

#include "fktint/name_table.h"
#include "fktint/special_functions.h"
#include "fktint/term_reader.h"

namespace plotwerk::fktint {

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

bool IsWhole(double v) { return v == std::trunc(v); }

// Integer part as the bracket [ ] and INT take it: truncation of v, or of v - 1 when v < 0.
double IntegerPart(double v) { return v >= 0 ? std::trunc(v) : std::trunc(v - 1); }

enum Op : std::uint8_t {
  kPushConstant, kPushX, kPushP, kPushQ,
  kNegate, kAdd, kSubtract, kMultiply, kDivide, kPower, kCall, kFloor, kAbsolute,
};

// Where a binary operation's right operand comes from; the order follows the push operations.
enum Operand : std::uint8_t { kFromStack, kFromConstant, kFromX, kFromP, kFromQ };

// The rules of the functions a term may call. Each takes the argument and the code of the running
// evaluation, which it may set as the term language defines (SGN clears it, INT and HEAVISIDE
// set 3, the guards set 1, 2 or 4).
using FunctionRule = double (*)(double v, std::uint8_t& code);

double DomainError(std::uint8_t& code) {
  code = kEvalUndefined;
  return 0;
}

double ClampExpArgument(double v, std::uint8_t& code) {
  if (v > kExpArgumentLimit) {
    code = kEvalClamped;
    return kExpArgumentLimit;
  }
  if (v < -kExpArgumentLimit) {
    code = kEvalClamped;
    return -kExpArgumentLimit;
  }
  return v;
}

// Beyond this v*v overflows; there v + sqrt(v^2 +- 1) is 2v to double precision.
constexpr double kSquareOverflowsAbove = 1e150;
constexpr double kLn2 = 0.6931471805599453;

double Arsinh(double v) {
  if (v > kSquareOverflowsAbove) return std::log(v) + kLn2;
  return std::log(v + std::sqrt(v * v + 1));
}

// Powers, roots, logarithms and the absolute value.
double Sqr(double v, std::uint8_t& code) {
  if (v == 0) return 0;
  if (std::fabs(v) >= kGuardValue) {
    code = kEvalUndefined;
    return kGuardValue;
  }
  return v * v;
}
double Sqrt(double v, std::uint8_t& code) { return v < 0 ? DomainError(code) : std::sqrt(v); }
double Exp(double v, std::uint8_t& code) { return std::exp(ClampExpArgument(v, code)); }
double Ln(double v, std::uint8_t& code) { return v > 0 ? std::log(v) : DomainError(code); }
double Lg(double v, std::uint8_t& code) { return v > 0 ? std::log(v) * kLgFactor : DomainError(code); }
double Ld(double v, std::uint8_t& code) { return v > 0 ? std::log(v) * kLdFactor : DomainError(code); }
double Abs(double v, std::uint8_t&) { return std::fabs(v); }

// The circular functions and their inverses.
double Sin(double v, std::uint8_t&) { return std::sin(v); }
double Cos(double v, std::uint8_t&) { return std::cos(v); }
double Tan(double v, std::uint8_t&) { return std::cos(v) == 0 ? 0 : std::tan(v); }
double Cot(double v, std::uint8_t&) {
  const double s = std::sin(v);
  return s == 0 ? 0 : std::cos(v) / s;
}
double Sec(double v, std::uint8_t& code) {
  const double c = std::cos(v);
  return c == 0 ? DomainError(code) : 1 / c;
}
double Csc(double v, std::uint8_t& code) {
  const double s = std::sin(v);
  return s == 0 ? DomainError(code) : 1 / s;
}
double Arcsin(double v, std::uint8_t& code) {
  if (std::fabs(v) < 1) return std::asin(v);
  if (v == 1) return kHalfPi;
  if (v == -1) return -kHalfPi;
  return DomainError(code);
}
double Arccos(double v, std::uint8_t& code) { return std::fabs(v) > 1 ? DomainError(code) : std::acos(v); }
double Arctan(double v, std::uint8_t&) { return std::atan(v); }
double Arccot(double v, std::uint8_t&) {
  return std::fabs(v) > kArccotSmallArgument ? std::atan(1 / v) : kHalfPi - std::atan(v);
}
double Arcsec(double v, std::uint8_t& code) {
  if (std::fabs(v) < 1) return DomainError(code);
  const double a = std::atan(std::sqrt((v - 1) * (v + 1)));
  return v > 0 ? a : kPi - a;
}

// The hyperbolic functions and their inverses.
double Sinh(double v, std::uint8_t& code) {
  if (std::fabs(v) >= kHyperbolicLimit) {
    code = kEvalUndefined;
    return kGuardValue;
  }
  return std::sinh(v);
}
double Cosh(double v, std::uint8_t& code) {
  if (std::fabs(v) >= kHyperbolicLimit) {
    code = kEvalUndefined;
    return kGuardValue;
  }
  return std::cosh(v);
}
// Unlike SINH and COSH, TANH has no overflow to guard: tanh is bounded by 1. Its guard marks the
// argument as one the term may not take (code 1), which, unlike code 2, does not block a
// following power: TANH(60)^0 is 1.
double Tanh(double v, std::uint8_t& code) {
  if (std::fabs(v) >= kHyperbolicLimit) {
    code = kEvalUnreadable;
    return kGuardValue;
  }
  return std::tanh(v);
}
// ln(v + sqrt(v^2 + 1)) cancels for negative v; arsinh is odd, so take it from |v|.
double AreaSinh(double v, std::uint8_t&) { return v < 0 ? -Arsinh(-v) : Arsinh(v); }
double AreaCosh(double v, std::uint8_t& code) {
  if (!(v >= 1)) return DomainError(code);
  if (v > kSquareOverflowsAbove) return std::log(v) + kLn2;
  return std::log(v + std::sqrt(v * v - 1));
}
double AreaTanh(double v, std::uint8_t& code) {
  return std::fabs(v) < 1 ? std::log((1 + v) / (1 - v)) / 2 : DomainError(code);
}

// Steps and signs.
double Int(double v, std::uint8_t& code) {
  code = kEvalJump;
  return IntegerPart(v);
}
// SGN turns any value into a defined sign, so it discards the code raised so far (also inside
// its argument): SGN(LN(X)) at X = -1 is 0 with code 0, a point of the graph.
double Sgn(double v, std::uint8_t& code) {
  code = kEvalOk;
  return v == 0 ? 0 : v / std::fabs(v);
}
double Frac(double v, std::uint8_t& code) {
  return std::fabs(v) < kFracLimit ? v - std::trunc(v) : DomainError(code);
}
double Heaviside(double v, std::uint8_t& code) {
  code = kEvalJump;
  return v == 0 ? 0.5 : (std::fabs(v) / v + 1) / 2;
}

// The special functions.
double Si(double v, std::uint8_t& code) { return v > 0 && v < 50 ? detail::SineIntegral(v) : DomainError(code); }
double Gamma(double v, std::uint8_t& code) {
  bool pole = false;
  const double value = detail::GammaFunction(v, pole);
  if (pole) code = kEvalClamped;
  return value;
}
double Gauss(double v, std::uint8_t& code) {
  const double w = ClampExpArgument(v, code);
  return std::exp(-w * w / 2) / kSqrtTwoPi;
}
double Digamma(double v, std::uint8_t& code) {
  bool pole = false;
  const double value = detail::DigammaFunction(v, pole);
  if (pole) code = kEvalClamped;
  return value;
}

// kNone and F1 to F4 are never compiled into a call; their entry is never run.
double NotCallable(double, std::uint8_t&) { return 0; }

constexpr std::size_t kFunctionCount = static_cast<std::size_t>(Function::kArcsec) + 1;

// The rule of each function, placed by name so that the table cannot drift from the enum.
constexpr std::array<FunctionRule, kFunctionCount> BuildFunctionRules() {
  std::array<FunctionRule, kFunctionCount> rules{};
  rules.fill(NotCallable);
  const std::pair<Function, FunctionRule> entries[] = {
      {Function::kSqr, Sqr},         {Function::kSqrt, Sqrt},         {Function::kExp, Exp},
      {Function::kLn, Ln},           {Function::kAbs, Abs},           {Function::kSi, Si},
      {Function::kSin, Sin},         {Function::kCos, Cos},           {Function::kTan, Tan},
      {Function::kArccos, Arccos},   {Function::kLg, Lg},             {Function::kArctan, Arctan},
      {Function::kSinh, Sinh},       {Function::kCosh, Cosh},         {Function::kTanh, Tanh},
      {Function::kInt, Int},         {Function::kSgn, Sgn},           {Function::kCot, Cot},
      {Function::kLd, Ld},           {Function::kArcsin, Arcsin},     {Function::kArsinh, AreaSinh},
      {Function::kArcosh, AreaCosh}, {Function::kArtanh, AreaTanh},   {Function::kSec, Sec},
      {Function::kGamma, Gamma},     {Function::kGauss, Gauss},       {Function::kDigamma, Digamma},
      {Function::kCsc, Csc},         {Function::kFrac, Frac},         {Function::kHeaviside, Heaviside},
      {Function::kArccot, Arccot},   {Function::kArcsec, Arcsec},
  };
  for (const auto& [function, rule] : entries) rules[static_cast<std::size_t>(function)] = rule;
  return rules;
}

constexpr std::array<FunctionRule, kFunctionCount> kFunctionRules = BuildFunctionRules();

// Runs the operations of one evaluation; error_ is the code set last, as the term language
// defines it (the function rules above, and a power after a code above 1 sets 2).
class Machine {
 public:
  // Out of line on purpose: calls are rare next to the arithmetic, and inlined into the loop of
  // Evaluate the call through the table costs the arithmetic its registers.
  [[gnu::noinline]] double Apply(Function function, double v) {
    return kFunctionRules[static_cast<std::size_t>(function)](v, error_);
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
    if (error_ > kEvalUnreadable) return DomainError(error_);  // no power of a value already marked in this call
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
    if (std::fabs(right * log_magnitude) > kGeneralPowerLimit) return DomainError(error_);
    if (left > 0) return std::exp(right * std::log(left));
    if (!IsWhole(right)) return DomainError(error_);
    if (std::fabs(right * log_magnitude) > kNegativePowerLimit) return DomainError(error_);
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

  std::uint8_t error_ = kEvalOk;
};

}  // namespace

CompiledTerm::CompiledTerm(std::string_view term) {
  const TermReading reading = ReadTerm(term);
  check_ = reading.check;
  if (!reading.ok()) return;
  code_.reserve(reading.nodes.size());
  std::size_t depth = 0;
  for (const ReadNode& node : reading.nodes) {
    Instruction in;
    switch (node.kind) {
      case NodeKind::kNumber: in.op = kPushConstant; in.value = node.value; break;
      case NodeKind::kX: in.op = kPushX; break;
      case NodeKind::kP: in.op = kPushP; break;
      case NodeKind::kQ: in.op = kPushQ; break;
      case NodeKind::kR: in.op = kPushConstant; in.value = 0; break;
      case NodeKind::kPi: in.op = kPushConstant; in.value = kPi; break;
      case NodeKind::kPhi: in.op = kPushConstant; in.value = kGoldenRatio; break;
      case NodeKind::kEuler: in.op = kPushConstant; in.value = kEuler; break;
      case NodeKind::kNegate: in.op = kNegate; break;
      case NodeKind::kAdd: in.op = kAdd; break;
      case NodeKind::kSubtract: in.op = kSubtract; break;
      case NodeKind::kMultiply: in.op = kMultiply; break;
      case NodeKind::kDivide: in.op = kDivide; break;
      case NodeKind::kPower: in.op = kPower; break;
      case NodeKind::kCall:
        in.op = kCall;
        in.function = static_cast<std::uint8_t>(node.function);
        break;
      case NodeKind::kFloor: in.op = kFloor; break;
      case NodeKind::kAbsolute: in.op = kAbsolute; break;
    }
    if (in.op <= kPushQ) {
      stack_size_ = std::max(stack_size_, ++depth);
    } else if (in.op >= kAdd && in.op <= kPower) {
      --depth;
      // A right operand that is a leaf is taken by the operation itself: one step less.
      const Instruction pushed = code_.back();
      if (pushed.op <= kPushQ) {
        code_.pop_back();
        in.operand = static_cast<std::uint8_t>(kFromConstant + (pushed.op - kPushConstant));
        in.value = pushed.value;
      }
    }
    code_.push_back(in);
  }
}

namespace {

// The value stack of a term that needs more than a few entries, kept and reused.
double* LongStack(std::size_t size) {
  thread_local std::vector<double> stack;
  if (stack.size() < size) stack.resize(size);
  return stack.data();
}

}  // namespace

TermValue CompiledTerm::Evaluate(double x, double p, double q) const {
  // x outside the allowed range, or not a number at all, is not evaluated.
  if (std::isnan(x) || x < -kLargestX) return {0, kEvalUnreadable};
  if (x > kLargestX) return {0, kEvalJump};
  if (!readable()) return {0, kEvalUnreadable};
  constexpr std::size_t kInlineStack = 64;
  double inline_stack[kInlineStack];
  double* stack = inline_stack;
  if (stack_size_ + 1 > kInlineStack) stack = LongStack(stack_size_ + 1);  // + the first spill
  Machine m;
  // The topmost value lives in a register (acc); the stack holds the values below it, so a step
  // does not wait for its operand to travel through memory.
  double acc = 0;
  double* below = stack;  // one past the topmost value below acc
  auto right = [&](const Instruction& in) {
    switch (in.operand) {
      case kFromConstant: return in.value;
      case kFromX: return x;
      case kFromP: return p;
      case kFromQ: return q;
      default: {
        // The right operand is acc; the left one comes back from the stack.
        const double r = acc;
        acc = *--below;
        return r;
      }
    }
  };
  for (const Instruction& in : code_) {
    switch (in.op) {
      case kPushConstant: *below++ = acc; acc = in.value; break;
      case kPushX: *below++ = acc; acc = x; break;
      case kPushP: *below++ = acc; acc = p; break;
      case kPushQ: *below++ = acc; acc = q; break;
      case kNegate: acc = -acc; break;
      case kAdd: { const double r = right(in); acc = acc + r; break; }
      case kSubtract: { const double r = right(in); acc = acc - r; break; }
      case kMultiply: { const double r = right(in); acc = m.Combine('*', acc, r); break; }
      case kDivide: { const double r = right(in); acc = m.Combine('/', acc, r); break; }
      case kPower: { const double r = right(in); acc = m.Power(acc, r); break; }
      case kCall: acc = m.Apply(static_cast<Function>(in.function), acc); break;
      case kFloor: acc = IntegerPart(acc); break;
      case kAbsolute: acc = std::fabs(acc); break;
      default: break;
    }
  }
  const double value = acc;
  TermValue result{value, m.error_};
  if (value > kGuardValue) return {kGuardValue, kEvalClamped};  // also +infinity
  // A value that left the double range downwards or is not a number (from an infinite or NaN
  // parameter, or an unguarded overflow such as a sum of infinities) must never be used.
  if (std::isnan(value) || value == -std::numeric_limits<double>::infinity()) {
    return {0, result.code == kEvalUnreadable ? kEvalUnreadable : kEvalUndefined};
  }
  return result;
}

namespace {

// Terms compiled so far on this thread. A window holds a handful of terms; the cache is emptied
// when it grows beyond what any window needs, so typing cannot make it grow without bound.
constexpr std::size_t kMostCachedTerms = 256;

// Looks texts up without copying them into a key.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

struct TermCache {
  std::unordered_map<std::string, std::shared_ptr<const CompiledTerm>, TextHash, std::equal_to<>> terms;
  std::string last_text;
  std::shared_ptr<const CompiledTerm> last;
};

TermCache& Cache() {
  thread_local TermCache cache;
  return cache;
}

}  // namespace

std::shared_ptr<const CompiledTerm> CompileTerm(std::string_view term) {
  TermCache& cache = Cache();
  if (cache.last && term == cache.last_text) return cache.last;
  auto found = cache.terms.find(term);
  if (found == cache.terms.end()) {
    if (cache.terms.size() >= kMostCachedTerms) cache.terms.clear();
    found = cache.terms.emplace(std::string(term), std::make_shared<const CompiledTerm>(term)).first;
  }
  cache.last_text = term;
  cache.last = found->second;
  return cache.last;
}

TermValue EvaluateTerm(std::string_view term, double x, double p, double q) {
  if (std::isnan(x) || x < -kLargestX) return {0, kEvalUnreadable};
  if (x > kLargestX) return {0, kEvalJump};
  TermCache& cache = Cache();
  if (cache.last && term == cache.last_text) return cache.last->Evaluate(x, p, q);
  return CompileTerm(term)->Evaluate(x, p, q);
}

std::string NormaliseTermText(std::string_view term) {
  if (term.empty()) return std::string();
  return std::string(Normalise(term));
}

}  // namespace plotwerk::fktint
