// A recording reference host for the conformance tests of this family: reset before each
// test, with helpers to read what was printed and traced.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "databank.h"
#include "kova/host.h"
#include "refhost.h"

namespace kova::testing {

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override { refhost::reset(); }
  void TearDown() override { refhost::reset(); }

  static constexpr double kMissing = refhost::kMissing;

  static void range_warnings(bool on) {
    const std::int64_t v = on ? 1 : 0;
    std::memcpy(&ZEL_ERRTWO[56], &v, 8);
  }
  static void trace_level_global(std::int64_t level) { std::memcpy(&ZEL_GLOBAL[10], &level, 8); }
  static double word19() {
    double v;
    std::memcpy(&v, &ZEL_ERRTWO[19], 8);
    return v;
  }
  static void set_word19(double v) { std::memcpy(&ZEL_ERRTWO[19], &v, 8); }

  static const refhost::Record& rec() { return refhost::record(); }
  // Every printed message, each line without its trailing blanks.
  static std::vector<std::vector<std::string>> messages() {
    std::vector<std::vector<std::string>> out;
    for (const auto& p : rec().printed) {
      std::vector<std::string> lines;
      for (std::string l : p.lines) {
        l.erase(l.find_last_not_of(' ') + 1);
        lines.push_back(l);
      }
      out.push_back(lines);
    }
    return out;
  }
  // Trace lines written to the default unit.
  static std::vector<std::string> trace() {
    auto it = rec().trace.find(refhost::kTraceUnit);
    return it == rec().trace.end() ? std::vector<std::string>{} : it->second;
  }
  // The CID table of hypothetical components named by 8 characters each.
  static std::vector<kova_word> cids(const std::vector<std::string>& names) {
    std::vector<kova_word> out;
    for (const std::string& s : names) {
      const std::string padded = (s + "        ").substr(0, 8);
      out.push_back(refhost::pack_word(padded.substr(0, 4)));
      out.push_back(refhost::pack_word(padded.substr(4, 4)));
    }
    return out;
  }
};

}  // namespace kova::testing
