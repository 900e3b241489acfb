#include "trapp/reference_fluid.h"

#include <cmath>

namespace kova::trapp {

namespace {

// Dilute-gas coefficients g_1..g_9 (micropoise).
constexpr double kG[9] = {2907741.307,  -3312874.033, 1608101.838,  -433190.4871, 70624.8133,
                          -7116.62075,  432.51744,    -14.4591121,  0.2037119479};

// The critical mass density of methane in the dense terms, g/cm3.
constexpr double kRhoCritical = 0.1628;

}  // namespace

double eta_dilute(double t) {
  double sum = 0.0;
  for (int i = 1; i <= 9; ++i) sum += kG[i - 1] * std::pow(t, static_cast<double>(i - 4) / 3.0);
  return sum;
}

double eta_first_density(double t) {
  const double a = 1.4 - std::log(t / 168.0);
  return 1.6969859271 - 0.13337234608 * (a * a);
}

double eta_ref(double t, double rho0, double xeta, double m0) {
  const double rho = 0.001 * m0 * std::fabs(rho0);  // g/cm3
  const double theta = rho / kRhoCritical - 1.0;
  const double tt = (17.460545674 - 2847.6328289 * std::pow(t, -1.5)) * std::pow(rho, 0.1) +
                    theta * std::sqrt(rho) * (0.13368502192 + 142.07239767 / t + 5002.066972 / (t * t));
  const double dense = std::exp(-10.239160427 + 174.22822961 / t) * (std::exp(tt) - 1.0);
  return eta_dilute(t) + eta_first_density(t) * rho + xeta * dense;
}

double lambda_first_density(double t) {
  const double a = 1.12 - std::log(t / 168.0);
  return -0.25276292 + 0.33432859 * (a * a);
}

LambdaRef lambda_ref(double t, double rho0, double m0) {
  const double rho = 0.001 * m0 * rho0;  // g/cm3, signed
  const double theta = rho / kRhoCritical - 1.0;
  const double s = (12.471834689 - 984.62522975 * std::pow(t, -1.5)) * std::pow(rho, 0.1) +
                   theta * std::sqrt(rho) * (0.35946850007 + 69.798412538 / t - 872.88332851 / (t * t));
  const double dense = std::exp(-7.197708227 + 85.67822264 / t) * (std::exp(s) - 1.0);
  const double eta_d = eta_dilute(t);
  LambdaRef out;
  out.eta_d = eta_d;
  out.lambda = 0.001 * (7.452 * eta_d / m0 * 0.41868 + dense + lambda_first_density(t) * rho);
  return out;
}

}  // namespace kova::trapp
