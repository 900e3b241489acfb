// Sweeps, CSV and the calculator core's outcome: lists and ranges of states (and their
// errors), the product of two swept variables, every state computed as its own run would
// compute it, messages kept with their state, and the gate call behind each message.
#ifdef KOVA_TEST_CLI

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "calculator.h"
#include "command.h"
#include "support/cli_run.h"

namespace kova::cli {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

std::vector<std::string> fields_of(const std::string& line) {
  std::vector<std::string> f;
  std::istringstream in(line);
  for (std::string s; std::getline(in, s, ',');) f.push_back(s);
  return f;
}

class Sweeps : public ::testing::Test {
 protected:
  void TearDown() override { refhost::reset(); }
};

TEST_F(Sweeps, ListsAndRanges) {
  EXPECT_EQ(calc::parse_values("--t", "300"), (std::vector<double>{300}));
  EXPECT_EQ(calc::parse_values("--t", "300, 350,400"), (std::vector<double>{300, 350, 400}));
  EXPECT_EQ(calc::parse_values("--t", "400:250:-50"), (std::vector<double>{400, 350, 300, 250}));
  EXPECT_EQ(calc::parse_values("--t", "250:400:10").size(), 16u);
  EXPECT_EQ(calc::parse_values("--t", "250:405:10").back(), 400.0);  // the stop need not be reached exactly
  const std::vector<double> tenths = calc::parse_values("--x", "0.1:0.5:0.1");
  ASSERT_EQ(tenths.size(), 5u);  // despite 0.1 + 4 * 0.1 rounding just above 0.5
  EXPECT_EQ(tenths.back(), 0.5);
  EXPECT_EQ(calc::parse_values("--t", "300:300:5"), (std::vector<double>{300}));
  EXPECT_FALSE(calc::is_sweep("3e2"));
  EXPECT_TRUE(calc::is_sweep("300,"));
}

// Each bad list or range: one line on standard error naming the option, status 2.
TEST_F(Sweeps, BadListsAndRangesAreInputErrors) {
  const struct {
    std::string t, expect;
  } cases[] = {
      {"300,,400", "--t: an empty value"},
      {"300,", "--t: an empty value"},
      {"250:400:-10", "--t: the step -10 does not lead from 250 to 400"},
      {"250:400:0", "is zero"},
      {"250:400", "start:stop:step"},
      {"1:200001:1", "more than 100000"},
      {"300,abc", "--t: not a finite number: abc"},
      {"300,-5", "--t: must be positive: -5"},
      {"nan:400:10", "not a finite number"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.t);
    const Outcome r = kova({"trapp", "-c", "methane", "--t", c.t, "--p", "1e6"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(lines_of(r.err).size(), 1u) << r.err;
    EXPECT_NE(r.err.find(c.expect), std::string::npos) << r.err;
  }
  // Two lists of 400 values make 160 000 states.
  const Outcome big = kova({"lucas", "-c", "methane", "--t", "101:500:1", "--p", "1e5:4e7:1e5"});
  EXPECT_EQ(big.status, 2);
  EXPECT_NE(big.err.find("more than 100000"), std::string::npos) << big.err;
}

// The sweep of the README: 16 rows under a header, each row the numbers of the single run at
// its state, to the last bit (the CSV carries every digit).
TEST_F(Sweeps, CsvRowsAreTheSingleRunsBitForBit) {
  const Outcome r = kova({"trapp", "-c", "methane,propane", "--x", "0.6,0.4", "--t", "250:400:10", "--p", "5e6",
                          "--csv-table", "mixture"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = lines_of(r.out);
  ASSERT_EQ(lines.size(), 17u);
  EXPECT_EQ(lines[0], "T [K],P [Pa],MU [Pa s],K [W/(m K)],KCONV");
  for (std::size_t k : {1u, 7u, 16u}) {
    const std::vector<std::string> f = fields_of(lines[k]);
    ASSERT_EQ(f.size(), 5u);
    const Outcome one = kova({"trapp", "-c", "methane,propane", "--x", "0.6,0.4", "--t", f[0], "--p", "5e6", "--json"});
    ASSERT_EQ(one.status, 0) << one.err;
    const Json mix = one.json()["results"]["mixture"][0];
    EXPECT_EQ(std::stod(f[0]), 250.0 + 10.0 * static_cast<double>(k - 1));
    EXPECT_EQ(std::stod(f[2]), mix["MU"].get<double>()) << lines[k];
    EXPECT_EQ(std::stod(f[3]), mix["K"].get<double>()) << lines[k];
  }

  // Without --csv-table every table is a section of its own.
  const Outcome all = kova({"trapp", "-c", "methane,propane", "--x", "0.6,0.4", "--t", "300,350", "--p", "5e6", "--csv"});
  ASSERT_EQ(all.status, 0) << all.err;
  const std::vector<std::string> l = lines_of(all.out);
  EXPECT_EQ(l[0], "# components");
  EXPECT_EQ(l[1], "T [K],P [Pa],component,x,MU [Pa s],K [W/(m K)]");
  EXPECT_EQ(l.size(), (2u + 4u) + 1u + (2u + 2u) + 1u + (2u + 2u));  // heading, header, rows; blank lines between
  const Outcome none = kova({"trapp", "-c", "methane", "--t", "300", "--p", "1e6", "--csv-table", "pairs"});
  EXPECT_EQ(none.status, 2);
  EXPECT_NE(none.err.find("tables: components, mixture, equivalent state"), std::string::npos) << none.err;
}

// Two swept variables: every combination, the first option's variable slowest, as leading
// columns; messages in JSON carry their state.
TEST_F(Sweeps, ProductOfTwoListsWithMessagesByState) {
  const Outcome r = kova({"lucas", "-c", "methane,ethane", "--x", "0.8,0.2", "--t", "200,300", "--p", "1e6,4e6",
                          "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const Json j = r.json();
  const Json& mix = j["results"]["mixture"];
  ASSERT_EQ(mix.size(), 4u);
  const double t[] = {200, 200, 300, 300}, p[] = {1e6, 4e6, 1e6, 4e6};
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(mix[k]["T"], t[k]);
    EXPECT_EQ(mix[k]["P"], p[k]);
    const Outcome one = kova({"lucas", "-c", "methane,ethane", "--x", "0.8,0.2", "--t", std::to_string(t[k]), "--p",
                              std::to_string(p[k]), "--json"});
    EXPECT_EQ(mix[k]["MUVMX"], one.json()["results"]["mixture"][0]["MUVMX"]);
  }
  EXPECT_EQ(j["results"]["components"].size(), 8u);
  EXPECT_EQ(j["inputs"]["T"], Json::array({200, 200, 300, 300}));
  EXPECT_EQ(j["inputs"]["x"], Json::array({0.8, 0.2}));  // not swept: as in a single run
  // Ethane is below its vapour pressure only at 200 K: one message for each of those states.
  ASSERT_EQ(j["messages"].size(), 2u);
  for (const Json& m : j["messages"]) {
    EXPECT_EQ(m["state"]["T"], 200.0);
    EXPECT_NE(m["lines"][0].get<std::string>().find("EXCEEDS VAPOR PRESSURE"), std::string::npos);
  }
  EXPECT_NE(j["messages"][0]["state"]["P"], j["messages"][1]["state"]["P"]);

  const Outcome text = kova({"lucas", "-c", "methane,ethane", "--x", "0.8,0.2", "--t", "200,300", "--p", "1e6"});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("Messages from the library:\nAt T = 200 K, P = 1000000 Pa:\n"), std::string::npos)
      << text.out;
}

// A volume swept at a fixed temperature; an input derived from the state (rho) follows it.
TEST_F(Sweeps, VolumeSweepAndDerivedInputs) {
  const Outcome r = kova({"dean-stiel", "-c", "methane", "--t", "300", "--volume", "0.5,1", "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const Json j = r.json();
  EXPECT_EQ(j["inputs"]["V"], Json::array({0.5, 1.0}));
  EXPECT_EQ(j["inputs"]["rho"], Json::array({2.0, 1.0}));
  EXPECT_EQ(j["inputs"]["T"], 300.0);
  EXPECT_EQ(j["results"]["mixture"][1]["V"], 1.0);
  EXPECT_EQ(j["units"]["V"], "m3/kmol");
}

// The core reports each printed message with the class, number and routine of the gate
// call that let it through.
TEST_F(Sweeps, MessagesCarryTheirGateCall) {
  calc::LucasInput in;
  in.components = {"methane", "ethane"};
  in.x = {0.8, 0.2};
  in.t = 200;
  in.p = 1e6;
  const calc::Outcome o = calc::evaluate(calc::Settings{}, [&] { return calc::lucas(in, calc::Settings{}); });
  ASSERT_EQ(o.messages.size(), 1u);
  EXPECT_EQ(o.messages[0].routine, "KOVA_MUV005");
  EXPECT_GT(o.messages[0].cls, 0);
  EXPECT_EQ(o.messages[0].lines.size(), 3u);
  EXPECT_EQ(o.messages[0].lines[0].back(), 'E');  // blanks at the end removed
  in.t = -1;
  EXPECT_THROW(calc::evaluate(calc::Settings{}, [&] { return calc::lucas(in, calc::Settings{}); }), calc::InputError);
}

}  // namespace
}  // namespace kova::cli

#endif  // KOVA_TEST_CLI
