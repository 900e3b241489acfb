// The calculator's water and surface-tension commands: they hand the library the state the
// user gave (checked against direct calls) and show the library's range warnings.
#ifdef KOVA_TEST_CLI

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "command.h"
#include "support/cli_run.h"
#include "kova/kova.h"
#include "refhost.h"

namespace kova::cli {
namespace {

class WaterCli : public ::testing::Test {
 protected:
  void TearDown() override { refhost::reset(); }
  static double direct(decltype(&KOVA_MUV004) fn, double t, double p) {
    const std::vector<kova_word> cform{refhost::pack_word("H2O"), refhost::pack_word(""), refhost::pack_word("")};
    const std::int64_t n = 1, kcalc = 1, idx = 1, kdiag = 0;
    double out = 0.0;
    fn(&t, &p, &n, &kcalc, &idx, &kdiag, nullptr, &out, cform.data());
    return out;
  }
};

TEST_F(WaterCli, WaterHandsTheStateToTheLibrary) {
  const Outcome o = kova({"water", "--t", "298.15", "--p", "101325", "--phase", "liquid", "--json"});
  ASSERT_EQ(o.status, 0) << o.err;
  const Json j = Json::parse(o.out);
  const Json& row = j["results"]["water"][0];
  EXPECT_EQ(row["MU"].get<double>(), direct(KOVA_MUL004, 298.15, 101325));
  EXPECT_EQ(row["K"].get<double>(), direct(KOVA_KL004, 298.15, 101325));
  EXPECT_NEAR(row["SIGMA"].get<double>(), 0.07197, 1e-5);
  EXPECT_TRUE(j["messages"].empty());

  const Outcome v = kova({"water", "--t", "573.15", "--p", "1e6", "--json"});
  ASSERT_EQ(v.status, 0) << v.err;
  EXPECT_EQ(Json::parse(v.out)["results"]["water"][0]["MU"].get<double>(), direct(KOVA_MUV004, 573.15, 1e6));
}

TEST_F(WaterCli, RangeWarningsAreShown) {
  const Outcome o = kova({"water", "--t", "1200", "--p", "1e5"});
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_NE(o.out.find("TEMPERATURE IS HIGHER THAN THE MAXIMUM TEMPERATURE LIMIT"), std::string::npos);
  EXPECT_NE(o.out.find("TEMPERATURE OR PRESSURE IS OUTSIDE THE VALID REGION"), std::string::npos);
}

TEST_F(WaterCli, MixtureSurfaceTension) {
  // API procedure 10A2.1 example: benzene and cyclohexane at 298.15 K.
  const Outcome o = kova({"surface-tension", "-c", "benzene,cyclohexane", "--x", "0.379,0.621", "--sigma",
                          "0.0282,0.0243", "--json"});
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_NEAR(Json::parse(o.out)["results"]["mixture"][0]["SIGMX"].get<double>(), 0.379 * 0.0282 + 0.621 * 0.0243,
              1e-15);
  const Outcome m = kova({"surface-tension", "-c", "water,ethanol", "--x", "0.5,0.5", "--sigma", "0.072,0.022",
                          "--marked", "water", "--vw", "2,1", "--json"});
  ASSERT_EQ(m.status, 0) << m.err;
  const double phi = 2.0 / 3.0;
  EXPECT_NEAR(Json::parse(m.out)["results"]["mixture"][0]["SIGMX"].get<double>(), phi * 0.072 + (1 - phi) * 0.022,
              1e-15);
  EXPECT_EQ(kova({"surface-tension", "-c", "water,ethanol", "--x", "0.5,0.5", "--sigma", "0.072"}).status, 2);
  EXPECT_EQ(kova({"surface-tension", "-c", "water,ethanol", "--x", "0.5,0.5", "--sigma", "0.07,0.02", "--marked",
                  "methane"})
                .status,
            2);
}

}  // namespace
}  // namespace kova::cli

#endif
