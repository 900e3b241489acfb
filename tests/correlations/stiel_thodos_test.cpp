// Stiel-Thodos dense-gas conductivity: the residual function against published examples,
// and the four entry routines' statuses, warnings, defaults and trace.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "correlations/host_fixture.h"
#include "correlations/stiel_thodos.h"
#include "kova/kova.h"

namespace kova::correlations {
namespace {

// PPO 5th ed. example 10-3 state: nitrous oxide at 378.15 K and 138 bar, V = 0.144 m3/kmol.
constexpr double kTc = 309.6, kPc = 7.24e6, kVc = 0.0974, kZc = 0.274, kMw = 44.013, kVv = 0.144;

TEST(StielThodos, NitrousOxideResidual) {
  // chemicals Stiel_Thodos_dense docstring (PPO SI constants): residual 0.0178456 W/(m K);
  // the original cgs constants are +0.15 % above it in the middle branch.
  const double r = stiel_thodos_residual(stiel_thodos_f(kVc / kVv), kTc, kPc, kZc, kMw);
  EXPECT_NEAR(r / 0.0178456 - 1.0, 0.0015, 1e-4);
}

TEST(StielThodos, BranchesTakeTheirLowerLimits) {
  EXPECT_EQ(stiel_thodos_f(0.0), 0.0);
  EXPECT_EQ(stiel_thodos_f(0.5), 1.31e-07 * (std::exp(0.67 * 0.5) - 1.069));
  EXPECT_EQ(stiel_thodos_f(2.0), 2.976e-08 * (std::exp(1.155 * 2.0) + 2.016));
  bool ex = false;
  EXPECT_EQ(stiel_thodos_f(2.8, &ex), 8.7242e-07 * 2.8 - 1.6274e-06);
  EXPECT_TRUE(ex);
  stiel_thodos_f(std::nextafter(2.8, 0.0), &ex);
  EXPECT_FALSE(ex);
  EXPECT_TRUE(std::isnan(stiel_thodos_f(std::numeric_limits<double>::quiet_NaN(), &ex)));
  EXPECT_TRUE(ex);
  // The extrapolation line meets the last branch at 2.8 to its coefficients' precision.
  EXPECT_NEAR(stiel_thodos_f(std::nextafter(2.8, 0.0)) / stiel_thodos_f(2.8), 1.0, 1e-4);
}

class StielThodosRoutines : public testing::HostTest {
 protected:
  std::vector<double> tc{kTc}, pc{kPc}, vc{kVc}, zc{kZc}, mw{kMw}, flag{0.0};
  std::vector<kova_word> cid = cids({"N2O"});
  std::int64_t n = 1, idx = 1, kdiag = 0;

  double kv006(double vv) {
    double kvpc = -1.0;
    KOVA_KV006(&n, &idx, &vv, &kdiag, &kvpc, tc.data(), mw.data(), vc.data(), pc.data(), zc.data(), flag.data(),
               cid.data());
    return kvpc;
  }
  void kv003(double vv, double& kv, std::int64_t& ker) {
    KOVA_KV003(&n, &idx, &vv, &kdiag, tc.data(), mw.data(), vc.data(), pc.data(), zc.data(), flag.data(), cid.data(),
               &kv, &ker);
  }
};

TEST_F(StielThodosRoutines, Kv003AddsInPlaceAndKeepsKerBelowTheLimit) {
  double kv = 0.0234;
  std::int64_t ker = 42;
  kv003(kVv, kv, ker);
  // chemicals Stiel_Thodos_dense total 0.041245574404863684 W/(m K); +0.067 % here.
  EXPECT_NEAR(kv / 0.041245574404863684 - 1.0, 0.00067, 1e-4);
  EXPECT_EQ(ker, 42);
  const double once = kv - 0.0234;
  kv003(kVv, kv, ker);
  EXPECT_NEAR(kv, 0.0234 + 2 * once, 1e-15);
}

TEST_F(StielThodosRoutines, DensityLimitWarnsAndSetsTheStatus) {
  double kv = 0.0;
  std::int64_t ker = 42;
  kv003(kVc / 3.0, kv, ker);
  EXPECT_EQ(ker, -1);
  EXPECT_NEAR(kv, stiel_thodos_residual(8.7242e-07 * 3.0 - 1.6274e-06, kTc, kPc, kZc, kMw), 1e-15);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0], (std::vector<std::string>{
                               "      VAPOR THERMAL CONDUCTIVITY MODEL KV0STLTH UPPERREDUCED DENSITY LIMIT",
                               " (=2.8) VIOLATED FOR COMPONENT \"N2O     \"",
                               "      RHOR=   3.00; LINEAR EXTRAPOLATION PERFORMED."}));
  ASSERT_EQ(rec().gate_calls.size(), 1u);
  EXPECT_EQ(rec().gate_calls[0].cls, 5);
  EXPECT_EQ(rec().gate_calls[0].num, 5);
  EXPECT_EQ(rec().gate_calls[0].closing_int, 2);
  // Printed whatever the gate says.
  refhost::force_gate(0);
  kv003(kVc / 2.8, kv, ker);
  EXPECT_EQ(rec().printed.size(), 2u);
  // Silent with word 56 off, but the status is still reset to 0.
  range_warnings(false);
  kv003(kVc / 3.0, kv, ker);
  EXPECT_EQ(ker, 0);
  EXPECT_EQ(rec().printed.size(), 2u);
  EXPECT_EQ(rec().gate_calls.size(), 2u);
}

