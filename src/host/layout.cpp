// Layout formatter: Fortran edit descriptors, printed the way gfortran's runtime prints them.
//
// The numeric paths follow gfortran's formatted-output rules closely, including where its
// results depend on floating-point arithmetic rather than exact decimal reasoning (the
// fixed/exponent switch of G is decided by comparisons against thresholds computed in
// double precision). Digits come from the C library's correctly rounded conversion, so ties
// of exactly representable values round to even (0.125 with F5.2 prints 0.12).

#include "host/layout.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kova::host {
namespace {

// Largest width, decimal count or repeat a layout may use; anything larger is malformed.
constexpr int kMaxField = 255;
constexpr int kMaxRepeat = 4096;

enum class Op : std::uint8_t { Skip, Text, Slash, Int, Fixed, Expo, ExpoD, General, Chars, Stop };

struct Step {
  Op op = Op::Stop;
  int repeat = 1;      // repeat count; for Skip the number of blanks
  int w = -1;          // field width, -1 for plain A
  int d = -1;          // decimals (F, E, D, G) or minimum digits (Iw.m), -1 if absent
  std::uint32_t text_pos = 0;  // literal text: offset into Parsed::texts
  std::uint32_t text_len = 0;
};

struct Parsed {
  std::vector<Step> steps;
  std::string texts;  // literal texts with '' already reduced to '
  bool has_data = false;
};

bool is_data(Op op) {
  return op == Op::Int || op == Op::Fixed || op == Op::Expo || op == Op::ExpoD ||
         op == Op::General || op == Op::Chars;
}

// ------------------------------------------------------------------------------ parsing

class Parser {
 public:
  Parser(std::string_view s, Parsed& out) : s_(s), out_(out) {}

  void run() {
    out_.steps.clear();
    out_.texts.clear();
    out_.has_data = false;
    while (true) {
      skip_separators();
      if (i_ >= s_.size()) return;
      Step step;
      if (!item(step)) {
        out_.steps.push_back(Step{});  // Op::Stop: output ends here
        return;
      }
      out_.has_data = out_.has_data || is_data(step.op);
      out_.steps.push_back(step);
    }
  }

 private:
  void skip_separators() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == ',' || s_[i_] == '\t')) ++i_;
  }
  bool digit_next() const { return i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9'; }

  // Reads an unsigned number; false if absent or above the limit.
  bool number(int& v, int limit) {
    if (!digit_next()) return false;
    long long acc = 0;
    while (digit_next()) {
      acc = acc * 10 + (s_[i_++] - '0');
      if (acc > limit) return false;
    }
    v = static_cast<int>(acc);
    return true;
  }

  // ".d" after a width.
  bool decimals(int& d) {
    if (i_ >= s_.size() || s_[i_] != '.') return false;
    ++i_;
    return number(d, kMaxField);
  }

  bool literal(Step& step, char quote) {
    step.op = Op::Text;
    step.text_pos = static_cast<std::uint32_t>(out_.texts.size());
    while (true) {
      if (i_ >= s_.size()) return false;  // unterminated
      char c = s_[i_++];
      if (c == quote) {
        if (i_ < s_.size() && s_[i_] == quote) {
          ++i_;
        } else {
          break;
        }
      }
      out_.texts.push_back(c);
    }
    step.text_len = static_cast<std::uint32_t>(out_.texts.size()) - step.text_pos;
    return true;
  }

  bool item(Step& step) {
    int count = 1;
    bool counted = digit_next();
    if (counted && (!number(count, kMaxRepeat) || count == 0)) return false;
    if (i_ >= s_.size()) return false;  // a count with nothing after it
    char c = s_[i_++];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    step.repeat = count;
    switch (c) {
      case '\'':
      case '"':
        return literal(step, c);
      case '/':
        step.op = Op::Slash;
        return true;
      case 'X':
        step.op = Op::Skip;
        return true;
      case 'A':
        step.op = Op::Chars;
        if (digit_next()) return number(step.w, kMaxField);
        return true;
      case 'I':
        step.op = Op::Int;
        if (!number(step.w, kMaxField)) return false;
        if (i_ < s_.size() && s_[i_] == '.') return decimals(step.d);
        return true;
      case 'F':
        step.op = Op::Fixed;
        return number(step.w, kMaxField) && decimals(step.d);
      case 'E':
      case 'D':
      case 'G':
        step.op = c == 'E' ? Op::Expo : c == 'D' ? Op::ExpoD : Op::General;
        // gfortran rejects zero digits and zero width for these at run time.
        return number(step.w, kMaxField) && decimals(step.d) && step.w > 0 && step.d > 0;
      default:
        return false;
    }
  }

  std::string_view s_;
  Parsed& out_;
  std::size_t i_ = 0;
};

