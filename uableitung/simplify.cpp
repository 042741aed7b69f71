// A small algebra on a tree of its own: canonical sums, products and powers with exact rational
// numbers, a choice among equivalent forms by printed length, and the textbook printer.
#include "uableitung/simplify.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>


namespace plotwerk::uableitung {

namespace {

// Thrown when a bound is reached; the caller then keeps the form it already has.
struct TidyTooLarge {};

constexpr int kMaxTidyDepth = 400;            // nesting of the tidied tree
constexpr std::size_t kMaxExpandedTerms = 48;  // summands of one expanded product
constexpr std::int64_t kMaxExpandedPower = 4;  // (a+b)^n is multiplied out up to this n
constexpr std::int64_t kMaxFoldedPower = 64;   // number^n is folded up to this |n|
constexpr int kMaxDecimals = 10;               // a fraction with more decimals prints as p/q
constexpr int kMaxRecoveredDecimals = 10;      // decimals of a read number taken as exact

using Wide = __int128;

// A number: an exact fraction with 64-bit parts where possible, a double otherwise. `decimal`
// tells whether it came from a written decimal, which decides how a fraction prints (0.25 or 1/4).
struct Number {
  bool exact = true;
  bool decimal = false;
  std::int64_t p = 0;
  std::int64_t q = 1;
  double v = 0;
};

Wide Gcd(Wide a, Wide b) {
  if (a < 0) a = -a;
  if (b < 0) b = -b;
  while (b != 0) {
    const Wide t = a % b;
    a = b;
    b = t;
  }
  return a;
}

Number Inexact(double v, bool decimal) {
  if (!std::isfinite(v)) throw TidyTooLarge{};
  Number n;
  n.exact = false;
  n.decimal = decimal;
  n.v = v;
  return n;
}

Number Fraction(Wide p, Wide q, bool decimal) {
  if (q == 0) throw TidyTooLarge{};
  if (q < 0) p = -p, q = -q;
  const Wide g = Gcd(p, q);
  if (g > 1) p /= g, q /= g;
  constexpr Wide kLimit = INT64_MAX;
  if (p > kLimit || p < -kLimit || q > kLimit) {
    return Inexact(static_cast<double>(p) / static_cast<double>(q), decimal);
  }
  Number n;
  n.decimal = decimal;
  n.p = static_cast<std::int64_t>(p);
  n.q = static_cast<std::int64_t>(q);
  n.v = static_cast<double>(n.p) / static_cast<double>(n.q);
  return n;
}

Number Integer(std::int64_t k) { return Fraction(k, 1, false); }

// A number read from text: exact when it is a decimal with at most ten decimals.
Number FromDouble(double v) {
  if (!std::isfinite(v)) throw TidyTooLarge{};
  double scale = 1;
  for (int k = 0; k <= kMaxRecoveredDecimals; ++k, scale *= 10) {
    const double m = v * scale;
    if (std::fabs(m) < 9e15 && m == std::nearbyint(m)) {
      return Fraction(static_cast<Wide>(m), static_cast<Wide>(scale), k > 0);
    }
  }
  return Inexact(v, true);
}

Number Add(const Number& a, const Number& b) {
  const bool decimal = a.decimal || b.decimal;
  if (a.exact && b.exact) return Fraction(Wide(a.p) * b.q + Wide(b.p) * a.q, Wide(a.q) * b.q, decimal);
  return Inexact(a.v + b.v, decimal);
}

Number Multiply(const Number& a, const Number& b) {
  const bool decimal = a.decimal || b.decimal;
  if (a.exact && b.exact) return Fraction(Wide(a.p) * b.p, Wide(a.q) * b.q, decimal);
  return Inexact(a.v * b.v, decimal);
}

Number Negate(const Number& a) { return Multiply(a, Integer(-1)); }

bool IsZero(const Number& n) { return n.exact ? n.p == 0 : n.v == 0; }
bool IsOne(const Number& n) { return n.exact && n.p == 1 && n.q == 1; }
bool IsWhole(const Number& n) { return n.exact && n.q == 1; }
bool IsNegative(const Number& n) { return n.exact ? n.p < 0 : n.v < 0; }
bool IsHalf(const Number& n) { return n.exact && n.p == 1 && n.q == 2; }
bool SameNumber(const Number& a, const Number& b) {
  if (a.exact != b.exact) return false;
  return a.exact ? a.p == b.p && a.q == b.q : a.v == b.v;
}

// The number's decimal digits when it is a fraction with at most ten decimals.
bool DecimalText(const Number& n, std::string& text) {
  std::int64_t q = n.q;
  int twos = 0, fives = 0;
  while (q % 2 == 0) q /= 2, ++twos;
  while (q % 5 == 0) q /= 5, ++fives;
  const int decimals = std::max(twos, fives);
  if (q != 1 || decimals > kMaxDecimals) return false;
  Wide scaled = n.p < 0 ? -Wide(n.p) : Wide(n.p);
  Wide power = 1;
  for (int i = 0; i < decimals; ++i) power *= 10;
  scaled = scaled * (power / n.q);
  std::string digits;
  for (Wide s = scaled; s > 0 || digits.size() <= static_cast<std::size_t>(decimals); s /= 10) {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(s % 10)));
  }
  if (decimals > 0) digits.insert(digits.size() - decimals, ".");
  while (decimals > 0 && digits.back() == '0') digits.pop_back();
  if (digits.back() == '.') digits.pop_back();
  text = (n.p < 0 ? "-" : "") + digits;
  return true;
}

