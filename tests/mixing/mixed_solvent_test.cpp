// KOVA_DL102 and KOVA_DL103, solutes in mixed solvents: solute flags, the one-solute-at-a-
// time rule, the three host mixing rules, the work-array offset, and KOVA_DL103 over the
// bio-component viscosity.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "kova/kova.h"
#include "mixing/mixing.h"
#include "mixing/mixing_fixture.h"

namespace kova::mixing {
namespace {

class MixedSolvent : public MixingTest {
 protected:
  // Ethanol as the solute in water and methanol.
  Components comp{{"ethanol", "water", "methanol"}};
  std::vector<double> x{0.1, 0.6, 0.3}, ksolu{1.0, 0.0, 0.0};
  std::vector<double> xs = std::vector<double>(6, -1.0), dl = std::vector<double>(3, -7.0);
  std::vector<std::int64_t> kw = std::vector<std::int64_t>(6, -1);
  std::int64_t kopt[2] = {0, 0};
  double t = 300.0;
  std::int64_t kdiag = 0, idset = 1;
  // KOVA_DL103's own work arrays and bio-component data.
  std::vector<double> mulw = std::vector<double>(3, 0.0), vl = std::vector<double>(3, 0.0),
                      mulbps = std::vector<double>(15, 0.0);
  std::vector<std::int64_t> ksv = std::vector<std::int64_t>(3, 0), kbio{0, 0, 0};
  double xtol = 1e-8;

