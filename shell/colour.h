// Conversions between the calculators' 0x00BBGGRR colours and Qt's.
#pragma once

#include <QColor>

#include "calculators/property_model.h"

namespace shell {

inline QColor ToQColor(calculators::Colour colour) {
  return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                static_cast<int>((colour >> 16) & 0xFFu));
}

inline calculators::Colour FromQColor(const QColor& colour) {
  return static_cast<calculators::Colour>(colour.red()) |
         static_cast<calculators::Colour>(colour.green()) << 8 |
         static_cast<calculators::Colour>(colour.blue()) << 16;
}

}  // namespace shell
