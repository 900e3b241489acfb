// The library called from C++ with the reference host providing every host symbol: Dean-Stiel
// pressure correction of ethane, then the same with its critical temperature missing (the
// model's default is written back and the message reaches the host's record).
#include <kova/kova.h>
#include <kova/refhost.h>

#include <cmath>
#include <cstdio>
#include <cstring>

static int failures = 0;
static void check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "check failed: %s\n", what);
    ++failures;
  }
}

int main() {
  kova::refhost::reset();
  const double marker = kova::refhost::kMissing;
  const double t = 300.0, vv[1] = {0.3};
  const std::int64_t n = 1, idx[1] = {1}, kdiag = 4;
  double tc[1] = {305.32}, zc[1] = {0.279}, vc[1] = {0.1455}, mw[1] = {30.07}, flag[1] = {0.0};
  double muvpc[1] = {0.0};
  kova_word cid[2];
  std::memcpy(cid[0].c, "ETHA", 4), std::memcpy(cid[0].c + 4, "    ", 4);
  std::memcpy(cid[1].c, "NE  ", 4), std::memcpy(cid[1].c + 4, "    ", 4);

  KOVA_MUV007(&t, &n, idx, vv, &kdiag, muvpc, tc, zc, vc, mw, flag, cid);
  const double ethane = muvpc[0];
  check(std::fabs(ethane - 3.8026759133243884e-06) <= 1e-12 * 3.8e-06, "ethane excess viscosity");
  check(kova::refhost::record().printed.empty(), "no message with every parameter present");

  tc[0] = marker, flag[0] = 0.0;
  KOVA_MUV007(&t, &n, idx, vv, &kdiag, muvpc, tc, zc, vc, mw, flag, cid);
  check(tc[0] == 507.4, "default critical temperature written back");
  const auto& printed = kova::refhost::record().printed;
  check(printed.size() == 1 && printed[0].lines.size() == 2 &&
            printed[0].lines[1].rfind("      TC (DATA SET 1) MISSING FOR COMPONENT ETHANE", 0) == 0,
        "missing-parameter message received by the host");

  if (failures) return 1;
  std::printf("C++ (CMake package): ethane MUVPC = %.6e Pa s, default TC %.1f K reported\n", ethane, tc[0]);
  return 0;
}
