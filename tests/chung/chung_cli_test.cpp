// kova chung, run in-process: the command hands the library the user's state and the
// reference host's pair arrays (checked against direct calls of the routines).
#ifdef KOVA_TEST_CLI

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "chung_pairs.h"
#include "command.h"
#include "databank.h"
#include "kova/kova.h"
#include "refhost.h"

namespace kova::cli {
namespace {

Json run_json(std::vector<std::string> args) {
  args.insert(args.begin(), "kova");
  args.push_back("--json");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  std::ostringstream out, err;
  const int status = run_main(static_cast<int>(argv.size()), argv.data(), out, err);
  EXPECT_EQ(status, 0) << err.str();
  return status == 0 ? Json::parse(out.str()) : Json{};
}

class ChungCli : public ::testing::Test {
 protected:
  void TearDown() override { refhost::reset(); }
};

TEST_F(ChungCli, ResultsAreThoseOfTheRoutines) {
  const Json j = run_json({"chung", "-c", "ethanol,water", "--x", "0.4,0.6", "--t", "450", "--volume", "0.5"});
  ASSERT_FALSE(j.is_null());

  refhost::reset();
  const auto set = refhost::ComponentSet::of({"ethanol", "water"});
  set.install();
  const refhost::ChungPairs p = refhost::chung_pairs(set);
  const std::vector<double> mup = set.param("MUP_DEBYE"), mw = set.param("MW"), tc = set.param("TC"),
                            vc = set.param("VC"), om = set.param("OMEGA"), x{0.4, 0.6};
  std::vector<double> flag = set.flags(), muvlp(2);
  const std::vector<kova_word> cid = set.cid();
  const std::vector<std::int64_t> idx = set.all();
  const std::int64_t n = 2, kdiag = 2, idset = 1, kcalc = 1, kcoef = 0;
  const double t = 450.0, v = 0.5;
  KOVA_MUV008(&t, &n, idx.data(), &kdiag, &idset, &kcalc, muvlp.data(), mup.data(), mw.data(), tc.data(), vc.data(),
              om.data(), p.sig3.data(), p.epsig3.data(), p.epsig2m.data(), p.dipsig3.data(), p.sqkap.data(),
              p.omsig3.data(), flag.data(), cid.data());
  double mumx = 0.0;
  KOVA_MUVL03(&t, x.data(), &n, idx.data(), &kdiag, &idset, &kcalc, &v, &mumx, mup.data(), mw.data(), tc.data(),
              vc.data(), om.data(), p.sig3.data(), p.epsig3.data(), p.epsig2m.data(), p.dipsig3.data(),
              p.sqkap.data(), p.omsig3.data(), flag.data(), cid.data(), &kcoef);

  const Json& comps = j["results"]["components"];
  ASSERT_EQ(comps.size(), 2u);
  EXPECT_EQ(comps[0]["component"], "ethanol");
  EXPECT_DOUBLE_EQ(comps[0]["MU_LP"].get<double>(), muvlp[0]);
  EXPECT_DOUBLE_EQ(comps[1]["MU_LP"].get<double>(), muvlp[1]);
  EXPECT_DOUBLE_EQ(j["results"]["mixture"][0]["MU"].get<double>(), mumx);
  EXPECT_GT(j["results"]["mixture"][0]["K"].get<double>(), 0.0);
  EXPECT_TRUE(j["messages"].empty());

  // A density gives what the equal volume gives; KCOEF 1 changes only the dense viscosity.
  EXPECT_EQ(run_json({"chung", "-c", "ethanol,water", "--x", "0.4,0.6", "--t", "450", "--density", "2"})["results"],
            j["results"]);
  const Json k1 = run_json({"chung", "-c", "ethanol,water", "--x", "0.4,0.6", "--t", "450", "--volume", "0.5",
                            "--kcoef", "1"});
  EXPECT_NE(k1["results"]["mixture"][0]["MU"], j["results"]["mixture"][0]["MU"]);
  EXPECT_EQ(k1["results"]["mixture"][0]["MU_LP"], j["results"]["mixture"][0]["MU_LP"]);
}

TEST_F(ChungCli, WithoutAStateTheIdealGasAtOneAtmosphere) {
  const Json j = run_json({"chung", "-c", "methane", "--t", "300"});
  ASSERT_FALSE(j.is_null());
  EXPECT_NEAR(j["inputs"]["V"].get<double>(), refhost::kGasConstant * 300.0 / 101325.0, 1e-9);
  // Dilute: the dense-fluid viscosity is within a fraction of a per cent of the low-pressure one.
  const Json& c = j["results"]["components"][0];
  EXPECT_NEAR(c["MU"].get<double>() / c["MU_LP"].get<double>(), 1.0, 1e-2);
}

}  // namespace
}  // namespace kova::cli

#endif
