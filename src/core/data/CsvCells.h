#pragma once
// The cells of a spreadsheet export as the import reads them: the file split
// into rows and its cells made single-byte text, what one cell holds (an
// answer, a missing mark, a double mark, the word "key"), the base letters an
// id may keep, and the words the import's messages are made of.

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/CsvPlanState.h"

namespace kor::csv {

inline constexpr const char* response_characters = "A-H, a-h, 1-8, T, F or 0";
inline constexpr char missing_in_data = '.';
inline constexpr int highest_option = 8;  // "H" or "8"
// Cells listed in a warning before "and N more".
inline constexpr std::size_t listed_cells = 5;
// Rows listed in a warning or the summary before "and N more".
inline constexpr std::size_t listed_rows = 10;

// ------------------------------------------------------------ one cell

// Empty, "-", "*" or ".".
bool is_missing_mark(const std::string& cell);
// One character that is an answer on some item (code 1..8, or "0").
bool is_response_character(char c);
bool is_single_response(const std::string& cell);
// Two or more marks as a scanner writes them: "A,B", "A/C", "AB", "1,3".
bool looks_like_double_mark(const std::string& cell);
// Whether the character is an answer on an item with `options` options.
bool answers_option(char c, int options);
// A missing mark, a single answer or a double mark.
bool reads_as_answers(const std::string& cell);
// "key" or "answer key", in any case.
bool reads_key(const std::string& cell);
// The cell as one line of text: control characters become blanks.
std::string one_line(std::string text);

// ------------------------------------------------------ reading the file

// Splits the file into the state's table (delimiter given or detected),
// converts the cells of a UTF-8 file and notes the rows that hold
// something. Refuses a quote error, a cell that is not UTF-8, or a file
// with nothing in it.
bool read_table(PlanState& s, std::string_view bytes);

// Once the students, the key row and the columns are known: a character
// Latin-1 lacks may stand as its base letter in an id, with a warning, but
// refuses the file in an answer or the key.
bool check_replaced_cells(PlanState& s);

// --------------------------------------------------- words of messages

std::string lower(std::string text);
std::string lower_first(std::string text);
std::string quoted(const std::string& text);
std::string join(const std::vector<std::string>& parts, const std::string& separator);
// "Row 3", "Rows 3, 5 and 8", or past `at_most` rows "Rows 3, 5, ... and 12 more".
std::string row_list(const std::vector<int>& rows,
                     std::size_t at_most = std::numeric_limits<std::size_t>::max());
// "D-AQ" for consecutive columns, otherwise "A, C, D"; "none" for none.
std::string column_range(const std::vector<std::size_t>& columns);
bool contains(const std::vector<std::size_t>& list, std::size_t value);

}  // namespace kor::csv