// The number as it prints on its own (a fraction as p/q).
std::string NumberText(const Number& n) {
  if (!n.exact) return FormatTermNumber(n.v);
  if (n.q == 1) return std::to_string(n.p);
  std::string text;
  if (n.decimal && DecimalText(n, text)) return text;
  return std::to_string(n.p) + "/" + std::to_string(n.q);
}

enum class Op : std::uint8_t { kNum, kSym, kAdd, kMul, kPow, kFunc };

struct Printed {
  std::string text;
  bool leading_power = false;  // the text begins with a factor raised to a power
};

struct Node;
using Expr = std::shared_ptr<const Node>;

// Sums keep their number last, products first; a power has base and exponent, a function its
// argument. Every node is built through the constructors of Algebra, which keep these forms.
struct Node {
  Op op = Op::kNum;
  int kind = 0;  // the TermNode kind of a symbol or function
  Number num;
  std::vector<Expr> args;
  std::uint64_t hash = 0;
  // The printed text, kept once made: the forms compared by length share most of their nodes.
  mutable std::shared_ptr<const Printed> printed;
};

// Nodes are made once per structure (Algebra::Build), so equal subterms are the same node.
bool Same(const Expr& a, const Expr& b) { return a == b; }

bool IsNum(const Expr& e) { return e->op == Op::kNum; }

// Where a factor stands in a printed product: variables first, then functions and powers,
// then brackets, and the exponential function last, as in 2*X*(X+1)*EXP(X).
int FactorClass(const Expr& f) {
  const Expr& base = f->op == Op::kPow ? f->args[0] : f;
  if (base->op == Op::kSym) return 0;
  if (base->op == Op::kAdd) return 2;
  if (base->op == Op::kFunc && base->kind == kExp) return 3;
  return 1;
}

// The degree in X of a product of numbers, symbols and numeric powers of X; false for others.
bool PolynomialDegree(const Expr& term, double& degree) {
  degree = 0;
  auto factor_degree = [&](const Expr& f) {
    if (f->op == Op::kNum) return true;
    if (f->op == Op::kSym) {
      degree += f->kind == kVariableX ? 1 : 0;
      return true;
    }
    if (f->op == Op::kPow && f->args[0]->op == Op::kSym && IsNum(f->args[1])) {
      degree += f->args[0]->kind == kVariableX ? f->args[1]->num.v : 0;
      return true;
    }
    return false;
  };
  if (term->op != Op::kMul) return factor_degree(term);
  return std::all_of(term->args.begin(), term->args.end(), factor_degree);
}

// A polynomial in X lists its terms by falling degree; other sums keep their order.
void SortPolynomial(std::vector<Expr>& terms) {
  std::vector<double> degrees(terms.size());
  for (std::size_t i = 0; i < terms.size(); ++i) {
    if (!PolynomialDegree(terms[i], degrees[i])) return;
  }
  std::vector<std::size_t> order(terms.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return degrees[a] > degrees[b]; });
  std::vector<Expr> sorted;
  for (std::size_t i : order) sorted.push_back(terms[i]);
  terms = std::move(sorted);
}

// Finds the group of a node among the groups of one sum or product: a scan for the few groups of
// most, a hash index once there are many.
class GroupIndex {
 public:
  template <class Match>
  std::size_t Find(const Expr& key, Match match) const {
    if (keys_.size() <= kScanLimit) {
      for (std::size_t i = 0; i < keys_.size(); ++i) {
        if (keys_[i] == key.get() && match(i)) return i;
      }
      return SIZE_MAX;
    }
    for (auto [it, end] = index_.equal_range(key.get()); it != end; ++it) {
      if (match(it->second)) return it->second;
    }
    return SIZE_MAX;
  }

  void Add(const Expr& key, std::size_t group) {
    keys_.push_back(key.get());
    if (keys_.size() == kScanLimit + 1) {
      for (std::size_t i = 0; i < keys_.size(); ++i) index_.emplace(keys_[i], i);
    } else if (keys_.size() > kScanLimit) {
      index_.emplace(key.get(), group);
    }
  }

 private:
  static constexpr std::size_t kScanLimit = 16;
  std::vector<const Node*> keys_;
  std::unordered_multimap<const Node*, std::size_t> index_;
};

class Algebra {
 public:
  Expr Num(const Number& n) { return Build(Op::kNum, 0, n, {}); }
  Expr Int(std::int64_t k) {
    if (k >= -1 && k <= 1) {
      Expr& small = small_[k + 1];
      if (!small) small = Num(Integer(k));
      return small;
    }
    return Num(Integer(k));
  }
  Expr Sym(int kind) { return Build(Op::kSym, kind, Number{}, {}); }

  Expr Func(int kind, const Expr& argument) {
    if (kind == kSqrt) return Pow(argument, Num(Fraction(1, 2, false)));
    return Build(Op::kFunc, kind, Number{}, {argument});
  }

  Expr Neg(const Expr& e) { return Mul({Int(-1), e}); }

