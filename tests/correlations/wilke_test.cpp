// Wilke mixing with Brokaw's factors: the published DIPPR 8D example, the factors' exact
// boundaries, and KOVA_MUV201's checks, estimates, messages and trace.
#include <gtest/gtest.h>

#include <cmath>

#include "correlations/host_fixture.h"
#include "correlations/wilke.h"
#include "kova/kova.h"

namespace kova::correlations {
namespace {

double full_mass_factor(double m) {
  const double mm = std::pow(4.0 / (1.0 / m + 2.0 + m), 0.25);
  const double m45 = std::pow(m, 0.45);
  return mm / std::sqrt(m) * (1.0 + (m - m45) / (2.0 * (m + 1.0) + (1.0 + m45) / ((1.0 + mm) * std::sqrt(mm))));
}

TEST(WilkeBrokaw, MassFactorBoundsAreInclusive) {
  for (double m : {0.4, 1.33}) EXPECT_EQ(brokaw_mass_factor(m), std::pow(m, -0.37));
  for (double m : {std::nextafter(0.4, 0.0), std::nextafter(1.33, 2.0)}) EXPECT_EQ(brokaw_mass_factor(m), full_mass_factor(m));
  EXPECT_EQ(brokaw_mass_factor(1.0), 1.0);
}

TEST(WilkeBrokaw, PolarityFactorNeedsBothBelowOneTenth) {
  EXPECT_EQ(brokaw_polarity_factor(300.0, 0.0999, 0.0, 200.0, 300.0), 1.0);
  const double s = brokaw_polarity_factor(300.0, 0.1, 0.0, 200.0, 300.0);
  const double ti = 1.5, tj = 1.0;
  EXPECT_EQ(s, (1.0 + std::sqrt(ti * tj)) / (std::sqrt(0.0025 + 1.0 + ti) * std::sqrt(1.0 + tj)));
  EXPECT_NE(s, 1.0);
}

TEST(WilkeBrokaw, EstimatedParametersGiveBackTheirReducedDipole) {
  const double mu = 5.0e-25, tb = 300.0, vb = 0.07;
  const Stockmayer s = stockmayer_from_boiling_point(mu, tb, vb);
  EXPECT_NEAR(brokaw_reduced_dipole(mu, s), 1.94e49 * mu * mu / (vb * tb), 1e-6);
}

// DIPPR procedure 8D example: 5 % SO2 / 95 % ethanol at 308.2 K (chemicals, Brokaw
// docstring, 9.699085099801568e-6 Pa s). The pair ratio 0.719 takes the power law, which
// puts this formulation 1.28e-4 above.
constexpr double kB1 = 9.699085099801568e-6;

TEST(WilkeBrokaw, SulfurDioxideEthanolDippr8D) {
  const WilkeComponent so2{0.05, 1.34e-5, 64.06, 5.284605e-25, {347.0, 4.112e-10}};
  const WilkeComponent etoh{0.95, 9.5029e-6, 46.07, 4.585740e-25, {432.0, 4.53e-10}};
  const WilkeComponent both[] = {so2, etoh};
  EXPECT_NEAR(brokaw_reduced_dipole(so2.dipole, so2.stk), 0.42, 5e-6);
  EXPECT_NEAR(brokaw_reduced_dipole(etoh.dipole, etoh.stk), 0.19, 5e-6);
  EXPECT_NEAR(wilke_brokaw(308.2, both) / (kB1 * (1.0 + 1.28e-4)) - 1.0, 0.0, 1e-6);
}

class Muv201 : public testing::HostTest {
 protected:
  std::vector<double> x{0.05, 0.95}, muvlp{1.34e-5, 9.5029e-6}, mw{64.06, 46.07}, tb{263.13, 351.44},
      vb{0.0438, 0.0625}, mup{5.284605e-25, 4.585740e-25}, stk{347.0, 4.112e-10, 432.0, 4.53e-10}, flag{0, 0};
  std::vector<kova_word> cid = cids({"SO2", "ETHANOL"});
  std::int64_t n = 2, idx[2] = {1, 2}, idset = 1, kdiag = 2;

