// The installed water coefficient file against the blocks the reference host fills, read by
// the example loader of examples/water/.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "kova/kova.h"
#include "load_water_coefficients.h"
#include "water_blocks.h"

namespace {

namespace fs = std::filesystem;
const fs::path kSource(KOVA_SOURCE_DIR);

// ---------------------------------------------------------------- water coefficient file

struct Block {
  kova_word* words;
  std::size_t size;
};
constexpr std::size_t kBlocks = 5;
std::array<Block, kBlocks> water_blocks() {
  return {{{KOVA_H2OMU0, 12}, {KOVA_H2OMU1, 48}, {KOVA_REFH2O, 44}, {KOVA_H2OKS0, 12}, {KOVA_H2OKS1, 36}}};
}

class WaterFile : public ::testing::Test {
 protected:
  void TearDown() override { kova::refhost::fill_water_blocks(); }
  const std::string path = (kSource / "data/water_coefficients.txt").string();
};

TEST_F(WaterFile, LoaderFillsTheBlocksExactlyAsTheReferenceHost) {
  kova::refhost::fill_water_blocks();
  std::vector<std::vector<kova_word>> expected;
  for (const Block& b : water_blocks()) {
    expected.emplace_back(b.words, b.words + b.size);
    std::memset(b.words, 0xff, b.size * sizeof(kova_word));  // every word must be written
  }
  EXPECT_EQ(kova_load_water_coefficients(path.c_str()), 12 + 48 + 44 + 12 + 36);
  const std::array<Block, kBlocks> blocks = water_blocks();
  for (std::size_t k = 0; k < kBlocks; ++k) {
    const Block& b = blocks[k];
    for (std::size_t w = 0; w < b.size; ++w)
      EXPECT_EQ(std::memcmp(&b.words[w], &expected[k][w], sizeof(kova_word)), 0)
          << "block " << k << " word " << w + 1;
  }
}

TEST_F(WaterFile, LoaderRefusesAMissingFileAndAMalformedLine) {
  EXPECT_EQ(kova_load_water_coefficients("/nonexistent/water_coefficients.txt"), -1);
  const fs::path bad = fs::temp_directory_path() / "kova_water_bad.txt";
  for (const char* line : {"KOVA_H2OMU0 13 1.0", "KOVA_H2OMU2 1 1.0", "KOVA_REFH2O 1 x"}) {
    std::ofstream(bad) << "# comment\n\nKOVA_REFH2O 1 647.27\n" << line << "\n";
    EXPECT_EQ(kova_load_water_coefficients(bad.string().c_str()), -4) << line;
  }
  fs::remove(bad);
}

}  // namespace
