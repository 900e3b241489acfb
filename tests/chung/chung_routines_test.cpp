// Conformance of the exported Chung-Lee-Starling routines against the recording reference
// host: parameter test and messages, host words of each family, trace, write rules.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "chung/chung.h"
#include "chung_pairs.h"
#include "databank.h"
#include "kova/kova.h"
#include "refhost.h"
#include "support/host_fixture.h"

namespace {

using kova::refhost::ChungPairs;
using kova::refhost::ComponentSet;

// A component set as the host holds it for the Chung routines.
struct Host {
  explicit Host(const std::vector<std::string>& names)
      : set(ComponentSet::of(names)),
        pairs(kova::refhost::chung_pairs(set)),
        mup(set.param("MUP_DEBYE")),
        mw(set.param("MW")),
        tc(set.param("TC")),
        vc(set.param("VC")),
        omega(set.param("OMEGA")),
        flag(set.flags()),
        cid(set.cid()),
        idx(set.all()) {
    set.install();
  }
  ComponentSet set;
  ChungPairs pairs;
  std::vector<double> mup, mw, tc, vc, omega, flag;
  std::vector<kova_word> cid;
  std::vector<std::int64_t> idx;
  std::int64_t idset = 1, kcalc = 1, kcoef = 0, ker = 0;

  std::int64_t n() const { return static_cast<std::int64_t>(idx.size()); }

