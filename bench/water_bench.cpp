// Water routines through libkova: one state per phase and one near the critical point, each
// beside a bare evaluation of the 1985 formulas at the same (T, rho) with the density given,
// so that the cost of the host's equation of state and of the routine is a ratio in one
// run. The counters report the host's equation-of-state work per library call.
#include <chrono>
#include <cmath>

#include "bench_support.h"
#include "kova/kova.h"
#include "water_host.h"
// The bare evaluations use the library's own formula functions, which libkova does not
// export: compile them into the benchmark.
#include "water/iapws85.cpp"  // NOLINT(bugprone-suspicious-include)
#include "water/surface_tension.cpp"  // NOLINT(bugprone-suspicious-include)

namespace {

using Routine = void (*)(const double*, const double*, const std::int64_t*, const std::int64_t*, const std::int64_t*,
                         const std::int64_t*, const void*, double*, const kova_word*);

struct State {
  double t, p;
};
// Liquid at 298.15 K and 1 atm, steam at 573.15 K and 1 MPa, a near-critical vapour at
// 647.5 K and 22.16 MPa (inside the critical box: the scaled equation is used).
constexpr State kLiquid{298.15, 101325.0}, kVapour{573.15, 1e6}, kCritical{647.5, 22.16e6};

void run(benchmark::State& state, Routine fn, State s) {
  kova::bench::Mixture m(1);
  kova::refhost::keep_record(false);
  const std::vector<kova_word> cform{kova::refhost::pack_word("H2O"), kova::refhost::pack_word(""),
                                     kova::refhost::pack_word("")};
  const std::int64_t n = 1, kcalc = 1, idx = 1, kdiag = 0;
  double out = 0.0;
  kova::refhost::reset_water_calls();
  const double host0 = kova::refhost::water_seconds();
  kova::refhost::time_water(true);
  const auto a = std::chrono::steady_clock::now();
  for (auto _ : state) {
    fn(&s.t, &s.p, &n, &kcalc, &idx, &kdiag, nullptr, &out, cform.data());
    benchmark::DoNotOptimize(out);
  }
  const auto b = std::chrono::steady_clock::now();
  kova::refhost::time_water(false);
  const auto calls = kova::refhost::water_calls();
  const double per = 1.0 / static_cast<double>(state.iterations());
  const double wall = std::chrono::duration<double>(b - a).count();
  state.counters["ES15/call"] = static_cast<double>(calls.es15) * per;
  state.counters["PSATWI/call"] = static_cast<double>(calls.psat) * per;
  // Share of the time inside the host's ES15 and PSATWI (wall clock on both sides).
  state.counters["host_share"] = wall > 0 ? (kova::refhost::water_seconds() - host0) / wall : 0.0;
  state.SetItemsProcessed(state.iterations());
}

// mu* mu0 mu1 and lambda* (lambda0 lambda1) at a given reduced density: the formulas alone.
void bare(benchmark::State& state, double t, double rho, bool conductivity) {
  kova::bench::Mixture m(1);
  const auto ref = kova::water::reference(KOVA_REFH2O);
  double l[4], lij[30];
  for (int k = 0; k < 4; ++k) l[k] = kova::water::block_word(KOVA_H2OKS1, 1 + k);
  for (int k = 0; k < 30; ++k) lij[k] = kova::water::block_word(KOVA_H2OKS1, 5 + k);
  for (auto _ : state) {
    const double tbar = t / ref.tstar, rhobar = rho / ref.rhostar;
    double v;
    if (conductivity) {
      v = ref.lambdastar * kova::water::conductivity_dilute(tbar, l) * kova::water::conductivity_residual(tbar, rhobar, lij);
    } else {
      const auto rv = kova::water::reduced_viscosity(tbar, rhobar, KOVA_H2OMU1);
      v = ref.mustar * rv.mu0 * rv.mu1;
    }
    benchmark::DoNotOptimize(v);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_MUL004_liquid(benchmark::State& s) { run(s, KOVA_MUL004, kLiquid); }
void BM_MUV004_vapour(benchmark::State& s) { run(s, KOVA_MUV004, kVapour); }
void BM_MUV004_near_critical(benchmark::State& s) { run(s, KOVA_MUV004, kCritical); }
void BM_mu_bare(benchmark::State& s) { bare(s, 298.15, 997.0, false); }
void BM_KL004_liquid(benchmark::State& s) { run(s, KOVA_KL004, kLiquid); }
void BM_KV005_vapour(benchmark::State& s) { run(s, KOVA_KV005, kVapour); }
void BM_KV005_near_critical(benchmark::State& s) { run(s, KOVA_KV005, kCritical); }
void BM_lambda_bare(benchmark::State& s) { bare(s, 298.15, 997.0, true); }

void BM_SIG003(benchmark::State& state) {
  const std::vector<kova_word> cform{kova::refhost::pack_word("H2O"), kova::refhost::pack_word(""),
                                     kova::refhost::pack_word("")};
  const double t = 350.0;
  const std::int64_t n = 1, kcalc = 1, idx = 1;
  double out = 0.0;
  for (auto _ : state) {
    KOVA_SIG003(&t, &n, &kcalc, &idx, nullptr, nullptr, nullptr, nullptr, &out, cform.data());
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_SIG003_bare(benchmark::State& state) {
  double t = 350.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(t);
    const double tau = 1.0 - t / 647.27 / 0.999686;
    const double v = 0.2358 * std::pow(tau, 1.256) * (1.0 - 0.625 * tau);
    benchmark::DoNotOptimize(v);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_SIG203(benchmark::State& state) {
  const std::int64_t n = state.range(0), nexp = 4;
  std::vector<double> x(static_cast<std::size_t>(n), 1.0 / static_cast<double>(n)), sig(x.size()), vw(x.size(), 1.0);
  std::vector<std::int64_t> idx(x.size()), kmark(x.size(), 0);
  for (std::size_t j = 0; j < x.size(); ++j) {
    idx[j] = static_cast<std::int64_t>(j) + 1;
    sig[j] = 0.02 + 0.001 * static_cast<double>(j);
  }
  kmark[0] = 1;
  double out = 0.0;
  for (auto _ : state) {
    KOVA_SIG203(x.data(), &n, idx.data(), &nexp, sig.data(), nullptr, vw.data(), kmark.data(), &out);
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations());
}

// The mixing rule alone on entries built beforehand.
void BM_SIG203_bare(benchmark::State& state) {
  const std::int64_t n = state.range(0);
  std::vector<kova::water::SurfaceEntry> e;
  for (std::int64_t j = 0; j < n; ++j)
    e.push_back({1.0 / static_cast<double>(n), 0.02 + 0.001 * static_cast<double>(j), 1.0, j == 0});
  for (auto _ : state) benchmark::DoNotOptimize(kova::water::mixture_surface_tension(e.data(), n, 4));
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(BM_MUL004_liquid);
BENCHMARK(BM_MUV004_vapour);
BENCHMARK(BM_MUV004_near_critical);
BENCHMARK(BM_mu_bare);
BENCHMARK(BM_KL004_liquid);
BENCHMARK(BM_KV005_vapour);
BENCHMARK(BM_KV005_near_critical);
BENCHMARK(BM_lambda_bare);
BENCHMARK(BM_SIG003);
BENCHMARK(BM_SIG003_bare);
BENCHMARK(BM_SIG203)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_SIG203_bare)->Apply(kova::bench::mixture_sizes);