// Parsed layouts, keyed by where the layout text lives; the text itself is compared too, so
// a buffer reused for a different layout is never mistaken for the old one.
struct CacheSlot {
  const char* data = nullptr;
  std::size_t size = 0;
  std::string text;
  Parsed parsed;
  std::uint64_t used = 0;
};

const Parsed& parsed_layout(std::string_view layout) {
  // One cache per thread: formatting takes no lock.
  thread_local std::array<CacheSlot, 16> cache;
  thread_local std::uint64_t clock = 0;
  ++clock;
  CacheSlot* victim = &cache[0];
  for (CacheSlot& slot : cache) {
    if (slot.used != 0 && slot.data == layout.data() && slot.size == layout.size() &&
        std::string_view(slot.text) == layout) {
      slot.used = clock;
      return slot.parsed;
    }
    if (slot.used < victim->used) victim = &slot;
  }
  victim->data = layout.data();
  victim->size = layout.size();
  victim->text.assign(layout);
  victim->used = clock;
  Parser(layout, victim->parsed).run();
  return victim->parsed;
}

// ---------------------------------------------------------------------------- numbers

void stars(std::string& out, int n) { out.append(static_cast<std::size_t>(n), '*'); }

// gfortran's 10^d: repeated multiplication, reciprocal for negative d.
double power_of_ten(int d) {
  double r = 1.0;
  for (int i = 0; i < (d >= 0 ? d : -d); ++i) r *= 10;
  return d >= 0 ? r : 1.0 / r;
}

void put_integer(std::string& out, std::int64_t v, int w, int m) {
  std::uint64_t mag = v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
  char buf[24];
  auto res = std::to_chars(buf, buf + sizeof buf, mag);
  int ndig = static_cast<int>(res.ptr - buf);
  if (m == 0 && v == 0) ndig = 0;  // Iw.0 prints zero as blanks
  int zeros = m > ndig ? m - ndig : 0;
  int len = (v < 0 ? 1 : 0) + zeros + ndig;
  if (w == 0) w = len;
  if (len > w) return stars(out, w);
  out.append(static_cast<std::size_t>(w - len), ' ');
  if (v < 0) out.push_back('-');
  out.append(static_cast<std::size_t>(zeros), '0');
  out.append(buf, static_cast<std::size_t>(ndig));
}

void put_inf_nan(std::string& out, bool nan, bool negative, int w) {
  int nb = w;
  if (nb == 0) nb = nan ? 3 : (negative ? 4 : 3);
  if (nb < 3) return stars(out, nb);
  if (nan) {
    out.append(static_cast<std::size_t>(nb - 3), ' ');
    out.append("NaN");
    return;
  }
  if (negative) {
    if (nb == 3) return stars(out, nb);
    if (nb > 8) {
      out.append(static_cast<std::size_t>(nb - 9), ' ');
      out.append("-Infinity");
    } else {
      out.append(static_cast<std::size_t>(nb - 4), ' ');
      out.append("-Inf");
    }
  } else if (nb > 7) {
    out.append(static_cast<std::size_t>(nb - 8), ' ');
    out.append("Infinity");
  } else {
    out.append(static_cast<std::size_t>(nb - 3), ' ');
    out.append("Inf");
  }
}