  // Flattens, folds the numbers, collects like terms and splices sums scaled by a number.
  Expr Add(const std::vector<Expr>& terms) {
    // One term besides zeros is kept as it is: -4.375*(X+1) is not multiplied out.
    const Expr* single = nullptr;
    int others = 0;
    for (const Expr& t : terms) {
      if (IsNum(t) && IsZero(t->num)) continue;
      single = &t;
      ++others;
    }
    if (others == 1 && (*single)->op != Op::kAdd) return *single;
    std::vector<Expr> flat;
    for (const Expr& t : terms) Flatten(t, Integer(1), flat);
    Work(flat.size());
    Number constant = Integer(0);
    struct Group {
      Expr rest;
      Number coefficient;
    };
    std::vector<Group> groups;
    GroupIndex index;
    for (const Expr& t : flat) {
      if (IsNum(t)) {
        constant = ::plotwerk::uableitung::Add(constant, t->num);
        continue;
      }
      const auto split = SplitCoefficient(t);
      const Number& coefficient = split.first;
      const Expr& rest = split.second;
      const std::size_t at = index.Find(rest, [&](std::size_t i) { return groups[i].rest == rest; });
      if (at < groups.size()) {
        groups[at].coefficient = ::plotwerk::uableitung::Add(groups[at].coefficient, coefficient);
      } else {
        index.Add(rest, groups.size());
        groups.push_back({rest, coefficient});
      }
    }
    std::vector<Expr> out;
    for (const Group& g : groups) {
      if (!IsZero(g.coefficient)) out.push_back(Scale(g.coefficient, g.rest));
    }
    if (!IsZero(constant)) out.push_back(Num(constant));
    if (out.empty()) return Int(0);
    if (out.size() == 1) return out[0];
    return Build(Op::kAdd, 0, Number{}, std::move(out));
  }

  // Flattens, folds the numbers and collects the powers of one base.
  Expr Mul(const std::vector<Expr>& factors, int pass = 0) {
    Number coefficient = Integer(1);
    // Number exponents of one base are added, and so are the others, but a number is not added
    // to a term: X^(1/X)/X^2 stays as it is.
    struct Group {
      Expr base;
      bool numeric;
      Expr factor;  // the factor as it came while it is alone
      std::vector<Expr> exponents;
    };
    std::vector<Group> groups;
    GroupIndex index;
    std::vector<Expr> flat;
    for (const Expr& f : factors) {
      if (f->op == Op::kMul) {
        flat.insert(flat.end(), f->args.begin(), f->args.end());
      } else {
        flat.push_back(f);
      }
    }
    Work(flat.size());
    for (const Expr& f : flat) {
      if (IsNum(f)) {
        coefficient = Multiply(coefficient, f->num);
        continue;
      }
      const Expr& base = f->op == Op::kPow ? f->args[0] : f;
      const Expr exponent = f->op == Op::kPow ? f->args[1] : Int(1);
      const bool numeric = IsNum(exponent);
      const std::size_t at =
          index.Find(base, [&](std::size_t i) { return groups[i].numeric == numeric && groups[i].base == base; });
      if (at < groups.size()) {
        groups[at].exponents.push_back(exponent);
      } else {
        index.Add(base, groups.size());
        groups.push_back({base, numeric, f, {exponent}});
      }
    }
    if (IsZero(coefficient)) return Int(0);
    std::vector<Expr> out;
    bool again = false;
    for (const Group& g : groups) {
      if (g.exponents.size() == 1) {
        out.push_back(g.factor);
        continue;
      }
      const Expr f = Pow(g.base, Add(g.exponents));
      if (IsNum(f)) {
        coefficient = Multiply(coefficient, f->num);
      } else {
        again = again || f->op == Op::kMul;
        out.push_back(f);
      }
    }
    if (IsZero(coefficient)) return Int(0);
    if (again && pass < 2) {
      out.insert(out.begin(), Num(coefficient));
      return Mul(out, pass + 1);
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const Expr& a, const Expr& b) { return FactorClass(a) < FactorClass(b); });
    if (out.empty()) return Num(coefficient);
    if (IsOne(coefficient) && out.size() == 1) return out[0];
    if (!IsOne(coefficient)) out.insert(out.begin(), Num(coefficient));
    return Build(Op::kMul, 0, Number{}, std::move(out));
  }

  Expr Pow(const Expr& base, const Expr& exponent) {
    if (IsNum(exponent)) {
      const Number& e = exponent->num;
      if (IsZero(e)) return Int(1);
      if (IsOne(e)) return base;
      if (IsNum(base)) {
        if (IsOne(base->num)) return base;
        if (IsWhole(e) && std::llabs(e.p) <= kMaxFoldedPower && !IsZero(base->num)) {
          Number result = Integer(1);
          for (std::int64_t i = 0; i < std::llabs(e.p); ++i) result = Multiply(result, base->num);
          if (e.p < 0) result = Multiply(Integer(1), Reciprocal(result));
          return Num(result);
        }
        if (IsZero(base->num) && !IsNegative(e)) return Int(0);
      }
      if (IsWhole(e)) {
        if (base->op == Op::kPow) return Pow(base->args[0], Mul({base->args[1], exponent}));
        if (base->op == Op::kMul) {
          std::vector<Expr> powers;
          for (const Expr& f : base->args) powers.push_back(Pow(f, exponent));
          return Mul(powers);
        }
      }
    }
    return Build(Op::kPow, 0, Number{}, {base, exponent});
  }


 private:
  static Number Reciprocal(const Number& n) {
    if (n.exact) return Fraction(n.q, n.p, n.decimal);
    return Inexact(1 / n.v, n.decimal);
  }

  // The one node of this structure: an existing one when its operands are the same nodes.
  Expr Build(Op op, int kind, const Number& num, std::vector<Expr> args) {
    Work(1 + args.size());
    std::uint64_t h = (static_cast<std::uint64_t>(op) << 8 | static_cast<std::uint64_t>(kind)) * 0x9E3779B97F4A7C15ull;
    if (op == Op::kNum) {
      h ^= num.exact ? static_cast<std::uint64_t>(num.p) * 31 + static_cast<std::uint64_t>(num.q)
                     : std::hash<double>{}(num.v);
      h += num.decimal;
    }
    for (const Expr& a : args) h = (h ^ a->hash) * 0x100000001B3ull + 0x7F4A7C15;
    for (auto [it, end] = nodes_.equal_range(h); it != end; ++it) {
      const Node& n = *it->second;
      if (n.op == op && n.kind == kind && n.args == args &&
          (op != Op::kNum || (SameNumber(n.num, num) && n.num.decimal == num.decimal))) {
        return it->second;
      }
    }
    if (++built_ > kMaxTidyNodes) throw TidyTooLarge{};
    auto node = std::make_shared<Node>();
    node->op = op;
    node->kind = kind;
    node->num = num;
    node->hash = h;
    node->args = std::move(args);
    nodes_.emplace(h, node);
    return node;
  }

  // Collects the summands of t, scaled by c, splicing sums and numbers times sums.
  void Flatten(const Expr& t, const Number& c, std::vector<Expr>& out) {
    if (t->op == Op::kAdd) {
      for (const Expr& a : t->args) Flatten(a, c, out);
      return;
    }
    if (t->op == Op::kMul && t->args.size() == 2 && IsNum(t->args[0]) && t->args[1]->op == Op::kAdd) {
      Flatten(t->args[1], Multiply(c, t->args[0]->num), out);
      return;
    }
    out.push_back(IsOne(c) ? t : IsNum(t) ? Num(Multiply(c, t->num)) : Mul({Num(c), t}));
  }

  std::pair<Number, Expr> SplitCoefficient(const Expr& t) {
    if (t->op == Op::kMul && IsNum(t->args[0])) {
      if (t->args.size() == 2) return {t->args[0]->num, t->args[1]};
      return {t->args[0]->num, Build(Op::kMul, 0, Number{}, {t->args.begin() + 1, t->args.end()})};
    }
    return {Integer(1), t};
  }

  Expr Scale(const Number& c, const Expr& rest) {
    if (IsOne(c)) return rest;
    std::vector<Expr> args{Num(c)};
    if (rest->op == Op::kMul) {
      args.insert(args.end(), rest->args.begin(), rest->args.end());
    } else {
      args.push_back(rest);
    }
    return Build(Op::kMul, 0, Number{}, std::move(args));
  }

  // Nodes made or looked up and operands gathered: the measure of the time spent.
  void Work(std::size_t units) {
    work_ += units;
    if (work_ > kMaxTidyWork) throw TidyTooLarge{};
  }

  std::size_t built_ = 0;
  std::size_t work_ = 0;
  std::unordered_multimap<std::uint64_t, Expr> nodes_;
  Expr small_[3];  // -1, 0 and 1, made once
};

