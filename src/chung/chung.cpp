#include "chung/chung.h"

#include <cmath>

namespace kova::chung {

namespace {

// Viscosity coefficients, four-column set: Ei = a + b omega + c mur^4 + d kappa
// (Chung et al. 1988, as rounded in the Poling-Prausnitz-O'Connell table).
constexpr double kE4[10][4] = {
    {6.324, 50.412, -51.68, 1189.0},       {0.00121, -0.001154, -0.006257, 0.03728},
    {5.283, 254.209, -168.48, 3898.0},     {6.623, 38.096, -8.464, 31.42},
    {19.745, 7.63, -14.354, 31.53},        {-1.9, -12.537, 4.985, -18.15},
    {24.275, 3.45, -11.291, 69.35},        {0.7972, 1.117, 0.01235, -4.117},
    {-0.2382, 0.0677, -0.8163, 4.025},     {0.06863, 0.3479, 0.5926, -0.727},
};

// Viscosity coefficients, two-column set for non-polar, non-associating fluids (Chung,
// Lee and Starling 1984): Ei = a + b omega.
constexpr double kE2[10][2] = {
    {6.32402, 30.9478},     {0.0012102, -0.000509404}, {5.28346, 187.965},
    {6.62263, 28.1346},     {19.7454, 4.28758},        {-1.89992, -0.138114},
    {24.2745, -7.17578},    {0.79716, -0.132292},      {-0.238165, 1.28156},
    {0.0686295, 0.0630193},
};

// Conductivity coefficients: Bi = a + b omega + c mur^4 + d kappa. The dipole coefficient
// of B5 is -0.69369 as Chung et al. (1988) publish it; a tenfold value found in some
// transcriptions leaves non-polar fluids alone but spoils strongly polar ones.
constexpr double kB[7][4] = {
    {2.4166, 0.74824, -0.91858, 121.72},  {-0.50924, -1.5094, -49.991, 69.983},
    {6.6107, 5.6207, 64.76, 27.039},      {14.543, -8.9139, -5.6379, 74.344},
    {0.79274, 0.82019, -0.69369, 6.3173}, {-5.8634, 12.801, 9.5893, 65.529},
    {91.089, 128.11, -54.217, 523.81},
};

}  // namespace

PairSums pure_sums(const PairArrays& p, std::int64_t c) {
  PairSums s;
  s.sig3 = p.at(p.sig3, c, c);
  s.epsig3 = p.at(p.epsig3, c, c);
  s.epsig2m = p.at(p.epsig2m, c, c);
  s.dipsig3 = p.at(p.dipsig3, c, c);
  s.omsig3 = p.at(p.omsig3, c, c);
  const double k = p.sqkap[c - 1];
  s.kappa = k * k;
  return s;
}

PairSums mixture_sums(const PairArrays& p, std::int64_t n, const double* x, const std::int64_t* idx) {
  PairSums s;
  double sqkap = 0.0;
  for (std::int64_t i = 0; i < n; ++i) {
    const std::int64_t ci = idx[i];
    PairSums inner;
    for (std::int64_t j = 0; j < n; ++j) {
      const std::int64_t cj = idx[j];
      inner.sig3 += x[j] * p.at(p.sig3, cj, ci);
      inner.epsig3 += x[j] * p.at(p.epsig3, cj, ci);
      inner.epsig2m += x[j] * p.at(p.epsig2m, cj, ci);
      inner.dipsig3 += x[j] * p.at(p.dipsig3, cj, ci);
      inner.omsig3 += x[j] * p.at(p.omsig3, cj, ci);
    }
    s.sig3 += x[i] * inner.sig3;
    s.epsig3 += x[i] * inner.epsig3;
    s.epsig2m += x[i] * inner.epsig2m;
    s.dipsig3 += x[i] * inner.dipsig3;
    s.omsig3 += x[i] * inner.omsig3;
    sqkap += x[i] * p.sqkap[ci - 1];
  }
  s.kappa = sqkap * sqkap;
  return s;
}

double collision_integral(double tstar) {
  return 1.16145 * std::pow(tstar, -0.14874) + 0.52487 * std::exp(-0.7732 * tstar) +
         2.16178 * std::exp(-2.43787 * tstar);
}

Characteristic characteristic(const PairSums& s, double t) {
  Characteristic q;
  q.t = t;
  q.sigma3 = s.sig3;
  q.epsk = s.epsig3 / q.sigma3;
  q.tstar = t / q.epsk;
  q.sigma2 = std::pow(q.sigma3, 2.0 / 3.0);
  const double root_m = s.epsig2m / q.epsk / q.sigma2;
  q.mw = root_m * root_m;
  q.tc = 1.2593 * q.epsk;
  q.vc = q.sigma3 / 0.529475;
  q.omega = s.omsig3 / q.sigma3;
  q.mur4 = 297206911.0 * q.sigma3 * s.dipsig3 / (q.tc * q.tc * q.vc * q.vc);
  q.kappa = s.kappa;
  q.omega_v = collision_integral(q.tstar);
  q.fc = 1.0 - 0.2756 * q.omega + 0.059035 * q.mur4 + q.kappa;
  return q;
}

bool usable(const Characteristic& q) {
  const auto positive = [](double v) { return v > 0.0 && std::isfinite(v); };
  return positive(q.sigma3) && positive(q.epsk) && positive(q.mw);
}

double chung_low_pressure_viscosity(const Characteristic& q) {
  return 1.0e-07 * 36.344 * std::sqrt(q.tstar) / q.omega_v * std::sqrt(q.mw * q.tc) * q.fc /
         std::pow(q.vc, 2.0 / 3.0);
}

double reduced_density(double v, double vc) { return (0.001 / v) * vc / 6.0; }

bool usable_volume(double v, double vc) {
  const double y = reduced_density(v, vc);
  return std::isfinite(v) && y > 0.0 && y < 1.0;
}

double chung_g1(double y) {
  const double d = 1.0 - y;
  return (1.0 - 0.5 * y) / (d * d * d);
}

double chung_g2(double y, double a1, double a2, double a3, double a4, double a5) {
  return (a1 * -std::expm1(-a4 * y) / y + (a2 * std::exp(a5 * y) + a3) * chung_g1(y)) /
         (a1 * a4 + a2 + a3);
}

std::array<double, 10> viscosity_coefficients(double omega, double mur4, double kappa, std::int64_t kcoef) {
  std::array<double, 10> e{};
  for (int i = 0; i < 10; ++i) {
    e[i] = kcoef == 1 ? kE2[i][0] + kE2[i][1] * omega
                      : kE4[i][0] + kE4[i][1] * omega + kE4[i][2] * mur4 + kE4[i][3] * kappa;
  }
  return e;
}

double chung_dense_viscosity(const Characteristic& q, double v, std::int64_t kcoef) {
  const std::array<double, 10> e = viscosity_coefficients(q.omega, q.mur4, q.kappa, kcoef);
  const double y = reduced_density(v, q.vc);
  const double g2 = chung_g2(y, e[0], e[1], e[2], e[3], e[4]);
  const double eta2 = e[6] * y * y * g2 * std::exp(e[7] + e[8] / q.tstar + e[9] / (q.tstar * q.tstar));
  const double eta1 = std::sqrt(q.tstar) / q.omega_v * q.fc * (1.0 / g2 + e[5] * y) + eta2;
  return 1.0e-07 * 36.344 * std::sqrt(q.mw * q.tc) * eta1 / std::pow(q.vc, 2.0 / 3.0);
}

std::array<double, 7> conductivity_coefficients(double omega, double mur4, double kappa) {
  std::array<double, 7> b{};
  for (int i = 0; i < 7; ++i) b[i] = kB[i][0] + kB[i][1] * omega + kB[i][2] * mur4 + kB[i][3] * kappa;
  return b;
}

double chung_psi(double alpha, double omega, double tr) {
  const double beta = 0.7862 - 0.7109 * omega + 1.3168 * omega * omega;
  const double z = 2.0 + 10.5 * tr * tr;
  return 1.0 + alpha * (0.215 + 0.2828 * alpha - 1.061 * beta + 0.26665 * z) /
                   (0.6366 + beta * z + 1.061 * alpha * beta);
}

double chung_thermal_conductivity(const Characteristic& q, double v, double eta0, double alpha) {
  const double mw_kg = 0.001 * q.mw;
  const double y = reduced_density(v, q.vc);
  const double tr = q.t / q.tc;
  const std::array<double, 7> b = conductivity_coefficients(q.omega, q.mur4, q.kappa);
  const double g2 = chung_g2(y, b[0], b[1], b[2], b[3], b[4]);
  const double psi = chung_psi(alpha, q.omega, tr);
  const double qfac = 0.003586 * std::sqrt(q.tc / mw_kg) / std::pow(q.vc, 2.0 / 3.0);
  return 31.2 * eta0 * psi / mw_kg * (1.0 / g2 + b[5] * y) + qfac * b[6] * y * y * std::sqrt(tr) * g2;
}

}  // namespace kova::chung