// F (expo == 0) or E/D (expo = 'E' or 'D') editing of a finite magnitude m; npad blanks follow
// the field (the G tail) and a field that does not fit is w + npad asterisks.
void put_real_field(std::string& out, double m, bool negative, char expo, int w, int d, int npad) {
  // Large enough for the widest %f of a double with kMaxField decimals.
  char buf[2 * kMaxField + 360];
  char* digits = buf;
  int nbefore = 0;   // digits before the decimal point
  int nafter = d;    // digits after it
  int ndigits = 0;   // digits available in buf
  int e = 0;
  if (expo == 0) {
    int n = std::snprintf(buf, sizeof buf, "%#.*f", d, m);
    if (n < 0 || n >= static_cast<int>(sizeof buf)) return stars(out, w + npad);
    nbefore = n - d - 1;
    if (nbefore == 1 && buf[0] == '0') {  // a lone zero before the point is optional
      nbefore = 0;
      digits = buf + 1;
    }
    // Drop the point so the digits are contiguous.
    char* point = digits + nbefore;
    std::memmove(point, point + 1, static_cast<std::size_t>(d));
    ndigits = nbefore + d;
  } else {
    int n = std::snprintf(buf, sizeof buf, "%#.*e", d - 1, m);
    if (n < 0 || n >= static_cast<int>(sizeof buf)) return stars(out, w + npad);
    // buf: "D.DDDDe+XX" -> digits "DDDDD", exponent read back.
    e = m == 0.0 ? 0 : std::atoi(buf + d + 2) + 1;
    std::memmove(buf + 1, buf + 2, static_cast<std::size_t>(d - 1));
    ndigits = d;
  }

  int edigits = 0;
  bool letter = false;
  if (expo != 0) {
    if (e > 999 || e < -999) return stars(out, w + npad);
    edigits = 4;
    letter = !(e > 99 || e < -99);  // three-digit exponents take the letter's place
  }

  const bool sign = negative;  // gfortran prints the minus even when the value rounds to zero
  if (w == 0) {
    bool zero = true;
    for (int i = 0; i < ndigits; ++i) zero = zero && digits[i] == '0';
    if (zero) {
      w = d + (sign ? 2 : 1) + (d == 0 ? 1 : 0);
    } else {
      w = nbefore + nafter + (sign ? 2 : 1);
      if (w == 1) w = 2;
    }
  }
  int nblanks = w - (nbefore + nafter + edigits + 1) - (sign ? 1 : 0);
  bool leadzero = nbefore == 0 && nblanks > 0;
  if (leadzero) --nblanks;
  if (nblanks < 0 || w == 1 || (w == 2 && sign)) return stars(out, w + npad);

  out.append(static_cast<std::size_t>(nblanks), ' ');
  if (sign) out.push_back('-');
  if (leadzero) out.push_back('0');
  out.append(digits, static_cast<std::size_t>(nbefore));
  out.push_back('.');
  out.append(digits + nbefore, static_cast<std::size_t>(nafter));
  if (expo != 0) {
    if (letter) out.push_back(expo);
    out.push_back(e < 0 ? '-' : '+');
    const int a = e < 0 ? -e : e;
    if (!letter) out.push_back(static_cast<char>('0' + a / 100));
    out.push_back(static_cast<char>('0' + a / 10 % 10));
    out.push_back(static_cast<char>('0' + a % 10));
  }
  out.append(static_cast<std::size_t>(npad), ' ');
}

// Gw.d: fixed form F(w-4).(d-k) plus four blanks for magnitudes that keep d significant
// digits in fixed form, exponent form otherwise. The decision uses gfortran's thresholds,
// 0.1*(1-0.5/10^d) and 10^k*(1-0.5/10^d), evaluated in double precision like it does.
void put_general(std::string& out, double m, bool negative, int w, int d) {
  const double exp_d = power_of_ten(d);
  const double r = 0.5;
  const double r_sc = 1 - r / exp_d;
  const double low = 0.1 * r_sc;
  if (m > 0.0 && (m < low || r >= exp_d - m)) return put_real_field(out, m, negative, 'E', w, d, 0);

  int lo = 0, hi = d + 1, lbound = 0, ubound = d + 1, mid = 0;
  while (lo <= hi) {
    mid = (lo + hi) / 2;
    const double t = power_of_ten(mid - 1) * r_sc;
    if (m < t) {
      ubound = mid;
      if (ubound == lbound + 1) break;
      hi = mid - 1;
    } else if (m > t) {
      lbound = mid;
      if (ubound == lbound + 1) {
        ++mid;
        break;
      }
      lo = mid + 1;
    } else {
      ++mid;
      break;
    }
  }
  int npad = 4;
  if (npad >= w) npad = w - 1;
  int decimals = m == 0.0 ? d - 1 : d + 1 - mid;
  put_real_field(out, m, negative, 0, w - npad, decimals, npad);
}

