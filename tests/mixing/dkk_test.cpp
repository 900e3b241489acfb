// KOVA_DV002, the Dawson-Khoury-Kobayashi correction: pair compositions, the host's
// equation of state at both pressures, symmetry, defaults and messages.
#include <gtest/gtest.h>

#include <vector>

#include "kova/kova.h"
#include "mixing/mixing.h"
#include "mixing/mixing_fixture.h"

namespace kova::mixing {
namespace {

class Dv002 : public MixingTest {
 protected:
  Components comp{{"methane", "propane", "nitrogen"}};
  std::vector<double> x{0.5, 0.3, 0.2};
  double t = 350.0, p = 1.0e7, p0 = 101325.0;
  std::int64_t ipair[2] = {0, 0};
  double ypair[2] = {0.0, 0.0};
  std::vector<double> dv0, dv;
  std::int64_t kdiag = 0, idset = 1;

  void SetUp() override {
    MixingTest::SetUp();
    comp.set.install();
    dv0.assign(9, 99.0);  // the upper triangle must not be read
    dv0[1] = 1.1e-5;      // (2,1)
    dv0[2] = 1.3e-5;      // (3,1)
    dv0[5] = 0.9e-5;      // (3,2)
    dv.assign(9, -7.0);
  }
  void call() {
    KOVA_DV002(x.data(), &comp.n, comp.idx.data(), &t, &p, &p0, ipair, ypair, dv0.data(), &kdiag, dv.data(), &idset,
               comp.mw.data(), comp.vc.data(), comp.flag.data(), comp.cid.data(), nullptr, nullptr, nullptr, nullptr,
               nullptr);
  }
  // The host's molar volume of a pair at pressure pr.
  double volume(std::int64_t ck, std::int64_t cl, double yk, double yl, double pr) {
    const std::int64_t two = 2, one = 1, zero = 0;
    const std::int64_t ids[2] = {ck, cl};
    const double y[2] = {yk, yl};
    double w[12] = {}, v = 0.0;
    SIRK_ES01(&t, &pr, y, &two, ids, &one, &zero, &zero, &zero, &zero, &one, &idset, &kdiag, &w[0], comp.cid.data(),
              nullptr, nullptr, nullptr, nullptr, nullptr, &w[1], &w[2], &w[3], &w[4], &v, &w[5], &w[6], &w[7], &w[8],
              &w[9], &w[10], &w[11]);
    return v;
  }
  double expected(std::int64_t k, std::int64_t l, double d0) {
    const PairFractions y = dkk_pair_fractions(x[k - 1], x[l - 1]);
    const double vcp = y.yk * comp.vc[k - 1] + y.yl * comp.vc[l - 1];
    const double v0 = volume(k, l, y.yk, y.yl, p0), v = volume(k, l, y.yk, y.yl, p);
    return d0 * dkk_factor(vcp / v) * v / v0;
  }
};

TEST_F(Dv002, SymmetricCorrectedMatrixWithZeroDiagonal) {
  call();
  EXPECT_NEAR(dv[1], expected(2, 1, 1.1e-5), 1e-20);
  EXPECT_NEAR(dv[2], expected(3, 1, 1.3e-5), 1e-20);
  EXPECT_NEAR(dv[5], expected(3, 2, 0.9e-5), 1e-20);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(dv[i * 4], 0.0);
    for (int j = 0; j < 3; ++j) EXPECT_EQ(dv[i + 3 * j], dv[j + 3 * i]);
  }
  // At 10 MPa the pair is dense: the product D rho falls a little, D itself a lot.
  EXPECT_LT(dv[1], 1.1e-5 * 0.05);
  // The work arrays hold the last pair: entries 3 and 2, normalised.
  EXPECT_EQ(ipair[0], 3);
  EXPECT_EQ(ipair[1], 2);
  EXPECT_DOUBLE_EQ(ypair[0], 0.4);
  EXPECT_DOUBLE_EQ(ypair[1], 0.6);
  EXPECT_TRUE(rec().gate_calls.empty());
}

TEST_F(Dv002, AtTheReferencePressureOnlyTheFactorRemains) {
  p = p0;
  call();
  const double vcp = 0.5 / 0.8 * comp.vc[0] + 0.3 / 0.8 * comp.vc[1];
  const double v = volume(2, 1, 0.3 / 0.8, 0.5 / 0.8, p0);
  EXPECT_NEAR(dv[1] / 1.1e-5, dkk_factor(vcp / v), 1e-14);
}

TEST_F(Dv002, PairWithAZeroFractionIsThePureOtherComponent) {
  x = {0.0, 0.7, 0.3};
  call();
  // Pair (2,1): y = (1, 0), so the pair is pure propane.
  const double v0 = volume(2, 1, 1.0, 0.0, p0), v = volume(2, 1, 1.0, 0.0, p);
  EXPECT_NEAR(dv[1], 1.1e-5 * dkk_factor(comp.vc[1] / v) * v / v0, 1e-20);
  // Both fractions zero: half and half.
  x = {0.0, 0.0, 1.0};
  call();
  EXPECT_NEAR(dv[1], expected(2, 1, 1.1e-5), 1e-20);
  EXPECT_EQ(ypair[0], 1.0);  // last pair (3,2): entry 3 alone
  EXPECT_EQ(ypair[1], 0.0);
}

TEST_F(Dv002, OneEntryClearsOnlyItsDiagonal) {
  comp.n = 1;
  call();
  EXPECT_EQ(dv[0], 0.0);
  for (int i = 1; i < 9; ++i) EXPECT_EQ(dv[i], -7.0);
  // An empty list writes nothing at all.
  comp.n = 0;
  dv[0] = -7.0;
  call();
  EXPECT_EQ(dv[0], -7.0);
}

TEST_F(Dv002, MissingParametersDefaultedAndReportedOncePerComponent) {
  comp.mw[1] = refhost::kMissing;
  comp.vc[1] = refhost::kMissing;
  kdiag = 2;
  idset = 3;
  call();
  EXPECT_EQ(comp.mw[1], 86.178);
  EXPECT_EQ(comp.vc[1], 0.369445);
  ASSERT_EQ(rec().gate_calls.size(), 2u);
  for (std::int64_t k = 0; k < 2; ++k) {
    const auto& g = rec().gate_calls[k];
    EXPECT_EQ(g.id, "DV00    2       ");
    EXPECT_EQ(g.cls, 1);
    EXPECT_EQ(g.num, k + 1);
    EXPECT_TRUE(g.closing_is_word19());
    EXPECT_EQ(g.closing_real, 0.0);
  }
  const std::vector<std::vector<std::string>> want{{"      DIFFUSION COEFFICIENT MODEL DV1DKK HAS MISSING PARAMETERS:",
                                                    "      MW (DATA SET   3) MISSING FOR COMPONENT PROPANE"},
                                                   {"      VC (DATA SET   3) MISSING FOR COMPONENT PROPANE"}};
  EXPECT_EQ(messages(), want);
  EXPECT_EQ(rec().printed[0].nlines, 2);
  EXPECT_EQ(rec().printed[1].nlines, 1);
  // The default volume is used in the pair's critical volume.
  EXPECT_NEAR(dv[1], expected(2, 1, 1.1e-5), 1e-20);
  // The flags are set: a second call neither reports nor writes.
  refhost::reset();
  comp.set.install();
  call();
  EXPECT_TRUE(rec().gate_calls.empty());
}

TEST_F(Dv002, SuppressedMessagesStillWriteTheDefaults) {
  comp.vc[0] = refhost::kMissing;
  kdiag = 0;  // below the class-1 level of the host's policy
  call();
  EXPECT_EQ(comp.vc[0], 0.369445);
  EXPECT_EQ(rec().gate_calls.size(), 1u);
  EXPECT_TRUE(rec().printed.empty());
}

}  // namespace
}  // namespace kova::mixing
