// Dean-Stiel routines through libkova against a bare evaluation of the same formula.
#include <cmath>

#include "bench_support.h"
#include "kova/kova.h"

namespace {

using kova::bench::Mixture;

// The correlation alone, with no argument unpacking, checks or trace.
double bare_correction(double tc, double zc, double vc, double mw, double v) {
  const double pc = 8314.46 * zc * tc / vc;
  const double xi = std::pow(tc, 0.166666667) / (std::pow(pc, 0.66666667) * std::sqrt(mw));
  const double rr = vc / v;
  return 4.9691E-11 * (std::exp(1.439 * rr) - std::exp(-1.11 * std::pow(rr, 1.858))) / xi;
}

void BM_MUV007(benchmark::State& state) {
  Mixture m(state.range(0));
  auto tc = m.param("TC"), zc = m.param("ZC"), vc = m.param("VC"), mw = m.param("MW");
  std::vector<double> vv(m.idx.size(), 0.5), out(m.idx.size());
  const double t = 400.0;
  const std::int64_t kdiag = 0;
  for (auto _ : state) {
    KOVA_MUV007(&t, &m.count, m.idx.data(), vv.data(), &kdiag, out.data(), tc.data(), zc.data(), vc.data(),
                mw.data(), m.flags.data(), m.cid.data());
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_MUV007_bare(benchmark::State& state) {
  Mixture m(state.range(0));
  auto tc = m.param("TC"), zc = m.param("ZC"), vc = m.param("VC"), mw = m.param("MW");
  std::vector<double> vv(m.idx.size(), 0.5), out(m.idx.size());
  for (auto _ : state) {
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = bare_correction(tc[i], zc[i], vc[i], mw[i], vv[i]);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_MUV205(benchmark::State& state) {
  Mixture m(state.range(0));
  auto tc = m.param("TC"), zc = m.param("ZC"), vc = m.param("VC"), mw = m.param("MW");
  const double t = 400.0, v = 0.5;
  const std::int64_t kdiag = 0;
  double out = 0.0;
  for (auto _ : state) {
    KOVA_MUV205(&t, m.x.data(), &m.count, m.idx.data(), &v, &kdiag, &out, tc.data(), zc.data(), vc.data(),
                mw.data(), m.flags.data(), m.cid.data());
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_MUV202(benchmark::State& state) {
  Mixture m(state.range(0));
  auto tc = m.param("TC"), zc = m.param("ZC"), vc = m.param("VC"), mw = m.param("MW");
  const double t = 400.0, rho = 2.0, lp = 1.2e-5;
  const std::int64_t kdiag = 0;
  double out = 0.0;
  for (auto _ : state) {
    KOVA_MUV202(&t, m.x.data(), &m.count, m.idx.data(), &rho, &lp, &kdiag, &out, tc.data(), zc.data(), vc.data(),
                mw.data(), m.flags.data(), m.cid.data());
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations());
}

// The mixture routines' bare form: pseudo-critical sums and one correction.
void BM_MUV205_bare(benchmark::State& state) {
  Mixture m(state.range(0));
  auto tc = m.param("TC"), zc = m.param("ZC"), vc = m.param("VC"), mw = m.param("MW");
  for (auto _ : state) {
    double t = 0, z = 0, vcm = 0, w = 0;
    for (std::size_t i = 0; i < m.x.size(); ++i) {
      t += m.x[i] * tc[i];
      z += m.x[i] * zc[i];
      vcm += m.x[i] * vc[i];
      w += m.x[i] * mw[i];
    }
    benchmark::DoNotOptimize(bare_correction(t, z, vcm, w, 0.5));
  }
  state.SetItemsProcessed(state.iterations());
}

// MUV202's bare form: the same sums, the residual at the molar density, added to the
// low-pressure value.
void BM_MUV202_bare(benchmark::State& state) {
  Mixture m(state.range(0));
  auto tc = m.param("TC"), zc = m.param("ZC"), vc = m.param("VC"), mw = m.param("MW");
  const double rho = 2.0, lp = 1.2e-5;
  for (auto _ : state) {
    double t = 0, z = 0, vcm = 0, w = 0;
    for (std::size_t i = 0; i < m.x.size(); ++i) {
      t += m.x[i] * tc[i];
      z += m.x[i] * zc[i];
      vcm += m.x[i] * vc[i];
      w += m.x[i] * mw[i];
    }
    benchmark::DoNotOptimize(lp + bare_correction(t, z, vcm, w, 1.0 / rho));
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_MUV007)->Apply(kova::bench::list_sizes);
BENCHMARK(BM_MUV007_bare)->Apply(kova::bench::list_sizes);
BENCHMARK(BM_MUV205)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_MUV202)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_MUV205_bare)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_MUV202_bare)->Apply(kova::bench::mixture_sizes);

}  // namespace