void put_real(std::string& out, double v, Op op, int w, int d) {
  const bool negative = std::signbit(v);
  if (!std::isfinite(v)) return put_inf_nan(out, std::isnan(v), negative, w);
  const double m = std::fabs(v);
  switch (op) {
    case Op::Fixed: return put_real_field(out, m, negative, 0, w, d, 0);
    case Op::Expo: return put_real_field(out, m, negative, 'E', w, d, 0);
    case Op::ExpoD: return put_real_field(out, m, negative, 'D', w, d, 0);
    default: return put_general(out, m, negative, w, d);
  }
}

void put_chars(std::string& out, std::string_view s, int w) {
  if (w < 0) {
    out.append(s);
  } else if (static_cast<std::size_t>(w) <= s.size()) {
    out.append(s.substr(0, static_cast<std::size_t>(w)));
  } else {
    out.append(static_cast<std::size_t>(w) - s.size(), ' ');
    out.append(s);
  }
}

// One data item under one data descriptor. Numbers are converted between integer and real
// as needed; characters under a numeric descriptor print as asterisks, numbers under A as
// their shortest decimal text.
void put_item(std::string& out, const Item& item, const Step& step) {
  if (step.op == Op::Chars) {
    if (const auto* s = std::get_if<std::string_view>(&item)) return put_chars(out, *s, step.w);
    char buf[40];
    std::to_chars_result res;
    if (const auto* i = std::get_if<std::int64_t>(&item)) {
      res = std::to_chars(buf, buf + sizeof buf, *i);
    } else {
      res = std::to_chars(buf, buf + sizeof buf, std::get<double>(item));
    }
    return put_chars(out, std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)), step.w);
  }
  if (std::holds_alternative<std::string_view>(item)) return stars(out, step.w > 0 ? step.w : 1);
  if (step.op == Op::Int) {
    if (const auto* i = std::get_if<std::int64_t>(&item)) return put_integer(out, *i, step.w, step.d);
    const double v = std::round(std::get<double>(item));
    // 2^63 is exact in double; anything at or beyond it (or NaN) has no integer value.
    if (!(v >= -9223372036854775808.0 && v < 9223372036854775808.0)) {
      return stars(out, step.w > 0 ? step.w : 1);
    }
    return put_integer(out, static_cast<std::int64_t>(v), step.w, step.d);
  }
  const double v = std::holds_alternative<double>(item)
                       ? std::get<double>(item)
                       : static_cast<double>(std::get<std::int64_t>(item));
  put_real(out, v, step.op, step.w, step.d);
}

}  // namespace

std::vector<std::string> format_layout(std::string_view layout, std::span<const Item> items) {
  const Parsed& p = parsed_layout(layout);
  std::vector<std::string> lines;
  std::string line;
  int pending = 0;  // blanks from X, written only if something follows on the line
  std::size_t next = 0;

  auto end_line = [&] {
    lines.push_back(std::move(line));
    line.clear();
    pending = 0;
  };
  auto flush_blanks = [&] {
    line.append(static_cast<std::size_t>(pending), ' ');
    pending = 0;
  };

  while (true) {
    for (const Step& step : p.steps) {
      switch (step.op) {
        case Op::Stop:
          end_line();
          return lines;
        case Op::Skip:
          pending += step.repeat;
          break;
        case Op::Text:
          flush_blanks();
          for (int k = 0; k < step.repeat; ++k) line.append(p.texts, step.text_pos, step.text_len);
          break;
        case Op::Slash:
          for (int k = 0; k < step.repeat; ++k) end_line();
          break;
        default:
          for (int k = 0; k < step.repeat; ++k) {
            if (next >= items.size()) {
              end_line();
              return lines;
            }
            flush_blanks();
            put_item(line, items[next++], step);
          }
          break;
      }
    }
    // End of the layout: start over on a new line while values remain.
    if (next >= items.size() || !p.has_data) break;
    end_line();
  }
  end_line();
  return lines;
}

}  // namespace kova::host
