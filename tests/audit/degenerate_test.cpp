// The degenerate-input table of the documentation is the library's actual behaviour.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "audit/degenerate.h"

namespace {

std::string documented_table() {
  std::ifstream in(std::string(KOVA_SOURCE_DIR) + "/docs/degenerate-inputs.md");
  std::stringstream text;
  text << in.rdbuf();
  const std::string all = text.str();
  const std::string begin = "<!-- table begin -->\n", end = "<!-- table end -->";
  const auto a = all.find(begin), b = all.find(end);
  if (a == std::string::npos || b == std::string::npos) return {};
  return all.substr(a + begin.size(), b - a - begin.size());
}

TEST(DegenerateInputs, TableIsCurrent) {
  EXPECT_EQ(documented_table(), kova::audit::degenerate_table())
      << "behaviour under degenerate inputs changed: run scripts/degenerate-table.sh and review the diff";
}

}  // namespace
