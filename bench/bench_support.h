// Shared set-up of the benchmarks: a quiet reference host and databank component sets.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "databank.h"
#include "refhost.h"

namespace kova::bench {

// The first n databank components (cycling when n exceeds the databank), with the
// parameter arrays of the named columns and every check flag already set, as a host has
// them after the first call: the common path, with no messages.
struct Mixture {
  explicit Mixture(std::int64_t n) {
    kova::refhost::reset();
    kova::refhost::keep_record(false);
    std::vector<const kova::refhost::Component*> members;
    const auto& db = kova::refhost::databank();
    for (std::int64_t i = 0; i < n; ++i) members.push_back(&db[static_cast<std::size_t>(i) % db.size()]);
    set = std::make_unique<kova::refhost::ComponentSet>(members);
    set->install();
    idx = set->all();
    x.assign(static_cast<std::size_t>(n), 1.0 / static_cast<double>(n));
    flags.assign(static_cast<std::size_t>(n), 1.0);
    cid = set->cid();
    cform = set->cform();
    count = n;
  }
  std::vector<double> param(const char* column) const { return set->param(column); }

  std::unique_ptr<kova::refhost::ComponentSet> set;
  std::vector<std::int64_t> idx;
  std::vector<double> x, flags;
  std::vector<kova_word> cid, cform;
  std::int64_t count = 0;
};

// Benchmark sizes: the pure component and mixtures of 2, 5, 10 and 50 components for
// routines that mix; the pure component and ten components for routines that evaluate each
// listed component on its own (their time is linear in N by construction).
inline void mixture_sizes(benchmark::internal::Benchmark* b) {
  for (std::int64_t n : {1, 2, 5, 10, 50}) b->Arg(n);
}
inline void list_sizes(benchmark::internal::Benchmark* b) {
  for (std::int64_t n : {1, 10}) b->Arg(n);
}

// A component set with its parameter arrays, every flag set (the common path) and storage
// for the engines.
struct TrappCase {
  explicit TrappCase(const std::vector<std::string>& names, std::vector<double> fractions)
      : set(kova::refhost::ComponentSet::of(names)), x(std::move(fractions)) {
    kova::refhost::reset();
    kova::refhost::keep_record(false);
    set.install();
    idx = set.all();
    n = set.size();
    tc = set.param("TC"), pc = set.param("PC"), vc = set.param("VC"), zc = set.param("ZC");
    omega = set.param("OMEGA"), mw = set.param("MW");
    flag.assign(static_cast<std::size_t>(n), 1.0);
    cid = set.cid();
    work.assign(static_cast<std::size_t>(4 * n + 2 + 5 * n * (n + 1) / 2 + 3 * n), 0.0);
    iptr.assign(10, 0);
  }
  kova::refhost::ComponentSet set;
  std::vector<double> x, tc, pc, vc, zc, omega, mw, flag, work;
  std::vector<std::int64_t> idx, iptr;
  std::vector<kova_word> cid;
  std::int64_t n = 0, kdiag = 0, idset = 1, kcalc = 1, kconv = 0;
};

// The five-alkane vapour mixture of the TRAPP tables (methane to n-hexane).
inline TrappCase trapp_alkanes() {
  return TrappCase({"methane", "ethane", "propane", "n-butane", "n-hexane"}, {0.4, 0.2, 0.15, 0.15, 0.1});
}

}  // namespace kova::bench
