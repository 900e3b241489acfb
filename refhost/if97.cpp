#include "if97.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace kova::refhost::if97 {

namespace {

// x^n for integer n by repeated squaring (negative n: 1 / x^-n).
double ipow(double x, int n) {
  if (n < 0) return 1.0 / ipow(x, -n);
  double r = 1.0;
  while (n > 0) {
    if (n & 1) r *= x;
    x *= x;
    n >>= 1;
  }
  return r;
}

// Region 1, table 2 of the release: exponents I, J and coefficients n.
constexpr int kI1[34] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 2, 2, 2,
                         2, 2, 3, 3, 3, 4, 4, 4, 5, 8, 8, 21, 23, 29, 30, 31, 32};
constexpr int kJ1[34] = {-2, -1, 0, 1, 2, 3, 4, 5, -9, -7, -1, 0, 1, 3, -3, 0, 1,
                         3, 17, -4, 0, 6, -5, -2, 10, -8, -11, -6, -29, -31, -38, -39, -40, -41};
constexpr double kN1[34] = {
    0.14632971213167,     -0.84548187169114,    -0.37563603672040e1,  0.33855169168385e1,
    -0.95791963387872,    0.15772038513228,     -0.16616417199501e-1, 0.81214629983568e-3,
    0.28319080123804e-3,  -0.60706301565874e-3, -0.18990068218419e-1, -0.32529748770505e-1,
    -0.21841717175414e-1, -0.52838357969930e-4, -0.47184321073267e-3, -0.30001780793026e-3,
    0.47661393906987e-4,  -0.44141845330846e-5, -0.72694996297594e-15, -0.31679644845054e-4,
    -0.28270797985312e-5, -0.85205128120103e-9, -0.22425281908000e-5, -0.65171222895601e-6,
    -0.14341729937924e-12, -0.40516996860117e-6, -0.12734301741641e-8, -0.17424871230634e-9,
    -0.68762131295531e-18, 0.14478307828521e-19, 0.26335781662795e-22, -0.11947622640071e-22,
    0.18228094581404e-23, -0.93537087292458e-25};

// Region 2 residual part, table 11: exponents I, J and coefficients n. (The ideal-gas part,
// table 10, has no pressure dependence beyond ln(pi), so the volume does not need it.)
constexpr int kI2[43] = {1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 4, 4, 4, 5, 6, 6, 6,
                         7, 7, 7, 8, 8, 9, 10, 10, 10, 16, 16, 18, 20, 20, 20, 21, 22, 23, 24, 24, 24};
constexpr int kJ2[43] = {0, 1, 2, 3, 6, 1, 2, 4, 7, 36, 0, 1, 3, 6, 35, 1, 2, 3, 7, 3, 16, 35,
                         0, 11, 25, 8, 36, 13, 4, 10, 14, 29, 50, 57, 20, 35, 48, 21, 53, 39, 26, 40, 58};
constexpr double kN2[43] = {
    -0.17731742473213e-2, -0.17834862292358e-1, -0.45996013696365e-1, -0.57581259083432e-1,
    -0.50325278727930e-1, -0.33032641670203e-4, -0.18948987516315e-3, -0.39392777243355e-2,
    -0.43797295650573e-1, -0.26674547914087e-4, 0.20481737692309e-7,  0.43870667284435e-6,
    -0.32277677238570e-4, -0.15033924542148e-2, -0.40668253562649e-1, -0.78847309559367e-9,
    0.12790717852285e-7,  0.48225372718507e-6,  0.22922076337661e-5,  -0.16714766451061e-10,
    -0.21171472321355e-2, -0.23895741934104e2,  -0.59059564324270e-17, -0.12621808899101e-5,
    -0.38946842435739e-1, 0.11256211360459e-10, -0.82311340897998e1,  0.19809712802088e-7,
    0.10406965210174e-18, -0.10234747095929e-12, -0.10018179379511e-8, -0.80882908646985e-10,
    0.10693031879409,     -0.33662250574171,    0.89185845355421e-24, 0.30629316876232e-12,
    -0.42002467698208e-5, -0.59056029685639e-25, 0.37826947613457e-5, -0.12768608934681e-14,
    0.73087610595061e-28, 0.55414715350778e-16, -0.94369707241210e-6};

// Region 3, table 30: n1 (the coefficient of ln(delta)) and the 39 polynomial terms.
constexpr double kN3Log = 0.10658070028513e1;
constexpr int kI3[39] = {0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3,
                         3, 3, 4, 4, 4, 4, 5, 5, 5, 6, 6, 6, 7, 8, 9, 9, 10, 10, 11};
