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

/* Version of the library (the package version): 0.1.0. */
#define KOVA_VERSION_MAJOR 0
#define KOVA_VERSION_MINOR 1
#define KOVA_VERSION_PATCH 0

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

/* State of the last corresponding-states (TRAPP) engine call: 13 reals, written whole at
   the end of each engine call. With several threads calling, it holds the state of the last
   engine call of any thread. */
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

/* Ely-Hanley (1981) viscosity engine, either phase (KVL 1 vapour, 2 liquid), Pa s, for the
   mixture X (by list position) of the components IDX. KCALC 0: returns at once, writing
   nothing. TC, PC, VC, ZC, OMEGA, FLAG, MW, CID by component number; missing TC, PC, VC, ZC,
   OMEGA receive defaults. WORK: work storage of at least 4N+2+4o reals with o = N(N+1)/2;
   IPTR (9 integers) receives the start positions of the arrays in WORK (counted from 0).
   The equivalent state and factors of the call are left in KOVA_PRT1. UNUSED is not read. */
KOVA_API void KOVA_MUVL01(const double *T, const double *P, const double *X, const int64_t *N,
                          const int64_t *IDX, const int64_t *IDSET, const int64_t *KDIAG,
                          double *WORK, int64_t *IPTR, const int64_t *KVL, const int64_t *KCALC,
                          double *MU, const void *UNUSED, const kova_word *CID, double *TC,
                          double *PC, double *VC, double *ZC, double *OMEGA, double *FLAG,
                          const double *MW);

/* TRAPP vapour (MUV003) and liquid (MUL003) viscosity of each listed component, Pa s: P and
   the result by list position (one engine call per entry at P(i)). With KCALC 0 the result
   array is left as it was. */
KOVA_API void KOVA_MUV003(const double *T, const double *P, const int64_t *N, const int64_t *KCALC,
                          const int64_t *IDX, double *WORK, int64_t *IPTR, const int64_t *KDIAG,
                          const int64_t *IDSET, double *MUV, const void *UNUSED,
                          const kova_word *CID, double *TC, double *PC, double *VC, double *ZC,
                          double *OMEGA, double *FLAG, const double *MW);
KOVA_API void KOVA_MUL003(const double *T, const double *P, const int64_t *N, const int64_t *KCALC,
                          const int64_t *IDX, double *WORK, int64_t *IPTR, const int64_t *KDIAG,
                          const int64_t *IDSET, double *MUL, const void *UNUSED,
                          const kova_word *CID, double *TC, double *PC, double *VC, double *ZC,
                          double *OMEGA, double *FLAG, const double *MW);

/* TRAPP vapour (MUV203) and liquid (MUL204) mixture viscosity, Pa s. */
KOVA_API void KOVA_MUV203(const double *T, const double *P, const double *X, const int64_t *N,
                          const int64_t *KCALC, const int64_t *IDX, double *WORK, int64_t *IPTR,
                          const int64_t *KDIAG, const int64_t *IDSET, double *MUVMX,
                          const void *UNUSED, const kova_word *CID, double *TC, double *PC,
                          double *VC, double *ZC, double *OMEGA, double *FLAG, const double *MW);
KOVA_API void KOVA_MUL204(const double *T, const double *P, const double *X, const int64_t *N,
                          const int64_t *KCALC, const int64_t *IDX, double *WORK, int64_t *IPTR,
                          const int64_t *KDIAG, const int64_t *IDSET, double *MULMX,
                          const void *UNUSED, const kova_word *CID, double *TC, double *PC,
                          double *VC, double *ZC, double *OMEGA, double *FLAG, const double *MW);

/* TRAPP (Ely-Hanley 1983) vapour (KV004) and liquid (KL003) thermal conductivity of each
   listed component, W/(m K); P and the result by list position; KCONV reports whether the
   last entry's equivalent state converged (1) or not (0). WORK: at least
   4N+2+4o+max(o, 3N) reals (o = N(N+1)/2; N = 1 per engine call here); IPTR: 10 integers.
   UNUSED1, UNUSED2 are not read. With KCALC 0 nothing is written. */
