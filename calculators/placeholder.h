// The text an output shows when it cannot be given.
#pragma once

#include <initializer_list>
#include <string_view>

#include "calculators/property_model.h"

namespace calculators {

inline constexpr std::string_view kPlaceholder = "-";

// Writes the placeholder to each control, in the order given.
inline void WritePlaceholder(PropertyModel& controls,
                             std::initializer_list<std::string_view> outputs) {
  for (const std::string_view output : outputs) {
    controls.SetText(output, kPlaceholder);
  }
}

}  // namespace calculators
