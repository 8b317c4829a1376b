#include "shell/platform_fpu.h"

#include <cfenv>
#ifdef _MSC_VER
#include <float.h>
#endif

namespace shell {

void ResetFloatingPointEnvironment() {
  std::fesetenv(FE_DFL_ENV);
#ifdef _MSC_VER
  // The Microsoft runtime keeps the exception masks apart from the C environment.
  unsigned int control = 0;
  _controlfp_s(&control, _MCW_EM, _MCW_EM);
#endif
}

}  // namespace shell
