#include "reports/JsonStream.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/Encoding.h"

namespace kor {

namespace {

constexpr std::size_t buffer_size = 1 << 16;
constexpr std::size_t indent_width = 2;

}  // namespace

JsonStream::JsonStream(TextSink& sink, std::string_view newline) : sink_(sink), newline_(newline) {
    buffer_.reserve(buffer_size + 256);
}

void JsonStream::put(std::string_view bytes) {
    buffer_.append(bytes);
}

void JsonStream::put(char c) {
    buffer_.push_back(c);
}

// Checked once per value; no single value is large except a text, which
// flushes as it goes.
void JsonStream::flush_when_full() {
    if (buffer_.size() >= buffer_size) {
        sink_.write(buffer_);
        buffer_.clear();
    }
}

void JsonStream::line_break() {
    const std::size_t indent = levels_.size() * indent_width;
    if (newline_.size() + indent > break_and_indent_.size()) {
        break_and_indent_ = newline_ + std::string(indent, ' ');
    }
    put(std::string_view(break_and_indent_).substr(0, newline_.size() + indent));
}

// The separator and the line break before a value; a member's value follows
// its name on the same line.
void JsonStream::before_value() {
    flush_when_full();
    if (after_key_) {
        after_key_ = false;
        return;
    }
    if (levels_.empty()) {
        return;
    }
    Level& level = levels_.back();
    if (level.members++ > 0) {
        put(',');
    }
    line_break();
}

void JsonStream::key(std::string_view name) {
    before_value();
    put('"');
    put(name);
    put("\": ");
    after_key_ = true;
}

void JsonStream::begin_object() {
    before_value();
    put('{');
    levels_.push_back({true, 0});
}

void JsonStream::begin_array() {
    before_value();
    put('[');
    levels_.push_back({false, 0});
}

void JsonStream::end_object() {
    const Level level = levels_.back();
    levels_.pop_back();
    if (level.members > 0) {
        line_break();
    }
    put('}');
}

void JsonStream::end_array() {
    const Level level = levels_.back();
    levels_.pop_back();
    if (level.members > 0) {
        line_break();
    }
    put(']');
}

void JsonStream::real(double value) {
    if (!std::isfinite(value)) {
        null();
        return;
    }
    before_value();
    char digits[32];
    // Adding zero turns a negative zero into zero.
    const std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, value + 0.0);
    const std::string_view shortest(digits, static_cast<std::size_t>(written.ptr - digits));
    put(shortest);
    if (shortest.find_first_of(".e") == std::string_view::npos) {
        put(".0");
    }
}

void JsonStream::whole(long long value) {
    before_value();
    char digits[24];
    const std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, value);
    put(std::string_view(digits, static_cast<std::size_t>(written.ptr - digits)));
}

void JsonStream::boolean(bool value) {
    before_value();
    put(value ? "true" : "false");
}

void JsonStream::null() {
    before_value();
    put("null");
}

void JsonStream::text(std::string_view latin1) {
    before_value();
    static constexpr char hex_digits[] = "0123456789abcdef";
    put('"');
    // Most texts (labels, grades) are plain ASCII with nothing to escape:
    // they go out as they are, without a converted copy.
    const bool plain = std::all_of(latin1.begin(), latin1.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 && byte < 0x80 && c != '"' && c != '\\';
    });
    if (plain) {
        put(latin1);
        put('"');
        flush_when_full();
        return;
    }
    for (const char c : utf8_from_latin1(latin1)) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                put("\\\"");
                continue;
            case '\\':
                put("\\\\");
                continue;
            case '\b':
                put("\\b");
                continue;
            case '\f':
                put("\\f");
                continue;
            case '\n':
                put("\\n");
                continue;
            case '\r':
                put("\\r");
                continue;
            case '\t':
                put("\\t");
                continue;
            default:
                break;
        }
        if (byte < 0x20) {
            put("\\u00");
            put(hex_digits[byte >> 4]);
            put(hex_digits[byte & 0x0F]);
        } else {
            put(c);
        }
    }
    put('"');
    flush_when_full();
}

void JsonStream::finish() {
    put(newline_);
    sink_.write(buffer_);
    buffer_.clear();
}

}  // namespace kor
