#pragma once
// The program keeps text as single-byte characters, shown as Latin-1, and its
// files are written that way. Files typed on today's systems are mostly
// UTF-8, where a letter such as "ü" takes two bytes and would shift every
// column after it. Every reader of outside text takes the file's bytes
// through single_byte_text first; text that leaves the program as UTF-8
// (the JSON output) goes through utf8_from_latin1.

#include <optional>
#include <string>
#include <string_view>

#include "core/Outcome.h"

namespace kor {

// The program's single-byte text for the bytes of a file:
// - a UTF-8 byte-order mark at the start is dropped;
// - when the rest is valid UTF-8 and holds characters beyond ASCII, every
//   character becomes its one Latin-1 byte, a further mark inside the text
//   (where files were joined) is dropped, and a character beyond Latin-1
//   (U+0100 and up) refuses the file;
// - bytes that are not valid UTF-8 are single-byte text already (every file
//   the program writes is) and are kept as they are; only after a byte-order
//   mark, which declares the file UTF-8, does such a byte refuse the file,
//   since reading the rest byte by byte would shift its columns unseen.
// A refusal goes into `outcome` with a message naming the line and the
// column, and nothing is returned. Lines are counted from 1 as the readers
// count them (CR LF, LF and CR each end one); columns are characters counted
// from 1, as the editor shows the line once converted, the mark not counted.
std::optional<std::string> single_byte_text(std::string_view bytes, Outcome& outcome);
// The same for bytes the caller gives up: plain ASCII, as most files are, is
// kept as it is instead of copied.
std::optional<std::string> single_byte_text(std::string&& bytes, Outcome& outcome);

// The UTF-8 form of single-byte (Latin-1) text: each byte is the character
// of the same number.
std::string utf8_from_latin1(std::string_view text);

// --- Text read part by part, as the cells of a spreadsheet file are: each
// part is converted on its own, so that a refusal names the part, and a label
// may be read more leniently than an answer.

// A file's bytes without a leading UTF-8 mark, and whether they hold UTF-8:
// marked, or valid UTF-8 with characters beyond ASCII. Otherwise they are
// single-byte text already, kept as single_byte_text keeps them.
struct FileBytes {
    std::string_view text;
    bool utf8 = false;
};
FileBytes file_bytes(std::string_view bytes);

// What a part does with a character beyond Latin-1 (U+0100 and up).
enum class BeyondLatin1 {
    refuse,  // as single_byte_text does: the part cannot be read
    // A label: its base letter ("s" for U+0161), or "?" where it has none;
    // the part's other accented letters then lose their accents too.
    base_letter,
};

struct ConvertedPart {
    std::string text;       // single-byte
    std::string refusal;    // why the part cannot be read, without its place; empty when it is
    char32_t replaced = 0;  // the first character replaced by base_letter; 0 when none was
};

// One part of a UTF-8 file as single-byte text. Marks inside are dropped.
// With base_letter, a letter followed by a combining accent that Latin-1
// holds as one letter becomes that letter, and any other combining mark is
// dropped (a replacement too).
ConvertedPart single_byte_part(std::string_view utf8, BeyondLatin1 beyond);

// What single_byte_text says of a character beyond Latin-1, without its place.
std::string cannot_store_message(char32_t code);

}  // namespace kor
