// The type in which the calculators form intermediate results before rounding them to double.
//
// Where long double has a 64-bit significand (x87 extended precision: GCC and Clang on x86,
// MinGW) results carry those extra bits, as the x87 unit does; elsewhere plain double.
#pragma once

#include <cfloat>

namespace numtext {

#if LDBL_MANT_DIG == 64
using Wide = long double;
#else
using Wide = double;
#endif

// Rounds a wide intermediate to the double that is kept for the next step.
inline double Keep(Wide x) {
  return static_cast<double>(x);
}

}  // namespace numtext
