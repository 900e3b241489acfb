// A host that does not define a property routine: every catalogued routine either does not
// need it (its results are those of a complete host) or reports the missing routine by name
// (class 2) and returns zero, never a number computed without it and never a call through a
// null address.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "audit/catalogue.h"
#include "audit/harness.h"
#include "host/property.h"
#include "refhost.h"

namespace {

using kova::audit::Call;
using kova::audit::Kind;
using kova::audit::Routine;

const std::vector<std::string> kHostRoutines = {
    "SIRK_ES01",     "SIRK_ES34",     "LUMENA_PL001D", "LUMENA_PSATWI", "LUMENA_ES15",
    "LUMENA_MUL202", "LUMENA_MUL201", "LUMENA_MUL001", "LUMENA_VL004",  "LUMENA_IDLMIX",
    "LUMENA_IDLGSF", "LUMENA_IDLGS1"};

bool is_result(Kind k) {
  return k == Kind::RealOut || k == Kind::PosOut || k == Kind::RealInOut || k == Kind::PosInOut ||
         k == Kind::SquareOut;
}

// The results of one call on the audit's host set (propane and water; a bio-component for the
// bio-viscosity routine), with the gate answering 1.
struct Outcome {
  std::vector<double> results;
  std::vector<std::string> printed;
  std::set<std::pair<std::int64_t, std::int64_t>> messages;
};

Outcome run(const Routine& r, const std::string& hidden) {
  kova::refhost::reset();
  kova::refhost::force_gate(1);
  kova::host::testing::hide_property_routine(hidden);
  Call call(r, 10, {3, 5}, {0.5, 0.5});
  call.set_int("KCALC", 1);
  if (auto* kbio = call.find("KBIO")) kbio->ints()[2] = 1;  // propane as the bio-component
  call.run();
  kova::host::testing::hide_property_routine("");
  Outcome o;
  for (std::size_t k = 0; k < call.args.size(); ++k)
    if (is_result(call.args[k].kind))
      o.results.insert(o.results.end(), call.buffers[k].reals(), call.buffers[k].reals() + call.buffers[k].size);
  for (const auto& g : kova::refhost::record().gate_calls) o.messages.insert({g.cls, g.num});
  for (const auto& p : kova::refhost::record().printed)
    for (const auto& line : p.lines) o.printed.push_back(line);
  return o;
}

bool same_bits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), 8 * a.size()) == 0;
}

class HostAbsent : public ::testing::TestWithParam<const Routine*> {};

TEST_P(HostAbsent, ReportsTheMissingRoutineOrDoesNotNeedIt) {
  const Routine& r = *GetParam();
  const Outcome complete = run(r, "");
  for (const std::string& name : kHostRoutines) {
    SCOPED_TRACE(name);
    const Outcome o = run(r, name);
    if (!o.messages.count({2, kova::host::kMsgHostRoutineAbsent})) {
      EXPECT_TRUE(same_bits(o.results, complete.results)) << r.name << " changed its results without " << name
                                                          << " and said nothing";
      continue;
    }
    bool named = false;
    for (const auto& line : o.printed) named = named || line.find(name) != std::string::npos;
    EXPECT_TRUE(named) << r.name << ": the message does not name " << name;
    for (std::size_t i = 0; i < o.results.size(); ++i) {
      // Each result is zero, or as the complete host gave it (an entry that did not need it).
      EXPECT_TRUE(o.results[i] == 0.0 || std::memcmp(&o.results[i], &complete.results[i], 8) == 0 ||
                  o.results[i] == -777.0)
          << r.name << " result " << i << " = " << o.results[i];
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, HostAbsent, ::testing::ValuesIn([] {
                           std::vector<const Routine*> v;
                           for (const Routine& r : kova::audit::catalogue()) v.push_back(&r);
                           return v;
                         }()),
                         [](const auto& info) { return std::string(info.param->name); });

// Every host routine is needed by some routine of the catalogue in the scenario above (so the
// test above exercises each absent-routine path), apart from the alternative mixing rules.
TEST(HostAbsent, EveryRoutineIsExercised) {
  std::set<std::string> reported;
  for (const Routine& r : kova::audit::catalogue())
    for (const std::string& name : kHostRoutines) {
      const Outcome o = run(r, name);
      if (o.messages.count({2, kova::host::kMsgHostRoutineAbsent})) reported.insert(name);
    }
  for (const std::string& name : kHostRoutines) EXPECT_TRUE(reported.count(name)) << name;
}

}  // namespace

namespace {

// A routine hidden on one thread is absent on that thread only: another thread calling the
// same routines at the same time gets the complete host's results and no message.
TEST(HostAbsent, HiddenOnOneThreadOnly) {
  for (const Routine& r : kova::audit::catalogue()) {
    if (std::string(r.name) != "KOVA_DV002") continue;
    const Outcome complete = run(r, "");
    kova::host::testing::hide_property_routine("SIRK_ES01");
    Outcome other;
    std::thread([&] { other = run(r, ""); }).join();
    kova::host::testing::hide_property_routine("");
    EXPECT_FALSE(other.messages.count({2, kova::host::kMsgHostRoutineAbsent}));
    EXPECT_TRUE(same_bits(other.results, complete.results));
    EXPECT_TRUE(run(r, "SIRK_ES01").messages.count({2, kova::host::kMsgHostRoutineAbsent}));
  }
}

}  // namespace
