// kova li, kova dkk, kova wilke-chang, kova mixed-solvent, kova bio-viscosity: the
// liquid-mixture and diffusion routines on databank components. Pure liquid viscosities and
// volumes that the user does not give come from the reference host (DIPPR-101 viscosity,
// Rackett volume), as a simulator would supply them.
#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "command.h"
#include "kova/host.h"
#include "kova/kova.h"

namespace kova::cli {
namespace {

std::vector<std::string> names_of(const Mixture& m) {
  std::vector<std::string> names;
  for (std::int64_t i = 1; i <= m.n(); ++i) names.push_back(m.name(i));
  return names;
}

// A per-component list given on the command line, or empty; a wrong count is a usage error.
void check_count(const std::vector<double>& v, const Mixture& m, const char* what) {
  if (!v.empty() && static_cast<std::int64_t>(v.size()) != m.n())
    throw UsageError(std::string(what) + ": give one value per component");
}

// The host's pure liquid viscosities of the listed components at t, Pa s.
std::vector<double> host_viscosities(const Mixture& m, double t, const Session& s) {
  std::vector<double> mu(static_cast<std::size_t>(m.n()));
  const std::int64_t n = m.n(), idset = 1;
  LUMENA_MUL001(&t, &n, m.idx.data(), &idset, &s.kdiag, mu.data(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                nullptr, nullptr, nullptr, nullptr);
  return mu;
}

// The host's pure liquid molar volumes at t, m3/kmol.
std::vector<double> host_volumes(const Mixture& m, double t, const Session& s) {
  std::vector<double> v(static_cast<std::size_t>(m.n()));
  const std::int64_t n = m.n(), one = 1;
  std::vector<double> mw = m.set.param("MW");
  LUMENA_VL004(&t, &n, m.idx.data(), &one, &s.kdiag, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
               nullptr, nullptr, v.data(), nullptr, nullptr, nullptr, nullptr, mw.data(), nullptr, nullptr);
  return v;
}

// The component numbers of the named components (databank names as given to --components).
std::vector<std::int64_t> numbers_of(const Mixture& m, const std::vector<std::string>& keys, const char* what) {
  std::vector<std::int64_t> out;
  for (const std::string& k : keys) {
    const refhost::Component* c = refhost::find_component(k);
    std::int64_t found = 0;
    for (std::int64_t i = 1; i <= m.n() && c != nullptr; ++i)
      if (&m.set.component(i) == c) found = i;
    if (found == 0) throw UsageError(std::string(what) + ": \"" + k + "\" is not one of --components");
    out.push_back(found);
  }
  return out;
}

// ---------------------------------------------------------------- li
struct LiOptions {
  MixtureOptions mixture;
  double t = 0.0;
  std::vector<double> kl, vl;
};

Report li(const LiOptions& o, const Session& s) {
  const Mixture m = o.mixture.build(true);
  check_count(o.kl, m, "--kl");
  check_count(o.vl, m, "--vl");
  std::vector<double> kl = o.kl, vl = o.vl.empty() ? host_volumes(m, o.t, s) : o.vl;
  const std::int64_t n = m.n();
  double klmx = 0.0;
  KOVA_KL204(m.x.data(), &n, m.idx.data(), nullptr, vl.data(), kl.data(), &s.kdiag, &klmx, m.cid.data());
  Report r("Li's rule for a liquid mixture's thermal conductivity (KOVA_KL204)");
  r.input("components", names_of(m)).input("x", m.x).input("T", o.t, "K").input("KL", o.kl, "W/(m K)");
  Table& t = r.table("components", {{"component", ""}, {"x", ""}, {"VL", "m3/kmol"}, {"KL", "W/(m K)"}});
  for (std::int64_t i = 1; i <= n; ++i) {
    const auto k = static_cast<std::size_t>(i - 1);
    t.row({m.name(i), m.x[k], vl[k], kl[k]});
  }
  r.table("mixture", {{"KLMX", "W/(m K)"}}).row({klmx});
  if (o.vl.empty()) r.note("VL: the host's Rackett volumes at T (only their ratios matter).");
  r.note("KL values below 1E-4 W/(m K) are raised to it; the mixture value is held at 1E-4 or above.");
  return r;
}

const Registration li_command{"li", "Li's rule: thermal conductivity of a liquid mixture from pure values",
                              [](CLI::App& app) -> Action {
                                auto o = std::make_shared<LiOptions>();
                                o->mixture.add_to(app);
                                add_temperature(app, o->t);
                                app.add_option("--kl", o->kl, "pure liquid thermal conductivities, W/(m K)")
                                    ->required()
                                    ->delimiter(',')
                                    ->check(non_negative_number());
                                app.add_option("--vl", o->vl, "liquid molar volumes, m3/kmol (default: the host's)")
                                    ->delimiter(',')
                                    ->check(positive_number());
                                return [o](const Session& s) { return li(*o, s); };
                              }};

// ---------------------------------------------------------------- dkk
struct DkkOptions {
  MixtureOptions mixture;
  double t = 0.0, p = 0.0, p0 = 101325.0;
  std::vector<double> dv0;
};

Report dkk(const DkkOptions& o, const Session& s) {
  const Mixture m = o.mixture.build(true);
  const std::int64_t n = m.n(), idset = 1;
  const auto nn = static_cast<std::size_t>(n);
  const std::size_t pairs = nn * (nn - 1) / 2;
  if (n < 2) throw UsageError("give at least two components");
  if (o.dv0.size() != 1 && o.dv0.size() != pairs)
    throw UsageError("--dv0: one value for every pair, or one for all (" + std::to_string(pairs) + " pairs)");
  // The low-pressure coefficients in the lower triangle, pairs in the order (2,1), (3,1), (3,2), ...
  std::vector<double> dv0(nn * nn, 0.0), dv(nn * nn, 0.0);
  std::size_t p = 0;
  for (std::size_t k = 1; k < nn; ++k)
    for (std::size_t l = 0; l < k; ++l) dv0[k + nn * l] = o.dv0.size() == 1 ? o.dv0[0] : o.dv0[p++];
  std::vector<double> mw = m.set.param("MW"), vc = m.set.param("VC"), flag = m.set.flags();
  std::int64_t ipair[2];
  double ypair[2];
  KOVA_DV002(m.x.data(), &n, m.idx.data(), &o.t, &o.p, &o.p0, ipair, ypair, dv0.data(), &s.kdiag, dv.data(), &idset,
             mw.data(), vc.data(), flag.data(), m.cid.data(), nullptr, nullptr, nullptr, nullptr, nullptr);
  Report r("Dawson-Khoury-Kobayashi density correction of gas diffusion coefficients (KOVA_DV002)");
  r.input("components", names_of(m)).input("x", m.x).input("T", o.t, "K").input("P", o.p, "Pa").input("P0", o.p0, "Pa");
  Table& t = r.table("pairs", {{"component k", ""}, {"component l", ""}, {"DV0", "m2/s"}, {"DV", "m2/s"}});
  for (std::size_t k = 1; k < nn; ++k)
    for (std::size_t l = 0; l < k; ++l)
      t.row({m.name(static_cast<std::int64_t>(k + 1)), m.name(static_cast<std::int64_t>(l + 1)), dv0[k + nn * l],
             dv[k + nn * l]});
  r.note("Pair volumes at P0 and P from the host's Peng-Robinson equation of state (vapour root).");
  return r;
}

const Registration dkk_command{
    "dkk", "Dawson-Khoury-Kobayashi: binary gas diffusion coefficients corrected to pressure P",
    [](CLI::App& app) -> Action {
      auto o = std::make_shared<DkkOptions>();
      o->mixture.add_to(app);
      add_temperature(app, o->t);
      add_pressure(app, o->p);
      add_positive(app, "--p0", o->p0, "reference pressure of DV0, Pa (default 101325)");
      app.add_option("--dv0", o->dv0,
                     "low-pressure coefficients, m2/s: one for all pairs, or pairs (2,1), (3,1), (3,2), ...")
          ->required()
          ->delimiter(',')
          ->check(non_negative_number());
      return [o](const Session& s) { return dkk(*o, s); };
    }};

// ---------------------------------------------------------------- wilke-chang
struct WilkeChangOptions {
  MixtureOptions mixture;
  double t = 0.0;
  std::vector<double> mul;
  bool given = false;
};

Report wilke_chang(const WilkeChangOptions& o, const Session& s) {
  const Mixture m = o.mixture.build(true);
  check_count(o.mul, m, "--mul");
  const std::int64_t n = m.n();
  const auto nn = static_cast<std::size_t>(n);
  std::vector<double> mul = o.mul.empty() ? host_viscosities(m, o.t, s) : o.mul;
  std::vector<double> mw = m.set.param("MW"), vb = m.set.param("VB"), flag = m.set.flags(), bindl(nn * nn, 0.0);
  if (o.given)
    KOVA_DL004(&o.t, m.x.data(), &n, m.idx.data(), mul.data(), &s.kdiag, bindl.data(), mw.data(), m.cform.data(),
               vb.data(), flag.data(), m.cid.data(), nullptr, nullptr, nullptr);
  else
    KOVA_DL001(&o.t, m.x.data(), &n, m.idx.data(), mul.data(), &s.kdiag, bindl.data(), mw.data(), m.cform.data(),
               vb.data(), flag.data(), m.cid.data(), nullptr, nullptr, nullptr, nullptr);
  Report r(
      o.given
          ? "Wilke-Chang binary liquid diffusion coefficients over the mixture of the given viscosities (KOVA_DL004)"
          : "Wilke-Chang binary liquid diffusion coefficients over the host's mixture viscosity (KOVA_DL001)");
  r.input("components", names_of(m)).input("x", m.x).input("T", o.t, "K");
  Table& c =
      r.table("components", {{"component", ""}, {"x", ""}, {"MUL", "Pa s"}, {"MW", "kg/kmol"}, {"VB", "m3/kmol"}});
  for (std::size_t i = 0; i < nn; ++i) c.row({m.name(static_cast<std::int64_t>(i + 1)), m.x[i], mul[i], mw[i], vb[i]});
  Table& t = r.table("pairs", {{"component k", ""}, {"component l", ""}, {"BINDL", "m2/s"}});
  for (std::size_t k = 1; k < nn; ++k)
    for (std::size_t l = 0; l < k; ++l)
      t.row({m.name(static_cast<std::int64_t>(k + 1)), m.name(static_cast<std::int64_t>(l + 1)), bindl[k + nn * l]});
  if (o.mul.empty()) r.note("MUL: the host's DIPPR-101 liquid viscosities at T.");
  return r;
}

const Registration wilke_chang_command{
    "wilke-chang", "Wilke-Chang binary diffusion coefficients of every pair of a liquid mixture",
    [](CLI::App& app) -> Action {
      auto o = std::make_shared<WilkeChangOptions>();
      o->mixture.add_to(app);
      add_temperature(app, o->t);
      app.add_option("--mul", o->mul, "pure liquid viscosities, Pa s (default: the host's)")
          ->delimiter(',')
          ->check(positive_number());
      app.add_flag("--given", o->given, "divide by the mixture of the given viscosities (KOVA_DL004)");
      return [o](const Session& s) { return wilke_chang(*o, s); };
    }};

// ---------------------------------------------------------------- bio-components
// --bio NAME:a,b,d,lower,upper
struct Bio {
  std::vector<std::string> given;
  // Fills KBIO and MULBPS for the set.
  void apply(const Mixture& m, std::vector<std::int64_t>& kbio, std::vector<double>& mulbps) const {
    kbio.assign(static_cast<std::size_t>(m.n()), 0);
    mulbps.assign(static_cast<std::size_t>(5 * m.n()), 0.0);
    for (const std::string& entry : given) {
      const auto colon = entry.rfind(':');
      if (colon == std::string::npos) throw UsageError("--bio: NAME:a,b,d,lower,upper");
      const std::int64_t c = numbers_of(m, {entry.substr(0, colon)}, "--bio")[0];
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
        if (used != item.size() || !std::isfinite(value)) throw UsageError("--bio: not a finite number: " + item);
        v.push_back(value);
      }
      if (v.size() != 5) throw UsageError("--bio: five numbers a, b, d, lower, upper after the name");
      kbio[static_cast<std::size_t>(c - 1)] = 1;
      for (int k = 0; k < 5; ++k) mulbps[static_cast<std::size_t>(5 * (c - 1) + k)] = v[static_cast<std::size_t>(k)];
    }
  }
};

struct BioOptions {
  MixtureOptions mixture;
  double t = 0.0, xtol = 1e-8;
  std::vector<double> mul;
  Bio bio;
};

Report bio_viscosity(const BioOptions& o, const Session& s) {
  const Mixture m = o.mixture.build(true);
  check_count(o.mul, m, "--mul");
  const std::int64_t n = m.n();
  std::vector<double> mul = o.mul.empty() ? host_viscosities(m, o.t, s) : o.mul;
  std::vector<std::int64_t> kbio;
  std::vector<double> mulbps, vl(static_cast<std::size_t>(n), 0.0), mw = m.set.param("MW");
  o.bio.apply(m, kbio, mulbps);
  double mulmx = 0.0;
  KOVA_MUL205(&o.t, m.x.data(), &n, m.idx.data(), mul.data(), &s.kdiag, nullptr, nullptr, nullptr, nullptr, nullptr,
              nullptr, nullptr, nullptr, nullptr, kbio.data(), mw.data(), mulbps.data(), vl.data(), nullptr, &mulmx,
              &o.xtol, nullptr, nullptr, nullptr, nullptr, nullptr);
  Report r("Liquid mixture viscosity with bio-components (KOVA_MUL205)");
  r.input("components", names_of(m)).input("x", m.x).input("T", o.t, "K").input("XTOL", o.xtol);
  Table& t = r.table("components", {{"component", ""}, {"x", ""}, {"bio", ""}, {"MUL", "Pa s"}, {"VL", "m3/kmol"}});
  for (std::int64_t i = 1; i <= n; ++i) {
    const auto k = static_cast<std::size_t>(i - 1);
    t.row({m.name(i), m.x[k], kbio[k], mul[k], vl[k] != 0.0 ? Cell(vl[k]) : Cell()});
  }
  r.table("mixture", {{"MULMX", "Pa s"}}).row({mulmx});
  return r;
}

const Registration bio_command{
    "bio-viscosity", "liquid mixture viscosity with bio-components (log-mean solvent, concentration cubic)",
    [](CLI::App& app) -> Action {
      auto o = std::make_shared<BioOptions>();
      o->mixture.add_to(app);
      add_temperature(app, o->t);
      app.add_option("--mul", o->mul, "pure liquid viscosities, Pa s (default: the host's)")
          ->delimiter(',')
          ->check(positive_number());
      app.add_option("--bio", o->bio.given, "a bio-component: NAME:a,b,d,lower,upper (m3/kg units, kg/m3 bounds)");
      app.add_option("--xtol", o->xtol, "smallest solvent mole-fraction total that is inverted (default 1e-8)");
      return [o](const Session& s) { return bio_viscosity(*o, s); };
    }};

// ---------------------------------------------------------------- mixed-solvent
struct MixedOptions {
  MixtureOptions mixture;
  double t = 0.0, xtol = 1e-8;
  std::vector<std::string> solutes;
  std::string rule = "log";
  Bio bio;
};

Report mixed_solvent(const MixedOptions& o, const Session& s) {
  const Mixture m = o.mixture.build(true);
  const std::int64_t n = m.n(), idset = 1;
  const auto nn = static_cast<std::size_t>(n);
  std::vector<double> ksolu(nn, 0.0), dl(nn, 0.0);
  for (std::int64_t c : numbers_of(m, o.solutes, "--solute")) ksolu[static_cast<std::size_t>(c - 1)] = 1.0;
  if (o.solutes.empty()) ksolu.assign(nn, 1.0);  // each in turn, in all the others
  std::vector<double> mw = m.set.param("MW"), vb = m.set.param("VB"), flag = m.set.flags();
  std::vector<double> xs(3 * nn + 1, 0.0);
  std::vector<std::int64_t> kw(2 * nn, 0);
  const bool with_bio = !o.bio.given.empty();
  std::string title;
  if (with_bio) {
    std::vector<std::int64_t> kbio, ksv(nn, 0);
    std::vector<double> mulbps, mulw(nn, 0.0), vl(nn, 0.0);
    o.bio.apply(m, kbio, mulbps);
    const void* z = nullptr;
    KOVA_DL103(&o.t, m.x.data(), &n, m.idx.data(), &idset, &s.kdiag, mw.data(), m.cform.data(), vb.data(), ksolu.data(),
               flag.data(), m.cid.data(), xs.data(), mulw.data(), z, kw.data(), ksv.data(), z, z, z, z, z, z, z,
               kbio.data(), mulbps.data(), vl.data(), z, z, z, z, z, &o.xtol, dl.data(), z, z, z, z, z, z, z, z);
    title = "Wilke-Chang diffusion of solutes in a mixed solvent with bio-components (KOVA_DL103)";
  } else {
    const std::int64_t kopt[2] = {0, o.rule == "quadratic" ? 1 : o.rule == "cube-root" ? 2 : 0};
    KOVA_DL102(&o.t, m.x.data(), &n, m.idx.data(), &idset, xs.data(), kw.data(), &s.kdiag, dl.data(), mw.data(),
               m.cform.data(), vb.data(), ksolu.data(), flag.data(), m.cid.data(), nullptr, nullptr, nullptr, nullptr,
               nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, kopt, nullptr, nullptr, nullptr);
    title = "Wilke-Chang diffusion of solutes in a mixed solvent (KOVA_DL102, " + o.rule + " mixing rule)";
  }
  Report r(title);
  r.input("components", names_of(m)).input("x", m.x).input("T", o.t, "K").input("solutes", o.solutes);
  Table& t = r.table("components", {{"component", ""}, {"x", ""}, {"solute", ""}, {"DL", "m2/s"}});
  for (std::size_t i = 0; i < nn; ++i)
    t.row({m.name(static_cast<std::int64_t>(i + 1)), m.x[i], std::int64_t(ksolu[i] != 0.0), dl[i]});
  r.note(
      "DL: each solute in the solvent formed by the unmarked components (in all the others when every one is marked).");
  r.note("Solvent viscosities: the host's DIPPR-101 values, mixed by the chosen rule or the bio-component rule.");
  return r;
}

const Registration mixed_command{
    "mixed-solvent", "Wilke-Chang diffusion coefficients of solutes in a mixed liquid solvent",
    [](CLI::App& app) -> Action {
      auto o = std::make_shared<MixedOptions>();
      o->mixture.add_to(app);
      add_temperature(app, o->t);
      app.add_option("--solute", o->solutes, "the solutes (names from --components; default: every component)")
          ->delimiter(',');
      app.add_option("--rule", o->rule, "solvent mixing rule: log (default), quadratic, cube-root")
          ->check(CLI::IsMember({"log", "quadratic", "cube-root"}));
      app.add_option("--bio", o->bio.given,
                     "a bio-component NAME:a,b,d,lower,upper: the solvent viscosity then "
                     "comes from the bio-component rule (KOVA_DL103)");
      app.add_option("--xtol", o->xtol, "with --bio: smallest solvent mole-fraction total that is inverted");
      return [o](const Session& s) { return mixed_solvent(*o, s); };
    }};

}  // namespace
}  // namespace kova::cli
