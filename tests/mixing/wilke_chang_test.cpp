// KOVA_DL001 and KOVA_DL004, Wilke-Chang binary coefficients: association factors from the
// formula words, the water-solute divisor, the Vignes combination over the host's mixture
// viscosity, defaults, messages and trace.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "kova/kova.h"
#include "mixing/mixing.h"
#include "mixing/mixing_fixture.h"

namespace kova::mixing {
namespace {

class WilkeChangBinary : public MixingTest {
 protected:
  Components comp{{"water", "methanol", "ethanol"}};
  std::vector<double> x{0.3, 0.5, 0.2}, mul{8.9e-4, 5.4e-4, 1.07e-3};
  std::vector<double> bindl = std::vector<double>(9, -7.0);
  double t = 298.15;
  std::int64_t kdiag = 0;

  void SetUp() override {
    MixingTest::SetUp();
    comp.set.install();
  }
  void dl001() {
    KOVA_DL001(&t, x.data(), &comp.n, comp.idx.data(), mul.data(), &kdiag, bindl.data(), comp.mw.data(),
               comp.cform.data(), comp.vb.data(), comp.flag.data(), comp.cid.data(), nullptr, nullptr, nullptr,
               nullptr);
  }
  void dl004() {
    KOVA_DL004(&t, x.data(), &comp.n, comp.idx.data(), mul.data(), &kdiag, bindl.data(), comp.mw.data(),
               comp.cform.data(), comp.vb.data(), comp.flag.data(), comp.cid.data(), nullptr, nullptr, nullptr);
  }
  // Log-mean of the given viscosities: the reference host's rule behind LUMENA_MUL201.
  double log_mean() const {
    double s = 0, l = 0;
    for (std::size_t i = 0; i < x.size(); ++i) s += x[i], l += x[i] * std::log(mul[i]);
    return std::exp(l / s);
  }
};

// Water (entry 1) and methanol (entry 2): methanol dilute in water uses water's 2.26; water
// dilute in methanol uses methanol's 1.9 and is divided by 2.3.
TEST_F(WilkeChangBinary, WaterMethanolPairByHand) {
  dl004();
  const double mumx = log_mean();
  const double d21 = kWilkeChang * t * std::sqrt(2.26 * comp.mw[0]) / (mul[0] * std::pow(comp.vb[1], 0.6));
  const double d12 = kWilkeChang * t * std::sqrt(1.9 * comp.mw[1]) / (mul[1] * std::pow(comp.vb[0], 0.6)) / 2.3;
  const double want = std::pow(d21 * mul[0], 0.3 / 0.8) * std::pow(d12 * mul[1], 0.5 / 0.8) / mumx;
  EXPECT_NEAR(bindl[1] / want, 1.0, 1e-13);
  EXPECT_EQ(bindl[3], bindl[1]);
  // Ethanol (entry 3) with methanol: 1.9 and 1.5, no divisor.
  const double d32 = kWilkeChang * t * std::sqrt(1.9 * comp.mw[1]) / (mul[1] * std::pow(comp.vb[2], 0.6));
  const double d23 = kWilkeChang * t * std::sqrt(1.5 * comp.mw[2]) / (mul[2] * std::pow(comp.vb[1], 0.6));
  EXPECT_NEAR(bindl[5] / (std::pow(d32 * mul[1], 0.5 / 0.7) * std::pow(d23 * mul[2], 0.2 / 0.7) / mumx), 1.0, 1e-13);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(bindl[4 * i], 0.0);
  // Magnitude check: around 1E-9 m2/s, as liquid diffusivities are.
  EXPECT_GT(bindl[1], 3e-10);
  EXPECT_LT(bindl[1], 5e-9);
}

TEST_F(WilkeChangBinary, PairWithoutFractionsTakesTheGeometricMean) {
  x = {0.0, 0.0, 1.0};
  dl004();
  const double d21 = kWilkeChang * t * std::sqrt(2.26 * comp.mw[0]) / (mul[0] * std::pow(comp.vb[1], 0.6));
  const double d12 = kWilkeChang * t * std::sqrt(1.9 * comp.mw[1]) / (mul[1] * std::pow(comp.vb[0], 0.6)) / 2.3;
  EXPECT_NEAR(bindl[1] / (std::sqrt(d21 * mul[0] * d12 * mul[1]) / mul[2]), 1.0, 1e-13);
}

TEST_F(WilkeChangBinary, Dl001UsesTheHostsOwnMixtureViscosity) {
  dl001();
  const std::vector<double> b1 = bindl;
  dl004();
  // The host's own model (databank viscosities) differs from the mixture of the given MUL.
  EXPECT_NE(b1[1], bindl[1]);
  // Scaling: only the mixture viscosity differs between the two.
  double own = 0.0;
  const std::int64_t zero = 0;
  LUMENA_MUL202(&t, x.data(), &comp.n, comp.idx.data(), &zero, &own, nullptr, nullptr, comp.mw.data(), nullptr, nullptr,
                comp.cid.data());
  for (int i = 0; i < 9; ++i) EXPECT_NEAR(b1[i] * own, bindl[i] * log_mean(), 1e-22);
}

TEST_F(WilkeChangBinary, OneEntryAndEmptyList) {
  comp.n = 1;
  dl001();
  EXPECT_EQ(bindl[0], 0.0);
  EXPECT_EQ(bindl[1], -7.0);
  comp.n = 0;
  bindl[0] = -7.0;
  dl004();
  EXPECT_EQ(bindl[0], -7.0);
}

TEST_F(WilkeChangBinary, MissingParametersDefaultedAndReported) {
  comp.vb[2] = refhost::kMissing;
  comp.mw[0] = refhost::kMissing;
  kdiag = 4;
  dl004();
  EXPECT_EQ(comp.mw[0], 86.178);
  EXPECT_EQ(comp.vb[2], 0.140903);
  const std::vector<std::vector<std::string>> want{
      {"      DIFFUSION COEFFICIENT MODEL DL0WCV HAS MISSING PARAMETERS:", "      MW MISSING FOR COMPONENT WATER"},
      {"      VB MISSING FOR COMPONENT ETHANOL"}};
  EXPECT_EQ(messages(), want);
  ASSERT_EQ(rec().gate_calls.size(), 2u);
  EXPECT_EQ(rec().gate_calls[0].id, "DL00    4       ");
  EXPECT_EQ(rec().gate_calls[1].num, 2);
  EXPECT_TRUE(rec().gate_calls[1].closing_is_word19());
  EXPECT_EQ(word19(), 0.0);
  EXPECT_EQ(comp.flag, std::vector<double>(3, 1.0));
}

TEST_F(WilkeChangBinary, TraceOnlyOutsideLevelsZeroToSix) {
  for (std::int64_t level : {0, 6}) {
    kdiag = level;
    dl001();
    EXPECT_TRUE(traced().empty()) << level;
  }
  kdiag = 7;
  dl004();
  const std::vector<std::string> lines = traced();
  ASSERT_EQ(lines.size(), 6u);  // header (2), T and MULMX, one line per entry; no BINDL lines
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], " DL004   ");
  EXPECT_EQ(lines[2].substr(0, 17), "               T=");
  EXPECT_EQ(lines[3].substr(0, 14), "        X(    ");
  EXPECT_NE(lines[4].find("IDX(    2)=    2"), std::string::npos);
  refhost::reset();
  comp.set.install();
  kdiag = -1;
  dl001();
  const std::vector<std::string> l1 = traced();
  ASSERT_EQ(l1.size(), 6u + 9u);
  EXPECT_EQ(l1[1], " DL001   ");
  EXPECT_EQ(l1[6].substr(0, 17), "BINDL(   1,   1)=");
  EXPECT_EQ(l1[7].substr(0, 17), "BINDL(   1,   2)=");
}

}  // namespace
}  // namespace kova::mixing
