// The reference host: the data blocks and diagnostic routines that libkova expects of the
// process that loads it, with controls and records for the calculator and the tests.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "kova/host.h"

namespace kova::refhost {

// Defaults that the host's blocks hold after reset().
inline constexpr double kMissing = 1.0e35;        // ZEL_PPRIV word 0, ZEL_RGLOB word 0
inline constexpr double kSmall = 1.0e-10;         // ZEL_PPRIV word 1
inline constexpr double kTolerance = 1.0e-6;      // ZEL_RGLOB word 1
inline constexpr double kGasConstant = 8314.46;   // NORVA_PPGLOB word 2, J/(kmol K)
inline constexpr std::int64_t kTraceUnit = 6;     // ZEL_PPRIV word 8, ZEL_GLOBAL word 4
inline constexpr char kDelimiter = '"';           // ZEL_ERRTWO word 15

// Block sizes in words.
inline constexpr int kPprivWords = 64;
inline constexpr int kErrtwoWords = 64;
inline constexpr int kGlobalWords = 64;
inline constexpr int kRglobWords = 16;
inline constexpr int kNcompWords = 4;
inline constexpr int kErroutWords = 100;  // 800 characters
inline constexpr int kIpoff1Words = 1024;
inline constexpr int kPlexWords = 1 << 16;
inline constexpr int kPpglobWords = 16;
inline constexpr int kCrich4Words = 8;

// One call of the diagnostic gate, as received.
struct GateCall {
  std::string id;  // the 16 characters
  std::int64_t cls = 0, num = 0, kdiag = 0;
  const void* hostword = nullptr;  // the address passed
  std::int64_t zero = 0, one = 0;
  const void* closing = nullptr;   // the address passed
  std::int64_t closing_int = 0;    // the closing word read as an integer
  double closing_real = 0.0;       // the closing word read as a real
  bool closing_is_word19() const { return closing == static_cast<const void*>(&ZEL_ERRTWO[19]); }
};

// A print request and the lines it printed (80 columns each, trailing blanks kept).
struct Printed {
  std::int64_t nlines = 0;
  std::vector<std::string> lines;
  // The position in Record::gate_calls of the last gate call before the print request (the
  // one that let the message through), or -1 when there was none.
  std::int64_t gate = -1;
};

// One gate call, print request or trace line in the order the host received them, with the
// number of the thread that made it (see thread_number()) and where its content is kept.
struct Event {
  enum Kind { Gate, Print, Trace } kind = Gate;
  std::uint64_t thread = 0;
  std::int64_t unit = 0;  // trace lines: the unit
  std::size_t index = 0;  // into gate_calls, printed or trace[unit]
};

// What the host saw since the last reset.
struct Record {
  std::vector<GateCall> gate_calls;
  std::vector<Printed> printed;
  std::map<std::int64_t, std::vector<std::string>> trace;  // lines per unit
  std::vector<Event> events;                               // all of them in arrival order
};

// The record. The gate, print request and line writer may be called from any thread (each
// entry is added under a lock); read the record when no thread is calling the library.
Record& record();

// A small number for the calling thread, the one the record's events carry: 1 for the first
// thread that asks or records, 2 for the next, and so on.
std::uint64_t thread_number();

// Restores every block to its defaults (ZEL_ERROUT to blanks), clears the record, and puts
// the gate back under its level policy.
void reset();

// Gate control. Under the level policy the gate answers 1 when the diagnostic level is
// negative or at least the threshold of the message's class (class 2: 1; classes 1 and 3:
// 2; class 5: 3), else 0. A forced answer replaces the policy until policy() is called.
void force_gate(std::int64_t answer);
void policy();

// Trace lines are always recorded; with echo on, the host also writes them out as a
// Fortran runtime would (unit 6 standard output, unit 0 standard error, others fort.n).
void echo_trace(bool on);
// Printed messages are always recorded; with echo on they also go to standard error.
void echo_messages(bool on);
// Recording can be switched off (benchmarks, long runs): the gate still answers and
// messages and trace lines are still echoed when asked, but nothing is kept.
void keep_record(bool on);

}  // namespace kova::refhost
