// Random texts for the monkey test: what a user might paste or type, and what no user should.
#pragma once

#include <QString>
#include <random>

namespace reliability {

// One to eight pieces joined: numbers in every written form, full-width and Chinese characters,
// NUL, lone UTF-16 surrogates, direction marks, line breaks and stray characters of the whole
// Basic Multilingual Plane.
QString RandomText(std::mt19937_64& random);

// A number as a user types it: an optional "-", digits, sometimes a fraction, sometimes an
// exponent, now and then a stray "-" or "." more.
QString RandomNumberText(std::mt19937_64& random);

// About one megabyte of such pieces, repeated.
QString HugeText(std::mt19937_64& random);

// One character a user might type through an input method: full-width forms, ideographic space
// and signs, Chinese characters.
QString RandomImeText(std::mt19937_64& random);

}  // namespace reliability
