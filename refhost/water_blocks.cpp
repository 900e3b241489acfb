// The five water coefficient blocks of libkova, filled when the host is loaded, as a simulator
// fills them before its first water call. Word n of a table below is word n (from 1) of
// the block.
//
// Sources: IAPS Formulation 1985 for the viscosity of ordinary water substance (IAPWS revised
// release 1997/2003; Sengers and Kamgar-Parsi, J. Phys. Chem. Ref. Data 13, 185 (1984));
// IAPS Formulation 1985 for the thermal conductivity (IAPWS revised release 1998/2008;
// Sengers et al., J. Phys. Chem. Ref. Data 13, 893 (1984)); Sengers and Watson, J. Phys.
// Chem. Ref. Data 15, 1291 (1986); Levelt Sengers, Kamgar-Parsi, Balfour and Sengers,
// J. Phys. Chem. Ref. Data 12, 1 (1983) for the scaled equation of the critical region.
// The derived words of the scaled equation were computed from its primary parameters with
// the linear-model formulas and agree with SUPCRT92's tabulated constants. Zeros are words
// the library does not read or coefficients that are zero in the tables.
#include <cstring>
#include <iterator>

#include "kova/kova.h"
#include "water_blocks.h"

namespace kova::refhost {

namespace {
// Viscosity validity bands (500/350/300 MPa up to 150/600/900 C, from 0 C) and the critical
// box 0.997..1.0082 in T/T*, 0.755..1.29 in rho/rho* (IAPS 1985 viscosity release).
constexpr double kH2OMU0[12] = {
    500000000.0, 350000000.0, 300000000.0, 273.15,
    423.15, 873.15, 1173.15, 0.997,
    1.0082, 0.755, 1.29, 0,
};

// H0..H3 of the dilute-gas term, then Hij (i = 0..5 fastest, j = 0..6) of the residual factor
// (IAPS 1985 viscosity release; Sengers and Kamgar-Parsi 1984).
constexpr double kH2OMU1[48] = {
    1.0, 0.978197, 0.579829, -0.202354,
    0.5132047, 0.3205656, 0, 0,
    -0.7782567, 0.1885447, 0.2151778, 0.7317883,
    1.241044, 1.476783, 0, 0,
    -0.2818107, -1.070786, -1.263184, 0,
    0, 0, 0.1778064, 0.460504,
    0.2340379, -0.4924179, 0, 0,
    -0.0417661, 0, 0, 0.1600435,
    0, 0, 0, -0.01578386,
    0, 0, 0, 0,
    0, 0, 0, -0.003629481,
    0, 0, 0, 0,
};

// Reference constants of the 1985 releases (T* = 647.27 K, rho* = 317.763 kg/m3, P* = 22.115 MPa,
// mu* = 55.071e-6 Pa s, lambda* = 0.4945 W/(m K)), the molar mass, the factors turning the
// scaled equation's (d rho~/d mu~) into chi-bar (P*/Pc, rhoc/rho*, T*/Tc with Tc = 647.067 K,
// Pc = 22.046 MPa, rhoc = 322.778 kg/m3), and the parameters of the Levelt Sengers, Kamgar-Parsi,
// Balfour and Sengers (1983) scaled equation: beta*delta, alpha, alpha - Delta1, beta,
// beta + Delta1, gamma, gamma - Delta1, a, k0, k1, c, b^2, P1..P3, P11 and the linear-model
// polynomials p0j, p2j, p4j, s0j, s2j derived from them.
constexpr double kREFH2O[44] = {
    647.27, 317.763, 22115000.0, 5.5071e-05,
    0, 0.4945, 18.015268, 1.0031298194683842,
    1.0157822024590655, 1.0003137233084054, 0, 0,
    0, 0, 0, 1.5665,
    0.1085, -0.3915, 0.325, 0.825,
    1.2415, 0.7415, 23.6666, 1.4403,
    0.2942, -0.017762, 1.3757, 6.8445,
    -25.4915, 5.238, 0.4917759376756633, 0.586534703230781,
    0.10324588282611903, -1.0262433891202185, 0.1603224341591924, 0.6129032258064547,
    -0.1698595146871014, 1.1094303911610224, 0.24691252877866368, -1.981395981400675,
    -0.8434113328674835, 0, 0, 0,
};

// Conductivity validity bands (400/200/150/100 MPa up to 125/250/400/800 C, from 0 C).
constexpr double kH2OKS0[12] = {
    400000000.0, 200000000.0, 150000000.0, 100000000.0,
    273.15, 398.15, 523.15, 673.15,
    1073.15, 0, 0, 0,
};

// L0..L3 of the dilute-gas term, then Lij (i = 0..4 fastest, j = 0..5) of the residual factor
// (IAPS 1985 thermal-conductivity release; Sengers, Watson, Basu, Kamgar-Parsi and Hendricks 1984).
constexpr double kH2OKS1[36] = {
    1.0, 6.978267, 2.599096, -0.998254,
    1.3293046, 1.7018363, 5.2246158, 8.7127675,
    -1.8525999, -0.40452437, -2.2156845, -10.124111,
    -9.5000611, 0.9340469, 0.2440949, 1.6511057,
    4.9874687, 4.3786606, 0, 0.018660751,
    -0.76736002, -0.27297694, -0.91783782, 0,
    -0.12961068, 0.37283344, -0.43083393, 0,
    0, 0.044809953, -0.1120316, 0.13333849,
    0, 0, 0, 0,
};

void copy(kova_word* block, const double* values, std::size_t n) {
  std::memcpy(block, values, n * sizeof(double));
}

// Fills the blocks once when the host library is loaded.
const bool filled = (fill_water_blocks(), true);

}  // namespace

void fill_water_blocks() {
  copy(KOVA_H2OMU0, kH2OMU0, std::size(kH2OMU0));
  copy(KOVA_H2OMU1, kH2OMU1, std::size(kH2OMU1));
  copy(KOVA_REFH2O, kREFH2O, std::size(kREFH2O));
  copy(KOVA_H2OKS0, kH2OKS0, std::size(kH2OKS0));
  copy(KOVA_H2OKS1, kH2OKS1, std::size(kH2OKS1));
}

}  // namespace kova::refhost
