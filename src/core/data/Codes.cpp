#include "core/data/Codes.h"

namespace kor {

namespace {

constexpr std::uint8_t code_of(char c, bool two_options) {
    switch (c) {
        case '1':
        case 'A':
        case 'a':
            return 1;
        case '2':
        case 'B':
        case 'b':
            return 2;
        case '3':
        case 'C':
        case 'c':
            return 3;
        case '4':
        case 'D':
        case 'd':
            return 4;
        case '5':
        case 'E':
        case 'e':
            return 5;
        case '6':
            return 6;
        case '7':
        case 'G':
        case 'g':
            return 7;
        case '8':
        case 'H':
        case 'h':
            return 8;
        case 'T':
        case 't':
            return two_options ? 1 : missing_code;
        case 'F':
        case 'f':
            return two_options ? 2 : 6;
        case '0':
            return two_options ? 2 : 0;
        default:
            return missing_code;
    }
}

// Looked up once per response of every data line, so made once, at compile time.
constexpr CodeTable table_for(bool two_options) {
    CodeTable table{};
    for (int c = 0; c < 256; ++c) {
        table[static_cast<std::size_t>(c)] = code_of(static_cast<char>(c), two_options);
    }
    return table;
}

constexpr CodeTable two_option_codes = table_for(true);
constexpr CodeTable other_codes = table_for(false);

}  // namespace

const CodeTable& response_codes(int item_options) {
    return item_options == 2 ? two_option_codes : other_codes;
}

char code_digit(std::uint8_t code) {
    return static_cast<char>('0' + (code % 10));
}

std::uint8_t include_code(char c) {
    switch (c) {
        case ' ':
        case 'Y':
        case 'y':
            return include_plain;
        case 'A':
        case 'a':
            return include_alternatives;
        default:
            return include_excluded;
    }
}

}  // namespace kor
