// The water coefficient blocks of libkova, as the reference host fills them.
#pragma once

namespace kova::refhost {

// Writes the IAPS 1985 coefficients and the scaled-equation parameters into KOVA_H2OMU0,
// KOVA_H2OMU1, KOVA_REFH2O, KOVA_H2OKS0 and KOVA_H2OKS1. Done once when the host is loaded;
// tests that change a word call it again to restore the blocks.
void fill_water_blocks();

}  // namespace kova::refhost
