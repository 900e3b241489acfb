// The library's exported data blocks, all zero at load.
#define KOVA_BUILDING_LIBRARY
#include "kova/kova.h"

extern "C" {
double KOVA_PRT1[13] = {};

// Water blocks, filled by the host before the first water call (word counts of the layouts
// the water routines read).
kova_word KOVA_H2OMU0[12] = {};
kova_word KOVA_H2OMU1[48] = {};
kova_word KOVA_REFH2O[44] = {};
kova_word KOVA_H2OKS0[12] = {};
kova_word KOVA_H2OKS1[36] = {};
}
