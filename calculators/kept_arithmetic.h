// The arithmetic steps of the calculators: each result is formed in the wide type and kept as the
// double that the next step uses.
#pragma once

#include "numtext/wide.h"

namespace calculators {

inline double Sum(double a, double b) {
  return numtext::Keep(numtext::Wide{a} + b);
}
inline double Difference(double a, double b) {
  return numtext::Keep(numtext::Wide{a} - b);
}
inline double Product(double a, double b) {
  return numtext::Keep(numtext::Wide{a} * b);
}
inline double Quotient(double a, double b) {
  return numtext::Keep(numtext::Wide{a} / b);
}

}  // namespace calculators
