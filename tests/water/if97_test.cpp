// The reference host's IAPWS-IF97 water routines against the release's own check values,
// and the phase choice of the molar-volume routine.
#include <gtest/gtest.h>

#include <cmath>

#include "if97.h"
#include "kova/host.h"

namespace if97 = kova::refhost::if97;
using if97::Root;

namespace {

double rel(double a, double b) { return std::fabs(a / b - 1.0); }

}  // namespace

// IF97 release, tables 5 (region 1), 15 (region 2), 33 (region 3), 35 (region 4) and the
// B23 check value after equation 5. The release prints nine significant digits.
TEST(If97, PublishedCheckValues) {
  // Region 1.
  EXPECT_LT(rel(if97::region1(300, 3e6).v, 0.100215168e-2), 6e-9);
  EXPECT_LT(rel(if97::region1(300, 80e6).v, 0.971180894e-3), 6e-9);
  const auto r1 = if97::region1(500, 3e6);
  EXPECT_LT(rel(r1.v, 0.120241800e-2), 6e-9);
  EXPECT_LT(rel(r1.dvdt / r1.v, 0.164118128e-2), 1e-8);         // cubic expansion coefficient
  EXPECT_LT(rel(-r1.dvdp / r1.v, 0.112892188e-2 / 1e6), 1e-8);  // isothermal compressibility
  // Region 2.
  const auto r2 = if97::region2(300, 0.0035e6);
  EXPECT_LT(rel(r2.v, 0.394913866e2), 6e-9);
  EXPECT_LT(rel(r2.dvdt / r2.v, 0.337578289e-2), 1e-8);
  EXPECT_LT(rel(-r2.dvdp / r2.v, 0.286239651e3 / 1e6), 1e-8);
  EXPECT_LT(rel(if97::region2(700, 0.0035e6).v, 0.923015898e2), 6e-9);
  EXPECT_LT(rel(if97::region2(700, 30e6).v, 0.542946619e-2), 6e-9);
  // Region 3.
  EXPECT_LT(rel(if97::region3(500, 650).p, 0.255837018e8), 6e-9);
  EXPECT_LT(rel(if97::region3(200, 650).p, 0.222930643e8), 6e-9);
  const auto r3 = if97::region3(500, 750);
  EXPECT_LT(rel(r3.p, 0.783095639e8), 6e-9);
  EXPECT_LT(rel(r3.dpdt / (500 * r3.dpdrho), 0.441515098e-2), 1e-8);  // alpha_v = (dp/dT)/(rho dp/drho)
  EXPECT_LT(rel(1.0 / (500 * r3.dpdrho), 0.806710817e-2 / 1e6), 1e-8);  // kappa_T
  // Region 4 and B23.
  EXPECT_LT(rel(if97::psat(300), 0.353658941e4), 6e-9);
  EXPECT_LT(rel(if97::psat(500), 0.263889776e7), 6e-9);
  EXPECT_LT(rel(if97::psat(600), 0.123443146e8), 6e-9);
  EXPECT_LT(rel(if97::p_b23(623.15), 0.165291643e8), 6e-9);
}

// The region-3 density search returns the density that gave the published pressures.
TEST(If97, Region3DensityInvertsPublishedPressures) {
  const auto s1 = if97::water_volume(650, 0.255837018e8, Root::Stable);
  EXPECT_EQ(s1.region, 3);
  EXPECT_NEAR(1.0 / s1.vol.v, 500, 500 * 1e-8);
  const auto s2 = if97::water_volume(650, 0.222930643e8, Root::Vapour);
  EXPECT_NEAR(1.0 / s2.vol.v, 200, 200 * 1e-7);  // near-critical: the printed pressure's rounding, amplified
  const auto s3 = if97::water_volume(750, 0.783095639e8, Root::Liquid);
  EXPECT_NEAR(1.0 / s3.vol.v, 500, 500 * 1e-8);
  // The temperature derivative at constant pressure agrees with a difference quotient.
  const double h = 1e-3;
  const double fd = (if97::water_volume(750 + h, 0.783095639e8, Root::Stable).vol.v -
                     if97::water_volume(750 - h, 0.783095639e8, Root::Stable).vol.v) / (2 * h);
  EXPECT_LT(rel(s3.vol.dvdt, fd), 1e-6);
}