TEST_F(StielThodosRoutines, Kv006NamesItsModelAndTracesOnKdiag) {
  tc[0] = kMissing;
  kdiag = 7;
  const double r = kv006(kVv);
  EXPECT_EQ(tc[0], 507.4);
  EXPECT_NEAR(r, stiel_thodos_residual(stiel_thodos_f(kVc / kVv), 507.4, kPc, kZc, kMw), 1e-18);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0][0], "      THERMAL CONDUCTIVITY MODEL KV0STPC HAS MISSING PARAMETERS:");
  EXPECT_EQ(messages()[0][1], "      TC (DATA SET 1) MISSING FOR COMPONENT N2O");
  const auto tr = trace();
  ASSERT_EQ(tr.size(), 3u);
  EXPECT_EQ(tr[1], " KV006   ");
  EXPECT_EQ(tr[2].substr(0, 43), "      IDX(    1)=    1  VV(    1)=  0.14400");
}

TEST_F(StielThodosRoutines, Kv003TracesOnTheGlobalLevel) {
  double kv = 0.0234;
  std::int64_t ker = 0;
  kdiag = 7;
  kv003(kVv, kv, ker);
  EXPECT_TRUE(trace().empty());
  trace_level_global(-1);
  kdiag = 0;
  kv003(kVv, kv, ker);
  const auto tr = trace();
  ASSERT_EQ(tr.size(), 3u);
  EXPECT_EQ(tr[1], " KV003   ");
  EXPECT_EQ(tr[2].substr(0, 28), "       VV(   1)= 0.14400    ");
}

TEST_F(StielThodosRoutines, MissingCriticalPressureUsesTheCriticalState) {
  // An absent PC is reported once and replaced, in the calculation only, by R Tc Zc / Vc.
  pc[0] = kMissing;
  kdiag = 2;
  const double r = kv006(kVv);
  const double pc_est = kTc * refhost::kGasConstant * kZc / kVc;
  EXPECT_NEAR(r, stiel_thodos_residual(stiel_thodos_f(kVc / kVv), kTc, pc_est, kZc, kMw), 1e-18);
  EXPECT_EQ(pc[0], kMissing);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0][1], "      PC (DATA SET 1) MISSING FOR COMPONENT N2O     ; R*TC*ZC/VC USED");
  EXPECT_EQ(rec().gate_calls[0].num, 7);
  EXPECT_EQ(kv006(kVv), r);  // every call, without a further message
  EXPECT_EQ(messages().size(), 1u);
}

TEST_F(StielThodosRoutines, DegenerateConstantsGiveZeroResidual) {
  zc[0] = 0.0;
  kdiag = 1;
  EXPECT_EQ(kv006(kVv), 0.0);
  ASSERT_EQ(rec().gate_calls.size(), 1u);
  EXPECT_EQ(rec().gate_calls[0].cls, 2);
  EXPECT_EQ(rec().gate_calls[0].num, 8);
  EXPECT_EQ(messages()[0][0], "      THERMAL CONDUCTIVITY MODEL KV0STPC: NO DENSE-GAS RESIDUAL FOR N2O");
}

