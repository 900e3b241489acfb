// The library's exported data blocks, all zero at load.
#define KOVA_BUILDING_LIBRARY
#include "kova/kova.h"

extern "C" {
double KOVA_PRT1[13] = {};
}
