// The node pool, the tree built from the evaluator's reading of a term, and DifferentiateTerm.
#include "uableitung/term_tree.h"

#include <cmath>

#include "fktint/fktint.h"
#include "fktint/term_reader.h"
#include "uableitung/uableitung.h"

namespace plotwerk::uableitung {

namespace {

constexpr unsigned char kEulerChar = 201;  // É in code page 1252
constexpr double kGoldenRatio = 1.618033988749895;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }

// Index just past the factor that starts at i: a bracket, or a run of letters, digits and
// points optionally followed by a bracketed argument.
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

using fktint::NodeKind;
using fktint::ReadNode;
using fktint::detail::Function;

// The differentiator's kind of an evaluator function; kUnknownFunction for the functions it has
// no rule for (SI, GAMMA, GAUSS, DIGAMMA, SEC, CSC, FRAC, HEAVISIDE, ARCSEC) and for SQR, which
// becomes a square.
int KindOfFunction(Function function) {
  switch (function) {
    case Function::kSqrt: return kSqrt;
    case Function::kExp: return kExp;
    case Function::kLn: return kLn;
    case Function::kAbs: return kAbs;
    case Function::kSin: return kSin;
    case Function::kCos: return kCos;
    case Function::kTan: return kTan;
    case Function::kCot: return kCot;
    case Function::kArccos: return kArccos;
    case Function::kArcsin: return kArcsin;
    case Function::kArctan: return kArctan;
    case Function::kArccot: return kArccot;
    case Function::kLg: return kLg;
    case Function::kLd: return kLd;
    case Function::kSinh: return kSinh;
    case Function::kCosh: return kCosh;
    case Function::kTanh: return kTanh;
    case Function::kArsinh: return kArsinh;
    case Function::kArcosh: return kArcosh;
    case Function::kArtanh: return kArtanh;
    case Function::kInt: return kInt;
    case Function::kSgn: return kSgn;
    default: return kUnknownFunction;
  }
}

// Builds the differentiator's tree from the shared reader's nodes into a pool. After the first
// failure every step returns nullptr; failed() tells whether the tree is whole.
class TreeBuilder {
 public:
  TreeBuilder(NodePool& pool, const fktint::TermReading& reading) : pool_(pool), nodes_(reading.nodes) {}

  bool failed() const { return failed_; }

  TermNode* Build(int index, int depth) {
    if (depth > kMaxParseDepth) return Fail();
    const ReadNode& n = nodes_[static_cast<std::size_t>(index)];
    switch (n.kind) {
      case NodeKind::kNumber: return pool_.NewNumber(n.value);
      case NodeKind::kX: return pool_.NewNode(kVariableX);
      case NodeKind::kP: return pool_.NewNode(kParameterP);
      case NodeKind::kQ: return pool_.NewNode(kParameterQ);
      case NodeKind::kR: return pool_.NewNumber(0.0);  // R is always 0
      case NodeKind::kPi: return pool_.NewNode(kPi);
      case NodeKind::kPhi: return pool_.NewNumber(kGoldenRatio);
      case NodeKind::kEuler: return Exp(pool_.NewNumber(1.0));  // e = EXP(1), printed exactly
      case NodeKind::kNegate: {
        TermNode* node = pool_.NewNode(kDifference);
        node->left = pool_.NewNumber(0.0);
        node->right = Build(n.left, depth + 1);
        return failed_ ? nullptr : node;
      }
      case NodeKind::kPower:
        // e^u is EXP(u), which keeps Euler's number exact.
        if (nodes_[static_cast<std::size_t>(n.left)].kind == NodeKind::kEuler) {
          TermNode* exponent = Build(n.right, depth + 1);
          return failed_ ? nullptr : Exp(exponent);
        }
        return Binary(kPower, n, depth);
      case NodeKind::kAdd: return Binary(kSum, n, depth);
      case NodeKind::kSubtract: return Binary(kDifference, n, depth);
      case NodeKind::kMultiply: return Binary(kProduct, n, depth);
      case NodeKind::kDivide: return Binary(kQuotient, n, depth);
      case NodeKind::kAbsolute: return Call(kAbs, n.left, depth);
      case NodeKind::kFloor: return Fail();
      case NodeKind::kCall:
        if (n.function == Function::kSqr) {
          TermNode* node = pool_.NewNode(kPower);
          node->left = Build(n.left, depth + 1);
          node->right = pool_.NewNumber(2.0);
          return failed_ ? nullptr : node;
        }
        return Call(KindOfFunction(n.function), n.left, depth);
    }
    return Fail();
  }

 private:
  TermNode* Fail() {
    failed_ = true;
    return nullptr;
  }

  TermNode* Exp(TermNode* argument) { return pool_.NewCall(kExp, argument); }

  TermNode* Call(int kind, int argument, int depth) {
    if (kind == kUnknownFunction) return Fail();
    TermNode* node = pool_.NewNode(kind);
    node->argument = Build(argument, depth + 1);
    return failed_ ? nullptr : node;
  }

  TermNode* Binary(int kind, const ReadNode& n, int depth) {
    TermNode* node = pool_.NewNode(kind);
    node->left = Build(n.left, depth + 1);
    if (failed_) return nullptr;
    node->right = Build(n.right, depth + 1);
    return failed_ ? nullptr : node;
  }

  NodePool& pool_;
  const std::vector<ReadNode>& nodes_;
  bool failed_ = false;
};

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

TermNode* NodePool::NewBinary(int kind, TermNode* left, TermNode* right) {
  TermNode* node = NewNode(kind);
  node->left = left;
  node->right = right;
  return node;
}

TermNode* NodePool::NewCall(int kind, TermNode* argument) {
  TermNode* node = NewNode(kind);
  node->argument = argument;
  return node;
}

TermNode* ParseTermTree(NodePool& pool, std::string_view text) {
  if (text.size() > kMaxTermLength) return nullptr;
  const fktint::TermReading reading = fktint::ReadTerm(text);
  if (!reading.ok()) return nullptr;
  TreeBuilder builder(pool, reading);
  TermNode* root = builder.Build(reading.root(), 0);
  return builder.failed() ? nullptr : root;
}

namespace {

// Inserts "0" after every "(" whose minus stands before a factor raised to a power: the
// printed text means a subtraction there, and "(0-" says so under any reading of a minus.
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

std::string FromTermTree(std::string_view term,
                         const std::function<std::string(NodePool& pool, const TermNode* tree)>& make) {
  if (term.size() > kMaxTypedLength) return std::string();
  const std::string text = fktint::NormaliseTermText(term);  // blanks go
  NodePool pool;
  try {
    const TermNode* root = ParseTermTree(pool, text);
    return root == nullptr ? std::string() : make(pool, root);
  } catch (const DerivationTooLarge&) {
    return std::string();
  }
}

std::string DifferentiateTerm(std::string_view term) {
  std::string result = FromTermTree(term, [](NodePool& pool, const TermNode* tree) {
    return SimplifyTermText(PrintTree(DeriveTree(pool, tree)).text);
  });
  if (result.size() > kMaxPrintedLength) return std::string();
  return ToEvaluatorReading(RemoveExponentsOne(std::move(result)));
}

std::string MakeEvaluatorSafe(std::string text) { return ToEvaluatorReading(std::move(text)); }

}  // namespace plotwerk::uableitung