  void SetUp() override {
    MixingTest::SetUp();
    comp.set.install();  // ZEL_PPRIV word 9 = 3
  }
  void dl102() {
    KOVA_DL102(&t, x.data(), &comp.n, comp.idx.data(), &idset, xs.data(), kw.data(), &kdiag, dl.data(), comp.mw.data(),
               comp.cform.data(), comp.vb.data(), ksolu.data(), comp.flag.data(), comp.cid.data(), nullptr, nullptr,
               nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, kopt, nullptr, nullptr, nullptr);
  }
  void dl103() {
    const void* z = nullptr;
    KOVA_DL103(&t, x.data(), &comp.n, comp.idx.data(), &idset, &kdiag, comp.mw.data(), comp.cform.data(),
               comp.vb.data(), ksolu.data(), comp.flag.data(), comp.cid.data(), xs.data(), mulw.data(), z, kw.data(),
               ksv.data(), z, z, z, z, z, z, z, kbio.data(), mulbps.data(), vl.data(), z, z, z, z, z, &xtol, dl.data(),
               z, z, z, z, z, z, z, z);
  }
  // Pure viscosities of the solvent components from the host.
  std::vector<double> host_viscosities(std::vector<std::int64_t> list) {
    std::vector<double> mu(list.size());
    const std::int64_t u = static_cast<std::int64_t>(list.size()), zero = 0;
    LUMENA_MUL001(&t, &u, list.data(), &idset, &zero, mu.data(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                  nullptr, nullptr, nullptr, nullptr);
    return mu;
  }
  // The solute's coefficient for a solvent of fractions xsol (unnormalised), components list.
  double by_hand(double vb, const std::vector<double>& xsol, const std::vector<std::int64_t>& list, double mum) {
    double s = 0, q = 0;
    for (std::size_t j = 0; j < list.size(); ++j) {
      const std::int64_t c = list[j];
      const double phi = association_factor(std::string_view(comp.cform[3 * (c - 1)].c, 8),
                                            std::string_view(comp.cform[3 * (c - 1) + 1].c, 8));
      s += xsol[j];
      q += xsol[j] * comp.mw[c - 1] * phi;
    }
    return kWilkeChang * t * std::sqrt(q / s) / mum / std::pow(vb, 0.6);
  }
};

TEST_F(MixedSolvent, ThreeMixingRulesChosenByTheOptionWord) {
  const std::vector<std::int64_t> list{2, 3};
  const std::vector<double> mu = host_viscosities(list);
  const std::vector<double> xn{0.6 / 0.9, 0.3 / 0.9};
  for (std::int64_t rule : {0, 1, 2, 7}) {
    kopt[1] = rule;
    kopt[0] = 1;  // handed on: the reference host then mixes by mass fractions in rules 1 and 2
    dl102();
    double mum = 0.0;
    const std::int64_t u = 2, six = 6, ld = 3, one = 1;
    if (rule == 2)
      LUMENA_MUMIX1(&t, &ld, &u, list.data(), xn.data(), comp.mw.data(), nullptr, nullptr, mu.data(), &mum, &one);
    else if (rule == 1)
      LUMENA_QUADMX(xn.data(), &u, list.data(), comp.mw.data(), nullptr, &six, mu.data(), &mum, &one);
    else
      LUMENA_MUL201(&t, xn.data(), &u, list.data(), mu.data(), &kdiag, &mum, &idset, nullptr, nullptr, comp.mw.data(),
                    &one);
    EXPECT_NEAR(dl[0] / by_hand(comp.vb[0], {0.6, 0.3}, list, mum), 1.0, 1e-13) << rule;
    EXPECT_EQ(dl[1], 0.0);
    EXPECT_EQ(dl[2], 0.0);
    // The work arrays: solute flags, solvent list, normalised fractions, and the pure
    // viscosities after the host's offset (3).
    EXPECT_EQ(kw[0], 1);
    EXPECT_EQ(kw[1], 0);
    EXPECT_EQ(kw[3], 2);
    EXPECT_EQ(kw[4], 3);
    EXPECT_DOUBLE_EQ(xs[0], xn[0]);
    EXPECT_EQ(xs[3], mu[0]);
    EXPECT_EQ(xs[4], mu[1]);
  }
}

TEST_F(MixedSolvent, TwoComponentsIsTheBinaryInfiniteDilutionValue) {
  comp = Components({"ethanol", "methanol"});
  x = {0.05, 0.95};
  ksolu = {1.0, 0.0};
  dl102();
  const double mu2 = host_viscosities({2})[0];
  EXPECT_NEAR(dl[0] / wilke_chang(t, 1.9, comp.mw[1], mu2, comp.vb[0]), 1.0, 1e-13);
  EXPECT_EQ(dl[1], 0.0);
}

TEST_F(MixedSolvent, OffsetTooSmallKeepsTheFractionsIntact) {
  dl102();
  const double with_offset = dl[0];
  set_ppriv9(0);
  std::fill(xs.begin(), xs.end(), -1.0);
  dl102();
  EXPECT_EQ(dl[0], with_offset);
  EXPECT_DOUBLE_EQ(xs[0], 0.6 / 0.9);
  EXPECT_DOUBLE_EQ(xs[1], 0.3 / 0.9);
  EXPECT_EQ(xs[2], -1.0);
}

TEST_F(MixedSolvent, EveryEntryASoluteTakesEachInTurn) {
  ksolu = {1.0, 2.0, -1.0};  // any non-zero value marks a solute
  dl102();
  for (std::int64_t i = 1; i <= 3; ++i) {
    std::vector<std::int64_t> others;
    std::vector<double> xo;
    for (std::int64_t j = 1; j <= 3; ++j)
      if (j != i) others.push_back(j), xo.push_back(x[j - 1]);
    const std::vector<double> mu = host_viscosities(others);
    double s = xo[0] + xo[1];
    const double mum = std::exp((xo[0] / s) * std::log(mu[0]) + (xo[1] / s) * std::log(mu[1]));
    EXPECT_NEAR(dl[i - 1] / by_hand(comp.vb[i - 1], xo, others, mum), 1.0, 1e-13) << i;
  }
  // One entry, a solute: nothing to dissolve it in.
  comp.n = 1;
  dl.assign(3, -7.0);
  dl102();
  EXPECT_EQ(dl[0], 0.0);
  EXPECT_EQ(dl[1], -7.0);
}

TEST_F(MixedSolvent, SolventWithoutMoleFractionsLeavesZeros) {
  x = {1.0, 0.0, 0.0};
  dl102();
  EXPECT_EQ(dl, std::vector<double>(3, 0.0));
  // A solvent entry with a zero fraction contributes nothing.
  x = {0.1, 0.9, 0.0};
  dl102();
  const double mu2 = host_viscosities({2})[0];
  EXPECT_NEAR(dl[0] / wilke_chang(t, 2.26, comp.mw[1], mu2, comp.vb[0]), 1.0, 1e-13);
}

TEST_F(MixedSolvent, Dl103WithoutBioComponentsMatchesTheLogRule) {
  dl102();  // option word 2 = 0: the host's log rule over the normalised fractions
  const double d102 = dl[0];
  dl103();
  EXPECT_NEAR(dl[0] / d102, 1.0, 1e-14);
  EXPECT_EQ(ksv[0], 2);
  EXPECT_EQ(ksv[1], 3);
  EXPECT_EQ(mulw, (std::vector<double>{host_viscosities({2, 3})[0], host_viscosities({2, 3})[1], 0.0}));
}

TEST_F(MixedSolvent, Dl103SolventViscosityComesFromTheBioComponentRule) {
  comp = Components({"ethanol", "water", "acetic acid"});
  x = {0.01, 0.97, 0.02};
  kbio = {0, 0, 1};
  mulbps = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -2e-3, 1e-6, 0.0, 0.0, 1e3};
  dl103();
  // The solvent of the solute: water and the bio-component, normalised.
  const std::vector<std::int64_t> list{2, 3};
  const std::vector<double> xn{0.97 / 0.99, 0.02 / 0.99};
  std::vector<double> mu = host_viscosities(list), v(2);
  double mum = 0.0;
  const std::int64_t u = 2;
  KOVA_MUL205(&t, xn.data(), &u, list.data(), mu.data(), &kdiag, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
              nullptr, nullptr, nullptr, kbio.data(), comp.mw.data(), mulbps.data(), v.data(), nullptr, &mum, &xtol,
              nullptr, nullptr, nullptr, nullptr, nullptr);
  EXPECT_GT(mum, mu[0]);  // a negative linear coefficient raises the viscosity
  EXPECT_NEAR(dl[0] / by_hand(comp.vb[0], {0.97, 0.02}, list, mum), 1.0, 1e-13);
}

TEST_F(MixedSolvent, MissingParametersNameTheModelAndDataSet) {
  comp.vb[0] = refhost::kMissing;
  comp.mw[2] = refhost::kMissing;
  kdiag = 2;
  idset = 2;
  dl103();
  EXPECT_EQ(comp.vb[0], 0.140903);
  EXPECT_EQ(comp.mw[2], 86.178);
  const std::vector<std::vector<std::string>> want{{"      DIFFUSION COEFFICIENT MODEL DL1WCV HAS MISSING PARAMETERS:",
                                                    "      VB (DATA SET   2) MISSING FOR COMPONENT ETHANOL"},
                                                   {"      MW (DATA SET   2) MISSING FOR COMPONENT METHANOL"}};
  EXPECT_EQ(messages(), want);
  EXPECT_EQ(rec().gate_calls[0].id, "DL10    1       ");
  EXPECT_EQ(rec().gate_calls[0].num, 2);
  EXPECT_EQ(rec().gate_calls[1].num, 1);
  refhost::reset();
  comp.set.install();
  comp.flag.assign(3, 0.0);
  comp.mw[1] = refhost::kMissing;
  kdiag = 2;
  dl102();
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0][0], "      DIFFUSION COEFFICIENT MODEL DL1WCA HAS MISSING PARAMETERS:");
  EXPECT_EQ(rec().gate_calls[0].id, "DL10    2       ");
}

}  // namespace
}  // namespace kova::mixing
