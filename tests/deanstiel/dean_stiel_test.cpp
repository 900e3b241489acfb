// Dean-Stiel correlation against published examples, and the three entry routines against
// the reference host: defaults and messages, gate arguments, trace, degenerate inputs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "databank.h"
#include "deanstiel/dean_stiel.h"
#include "kova/kova.h"
#include "support/host_fixture.h"

namespace {

using kova::refhost::pack_word;
using kova::testing::HostTest;

constexpr double R = 8314.46;

double excess(double tc, double zc, double vc, double mw, double v) {
  using namespace kova::deanstiel;
  return dean_stiel_excess(vc / v, dean_stiel_xi(tc, critical_pressure(R, zc, tc, vc), mw));
}

// Worked example D1: isobutane at 500 K and 10 MPa (V = 0.2438 m3/kmol). Reference viscosity
// 266.36 uP less the 120 uP low-pressure value implies a correction of 1.4636e-5 Pa s; the
// correlation with Pc formed from Zc lands about 1.2 % below it.
TEST(DeanStielCorrelation, IsobutaneDenseGas) {
  const double c = excess(407.85, 0.278, 0.2627, 58.123, 0.2438);
  EXPECT_NEAR(c, 1.4636e-5, 0.03 * 1.4636e-5);
  EXPECT_LT(c, 1.4636e-5);
}

// Worked example D2 (API procedure 11B4.1): 60 % methane / 40 % propane, reduced density
// 0.5283, low-pressure viscosity 0.0123 cP, published total 0.0163 cP (tolerance 0.5 %).
TEST(DeanStielCorrelation, MethanePropaneMixture) {
  const double tcm = 0.6 * 190.56 + 0.4 * 369.83, zcm = 0.6 * 0.286 + 0.4 * 0.276;
  const double vcm = 0.6 * 0.0986 + 0.4 * 0.2, mwm = 0.6 * 16.043 + 0.4 * 44.097;
  const double total = 1.23e-5 + excess(tcm, zcm, vcm, mwm, 1.0 / 3.79635);
  EXPECT_NEAR(total, 1.63e-5, 0.005 * 1.63e-5);
}

TEST(DeanStielCorrelation, VanishesAtZeroDensityAndRejectsBadXi) {
  using namespace kova::deanstiel;
  EXPECT_EQ(dean_stiel_excess(0.0, 1.0), 0.0);
  EXPECT_FALSE(usable_xi(dean_stiel_xi(400.0, INFINITY, 50.0)));  // zero critical volume
  EXPECT_FALSE(usable_xi(dean_stiel_xi(400.0, 3e6, 0.0)));       // zero molecular weight
  EXPECT_FALSE(usable_xi(dean_stiel_xi(-400.0, 3e6, 50.0)));     // negative temperature
  EXPECT_TRUE(usable_xi(dean_stiel_xi(400.0, 3e6, 50.0)));
}

// A two-component host set (isobutane, propane) with parameter arrays by component number.
struct Set {
  std::vector<double> tc{407.85, 369.83}, zc{0.278, 0.276}, vc{0.2627, 0.2}, mw{58.123, 44.097};
  std::vector<double> flag{0.0, 0.0};
  std::vector<kova_word> cid{pack_word("I-BU"), pack_word("TANE"), pack_word("PROP"), pack_word("ANE")};
};

class DeanStielRoutines : public HostTest {
 protected:
  Set s;
  double t = 500.0;
  std::int64_t kdiag = 2;
  void muv007(std::vector<std::int64_t> idx, std::vector<double> vv, std::vector<double>& out) {
    const std::int64_t n = static_cast<std::int64_t>(idx.size());
    KOVA_MUV007(&t, &n, idx.data(), vv.data(), &kdiag, out.data(), s.tc.data(), s.zc.data(), s.vc.data(),
                s.mw.data(), s.flag.data(), s.cid.data());
  }
  double muv205(std::vector<double> x, std::vector<std::int64_t> idx, double v) {
    const std::int64_t n = static_cast<std::int64_t>(idx.size());
    double out = -1.0;
    KOVA_MUV205(&t, x.data(), &n, idx.data(), &v, &kdiag, &out, s.tc.data(), s.zc.data(), s.vc.data(),
                s.mw.data(), s.flag.data(), s.cid.data());
    return out;
  }
  double muv202(std::vector<double> x, std::vector<std::int64_t> idx, double rho, double lp) {
    const std::int64_t n = static_cast<std::int64_t>(idx.size());
    double out = -1.0;
    KOVA_MUV202(&t, x.data(), &n, idx.data(), &rho, &lp, &kdiag, &out, s.tc.data(), s.zc.data(),
                s.vc.data(), s.mw.data(), s.flag.data(), s.cid.data());
    return out;
  }
};

TEST_F(DeanStielRoutines, PureCorrectionsPerEntryAndTheEveryCallTraceLine) {
  std::vector<double> out(2, -1.0);
  muv007({2, 1}, {0.3, 0.2438}, out);
  EXPECT_DOUBLE_EQ(out[0], excess(369.83, 0.276, 0.2, 44.097, 0.3));
  EXPECT_DOUBLE_EQ(out[1], excess(407.85, 0.278, 0.2627, 58.123, 0.2438));
  EXPECT_TRUE(rec().gate_calls.empty());
  EXPECT_EQ(traced(), std::vector<std::string>{"     IN MUV007"});
  EXPECT_EQ(s.flag, (std::vector<double>{1.0, 1.0}));
}

TEST_F(DeanStielRoutines, MissingParametersAreDefaultedOnceWithHeaderThenOneLineForms) {
  const double m = kova::refhost::kMissing;
  s.tc[0] = m;
  s.mw[0] = m;
  s.zc[1] = m;
  std::vector<double> out(2);
  muv007({1, 2}, {0.3, 0.3}, out);
  EXPECT_EQ(s.tc[0], 507.4);
  EXPECT_EQ(s.mw[0], 86.178);
  EXPECT_EQ(s.zc[1], 0.26);
  EXPECT_DOUBLE_EQ(out[0], excess(507.4, 0.278, 0.2627, 86.178, 0.3));

  ASSERT_EQ(rec().gate_calls.size(), 3u);
  const auto& g = rec().gate_calls[0];
  EXPECT_EQ(g.id, "MUV0    07      ");
  EXPECT_EQ(g.cls, 1);
  EXPECT_EQ(g.num, 1);
  EXPECT_EQ(g.kdiag, 2);
  EXPECT_EQ(g.hostword, static_cast<const void*>(&ZEL_PPRIV[7]));
  EXPECT_EQ(g.zero, 0);
  EXPECT_EQ(g.one, 1);
  EXPECT_TRUE(g.closing_is_word19());
  EXPECT_EQ(rec().gate_calls[1].num, 4);
  EXPECT_EQ(rec().gate_calls[2].num, 2);

  ASSERT_EQ(rec().printed.size(), 3u);
  EXPECT_EQ(rec().printed[0].nlines, 2);
  EXPECT_EQ(printed(0), (std::vector<std::string>{"      VISCOSITY MODEL MUV0DSPC HAS MISSING PARAMETERS:",
                                                  "      TC (DATA SET 1) MISSING FOR COMPONENT I-BUTANE"}));
  EXPECT_EQ(rec().printed[1].nlines, 1);
  EXPECT_EQ(printed(1), std::vector<std::string>{"      MW (DATA SET 1) MISSING FOR COMPONENT I-BUTANE"});
  EXPECT_EQ(printed(2), std::vector<std::string>{"      ZC (DATA SET 1) MISSING FOR COMPONENT PROPANE"});

  // The flags are set, so a second call neither reports nor replaces.
  s.vc[0] = m;
  muv007({1, 2}, {0.3, 0.3}, out);
  EXPECT_EQ(rec().gate_calls.size(), 3u);
  EXPECT_EQ(s.vc[0], m);
}

TEST_F(DeanStielRoutines, GateAnswerZeroSuppressesPrintingButNotDefaults) {
  kova::refhost::force_gate(0);
  s.vc[1] = kova::refhost::kMissing;
  std::vector<double> out(1);
  muv007({2}, {0.3}, out);
  EXPECT_EQ(s.vc[1], 0.369445);
  EXPECT_EQ(rec().gate_calls.size(), 1u);
  EXPECT_TRUE(rec().printed.empty());
  // A later message in the same call is still the two-line form: only printed ones count.
  kova::refhost::reset();
  kova::refhost::force_gate(0);
  s.flag = {0.0, 0.0};
  s.tc[1] = kova::refhost::kMissing;
  muv007({2}, {0.3}, out);
  EXPECT_TRUE(rec().printed.empty());
}

TEST_F(DeanStielRoutines, FlagOfOneSkipsTheCheckEvenWithMarkers) {
  s.flag[0] = 1.0;
  s.tc[0] = kova::refhost::kMissing;
  std::vector<double> out(1);
  muv007({1}, {0.3}, out);
  EXPECT_EQ(s.tc[0], kova::refhost::kMissing);
  EXPECT_TRUE(rec().gate_calls.empty());
  // A value that differs from the marker by the least amount counts as present.
  s.flag[1] = 0.0;
  s.tc[1] = std::nextafter(kova::refhost::kMissing, 0.0);
  muv007({2}, {0.3}, out);
  EXPECT_EQ(s.tc[1], std::nextafter(kova::refhost::kMissing, 0.0));
  EXPECT_TRUE(rec().gate_calls.empty());
}

TEST_F(DeanStielRoutines, ZeroOrMissingVolumeGivesZeroAndClassTwoMessageOnlyOnExactlyOne) {
  s.flag = {1.0, 1.0};
  std::vector<double> out(3, -1.0);
  const double small = kova::refhost::kSmall;
  muv007({1, 2, 1}, {0.0, small, kova::refhost::kMissing}, out);
  EXPECT_EQ(out[0], 0.0);
  EXPECT_GT(out[1], 0.0);  // equal to the threshold: accepted
  EXPECT_EQ(out[2], 0.0);
  ASSERT_EQ(rec().gate_calls.size(), 2u);
  EXPECT_EQ(rec().gate_calls[0].cls, 2);
  EXPECT_EQ(rec().gate_calls[0].num, 5);
  EXPECT_EQ(printed(0), (std::vector<std::string>{
                            "      PRESSURE CORRECTION TO VAPOR MIXTURE VISCOSITY FOR COMPONENT I-BUTANE",
                            "      CANNOT BE CALCULATED DUE TO MISSING OR ZERO VOLUME. MUVPC IS SET TO ZERO"}));
  kova::refhost::reset();
  kova::refhost::force_gate(2);  // printed only on exactly 1
  muv007({1}, {0.0}, out);
  EXPECT_EQ(rec().gate_calls.size(), 1u);
  EXPECT_TRUE(rec().printed.empty());
}

TEST_F(DeanStielRoutines, NonFiniteVolumeIsRefusedLikeAZeroVolume) {
  s.flag = {1.0, 1.0};
  std::vector<double> out(1, -1.0);
  muv007({1}, {std::nan("")}, out);
  EXPECT_EQ(out[0], 0.0);
  EXPECT_EQ(rec().gate_calls.at(0).num, 5);
}

TEST_F(DeanStielRoutines, ZeroCriticalVolumeGivesZeroWithItsOwnMessage) {
  s.flag = {1.0, 1.0};
  s.vc[0] = 0.0;
  s.mw[1] = 0.0;
  std::vector<double> out(2, -1.0);
  muv007({1, 2}, {0.3, 0.3}, out);
  EXPECT_EQ(out, (std::vector<double>{0.0, 0.0}));
  ASSERT_EQ(rec().gate_calls.size(), 2u);
  EXPECT_EQ(rec().gate_calls[0].cls, 2);
  EXPECT_EQ(rec().gate_calls[0].num, 6);
  EXPECT_EQ(rec().printed[0].nlines, 3);
  EXPECT_EQ(printed(0)[0], "      PRESSURE CORRECTION TO VAPOR MIXTURE VISCOSITY FOR COMPONENT I-BUTANE");
}

TEST_F(DeanStielRoutines, EmptyListWritesNothing) {
  std::vector<double> out{-7.0};
  muv007({}, {}, out);
  EXPECT_EQ(out[0], -7.0);
  EXPECT_TRUE(rec().gate_calls.empty());
}

TEST_F(DeanStielRoutines, TraceOnNegativeAndHighLevelsOnly) {
  std::vector<double> out(1);
  for (std::int64_t level : {0, 6}) {
    kova::refhost::reset();
    kdiag = level;
    muv007({1}, {0.3}, out);
    EXPECT_EQ(traced().size(), 1u) << level;
  }
  for (std::int64_t level : {-1, 7}) {
    kova::refhost::reset();
    kdiag = level;
    muv007({1}, {0.3}, out);
    ASSERT_EQ(traced().size(), 5u) << level;
    EXPECT_EQ(traced()[1], "");
    EXPECT_EQ(traced()[2], " MUV007  ");
    EXPECT_EQ(traced()[3], "                T=  500.00    ");
    EXPECT_EQ(traced()[4].substr(0, 25), "       VV(   1)= 0.30000 ");
  }
}

TEST_F(DeanStielRoutines, TraceGoesToTheUnitOfWordEight) {
  const std::int64_t unit = 17;
  std::memcpy(&ZEL_PPRIV[8], &unit, 8);
  std::vector<double> out(1);
  muv007({1}, {0.3}, out);
  EXPECT_EQ(rec().trace[17].size(), 1u);
  EXPECT_TRUE(rec().trace[6].empty());
}

TEST_F(DeanStielRoutines, MixtureUsesUnnormalisedMoleFractionSums) {
  const double v = 0.25;
  const double full = muv205({0.6, 0.4}, {1, 2}, v);
  const double tcm = 0.6 * 407.85 + 0.4 * 369.83, zcm = 0.6 * 0.278 + 0.4 * 0.276;
  const double vcm = 0.6 * 0.2627 + 0.4 * 0.2, mwm = 0.6 * 58.123 + 0.4 * 44.097;
  EXPECT_DOUBLE_EQ(full, excess(tcm, zcm, vcm, mwm, v));
  const double half = muv205({0.3, 0.2}, {1, 2}, v);
  EXPECT_DOUBLE_EQ(half, excess(tcm / 2, zcm / 2, vcm / 2, mwm / 2, v));
}

TEST_F(DeanStielRoutines, MixtureMessagesAndTrace) {
  kdiag = 7;
  EXPECT_EQ(muv205({0.5, 0.5}, {1, 2}, 0.0), 0.0);
  EXPECT_EQ(printed(0), (std::vector<std::string>{
                            "      PRESSURE CORRECTION TO VAPOR MIXTURE VISCOSITY CANNOT BE CALCULATED DUE",
                            "      TO MISSING OR ZERO MOLAR VOLUME. MUVXPC IS SET TO ZERO."}));
  EXPECT_EQ(rec().gate_calls[0].id, "MUV2    05      ");
  const auto& tr = traced();
  ASSERT_EQ(tr.size(), 6u);
  EXPECT_EQ(tr[1], " MUV205       MUV2DSPC");
  EXPECT_EQ(tr[2], "        X(   1)= 0.50000        IDX(   1)=   1");
  EXPECT_EQ(tr[4], "              T=  500.00             VVMX=  0.0000    ");
  EXPECT_EQ(tr[5], "         MUVXPC=  0.0000    ");
}

TEST_F(DeanStielRoutines, EmptyMixtureGivesZeroCorrectionWithMessage) {
  EXPECT_EQ(muv205({}, {}, 0.3), 0.0);
  EXPECT_EQ(rec().gate_calls.at(0).num, 6);
  EXPECT_EQ(muv202({}, {}, 5.0, 1.5e-5), 1.5e-5);
  EXPECT_EQ(rec().gate_calls.at(1).id, "MUV2    02      ");
  EXPECT_EQ(rec().gate_calls.at(1).cls, 2);
}

TEST_F(DeanStielRoutines, DenseMixtureViscosityAddsTheResidual) {
  EXPECT_EQ(muv202({0.6, 0.4}, {1, 2}, 0.0, 1.23e-5), 1.23e-5);  // zero density: both exponentials are 1
  // One component at X = 1: the low-pressure value plus the pure correction at V = 1/RHOMX.
  std::vector<double> pure(1);
  muv007({1}, {0.25}, pure);
  EXPECT_DOUBLE_EQ(muv202({1.0}, {1}, 4.0, 1.0e-5), 1.0e-5 + pure[0]);
  kova::refhost::reset();
  s.flag = {0.0, 0.0};
  s.mw[1] = kova::refhost::kMissing;
  muv202({0.5, 0.5}, {1, 2}, 4.0, 1.0e-5);
  EXPECT_EQ(s.mw[1], 86.178);
  EXPECT_EQ(printed(0)[0], "      VISCOSITY MODEL MUV2DNST HAS MISSING PARAMETERS:");
  EXPECT_TRUE(traced().empty());  // this routine writes no trace
}

TEST_F(DeanStielRoutines, DatabankComponentsRunThrough) {
  const auto set = kova::refhost::ComponentSet::of({"methane", "n-butane", "carbon dioxide"});
  auto tc = set.param("TC"), zc = set.param("ZC"), vc = set.param("VC"), mw = set.param("MW");
  auto flag = set.flags();
  auto cid = set.cid();
  const auto idx = set.all();
  const std::int64_t n = set.size();
  std::vector<double> vv{0.5, 0.5, 0.5}, out(3);
  KOVA_MUV007(&t, &n, idx.data(), vv.data(), &kdiag, out.data(), tc.data(), zc.data(), vc.data(), mw.data(),
              flag.data(), cid.data());
  for (double c : out) EXPECT_GT(c, 0.0);
  EXPECT_TRUE(rec().gate_calls.empty());
}

}  // namespace