KOVA_API void KOVA_KV004(const double *T, const double *P, const int64_t *N, const int64_t *KCALC,
                         const int64_t *IDX, const void *UNUSED1, const void *UNUSED2,
                         const int64_t *KDIAG, const int64_t *IDSET, double *KV, int64_t *KCONV,
                         double *ZC, const double *MW, double *TC, double *PC, double *VC,
                         double *OMEGA, double *FLAG, const kova_word *CID, double *WORK,
                         int64_t *IPTR);
KOVA_API void KOVA_KL003(const double *T, const double *P, const int64_t *N, const int64_t *KCALC,
                         const int64_t *IDX, const void *UNUSED1, const void *UNUSED2,
                         const int64_t *KDIAG, const int64_t *IDSET, double *KL, int64_t *KCONV,
                         double *ZC, const double *MW, double *TC, double *PC, double *VC,
                         double *OMEGA, double *FLAG, const kova_word *CID, double *WORK,
                         int64_t *IPTR);

/* TRAPP vapour (KV203) and liquid (KL202) mixture thermal conductivity, W/(m K). WORK: at
   least 4N+2+4o+max(o, 3N) reals. */
KOVA_API void KOVA_KV203(const double *T, const double *P, const double *X, const int64_t *N,
                         const int64_t *KCALC, const int64_t *IDX, const void *UNUSED1,
                         const void *UNUSED2, const int64_t *KDIAG, const int64_t *IDSET,
                         double *KVMX, int64_t *KCONV, double *ZC, const double *MW, double *TC,
                         double *PC, double *VC, double *OMEGA, double *FLAG,
                         const kova_word *CID, double *WORK, int64_t *IPTR);
KOVA_API void KOVA_KL202(const double *T, const double *P, const double *X, const int64_t *N,
                         const int64_t *KCALC, const int64_t *IDX, const void *UNUSED1,
                         const void *UNUSED2, const int64_t *KDIAG, const int64_t *IDSET,
                         double *KLMX, int64_t *KCONV, double *ZC, const double *MW, double *TC,
                         double *PC, double *VC, double *OMEGA, double *FLAG,
                         const kova_word *CID, double *WORK, int64_t *IPTR);

/* ------------------------------------------------------------ Chung-Lee-Starling

   Pair arrays SIG3, EPSIG3, EPSIG2M, DIPSIG3, OMSIG3: square, by component number in both
   directions, stored column by column; element (i, j) is at (i-1) + (j-1)*LD, where LD is
   ZEL_PPRIV word 9 for the viscosity routines and ZEL_NCOMP word 0 for the conductivity
   routines. SQKAP (square root of the association factor), MUP, MW, TC, VC, the acentric
   factor (OMGCLK / OMGCLS), FLAG and CID by component number; MUP, MW, TC, VC and the
   acentric factor are only tested for presence. KCALC above 0: test and calculate; 0 or
   below: neither (results left as passed). */

/* Low-pressure vapour viscosity of each listed component, MUVLP (by list position), Pa s. */
KOVA_API void KOVA_MUV008(const double *T, const int64_t *N, const int64_t *IDX,
                          const int64_t *KDIAG, const int64_t *IDSET, const int64_t *KCALC,
                          double *MUVLP, const double *MUP, const double *MW, const double *TC,
                          const double *VC, const double *OMGCLK, const double *SIG3,
                          const double *EPSIG3, const double *EPSIG2M, const double *DIPSIG3,
                          const double *SQKAP, const double *OMSIG3, double *FLAG,
                          const kova_word *CID);

/* Low-pressure vapour viscosity of a mixture, MUVMXLP, Pa s. X by list position. */
KOVA_API void KOVA_MUV206(const double *T, const double *X, const int64_t *N,
                          const int64_t *IDX, const int64_t *KDIAG, const int64_t *IDSET,
                          const int64_t *KCALC, double *MUVMXLP, const double *MUP,
                          const double *MW, const double *TC, const double *VC,
                          const double *OMGCLK, const double *SIG3, const double *EPSIG3,
                          const double *EPSIG2M, const double *DIPSIG3, const double *SQKAP,
                          const double *OMSIG3, double *FLAG, const kova_word *CID);

