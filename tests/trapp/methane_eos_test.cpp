// The reference host's methane equation of state (Span and Wagner 2003, short form) and its
// density solver.
#include <gtest/gtest.h>

#include <cmath>

#include "methane_eos.h"

namespace m = kova::refhost::methane;

namespace {

// Pressure and its density derivative at (T, rho): values computed with the published
// coefficients by the authors of the data note (methane.md section 2.7), and the Span and
// Wagner (2003) Table III check value p(700 K, 200 kg/m3) = 108.108 MPa.
TEST(MethaneEos, PressureCheckValues) {
  struct Row {
    double t, rho, p, dpdrho;
  } rows[] = {
      {700, 12.466496, 108108178, 14494605},   {300, 5, 10596486.7, 1899064.9},
      {150, 25, 30673555.4, 16603944.1},       {100, 28, 14821964.3, 25925791.1},
      {60, 30.5, -8733179.0, 37374056.6},      {200, 0.5, 788939.589, 1494356.34},
  };
  for (const Row& r : rows) {
    const m::PressureState s = m::pressure(r.t, r.rho);
    EXPECT_NEAR(s.p, r.p, 1e-7 * std::fabs(r.p)) << r.t << " K " << r.rho;
    EXPECT_NEAR(s.dpdrho, r.dpdrho, 1e-7 * std::fabs(r.dpdrho)) << r.t << " K " << r.rho;
  }
  EXPECT_NEAR(m::pressure(700, 200 / 16.043).p, 108.108e6, 0.001e6);
}

// Molar volumes in the requested phase, with the fallbacks where the phase does not exist.
TEST(MethaneEos, VolumesInRequestedPhase) {
  struct Row {
    double t, p;
    std::int64_t kvl;
    double v;
    m::Root root;
  } rows[] = {
      {120, 1e6, 2, 0.0390488466, m::Root::Liquid},
      {300, 1e7, 1, 0.213372407, m::Root::Supercritical},
      {190, 5e6, 1, 0.0665720827, m::Root::LiquidFallback},
      {190, 5e6, 2, 0.0665720827, m::Root::Liquid},
      {150, 1e6, 1, 1.03250811, m::Root::Vapour},
      {150, 1e6, 2, 0.0448498624, m::Root::Liquid},
      {100, 1e6, 1, 0.0364757605, m::Root::LiquidFallback},
      {60, 2e5, 2, 0.0325411426, m::Root::Liquid},
      {80, 3e8, 2, 0.0294339537, m::Root::Liquid},
      {1500, 1e7, 1, 1.27796053, m::Root::Supercritical},
      {185, 3.5e6, 2, 0.264572021, m::Root::VapourFallback},
  };
  for (const Row& r : rows) {
    const m::Solution s = m::density(r.t, r.p, r.kvl);
    EXPECT_NEAR(1.0 / s.rho, r.v, 1e-8 * r.v) << r.t << " K " << r.p << " Pa phase " << r.kvl;
    EXPECT_EQ(s.root, r.root) << r.t << " K " << r.p << " Pa phase " << r.kvl;
  }
}

// Setzmann and Wagner (1991) Table 40 densities, kg/m3; the short equation is within 0.3 %.
TEST(MethaneEos, AgreesWithReferenceEquation) {
  struct Row {
    double t, p, rho;
    std::int64_t kvl;
  } rows[] = {{90.698, 0.025e6, 451.48, 2}, {110, 0.101325e6, 424.79, 2}, {115, 0.1e6, 1.7341, 1},
              {150, 1e6, 15.536, 1},        {200, 5e6, 87.764, 1},        {100, 10e6, 446.02, 2},
              {620, 0.5e6, 1.5546, 1},      {600, 50e6, 134.47, 1},       {420, 100e6, 277.63, 1}};
  for (const Row& r : rows) {
    const double rho = m::density(r.t, r.p, r.kvl).rho * m::kMw;
    EXPECT_NEAR(rho, r.rho, 0.003 * r.rho) << r.t << " K " << r.p;
  }
}

// Every state the equivalent-state iteration can ask for gives a finite positive volume:
// far below the triple point, far above the critical point, tiny and huge pressures, and
// arguments that are not numbers.
TEST(MethaneEos, DefinedVolumeEverywhere) {
  const double temps[] = {1, 20, 40, 60, 90.69, 150, 185, 190.5, 190.564, 191, 300, 2000, 1e5, 1e9};
  const double pressures[] = {-1e5, 0, 1e-6, 1, 100, 1e4, 1e6, 3.5e6, 4.6e6, 1e7, 1e8, 1e9, 1e12};
  for (double t : temps)
    for (double p : pressures)
      for (std::int64_t kvl : {1, 2}) {
        const double v = m::methane_volume(t, p, kvl);
        EXPECT_TRUE(std::isfinite(v) && v > 0.0) << t << " K " << p << " Pa phase " << kvl << ": " << v;
      }
  EXPECT_EQ(m::density(NAN, 1e5, 1).root, m::Root::Undefined);
  EXPECT_NEAR(m::methane_volume(NAN, 1e5, 2), 1.0 / m::kRhoc, 1e-12);
  EXPECT_NEAR(m::methane_volume(300, NAN, 1), 1.0 / m::kRhoc, 1e-12);
  // Below the lower temperature limit the state is evaluated at the limit.
  EXPECT_EQ(m::methane_volume(10, 1e6, 2), m::methane_volume(m::kTmin, 1e6, 2));
  // Near-zero and negative pressures give the vapour at the pressure floor: nearly ideal.
  EXPECT_NEAR(m::methane_volume(300, 0, 1), m::kR * 300 / m::kPmin, 1e-6 * m::kR * 300 / m::kPmin);
}

// Below about 170 K the liquid exists at every positive pressure; the liquid root is denser
// than the critical density and the vapour root lighter.
TEST(MethaneEos, PhaseSelectionBelowCritical) {
  for (double t : {50.0, 90.0, 120.0, 160.0}) {
    for (double p : {10.0, 1e4, 1e5}) {
      const m::Solution liq = m::density(t, p, 2);
      EXPECT_EQ(liq.root, m::Root::Liquid) << t << " " << p;
      EXPECT_GT(liq.rho, m::kRhoc);
      EXPECT_NEAR(m::pressure(t, liq.rho).p, p, 1e-6 * m::pressure(t, liq.rho).dpdrho * liq.rho + 1e-3);
    }
  }
  const m::Solution vap = m::density(150, 1e5, 1);
  EXPECT_EQ(vap.root, m::Root::Vapour);
  EXPECT_LT(vap.rho, m::kRhoc);
  // Ancillary: Setzmann-Wagner Table 39, 120 K: ps 0.19143 MPa, rho' 409.90 kg/m3.
  EXPECT_NEAR(m::saturation_pressure(120), 0.19143e6, 0.0001 * 0.19143e6);
  EXPECT_NEAR(m::saturated_liquid_density(120) * m::kMw, 409.90, 0.0003 * 409.90);
}

}  // namespace
