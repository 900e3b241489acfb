// The integrator's reference (docs/reference/) against the public headers, and the version
// macros against the package version.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "kova/host.h"
#include "kova/kova.h"
#include "refhost.h"

namespace {

namespace fs = std::filesystem;
const fs::path kSource(KOVA_SOURCE_DIR);

std::string read_file(const fs::path& p) {
  std::ifstream in(p);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(Version, MacrosMatchThePackageVersion) {
  EXPECT_EQ(KOVA_VERSION_MAJOR, KOVA_PACKAGE_VERSION_MAJOR);
  EXPECT_EQ(KOVA_VERSION_MINOR, KOVA_PACKAGE_VERSION_MINOR);
  EXPECT_EQ(KOVA_VERSION_PATCH, KOVA_PACKAGE_VERSION_PATCH);
}

// ---------------------------------------------------------------- reference vs headers

// Routines of kova.h with their argument names in order.
std::map<std::string, std::vector<std::string>> header_routines() {
  const std::string text = read_file(kSource / "include/kova/kova.h");
  const std::regex decl(R"(KOVA_API\s+void\s+(KOVA_\w+)\s*\(([^;]*)\)\s*;)");
  const std::regex last_name(R"((\w+)\s*$)");
  std::map<std::string, std::vector<std::string>> out;
  for (std::sregex_iterator it(text.begin(), text.end(), decl), end; it != end; ++it) {
    std::vector<std::string> args;
    std::stringstream params((*it)[2].str());
    std::string param;
    while (std::getline(params, param, ',')) {
      std::smatch m;
      if (std::regex_search(param, m, last_name)) args.push_back(m[1].str());
    }
    out[(*it)[1].str()] = args;
  }
  return out;
}

// Names the headers declare that need an entry of their own: data blocks of kova.h and the
// host blocks and routines of host.h.
std::vector<std::string> header_symbols() {
  std::vector<std::string> out;
  const std::string kova = read_file(kSource / "include/kova/kova.h");
  const std::regex block(R"(extern\s+KOVA_API\s+\w+\s+(KOVA_\w+)\s*\[)");
  for (std::sregex_iterator it(kova.begin(), kova.end(), block), end; it != end; ++it) out.push_back((*it)[1]);
  const std::string host = read_file(kSource / "include/kova/host.h");
  const std::regex host_block(R"(extern\s+kova_word\s+(\w+)\s*\[)");
  for (std::sregex_iterator it(host.begin(), host.end(), host_block), end; it != end; ++it) out.push_back((*it)[1]);
  const std::regex host_routine(R"(\n\w[\w ]*?\b((?:ZEL|SIRK|LUMENA)_\w+)\s*\()");
  for (std::sregex_iterator it(host.begin(), host.end(), host_routine), end; it != end; ++it) out.push_back((*it)[1]);
  return out;
}

// An entry of the reference: a "### NAME" heading and, in its section, the argument table
// (header "| # | name | ...") whose rows "| n | `NAME` | ..." list the arguments in order.
struct Entry {
  std::string page;
  std::vector<std::string> args;
};
std::map<std::string, Entry> reference_entries() {
  std::map<std::string, Entry> out;
  const std::regex heading(R"(^###\s+`?(\w+)`?)");
  const std::regex table_header(R"(^\|\s*#\s*\|\s*name\s*\|)");
  const std::regex row(R"(^\|\s*(\d+)\s*\|\s*`?(\w+)`?\s*\|)");
  for (const auto& f : fs::directory_iterator(kSource / "docs/reference")) {
    if (f.path().extension() != ".md") continue;
    std::ifstream in(f.path());
    std::string line;
    Entry* current = nullptr;
    enum { Before, Inside, Done } table = Done;
    while (std::getline(in, line)) {
      std::smatch m;
      if (std::regex_search(line, m, heading)) {
        Entry& e = out[m[1].str()];
        e.page = f.path().filename().string();
        current = &e;
        table = Before;
      } else if (line.rfind("## ", 0) == 0) {
        current = nullptr;
      } else if (current == nullptr) {
        continue;
      } else if (table == Before && std::regex_search(line, table_header)) {
        table = Inside;
      } else if (table == Inside) {
        if (line.empty() || line[0] != '|') {
          table = Done;
        } else if (std::regex_search(line, m, row)) {
          current->args.push_back(m[2].str());
        }
      }
    }
  }
  return out;
}

TEST(Reference, ListsEveryRoutineWithTheHeadersArgumentsInOrder) {
  const auto routines = header_routines();
  ASSERT_EQ(routines.size(), 39u) << "kova.h was not parsed as expected";
  const auto entries = reference_entries();
  for (const auto& [name, args] : routines) {
    const auto it = entries.find(name);
    if (it == entries.end()) {
      ADD_FAILURE() << name << " has no \"### " << name << "\" entry in docs/reference/";
      continue;
    }
    EXPECT_EQ(it->second.args, args) << name << " (" << it->second.page
                                     << "): the argument table differs from kova.h";
  }
  // An entry for a routine the header no longer declares is stale.
  for (const auto& [name, e] : entries) {
    if (name.rfind("KOVA_", 0) == 0 && !e.args.empty()) {
      EXPECT_TRUE(routines.count(name)) << name << " (" << e.page << ") is not declared in kova.h";
    }
  }
}

TEST(Reference, DescribesEveryDataBlockAndHostSymbol) {
  const auto symbols = header_symbols();
  ASSERT_GE(symbols.size(), 6u + 10u + 3u + 2u + 11u) << "the headers were not parsed as expected";
  const auto entries = reference_entries();
  for (const std::string& s : symbols) EXPECT_TRUE(entries.count(s)) << s << " has no entry in docs/reference/";
}

// The worked example of the Chung pair arrays (chung.md): methane and ethane, host critical
// volumes in m3/kmol turned into cm3/mol before the arrays are formed.
TEST(Reference, ChungWorkedExampleGivesTheStatedViscosities) {
  kova::refhost::reset();
  const kova_word saved = ZEL_PPRIV[9];
  const std::int64_t ld = 2;
  std::memcpy(&ZEL_PPRIV[9], &ld, sizeof ld);
  struct Pure {
    double tc, vc, omega, mw;
  };
  const Pure c[2] = {{190.564, 0.0986, 0.011, 16.043}, {305.32, 0.1455, 0.0995, 30.069}};
  double sig3[4], epsig3[4], epsig2m[4], dipsig3[4] = {}, omsig3[4], sqkap[2] = {};
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 2; ++j) {
      const double si = std::cbrt(0.529475 * c[i].vc * 1000.0), sj = std::cbrt(0.529475 * c[j].vc * 1000.0);
      const double s = std::sqrt(si * sj), ek = std::sqrt(c[i].tc / 1.2593 * c[j].tc / 1.2593);
      const double m = 2.0 * c[i].mw * c[j].mw / (c[i].mw + c[j].mw);
      const int k = i + j * 2;
      sig3[k] = s * s * s;
      epsig3[k] = ek * sig3[k];
      epsig2m[k] = ek * s * s * std::sqrt(m);
      omsig3[k] = 0.5 * (c[i].omega + c[j].omega) * sig3[k];
    }
  }
  EXPECT_NEAR(sig3[0], 52.2062, 1e-4);
  EXPECT_NEAR(epsig3[0], 7900.13, 1e-2);
  EXPECT_NEAR(epsig2m[0], 8466.48, 1e-2);
  EXPECT_NEAR(sig3[2], 63.4184, 1e-4);
  const double present[2] = {1.0, 1.0};
  double flag[2] = {};
  kova_word cid[4];
  std::memcpy(cid, "METHANE ETHANE  ", 16);
  std::memcpy(cid + 2, "ETHANE          ", 16);
  const double t = 300.0;
  const std::int64_t one = 1, two = 2, kdiag = 0, idset = 1, kcalc = 1;
  const std::int64_t idx[2] = {1, 2};
  double muvlp = 0.0, mix = 0.0;
  KOVA_MUV008(&t, &one, idx, &kdiag, &idset, &kcalc, &muvlp, present, present, present, present, present, sig3,
              epsig3, epsig2m, dipsig3, sqkap, omsig3, flag, cid);
  const double x[2] = {0.5, 0.5};
  KOVA_MUV206(&t, x, &two, idx, &kdiag, &idset, &kcalc, &mix, present, present, present, present, present, sig3,
              epsig3, epsig2m, dipsig3, sqkap, omsig3, flag, cid);
  EXPECT_NEAR(muvlp, 1.1205e-05, 5e-10);
  EXPECT_NEAR(mix, 1.0302e-05, 5e-10);
  ZEL_PPRIV[9] = saved;
}

}  // namespace
