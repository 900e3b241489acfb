// The named contributions of the 1985 water formulations and the scaled equation of the
// critical region, from the words of the water blocks as the reference host fills them.
#include <gtest/gtest.h>

#include <cmath>

#include "kova/kova.h"
#include "water/iapws85.h"
#include "water/scaled_equation.h"

using namespace kova::water;

namespace {

double rel(double a, double b) { return std::fabs(a / b - 1.0); }

const Reference& ref() {
  static const Reference r = reference(KOVA_REFH2O);
  return r;
}

double conductivity_background(double t, double rho) {
  double l[4], lij[30];
  for (int k = 0; k < 4; ++k) l[k] = block_word(KOVA_H2OKS1, 1 + k);
  for (int k = 0; k < 30; ++k) lij[k] = block_word(KOVA_H2OKS1, 5 + k);
  const double tbar = t / ref().tstar, rhobar = rho / ref().rhostar;
  return ref().lambdastar * conductivity_dilute(tbar, l) * conductivity_residual(tbar, rhobar, lij);
}

}  // namespace

TEST(Water85, ReferenceConstants) {
  // IAPS 1985 releases (IPTS-68 form).
  EXPECT_EQ(ref().tstar, 647.27);
  EXPECT_EQ(ref().rhostar, 317.763);
  EXPECT_EQ(ref().pstar, 22.115e6);
  EXPECT_EQ(ref().mustar, 55.071e-6);
  EXPECT_EQ(ref().lambdastar, 0.4945);
}

// mu* mu0 mu1 and lambda* lambda0 lambda1 at given (T, rho): values computed from the block
// words with an independent implementation of the same formulas (not published values).
// The last three rows lie within the floors of the viscosity's residual factor.
TEST(Water85, BackgroundTermsAtGivenDensity) {
  struct Row {
    double t, rho, mu_upas, lambda_mw;
  };
  const Row rows[] = {
      {298.15, 998.0, 890.007027, 608.113344},   {298.15, 1200.0, 1327.082739, 845.430581},
      {373.15, 1000.0, 308.595693, 731.974378},  {433.15, 1.0, 14.531120, 30.286733},
      {433.15, 1000.0, 216.243239, 816.147083},  {873.15, 1.0, 32.624315, 80.066912},
      {873.15, 100.0, 35.732149, 116.825826},    {873.15, 600.0, 78.135881, 415.848866},
      {1173.15, 1.0, 44.093972, 121.828112},     {1173.15, 100.0, 48.019474, 164.469025},
      {1173.15, 400.0, 66.996551, 267.597204},   {647.27, 317.763, 39.148718, 195.052191},
      {650.0, 318.0, 39.249137, 195.008119},     {645.0, 330.0, 40.058845, 202.251711},
  };
  for (const Row& row : rows) {
    const auto mu = reduced_viscosity(row.t / ref().tstar, row.rho / ref().rhostar, KOVA_H2OMU1);
    // Printed with six decimals.
    EXPECT_NEAR(ref().mustar * mu.mu0 * mu.mu1 * 1e6, row.mu_upas, 6e-7) << row.t << " K " << row.rho;
    EXPECT_NEAR(conductivity_background(row.t, row.rho) * 1e3, row.lambda_mw, 6e-7) << row.t << " K " << row.rho;
  }
}

// The floors of the viscosity's residual factor: at rho* exactly the first power of
// (rho-bar - 1) is +0.005, not 0, so the factor differs from the unfloored sum.
TEST(Water85, ResidualFloorsAndSigns) {
  double hij[42] = {};
  hij[0 + 6 * 1] = 1.0;  // H01 alone: mu1 = exp(rho-bar * B1)
  EXPECT_DOUBLE_EQ(viscosity_residual(0.9, 1.0, hij), std::exp(0.005));
  EXPECT_DOUBLE_EQ(viscosity_residual(0.9, 0.999, hij), std::exp(0.999 * -0.005));
  EXPECT_DOUBLE_EQ(viscosity_residual(0.9, 1.2, hij), std::exp(1.2 * 0.2));
  double hij2[42] = {};
  hij2[2] = 1.0;  // H20: mu1 = exp(rho-bar * A2), A2 = (+0.004)^2 at T* exactly
  EXPECT_DOUBLE_EQ(viscosity_residual(1.0, 1.0, hij2), std::exp(0.004 * 0.004));
  double lij[30] = {};
  lij[0 + 5 * 1] = 1.0;
  EXPECT_DOUBLE_EQ(conductivity_residual(0.9, 1.0, lij), std::exp(1e-12));
}