// ---------------------------------------------------------------------------------------------
// Printing. Every minus that the printer puts in front of an operand stands before a number or
// before a factor that is not raised to a power, so "-2*X^2" and "-(X^2)" but never "-X^2".

class Printer {
 public:
  const std::string& Text(const Expr& e) { return Print(e).text; }

  const Printed& Print(const Expr& e) {
    if (!e->printed) {
      Printed p = PrintInner(e);
      printed_ += p.text.size();
      if (printed_ > kMaxTidyPrinted || p.text.size() > kMaxPrintedLength) throw TidyTooLarge{};
      e->printed = std::make_shared<const Printed>(std::move(p));
    }
    return *e->printed;
  }

 private:
  Printed PrintInner(const Expr& e) {
    switch (e->op) {
      case Op::kNum:
        return {NumberText(e->num), false};
      case Op::kSym:
        return {SymbolName(e->kind), false};
      case Op::kFunc:
        return {FunctionName(e->kind) + "(" + Text(e->args[0]) + ")", false};
      case Op::kPow:
        // A negative power prints as a quotient where a product would.
        if (IsNum(e->args[1]) && IsNegative(e->args[1]->num)) return ProductText({e}, false);
        return PowerText(e->args[0], e->args[1]);
      case Op::kAdd:
        return {SumText(e), false};
      case Op::kMul: {
        const bool negative = IsNum(e->args[0]) && IsNegative(e->args[0]->num);
        Printed p = ProductText(e->args, negative);
        if (!negative) return p;
        return {p.leading_power ? "-(" + p.text + ")" : "-" + p.text, false};
      }
    }
    return {};
  }

  static std::string SymbolName(int kind) {
    switch (kind) {
      case kVariableX: return "X";
      case kParameterP: return "P";
      case kParameterQ: return "Q";
      case kPi: return "PI";
      default: return "Y";
    }
  }

  // A base or an exponent without brackets: a symbol, a function or a plain non-negative number.
  bool Atomic(const Expr& e, const std::string& text) const {
    if (e->op == Op::kSym || e->op == Op::kFunc) return true;
    return e->op == Op::kNum && !IsNegative(e->num) && text.find('/') == std::string::npos;
  }

  std::string Operand(const Expr& e) {
    const std::string text = Text(e);
    return Atomic(e, text) ? text : "(" + text + ")";
  }

  Printed PowerText(const Expr& base, const Expr& exponent) {
    if (IsNum(exponent)) return NumberPowerText(base, exponent->num);
    return {Operand(base) + "^" + Operand(exponent), true};
  }

  // b^n, or SQRT(b) for the exponent 1/2 of a sum or a written fraction, and where it is shorter.
  Printed NumberPowerText(const Expr& base, const Number& n) {
    const std::string exponent = NumberText(n);
    const bool bare = !IsNegative(n) && exponent.find('/') == std::string::npos;
    std::string power = Operand(base) + "^" + (bare ? exponent : "(" + exponent + ")");
    if (IsHalf(n)) {
      std::string root = "SQRT(" + Text(base) + ")";
      if (base->op == Op::kAdd || !n.decimal || root.size() <= power.size()) return {root, false};
    }
    return {power, true};
  }

