// The kova subcommands of the liquid-mixture and diffusion routines, run in-process: they
// hand the library the user's inputs (checked against direct calls) and refuse bad ones.
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

class MixingCli : public ::testing::Test {
 protected:
  void TearDown() override { refhost::reset(); }
};

TEST_F(MixingCli, LiReproducesTheDippr9IExample) {
  const Outcome r = kova({"li", "-c", "water,methanol", "--x", "0.682,0.318", "--t", "298.15", "--kl", "0.6037,0.1628",
                          "--vl", "0.01723,0.07338", "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NEAR(r.json()["results"]["mixture"][0]["KLMX"].get<double>(), 0.25397430656658937, 1e-10);
}

TEST_F(MixingCli, MixedSolventMatchesADirectCall) {
  const Outcome r = kova({"mixed-solvent", "-c", "ethanol,water,methanol", "--x", "0.1,0.6,0.3", "--t", "300",
                          "--solute", "ethanol", "--rule", "cube-root", "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto set = refhost::ComponentSet::of({"ethanol", "water", "methanol"});
  set.install();
  std::vector<double> x{0.1, 0.6, 0.3}, mw = set.param("MW"), vb = set.param("VB"), flag = set.flags(), ksolu{1, 0, 0},
                                        xs(12), dl(3);
  std::vector<std::int64_t> idx = set.all(), kw(6);
  const std::vector<kova_word> cid = set.cid(), cform = set.cform();
  const double t = 300.0;
  const std::int64_t n = 3, idset = 1, kdiag = 2, kopt[2] = {0, 2};
  KOVA_DL102(&t, x.data(), &n, idx.data(), &idset, xs.data(), kw.data(), &kdiag, dl.data(), mw.data(), cform.data(),
             vb.data(), ksolu.data(), flag.data(), cid.data(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
             nullptr, nullptr, nullptr, nullptr, kopt, nullptr, nullptr, nullptr);
  const Json rows = r.json()["results"]["components"];
  EXPECT_EQ(rows[0]["DL"].get<double>(), dl[0]);
  EXPECT_EQ(rows[1]["DL"].get<double>(), 0.0);
}

TEST_F(MixingCli, EveryCommandRunsOnASmallMixture) {
  const std::vector<std::vector<std::string>> runs{
      {"dkk", "-c", "methane,propane", "--x", "0.6,0.4", "--t", "350", "--p", "5e6", "--dv0", "1e-5"},
      {"wilke-chang", "-c", "water,ethanol", "--x", "0.9,0.1", "--t", "298.15", "--given"},
      {"bio-viscosity", "-c", "water,acetic acid", "--x", "0.98,0.02", "--t", "300", "--bio",
       "acetic acid:-1e-3,2e-6,0,10,200"},
      {"mixed-solvent", "-c", "ethanol,water,acetic acid", "--x", "0.05,0.9,0.05", "--t", "300", "--solute", "ethanol",
       "--bio", "acetic acid:-1e-3,2e-6,0,10,200"},
  };
  for (const auto& args : runs) {
    const Outcome r = kova(args);
    EXPECT_EQ(r.status, 0) << args[0] << ": " << r.err;
    EXPECT_EQ(r.out.find("nan"), std::string::npos) << r.out;
  }
}

TEST_F(MixingCli, InputErrorsGiveStatusTwo) {
  const std::vector<std::vector<std::string>> bad{
      {"li", "-c", "water,methanol", "--x", "0.5,0.5", "--t", "300", "--kl", "0.6"},
      {"dkk", "-c", "methane,propane,ethane", "--x", "0.2,0.3,0.5", "--t", "300", "--p", "1e6", "--dv0", "1e-5,2e-5"},
      {"dkk", "-c", "methane", "--t", "300", "--p", "1e6", "--dv0", "1e-5"},
      {"mixed-solvent", "-c", "water,ethanol", "--x", "0.5,0.5", "--t", "300", "--solute", "methanol"},
      {"bio-viscosity", "-c", "water,ethanol", "--x", "0.5,0.5", "--t", "300", "--bio", "ethanol:1,2"},
      {"bio-viscosity", "-c", "water,ethanol", "--x", "0.5,0.5", "--t", "300", "--bio", "ethanol:1,2,x,4,5"},
  };
  for (const auto& args : bad) {
    const Outcome r = kova(args);
    EXPECT_EQ(r.status, 2) << args[0] << ": " << r.err;
    EXPECT_EQ(r.out, "");
  }
}

}  // namespace
}  // namespace kova::cli

#endif  // KOVA_TEST_CLI