/* Dense-fluid viscosity of each listed component at its molar volume V (m3/kmol), MU, Pa s;
   V and MU by list position. DUMMY is not read. KCOEF 1: the two-column coefficient set. */
KOVA_API void KOVA_MUVL04(const double *T, const int64_t *N, const int64_t *IDX,
                          const int64_t *KDIAG, const int64_t *IDSET, const int64_t *KCALC,
                          const double *V, double *MU, const double *MUP, const void *DUMMY,
                          const double *MW, const double *TC, const double *VC,
                          const double *OMGCLK, const double *SIG3, const double *EPSIG3,
                          const double *EPSIG2M, const double *DIPSIG3, const double *SQKAP,
                          const double *OMSIG3, double *FLAG, const kova_word *CID,
                          const int64_t *KCOEF);

/* Dense-fluid viscosity of a mixture at molar volume VMX (m3/kmol), MUVMXLP, Pa s. */
KOVA_API void KOVA_MUVL03(const double *T, const double *X, const int64_t *N,
                          const int64_t *IDX, const int64_t *KDIAG, const int64_t *IDSET,
                          const int64_t *KCALC, const double *VMX, double *MUVMXLP,
                          const double *MUP, const double *MW, const double *TC,
                          const double *VC, const double *OMGCLK, const double *SIG3,
                          const double *EPSIG3, const double *EPSIG2M, const double *DIPSIG3,
                          const double *SQKAP, const double *OMSIG3, double *FLAG,
                          const kova_word *CID, const int64_t *KCOEF);

/* Thermal conductivity of each listed component, K, W/(m K), from its molar volume V
   (m3/kmol), low-pressure viscosity MUVLP (Pa s) and heat capacity CP (J/(kmol K)), all by
   list position. KER is printed in the trace and never written. */
KOVA_API void KOVA_KVL03(const double *T, const int64_t *N, const int64_t *IDX,
                         const int64_t *KDIAG, const int64_t *IDSET, const int64_t *KCALC,
                         const double *V, const double *MUVLP, const double *CP, double *K,
                         const int64_t *KER, const double *MUP, const double *MW,
                         const double *TC, const double *VC, const double *OMGCLS,
                         const double *SIG3, const double *EPSIG3, const double *EPSIG2M,
                         const double *DIPSIG3, const double *SQKAP, const double *OMSIG3,
                         double *FLAG, const kova_word *CID);

/* Thermal conductivity of a mixture, KMX, W/(m K). */
KOVA_API void KOVA_KVL02(const double *T, const double *X, const int64_t *N,
                         const int64_t *IDX, const int64_t *KDIAG, const int64_t *IDSET,
                         const int64_t *KCALC, const double *VMX, const double *MUVMXLP,
                         const double *CPMX, double *KMX, const int64_t *KER,
                         const double *MUP, const double *MW, const double *TC,
                         const double *VC, const double *OMGCLS, const double *SIG3,
                         const double *EPSIG3, const double *EPSIG2M, const double *DIPSIG3,
                         const double *SQKAP, const double *OMSIG3, double *FLAG,
                         const kova_word *CID);

/* ------------------------------------------------------------ Wilke, Lucas, Stiel-Thodos, Letsou-Stiel */

/* Wilke mixing of low-pressure vapour viscosities with Brokaw's mass and polarity factors,
   Pa s. X, MUVLP by list position; MW, TB, VB, MUP, FLAG, CID by component number; STKPAR
   two reals per component (epsilon/k in K, sigma in m). Missing MW, VB and STKPAR are
   replaced by defaults or Stockmayer estimates written back. */
KOVA_API void KOVA_MUV201(const double *T, const double *X, const int64_t *N,
                          const int64_t *IDX, const double *MUVLP, const int64_t *IDSET,
                          const int64_t *KDIAG, double *MUVXLP, double *MW, const double *TB,
                          double *VB, const double *MUP, double *STKPAR, double *FLAG,
                          const kova_word *CID);

