// Liquid mixtures and diffusion: the physics functions against published values and their
// defining properties.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "mixing/mixing.h"

namespace kova::mixing {
namespace {

std::string word(const char* s) { return (std::string(s) + "        ").substr(0, 8); }

// ---------------------------------------------------------------- Li
TEST(Li, Dippr9IExample) {
  // DIPPR procedure 9I example (chemicals, DIPPR9I docstring): 0.25397430656658937 W/(m K).
  const std::vector<double> x{0.682, 0.318}, vl{0.01723, 0.07338}, kl{0.6037, 0.1628};
  EXPECT_NEAR(li_conductivity(x, vl, kl), 0.25397430656658937, 1e-10);
}

TEST(Li, HandValuesAndLimits) {
  // Equal volumes, 0.5/0.5, 0.1 and 0.2: 0.25*0.1 + 0.25*0.2 + 0.5*2/(10+5) = 17/120.
  const std::vector<double> x{0.5, 0.5}, v{0.1, 0.1};
  EXPECT_NEAR(li_conductivity(x, v, std::vector<double>{0.1, 0.2}), 17.0 / 120.0, 1e-15);
  // Equal conductivities give that conductivity whatever the composition and volumes.
  for (double x1 : {0.1, 0.37, 0.9})
    EXPECT_NEAR(li_conductivity(std::vector<double>{x1, 1 - x1}, std::vector<double>{0.02, 0.3},
                                std::vector<double>{0.13, 0.13}),
                0.13, 1e-15);
  EXPECT_EQ(li_conductivity({}, {}, {}), 0.0);
  // No volume at all: no fractions can be formed.
  EXPECT_TRUE(std::isnan(
      li_conductivity(std::vector<double>{0.0, 0.0}, std::vector<double>{0.1, 0.1}, std::vector<double>{0.1, 0.2})));
}

// ---------------------------------------------------------------- Dawson-Khoury-Kobayashi
TEST(DawsonKhouryKobayashi, FactorIsThePublishedCubic) {
  EXPECT_EQ(dkk_factor(0.0), 1.0);
  EXPECT_NEAR(dkk_factor(1.0), 0.993525, 1e-15);
  for (double r : {0.3, 1.7, 2.5})
    EXPECT_NEAR(dkk_factor(r), 1 + 0.053432 * r - 0.030182 * r * r - 0.029725 * r * r * r, 1e-14);
  // D = D0 f V / V0.
  EXPECT_NEAR(dkk_diffusivity(2e-5, 0.2, 10.0, 0.2), 2e-5 * 0.993525 * 0.2 / 10.0, 1e-20);
}

TEST(DawsonKhouryKobayashi, PairFractionBranches) {
  auto y = dkk_pair_fractions(0.2, 0.6);
  EXPECT_DOUBLE_EQ(y.yk, 0.25);
  EXPECT_DOUBLE_EQ(y.yl, 0.75);
  y = dkk_pair_fractions(0.0, 0.0);
  EXPECT_EQ(y.yk, 0.5);
  EXPECT_EQ(y.yl, 0.5);
  y = dkk_pair_fractions(0.0, 0.3);
  EXPECT_EQ(y.yk, 0.0);
  EXPECT_EQ(y.yl, 1.0);
  y = dkk_pair_fractions(0.3, 0.0);
  EXPECT_EQ(y.yk, 1.0);
  EXPECT_EQ(y.yl, 0.0);
  // Traces below 1E-25 go through logarithms and still sum to 1.
  y = dkk_pair_fractions(1e-30, 3e-30);
  EXPECT_NEAR(y.yk, 0.25, 1e-14);
  EXPECT_NEAR(y.yl, 0.75, 1e-14);
  y = dkk_pair_fractions(1e-30, 0.5);
  EXPECT_NEAR(y.yk, 2e-30, 1e-43);
  EXPECT_NEAR(y.yl, 1.0, 1e-15);
}

// ---------------------------------------------------------------- Wilke-Chang
TEST(WilkeChang, AssociationFactorsFromFormulaWords) {
  struct Row {
    const char *w1, *w2;
    double phi;
  } rows[] = {{"H2O", "", 2.26},    {"CH4O", "", 1.9},     {"C2H6", "O-2", 1.5}, {"C3H8", "O-1", 1.2},
              {"C3H8", "O-2", 1.2}, {"C4H1", "0O-1", 1.2}, {"C2H6", "O-1", 1.0}, {"C4H1", "0O-2", 1.0},
              {"H2O", "X", 1.0},    {"CH4O", "-1", 1.0},   {"C2H6", "", 1.0},    {"C6H6", "", 1.0},
              {"H2O2", "", 1.0},    {"C3H8", "", 1.0}};
  for (const Row& r : rows) EXPECT_EQ(association_factor(word(r.w1), word(r.w2)), r.phi) << r.w1 << "/" << r.w2;
  EXPECT_TRUE(wilke_chang_water(word("H2O"), word("")));
  EXPECT_FALSE(wilke_chang_water(word("H2O"), word("-1")));
  EXPECT_FALSE(wilke_chang_water(word("H2O2"), word("")));
}

TEST(WilkeChang, ConstantIsTheTextbookFormInSI) {
  // Textbook form: D[cm2/s] = 7.4E-8 (phi M)^0.5 T / (mu[cP] V[cm3/mol]^0.6).
  const double t = 298.15, phi = 2.26, mw = 18.015, mu_cp = 0.89, vb_cm3 = 96.0;
  const double textbook = 7.4e-8 * std::sqrt(phi * mw) * t / (mu_cp * std::pow(vb_cm3, 0.6)) * 1e-4;
  EXPECT_NEAR(wilke_chang(t, phi, mw, mu_cp * 1e-3, vb_cm3 * 1e-3) / textbook, 1.0, 5e-6);
  // Water as solvent with 2.26 in place of Wilke and Chang's 2.6: sqrt(2.26/2.6) = 0.9323.
  EXPECT_NEAR(wilke_chang(t, 2.26, mw, 1e-3, 0.1) / wilke_chang(t, 2.6, mw, 1e-3, 0.1), 0.93232, 1e-5);
}

TEST(WilkeChang, VignesCombination) {
  const double dkl = 2e-9, dlk = 3e-9, muk = 1e-3, mul = 5e-4, mumx = 7e-4;
  // At the two ends it is the infinite-dilution coefficient scaled by the viscosity ratio.
  EXPECT_NEAR(vignes_viscosity_weighted(dkl, mul, dlk, muk, 0.4, 0.0, mumx), dlk * muk / mumx, 1e-22);
  EXPECT_NEAR(vignes_viscosity_weighted(dkl, mul, dlk, muk, 0.0, 0.4, mumx), dkl * mul / mumx, 1e-22);
  // Only the pair's own proportion matters.
  EXPECT_NEAR(vignes_viscosity_weighted(dkl, mul, dlk, muk, 0.1, 0.3, mumx),
              std::pow(dkl * mul, 0.75) * std::pow(dlk * muk, 0.25) / mumx, 1e-22);
  // No pair fractions: the geometric mean.
  EXPECT_NEAR(vignes_viscosity_weighted(dkl, mul, dlk, muk, 0.0, 0.0, mumx), std::sqrt(dkl * mul * dlk * muk) / mumx,
              1e-22);
}

TEST(WilkeChang, MixedSolventReducesToTheBinaryForm) {
  // One solvent of fraction 0.4: q/s = phi M.
  const double t = 310.0;
  EXPECT_NEAR(wilke_chang_mixed(t, 0.4 * 32.042 * 1.9, 0.4, 6e-4, 0.07), wilke_chang(t, 1.9, 32.042, 6e-4, 0.07),
              1e-24);
}

// ---------------------------------------------------------------- bio-component factor
TEST(BioViscosity, DivisorInsideAndBeyondTheBounds) {
  const BioFactor f{2e-3, 1e-5, 1e-8};
  EXPECT_NEAR(f.value(10.0), 1 + 0.02 + 1e-3 + 1e-5, 1e-15);
  EXPECT_NEAR(f.slope(10.0), 2e-3 + 2e-4 + 3e-6, 1e-15);
  // Inside (bounds inclusive): the polynomial.
  for (double c : {5.0, 20.0, 50.0}) {
    const BioDivisor d = bio_divisor(f, c, 5.0, 50.0);
    EXPECT_EQ(d.range, BioRange::Inside);
    EXPECT_EQ(d.o, f.value(c));
  }
  // Above: 1/o continues 1/F along its tangent at the upper bound.
  const double cu = 50.0, ct = 80.0;
  BioDivisor d = bio_divisor(f, ct, 5.0, cu);
  EXPECT_EQ(d.range, BioRange::AboveUpper);
  const double fu = f.value(cu);
  EXPECT_NEAR(1.0 / d.o, 1.0 / fu - (ct - cu) * f.slope(cu) / (fu * fu), 1e-15);
  // The tangent really is the slope of 1/F: a short step matches a finite difference.
  const double h = 1e-4;
  d = bio_divisor(f, cu + h, 5.0, cu);
  EXPECT_NEAR(1.0 / d.o, 1.0 / f.value(cu + h), 1e-12);
  // Below the lower bound; with crossed bounds the lower one wins.
  d = bio_divisor(f, 2.0, 5.0, 50.0);
  EXPECT_EQ(d.range, BioRange::BelowLower);
  EXPECT_NEAR(1.0 / d.o, 1.0 / f.value(5.0) + 3.0 * f.slope(5.0) / (f.value(5.0) * f.value(5.0)), 1e-15);
  EXPECT_EQ(bio_divisor(f, 10.0, 20.0, 5.0).range, BioRange::BelowLower);
}

}  // namespace
}  // namespace kova::mixing
