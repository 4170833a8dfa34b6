#include "core/TextUtil.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace kor {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trim_blanks(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::optional<long long> parse_integer(std::string_view text) {
    text = trim_blanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !std::all_of(text.begin(), text.end(), is_digit)) {
        return std::nullopt;
    }
    long long value = 0;
    for (char c : text) {
        value = std::min(integer_clamp, value * 10 + (c - '0'));
    }
    return negative ? -value : value;
}

int clamp_to_int(long long value) {
    constexpr long long lo = std::numeric_limits<int>::min();
    constexpr long long hi = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(value, lo, hi));
}

std::optional<int> parse_int(std::string_view text) {
    auto value = parse_integer(text);
    if (!value) {
        return std::nullopt;
    }
    return clamp_to_int(*value);
}

std::optional<double> parse_real(std::string_view text, std::string_view separators) {
    text = trim_blanks(text);
    // Rebuild the number with "." so from_chars can read it, checking the
    // form as we go: sign, digits, one separator, digits, exponent.
    std::string normal;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-') {
            normal += '-';
        }
        ++pos;
    }
    std::size_t mantissa_digits = 0;
    while (pos < text.size() && is_digit(text[pos])) {
        normal += text[pos++];
        ++mantissa_digits;
    }
    if (pos < text.size() && separators.find(text[pos]) != std::string_view::npos) {
        normal += '.';
        ++pos;
        while (pos < text.size() && is_digit(text[pos])) {
            normal += text[pos++];
            ++mantissa_digits;
        }
    }
    if (mantissa_digits == 0) {
        return std::nullopt;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        normal += 'e';
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            normal += text[pos++];
        }
        std::size_t exponent_digits = 0;
        while (pos < text.size() && is_digit(text[pos])) {
            normal += text[pos++];
            ++exponent_digits;
        }
        if (exponent_digits == 0) {
            return std::nullopt;
        }
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    double value = 0.0;
    auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (ec != std::errc() || end != normal.data() + normal.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value + 0.0;  // no negative zero
}

std::string shortest_real(double value) {
    if (!std::isfinite(value)) {
        return "0";
    }
    if (value == 0.0) {
        return "0";
    }
    char buffer[512];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc()) {
        return "0";
    }
    return std::string(buffer, end);
}

std::string cut(std::string_view text, std::size_t length) {
    return std::string(text.substr(0, std::min(length, text.size())));
}

std::string pad_right(std::string_view text, std::size_t length) {
    std::string result(text);
    if (result.size() < length) {
        result.append(length - result.size(), ' ');
    }
    return result;
}

std::vector<std::string_view> line_views(std::string_view contents) {
    std::vector<std::string_view> lines;
    // Room for every line at once: a data set's thousands of lines would
    // otherwise grow the list a dozen times, leaving the heap the blocks
    // it outgrew.
    lines.reserve(static_cast<std::size_t>(std::count(contents.begin(), contents.end(), '\n')) + 1);
    const std::size_t size = contents.size();
    std::size_t start = 0;
    while (start < size) {
        std::size_t end = start;
        while (end < size && contents[end] != '\r' && contents[end] != '\n') {
            ++end;
        }
        lines.push_back(contents.substr(start, end - start));
        const bool crlf = end + 1 < size && contents[end] == '\r' && contents[end + 1] == '\n';
        start = end + (crlf ? 2 : 1);
    }
    return lines;
}

std::vector<std::string> split_lines(std::string_view contents) {
    const std::vector<std::string_view> views = line_views(contents);
    return {views.begin(), views.end()};
}

std::string with_user_separator(std::string text, char separator) {
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

std::string listed_with_and(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t k = 0; k < names.size(); ++k) {
        text += (k == 0 ? "" : k + 1 == names.size() ? " and " : ", ") + names[k];
    }
    return text;
}

}  // namespace kor
