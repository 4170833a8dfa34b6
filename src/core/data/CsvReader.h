#pragma once
// Reading spreadsheet exports saved as comma-separated text: quoted cells with
// doubled quotes inside, line breaks inside quoted cells, CR LF, LF or CR
// line ends, and the cell delimiter (comma, semicolon or tab) found from the
// first rows when the user does not give it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kor {

// One record of the file, numbered as a spreadsheet shows it: the first
// record is row 1, and an empty line is a row too.
struct CsvRow {
    int number = 0;
    std::vector<std::string> cells;  // as written, quotes removed; never empty
};

struct CsvParse {
    std::vector<CsvRow> rows;  // the rows read before the error, if any
    std::optional<std::string> error;
};

// The delimiters a spreadsheet export uses, in the order they are tried.
inline constexpr char csv_delimiters[] = {',', ';', '\t'};

// Reads `text` into rows of cells split at `delimiter`, at most `max_rows`
// rows (all when 0). A quoted cell may hold delimiters, line breaks and
// doubled quotes; blanks around its quotes are ignored. An unclosed quote, or
// text after a closing quote, stops the reading with an error naming the row
// and column of the cell. A quote inside an unquoted cell is kept as text.
CsvParse parse_csv(std::string_view text, char delimiter, std::size_t max_rows = 0);

// The delimiter that splits most of the first rows into the same number of
// cells, at least two; among equals the one giving more cells, then the
// earlier of comma, semicolon, tab. Nothing when no delimiter splits them.
std::optional<char> detect_delimiter(std::string_view text);

// The column's letters as a spreadsheet shows them: 0 is "A", 25 "Z", 26 "AA".
std::string column_letters(std::size_t column);

// "comma", "semicolon" or "tab".
std::string delimiter_name(char delimiter);

// Whether every cell of the row is empty or blank.
bool is_empty_row(const CsvRow& row);

// A cell without the blanks around it.
std::string trimmed(std::string_view cell);

}  // namespace kor
