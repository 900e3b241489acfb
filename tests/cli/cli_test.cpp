// The kova calculator, run in-process through its framework: input errors and their exit
// status, the JSON document's shape, that each command hands the library the inputs the user
// gave (checked against direct calls), and the text table's alignment.
#ifdef KOVA_TEST_CLI

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
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

std::string exact(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

class Cli : public ::testing::Test {
 protected:
  void TearDown() override { refhost::reset(); }
};

// Every input error ends with one line on standard error, nothing on standard output and
// status 2; the line names what is wrong.
TEST_F(Cli, InputErrorsGiveOneLineAndStatusTwo) {
  const std::vector<std::string> ds{"dean-stiel", "--t", "300", "--volume", "0.5"};
  auto with = [&](std::vector<std::string> extra) {
    std::vector<std::string> a = ds;
    a.insert(a.end(), extra.begin(), extra.end());
    return a;
  };
  const struct {
    std::vector<std::string> args;
    std::string expect;
  } cases[] = {
      {with({"-c", "methane,unobtainium", "--x", "0.5,0.5"}), "unknown component \"unobtainium\""},
      {with({"-c", "methane,ethane", "--x", "0.8"}), "1 mole fraction(s) for 2 components"},
      {with({"-c", "methane,ethane", "--x", "0.3,0.3,0.4"}), "3 mole fraction(s) for 2 components"},
      {with({"-c", "methane,ethane"}), "give one mole fraction per component"},
      {with({"-c", "methane,ethane", "--x", "0.5,0.6"}), "sum to 1.1, not 1"},
      {with({"-c", "methane,ethane", "--x", "1.5,-0.5"}), "must not be negative"},
      {with({"-c", "methane,ethane", "--x", "0.5,half"}), "not a finite number: half"},
      {with({"-c", "methane,CH4", "--x", "0.5,0.5"}), "listed twice"},
      {with({"-c", "methane", "--density", "2"}), "excludes"},
      {with({"-c", "methane", "--p", "1e5"}), "excludes"},
      {{"dean-stiel", "-c", "methane", "--t", "300"}, "--volume"},
      {{"dean-stiel", "-c", "methane", "--t", "3OO", "--volume", "1"}, "--t: not a finite number: 3OO"},
      {{"dean-stiel", "-c", "methane", "--t", "inf", "--volume", "1"}, "not a finite number"},
      {{"dean-stiel", "-c", "methane", "--t", "-5", "--volume", "1"}, "must be positive"},
      {{"dean-stiel", "-c", "methane", "--t", "300", "--volume", "0"}, "must be positive"},
      {{"dean-stiel", "--t", "300", "--volume", "1"}, "components"},
      {{"show", "unobtainium"}, "unknown component \"unobtainium\""},
      {{"frobnicate"}, "unknown command \"frobnicate\""},
      {{}, "subcommand is required"},
  };
  for (const auto& c : cases) {
    const Outcome r = kova(c.args);
    SCOPED_TRACE(c.expect);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(lines_of(r.err).size(), 1u) << r.err;
    EXPECT_NE(r.err.find(c.expect), std::string::npos) << r.err;
  }
}

TEST_F(Cli, HelpListsEveryCommandAndSucceeds) {
  const Outcome r = kova({"--help"});
  EXPECT_EQ(r.status, 0);
  for (const Registration* reg : registrations()) EXPECT_NE(r.out.find(reg->name), std::string::npos) << reg->name;
  EXPECT_EQ(kova({"dean-stiel", "--help"}).status, 0);
}

// The results are what the routines give for the same arguments: this catches a volume passed
// as a density, mole fractions in the wrong order, or a component list out of step.
TEST_F(Cli, DeanStielPassesTheUsersInputsToTheRoutines) {
  const Outcome r = kova({"dean-stiel", "-c", "ethane,methane", "--x", "0.3,0.7", "--t", "320", "--volume", "0.25",
                      "--mulp", "1.2e-5", "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const Json j = r.json();

  refhost::reset();
  const auto set = refhost::ComponentSet::of({"ethane", "methane"});
  set.install();
  std::vector<double> tc = set.param("TC"), zc = set.param("ZC"), vc = set.param("VC"), mw = set.param("MW"),
                      flag = set.flags(), x{0.3, 0.7}, vv{0.25, 0.25}, muvpc(2);
  const std::vector<kova_word> cid = set.cid();
  const std::vector<std::int64_t> idx = set.all();
  const std::int64_t n = 2, kdiag = 2;
  const double t = 320.0, v = 0.25, rho = 4.0, mulp = 1.2e-5;
  double muvxpc = 0.0, muvmx = 0.0;
  KOVA_MUV007(&t, &n, idx.data(), vv.data(), &kdiag, muvpc.data(), tc.data(), zc.data(), vc.data(), mw.data(),
              flag.data(), cid.data());
  KOVA_MUV205(&t, x.data(), &n, idx.data(), &v, &kdiag, &muvxpc, tc.data(), zc.data(), vc.data(), mw.data(),
              flag.data(), cid.data());
  KOVA_MUV202(&t, x.data(), &n, idx.data(), &rho, &mulp, &kdiag, &muvmx, tc.data(), zc.data(), vc.data(), mw.data(),
              flag.data(), cid.data());

  const Json& comps = j["results"]["components"];
  ASSERT_EQ(comps.size(), 2u);
  EXPECT_EQ(comps[0]["component"], "ethane");
  EXPECT_EQ(comps[1]["component"], "methane");
  EXPECT_DOUBLE_EQ(comps[0]["MU_EXCESS"].get<double>(), muvpc[0]);
  EXPECT_DOUBLE_EQ(comps[1]["MU_EXCESS"].get<double>(), muvpc[1]);
  EXPECT_DOUBLE_EQ(comps[1]["x"].get<double>(), 0.7);
  EXPECT_DOUBLE_EQ(j["results"]["mixture"][0]["MU_EXCESS"].get<double>(), muvxpc);
  EXPECT_DOUBLE_EQ(j["results"]["mixture"][0]["MU"].get<double>(), muvmx);
  // Both mixture routines use the same pseudo-critical constants, so the dense viscosity at
  // rho = 1/V is the low-pressure value plus the mixture correction at V.
  EXPECT_NEAR(muvmx, mulp + muvxpc, 1e-12 * muvmx);
  EXPECT_GT(muvpc[0], muvpc[1]);  // ethane is denser (reduced) than methane at the same V

  // A density gives what the equal volume gives.
  const Outcome d = kova({"dean-stiel", "-c", "ethane,methane", "--x", "0.3,0.7", "--t", "320", "--density", "4",
                      "--mulp", "1.2e-5", "--json"});
  ASSERT_EQ(d.status, 0) << d.err;
  EXPECT_EQ(d.json()["results"], j["results"]);
}

// A pressure gives the mixture's volume and each component's own volume from the host's
// equation of state; the results are those of the same volumes given directly.
TEST_F(Cli, DeanStielAtAPressureUsesTheHostsVolumes) {
  const Outcome r = kova({"dean-stiel", "-c", "methane,ethane", "--x", "0.8,0.2", "--t", "320", "--p", "5e6", "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const Json j = r.json();
  const double v = j["inputs"]["V"].get<double>();
  EXPECT_EQ(j["inputs"]["P"], 5e6);
  const double ideal = refhost::kGasConstant * 320.0 / 5e6;
  EXPECT_GT(v, 0.8 * ideal);  // a moderately dense vapour: Z between 0.8 and 1
  EXPECT_LT(v, ideal);
  const Json& comps = j["results"]["components"];
  const double v_methane = comps[0]["VV"].get<double>(), v_ethane = comps[1]["VV"].get<double>();
  EXPECT_GT(v_methane, v);  // methane alone is less dense than the mixture, ethane alone more
  EXPECT_LT(v_ethane, v);

  const Outcome mix = kova({"dean-stiel", "-c", "methane,ethane", "--x", "0.8,0.2", "--t", "320", "--volume",
                            exact(v), "--json"});
  ASSERT_EQ(mix.status, 0) << mix.err;
  EXPECT_NEAR(mix.json()["results"]["mixture"][0]["MU_EXCESS"].get<double>(),
              j["results"]["mixture"][0]["MU_EXCESS"].get<double>(), 1e-12 * v);
  const Outcome alone = kova({"dean-stiel", "-c", "ethane", "--t", "320", "--volume", exact(v_ethane), "--json"});
  ASSERT_EQ(alone.status, 0) << alone.err;
  EXPECT_NEAR(alone.json()["results"]["components"][0]["MU_EXCESS"].get<double>(), comps[1]["MU_EXCESS"].get<double>(),
              1e-12 * comps[1]["MU_EXCESS"].get<double>());
}

TEST_F(Cli, JsonDocumentShape) {
  const Outcome r = kova({"dean-stiel", "-c", "methane", "--t", "300", "--volume", "0.5", "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const Json j = r.json();
  EXPECT_EQ(j["command"], "dean-stiel");
  EXPECT_EQ(j["inputs"]["components"], Json::array({"methane"}));
  EXPECT_EQ(j["inputs"]["x"], Json::array({1.0}));  // a single component needs no --x
  EXPECT_EQ(j["inputs"]["T"], 300.0);
  EXPECT_EQ(j["units"]["T"], "K");
  EXPECT_EQ(j["units"]["MU_EXCESS"], "Pa s");
  EXPECT_TRUE(j["results"]["components"].is_array());
  EXPECT_TRUE(j["messages"].is_array());
  EXPECT_TRUE(j["messages"].empty());
  EXPECT_FALSE(j.contains("trace"));  // only with --trace
  EXPECT_FALSE(j["results"].contains("MU"));
}

// --trace raises the level to 7 unless --kdiag is given; a tracing level shows the trace
// without --trace; otherwise it is not shown, although KOVA_MUV007 writes its entry line on
// every call.
TEST_F(Cli, TraceFollowsTheLevel) {
  const std::vector<std::string> base{"dean-stiel", "-c", "methane", "--t", "300", "--volume", "0.5", "--json"};
  auto run = [&](std::vector<std::string> extra) {
    std::vector<std::string> a = base;
    a.insert(a.end(), extra.begin(), extra.end());
    const Outcome r = kova(a);
    EXPECT_EQ(r.status, 0) << r.err;
    return r.json();
  };
  const Json traced = run({"--trace"});
  const Json& unit6 = traced["trace"]["6"];
  ASSERT_GE(unit6.size(), 4u);
  EXPECT_EQ(unit6[0], "     IN MUV007");
  EXPECT_EQ(unit6[2], " MUV007");

  const Json quiet = run({"--trace", "--kdiag", "2"});
  EXPECT_EQ(quiet["trace"]["6"], Json::array({"     IN MUV007"}));
  EXPECT_FALSE(run({})["trace"].is_object());
  EXPECT_EQ(run({"--kdiag", "-1"})["trace"]["6"], traced["trace"]["6"]);  // a tracing level shows it
}

// The host words that the calculator sets for the routines: the trace level of the routines
// whose trace does not follow KDIAG, and the range-warning switch.
TEST_F(Cli, HostWordsFollowTheOptions) {
  auto word = [](const kova_word* block, int n) {
    std::int64_t v;
    std::memcpy(&v, &block[n], 8);
    return v;
  };
  const std::vector<std::string> base{"dean-stiel", "-c", "methane", "--t", "300", "--volume", "0.5"};
  ASSERT_EQ(kova(base).status, 0);
  EXPECT_NE(word(ZEL_ERRTWO, 56), 0);
  EXPECT_EQ(word(ZEL_GLOBAL, 10), 2);
  std::vector<std::string> quiet = base;
  quiet.insert(quiet.end(), {"--no-range-warnings", "--trace"});
  ASSERT_EQ(kova(quiet).status, 0);
  EXPECT_EQ(word(ZEL_ERRTWO, 56), 0);
  EXPECT_EQ(word(ZEL_GLOBAL, 10), 7);
}

TEST_F(Cli, ListHasTheWholeDatabankWithUnits) {
  const Outcome r = kova({"list", "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const Json j = r.json();
  const Json& rows = j["results"]["components"];
  ASSERT_EQ(rows.size(), refhost::databank().size());
  EXPECT_EQ(rows[0]["number"], 1);
  EXPECT_EQ(rows[0]["name"], "methane");
  EXPECT_DOUBLE_EQ(rows[0]["TC"].get<double>(), 190.56);
  EXPECT_EQ(rows.back()["number"], static_cast<std::int64_t>(rows.size()));
  for (const char* col : {"MW", "TC", "PC", "VC", "ZC", "OMEGA"}) EXPECT_TRUE(rows[0].contains(col)) << col;
  EXPECT_EQ(j["units"]["PC"], "Pa");
  EXPECT_EQ(j["units"]["VC"], "m3/kmol");
  EXPECT_FALSE(j["units"].contains("ZC"));
  EXPECT_EQ(kova({"list", "--kdiag", "3"}).status, 2);  // list calls no routine
}

TEST_F(Cli, ShowFindsByFormulaAndGivesEveryColumn) {
  const Outcome r = kova({"show", "c2h6", "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const Json j = r.json();
  const Json& rows = j["results"]["columns"];
  EXPECT_EQ(rows.size(), refhost::databank_columns().size() + 6);  // plus name, CAS, formula, CID, CFORM, flags
  EXPECT_EQ(rows[0]["value"], "ethane");
  bool found_tc = false;
  for (const Json& row : rows)
    if (row["column"] == "TC") {
      found_tc = true;
      EXPECT_DOUBLE_EQ(row["value"].get<double>(), 305.32);
      EXPECT_EQ(row["unit"], "K");
    }
  EXPECT_TRUE(found_tc);
}

// In the text table every column keeps one width: numbers end in the same column, texts
// start in the same column, and the unit is in the heading.
TEST_F(Cli, TextTableIsAligned) {
  const Outcome r = kova({"list"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = lines_of(r.out);
  std::size_t head = 0;
  while (head < lines.size() && lines[head].find("number") == std::string::npos) ++head;
  ASSERT_LT(head, lines.size());
  EXPECT_NE(lines[head].find("TC [K]"), std::string::npos);
  const std::size_t name_col = lines[head].find("name"), end = lines[head].size();
  for (std::size_t i = head + 1; i <= head + refhost::databank().size(); ++i) {
    ASSERT_LT(i, lines.size());
    EXPECT_EQ(lines[i].size(), end) << lines[i];  // the last column (OMEGA) is right-aligned
    EXPECT_NE(lines[i][name_col], ' ') << lines[i];
    EXPECT_EQ(lines[i][name_col - 1], ' ') << lines[i];
  }
}

// The printed messages and the trace follow the tables, whitespace at line ends removed.
TEST_F(Cli, MessagesAndTraceFollowTheResults) {
  Report rep("Title");
  rep.input("T", 300.0, "K").input("x", Json::array({0.25, 0.75}));
  rep.table("mixture", {{"MU", "Pa s"}}).row({1.5e-5});
  refhost::Record rec;
  rec.printed.push_back({2, {"      FIRST LINE" + std::string(64, ' '), "      SECOND" + std::string(68, ' ')}});
  rec.trace[6] = {"     IN MUV007  "};
  Session s;
  s.command = "test";

  std::ostringstream plain;
  print_text(plain, rep, rec, s);
  EXPECT_EQ(plain.str(),
            "Title\n  T = 300 K\n  x = 0.25, 0.75\n\nmixture:\n  MU [Pa s]\n    1.5e-05\n\n"
            "Messages from the library:\n      FIRST LINE\n      SECOND\n");
  s.trace = true;
  std::ostringstream traced;
  print_text(traced, rep, rec, s);
  EXPECT_NE(traced.str().find("Trace, unit 6:\n     IN MUV007\n"), std::string::npos);

  const Json j = to_json(rep, rec, s);
  ASSERT_EQ(j["messages"].size(), 1u);
  EXPECT_EQ(j["messages"][0]["lines"], Json::array({"      FIRST LINE", "      SECOND"}));
  EXPECT_TRUE(j["messages"][0].contains("routine") && j["messages"][0].contains("class"));
  EXPECT_EQ(j["trace"]["6"], Json::array({"     IN MUV007"}));
  EXPECT_EQ(j["results"]["mixture"][0]["MU"], 1.5e-5);
}

TEST_F(Cli, PerComponentListsAndNames) {
  MixtureOptions o;
  o.components = {"Ethane", " methane"};  // any case, blanks around a name allowed
  o.x = {0.25, 0.75};
  const Mixture m = o.build(true);
  EXPECT_EQ(m.names(), (std::vector<std::string>{"ethane", "methane"}));
  EXPECT_EQ(m.idx, (std::vector<std::int64_t>{1, 2}));
  EXPECT_EQ(refhost::installed_set()->size(), 2);  // the host's routines see the set
  EXPECT_NO_THROW(m.check_per_component({}, "--vl"));
  EXPECT_NO_THROW(m.check_per_component({1.0, 2.0}, "--vl"));
  EXPECT_THROW(m.check_per_component({1.0, 2.0, 3.0}, "--vl"), UsageError);
}

TEST_F(Cli, NumbersAndMissingCells) {
  EXPECT_EQ(format_number(4599000.0), "4599000");
  EXPECT_EQ(format_number(0.0986), "0.0986");
  EXPECT_EQ(format_number(3.758e-10), "3.758e-10");
  EXPECT_EQ(format_number(1.0 / 3.0), "0.333333");
  Report rep("t");
  rep.table("t", {{"a", ""}, {"b", ""}}).row({Cell(), std::nan("")});
  const Json j = to_json(rep, refhost::Record{}, Session{});
  EXPECT_TRUE(j["results"]["t"][0]["a"].is_null());
  EXPECT_TRUE(j["results"]["t"][0]["b"].is_null());  // JSON has no NaN
  EXPECT_THROW(rep.table("u", {{"a", ""}}).row({1.0, 2.0}), std::logic_error);
}

}  // namespace
}  // namespace kova::cli

#endif  // KOVA_TEST_CLI
