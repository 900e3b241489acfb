// A databank component set prepared for the corresponding-states routines: parameter arrays,
// flags, identifiers and work storage, with helpers that call the exported routines.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "databank.h"
#include "kova/kova.h"
#include "refhost.h"

namespace kova::testing {

struct TrappSet {
  refhost::ComponentSet set;
  std::vector<double> tc, pc, vc, zc, omega, mw, flag;
  std::vector<kova_word> cid;
  std::vector<double> work = std::vector<double>(4096, 0.0);
  std::vector<std::int64_t> iptr = std::vector<std::int64_t>(10, 0);
  std::int64_t kdiag = 0, idset = 1, kconv = -1;

  explicit TrappSet(const std::vector<std::string>& names)
      : set(refhost::ComponentSet::of(names)),
        tc(set.param("TC")),
        pc(set.param("PC")),
        vc(set.param("VC")),
        zc(set.param("ZC")),
        omega(set.param("OMEGA")),
        mw(set.param("MW")),
        flag(set.flags()),
        cid(set.cid()) {
    set.install();
  }

  // Mixture viscosity (Pa s) through KOVA_MUV203 (kvl 1) or KOVA_MUL204 (kvl 2).
  double mu(std::int64_t kvl, double t, double p, std::vector<double> x, std::vector<std::int64_t> idx = {},
            std::int64_t kcalc = 1) {
    if (idx.empty()) idx = set.all();
    const std::int64_t n = static_cast<std::int64_t>(idx.size());
    double out = -1.0;
    (kvl == 1 ? KOVA_MUV203 : KOVA_MUL204)(&t, &p, x.data(), &n, &kcalc, idx.data(), work.data(), iptr.data(),
                                           &kdiag, &idset, &out, nullptr, cid.data(), tc.data(), pc.data(),
                                           vc.data(), zc.data(), omega.data(), flag.data(), mw.data());
    return out;
  }
  // Mixture thermal conductivity (W/(m K)) through KOVA_KV203 (kvl 1) or KOVA_KL202 (kvl 2).
  double k(std::int64_t kvl, double t, double p, std::vector<double> x, std::vector<std::int64_t> idx = {},
           std::int64_t kcalc = 1) {
    if (idx.empty()) idx = set.all();
    const std::int64_t n = static_cast<std::int64_t>(idx.size());
    double out = -1.0;
    (kvl == 1 ? KOVA_KV203 : KOVA_KL202)(&t, &p, x.data(), &n, &kcalc, idx.data(), nullptr, nullptr, &kdiag,
                                         &idset, &out, &kconv, zc.data(), mw.data(), tc.data(), pc.data(),
                                         vc.data(), omega.data(), flag.data(), cid.data(), work.data(),
                                         iptr.data());
    return out;
  }
  // A pure component (component number c) at (t, p).
  double mu_pure(std::int64_t kvl, double t, double p, std::int64_t c = 1) { return mu(kvl, t, p, {1.0}, {c}); }
  double k_pure(std::int64_t kvl, double t, double p, std::int64_t c = 1) { return k(kvl, t, p, {1.0}, {c}); }
};

}  // namespace kova::testing
