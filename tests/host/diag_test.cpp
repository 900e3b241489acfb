// The shared diagnostic sequence against the recording reference host: the message buffer,
// the gate arguments, the missing-parameter forms, word 19 and the range-warning rule.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "host/diag.h"
#include "host/trace.h"
#include "support/host_fixture.h"

namespace {

using kova::host::Closing;
using kova::host::Diag;
using kova::host::HostWord;
using kova::host::MissingReport;
using kova::host::RoutineId;
using kova::testing::HostTest;

constexpr RoutineId kId{"TEST    01      "};

std::string buffer_line(int k) { return std::string(reinterpret_cast<const char*>(ZEL_ERROUT) + 80 * k, 80); }

class Diagnostics : public HostTest {
 protected:
  static void set_real(int n, double v) { kova::host::set_real_word(ZEL_ERRTWO, n, v); }
  static double real19() { return kova::host::real_word(ZEL_ERRTWO, 19); }
};

TEST_F(Diagnostics, BufferLinesArePaddedAndLaterLinesKept) {
  const std::int64_t kdiag = 2;
  Diag d(kId, &kdiag);
  d.print("'A' / 'B' / 'C'", {});
  EXPECT_EQ(d.print("'LINE ONE' / 2X 'TWO'", {}), 2);
  EXPECT_EQ(buffer_line(0), "LINE ONE" + std::string(72, ' '));
  EXPECT_EQ(buffer_line(1), "  TWO" + std::string(75, ' '));
  EXPECT_EQ(buffer_line(2), "C" + std::string(79, ' '));  // untouched by the shorter message
  EXPECT_EQ(rec().printed.back().nlines, 2);
}

TEST_F(Diagnostics, OverlongLinesAreCutAtEightyColumns) {
  const std::int64_t kdiag = 2;
  Diag d(kId, &kdiag);
  d.print("90X 'END'", {});
  EXPECT_EQ(buffer_line(0), std::string(80, ' '));
}

TEST_F(Diagnostics, GateReceivesEightArgumentsWithHostWordsByAddress) {
  const std::int64_t kdiag = 4;
  Diag(kId, &kdiag, Closing::One, HostWord::Global7).gate(3, 7);
  Diag(kId, &kdiag).gate(2, 1);
  const auto& a = rec().gate_calls.at(0);
  EXPECT_EQ(a.id, "TEST    01      ");
  EXPECT_EQ(a.cls, 3);
  EXPECT_EQ(a.num, 7);
  EXPECT_EQ(a.kdiag, 4);
  EXPECT_EQ(a.hostword, static_cast<const void*>(&ZEL_GLOBAL[7]));
  EXPECT_EQ(a.zero, 0);
  EXPECT_EQ(a.one, 1);
  EXPECT_EQ(a.closing_int, 1);
  const auto& b = rec().gate_calls.at(1);
  EXPECT_EQ(b.hostword, static_cast<const void*>(&ZEL_PPRIV[7]));
  EXPECT_EQ(b.closing_int, 2);
}

TEST_F(Diagnostics, MessagePrintsOnAnyNonzeroAnswerAndMessageIfOneOnlyOnOne) {
  const std::int64_t kdiag = 2;
  Diag d(kId, &kdiag);
  kova::refhost::force_gate(5);
  EXPECT_TRUE(d.message(2, 1, "'X'", {}));
  EXPECT_FALSE(d.message_if_one(2, 1, "'X'", {}));
  kova::refhost::force_gate(0);
  EXPECT_FALSE(d.message(2, 1, "'X'", {}));
  EXPECT_EQ(rec().printed.size(), 1u);
}

TEST_F(Diagnostics, MissingReportHeaderOnlyBeforeTheFirstPrintedMessage) {
  const std::int64_t kdiag = 2;
  Diag d(kId, &kdiag, Closing::Word19);
  MissingReport r(d, "6X 'MODEL M HAS MISSING PARAMETERS:' /", true);
  kova::refhost::force_gate(0);
  r.report(1, "6X 'A MISSING'", {});  // suppressed: not counted
  kova::refhost::force_gate(1);
  set_real(19, 3.5);
  r.report(2, "6X 'B MISSING'", {});
  EXPECT_EQ(rec().gate_calls.at(1).closing_real, 0.0);  // zeroed before the gate call
  EXPECT_EQ(real19(), 0.0);                             // and again after printing
  r.report(3, "6X 'C MISSING'", {});
  ASSERT_EQ(rec().printed.size(), 2u);
  EXPECT_EQ(printed(0), (std::vector<std::string>{"      MODEL M HAS MISSING PARAMETERS:", "      B MISSING"}));
  EXPECT_EQ(rec().printed[0].nlines, 2);
  EXPECT_EQ(printed(1), std::vector<std::string>{"      C MISSING"});
  EXPECT_EQ(r.printed(), 2);
}

TEST_F(Diagnostics, RangeWarningFollowsWordFiftySix) {
  const std::int64_t kdiag = 0, off = 0;
  Diag d(kId, &kdiag, Closing::One);
  std::memcpy(&ZEL_ERRTWO[56], &off, 8);
  EXPECT_FALSE(d.range_warning(4, "'OUT OF RANGE'", {}));
  EXPECT_TRUE(rec().gate_calls.empty());
  const std::int64_t on = -3;
  std::memcpy(&ZEL_ERRTWO[56], &on, 8);
  kova::refhost::force_gate(0);  // the answer is not consulted
  EXPECT_TRUE(d.range_warning(4, "'OUT OF RANGE'", {}));
  ASSERT_EQ(rec().gate_calls.size(), 1u);
  EXPECT_EQ(rec().gate_calls[0].cls, 5);
  EXPECT_EQ(rec().gate_calls[0].closing_int, 2);
  EXPECT_EQ(printed(0), std::vector<std::string>{"OUT OF RANGE"});
}

TEST_F(Diagnostics, TraceSwitchAndUnitLow32Bits) {
  EXPECT_TRUE(kova::host::trace_on(-1));
  EXPECT_TRUE(kova::host::trace_on(7));
  EXPECT_FALSE(kova::host::trace_on(0));
  EXPECT_FALSE(kova::host::trace_on(6));
  const std::int64_t word = (std::int64_t{5} << 32) | 21;  // the high half is not the unit
  std::memcpy(&ZEL_PPRIV[8], &word, 8);
  EXPECT_EQ(kova::host::trace_unit(), 21);
  kova::host::trace(kova::host::trace_unit(), "'A' / 'B'");
  EXPECT_EQ(traced(21), (std::vector<std::string>{"A", "B"}));
}

}  // namespace
