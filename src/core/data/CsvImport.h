#pragma once
// Spreadsheet (CSV) exports of answer-sheet scanners and learning-management
// systems, mapped onto the data editor's boxes: a header row, id columns, one
// column of letters or digits per item, and the key in a row of its own, in
// a separate file or typed. Each choice (delimiter, header row, id and item
// columns, key, options) is detected unless the user gives it; a file that
// cannot be read without guessing is refused with the row and column at
// fault. The boxes are then loaded by the loader, exactly as typed ones are.

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Outcome.h"
#include "core/data/CsvReader.h"
#include "core/data/TestData.h"

namespace kor {

struct AnalysisState;

// A spreadsheet file is read whole; a class of 9999 with 100 items is far below this.
inline constexpr std::size_t csv_file_max_bytes = 16u * 1024u * 1024u;

// A file read beside the data file (a key file, a versions map): its name
// (for messages) and its bytes, read as the data file's are.
struct CsvNamedFile {
    std::string name;
    std::string text;
};

// The paths of the files an import reads besides the data file; empty
// for none.
struct CsvSideFiles {
    std::string key_file;
    std::string versions_map;
};

// What becomes of a row with fewer cells than the others: scanners and
// learning-management systems drop the empty answers at the end of a row.
enum class CsvShortRows { refuse, blank };

// What the user gives; everything left unset is detected.
struct CsvOptions {
    std::optional<char> delimiter;
    std::optional<bool> header;  // the first row holds the column names
    // Item columns: numbers ("4-28", "7") or header names ("Q1..Q25", "Q1").
    std::string items;
    // Id columns, joined in this order: names or numbers, comma-separated.
    std::string ids;
    // The key: the row that holds it, no key row at all, a key file or the
    // key typed as one character per item. At most one source.
    std::optional<int> key_row;
    bool no_key_row = false;
    std::optional<CsvNamedFile> key_file;
    // Exam versions: the column (name or number) that names each student's
    // version, and the map from every version's questions and options to
    // the master order. Both or neither.
    std::string version_column;
    std::optional<CsvNamedFile> versions_map;
    // The column that names each student's group (a section, a campus); it
    // may be the version column.
    std::string group_column;
    std::string key;
    // Options: one digit for every item, or one digit per item.
    std::string options;
    CsvShortRows short_rows = CsvShortRows::refuse;
};

// The rows of the file with the delimiter that split them.
struct CsvTable {
    char delimiter = ',';
    std::vector<CsvRow> rows;
    std::size_t columns = 0;  // cells of every row that holds something
};

enum class CsvKeySource { row, file, text };

// One version of an exam as the import found it: its students and the key
// it was given, in the version's own question order.
struct CsvVersion {
    std::string name;
    int students = 0;
    std::string key_from;  // "row 2", "key file row 3", or empty: the master key through the map
    std::string key;
};

// Every choice of the import, detected or given (`..._given`), and what the
// data editor's boxes become: what a preview window shows and changes.
struct CsvMapping {
    std::string file_name;
    char delimiter = ',';
    bool delimiter_given = false;
    int header_row = 0;  // the header's row number; 0 when there is none
    bool header_given = false;
    std::vector<std::size_t> id_columns;  // 0-based, in joining order
    bool ids_given = false;
    bool row_numbers_as_ids = false;  // no id columns, or all of them empty
    std::vector<std::size_t> item_columns;
    bool items_given = false;
    std::vector<std::size_t> ignored_columns;
    CsvKeySource key_source = CsvKeySource::row;
    int key_row = 0;            // with CsvKeySource::row
    std::vector<int> key_rows;  // every key row: one per version with versions
    std::string key_file_name;
    std::string key;      // one character per item
    std::string options;  // one digit per item
    bool options_given = false;
    std::vector<int> student_rows;    // row numbers, in data order
    std::vector<int> skipped_rows;    // empty rows among the data
    int missing_cells = 0;            // empty, "-", "*" or "."
    int double_marked_cells = 0;      // more than one character
    int unreadable_cells = 0;         // one character that answers no option of its item
    bool answers_in_letters = false;  // most answers read are letters, not digits
    CsvShortRows short_rows = CsvShortRows::refuse;
    std::vector<int> filled_rows;  // short rows filled with blanks
    std::vector<std::string> warnings;
    // By label, the whole id and name of each student whose id was cut to fit
    // the data lines; empty when every id fits.
    std::map<std::string, FullId> full_ids;
    // With exam versions: the version column, the map's file name, the
    // versions in the map's order, and the label columns where each data
    // line keeps its student's version. The data lines are in master order.
    std::optional<std::size_t> version_column;
    std::string versions_map_name;
    std::vector<CsvVersion> versions;
    std::optional<LabelColumns> version_label;
    // With a group column: the column, and the label columns where each data
    // line keeps its student's group (blank for a student without one).
    std::optional<std::size_t> group_column;
    std::optional<LabelColumns> group_label;
    std::vector<std::string> groups;      // the names found, in order
    std::vector<int> rows_without_group;  // students whose group cell is empty
    // The boxes the data editor is filled with.
    EditorTexts texts;
};

// The result of planning an import: the table whenever the file could be
// split into rows, the mapping when nothing was refused.
struct CsvPlan {
    Outcome outcome;
    int refused_row = 0;  // the row of the file a refusal names; 0 when it names none
    CsvTable table;
    std::optional<CsvMapping> mapping;
    // A file refused for a short row only: every choice, made as if the row
    // were filled, for a preview to show beside the refusal.
    std::optional<CsvMapping> choices;
};

// Plans the import of the file `file_name` holding `bytes`: single-byte text,
// or UTF-8 (with or without the mark), whose cells are then converted one by
// one. The characters of an id that Latin-1 lacks become their base letters,
// with a warning; in any other cell that is used they refuse the file.
CsvPlan plan_csv_import(std::string_view bytes, const std::string& file_name,
                        const CsvOptions& options);

// The summary shown before the data are used: delimiter, header, id and item
// columns, key source, students, items, missing and double-marked cells, and
// the warnings.
std::vector<std::string> csv_summary(const CsvMapping& mapping, const CsvTable& table);

// The summary as the preview shows it: where the answers are letters, the
// key and the options are shown in letters too ("C", "A-D for items 1-40").
std::vector<std::string> csv_preview_summary(const CsvMapping& mapping, const CsvTable& table);

// The name of a column for messages: its letters, and its header name when
// there is one ("D (Q1)").
std::string csv_column_label(const CsvTable& table, int header_row, std::size_t column);

// Whether the text is laid out as a spreadsheet export: a delimiter splits
// most of its first rows into the same number of cells, at least two.
bool looks_like_csv(std::string_view text);

// Whether the single-byte text starts as the program's own input file does.
bool is_input_file_text(std::string_view text);

}  // namespace kor
