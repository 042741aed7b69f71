// The differentiation rules: sum, product, quotient and power rules and the chain rule for every
// function, applied node by node without simplification.
#include <cmath>

#include "uableitung/term_tree.h"

namespace plotwerk::uableitung {

namespace {

// 1/ln 10 and 1/ln 2, computed in extended precision.
const double kInverseLn10 = static_cast<double>(1.0L / std::log(10.0L));
const double kInverseLn2 = static_cast<double>(1.0L / std::log(2.0L));

// Applies the rules node by node, taking every new node from the pool of the derivation.
class TreeDeriver {
 public:
  explicit TreeDeriver(NodePool& pool) : pool_(pool) {}

  TermNode* Num(double value) { return pool_.NewNumber(value); }

  TermNode* Add(TermNode* l, TermNode* r) { return pool_.NewBinary(kSum, l, r); }
  TermNode* Sub(TermNode* l, TermNode* r) { return pool_.NewBinary(kDifference, l, r); }
  TermNode* Mul(TermNode* l, TermNode* r) { return pool_.NewBinary(kProduct, l, r); }
  TermNode* Div(TermNode* l, TermNode* r) { return pool_.NewBinary(kQuotient, l, r); }
  TermNode* Pow(TermNode* l, TermNode* r) { return pool_.NewBinary(kPower, l, r); }
  TermNode* Function(int kind, TermNode* argument) { return pool_.NewCall(kind, argument); }

  TermNode* Copy(const TermNode* node, int depth) {
    if (depth > kMaxTreeDepth) throw DerivationTooLarge{};
    TermNode* copy = pool_.NewNode(node->kind);
    copy->value = node->value;
    if (IsBinaryKind(node->kind)) {
      copy->left = Copy(node->left, depth + 1);
      copy->right = Copy(node->right, depth + 1);
    } else if (IsFunctionKind(node->kind)) {
      copy->argument = Copy(node->argument, depth + 1);
    }
    return copy;
  }

  // The factor of the chain rule for a function node f with argument u.
  TermNode* ChainFactor(const TermNode* f, int depth) {
    const TermNode* u = f->argument;
    auto cu = [&] { return Copy(u, depth + 1); };
    auto cf = [&] { return Copy(f, depth + 1); };
    auto u_squared = [&] { return Pow(cu(), Num(2)); };
    switch (f->kind) {
      case kSqrt: return Div(Num(1), Mul(Num(2), cf()));
      case kLn: return Div(Num(1), cu());
      case kLg: return Div(Num(kInverseLn10), cu());
      case kLd: return Div(Num(kInverseLn2), cu());
      case kExp: return cf();
      // The logarithm to base P: 1/LN(P) * 1/u, built from ordinary nodes so that it prints as a
      // factor wherever it stands.
      case kLogP: return Mul(Div(Num(1), Function(kLn, pool_.NewNode(kParameterP))), Div(Num(1), cu()));
      case kAbs: return Function(kSgn, cu());
      case kSin: return Function(kCos, cu());
      case kCos: return Mul(Num(-1), Function(kSin, cu()));
      case kTan: return Add(Num(1), Pow(cf(), Num(2)));
      case kCot: return Sub(Num(-1), Pow(cf(), Num(2)));
      case kSinh: return Function(kCosh, cu());
      case kCosh: return Function(kSinh, cu());
      case kTanh:
      case kCoth: return Sub(Num(1), Pow(cf(), Num(2)));
      case kArcsin: return Div(Num(1), Function(kSqrt, Sub(Num(1), u_squared())));
      case kArccos: return Div(Num(-1), Function(kSqrt, Sub(Num(1), u_squared())));
      case kArctan: return Div(Num(1), Add(Num(1), u_squared()));
      case kArccot: return Div(Num(-1), Add(Num(1), u_squared()));
      case kArsinh: return Div(Num(1), Function(kSqrt, Add(Num(1), u_squared())));
      case kArcosh: return Div(Num(1), Function(kSqrt, Add(Num(-1), u_squared())));
      case kArtanh:
      case kArcoth: return Div(Num(1), Sub(Num(1), u_squared()));
      default: throw DerivationTooLarge{};  // the parser yields no other function kinds
    }
  }

  TermNode* Derive(const TermNode* f, int depth) {
    if (depth > kMaxTreeDepth) throw DerivationTooLarge{};
    const int next = depth + 1;
    const TermNode* u = f->left;
    const TermNode* v = f->right;
    auto copy = [&](const TermNode* n) { return Copy(n, next); };
    auto derive = [&](const TermNode* n) { return Derive(n, next); };
    switch (f->kind) {
      case kNumber:
      case kParameterP:
      case kParameterQ:
      case kPi:
      case kSymbolY:
        return Num(0);
      case kVariableX:
        return Num(1);
      case kSum:
        return Add(derive(u), derive(v));
      case kDifference:
        return Sub(derive(u), derive(v));
      case kProduct:
        switch (ConstancyCode(f)) {
          case Constancy::kLeftNumber: return Mul(copy(u), derive(v));
          case Constancy::kRightNumber: return Mul(copy(v), derive(u));
          case Constancy::kBothNumbers: return Num(0);
          default: return Add(Mul(derive(u), copy(v)), Mul(copy(u), derive(v)));
        }
      case kQuotient:
        switch (ConstancyCode(f)) {
          case Constancy::kLeftNumber: return Mul(Num(-u->value), Div(derive(v), Pow(copy(v), Num(2))));
          case Constancy::kRightNumber: return Div(derive(u), copy(v));
          case Constancy::kBothNumbers: return Num(0);
          default:
            return Div(Sub(Mul(derive(u), copy(v)), Mul(copy(u), derive(v))), Pow(copy(v), Num(2)));
        }
      case kPower:
        switch (ConstancyCode(f)) {
          case Constancy::kLeftNumber: return Mul(Mul(copy(f), Function(kLn, Num(u->value))), derive(v));
          case Constancy::kRightNumber: return Mul(Mul(Num(v->value), Pow(copy(u), Num(v->value - 1))), derive(u));
          case Constancy::kBothNumbers: return Num(0);
          default:
            return Mul(copy(f), Add(Mul(derive(v), Function(kLn, copy(u))),
                                    Mul(derive(u), Div(copy(v), copy(u)))));
        }
      case kSgn:
      case kInt:
        return Num(0);
      default: {
        TermNode* inner = derive(f->argument);
        return Mul(inner, ChainFactor(f, depth));
      }
    }
  }

 private:
  NodePool& pool_;
};

}  // namespace

Constancy ConstancyCode(const TermNode* node) {
  const bool left = node->left->kind == kNumber;
  const bool right = node->right->kind == kNumber;
  if (left && right) return Constancy::kBothNumbers;
  if (left) return Constancy::kLeftNumber;
  if (right) return Constancy::kRightNumber;
  return Constancy::kNeither;
}

TermNode* CopyTree(NodePool& pool, const TermNode* node) { return TreeDeriver(pool).Copy(node, 0); }

TermNode* DeriveTree(NodePool& pool, const TermNode* node) { return TreeDeriver(pool).Derive(node, 0); }

}  // namespace plotwerk::uableitung
