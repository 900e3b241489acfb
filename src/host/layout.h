// Message and trace layouts in Fortran edit-descriptor notation.
//
// A layout is a sequence of items separated by blanks (commas are accepted too):
//   nX        n blanks
//   'text'    literal text ('' inside stands for one quote)
//   /         end of line
//   Iw        integer, right-justified in w columns
//   Fw.d      fixed point with d decimals
//   Gw.d      d significant digits: fixed point plus four blanks when 0.1 <= |v| < 10^d,
//             otherwise exponent form 0.ddddE+xx
//   Dw.d      exponent form with the letter D: 0.ddddD+xx
//   Aw        the first w characters of a character item (right-justified when shorter)
//   kI5, kG12.5, 2A4, ...  the item repeated k times
// A number that does not fit its width prints as w asterisks. When items remain after the
// last item of the layout, the layout is used again from its start on a new line (format
// reversion); output stops at the first data item for which no value is left.
// The output is what a Fortran runtime (gfortran) prints for the same layout and values.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kova::host {

// One value to print: an integer (I), a real (F, G, D) or characters (A).
using Item = std::variant<std::int64_t, double, std::string_view>;

// Formats the items with the layout and returns the lines, without line ends or trailing
// padding (lines keep trailing blanks that the layout itself produces).
std::vector<std::string> format_layout(std::string_view layout, std::span<const Item> items);

inline std::vector<std::string> format_layout(std::string_view layout,
                                              std::initializer_list<Item> items) {
  return format_layout(layout, std::span<const Item>(items.begin(), items.size()));
}

}  // namespace kova::host
