#include <string_view>

#include "numtext/numtext.h"

namespace numtext {

bool IsEmptyText(std::string_view text) {
  return text.empty();
}

}  // namespace numtext