  // One factor of a product: a sum in brackets.
  Printed FactorText(const Expr& f) {
    if (f->op == Op::kAdd) return {"(" + Text(f) + ")", false};
    return Print(f);
  }

  // The product without its sign, as numerator/denominator. The denominator takes the integer
  // negative powers, the negative powers of sums and those with a written fraction as exponent.
  // With `avoid_leading_power` a factor that is no power is moved to the front where there is one.
  Printed ProductText(const std::vector<Expr>& factors, bool avoid_leading_power) {
    Number coefficient = Integer(1);
    std::vector<Printed> numerator;
    std::vector<std::string> denominator;
    std::vector<std::string> classless_denominator;
    for (const Expr& f : factors) {
      if (IsNum(f)) {
        coefficient = f->num;
        continue;
      }
      if (f->op == Op::kPow && IsNum(f->args[1]) && IsNegative(f->args[1]->num)) {
        const Number& n = f->args[1]->num;
        if (IsWhole(n) || f->args[0]->op == Op::kAdd || (n.exact && !n.decimal)) {
          const Number positive = Negate(n);
          denominator.push_back(IsOne(positive) ? FactorText(f->args[0]).text
                                                : NumberPowerText(f->args[0], positive).text);
          continue;
        }
      }
      numerator.push_back(f->op == Op::kPow ? PowerText(f->args[0], f->args[1]) : FactorText(f));
    }
    if (IsNegative(coefficient)) coefficient = Negate(coefficient);
    std::string coefficient_text = NumberText(coefficient);
    std::string decimal;
    if (coefficient.exact && coefficient.q != 1 && !(coefficient.decimal && DecimalText(coefficient, decimal))) {
      coefficient_text = std::to_string(coefficient.p);
      denominator.insert(denominator.begin(), std::to_string(coefficient.q));
    }
    const bool show_coefficient = coefficient_text != "1" || numerator.empty();
    if (!show_coefficient && avoid_leading_power && !numerator.empty() && numerator[0].leading_power) {
      auto plain = std::find_if(numerator.begin(), numerator.end(), [](const Printed& p) { return !p.leading_power; });
      if (plain != numerator.end()) std::rotate(numerator.begin(), plain, plain + 1);
    }
    Printed out;
    if (show_coefficient) out.text = coefficient_text;
    for (const Printed& p : numerator) {
      if (out.text.empty()) {
        out.leading_power = p.leading_power;
      } else {
        out.text += '*';
      }
      out.text += p.text;
    }
    if (denominator.empty()) return out;
    out.text += '/';
    if (denominator.size() == 1) {
      out.text += denominator[0];
    } else {
      out.text += '(';
      for (std::size_t i = 0; i < denominator.size(); ++i) out.text += (i ? "*" : "") + denominator[i];
      out.text += ')';
    }
    return out;
  }

  // The summands with their signs. A first summand that would put a minus before a power gives
  // way to the first positive one, and so does a negative first one of two (1-X, not -X+1); when
  // all are negative the minus goes in front of a bracket.
  std::string SumText(const Expr& e) {
    struct Summand {
      bool negative;
      Printed text;
    };
    std::vector<Summand> summands;
    std::vector<Expr> terms = e->args;
    SortPolynomial(terms);
    for (const Expr& t : terms) {
      if (IsNum(t) && IsNegative(t->num)) {
        summands.push_back({true, {NumberText(Negate(t->num)), false}});
      } else if (t->op == Op::kMul && IsNum(t->args[0]) && IsNegative(t->args[0]->num)) {
        summands.push_back({true, ProductText(t->args, true)});
      } else {
        summands.push_back({false, Print(t)});
      }
    }
    if (summands[0].negative && (summands[0].text.leading_power || summands.size() == 2)) {
      auto positive = std::find_if(summands.begin(), summands.end(), [](const Summand& s) { return !s.negative; });
      if (positive != summands.end()) {
        std::rotate(summands.begin(), positive, positive + 1);
      } else {
        std::string inner;
        for (const Summand& s : summands) inner += (inner.empty() ? "" : "+") + s.text.text;
        return "-(" + inner + ")";
      }
    }
    std::string text;
    for (const Summand& s : summands) {
      if (s.negative) {
        text += '-';
      } else if (!text.empty()) {
        text += '+';
      }
      text += s.text.text;
    }
    return text;
  }

  std::size_t printed_ = 0;
};

// ---------------------------------------------------------------------------------------------
// Equivalent forms, chosen by printed length.

class Tidier {
 public:
  Expr FromTree(const TermNode* n, int depth) {
    if (depth > kMaxTidyDepth) throw TidyTooLarge{};
    switch (n->kind) {
      case kNumber: return a_.Num(FromDouble(n->value));
      case kVariableX:
      case kParameterP:
      case kParameterQ:
      case kSymbolY:
      case kPi: return a_.Sym(n->kind);
      case kSum: return a_.Add({FromTree(n->left, depth + 1), FromTree(n->right, depth + 1)});
      case kDifference: return a_.Add({FromTree(n->left, depth + 1), a_.Neg(FromTree(n->right, depth + 1))});
      case kProduct: return a_.Mul({FromTree(n->left, depth + 1), FromTree(n->right, depth + 1)});
      case kQuotient:
        return a_.Mul({FromTree(n->left, depth + 1), a_.Pow(FromTree(n->right, depth + 1), a_.Int(-1))});
      case kPower: return a_.Pow(FromTree(n->left, depth + 1), FromTree(n->right, depth + 1));
      case kLogP: {
        // A LOG node prints as its own derivative factor, 1/(LN(P)*u).
        const Expr ln_p = a_.Func(kLn, a_.Sym(kParameterP));
        return a_.Mul({a_.Pow(ln_p, a_.Int(-1)), a_.Pow(FromTree(n->argument, depth + 1), a_.Int(-1))});
      }
      default: return a_.Func(n->kind, FromTree(n->argument, depth + 1));
    }
  }

