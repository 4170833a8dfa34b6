#include "core/Encoding.h"

#include <cstddef>
#include <cstdio>

namespace kor {

namespace {

constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";
constexpr char32_t last_ascii = 0x7F;
constexpr char32_t last_latin1 = 0xFF;
// The byte-order mark's character. Where files were joined it also stands
// inside a text; it shows nothing, so it is dropped wherever it stands.
constexpr char32_t zero_width_no_break_space = 0xFEFF;

unsigned char byte_at(std::string_view text, std::size_t pos) {
    return static_cast<unsigned char>(text[pos]);
}

bool is_continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

struct Utf8Character {
    char32_t code = 0;
    std::size_t length = 0;  // bytes; 0 when the bytes at the position are not UTF-8
};

// The smallest code point each sequence length may carry: a longer form of a
// smaller one (an "overlong" form) is not UTF-8.
char32_t smallest_code_for(std::size_t length) {
    switch (length) {
        case 2:
            return 0x80;
        case 3:
            return 0x800;
        default:
            return 0x10000;
    }
}

// The character whose encoding starts at `pos`, checked strictly: no overlong
// forms, no surrogates, nothing beyond U+10FFFF.
Utf8Character character_at(std::string_view text, std::size_t pos) {
    const unsigned char lead = byte_at(text, pos);
    if (lead <= last_ascii) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t code = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
    } else {
        return {};
    }
    if (text.size() - pos < length) {
        return {};
    }
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char byte = byte_at(text, pos + k);
        if (!is_continuation(byte)) {
            return {};
        }
        code = (code << 6) | (byte & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < smallest_code_for(length) || surrogate || code > 0x10FFFF) {
        return {};
    }
    return {code, length};
}

struct TextPosition {
    std::size_t line = 1;
    std::size_t column = 1;
};

// Line and column of the byte at `offset` of UTF-8 text that is valid up to
// there. Lines end as split_lines ends them; a column is one character.
TextPosition position_of(std::string_view text, std::size_t offset) {
    TextPosition position;
    std::size_t pos = 0;
    while (pos < offset) {
        const char c = text[pos];
        if (c == '\r' || c == '\n') {
            ++position.line;
            position.column = 1;
            const bool crlf = c == '\r' && pos + 1 < offset && text[pos + 1] == '\n';
            pos += crlf ? 2 : 1;
            continue;
        }
        const Utf8Character character = character_at(text, pos);
        pos += character.length == 0 ? 1 : character.length;
        if (character.code != zero_width_no_break_space) {
            ++position.column;
        }
    }
    return position;
}

std::string where(std::string_view text, std::size_t offset) {
    const TextPosition position = position_of(text, offset);
    return "Line " + std::to_string(position.line) + ", column " + std::to_string(position.column) +
           ": ";
}

std::string hex(unsigned value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*X", digits, value);
    return buffer;
}

std::string no_single_byte_form_message(std::string_view text, std::size_t offset, char32_t code) {
    return where(text, offset) + "the character U+" + hex(static_cast<unsigned>(code), 4) +
           " cannot be stored by KOR, which keeps text in single bytes (the Western European "
           "characters of Latin-1). Replace it and read the file again.";
}

std::string not_utf8_message(std::string_view text, std::size_t offset) {
    return where(text, offset) + "the file starts with the UTF-8 mark, but the byte 0x" +
           hex(byte_at(text, offset), 2) +
           " here is not UTF-8 text. Save the file again as UTF-8 (or as Western European "
           "text without the mark) and read it again.";
}

// Where the first byte that does not belong to a UTF-8 character lies; npos
// when the whole text is UTF-8.
std::size_t first_byte_not_utf8(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t length = character_at(text, pos).length;
        if (length == 0) {
            return pos;
        }
        pos += length;
    }
    return std::string_view::npos;
}

// Valid UTF-8 text as Latin-1 bytes; the first character beyond Latin-1
// refuses it. Marks inside the text are dropped.
std::optional<std::string> latin1_from_utf8(std::string_view text, Outcome& outcome) {
    std::string converted;
    converted.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const Utf8Character character = character_at(text, pos);
        pos += character.length;
        if (character.code == zero_width_no_break_space) {
            continue;
        }
        if (character.code > last_latin1) {
            const std::size_t start = pos - character.length;
            outcome.refuse(no_single_byte_form_message(text, start, character.code));
            return std::nullopt;
        }
        converted += static_cast<char>(character.code);
    }
    return converted;
}

bool is_ascii(std::string_view text) {
    unsigned char seen = 0;
    for (const char c : text) {
        seen |= static_cast<unsigned char>(c);
    }
    return seen <= last_ascii;
}

}  // namespace

std::optional<std::string> single_byte_text(std::string_view bytes, Outcome& outcome) {
    // Most files are plain ASCII, which reads the same in every one of the
    // forms below.
    if (is_ascii(bytes)) {
        return std::string(bytes);
    }
    const bool marked_utf8 = bytes.substr(0, byte_order_mark.size()) == byte_order_mark;
    const std::string_view text = marked_utf8 ? bytes.substr(byte_order_mark.size()) : bytes;
    const std::size_t not_utf8 = first_byte_not_utf8(text);
    if (not_utf8 == std::string_view::npos) {
        return latin1_from_utf8(text, outcome);
    }
    if (marked_utf8) {
        outcome.refuse(not_utf8_message(text, not_utf8));
        return std::nullopt;
    }
    return std::string(text);
}

std::string utf8_from_latin1(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= last_ascii) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

}  // namespace kor