TEST(Water85, ViscosityCriticalFactor) {
  EXPECT_EQ(viscosity_critical(21.929999), 1.0);
  EXPECT_DOUBLE_EQ(viscosity_critical(21.93), 0.922 * std::pow(21.93, 0.0263));
  EXPECT_GT(viscosity_critical(1000.0), 1.1);
}

// lambda* lambda2 for given chi-bar and (dP-bar/dT-bar)_rho (IAPWS-95 derivatives), values
// computed with the same formula independently (not published values).
TEST(Water85, ConductivityCriticalTerm) {
  struct Row {
    double t, rho, chi, dpdt, lambda2_mw;
  };
  const Row rows[] = {
      {523.15, 800.0850, 0.202573, 39.2671, 0.10555},  {623.15, 583.2817, 1.03919, 18.8835, 45.58451},
      {673.15, 63.8121, 0.0838417, 1.26987, 5.93530},  {773.15, 257.0726, 0.473749, 6.34279, 25.53981},
  };
  for (const Row& row : rows) {
    const double tbar = row.t / ref().tstar, rhobar = row.rho / ref().rhostar;
    const auto mu = reduced_viscosity(tbar, rhobar, KOVA_H2OMU1);
    const double l2 = ref().lambdastar * conductivity_critical(tbar, rhobar, row.chi, row.dpdt, mu.mu0, mu.mu1, 1e-6);
    EXPECT_NEAR(l2 * 1e3, row.lambda2_mw, 1e-5 + 1e-5 * row.lambda2_mw) << row.t;
  }
  // At T* exactly the tolerance stands in for (T-bar - 1) in the exponential.
  const double eps = 1e-3;
  EXPECT_DOUBLE_EQ(conductivity_critical(1.0, 1.2, 1.0, 1.0, 1.0, 1.0, eps),
                   0.0013848 * std::exp(-18.66 * eps * eps - 0.04 * 0.04) * (1.0 / 1.2) * (1.0 / 1.2) * std::sqrt(1.2));
}

// SRTHET / H2OCHI outputs of an independent implementation of the same algorithm from the
// same words (not published values); agreement to the iteration tolerance 1e-5.
TEST(Water85, ScaledEquationRegression) {
  struct Row {
    double t, p_mpa;
    int phase;
    double r, theta, chi, dpdt;
    bool inner_limit;
  };
  const Row rows[] = {
      {647.5, 22.15, 1, 2.263890e-03, -0.713293, 98.9283, 7.23562, true},
      {647.5, 22.16, 1, 7.688686e-04, -0.305321, 445.6967, 7.69556, true},
      {647.5, 22.17, 2, 1.517847e-03, +0.639976, 174.5982, 8.34669, true},
      {647.5, 22.20, 2, 4.557371e-03, +0.790264, 42.8653, 9.05001, true},
      {648.0, 22.30, 1, 1.523862e-03, +0.203977, 197.0574, 8.01685, true},
      {650.0, 22.80, 1, 5.138897e-03, -0.290733, 42.1542, 7.50148, true},
      {650.0, 23.00, 2, 1.005893e-02, +0.639807, 17.5323, 9.41882, true},
      {652.0, 23.30, 1, 8.578966e-03, -0.283644, 22.2868, 7.41526, true},
      {646.0, 22.50, 2, 3.430624e-02, +0.878063, 3.9064, 12.41886, false},
      {646.0, 21.50, 1, 2.812637e-02, -0.872450, 3.8693, 5.25513, false},
  };
  const ScaledParams sp = scaled_params(KOVA_REFH2O);
  for (const Row& row : rows) {
    const double p = row.p_mpa * 1e6;
    const ThetaSearch ts = solve_theta(row.t, p, row.phase, 0.0, sp);
    EXPECT_FALSE(ts.outer_limit);
    EXPECT_EQ(ts.inner_limit, row.inner_limit) << row.t << " " << row.p_mpa;
    EXPECT_LT(rel(ts.r, row.r), 1e-4) << row.t << " " << row.p_mpa;
    EXPECT_NEAR(ts.theta, row.theta, 1e-4) << row.t << " " << row.p_mpa;
    const double tbar = row.t / ref().tstar, pbar = p / ref().pstar;
    const double s = scaled_susceptibility(ts.r, ts.theta, sp);
    EXPECT_LT(rel(scaled_chi(s, tbar, sp), row.chi), 1e-4) << row.t << " " << row.p_mpa;
    EXPECT_LT(rel(scaled_dpdt(ts.r, ts.theta, s, row.t, pbar, tbar, ref().pstar, sp), row.dpdt), 1e-5);
  }
}
