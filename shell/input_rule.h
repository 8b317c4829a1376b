// What the user may do with the text of an edit box.
#pragma once

namespace shell {

enum class InputRule { Integer, Decimal, ReadOnly };

}  // namespace shell
