#pragma once
// Vector widths the fast kernels (solver rows, curve samplers) can run at, and
// the one place that asks the processor which it has.
//
// Every kernel is written once over the portable lane types of
// linalg/vector_lanes.h; a width only changes how many elements one
// instruction handles, never the IEEE operations or their order, so every
// width gives the same bits. VECTOR_BASELINE is the width every target of the
// build has (SSE2 on x86-64, NEON on aarch64, SIMD128 or scalar code on
// WebAssembly); the wider sets exist only on x86-64, chosen at run time so one
// binary runs on any x86-64 and uses what the processor offers.

namespace curvix {

// The AVX code paths exist only when compiling for x86-64.
#if defined(__x86_64__)
#define CURVIX_X86_VECTORS 1
#else
#define CURVIX_X86_VECTORS 0
#endif

enum VectorIsa : int {
  VECTOR_BASELINE = 0,  // two doubles per vector, on every target
  VECTOR_AVX2 = 1,      // 256-bit vectors (x86-64 only)
  VECTOR_AVX512 = 2,    // 512-bit vectors, AVX-512F (x86-64 only)
};

// True when this processor and its operating system support the set.
bool vector_isa_available(VectorIsa isa);

// The widest available set (determined once), but no wider than the limit.
VectorIsa widest_vector_isa();

// Caps what widest_vector_isa() returns from now on, for the whole process:
// VECTOR_BASELINE measures the portable path on a processor that has wider
// vectors. The results stay the same bits at every width; only speed changes.
void limit_vector_isa(VectorIsa widest);

}  // namespace curvix
