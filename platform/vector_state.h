// The upper halves of the AVX registers. Parts of Qt (the application start, QImage::fill, the
// raster engine's line drawing) use 256-bit instructions and return without clearing the upper
// halves; until they are cleared every later SSE instruction of the process (all of the term
// evaluation and the C maths library) runs many times slower. Callers clear them right after
// such Qt code.
#pragma once

namespace plotwerk::platform {

// Marks the upper halves of the vector registers as clean (VZEROUPPER) on processors with AVX;
// does nothing elsewhere. Costs about one cycle.
void ClearUpperVectorState();

// Clears the upper halves when it goes out of scope: put at the top of a function that calls
// into Qt's drawing code.
class UpperVectorStateGuard {
 public:
  UpperVectorStateGuard() = default;
  ~UpperVectorStateGuard() { ClearUpperVectorState(); }
  UpperVectorStateGuard(const UpperVectorStateGuard&) = delete;
  UpperVectorStateGuard& operator=(const UpperVectorStateGuard&) = delete;
};

}  // namespace plotwerk::platform