// Stable states follow the region boundaries; a requested phase that does not exist gets
// its metastable root where there is one, otherwise the stable state.
TEST(If97, PhaseChoice) {
  // 350 K: saturation at about 41.7 kPa.
  auto s = if97::water_volume(350, 1e5, Root::Liquid);
  EXPECT_EQ(s.region, 1);
  EXPECT_FALSE(s.metastable);
  s = if97::water_volume(350, 1e3, Root::Liquid);  // superheated liquid: region 1 continued
  EXPECT_EQ(s.region, 1);
  EXPECT_TRUE(s.metastable);
  EXPECT_NEAR(1.0 / s.vol.v, 974.0, 1.0);
  s = if97::water_volume(350, 1e3, Root::Stable);
  EXPECT_EQ(s.region, 2);
  s = if97::water_volume(350, 5e4, Root::Vapour);  // slightly supersaturated vapour
  EXPECT_EQ(s.region, 2);
  EXPECT_TRUE(s.metastable);
  EXPECT_LT(1.0 / s.vol.v, 1.0);

  // 640 K, region 3 on both sides of saturation (about 20.27 MPa).
  const double ps = if97::psat(640);
  const auto liq = if97::water_volume(640, ps + 1e4, Root::Liquid);
  const auto vap = if97::water_volume(640, ps - 1e4, Root::Vapour);
  EXPECT_EQ(liq.region, 3);
  EXPECT_EQ(vap.region, 3);
  EXPECT_GT(1.0 / liq.vol.v, 450);
  EXPECT_LT(1.0 / vap.vol.v, 200);
  // Just across saturation each phase continues on its own branch.
  const auto liq_m = if97::water_volume(640, ps - 1e4, Root::Liquid);
  const auto vap_m = if97::water_volume(640, ps + 1e4, Root::Vapour);
  EXPECT_TRUE(liq_m.metastable);
  EXPECT_TRUE(vap_m.metastable);
  EXPECT_NEAR(1.0 / liq_m.vol.v, 1.0 / liq.vol.v, 5.0);
  EXPECT_NEAR(1.0 / vap_m.vol.v, 1.0 / vap.vol.v, 5.0);
  // Far below the liquid spinodal there is no liquid root: the stable vapour is given.
  const auto gone = if97::water_volume(640, 5e6, Root::Liquid);
  EXPECT_TRUE(gone.substituted);
  EXPECT_EQ(gone.region, 2);
  // Far above the vapour spinodal there is no vapour root: the stable liquid is given.
  const auto gone2 = if97::water_volume(640, 60e6, Root::Vapour);
  EXPECT_TRUE(gone2.substituted);
  EXPECT_GT(1.0 / gone2.vol.v, 500);

  // Above the critical temperature there is one state whatever the phase.
  EXPECT_EQ(if97::water_volume(700, 30e6, Root::Vapour).vol.v, if97::water_volume(700, 30e6, Root::Liquid).vol.v);
}

// The host entry points work on the kmol basis and honour the option word.
TEST(If97, HostRoutines) {
  const double t = 500, p = 3e6, w = 0.0;
  EXPECT_EQ(LUMENA_PSATWI(&t), if97::psat(500));
  const std::int64_t kdiag = 0, kvl = 2, zero = 0, one = 1, volume_only = 1, with_derivative = 3;
  double work[8] = {}, v = 0, dvdt = -99;
  std::int64_t ker = 7;
  LUMENA_ES15(&t, &p, &kdiag, &kvl, &zero, &one, &zero, &zero, &zero, &zero, &volume_only, &work[0], &work[1],
              &work[2], &work[3], &v, &work[4], &work[5], &work[6], &work[7], &dvdt, &ker, &zero);
  EXPECT_LT(rel(v, 0.120241800e-2 * 18.015268), 6e-9);
  EXPECT_EQ(dvdt, -99);
  EXPECT_EQ(ker, 7);
  LUMENA_ES15(&t, &p, &kdiag, &kvl, &zero, &one, &zero, &zero, &zero, &zero, &with_derivative, &work[0], &work[1],
              &work[2], &work[3], &v, &work[4], &work[5], &work[6], &work[7], &dvdt, &ker, &zero);
  EXPECT_LT(rel(dvdt, 0.164118128e-2 * 0.120241800e-2 * 18.015268), 1e-8);
  for (double x : work) EXPECT_EQ(x, w);
}

// Above 100 MPa the region equations fail (region 1 gives a negative volume at 500 K and
// 300 MPa); the host continues the 100 MPa density instead. IAPWS-95 densities
// (python3-iapws) for comparison.
TEST(If97, AboveOneHundredMegapascals) {
  EXPECT_LT(if97::region1(500, 300e6).v, 0.0);
  struct Row {
    double t, p, rho, tol;
  };
  const Row rows[] = {{300, 500e6, 1148.481, 0.003}, {500, 300e6, 982.280, 0.005}, {650, 350e6, 0.0, 1.0},
                      {1000, 300e6, 596.645, 0.2}};
  for (const Row& r : rows) {
    const auto s = if97::water_volume(r.t, r.p, Root::Liquid);
    EXPECT_EQ(s.region, 0);
    EXPECT_GT(s.vol.dvdt, 0.0);
    EXPECT_LT(s.vol.dvdp, 0.0);
    if (r.tol < 1.0) {
      EXPECT_NEAR(1.0 / s.vol.v / r.rho, 1.0, r.tol) << r.t << " K " << r.p;
    }
  }
  // Continuous at 100 MPa.
  EXPECT_NEAR(if97::water_volume(500, 100.001e6, Root::Liquid).vol.v / if97::water_volume(500, 100e6, Root::Liquid).vol.v,
              1.0, 1e-6);  // about the compressibility over 1 kPa
}
