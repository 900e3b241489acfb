// A host that answers badly: for every routine that calls a host property routine and every
// kind of bad answer, nothing is written out of place, no result is an infinity or not a
// number without a message, and an answer that is no value at all (not a number, an infinity,
// the missing-value marker, an output left unwritten) is reported by the routine's name
// unless the result does not depend on it. Bad host words that size arrays likewise. The
// tables of docs/degenerate-inputs.md are the library's behaviour.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <functional>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>

#include "audit/host_faults.h"
#include "refhost.h"

namespace {

using kova::audit::Call;
using kova::audit::Kind;
using kova::audit::Routine;
namespace faults = kova::refhost::faults;

std::string documented(const std::string& name) {
  std::ifstream in(std::string(KOVA_SOURCE_DIR) + "/docs/degenerate-inputs.md");
  std::stringstream text;
  text << in.rdbuf();
  const std::string all = text.str();
  const std::string begin = "<!-- " + name + " begin -->\n", end = "<!-- " + name + " end -->";
  const auto a = all.find(begin), b = all.find(end);
  if (a == std::string::npos || b == std::string::npos) return {};
  return all.substr(a + begin.size(), b - a - begin.size());
}

TEST(HostFaults, TablesAreCurrent) {
  EXPECT_EQ(documented("host faults"), kova::audit::host_faults_table())
      << "behaviour under bad host answers changed: run scripts/degenerate-table.sh and review the diff";
  EXPECT_EQ(documented("host words"), kova::audit::host_words_table())
      << "behaviour under bad host words changed: run scripts/degenerate-table.sh and review the diff";
}

bool is_result(Kind k) {
  return k == Kind::RealOut || k == Kind::PosOut || k == Kind::RealInOut || k == Kind::PosInOut ||
         k == Kind::SquareOut;
}

struct Observed {
  std::vector<std::string> misplaced;
  std::vector<double> results;
  bool nonfinite = false, class2 = false, named = false;
};

Observed run(const Routine& r, const std::function<void()>& prepare, const std::string& host_routine = {}) {
  kova::refhost::reset();
  kova::refhost::force_gate(1);
  Call call = kova::audit::host_call(r);
  Observed out;
  out.misplaced = kova::audit::audit(call, prepare);
  faults::clear();
  for (std::size_t k = 0; k < call.args.size(); ++k) {
    if (!is_result(call.args[k].kind)) continue;
    for (std::size_t i = 0; i < call.buffers[k].size; ++i) {
      const double v = call.buffers[k].reals()[i];
      out.results.push_back(v);
      out.nonfinite = out.nonfinite || !std::isfinite(v);
    }
  }
  for (const auto& g : kova::refhost::record().gate_calls) out.class2 = out.class2 || g.cls == 2;
  for (const auto& p : kova::refhost::record().printed)
    for (const auto& line : p.lines)
      out.named = out.named || (!host_routine.empty() && line.find(host_routine) != std::string::npos);
  return out;
}

class HostAnswers : public ::testing::TestWithParam<std::tuple<const Routine*, faults::Kind>> {};

TEST_P(HostAnswers, NoSilentNonsense) {
  const auto [r, kind] = GetParam();
  const Observed normal = run(*r, {});
  // Each property routine in turn answers badly on every call.
  for (int h = 0; h < faults::kRoutines; ++h) {
    const auto routine = static_cast<faults::Routine>(h);
    SCOPED_TRACE(std::string(faults::name(routine)) + " answering " + std::string(faults::name(kind)));
    const Observed o = run(*r, [&] { faults::set(routine, kind); }, std::string(faults::name(routine)));
    EXPECT_TRUE(o.misplaced.empty()) << o.misplaced.front();
    EXPECT_FALSE(o.nonfinite && !o.class2) << r->name << " returned a non-finite result without a message";
    const bool no_value = kind == faults::Kind::NaN || kind == faults::Kind::PlusInf ||
                          kind == faults::Kind::MinusInf || kind == faults::Kind::Missing ||
                          kind == faults::Kind::Unwritten;
    const bool changed = std::memcmp(o.results.data(), normal.results.data(), 8 * o.results.size()) != 0;
    if (no_value && changed) {
      EXPECT_TRUE(o.named) << r->name << " computed a result from a non-answer without naming the host routine";
    }
  }
}

std::vector<std::tuple<const Routine*, faults::Kind>> cases() {
  std::vector<std::tuple<const Routine*, faults::Kind>> v;
  for (const auto& [r, names] : kova::audit::host_callers())
    for (const faults::Kind k : kova::audit::fault_kinds()) v.emplace_back(r, k);
  return v;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, HostAnswers, ::testing::ValuesIn(cases()), [](const auto& info) {
  std::string kind(faults::name(std::get<1>(info.param)));
  for (char& c : kind)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = c == '+' ? 'P' : c == '-' ? 'M' : '_';
  return std::string(std::get<0>(info.param)->name) + "_" + kind;
});

// Bad host words: nothing out of place, nothing non-finite without a message, and a routine
// whose result changes names the word.
TEST(HostWords, CheckedBeforeUse) {
  for (const Routine& r : kova::audit::catalogue()) {
    const Observed normal = run(r, {});
    for (const auto& s : kova::audit::word_scenarios()) {
      SCOPED_TRACE(std::string(r.name) + ", words " + s.title);
      const Observed o = run(r, s.set, "ZEL_");
      EXPECT_TRUE(o.misplaced.empty()) << o.misplaced.front();
      EXPECT_FALSE(o.nonfinite && !o.class2);
      const bool changed = std::memcmp(o.results.data(), normal.results.data(), 8 * o.results.size()) != 0;
      if (changed) {
        EXPECT_TRUE(o.named) << r.name << " changed its result without naming the word";
      }
    }
  }
}

const Routine& routine(const char* name) {
  for (const Routine& r : kova::audit::catalogue())
    if (std::string(r.name) == name) return r;
  throw std::invalid_argument(name);
}

// A bad answer on one call only: the equivalent-state iteration, which needs the reference
// volume of every step, makes no further call of the equation of state, and the result is 0.
TEST(HostFaults, TheIterationStopsAtABadAnswer) {
  for (int k = 1; k <= 3; ++k) {
    SCOPED_TRACE(k);
    kova::refhost::reset();
    Call call = kova::audit::host_call(routine("KOVA_MUV203"));
    faults::set(faults::Routine::Es34, faults::Kind::NaN, k);
    call.run();
    EXPECT_EQ(faults::calls(faults::Routine::Es34), k);
    faults::clear();
    EXPECT_EQ(call.find("MUVMX")->reals()[0], 0.0);
  }
}

// Faults set on one thread leave the others' host answering as it should.
TEST(HostFaults, InjectionIsPerThread) {
  const Observed normal = run(routine("KOVA_MUV203"), {});
  std::thread other([] { faults::set(faults::Routine::Es34, faults::Kind::NaN); });
  other.join();
  const Observed here = run(routine("KOVA_MUV203"), {});
  EXPECT_EQ(here.results, normal.results);
  EXPECT_FALSE(here.class2);
}

}  // namespace