constexpr int kJ3[39] = {0, 1, 2, 7, 10, 12, 23, 2, 6, 15, 17, 0, 2, 6, 7, 22, 26, 0, 2, 4,
                         16, 26, 0, 2, 4, 26, 1, 3, 26, 0, 2, 26, 2, 26, 2, 26, 0, 1, 26};
constexpr double kN3[39] = {
    -0.15732845290239e2, 0.20944396974307e2,  -0.76867707878716e1, 0.26185947787954e1,
    -0.28080781148620e1, 0.12053369696517e1,  -0.84566812812502e-2, -0.12654315477714e1,
    -0.11524407806681e1, 0.88521043984318,    -0.64207765181607,   0.38493460186671,
    -0.85214708824206,   0.48972281541877e1,  -0.30502617256965e1, 0.39420536879154e-1,
    0.12558408424308,    -0.27999329698710,   0.13899799569460e1,  -0.20189915023570e1,
    -0.82147637173963e-2, -0.47596035734923,  0.43984074473500e-1, -0.44476435428739,
    0.90572070719733,    0.70522450087967,    0.10770512626332,    -0.32913623258954,
    -0.50871062041158,   -0.22175400873096e-1, 0.94260751665092e-1, 0.16436278447961,
    -0.13503372241348e-1, -0.14834345352472e-1, 0.57922953628084e-3, 0.32308904703711e-2,
    0.80964802996215e-4, -0.16557679795037e-3, -0.44923899061815e-4};

// Region 4, table 34: n1 .. n10.
constexpr double kN4[11] = {0.0,
                            0.11670521452767e4,
                            -0.72421316703206e6,
                            -0.17073846940092e2,
                            0.12020824702470e5,
                            -0.32325550322333e7,
                            0.14915108613530e2,
                            -0.48232657361591e4,
                            0.40511340542057e6,
                            -0.23855557567849,
                            0.65017534844798e3};

// B23, equation 5: n1 .. n3 (p in MPa).
constexpr double kB23[3] = {0.34805185628969e3, -0.11671859879975e1, 0.10192970039326e-2};

// Finds x in [a, b] with f(x) = 0, where f(a) and f(b) have opposite signs (or one is zero):
// Newton steps kept inside the bracket, bisection where Newton would leave it or stall.
// fdf(x) returns {f, df/dx}.
template <class F>
double bracketed_root(F fdf, double a, double b) {
  auto [fa, da] = fdf(a);
  (void)da;
  if (fa == 0.0) return a;
  double x = 0.5 * (a + b);
  for (int it = 0; it < 200; ++it) {
    auto [f, df] = fdf(x);
    if (f == 0.0) return x;
    if ((f < 0.0) == (fa < 0.0)) {
      a = x;
      fa = f;
    } else {
      b = x;
    }
    double next = (df != 0.0) ? x - f / df : a;
    if (!(next > std::min(a, b) && next < std::max(a, b))) next = 0.5 * (a + b);
    if (std::fabs(next - x) <= 1e-14 * std::fabs(x) || std::fabs(b - a) <= 1e-14 * std::fabs(x))
      return next;
    x = next;
  }
  return x;
}

// Finds where the sign of g changes between a and b by bisection (g(a), g(b) of opposite sign).
template <class G>
double sign_change(G g, double a, double b) {
  const bool ga = g(a) > 0.0;
  for (int it = 0; it < 60 && std::fabs(b - a) > 1e-12 * b; ++it) {
    const double m = 0.5 * (a + b);
    if ((g(m) > 0.0) == ga) {
      a = m;
    } else {
      b = m;
    }
  }
  return 0.5 * (a + b);
}

Volume from_region3(double rho, double t) {
  const Region3 r = region3(rho, t);
  Volume v;
  v.v = 1.0 / rho;
  v.dvdp = -1.0 / (rho * rho * r.dpdrho);
  v.dvdt = r.dpdt / (rho * rho * r.dpdrho);
  return v;
}

constexpr double kRhoLow = 1e-3;     // kg/m3: the low end of every region-3 density search
constexpr double kRhoLiquid = 700.0;  // kg/m3: on the rising liquid branch below Tc
constexpr double kStep = 50.0;        // kg/m3: step of the search for an upper bracket

double region3_slope(double rho, double t) { return region3(rho, t).dpdrho; }

double region3_solve(double t, double p, double a, double b) {
  return bracketed_root(
      [&](double rho) {
        const Region3 r = region3(rho, t);
        return std::pair{r.p - p, r.dpdrho};
      },
      a, b);
}