  double call(double t = 308.2) {
    double out = -1.0;
    KOVA_MUV201(&t, x.data(), &n, idx, muvlp.data(), &idset, &kdiag, &out, mw.data(), tb.data(), vb.data(), mup.data(),
                stk.data(), flag.data(), cid.data());
    return out;
  }
};

TEST_F(Muv201, PublishedExampleThroughTheRoutine) {
  EXPECT_NEAR(call() / (kB1 * (1.0 + 1.28e-4)) - 1.0, 0.0, 1e-6);
  EXPECT_TRUE(rec().gate_calls.empty());
  EXPECT_EQ(flag, (std::vector<double>{1.0, 1.0}));
}

TEST_F(Muv201, SingleComponentReturnsItsViscosity) {
  n = 1;
  x = {0.7};
  EXPECT_NEAR(call(), muvlp[0], 1e-20);
}

TEST_F(Muv201, EstimatesFromBoilingPointSilently) {
  mup[1] = 0.0;
  stk[2] = kMissing;  // one element missing: both are estimated
  call();
  EXPECT_TRUE(rec().gate_calls.empty());
  EXPECT_EQ(stk[2], 1.18 * tb[1]);
  EXPECT_EQ(stk[3], std::pow(1.585e-27 * vb[1], 0.333333333333));
}

TEST_F(Muv201, DefaultsWhenBoilingDataAreMissing) {
  stk[0] = stk[1] = kMissing;
  tb[0] = kMissing;
  set_word19(7.0);
  call();
  EXPECT_EQ(stk[0], 403.442);
  EXPECT_EQ(stk[1], 6.06726e-10);
  EXPECT_EQ(tb[0], kMissing);  // no default for TB
  const auto m = messages();
  ASSERT_EQ(m.size(), 3u);
  EXPECT_EQ(m[0], (std::vector<std::string>{"      VISCOSITY MODEL MUV2WILK HAS MISSING PARAMETERS:",
                                             "      STKPAR/1ST ELEMENT (DATA SET   1) MISSING FOR COMPONENT SO2"}));
  EXPECT_EQ(m[1], (std::vector<std::string>{"      STKPAR/2ND ELEMENT (DATA SET   1) MISSING FOR COMPONENT SO2"}));
  EXPECT_EQ(m[2], (std::vector<std::string>{
                      "      TB (DATA SET   1) MISSING FOR COMPONENT \"SO2     \"; TB NEEDED TO",
                      "      CALCULATE STOCKMAYER POTENTIALS WHEN STKPAR PARAMS NOT INPUTTED BY USER"}));
  ASSERT_EQ(rec().gate_calls.size(), 3u);
  EXPECT_EQ(rec().gate_calls[2].num, 5);
  for (const auto& g : rec().gate_calls) {
    EXPECT_TRUE(g.closing_is_word19());
    EXPECT_EQ(g.closing_real, 0.0);
  }
}

TEST_F(Muv201, BoilingDataNotTestedWhenStockmayerGiven) {
  vb[0] = kMissing;
  tb[1] = kMissing;
  call();
  EXPECT_TRUE(rec().gate_calls.empty());
  EXPECT_EQ(vb[0], kMissing);
}

TEST_F(Muv201, ZeroVolumeReplacedBeforeTheEstimate) {
  stk[0] = kMissing;
  vb[0] = 0.0;
  call();
  EXPECT_EQ(vb[0], 0.140903);
  EXPECT_EQ(stk[0], stockmayer_from_boiling_point(mup[0], tb[0], 0.140903).eps_k);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0][0], "      VB (DATA SET   1) IS ZERO FOR COMPONENT \"SO2     \"; VB NEEDED TO");
  EXPECT_EQ(rec().gate_calls[0].num, 7);
}

TEST_F(Muv201, MissingDipoleIsZeroEveryCallButNotOverwritten) {
  mup[1] = kMissing;
  mw[0] = kMissing;
  set_word19(7.0);
  call();
  EXPECT_EQ(mup[1], kMissing);
  EXPECT_EQ(mw[0], 86.178);
  const auto m = messages();
  ASSERT_EQ(m.size(), 2u);
  EXPECT_EQ(m[0][1], "      MW (DATA SET   1) MISSING FOR COMPONENT SO2");
  EXPECT_EQ(m[1], (std::vector<std::string>{
                      "      MUP (DATA SET   1) MISSING FOR COMPONENT \"ETHANOL \".  MUP = 0 IS USED"}));
  EXPECT_EQ(rec().gate_calls[1].cls, 3);
  EXPECT_EQ(rec().gate_calls[1].num, 2);
  // Word 19 is not cleared for the dipole message: set it and see it passed through.
  refhost::record() = {};
  flag = {0, 0};
  set_word19(7.0);
  mw[0] = 64.06;
  call();
  ASSERT_EQ(rec().gate_calls.size(), 1u);
  EXPECT_EQ(rec().gate_calls[0].closing_real, 7.0);
  EXPECT_EQ(messages()[0][0], "      VISCOSITY MODEL MUV2WILK HAS MISSING PARAMETERS:");
  // Later calls: flags set, nothing reported, the dipole still taken as 0.
  refhost::record() = {};
  mup[1] = 0.0;
  const double with_zero = call();
  mup[1] = kMissing;
  EXPECT_EQ(call(), with_zero);
  EXPECT_TRUE(rec().gate_calls.empty());
}

TEST_F(Muv201, EmptyListAndDegenerateInputs) {
  n = 0;
  EXPECT_EQ(call(), 0.0);
  EXPECT_TRUE(rec().gate_calls.empty());
  n = 2;
  x = {0.0, 1.0};
  muvlp[0] = 0.0;  // absent from the mixture: plays no part
  EXPECT_NEAR(call(), 9.5029e-6, 1e-20);
  x = {0.5, 0.5};
  kdiag = 1;
  EXPECT_EQ(call(), 0.0);
  ASSERT_EQ(rec().gate_calls.size(), 1u);
  EXPECT_EQ(rec().gate_calls[0].cls, 2);
  EXPECT_EQ(rec().gate_calls[0].num, 8);
}

TEST_F(Muv201, Trace) {
  kdiag = 7;
  call();
  const auto tr = trace();
  ASSERT_EQ(tr.size(), 6u);
  EXPECT_EQ(tr[1], " MUV201  ");
  EXPECT_EQ(tr[2], "        X(   1)= 0.50000E-01  MUVLP(   1)= 0.13400E-04    IDX(   1)=   1");
  EXPECT_EQ(tr[4], "              T=  308.20    ");
  EXPECT_EQ(tr[5].substr(0, 16), "         MUVXLP=");
}

}  // namespace
}  // namespace kova::correlations
