// Chung-Lee-Starling routines through libkova against a bare evaluation of the same physics.
//
// The bare side compiles the library's physics file into this program: the formulas exactly
// as the routines evaluate them, without argument unpacking, parameter test or trace, so the
// ratio of the two is the cost of the entry layer.
#include "chung/chung.cpp"  // NOLINT: the physics alone, see above

#include "bench_support.h"
#include "chung_pairs.h"
#include "kova/kova.h"

namespace {

using kova::bench::Mixture;
namespace chung = kova::chung;

// A databank set with its pair arrays and presence-tested parameters.
struct Chung : Mixture {
  explicit Chung(std::int64_t n)
      : Mixture(n),
        pairs(kova::refhost::chung_pairs(*set)),
        mup(param("MUP_DEBYE")),
        mw(param("MW")),
        tc(param("TC")),
        vc(param("VC")),
        omega(param("OMEGA")),
        v(static_cast<std::size_t>(n), 0.2),
        eta0(static_cast<std::size_t>(n), 1.2e-5),
        cp(static_cast<std::size_t>(n), 1.0e5),
        out(static_cast<std::size_t>(n)) {}
  chung::PairArrays view() const {
    return {pairs.sig3.data(), pairs.epsig3.data(), pairs.epsig2m.data(), pairs.dipsig3.data(),
            pairs.omsig3.data(), pairs.sqkap.data(), pairs.ld};
  }
  kova::refhost::ChungPairs pairs;
  std::vector<double> mup, mw, tc, vc, omega, v, eta0, cp, out;
};

constexpr double kT = 400.0, kV = 0.2, kEta0 = 1.2e-5, kCp = 1.0e5, kR = 8314.46;
constexpr std::int64_t kQuiet = 0, kCalc = 1, kSet = 1, kCoef = 0, kKer = 0;

// ---------------------------------------------------------------- per component

void BM_MUV008(benchmark::State& state) {
  Chung m(state.range(0));
  for (auto _ : state) {
    KOVA_MUV008(&kT, &m.count, m.idx.data(), &kQuiet, &kSet, &kCalc, m.out.data(), m.mup.data(), m.mw.data(),
                m.tc.data(), m.vc.data(), m.omega.data(), m.pairs.sig3.data(), m.pairs.epsig3.data(),
                m.pairs.epsig2m.data(), m.pairs.dipsig3.data(), m.pairs.sqkap.data(), m.pairs.omsig3.data(),
                m.flags.data(), m.cid.data());
    benchmark::DoNotOptimize(m.out.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_MUV008_bare(benchmark::State& state) {
  Chung m(state.range(0));
  const chung::PairArrays p = m.view();
  for (auto _ : state) {
    for (std::int64_t c = 1; c <= m.count; ++c)
      m.out[c - 1] = chung::chung_low_pressure_viscosity(chung::characteristic(chung::pure_sums(p, c), kT));
    benchmark::DoNotOptimize(m.out.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_MUVL04(benchmark::State& state) {
  Chung m(state.range(0));
  const double dummy = 0.0;
  for (auto _ : state) {
    KOVA_MUVL04(&kT, &m.count, m.idx.data(), &kQuiet, &kSet, &kCalc, m.v.data(), m.out.data(), m.mup.data(),
                &dummy, m.mw.data(), m.tc.data(), m.vc.data(), m.omega.data(), m.pairs.sig3.data(),
                m.pairs.epsig3.data(), m.pairs.epsig2m.data(), m.pairs.dipsig3.data(), m.pairs.sqkap.data(),
                m.pairs.omsig3.data(), m.flags.data(), m.cid.data(), &kCoef);
    benchmark::DoNotOptimize(m.out.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_MUVL04_bare(benchmark::State& state) {
  Chung m(state.range(0));
  const chung::PairArrays p = m.view();
  for (auto _ : state) {
    for (std::int64_t c = 1; c <= m.count; ++c)
      m.out[c - 1] = chung::chung_dense_viscosity(chung::characteristic(chung::pure_sums(p, c), kT), kV, kCoef);
    benchmark::DoNotOptimize(m.out.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_KVL03(benchmark::State& state) {
  Chung m(state.range(0));
  for (auto _ : state) {
    KOVA_KVL03(&kT, &m.count, m.idx.data(), &kQuiet, &kSet, &kCalc, m.v.data(), m.eta0.data(), m.cp.data(),
               m.out.data(), &kKer, m.mup.data(), m.mw.data(), m.tc.data(), m.vc.data(), m.omega.data(),
               m.pairs.sig3.data(), m.pairs.epsig3.data(), m.pairs.epsig2m.data(), m.pairs.dipsig3.data(),
               m.pairs.sqkap.data(), m.pairs.omsig3.data(), m.flags.data(), m.cid.data());
    benchmark::DoNotOptimize(m.out.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_KVL03_bare(benchmark::State& state) {
  Chung m(state.range(0));
  const chung::PairArrays p = m.view();
  for (auto _ : state) {
    for (std::int64_t c = 1; c <= m.count; ++c)
      m.out[c - 1] = chung::chung_thermal_conductivity(chung::characteristic(chung::pure_sums(p, c), kT), kV,
                                                       kEta0, kCp / kR - 2.5);
    benchmark::DoNotOptimize(m.out.data());
  }
  state.SetItemsProcessed(state.iterations());
}

// ---------------------------------------------------------------- mixtures

void BM_MUV206(benchmark::State& state) {
  Chung m(state.range(0));
  double out = 0.0;
  for (auto _ : state) {
    KOVA_MUV206(&kT, m.x.data(), &m.count, m.idx.data(), &kQuiet, &kSet, &kCalc, &out, m.mup.data(), m.mw.data(),
                m.tc.data(), m.vc.data(), m.omega.data(), m.pairs.sig3.data(), m.pairs.epsig3.data(),
                m.pairs.epsig2m.data(), m.pairs.dipsig3.data(), m.pairs.sqkap.data(), m.pairs.omsig3.data(),
                m.flags.data(), m.cid.data());
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_MUV206_bare(benchmark::State& state) {
  Chung m(state.range(0));
  const chung::PairArrays p = m.view();
  for (auto _ : state) {
    const chung::Characteristic q = chung::characteristic(chung::mixture_sums(p, m.count, m.x.data(), m.idx.data()), kT);
    benchmark::DoNotOptimize(chung::chung_low_pressure_viscosity(q));
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_MUVL03(benchmark::State& state) {
  Chung m(state.range(0));
  double out = 0.0;
  for (auto _ : state) {
    KOVA_MUVL03(&kT, m.x.data(), &m.count, m.idx.data(), &kQuiet, &kSet, &kCalc, &kV, &out, m.mup.data(),
                m.mw.data(), m.tc.data(), m.vc.data(), m.omega.data(), m.pairs.sig3.data(), m.pairs.epsig3.data(),
                m.pairs.epsig2m.data(), m.pairs.dipsig3.data(), m.pairs.sqkap.data(), m.pairs.omsig3.data(),
                m.flags.data(), m.cid.data(), &kCoef);
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_KVL02(benchmark::State& state) {
  Chung m(state.range(0));
  double out = 0.0;
  for (auto _ : state) {
    KOVA_KVL02(&kT, m.x.data(), &m.count, m.idx.data(), &kQuiet, &kSet, &kCalc, &kV, &kEta0, &kCp, &out, &kKer,
               m.mup.data(), m.mw.data(), m.tc.data(), m.vc.data(), m.omega.data(), m.pairs.sig3.data(),
               m.pairs.epsig3.data(), m.pairs.epsig2m.data(), m.pairs.dipsig3.data(), m.pairs.sqkap.data(),
               m.pairs.omsig3.data(), m.flags.data(), m.cid.data());
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations());
}

// The dense mixture routines' bare form: the double sums and one evaluation of the property.
void BM_MUVL03_bare(benchmark::State& state) {
  Chung m(state.range(0));
  const chung::PairArrays p = m.view();
  for (auto _ : state) {
    const chung::Characteristic q = chung::characteristic(chung::mixture_sums(p, m.count, m.x.data(), m.idx.data()), kT);
    benchmark::DoNotOptimize(chung::chung_dense_viscosity(q, kV, kCoef));
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_KVL02_bare(benchmark::State& state) {
  Chung m(state.range(0));
  const chung::PairArrays p = m.view();
  for (auto _ : state) {
    const chung::Characteristic q = chung::characteristic(chung::mixture_sums(p, m.count, m.x.data(), m.idx.data()), kT);
    benchmark::DoNotOptimize(chung::chung_thermal_conductivity(q, kV, kEta0, (kCp - kR) / kR - 1.5));
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_MUV008)->Apply(kova::bench::list_sizes);
BENCHMARK(BM_MUV008_bare)->Apply(kova::bench::list_sizes);
BENCHMARK(BM_MUVL04)->Apply(kova::bench::list_sizes);
BENCHMARK(BM_MUVL04_bare)->Apply(kova::bench::list_sizes);
BENCHMARK(BM_KVL03)->Apply(kova::bench::list_sizes);
BENCHMARK(BM_KVL03_bare)->Apply(kova::bench::list_sizes);
BENCHMARK(BM_MUV206)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_MUV206_bare)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_MUVL03)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_KVL02)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_MUVL03_bare)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_KVL02_bare)->Apply(kova::bench::mixture_sizes);

}  // namespace
