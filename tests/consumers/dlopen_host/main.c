/* A simulator in miniature: it defines the host blocks, the diagnostic gate, the print
   request and the trace writer in its own executable (linked with -rdynamic so that the
   library sees them), loads the installed libkova.so.0 by path with dlopen and looks the
   routine up by name. Dean-Stiel correction of ethane with its critical temperature missing:
   the default comes back in the host's array and the message through the host's gate.
   Usage: dlopen_host <path to libkova.so.0> */
#define _POSIX_C_SOURCE 200809L
#include <kova/host.h>
#include <kova/kova.h>

#include <dlfcn.h>
#include <math.h>
#include <stdio.h>
#include <string.h>

kova_word ZEL_PPRIV[64], ZEL_ERRTWO[64], ZEL_GLOBAL[64], ZEL_RGLOB[16], ZEL_NCOMP[4];
kova_word ZEL_ERROUT[100], ZEL_PLEX[1 << 16], ZEL_IPOFF1[1024], NORVA_PPGLOB[16], LUMENA_CRICH4[8];

static int n_gate, n_print, n_trace;
static int64_t gate_cls;
static char printed[10][81];

int64_t ZEL_IRRCHK(const char *id, const int64_t *cls, const int64_t *num, const int64_t *kdiag,
                   const kova_word *hostword, const int64_t *zero, const int64_t *one, const void *closing) {
  (void)id, (void)num, (void)kdiag, (void)hostword, (void)zero, (void)one, (void)closing;
  ++n_gate;
  gate_cls = *cls;
  return 1;
}

void ZEL_ERRPRT(const int64_t *nlines) {
  ++n_print;
  for (int64_t k = 0; k < *nlines && k < 10; ++k) {
    memcpy(printed[k], ZEL_ERROUT[0].c + 80 * k, 80);
    printed[k][80] = '\0';
    for (int c = 79; c >= 0 && printed[k][c] == ' '; --c) printed[k][c] = '\0';
  }
}

void ZEL_WRLINE(const int64_t *unit, const char *text, const int64_t *len) {
  (void)unit, (void)text, (void)len;
  ++n_trace;
}

/* Every reference resolved at load time, as a careful simulator asks; a library whose
   references to unused host routines are not weak needs RTLD_LAZY instead. */
#ifndef KOVA_DLOPEN_MODE
#define KOVA_DLOPEN_MODE RTLD_NOW
#endif

typedef void muv007_fn(const double *, const int64_t *, const int64_t *, const double *, const int64_t *,
                       double *, double *, double *, double *, double *, double *, const kova_word *);

int main(int argc, char **argv) {
  if (argc != 2) return 2;
  void *lib = dlopen(argv[1], KOVA_DLOPEN_MODE | RTLD_LOCAL);
  if (!lib) {
    fprintf(stderr, "dlopen: %s\n", dlerror());
    return 1;
  }
  muv007_fn *muv007 = (muv007_fn *)dlsym(lib, "KOVA_MUV007");
  if (!muv007) return 1;

  const double r_gas = 8314.46; /* J/(kmol K) */
  memcpy(&NORVA_PPGLOB[2], &r_gas, 8);
  const double marker = 1.0e35, small = 1.0e-10;
  const int64_t trace_unit = 6;
  memcpy(&ZEL_PPRIV[0], &marker, 8), memcpy(&ZEL_PPRIV[1], &small, 8), memcpy(&ZEL_PPRIV[8], &trace_unit, 8);
  memset(ZEL_ERROUT, ' ', sizeof ZEL_ERROUT);

  const double t = 300.0, vv[1] = {0.3};
  const int64_t n = 1, idx[1] = {1}, kdiag = 4;
  double tc[1] = {marker}, zc[1] = {0.279}, vc[1] = {0.1455}, mw[1] = {30.07}, flag[1] = {0.0}, muvpc[1] = {0.0};
  kova_word cid[2];
  memcpy(cid[0].c, "ETHA    ", 8), memcpy(cid[1].c, "NE      ", 8);
  muv007(&t, &n, idx, vv, &kdiag, muvpc, tc, zc, vc, mw, flag, cid);

  int failures = 0;
  if (!(tc[0] == 507.4)) ++failures, fprintf(stderr, "default TC %.17g\n", tc[0]);
  if (!(muvpc[0] > 0.0 && isfinite(muvpc[0]))) ++failures, fprintf(stderr, "MUVPC %.17g\n", muvpc[0]);
  if (n_gate != 1 || gate_cls != 1 || n_print != 1 ||
      strncmp(printed[1], "      TC (DATA SET 1) MISSING FOR COMPONENT ETHANE", 50) != 0)
    ++failures, fprintf(stderr, "gate calls %d, class %lld, prints %d, line 2 [%s]\n", n_gate,
                        (long long)gate_cls, n_print, printed[1]);
  if (failures) return 1;
  printf("C host loading by path: default TC %.1f K, MUVPC = %.6e Pa s, message [%s]\n", tc[0], muvpc[0],
         printed[1] + 6);
  return 0;
}
