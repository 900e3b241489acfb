// Test support: a fixture that gives each test a freshly reset reference host, and helpers
// to read what the library sent to it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "refhost.h"

namespace kova::testing {

inline std::string rtrim(std::string s) {
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override { kova::refhost::reset(); }
  void TearDown() override { kova::refhost::reset(); }

  static kova::refhost::Record& rec() { return kova::refhost::record(); }

  // The lines of print request k (from 0), without their trailing blanks.
  static std::vector<std::string> printed(std::size_t k) {
    std::vector<std::string> out;
    for (const std::string& line : rec().printed.at(k).lines) out.push_back(rtrim(line));
    return out;
  }
  // The trace lines written to a unit.
  static const std::vector<std::string>& traced(std::int64_t unit = 6) { return rec().trace[unit]; }
};

}  // namespace kova::testing
