#include "reports/JsonStream.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "core/Encoding.h"

namespace kor {

namespace {

constexpr std::size_t buffer_size = 1 << 16;
// Room past a full buffer for the largest piece put between two checks.
constexpr std::size_t buffer_slack = 4096;
constexpr std::size_t indent_width = 2;
constexpr std::size_t break_block = 32;
constexpr std::size_t remembered_reals = 1024;
// No real written is a NaN, so no value looked up has these bits.
constexpr std::uint64_t no_real = 0x7ff8000000000001ULL;

std::size_t real_slot(std::uint64_t bits) {
    return static_cast<std::size_t>((bits * 0x9E3779B97F4A7C15ULL) >> 54);  // 10 bits
}

}  // namespace

JsonStream::JsonStream(TextSink& sink, std::string_view newline)
    : sink_(sink),
      newline_(newline),
      buffer_(std::make_unique_for_overwrite<char[]>(buffer_size + buffer_slack)),
      reals_(remembered_reals, RealText{no_real, 0, {}}) {}

JsonStream::~JsonStream() = default;

void JsonStream::put(std::string_view bytes) {
    if (used_ + bytes.size() > buffer_size + buffer_slack) {
        flush();
        if (bytes.size() > buffer_size) {
            sink_.write(bytes);
            return;
        }
    }
    std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
    used_ += bytes.size();
}

void JsonStream::put(char c) {
    if (used_ == buffer_size + buffer_slack) {
        flush();
    }
    buffer_[used_++] = c;
}

void JsonStream::flush() {
    sink_.write(std::string_view(buffer_.get(), used_));
    used_ = 0;
}

// Checked once per value; no single value is large except a text, which
// flushes as it goes.
void JsonStream::flush_when_full() {
    if (used_ >= buffer_size) {
        flush();
    }
}

// The line end and indentation are copied as one block of fixed size (which
// copies fastest), kept with room past the deepest indentation.
void JsonStream::line_break() {
    const std::size_t size = newline_.size() + levels_.size() * indent_width;
    if (size + break_block > break_and_indent_.size()) {
        break_and_indent_ = newline_ + std::string(size + break_block, ' ');
    }
    if (used_ + break_block > buffer_size + buffer_slack) {
        flush();
    }
    if (size <= break_block) {
        std::memcpy(buffer_.get() + used_, break_and_indent_.data(), break_block);
        used_ += size;
        return;
    }
    put(std::string_view(break_and_indent_.data(), size));
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
    // Adding zero turns a negative zero into zero.
    const double written = value + 0.0;
    const auto bits = std::bit_cast<std::uint64_t>(written);
    RealText& remembered = reals_[real_slot(bits)];
    if (remembered.bits != bits) {
        remembered.bits = bits;
        remembered.size = static_cast<std::uint8_t>(shortest_real(written, remembered.text));
    }
    // The whole text room is copied (a fixed size copies fastest), and only
    // its length counted.
    if (used_ + real_text_size > buffer_size + buffer_slack) {
        flush();
    }
    std::memcpy(buffer_.get() + used_, remembered.text, real_text_size);
    used_ += remembered.size;
}

// Writes the shortest form into `text` and returns its length.
std::size_t JsonStream::shortest_real(double value, char (&text)[real_text_size]) {
    const std::to_chars_result written = std::to_chars(text, text + real_text_size - 2, value);
    auto size = static_cast<std::size_t>(written.ptr - text);
    if (std::string_view(text, size).find_first_of(".e") == std::string_view::npos) {
        text[size++] = '.';
        text[size++] = '0';
    }
    return size;
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
    flush();
}

}  // namespace kor