  // Bottom up: each node takes the shortest of its equivalent forms. Remembered per node, so a
  // subterm met again costs nothing.
  Expr Improve(const Expr& e, int depth) {
    if (depth > kMaxTidyDepth) throw TidyTooLarge{};
    if (auto it = improved_.find(e.get()); it != improved_.end()) return it->second;
    const Expr result = ImproveOnce(e, depth);
    improved_.emplace(e.get(), result);
    return result;
  }

  std::string Text(const Expr& e) { return printer_.Text(e); }

 private:
  Expr ImproveOnce(const Expr& e, int depth) {
    switch (e->op) {
      case Op::kNum:
      case Op::kSym: return e;
      case Op::kFunc: return a_.Func(e->kind, Improve(e->args[0], depth + 1));
      case Op::kPow: {
        const Expr rebuilt = a_.Pow(Improve(e->args[0], depth + 1), Improve(e->args[1], depth + 1));
        structured_.emplace(e.get(), rebuilt);
        return Shortest({rebuilt, HasSumFactor(rebuilt) ? Expand(rebuilt) : nullptr});
      }
      case Op::kAdd: {
        std::vector<Expr> terms;
        std::vector<Expr> structured_terms;
        for (const Expr& t : e->args) {
          terms.push_back(Improve(t, depth + 1));
          auto it = structured_.find(t.get());
          structured_terms.push_back(it == structured_.end() ? terms.back() : it->second);
        }
        const Expr rebuilt = a_.Add(terms);
        if (rebuilt->op != Op::kAdd) return rebuilt;
        rebuilt_sums_.emplace(e.get(), a_.Add(structured_terms));
        const bool products_of_sums = std::any_of(rebuilt->args.begin(), rebuilt->args.end(), HasSumFactor);
        return Shortest({rebuilt, products_of_sums ? Expand(rebuilt) : nullptr, Together(rebuilt), FactorOut(rebuilt)});
      }
      case Op::kMul: {
        std::vector<Expr> factors;
        for (const Expr& f : e->args) factors.push_back(Improve(f, depth + 1));
        const Expr rebuilt = a_.Mul(factors);
        structured_.emplace(e.get(), rebuilt);
        if (rebuilt->op != Op::kMul) return rebuilt;
        // A sum factor may have chosen its expanded form, hiding a factor it shares with the rest
        // of the product; the same sum factored is tried as well, so that the factor cancels.
        bool refactored = false;
        for (std::size_t i = 0; i < e->args.size(); ++i) {
          auto [base, n] = IntegerPower(e->args[i]);
          auto it = rebuilt_sums_.find(base.get());
          if (n == 0 || it == rebuilt_sums_.end()) continue;
          if (const Expr factored = FactorOut(it->second)) {
            factors[i] = a_.Pow(factored, a_.Int(n));
            refactored = true;
          }
        }
        const Expr other = refactored ? a_.Mul(factors) : nullptr;
        const bool other_product = other && other->op == Op::kMul;
        std::vector<Expr> candidates{rebuilt,
                                     HasSumFactor(rebuilt) ? Expand(rebuilt) : nullptr,
                                     FactorSums(rebuilt),
                                     GroupEqualPowers(rebuilt),
                                     other,
                                     other_product && HasSumFactor(other) ? Expand(other) : nullptr,
                                     other_product ? FactorSums(other) : nullptr,
                                     other_product ? GroupEqualPowers(other) : nullptr};
        const std::size_t base_forms = candidates.size();
        for (std::size_t i = 0; i < base_forms; ++i) {
          if (candidates[i] && candidates[i]->op == Op::kMul) candidates.push_back(NegateSums(candidates[i]));
        }
        return Shortest(candidates);
      }
    }
    return e;
  }

  Expr Shortest(const std::vector<Expr>& candidates) {
    Expr best;
    std::size_t best_length = 0;
    for (const Expr& c : candidates) {
      if (!c) continue;
      const std::size_t length = printer_.Text(c).size();
      if (!best || length < best_length) best = c, best_length = length;
    }
    return best;
  }

  // Whether multiplying out can change e: a sum, or a positive integer power of one, among its factors.
  static bool HasSumFactor(const Expr& e) {
    auto is_sum = [](const Expr& f) {
      return f->op == Op::kAdd || (f->op == Op::kPow && f->args[0]->op == Op::kAdd && IsNum(f->args[1]) &&
                                   IsWhole(f->args[1]->num) && f->args[1]->num.p > 1);
    };
    if (e->op == Op::kMul) return std::any_of(e->args.begin(), e->args.end(), is_sum);
    return is_sum(e);
  }

