/* A C program built with `pkg-config --cflags --libs kova kovahost` only, linked in either
   order of the two libraries: the reference host provides the host blocks and routines.
   Dean-Stiel mixture viscosity correction of methane and ethane, and water surface tension. */
#include <kova/kova.h>

#include <math.h>
#include <stdio.h>
#include <string.h>

static int failures;
static void check(int ok, const char *what) {
  if (!ok) {
    fprintf(stderr, "check failed: %s\n", what);
    ++failures;
  }
}

static void word(kova_word *w, const char *text) { memcpy(w->c, text, 8); }

int main(void) {
  /* Methane (1) and ethane (2), published critical constants, mixture at 0.4 m3/kmol. */
  const double t = 300.0, x[2] = {0.6, 0.4}, vvmx = 0.4;
  const int64_t n = 2, idx[2] = {1, 2}, kdiag = 0;
  double tc[2] = {190.56, 305.32}, zc[2] = {0.286, 0.279}, vc[2] = {0.0986, 0.1455};
  double mw[2] = {16.043, 30.07}, flag[2] = {0.0, 0.0}, muvxpc = 0.0;
  kova_word cid[4];
  word(&cid[0], "METH    "), word(&cid[1], "ANE     "), word(&cid[2], "ETHA    "), word(&cid[3], "NE      ");
  KOVA_MUV205(&t, x, &n, idx, &vvmx, &kdiag, &muvxpc, tc, zc, vc, mw, flag, cid);
  check(fabs(muvxpc - 1.661407852487046e-06) <= 1e-12 * 1.66e-06, "methane-ethane MUVXPC");

  /* Water at 300 K: 71.69 mN/m in the IAPWS surface-tension release's table. */
  const int64_t one = 1, kcalc = 1;
  double sigma = 0.0;
  kova_word cform[3];
  word(&cform[0], "H2O     "), word(&cform[1], "        "), word(&cform[2], "        ");
  KOVA_SIG003(&t, &one, &kcalc, &one, NULL, NULL, NULL, NULL, &sigma, cform);
  check(fabs(sigma - 0.07169) <= 2e-4 * 0.07169, "water surface tension at 300 K");

  if (failures) return 1;
  printf("C (pkg-config): MUVXPC = %.6e Pa s, water sigma(300 K) = %.5f N/m\n", muvxpc, sigma);
  return 0;
}
