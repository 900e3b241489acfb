#include "host/trace.h"

#include "host/diag.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

// The host may define its own line writer; when it does not, the weak reference is null.
extern "C" void ZEL_WRLINE(const std::int64_t* unit, const char* text, const std::int64_t* len)
    __attribute__((weak));

namespace kova::host {

namespace {

// Units other than 0 and 6 are files fort.n, opened on first use and kept open for
// appending, as a Fortran runtime keeps a unit connected. Called under the message lock, so
// a unit is opened once whatever the number of threads.
std::FILE* unit_file(std::int64_t unit) {
  static std::map<std::int64_t, std::FILE*> files;
  if (unit == 6) return stdout;
  if (unit == 0) return stderr;
  auto it = files.find(unit);
  if (it != files.end()) return it->second;
  const std::string name = "fort." + std::to_string(unit);
  std::FILE* f = std::fopen(name.c_str(), "a");
  files.emplace(unit, f);  // a unit that cannot be opened stays null: its lines are dropped
  return f;
}

}  // namespace

void write_line(std::int64_t unit, std::string_view line) {
  // One line at a time, under the message lock: lines stay whole, and the host's line
  // writer is never entered by two threads at once.
  const MessageLock lock;
  if (ZEL_WRLINE != nullptr) {
    const std::int64_t len = static_cast<std::int64_t>(line.size());
    ZEL_WRLINE(&unit, line.data(), &len);
    return;
  }
  std::FILE* f = unit_file(unit);
  if (f == nullptr) return;
  std::fwrite(line.data(), 1, line.size(), f);
  std::fputc('\n', f);
  std::fflush(f);
}

void trace(std::int64_t unit, std::string_view layout, std::span<const Item> items) {
  const std::vector<std::string> lines = format_layout(layout, items);
  const MessageLock lock;  // the lines of one layout stay together
  for (const std::string& line : lines) write_line(unit, line);
}

void trace_header(std::int64_t unit, const RoutineId& id) {
  trace(unit, "/ 1X 2A4", {id.word1(), id.word2()});
}

void trace_header(std::int64_t unit, const RoutineId& id, const RoutineId& model) {
  trace(unit, "/ 1X 2A4 5X 2A4", {id.word1(), id.word2(), model.word1(), model.word2()});
}

}  // namespace kova::host
