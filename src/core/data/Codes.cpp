#include "core/data/Codes.h"

namespace kor {

std::uint8_t response_code(char c, int item_options) {
    const bool two_options = item_options == 2;
    switch (c) {
        case '1': case 'A': case 'a': return 1;
        case '2': case 'B': case 'b': return 2;
        case '3': case 'C': case 'c': return 3;
        case '4': case 'D': case 'd': return 4;
        case '5': case 'E': case 'e': return 5;
        case '6': return 6;
        case '7': case 'G': case 'g': return 7;
        case '8': case 'H': case 'h': return 8;
        case 'T': case 't': return two_options ? 1 : missing_code;
        case 'F': case 'f': return two_options ? 2 : 6;
        case '0': return two_options ? 2 : 0;
        default: return missing_code;
    }
}

char code_digit(std::uint8_t code) { return static_cast<char>('0' + (code % 10)); }

std::uint8_t include_code(char c) {
    switch (c) {
        case ' ': case 'Y': case 'y': return include_plain;
        case 'A': case 'a': return include_alternatives;
        default: return include_excluded;
    }
}

}  // namespace kor