/* Lucas vapour viscosity of each listed component at its own pressure PRES(i), Pa s.
   PRES, MUV by list position; TC, PC, ZC, MW, MUP, MUR, FLAG by component number; CFORM
   three words and CID two words per component. PLA1..PLA14 are host data handed on
   unchanged to LUMENA_PL001D (kova/host.h) for vapour pressures below the critical
   temperature. Nothing is done when KCALC is not above 0. */
KOVA_API void KOVA_MUV005(const double *T, const double *PRES, const int64_t *N,
                          const int64_t *IDX, const int64_t *KDIAG, const int64_t *IDSET,
                          const int64_t *KCALC, double *MUV, double *TC, double *PC, double *ZC,
                          double *MW, double *MUP, const double *MUR, const kova_word *CFORM,
                          double *FLAG, const kova_word *CID, const void *PLA1,
                          const void *PLA2, const void *PLA3, const void *PLA4,
                          const void *PLA5, const void *PLA6, const void *PLA7,
                          const void *PLA8, const void *PLA9, const void *PLA10,
                          const void *PLA11, const void *PLA12, const void *PLA13,
                          const void *PLA14);

/* Lucas vapour viscosity of a mixture, Pa s. X by list position. */
KOVA_API void KOVA_MUV204(const double *T, const double *P, const double *X, const int64_t *N,
                          const int64_t *IDX, const int64_t *KDIAG, const int64_t *IDSET,
                          const int64_t *KCALC, double *MUVMX, double *TC, double *PC,
                          double *ZC, double *MW, double *MUP, const double *MUR,
                          const kova_word *CFORM, double *FLAG, const kova_word *CID);

/* Stiel-Thodos dense-gas conductivity of each listed component: the residual is added in
   place to the low-pressure value KV, W/(m K). VV, KV by list position; KER is set only
   when a reduced density reaches the correlation's limit of 2.8. */
KOVA_API void KOVA_KV003(const int64_t *N, const int64_t *IDX, const double *VV,
                         const int64_t *KDIAG, double *TC, double *MW, double *VC,
                         const double *PC, double *ZC, double *FLAG, const kova_word *CID,
                         double *KV, int64_t *KER);

/* Stiel-Thodos residual (pressure correction) of each listed component, W/(m K). */
KOVA_API void KOVA_KV006(const int64_t *N, const int64_t *IDX, const double *VV,
                         const int64_t *KDIAG, double *KVPC, double *TC, double *MW,
                         double *VC, const double *PC, double *ZC, double *FLAG,
                         const kova_word *CID);

/* Stiel-Thodos dense vapour mixture conductivity: KVMXLP plus the residual at molar
   density RHOMX (kmol/m3), W/(m K). No check flags: every call checks every component. */
KOVA_API void KOVA_KV202(const double *X, const int64_t *N, const int64_t *IDX,
                         const double *RHOMX, const double *KVMXLP, const int64_t *KDIAG,
                         double *KVMX, double *TC, double *MW, double *VC, double *ZC,
                         const kova_word *CID);

/* Stiel-Thodos residual of a vapour mixture at molar volume VVMX (m3/kmol), W/(m K). */
KOVA_API void KOVA_KV204(const double *X, const int64_t *N, const int64_t *IDX,
                         const double *VVMX, const int64_t *KDIAG, double *KVMXPC, double *TC,
                         double *MW, double *VC, double *ZC, double *FLAG, const kova_word *CID);

/* Letsou-Stiel liquid viscosity of each listed component, Pa s. MUL by list position. */
KOVA_API void KOVA_MUL005(const double *T, const int64_t *N, const int64_t *IDX,
                          const int64_t *KDIAG, double *MUL, double *TC, double *PC, double *MW,
                          double *OMEGA, double *FLAG, const kova_word *CID);

/* ------------------------------------------------------------ water and surface tension */

