// Lucas vapour viscosity: published examples at low and high pressure and for a mixture
// with hydrogen, the branch and factor boundaries, and the two routines' checks, host
// vapour-pressure call and warnings.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "correlations/host_fixture.h"
#include "correlations/lucas.h"
#include "kova/kova.h"
#include "vapour_pressure.h"

namespace kova::correlations {
namespace {

TEST(Lucas, FactorBoundaries) {
  // The polarity term from MUR = 0.022, its temperature factor from 0.075.
  EXPECT_EQ(lucas_polarity_factor(0.0219, 0.25, 0.8, false), 1.0);
  const double t = 30.55 * std::pow(0.292 - 0.25, 1.72);
  EXPECT_EQ(lucas_polarity_factor(0.022, 0.25, 0.8, false), 1.0 + t);
  EXPECT_EQ(lucas_polarity_factor(0.075, 0.25, 0.8, false), 1.0 + t * (0.96 + 0.1 * (0.8 - 0.7)));
  // Zc between 0.291 and 0.292 counts for a pure component only.
  EXPECT_GT(lucas_polarity_factor(0.05, 0.2915, 0.8, false), 1.0);
  EXPECT_EQ(lucas_polarity_factor(0.05, 0.2915, 0.8, true), 1.0);
  // Above 0.292 no real power exists: no polarity term.
  EXPECT_EQ(lucas_polarity_factor(0.05, 0.30, 0.8, false), 1.0);
  // A quantum gas at Tr = 12 has Fq0 = cq.
  EXPECT_EQ(lucas_quantum_factor(1.1708, 12.0, 2.016), 1.1708);
  EXPECT_LT(lucas_quantum_factor(1.1708, 9.0, 2.016), 1.1708);
  EXPECT_EQ(lucas_quantum_coefficient("H2      "), 1.1708);
  EXPECT_EQ(lucas_quantum_coefficient("D2      "), 1.106);
  EXPECT_EQ(lucas_quantum_coefficient("HE-4    "), 1.2804);
  EXPECT_EQ(lucas_quantum_coefficient("H2O     "), 0.0);
  EXPECT_EQ(lucas_quantum_coefficient("H2 X    "), 0.0);
  // Mixture quantum factor: the window on the heavy fraction is open at both ends.
  EXPECT_EQ(lucas_mixture_quantum_a(20.0, 2.0, 0.5), 1.0 - 0.01 * std::pow(10.0, 0.87));
  EXPECT_EQ(lucas_mixture_quantum_a(20.0, 2.0, 0.05), 1.0);
  EXPECT_EQ(lucas_mixture_quantum_a(20.0, 2.0, 0.7), 1.0);
  EXPECT_EQ(lucas_mixture_quantum_a(18.0, 2.0, 0.5), 1.0);
}

// One pure component through KOVA_MUV005.
class Muv005 : public testing::HostTest {
 protected:
  std::vector<double> tc, pc, zc, mw, mup, mur, flag{0.0};
  std::vector<kova_word> cid = cids({"TEST"});
  std::vector<kova_word> cform{refhost::pack_word("X"), refhost::pack_word(""), refhost::pack_word("")};
  std::vector<double> c1{kMissing}, c2{kMissing}, c3{kMissing}, c4{kMissing}, c5{kMissing};
  std::int64_t n = 1, idx = 1, kdiag = 0, idset = 1, kcalc = 1;

