#pragma once
// An angle kept as its cosine and sine, for stepping along an orbit without a call of the
// library's trigonometric functions at each step.
#include <cmath>

namespace moid {

struct Angle {
  double c = 1, s = 0;
  Angle Plus(const Angle& b) const { return {c * b.c - s * b.s, s * b.c + c * b.s}; }
  Angle Minus(const Angle& b) const { return {c * b.c + s * b.s, s * b.c - c * b.s}; }
};

// Largest angle (radians) SmallAngle takes.
constexpr double SMALL_ANGLE_LIMIT = 0.4;

// Cosine and sine of |x| <= SMALL_ANGLE_LIMIT by their Taylor series, to x^14 and x^13 (the
// first terms left out are below 1e-18 at 0.4, under a unit in the last place), the terms
// paired (Estrin's scheme) so that fewer of the products wait on each other. One series
// for every x: shorter ones for the short steps that end a Newton run cost more in
// mispredicted branches than they save.
inline Angle SmallAngle(double x) {
  // 1 / n! with alternating signs, sine and cosine terms.
  constexpr double S3 = -1.0 / 6, S5 = 1.0 / 120, S7 = -1.0 / 5040, S9 = 1.0 / 362880,
                   S11 = -1.0 / 39916800, S13 = 1.0 / 6227020800;
  constexpr double C2 = -1.0 / 2, C4 = 1.0 / 24, C6 = -1.0 / 720, C8 = 1.0 / 40320,
                   C10 = -1.0 / 3628800, C12 = 1.0 / 479001600, C14 = -1.0 / 87178291200;
  const double x2 = x * x, x4 = x2 * x2, x8 = x4 * x4;
  const double s = x + x * x2 *
                           ((S3 + x2 * S5) + x4 * (S7 + x2 * S9) + x8 * (S11 + x2 * S13));
  const double c = 1 + x2 * ((C2 + x2 * C4) + x4 * (C6 + x2 * C8) +
                             x8 * ((C10 + x2 * C12) + x4 * C14));
  return {c, s};
}

// Cosine and sine of x, within a few units in the last place of std::cos and std::sin: x is
// taken to within a quarter turn of zero (pi/2 in three parts, so that the multiples of
// the first two are exact), halved for SmallAngle and doubled again. Beyond 1e6 radians
// the library is asked.
inline Angle AngleOf(double x) {
  constexpr double HALF_PI = 1.5707963267948966;  // pi/2 rounded to a double
  constexpr double HALF_PI_HI = static_cast<float>(HALF_PI);  // its first 24 bits
  constexpr double HALF_PI_MID = HALF_PI - HALF_PI_HI;       // the other 29, exactly
  // pi/2 less its double: 1.57079632679489661923132169163975144... - HALF_PI.
  constexpr double HALF_PI_LO = 6.123233995736766e-17;
  constexpr double LARGEST = 1e6;
  if (!(std::fabs(x) < LARGEST)) return {std::cos(x), std::sin(x)};
  const double turns = x * (1 / HALF_PI);
  const long quarter = static_cast<long>(turns + (turns < 0 ? -0.5 : 0.5));
  const double q = static_cast<double>(quarter);
  const double r = ((x - q * HALF_PI_HI) - q * HALF_PI_MID) - q * HALF_PI_LO;
  const Angle half = SmallAngle(0.5 * r);
  const Angle a{half.c * half.c - half.s * half.s, 2 * half.s * half.c};
  switch (quarter & 3) {
    case 0: return a;
    case 1: return {-a.s, a.c};
    case 2: return {-a.c, -a.s};
    default: return {a.s, -a.c};
  }
}

}  // namespace moid
