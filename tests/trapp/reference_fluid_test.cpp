// The methane reference correlations and the shape factors, mixing rules and mass scaling.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "trapp/reference_fluid.h"
#include "trapp/shape_factors.h"

namespace t = kova::trapp;

namespace {

constexpr double kM0 = 16.043;
const t::ReferenceConstants kRef{190.564, 0.098628, 0.28629, 0.011, 16.043};

// Worked example T1: the Younglove-Ely methane correlation gives 836.72 uP and
// 0.16932 W/(m K) at 150 K and 25 kmol/m3; the TRAPP correlation of the viscosity lies about
// 0.35 % below it, the conductivity (translational plus internal part) about 2 % below.
TEST(TrappReferenceFluid, WorkedExampleT1) {
  const double eta = t::eta_ref(150, 25, 1.0, kM0);
  EXPECT_NEAR(eta / 836.72 - 1.0, -0.0035, 0.002);
  const t::LambdaRef l = t::lambda_ref(150, 25, kM0);
  const double cp0 = 33304;  // methane ideal-gas Cp at 150 K, J/(kmol K)
  const double internal = (cp0 / 4186.8 - 4.968) * 1.32 * l.eta_d / kM0 * 4.1868e-4;
  EXPECT_NEAR((l.lambda + internal) / 0.16932 - 1.0, -0.02, 0.02);
}

TEST(TrappReferenceFluid, SpotValuesOfTheParts) {
  // At 168 K the logarithms vanish.
  EXPECT_DOUBLE_EQ(t::eta_first_density(168), 1.6969859271 - 0.13337234608 * 1.96);
  EXPECT_DOUBLE_EQ(t::lambda_first_density(168), -0.25276292 + 0.33432859 * 1.12 * 1.12);
  // Dilute part summed term by term at 300 K.
  const double g[9] = {2907741.307, -3312874.033, 1608101.838, -433190.4871, 70624.8133,
                       -7116.62075, 432.51744,    -14.4591121, 0.2037119479};
  double sum = 0.0;
  for (int i = 1; i <= 9; ++i) sum += g[i - 1] * std::pow(300.0, (i - 4) / 3.0);
  EXPECT_DOUBLE_EQ(t::eta_dilute(300), sum);
  // Friend, Ely and Ingham (1989) Table A1: dilute methane at 400 K, 14.23 uPa s.
  EXPECT_NEAR(t::eta_dilute(400) / 142.3, 1.0, 0.01);
}

TEST(TrappReferenceFluid, DenseTermsAndDensitySign) {
  // Zero density: only the dilute parts remain.
  EXPECT_DOUBLE_EQ(t::eta_ref(250, 0, 1.0, kM0), t::eta_dilute(250));
  const t::LambdaRef l0 = t::lambda_ref(250, 0, kM0);
  EXPECT_DOUBLE_EQ(l0.lambda, 0.001 * 7.452 * t::eta_dilute(250) / kM0 * 0.41868);
  EXPECT_DOUBLE_EQ(l0.eta_d, t::eta_dilute(250));
  // Xeta multiplies only the dense term.
  const double rho = 0.001 * kM0 * 20;
  EXPECT_NEAR(t::eta_ref(150, 20, 0.0, kM0), t::eta_dilute(150) + t::eta_first_density(150) * rho, 1e-12);
  const double dense = t::eta_ref(150, 20, 1.0, kM0) - t::eta_ref(150, 20, 0.0, kM0);
  EXPECT_NEAR(t::eta_ref(150, 20, 2.5, kM0) - t::eta_ref(150, 20, 0.0, kM0), 2.5 * dense, 1e-9 * dense);
  // The viscosity takes the density's absolute value; the conductivity does not.
  EXPECT_DOUBLE_EQ(t::eta_ref(150, -20, 1.0, kM0), t::eta_ref(150, 20, 1.0, kM0));
  EXPECT_TRUE(std::isnan(t::lambda_ref(150, -20, kM0).lambda));
}

TEST(TrappWorkLayout, OffsetTable) {
  std::int64_t iptr[10] = {};
  t::WorkLayout::viscosity(3).fill_iptr(iptr);  // o = 6
  const std::int64_t want[9] = {4 * 3 + 2 + 18, 1, 4, 7, 13, 19, 25, 28, 6};
  for (int k = 0; k < 9; ++k) EXPECT_EQ(iptr[k], want[k]) << "word " << k;
  EXPECT_EQ(iptr[9], 0);
  t::WorkLayout::thermal_conductivity(3).fill_iptr(iptr);
  EXPECT_EQ(iptr[0], 4 * 3 + 2 + 24);
  EXPECT_EQ(iptr[9], 4 * 3 + 1 + 18);
  // Pairs by rows of the upper triangle.
  EXPECT_EQ(t::pair_index(3, 1, 1), 1);
  EXPECT_EQ(t::pair_index(3, 1, 3), 3);
  EXPECT_EQ(t::pair_index(3, 2, 2), 4);
  EXPECT_EQ(t::pair_index(3, 3, 3), 6);
  // Storage the engines may touch.
  EXPECT_EQ(t::WorkLayout::viscosity(1).size(), 4 + 2 + 3 + 1);
  EXPECT_EQ(t::WorkLayout::thermal_conductivity(1).size(), 4 + 2 + 4 + 3);
  EXPECT_EQ(t::WorkLayout::thermal_conductivity(6).size(), 24 + 2 + 84 + 21);
}

TEST(TrappShapeFactors, ReferenceLikeComponentAndLimits) {
  // A component with the reference acentric factor: theta = 1 and phi = Zc0/Zc at any state.
  const t::Critical like{300, 0.2, 0.27, kRef.w0};
  for (double t0 : {50.0, 150.0, 900.0}) {
    const t::ShapeFactors s = t::shape_factors(1.5, 2.0, t0, 0.05, like, kRef);
    EXPECT_DOUBLE_EQ(s.theta, 1.0);
    EXPECT_DOUBLE_EQ(s.phi, kRef.zc0 / 0.27);
  }
  // Reduced temperatures above 2 and volumes outside [0.5, 2] are evaluated at the limits.
  const t::Critical c{400, 0.25, 0.27, 0.2};
  const auto at = [&](double tr, double vr) { return t::shape_factors(1.0, 1.0, tr * c.tc, vr * c.vc, c, kRef); };
  EXPECT_DOUBLE_EQ(at(3.0, 1.0).theta, at(2.0, 1.0).theta);
  EXPECT_DOUBLE_EQ(at(1.2, 0.1).phi, at(1.2, 0.5).phi);
  EXPECT_DOUBLE_EQ(at(1.2, 7.0).phi, at(1.2, 2.0).phi);
  // Inside the range no correction applies: the plain F and G functions.
  const double tr = 1.2, vr = 1.1, dw = 0.2 - kRef.w0;
  const double f = 0.090569 - 0.862762 * std::log(tr) + (0.316636 - 0.465684 / tr) * (vr - 0.5);
  const double g = 0.394901 * (vr - 1.023545) - 0.932813 * (vr - 0.754639) * std::log(tr);
  EXPECT_NEAR(at(tr, vr).theta, 1.0 + dw * f, 1e-14);
  EXPECT_NEAR(at(tr, vr).phi, (1.0 + dw * g) * kRef.zc0 / c.zc, 1e-14);
}

TEST(TrappShapeFactors, CorrectionsKeepFactorsPositive) {
  // A very acentric component far below its critical temperature: the uncorrected F would
  // make theta negative; the corrections keep both factors positive.
  const t::Critical heavy{700, 0.8, 0.25, 0.9};
  for (double tr : {0.2, 0.35, 0.45, 0.6}) {
    for (double vr : {0.4, 0.6, 1.0, 1.6}) {
      const t::ShapeFactors s = t::shape_factors(1.0, 1.0, tr * heavy.tc, vr * heavy.vc, heavy, kRef);
      EXPECT_GT(s.theta, 0.0) << tr << " " << vr;
      if (!(tr < 0.5 && vr > 1.5)) {
        EXPECT_GT(s.phi, 0.0) << tr << " " << vr;
      }
    }
  }
  // Below Tr 0.5 and above Vr 1.5, G uses ln Tr linearised about 0.5.
  const double tr = 0.3, vr = 1.8, dw = 0.9 - kRef.w0;
  const double q = -0.932813 * (vr - 0.754639);
  const double g = 0.394901 * (vr - 1.023545) + q * (2.0 * (tr - 0.5) - 0.6931471805599453);
  const t::ShapeFactors s = t::shape_factors(1.0, 1.0, tr * heavy.tc, vr * heavy.vc, heavy, kRef);
  EXPECT_NEAR(s.phi, (1.0 + dw * g) * kRef.zc0 / heavy.zc, 1e-14);
}

TEST(TrappMixing, OneFluidRulesAndMassScaling) {
  // A pure component: f_x = f_1, h_x = h_1; the mass scaling gives M_x = MW.
  {
    const t::WorkLayout w = t::WorkLayout::viscosity(1);
    std::vector<double> work(w.size(), 0.0);
    work[w.f] = 1.7;
    work[w.h] = 2.3;
    const double x[1] = {1.0};
    const t::Mixture m = t::combine_and_mix(w, work.data(), x);
    EXPECT_DOUBLE_EQ(m.fx, 1.7);
    EXPECT_NEAR(m.hx, 2.3, 1e-14);
    const t::MassScaling v = t::mass_scaling(0, w, work.data(), x, m, [](std::int64_t) { return 44.0; }, kM0);
    EXPECT_NEAR(v.mx, 44.0, 1e-12);
    EXPECT_NEAR(v.factor, std::pow(2.3, -2.0 / 3.0) * std::sqrt(1.7 * 44.0 / kM0), 1e-14);
    const t::MassScaling k = t::mass_scaling(1, w, work.data(), x, m, [](std::int64_t) { return 44.0; }, kM0);
    EXPECT_NEAR(k.mx, 44.0, 1e-12);
    EXPECT_NEAR(k.factor, std::pow(2.3, -2.0 / 3.0) * std::sqrt(1.7 * kM0 / 44.0), 1e-14);
  }
  // A component mixed with itself behaves as the pure component.
  {
    const t::WorkLayout w = t::WorkLayout::viscosity(2);
    std::vector<double> work(w.size(), 0.0);
    work[w.f] = work[w.f + 1] = 1.7;
    work[w.h] = work[w.h + 1] = 2.3;
    const double x[2] = {0.3, 0.7};
    const t::Mixture m = t::combine_and_mix(w, work.data(), x);
    EXPECT_NEAR(m.fx, 1.7, 1e-14);
    EXPECT_NEAR(m.hx, 2.3, 1e-14);
  }
  // Two different components: the van der Waals one-fluid rules by hand.
  {
    const t::WorkLayout w = t::WorkLayout::viscosity(2);
    std::vector<double> work(w.size(), 0.0);
    work[w.f] = 1.2, work[w.f + 1] = 2.0;
    work[w.h] = 1.5, work[w.h + 1] = 3.0;
    const double x[2] = {0.4, 0.6};
    const t::Mixture m = t::combine_and_mix(w, work.data(), x);
    const double f12 = std::sqrt(2.4), h12 = 0.125 * std::pow(std::cbrt(1.5) + std::cbrt(3.0), 3);
    const double hx = 0.16 * 1.5 + 2 * 0.24 * h12 + 0.36 * 3.0;
    const double fx = (0.16 * 1.2 * 1.5 + 2 * 0.24 * f12 * h12 + 0.36 * 6.0) / hx;
    EXPECT_NEAR(m.hx, hx, 1e-13);
    EXPECT_NEAR(m.fx, fx, 1e-13);
    EXPECT_NEAR(work[w.fh + 1], f12 * h12, 1e-13);
    EXPECT_EQ(t::pair_sum(0, x, work.data()), 0.0);
  }
}

}  // namespace
