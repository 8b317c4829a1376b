// The one piece of floating-point control the program needs from the platform.
#pragma once

namespace shell {

// Rounding to nearest, every floating-point exception masked (a division by zero gives an
// infinity), intermediate x87 results with a 64-bit significand.
void ResetFloatingPointEnvironment();

}  // namespace shell
