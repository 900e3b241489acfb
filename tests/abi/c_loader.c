/* A simulator written in C, reduced to what the binary interface needs: it loads libkova.so
   by path, resolves the routines by name, defines every host symbol itself, and checks what
   comes back (results, defaults written into its arrays, gate arguments, printed messages,
   trace lines).

   Built twice from this file. With ZEL_WRLINE defined (the default) trace lines arrive
   through it; built with KOVA_ABI_NO_WRLINE the program defines no ZEL_WRLINE, and the
   library must write unit 6 to standard output, unit 0 to standard error and unit n to the
   file fort.n of the working directory.

   Usage: kova_abi_c [path/to/libkova.so] */
#define _POSIX_C_SOURCE 200809L

#include <dlfcn.h>
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include "kova/host.h"
#include "kova/kova.h"

/* ------------------------------------------------------------------ checks */

static int failures;

#define CHECK(cond)                                                                   \
  do {                                                                                \
    if (!(cond)) {                                                                    \
      fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond);        \
      ++failures;                                                                     \
    }                                                                                 \
  } while (0)

/* Relative agreement; the library and this test evaluate the same closed form. */
#define CHECK_NEAR(got, want, rel)                                                    \
  do {                                                                                \
    const double g_ = (got), w_ = (want);                                             \
    if (!(fabs(g_ - w_) <= (rel) * fabs(w_))) {                                       \
      fprintf(stderr, "%s:%d: %s = %.17g, expected %.17g\n", __FILE__, __LINE__, #got, \
              g_, w_);                                                                \
      ++failures;                                                                     \
    }                                                                                 \
  } while (0)