  // The summands of e with products of sums multiplied out; false beyond kMaxExpandedTerms.
  bool ExpandTerms(const Expr& e, std::vector<Expr>& out) {
    if (e->op == Op::kAdd) {
      for (const Expr& t : e->args) {
        if (!ExpandTerms(t, out)) return false;
      }
      return out.size() <= kMaxExpandedTerms;
    }
    std::vector<Expr> factors = e->op == Op::kMul ? e->args : std::vector<Expr>{e};
    std::vector<Expr> product{a_.Int(1)};
    for (const Expr& f : factors) {
      std::vector<Expr> summands;
      if (f->op == Op::kAdd) {
        if (!ExpandTerms(f, summands)) return false;
      } else if (f->op == Op::kPow && f->args[0]->op == Op::kAdd && IsNum(f->args[1]) && IsWhole(f->args[1]->num) &&
                 f->args[1]->num.p > 1 && f->args[1]->num.p <= kMaxExpandedPower) {
        std::vector<Expr> base;
        if (!ExpandTerms(f->args[0], base)) return false;
        summands = {a_.Int(1)};
        for (std::int64_t i = 0; i < f->args[1]->num.p; ++i) {
          if (!MultiplyOut(summands, base)) return false;
        }
      } else {
        summands = {f};
      }
      if (!MultiplyOut(product, summands)) return false;
    }
    out.insert(out.end(), product.begin(), product.end());
    return out.size() <= kMaxExpandedTerms;
  }

  bool MultiplyOut(std::vector<Expr>& product, const std::vector<Expr>& summands) {
    if (product.size() * summands.size() > kMaxExpandedTerms) return false;
    std::vector<Expr> next;
    for (const Expr& p : product) {
      for (const Expr& s : summands) next.push_back(a_.Mul({p, s}));
    }
    product = std::move(next);
    return true;
  }

  // The sum multiplied out, where that gives a polynomial: functions are not multiplied into
  // sums (2*TAN(X)*(1+TAN(X)^2) stays), which also keeps their powers low where they grow fast.
  Expr Expand(const Expr& e) {
    std::vector<Expr> terms;
    if (!ExpandTerms(e, terms)) return nullptr;
    double degree = 0;
    for (const Expr& t : terms) {
      if (!PolynomialDegree(t, degree)) return nullptr;
    }
    return a_.Add(terms);
  }

  // A factor with an integer exponent, split as base^n; others as themselves^1.
  static std::pair<Expr, std::int64_t> IntegerPower(const Expr& f) {
    if (f->op == Op::kPow && IsNum(f->args[1]) && IsWhole(f->args[1]->num)) return {f->args[0], f->args[1]->num.p};
    return {f, 1};
  }

  // The sum over one denominator: the largest negative integer power of each base, the
  // numerator multiplied out where that is shorter.
  Expr Together(const Expr& sum) {
    struct Power {
      Expr base;
      std::int64_t n;
    };
    std::vector<Power> common;
    std::vector<std::vector<Expr>> numerators;
    std::vector<std::vector<Power>> own;
    for (const Expr& t : sum->args) {
      numerators.emplace_back();
      own.emplace_back();
      const std::vector<Expr> factors = t->op == Op::kMul ? t->args : std::vector<Expr>{t};
      for (const Expr& f : factors) {
        const auto [base, n] = IntegerPower(f);
        if (n >= 0 || IsNum(base)) {
          numerators.back().push_back(f);
          continue;
        }
        own.back().push_back({base, -n});
        auto it = std::find_if(common.begin(), common.end(), [&, b = base](const Power& c) { return Same(c.base, b); });
        if (it == common.end()) {
          common.push_back({base, -n});
        } else {
          it->n = std::max(it->n, -n);
        }
      }
    }
    if (common.empty()) return nullptr;
    std::vector<Expr> summands;
    for (std::size_t i = 0; i < numerators.size(); ++i) {
      std::vector<Expr> factors = numerators[i];
      for (const Power& c : common) {
        std::int64_t missing = c.n;
        for (const Power& o : own[i]) {
          if (Same(o.base, c.base)) missing -= o.n;
        }
        if (missing > 0) factors.push_back(a_.Pow(c.base, a_.Int(missing)));
      }
      summands.push_back(a_.Mul(factors));
    }
    const Expr plain = a_.Add(summands);
    std::vector<Expr> denominator;
    for (const Power& c : common) denominator.push_back(a_.Pow(c.base, a_.Int(-c.n)));
    std::vector<Expr> forms;
    for (const Expr& numerator : {plain, Expand(plain)}) {
      if (!numerator) continue;
      std::vector<Expr> factors = denominator;
      factors.insert(factors.begin(), numerator);
      forms.push_back(a_.Mul(factors));
      if (numerator->op == Op::kAdd) {
        if (const Expr factored = FactorOut(numerator)) {
          factors[0] = factored;
          forms.push_back(a_.Mul(factors));
        }
      }
    }
    return Shortest(forms);
  }

