/* Example host code: fill libkova's water coefficient blocks from the coefficient file
   installed with the library (share/kova/water_coefficients.txt). */
#ifndef KOVA_EXAMPLE_LOAD_WATER_COEFFICIENTS_H
#define KOVA_EXAMPLE_LOAD_WATER_COEFFICIENTS_H

#ifdef __cplusplus
extern "C" {
#endif

/* Reads the file at path and stores each word it lists into KOVA_H2OMU0, KOVA_H2OMU1,
   KOVA_REFH2O, KOVA_H2OKS0 or KOVA_H2OKS1. Returns the number of words stored, or -n when
   line n is malformed (unknown block, word out of range, unreadable value), or -1 when the
   file cannot be opened. Call it once, before the first water routine. */
long kova_load_water_coefficients(const char *path);

#ifdef __cplusplus
}
#endif

#endif
