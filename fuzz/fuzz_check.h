// How a fuzz target reports a broken invariant: a trap, which libFuzzer keeps as a finding with
// the input that caused it.
#pragma once

namespace plotwerk::fuzz {

inline void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace plotwerk::fuzz