/* Water viscosity (IAPS 1985 with the critical enhancement), Pa s, for the first list entry
   whose CFORM first word is "H2O" and five blanks; MU by list position, CFORM by component
   number; argument 7 is not used. Other entries, and all of MU when KCALC is 0 or the list
   holds no water, are left as passed. MUV004 vapour, MUL004 liquid. */
KOVA_API void KOVA_MUV004(const double *T, const double *P, const int64_t *N, const int64_t *KCALC,
                          const int64_t *IDX, const int64_t *KDIAG, const void *UNUSED7, double *MU,
                          const kova_word *CFORM);
KOVA_API void KOVA_MUL004(const double *T, const double *P, const int64_t *N, const int64_t *KCALC,
                          const int64_t *IDX, const int64_t *KDIAG, const void *UNUSED7, double *MU,
                          const kova_word *CFORM);

/* Water thermal conductivity (IAPS 1985 with the critical enhancement), W/(m K), as for
   KOVA_MUV004: KV005 vapour, KL004 liquid. */
KOVA_API void KOVA_KV005(const double *T, const double *P, const int64_t *N, const int64_t *KCALC,
                         const int64_t *IDX, const int64_t *KDIAG, const void *UNUSED7, double *KV,
                         const kova_word *CFORM);
KOVA_API void KOVA_KL004(const double *T, const double *P, const int64_t *N, const int64_t *KCALC,
                         const int64_t *IDX, const int64_t *KDIAG, const void *UNUSED7, double *KV,
                         const kova_word *CFORM);

/* Surface tension of liquid water, N/m, for the first water entry of the list (SIGMA by list
   position, CFORM by component number; arguments 5 to 8 are not used). Zero outside
   273.16 K <= T < 647.067 K. With KCALC = 0, or no water in the list, SIGMA is left as passed. */
KOVA_API void KOVA_SIG003(const double *T, const int64_t *N, const int64_t *KCALC, const int64_t *IDX,
                          const void *UNUSED5, const void *UNUSED6, const void *UNUSED7,
                          const void *UNUSED8, double *SIGMA, const kova_word *CFORM);

/* Mixture surface tension, N/m: (sum x sigma^n)^(1/n) over the components not marked in KMARK,
   with the marked ones (KMARK = 1) entering linearly by their VW-weighted fractions.
   X, SIG by list position; VW, KMARK by component number; argument 6 is not used. */
KOVA_API void KOVA_SIG203(const double *X, const int64_t *N, const int64_t *IDX, const int64_t *NEXP,
                          const double *SIG, const void *UNUSED6, const double *VW, const int64_t *KMARK,
                          double *SIGMX);

/* ------------------------------------------------------------ liquid mixtures and diffusion */

/* Li's rule: liquid mixture thermal conductivity from pure values, W/(m K), in KLMX.
   X, VL, KL by list position (KL values below 1E-4 are raised in place); IDX, CID name a
   component in messages; argument 4 is not used. */
KOVA_API void KOVA_KL204(const double *X, const int64_t *N, const int64_t *IDX,
                         const void *UNUSED4, const double *VL, double *KL,
                         const int64_t *KDIAG, double *KLMX, const kova_word *CID);

/* Dawson-Khoury-Kobayashi density correction of low-pressure binary gas diffusion
   coefficients, m2/s. DV0, DV: N x N by list position, column by column; IPAIR, YPAIR: work;
   MW, VC, FLAG, CID by component number; P17..P21 passed to the host's equation of state. */
KOVA_API void KOVA_DV002(const double *X, const int64_t *N, const int64_t *IDX,
                         const double *T, const double *P, const double *P0, int64_t *IPAIR,
                         double *YPAIR, const double *DV0, const int64_t *KDIAG, double *DV,
                         const int64_t *IDSET, double *MW, double *VC, double *FLAG,
                         const kova_word *CID, const void *P17, const void *P18,
                         const void *P19, const void *P20, const void *P21);

/* Wilke-Chang binary liquid diffusion coefficients, m2/s, in BINDL (N x N by list
   position), with the host's own mixture viscosity. MUL by list position; MW, CFORM, VB,
   FLAG, CID by component number; P13..P16 passed to the host's mixture viscosity. */
