// Letsou-Stiel liquid viscosity: the correlation against published values, and the entry
// routine's defaults, band warnings, status and trace.
#include <gtest/gtest.h>

#include <cmath>

#include "correlations/host_fixture.h"
#include "correlations/letsou_stiel.h"
#include "kova/kova.h"

namespace kova::correlations {
namespace {

// The reducing factor's rounded exponents and constant put this formulation +2.2e-6 above
// exact 1/6, 2/3 and 2173.424e3.
TEST(LetsouStiel, EthanolDippr8G) {
  // DIPPR procedure 8G test value for ethanol at 400 K (chemicals, Letsou_Stiel docstring).
  const double mu = letsou_stiel(400.0 / 516.25, 516.25, 6.383e6, 46.07, 0.6371);
  EXPECT_NEAR(mu / 2.036150875308e-4 - 1.0, 2.2e-6, 1e-6);
}

TEST(LetsouStiel, PropanolRppExample) {
  // RPP 4th ed. example 9-19: 1-propanol at 433.2 K, 0.171 cP. The DIPPR coefficients and
  // the printed rounding put the correlation about 0.4 % below.
  const double mu = letsou_stiel(433.2 / 536.8, 536.8, 5.17e6, 60.1, 0.623);
  EXPECT_NEAR(mu / 1.71e-4 - 1.0, -0.004, 0.005);
}

TEST(LetsouStiel, NestedFormIsTheQuadratic) {
  for (double tr : {0.76, 0.85, 0.98}) {
    const double plain = (0.015174 - 0.02135 * tr + 0.0075 * tr * tr) + 0.3 * (0.042552 - 0.07674 * tr + 0.034 * tr * tr);
    EXPECT_NEAR(letsou_stiel_reduced(tr, 0.3), plain, 1e-16);
  }
}

class Mul005 : public testing::HostTest {
 protected:
  // One component, ethanol-like.
  std::vector<double> tc{516.25}, pc{6.383e6}, mw{46.07}, omega{0.6371}, flag{0.0}, mul{-1.0};
  std::vector<kova_word> cid = cids({"ETHANOL "});
  std::int64_t n = 1, idx = 1, kdiag = 0;

