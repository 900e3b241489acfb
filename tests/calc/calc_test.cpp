// The calculator's own decisions around the routines: units, component lookup, compositions,
// the phase of a state and the range warnings, each over a table of everyday cases.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "component_lookup.h"
#include "composition.h"
#include "phase.h"
#include "ranges.h"
#include "units.h"

namespace kova::calc {
namespace {

TEST(CalculatorDecisions, UnitsAndLookup) {
  struct Q {
    const char* text;
    const char* unit;
    double si;  // NaN: refused
  };
  const double no = std::nan("");
  const Q quantities[] = {
      {"70bar", "Pa", 7.0e6},         {"25degC", "K", 298.15},     {"77 degF", "K", 298.15},
      {"1.2 MPa", "Pa", 1.2e6},       {"1 atm", "Pa", 101325.0},   {"300", "K", 300.0},
      {"1e5", "Pa", 1.0e5},           {"0.89 cP", "Pa s", 0.89e-3}, {"0.89 mPa s", "Pa s", 0.89e-3},
      {"5 kmol/m3", "kmol/m3", 5.0},  {"70 K", "Pa", no},           {"bar", "Pa", no},
      {"inf", "K", no},               {"3 furlongs", "K", no},
  };
  for (const Q& q : quantities) {
    SCOPED_TRACE(q.text);
    if (std::isnan(q.si)) {
      EXPECT_THROW(parse_quantity(q.text, q.unit), UnitError);
    } else {
      EXPECT_NEAR(parse_quantity(q.text, q.unit), q.si, 1e-9 * q.si);
    }
  }
  EXPECT_NEAR(convert(1.0e-3, "Pa s", "cP"), 1.0, 1e-12);

  struct L {
    const char* key;
    const char* name;  // empty: refused, with what in the message
    const char* message;
  };
  const L lookups[] = {
      {"NH3", "ammonia", ""},         {"SO2", "sulfur dioxide", ""}, {"HCl", "hydrogen chloride", ""},
      {"H2O", "water", ""},           {"CH3OH", "methanol", ""},     {"Toluene", "toluene", ""},
      {"CO", "carbon monoxide", ""},  {"CHCl3", "chloroform", ""},
      {"C4H10", "", "\"n-butane\" and \"isobutane\""},
      {"C2H6O", "", "\"ethanol\" and \"dimethyl ether\""},
      {"tolune", "", "did you mean \"toluene\""},
      {"xyzzy", "", "unknown component \"xyzzy\" (kova list"},
  };
  for (const L& l : lookups) {
    SCOPED_TRACE(l.key);
    if (*l.name != '\0') {
      EXPECT_EQ(lookup_component(l.key).name, l.name);
    } else {
      try {
        lookup_component(l.key);
        ADD_FAILURE() << "found";
      } catch (const LookupError& e) {
        EXPECT_NE(std::string(e.what()).find(l.message), std::string::npos) << e.what();
      }
    }
  }
  EXPECT_EQ(did_you_mean("trap", {"trapp", "water", "chung"}), " (did you mean \"trapp\"?)");
  EXPECT_EQ(did_you_mean("viscosity", {"trapp", "water"}), "");
}

TEST(CalculatorDecisions, UserComponentsAndCompositions) {
  const std::string path = ::testing::TempDir() + "calc_test_components.csv";
  {
    std::ofstream f(path);
    f << "NAME,FORMULA,MW[kg/kmol],TC[K],PC[Pa],OMEGA\n"
         "sulfur hexafluoride,SF6,146.06,318.72,3755000,0.21\n";
  }
  EXPECT_EQ(load_components_file(path), std::vector<std::string>{"sulfur hexafluoride"});
  const refhost::Component& sf6 = lookup_component("SF6");
  EXPECT_EQ(sf6.name, "sulfur hexafluoride");
  EXPECT_EQ(sf6.get("TC"), 318.72);
  EXPECT_FALSE(sf6.get("VC").has_value());
  EXPECT_EQ(sf6.values.size(), refhost::databank().front().values.size());  // fills the store alike
  {
    std::ofstream f(path);
    f << "NAME,TC[K],COLOUR\nx,1,red\n";
  }
  EXPECT_THROW(load_components_file(path), LookupError);
  {
    std::ofstream f(path);
    f << "NAME,CAS,TC[K]\nmy water,7732-18-5,647\n";
  }
  EXPECT_THROW(load_components_file(path), LookupError);  // a databank CAS number
  std::remove(path.c_str());

  struct C {
    FractionInput in;
    std::vector<double> mw;
    std::vector<double> x;  // empty: refused
  };
  const C cases[] = {
      {{{0.333, 0.333, 0.333}, {}, true}, {}, {1.0 / 3, 1.0 / 3, 1.0 / 3}},
      {{{90, 10}, {}, true}, {}, {0.9, 0.1}},
      {{{90, 10}, {}, false}, {}, {}},
      {{{0.333, 0.333, 0.333}, {}, false}, {}, {}},
      {{{}, {0.5, 0.5}, false}, {18.015, 32.042}, {32.042 / 50.057, 18.015 / 50.057}},
      {{{0.5, 0.5}, {0.5, 0.5}, false}, {1, 1}, {}},
      {{{-0.5, 1.5}, {}, true}, {}, {}},
      {{{}, {}, false}, {}, {}},  // two components need a composition
  };
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    SCOPED_TRACE(k);
    const C& c = cases[k];
    const std::size_t n = c.in.x.empty() && c.in.w.empty() ? 2 : std::max(c.in.x.size(), c.in.w.size());
    if (c.x.empty()) {
      EXPECT_THROW(make_fractions(c.in, n, c.mw), CompositionError);
      continue;
    }
    const Fractions got = make_fractions(c.in, n, c.mw);
    ASSERT_EQ(got.x.size(), c.x.size());
    for (std::size_t i = 0; i < n; ++i) EXPECT_NEAR(got.x[i], c.x[i], 1e-12);
  }
}

TEST(CalculatorDecisions, PhaseAndRanges) {
  struct P {
    std::vector<std::string> components;
    std::vector<double> x;
    double t, p;
    PhaseRequest asked;
    PhaseState state;
    bool liquid;
    bool warned;
  };
  using R = PhaseRequest;
  using S = PhaseState;
  const P phases[] = {
      {{"water"}, {1}, 298.15, 1e5, R::automatic, S::liquid, true, false},
      {{"water"}, {1}, 298.15, 1e3, R::automatic, S::vapour, false, false},
      {{"water"}, {1}, 298.15, 1e5, R::vapour, S::liquid, false, true},
      {{"water"}, {1}, 700, 1e5, R::automatic, S::supercritical, false, false},
      {{"n-hexane", "n-heptane", "toluene"}, {0.4, 0.3, 0.3}, 298, 1e5, R::automatic, S::liquid, true, false},
      {{"n-decane"}, {1}, 300, 1e5, R::vapour, S::liquid, false, true},
      {{"methane"}, {1}, 300, 1e5, R::liquid, S::supercritical, true, true},
      {{"nitrogen", "oxygen"}, {0.79, 0.21}, 298.15, 1e5, R::automatic, S::supercritical, false, false},
      {{"propane", "n-decane"}, {0.5, 0.5}, 300, 3e5, R::automatic, S::two_phase, true, true},
      {{"propane"}, {1}, 300, 1e5, R::automatic, S::vapour, false, false},
  };
  for (const P& c : phases) {
    SCOPED_TRACE(c.components.front() + " " + std::to_string(c.t) + " K " + std::to_string(c.p) + " Pa");
    const refhost::ComponentSet set = refhost::ComponentSet::of(c.components);
    const PhaseDecision d =
        decide_phase(c.asked, c.t, c.p, c.x, host_vapour_pressures(set, c.t), set.param("TC"));
    EXPECT_EQ(d.state, c.state) << d.reason;
    EXPECT_EQ(d.liquid, c.liquid);
    EXPECT_EQ(!d.warnings.empty(), c.warned);
  }

  struct W {
    const char* component;
    double t;
    unsigned uses;
    const char* warning;  // empty: no warning is due
  };
  const W ranges[] = {
      {"toluene", 298.15, uses_liquid_viscosity | liquid_state, ""},
      {"toluene", 450, uses_liquid_viscosity, "above the range of the databank's liquid viscosity (178.18 to 383.78 K)"},
      {"n-hexane", 300, uses_ideal_gas_cp | chung_model, ""},
      {"n-hexane", 40, uses_ideal_gas_cp, "below the range of the databank's ideal-gas heat capacity"},
      {"n-decane", 300, uses_vapour_pressure | nonpolar_corresponding_states, ""},
      {"water", 250, liquid_state, "below the triple point 273.16 K"},
      {"methane", 300, liquid_state, "above the critical temperature"},
      {"water", 300, nonpolar_corresponding_states, "kova water"},
      {"acetone", 300, nonpolar_corresponding_states, "strongly polar"},
      {"acetone", 300, chung_model, ""},
      {"ethanol", 300, chung_model, "hydrogen-bonding"},
      // Letsou-Stiel's fitted reduced temperatures 0.76..0.98 (n-hexane TC 507.6 K); above TC
      // the liquid's own warning alone.
      {"n-hexane", 400, liquid_state | letsou_stiel_model, ""},
      {"n-hexane", 300, liquid_state | letsou_stiel_model, "below the 0.76"},
      {"n-hexane", 505, liquid_state | letsou_stiel_model, "evaluated at T/TC = 0.98"},
      {"methane", 300, liquid_state | letsou_stiel_model, "there is no liquid"},
      {"methane", 300, letsou_stiel_model, "evaluated at T/TC = 1"},
      {"acetone", 420, letsou_stiel_model, "non-polar liquids; a strongly polar"},
      // The dense-gas correlations fitted to non-polar gases; no temperature is needed.
      {"n-hexane", std::nan(""), stiel_thodos_model | dean_stiel_model, ""},
      {"water", std::nan(""), stiel_thodos_model, "kova water"},
      {"ethanol", std::nan(""), dean_stiel_model, "Dean-Stiel's dense-gas viscosity was fitted to non-polar gases"},
  };
  for (const W& w : ranges) {
    SCOPED_TRACE(std::string(w.component) + " " + std::to_string(w.t));
    const auto got = range_warnings(lookup_component(w.component), w.t, w.uses);
    if (*w.warning == '\0') {
      EXPECT_TRUE(got.empty()) << got.front().text;
    } else {
      ASSERT_EQ(got.size(), 1u);
      EXPECT_NE(got.front().text.find(w.warning), std::string::npos) << got.front().text;
    }
  }
  // The Lucas routine's own pressure: the vapour pressure below TC when P exceeds it.
  const refhost::ComponentSet lucas = refhost::ComponentSet::of({"n-hexane", "methane"});
  lucas.install();
  const std::vector<double> used = lucas_pressures(lucas, 300.0, 1.0e6);
  EXPECT_NEAR(used[0], 21.9e3, 0.5e3);
  EXPECT_EQ(used[1], 1.0e6);
  EXPECT_NEAR(host_liquid_volumes(lucas, 300.0)[0], 0.1316, 0.003);  // n-hexane, 86.18/0.655
  // Methane dissolved in a liquid is judged by the mixture, not by its own critical point.
  const refhost::ComponentSet mix = refhost::ComponentSet::of({"methane", "n-decane"});
  EXPECT_TRUE(range_warnings(mix, {0.1, 0.9}, 300, liquid_state).empty());
}

}  // namespace
}  // namespace kova::calc
