// Property checks of the fuzz targets: a failed property aborts, so that libFuzzer keeps the input.
#pragma once

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace fuzz {

inline void Check(bool holds, const char* property, const char* file, int line,
                  std::string_view detail) {
  if (!holds) {
    std::fprintf(stderr, "%s:%d: property does not hold: %s [%.*s]\n", file, line, property,
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
  }
}

inline std::uint64_t Bits(double x) {
  return std::bit_cast<std::uint64_t>(x);
}

}  // namespace fuzz

#define FUZZ_CHECK(property) ::fuzz::Check((property), #property, __FILE__, __LINE__, {})
#define FUZZ_CHECK_MSG(property, detail) \
  ::fuzz::Check((property), #property, __FILE__, __LINE__, (detail))
