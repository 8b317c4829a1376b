// The character classes that the number readers share.
#pragma once

namespace numtext {

inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The white space skipped before a number: space, \t, \n, \v, \f, \r.
inline bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace numtext
