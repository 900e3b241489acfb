// The host's ideal-gas heat-capacity model as the corresponding-states conductivity reaches
// it: LUMENA_IDLGSF gives the store positions of the model's parameter blocks, LUMENA_IDLGS1
// evaluates Cp of each listed component from those blocks.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "databank.h"
#include "faults.h"
#include "kova/host.h"
#include "methane_eos.h"
#include "refhost.h"
#include "trapp_host.h"

namespace {

// Universal gas constant of the databank's Cp/R polynomials, J/(kmol K).
constexpr double kRcp = 8314.462618;

// The blocks of the ideal-gas model, in the order of the positions LUMENA_IDLGSF returns:
// the polynomial coefficients a0..a4 of Cp/R and its temperature range. The other 40
// positions name the spare block (forms of the model the databank does not carry).
constexpr const char* kCpBlocks[7] = {"CPIG_A0", "CPIG_A1", "CPIG_A2", "CPIG_A3", "CPIG_A4", "CPIG_TMIN",
                                      "CPIG_TMAX"};

double word_real(const kova_word* w) {
  double v;
  std::memcpy(&v, w, 8);
  return v;
}

thread_local kova::refhost::IdealGasCall g_last;

}  // namespace

const kova::refhost::IdealGasCall& kova::refhost::last_ideal_gas_call() { return g_last; }

extern "C" void LUMENA_IDLGSF(const std::int64_t*, std::int64_t* p1, std::int64_t* p2, std::int64_t* p3,
                              std::int64_t* p4, std::int64_t* p5, std::int64_t* p6, std::int64_t* p7,
                              std::int64_t* p8, std::int64_t* p9, std::int64_t* p10, std::int64_t* p11,
                              std::int64_t* p12, std::int64_t* p13, std::int64_t* p14, std::int64_t* p15,
                              std::int64_t* p16, std::int64_t* p17, std::int64_t* p18, std::int64_t* p19,
                              std::int64_t* p20, std::int64_t* p21, std::int64_t* p22, std::int64_t* p23,
                              std::int64_t* p24, std::int64_t* p25, std::int64_t* p26, std::int64_t* p27,
                              std::int64_t* p28, std::int64_t* p29, std::int64_t* p30, std::int64_t* p31,
                              std::int64_t* p32, std::int64_t* p33, std::int64_t* p34, std::int64_t* p35,
                              std::int64_t* p36, std::int64_t* p37, std::int64_t* p38, std::int64_t* p39,
                              std::int64_t* p40, std::int64_t* p41, std::int64_t* p42, std::int64_t* p43,
                              std::int64_t* p44, std::int64_t* p45, std::int64_t* p46, std::int64_t* p47) {
  std::int64_t* out[47] = {p1,  p2,  p3,  p4,  p5,  p6,  p7,  p8,  p9,  p10, p11, p12, p13, p14, p15, p16,
                           p17, p18, p19, p20, p21, p22, p23, p24, p25, p26, p27, p28, p29, p30, p31, p32,
                           p33, p34, p35, p36, p37, p38, p39, p40, p41, p42, p43, p44, p45, p46, p47};
  const auto position = [](std::int64_t block) {
    std::int64_t off;
    std::memcpy(&off, &ZEL_IPOFF1[block], 8);
    return off + 1;
  };
  for (int k = 0; k < 47; ++k)
    *out[k] = position(k < 7 ? kova::refhost::store_block(kCpBlocks[k]) : kova::refhost::store_spare_block());
}

extern "C" void LUMENA_IDLGS1(const double* t, const double*, const std::int64_t* n, const std::int64_t* idx,
                              const std::int64_t*, const std::int64_t*, const std::int64_t*,
                              const std::int64_t*, const std::int64_t*, const std::int64_t*,
                              const std::int64_t*, const std::int64_t*, double*, double*, double*, double* cp,
                              double*, double*, double*, double*, double*, double*, double*, double*,
                              const kova_word* b1, const kova_word* b2, const kova_word* b3,
                              const kova_word* b4, const kova_word* b5, const kova_word* b6,
                              const kova_word* b7, const kova_word*, const kova_word*, const kova_word*,
                              const kova_word*, const kova_word*, const kova_word*, const kova_word*,
                              const kova_word*, const kova_word*, const kova_word*, const kova_word*,
                              const kova_word*, const kova_word*, const kova_word*, const kova_word*,
                              const kova_word*, const kova_word*, const kova_word*, const kova_word*,
                              const kova_word*, const kova_word*, const kova_word*, const kova_word*,
                              const kova_word*, const kova_word*, const kova_word*, const kova_word*,
                              const kova_word*, const kova_word*, const kova_word*, const kova_word*,
                              const kova_word*, const kova_word*, const kova_word*, const kova_word*,
                              const kova_word*, const kova_word*, const kova_word*, const kova_word*,
                              const kova_word*, const kova_word* b48, double*, const kova_word* q1,
                              const std::int64_t* k1, const kova_word* q2, const std::int64_t* k2,
                              const kova_word* q3, const std::int64_t* k3, const kova_word* q4,
                              const std::int64_t* k4) {
  g_last = kova::refhost::IdealGasCall{*t, *n, b1, b48, {q1, q2, q3, q4}, {*k1, *k2, *k3, *k4}};
  const kova::refhost::faults::Outputs fault(kova::refhost::faults::Routine::Idlgs1, cp,
                                            static_cast<std::size_t>(*n > 0 ? *n : 0));
  const kova_word* coef[5] = {b1, b2, b3, b4, b5};
  for (std::int64_t j = 0; j < *n; ++j) {
    const std::int64_t c = idx[j] - 1;
    double a[5];
    bool complete = true;
    for (int k = 0; k < 5; ++k) {
      a[k] = word_real(coef[k] + c);
      if (a[k] == kova::refhost::kMissing) complete = false;
    }
    if (!complete) {  // no ideal-gas data: the monatomic value, 5/2 R
      cp[j] = 2.5 * kRcp;
      continue;
    }
    // Outside the fitted range the polynomial is evaluated at the nearer end of it.
    double tt = *t;
    const double tmin = word_real(b6 + c), tmax = word_real(b7 + c);
    if (tmin != kova::refhost::kMissing && tt < tmin) tt = tmin;
    if (tmax != kova::refhost::kMissing && tt > tmax) tt = tmax;
    cp[j] = kRcp * (a[0] + tt * (a[1] + tt * (a[2] + tt * (a[3] + tt * a[4]))));
  }
}
