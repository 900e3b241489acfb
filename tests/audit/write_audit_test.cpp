// Write audit: every exported routine, on every path that writes (defaults and messages,
// trace, KCALC = 0, empty and negative lists), writes only its results, the parameters and
// flags of the listed components, its work arrays, the message buffer and word 19 of
// ZEL_ERRTWO.
#include <gtest/gtest.h>

#include <cstring>

#include "audit/harness.h"
#include "refhost.h"

namespace {

using kova::audit::Call;
using kova::audit::catalogue;
using kova::audit::Kind;
using kova::audit::Routine;

class WriteAudit : public ::testing::TestWithParam<Routine> {
 protected:
  void SetUp() override { kova::refhost::reset(); }
  void TearDown() override { kova::refhost::reset(); }
};

void expect_clean(Call& call, const std::string& scenario) {
  for (const std::string& f : kova::audit::audit(call)) ADD_FAILURE() << scenario << ": " << f;
}

TEST_P(WriteAudit, CommonPath) {
  Call call(GetParam(), 8, {2, 5, 1}, {0.3, 0.3, 0.4});
  expect_clean(call, "common path");
}

TEST_P(WriteAudit, MissingParametersMessagesAndTrace) {
  kova::refhost::force_gate(1);
  Call call(GetParam(), 8, {2, 5, 1}, {0.3, 0.3, 0.4});
  for (std::size_t k = 0; k < call.args.size(); ++k)
    if (call.args[k].kind == Kind::CompParam) {
      call.buffers[k].reals()[1] = kova::refhost::kMissing;  // component 2
      call.buffers[k].reals()[4] = kova::refhost::kMissing;  // component 5
    }
  call.set_int("KDIAG", 7);
  const std::int64_t level = 7;
  std::memcpy(&ZEL_GLOBAL[10], &level, 8);  // routines whose trace follows ZEL_GLOBAL word 10
  expect_clean(call, "missing parameters, trace on");
}

TEST_P(WriteAudit, NoCalculation) {
  Call call(GetParam(), 8, {2, 5, 1}, {0.3, 0.3, 0.4});
  if (!call.find("KCALC")) GTEST_SKIP() << "no calculation switch";
  call.set_int("KCALC", 0);
  kova::refhost::force_gate(1);
  expect_clean(call, "KCALC = 0");
}

TEST_P(WriteAudit, EmptyAndNegativeLists) {
  kova::refhost::force_gate(1);
  Call empty(GetParam(), 8, {}, {});
  expect_clean(empty, "N = 0");
  Call negative(GetParam(), 8, {}, {});
  negative.set_int("N", -1);
  expect_clean(negative, "N = -1");
}

TEST_P(WriteAudit, ZeroVolumesAndCriticalConstants) {
  kova::refhost::force_gate(1);
  Call call(GetParam(), 8, {3, 5}, {0.0, 0.0});
  for (std::size_t k = 0; k < call.args.size(); ++k) {
    const Kind kind = call.args[k].kind;
    if (kind == Kind::CompParam || kind == Kind::PosIn || kind == Kind::RealIn)
      for (std::size_t i = 0; i < call.buffers[k].size; ++i) call.buffers[k].reals()[i] = 0.0;
  }
  expect_clean(call, "zeros");
}

std::string routine_name(const ::testing::TestParamInfo<Routine>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Routines, WriteAudit, ::testing::ValuesIn(catalogue()), routine_name);

TEST(Catalogue, ArgumentListsMatchTheRoutines) {
  for (const Routine& r : catalogue()) EXPECT_NO_THROW(r.args()) << r.name;
}

}  // namespace

namespace {

// Routines with deliberate faults: the audit must see each of them.
void writes_past_result(const int64_t* n, double* out) { out[*n] = 1.0; }
void writes_input(const int64_t*, double* in) { in[0] = 2.0; }
void writes_unlisted(const int64_t*, const int64_t*, double* tc) { tc[3] = 1.0; }
void writes_host(const int64_t*, double*) { ZEL_PPRIV[3].r = 9.0; }

TEST(WriteAuditSelfCheck, EveryKindOfStrayWriteIsSeen) {
  using kova::audit::invoke;
  const Routine past{"past", "test", &invoke<&writes_past_result>, 2, "N:n OUT:P"};
  const Routine input{"input", "test", &invoke<&writes_input>, 2, "N:n IN:p:1"};
  const Routine unlisted{"unlisted", "test", &invoke<&writes_unlisted>, 3, "N:n IDX:idx TC:C"};
  const Routine host{"host", "test", &invoke<&writes_host>, 2, "N:n OUT:P"};
  for (const Routine* r : {&past, &input, &unlisted, &host}) {
    kova::refhost::reset();
    Call call(*r, 8, {1, 2}, {0.5, 0.5});
    EXPECT_FALSE(kova::audit::audit(call).empty()) << r->name;
  }
  kova::refhost::reset();
}

}  // namespace
