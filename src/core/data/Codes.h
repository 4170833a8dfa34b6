#pragma once
// The code tables that turn key and response characters and include
// characters into the numbers the analysis works with.

#include <array>
#include <cstdint>

namespace kor {

inline constexpr std::uint8_t missing_code = 9;

// The codes of all 256 characters on one kind of item.
using CodeTable = std::array<std::uint8_t, 256>;

// The table for an item with `item_options` options (items with 2 options
// read "T", "F" and "0" differently).
const CodeTable& response_codes(int item_options);

// The code 0..9 of a key or response character on an item with
// `item_options` options: 1..8 are options, 0 is "0" on an item that does not
// have 2 options, 9 is missing (any character not in the table).
inline std::uint8_t response_code(char c, int item_options) {
    return response_codes(item_options)[static_cast<unsigned char>(c)];
}

// The code digit character ('0'..'9') of response_code.
char code_digit(std::uint8_t code);

// Include codes: 1 included, 2 included with alternative correct answers, 0 excluded.
inline constexpr std::uint8_t include_excluded = 0;
inline constexpr std::uint8_t include_plain = 1;
inline constexpr std::uint8_t include_alternatives = 2;

std::uint8_t include_code(char c);

}  // namespace kor