// The density at which region 3 gives pressure p, searching upwards from lo (a density on
// a rising branch with a pressure below p) in steps until the pressure exceeds p. Far
// beyond its range the equation's pressure reaches a maximum and falls again; a pressure
// above that maximum gets the density of the maximum.
double region3_root(double t, double p, double lo) {
  double a = lo, b = lo + kStep;
  for (int k = 0; k < 40; ++k, a = b, b += kStep) {
    const Region3 r = region3(b, t);
    if (r.p >= p) return region3_solve(t, p, a, b);
    if (r.dpdrho <= 0.0) return sign_change([&](double rho) { return region3_slope(rho, t); }, a, b);
  }
  return a;
}

// The two spinodal densities of region 3 below the critical temperature (vapour, liquid),
// or nothing when the isotherm has no loop.
struct Spinodals {
  double vapour, liquid;
};
std::optional<Spinodals> spinodals(double t) {
  if (region3_slope(kRhoc, t) >= 0.0) return std::nullopt;
  auto slope = [&](double rho) { return region3_slope(rho, t); };
  return Spinodals{sign_change(slope, kRhoLow, kRhoc), sign_change(slope, kRhoc, kRhoLiquid)};
}

std::optional<double> region3_liquid(double t, double p) {
  const auto s = spinodals(t);
  if (!s) return region3_root(t, p, kRhoLow);
  if (p < region3(s->liquid, t).p) return std::nullopt;
  return region3_root(t, p, s->liquid);
}

std::optional<double> region3_vapour(double t, double p) {
  const auto s = spinodals(t);
  if (!s) return region3_root(t, p, kRhoLow);
  if (p > region3(s->vapour, t).p) return std::nullopt;
  return region3_solve(t, p, kRhoLow, s->vapour);
}

}  // namespace

double psat(double t) {
  const double th = t + kN4[9] / (t - kN4[10]);
  const double a = th * th + kN4[1] * th + kN4[2];
  const double b = kN4[3] * th * th + kN4[4] * th + kN4[5];
  const double c = kN4[6] * th * th + kN4[7] * th + kN4[8];
  const double x = 2.0 * c / (-b + std::sqrt(b * b - 4.0 * a * c));
  return x * x * x * x * 1e6;
}

double p_b23(double t) { return (kB23[0] + kB23[1] * t + kB23[2] * t * t) * 1e6; }

Volume region1(double t, double p) {
  constexpr double pstar = 16.53e6, tstar = 1386.0;
  const double pi = p / pstar, tau = tstar / t;
  const double a = 7.1 - pi, b = tau - 1.222;
  double gp = 0.0, gpp = 0.0, gpt = 0.0;
  for (int k = 0; k < 34; ++k) {
    const int i = kI1[k], j = kJ1[k];
    if (i == 0) continue;
    const double ai1 = ipow(a, i - 1), bj = ipow(b, j);
    gp -= kN1[k] * i * ai1 * bj;
    gpp += kN1[k] * i * (i - 1) * ipow(a, i - 2) * bj;
    gpt -= kN1[k] * i * j * ai1 * ipow(b, j - 1);
  }
  Volume v;
  v.v = kR * t * gp / pstar;
  v.dvdt = kR / pstar * (gp - tau * gpt);
  v.dvdp = kR * t * gpp / (pstar * pstar);
  return v;
}

Volume region2(double t, double p) {
  constexpr double pstar = 1e6, tstar = 540.0;
  const double pi = p / pstar, tau = tstar / t, b = tau - 0.5;
  double gp = 1.0 / pi, gpp = -1.0 / (pi * pi), gpt = 0.0;
  for (int k = 0; k < 43; ++k) {
    const int i = kI2[k], j = kJ2[k];
    const double pi1 = ipow(pi, i - 1), bj = ipow(b, j);
    gp += kN2[k] * i * pi1 * bj;
    gpp += kN2[k] * i * (i - 1) * ipow(pi, i - 2) * bj;
    gpt += kN2[k] * i * j * pi1 * ipow(b, j - 1);
  }
  Volume v;
  v.v = kR * t * gp / pstar;
  v.dvdt = kR / pstar * (gp - tau * gpt);
  v.dvdp = kR * t * gpp / (pstar * pstar);
  return v;
}

