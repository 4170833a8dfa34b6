#include "core/data/CsvReader.h"

#include <algorithm>
#include <map>

namespace kor {

namespace {

constexpr char quote = '"';
// Rows looked at to find the delimiter: enough to see past a title line or
// two, few enough that a large file is not read three times.
constexpr std::size_t delimiter_sample_rows = 20;

bool is_line_end(char c) {
    return c == '\r' || c == '\n';
}

std::string cell_position(int row, std::size_t column) {
    return "Row " + std::to_string(row) + ", column " + column_letters(column) + ": ";
}

class CsvParser {
  public:
    CsvParser(std::string_view text, char delimiter, std::size_t max_rows)
        : text_(text), delimiter_(delimiter), max_rows_(max_rows) {}

    CsvParse run() {
        while (pos_ < text_.size() && (max_rows_ == 0 || result_.rows.size() < max_rows_)) {
            if (!read_row()) {
                break;
            }
        }
        return std::move(result_);
    }

  private:
    // One record, up to and including its line end. False after an error.
    bool read_row() {
        CsvRow row;
        row.number = static_cast<int>(result_.rows.size()) + 1;
        while (true) {
            std::string cell;
            if (!read_cell(row, cell)) {
                return false;
            }
            row.cells.push_back(std::move(cell));
            if (pos_ < text_.size() && text_[pos_] == delimiter_) {
                ++pos_;
                continue;
            }
            skip_line_end();
            result_.rows.push_back(std::move(row));
            return true;
        }
    }

    void skip_line_end() {
        if (pos_ < text_.size() && text_[pos_] == '\r') {
            ++pos_;
        }
        if (pos_ < text_.size() && text_[pos_] == '\n') {
            ++pos_;
        }
    }

    std::size_t after_blanks(std::size_t from) const {
        while (from < text_.size() && text_[from] == ' ' && delimiter_ != ' ') {
            ++from;
        }
        return from;
    }

    bool read_cell(const CsvRow& row, std::string& cell) {
        const std::size_t opening = after_blanks(pos_);
        if (opening < text_.size() && text_[opening] == quote) {
            pos_ = opening + 1;
            return read_quoted_cell(row, cell);
        }
        while (pos_ < text_.size() && text_[pos_] != delimiter_ && !is_line_end(text_[pos_])) {
            cell += text_[pos_++];
        }
        return true;
    }

    bool read_quoted_cell(const CsvRow& row, std::string& cell) {
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c != quote) {
                cell += c;
                continue;
            }
            if (pos_ < text_.size() && text_[pos_] == quote) {
                cell += quote;
                ++pos_;
                continue;
            }
            pos_ = after_blanks(pos_);
            if (pos_ < text_.size() && text_[pos_] != delimiter_ && !is_line_end(text_[pos_])) {
                fail(row,
                     "text follows the closing quote of a quoted cell; a quote inside a "
                     "quoted cell is written twice (\"\")");
                return false;
            }
            return true;
        }
        fail(row, "the quoted cell that starts here has no closing quote");
        return false;
    }

    void fail(const CsvRow& row, const std::string& what) {
        result_.error = cell_position(row.number, row.cells.size()) + what;
    }

    std::string_view text_;
    char delimiter_;
    std::size_t max_rows_;
    std::size_t pos_ = 0;
    CsvParse result_;
};

struct DelimiterFit {
    std::size_t agreeing_rows = 0;  // rows with the most common number of cells
    std::size_t cells = 0;          // that number
};

// How well `delimiter` splits the first rows: the most common number of
// cells (the larger on a tie) and how many rows have it. Rows after an
// unreadable quote do not count.
DelimiterFit fit_of(std::string_view text, char delimiter) {
    const CsvParse sample = parse_csv(text, delimiter, delimiter_sample_rows);
    std::map<std::size_t, std::size_t> rows_with;
    for (const CsvRow& row : sample.rows) {
        if (!is_empty_row(row)) {
            ++rows_with[row.cells.size()];
        }
    }
    DelimiterFit fit;
    for (const auto& [cells, rows] : rows_with) {
        if (rows >= fit.agreeing_rows) {
            fit = {rows, cells};
        }
    }
    return fit;
}

}  // namespace

CsvParse parse_csv(std::string_view text, char delimiter, std::size_t max_rows) {
    return CsvParser(text, delimiter, max_rows).run();
}

std::optional<char> detect_delimiter(std::string_view text) {
    std::optional<char> best;
    DelimiterFit best_fit;
    for (char delimiter : csv_delimiters) {
        const DelimiterFit fit = fit_of(text, delimiter);
        if (fit.cells < 2) {
            continue;
        }
        const bool better =
            fit.agreeing_rows > best_fit.agreeing_rows ||
            (fit.agreeing_rows == best_fit.agreeing_rows && fit.cells > best_fit.cells);
        if (better) {
            best = delimiter;
            best_fit = fit;
        }
    }
    return best;
}

std::string column_letters(std::size_t column) {
    std::string letters;
    std::size_t n = column + 1;
    while (n > 0) {
        --n;
        letters.insert(letters.begin(), static_cast<char>('A' + n % 26));
        n /= 26;
    }
    return letters;
}

std::string delimiter_name(char delimiter) {
    switch (delimiter) {
        case ',':
            return "comma";
        case ';':
            return "semicolon";
        case '\t':
            return "tab";
        default:
            return std::string("\"") + delimiter + "\"";
    }
}

bool is_empty_row(const CsvRow& row) {
    return std::all_of(row.cells.begin(), row.cells.end(),
                       [](const std::string& cell) { return trimmed(cell).empty(); });
}

std::string trimmed(std::string_view cell) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!cell.empty() && blank(cell.front())) {
        cell.remove_prefix(1);
    }
    while (!cell.empty() && blank(cell.back())) {
        cell.remove_suffix(1);
    }
    return std::string(cell);
}

}  // namespace kor
