#include <gtest/gtest.h>

#include "deanstiel/dean_stiel.h"

TEST(DeanStiel, Placeholder) { EXPECT_GT(kova::deanstiel::dean_stiel_xi(500, 3e6, 80), 0.0); }
