// Li's rule, Dawson-Khoury-Kobayashi, Wilke-Chang, mixed-solvent diffusion and the
// bio-component viscosity on databank components. Pure liquid viscosities and volumes that
// the user does not give come from the reference host (DIPPR-101 viscosity, Rackett
// volume), as a simulator would supply them.
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "commands.h"
#include "phase.h"
#include "ranges.h"
#include "kova/host.h"
#include "kova/kova.h"

namespace kova::calc {
namespace {

// A per-component list given on the command line, or empty; a wrong count is a usage error.
void check_count(const std::vector<double>& v, const Mixture& m, const char* what) {
  if (!v.empty() && static_cast<std::int64_t>(v.size()) != m.n())
    throw InputError(std::string(what) + ": give one value per component");
}

// The host's pure liquid viscosities of the listed components at t, Pa s.
std::vector<double> host_viscosities(const Mixture& m, double t, const Settings& s) {
  std::vector<double> mu(static_cast<std::size_t>(m.n()));
  const std::int64_t n = m.n(), idset = 1;
  LUMENA_MUL001(&t, &n, m.idx.data(), &idset, &s.kdiag, mu.data(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                nullptr, nullptr, nullptr, nullptr);
  for (const RangeWarning& w : range_warnings(m.set, m.x, t, uses_liquid_viscosity | liquid_state))
    advise_warning(w.row, w.text);
  return mu;
}

// The pure liquid viscosities of a liquid-mixture command: those given (--mul, one per
// component), or the host's at t.
std::vector<double> liquid_viscosities(const Mixture& m, double t, const std::vector<double>& given,
                                       const Settings& s) {
  check_count(given, m, "--mul");
  return given.empty() ? host_viscosities(m, t, s) : given;
}

// The host's pure liquid molar volumes at t, m3/kmol.
std::vector<double> host_volumes(const Mixture& m, double t, const Settings& s) {
  std::vector<double> v(static_cast<std::size_t>(m.n()));
  const std::int64_t n = m.n(), one = 1;
  std::vector<double> mw = m.set.param("MW");
  LUMENA_VL004(&t, &n, m.idx.data(), &one, &s.kdiag, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
               nullptr, nullptr, v.data(), nullptr, nullptr, nullptr, nullptr, mw.data(), nullptr, nullptr);
  return v;
}

}  // namespace

Report li(const LiInput& in, const Settings& s) {
  require_positive(in.t, "--t");
  require_non_negative(in.kl, "--kl");
  require_positive(in.vl, "--vl");
  const Mixture m = build_mixture(in.components, in.x, true, in.w, in.normalize);
  check_count(in.kl, m, "--kl");
  check_count(in.vl, m, "--vl");
  const bool supplied = in.kl.empty();
  std::vector<double> kl = supplied ? trapp_liquid_conductivities(m, in.t, s) : in.kl,
                      vl = in.vl.empty() ? host_volumes(m, in.t, s) : in.vl;
  for (const RangeWarning& w : range_warnings(m.set, m.x, in.t, liquid_state)) advise_warning(w.row, w.text);
  if (supplied)
    for (const RangeWarning& w : range_warnings(m.set, m.x, in.t, nonpolar_corresponding_states))
      advise_warning(w.row, w.text);
  const std::int64_t n = m.n();
  double klmx = 0.0;
  KOVA_KL204(m.x.data(), &n, m.idx.data(), nullptr, vl.data(), kl.data(), &s.kdiag, &klmx, m.cid.data());
  Report r("Li's rule for a liquid mixture's thermal conductivity (KOVA_KL204)");
  r.input("components", m.names()).input("x", m.x).input("T", in.t, "K").input("KL", kl, "W/(m K)");
  Table& t = r.table("components", {{"component", ""}, {"x", ""}, {"VL", "m3/kmol"}, {"KL", "W/(m K)"}});
  for (std::int64_t i = 1; i <= n; ++i) {
    const auto k = static_cast<std::size_t>(i - 1);
    t.row({m.name(i), m.x[k], vl[k], kl[k]});
  }
  r.table("mixture", {{"KLMX", "W/(m K)"}}).row({klmx});
  if (in.vl.empty()) r.note("VL: the host's Rackett volumes at T (only their ratios matter).");
  if (supplied)
    r.note("KL: not given (--kl), so TRAPP's liquid conductivity of each component alone (KOVA_KL003) at its "
           "vapour pressure or one atmosphere, whichever is higher.");
  r.note("KL values below 1E-4 W/(m K) are raised to it; the mixture value is held at 1E-4 or above.");
  return r;
}

Report dkk(const DkkInput& in, const Settings& s) {
  require_positive(in.t, "--t");
  require_positive(in.p, "--p");
  require_positive(in.p0, "--p0");
  require_non_negative(in.dv0, "--dv0");
  static constexpr GasModel model{"Dawson-Khoury-Kobayashi",
                                  "`kova wilke-chang` (liquid diffusion coefficients)"};
  const PhaseRequest request = parse_gas_phase_option(in.phase, model);
  const Mixture m = build_mixture(in.components, in.x, true, in.w, in.normalize);
  const std::int64_t n = m.n(), idset = 1;
  const auto nn = static_cast<std::size_t>(n);
  const std::size_t pairs = nn * (nn - 1) / 2;
  if (n < 2) throw InputError("give at least two components");
  const PhaseDecision state = decide_phase(PhaseRequest::automatic, m.set, m.x, in.t, in.p);
  if (in.dv0.size() != 1 && in.dv0.size() != pairs)
    throw InputError("--dv0: one value for every pair, or one for all (" + std::to_string(pairs) + " pairs)");
  // The low-pressure coefficients in the lower triangle, pairs in the order (2,1), (3,1), (3,2), ...
  std::vector<double> dv0(nn * nn, 0.0), dv(nn * nn, 0.0);
  std::size_t p = 0;
  for (std::size_t k = 1; k < nn; ++k)
    for (std::size_t l = 0; l < k; ++l) dv0[k + nn * l] = in.dv0.size() == 1 ? in.dv0[0] : in.dv0[p++];
  std::vector<double> mw = m.set.param("MW"), vc = m.set.param("VC"), flag = m.set.flags();
  std::int64_t ipair[2];
  double ypair[2];
  KOVA_DV002(m.x.data(), &n, m.idx.data(), &in.t, &in.p, &in.p0, ipair, ypair, dv0.data(), &s.kdiag, dv.data(), &idset,
             mw.data(), vc.data(), flag.data(), m.cid.data(), nullptr, nullptr, nullptr, nullptr, nullptr);
  Report r("Dawson-Khoury-Kobayashi density correction of gas diffusion coefficients (KOVA_DV002)");
  r.input("components", m.names()).input("x", m.x).input("T", in.t, "K").input("P", in.p, "Pa").input("P0", in.p0, "Pa");
  r.input("phase", to_string(request)).input("state", to_string(state.state) + ": " + state.reason);
  const std::string computed = "the pair volumes are the equation of state's vapour roots at T and P";
  if (const std::string w = gas_model_warning(model, request, state, computed); !w.empty()) r.warn("mixture", w);
  Table& t =
      r.table("pairs", {{"component k", ""}, {"component l", ""}, {"DV0", "m2/s"}, {"DV", "m2/s"}, {"phase", ""}});
  for (std::size_t k = 1; k < nn; ++k)
    for (std::size_t l = 0; l < k; ++l) {
      // Each pair is corrected as its own binary mixture, the pair's mole fractions
      // normalised to a sum of 1 (an equal split when both are 0), so its state is that binary's.
      const std::string ck = m.name(static_cast<std::int64_t>(k + 1)), cl = m.name(static_cast<std::int64_t>(l + 1));
      const double sum = m.x[k] + m.x[l];
      const std::vector<double> y = sum > 0.0 ? std::vector<double>{m.x[k] / sum, m.x[l] / sum}
                                              : std::vector<double>{0.5, 0.5};
      const PhaseDecision pair = decide_phase(
          PhaseRequest::automatic,
          refhost::ComponentSet({&m.set.component(static_cast<std::int64_t>(k + 1)),
                                 &m.set.component(static_cast<std::int64_t>(l + 1))}),
          y, in.t, in.p);
      t.row({ck, cl, dv0[k + nn * l], dv[k + nn * l], gas_model_phase(pair)});
      if (const std::string w = gas_model_warning(model, request, pair, computed); !w.empty())
        r.warn(ck + " + " + cl, w);
    }
  r.note("Pair volumes at P0 and P from the host's Peng-Robinson equation of state (vapour root).");
  r.note("phase: the state's phase at T and P from the host's vapour pressures by Raoult's law, of each pair as the "
         "binary mixture the correction uses; Dawson-Khoury-Kobayashi corrects a gas whatever the state, and a "
         "liquid is warned.");
  return r;
}

Report wilke_chang(const WilkeChangInput& in, const Settings& s) {
  require_positive(in.t, "--t");
  require_positive(in.mul, "--mul");
  const Mixture m = build_mixture(in.components, in.x, true, in.w, in.normalize);
  const std::int64_t n = m.n();
  const auto nn = static_cast<std::size_t>(n);
  std::vector<double> mul = liquid_viscosities(m, in.t, in.mul, s);
  std::vector<double> mw = m.set.param("MW"), vb = m.set.param("VB"), flag = m.set.flags(), bindl(nn * nn, 0.0);
  if (in.given)
    KOVA_DL004(&in.t, m.x.data(), &n, m.idx.data(), mul.data(), &s.kdiag, bindl.data(), mw.data(), m.cform.data(),
               vb.data(), flag.data(), m.cid.data(), nullptr, nullptr, nullptr);
  else
    KOVA_DL001(&in.t, m.x.data(), &n, m.idx.data(), mul.data(), &s.kdiag, bindl.data(), mw.data(), m.cform.data(),
               vb.data(), flag.data(), m.cid.data(), nullptr, nullptr, nullptr, nullptr);
  Report r(
      in.given
          ? "Wilke-Chang binary liquid diffusion coefficients over the mixture of the given viscosities (KOVA_DL004)"
          : "Wilke-Chang binary liquid diffusion coefficients over the host's mixture viscosity (KOVA_DL001)");
  r.input("components", m.names()).input("x", m.x).input("T", in.t, "K");
  Table& c =
      r.table("components", {{"component", ""}, {"x", ""}, {"MU", "Pa s"}, {"MW", "kg/kmol"}, {"VB", "m3/kmol"}});
  for (std::size_t i = 0; i < nn; ++i) c.row({m.name(static_cast<std::int64_t>(i + 1)), m.x[i], mul[i], mw[i], vb[i]});
  Table& t = r.table("pairs", {{"component k", ""}, {"component l", ""}, {"BINDL", "m2/s"}});
  for (std::size_t k = 1; k < nn; ++k)
    for (std::size_t l = 0; l < k; ++l)
      t.row({m.name(static_cast<std::int64_t>(k + 1)), m.name(static_cast<std::int64_t>(l + 1)), bindl[k + nn * l]});
  if (in.mul.empty()) r.note("MU: the host's DIPPR-101 liquid viscosities at T.");
  r.note("BINDL: the pair's mutual diffusion coefficient at the mixture's composition: Wilke-Chang's k dilute in "
         "solvent l and l dilute in solvent k, weighted by Vignes' rule, so the same for (k, l) and (l, k); kova "
         "mixed-solvent gives one solute in the solvent of the others.");
  return r;
}

namespace {

// --bio NAME:a,b,d,lower,upper
struct Bio {
  const std::vector<std::string>& given;
  // Fills KBIO and MULBPS for the set.
  void apply(const Mixture& m, std::vector<std::int64_t>& kbio, std::vector<double>& mulbps) const {
    kbio.assign(static_cast<std::size_t>(m.n()), 0);
    mulbps.assign(static_cast<std::size_t>(5 * m.n()), 0.0);
    for (const std::string& entry : given) {
      const auto colon = entry.rfind(':');
      if (colon == std::string::npos) throw InputError("--bio: NAME:a,b,d,lower,upper");
      const std::int64_t c = m.numbers_of({entry.substr(0, colon)}, "--bio")[0];
      std::stringstream in(entry.substr(colon + 1));
      std::string item;
      std::vector<double> v;
      while (std::getline(in, item, ',')) {
        std::size_t used = 0;
        double value = 0.0;
        try {
          value = std::stod(item, &used);
        } catch (const std::exception&) {
          used = 0;
        }
        if (used != item.size() || !std::isfinite(value)) throw InputError("--bio: not a finite number: " + item);
        v.push_back(value);
      }
      if (v.size() != 5) throw InputError("--bio: five numbers a, b, d, lower, upper after the name");
      kbio[static_cast<std::size_t>(c - 1)] = 1;
      for (int k = 0; k < 5; ++k) mulbps[static_cast<std::size_t>(5 * (c - 1) + k)] = v[static_cast<std::size_t>(k)];
    }
  }
};

// KOVA_MUL205 over a liquid mixture with the named bio-components (none for a plain liquid
// mixture): the mixture viscosity, each component's bio flag and each bio-component's volume.
struct Mul205 {
  std::vector<std::int64_t> kbio;
  std::vector<double> vl;
  double mulmx = 0.0;
};
Mul205 mul205(const Mixture& m, double t, std::vector<double>& mul, const std::vector<std::string>& bio,
              double xtol, const Settings& s) {
  const std::int64_t n = m.n();
  Mul205 out;
  out.vl.assign(static_cast<std::size_t>(n), 0.0);
  std::vector<double> mulbps, mw = m.set.param("MW");
  Bio{bio}.apply(m, out.kbio, mulbps);
  KOVA_MUL205(&t, m.x.data(), &n, m.idx.data(), mul.data(), &s.kdiag, nullptr, nullptr, nullptr, nullptr, nullptr,
              nullptr, nullptr, nullptr, nullptr, out.kbio.data(), mw.data(), mulbps.data(), out.vl.data(), nullptr,
              &out.mulmx, &xtol, nullptr, nullptr, nullptr, nullptr, nullptr);
  return out;
}

}  // namespace

Report bio_viscosity(const BioViscosityInput& in, const Settings& s) {
  require_positive(in.t, "--t");
  require_positive(in.mul, "--mul");
  const Mixture m = build_mixture(in.components, in.x, true, in.w, in.normalize);
  const std::int64_t n = m.n();
  std::vector<double> mul = liquid_viscosities(m, in.t, in.mul, s);
  const Mul205 out = mul205(m, in.t, mul, in.bio, in.xtol, s);
  const std::vector<std::int64_t>& kbio = out.kbio;
  const std::vector<double>& vl = out.vl;
  Report r("Liquid mixture viscosity with bio-components (KOVA_MUL205)");
  r.input("components", m.names()).input("x", m.x).input("T", in.t, "K").input("XTOL", in.xtol);
  Table& t = r.table("components", {{"component", ""}, {"x", ""}, {"bio", ""}, {"MU", "Pa s"}, {"VL", "m3/kmol"}});
  for (std::int64_t i = 1; i <= n; ++i) {
    const auto k = static_cast<std::size_t>(i - 1);
    t.row({m.name(i), m.x[k], kbio[k], mul[k], vl[k] != 0.0 ? Cell(vl[k]) : Cell()});
  }
  r.table("mixture", {{"MU", "Pa s"}}).row({out.mulmx});
  return r;
}

Report liquid_viscosity(const BioViscosityInput& in, const Settings& s) {
  require_positive(in.t, "--t");
  require_positive(in.mul, "--mul");
  const Mixture m = build_mixture(in.components, in.x, true, in.w, in.normalize);
  const std::int64_t n = m.n();
  std::vector<double> mul = liquid_viscosities(m, in.t, in.mul, s);
  const double mulmx = mul205(m, in.t, mul, {}, in.xtol, s).mulmx;
  Report r("Liquid mixture viscosity (KOVA_MUL205)");
  r.input("components", m.names()).input("x", m.x).input("T", in.t, "K");
  Table& t = r.table("components", {{"component", ""}, {"x", ""}, {"MU", "Pa s"}});
  for (std::int64_t i = 1; i <= n; ++i) {
    const auto k = static_cast<std::size_t>(i - 1);
    t.row({m.name(i), m.x[k], mul[k]});
  }
  r.table("mixture", {{"MU", "Pa s"}}).row({mulmx});
  r.note("MU (mixture): ln MU = sum of x ln MU over the components.");
  if (in.mul.empty()) r.note("MUL: not given (--mul), so the host's DIPPR-101 liquid viscosities at T.");
  return r;
}

Report mixed_solvent(const MixedSolventInput& in, const Settings& s) {
  require_positive(in.t, "--t");
  if (in.rule != "log" && in.rule != "quadratic" && in.rule != "cube-root")
    throw InputError("--rule: " + in.rule + " is not log, quadratic or cube-root");
  const Mixture m = build_mixture(in.components, in.x, true, in.w, in.normalize);
  const std::int64_t n = m.n(), idset = 1;
  const auto nn = static_cast<std::size_t>(n);
  std::vector<double> ksolu(nn, 0.0), dl(nn, 0.0);
  for (std::int64_t c : m.numbers_of(in.solute, "--solute")) ksolu[static_cast<std::size_t>(c - 1)] = 1.0;
  if (in.solute.empty()) ksolu.assign(nn, 1.0);  // each in turn, in all the others
  std::vector<double> mw = m.set.param("MW"), vb = m.set.param("VB"), flag = m.set.flags();
  std::vector<double> xs(3 * nn + 1, 0.0);
  std::vector<std::int64_t> kw(2 * nn, 0);
  const bool with_bio = !in.bio.empty();
  std::string title;
  if (with_bio) {
    std::vector<std::int64_t> kbio, ksv(nn, 0);
    std::vector<double> mulbps, mulw(nn, 0.0), vl(nn, 0.0);
    Bio{in.bio}.apply(m, kbio, mulbps);
    const void* z = nullptr;
    KOVA_DL103(&in.t, m.x.data(), &n, m.idx.data(), &idset, &s.kdiag, mw.data(), m.cform.data(), vb.data(), ksolu.data(),
               flag.data(), m.cid.data(), xs.data(), mulw.data(), z, kw.data(), ksv.data(), z, z, z, z, z, z, z,
               kbio.data(), mulbps.data(), vl.data(), z, z, z, z, z, &in.xtol, dl.data(), z, z, z, z, z, z, z, z);
    title = "Wilke-Chang diffusion of solutes in a mixed solvent with bio-components (KOVA_DL103)";
  } else {
    const std::int64_t kopt[2] = {0, in.rule == "quadratic" ? 1 : in.rule == "cube-root" ? 2 : 0};
    KOVA_DL102(&in.t, m.x.data(), &n, m.idx.data(), &idset, xs.data(), kw.data(), &s.kdiag, dl.data(), mw.data(),
               m.cform.data(), vb.data(), ksolu.data(), flag.data(), m.cid.data(), nullptr, nullptr, nullptr, nullptr,
               nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, kopt, nullptr, nullptr, nullptr);
    title = "Wilke-Chang diffusion of solutes in a mixed solvent (KOVA_DL102, " + in.rule + " mixing rule)";
  }
  Report r(title);
  r.input("components", m.names()).input("x", m.x).input("T", in.t, "K").input("solutes", in.solute);
  Table& t = r.table("components", {{"component", ""}, {"x", ""}, {"solute", ""}, {"DL", "m2/s"}});
  for (std::size_t i = 0; i < nn; ++i)
    t.row({m.name(static_cast<std::int64_t>(i + 1)), m.x[i], std::int64_t(ksolu[i] != 0.0), dl[i]});
  r.note(
      "DL: each solute in the solvent formed by the unmarked components (in all the others when every one is marked).");
  r.note("Solvent viscosities: the host's DIPPR-101 values, mixed by the chosen rule or the bio-component rule.");
  return r;
}

}  // namespace kova::calc
