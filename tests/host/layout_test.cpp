#include "host/layout.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <deque>
#include <fstream>
#include <string>
#include <vector>

#ifndef KOVA_LAYOUT_GOLDEN
#error "KOVA_LAYOUT_GOLDEN must name tests/host/golden/layout_golden.txt"
#endif

namespace kova::host {
namespace {

using Lines = std::vector<std::string>;

std::vector<std::string_view> split_tabs(std::string_view s) {
  std::vector<std::string_view> out;
  while (true) {
    auto tab = s.find('\t');
    out.push_back(s.substr(0, tab));
    if (tab == std::string_view::npos) return out;
    s.remove_prefix(tab + 1);
  }
}

std::string_view bracketed(std::string_view s) {
  EXPECT_TRUE(s.size() >= 2 && s.front() == '[' && s.back() == ']') << s;
  return s.size() >= 2 ? s.substr(1, s.size() - 2) : s;
}

// Every row of the table gfortran produced: layout, items, expected records.
TEST(LayoutGolden, MatchesGfortran) {
  std::ifstream in(KOVA_LAYOUT_GOLDEN);
  ASSERT_TRUE(in) << "cannot open " << KOVA_LAYOUT_GOLDEN;
  std::string row;
  int rows = 0, failures = 0;
  while (std::getline(in, row)) {
    if (row.empty()) continue;
    ++rows;
    auto f = split_tabs(row);
    ASSERT_GE(f.size(), 2u) << row;
    const std::size_t n = std::stoul(std::string(f[1]));
    ASSERT_GE(f.size(), 2 + n) << row;
    std::deque<std::string> texts;  // owns the character items
    std::vector<Item> items;
    for (std::size_t k = 0; k < n; ++k) {
      std::string_view v = f[2 + k];
      std::string body(v.substr(2));
      if (v.starts_with("r:")) {
        items.emplace_back(std::bit_cast<double>(std::stoull(body, nullptr, 16)));
      } else if (v.starts_with("i:")) {
        items.emplace_back(static_cast<std::int64_t>(std::stoll(body)));
      } else {
        ASSERT_TRUE(v.starts_with("a:")) << row;
        items.emplace_back(std::string_view(texts.emplace_back(bracketed(v.substr(2)))));
      }
    }
    Lines expected;
    for (std::size_t k = 2 + n; k < f.size(); ++k) expected.emplace_back(bracketed(f[k]));
    Lines got = format_layout(f[0], items);
    if (got != expected && ++failures <= 40) {
      std::string g;
      for (const auto& l : got) g += "[" + l + "]";
      ADD_FAILURE() << "row " << rows << ": " << row << "\n  got: " << g;
    }
  }
  EXPECT_EQ(failures, 0);
  EXPECT_GE(rows, 150);
}

TEST(Layout, MessageLayouts) {
  EXPECT_EQ(format_layout("/ 1X 2A4", {"MUV0    ", "07      "}), (Lines{"", " MUV007  "}));

  const char* vv =
      "2X '     VV(' I4 ')=' G12.5 '  MUVPC(' I4 ')=' G12.5 '    IDX(' I4 ')=' I4";
  EXPECT_EQ(format_layout(vv, {std::int64_t{1}, 1.0e6, std::int64_t{2}, 12345.6, std::int64_t{3},
                               std::int64_t{4}, std::int64_t{5}, -2.5, std::int64_t{6}, 0.0,
                               std::int64_t{7}, std::int64_t{-8}}),
            (Lines{"       VV(   1)= 0.10000E+07  MUVPC(   2)=  12346.        IDX(   3)=   4",
                   "       VV(   5)= -2.5000      MUVPC(   6)=  0.0000        IDX(   7)=  -8"}));
  // Values for only part of a second pass: literals up to the first starved item still print.
  EXPECT_EQ(format_layout(vv, {std::int64_t{1}, 1.0, std::int64_t{2}, 2.0, std::int64_t{3},
                               std::int64_t{4}, std::int64_t{5}}),
            (Lines{"       VV(   1)=  1.0000      MUVPC(   2)=  2.0000        IDX(   3)=   4",
                   "       VV(   5)="}));

  EXPECT_EQ(format_layout("6X 'TCTRAP AND ITS DEFAULT TC (DATA SET ' I3 ') ' "
                          "'MISSING FOR COMPONENT ' 2A4",
                          {std::int64_t{7}, "METH", "ANE "}),
            (Lines{"      TCTRAP AND ITS DEFAULT TC (DATA SET   7) MISSING FOR COMPONENT METHANE "}));

  EXPECT_EQ(format_layout("G12.5", {1.0e6}), (Lines{" 0.10000E+07"}));
  EXPECT_EQ(format_layout("G12.5", {12345.6}), (Lines{"  12346.    "}));
}

TEST(Layout, ItemsOfTheOtherKindAreConverted) {
  EXPECT_EQ(format_layout("F7.2 G12.5", {std::int64_t{3}, std::int64_t{-40}}),
            (Lines{"   3.00 -40.000    "}));
  EXPECT_EQ(format_layout("I4 I4 I4", {2.6, -2.6, 1e30}), (Lines{"   3  -3****"}));
  EXPECT_EQ(format_layout("I4 F6.1", {"ab", "cd"}), (Lines{"**********"}));
  EXPECT_EQ(format_layout("A4 1X A", {std::int64_t{-12}, 0.5}), (Lines{" -12 0.5"}));
}

TEST(Layout, SeparatorsCaseAndEmbeddedQuotes) {
  EXPECT_EQ(format_layout("i3,f6.2,,a2", {std::int64_t{5}, 1.25, "xyz"}),
            (Lines{"  5  1.25xy"}));
  EXPECT_EQ(format_layout("'a''b' \"c\"\"d\" X 'e'", {}), (Lines{"a'bc\"d e"}));
  EXPECT_EQ(format_layout("", {}), (Lines{""}));
}

TEST(Layout, MalformedLayoutsEndTheOutput) {
  // Output keeps what came before the bad item and stops there.
  EXPECT_EQ(format_layout("'T=' I3 Q5 I3", {std::int64_t{1}, std::int64_t{2}}),
            (Lines{"T=  1"}));
  EXPECT_EQ(format_layout("I3 F7 I3", {std::int64_t{1}, 2.0}), (Lines{"  1"}));
  EXPECT_EQ(format_layout("I3 'open", {std::int64_t{1}}), (Lines{"  1"}));
  EXPECT_EQ(format_layout("I3 E10.0 G0.3 D9", {std::int64_t{1}, 1.0}), (Lines{"  1"}));
  EXPECT_EQ(format_layout("I99999 I3", {std::int64_t{1}}), (Lines{""}));
  EXPECT_EQ(format_layout("I3 5", {std::int64_t{1}, std::int64_t{2}}), (Lines{"  1"}));
  EXPECT_EQ(format_layout("( I3 )", {std::int64_t{1}}), (Lines{""}));
  EXPECT_EQ(format_layout("'a' 0I3", {std::int64_t{1}}), (Lines{"a"}));
  // Items left over with nothing to print them must not loop.
  EXPECT_EQ(format_layout("'only text'", {std::int64_t{1}}), (Lines{"only text"}));
}

TEST(Layout, ArbitraryTextNeverBreaksTheFormatter) {
  const std::string_view alphabet = "IFEDGAX/'\"0123456789. ,(";
  std::uint32_t seed = 12345;
  const Item items[] = {std::int64_t{-5}, 1e300, "abc", -0.0, std::int64_t{1} << 62};
  for (int round = 0; round < 3000; ++round) {
    std::string layout;
    for (int k = 0, n = static_cast<int>(seed % 12); k < n; ++k) {
      seed = seed * 1103515245u + 12345u;
      layout.push_back(alphabet[(seed >> 16) % alphabet.size()]);
    }
    seed = seed * 1103515245u + 12345u;
    Lines got = format_layout(layout, std::span<const Item>(items, (seed >> 16) % 6));
    ASSERT_FALSE(got.empty()) << layout;
    ASSERT_LT(got.size(), 100000u) << layout;
  }
}

TEST(Layout, CachedLayoutsFollowTheirText) {
  // The same buffer holding different layouts one after the other.
  char buf[8] = "I3";
  EXPECT_EQ(format_layout(std::string_view(buf, 2), {std::int64_t{7}}), (Lines{"  7"}));
  buf[1] = '5';
  EXPECT_EQ(format_layout(std::string_view(buf, 2), {std::int64_t{7}}), (Lines{"    7"}));
  // More distinct layouts than the cache holds, visited twice.
  for (int round = 0; round < 2; ++round) {
    for (int w = 1; w <= 40; ++w) {
      std::string layout = std::to_string(w);
      layout.insert(layout.begin(), 'I');
      Lines got = format_layout(layout, {std::int64_t{9}});
      ASSERT_EQ(got.size(), 1u);
      EXPECT_EQ(got[0], std::string(static_cast<std::size_t>(w - 1), ' ') + "9");
    }
  }
}

}  // namespace
}  // namespace kova::host
