#include "core/Encoding.h"

#include <cstddef>
#include <cstdio>
#include <utility>

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
    return where(text, offset) + cannot_store_message(code);
}

std::string not_utf8_byte_message(unsigned char byte) {
    return "the file starts with the UTF-8 mark, but the byte 0x" + hex(byte, 2) +
           " here is not UTF-8 text. Save the file again as UTF-8 (or as Western European "
           "text without the mark) and read it again.";
}

std::string not_utf8_message(std::string_view text, std::size_t offset) {
    return where(text, offset) + not_utf8_byte_message(byte_at(text, offset));
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

// ------------------------------------------------ base letters of labels

// Consecutive characters and their base letters, one letter each ('?' for
// none); in a run of `pairs` each letter stands for a capital and the small
// letter after it.
struct LetterRun {
    char32_t first;
    std::string_view letters;
    bool pairs = false;
};

// Latin Extended-A and -B, the Latin letters of Extended Additional (the
// Vietnamese ones among them) and the typographic dashes and quotes. A base
// letter that Latin-1 holds with its own accent ("\xC5" for U+01FA) is kept so.
constexpr LetterRun letter_runs[] = {
    {0x0100,
     "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi??JjKkkLlLlLlLlLlNnNnNnnNnOoOo"
     "Oo??RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs"},
    {0x0180, "bBBb"},
    {0x0187, "CcDDDd"},
    {0x0191, "FfG"},
    {0x0197, "IKkl"},
    {0x019D, "NnOOo"},
    {0x01A4, "Pp"},
    {0x01AB, "tTtTUu"},
    {0x01B2, "VYyZz"},
    {0x01CD, "AaIiOoUuUuUuUuUu"},
    {0x01DE, "AaAa\xC6\xE6GgGgKkOoOo"},
    {0x01F0, "j"},
    {0x01F4, "Gg"},
    {0x01F8, "Nn\xC5\xE5\xC6\xE6\xD8\xF8"},
    {0x0200, "AaAaEeEeIiIiOoOoRrRrUuUuSsTt"},
    {0x021E, "Hh"},
    {0x0224, "Zz"},
    {0x0226, "AaEeOoOoOoOoYy"},
    {0x1E00, "ABBBCDDDDDEEEEEFGHHHHHIIKKKLLLLMMMNNNNOOOOPPRRRRSSSSSTTTTUUUUUVVWWWWWXXYZZZ", true},
    {0x1E96, "htwyas"},
    {0x1EA0, "AAAAAAAAAAAAEEEEEEEEIIOOOOOOOOOOOOUUUUUUUYYYY", true},
    {0x2010,
     "------?"
     "?'','\"\"\"\""},
};

// Letters written as two.
struct Digraph {
    char32_t code;
    std::string_view letters;
};
constexpr Digraph digraphs[] = {
    {0x0132, "IJ"}, {0x0133, "ij"}, {0x0152, "OE"}, {0x0153, "oe"}, {0x01C4, "DZ"}, {0x01C5, "Dz"},
    {0x01C6, "dz"}, {0x01C7, "LJ"}, {0x01C8, "Lj"}, {0x01C9, "lj"}, {0x01CA, "NJ"}, {0x01CB, "Nj"},
    {0x01CC, "nj"}, {0x01F1, "DZ"}, {0x01F2, "Dz"}, {0x01F3, "dz"},
};

std::string base_letter_of(char32_t code) {
    for (const Digraph& digraph : digraphs) {
        if (digraph.code == code) {
            return std::string(digraph.letters);
        }
    }
    for (const LetterRun& run : letter_runs) {
        if (code < run.first) {
            continue;
        }
        const std::size_t offset = code - run.first;
        const std::size_t index = run.pairs ? offset / 2 : offset;
        if (index >= run.letters.size()) {
            continue;
        }
        const char letter = run.letters[index];
        const bool small = run.pairs && offset % 2 == 1;
        return std::string(1, small ? static_cast<char>(letter - 'A' + 'a') : letter);
    }
    return "?";
}

// A combining accent after a letter, as text decomposed into letter and
// accent stores an accented letter, and the Latin-1 letters it makes.
struct Composition {
    char32_t mark;
    std::string_view bases;
    std::string_view letters;
};
constexpr Composition compositions[] = {
    {0x0300, "AEIOUaeiou", "\xC0\xC8\xCC\xD2\xD9\xE0\xE8\xEC\xF2\xF9"},
    {0x0301, "AEIOUYaeiouy", "\xC1\xC9\xCD\xD3\xDA\xDD\xE1\xE9\xED\xF3\xFA\xFD"},
    {0x0302, "AEIOUaeiou", "\xC2\xCA\xCE\xD4\xDB\xE2\xEA\xEE\xF4\xFB"},
    {0x0303, "ANOano", "\xC3\xD1\xD5\xE3\xF1\xF5"},
    {0x0308, "AEIOUaeiouy", "\xC4\xCB\xCF\xD6\xDC\xE4\xEB\xEF\xF6\xFC\xFF"},
    {0x030A, "Aa", "\xC5\xE5"},
    {0x0327, "Cc", "\xC7\xE7"},
};

// The Latin-1 letters that are a letter with an accent, by their base
// letters from U+00C0 on; '*' keeps a letter of its own (Æ, Ð, Ø, Þ, ß) or a sign.
constexpr std::string_view latin1_base_letters =
    "AAAAAA*CEEEEIIII*NOOOOO**UUUUY**aaaaaa*ceeeeiiii*nooooo**uuuuy*y";

// A name is spelled one way: where one of its letters lost its accent, the
// others lose theirs too ("Tomas", not "Tomás").
void drop_accents(std::string& text) {
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0xC0 && latin1_base_letters[byte - 0xC0] != '*') {
            c = latin1_base_letters[byte - 0xC0];
        }
    }
}

