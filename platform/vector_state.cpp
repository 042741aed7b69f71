// VZEROUPPER on x86-64 processors that have AVX; a no-op on every other target.
#include "platform/vector_state.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define PLOTWERK_HAS_VZEROUPPER 1
#endif

namespace plotwerk::platform {

#ifdef PLOTWERK_HAS_VZEROUPPER
namespace {

// Compiled for AVX on its own, so the rest of the program needs no AVX; called only where the
// processor has it.
__attribute__((target("avx"))) void ZeroUpper() { _mm256_zeroupper(); }

const bool kHasAvx = __builtin_cpu_supports("avx");

}  // namespace

void ClearUpperVectorState() {
  if (kHasAvx) ZeroUpper();
}
#else
void ClearUpperVectorState() {}
#endif

}  // namespace plotwerk::platform