// PPO 5th ed. example 10-6: 75.5 % methane / 24.5 % CO2 at 370.8 K and 174.8 bar.
class StielThodosMixture : public testing::HostTest {
 protected:
  std::vector<double> x{0.755, 0.245}, tc{190.56, 304.12}, zc{0.286, 0.274}, vc{0.0986, 0.09407},
      mw{16.043, 44.01}, flag{0, 0};
  std::vector<kova_word> cid = cids({"METHANE", "CO2"});
  std::int64_t n = 2, idx[2] = {1, 2}, kdiag = 0;

  double kv202(double rho, double lp) {
    double kvmx = -1.0;
    KOVA_KV202(x.data(), &n, idx, &rho, &lp, &kdiag, &kvmx, tc.data(), mw.data(), vc.data(), zc.data(), cid.data());
    return kvmx;
  }
  double kv204(double vvmx) {
    double r = -1.0;
    KOVA_KV204(x.data(), &n, idx, &vvmx, &kdiag, &r, tc.data(), mw.data(), vc.data(), zc.data(), flag.data(),
               cid.data());
    return r;
  }
};

TEST_F(StielThodosMixture, MethaneCarbonDioxide) {
  // Published 0.0527 W/(m K) with the Yorizane rules; the plain pseudo-critical rules give
  // about 1.4 % more.
  const double k = kv202(1.0 / 0.159, 0.0377);
  EXPECT_NEAR(k / 0.0527 - 1.0, 0.014, 0.003);
  EXPECT_NEAR(kv204(0.159), k - 0.0377, 1e-12);
}

TEST_F(StielThodosMixture, Kv202ChecksEveryCallAndKeepsItsStatus) {
  kdiag = 7;
  tc[1] = kMissing;
  kv202(1.0 / 0.159, 0.0377);
  EXPECT_EQ(tc[1], 507.4);
  tc[1] = kMissing;
  kv202(1.0 / 0.159, 0.0377);
  EXPECT_EQ(tc[1], 507.4);
  EXPECT_EQ(messages().size(), 2u);  // reported again: no check flags
  EXPECT_EQ(messages()[1][0], "      THERMAL CONDUCTIVITY MODEL KV2STLTH HAS MISSING PARAMETERS:");
  tc[1] = 304.12;
  // Beyond the density limit the warning names the last listed component.
  refhost::record() = {};
  kv202(3.0 / 0.0983, 0.0);
  EXPECT_EQ(messages()[0][1], " (=2.8) VIOLATED FOR COMPONENT \"CO2     \"");
  EXPECT_EQ(trace().back().substr(38), "KER=   -1");
  // Below the limit the kept status is printed unchanged.
  kv202(1.0 / 0.159, 0.0377);
  EXPECT_EQ(trace().back().substr(38), "KER=   -1");
  range_warnings(false);
  kv202(3.0 / 0.0983, 0.0);
  EXPECT_EQ(trace().back().substr(38), "KER=    0");
}

TEST_F(StielThodosMixture, Kv204RefusesUnusableVolumes) {
  kdiag = 7;
  for (double v : {kMissing, 0.0, -1.0, 0.5 * refhost::kSmall, std::numeric_limits<double>::quiet_NaN()}) {
    refhost::record() = {};
    EXPECT_EQ(kv204(v), 0.0);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0][1], "      CALCULATED DUE TO MISSING OR ZERO MOLAR VOLUME. KVMXPC IS SET TO ZERO.");
    EXPECT_EQ(rec().gate_calls[0].cls, 2);
    EXPECT_EQ(rec().gate_calls[0].num, 6);
    EXPECT_EQ(trace().back(), "          KVMXPC=   0.0000            KER=    0");
  }
  // Printed only when the gate answers exactly 1.
  refhost::force_gate(2);
  refhost::record() = {};
  kv204(0.0);
  EXPECT_TRUE(rec().printed.empty());
}

TEST_F(StielThodosMixture, TraceOfInputsAndResult) {
  kdiag = -1;
  kv204(0.159);
  const auto tr = trace();
  ASSERT_EQ(tr.size(), 6u);
  EXPECT_EQ(tr[1], " KV204   ");
  EXPECT_EQ(tr[2], "        X(    1)=  0.75500     IDX(    1)=    1");
  EXPECT_EQ(tr[4], "            VVMX=  0.15900    ");
}

TEST_F(StielThodosMixture, EmptyMixtureKeepsTheLowPressureValue) {
  n = 0;
  kdiag = 1;
  EXPECT_EQ(kv202(1.0, 0.0377), 0.0377);
  EXPECT_EQ(rec().gate_calls.back().num, 8);
}

}  // namespace
}  // namespace kova::correlations
