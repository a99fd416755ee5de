#include "distmap/RampKernels.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "distmap/RampTable.h"

#if defined(MOID_HAVE_SSE2_KERNEL)
#include <emmintrin.h>
#endif
#if defined(MOID_HAVE_AVX2_KERNEL)
#include <immintrin.h>
#endif

namespace moid {
namespace {

// 1.5 * 2^52: a double of magnitude below 2^51 plus this has no fraction bits left, so the
// addition rounds it to a whole number in the default rounding mode (to nearest, ties to
// even), and subtracting the constant again gives that whole number exactly. This rounds
// half to even without a call or a mode change, the same way in the scalar and SIMD code.
constexpr double ROUNDING_SHIFTER = 0x1.8p52;
constexpr double ROUNDING_LIMIT = 0x1p51;  // at and above it a double is whole already

// Cells a kernel handles per pass of positions, kept on the stack.
constexpr int CHUNK = 256;

// Nearest integer, ties to even.
inline double RoundHalfEven(double x) {
  if (!(std::fabs(x) < ROUNDING_LIMIT)) return x;  // also inf and NaN
  return (x + ROUNDING_SHIFTER) - ROUNDING_SHIFTER;
}

// A cell whose distance rounds (half to even) to a multiple of 10 Gm lies on an
// iso-distance line: the text-book test, used for grids with absurd distances.
inline bool OnIsoLineByRemainder(double d) {
  const double n = RoundHalfEven(d);
  if (!(std::fabs(n) < 9.0e18)) return false;
  return static_cast<std::int64_t>(n) % 10 == 0;
}

// Ramp position of a distance; black when the ramp has no usable range.
inline int RampPosition(double d, double minGm, double maxGm) {
  const double c = RoundHalfEven(RAMP_STEPS * (d - minGm) / (maxGm - minGm));
  if (!(c >= 0 && c <= RAMP_STEPS)) return BLACK_POSITION;
  return static_cast<int>(c);
}

// Table positions for one row of cells, one cell at a time.
void RowPositionsPlain(const double* d, int count, double minGm, double maxGm, int* pos) {
  for (int k = 0; k < count; ++k)
    pos[k] = OnIsoLineByRemainder(d[k]) ? BLACK_POSITION : RampPosition(d[k], minGm, maxGm);
}

void ColorsOfPositions(const int* pos, int count, Color* out) {
  for (int k = 0; k < count; ++k) out[k] = RAMP_TABLE[pos[k]];
}

// The SIMD kernels test the iso lines as |d - 10 m| <= 0.5, with m the nearest whole
// number to d * 0.1. For distances below SANE_DISTANCE_GM the remainder d - 10 m is exact,
// and the test is the same as the rounded distance being a multiple of 10 (such a multiple
// is even, so both band ends round to it).

#if defined(MOID_HAVE_SSE2_KERNEL)
inline __m128d RoundHalfEvenSmall(__m128d x) {
  const __m128d shifter = _mm_set1_pd(ROUNDING_SHIFTER);
  return _mm_sub_pd(_mm_add_pd(x, shifter), shifter);
}

// The same positions, two cells at a time. The ramp position multiplies by the
// reciprocal of the range instead of dividing: that differs from the quotient by at
// most 3 units in the last place, so it rounds to the same integer unless it lies
// within 1e-12 of a half; those rare cells take the division.
void RowPositionsSse2(const double* d, int count, double minGm, double maxGm, int* pos) {
  const __m128d vmin = _mm_set1_pd(minGm), inverse = _mm_set1_pd(1.0 / (maxGm - minGm));
  const __m128d steps = _mm_set1_pd(RAMP_STEPS), zero = _mm_setzero_pd();
  const __m128d tenth = _mm_set1_pd(0.1), ten = _mm_set1_pd(10.0), half = _mm_set1_pd(0.5);
  const __m128d nearHalf = _mm_set1_pd(1e-12);
  const __m128d absMask = _mm_castsi128_pd(_mm_set1_epi64x(0x7FFFFFFFFFFFFFFFLL));
  int k = 0;
  for (; k + 2 <= count; k += 2) {
    const __m128d v = _mm_loadu_pd(d + k);
    const __m128d q = _mm_mul_pd(_mm_mul_pd(steps, _mm_sub_pd(v, vmin)), inverse);
    const __m128d c = RoundHalfEvenSmall(q);
    const __m128d offHalf =
        _mm_and_pd(_mm_sub_pd(_mm_and_pd(_mm_sub_pd(q, c), absMask), half), absMask);
    if (_mm_movemask_pd(_mm_cmple_pd(offHalf, nearHalf)) != 0) {
      RowPositionsPlain(d + k, 2, minGm, maxGm, pos + k);
      continue;
    }
    const __m128d tens = RoundHalfEvenSmall(_mm_mul_pd(v, tenth));
    const __m128d rest = _mm_and_pd(_mm_sub_pd(v, _mm_mul_pd(tens, ten)), absMask);
    const __m128d band = _mm_cmple_pd(rest, half);
    const __m128d usable =
        _mm_andnot_pd(band, _mm_and_pd(_mm_cmpge_pd(c, zero), _mm_cmple_pd(c, steps)));
    const __m128d p = _mm_or_pd(_mm_and_pd(usable, c), _mm_andnot_pd(usable, steps));
    const __m128i ints = _mm_cvttpd_epi32(p);
    pos[k] = _mm_cvtsi128_si32(ints);
    pos[k + 1] = _mm_cvtsi128_si32(_mm_srli_si128(ints, 4));
  }
  RowPositionsPlain(d + k, count - k, minGm, maxGm, pos + k);
}
#endif

#if defined(MOID_HAVE_AVX2_KERNEL)
__attribute__((target("avx2"))) inline __m256d RoundHalfEvenSmall4(__m256d x) {
  const __m256d shifter = _mm256_set1_pd(ROUNDING_SHIFTER);
  return _mm256_sub_pd(_mm256_add_pd(x, shifter), shifter);
}
#endif

}  // namespace

namespace {

// Colors of one row, CHUNK cells at a time: their ramp positions by `Positions`, then
// the colors of those.
template <void (*Positions)(const double*, int, double, double, int*)>
void ColorRowByPositions(const double* d, int count, double minGm, double maxGm, Color* out) {
  int pos[CHUNK];
  for (int k = 0; k < count; k += CHUNK) {
    const int n = std::min(CHUNK, count - k);
    Positions(d + k, n, minGm, maxGm, pos);
    ColorsOfPositions(pos, n, out + k);
  }
}

}  // namespace

void ColorRowPlain(const double* d, int count, double minGm, double maxGm, Color* out) {
  ColorRowByPositions<RowPositionsPlain>(d, count, minGm, maxGm, out);
}

#if defined(MOID_HAVE_SSE2_KERNEL)
void ColorRowSse2(const double* d, int count, double minGm, double maxGm, Color* out) {
  ColorRowByPositions<RowPositionsSse2>(d, count, minGm, maxGm, out);
}
#endif

#if defined(MOID_HAVE_AVX2_KERNEL)
// Colors of one row, four cells at a time, with the operations of RowPositionsSse2.
__attribute__((target("avx2"))) void ColorRowAvx2(const double* d, int count, double minGm,
                                                    double maxGm, Color* out) {
  const __m256d vmin = _mm256_set1_pd(minGm), inverse = _mm256_set1_pd(1.0 / (maxGm - minGm));
  const __m256d steps = _mm256_set1_pd(RAMP_STEPS), zero = _mm256_setzero_pd();
  const __m256d tenth = _mm256_set1_pd(0.1), ten = _mm256_set1_pd(10.0);
  const __m256d half = _mm256_set1_pd(0.5), nearHalf = _mm256_set1_pd(1e-12);
  const __m256d absMask = _mm256_castsi256_pd(_mm256_set1_epi64x(0x7FFFFFFFFFFFFFFFLL));
  const int* table = reinterpret_cast<const int*>(RAMP_TABLE.data());
  int k = 0;
  int pos[4];
  for (; k + 4 <= count; k += 4) {
    const __m256d v = _mm256_loadu_pd(d + k);
    const __m256d q = _mm256_mul_pd(_mm256_mul_pd(steps, _mm256_sub_pd(v, vmin)), inverse);
    const __m256d c = RoundHalfEvenSmall4(q);
    const __m256d offHalf = _mm256_and_pd(
        _mm256_sub_pd(_mm256_and_pd(_mm256_sub_pd(q, c), absMask), half), absMask);
    if (_mm256_movemask_pd(_mm256_cmp_pd(offHalf, nearHalf, _CMP_LE_OQ)) != 0) {
      _mm256_zeroupper();  // see below
      RowPositionsPlain(d + k, 4, minGm, maxGm, pos);
      ColorsOfPositions(pos, 4, out + k);
      continue;
    }
    const __m256d tens = RoundHalfEvenSmall4(_mm256_mul_pd(v, tenth));
    const __m256d rest = _mm256_and_pd(_mm256_sub_pd(v, _mm256_mul_pd(tens, ten)), absMask);
    const __m256d band = _mm256_cmp_pd(rest, half, _CMP_LE_OQ);
    const __m256d inRamp = _mm256_and_pd(_mm256_cmp_pd(c, zero, _CMP_GE_OQ),
                                         _mm256_cmp_pd(c, steps, _CMP_LE_OQ));
    const __m256d usable = _mm256_andnot_pd(band, inRamp);
    const __m256d p = _mm256_blendv_pd(steps, c, usable);
    const __m128i index = _mm256_cvttpd_epi32(p);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + k), _mm_i32gather_epi32(table, index, 4));
  }
  // The compiler does not always clear the upper halves of the vector registers before
  // the calls of two-lane code and the return; left set, they slow every later
  // instruction on two-lane registers.
  _mm256_zeroupper();
  for (; k < count; ++k) {
    RowPositionsPlain(d + k, 1, minGm, maxGm, pos);
    out[k] = RAMP_TABLE[pos[0]];
  }
}

bool CpuHasAvx2() { return __builtin_cpu_supports("avx2"); }
#endif

}  // namespace moid
