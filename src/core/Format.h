#pragma once
// Every number written into a report or shown in a dialog goes through these
// functions.
//
// Fixed notation rounds the value's shortest decimal form (the digits that
// read back as the same double) with ties away from zero, so 6.25 gives 6.3
// and 2.675 gives 2.68 although neither is exact in binary; a value that
// rounds to zero carries no minus sign.

#include <string>
#include <string_view>

namespace kor {

// x with exactly `decimals` digits after the point ("-0.25", "100.0", "7").
std::string fixed(double x, int decimals);

// A whole number in plain decimal ("17", "-3", "10000").
std::string whole(long long x);

// The short general form of a real: up to 15 significant digits, no trailing
// zeros, no exponent for ordinary sizes ("1", "0.5", "-1", "0.2").
std::string general(double x);

// `text` right-aligned in `width` characters by leading blanks; wider text is
// kept whole and shifts what follows.
std::string right(std::string_view text, std::size_t width);

// `text` left-aligned in `width` characters by trailing blanks; wider text is kept whole.
std::string left(std::string_view text, std::size_t width);

// Rounds to a whole number, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
long long round_half_even(double x);

}  // namespace kor
