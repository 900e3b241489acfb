/* kovalib: transport-property routines for process simulators.

   Every routine takes all of its arguments by reference: integers are int64_t, reals are
   IEEE doubles, arrays are indexed from 1 by the model (the C pointer addresses element 1).
   Arrays are indexed either by component number (parameter arrays, check flags, the CID and
   CFORM tables) or by list position (compositions, per-entry states and results); each
   routine's comment says which. CID holds two 8-byte words per component, CFORM three; both
   are passed as raw words with no hidden lengths. Routines return nothing; results go into
   the caller's arrays and diagnostics go through the host's gate (see kova/host.h). */
#ifndef KOVA_KOVA_H
#define KOVA_KOVA_H

#include <stdint.h>

#include "kova/kova_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#if defined(KOVA_BUILDING_LIBRARY)
#define KOVA_API __attribute__((visibility("default")))
#else
#define KOVA_API
#endif

/* ------------------------------------------------------------ exported data blocks
   All are zero when the library is loaded. */

/* State of the last corresponding-states (TRAPP) engine call: 13 reals. */
extern KOVA_API double KOVA_PRT1[13];
/* Water viscosity and thermal-conductivity work data, filled by the host before the first
   water call (coefficients of the 1985 water formulations). */
extern KOVA_API kova_word KOVA_H2OMU0[];
extern KOVA_API kova_word KOVA_H2OMU1[];
extern KOVA_API kova_word KOVA_REFH2O[];
extern KOVA_API kova_word KOVA_H2OKS0[];
extern KOVA_API kova_word KOVA_H2OKS1[];

/* ------------------------------------------------------------ Dean-Stiel */

/* Dense-gas pressure correction of vapour viscosity, one per listed component, Pa s.
   VV, MUVPC by list position; TC, ZC, VC, MW, FLAG, CID by component number. */
KOVA_API void KOVA_MUV007(const double *T, const int64_t *N, const int64_t *IDX,
                          const double *VV, const int64_t *KDIAG, double *MUVPC, double *TC,
                          double *ZC, double *VC, double *MW, double *FLAG,
                          const kova_word *CID);

/* Dense-gas pressure correction of a vapour mixture's viscosity, Pa s. */
KOVA_API void KOVA_MUV205(const double *T, const double *X, const int64_t *N,
                          const int64_t *IDX, const double *VVMX, const int64_t *KDIAG,
                          double *MUVXPC, double *TC, double *ZC, double *VC, double *MW,
                          double *FLAG, const kova_word *CID);

/* Dense vapour mixture viscosity: low-pressure value plus the Dean-Stiel residual, Pa s. */
KOVA_API void KOVA_MUV202(const double *T, const double *X, const int64_t *N,
                          const int64_t *IDX, const double *RHOMX, const double *MUVMXLP,
                          const int64_t *KDIAG, double *MUVMX, double *TC, double *ZC,
                          double *VC, double *MW, double *FLAG, const kova_word *CID);

/* ------------------------------------------------------------ TRAPP (corresponding states) */

/* ------------------------------------------------------------ Chung-Lee-Starling */

/* ------------------------------------------------------------ Wilke, Lucas, Stiel-Thodos, Letsou-Stiel */

/* ------------------------------------------------------------ water and surface tension */

/* ------------------------------------------------------------ liquid mixtures and diffusion */

#ifdef __cplusplus
}
#endif

#endif
