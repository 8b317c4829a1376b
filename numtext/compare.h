// Comparisons between numbers, always with the margin CompareTolerance.
//
// The difference is formed with the wide intermediate type and compared without being rounded to
// a double. A NaN difference counts as "less" and never as "greater".
//   IsGreater(10, 10.00000005) == false   IsLess(10, 10.0000002) == true
#pragma once

#include "numtext/numtext.h"
#include "numtext/wide.h"

namespace numtext {

inline bool IsGreater(double a, double b) {
  return Wide{a} - Wide{b} > Wide{CompareTolerance};
}
inline bool IsLess(double a, double b) {
  return !(Wide{a} - Wide{b} >= -Wide{CompareTolerance});
}
inline bool IsAtLeast(double a, double b) {
  return !IsLess(a, b);
}
inline bool IsAtMost(double a, double b) {
  return !IsGreater(a, b);
}
inline bool IsGreaterThanZero(double a) {
  return a > CompareTolerance;
}
inline bool IsLessThanZero(double a) {
  return !(a >= -CompareTolerance);
}

}  // namespace numtext