#define CHECK_STR(got, want)                                                          \
  do {                                                                                \
    const char *g_ = (got), *w_ = (want);                                             \
    if (strcmp(g_, w_) != 0) {                                                        \
      fprintf(stderr, "%s:%d: %s is\n  [%s]\nexpected\n  [%s]\n", __FILE__, __LINE__,  \
              #got, g_, w_);                                                          \
      ++failures;                                                                     \
    }                                                                                 \
  } while (0)

/* ------------------------------------------------------------------ host data blocks */

kova_word ZEL_PPRIV[64];
kova_word ZEL_ERRTWO[64];
kova_word ZEL_GLOBAL[64];
kova_word ZEL_RGLOB[16];
kova_word ZEL_NCOMP[4];
kova_word ZEL_ERROUT[100];
kova_word ZEL_PLEX[1 << 16];
kova_word ZEL_IPOFF1[1024];
kova_word NORVA_PPGLOB[16];
kova_word LUMENA_CRICH4[8];

static const double kMarker = 1.0e35;
static const double kR = 8314.46;

static const char *const kHostBlocks[] = {"ZEL_PPRIV", "ZEL_ERRTWO", "ZEL_GLOBAL", "ZEL_RGLOB",
                                          "ZEL_NCOMP", "ZEL_ERROUT", "ZEL_PLEX", "ZEL_IPOFF1",
                                          "NORVA_PPGLOB", "LUMENA_CRICH4"};

/* ------------------------------------------------------------------ host routines */

typedef struct {
  char id[17];
  int64_t cls, num, kdiag, zero, one;
  const void *hostword, *closing;
  double closing_real; /* the closing word read as a real when it is ZEL_ERRTWO word 19 */
} GateCall;

typedef struct {
  int64_t nlines;
  char lines[10][81];
} Print;

#ifndef KOVA_ABI_NO_WRLINE
typedef struct {
  int64_t unit;
  char text[200];
} TraceLine;
#endif

static GateCall gate_calls[32];
static int n_gate;
static int64_t gate_answer = 1;
static Print prints[16];
static int n_print;
static int n_trace;
#ifndef KOVA_ABI_NO_WRLINE
static TraceLine trace_lines[64];
#endif

int64_t ZEL_IRRCHK(const char *id, const int64_t *cls, const int64_t *num, const int64_t *kdiag,
                   const kova_word *hostword, const int64_t *zero, const int64_t *one,
                   const void *closing) {
  if (n_gate < 32) {
    GateCall *g = &gate_calls[n_gate];
    memcpy(g->id, id, 16);
    g->id[16] = '\0';
    g->cls = *cls;
    g->num = *num;
    g->kdiag = *kdiag;
    g->zero = *zero;
    g->one = *one;
    g->hostword = hostword;
    g->closing = closing;
    memcpy(&g->closing_real, closing, sizeof g->closing_real);
  }
  ++n_gate;
  return gate_answer;
}

void ZEL_ERRPRT(const int64_t *nlines) {
  if (n_print < 16) {
    Print *p = &prints[n_print];
    p->nlines = *nlines;
    for (int64_t k = 0; k < *nlines && k < 10; ++k) {
      memcpy(p->lines[k], (const char *)ZEL_ERROUT + 80 * k, 80);
      p->lines[k][80] = '\0';
    }
  }
  ++n_print;
}

#ifndef KOVA_ABI_NO_WRLINE
void ZEL_WRLINE(const int64_t *unit, const char *text, const int64_t *len) {
  if (n_trace < 64 && *len >= 0 && *len < 200) {
    TraceLine *t = &trace_lines[n_trace];
    t->unit = *unit;
    memcpy(t->text, text, (size_t)*len);
    t->text[*len] = '\0';
    /* Trailing blanks carry no meaning on an output unit. */
    for (int64_t k = *len; k > 0 && t->text[k - 1] == ' '; --k) t->text[k - 1] = '\0';
  }
  ++n_trace;
}
#endif

/* ------------------------------------------------------------------ the routines' types */

typedef void muv007_fn(const double *T, const int64_t *N, const int64_t *IDX, const double *VV,
                       const int64_t *KDIAG, double *MUVPC, double *TC, double *ZC, double *VC,
                       double *MW, double *FLAG, const kova_word *CID);
typedef void muv205_fn(const double *T, const double *X, const int64_t *N, const int64_t *IDX,
                       const double *VVMX, const int64_t *KDIAG, double *MUVXPC, double *TC,
                       double *ZC, double *VC, double *MW, double *FLAG, const kova_word *CID);
typedef void muv202_fn(const double *T, const double *X, const int64_t *N, const int64_t *IDX,
                       const double *RHOMX, const double *MUVMXLP, const int64_t *KDIAG,
                       double *MUVMX, double *TC, double *ZC, double *VC, double *MW,
                       double *FLAG, const kova_word *CID);

/* The public header declares the same types (the operand of _Generic is not evaluated, so
   nothing here refers to the library at link time). */
_Static_assert(_Generic(&KOVA_MUV007, muv007_fn *: 1, default: 0), "KOVA_MUV007 in kova.h");
_Static_assert(_Generic(&KOVA_MUV205, muv205_fn *: 1, default: 0), "KOVA_MUV205 in kova.h");
_Static_assert(_Generic(&KOVA_MUV202, muv202_fn *: 1, default: 0), "KOVA_MUV202 in kova.h");

static muv007_fn *muv007;
static muv205_fn *muv205;
static muv202_fn *muv202;

static void *resolve(void *lib, const char *name) {
  void *p = dlsym(lib, name);
  if (p == NULL) fprintf(stderr, "libkova does not export %s\n", name);
  return p;
}

/* ------------------------------------------------------------------ the host's state */

/* Three components, numbered as the host numbers them; the lists name 3 and 1 so that
   by-component and by-position indexing cannot be confused. Component 2 is never listed:
   its parameters hold the marker and must stay untouched. */
enum { NCOMP = 3 };
static double TC[NCOMP], ZC[NCOMP], VC[NCOMP], MW[NCOMP], FLAG[NCOMP];
static kova_word CID[2 * NCOMP];

static void set_real(kova_word *block, int n, double v) { memcpy(&block[n], &v, sizeof v); }
static void set_int(kova_word *block, int n, int64_t v) { memcpy(&block[n], &v, sizeof v); }
static double real_at(const kova_word *block, int n) {
  double v;
  memcpy(&v, &block[n], sizeof v);
  return v;
}

static void set_name(int comp, const char *w1, const char *w2) {
  memset(&CID[2 * (comp - 1)], ' ', 16);
  memcpy(CID[2 * (comp - 1)].c, w1, strlen(w1));
  memcpy(CID[2 * (comp - 1) + 1].c, w2, strlen(w2));
}

/* Published critical constants: ethane (1) and methane (3); component 2 absent. */
static void reset_components(void) {
  const double tc[NCOMP] = {305.32, kMarker, 190.56};
  const double zc[NCOMP] = {0.279, kMarker, 0.286};
  const double vc[NCOMP] = {0.1455, kMarker, 0.0986};
  const double mw[NCOMP] = {30.07, kMarker, 16.043};
  for (int c = 0; c < NCOMP; ++c) {
    TC[c] = tc[c];
    ZC[c] = zc[c];
    VC[c] = vc[c];
    MW[c] = mw[c];
    FLAG[c] = 0.0;
  }
  set_name(1, "ETHA", "NE");
  set_name(2, "NITR", "OGEN");
  set_name(3, "METH", "ANE");
}

static void reset_host(int64_t trace_unit_word) {
  memset(ZEL_PPRIV, 0, sizeof ZEL_PPRIV);
  memset(ZEL_ERRTWO, 0, sizeof ZEL_ERRTWO);
  memset(NORVA_PPGLOB, 0, sizeof NORVA_PPGLOB);
  memset(ZEL_ERROUT, 'Z', sizeof ZEL_ERROUT); /* lines a message does not fill stay 'Z' */
  set_real(ZEL_PPRIV, 0, kMarker);
  set_real(ZEL_PPRIV, 1, 1.0e-10);
  set_int(ZEL_PPRIV, 8, trace_unit_word);
  set_int(ZEL_ERRTWO, 56, 1);
  set_real(ZEL_ERRTWO, 19, 7.5); /* the library must zero it around each missing report */
  set_real(NORVA_PPGLOB, 2, kR);
  n_gate = n_print = n_trace = 0;
  gate_answer = 1;
  reset_components();
}

/* Line k (from 1) of a print is the text padded with blanks to 80 columns. */
static int print_line_is(const Print *p, int k, const char *text) {
  char want[81];
  snprintf(want, sizeof want, "%-80s", text);
  return strcmp(p->lines[k - 1], want) == 0;
}

/* ------------------------------------------------------------------ the correlation */

/* Dean and Stiel (1958): the dense-gas excess viscosity, Pa s, evaluated here on its own from
   the published form so that the library's result is checked against an independent sum. */
static double dean_stiel(double tc, double zc, double vc, double mw, double v) {
  const double pc = kR * zc * tc / vc;
  const double xi = pow(tc, 0.166666667) / (pow(pc, 0.66666667) * sqrt(mw));
  const double rr = vc / v;
  return 4.9691e-11 * (exp(1.439 * rr) - exp(-1.11 * pow(rr, 1.858))) / xi;
}

/* ------------------------------------------------------------------ cases */

static const double T = 300.0;
static const int64_t IDX[2] = {3, 1};
static const int64_t N2 = 2;

static void check_loaded_library(void *lib) {
  /* The library defines none of the host's symbols: they resolve to this program's. */
  for (size_t k = 0; k < sizeof kHostBlocks / sizeof kHostBlocks[0]; ++k) {
    if (dlsym(lib, kHostBlocks[k]) != NULL) {
      fprintf(stderr, "libkova defines the host block %s\n", kHostBlocks[k]);
      ++failures;
    }
  }
  CHECK(dlsym(lib, "ZEL_IRRCHK") == NULL);
  CHECK(dlsym(lib, "ZEL_ERRPRT") == NULL);
  CHECK(dlsym(lib, "ZEL_WRLINE") == NULL);
  /* Its six exported data blocks are there and zero at load (the first 12 words of each:
     no block is shorter). */
  static const char *const blocks[] = {"KOVA_PRT1",   "KOVA_H2OMU0", "KOVA_H2OMU1",
                                       "KOVA_REFH2O", "KOVA_H2OKS0", "KOVA_H2OKS1"};
  for (size_t b = 0; b < sizeof blocks / sizeof blocks[0]; ++b) {
    const kova_word *block = resolve(lib, blocks[b]);
    CHECK(block != NULL);
    if (block == NULL) continue;
    for (int k = 0; k < 12; ++k) {
      if (block[k].i != 0) {
        fprintf(stderr, "%s word %d is not zero at load\n", blocks[b], k);
        ++failures;
      }
    }
  }
}

static void check_pure_components(void) {
  reset_host(6);
  const double vv[2] = {0.5, 0.3};
  const int64_t kdiag = 0;
  double muvpc[2] = {-1.0, -1.0};
  muv007(&T, &N2, IDX, vv, &kdiag, muvpc, TC, ZC, VC, MW, FLAG, CID);
  /* Methane at 0.5 and ethane at 0.3 m3/kmol; the constants are those of the correlation. */
  CHECK_NEAR(muvpc[0], dean_stiel(190.56, 0.286, 0.0986, 16.043, 0.5), 1e-13);
  CHECK_NEAR(muvpc[1], dean_stiel(305.32, 0.279, 0.1455, 30.07, 0.3), 1e-13);
  CHECK_NEAR(muvpc[0], 8.738767314505395e-07, 1e-12);
  CHECK_NEAR(muvpc[1], 3.8026759133243884e-06, 1e-12);
  CHECK(n_gate == 0 && n_print == 0);
  CHECK(FLAG[0] == 1.0 && FLAG[2] == 1.0);
  CHECK(FLAG[1] == 0.0 && TC[1] == kMarker && MW[1] == kMarker); /* not listed: untouched */
}

static void check_missing_parameter(void) {
  reset_host(6);
  TC[0] = kMarker; /* ethane's critical temperature is absent */
  const double vv[2] = {0.5, 0.3};
  const int64_t kdiag = 4;
  double muvpc[2];
  muv007(&T, &N2, IDX, vv, &kdiag, muvpc, TC, ZC, VC, MW, FLAG, CID);

  CHECK(TC[0] == 507.4); /* the default, written into the host's array */
  CHECK_NEAR(muvpc[1], dean_stiel(507.4, 0.279, 0.1455, 30.07, 0.3), 1e-13);
  CHECK(n_gate == 1);
  const GateCall *g = &gate_calls[0];
  CHECK_STR(g->id, "MUV0    07      ");
  CHECK(g->cls == 1 && g->num == 1 && g->kdiag == 4);
  CHECK(g->zero == 0 && g->one == 1);
  CHECK(g->hostword == (const void *)&ZEL_PPRIV[7]); /* host words by address, not copies */
  CHECK(g->closing == (const void *)&ZEL_ERRTWO[19]);
  CHECK(g->closing_real == 0.0); /* zeroed just before the gate call */
  CHECK(real_at(ZEL_ERRTWO, 19) == 0.0); /* and again after the print */

  CHECK(n_print == 1 && prints[0].nlines == 2);
  CHECK(print_line_is(&prints[0], 1, "      VISCOSITY MODEL MUV0DSPC HAS MISSING PARAMETERS:"));
  CHECK(print_line_is(&prints[0], 2, "      TC (DATA SET 1) MISSING FOR COMPONENT ETHANE"));
  char z80[81];
  memset(z80, 'Z', 80);
  z80[80] = '\0';
  CHECK(memcmp((const char *)ZEL_ERROUT + 160, z80, 80) == 0); /* line 3 untouched */

  /* The flags now say checked: a second call neither reports nor replaces. */
  n_gate = n_print = 0;
  muv007(&T, &N2, IDX, vv, &kdiag, muvpc, TC, ZC, VC, MW, FLAG, CID);
  CHECK(n_gate == 0 && n_print == 0 && TC[0] == 507.4);

  /* Two absent parameters of one component: header once, then the one-line form. */
  reset_host(6);
  ZC[2] = kMarker;
  MW[2] = kMarker;
  muv007(&T, &N2, IDX, vv, &kdiag, muvpc, TC, ZC, VC, MW, FLAG, CID);
  CHECK(ZC[2] == 0.26 && MW[2] == 86.178);
  CHECK(n_gate == 2 && gate_calls[0].num == 2 && gate_calls[1].num == 4);
  CHECK(n_print == 2 && prints[0].nlines == 2 && prints[1].nlines == 1);
  CHECK(print_line_is(&prints[1], 1, "      MW (DATA SET 1) MISSING FOR COMPONENT METHANE"));

  /* A gate that refuses: the defaults are written all the same, nothing is printed. */
  reset_host(6);
  VC[2] = kMarker;
  gate_answer = 0;
  muv007(&T, &N2, IDX, vv, &kdiag, muvpc, TC, ZC, VC, MW, FLAG, CID);
  CHECK(VC[2] == 0.369445 && n_gate == 1 && gate_calls[0].num == 3 && n_print == 0);
  CHECK_NEAR(muvpc[0], dean_stiel(190.56, 0.286, 0.369445, 16.043, 0.5), 1e-13);
  CHECK(((const char *)ZEL_ERROUT)[0] == 'Z');
}

static void check_zero_volume(void) {
  reset_host(6);
  const double vv[2] = {0.0, 0.3};
  const int64_t kdiag = 4;
  double muvpc[2] = {-1.0, -1.0};
  muv007(&T, &N2, IDX, vv, &kdiag, muvpc, TC, ZC, VC, MW, FLAG, CID);
  CHECK(muvpc[0] == 0.0);
  CHECK_NEAR(muvpc[1], 3.8026759133243884e-06, 1e-12); /* the other entry is unaffected */
  CHECK(n_gate == 1 && gate_calls[0].cls == 2 && gate_calls[0].num == 5);
  CHECK(gate_calls[0].hostword == (const void *)&ZEL_PPRIV[7]);
  CHECK(n_print == 1 && prints[0].nlines == 2);
  CHECK(print_line_is(&prints[0], 1,
                      "      PRESSURE CORRECTION TO VAPOR MIXTURE VISCOSITY FOR COMPONENT METHANE"));
  CHECK(print_line_is(&prints[0], 2,
                      "      CANNOT BE CALCULATED DUE TO MISSING OR ZERO VOLUME. MUVPC IS SET TO ZERO"));
}

static void check_mixtures(void) {
  reset_host(6);
  const double x[2] = {0.6, 0.4};
  const int64_t kdiag = 0;
  const double vvmx = 0.4;
  double muvxpc = -1.0;
  muv205(&T, x, &N2, IDX, &vvmx, &kdiag, &muvxpc, TC, ZC, VC, MW, FLAG, CID);
  /* Pseudo-critical constants: plain mole-fraction sums of methane (0.6) and ethane (0.4). */
  const double tcm = 0.6 * 190.56 + 0.4 * 305.32, zcm = 0.6 * 0.286 + 0.4 * 0.279;
  const double vcm = 0.6 * 0.0986 + 0.4 * 0.1455, mwm = 0.6 * 16.043 + 0.4 * 30.07;
  CHECK_NEAR(muvxpc, dean_stiel(tcm, zcm, vcm, mwm, vvmx), 1e-13);
  CHECK_NEAR(muvxpc, 1.661407852487046e-06, 1e-12);

  const double rhomx = 2.5, lp = 1.2e-5;
  double muvmx = -1.0;
  muv202(&T, x, &N2, IDX, &rhomx, &lp, &kdiag, &muvmx, TC, ZC, VC, MW, FLAG, CID);
  /* The dense mixture viscosity is the low-pressure value plus the same residual at 1/RHOMX. */
  CHECK_NEAR(muvmx, 1.3661407852487047e-05, 1e-12);
  CHECK_NEAR(muvmx - lp, muvxpc, 1e-11);
  CHECK(n_gate == 0 && n_print == 0);
}

#ifndef KOVA_ABI_NO_WRLINE

static int trace_is(int k, const char *text) {
  return k < n_trace && strcmp(trace_lines[k].text, text) == 0;
}

/* Trace through the host's ZEL_WRLINE: the unit is the low 32 bits of ZEL_PPRIV word 8. */
static void check_trace_through_host(void) {
  reset_host((INT64_C(5) << 32) | 6);
  const double vv[2] = {0.5, 0.3};
  int64_t kdiag = 0;
  double muvpc[2];
  muv007(&T, &N2, IDX, vv, &kdiag, muvpc, TC, ZC, VC, MW, FLAG, CID);
  CHECK(n_trace == 1 && trace_lines[0].unit == 6 && trace_is(0, "     IN MUV007"));

  n_trace = 0;
  kdiag = 7;
  muv007(&T, &N2, IDX, vv, &kdiag, muvpc, TC, ZC, VC, MW, FLAG, CID);
  CHECK(n_trace == 6);
  CHECK(trace_is(0, "     IN MUV007"));
  CHECK(trace_is(1, ""));
  CHECK(trace_is(2, " MUV007"));
  CHECK(trace_is(3, "                T=  300.00"));
  CHECK(trace_is(4, "       VV(   1)= 0.50000      MUVPC(   1)= 0.87388E-06    IDX(   1)=   3"));
  CHECK(trace_is(5, "       VV(   2)= 0.30000      MUVPC(   2)= 0.38027E-05    IDX(   2)=   1"));
  for (int k = 0; k < n_trace && k < 64; ++k) CHECK(trace_lines[k].unit == 6);

  reset_host(41);
  const double x[2] = {0.6, 0.4};
  const double vvmx = 0.4;
  double muvxpc;
  kdiag = -1;
  muv205(&T, x, &N2, IDX, &vvmx, &kdiag, &muvxpc, TC, ZC, VC, MW, FLAG, CID);
  CHECK(n_trace == 6);
  CHECK(trace_is(0, ""));
  CHECK(trace_is(1, " MUV205       MUV2DSPC"));
  CHECK(trace_is(2, "        X(   1)= 0.60000        IDX(   1)=   3"));
  CHECK(trace_is(3, "        X(   2)= 0.40000        IDX(   2)=   1"));
  CHECK(trace_is(4, "              T=  300.00             VVMX= 0.40000"));
  CHECK(trace_is(5, "         MUVXPC= 0.16614E-05"));
  for (int k = 0; k < n_trace && k < 64; ++k) CHECK(trace_lines[k].unit == 41);
}

#else

/* Runs one MUV007 call at diagnostic level 0 (the 'IN MUV007' line only) on the unit given. */
static void call_on_unit(int64_t unit_word) {
  set_int(ZEL_PPRIV, 8, unit_word);
  const double vv[2] = {0.5, 0.3};
  const int64_t kdiag = 0;
  double muvpc[2];
  muv007(&T, &N2, IDX, vv, &kdiag, muvpc, TC, ZC, VC, MW, FLAG, CID);
}

/* Runs call_on_unit with the file descriptor fd redirected to a temporary file and returns
   what was written there (static storage). */
static const char *captured(int fd, FILE *stream, int64_t unit_word) {
  static char text[4096];
  text[0] = '\0';
  fflush(stream);
  FILE *tmp = tmpfile();
  const int saved = dup(fd);
  if (tmp == NULL || saved < 0) return "(cannot redirect)";
  dup2(fileno(tmp), fd);
  call_on_unit(unit_word);
  fflush(stream);
  dup2(saved, fd);
  close(saved);
  rewind(tmp);
  const size_t n = fread(text, 1, sizeof text - 1, tmp);
  text[n] = '\0';
  fclose(tmp);
  return text;
}

static const char *file_text(const char *name) {
  static char text[4096];
  text[0] = '\0';
  FILE *f = fopen(name, "r");
  if (f == NULL) return "(no file)";
  const size_t n = fread(text, 1, sizeof text - 1, f);
  text[n] = '\0';
  fclose(f);
  return text;
}

/* Without ZEL_WRLINE the library writes as a Fortran runtime would. */
static void check_trace_to_units(void) {
  reset_host(6);
  CHECK_STR(captured(STDOUT_FILENO, stdout, 6), "     IN MUV007\n");
  CHECK_STR(captured(STDERR_FILENO, stderr, 0), "     IN MUV007\n");
  /* Any other unit n: the file fort.n of the working directory, appended to. The unit is the
     low 32 bits of the word (the high ones set here must be ignored). */
  FILE *f = fopen("fort.37", "w");
  CHECK(f != NULL);
  if (f != NULL) {
    fputs("a line the host wrote before\n", f);
    fclose(f);
  }
  call_on_unit((INT64_C(3) << 32) | 37);
  call_on_unit(37);
  CHECK_STR(file_text("fort.37"), "a line the host wrote before\n     IN MUV007\n     IN MUV007\n");
  remove("fort.37");
}

#endif

int main(int argc, char **argv) {
#ifdef KOVA_LIBRARY_PATH
  const char *path = argc > 1 ? argv[1] : KOVA_LIBRARY_PATH;
#else
  if (argc < 2) {
    fprintf(stderr, "usage: %s path/to/libkova.so\n", argv[0]);
    return 2;
  }
  const char *path = argv[1];
#endif
  /* Every reference resolved now: a name the library needs and nobody defines fails here. */
  void *lib = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (lib == NULL) {
    fprintf(stderr, "cannot load %s: %s\n", path, dlerror());
    return 1;
  }
  void *p007 = resolve(lib, "KOVA_MUV007");
  void *p205 = resolve(lib, "KOVA_MUV205");
  void *p202 = resolve(lib, "KOVA_MUV202");
  if (p007 == NULL || p205 == NULL || p202 == NULL) return 1;
  memcpy(&muv007, &p007, sizeof muv007);
  memcpy(&muv205, &p205, sizeof muv205);
  memcpy(&muv202, &p202, sizeof muv202);

  check_loaded_library(lib);
  check_pure_components();
  check_missing_parameter();
  check_zero_volume();
  check_mixtures();
#ifndef KOVA_ABI_NO_WRLINE
  check_trace_through_host();
#else
  check_trace_to_units();
#endif

  if (failures != 0) {
    fprintf(stderr, "%d check(s) failed\n", failures);
    return 1;
  }
  puts("all checks passed");
  return 0;
}