Region3 region3(double rho, double t) {
  const double d = rho / kRhoc, tau = kTc / t;
  double fd = kN3Log / d, fdd = -kN3Log / (d * d), fdt = 0.0;
  for (int k = 0; k < 39; ++k) {
    const int i = kI3[k], j = kJ3[k];
    if (i == 0) continue;
    const double d1 = ipow(d, i - 1), tj = ipow(tau, j);
    fd += kN3[k] * i * d1 * tj;
    fdd += kN3[k] * i * (i - 1) * ipow(d, i - 2) * tj;
    fdt += kN3[k] * i * j * d1 * ipow(tau, j - 1);
  }
  Region3 r;
  r.p = rho * kR * t * d * fd;
  r.dpdrho = kR * t * (2.0 * d * fd + d * d * fdd);
  r.dpdt = rho * kR * (d * fd - d * tau * fdt);
  return r;
}

namespace {

// Above 100 MPa, where the region equations are not valid and fail quickly (region 1 gives
// negative volumes from about 250 MPa at 500 K, region 2 from 150 MPa), the density of the
// stable state at 100 MPa is continued along the isotherm as
//   rho(P) = rho0 + rho0' B ln(1 + (P - P0)/B),   B = -rho0' / rho0'',
// which matches the density and its first two pressure derivatives at P0 = 100 MPa. Against
// IAPWS-95 this is within 0.2 % up to 500 MPa at 300 K, within 2.5 % up to 800 K, and within
// about 15 % at 1000 K and 300 MPa.
constexpr double kPmax = 100e6;

Volume continued_above_range(double t, double p) {
  constexpr double dp = 0.5e6;
  auto drho_dp = [&](double pp) {
    const Volume v = water_volume(t, pp, Root::Stable).vol;
    return std::pair{1.0 / v.v, -v.dvdp / (v.v * v.v)};
  };
  const auto [rho0, d1] = drho_dp(kPmax);
  const double d2 = (d1 - drho_dp(kPmax - 2.0 * dp).second) / (2.0 * dp);  // one-sided: stays in range
  double rho = rho0 + d1 * (p - kPmax), slope = d1;
  if (d2 < 0.0) {
    const double b = -d1 / d2;
    rho = rho0 + d1 * b * std::log1p((p - kPmax) / b);
    slope = d1 * b / (b + p - kPmax);
  }
  Volume v;
  v.v = 1.0 / rho;
  v.dvdp = -slope / (rho * rho);
  return v;
}

}  // namespace

State water_volume(double t, double p, Root root) {
  p = std::max(p, kPmin);
  State s;
  if (p > kPmax) {
    // One state above the range, whatever phase is asked for; dv/dT by a central difference.
    constexpr double dt = 0.01;
    s.vol = continued_above_range(t, p);
    s.vol.dvdt = (continued_above_range(t + dt, p).v - continued_above_range(t - dt, p).v) / (2.0 * dt);
    s.region = 0;
    return s;
  }
  auto give = [&](const Volume& v, int region) {
    s.vol = v;
    s.region = region;
    return s;
  };

  if (t <= kT13) {
    const bool liquid_stable = p >= psat(t);
    if (root == Root::Liquid && !liquid_stable) {
      const Volume v = region1(t, p);
      if (v.stable()) {
        s.metastable = true;
        return give(v, 1);
      }
      s.substituted = true;
    } else if (root == Root::Vapour && liquid_stable) {
      const Volume v = region2(t, p);
      if (v.stable()) {
        s.metastable = true;
        return give(v, 2);
      }
      s.substituted = true;
    }
    return liquid_stable ? give(region1(t, p), 1) : give(region2(t, p), 2);
  }

  if (t >= kTc) {
    if (p < p_b23(t)) return give(region2(t, p), 2);
    return give(from_region3(region3_root(t, p, kRhoLow), t), 3);
  }

  // 623.15 K < T < Tc: region 2 below B23, region 3 with both roots above it.
  const bool liquid_stable = p >= psat(t);
  if (root == Root::Liquid && !liquid_stable) {
    if (const auto rho = region3_liquid(t, p)) {
      s.metastable = true;
      return give(from_region3(*rho, t), 3);
    }
    s.substituted = true;
  } else if (root == Root::Vapour && liquid_stable) {
    if (const auto rho = region3_vapour(t, p)) {
      s.metastable = true;
      return give(from_region3(*rho, t), 3);
    }
    s.substituted = true;
  }
  if (!liquid_stable && p < p_b23(t)) return give(region2(t, p), 2);
  // The stable branch always has its root; the whole density range is a safeguard only.
  const auto rho = liquid_stable ? region3_liquid(t, p) : region3_vapour(t, p);
  return give(from_region3(rho ? *rho : region3_root(t, p, kRhoLow), t), 3);
}

}  // namespace kova::refhost::if97