KOVA_API void KOVA_DL001(const double *T, const double *X, const int64_t *N,
                         const int64_t *IDX, const double *MUL, const int64_t *KDIAG,
                         double *BINDL, double *MW, const kova_word *CFORM, double *VB,
                         double *FLAG, const kova_word *CID, const void *P13, const void *P14,
                         const void *P15, const void *P16);

/* As KOVA_DL001, with the mixture viscosity formed by the host from the given MUL. */
KOVA_API void KOVA_DL004(const double *T, const double *X, const int64_t *N,
                         const int64_t *IDX, const double *MUL, const int64_t *KDIAG,
                         double *BINDL, double *MW, const kova_word *CFORM, double *VB,
                         double *FLAG, const kova_word *CID, const void *P13, const void *P14,
                         const void *P15);

/* Wilke-Chang diffusion coefficient of each solute in the mixed solvent of the other
   entries, m2/s, in DL (by list position; 0 for solvent entries). XS (real) and KW (2N
   integers) are work arrays; KSOLU (non-zero marks a solute), MW, CFORM, VB, FLAG, CID by
   component number; KOPT word 1 is handed to the host's mixing rules, word 2 chooses one
   (2 LUMENA_MUMIX1, 1 LUMENA_QUADMX, else LUMENA_MUL201). The P arguments are passed to the
   host routines. */
KOVA_API void KOVA_DL102(const double *T, const double *X, const int64_t *N,
                         const int64_t *IDX, const int64_t *IDSET, double *XS, int64_t *KW,
                         const int64_t *KDIAG, double *DL, double *MW, const kova_word *CFORM,
                         double *VB, const double *KSOLU, double *FLAG, const kova_word *CID,
                         const void *P16, const void *P17, const void *P18, const void *P19,
                         const void *P20, const void *P21, const void *P22, const void *P23,
                         const void *P24, const void *P25, const int64_t *KOPT,
                         const void *P27, const void *P28, const void *P29);

/* As KOVA_DL102, with the solvent viscosity from KOVA_MUL205 (bio-components). XS, MULW,
   KW (N integers), KSV (solvent component numbers), VL are work arrays. */
KOVA_API void KOVA_DL103(const double *T, const double *X, const int64_t *N,
                         const int64_t *IDX, const int64_t *IDSET, const int64_t *KDIAG,
                         double *MW, const kova_word *CFORM, double *VB, const double *KSOLU,
                         double *FLAG, const kova_word *CID, double *XS, double *MULW,
                         const void *UNUSED15, int64_t *KW, int64_t *KSV, const void *P18,
                         const void *P19, const void *P20, const void *P21, const void *P22,
                         const void *P23, const void *P24, const int64_t *KBIO,
                         const double *MULBPS, double *VL, const void *P28, const void *P29,
                         const void *P30, const void *P31, const void *P32, const double *XTOL,
                         double *DL, const void *P35, const void *P36, const void *P37,
                         const void *P38, const void *P39, const void *P40, const void *P41,
                         const void *P42);

/* Liquid mixture viscosity with bio-components, Pa s, in MULMX. X, MUL, VL by list
   position; KBIO (1 marks a bio-component), MW, MULBPS (a, b, d, lower and upper bound per
   component) by component number; XTOL: smallest solvent mole-fraction total that is
   inverted. The P arguments are passed to the host's liquid-volume routines. */
KOVA_API void KOVA_MUL205(const double *T, const double *X, const int64_t *N,
                          const int64_t *IDX, const double *MUL, const int64_t *KDIAG,
                          const void *P7, const void *P8, const void *P9, const void *P10,
                          const void *P11, const void *P12, const void *P13, const void *P14,
                          const void *P15, const int64_t *KBIO, const double *MW,
                          const double *MULBPS, double *VL, const void *P20, double *MULMX,
                          const double *XTOL, const void *P23, const void *P24,
                          const void *P25, const void *P26, const void *P27);

#ifdef __cplusplus
}
#endif

#endif