  // The sum with the factors visible in every summand put in front: the greatest common divisor
  // of integer coefficients (negative when all are), and each base with its smallest positive
  // numeric exponent.
  Expr FactorOut(const Expr& sum) {
    std::int64_t divisor = 0;
    bool all_whole = true;
    bool all_negative = true;
    for (const Expr& t : sum->args) {
      const Number c = IsNum(t) ? t->num : (t->op == Op::kMul && IsNum(t->args[0])) ? t->args[0]->num : Integer(1);
      all_whole = all_whole && IsWhole(c);
      all_negative = all_negative && IsNegative(c);
      if (IsWhole(c)) divisor = static_cast<std::int64_t>(Gcd(divisor, c.p));
    }
    std::vector<Expr> common;
    if (all_whole && divisor > 1) common.push_back(a_.Int(all_negative ? -divisor : divisor));
    if (all_negative && common.empty()) common.push_back(a_.Int(-1));
    const Expr& first = sum->args[0];
    const std::vector<Expr> first_factors = first->op == Op::kMul ? first->args : std::vector<Expr>{first};
    for (const Expr& f : first_factors) {
      if (IsNum(f)) continue;
      const Expr base = f->op == Op::kPow ? f->args[0] : f;
      Number smallest = f->op == Op::kPow ? (IsNum(f->args[1]) ? f->args[1]->num : Integer(0)) : Integer(1);
      if (!(smallest.exact && !IsNegative(smallest) && !IsZero(smallest))) continue;
      bool everywhere = true;
      for (std::size_t i = 1; i < sum->args.size() && everywhere; ++i) {
        const Expr& t = sum->args[i];
        const std::vector<Expr> factors = t->op == Op::kMul ? t->args : std::vector<Expr>{t};
        bool here = false;
        for (const Expr& g : factors) {
          const Expr gb = g->op == Op::kPow ? g->args[0] : g;
          if (!Same(gb, base)) continue;
          const Number n = g->op == Op::kPow ? (IsNum(g->args[1]) ? g->args[1]->num : Integer(0)) : Integer(1);
          if (n.exact && !IsNegative(n) && !IsZero(n)) {
            here = true;
            if (n.v < smallest.v) smallest = n;
          }
        }
        everywhere = here;
      }
      if (everywhere) common.push_back(a_.Pow(base, a_.Num(smallest)));
    }
    if (common.empty()) return nullptr;
    std::vector<Expr> inverse;
    for (const Expr& c : common) inverse.push_back(a_.Pow(c, a_.Int(-1)));
    std::vector<Expr> rest;
    for (const Expr& t : sum->args) {
      std::vector<Expr> factors = inverse;
      factors.push_back(t);
      rest.push_back(a_.Mul(factors));
    }
    const Expr remaining = a_.Add(rest);
    common.push_back(remaining->op == Op::kAdd ? Shortest({remaining, Expand(remaining)}) : remaining);
    return a_.Mul(common);
  }

  // The product with each sum factor (or integer power of one) replaced by its factored form.
  Expr FactorSums(const Expr& product) {
    std::vector<Expr> factors;
    bool changed = false;
    for (const Expr& f : product->args) {
      auto [base, n] = IntegerPower(f);
      const Expr factored = base->op == Op::kAdd && n != 0 ? FactorOut(base) : nullptr;
      changed = changed || factored;
      factors.push_back(factored ? a_.Pow(factored, a_.Int(n)) : f);
    }
    return changed ? a_.Mul(factors) : nullptr;
  }

  // The product with each sum factor that begins with a negative summand negated, the sign going
  // to the number in front: -2*X*(3-X^2) becomes 2*X*(X^2-3).
  Expr NegateSums(const Expr& product) {
    std::vector<Expr> factors;
    bool changed = false;
    for (const Expr& f : product->args) {
      const Expr& first = f->op == Op::kAdd ? f->args[0] : f;
      const bool negative_first = (IsNum(first) && IsNegative(first->num)) ||
                                  (first->op == Op::kMul && IsNum(first->args[0]) && IsNegative(first->args[0]->num));
      if (f->op == Op::kAdd && negative_first) {
        std::vector<Expr> negated;
        for (const Expr& t : f->args) negated.push_back(a_.Neg(t));
        factors.push_back(a_.Int(-1));
        factors.push_back(a_.Add(negated));
        changed = true;
      } else {
        factors.push_back(f);
      }
    }
    return changed ? a_.Mul(factors) : nullptr;
  }

  // Sums raised to the same integer power multiplied out under one power:
  // (X+1)^2*(X-1)^2 becomes (X^2-1)^2.
  Expr GroupEqualPowers(const Expr& product) {
    std::vector<Expr> rest;
    std::vector<std::pair<std::int64_t, std::vector<Expr>>> groups;
    for (const Expr& f : product->args) {
      auto [base, n] = IntegerPower(f);
      if (base->op != Op::kAdd) {
        rest.push_back(f);
        continue;
      }
      auto it = std::find_if(groups.begin(), groups.end(), [n = n](const auto& g) { return g.first == n; });
      if (it == groups.end()) {
        groups.push_back({n, {base}});
      } else {
        it->second.push_back(base);
      }
    }
    bool changed = false;
    for (const auto& [n, bases] : groups) {
      const Expr expanded = bases.size() > 1 ? Expand(a_.Mul(bases)) : nullptr;
      if (expanded) {
        changed = true;
        rest.push_back(a_.Pow(expanded, a_.Int(n)));
      } else {
        for (const Expr& b : bases) rest.push_back(a_.Pow(b, a_.Int(n)));
      }
    }
    return changed ? a_.Mul(rest) : nullptr;
  }

  Algebra a_;
  Printer printer_;
  std::unordered_map<const Node*, Expr> improved_;
  // Each product and power with its operands improved but not itself multiplied out, and each sum
  // made of these: the forms in which shared factors are still visible.
  std::unordered_map<const Node*, Expr> structured_;
  std::unordered_map<const Node*, Expr> rebuilt_sums_;
};

}  // namespace

std::string TidyTree(const TermNode* node) {
  try {
    Tidier tidier;
    return tidier.Text(tidier.Improve(tidier.FromTree(node, 0), 0));
  } catch (const TidyTooLarge&) {
    return std::string();
  } catch (const DerivationTooLarge&) {
    return std::string();
  }
}

std::string TidyDerivative(std::string_view term) {
  return FromTermTree(term, [](NodePool& pool, const TermNode* tree) { return TidyTree(DeriveTree(pool, tree)); });
}

std::string TidyTermText(std::string_view term) {
  return FromTermTree(term, [](NodePool&, const TermNode* tree) { return TidyTree(tree); });
}

}  // namespace plotwerk::uableitung
