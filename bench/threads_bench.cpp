// Calls per second from 1, 2 and 4 threads calling at once, all threads sharing the host's
// parameter arrays and check flags (each has its own results and work storage), on the
// common path: a closed form (Chung-Lee-Starling mixture viscosity, N = 10), a TRAPP mixture
// (bound by the host's methane equation of state) and a water routine (bound by the host's
// water equation of state). items_per_second is the total over the threads, in wall time.
#include <string>
#include <vector>

#include "bench_support.h"
#include "chung_pairs.h"
#include "kova/kova.h"

namespace {

using kova::bench::Mixture;

constexpr std::int64_t kQuiet = 0, kCalc = 1, kSet = 1;

// Shared arrays, set up once by the first thread that needs them (the host's component set
// is installed then, before any library call of the benchmark).
struct ChungShared : Mixture {
  ChungShared()
      : Mixture(10),
        pairs(kova::refhost::chung_pairs(*set)),
        mup(param("MUP_DEBYE")),
        mw(param("MW")),
        tc(param("TC")),
        vc(param("VC")),
        omega(param("OMEGA")) {}
  kova::refhost::ChungPairs pairs;
  std::vector<double> mup, mw, tc, vc, omega;
};

void BM_threads_MUV206(benchmark::State& state) {
  static ChungShared m;  // NOLINT: shared by the benchmark's threads
  const double t = 400.0;
  double out = 0.0;
  for (auto _ : state) {
    KOVA_MUV206(&t, m.x.data(), &m.count, m.idx.data(), &kQuiet, &kSet, &kCalc, &out, m.mup.data(), m.mw.data(),
                m.tc.data(), m.vc.data(), m.omega.data(), m.pairs.sig3.data(), m.pairs.epsig3.data(),
                m.pairs.epsig2m.data(), m.pairs.dipsig3.data(), m.pairs.sqkap.data(), m.pairs.omsig3.data(),
                m.flags.data(), m.cid.data());
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_threads_MUV203(benchmark::State& state) {
  // The five alkanes of the single-thread table at 400 K and 2 MPa.
  static kova::bench::TrappCase c = kova::bench::trapp_alkanes();  // NOLINT: shared by the threads
  const double t = 400.0, p = 2e6;
  std::vector<double> work(static_cast<std::size_t>(4 * c.n + 2 + 5 * c.n * (c.n + 1) / 2 + 3 * c.n), 0.0);
  std::vector<std::int64_t> iptr(10, 0);
  double mu = 0.0;
  for (auto _ : state) {
    KOVA_MUV203(&t, &p, c.x.data(), &c.n, &kCalc, c.idx.data(), work.data(), iptr.data(), &kQuiet, &kSet, &mu,
                nullptr, c.cid.data(), c.tc.data(), c.pc.data(), c.vc.data(), c.zc.data(), c.omega.data(),
                c.flag.data(), c.mw.data());
    benchmark::DoNotOptimize(mu);
  }
  state.SetItemsProcessed(state.iterations());
}

// Steam at 573.15 K and 1 MPa, as in the single-thread table.
void BM_threads_MUV004(benchmark::State& state) {
  static const std::vector<kova_word> cform{kova::refhost::pack_word("H2O"), kova::refhost::pack_word(""),
                                            kova::refhost::pack_word("")};
  const double t = 573.15, p = 1e6;
  const std::int64_t n = 1, idx = 1;
  double out = 0.0;
  for (auto _ : state) {
    KOVA_MUV004(&t, &p, &n, &kCalc, &idx, &kQuiet, nullptr, &out, cform.data());
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_threads_MUV206)->Threads(1)->Threads(2)->Threads(4)->UseRealTime();
BENCHMARK(BM_threads_MUV203)->Threads(1)->Threads(2)->Threads(4)->UseRealTime();
BENCHMARK(BM_threads_MUV004)->Threads(1)->Threads(2)->Threads(4)->UseRealTime();

}  // namespace
