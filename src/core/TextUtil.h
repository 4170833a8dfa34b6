#pragma once
// Text helpers shared by every reader, checker and writer: number parsing the
// way the user's boxes are read, the shortest form of a real, line splitting.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kor {

// Largest magnitude parse_integer returns; bigger numbers are clamped to it so
// that a count like 99999999999 is an out-of-range number, not an overflow.
inline constexpr long long integer_clamp = 999'999'999'999LL;

// A whole number in decimal: optional blanks, an optional sign, digits,
// optional blanks. Anything else (empty text, "27.5", "1e3", "0x10") is none.
std::optional<long long> parse_integer(std::string_view text);

// parse_integer narrowed to int; values beyond int are clamped.
std::optional<int> parse_int(std::string_view text);

// Clamps a parsed whole number into the range of int.
int clamp_to_int(long long value);

// "A", "A and B", "A, B and C": names as a message lists them.
std::string listed_with_and(const std::vector<std::string>& names);

// A decimal real: optional blanks, optional sign, digits with at most one
// decimal separator, an optional exponent, optional blanks. `separators` lists
// the characters accepted as the decimal separator (for example "." or ",",
// or ".," for files that may come from either locale). Infinity, NaN and hex
// forms are none.
std::optional<double> parse_real(std::string_view text, std::string_view separators);

// The shortest decimal text that reads back as the same double, without an
// exponent, with "." as separator: 1 -> "1", 1.5 -> "1.5", 0.2 -> "0.2".
std::string shortest_real(double value);

// A number's text with "." replaced by the user's decimal separator, as the
// dialogs show a value so that reading it back gives the same number.
std::string with_user_separator(std::string text, char separator);

// The first `length` characters of `text` (all of it when shorter).
std::string cut(std::string_view text, std::size_t length);

// `text` padded with blanks on the right to `length` characters; longer text is kept whole.
std::string pad_right(std::string_view text, std::size_t length);

// Splits file contents into lines; CR LF, LF and lone CR all end a line. A
// final line end does not start another (empty) line.
std::vector<std::string> split_lines(std::string_view contents);

// The same lines as views into `contents`, which must outlive them.
std::vector<std::string_view> line_views(std::string_view contents);

}  // namespace kor
