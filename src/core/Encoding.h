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

// The UTF-8 form of single-byte (Latin-1) text: each byte is the character
// of the same number.
std::string utf8_from_latin1(std::string_view text);

}  // namespace kor