  void set(double t_c, double p_c, double z_c, double m_w, double mu_r) {
    tc = {t_c}, pc = {p_c}, zc = {z_c}, mw = {m_w}, mup = {0.0}, mur = {mu_r};
  }
  double call(double t, double p) {
    double out = -1.0;
    KOVA_MUV005(&t, &p, &n, &idx, &kdiag, &idset, &kcalc, &out, tc.data(), pc.data(), zc.data(), mw.data(), mup.data(),
                mur.data(), cform.data(), flag.data(), cid.data(), c1.data(), c2.data(), c3.data(), c4.data(),
                c5.data(), nullptr, nullptr, tc.data(), pc.data(), nullptr, nullptr, nullptr, nullptr, nullptr);
    return out;
  }
};

TEST_F(Muv005, MethanolLowPressure) {
  // PPO example 9-2 inputs, chemicals Lucas_gas docstring: 1.7822676912698925e-5 Pa s.
  set(512.6, 8.09e6, 0.224, 32.042, 0.0466786);
  EXPECT_NEAR(call(550.0, 1.0e5) / 1.7822676912698925e-5 - 1.0, 0.0, 1e-10);
  EXPECT_TRUE(rec().gate_calls.empty());
}

TEST_F(Muv005, AmmoniaHighPressure) {
  // PPO example 9-10: 603 uP at 300 bar, 147 uP at low pressure (printed rounding).
  set(405.5, 1.1353e7, 0.244, 17.031, 0.0782694);
  EXPECT_NEAR(call(420.0, 3.0e7) / 6.03e-5 - 1.0, 0.0, 1e-3);
  EXPECT_NEAR(call(420.0, 1.0e5) / 1.47e-5 - 1.0, 0.0, 4e-3);
}

TEST_F(Muv005, LowPressureLimitIsInclusive) {
  set(300.0, 4.0e6, 0.27, 40.0, 0.0);
  const double xi = lucas_xi(300.0, 40.0, 40.0);
  EXPECT_DOUBLE_EQ(call(330.0, 100000.0), lucas_z1(1.1) / xi * 1e-7);
  EXPECT_GT(call(330.0, std::nextafter(100000.0, 2e5)), call(330.0, 100000.0));
}

TEST_F(Muv005, SubcriticalAsksTheHostAndCapsAtTheVapourPressure) {
  // A component with DIPPR coefficients (propane's); at the critical temperature exactly
  // the subcritical branch is taken.
  set(369.83, 4.248e6, 0.276, 44.097, 0.0);
  c1 = {59.078}, c2 = {-3492.6}, c3 = {-6.0669}, c4 = {1.0919e-5}, c5 = {2.0};
  const double t = 300.0;
  const double pvap = std::exp(refhost::dippr101_ln_pvap(t, 59.078, -3492.6, -6.0669, 1.0919e-5, 2.0));
  const double tr = t / 369.83;
  const double expect = lucas_z2_subcritical(tr, pvap / 4.248e6) / lucas_xi(369.83, 42.48, 44.097) * 1e-7;
  // A pressure equal to the vapour pressure counts as reaching it.
  EXPECT_NEAR(call(t, pvap), expect, 1e-12 * expect);
  ASSERT_EQ(messages().size(), 1u);
  const auto m = messages()[0];
  EXPECT_EQ(m[0], "      LUCAS MODEL MUV0LUC:  SYSTEM PRESSURE EXCEEDS VAPOR PRESSURE");
  EXPECT_EQ(m[1], "      AT T =   300.00 K FOR COMPONENT TEST");
  EXPECT_EQ(m[2].substr(0, 41), "      VISCOSITY CALCULATED AT P = PVAP = ");
  EXPECT_EQ(rec().gate_calls[0].cls, 5);
  EXPECT_EQ(rec().gate_calls[0].num, 8);
  // Higher pressures are capped; with word 56 off silently.
  range_warnings(false);
  EXPECT_NEAR(call(t, 5.0 * pvap), expect, 1e-12 * expect);
  EXPECT_EQ(messages().size(), 1u);
  // Below the vapour pressure the system pressure is used.
  const double below = call(t, 0.5 * pvap);
  EXPECT_NEAR(below, lucas_z2_subcritical(tr, 0.5 * pvap / 4.248e6) / lucas_xi(369.83, 42.48, 44.097) * 1e-7, 1e-18);
}

TEST_F(Muv005, HostLogarithmIsClamped) {
  set(369.83, 4.248e6, 0.276, 44.097, 0.0);
  c2 = {0.0}, c3 = {0.0}, c4 = {0.0}, c5 = {0.0};
  const double t = 300.0, p = 2.0e6, tr = t / 369.83;
  const double xi = lucas_xi(369.83, 42.48, 44.097);
  // ln Psat = 1000 is limited to 80: far above the system pressure, which is then used.
  c1 = {1000.0};
  EXPECT_NEAR(call(t, p), lucas_z2_subcritical(tr, p / 4.248e6) / xi * 1e-7, 1e-18);
  EXPECT_TRUE(rec().printed.empty());
  // ln Psat = -1000 is raised to -170: the vapour is taken at exp(-170) Pa, with the warning.
  c1 = {-1000.0};
  EXPECT_NEAR(call(t, p), lucas_z2_subcritical(tr, std::exp(-170.0) / 4.248e6) / xi * 1e-7, 1e-18);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0][2], "      VISCOSITY CALCULATED AT P = PVAP =     0.14789E-73");
}

