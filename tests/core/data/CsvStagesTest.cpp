// The stages of the spreadsheet import, each run alone on a state set up
// as the stages before it would leave it.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/data/CsvCells.h"
#include "core/data/CsvColumns.h"
#include "core/data/CsvKey.h"
#include "core/data/CsvLines.h"
#include "core/data/CsvSummary.h"

namespace kor::csv {
namespace {

using Columns = std::vector<std::size_t>;

// The rows read into the state's table as the runner's first stages do.
void read_rows(PlanState& s, const std::vector<std::string>& rows) {
    std::string text;
    for (const std::string& row : rows) {
        text += row + "\n";
    }
    ASSERT_TRUE(read_table(s, text)) << s.plan.outcome.messages.back();
}

// The numbers of the rows at the given indexes.
std::vector<int> numbers_of(const PlanState& s, const std::vector<std::size_t>& indexes) {
    std::vector<int> numbers;
    for (std::size_t r : indexes) {
        numbers.push_back(s.row_at(r).number);
    }
    return numbers;
}

TEST(CsvCells, EachCellReadsAsMissingAnswerDoubleMarkOrSomethingElse) {
    struct Case {
        std::string cell;
        bool missing;
        bool single;
        bool double_mark;
    };
    const std::vector<Case> cases = {
        {"", true, false, false},
        {"-", true, false, false},
        {"*", true, false, false},
        {".", true, false, false},
        {"A", false, true, false},
        {"h", false, true, false},
        {"8", false, true, false},
        {"0", false, true, false},
        {"T", false, true, false},
        {"I", false, false, false},
        {"9", false, false, false},
        {"A,B", false, false, true},
        {"a/c", false, false, true},
        {"AB", false, false, true},
        {"ab", false, false, true},
        {"1,3", false, false, true},
        {"A+B|C", false, false, true},
        // A name in mixed case, a number and a lone separator are no marks.
        {"Ab", false, false, false},
        {"12", false, false, false},
        {"A,", false, false, false},
        {"ABCDEFGHABCDEFGH", false, false, true},
        {"ABCDEFGHABCDEFGHA", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("cell \"" + c.cell + "\"");
        EXPECT_EQ(is_missing_mark(c.cell), c.missing);
        EXPECT_EQ(is_single_response(c.cell), c.single);
        EXPECT_EQ(looks_like_double_mark(c.cell), c.double_mark);
        EXPECT_EQ(reads_as_answers(c.cell), c.missing || c.single || c.double_mark);
    }
    for (const char* key : {"key", "KEY", " Answer Key "}) {
        EXPECT_TRUE(reads_key(key)) << key;
    }
    for (const char* other : {"keys", "answer", "the key"}) {
        EXPECT_FALSE(reads_key(other)) << other;
    }
}

TEST(CsvCells, RowListsAndColumnRangesNameWhatTheyList) {
    const std::vector<int> twelve = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const std::vector<std::pair<std::string, std::string>> cases = {
        {row_list({3}), "Row 3"},
        {row_list({3, 5}), "Rows 3 and 5"},
        {row_list({3, 5, 8}), "Rows 3, 5 and 8"},
        {row_list(twelve, listed_rows), "Rows 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 2 more"},
        {row_list(twelve), "Rows 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 and 12"},
        {column_range({}), "none"},
        {column_range({3}), "D"},
        {column_range({3, 4, 5}), "D-F"},
        {column_range({25, 26}), "Z-AA"},
        {column_range({0, 2, 3}), "A, C, D"},
        {column_range({5, 4}), "F, E"},
    };
    for (const auto& [made, expected] : cases) {
        EXPECT_EQ(made, expected);
    }
}

TEST(CsvColumns, ItemsAreTheLongestRunOfAnswerColumns) {
    // 'a' answers, 'e' empty, 'o' something else.
    const std::vector<std::pair<std::string, Columns>> cases = {
        {"oaaaao", {1, 2, 3, 4}},
        {"eaaee", {1, 2}},            // empty columns at the ends are no items
        {"aaeaa", {0, 1, 2, 3, 4}},   // an item nobody answered stays inside
        {"aaoaaa", {3, 4, 5}},        // the longer run wins
        {"aaoaa", {0, 1}},            // of two alike, the first
        {"aeoeeaeea", {5, 6, 7, 8}},  // a run ends at a column of something else
        {"eeo", {}},
        {"", {}},
    };
    for (const auto& [layout, expected] : cases) {
        std::vector<ColumnKind> kinds;
        for (char c : layout) {
            kinds.push_back(c == 'a'   ? ColumnKind::answers
                            : c == 'e' ? ColumnKind::empty
                                       : ColumnKind::other);
        }
        EXPECT_EQ(longest_answer_run(kinds), expected) << layout;
    }
}

TEST(CsvColumns, AColumnOfAnswersMayHoldOneStrayCellOrATenth) {
    const CsvOptions options;
    PlanState s(options, "exam.csv");
    read_rows(s, {"A,A,A,,x,A", "B,B,B,,,B", "C,C,Smith,,,C", "D,Smith,Jones,,,Smith"});
    const Columns rows = {0, 1, 2, 3};
    EXPECT_EQ(column_kind(s, 0, rows), ColumnKind::answers);
    EXPECT_EQ(column_kind(s, 1, rows), ColumnKind::answers);  // one stray cell of four
    EXPECT_EQ(column_kind(s, 2, rows), ColumnKind::other);    // two of four
    EXPECT_EQ(column_kind(s, 3, rows), ColumnKind::empty);
    EXPECT_EQ(column_kind(s, 4, rows), ColumnKind::other);  // its only cell is stray
    // Rows left out of the sample do not count.
    EXPECT_EQ(column_kind(s, 2, {0, 1}), ColumnKind::answers);
    EXPECT_EQ(column_kind(s, 5, {3}), ColumnKind::other);
}

TEST(CsvColumns, HeaderNumberingTrimsTheEndsOfTheRun) {
    struct Case {
        std::vector<std::string> header;
        Columns expected;  // of all the header's columns
    };
    const std::vector<Case> cases = {
        {{"Form", "Q1", "Q2", "Q3", "Grade"}, {1, 2, 3}},
        {{"Item 1", "Item_2", "item-3", "Total"}, {0, 1, 2}},
        // Only the ends go: a column inside keeps its place.
        {{"Q1", "Q2", "Extra", "Q3"}, {0, 1, 2, 3}},
        // Two columns are too few to tell a numbering, half is not one.
        {{"Form", "Q1"}, {0, 1}},
        {{"A", "B", "Q1", "Q2", "C"}, {0, 1, 2, 3, 4}},
        {{"1", "2", "3", "4"}, {0, 1, 2, 3}},
    };
    for (const Case& c : cases) {
        CsvRow header{1, c.header};
        Columns columns;
        for (std::size_t k = 0; k < c.header.size(); ++k) {
            columns.push_back(k);
        }
        trim_by_header_names(header, columns);
        EXPECT_EQ(columns, c.expected) << c.header.front() << ".." << c.header.back();
    }
    const std::vector<std::pair<std::string, std::optional<std::string>>> stems = {
        {"Q12", "q"}, {"Item_3", "item"},     {" Item #10 ", "item"},
        {"7", ""},    {"Form", std::nullopt}, {"Q1a", std::nullopt},
    };
    for (const auto& [name, stem] : stems) {
        EXPECT_EQ(numbered_stem(name), stem) << name;
    }
}

TEST(CsvColumns, ColumnsTextSplitsIntoTheEndsOfARangeOrAList) {
    struct Case {
        std::string text;
        bool range;
        std::vector<std::string> parts;
    };
    const std::vector<Case> cases = {
        {"4-28", true, {"4", "28"}},
        {" 4 - 28 ", true, {"4", "28"}},
        {"Q1..Q25", true, {"Q1", "Q25"}},
        {"Q-1..Q-9", true, {"Q-1", "Q-9"}},  // a dash in a header name is no range
        {"Q-1", true, {"Q-1"}},
        {"7", true, {"7"}},
        {"1, 3,Name", false, {"1", "3", "Name"}},
        {"1,", false, {"1", ""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(column_parts(c.text, c.range), c.parts) << c.text;
    }
}

TEST(CsvKey, KeyRowsReadKeyOutsideTheItemsAndBelowTheHeader) {
    struct Case {
        std::vector<std::string> rows;
        int header_row;
        Columns ids;
        Columns items;
        Columns ignored;
        std::vector<int> expected;
    };
    const std::vector<Case> cases = {
        {{"Name,Q1,Q2", "Key,A,B", "Ann,A,B"}, 1, {0}, {1, 2}, {}, {2}},
        // A column left out of the ids still finds it.
        {{"Q1,Q2,Note", "A,B,answer key", "A,B,"}, 1, {}, {0, 1}, {2}, {2}},
        {{"Name,Q1", "Ann,A", "Bob,key"}, 1, {0}, {1}, {}, {}},
        {{"Key,Q1,Q2", "Ann,A,B"}, 1, {0}, {1, 2}, {}, {}},
        {{"Key,A", "KEY,B", "Ann,C"}, 0, {0}, {1}, {}, {1, 2}},
    };
    for (const Case& c : cases) {
        const CsvOptions options;
        PlanState s(options, "exam.csv");
        read_rows(s, c.rows);
        s.mapping.header_row = c.header_row;
        s.mapping.id_columns = c.ids;
        s.mapping.item_columns = c.items;
        s.mapping.ignored_columns = c.ignored;
        EXPECT_EQ(numbers_of(s, rows_reading_key(s)), c.expected) << c.rows[1];
    }
}

TEST(CsvKey, OptionsAreTheHighestNamedOrTwoForTrueFalse) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"TFTF", 2}, {"tf", 2}, {"A", 2}, {"ABD", 4}, {"abd", 4},
        {"1357", 7}, {"H", 8},  {"0", 2}, {"TC", 3},  {"", 2},
    };
    for (const auto& [answers, options] : cases) {
        EXPECT_EQ(options_named_by(answers), options) << answers;
    }
}

TEST(CsvLines, RowsAreAsWideAsMostOrTheWidestWhenFilled) {
    struct Case {
        std::vector<std::string> rows;
        CsvShortRows mode;
        std::size_t columns;
        int short_row;  // 0 for none
        std::vector<int> filled;
        std::string refusal;  // empty when accepted
    };
    const std::vector<Case> cases = {
        {{"a,b,c", "1,2,3", "1,2"}, CsvShortRows::refuse, 3, 3, {}, ""},
        {{"a,b,c", "1,2,3", "1,2"}, CsvShortRows::blank, 3, 0, {3}, ""},
        {{"a,b,c,", "1,2,3", "1,2,3"}, CsvShortRows::refuse, 3, 0, {}, ""},
        // A header may lack a column that is empty in every row.
        {{"a,b", "1,2,", "1,2,"}, CsvShortRows::refuse, 3, 0, {}, ""},
        {{"a,b", "1,2,3", "1,2"}, CsvShortRows::blank, 3, 0, {1, 3}, ""},
        {{"a,b,c", "1,2,3", "1,2,3,4"},
         CsvShortRows::refuse,
         3,
         0,
         {},
         "Row 3 has 4 columns, but the file's rows have 3: column D holds \"4\" beyond the last "
         "column. Check the row for an extra delimiter or a quote that is not closed."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows.back());
        CsvOptions options;
        options.short_rows = c.mode;
        PlanState s(options, "exam.csv");
        read_rows(s, c.rows);
        EXPECT_EQ(check_row_widths(s), c.refusal.empty());
        EXPECT_EQ(s.plan.table.columns, c.columns);
        EXPECT_EQ(s.short_row ? s.short_row->row : 0, c.short_row);
        EXPECT_EQ(s.mapping.filled_rows, c.filled);
        if (!c.refusal.empty()) {
            EXPECT_EQ(s.plan.outcome.messages.back(), c.refusal);
            EXPECT_EQ(s.plan.refused_row, 3);
        }
        for (const CsvRow& row : s.plan.table.rows) {
            if (c.refusal.empty() && !is_empty_row(row)) {
                EXPECT_EQ(row.cells.size(), c.columns) << "row " << row.number;
            }
        }
    }
}

TEST(CsvLines, StudentsAreTheRowsButTheHeaderTheKeyAndEmptyOnes) {
    struct Case {
        std::vector<std::string> rows;
        int header_row;
        std::optional<std::size_t> key_row_index;
        std::vector<int> students;
        std::vector<int> skipped;
    };
    const std::vector<Case> cases = {
        // Empty rows count only when students follow them.
        {{"h,h", "k,k", "", "a,a", "", "b,b", "", ""}, 1, 1, {4, 6}, {3, 5}},
        {{"", "a,a", "b,b"}, 0, std::nullopt, {2, 3}, {1}},
        {{"a,a", "k,k", "b,b"}, 0, 1, {1, 3}, {}},
    };
    for (const Case& c : cases) {
        const CsvOptions options;
        PlanState s(options, "exam.csv");
        read_rows(s, c.rows);
        s.mapping.header_row = c.header_row;
        s.key_row_index = c.key_row_index;
        EXPECT_TRUE(collect_students(s));
        EXPECT_EQ(s.mapping.student_rows, c.students);
        EXPECT_EQ(s.mapping.skipped_rows, c.skipped);
        EXPECT_EQ(numbers_of(s, s.student_indexes), c.students);
    }
    const CsvOptions options;
    PlanState s(options, "exam.csv");
    read_rows(s, {"h,h", "k,k"});
    s.mapping.header_row = 1;
    s.key_row_index = 1;
    EXPECT_FALSE(collect_students(s));
    EXPECT_EQ(s.plan.outcome.messages.back(),
              "The file exam.csv holds no student rows (rows other than the header and the key)");
}

TEST(CsvLines, IdTailsAreTheShortestThatTellEveryIdApart) {
    struct Case {
        std::vector<std::string> ids;
        std::size_t room;
        std::optional<std::size_t> length;
    };
    const std::vector<Case> cases = {
        {{"1001", "1002"}, 4, 1},
        {{"1011", "2011"}, 4, 4},
        {{"1011", "2011"}, 3, std::nullopt},
        {{"A 1", "B 1"}, 9, 3},  // a tail that is " 1" is "1" without its blank
        {{"11", "11"}, 9, std::nullopt},
        {{"abc", ""}, 9, std::nullopt},
        {{"x"}, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(distinct_tail_length(c.ids, c.room), c.length) << c.ids.front();
    }
    EXPECT_EQ(id_tail("2023 0001", 5), "0001");
    EXPECT_EQ(id_tail("17", 5), "17");
}

TEST(CsvSummary, KeysAndOptionsAreShownInLetters) {
    const std::vector<std::pair<std::string, std::string>> keys = {
        {"1234", "ABCD"}, {"BA3", "BAC"}, {"8", "H"}, {"0T", "0T"}};
    for (const auto& [key, letters] : keys) {
        EXPECT_EQ(key_in_letters(key), letters) << key;
    }
    struct Case {
        std::string key;
        std::string options;
        std::string letters;
    };
    const std::vector<Case> cases = {
        {"ABCD", "4444", "A-D for items 1-4"},
        {"TAF", "252", "T/F for item 1, A-E for item 2, T/F for item 3"},
        // A true-false range needs a key of T or F; two options else read A-B.
        {"TB", "22", "T/F for item 1, A-B for item 2"},
        {"ftT", "222", "T/F for items 1-3"},
        {"AB", "45", "A-D for item 1, A-E for item 2"},
    };
    for (const Case& c : cases) {
        CsvMapping m;
        m.key = c.key;
        m.options = c.options;
        EXPECT_EQ(options_in_letters(m), c.letters) << c.key;
    }
}

}  // namespace
}  // namespace kor::csv
