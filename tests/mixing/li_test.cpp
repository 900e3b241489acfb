// KOVA_KL204, Li's rule: the floor on pure and mixture values with its range warnings.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "kova/kova.h"
#include "mixing/mixing_fixture.h"

namespace kova::mixing {
namespace {

class Kl204 : public MixingTest {
 protected:
  std::vector<double> x{0.682, 0.318}, vl{0.01723, 0.07338}, kl{0.6037, 0.1628};
  std::vector<std::int64_t> idx{1, 2};
  std::vector<kova_word> cid{refhost::pack_word("WATE"), refhost::pack_word("R"), refhost::pack_word("METH"),
                             refhost::pack_word("ANOL")};
  std::int64_t n = 2, kdiag = 0;
  double klmx = -1.0;

  void call() { KOVA_KL204(x.data(), &n, idx.data(), nullptr, vl.data(), kl.data(), &kdiag, &klmx, cid.data()); }
};

TEST_F(Kl204, Dippr9IExampleWithoutMessages) {
  call();
  EXPECT_NEAR(klmx, 0.25397430656658937, 1e-10);
  EXPECT_TRUE(rec().gate_calls.empty());
  EXPECT_TRUE(rec().printed.empty());
}

TEST_F(Kl204, PureValueBelowTheMinimumIsRaisedInPlaceAndReported) {
  kl = {0.0, 0.1628};
  idx = {2, 1};
  call();
  EXPECT_EQ(kl[0], 1e-4);
  ASSERT_EQ(rec().gate_calls.size(), 1u);
  const auto& g = rec().gate_calls[0];
  EXPECT_EQ(g.id, "KL20    4       ");
  EXPECT_EQ(g.cls, 5);
  EXPECT_EQ(g.num, 1);
  EXPECT_EQ(g.closing_int, 2);
  const std::vector<std::vector<std::string>> want{
      {"      LIQUID THERMAL CONDUCTIVITY MODEL KL2LI MINIMUM VALUE LIMIT ( 0.0001)",
       "      VIOLATED FOR COMPONENT \"METHANOL\" ; VALUE SET TO THE LIMIT"}};
  EXPECT_EQ(messages(), want);
  EXPECT_EQ(rec().printed[0].nlines, 2);
  // The mixture is formed with the raised value.
  EXPECT_GT(klmx, 1e-4);
}

TEST_F(Kl204, EveryLowEntryIsReportedEveryCallWhateverTheGateSays) {
  kl = {-1.0, 5e-5};
  refhost::force_gate(0);
  call();
  kl = {-1.0, 5e-5};
  call();
  EXPECT_EQ(rec().printed.size(), 4u);  // two entries, two calls, no once-only flag
  EXPECT_EQ(kl[1], 1e-4);
}

TEST_F(Kl204, NotANumberIsRaisedToo) {
  kl[1] = std::nan("");
  call();
  EXPECT_EQ(kl[1], 1e-4);
  EXPECT_EQ(rec().printed.size(), 1u);
}

TEST_F(Kl204, EmptyListGivesTheMinimumWithTheMixtureWarning) {
  n = 0;
  call();
  EXPECT_EQ(klmx, 1e-4);
  ASSERT_EQ(rec().gate_calls.size(), 1u);
  EXPECT_EQ(rec().gate_calls[0].num, 2);
  const std::vector<std::vector<std::string>> want{
      {"      LIQUID THERMAL CONDUCTIVITY MODEL KL2LI MINIMUM VALUE LIMIT ( 0.0001)",
       "      VIOLATED FOR THE MIXTURE; VALUE SET TO THE LIMIT"}};
  EXPECT_EQ(messages(), want);
}

TEST_F(Kl204, RangeSwitchOffSilencesButStillRaises) {
  range_warnings(false);
  kl = {0.0, 0.0};
  call();
  EXPECT_EQ(kl[0], 1e-4);
  EXPECT_EQ(kl[1], 1e-4);
  EXPECT_DOUBLE_EQ(klmx, 1e-4);
  EXPECT_TRUE(rec().gate_calls.empty());
  EXPECT_TRUE(rec().printed.empty());
}

}  // namespace
}  // namespace kova::mixing
