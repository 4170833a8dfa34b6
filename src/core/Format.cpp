#include "core/Format.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace kor {

namespace {

// The shortest decimal digits of |x| and the power of ten of the first one:
// |x| = 0.d1d2d3... * 10^(point).
struct Decimal {
    std::string digits;
    int point = 0;
};

Decimal shortest_decimal(double x) {
    char buffer[64];
    auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x), std::chars_format::scientific);
    (void)ec;  // a double always fits
    const std::string text(buffer, end);
    const auto e = text.find('e');
    Decimal d;
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.') {
            d.digits += text[i];
        }
    }
    d.point = std::stoi(text.substr(e + 1)) + 1;
    return d;
}

}  // namespace

std::string fixed(double x, int decimals) {
    // Every value reaching a report is decided before it gets here; checked
    // builds stop on one that was not, release builds print it as 0.
    assert(std::isfinite(x));
    if (!std::isfinite(x)) {
        x = 0.0;
    }
    if (decimals < 0) {
        decimals = 0;
    }
    const Decimal d = shortest_decimal(x);
    // Digits of |x| at the places 10^(point-1) down to 10^(-decimals); places
    // before the first digit are zeros.
    std::string kept;  // integer and fraction digits together
    const int integer_places = std::max(d.point, 1);
    const int total_places = integer_places + decimals;
    bool round_up = false;
    for (int place = 0; place <= total_places; ++place) {
        // Index into d.digits of this place: place 0 is 10^(integer_places-1).
        const int index = place - (integer_places - d.point);
        const char digit = (index >= 0 && index < static_cast<int>(d.digits.size()))
                               ? d.digits[static_cast<std::size_t>(index)]
                               : '0';
        if (place < total_places) {
            kept += digit;
        } else {
            round_up = digit >= '5';  // the shortest form ends before any tie can hide
        }
    }
    if (round_up) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') {
            kept[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++kept[static_cast<std::size_t>(i)];
        } else {
            kept.insert(kept.begin(), '1');
        }
    }
    const std::size_t fraction_start = kept.size() - static_cast<std::size_t>(decimals);
    std::string integer = kept.substr(0, fraction_start);
    const std::string fraction = kept.substr(fraction_start);
    const auto first_nonzero = integer.find_first_not_of('0');
    integer = first_nonzero == std::string::npos ? "0" : integer.substr(first_nonzero);
    const bool is_zero = integer == "0" && fraction.find_first_not_of('0') == std::string::npos;
    std::string result = (x < 0.0 && !is_zero) ? "-" : "";
    result += integer;
    if (decimals > 0) {
        result += '.';
        result += fraction;
    }
    return result;
}

std::string whole(long long x) {
    return std::to_string(x);
}

std::string general(double x) {
    assert(std::isfinite(x));
    if (!std::isfinite(x) || x == 0.0) {
        return "0";
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", x);
    return buffer;
}

std::string right(std::string_view text, std::size_t width) {
    std::string result;
    if (text.size() < width) {
        result.assign(width - text.size(), ' ');
    }
    result += text;
    return result;
}

std::string left(std::string_view text, std::size_t width) {
    std::string result(text);
    if (result.size() < width) {
        result.append(width - result.size(), ' ');
    }
    return result;
}

long long round_half_even(double x) {
    return std::llrint(std::nearbyint(x));
}

}  // namespace kor
