// KOVA_MUL205, liquid viscosity with bio-components: the solvent log-mean with its stored
// reciprocal, the concentration-averaged factor, the tangent extrapolation and its messages.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "kova/kova.h"
#include "mixing/mixing.h"
#include "mixing/mixing_fixture.h"

namespace kova::mixing {
namespace {

class Mul205 : public MixingTest {
 protected:
  // Water and ethanol as the solvent, acetic acid and 1-butanol standing in for two
  // bio-components.
  Components comp{{"water", "ethanol", "acetic acid", "1-butanol"}};
  std::vector<double> x{0.8, 0.15, 0.03, 0.02}, mul{8.9e-4, 1.07e-3, 0.0, 0.0};
  std::vector<std::int64_t> kbio{0, 0, 1, 1};
  // a, b, d, lower, upper per component (only the bio ones are read).
  std::vector<double> mulbps{0,     0,    0,    0,    0,     0,     0,    0,   0,    0,
                             -1e-3, 2e-6, 1e-9, 10.0, 200.0, -3e-3, 1e-6, 0.0, 20.0, 100.0};
  std::vector<double> vl = std::vector<double>(4, -1.0);
  double t = 300.0, mulmx = -1.0, xtol = 1e-6;
  std::int64_t kdiag = 0;

  void SetUp() override {
    MixingTest::SetUp();
    comp.set.install();
  }
  void call() {
    KOVA_MUL205(&t, x.data(), &comp.n, comp.idx.data(), mul.data(), &kdiag, nullptr, nullptr, nullptr, nullptr, nullptr,
                nullptr, nullptr, nullptr, nullptr, kbio.data(), comp.mw.data(), mulbps.data(), vl.data(), nullptr,
                &mulmx, &xtol, nullptr, nullptr, nullptr, nullptr, nullptr);
  }
  double solvent() const {
    const double xs = x[0] + x[1];
    return std::exp(x[0] / xs * std::log(mul[0]) + x[1] / xs * std::log(mul[1]));
  }
  // The mass concentrations of the two bio entries, from the host's volumes, kg/m3.
  std::pair<double, double> concentrations() {
    std::vector<double> v(4);
    const std::int64_t one = 1;
    double vmx = 0.0;
    LUMENA_VL004(&t, &comp.n, comp.idx.data(), &one, &kdiag, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                 nullptr, nullptr, nullptr, v.data(), nullptr, nullptr, nullptr, nullptr, comp.mw.data(), nullptr,
                 nullptr);
    LUMENA_IDLMIX(x.data(), &comp.n, &one, v.data(), &vmx, nullptr);
    return {x[2] * comp.mw[2] / vmx, x[3] * comp.mw[3] / vmx};
  }
  BioFactor averaged(double c3, double c4) const {
    return {(mulbps[10] * c3 + mulbps[15] * c4) / (c3 + c4),
            (mulbps[11] * c3 * c3 + mulbps[16] * c4 * c4) / (c3 * c3 + c4 * c4),
            (mulbps[12] * c3 * c3 * c3 + mulbps[17] * c4 * c4 * c4) / (c3 * c3 * c3 + c4 * c4 * c4)};
  }
};

TEST_F(Mul205, WithoutBioComponentsTheLogMeanAndNoHostCalls) {
  kbio = {0, 0, 0, 0};
  x = {0.2, 0.6, 0.0, 0.0};
  call();
  EXPECT_NEAR(mulmx, std::exp((0.2 * std::log(8.9e-4) + 0.6 * std::log(1.07e-3)) / 0.8), 1e-18);
  EXPECT_EQ(vl, std::vector<double>(4, -1.0));  // no liquid volumes were asked for
  // A zero pure viscosity enters as the host's small threshold.
  x = {0.5, 0.5, 0.0, 0.0};
  mul[1] = 0.0;
  call();
  EXPECT_NEAR(mulmx, std::exp(0.5 * std::log(8.9e-4) + 0.5 * std::log(1e-10)), 1e-20);
  // An empty list: 1.0.
  comp.n = 0;
  call();
  EXPECT_EQ(mulmx, 1.0);
}

TEST_F(Mul205, InsideTheBoundsThePolynomialOfTheAveragedParameters) {
  call();
  const auto [c3, c4] = concentrations();
  const double ct = c3 + c4;
  const double lower = (10.0 * c3 + 20.0 * c4) / ct, upper = (200.0 * c3 + 100.0 * c4) / ct;
  ASSERT_GT(ct, lower);
  ASSERT_LT(ct, upper);
  EXPECT_NEAR(mulmx / (solvent() / averaged(c3, c4).value(ct)), 1.0, 1e-13);
  EXPECT_GT(vl[2], 0.0);  // the host's volumes went to the caller's VL
  EXPECT_TRUE(rec().gate_calls.empty());
}

TEST_F(Mul205, AboveTheUpperBoundTheReciprocalFollowsTheTangent) {
  mulbps[14] = 20.0;  // upper bounds well below the concentration
  mulbps[19] = 20.0;
  mulbps[13] = 1.0;
  mulbps[18] = 1.0;
  refhost::force_gate(1);
  call();
  const auto [c3, c4] = concentrations();
  const double ct = c3 + c4, cu = 20.0;
  const BioFactor f = averaged(c3, c4);
  const double recip = 1.0 / f.value(cu) - (ct - cu) * f.slope(cu) / (f.value(cu) * f.value(cu));
  EXPECT_NEAR(mulmx / (solvent() * recip), 1.0, 1e-12);
  ASSERT_EQ(rec().gate_calls.size(), 1u);
  EXPECT_EQ(rec().gate_calls[0].id, "MUL2    05      ");
  EXPECT_EQ(rec().gate_calls[0].cls, 3);
  EXPECT_EQ(rec().gate_calls[0].num, 2);
  EXPECT_EQ(rec().gate_calls[0].closing_int, 2);
  ASSERT_EQ(rec().printed.size(), 1u);
  EXPECT_EQ(rec().printed[0].nlines, 4);
  const std::vector<std::string> lines = printed(0);
  EXPECT_EQ(lines[0], "      TOTAL BIO-COMPONENT CONCENTRATION MORE THAN AVERAGE UPPER BOUND ON");
  EXPECT_EQ(lines[1], "      MULBPS PARAMETERS. EXTRAPOLATION WITH SLOPE PERFORMED BEYOND BOUND.");
  EXPECT_EQ(lines[2].substr(0, 29), "      TOTAL CONCENTRATION IS ");
  EXPECT_NE(lines[2].find("KG/CUM. AVERAGE UPPER BOUND"), std::string::npos);
  EXPECT_EQ(lines[3], "      IS    20.000");
}

TEST_F(Mul205, BoundMessagesPrintOnlyOnAGateAnswerOfExactlyOne) {
  mulbps[13] = 500.0;  // lower bounds above the concentration
  mulbps[18] = 500.0;
  mulbps[14] = 900.0;
  mulbps[19] = 900.0;
  refhost::force_gate(2);
  call();
  const double with_two = mulmx;
  EXPECT_EQ(rec().gate_calls.size(), 1u);
  EXPECT_EQ(rec().gate_calls[0].num, 1);
  EXPECT_TRUE(rec().printed.empty());
  refhost::force_gate(1);
  call();
  EXPECT_EQ(mulmx, with_two);
  ASSERT_EQ(rec().printed.size(), 1u);
  EXPECT_EQ(printed(0)[0], "      TOTAL BIO-COMPONENT CONCENTRATION LESS THAN AVERAGE LOWER BOUND ON");
  EXPECT_EQ(printed(0)[3], "      IS    500.00");
}

TEST_F(Mul205, ExactlyAtABoundThePolynomialWithoutMessage) {
  // One bio-component with a concentration: the averaged bounds are (l c) / c, which a bound
  // within an ulp of c turns into c itself.
  x[3] = 0.0;
  const double c = concentrations().first;
  double l = c;
  for (int k = 0; k < 4 && (l * c + mulbps[18] * 0.0) / c != c; ++k) l = std::nextafter(l, (l * c) / c > c ? 0.0 : 1e9);
  ASSERT_EQ((l * c) / c, c);
  for (int side = 0; side < 2; ++side) {
    mulbps[13] = side == 0 ? l : 1.0;  // at the lower bound, then at the upper one
    mulbps[14] = side == 0 ? 1e3 : l;
    refhost::force_gate(1);
    call();
    EXPECT_TRUE(rec().gate_calls.empty()) << side;
    EXPECT_NEAR(mulmx / (solvent() / averaged(c, 0.0).value(c)), 1.0, 1e-13);
  }
}

TEST_F(Mul205, FarBeyondABoundTheResultIsHeldPositive) {
  // A steep factor with a low upper bound: the continued reciprocal reaches zero.
  mulbps[10] = mulbps[15] = 0.5;
  mulbps[14] = mulbps[19] = 1.0;
  mulbps[13] = mulbps[18] = 0.0;
  call();
  EXPECT_EQ(mulmx, 1e-10);
}

TEST_F(Mul205, BioComponentsWithoutConcentrationLeaveTheSolvent) {
  x = {0.8, 0.2, 0.0, 0.0};
  call();
  EXPECT_NEAR(mulmx, solvent(), 1e-18);
}

TEST_F(Mul205, StoredReciprocalServesASolventTotalBelowTheTolerance) {
  kbio = {0, 0, 0, 0};
  x = {0.25, 0.25, 0.0, 0.0};
  call();  // stores 1/0.5
  xtol = 0.1;
  x = {0.01, 0.02, 0.0, 0.0};
  call();  // 0.03 < XTOL: the weights are 2*x
  EXPECT_NEAR(mulmx, std::exp(0.02 * std::log(8.9e-4) + 0.04 * std::log(1.07e-3)), 1e-15);
  // An empty solvent with a non-positive tolerance stores nothing infinite.
  xtol = 0.0;
  x = {0.0, 0.0, 0.0, 0.0};
  call();
  EXPECT_EQ(mulmx, 1.0);
  xtol = 0.1;
  x = {0.01, 0.02, 0.0, 0.0};
  call();
  EXPECT_TRUE(std::isfinite(mulmx));
  EXPECT_NEAR(mulmx, std::exp(0.02 * std::log(8.9e-4) + 0.04 * std::log(1.07e-3)), 1e-15);
}

}  // namespace
}  // namespace kova::mixing
