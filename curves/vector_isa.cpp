#include "curves/vector_isa.h"

bool vector_isa_available(VectorIsa isa) {
#if CURVIX_X86_VECTORS
  // libgcc's detection also checks that the OS saves the wide registers (XGETBV).
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
  static const VectorIsa widest = vector_isa_available(VECTOR_AVX512) ? VECTOR_AVX512
                                  : vector_isa_available(VECTOR_AVX2) ? VECTOR_AVX2
                                                                      : VECTOR_BASELINE;
  return widest;
}
