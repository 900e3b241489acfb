// The kova subcommands of this family, run in-process: each hands the library the inputs
// the user gave (checked against direct calls or the routines' own relations).
#ifdef KOVA_TEST_CLI

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "command.h"
#include "support/cli_run.h"
#include "databank.h"
#include "kova/kova.h"
#include "refhost.h"

namespace kova::cli {
namespace {

class CorrelationsCli : public ::testing::Test {
 protected:
  void TearDown() override { refhost::reset(); }
  static Json run_json(std::vector<std::string> args) {
    args.push_back("--json");
    const Outcome o = kova(args);
    EXPECT_EQ(o.status, 0) << o.err;
    return Json::parse(o.out);
  }
};

TEST_F(CorrelationsCli, LetsouStielMatchesTheRoutine) {
  const Json j = run_json({"letsou-stiel", "-c", "ethanol", "-T", "400"});
  const auto set = refhost::ComponentSet::of({"ethanol"});
  std::vector<double> tc = set.param("TC"), pc = set.param("PC"), mw = set.param("MW"), om = set.param("OMEGA"),
                      flag = set.flags(), mul(1);
  const auto cid = set.cid();
  const double t = 400.0;
  const std::int64_t n = 1, idx = 1, kdiag = 0;
  KOVA_MUL005(&t, &n, &idx, &kdiag, mul.data(), tc.data(), pc.data(), mw.data(), om.data(), flag.data(), cid.data());
  EXPECT_EQ(j["results"]["components"][0]["MU"].get<double>(), mul[0]);
}

TEST_F(CorrelationsCli, LucasMixtureOfOneIsThePureComponent) {
  const Json j = run_json({"lucas", "-c", "methanol", "-T", "550", "-P", "1e5"});
  const double pure = j["results"]["components"][0]["MU"].get<double>();
  EXPECT_NEAR(pure / 1.7822676912698925e-5, 1.0, 0.01);  // databank constants, not the example's
  EXPECT_DOUBLE_EQ(j["results"]["mixture"][0]["MU"].get<double>(), pure);
}

TEST_F(CorrelationsCli, StielThodosTotalsAreLowPressurePlusResidual) {
  const Json j = run_json({"stiel-thodos", "-c", "methane,carbon dioxide", "--x", "0.755,0.245", "--volume", "0.159",
                           "--kmxlp", "0.0377", "--klp", "0.03,0.025"});
  const Json& mix = j["results"]["mixture"][0];
  EXPECT_DOUBLE_EQ(mix["KVMX"].get<double>(), 0.0377 + mix["KVMXPC"].get<double>());
  const Json& c = j["results"]["components"][1];
  EXPECT_DOUBLE_EQ(c["KV"].get<double>(), 0.025 + c["KVPC"].get<double>());
}

TEST_F(CorrelationsCli, WilkeNeedsOneViscosityPerComponent) {
  const Json j = run_json({"wilke", "-c", "ethanol", "-T", "300", "--mulp", "1e-5"});
  EXPECT_DOUBLE_EQ(j["results"]["mixture"][0]["MU_LP"].get<double>(), 1e-5);
  const Outcome bad = kova({"wilke", "-c", "ethanol", "-T", "300", "--mulp", "1e-5,2e-5"});
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("--mulp"), std::string::npos);
}

}  // namespace
}  // namespace kova::cli

#endif
