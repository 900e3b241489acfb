// kova trapp: the command hands the library the user's mixture, state and phase (checked
// against direct calls) and shows the equivalent state of the mixture.
#ifdef KOVA_TEST_CLI

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "command.h"
#include "refhost.h"
#include "trapp_fixture.h"

namespace kova::cli {
namespace {

Json run_json(std::vector<std::string> args) {
  args.insert(args.begin(), "kova");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  std::ostringstream out, err;
  EXPECT_EQ(run_main(static_cast<int>(argv.size()), argv.data(), out, err), 0) << err.str();
  return Json::parse(out.str());
}

TEST(TrappCli, MixtureAndComponentsMatchDirectCalls) {
  for (const char* phase : {"vapour", "liquid"}) {
    const Json j = run_json({"trapp", "-c", "propane,n-butane", "--x", "0.6,0.4", "-T", "320", "-P", "3e6",
                             "--phase", phase, "--verbose", "--json"});
    refhost::reset();
    const std::int64_t kvl = std::string(phase) == "vapour" ? 1 : 2;
    testing::TrappSet s({"propane", "n-butane"});
    s.kdiag = 2;
    const double mu = s.mu(kvl, 320, 3e6, {0.6, 0.4});
    const double t0 = KOVA_PRT1[6];
    const double k = s.k(kvl, 320, 3e6, {0.6, 0.4});
    const Json& mix = j["results"]["mixture"][0];
    EXPECT_DOUBLE_EQ(mix["MU"].get<double>(), mu) << phase;
    EXPECT_DOUBLE_EQ(mix["K"].get<double>(), k) << phase;
    EXPECT_EQ(mix["KCONV"].get<std::int64_t>(), 1);
    EXPECT_DOUBLE_EQ(j["results"]["equivalent state"][0]["T0"].get<double>(), t0);
    const Json& comps = j["results"]["components"];
    ASSERT_EQ(comps.size(), 2u);
    EXPECT_EQ(comps[1]["component"], "n-butane");
    EXPECT_DOUBLE_EQ(comps[1]["MU"].get<double>(), s.mu_pure(kvl, 320, 3e6, 2)) << phase;
    EXPECT_DOUBLE_EQ(comps[0]["K"].get<double>(), s.k_pure(kvl, 320, 3e6, 1)) << phase;
  }
}

}  // namespace
}  // namespace kova::cli

#endif
