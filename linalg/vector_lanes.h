#pragma once
// Portable vectors of doubles for the fast kernels: GCC/Clang vector
// extensions, which compile to SSE/AVX on x86-64, NEON on aarch64 and SIMD128
// (or scalar code) on WebAssembly. Arithmetic on them is element-wise IEEE
// arithmetic, one rounding per operation and never fused (the build turns
// contraction off), so a kernel written over Lanes<N> gives the bits of the
// plain loop for every N.
//
// Kernels are templates instantiated per width; the helpers here are
// always_inline so that, inlined into a function compiled for a wider target,
// they use that target's registers.

#include <cstdint>
#include <cstring>

#include "linalg/vector_isa.h"

namespace curvix {

// The helpers below pass and return wide vectors, which GCC and Clang report as an ABI
// change for code built without AVX; they are always inlined into the kernel
// of their width, so no such call exists. The files that write kernels say the
// same for theirs.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"

// The vector types of each width (an alias template cannot carry a dependent
// vector size, so each width is spelled out once).
template <int N>
struct LaneTypes;

#define CURVIX_LANE_TYPES(N)                                                                \
  template <>                                                                               \
  struct LaneTypes<N> {                                                                     \
    typedef double Values __attribute__((vector_size(N * sizeof(double)), may_alias));      \
    typedef std::uint64_t Bits __attribute__((vector_size(N * sizeof(double)), may_alias)); \
  };
CURVIX_LANE_TYPES(2)
CURVIX_LANE_TYPES(4)
CURVIX_LANE_TYPES(8)
#undef CURVIX_LANE_TYPES

template <int N>
using Lanes = typename LaneTypes<N>::Values;

template <int N>
using LaneBits = typename LaneTypes<N>::Bits;

template <int N>
[[gnu::always_inline]] inline Lanes<N> load_lanes(const double* at) {
  Lanes<N> v;
  std::memcpy(&v, at, sizeof v);
  return v;
}

template <int N>
[[gnu::always_inline]] inline void store_lanes(double* at, Lanes<N> v) {
  std::memcpy(at, &v, sizeof v);
}

template <int N>
[[gnu::always_inline]] inline LaneBits<N> load_bits(const std::uint64_t* at) {
  LaneBits<N> v;
  std::memcpy(&v, at, sizeof v);
  return v;
}

// Every lane a copy of value, -0.0 included (0.0 + -0.0 would be +0.0).
template <int N>
[[gnu::always_inline]] inline Lanes<N> broadcast(double value) {
  Lanes<N> v;
  for (int lane = 0; lane < N; ++lane) v[lane] = value;
  return v;
}

template <int N>
[[gnu::always_inline]] inline LaneBits<N> bits_of(Lanes<N> v) {
  return __builtin_bit_cast(LaneBits<N>, v);
}

template <int N>
[[gnu::always_inline]] inline Lanes<N> lanes_of(LaneBits<N> bits) {
  return __builtin_bit_cast(Lanes<N>, bits);
}

// first * second with `first` as the first source operand. When both are NaN,
// x86 returns the first source's NaN, so the order decides the sign and
// payload of the result; compilers treat the product as commutative and may
// swap the operands, so on x86 the instruction is spelled out. Elsewhere the
// product is written in the same order.
template <int N>
[[gnu::always_inline]] inline Lanes<N> ordered_product(Lanes<N> first, Lanes<N> second) {
#if CURVIX_X86_VECTORS && !defined(__clang__)
  if constexpr (N == 2) {
    __asm__("mulpd %1, %0" : "+x"(first) : "x"(second));
    return first;
  } else if constexpr (N == 4) {
    Lanes<N> product;
    __asm__("vmulpd %2, %1, %0" : "=x"(product) : "x"(first), "x"(second));
    return product;
  } else {
    Lanes<N> product;
    __asm__("vmulpd %2, %1, %0" : "=v"(product) : "v"(first), "v"(second));
    return product;
  }
#else
  return first * second;
#endif
}

// Element-wise: `candidate` where it is greater than `current`, else
// `current`. A NaN candidate never wins, and `current` passes through.
template <int N>
[[gnu::always_inline]] inline Lanes<N> keep_greater(Lanes<N> candidate, Lanes<N> current) {
  return candidate > current ? candidate : current;  // x86: one max instruction
}

}  // namespace curvix

#pragma GCC diagnostic pop
