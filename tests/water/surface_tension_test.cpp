// Water surface tension and the mixture rule.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "correlations/host_fixture.h"
#include "kova/kova.h"
#include "water/surface_tension.h"

namespace kova::water {
namespace {

class SurfaceTension : public testing::HostTest {
 protected:
  std::vector<kova_word> cform{refhost::pack_word("CH4"), refhost::pack_word(""), refhost::pack_word(""),
                               refhost::pack_word("H2O"), refhost::pack_word(""), refhost::pack_word("")};
  double sig003(double t, std::int64_t kcalc = 1, double start = -1.0) {
    const std::int64_t n = 2, idx[] = {1, 2};
    double sigma[2] = {-9.0, start};
    KOVA_SIG003(&t, &n, &kcalc, idx, nullptr, nullptr, nullptr, nullptr, sigma, cform.data());
    EXPECT_EQ(sigma[0], -9.0);
    return sigma[1];
  }
};

// IAPWS 1994 values (chemicals, sigma_IAPWS docstring) and the offsets that the IPTS-68
// critical temperature of this form (647.067 K instead of 647.096 K) puts on them.
TEST_F(SurfaceTension, WaterAgainstIapws1994) {
  EXPECT_NEAR(sig003(300) / 0.0716859625271 - 1, -2.94e-5, 2e-6);
  EXPECT_NEAR(sig003(450) / 0.0428914991565 - 1, -1.05e-4, 2e-6);
  EXPECT_NEAR(sig003(600) / 0.0083756108728 - 1, -6.96e-4, 2e-6);
}

TEST_F(SurfaceTension, WaterRangeEnds) {
  const double tau = 1 - 273.16 / 647.27 / 0.999686;
  EXPECT_DOUBLE_EQ(sig003(273.16), 0.2358 * std::pow(tau, 1.256) * (1 - 0.625 * tau));
  EXPECT_EQ(sig003(273.15), 0.0);
  EXPECT_EQ(sig003(647.067), 0.0);
  EXPECT_EQ(sig003(647.0669995), 0.0);  // within the host's tolerance 1e-6 of 647.067 K
  EXPECT_GT(sig003(647.06), 0.0);
  EXPECT_EQ(sig003(700), 0.0);
}

// KCALC = 0, or no water in the list: SIGMA is left as passed.
TEST_F(SurfaceTension, WaterNotComputed) {
  sig003(300);
  EXPECT_EQ(sig003(350, 0, -5.0), -5.0);
  const double t = 300;
  const std::int64_t n = 1, kcalc = 1, idx = 1;
  double sigma = -4.0;
  KOVA_SIG003(&t, &n, &kcalc, &idx, nullptr, nullptr, nullptr, nullptr, &sigma, cform.data());
  EXPECT_EQ(sigma, -4.0);
  EXPECT_TRUE(rec().gate_calls.empty());
}

double sig203(std::vector<double> x, std::vector<double> sig, std::vector<double> vw, std::vector<std::int64_t> kmark,
              std::int64_t nexp) {
  const std::int64_t n = static_cast<std::int64_t>(x.size());
  std::vector<std::int64_t> idx(x.size());
  for (std::size_t j = 0; j < idx.size(); ++j) idx[j] = static_cast<std::int64_t>(j) + 1;
  double out = -1;
  KOVA_SIG203(x.data(), &n, idx.data(), &nexp, sig.data(), nullptr, vw.data(), kmark.data(), &out);
  return out;
}

// API procedure 10A2.1 example (via pychemqt): 37.9 % benzene in cyclohexane at 298.15 K,
// 25.8 dyn/cm printed; the rule is the plain mole-fraction average.
TEST_F(SurfaceTension, MixtureApiExample) {
  EXPECT_NEAR(sig203({0.379, 0.621}, {0.0282, 0.0243}, {1, 1}, {0, 0}, 1) / 0.0258 - 1, 0.0, 0.002);
  EXPECT_DOUBLE_EQ(sig203({0.379, 0.621}, {0.0282, 0.0243}, {1, 1}, {0, 0}, 0),
                   sig203({0.379, 0.621}, {0.0282, 0.0243}, {1, 1}, {0, 0}, 1));
}

TEST_F(SurfaceTension, MixtureRule) {
  // n = -1: the harmonic-type mean of the unmarked group.
  EXPECT_DOUBLE_EQ(sig203({0.25, 0.75}, {0.02, 0.07}, {1, 1}, {0, 0}, -1), 1.0 / (0.25 / 0.02 + 0.75 / 0.07));
  // n = 4: the power mean.
  EXPECT_DOUBLE_EQ(sig203({0.5, 0.5}, {0.02, 0.07}, {1, 1}, {0, 0}, 4),
                   std::pow(0.5 * std::pow(0.02, 4) + 0.5 * std::pow(0.07, 4), 0.25));
  // A marked component enters by its weighted fraction; the rest keeps the power mean.
  const double phi = 0.2 * 3.0 / (0.2 * 3.0 + 0.3 * 1.0 + 0.5 * 1.0);
  EXPECT_DOUBLE_EQ(sig203({0.2, 0.3, 0.5}, {0.072, 0.02, 0.03}, {3, 1, 1}, {1, 0, 0}, 1),
                   phi * 0.072 + (0.3 / 0.8 * 0.02 + 0.5 / 0.8 * 0.03) * (1 - phi));
  // Everything marked: sum of phi sigma, also with a negative exponent.
  const double phi1 = 0.4 * 2 / (0.4 * 2 + 0.6 * 1);
  EXPECT_DOUBLE_EQ(sig203({0.4, 0.6}, {0.07, 0.02}, {2, 1}, {1, 1}, -1), phi1 * 0.07 + (1 - phi1) * 0.02);
  // N < 1: zero.
  EXPECT_EQ(sig203({}, {}, {}, {}, 1), 0.0);
}

// The unmarked group's mole fractions sum to zero: its entries are treated as absent rather
// than dividing by zero.
TEST_F(SurfaceTension, MixtureDegenerateGroups) {
  EXPECT_DOUBLE_EQ(sig203({1.0, 0.0}, {0.07, 0.02}, {1, 1}, {1, 0}, 1), 0.07);
  EXPECT_DOUBLE_EQ(sig203({1.0, 0.0}, {0.07, 0.02}, {1, 1}, {1, 0}, -2), 0.07);
  // Weights summing to zero: the marked entries contribute nothing.
  EXPECT_DOUBLE_EQ(sig203({0.5, 0.5}, {0.07, 0.02}, {0, 0}, {1, 0}, 1), 0.02);
  for (double v : {sig203({0.0, 0.0}, {0.07, 0.02}, {1, 1}, {0, 0}, 1), sig203({0.0}, {0.07}, {0}, {1}, -1)})
    EXPECT_TRUE(std::isfinite(v));
}

}  // namespace
}  // namespace kova::water