bool is_combining_mark(char32_t code) {
    return code >= 0x0300 && code <= 0x036F;
}

// Puts the accent `mark` on the last letter of `text` where Latin-1 has the
// accented letter; false where it has none.
bool composed_with_last(std::string& text, char32_t mark) {
    if (text.empty()) {
        return false;
    }
    for (const Composition& composition : compositions) {
        const std::size_t base = composition.bases.find(text.back());
        if (composition.mark == mark && base != std::string_view::npos) {
            text.back() = composition.letters[base];
            return true;
        }
    }
    return false;
}

}  // namespace

std::string cannot_store_message(char32_t code) {
    return "the character U+" + hex(static_cast<unsigned>(code), 4) +
           " cannot be stored by KOR, which keeps text in single bytes (the Western European "
           "characters of Latin-1). Replace it and read the file again.";
}

FileBytes file_bytes(std::string_view bytes) {
    const bool marked_utf8 = bytes.substr(0, byte_order_mark.size()) == byte_order_mark;
    const std::string_view text = marked_utf8 ? bytes.substr(byte_order_mark.size()) : bytes;
    const bool utf8 =
        marked_utf8 || (!is_ascii(text) && first_byte_not_utf8(text) == std::string_view::npos);
    return {text, utf8};
}

ConvertedPart single_byte_part(std::string_view utf8, BeyondLatin1 beyond) {
    ConvertedPart part;
    part.text.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const Utf8Character character = character_at(utf8, pos);
        if (character.length == 0) {
            part.refusal = not_utf8_byte_message(byte_at(utf8, pos));
            return part;
        }
        pos += character.length;
        const char32_t code = character.code;
        if (code == zero_width_no_break_space) {
            continue;
        }
        if (code <= last_latin1) {
            part.text += static_cast<char>(code);
            continue;
        }
        if (beyond == BeyondLatin1::refuse) {
            part.refusal = cannot_store_message(code);
            return part;
        }
        if (is_combining_mark(code) && composed_with_last(part.text, code)) {
            continue;
        }
        if (!is_combining_mark(code)) {
            part.text += base_letter_of(code);
        }
        if (part.replaced == 0) {
            part.replaced = code;
        }
    }
    if (part.replaced != 0) {
        drop_accents(part.text);
    }
    return part;
}

std::optional<std::string> single_byte_text(std::string_view bytes, Outcome& outcome) {
    // Most files are plain ASCII, which reads the same in every one of the
    // forms below.
    if (is_ascii(bytes)) {
        return std::string(bytes);
    }
    // Unmarked text that is not UTF-8 is read as Latin-1; a file marked as
    // UTF-8 must be it.
    const FileBytes file = file_bytes(bytes);
    if (!file.utf8) {
        return std::string(file.text);
    }
    const std::size_t not_utf8 = first_byte_not_utf8(file.text);
    if (not_utf8 == std::string_view::npos) {
        return latin1_from_utf8(file.text, outcome);
    }
    outcome.refuse(not_utf8_message(file.text, not_utf8));
    return std::nullopt;
}

std::optional<std::string> single_byte_text(std::string&& bytes, Outcome& outcome) {
    if (is_ascii(bytes)) {
        return std::move(bytes);
    }
    return single_byte_text(std::string_view(bytes), outcome);
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
