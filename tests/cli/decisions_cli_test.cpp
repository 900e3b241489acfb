// What the calculator decides and says around the routines, as a user sees it: the phase
// of each state and the pressure used, calculator warnings tied to rows (and none where none
// is due), quantities with units, compositions, components, errors in plain words and as
// JSON, and the two input faults (a negative surface tension, the Lucas Pr column).
#ifdef KOVA_TEST_CLI

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "command.h"
#include "support/cli_run.h"

namespace kova::cli {
namespace {

class Decisions : public ::testing::Test {
 protected:
  void TearDown() override { refhost::reset(); }
};

// One JSON path into a result: table, row, column.
struct Cellref {
  const char* table;
  int row;
  const char* column;
};

TEST_F(Decisions, PhaseRangeAndUnitDecisions) {
  struct Case {
    std::vector<std::string> args;   // without --json
    Cellref cell;                    // a text cell that must read `text`, or table "" for none
    const char* text;
    const char* warning;             // a substring of some warning, "" for no warning at all
  };
  const Case cases[] = {
      // Water at room conditions is liquid by default, said in the row; no warning is due.
      {{"water", "--t", "298.15", "--p", "1e5"}, {"water", 0, "phase"}, "liquid", ""},
      {{"water", "--t", "25degC", "--p", "1bar"}, {"water", 0, "phase"}, "liquid", ""},
      // Vapour asked below the saturation line: computed at saturation, and said so.
      {{"water", "--t", "298.15", "--p", "1e5", "--phase", "vapour"}, {"water", 0, "phase"}, "saturated vapour",
       "saturation pressure"},
      {{"water", "--t", "700", "--p", "1e5"}, {"water", 0, "phase"}, "vapour", ""},
      // A liquid hydrocarbon mixture: liquid by default, every row says which phase it holds.
      {{"trapp", "-c", "n-hexane,n-heptane,toluene", "--x", "0.4,0.3,0.3", "--t", "298", "--p", "1e5"},
       {"mixture", 0, "phase"}, "liquid", ""},
      {{"trapp", "-c", "n-decane", "--t", "300", "--p", "1e5", "--phase", "vapour"}, {"mixture", 0, "phase"},
       "liquid", "the state is liquid"},
      {{"trapp", "-c", "methane,ethane", "--x", "0.9,0.1", "--t", "300", "--p", "5e6"}, {"mixture", 0, "phase"},
       "vapour", ""},
      {{"trapp", "-c", "water", "--t", "300", "--p", "1e5"}, {"", 0, ""}, "", "kova water"},
      // Chung at a pressure: the liquid volume where the state is liquid.
      {{"chung", "-c", "n-hexane,n-heptane,toluene", "--x", "0.4,0.3,0.3", "--t", "298", "--p", "1e5"},
       {"", 0, ""}, "", ""},
      {{"chung", "-c", "ethanol", "--t", "300", "--phase", "liquid"}, {"", 0, ""}, "", "hydrogen-bonding"},
      // Lucas: a component above its vapour pressure is computed at it; no warning for a gas.
      {{"lucas", "-c", "n-hexane", "--t", "300", "--p", "1e6"}, {"", 0, ""}, "", "vapour pressure"},
      {{"lucas", "-c", "methane", "--t", "300", "--p", "1e6"}, {"", 0, ""}, "", ""},
      // Host liquid viscosities outside their fitted range.
      {{"liquid-viscosity", "-c", "toluene,benzene", "--x", "0.5,0.5", "--t", "450"}, {"", 0, ""}, "",
       "liquid viscosity"},
      {{"liquid-viscosity", "-c", "toluene,benzene", "--w", "50,50", "--normalize", "--t", "300"}, {"", 0, ""}, "",
       ""},
      {{"wilke", "-c", "NH3,N2", "--x", "0.333,0.333", "--normalize", "--t", "350"}, {"components", 0, "component"},
       "ammonia", ""},
      // The gas models: each row shows the state's phase; a liquid is computed as a gas and
      // warned, pointing to the commands for liquids. A gas is not warned.
      {{"lucas", "-c", "n-hexane", "--t", "300", "--p", "1e6"}, {"components", 0, "phase"}, "saturated vapour",
       "Lucas is a model for gases: computed as the saturated vapour"},
      {{"lucas", "-c", "n-hexane", "--t", "300", "--p", "1e6"}, {"mixture", 0, "phase"}, "liquid",
       "`kova trapp --phase liquid`"},
      {{"lucas", "-c", "methane,ethane", "--x", "0.8,0.2", "--t", "300", "--p", "4e6", "--phase", "vapour"},
       {"mixture", 0, "phase"}, "vapour", ""},
      {{"dean-stiel", "-c", "n-hexane,nitrogen", "--x", "0.5,0.5", "--t", "300", "--p", "1e6"},
       {"components", 0, "phase"}, "liquid", "Dean-Stiel is a model for gases: V is the equation of state's vapour root"},
      {{"dean-stiel", "-c", "n-hexane,nitrogen", "--x", "0.5,0.5", "--t", "300", "--p", "1e6"},
       {"mixture", 0, "phase"}, "two-phase", "two-phase region"},
      {{"dean-stiel", "-c", "methane,ethane", "--x", "0.8,0.2", "--t", "320", "--p", "5e6"}, {"mixture", 0, "phase"},
       "vapour", ""},
      {{"dean-stiel", "-c", "methane", "--t", "300", "--volume", "0.5"}, {"", 0, ""}, "", ""},
      {{"dean-stiel", "-c", "ammonia", "--t", "400", "--volume", "1"}, {"", 0, ""}, "", "fitted to non-polar gases"},
      // Each pair of Dawson-Khoury-Kobayashi is its own binary: two heavy components dilute in
      // methane are a liquid pair at 2 MPa although the mixture is a gas.
      {{"dkk", "-c", "methane,n-hexane,n-heptane", "--x", "0.9,0.05,0.05", "--t", "350", "--p", "2e6", "--dv0", "1e-5"},
       {"pairs", 2, "phase"}, "liquid", "the pair volumes are the equation of state's vapour roots"},
      {{"dkk", "-c", "methane,propane", "--x", "0.6,0.4", "--t", "350", "--p", "5e6", "--dv0", "1e-5"},
       {"pairs", 0, "phase"}, "vapour", ""},
      // Letsou-Stiel: its fitted reduced temperatures, a liquid above TC, a polar liquid.
      {{"letsou-stiel", "-c", "n-hexane,n-heptane", "--t", "420"}, {"", 0, ""}, "", ""},
      {{"letsou-stiel", "-c", "n-hexane", "--t", "300"}, {"", 0, ""}, "", "below the 0.76"},
      {{"letsou-stiel", "-c", "n-hexane", "--t", "505"}, {"", 0, ""}, "", "evaluated at T/TC = 0.98"},
      {{"letsou-stiel", "-c", "methane", "--t", "300"}, {"", 0, ""}, "", "there is no liquid"},
      {{"letsou-stiel", "-c", "water", "--t", "550"}, {"", 0, ""}, "", "kova water"},
      // Stiel-Thodos: non-polar gases.
      {{"stiel-thodos", "-c", "methane,ethane", "--x", "0.5,0.5", "--volume", "0.5"}, {"", 0, ""}, "", ""},
      {{"stiel-thodos", "-c", "acetone", "--volume", "1"}, {"", 0, ""}, "", "fitted to non-polar gases"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = c.args;
    std::string what;
    for (const std::string& a : args) what += a + " ";
    SCOPED_TRACE(what);
    args.push_back("--json");
    const Outcome o = kova(args);
    ASSERT_EQ(o.status, 0) << o.err;
    const Json j = o.json();
    if (*c.cell.table != '\0') {
      EXPECT_EQ(j["results"][c.cell.table][c.cell.row][c.cell.column], c.text);
    }
    const Json& w = j["warnings"];
    if (*c.warning == '\0') {
      EXPECT_TRUE(w.empty()) << w.dump();
    } else {
      bool found = false;
      for (const Json& one : w) found = found || one["text"].get<std::string>().find(c.warning) != std::string::npos;
      EXPECT_TRUE(found) << w.dump();
    }
  }

  // Units: the same state in SI and with units; viscosity shown in cP on request.
  const Json si = kova({"water", "--t", "298.15", "--p", "100000", "--json"}).json();
  const Json units = kova({"water", "--t", "25 degC", "--p", "1 bar", "--mu-unit", "cP", "--json"}).json();
  EXPECT_EQ(units["units"]["MU"], "cP");
  EXPECT_NEAR(units["results"]["water"][0]["MU"].get<double>(), si["results"]["water"][0]["MU"].get<double>() * 1e3,
              1e-12);
  // Chung's liquid: far denser and more viscous than the vapour root the old default took.
  const Json liq = kova({"chung", "-c", "n-hexane,n-heptane,toluene", "--x", "0.4,0.3,0.3", "--t", "298", "--p",
                         "1e5", "--json"})
                       .json();
  EXPECT_EQ(liq["inputs"]["phase"], "liquid");
  EXPECT_GT(liq["results"]["mixture"][0]["MU"].get<double>(), 1e-4);
}

// Values with units in the value options (lists and single values): the same result as the
// SI numbers, whether the unit is joined to the number, after a blank, or a separate word.
TEST_F(Decisions, UnitsInValueOptions) {
  struct Case {
    std::vector<std::string> with_units, si;
    Cellref cell;
  };
  const std::vector<std::string> wilke = {"wilke", "-c", "methane,ethane", "--x", "0.5,0.5", "--t", "300"};
  const std::vector<std::string> tension = {"surface-tension", "-c", "n-hexane,water", "--x", "0.5,0.5"};
  const std::vector<std::string> li = {"li", "-c", "water,methanol", "--x", "0.5,0.5", "--t", "300"};
  const std::vector<std::string> dkk = {"dkk", "-c", "methane,propane", "--x", "0.6,0.4", "--t", "350", "--p", "5e6"};
  const std::vector<std::string> dean = {"dean-stiel", "-c", "methane", "--t", "300", "--p", "5e6"};
  auto plus = [](std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  const Case cases[] = {
      {plus(wilke, {"--mulp", "0.011cP,0.0095 cP"}), plus(wilke, {"--mulp", "1.1e-5,9.5e-6"}), {"mixture", 0, "MU_LP"}},
      {plus(wilke, {"--mulp", "0.011", "cP,9.5e-6"}), plus(wilke, {"--mulp", "1.1e-5,9.5e-6"}), {"mixture", 0, "MU_LP"}},
      {plus(tension, {"--sigma", "17.9", "mN/m,72", "mN/m"}), plus(tension, {"--sigma", "0.0179,0.072"}),
       {"mixture", 0, "SIGMX"}},
      {plus(li, {"--kl", "0.6 W/(m K),200 mW/(m K)", "--vl", "18cm3/mol,40.7cm3/mol"}),
       plus(li, {"--kl", "0.6,0.2", "--vl", "0.018,0.0407"}), {"mixture", 0, "KLMX"}},
      {plus(dkk, {"--dv0", "0.1cm2/s", "--p0", "1atm"}), plus(dkk, {"--dv0", "1e-5", "--p0", "101325"}),
       {"pairs", 0, "DV"}},
      {plus(dean, {"--mulp", "0.011cP"}), plus(dean, {"--mulp", "1.1e-5"}), {"mixture", 0, "MU"}},
  };
  for (const Case& c : cases) {
    std::string what;
    for (const std::string& a : c.with_units) what += a + " ";
    SCOPED_TRACE(what);
    const Outcome u = kova(plus(c.with_units, {"--json"}));
    const Outcome si = kova(plus(c.si, {"--json"}));
    ASSERT_EQ(u.status, 0) << u.err;
    ASSERT_EQ(si.status, 0) << si.err;
    const double a = u.json()["results"][c.cell.table][c.cell.row][c.cell.column].get<double>();
    const double b = si.json()["results"][c.cell.table][c.cell.row][c.cell.column].get<double>();
    EXPECT_NEAR(a, b, 1e-12 * std::fabs(b));
  }
}

TEST_F(Decisions, ErrorsAndFaults) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      // A negative surface tension used to give a negative mixture value.
      {{"surface-tension", "-c", "n-hexane,water", "--x", "0.5,0.5", "--sigma", "-0.0179,0.028", "--nexp", "-1"},
       "--sigma: must be positive: -0.0179"},
      {{"trap", "-c", "methane"}, "did you mean \"trapp\""},
      {{"trapp", "-c", "tolune", "--t", "300", "--p", "1e5"}, "did you mean \"toluene\""},
      {{"trapp", "-c", "C4H10", "--t", "300", "--p", "1e5"}, "\"n-butane\" and \"isobutane\""},
      {{"water", "--t", "300", "--p", "1e5", "--phase", "gas-ish"}, "is not a phase: give auto, vapour or liquid"},
      {{"water", "--t", "300 furlongs", "--p", "1e5"}, "--t: "},
      {{"water", "--t", "300", "--p", "70 K"}, "--p: "},
      {{"trapp", "-c", "methane,ethane", "--x", "90,10", "--t", "300", "--p", "1e5"}, "add --normalize"},
      // Value options are checked after their units are converted, and named as typed.
      {{"wilke", "-c", "methane,ethane", "--x", "0.5,0.5", "--t", "300", "--mulp", "-0.011cP,0.0095cP"},
       "--mulp: must be positive: -0.011cP"},
      {{"wilke", "-c", "methane,ethane", "--x", "0.5,0.5", "--t", "300", "--mulp", "1e-5,3 K"},
       "--mulp: not a finite number: 3 K"},
      {{"li", "-c", "water,methanol", "--x", "0.5,0.5", "--t", "300", "--kl", "0.6,-1 W/(m K)"},
       "--kl: must not be negative: -1 W/(m K)"},
      {{"dean-stiel", "-c", "methane", "--t", "300", "--p", "5e6", "--mulp", "1e-5,2e-5"}, "--mulp: one value, not 2"},
      {{"surface-tension", "-c", "n-hexane,water", "--x", "0.5,0.5", "--sigma", "0.02,0.07", "--vw", "1,0"},
       "--vw: must be positive: 0"},
      // A mistyped option: named, with the command's nearest option, before any missing one.
      {{"trapp", "-c", "methane", "--temp", "300", "--p", "1e5"},
       "unknown option \"--temp\" for trapp (did you mean \"--t\"?)"},
      // A liquid asked of a model for gases is refused, pointing to the commands for liquids.
      {{"lucas", "-c", "n-hexane", "--t", "300", "--p", "1e6", "--phase", "liquid"},
       "--phase liquid: Lucas is a model for gases; for a liquid use `kova trapp --phase liquid`"},
      {{"dean-stiel", "-c", "n-hexane", "--t", "300", "--volume", "0.2", "--phase", "l"},
       "--phase liquid: Dean-Stiel is a model for gases"},
      {{"dkk", "-c", "methane,propane", "--t", "350", "--p", "5e6", "--x", "0.6,0.4", "--dv0", "1e-5", "--phase",
        "liquid"},
       "for a liquid use `kova wilke-chang`"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const Outcome o = kova(c.args);
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find(c.message), std::string::npos) << o.err;
    std::vector<std::string> json = c.args;
    json.push_back("--json");
    const Outcome j = kova(json);
    EXPECT_EQ(j.json()["error"]["status"], 2) << j.out;
  }

  // Lucas: Pr is the reduced pressure the routine used, not the input's.
  const Json l = kova({"lucas", "-c", "n-hexane", "--t", "300", "--p", "1e6", "--json"}).json();
  const Json& row = l["results"]["components"][0];
  EXPECT_LT(row["P_used"].get<double>(), 1e6);
  EXPECT_DOUBLE_EQ(row["Pr"].get<double>(), row["P_used"].get<double>() / 3025000.0);
  // The mixture routine's pressure: below the pseudo-critical temperature no more than the
  // pseudo-critical pressure (for one component its critical pressure), and at P otherwise.
  const Json capped = kova({"lucas", "-c", "n-hexane", "--t", "500", "--p", "5e6", "--json"}).json();
  EXPECT_DOUBLE_EQ(capped["results"]["mixture"][0]["P_used"].get<double>(), 3025000.0);
  EXPECT_DOUBLE_EQ(l["results"]["mixture"][0]["P_used"].get<double>(), 1e6);

  const Outcome v = kova({"--version"});
  EXPECT_EQ(v.status, 0);
  EXPECT_EQ(v.out.rfind("kova ", 0), 0u);
}

}  // namespace
}  // namespace kova::cli

#endif
