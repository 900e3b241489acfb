/* What libkova expects of the process that loads it: the host's data blocks and routines.

   None of these symbols is defined by libkova. A simulator provides them from its own
   libraries; the reference host (libkovahost) provides them for the calculator and the
   tests. Every routine argument is passed by reference. Blocks are arrays of 8-byte words
   counted from 0 (word n is element n). */
#ifndef KOVA_HOST_H
#define KOVA_HOST_H

#include <stdint.h>

#include "kova/kova_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ------------------------------------------------------------ data blocks
   Words read by the library:
   ZEL_PPRIV   0 missing-value marker (real); 1 small positive threshold (real);
               7 gate host word (passed by address); 8 trace unit (integer, low 32 bits);
               9 rows of the Chung viscosity pair arrays / a work-array offset (integer)
   ZEL_GLOBAL  4 trace unit of the Chung conductivity routines (low 32 bits);
               7 gate host word of the routines that use it; 10 trace level of the routines
               whose trace does not follow KDIAG
   ZEL_RGLOB   0 missing-value marker of the Chung conductivity routines; 1 small tolerance
   ZEL_NCOMP   0 number of components in the host's set
   ZEL_ERRTWO  15 delimiter character; 19 message work value (written by the library);
               56 range-warning switch (integer)
   ZEL_ERROUT  the message buffer, 10 lines of 80 characters (written by the library)
   ZEL_PLEX    the parameter store, positions counted from 1
   ZEL_IPOFF1  offsets into the parameter store, by parameter block number
   NORVA_PPGLOB 2 universal gas constant, J/(kmol K)
   LUMENA_CRICH4 0 Tc0, 2 Vc0, 3 Zc0, 4 acentric factor, 5 molecular weight of the
               reference fluid (methane) */
extern kova_word ZEL_PPRIV[];
extern kova_word ZEL_ERRTWO[];
extern kova_word ZEL_GLOBAL[];
extern kova_word ZEL_RGLOB[];
extern kova_word ZEL_NCOMP[];
extern kova_word ZEL_ERROUT[];
extern kova_word ZEL_PLEX[];
extern kova_word ZEL_IPOFF1[];
extern kova_word NORVA_PPGLOB[];
extern kova_word LUMENA_CRICH4[];

/* ------------------------------------------------------------ diagnostics */

/* The diagnostic gate: returns 1 when the message is to be printed, 0 when not.
   id: the 16-character routine identifier; cls: severity class (1, 2, 3, 5); num: message
   number within the routine; kdiag: the caller's diagnostic level; hostword: address of
   ZEL_PPRIV word 7 (or ZEL_GLOBAL word 7); zero, one: the constants 0 and 1; closing: an
   integer 2 or 1, or the address of ZEL_ERRTWO word 19 (a real). */
int64_t ZEL_IRRCHK(const char *id, const int64_t *cls, const int64_t *num,
                   const int64_t *kdiag, const kova_word *hostword, const int64_t *zero,
                   const int64_t *one, const void *closing);

/* Print request: print the first nlines lines of ZEL_ERROUT. */
void ZEL_ERRPRT(const int64_t *nlines);

/* Trace output: write one line of length len (not NUL-terminated) to output unit unit.
   Optional: when the host does not define it, the library writes unit 6 to standard
   output, unit 0 to standard error and unit n to the file fort.n (appended). */
void ZEL_WRLINE(const int64_t *unit, const char *text, const int64_t *len);

/* ------------------------------------------------------------ equations of state (sirklib) */

/* Molar volume of a vapour mixture from the host's cubic equation of state, m3/kmol, in V
   (argument 25). y: mole fractions (n entries), idx: component numbers; i6..i11 the
   switches 1, 0, 0, 0, 0, 1; w*: work words of the caller; p16..p20 the caller's
   pass-through arguments. */
void SIRK_ES01(const double *T, const double *P, const double *y, const int64_t *n,
               const int64_t *idx, const int64_t *i6, const int64_t *i7, const int64_t *i8,
               const int64_t *i9, const int64_t *i10, const int64_t *i11, const int64_t *IDSET,
               const int64_t *KDIAG, double *w14, const kova_word *CID, const void *p16,
               const void *p17, const void *p18, const void *p19, const void *p20, double *w21,
               double *w22, double *w23, double *w24, double *V, double *w26, double *w27,
               double *w28, double *w29, double *w30, double *w31, double *w32);

