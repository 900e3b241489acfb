/* Example host code: fill libkova's water coefficient blocks from the coefficient file.
   Each data line reads "BLOCK WORD VALUE [# comment]", WORD counted from 1. */
#include "load_water_coefficients.h"

#include <stdio.h>
#include <string.h>

#include "kova/kova.h"

struct water_block {
  const char *name;
  kova_word *words;
  int size;
};

long kova_load_water_coefficients(const char *path) {
  const struct water_block blocks[] = {
      {"KOVA_H2OMU0", KOVA_H2OMU0, 12}, {"KOVA_H2OMU1", KOVA_H2OMU1, 48},
      {"KOVA_REFH2O", KOVA_REFH2O, 44}, {"KOVA_H2OKS0", KOVA_H2OKS0, 12},
      {"KOVA_H2OKS1", KOVA_H2OKS1, 36},
  };
  FILE *f = fopen(path, "r");
  if (f == NULL) return -1;
  char line[512];
  long stored = 0, lineno = 0;
  while (fgets(line, sizeof line, f) != NULL) {
    ++lineno;
    char name[32];
    int word = 0;
    double value = 0.0;
    const char *p = line + strspn(line, " \t");
    if (*p == '#' || *p == '\n' || *p == '\r' || *p == '\0') continue;
    if (sscanf(p, "%31s %d %lf", name, &word, &value) != 3) {
      fclose(f);
      return -lineno;
    }
    const struct water_block *b = NULL;
    for (size_t k = 0; k < sizeof blocks / sizeof blocks[0]; ++k)
      if (strcmp(name, blocks[k].name) == 0) b = &blocks[k];
    if (b == NULL || word < 1 || word > b->size) {
      fclose(f);
      return -lineno;
    }
    /* Word n of a block is element n-1 of the C array; the words are 8-byte reals. */
    memcpy(&b->words[word - 1], &value, sizeof value);
    ++stored;
  }
  fclose(f);
  return stored;
}
