// The term tree of the differentiator: nodes, the per-derivation node pool, the reader, the
// differentiation rules and the printer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace plotwerk::uableitung {

// Kind codes. The printer derives operator characters and function names from them; for codes
// 31 to 64 the units digit names the member (1 SIN, 2 COS, 3 TAN, 4 COT) and the tens digit the
// family (3 plain, 4 hyperbolic, 5 arcus, 6 area).
enum Kind : std::uint8_t {
  kNumber = 0,
  kVariableX = 1,
  kParameterP = 2,
  kSymbolY = 7,
  kParameterQ = 8,
  kPi = 9,
  kSum = 11,
  kDifference = 12,
  kProduct = 13,
  kQuotient = 14,
  kPower = 15,
  kSqrt = 21,
  kLn = 22,
  kLg = 23,
  kExp = 24,
  kAbs = 25,
  kSgn = 26,
  kInt = 27,
  kLd = 28,
  kLogP = 29,
  kSin = 31,
  kCos = 32,
  kTan = 33,
  kCot = 34,
  kSinh = 41,
  kCosh = 42,
  kTanh = 43,
  kCoth = 44,
  kArcsin = 51,
  kArccos = 52,
  kArctan = 53,
  kArccot = 54,
  kArsinh = 61,
  kArcosh = 62,
  kArtanh = 63,
  kArcoth = 64,
  // A function the differentiator has no rule for: units digit 0.
  kUnknownFunction = 20,
};

inline bool IsBinaryKind(int kind) { return kind >= kSum && kind <= kPower; }
inline bool IsFunctionKind(int kind) { return kind >= kSqrt; }

struct TermNode {
  std::uint8_t kind = kNumber;
  double value = 0.0;
  TermNode* left = nullptr;
  TermNode* right = nullptr;
  TermNode* argument = nullptr;
};

// Limits that keep any typed text from exhausting time, memory or the stack.
inline constexpr std::size_t kMaxPoolNodes = 2'000'000;
inline constexpr int kMaxParseDepth = 300;        // nested subterms read by ParseTermTree
inline constexpr int kMaxTreeDepth = 1200;        // recursion of the rules, copies and printer
inline constexpr std::size_t kMaxTermLength = 8192;  // longer terms are not read
inline constexpr std::size_t kMaxTypedLength = 4 * kMaxTermLength;  // before blanks are removed
inline constexpr int kMaxBracketDepth = kMaxParseDepth;
inline constexpr std::size_t kMaxPrintedLength = 12'000;
// Characters printed over all nodes of one derivation; each is simplified by the text passes,
// so this bounds the time a derivation takes.
inline constexpr std::size_t kMaxPrintWork = 250'000;

// Raised inside one derivation when a limit above is reached; DifferentiateTerm turns it into
// the empty derivative.
struct DerivationTooLarge {};

// Owns every node of one derivation; the caller keeps one per derivation, so derivations on
// different threads share nothing. Nodes live in fixed blocks so that their addresses stay valid
// until the pool goes; more than kMaxPoolNodes raise DerivationTooLarge.
class NodePool {
 public:
  NodePool() = default;
  NodePool(const NodePool&) = delete;
  NodePool& operator=(const NodePool&) = delete;

  TermNode* NewNode(int kind);
  TermNode* NewNumber(double value);
  // A node of a binary kind with its operands, or of a function kind with its argument.
  TermNode* NewBinary(int kind, TermNode* left, TermNode* right);
  TermNode* NewCall(int kind, TermNode* argument);

 private:
  static constexpr std::size_t kBlockNodes = 1024;
  std::vector<std::unique_ptr<TermNode[]>> blocks_;
  std::size_t used_in_block_ = kBlockNodes;
  std::size_t live_ = 0;
};

// The tree of a term as the evaluator's reader reads it (fktint::ReadTerm, so both agree on
// every term), its nodes taken from pool; nullptr when the text cannot be read or has a function
// the differentiator has no rule for.
TermNode* ParseTermTree(NodePool& pool, std::string_view text);

// Reads a typed term (normalised first, as DeriveTerm takes it) into a tree in a pool of its own
// and returns make(pool, tree); the empty text when the term is too long or unreadable, or when a
// limit is reached on the way.
std::string FromTermTree(std::string_view term,
                         const std::function<std::string(NodePool& pool, const TermNode* tree)>& make);

// The name a function kind prints as (not for kLogP, which prints its own derivative factor).
std::string FunctionName(int kind);

// The derivative tree, its nodes taken from pool; copies what it needs, never shares nodes with
// the input.
TermNode* DeriveTree(NodePool& pool, const TermNode* node);
TermNode* CopyTree(NodePool& pool, const TermNode* node);

// Which operands of a binary node are plain numbers; the derivative rules of products,
// quotients and powers take a shorter form for each.
enum class Constancy {
  kNeither = 0,
  kLeftNumber = 3,
  kRightNumber = 4,
  kBothNumbers = 5,
};
Constancy ConstancyCode(const TermNode* node);

struct PrintedTerm {
  std::string text;
  int op;  // the operator reported to the parent: the node's kind or the one printing chose
};
PrintedTerm PrintTree(const TermNode* node);

// Inserts "0" after each "(" whose minus stands before a factor raised to a power: "(-A^2"
// becomes "(0-A^2", which means the same and reads the same way under every reading of a
// minus, the older one included.
std::string MakeEvaluatorSafe(std::string text);

// The final removal of exponents 1 that DifferentiateTerm applies to its result.
std::string RemoveExponentsOne(std::string text);

// The number in fixed-point notation with ten decimals, trailing zeros removed.
std::string FormatTermNumber(double value);

}  // namespace plotwerk::uableitung