/* Molar volume of the corresponding-states reference fluid (methane) at t0 (K) and p0 (Pa)
   in the phase kvl (1 vapour, 2 liquid). one: integer 1; idx: the caller's component list;
   iptr, iptr2: the caller's work offset table (passed twice); w8..w11: four words set to
   zero; i12: integer set to 1; one13: integer 1; kdiag: diagnostic level; r1..r10: ten
   result areas of two reals each, r5[0] receives the molar volume V0 in m3/kmol; extra: one
   further result word. Only r5[0] is read by the library. */
void SIRK_ES34(const double *t0, const double *p0, const int64_t *one, const int64_t *idx,
               const int64_t *iptr, const int64_t *iptr2, const int64_t *kvl, double *w8,
               double *w9, double *w10, double *w11, int64_t *i12, const int64_t *one13,
               const int64_t *kdiag, double *r1, double *r2, double *r3, double *r4, double *r5,
               double *r6, double *r7, double *r8, double *r9, double *r10, double *extra);

/* ------------------------------------------------------------ base property models (lumena) */

/* Natural logarithm of the vapour pressure (Pa) of one component at T (K), into lnpvap.
   n (1), list (one component number), one (1), kdiag, idset, then twelve host arguments
   handed on by the caller, cid, lnpvap (out), out2 (out, not relied on), and two more host
   arguments. The reference host's meaning of the handed-on arguments is given in
   refhost/vapour_pressure.h. */
void LUMENA_PL001D(const double *T, const int64_t *n, const int64_t *list, const int64_t *one,
                   const int64_t *kdiag, const int64_t *idset, const void *a7, const void *a8,
                   const void *a9, const void *a10, const void *a11, const void *a12,
                   const void *a13, const void *a14, const void *a15, const void *a16,
                   const void *a17, const void *a18, const kova_word *cid, double *lnpvap,
                   double *out2, const void *a22, const void *a23);

/* Water saturation pressure at T (K), Pa. */
double LUMENA_PSATWI(const double *T);

/* Molar volume of water in phase KVL (1 vapour, 2 liquid) at T (K) and P (Pa).
   Arguments in order: T, P, KDIAG, KVL, four integers (the library passes 0, 1, 0, 0), two
   more integers (0, 0), the option (1 volume only, 3 volume and its temperature
   derivative), four work words, V out (m3/kmol), four work words, DVDT out (dV/dT at
   constant pressure, m3/(kmol K); with option 1 a work word), KER (passed through), and
   an integer (0). */
void LUMENA_ES15(const double *T, const double *P, const int64_t *KDIAG, const int64_t *KVL,
                 const int64_t *i5, const int64_t *i6, const int64_t *i7, const int64_t *i8,
                 const int64_t *i9, const int64_t *i10, const int64_t *option, double *w12,
                 double *w13, double *w14, double *w15, double *V, double *w17, double *w18,
                 double *w19, double *w20, double *DVDT, int64_t *KER, const int64_t *i23);

/* Liquid mixture viscosity by the host's own mixture model, Pa s, in MULMX. */
void LUMENA_MUL202(const double *T, const double *X, const int64_t *N, const int64_t *IDX,
                   const int64_t *KDIAG, double *MULMX, const void *p7, const void *p8,
                   const double *MW, const void *p10, const void *p11, const kova_word *CID);

/* Liquid mixture viscosity formed from the given pure viscosities MUL, Pa s, in MULMX. */
void LUMENA_MUL201(const double *T, const double *X, const int64_t *N, const int64_t *IDX,
                   const double *MUL, const int64_t *KDIAG, double *MULMX, const int64_t *IDSET,
                   const void *p9, const void *p10, const double *MW, const void *p12);

/* Pure-component liquid viscosities of the n listed components, Pa s, in MUL (n reals). */
void LUMENA_MUL001(const double *T, const int64_t *n, const int64_t *idx, const int64_t *IDSET,
                   const int64_t *KDIAG, double *MUL, const void *p7, const void *p8,
                   const void *p9, const void *p10, const void *p11, const void *p12,
                   const void *p13, const void *p14, const void *p15, const void *p16);

/* Liquid mixture viscosity from pure viscosities MUL, Pa s, in MULMX (a mixing rule of the
   host; ld is ZEL_PPRIV word 9, opt the caller's option word). */
void LUMENA_MUMIX1(const double *T, const int64_t *ld, const int64_t *n, const int64_t *idx,
                   const double *x, const double *MW, const void *p7, const void *p8,
                   const double *MUL, double *MULMX, const int64_t *opt);

/* Liquid mixture viscosity by a quadratic mixing rule of the host, Pa s, in MULMX (code is
   the property code 6). */
void LUMENA_QUADMX(const double *x, const int64_t *n, const int64_t *idx, const double *MW,
                   const void *p5, const int64_t *code, const double *MUL, double *MULMX,
                   const int64_t *opt);

