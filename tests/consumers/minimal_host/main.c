/* The smallest host: the host blocks, the diagnostic gate and the print request, nothing
   else, linked with the installed libkova and no special linker flags. Water surface tension
   needs nothing more; the Dawson-Khoury-Kobayashi diffusivity needs the host's equation of
   state SIRK_ES01, which this host lacks: the library reports that through the gate (class 2,
   naming the routine) and returns zero instead of calling a null address. */
#include <kova/host.h>
#include <kova/kova.h>

#include <math.h>
#include <stdio.h>
#include <string.h>

kova_word ZEL_PPRIV[64], ZEL_ERRTWO[64], ZEL_GLOBAL[64], ZEL_RGLOB[16], ZEL_NCOMP[4];
kova_word ZEL_ERROUT[100], ZEL_PLEX[1 << 16], ZEL_IPOFF1[1024], NORVA_PPGLOB[16], LUMENA_CRICH4[8];

static int n_class2;
static char printed[10 * 80 + 1];

int64_t ZEL_IRRCHK(const char *id, const int64_t *cls, const int64_t *num, const int64_t *kdiag,
                   const kova_word *hostword, const int64_t *zero, const int64_t *one, const void *closing) {
  (void)id, (void)num, (void)kdiag, (void)hostword, (void)zero, (void)one, (void)closing;
  if (*cls == 2) ++n_class2;
  return 1;
}

void ZEL_ERRPRT(const int64_t *nlines) {
  const int64_t n = *nlines < 10 ? *nlines : 10;
  memcpy(printed, ZEL_ERROUT[0].c, (size_t)(80 * n));
  printed[80 * n] = '\0';
}

int main(void) {
  const double r_gas = 8314.46; /* J/(kmol K) */
  memcpy(&NORVA_PPGLOB[2], &r_gas, 8);
  const double marker = 1.0e35;
  memcpy(&ZEL_PPRIV[0], &marker, 8);
  memset(ZEL_ERROUT, ' ', sizeof ZEL_ERROUT);
  int failures = 0;

  /* Water at 300 K: 71.69 mN/m in the IAPWS surface-tension release's table. */
  const double t = 300.0;
  const int64_t one = 1;
  double sigma = 0.0;
  kova_word cform[3];
  memcpy(cform[0].c, "H2O     ", 8), memcpy(cform[1].c, "        ", 8), memcpy(cform[2].c, "        ", 8);
  KOVA_SIG003(&t, &one, &one, &one, NULL, NULL, NULL, NULL, &sigma, cform);
  if (!(fabs(sigma - 0.07169) <= 2e-4 * 0.07169)) ++failures, fprintf(stderr, "sigma %.17g\n", sigma);

  /* Nitrogen (1) and methane (2) at 5 MPa from 1 atm. */
  const double x[2] = {0.5, 0.5}, p = 5.0e6, p0 = 101325.0, dv0[4] = {0.0, 2.2e-5, 2.2e-5, 0.0};
  const int64_t n = 2, idx[2] = {1, 2}, kdiag = 2, idset = 1;
  int64_t ipair[2] = {0, 0};
  double ypair[2] = {0.0, 0.0}, dv[4] = {-1.0, -1.0, -1.0, -1.0};
  double mw[2] = {28.014, 16.043}, vc[2] = {0.0895, 0.0986}, flag[2] = {0.0, 0.0};
  kova_word cid[4];
  memcpy(cid[0].c, "NITR    ", 8), memcpy(cid[1].c, "OGEN    ", 8), memcpy(cid[2].c, "METH    ", 8),
      memcpy(cid[3].c, "ANE     ", 8);
  KOVA_DV002(x, &n, idx, &t, &p, &p0, ipair, ypair, dv0, &kdiag, dv, &idset, mw, vc, flag, cid, NULL, NULL, NULL,
             NULL, NULL);
  if (n_class2 < 1 || strstr(printed, "SIRK_ES01") == NULL)
    ++failures, fprintf(stderr, "class-2 gate calls %d, printed [%s]\n", n_class2, printed);
  /* Not calculated: every coefficient is zero, none left as it was. */
  for (int k = 0; k < 4; ++k)
    if (dv[k] != 0.0) ++failures, fprintf(stderr, "DV[%d] = %g\n", k, dv[k]);

  if (failures) return 1;
  printf("C host without property routines: sigma(300 K) = %.5f N/m; DV002 reported [%s]\n", sigma,
         strstr(printed, "SIRK_ES01") ? "SIRK_ES01 missing" : "");
  return 0;
}
