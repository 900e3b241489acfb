/* Loads the installed reference host by path with dlopen, as a program that picks its host at
   run time does: the host brings libkova with it, and opening libkova afterwards gives the
   same library. Usage: load_host <libdir> */
#define _POSIX_C_SOURCE 200809L
#include <kova/kova.h>

#include <dlfcn.h>
#include <math.h>
#include <stdio.h>
#include <string.h>

typedef void sig003_fn(const double *, const int64_t *, const int64_t *, const int64_t *, const void *,
                       const void *, const void *, const void *, double *, const kova_word *);

int main(int argc, char **argv) {
  if (argc != 2) return 2;
  char path[4096];
  snprintf(path, sizeof path, "%s/libkovahost.so.0", argv[1]);
  void *host = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (!host) {
    fprintf(stderr, "dlopen host: %s\n", dlerror());
    return 1;
  }
  snprintf(path, sizeof path, "%s/libkova.so.0", argv[1]);
  void *lib = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (!lib) {
    fprintf(stderr, "dlopen library after the host: %s\n", dlerror());
    return 1;
  }
  sig003_fn *sig003 = (sig003_fn *)dlsym(lib, "KOVA_SIG003");
  if (!sig003 || dlsym(host, "KOVA_SIG003") != (void *)sig003) {
    fprintf(stderr, "KOVA_SIG003 not found, or two copies of the library\n");
    return 1;
  }
  const double t = 300.0;
  const int64_t one = 1;
  double sigma = 0.0;
  kova_word cform[3];
  memcpy(cform[0].c, "H2O     ", 8), memcpy(cform[1].c, "        ", 8), memcpy(cform[2].c, "        ", 8);
  sig003(&t, &one, &one, &one, NULL, NULL, NULL, NULL, &sigma, cform);
  if (!(fabs(sigma - 0.07169) <= 2e-4 * 0.07169)) {
    fprintf(stderr, "water surface tension %.17g\n", sigma);
    return 1;
  }
  printf("dlopen of the host: libkova came with it, sigma(300 K) = %.5f N/m\n", sigma);
  return 0;
}
