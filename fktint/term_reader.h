// The one reader of the term language: the text as typed becomes a tree whose nodes keep their
// place in the text. The evaluator compiles this tree, the term checker reports its first
// problem, and the differentiator builds its own tree from it, so all three read alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fktint/name_table.h"
#include "fktint/term_check.h"

namespace plotwerk::fktint {

// The reading rules. Version 2 is the school reading: a leading minus applies after the powers
// that follow it, "^" groups from the right, implicit products, E is Euler's number. Version 1
// is the reading of older worksheets: a minus negates the single factor after it (except at the
// start of the term and in "(-X^"), "^" groups from the left, no implicit products.
enum class TermRules { kVersion2, kVersion1 };

enum class NodeKind : std::uint8_t {
  kNumber, kX, kP, kQ, kR, kPi, kPhi, kEuler,
  kNegate,                          // left: the operand
  kAdd, kSubtract, kMultiply, kDivide, kPower,  // left, right
  kCall,                            // function, left: the argument
  kFloor,                           // [ ], left: the content
  kAbsolute,                        // | |, left: the content
};

struct ReadNode {
  NodeKind kind = NodeKind::kNumber;
  detail::Function function = detail::Function::kNone;
  bool bracketed = false;  // the node stands in brackets of its own: (...)
  double value = 0;        // of a number
  int left = -1;
  int right = -1;
  // Its text as typed: 0-based offset of the first character and one past the last one.
  std::size_t begin = 0;
  std::size_t end = 0;
};

struct TermReading {
  // The nodes, children before their parents, so the order is an evaluation order; the root
  // is the last node. Empty when the term cannot be read.
  std::vector<ReadNode> nodes;
  TermCheck check;

  bool ok() const { return check.ok(); }
  int root() const { return static_cast<int>(nodes.size()) - 1; }
};

// Reads the upper-case term (code page 1252 bytes).
TermReading ReadTerm(std::string_view term, TermRules rules = TermRules::kVersion2);

// The term of a version-1 worksheet, written so that the version-2 reading means what version
// 1 meant: brackets go around a negated base of a power ("2+-X^2" becomes "2+(-X)^2") and
// around the left power of a chain ("2^3^2" becomes "(2^3)^2"). Terms that read alike, and
// terms version 1 cannot read, come back unchanged.
std::string RewriteVersion1Term(std::string_view term);

}  // namespace plotwerk::fktint
