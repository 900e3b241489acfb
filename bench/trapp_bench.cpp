// Corresponding-states (TRAPP) routines through libkova: calls per second for a pure
// component and a five-component mixture in each phase, with the number of calls of the
// host's methane equation of state (SIRK_ES34) per library call and the share of the time
// spent in it.
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "bench_support.h"
#include "kova/kova.h"
#include "methane_eos.h"

namespace {

using kova::bench::TrappCase;

TrappCase pure() { return TrappCase({"n-hexane"}, {1.0}); }
TrappCase mixture() { return kova::bench::trapp_alkanes(); }

// The first n databank components in equal fractions (cycling past the end of the databank).
TrappCase first(std::int64_t n) {
  const auto& db = kova::refhost::databank();
  std::vector<std::string> names;
  for (std::int64_t i = 0; i < n; ++i) names.push_back(db[static_cast<std::size_t>(i) % db.size()].name);
  return TrappCase(names, std::vector<double>(static_cast<std::size_t>(n), 1.0 / static_cast<double>(n)));
}

// States: vapour and liquid, for the pure component (n-hexane, Tc 507.6 K) and the mixture.
struct State {
  double t, p;
};
State state_of(bool mix, std::int64_t kvl) {
  if (kvl == 1) return mix ? State{400.0, 2e6} : State{500.0, 0.5e6};
  return mix ? State{200.0, 5e6} : State{300.0, 1e5};
}

// Runs call() in the benchmark loop and reports calls per second, SIRK_ES34 calls per library
// call and the estimated share of the time spent in them.
template <class Call>
void run(benchmark::State& st, std::int64_t, Call&& call) {
  namespace m = kova::refhost::methane;
  const std::int64_t calls0 = m::es34_calls();
  const double es34_0 = m::es34_seconds();
  m::time_es34(true);
  const auto a = std::chrono::steady_clock::now();
  for (auto _ : st) call();
  const auto b = std::chrono::steady_clock::now();
  m::time_es34(false);
  const double iterations = static_cast<double>(st.iterations());
  const double wall = std::chrono::duration<double>(b - a).count();
  st.SetItemsProcessed(st.iterations());
  st.counters["es34_per_call"] = static_cast<double>(m::es34_calls() - calls0) / iterations;
  st.counters["es34_share"] = wall > 0 ? (m::es34_seconds() - es34_0) / wall : 0.0;
}

void BM_MUVL01(benchmark::State& st) {
  const bool mix = st.range(0) != 0;
  const std::int64_t kvl = st.range(1);
  TrappCase c = mix ? mixture() : pure();
  const State s = state_of(mix, kvl);
  double mu = 0.0;
  run(st, kvl, [&] {
    KOVA_MUVL01(&s.t, &s.p, c.x.data(), &c.n, c.idx.data(), &c.idset, &c.kdiag, c.work.data(), c.iptr.data(), &kvl,
                &c.kcalc, &mu, nullptr, c.cid.data(), c.tc.data(), c.pc.data(), c.vc.data(), c.zc.data(),
                c.omega.data(), c.flag.data(), c.mw.data());
    benchmark::DoNotOptimize(mu);
  });
}

// The per-component viscosity wrappers (one engine call per listed component).
void BM_MU_each(benchmark::State& st) {
  const bool mix = st.range(0) != 0;
  const std::int64_t kvl = st.range(1);
  TrappCase c = mix ? mixture() : pure();
  const State s = state_of(mix, kvl);
  std::vector<double> p(static_cast<std::size_t>(c.n), s.p), out(static_cast<std::size_t>(c.n));
  const auto fn = kvl == 1 ? KOVA_MUV003 : KOVA_MUL003;
  run(st, kvl, [&] {
    fn(&s.t, p.data(), &c.n, &c.kcalc, c.idx.data(), c.work.data(), c.iptr.data(), &c.kdiag, &c.idset, out.data(),
       nullptr, c.cid.data(), c.tc.data(), c.pc.data(), c.vc.data(), c.zc.data(), c.omega.data(), c.flag.data(),
       c.mw.data());
    benchmark::DoNotOptimize(out.data());
  });
}

// The mixture viscosity wrappers.
void BM_MU_mix(benchmark::State& st) {
  const bool mix = st.range(0) != 0;
  const std::int64_t kvl = st.range(1);
  TrappCase c = mix ? mixture() : pure();
  const State s = state_of(mix, kvl);
  const auto fn = kvl == 1 ? KOVA_MUV203 : KOVA_MUL204;
  double out = 0.0;
  run(st, kvl, [&] {
    fn(&s.t, &s.p, c.x.data(), &c.n, &c.kcalc, c.idx.data(), c.work.data(), c.iptr.data(), &c.kdiag, &c.idset, &out,
       nullptr, c.cid.data(), c.tc.data(), c.pc.data(), c.vc.data(), c.zc.data(), c.omega.data(), c.flag.data(),
       c.mw.data());
    benchmark::DoNotOptimize(out);
  });
}

// The per-component conductivity wrappers.
void BM_K_each(benchmark::State& st) {
  const bool mix = st.range(0) != 0;
  const std::int64_t kvl = st.range(1);
  TrappCase c = mix ? mixture() : pure();
  const State s = state_of(mix, kvl);
  std::vector<double> p(static_cast<std::size_t>(c.n), s.p), out(static_cast<std::size_t>(c.n));
  const auto fn = kvl == 1 ? KOVA_KV004 : KOVA_KL003;
  run(st, kvl, [&] {
    fn(&s.t, p.data(), &c.n, &c.kcalc, c.idx.data(), nullptr, nullptr, &c.kdiag, &c.idset, out.data(), &c.kconv,
       c.zc.data(), c.mw.data(), c.tc.data(), c.pc.data(), c.vc.data(), c.omega.data(), c.flag.data(), c.cid.data(),
       c.work.data(), c.iptr.data());
    benchmark::DoNotOptimize(out.data());
  });
}

// The mixture conductivity wrappers.
void BM_K_mix(benchmark::State& st) {
  const bool mix = st.range(0) != 0;
  const std::int64_t kvl = st.range(1);
  TrappCase c = mix ? mixture() : pure();
  const State s = state_of(mix, kvl);
  const auto fn = kvl == 1 ? KOVA_KV203 : KOVA_KL202;
  double out = 0.0;
  run(st, kvl, [&] {
    fn(&s.t, &s.p, c.x.data(), &c.n, &c.kcalc, c.idx.data(), nullptr, nullptr, &c.kdiag, &c.idset, &out, &c.kconv,
       c.zc.data(), c.mw.data(), c.tc.data(), c.pc.data(), c.vc.data(), c.omega.data(), c.flag.data(), c.cid.data(),
       c.work.data(), c.iptr.data());
    benchmark::DoNotOptimize(out);
  });
}

// The mixture routine over the first n databank components at 400 K and 2 MPa (vapour) and
// 250 K and 5 MPa (liquid): how the time grows with the number of components.
void BM_MUVL01_size(benchmark::State& st) {
  const std::int64_t kvl = st.range(1);
  TrappCase c = first(st.range(0));
  const State s = kvl == 1 ? State{400.0, 2e6} : State{250.0, 5e6};
  double mu = 0.0;
  run(st, kvl, [&] {
    KOVA_MUVL01(&s.t, &s.p, c.x.data(), &c.n, c.idx.data(), &c.idset, &c.kdiag, c.work.data(), c.iptr.data(), &kvl,
                &c.kcalc, &mu, nullptr, c.cid.data(), c.tc.data(), c.pc.data(), c.vc.data(), c.zc.data(),
                c.omega.data(), c.flag.data(), c.mw.data());
    benchmark::DoNotOptimize(mu);
  });
}

// The host's methane equation of state alone, vapour and liquid, for scale.
void BM_SIRK_ES34(benchmark::State& st) {
  const std::int64_t kvl = st.range(0);
  const double t0 = kvl == 1 ? 250.0 : 100.0, p0 = kvl == 1 ? 2e6 : 1e6;
  for (auto _ : st) benchmark::DoNotOptimize(kova::refhost::methane::methane_volume(t0, p0, kvl));
  st.SetItemsProcessed(st.iterations());
}

// Arguments: {0 pure n-hexane | 1 five-component mixture, phase flag 1 vapour | 2 liquid}.
void phases(benchmark::internal::Benchmark* b) {
  b->ArgNames({"mixture", "kvl"});
  for (int mix : {0, 1})
    for (int kvl : {1, 2}) b->Args({mix, kvl});
}

BENCHMARK(BM_MUVL01)->Apply(phases);
BENCHMARK(BM_MU_each)->Apply(phases);
BENCHMARK(BM_MU_mix)->Apply(phases);
BENCHMARK(BM_K_each)->Apply(phases);
BENCHMARK(BM_K_mix)->Apply(phases);
BENCHMARK(BM_MUVL01_size)->ArgNames({"n", "kvl"})->ArgsProduct({{2, 5, 10, 50}, {1, 2}});
BENCHMARK(BM_SIRK_ES34)->Arg(1)->Arg(2);

}  // namespace
