// The composition of a mixture from what a user gives: mole fractions (--x) or mass
// fractions (--w), either of them as fractions or percentages that need not sum to one when
// --normalize is given.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace kova::calc {

struct CompositionError : std::invalid_argument {
  using std::invalid_argument::invalid_argument;
};

struct FractionInput {
  std::vector<double> x;  // mole fractions (--x), or empty
  std::vector<double> w;  // mass fractions (--w), or empty
  bool normalize = false;  // --normalize: scale to a sum of 1
};

struct Fractions {
  std::vector<double> x;           // mole fractions, summing to 1
  std::vector<double> w;           // mass fractions, summing to 1 (empty without molar masses)
  std::vector<std::string> notes;  // what was done to the input (normalised, converted)
};

// Mole (and mass) fractions of n components with molar masses mw (kg/kmol, by list
// position; may be empty when only --x is given). Rules:
//   - at most one of x and w; neither: a single component is pure, more need a composition;
//   - one non-negative finite value per component, not all zero;
//   - without normalize the values must sum to 1 within 1e-4 (the message suggests
//     --normalize, and says when the values look like percentages);
//   - with normalize they are divided by their sum (so percentages, 90,10, or rounded thirds
//     are fine);
//   - mass fractions become mole fractions by x_i = (w_i/M_i) / sum(w_j/M_j), which needs a
//     positive molar mass for every component.
// CompositionError carries a plain sentence naming the option.
Fractions make_fractions(const FractionInput& in, std::size_t n, const std::vector<double>& mw);

}  // namespace kova::calc
