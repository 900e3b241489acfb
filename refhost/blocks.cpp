// The host's data blocks and diagnostic routines.
#include <atomic>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>

#include "methane_eos.h"
#include "refhost.h"

extern "C" {
kova_word ZEL_PPRIV[kova::refhost::kPprivWords];
kova_word ZEL_ERRTWO[kova::refhost::kErrtwoWords];
kova_word ZEL_GLOBAL[kova::refhost::kGlobalWords];
kova_word ZEL_RGLOB[kova::refhost::kRglobWords];
kova_word ZEL_NCOMP[kova::refhost::kNcompWords];
kova_word ZEL_ERROUT[kova::refhost::kErroutWords];
kova_word ZEL_PLEX[kova::refhost::kPlexWords];
kova_word ZEL_IPOFF1[kova::refhost::kIpoff1Words];
kova_word NORVA_PPGLOB[kova::refhost::kPpglobWords];
kova_word LUMENA_CRICH4[kova::refhost::kCrich4Words];
}

namespace kova::refhost {

namespace {

struct State {
  std::mutex mutex;  // guards rec
  Record rec;
  bool forced = false;
  std::int64_t forced_answer = 1;
  bool echo_trace = false;
  bool echo_messages = false;
  bool keep = true;
};

State& state() {
  static State s;
  return s;
}

void set_real(kova_word* b, int n, double v) { std::memcpy(&b[n], &v, 8); }
void set_int(kova_word* b, int n, std::int64_t v) { std::memcpy(&b[n], &v, 8); }

std::int64_t policy_answer(std::int64_t cls, std::int64_t kdiag) {
  if (kdiag < 0) return 1;
  const std::int64_t threshold = cls == 2 ? 1 : cls == 5 ? 3 : 2;
  return kdiag >= threshold ? 1 : 0;
}

// Loads the defaults once, before main, as a simulator would when it starts.
const bool loaded = (reset(), true);

}  // namespace

Record& record() { return state().rec; }

std::uint64_t thread_number() {
  static std::atomic<std::uint64_t> next{1};
  thread_local const std::uint64_t number = next.fetch_add(1);
  return number;
}

// Adds an event and its content to the record under the record's lock.
template <class Add>
void keep(Event::Kind kind, std::int64_t unit, Add&& add) {
  State& s = state();
  const std::lock_guard lock(s.mutex);
  const std::size_t index = add(s.rec);
  s.rec.events.push_back(Event{kind, thread_number(), unit, index});
}

void reset() {
  std::memset(ZEL_PPRIV, 0, sizeof ZEL_PPRIV);
  std::memset(ZEL_ERRTWO, 0, sizeof ZEL_ERRTWO);
  std::memset(ZEL_GLOBAL, 0, sizeof ZEL_GLOBAL);
  std::memset(ZEL_RGLOB, 0, sizeof ZEL_RGLOB);
  std::memset(NORVA_PPGLOB, 0, sizeof NORVA_PPGLOB);
  std::memset(ZEL_ERROUT, ' ', sizeof ZEL_ERROUT);
  set_real(ZEL_PPRIV, 0, kMissing);
  set_real(ZEL_PPRIV, 1, kSmall);
  set_int(ZEL_PPRIV, 8, kTraceUnit);
  set_real(ZEL_RGLOB, 0, kMissing);
  set_real(ZEL_RGLOB, 1, kTolerance);
  set_int(ZEL_GLOBAL, 4, kTraceUnit);
  std::memset(ZEL_ERRTWO[15].c, ' ', 8);
  ZEL_ERRTWO[15].c[0] = kDelimiter;
  set_int(ZEL_ERRTWO, 56, 1);
  set_real(NORVA_PPGLOB, 2, kGasConstant);
  methane::load_reference_constants();
  State& s = state();
  s.rec = Record{};
  s.forced = false;
  s.keep = true;
}

void force_gate(std::int64_t answer) {
  state().forced = true;
  state().forced_answer = answer;
}
void policy() { state().forced = false; }
void echo_trace(bool on) { state().echo_trace = on; }
void echo_messages(bool on) { state().echo_messages = on; }
void keep_record(bool on) { state().keep = on; }

}  // namespace kova::refhost

using kova::refhost::state;

extern "C" std::int64_t ZEL_IRRCHK(const char* id, const std::int64_t* cls, const std::int64_t* num,
                                   const std::int64_t* kdiag, const kova_word* hostword, const std::int64_t* zero,
                                   const std::int64_t* one, const void* closing) {
  kova::refhost::GateCall call;
  call.id.assign(id, 16);
  call.cls = *cls;
  call.num = *num;
  call.kdiag = *kdiag;
  call.hostword = hostword;
  call.zero = *zero;
  call.one = *one;
  call.closing = closing;
  std::memcpy(&call.closing_int, closing, 8);
  std::memcpy(&call.closing_real, closing, 8);
  auto& s = state();
  if (s.keep) kova::refhost::keep(kova::refhost::Event::Gate, 0, [&](kova::refhost::Record& r) {
    r.gate_calls.push_back(call);
    return r.gate_calls.size() - 1;
  });
  return s.forced ? s.forced_answer : kova::refhost::policy_answer(*cls, *kdiag);
}

extern "C" void ZEL_ERRPRT(const std::int64_t* nlines) {
  kova::refhost::Printed p;
  p.nlines = *nlines;
  const char* buffer = reinterpret_cast<const char*>(ZEL_ERROUT);
  for (std::int64_t k = 0; k < *nlines && k < 10; ++k) p.lines.emplace_back(buffer + 80 * k, 80);
  auto& s = state();
  if (s.echo_messages) {
    for (const std::string& line : p.lines) {
      std::string t = line;
      t.erase(t.find_last_not_of(' ') + 1);
      std::fprintf(stderr, "%s\n", t.c_str());
    }
  }
  if (s.keep) kova::refhost::keep(kova::refhost::Event::Print, 0, [&](kova::refhost::Record& r) {
    p.gate = static_cast<std::int64_t>(r.gate_calls.size()) - 1;
    r.printed.push_back(std::move(p));
    return r.printed.size() - 1;
  });
}

extern "C" void ZEL_WRLINE(const std::int64_t* unit, const char* text, const std::int64_t* len) {
  std::string line(text, static_cast<std::size_t>(*len));
  auto& s = state();
  if (s.echo_trace) {
    std::FILE* f = *unit == 6 ? stdout : *unit == 0 ? stderr : nullptr;
    if (f == nullptr) {
      const std::string name = "fort." + std::to_string(*unit);
      f = std::fopen(name.c_str(), "a");
    }
    if (f != nullptr) {
      std::fprintf(f, "%s\n", line.c_str());
      if (f != stdout && f != stderr) std::fclose(f);
    }
  }
  if (s.keep) kova::refhost::keep(kova::refhost::Event::Trace, *unit, [&](kova::refhost::Record& r) {
    auto& lines = r.trace[*unit];
    lines.push_back(std::move(line));
    return lines.size() - 1;
  });
}
