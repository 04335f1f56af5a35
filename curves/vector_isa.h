#pragma once
// Vector instruction sets that the curve sampling kernels can run on, chosen at
// run time so that one binary runs on any x86-64. Every set performs the same
// IEEE operations in the same order in each lane, so all give the same bits.

// The AVX code paths exist only when compiling for x86-64.
#if defined(__x86_64__)
#define CURVIX_X86_VECTORS 1
#else
#define CURVIX_X86_VECTORS 0
#endif

enum VectorIsa : int {
  VECTOR_BASELINE = 0,  // SSE2, present on every x86-64; the only set elsewhere
  VECTOR_AVX2 = 1,      // 256-bit vectors
  VECTOR_AVX512 = 2,    // 512-bit vectors (AVX-512F)
};

// True when this processor and its operating system support the set.
bool vector_isa_available(VectorIsa isa);

// The widest available set, determined once.
VectorIsa widest_vector_isa();
