#include "host/diag.h"

#include <algorithm>
#include <cstring>
#include <mutex>

namespace kova::host {

namespace {
constexpr int kLineLength = 80;
constexpr int kBufferLines = 10;
constexpr std::int64_t kZero = 0;
constexpr std::int64_t kOne = 1;
constexpr std::int64_t kClosingTwo = 2;
constexpr std::int64_t kClosingOne = 1;

std::recursive_mutex& message_mutex() {
  static std::recursive_mutex m;
  return m;
}
}  // namespace

std::atomic<std::int64_t> detail::checks_in_progress{0};

MessageLock::MessageLock() { message_mutex().lock(); }
MessageLock::~MessageLock() { message_mutex().unlock(); }

void zero_word19() {
  const MessageLock lock;
  set_real_word(ZEL_ERRTWO, 19, 0.0);
}

std::int64_t print_lines(std::span<const std::string> lines) {
  const MessageLock lock;
  const std::int64_t n = std::min<std::int64_t>(static_cast<std::int64_t>(lines.size()), kBufferLines);
  char* buffer = reinterpret_cast<char*>(ZEL_ERROUT);
  for (std::int64_t k = 0; k < n; ++k) {
    char* row = buffer + k * kLineLength;
    const std::string& text = lines[static_cast<std::size_t>(k)];
    const std::size_t len = std::min<std::size_t>(text.size(), kLineLength);
    std::memcpy(row, text.data(), len);
    std::memset(row + len, ' ', kLineLength - len);
  }
  ZEL_ERRPRT(&n);
  return n;
}

std::int64_t Diag::gate_with(std::int64_t cls, std::int64_t num, Closing closing) const {
  const MessageLock lock;
  const kova_word* word = hostword_ == HostWord::Global7 ? &ZEL_GLOBAL[7] : &ZEL_PPRIV[7];
  const void* last = closing == Closing::Word19 ? static_cast<const void*>(&ZEL_ERRTWO[19])
                     : closing == Closing::One  ? static_cast<const void*>(&kClosingOne)
                                                : static_cast<const void*>(&kClosingTwo);
  return ZEL_IRRCHK(id_.c, &cls, &num, kdiag_, word, &kZero, &kOne, last);
}

std::int64_t Diag::gate(std::int64_t cls, std::int64_t num) const { return gate_with(cls, num, closing_); }

std::int64_t Diag::print(std::string_view layout, std::span<const Item> items) const {
  const std::vector<std::string> lines = format_layout(layout, items);
  return print_lines(lines);
}

bool Diag::message(std::int64_t cls, std::int64_t num, std::string_view layout,
                   std::span<const Item> items) const {
  const MessageLock lock;
  if (gate(cls, num) == 0) return false;
  print(layout, items);
  return true;
}

bool Diag::message_if_one(std::int64_t cls, std::int64_t num, std::string_view layout,
                          std::span<const Item> items) const {
  const MessageLock lock;
  if (gate(cls, num) != 1) return false;
  print(layout, items);
  return true;
}

bool Diag::range_warning(std::int64_t num, std::string_view layout, std::span<const Item> items) const {
  if (!range_warnings_on()) return false;
  const MessageLock lock;
  gate_with(5, num, Closing::Two);  // asked for the host's records; its answer is not consulted
  print(layout, items);
  return true;
}

bool MissingReport::default_not_below(double& value, double marker, double fallback, std::int64_t cls,
                                      std::int64_t num, std::string_view line, std::span<const Item> items) {
  const MessageLock lock;
  if (!missing_not_below(shared_load(value), marker)) return false;
  shared_store(value, fallback);
  report_as(cls, num, line, items);
  return true;
}

bool MissingReport::default_equal(double& value, double marker, double fallback, std::int64_t num,
                                  std::string_view line, std::span<const Item> items) {
  const MessageLock lock;
  if (!missing_equal(shared_load(value), marker)) return false;
  shared_store(value, fallback);
  report(num, line, items);
  return true;
}

bool MissingReport::report(std::int64_t num, std::string_view line, std::span<const Item> items) {
  return report_as(1, num, line, items);
}

bool MissingReport::report_as(std::int64_t cls, std::int64_t num, std::string_view line,
                              std::span<const Item> items) {
  const MessageLock lock;
  if (zero19_) zero_word19();
  if (diag_.gate(cls, num) == 0) return false;
  if (count_ == 0) {
    // The first message of the call: header line(s), then the parameter line.
    std::vector<std::string> lines = format_layout(header_, header_items_);
    // A header layout ends with '/', which leaves an empty last line for the parameter.
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    const std::vector<std::string> tail = format_layout(line, items);
    lines.insert(lines.end(), tail.begin(), tail.end());
    print_lines(lines);
  } else {
    diag_.print(line, items);
  }
  ++count_;
  if (zero19_) zero_word19();
  return true;
}

}  // namespace kova::host
