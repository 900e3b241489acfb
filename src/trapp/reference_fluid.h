// The methane reference fluid of the Ely-Hanley corresponding-states (TRAPP) models: its
// constants and its viscosity and thermal-conductivity correlations as functions of
// temperature and molar density.
//
// Sources: J. F. Ely and H. J. M. Hanley, Ind. Eng. Chem. Fundam. 20 (1981) 323 (viscosity)
// and 22 (1983) 90 (thermal conductivity); the methane correlations are those of Hanley,
// McCarty and Haynes as used in NBS Technical Note 1039 (TRAPP).
#pragma once

namespace kova::trapp {

// Constants of the reference fluid, supplied by the host (LUMENA_CRICH4 words 0, 2, 3, 4, 5).
struct ReferenceConstants {
  double tc0 = 0.0;  // critical temperature, K
  double vc0 = 0.0;  // critical molar volume, m3/kmol
  double zc0 = 0.0;  // critical compressibility factor
  double w0 = 0.0;   // acentric factor
  double m0 = 0.0;   // molecular weight, kg/kmol
};

// Dilute-gas viscosity of methane, micropoise: sum over i = 1..9 of g_i T^((i-4)/3), T in K.
double eta_dilute(double t);

// First density coefficient of the methane viscosity, micropoise per g/cm3.
double eta_first_density(double t);

// Methane viscosity eta_ref(T, rho0, Xeta), micropoise: dilute part, first density term and
// the dense term multiplied by xeta. rho0 in kmol/m3 enters through its absolute value;
// m0 in kg/kmol turns it into a mass density in g/cm3.
double eta_ref(double t, double rho0, double xeta, double m0);

// Thermal conductivity of methane, translational part only, W/(m K), together with the
// dilute-gas viscosity eta_d(T) in micropoise that the internal-energy term needs.
// rho0 in kmol/m3 enters with its sign (a negative density yields no number).
struct LambdaRef {
  double lambda = 0.0;
  double eta_d = 0.0;
};
LambdaRef lambda_ref(double t, double rho0, double m0);

// First density coefficient of the methane thermal conductivity, mW/(m K) per g/cm3.
double lambda_first_density(double t);

}  // namespace kova::trapp
