#include "water/scaled_equation.h"

#include <cmath>

#include "water/iapws85.h"

namespace kova::water {

namespace {

constexpr double kTol = 1e-5;      // relative tolerance of both iterations
constexpr int kInnerSteps = 21;    // theta Newton steps per pass
constexpr int kOuterPasses = 51;   // field Newton passes
constexpr double kRFloor = 1e-10;  // r is kept above this

// Linear-model coefficient functions of theta for the two singular terms (i = 0, 1), over
// the Jacobian Delta of the parametric transformation:
//   s_i = (1 - b^2 theta^2 (1 - 2 f_i)) / Delta
//   t_i = (theta (1 - 3 theta^2) f_i - beta theta (1 - theta^2)) / Delta
//   u_i = ((1 - 3 theta^2)(1 - e_i) K_i - 2 beta theta^2 (1 - theta^2) K2_i) / Delta
// with K_0 = C(theta), K_1 = D(theta) and K2 their theta^2 coefficients.
struct ThetaTerms {
  double s[2], t[2], u[2], kpoly[2];
};
ThetaTerms theta_terms(double theta, const ScaledParams& sp) {
  const double th2 = theta * theta, b2 = sp.b2, beta = sp.beta;
  const double delta = 1.0 + (b2 * (2.0 * beta - 1.0) - 3.0) * th2 - b2 * (2.0 * beta - 3.0) * th2 * th2;
  ThetaTerms tt;
  tt.kpoly[0] = sp.C[0] + sp.C[1] * th2;
  tt.kpoly[1] = sp.D[0] + sp.D[1] * th2;
  const double k2[2] = {sp.C[1], sp.D[1]};
  for (int i = 0; i < 2; ++i) {
    tt.s[i] = (1.0 - b2 * th2 * (1.0 - 2.0 * sp.f[i])) / delta;
    tt.t[i] = (theta * (1.0 - 3.0 * th2) * sp.f[i] - beta * theta * (1.0 - th2)) / delta;
    tt.u[i] = ((1.0 - 3.0 * th2) * (1.0 - sp.e[i]) * tt.kpoly[i] - 2.0 * beta * th2 * (1.0 - th2) * k2[i]) / delta;
  }
  return tt;
}

// Starting theta of a pass, or the current one where the rules keep it.
double start_theta(double t, int phase, double v, double w, double theta) {
  if (t < kScaledTc) {
    const double mag = v <= 0.0 ? kThetaOutside : kThetaInside;
    if (phase == 2) return mag;
    if (phase == 1) return -mag;
    return theta;
  }
  if (v == 0.0) return theta;
  const double mag = v < 0.0 ? kThetaOutside : kThetaInside;
  return w >= 0.0 ? mag : -mag;
}

}  // namespace

ScaledParams scaled_params(const kova_word* w) {
  ScaledParams sp{};
  sp.beta = block_word(w, 16);
  sp.e[0] = block_word(w, 17);
  sp.e[1] = block_word(w, 18);
  sp.f[0] = block_word(w, 19);
  sp.f[1] = block_word(w, 20);
  sp.g[0] = block_word(w, 21);
  sp.g[1] = block_word(w, 22);
  sp.k = block_word(w, 23);
  sp.a[0] = block_word(w, 24);
  sp.a[1] = block_word(w, 25);
  sp.c = block_word(w, 26);
  sp.b2 = block_word(w, 27);
  sp.p1 = block_word(w, 28);
  sp.p2 = block_word(w, 29);
  sp.p3 = block_word(w, 30);
  sp.p = block_word(w, 31);
  for (int n = 0; n < 3; ++n) {
    sp.A[n] = block_word(w, 32 + 2 * n);
    sp.B[n] = block_word(w, 33 + 2 * n);
  }
  for (int n = 0; n < 2; ++n) {
    sp.C[n] = block_word(w, 38 + 2 * n);
    sp.D[n] = block_word(w, 39 + 2 * n);
  }
  for (int n = 0; n < 3; ++n) sp.chi[n] = block_word(w, 8 + n);
  return sp;
}

ThetaSearch solve_theta(double t, double p, int phase, double theta, const ScaledParams& sp) {
  ThetaSearch out;
  const double tau = 1.0 - kScaledTc / t;
  const double ptil = p * kScaledTc / (t * kScaledPc);
  const double b2 = sp.b2;
  double m = 0.0;
  for (int it = 1;; ++it) {
    const double w = m / sp.k, v = tau + sp.c * m;
    theta = start_theta(t, phase, v, w, theta);

    // Inner iteration: theta (1 - theta^2) r^beta = w at the current v.
    int itn = 1;
    out.last_inner_limit = false;
    for (;; ++itn) {
      const double th2 = theta * theta;
      const double r = v / (1.0 - b2 * th2);
      const double big_r = r < 0.0 ? 1e-5 : std::pow(r, sp.beta);
      const double f = theta * (1.0 - th2) * big_r - w;
      if (std::fabs(f) <= kTol * std::fabs(w)) break;
      const double slope =
          big_r * (1.0 - 3.0 * th2 + 2.0 * b2 * sp.beta * th2 * (1.0 - th2) / (1.0 - b2 * th2));
      const double step = f / slope;
      const double before = theta;
      theta -= step;
      if (std::fabs(step) <= kTol * std::fabs(before)) break;
      if (itn == kInnerSteps) {
        out.last_inner_limit = true;
        out.last_dtheta = std::fabs(step);
        if (!out.inner_limit) {
          out.inner_limit = true;
          out.inner_itn = itn;
          out.inner_dtheta = std::fabs(step);
        }
        break;
      }
    }

    const double th2 = theta * theta;
    double r = v / (1.0 - b2 * th2);
    if (r <= kRFloor) r = kRFloor;
    out.r = r;
    out.theta = theta;

    // Pressure residual of the pass, then a Newton step on the field m.
    const double tp = r * (1.0 - b2 * th2) - sp.c * m;
    const double apoly = sp.A[0] + sp.A[1] * th2 + sp.A[2] * th2 * th2;
    const double bpoly = sp.B[0] + sp.B[1] * th2 + sp.B[2] * th2 * th2;
    const double g = 1.0 + sp.p1 * tp + sp.p2 * tp * tp + sp.p3 * tp * tp * tp - ptil + m * (1.0 + sp.p * tau) +
                     sp.k * (sp.a[0] * std::pow(r, 2.0 - sp.e[0]) * apoly + sp.a[1] * std::pow(r, 2.0 - sp.e[1]) * bpoly);
    if (std::fabs(g) <= kTol * ptil) return out;
    const double cpoly = sp.C[0] + sp.C[1] * th2, dpoly = sp.D[0] + sp.D[1] * th2;
    const double gprime = (1.0 + sp.p * tau) + theta * (sp.a[0] * std::pow(r, sp.f[0]) + sp.a[1] * std::pow(r, sp.f[1])) +
                          sp.c * sp.k *
                              (sp.a[0] * std::pow(r, 1.0 - sp.e[0]) * cpoly + sp.a[1] * std::pow(r, 1.0 - sp.e[1]) * dpoly);
    const double dm = g / gprime;
    const double before = m;
    m -= dm;
    if (std::fabs(dm) <= kTol * std::fabs(before)) return out;
    if (it == kOuterPasses) {
      out.outer_limit = true;
      out.it = it;
      out.itn = itn;
      out.tol2 = kTol * before;
      out.ddmu = std::fabs(dm);
      return out;
    }
  }
}

double scaled_susceptibility(double r, double theta, const ScaledParams& sp) {
  const ThetaTerms tt = theta_terms(theta, sp);
  double s = 0.0;
  for (int i = 0; i < 2; ++i) {
    s += sp.a[i] * std::pow(r, -sp.g[i]) * tt.s[i] / sp.k + 2.0 * sp.c * sp.a[i] * std::pow(r, sp.f[i] - 1.0) * tt.t[i] +
         sp.k * sp.c * sp.c * sp.a[i] * std::pow(r, -sp.e[i]) * tt.u[i];
  }
  return s;
}

double scaled_chi(double s, double tbar, const ScaledParams& sp) {
  return sp.chi[0] * s * sp.chi[1] * sp.chi[1] / sp.chi[2] / tbar;
}

double scaled_dpdt(double r, double theta, double s, double t, double pbar, double tbar, double pstar,
                   const ScaledParams& sp) {
  const ThetaTerms tt = theta_terms(theta, sp);
  const double tau = 1.0 - kScaledTc / t;
  double x1 = 0.0, x2 = 0.0, x3 = 0.0;
  for (int i = 0; i < 2; ++i) {
    const double r1e = std::pow(r, 1.0 - sp.e[i]);
    x1 += sp.a[i] * std::pow(r, sp.f[i] - 1.0) * tt.t[i] + sp.k * sp.c * sp.a[i] * std::pow(r, -sp.e[i]) * tt.u[i];
    x2 += sp.a[i] * theta * std::pow(r, sp.f[i]) + sp.c * sp.k * sp.a[i] * r1e * tt.kpoly[i];
    x3 += sp.k * sp.a[i] * r1e * tt.kpoly[i];
  }
  const double m = sp.k * theta * (1.0 - theta * theta) * std::pow(r, sp.beta);
  const double wfac = (1.0 + x2 + sp.p * tau) / s;
  // (dP~/dtau) at constant density, turned into the reduced (dP-bar/dT-bar) at constant rho-bar.
  const double dptau =
      x3 + sp.p1 + 2.0 * sp.p2 * tau + 3.0 * sp.p3 * tau * tau - x1 * wfac + (m - wfac) * sp.p;
  return (dptau * kScaledPc / pstar + pbar) / tbar;
}

}  // namespace kova::water
