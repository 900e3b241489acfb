/* kovalib: the types of the calling convention, shared by the library and its hosts. */
#ifndef KOVA_KOVA_TYPES_H
#define KOVA_KOVA_TYPES_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* One 8-byte word of a host data block or identifier table. Host blocks are arrays of such
   words, counted from 0; a word holds a real, an integer, or four characters followed by
   four blanks (the legacy form of an identifier word). */
typedef union kova_word {
  double r;
  int64_t i;
  char c[8];
} kova_word;

#ifdef __cplusplus
}
#endif

#ifdef __cplusplus
static_assert(sizeof(kova_word) == 8, "host words are 8 bytes");
#endif

#endif