  double call(double t) {
    KOVA_MUL005(&t, &n, &idx, &kdiag, mul.data(), tc.data(), pc.data(), mw.data(), omega.data(), flag.data(),
                cid.data());
    return mul[0];
  }
};

TEST_F(Mul005, ResultAndNoMessagesInsideTheBand) {
  EXPECT_NEAR(call(400.0), letsou_stiel(400.0 / 516.25, 516.25, 6.383e6, 46.07, 0.6371), 1e-18);
  EXPECT_EQ(flag[0], 1.0);
  EXPECT_TRUE(rec().gate_calls.empty());
  EXPECT_TRUE(rec().printed.empty());
}

TEST_F(Mul005, DefaultsWrittenAndReportedOnce) {
  tc[0] = kMissing;
  omega[0] = kMissing;
  kdiag = 2;
  set_word19(5.0);
  call(400.0);
  EXPECT_EQ(tc[0], 507.4);
  EXPECT_EQ(omega[0], 0.296);
  const auto m = messages();
  ASSERT_EQ(m.size(), 2u);
  EXPECT_EQ(m[0], (std::vector<std::string>{"      VISCOSITY MODEL MUL0LEST HAS MISSING PARAMETERS:",
                                             "      TC (DATA SET 1) MISSING FOR COMPONENT ETHANOL"}));
  EXPECT_EQ(m[1], (std::vector<std::string>{"      OMEGA (DATA SET 1) MISSING FOR COMPONENT ETHANOL"}));
  ASSERT_EQ(rec().gate_calls.size(), 2u);
  EXPECT_EQ(rec().gate_calls[0].cls, 1);
  EXPECT_EQ(rec().gate_calls[0].num, 1);
  EXPECT_EQ(rec().gate_calls[1].num, 4);
  EXPECT_TRUE(rec().gate_calls[1].closing_is_word19());
  EXPECT_EQ(rec().gate_calls[1].closing_real, 0.0);
  EXPECT_EQ(word19(), 0.0);
  // Flags set: a second call neither reports nor replaces.
  tc[0] = kMissing;
  refhost::record() = {};
  range_warnings(false);  // the marker as TC puts Tr below the band
  call(400.0);
  EXPECT_EQ(tc[0], kMissing);
  EXPECT_TRUE(rec().gate_calls.empty());
}

TEST_F(Mul005, BandLimitsAndWarnings) {
  const double tcv = tc[0];
  auto at = [&](double tr) { return letsou_stiel(tr, tcv, pc[0], mw[0], omega[0]); };
  // Tr = 1 exactly is limited to 0.98 with the upper-limit warning.
  EXPECT_EQ(call(tcv), at(0.98));
  // Tr = 1.2 is evaluated at 1.0 with the above-one warning.
  EXPECT_EQ(call(1.2 * tcv), at(1.0));
  // Below 0.76 the temperature is kept, with the lower-limit warning.
  EXPECT_EQ(call(0.5 * tcv), at(0.5));
  const auto m = messages();
  ASSERT_EQ(m.size(), 3u);
  EXPECT_EQ(m[0], (std::vector<std::string>{
                      "      REDUCED TEMP EXCEEDS CORRELATION UPPER LIMIT BUT IS LESS THAN ONE",
                      "      CALCULATIONS PROCEED WITH REDUCED TEMP EQUAL TO .98"}));
  EXPECT_EQ(m[1], (std::vector<std::string>{
                      "      REDUCED TEMP GREATER THAN ONE; CORRELATION SHOULD NOT BE USED",
                      "      CALCULATIONS PROCEED WITH REDUCED TEMP EQUAL TO 1D0"}));
  EXPECT_EQ(m[2], (std::vector<std::string>{"      REDUCED TEMP BELOW CORRELATION LOWER LIMIT OF .76",
                                             "      CALCULATIONS PROCEED WITH GIVEN TEMP"}));
  ASSERT_EQ(rec().gate_calls.size(), 3u);
  EXPECT_EQ(rec().gate_calls[0].cls, 5);
  EXPECT_EQ(rec().gate_calls[0].num, 6);
  EXPECT_EQ(rec().gate_calls[1].num, 5);
  EXPECT_EQ(rec().gate_calls[2].num, 7);
  EXPECT_EQ(rec().gate_calls[2].closing_int, 2);
}

TEST_F(Mul005, BandEdgesAreInside) {
  call(0.98 * tc[0]);
  call(0.76 * tc[0]);
  EXPECT_TRUE(rec().gate_calls.empty());
}

TEST_F(Mul005, WarningsIgnoreTheGateAndFollowWord56) {
  refhost::force_gate(0);
  call(1.2 * tc[0]);
  EXPECT_EQ(rec().printed.size(), 1u);
  range_warnings(false);
  refhost::record() = {};
  const double limited = call(1.2 * tc[0]);
  EXPECT_TRUE(rec().gate_calls.empty());
  EXPECT_TRUE(rec().printed.empty());
  EXPECT_EQ(limited, letsou_stiel(1.0, tc[0], pc[0], mw[0], omega[0]));
}

TEST_F(Mul005, StatusKeptBetweenCallsInTheTrace) {
  kdiag = 7;
  range_warnings(false);
  call(1.2 * tc[0]);  // outside the band, no warning: status 0
  EXPECT_EQ(trace().back(), "             KER=    0");
  range_warnings(true);
  refhost::record() = {};
  call(1.2 * tc[0]);  // warning printed: status -1
  EXPECT_EQ(trace().back(), "             KER=   -1");
  refhost::record() = {};
  call(400.0);  // inside the band: status left as it was
  EXPECT_EQ(trace().back(), "             KER=   -1");
}

TEST_F(Mul005, TraceLayout) {
  kdiag = -1;
  std::vector<double> tc2{516.25, 536.8}, pc2{6.383e6, 5.17e6}, mw2{46.07, 60.1}, om2{0.6371, 0.623}, fl2{0, 0},
      mu2{0, 0};
  auto cid2 = cids({"ETHANOL ", "PROPANOL"});
  std::int64_t n2 = 2, idx2[2] = {2, 1};
  const double t = 433.2;
  KOVA_MUL005(&t, &n2, idx2, &kdiag, mu2.data(), tc2.data(), pc2.data(), mw2.data(), om2.data(), fl2.data(),
              cid2.data());
  const auto tr = trace();
  ASSERT_EQ(tr.size(), 8u);
  EXPECT_EQ(tr[0], "");
  EXPECT_EQ(tr[1], " MUL005  ");
  EXPECT_EQ(tr[2], "      IDX(    1)=    2");
  EXPECT_EQ(tr[3], "      IDX(    2)=    1");
  EXPECT_EQ(tr[4], "               T=   433.20    ");
  EXPECT_EQ(tr[5].substr(0, 17), "      MUL(    1)=");
  EXPECT_EQ(tr[6].substr(0, 17), "      MUL(    2)=");
}

TEST_F(Mul005, DegenerateConstantsGiveZeroWithAMessage) {
  mw[0] = 0.0;
  kdiag = 1;
  EXPECT_EQ(call(400.0), 0.0);
  ASSERT_EQ(rec().gate_calls.size(), 1u);
  EXPECT_EQ(rec().gate_calls[0].cls, 2);
  EXPECT_EQ(rec().gate_calls[0].num, 8);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0][0], "      LIQUID VISCOSITY MODEL MUL0LEST: NO RESULT FOR COMPONENT ETHANOL");
}

TEST_F(Mul005, EmptyListWritesNothing) {
  n = 0;
  kdiag = 7;
  EXPECT_EQ(call(400.0), -1.0);
  EXPECT_TRUE(rec().gate_calls.empty());
}

}  // namespace
}  // namespace kova::correlations