/* Pure-component liquid molar volumes of the listed components, m3/kmol, in VL (by list
   position). */
void LUMENA_VL004(const double *T, const int64_t *N, const int64_t *IDX, const int64_t *sw,
                  const int64_t *KDIAG, const void *p6, const void *p7, const void *p8,
                  const void *p9, const void *p10, const void *p11, const void *p12,
                  const void *p13, const void *p14, double *VL, const void *p16,
                  const void *p17, const void *p18, const void *p19, const double *MW,
                  const void *p21, const void *p22);

/* Ideal-mixing liquid molar volume from the pure volumes VL, m3/kmol, in VMX. */
void LUMENA_IDLMIX(const double *X, const int64_t *N, const int64_t *sw, const double *VL,
                   double *VMX, const void *p6);

/* Store positions of the parameter blocks of the ideal-gas heat-capacity model, for
   LUMENA_IDLGS1. one: integer 1; p1..p47: positions in ZEL_PLEX (counted from 1) of the
   first value of each block. */
void LUMENA_IDLGSF(const int64_t *one,
                   int64_t *p1, int64_t *p2, int64_t *p3, int64_t *p4, int64_t *p5, int64_t *p6,
                   int64_t *p7, int64_t *p8, int64_t *p9, int64_t *p10, int64_t *p11, int64_t *p12,
                   int64_t *p13, int64_t *p14, int64_t *p15, int64_t *p16, int64_t *p17, int64_t *p18,
                   int64_t *p19, int64_t *p20, int64_t *p21, int64_t *p22, int64_t *p23, int64_t *p24,
                   int64_t *p25, int64_t *p26, int64_t *p27, int64_t *p28, int64_t *p29, int64_t *p30,
                   int64_t *p31, int64_t *p32, int64_t *p33, int64_t *p34, int64_t *p35, int64_t *p36,
                   int64_t *p37, int64_t *p38, int64_t *p39, int64_t *p40, int64_t *p41, int64_t *p42,
                   int64_t *p43, int64_t *p44, int64_t *p45, int64_t *p46, int64_t *p47);

/* Ideal-gas molar heat capacity of each listed component at t, J/(kmol K), into cp (n reals,
   list order). zero6: integer 0; two7: integer 2; z8..z12: integers 0; w13..w15 and
   w17..w24: work outputs; b1..b48: the parameter blocks of ZEL_PLEX at the positions from
   LUMENA_IDLGSF (the 48th is the first word of the store, see the library's notes);
   out2: a second output array of n reals, not read; then four pairs of a parameter block
   (ZEL_PLEX at the ZEL_IPOFF1 words 800, 802, 803, 799) and an integer (20, 36, 69, 79). */
void LUMENA_IDLGS1(const double *t, const double *x, const int64_t *n, const int64_t *idx,
                   const int64_t *kdiag, const int64_t *zero6, const int64_t *two7,
                   const int64_t *z8, const int64_t *z9, const int64_t *z10, const int64_t *z11,
                   const int64_t *z12, double *w13, double *w14, double *w15, double *cp,
                   double *w17, double *w18, double *w19, double *w20, double *w21, double *w22,
                   double *w23, double *w24,
                   const kova_word *b1, const kova_word *b2, const kova_word *b3, const kova_word *b4, const kova_word *b5,
                   const kova_word *b6, const kova_word *b7, const kova_word *b8, const kova_word *b9, const kova_word *b10,
                   const kova_word *b11, const kova_word *b12, const kova_word *b13, const kova_word *b14, const kova_word *b15,
                   const kova_word *b16, const kova_word *b17, const kova_word *b18, const kova_word *b19, const kova_word *b20,
                   const kova_word *b21, const kova_word *b22, const kova_word *b23, const kova_word *b24, const kova_word *b25,
                   const kova_word *b26, const kova_word *b27, const kova_word *b28, const kova_word *b29, const kova_word *b30,
                   const kova_word *b31, const kova_word *b32, const kova_word *b33, const kova_word *b34, const kova_word *b35,
                   const kova_word *b36, const kova_word *b37, const kova_word *b38, const kova_word *b39, const kova_word *b40,
                   const kova_word *b41, const kova_word *b42, const kova_word *b43, const kova_word *b44, const kova_word *b45,
                   const kova_word *b46, const kova_word *b47, const kova_word *b48,
                   double *out2, const kova_word *q1, const int64_t *k1, const kova_word *q2,
                   const int64_t *k2, const kova_word *q3, const int64_t *k3, const kova_word *q4,
                   const int64_t *k4);

#ifdef __cplusplus
}
#endif

#endif
