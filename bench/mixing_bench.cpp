// Liquid-mixture and diffusion routines through libkova against bare evaluations of the same
// formulas. KOVA_DV002, KOVA_DL001, KOVA_DL102 and KOVA_DL103 spend most of their time in the
// host's property routines (an equation of state per pair and pressure, pure viscosities),
// so they are timed alone.
#include <cmath>
#include <vector>

#include "bench_support.h"
#include "kova/kova.h"

namespace {

using kova::bench::Mixture;

// ---------------------------------------------------------------- Li
double bare_li(const std::vector<double>& x, const std::vector<double>& v, const std::vector<double>& k) {
  double vm = 0.0;
  for (std::size_t i = 0; i < x.size(); ++i) vm += x[i] * v[i];
  double s = 0.0;
  for (std::size_t a = 0; a < x.size(); ++a)
    for (std::size_t b = 0; b < x.size(); ++b)
      s += x[a] * v[a] / vm * (x[b] * v[b] / vm) * 2.0 / (1.0 / k[a] + 1.0 / k[b]);
  return s;
}

void BM_KL204(benchmark::State& state) {
  Mixture m(state.range(0));
  std::vector<double> vl = m.param("VB"), kl(m.x.size(), 0.12);
  const std::int64_t kdiag = 0;
  double out = 0.0;
  for (auto _ : state) {
    KOVA_KL204(m.x.data(), &m.count, m.idx.data(), nullptr, vl.data(), kl.data(), &kdiag, &out, m.cid.data());
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_KL204_bare(benchmark::State& state) {
  Mixture m(state.range(0));
  std::vector<double> vl = m.param("VB"), kl(m.x.size(), 0.12);
  for (auto _ : state) benchmark::DoNotOptimize(bare_li(m.x, vl, kl));
  state.SetItemsProcessed(state.iterations());
}

// ---------------------------------------------------------------- Dawson-Khoury-Kobayashi
void BM_DV002(benchmark::State& state) {
  Mixture m(state.range(0));
  std::vector<double> mw = m.param("MW"), vc = m.param("VC");
  const std::size_t n = m.x.size();
  std::vector<double> dv0(n * n, 1e-5), dv(n * n);
  std::int64_t ipair[2];
  double ypair[2];
  const double t = 400.0, p = 5e6, p0 = 101325.0;
  const std::int64_t kdiag = 0, idset = 1;
  for (auto _ : state) {
    KOVA_DV002(m.x.data(), &m.count, m.idx.data(), &t, &p, &p0, ipair, ypair, dv0.data(), &kdiag, dv.data(), &idset,
               mw.data(), vc.data(), m.flags.data(), m.cid.data(), nullptr, nullptr, nullptr, nullptr, nullptr);
    benchmark::DoNotOptimize(dv.data());
  }
  state.SetItemsProcessed(state.iterations());
}

// ---------------------------------------------------------------- Wilke-Chang
// The binary coefficients alone, with the mixture viscosity given.
void bare_wilke_chang(const Mixture& m, const std::vector<double>& mw, const std::vector<double>& vb,
                      const std::vector<double>& mul, double mumx, std::vector<double>& out) {
  const std::size_t n = m.x.size();
  for (std::size_t k = 1; k < n; ++k)
    for (std::size_t l = 0; l < k; ++l) {
      const double dkl = 1.17282e-16 * 300.0 * std::sqrt(mw[l]) / (mul[l] * std::pow(vb[k], 0.6));
      const double dlk = 1.17282e-16 * 300.0 * std::sqrt(mw[k]) / (mul[k] * std::pow(vb[l], 0.6));
      const double s = m.x[k] + m.x[l];
      out[k + n * l] = out[l + n * k] = std::pow(dkl * mul[l], m.x[l] / s) * std::pow(dlk * mul[k], m.x[k] / s) / mumx;
    }
}

void BM_DL004(benchmark::State& state) {
  Mixture m(state.range(0));
  std::vector<double> mw = m.param("MW"), vb = m.param("VB"), mul(m.x.size(), 1e-3);
  std::vector<double> out(m.x.size() * m.x.size());
  const double t = 300.0;
  const std::int64_t kdiag = 0;
  for (auto _ : state) {
    KOVA_DL004(&t, m.x.data(), &m.count, m.idx.data(), mul.data(), &kdiag, out.data(), mw.data(), m.cform.data(),
               vb.data(), m.flags.data(), m.cid.data(), nullptr, nullptr, nullptr);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_DL004_bare(benchmark::State& state) {
  Mixture m(state.range(0));
  std::vector<double> mw = m.param("MW"), vb = m.param("VB"), mul(m.x.size(), 1e-3);
  std::vector<double> out(m.x.size() * m.x.size());
  for (auto _ : state) {
    bare_wilke_chang(m, mw, vb, mul, 1e-3, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_DL001(benchmark::State& state) {
  Mixture m(state.range(0));
  std::vector<double> mw = m.param("MW"), vb = m.param("VB"), mul(m.x.size(), 1e-3);
  std::vector<double> out(m.x.size() * m.x.size());
  const double t = 300.0;
  const std::int64_t kdiag = 0;
  for (auto _ : state) {
    KOVA_DL001(&t, m.x.data(), &m.count, m.idx.data(), mul.data(), &kdiag, out.data(), mw.data(), m.cform.data(),
               vb.data(), m.flags.data(), m.cid.data(), nullptr, nullptr, nullptr, nullptr);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations());
}

// ---------------------------------------------------------------- mixed solvents
// The first entry a solute in the others.
struct Solvent {
  explicit Solvent(const Mixture& m)
      : mw(m.param("MW")),
        vb(m.param("VB")),
        ksolu(m.x.size(), 0.0),
        xs(3 * m.x.size()),
        dl(m.x.size()),
        kw(2 * m.x.size()) {
    ksolu[0] = 1.0;
  }
  std::vector<double> mw, vb, ksolu, xs, dl;
  std::vector<std::int64_t> kw;
};

void BM_DL102(benchmark::State& state) {
  Mixture m(state.range(0));
  Solvent s(m);
  const double t = 300.0;
  const std::int64_t kdiag = 0, idset = 1, kopt[2] = {0, 0};
  for (auto _ : state) {
    KOVA_DL102(&t, m.x.data(), &m.count, m.idx.data(), &idset, s.xs.data(), s.kw.data(), &kdiag, s.dl.data(),
               s.mw.data(), m.cform.data(), s.vb.data(), s.ksolu.data(), m.flags.data(), m.cid.data(), nullptr, nullptr,
               nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, kopt, nullptr, nullptr, nullptr);
    benchmark::DoNotOptimize(s.dl.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_DL103(benchmark::State& state) {
  Mixture m(state.range(0));
  Solvent s(m);
  const std::size_t n = m.x.size();
  std::vector<double> mulw(n), vl(n), mulbps(5 * n, 0.0);
  std::vector<std::int64_t> ksv(n), kbio(n, 0);
  const double t = 300.0, xtol = 1e-8;
  const std::int64_t kdiag = 0, idset = 1;
  const void* z = nullptr;
  for (auto _ : state) {
    KOVA_DL103(&t, m.x.data(), &m.count, m.idx.data(), &idset, &kdiag, s.mw.data(), m.cform.data(), s.vb.data(),
               s.ksolu.data(), m.flags.data(), m.cid.data(), s.xs.data(), mulw.data(), z, s.kw.data(), ksv.data(), z, z,
               z, z, z, z, z, kbio.data(), mulbps.data(), vl.data(), z, z, z, z, z, &xtol, s.dl.data(), z, z, z, z, z,
               z, z, z);
    benchmark::DoNotOptimize(s.dl.data());
  }
  state.SetItemsProcessed(state.iterations());
}

// ---------------------------------------------------------------- bio-component viscosity
void BM_MUL205(benchmark::State& state) {
  Mixture m(state.range(0));
  const std::size_t n = m.x.size();
  std::vector<double> mw = m.param("MW"), mul(n, 1e-3), vl(n), mulbps(5 * n, 0.0);
  std::vector<std::int64_t> kbio(n, 0);
  const bool bio = state.range(1) != 0;
  if (bio) {
    kbio[n - 1] = 1;
    mulbps[5 * (n - 1)] = -1e-3;
    mulbps[5 * (n - 1) + 4] = 1e4;
  }
  const double t = 300.0, xtol = 1e-8;
  const std::int64_t kdiag = 0;
  double out = 0.0;
  for (auto _ : state) {
    KOVA_MUL205(&t, m.x.data(), &m.count, m.idx.data(), mul.data(), &kdiag, nullptr, nullptr, nullptr, nullptr, nullptr,
                nullptr, nullptr, nullptr, nullptr, kbio.data(), mw.data(), mulbps.data(), vl.data(), nullptr, &out,
                &xtol, nullptr, nullptr, nullptr, nullptr, nullptr);
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations());
}

// The log-mean alone (the routine without bio-components).
void BM_MUL205_bare(benchmark::State& state) {
  Mixture m(state.range(0));
  std::vector<double> mul(m.x.size(), 1e-3);
  for (auto _ : state) {
    double s = 0.0, l = 0.0;
    for (std::size_t i = 0; i < m.x.size(); ++i) s += m.x[i];
    for (std::size_t i = 0; i < m.x.size(); ++i) l += m.x[i] / s * std::log(mul[i]);
    benchmark::DoNotOptimize(std::exp(l));
  }
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(BM_KL204)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_KL204_bare)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_DV002)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_DL004)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_DL004_bare)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_DL001)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_DL102)->Arg(3)->Arg(5)->Arg(10)->Arg(50);
BENCHMARK(BM_DL103)->Arg(3)->Arg(5)->Arg(10)->Arg(50);
BENCHMARK(BM_MUL205)->Args({1, 0})->Args({2, 0})->Args({5, 0})->Args({10, 0})->Args({50, 0})->Args({10, 1});
BENCHMARK(BM_MUL205_bare)->Apply(kova::bench::mixture_sizes);