TEST_F(Muv005, QuantumGasAtHighPressure) {
  set(33.145, 1.2964e6, 0.303, 2.016, 0.0);
  cform[0] = refhost::pack_word("H2");
  const double t = 100.0, p = 1.0e7;
  const double tr = t / 33.145, pr = p / 1.2964e6;
  const double fq0 = lucas_quantum_factor(1.1708, tr, 2.016);
  const double z1 = lucas_z1(tr) * fq0;
  const double y = lucas_y_supercritical(tr, pr);
  const double expect = z1 * y * lucas_fq(fq0, y) / lucas_xi(33.145, 12.964, 2.016) * 1e-7;
  EXPECT_NEAR(call(t, p), expect, 1e-15 * expect);
}

TEST_F(Muv005, ChecksWithDefaultsAndTheCalculationSwitch) {
  set(kMissing, 4.0e6, 2.0 * kMissing, 40.0, 0.0);
  mup = {std::numeric_limits<double>::quiet_NaN()};
  kdiag = 2;
  kcalc = 0;
  EXPECT_EQ(call(400.0, 1e5), -1.0);
  EXPECT_EQ(flag[0], 0.0);
  EXPECT_TRUE(rec().gate_calls.empty());
  kcalc = 1;
  call(600.0, 1e5);
  EXPECT_EQ(tc[0], 507.4);
  EXPECT_EQ(zc[0], 0.26);  // above the marker: missing too
  EXPECT_EQ(mup[0], 0.0);  // not a number: missing
  const auto m = messages();
  ASSERT_EQ(m.size(), 3u);
  EXPECT_EQ(m[0], (std::vector<std::string>{"      LUCAS VAPOR VISCOSITY MODEL MUV0LUC HAS MISSING PARAMETERS:",
                                             "      TC (DATA SET   1) MISSING FOR COMPONENT TEST"}));
  EXPECT_EQ(m[2], (std::vector<std::string>{"      MUP (DATA SET   1) MISSING FOR COMPONENT TEST"}));
  ASSERT_EQ(rec().gate_calls.size(), 3u);
  EXPECT_EQ(rec().gate_calls[2].cls, 3);
  EXPECT_EQ(rec().gate_calls[2].num, 6);
  EXPECT_EQ(rec().gate_calls[2].closing_int, 2);
}

TEST_F(Muv005, DegenerateConstantsGiveZero) {
  set(300.0, 0.0, 0.27, 40.0, 0.0);
  kdiag = 1;
  EXPECT_EQ(call(400.0, 1e5), 0.0);
  ASSERT_EQ(rec().gate_calls.size(), 1u);
  EXPECT_EQ(rec().gate_calls[0].cls, 2);
  EXPECT_EQ(rec().gate_calls[0].num, 9);
}

class Muv204 : public testing::HostTest {
 protected:
  // PPO example 9-7: 67.7 % ammonia / 32.3 % hydrogen.
  std::vector<double> x{0.677, 0.323}, tc{405.5, 33.2}, pc{1.1353e7, 1.3e6}, zc{0.244, 0.306}, mw{17.031, 2.0158},
      mup{0.0, 0.0}, mur{0.0782694, 0.0}, flag{0, 0};
  std::vector<kova_word> cid = cids({"AMMONIA", "HYDROGEN"});
  std::vector<kova_word> cform{refhost::pack_word("H3N"), refhost::pack_word(""), refhost::pack_word(""),
                               refhost::pack_word("H2"),  refhost::pack_word(""), refhost::pack_word("")};
  std::int64_t n = 2, idx[3] = {1, 2, 3}, kdiag = 0, idset = 1, kcalc = 1;

  double call(double t, double p) {
    double out = -1.0;
    KOVA_MUV204(&t, &p, x.data(), &n, idx, &kdiag, &idset, &kcalc, &out, tc.data(), pc.data(), zc.data(), mw.data(),
                mup.data(), mur.data(), cform.data(), flag.data(), cid.data());
    return out;
  }
};

TEST_F(Muv204, AmmoniaHydrogen) {
  // Published 116.3 uP; the dense branch at 1 atm and the pseudo-critical pressure rule
  // put this formulation about 0.2 % below.
  EXPECT_NEAR(call(306.15, 101325.0) / 1.163e-5 - 1.0, -0.002, 1e-3);
}

