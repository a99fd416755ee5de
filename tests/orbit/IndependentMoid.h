#pragma once
// A slow, separate road to the MOID for the tests: positions from rotation matrices,
// a dense grid over both orbits, and a nested golden-section search from every local
// minimum of that grid. It shares no code with the program's search.
#include <algorithm>
#include <cmath>
#include <vector>

namespace moid::independent {

struct Elements {
  double e, iDeg, omegaDeg, nodeDeg, a;
};

struct Point3 {
  double x, y, z;
};

struct IndependentMoid {
  double distanceAu;
  double earthLongitudeDeg;  // in [0, 360)
};

// Whether the Earth's orbit is taken in the ecliptic, as the program does, or with its own
// inclination.
enum class EarthPlane { Ecliptic, Inclined };

inline double DegToRad(double d) { return d * 3.14159265358979323846 / 180; }

// Position for true anomaly nu: the in-plane point turned by Rz(node) Rx(i) Rz(omega).
inline Point3 OrbitPoint(const Elements& el, double nu, bool isEarth,
                         EarthPlane plane = EarthPlane::Ecliptic) {
  const double r = el.a * (1 - el.e * el.e) / (1 + el.e * std::cos(nu));
  const double u = nu + DegToRad(el.omegaDeg);  // argument of latitude
  const bool flat = isEarth && plane == EarthPlane::Ecliptic;
  const double inc = flat ? 0.0 : DegToRad(el.iDeg);
  const double xo = r * std::cos(u), yo = r * std::sin(u);
  const double yi = yo * std::cos(inc), zi = yo * std::sin(inc);
  const double n = DegToRad(el.nodeDeg);
  return {xo * std::cos(n) - yi * std::sin(n), xo * std::sin(n) + yi * std::cos(n), zi};
}

inline double PairDistance(const Elements& earth, const Elements& ast, double nuE, double nuA,
                           EarthPlane plane = EarthPlane::Ecliptic) {
  const Point3 p = OrbitPoint(earth, nuE, true, plane), q = OrbitPoint(ast, nuA, false);
  return std::hypot(p.x - q.x, p.y - q.y, p.z - q.z);
}

template <class F>
double GoldenMinimum(F f, double lo, double hi, double* argmin) {
  const double g = 0.6180339887498949;
  double c = hi - g * (hi - lo), d = lo + g * (hi - lo);
  double fc = f(c), fd = f(d);
  for (int it = 0; it < 120 && hi - lo > 1e-15; ++it) {
    if (fc < fd) {
      hi = d; d = c; fd = fc; c = hi - g * (hi - lo); fc = f(c);
    } else {
      lo = c; c = d; fc = fd; d = lo + g * (hi - lo); fd = f(d);
    }
  }
  *argmin = 0.5 * (lo + hi);
  return f(*argmin);
}

// The closest pair near (nuE, nuA), searched within +-span in both anomalies.
inline double RefineNear(const Elements& earth, const Elements& ast, double nuE, double nuA,
                         double span, double* bestNuE,
                         EarthPlane plane = EarthPlane::Ecliptic) {
  auto inner = [&](double uE) {
    double dummy = 0;
    return GoldenMinimum([&](double uA) { return PairDistance(earth, ast, uE, uA, plane); },
                         nuA - span, nuA + span, &dummy);
  };
  return GoldenMinimum(inner, nuE - span, nuE + span, bestNuE);
}

inline IndependentMoid ComputeIndependentMoid(const Elements& earth, const Elements& ast,
                                              int n = 720,
                                              EarthPlane plane = EarthPlane::Ecliptic) {
  const double twoPi = 2 * 3.14159265358979323846;
  std::vector<double> d(static_cast<size_t>(n) * n);
  std::vector<Point3> pe(n), pa(n);
  for (int i = 0; i < n; ++i) {
    pe[i] = OrbitPoint(earth, twoPi * i / n, true, plane);
    pa[i] = OrbitPoint(ast, twoPi * i / n, false);
  }
  for (int i = 0; i < n; ++i)
    for (int k = 0; k < n; ++k)
      d[static_cast<size_t>(i) * n + k] =
          std::hypot(pe[i].x - pa[k].x, pe[i].y - pa[k].y, pe[i].z - pa[k].z);
  auto at = [&](int i, int k) { return d[static_cast<size_t>((i + n) % n) * n + (k + n) % n]; };
  IndependentMoid best{1e300, 0};
  for (int i = 0; i < n; ++i) {
    for (int k = 0; k < n; ++k) {
      const double v = at(i, k);
      bool isMin = true;
      for (int di = -1; di <= 1 && isMin; ++di)
        for (int dk = -1; dk <= 1; ++dk)
          if ((di || dk) && at(i + di, k + dk) < v) isMin = false;
      if (!isMin) continue;
      double nuE = 0;
      const double dist =
          RefineNear(earth, ast, twoPi * i / n, twoPi * k / n, 3 * twoPi / n, &nuE, plane);
      if (dist < best.distanceAu) {
        const Point3 p = OrbitPoint(earth, nuE, true, plane);
        double lon = std::atan2(p.y, p.x) * 180 / 3.14159265358979323846;
        if (lon < 0) lon += 360;
        best = {dist, lon};
      }
    }
  }
  return best;
}

}  // namespace moid::independent
