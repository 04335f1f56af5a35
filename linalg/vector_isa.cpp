#include "linalg/vector_isa.h"

#include <algorithm>
#include <atomic>

namespace curvix {

namespace {

std::atomic<int> isa_limit{VECTOR_AVX512};

VectorIsa detected_widest() {
  static const VectorIsa widest = vector_isa_available(VECTOR_AVX512) ? VECTOR_AVX512
                                  : vector_isa_available(VECTOR_AVX2) ? VECTOR_AVX2
                                                                      : VECTOR_BASELINE;
  return widest;
}

}  // namespace

bool vector_isa_available(VectorIsa isa) {
#if CURVIX_X86_VECTORS
  // libgcc's detection also checks that the OS saves the wide registers (XGETBV).
  __builtin_cpu_init();  // harmless when done; needed if called before main
  switch (isa) {
    case VECTOR_BASELINE: return true;
    case VECTOR_AVX2: return __builtin_cpu_supports("avx2");
    case VECTOR_AVX512: return __builtin_cpu_supports("avx512f");
  }
  return false;
#else
  return isa == VECTOR_BASELINE;
#endif
}

VectorIsa widest_vector_isa() {
  return static_cast<VectorIsa>(std::min<int>(detected_widest(), isa_limit.load()));
}

void limit_vector_isa(VectorIsa widest) {
  isa_limit.store(widest);
}

}  // namespace curvix
