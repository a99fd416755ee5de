#pragma once
#include "platform/Color.h"

namespace moid {

// Row kernels of the color grid: the colors of `count` cells of distances `d` (Gm) on the
// ramp from minGm to maxGm, cells on an iso-distance line (a multiple of 10 Gm) black.
// Every kernel gives the same colors; the SIMD ones only for distances below
// SANE_DISTANCE_GM (see RampKernels.cpp), and only where compiled and supported
// (ColorGridDispatch.cpp chooses).

// The SIMD kernels' iso-line test is exact below this bound (2^40 Gm).
constexpr double SANE_DISTANCE_GM = 1099511627776.0;

// One cell at a time; any distances.
void ColorRowPlain(const double* d, int count, double minGm, double maxGm, Color* out);

#if defined(__SSE2__)
#define MOID_HAVE_SSE2_KERNEL 1
// Two cells at a time.
void ColorRowSse2(const double* d, int count, double minGm, double maxGm, Color* out);
#endif

#if defined(__GNUC__) && defined(__x86_64__)
#define MOID_HAVE_AVX2_KERNEL 1
// Four cells at a time; the caller checks that the processor has AVX2.
void ColorRowAvx2(const double* d, int count, double minGm, double maxGm, Color* out);
bool CpuHasAvx2();
#endif

}  // namespace moid