  std::vector<double> muv008(double t, std::int64_t kdiag, std::vector<double> out = {}) {
    out.resize(idx.size(), -1.0);
    const std::int64_t nn = n();
    KOVA_MUV008(&t, &nn, idx.data(), &kdiag, &idset, &kcalc, out.data(), mup.data(), mw.data(), tc.data(),
                vc.data(), omega.data(), pairs.sig3.data(), pairs.epsig3.data(), pairs.epsig2m.data(),
                pairs.dipsig3.data(), pairs.sqkap.data(), pairs.omsig3.data(), flag.data(), cid.data());
    return out;
  }
  double muv206(double t, const std::vector<double>& x, std::int64_t kdiag, double out = -1.0) {
    const std::int64_t nn = n();
    KOVA_MUV206(&t, x.data(), &nn, idx.data(), &kdiag, &idset, &kcalc, &out, mup.data(), mw.data(), tc.data(),
                vc.data(), omega.data(), pairs.sig3.data(), pairs.epsig3.data(), pairs.epsig2m.data(),
                pairs.dipsig3.data(), pairs.sqkap.data(), pairs.omsig3.data(), flag.data(), cid.data());
    return out;
  }
  std::vector<double> muvl04(double t, const std::vector<double>& v, std::int64_t kdiag) {
    std::vector<double> out(idx.size(), -1.0);
    const std::int64_t nn = n();
    const double dummy = 12345.0;
    KOVA_MUVL04(&t, &nn, idx.data(), &kdiag, &idset, &kcalc, v.data(), out.data(), mup.data(), &dummy, mw.data(),
                tc.data(), vc.data(), omega.data(), pairs.sig3.data(), pairs.epsig3.data(), pairs.epsig2m.data(),
                pairs.dipsig3.data(), pairs.sqkap.data(), pairs.omsig3.data(), flag.data(), cid.data(), &kcoef);
    return out;
  }
  double muvl03(double t, const std::vector<double>& x, double v, std::int64_t kdiag) {
    double out = -1.0;
    const std::int64_t nn = n();
    KOVA_MUVL03(&t, x.data(), &nn, idx.data(), &kdiag, &idset, &kcalc, &v, &out, mup.data(), mw.data(), tc.data(),
                vc.data(), omega.data(), pairs.sig3.data(), pairs.epsig3.data(), pairs.epsig2m.data(),
                pairs.dipsig3.data(), pairs.sqkap.data(), pairs.omsig3.data(), flag.data(), cid.data(), &kcoef);
    return out;
  }
  std::vector<double> kvl03(double t, const std::vector<double>& v, const std::vector<double>& eta0,
                            const std::vector<double>& cp, std::int64_t kdiag) {
    std::vector<double> out(idx.size(), -1.0);
    const std::int64_t nn = n();
    KOVA_KVL03(&t, &nn, idx.data(), &kdiag, &idset, &kcalc, v.data(), eta0.data(), cp.data(), out.data(), &ker,
               mup.data(), mw.data(), tc.data(), vc.data(), omega.data(), pairs.sig3.data(), pairs.epsig3.data(),
               pairs.epsig2m.data(), pairs.dipsig3.data(), pairs.sqkap.data(), pairs.omsig3.data(), flag.data(),
               cid.data());
    return out;
  }
  double kvl02(double t, const std::vector<double>& x, double v, double eta0, double cp, std::int64_t kdiag) {
    double out = -1.0;
    const std::int64_t nn = n();
    KOVA_KVL02(&t, x.data(), &nn, idx.data(), &kdiag, &idset, &kcalc, &v, &eta0, &cp, &out, &ker, mup.data(),
               mw.data(), tc.data(), vc.data(), omega.data(), pairs.sig3.data(), pairs.epsig3.data(),
               pairs.epsig2m.data(), pairs.dipsig3.data(), pairs.sqkap.data(), pairs.omsig3.data(), flag.data(),
               cid.data());
    return out;
  }
};

void set_int(kova_word* block, int n, std::int64_t v) { block[n].i = v; }

class ChungRoutines : public kova::testing::HostTest {
 protected:
  static double marker() { return kova::refhost::kMissing; }
};

// ---------------------------------------------------------------- parameter test

TEST_F(ChungRoutines, NotBelowMarkerTestReportsWithoutWritingBack) {
  Host h({"methane", "ethane", "propane", "n-butane"});
  h.tc[0] = marker();                                                // equal
  h.vc[1] = marker() * 2;                                            // greater
  h.mw[2] = std::numeric_limits<double>::quiet_NaN();                // not a number
  h.mup[3] = std::nextafter(marker(), 0.0);                          // just below: present
  const std::vector<double> tc = h.tc, vc = h.vc, mup = h.mup;
  const std::vector<double> clean = Host({"methane", "ethane", "propane", "n-butane"}).muv008(300, 0);
  kova::refhost::reset();
  h.set.install();
  const std::vector<double> mu = h.muv008(300, 2);

  ASSERT_EQ(rec().gate_calls.size(), 3u);
  const std::int64_t nums[] = {1, 2, 5};
  for (std::size_t k = 0; k < 3; ++k) {
    const auto& g = rec().gate_calls[k];
    EXPECT_EQ(g.id, "MUV0    08      ");
    EXPECT_EQ(g.cls, 1);
    EXPECT_EQ(g.num, nums[k]);
    EXPECT_EQ(g.kdiag, 2);
    EXPECT_EQ(g.hostword, static_cast<const void*>(&ZEL_PPRIV[7]));
    EXPECT_EQ(g.zero, 0);
    EXPECT_EQ(g.one, 1);
    EXPECT_EQ(g.closing_int, 2);
  }
  ASSERT_EQ(rec().printed.size(), 3u);
  EXPECT_EQ(rec().printed[0].nlines, 2);
  EXPECT_EQ(printed(0), (std::vector<std::string>{
                            "      LOW PRESSURE VAPOR VISCOSITY MODEL MUV0CLSL HAS MISSING PARAMETERS:",
                            "      TC (DATA SET  1) FOR COMPONENT METHANE"}));
  EXPECT_EQ(rec().printed[1].nlines, 1);
  EXPECT_EQ(printed(1), std::vector<std::string>{"      VC (DATA SET  1) FOR COMPONENT ETHANE"});
  EXPECT_EQ(printed(2), std::vector<std::string>{"      MW (DATA SET  1) FOR COMPONENT PROPANE"});
  // Nothing written back, the flags set, the results those of complete parameters.
  EXPECT_EQ(h.tc[0], tc[0]);
  EXPECT_EQ(h.vc[1], vc[1]);
  EXPECT_TRUE(std::isnan(h.mw[2]));
  EXPECT_EQ(h.flag, std::vector<double>(4, 1.0));
  EXPECT_EQ(mu, clean);
}

TEST_F(ChungRoutines, AcentricFactorNamesAndMessageOrder) {
  Host h({"ammonia"});
  h.omega[0] = h.mup[0] = h.tc[0] = marker();
  h.muv008(400, 2);
  ASSERT_EQ(rec().printed.size(), 3u);
  EXPECT_EQ(printed(0)[1], "      TC (DATA SET  1) FOR COMPONENT AMMONIA");
  EXPECT_EQ(printed(1)[0], "      OMGCLK (DATA SET  1) FOR COMPONENT AMMONIA");
  EXPECT_EQ(printed(2)[0], "      MUP (DATA SET  1) FOR COMPONENT AMMONIA");
  EXPECT_EQ(rec().gate_calls[2].num, 6);

  // First form names it OMGCLD; the other viscosity routines print MISSING and a blank.
  kova::refhost::reset();
  Host m({"ammonia", "water"});
  m.idset = 3;
  m.omega[0] = m.mw[1] = marker();
  m.muv206(400, {0.5, 0.5}, 2);
  EXPECT_EQ(printed(0), (std::vector<std::string>{
                            "      LOW PRESSURE VAPOR VISCOSITY MODEL MUV2CLSL HAS MISSING PARAMETERS:",
                            "      OMGCLD (DATA SET   3) MISSING FOR COMPONENT AMMONIA"}));
  EXPECT_EQ(printed(1), std::vector<std::string>{"      MW (DATA SET   3) MISSING FOR COMPONENT WATER"});

  kova::refhost::reset();
  Host d({"ammonia"});
  d.vc[0] = marker();
  d.muvl04(400, {0.05}, 2);
  EXPECT_EQ(printed(0)[0], "      VAPOR/LIQUID VISCOSITY MODEL MUL0CLS/MUV0CLS HAS MISSING PARAMETERS:");
  d.flag[0] = 0.0;
  d.muvl03(400, {1.0}, 0.05, 2);
  EXPECT_EQ(printed(1)[0], "      VAPOR/LIQUID VISCOSITY MODEL MUL2CLS/MUV2CLS HAS MISSING PARAMETERS:");
  EXPECT_EQ(printed(1)[1], "      VC (DATA SET   1) MISSING FOR COMPONENT AMMONIA");
}

TEST_F(ChungRoutines, CheckedComponentsAndSuppressedMessages) {
  Host h({"ethanol", "water"});
  h.tc[0] = h.tc[1] = marker();
  h.flag[0] = 1.0;  // already checked: not tested again
  const std::vector<double> mu = h.muv008(400, 2);
  ASSERT_EQ(rec().gate_calls.size(), 1u);
  EXPECT_EQ(printed(0)[1], "      TC (DATA SET  1) FOR COMPONENT WATER");
  EXPECT_GT(mu[0], 0.0);

  // A gate that says no: no buffer write, no print request, the same results.
  kova::refhost::reset();
  h.set.install();
  kova::refhost::force_gate(0);
  h.flag = {0.0, 0.0};
  EXPECT_EQ(h.muv008(400, 2), mu);
  EXPECT_EQ(rec().gate_calls.size(), 2u);
  EXPECT_TRUE(rec().printed.empty());
  // A second call with the same flags tests nothing.
  h.muv008(400, 2);
  EXPECT_EQ(rec().gate_calls.size(), 2u);
}

// ---------------------------------------------------------------- conductivity host words

TEST_F(ChungRoutines, ConductivityRoutinesReadTheirOwnHostWords) {
  Host h({"propylene", "ammonia"});
  // The viscosity words point elsewhere: a marker that would find everything missing and a
  // row count that would read the wrong elements.
  ZEL_PPRIV[0].r = -1.0;
  set_int(ZEL_PPRIV, 9, 7);
  h.tc[1] = marker();
  const double r = kova::refhost::kGasConstant;
  const std::vector<double> k = h.kvl03(473, {0.1721, 0.0482}, {1.34e-5, 1.8e-5}, {82.67e3 + r, 42.7e3 + r}, 0);
  ASSERT_EQ(rec().gate_calls.size(), 1u);
  EXPECT_EQ(rec().gate_calls[0].id, "KVL0    3       ");
  EXPECT_EQ(rec().gate_calls[0].hostword, static_cast<const void*>(&ZEL_GLOBAL[7]));
  EXPECT_EQ(rec().gate_calls[0].kdiag, 0);
  // KDIAG 0 goes to the gate, whose level policy suppresses class 1; forced, the first
  // message has the three-line header.
  EXPECT_TRUE(rec().printed.empty());
  kova::refhost::force_gate(1);
  h.flag = {0.0, 0.0};
  h.kvl03(473, {0.1721, 0.0482}, {1.34e-5, 1.8e-5}, {82.67e3 + r, 42.7e3 + r}, 0);
  ASSERT_EQ(rec().printed.size(), 1u);
  EXPECT_EQ(rec().printed[0].nlines, 3);
  EXPECT_EQ(printed(0), (std::vector<std::string>{
                            "      VAPOR/LIQUID THERMAL CONDUCTIVITY MODEL KL0CLS/KV0CLS HAS MISSING",
                            "      PARAMETERS:", "      TC (DATA SET   1) MISSING FOR COMPONENT AMMONIA"}));
  h.flag = {0.0, 0.0};
  h.omega[0] = marker();
  const double kmx = h.kvl02(473, {0.5, 0.5}, 0.1, 1.5e-5, 70e3, 0);
  EXPECT_EQ(printed(1), (std::vector<std::string>{
                            "      VAPOR/LIQUID THERMAL CONDUCTIVITY MODEL KL2CLS/KV2CLS HAS MISSING",
                            "       PARAMETERS:", "      OMGCLS (DATA SET   1) MISSING FOR COMPONENT PROPYLEN"}));
  EXPECT_EQ(printed(2), std::vector<std::string>{"      TC (DATA SET   1) MISSING FOR COMPONENT AMMONIA"});
  EXPECT_GT(kmx, 0.0);

  // The propylene value of worked example 10-4 needs the right rows (ZEL_NCOMP word 0).
  EXPECT_NEAR(k[0], 0.0616, 0.002);
}

TEST_F(ChungRoutines, ConductivityMarkerIsZelRglob) {
  Host h({"propylene"});
  ZEL_RGLOB[0].r = 40.0;  // TC 364.9 K and MW 42.08 are not below this marker
  h.kvl03(473, {0.1721}, {1.34e-5}, {9.1e4}, 0);
  std::vector<std::int64_t> nums;
  for (const auto& g : rec().gate_calls) nums.push_back(g.num);
  EXPECT_EQ(nums, (std::vector<std::int64_t>{1, 5}));
}

// ---------------------------------------------------------------- trace

TEST_F(ChungRoutines, LowPressureTraceLevels) {
  Host h({"methane", "ethane"});
  for (std::int64_t level : {0, 6}) {
    h.muv008(300, level);
    h.muv206(300, {0.3, 0.7}, level);
  }
  EXPECT_TRUE(traced().empty());

  h.muv008(300, 7);  // entry trace only
  EXPECT_EQ(traced(), (std::vector<std::string>{"", " MUV008  ", "              T=  300.00    ",
                                                 "      IDX(   1)=   1", "      IDX(   2)=   2"}));
  rec().trace.clear();
  const std::vector<double> mu = h.muv008(300, -1);  // both
  ASSERT_EQ(traced().size(), 7u);
  EXPECT_EQ(traced()[6].substr(0, 17), "    MUVLP(   2)= ");
  EXPECT_GT(mu[1], 0.0);

  rec().trace.clear();
  const double mx = h.muv206(300, {0.3, 0.7}, 8);
  ASSERT_EQ(traced().size(), 6u);
  EXPECT_EQ(traced()[3], "        X(   1)= 0.30000        IDX(   1)=   1");
  EXPECT_EQ(traced()[5].substr(0, 16), "        MUVMXLP=");
  EXPECT_GT(mx, 0.0);
}

TEST_F(ChungRoutines, NoCalculationLeavesEverythingAndTracesTheUntouchedResults) {
  Host h({"methane"});
  h.kcalc = 0;
  h.tc[0] = marker();
  EXPECT_EQ(h.muv008(300, 8, {2.5}), std::vector<double>{2.5});
  EXPECT_EQ(h.muv206(300, {1.0}, 8, 2.5), 2.5);
  EXPECT_EQ(h.muvl04(300, {0.1}, 8), std::vector<double>{-1.0});
  EXPECT_EQ(h.muvl03(300, {1.0}, 0.1, 8), -1.0);
  ZEL_GLOBAL[10].i = 7;
  h.ker = 42;
  EXPECT_EQ(h.kvl03(300, {0.1}, {1e-5}, {4e4}, 0), std::vector<double>{-1.0});
  EXPECT_EQ(h.kvl02(300, {1.0}, 0.1, 1e-5, 4e4, 0), -1.0);
  EXPECT_TRUE(rec().gate_calls.empty());
  EXPECT_EQ(h.flag, std::vector<double>{0.0});
  EXPECT_EQ(h.ker, 42);
  const std::vector<std::string> expected = {
      // MUV008: header, T, list, untouched result
      "", " MUV008  ", "              T=  300.00    ", "      IDX(   1)=   1", "    MUVLP(   1)=  2.5000    ",
      // MUV206
      "", " MUV206  ", "              T=  300.00    ", "        X(   1)=  1.0000        IDX(   1)=   1",
      "        MUVMXLP=  2.5000    ",
      // MUVL04: nothing; MUVL03: entry trace only
      "", " MUVL03  ", "              T=  300.00    ", "        X(   1)=  1.0000        IDX(   1)=   1",
      // KVL03 (trace on ZEL_GLOBAL word 10): entry, untouched K, KER
      "", " KVL03   ", "              T=  300.00    ",
      "        V(   1)= 0.10000         CP(   1)=  40000.      MUVLP(   1)= 0.10000E-04    IDX(   1)=   1",
      "        K(   1)= -1.0000        IDX(   1)=   1", "            KER=  42",
      // KVL02
      "", " KVL02   ",
      "              T=  300.00              VMX= 0.10000          MUVMXLP= 0.10000E-04         CPMX=  40000.    ",
      "        X(   1)=  1.0000        IDX(   1)=   1", "            KMX= -1.0000              KER=  42"};
  EXPECT_EQ(traced(), expected);
}

TEST_F(ChungRoutines, DenseAndConductivityTraceSwitches) {
  Host h({"n-hexane", "n-heptane"});
  h.muvl04(300, {0.13, 0.15}, 10);
  h.muvl04(300, {0.13, 0.15}, -1);
  EXPECT_TRUE(traced().empty());
  h.muvl03(300, {0.5, 0.5}, 0.14, 7);
  EXPECT_EQ(traced().size(), 5u);
  h.muvl03(300, {0.5, 0.5}, 0.14, 8);
  EXPECT_EQ(traced().size(), 11u);

  // Conductivity: ZEL_GLOBAL word 10 switches, KDIAG does not; the unit is ZEL_GLOBAL word 4.
  rec().trace.clear();
  set_int(ZEL_GLOBAL, 4, 17);
  h.kvl02(300, {0.5, 0.5}, 0.14, 1e-5, 2e5, 10);
  EXPECT_TRUE(rec().trace.empty());
  ZEL_GLOBAL[10].i = 7;
  h.kvl02(300, {0.5, 0.5}, 0.14, 1e-5, 2e5, 0);
  EXPECT_EQ(traced(17).size(), 6u);
  EXPECT_TRUE(traced(6).empty());
  ZEL_GLOBAL[10].i = -3;
  h.kvl03(300, {0.13, 0.15}, {1e-5, 1e-5}, {2e5, 2e5}, 0);
  EXPECT_EQ(traced(17).size(), 6u + 3 + 2 + 2 + 1);
}

// ---------------------------------------------------------------- results

TEST_F(ChungRoutines, OneComponentMixtureEqualsThePureRoutine) {
  Host h({"methanol"});
  const double t = 450, v = 0.08, r = kova::refhost::kGasConstant;
  EXPECT_EQ(h.muv206(t, {1.0}, 0), h.muv008(t, 0)[0]);
  EXPECT_EQ(h.muvl03(t, {1.0}, v, 0), h.muvl04(t, {v}, 0)[0]);
  const double cp = 6.0 * r;
  EXPECT_DOUBLE_EQ(h.kvl02(t, {1.0}, v, 1.5e-5, cp, 0), h.kvl03(t, {v}, {1.5e-5}, {cp}, 0)[0]);
  // KCOEF = 1 selects the other coefficient set; any other value the first.
  const double set1 = h.muvl04(t, {v}, 0)[0];
  h.kcoef = 2;
  EXPECT_EQ(h.muvl04(t, {v}, 0)[0], set1);
  h.kcoef = 1;
  EXPECT_NE(h.muvl04(t, {v}, 0)[0], set1);
}

TEST_F(ChungRoutines, MixtureReturnsTheMagnitudePureTheSign) {
  // An exaggerated dipole drives the dense-fluid correction negative at liquid density.
  Host h({"ammonia"});
  h.pairs.dipsig3[0] *= 3.0;
  const double v = 0.028, t = 300;
  const double pure = h.muvl04(t, {v}, 0)[0];
  ASSERT_LT(pure, 0.0);
  EXPECT_EQ(h.muvl03(t, {1.0}, v, 0), -pure);
}

TEST_F(ChungRoutines, LargeVolumeGivesTheLowPressureValue) {
  Host h({"sulfur dioxide", "hydrogen sulfide", "diethyl ether"});
  const std::vector<double> lp = h.muv008(400, 0);
  const std::vector<double> dense = h.muvl04(400, {1e5, 1e5, 1e5}, 0);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(dense[i] / lp[i], 1.0, 1e-5);
  const std::vector<double> x = {0.2, 0.3, 0.5};
  EXPECT_NEAR(h.muvl03(400, x, 1e5, 0) / h.muv206(400, x, 0), 1.0, 1e-5);
}

// ---------------------------------------------------------------- degenerate inputs

TEST_F(ChungRoutines, EmptyMixtureIsZeroWithAMessage) {
  Host h({"methane"});
  h.idx.clear();
  EXPECT_EQ(h.muv206(300, {}, 2), 0.0);
  EXPECT_EQ(h.muvl03(300, {}, 0.1, 2), 0.0);
  EXPECT_EQ(h.kvl02(300, {}, 0.1, 1e-5, 4e4, 2), 0.0);
  ASSERT_EQ(rec().printed.size(), 3u);
  EXPECT_EQ(rec().gate_calls[0].cls, 2);
  EXPECT_EQ(rec().gate_calls[0].num, 8);
  EXPECT_EQ(printed(0), (std::vector<std::string>{"      LOW PRESSURE VAPOR VISCOSITY MODEL MUV2CLSL:",
                                                  "      NO COMPONENTS IN THE LIST (N =     0)",
                                                  "      MUVMXLP IS SET TO ZERO"}));
  EXPECT_EQ(printed(2)[2], "      KMX IS SET TO ZERO");
  EXPECT_EQ(rec().gate_calls[2].hostword, static_cast<const void*>(&ZEL_GLOBAL[7]));
  // The pure routines do nothing for an empty list.
  EXPECT_TRUE(h.muv008(300, 2).empty());
  EXPECT_EQ(rec().gate_calls.size(), 3u);
}

TEST_F(ChungRoutines, ZeroPairElementsGiveZeroWithAMessage) {
  Host h({"methane", "ethane"});
  h.pairs.sig3[0] = 0.0;  // methane's diagonal
  const std::vector<double> mu = h.muv008(300, 2);
  EXPECT_EQ(mu[0], 0.0);
  EXPECT_GT(mu[1], 0.0);
  ASSERT_EQ(rec().printed.size(), 1u);
  EXPECT_EQ(rec().gate_calls[0].num, 7);
  EXPECT_EQ(printed(0), (std::vector<std::string>{"      LOW PRESSURE VAPOR VISCOSITY MODEL MUV0CLSL:",
                                                  "      ZERO OR NEGATIVE SIG3, EPSIG3 OR EPSIG2M FOR COMPONENT METHANE",
                                                  "      MUVLP(   1) IS SET TO ZERO"}));
  // Zero mole fractions make the mixture sums zero.
  EXPECT_EQ(h.muvl03(300, {0.0, 0.0}, 0.1, 2), 0.0);
  EXPECT_EQ(printed(1)[1], "      ZERO OR NEGATIVE MIXTURE VALUES OF SIG3, EPSIG3 OR EPSIG2M");
  // A zero EPSIG2M (no molecular weight) would divide the conductivity by zero.
  h.pairs.sig3[0] = h.pairs.sig3[3];
  h.pairs.epsig2m[3] = 0.0;
  EXPECT_EQ(h.kvl03(300, {1.0, 1.0}, {1e-5, 1e-5}, {4e4, 5e4}, 2)[1], 0.0);
  EXPECT_EQ(printed(2)[2], "      K(   2) IS SET TO ZERO");
}

TEST_F(ChungRoutines, MolarVolumesAtOrBelowTheClosePackedLimitGiveZeroWithAMessage) {
  Host h({"n-hexane", "n-heptane"});  // Vc 368 and 428 cm3/mol: y = 1 at 0.0613 and 0.0713
  const std::vector<double> mu = h.muvl04(300, {0.0, 0.14}, 2);
  EXPECT_EQ(mu[0], 0.0);
  EXPECT_GT(mu[1], 0.0);
  ASSERT_EQ(rec().gate_calls.size(), 1u);
  EXPECT_EQ(rec().gate_calls[0].cls, 2);
  EXPECT_EQ(rec().gate_calls[0].num, 9);
  EXPECT_EQ(printed(0), (std::vector<std::string>{
                            "      VAPOR/LIQUID VISCOSITY MODEL MUL0CLS/MUV0CLS:",
                            "      MOLAR VOLUME  0.0000     M3/KMOL OF COMPONENT N-HEXANE IS NOT",
                            "      ABOVE VC/6000 (REDUCED DENSITY 1). MU(   1) IS SET TO ZERO"}));
  EXPECT_EQ(h.muvl03(300, {0.5, 0.5}, 0.05, 2), 0.0);
  EXPECT_EQ(printed(1)[1], "      MOLAR VOLUME 0.50000E-01 M3/KMOL OF THE MIXTURE IS NOT");
  EXPECT_EQ(h.kvl03(300, {-1.0, std::nan("")}, {1e-5, 1e-5}, {2e5, 2e5}, 2), (std::vector<double>{0.0, 0.0}));
  EXPECT_EQ(h.kvl02(300, {0.5, 0.5}, 0.0, 1e-5, 2e5, 2), 0.0);
  EXPECT_EQ(printed(4)[2], "      ABOVE VC/6000 (REDUCED DENSITY 1). KMX IS SET TO ZERO");
}

TEST_F(ChungRoutines, TemperatureThatIsNotPositiveGivesZeroWithOneMessage) {
  Host h({"methane", "ethane"});
  EXPECT_EQ(h.muv008(std::nan(""), 2), (std::vector<double>{0.0, 0.0}));
  ASSERT_EQ(rec().printed.size(), 1u);
  EXPECT_EQ(rec().gate_calls[0].num, 10);
  EXPECT_EQ(printed(0), (std::vector<std::string>{"      LOW PRESSURE VAPOR VISCOSITY MODEL MUV0CLSL:",
                                                  "      TEMPERATURE         NaN K IS NOT A POSITIVE NUMBER",
                                                  "      MUVLP IS SET TO ZERO"}));
  EXPECT_EQ(h.muvl04(0.0, {0.1, 0.1}, 2), (std::vector<double>{0.0, 0.0}));
  EXPECT_EQ(h.kvl02(-5.0, {0.5, 0.5}, 0.1, 1e-5, 4e4, 2), 0.0);
  EXPECT_EQ(printed(2)[1], "      TEMPERATURE -5.0000     K IS NOT A POSITIVE NUMBER");
}

// ---------------------------------------------------------------- reference host

TEST(ChungPairs, CombiningRulesReproduceTheWorkedExampleArrays) {
  // PPO example 9-8 constants: H2S (373.4 K, 98 cm3/mol, 0.09, 0.9 D, 34.082) and diethyl
  // ether (466.7 K, 280 cm3/mol, 0.281, 1.3 D, 74.123).
  const ChungPairs p = kova::refhost::chung_pairs(
      {{373.4, 0.098, 0.09, 0.9, 34.082, 0.0}, {466.7, 0.280, 0.281, 1.3, 74.123, 0.0}});
  ASSERT_EQ(p.ld, 2);
  const struct {
    const std::vector<double>* z;
    double d1, off, d2;
  } rows[] = {{&p.sig3, 51.88855, 87.7076576, 148.253},
              {&p.epsig3, 15385.6782, 29074.6414, 54942.9644},
              {&p.epsig2m, 24081.7847, 44716.2689, 89375.9666},
              {&p.dipsig3, 0.0126444081, 0.0156075312, 0.0192650402},
              {&p.omsig3, 4.6699695, 16.2697705, 41.659093}};
  for (const auto& r : rows) {
    EXPECT_NEAR(p.at(*r.z, 1, 1) / r.d1, 1.0, 1e-8);
    EXPECT_NEAR(p.at(*r.z, 1, 2) / r.off, 1.0, 1e-8);
    EXPECT_EQ(p.at(*r.z, 2, 1), p.at(*r.z, 1, 2));
    EXPECT_NEAR(p.at(*r.z, 2, 2) / r.d2, 1.0, 1e-8);
  }
  // Association factors and components without usable constants.
  const ChungPairs q = kova::refhost::chung_pairs({{513.9, 0.167, 0.645, 1.7, 46.069, 0.175},
                                                   {0.0, 0.1, 0.1, 0.0, 30.0, 0.0}});
  EXPECT_DOUBLE_EQ(q.sqkap[0], std::sqrt(0.175));
  EXPECT_EQ(q.at(q.sig3, 2, 2), 0.0);
  EXPECT_EQ(q.at(q.epsig3, 1, 2), 0.0);
  EXPECT_GT(q.at(q.sig3, 1, 1), 0.0);
}

TEST_F(ChungRoutines, DatabankSetReproducesThePublishedExample) {
  // PPO example 9-1 through the databank and the exported routine: SO2 at 573.15 K. The
  // databank's constants (omega 0.245, mu 1.63 D) are not quite the example's.
  Host h({"sulfur dioxide"});
  EXPECT_NEAR(h.muv008(573.15, 0)[0] / 2.455e-5, 1.0, 1e-2);
  EXPECT_EQ(ZEL_PPRIV[9].i, 1);
  EXPECT_EQ(ZEL_NCOMP[0].i, 1);
}

}  // namespace
