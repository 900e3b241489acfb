#include "trapp/shape_factors.h"

#include <algorithm>
#include <cmath>

namespace kova::trapp {

WorkLayout WorkLayout::viscosity(std::int64_t n) {
  WorkLayout w;
  w.n = n;
  w.o = n * (n + 1) / 2;
  w.f = 1;
  w.h = n + 1;
  w.fkl = 2 * n + 1;
  w.hkl = 2 * n + 1 + w.o;
  w.mkl = 2 * n + 1 + 2 * w.o;
  w.phi = 2 * n + 1 + 3 * w.o;
  w.theta = 3 * n + 1 + 3 * w.o;
  w.fh = 4 * n + 2 + 3 * w.o;
  return w;
}

WorkLayout WorkLayout::thermal_conductivity(std::int64_t n) {
  WorkLayout w = viscosity(n);
  w.conductivity = true;
  w.lkl = 4 * n + 1 + 3 * w.o;
  w.fh = 4 * n + 2 + 4 * w.o;
  return w;
}

void WorkLayout::fill_iptr(std::int64_t* iptr) const {
  iptr[0] = fh;
  iptr[1] = f;
  iptr[2] = h;
  iptr[3] = fkl;
  iptr[4] = hkl;
  iptr[5] = mkl;
  iptr[6] = phi;
  iptr[7] = theta;
  iptr[8] = o;
  if (conductivity) iptr[9] = lkl;
}

std::int64_t WorkLayout::size() const { return fh + (conductivity ? std::max(o, 3 * n) : o); }

double pair_sum(std::int64_t n, const double* x, const double* a) {
  double sum = 0.0;
  for (std::int64_t k = 1; k <= n; ++k) {
    for (std::int64_t l = k; l <= n; ++l) {
      const double c = k == l ? 1.0 : 2.0;
      sum += c * x[k - 1] * x[l - 1] * a[pair_index(n, k, l) - 1];
    }
  }
  return sum;
}

ShapeFactors shape_factors(double f, double h, double t0, double v0, const Critical& c,
                           const ReferenceConstants& ref) {
  const double dw = c.omega - ref.w0;
  // Reduced state of the component at the equivalent state, held inside the range of the
  // F and G functions: Tr at most 2, Vr within [0.5, 2].
  const double tr = std::min(2.0, f * t0 / c.tc);
  double vr = h * v0 / c.vc;
  vr = vr > 2.0 ? 2.0 : std::max(0.5, vr);
  const double ln_tr = std::log(tr);

  double ff = 0.090569 - 0.862762 * ln_tr + (0.316636 - 0.465684 / tr) * (vr - 0.5);
  double gg = 0.394901 * (vr - 1.023545) - 0.932813 * (vr - 0.754639) * ln_tr;
  // The value of F or G that would make the shape factor zero.
  const double w = -1.0 / dw;

  if ((w > ff && dw > 0.0) || (ff > w && dw < 0.0) || (tr < 0.5 && vr >= 1.5)) {
    // Reduced temperature at which F has its extremum; below it F is continued along its
    // tangent a little above the extremum.
    const double e = -0.465684 * (vr - 0.5) / -0.862762;
    if (e > tr) {
      const double ep = e + 0.01;
      ff = (0.090569 - 0.862762 * std::log(ep) + (0.316636 - 0.465684 / ep) * (vr - 0.5)) +
           (-0.862762 / ep + 0.465684 * (vr - 0.5) / (ep * ep)) * (tr - ep);
    }
    if (w > ff && dw > 0.0) ff = w + 1e-05;
    if (ff > w && dw < 0.0) ff = w - 1e-05;
  }
  if ((w > gg && dw > 0.0) || (gg > w && dw < 0.0) || (tr < 1.0 && vr <= 0.5)) {
    if (tr < 1.0) gg = 0.394901 * (vr - 1.023545) - 0.932813 * (vr - 0.754639) * (tr - 1.0);
    if (w > gg && dw > 0.0) gg = w + 1e-05;
    if (gg > w && dw < 0.0) gg = w - 1e-05;
  }
  if (tr < 0.5 && vr > 1.5) {
    // ln Tr linearised about 0.5.
    const double q = -0.932813 * (vr - 0.754639);
    gg = 0.394901 * (vr - 1.023545) + q * (2.0 * (tr - 0.5) - 0.6931471805599453);
  }
  ShapeFactors s;
  s.theta = 1.0 + dw * ff;
  s.phi = (1.0 + dw * gg) * ref.zc0 / c.zc;
  return s;
}

Mixture combine_and_mix(const WorkLayout& w, double* work, const double* x) {
  const std::int64_t n = w.n;
  for (std::int64_t k = 1; k <= n; ++k) {
    const double fk = work[w.f + k - 1], hk = work[w.h + k - 1];
    for (std::int64_t l = k; l <= n; ++l) {
      const double fl = work[w.f + l - 1], hl = work[w.h + l - 1];
      const std::int64_t p = pair_index(n, k, l) - 1;
      const double fkl = std::sqrt(fk * fl);
      const double r = std::cbrt(hk) + std::cbrt(hl);
      const double hkl = 0.125 * (r * r * r);
      work[w.fkl + p] = fkl;
      work[w.hkl + p] = hkl;
      work[w.fh + p] = fkl * hkl;
    }
  }
  Mixture m;
  m.hx = pair_sum(n, x, work + w.hkl);
  m.fx = pair_sum(n, x, work + w.fh) / m.hx;
  return m;
}

double mass_scaling_term(int mode, double mkl, double fkl, double hkl) {
  const double h43 = std::pow(hkl, 4.0 / 3.0);
  return mode == 0 ? std::sqrt(mkl) * std::sqrt(fkl) * h43 : h43 * std::sqrt(fkl) / std::sqrt(mkl);
}

MassScaling mass_scaling_result(int mode, double s, Mixture m, double m0) {
  const double r = s / std::pow(m.hx, 4.0 / 3.0);
  MassScaling out;
  if (mode == 0) {
    out.mx = r * r / m.fx;
    out.factor = std::pow(m.hx, -2.0 / 3.0) * std::sqrt(m.fx * out.mx / m0);
  } else {
    out.mx = m.fx / (r * r);
    out.factor = std::pow(m.hx, -2.0 / 3.0) * std::sqrt(m.fx * m0 / out.mx);
  }
  return out;
}

}  // namespace kova::trapp