TEST_F(Muv204, QuantumMixtureFactorUsesTheLastHeaviest) {
  // H2 with two components of equal, more than nine times larger, molecular weight: the
  // later one supplies the heavy mole fraction.
  n = 3;
  x = {0.1, 0.4, 0.5};
  tc = {33.2, 300.0, 300.0}, pc = {1.3e6, 4e6, 4e6}, zc = {0.306, 0.28, 0.28}, mw = {2.0158, 30.0, 30.0};
  mup = {0, 0, 0}, mur = {0, 0, 0}, flag = {0, 0, 0};
  cid = cids({"H2", "A", "B"});
  cform = {refhost::pack_word("H2"), refhost::pack_word(""), refhost::pack_word(""),
           refhost::pack_word("A"),  refhost::pack_word(""), refhost::pack_word(""),
           refhost::pack_word("B"),  refhost::pack_word(""), refhost::pack_word("")};
  x = {0.1, 0.8, 0.1};  // the last heaviest has 0.1, inside the window: A < 1
  const double with_a = call(400.0, 1e5);
  x = {0.1, 0.1, 0.8};  // the same sums, the last heaviest has 0.8: A = 1
  const double without = call(400.0, 1e5);
  EXPECT_GT(without / with_a - 1.0, 1e-3);
  x = {0.25, 0.05, 0.7};  // heavy fraction 0.7: A = 1
  const double a_one = call(400.0, 1e5);
  x = {0.25, 0.7, 0.05};  // heavy fraction 0.05: A = 1 again
  EXPECT_DOUBLE_EQ(call(400.0, 1e5), a_one);
}

TEST_F(Muv204, ReducedPressureLimitBelowTheCriticalTemperature) {
  // One polar component below its critical temperature, with Pcm = 20 bar exactly.
  n = 1;
  x = {1.0};
  tc = {400.0}, zc = {0.25}, pc = {2.0e6};
  const double at_one = call(390.0, 2.0e6);  // Pr = 1 exactly: no warning
  EXPECT_TRUE(rec().gate_calls.empty());
  EXPECT_EQ(call(390.0, 3.0e6), at_one);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0], (std::vector<std::string>{
                               "      MODEL MUV2LUC:  SYSTEM PRESSURE EXCEEDS MIXTURE CRITICAL PRESSURE.",
                               "      VISCOSITY CALCULATED AT PR = 1.0"}));
  EXPECT_EQ(rec().gate_calls[0].num, 8);
}

TEST_F(Muv204, SwitchEmptyListAndMissingDipole) {
  kcalc = 0;
  EXPECT_EQ(call(306.15, 101325.0), -1.0);
  EXPECT_EQ(flag[0], 0.0);
  kcalc = 1;
  const double base = call(306.15, 101325.0);
  flag = {0, 0};
  mup[0] = kMissing;
  kdiag = 2;
  refhost::record() = {};
  EXPECT_EQ(call(306.15, 101325.0), base);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0][0], "      VAPOR VISCOSITY MODEL MUV2LUC HAS MISSING PARAMETERS:");
  EXPECT_EQ(mup[0], 0.0);
  n = 0;
  EXPECT_EQ(call(306.15, 101325.0), 0.0);
}

// The reference host's vapour pressures.
TEST(RefhostVapourPressure, DatabankAndEstimate) {
  refhost::reset();
  const auto set = refhost::ComponentSet::of({"propane", "methanol"});
  const refhost::VapourPressureData data(set);
  const auto& a = data.pla();
  const std::vector<kova_word> cid = set.cid();
  const std::int64_t one = 1, kdiag = 0, idset = 1;
  auto ln_p = [&](double t, std::int64_t k, const refhost::VapourPressureData& d) {
    const auto& b = d.pla();
    std::int64_t list = k;
    double ln = 0.0, out2 = 0.0;
    LUMENA_PL001D(&t, &one, &list, &one, &kdiag, &idset, b[2], b[3], b[4], b[0], b[1], b[7], b[8], b[9], b[10], b[5],
                  b[6], b[11], cid.data(), &ln, &out2, b[12], b[13]);
    return ln;
  };
  // At the normal boiling point (databank TB), within the databank's stated 0.7 %.
  EXPECT_NEAR(std::exp(ln_p(231.02, 1, data)) / 101325.0, 1.0, 0.007);
  EXPECT_NEAR(std::exp(ln_p(337.69, 2, data)) / 101325.0, 1.0, 0.02);
  // Without coefficients the corresponding-states estimate: a few percent at 0.7 Tc.
  const double dippr = ln_p(0.7 * 369.83, 1, data);
  double* c1 = const_cast<double*>(static_cast<const double*>(a[0]));
  c1[0] = refhost::kMissing;
  EXPECT_NEAR(ln_p(0.7 * 369.83, 1, data), dippr, 0.03);
  EXPECT_EQ(ln_p(0.7 * 369.83, 1, data), refhost::lee_kesler_ln_pvap(0.7 * 369.83, 369.83, 4.248e6, 0.152));
}

}  // namespace
}  // namespace kova::correlations
