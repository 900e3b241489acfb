// Wilke, Lucas, Stiel-Thodos and Letsou-Stiel routines through libkova, each beside a bare
// evaluation of the same formula (no unpacking, checks, messages or trace).
#include <cmath>
#include <cstring>

#include "bench_support.h"
#include "kova/kova.h"
#include "vapour_pressure.h"
// The Lucas formula functions, which libkova does not export, for the bare evaluation.
#include "correlations/lucas.cpp"  // NOLINT(bugprone-suspicious-include)

namespace {

using kova::bench::Mixture;

// The steady path of a host that has switched range warnings off (ZEL_ERRTWO word 56 = 0).
void warnings_off() {
  const std::int64_t off = 0;
  std::memcpy(&ZEL_ERRTWO[56], &off, 8);
}

double bare_letsou_stiel(double t, double tc, double pc, double mw, double om) {
  double tr = t / tc;
  tr = tr > 1.0 ? 1.0 : tr > 0.98 ? 0.98 : tr;
  const double m = ((0.0075 * tr - 0.02135) * tr + 0.015174) + om * (tr * (0.034 * tr - 0.07674) + 0.042552);
  return m / (2173420.0 * std::pow(tc, 0.1666667) / (std::sqrt(mw) * std::pow(pc, 0.6666667)));
}

double bare_stiel_thodos(double rr, double tc, double pc, double zc, double mw) {
  const double f = rr < 0.5   ? 1.4e-07 * (std::exp(0.535 * rr) - 1.0)
                   : rr < 2.0 ? 1.31e-07 * (std::exp(0.67 * rr) - 1.069)
                   : rr < 2.8 ? 2.976e-08 * (std::exp(1.155 * rr) + 2.016)
                              : 8.7242e-07 * rr - 1.6274e-06;
  const double z2 = zc * zc;
  return f * 418.68 / (z2 * z2 * zc * std::sqrt(mw) * 2173.42 * std::pow(tc, 0.16667) / std::pow(pc, 0.66667));
}

void BM_MUL005(benchmark::State& state) {
  Mixture m(state.range(0));
  auto tc = m.param("TC"), pc = m.param("PC"), mw = m.param("MW"), om = m.param("OMEGA");
  std::vector<double> out(m.idx.size());
  const double t = 300.0;
  const std::int64_t kdiag = 0;
  warnings_off();
  for (auto _ : state) {
    KOVA_MUL005(&t, &m.count, m.idx.data(), &kdiag, out.data(), tc.data(), pc.data(), mw.data(), om.data(),
                m.flags.data(), m.cid.data());
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_MUL005_bare(benchmark::State& state) {
  Mixture m(state.range(0));
  auto tc = m.param("TC"), pc = m.param("PC"), mw = m.param("MW"), om = m.param("OMEGA");
  std::vector<double> out(m.idx.size());
  for (auto _ : state) {
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = bare_letsou_stiel(300.0, tc[i], pc[i], mw[i], om[i]);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_KV006(benchmark::State& state) {
  Mixture m(state.range(0));
  auto tc = m.param("TC"), pc = m.param("PC"), vc = m.param("VC"), zc = m.param("ZC"), mw = m.param("MW");
  std::vector<double> vv(m.idx.size(), 0.5), out(m.idx.size());
  const std::int64_t kdiag = 0;
  for (auto _ : state) {
    KOVA_KV006(&m.count, m.idx.data(), vv.data(), &kdiag, out.data(), tc.data(), mw.data(), vc.data(), pc.data(),
               zc.data(), m.flags.data(), m.cid.data());
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_KV006_bare(benchmark::State& state) {
  Mixture m(state.range(0));
  auto tc = m.param("TC"), pc = m.param("PC"), vc = m.param("VC"), zc = m.param("ZC"), mw = m.param("MW");
  std::vector<double> out(m.idx.size());
  for (auto _ : state) {
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = bare_stiel_thodos(vc[i] / 0.5, tc[i], pc[i], zc[i], mw[i]);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_KV204(benchmark::State& state) {
  Mixture m(state.range(0));
  auto tc = m.param("TC"), vc = m.param("VC"), zc = m.param("ZC"), mw = m.param("MW");
  const double v = 0.5;
  const std::int64_t kdiag = 0;
  double out = 0.0;
  for (auto _ : state) {
    KOVA_KV204(m.x.data(), &m.count, m.idx.data(), &v, &kdiag, &out, tc.data(), mw.data(), vc.data(), zc.data(),
               m.flags.data(), m.cid.data());
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_KV204_bare(benchmark::State& state) {
  Mixture m(state.range(0));
  auto tc = m.param("TC"), vc = m.param("VC"), zc = m.param("ZC"), mw = m.param("MW");
  for (auto _ : state) {
    double t = 0, z = 0, vcm = 0, w = 0;
    for (std::size_t i = 0; i < m.x.size(); ++i) {
      t += m.x[i] * tc[i];
      z += m.x[i] * zc[i];
      vcm += m.x[i] * vc[i];
      w += m.x[i] * mw[i];
    }
    benchmark::DoNotOptimize(bare_stiel_thodos(vcm / 0.5, t, t * 8314.46 * z / vcm, z, w));
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_KV003(benchmark::State& state) {
  Mixture m(state.range(0));
  auto tc = m.param("TC"), pc = m.param("PC"), vc = m.param("VC"), zc = m.param("ZC"), mw = m.param("MW");
  std::vector<double> vv(m.idx.size(), 0.5), kv(m.idx.size(), 0.02);
  const std::int64_t kdiag = 0;
  std::int64_t ker = 0;
  for (auto _ : state) {
    KOVA_KV003(&m.count, m.idx.data(), vv.data(), &kdiag, tc.data(), mw.data(), vc.data(), pc.data(), zc.data(),
               m.flags.data(), m.cid.data(), kv.data(), &ker);
    benchmark::DoNotOptimize(kv.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_KV003_bare(benchmark::State& state) {
  Mixture m(state.range(0));
  auto tc = m.param("TC"), pc = m.param("PC"), vc = m.param("VC"), zc = m.param("ZC"), mw = m.param("MW");
  std::vector<double> kv(m.idx.size(), 0.02);
  for (auto _ : state) {
    for (std::size_t i = 0; i < kv.size(); ++i) kv[i] += bare_stiel_thodos(vc[i] / 0.5, tc[i], pc[i], zc[i], mw[i]);
    benchmark::DoNotOptimize(kv.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_KV202(benchmark::State& state) {
  Mixture m(state.range(0));
  auto tc = m.param("TC"), vc = m.param("VC"), zc = m.param("ZC"), mw = m.param("MW");
  const double rho = 2.0, lp = 0.02;
  const std::int64_t kdiag = 0;
  double out = 0.0;
  for (auto _ : state) {
    KOVA_KV202(m.x.data(), &m.count, m.idx.data(), &rho, &lp, &kdiag, &out, tc.data(), mw.data(), vc.data(), zc.data(),
               m.cid.data());
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_KV202_bare(benchmark::State& state) {
  Mixture m(state.range(0));
  auto tc = m.param("TC"), vc = m.param("VC"), zc = m.param("ZC"), mw = m.param("MW");
  const double rho = 2.0, lp = 0.02;
  for (auto _ : state) {
    double t = 0, z = 0, vcm = 0, w = 0;
    for (std::size_t i = 0; i < m.x.size(); ++i) {
      t += m.x[i] * tc[i];
      z += m.x[i] * zc[i];
      vcm += m.x[i] * vc[i];
      w += m.x[i] * mw[i];
    }
    benchmark::DoNotOptimize(lp + bare_stiel_thodos(rho * vcm, t, t * 8314.46 * z / vcm, z, w));
  }
  state.SetItemsProcessed(state.iterations());
}

// Wilke/Brokaw over the databank's components at 400 K; polar components' Stockmayer
// parameters are estimated on the first call and written back, as a host keeps them.
struct WilkeInputs {
  explicit WilkeInputs(const Mixture& m)
      : mw(m.param("MW")), tb(m.param("TB")), vb(m.param("VB")), mup(m.param("MUP_SI")), mu(m.idx.size(), 1.2e-5) {
    const auto eps = m.param("STK_EPSK"), sig = m.param("STK_SIGMA");
    for (std::size_t i = 0; i < eps.size(); ++i) {
      stk.push_back(eps[i]);
      stk.push_back(sig[i]);
    }
  }
  std::vector<double> mw, tb, vb, mup, mu, stk;
};

void BM_MUV201(benchmark::State& state) {
  Mixture m(state.range(0));
  WilkeInputs w(m);
  const double t = 400.0;
  const std::int64_t kdiag = 0, idset = 1;
  double out = 0.0;
  for (auto _ : state) {
    KOVA_MUV201(&t, m.x.data(), &m.count, m.idx.data(), w.mu.data(), &idset, &kdiag, &out, w.mw.data(), w.tb.data(),
                w.vb.data(), w.mup.data(), w.stk.data(), m.flags.data(), m.cid.data());
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations());
}

// The double sum of the rule with the factors written out (parameters already complete).
void BM_MUV201_bare(benchmark::State& state) {
  Mixture m(state.range(0));
  WilkeInputs w(m);
  {  // complete the Stockmayer parameters once through the routine
    const double t = 400.0;
    const std::int64_t kdiag = 0, idset = 1;
    double out = 0.0;
    KOVA_MUV201(&t, m.x.data(), &m.count, m.idx.data(), w.mu.data(), &idset, &kdiag, &out, w.mw.data(), w.tb.data(),
                w.vb.data(), w.mup.data(), w.stk.data(), m.flags.data(), m.cid.data());
  }
  const std::size_t n = m.x.size();
  for (auto _ : state) {
    double mix = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
      const double di = 3.628382e22 * w.mup[i] * w.mup[i] / w.stk[2 * i] / std::pow(w.stk[2 * i + 1], 3);
      double den = 0.0;
      for (std::size_t j = 0; j < n; ++j) {
        const double dj = 3.628382e22 * w.mup[j] * w.mup[j] / w.stk[2 * j] / std::pow(w.stk[2 * j + 1], 3);
        const double r = w.mw[i] / w.mw[j];
        double a;
        if (r < 0.4 || r > 1.33) {
          const double mm = std::pow(4.0 / (1.0 / r + 2.0 + r), 0.25), r45 = std::pow(r, 0.45);
          a = mm / std::sqrt(r) * (1.0 + (r - r45) / (2.0 * (r + 1.0) + (1.0 + r45) / ((1.0 + mm) * std::sqrt(mm))));
        } else {
          a = std::pow(r, -0.37);
        }
        double s = 1.0;
        if (di >= 0.1 || dj >= 0.1) {
          const double ti = 400.0 / w.stk[2 * i], tj = 400.0 / w.stk[2 * j];
          s = (di * dj / 4 + 1 + std::sqrt(ti * tj)) / (std::sqrt(di * di / 4 + 1 + ti) * std::sqrt(dj * dj / 4 + 1 + tj));
        }
        den += m.x[j] * a * s * std::sqrt(w.mu[i] / w.mu[j]);
      }
      mix += m.x[i] * w.mu[i] / den;
    }
    benchmark::DoNotOptimize(mix);
  }
  state.SetItemsProcessed(state.iterations());
}

// Lucas inputs from the databank: MUR = 52.46 mu_D^2 Pc[bar] / Tc^2.
struct LucasInputs {
  explicit LucasInputs(const Mixture& m)
      : tc(m.param("TC")), pc(m.param("PC")), zc(m.param("ZC")), mw(m.param("MW")), mup(m.param("MUP_DEBYE")),
        vp(*m.set) {
    for (std::size_t i = 0; i < tc.size(); ++i) mur.push_back(52.46 * mup[i] * mup[i] * pc[i] * 1e-5 / (tc[i] * tc[i]));
  }
  std::vector<double> tc, pc, zc, mw, mup, mur;
  kova::refhost::VapourPressureData vp;
};

void lucas_pure(benchmark::State& state, double t, double p) {
  Mixture m(state.range(0));
  LucasInputs l(m);
  std::vector<double> pres(m.idx.size(), p), out(m.idx.size());
  const std::int64_t kdiag = 0, idset = 1, kcalc = 1;
  const auto& a = l.vp.pla();
  warnings_off();
  for (auto _ : state) {
    KOVA_MUV005(&t, pres.data(), &m.count, m.idx.data(), &kdiag, &idset, &kcalc, out.data(), l.tc.data(), l.pc.data(),
                l.zc.data(), l.mw.data(), l.mup.data(), l.mur.data(), m.cform.data(), m.flags.data(), m.cid.data(),
                a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10], a[11], a[12], a[13]);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations());
}
// Above every databank critical temperature at low pressure: the closed form only.
void BM_MUV005_low_pressure(benchmark::State& state) { lucas_pure(state, 1000.0, 1e5); }
// At 300 K and 1 MPa most components are subcritical: a host vapour-pressure call each.
void BM_MUV005_with_host(benchmark::State& state) { lucas_pure(state, 300.0, 1e6); }

void BM_MUV005_low_pressure_bare(benchmark::State& state) {
  Mixture m(state.range(0));
  LucasInputs l(m);
  std::vector<double> out(m.idx.size());
  for (auto _ : state) {
    for (std::size_t i = 0; i < out.size(); ++i) {
      const double tr = 1000.0 / l.tc[i];
      double t = 0.0;
      if (l.mur[i] >= 0.022) t = 30.55 * std::pow(std::fmax(0.292 - l.zc[i], 0.0), 1.72);
      if (l.mur[i] >= 0.075) t *= 0.96 + 0.1 * (tr - 0.7);
      const double z1 = (0.807 * std::pow(tr, 0.618) + 0.018 - 0.357 * std::exp(-0.449 * tr) +
                         0.34 * std::exp(-4.058 * tr)) * (1.0 + t);
      const double xi = 0.176 * std::pow(l.tc[i], 1.0 / 6.0) / std::sqrt(l.mw[i]) / std::pow(l.pc[i] * 1e-5, 2.0 / 3.0);
      out[i] = z1 / xi * 1e-7;
    }
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_MUV204(benchmark::State& state) {
  Mixture m(state.range(0));
  LucasInputs l(m);
  const double t = 500.0, p = 5e6;
  const std::int64_t kdiag = 0, idset = 1, kcalc = 1;
  double out = 0.0;
  warnings_off();
  for (auto _ : state) {
    KOVA_MUV204(&t, &p, m.x.data(), &m.count, m.idx.data(), &kdiag, &idset, &kcalc, &out, l.tc.data(), l.pc.data(),
                l.zc.data(), l.mw.data(), l.mup.data(), l.mur.data(), m.cform.data(), m.flags.data(), m.cid.data());
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations());
}

// The Lucas mixture at 500 K and 5 MPa with the library's formula functions: pseudo-critical
// sums, the low-pressure factors and the dense-gas branch, no quantum components.
void BM_MUV204_bare(benchmark::State& state) {
  namespace c = kova::correlations;
  Mixture m(state.range(0));
  LucasInputs l(m);
  const double t = 500.0, p = 5e6;
  for (auto _ : state) {
    double tcm = 0.0, zcm = 0.0, s = 0.0, mm = 0.0, fp0 = 0.0;
    for (std::size_t i = 0; i < m.x.size(); ++i) {
      tcm += m.x[i] * l.tc[i];
      zcm += m.x[i] * l.zc[i];
      s += m.x[i] * l.tc[i] * l.zc[i] * 100000.0 / l.pc[i];
      mm += m.x[i] * l.mw[i];
      fp0 += m.x[i] * c::lucas_polarity_factor(l.mur[i], l.zc[i], t / l.tc[i], true);
    }
    const double pcm = zcm * tcm / s, tr = t / tcm, pr = p * 1e-5 / pcm;
    const double xi = c::lucas_xi(tcm, pcm, mm), z1 = c::lucas_z1(tr) * fp0;
    const double y = tr <= 1.0 ? c::lucas_z2_subcritical(tr, pr > 1.0 ? 1.0 : pr) / z1 : c::lucas_y_supercritical(tr, pr);
    benchmark::DoNotOptimize(z1 * y * c::lucas_fp(fp0, y) / xi * 1e-7);
  }
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(BM_MUL005)->Apply(kova::bench::list_sizes);
BENCHMARK(BM_MUL005_bare)->Apply(kova::bench::list_sizes);
BENCHMARK(BM_KV006)->Apply(kova::bench::list_sizes);
BENCHMARK(BM_KV006_bare)->Apply(kova::bench::list_sizes);
BENCHMARK(BM_KV003)->Apply(kova::bench::list_sizes);
BENCHMARK(BM_KV003_bare)->Apply(kova::bench::list_sizes);
BENCHMARK(BM_KV204)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_KV204_bare)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_KV202)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_KV202_bare)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_MUV201)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_MUV201_bare)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_MUV005_low_pressure)->Apply(kova::bench::list_sizes);
BENCHMARK(BM_MUV005_low_pressure_bare)->Apply(kova::bench::list_sizes);
BENCHMARK(BM_MUV005_with_host)->Apply(kova::bench::list_sizes);
BENCHMARK(BM_MUV204)->Apply(kova::bench::mixture_sizes);
BENCHMARK(BM_MUV204_bare)->Apply(kova::bench::mixture_sizes);
