// The calculator's commands: for each model family, the inputs a user gives (named like
// the command line's options) and the function that turns them into library calls through
// the reference host and returns the report. The command line and the Python package call
// these and nothing else; each function is the one copy of its model's calling logic.
//
// A function builds and installs the component set, so it must run between a host reset and
// the reading of the host's record: call it through evaluate() (calculator.h).
// Quantities are SI on a kmol basis: K, Pa, m3/kmol, kmol/m3, kg/kmol, Pa s, W/(m K), N/m,
// m2/s. A scalar left at kNotGiven is absent.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "mixture.h"
#include "report.h"

namespace kova::calc {

// The diagnostic level handed to the routines as KDIAG and the host's range-warning switch.
struct Settings {
  std::int64_t kdiag = 2;
  bool range_warnings = true;
  bool verbose = false;  // the wide diagnostic tables (TRAPP's equivalent state) too
};

// Components by databank name, CAS number or formula, and mole fractions in the same order.
// Or mass fractions w instead of x; normalize scales either to a sum of 1.
struct Composition {
  std::vector<std::string> components;
  std::vector<double> x;
  std::vector<double> w;
  bool normalize = false;
};

// ---------------------------------------------------------------- databank
Report list_components();
Report show_component(const std::string& key);

// ---------------------------------------------------------------- models
struct DeanStielInput : Composition {
  double t = kNotGiven;
  double volume = kNotGiven, density = kNotGiven, p = kNotGiven;  // one of them
  double mulp = kNotGiven;  // mixture's low-pressure viscosity, Pa s (optional)
  std::string phase = "auto";  // auto or vapour: with p the state's phase (a gas model)
};
Report dean_stiel(const DeanStielInput& in, const Settings& s);

struct TrappInput : Composition {
  double t = kNotGiven, p = kNotGiven;
  std::string phase = "auto";  // auto (from the host's vapour pressures), vapour or liquid
};
Report trapp(const TrappInput& in, const Settings& s);

struct ChungInput : Composition {
  double t = kNotGiven;
  double volume = kNotGiven, density = kNotGiven, p = kNotGiven;  // at most one
  std::int64_t kcoef = 0;
  // auto, vapour or liquid: with p the phase of the volume (the host's Peng-Robinson vapour
  // volume or its Rackett liquid volumes); liquid without p or a volume: the Rackett volumes.
  std::string phase = "auto";
};
Report chung(const ChungInput& in, const Settings& s);

struct WaterInput {
  double t = kNotGiven, p = kNotGiven;
  std::string phase = "auto";  // auto (from the saturation pressure), vapour or liquid
};
Report water(const WaterInput& in, const Settings& s);

struct SurfaceTensionInput : Composition {
  std::vector<double> sigma;  // N/m, one per component
  std::int64_t nexp = 1;
  std::vector<std::string> marked;
  std::vector<double> vw;
};
Report surface_tension(const SurfaceTensionInput& in, const Settings& s);

struct WilkeInput : Composition {
  double t = kNotGiven;
  std::vector<double> mulp;  // Pa s, one per component
};
Report wilke(const WilkeInput& in, const Settings& s);

// The gas models (Lucas, Dean-Stiel, Dawson-Khoury-Kobayashi) take phase auto or vapour:
// the state's phase is judged and shown, a liquid warned; liquid is refused.
struct LucasInput : Composition {
  double t = kNotGiven, p = kNotGiven;
  std::string phase = "auto";
};
Report lucas(const LucasInput& in, const Settings& s);

struct StielThodosInput : Composition {
  double volume = kNotGiven, density = kNotGiven;  // one of them
  std::vector<double> klp;    // W/(m K), one per component (optional)
  double kmxlp = kNotGiven;   // W/(m K) (optional)
};
Report stiel_thodos(const StielThodosInput& in, const Settings& s);

struct LetsouStielInput {
  std::vector<std::string> components;
  double t = kNotGiven;
};
Report letsou_stiel(const LetsouStielInput& in, const Settings& s);

struct LiInput : Composition {
  double t = kNotGiven;
  std::vector<double> kl, vl;  // W/(m K); m3/kmol (optional)
};
Report li(const LiInput& in, const Settings& s);

struct DkkInput : Composition {
  double t = kNotGiven, p = kNotGiven, p0 = 101325.0;
  std::vector<double> dv0;  // m2/s: one for all pairs or one per pair (2,1), (3,1), (3,2), ...
  std::string phase = "auto";  // auto or vapour (a gas model)
};
Report dkk(const DkkInput& in, const Settings& s);

struct WilkeChangInput : Composition {
  double t = kNotGiven;
  std::vector<double> mul;  // Pa s (optional)
  bool given = false;
};
Report wilke_chang(const WilkeChangInput& in, const Settings& s);

struct MixedSolventInput : Composition {
  double t = kNotGiven, xtol = 1e-8;
  std::vector<std::string> solute;
  std::string rule = "log";
  std::vector<std::string> bio;  // NAME:a,b,d,lower,upper
};
Report mixed_solvent(const MixedSolventInput& in, const Settings& s);

struct BioViscosityInput : Composition {
  double t = kNotGiven, xtol = 1e-8;
  std::vector<double> mul;
  std::vector<std::string> bio;  // NAME:a,b,d,lower,upper
};
Report bio_viscosity(const BioViscosityInput& in, const Settings& s);
// The same rule without bio-components: the plain liquid-mixture viscosity (bio is ignored).
Report liquid_viscosity(const BioViscosityInput& in, const Settings& s);

// ---------------------------------------------------------------- inputs the calculator supplies
// Chung-Lee-Starling's low-pressure vapour viscosity of each component at t (KOVA_MUV008), Pa s.
std::vector<double> chung_low_pressure_viscosities(const Mixture& m, double t, const Settings& s);
// TRAPP's liquid thermal conductivity of each component alone at t (KOVA_KL003), W/(m K), at
// its vapour pressure or one atmosphere, whichever is higher.
std::vector<double> trapp_liquid_conductivities(const Mixture& m, double t, const Settings& s);

}  // namespace kova::calc
