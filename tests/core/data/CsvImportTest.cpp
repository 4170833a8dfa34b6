#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "app/forms/EditorModel.h"
#include "core/Encoding.h"
#include "core/data/CsvImport.h"
#include "core/data/Loader.h"

namespace kor {
namespace {

std::string lines(const std::vector<std::string>& rows) {
    std::string text;
    for (const std::string& row : rows) {
        text += row + "\r\n";
    }
    return text;
}

CsvPlan plan(const std::vector<std::string>& rows, const CsvOptions& options = {}) {
    return plan_csv_import(lines(rows), "exam.csv", options);
}

// The refusal of a plan that must be refused.
std::string refusal(const CsvPlan& planned) {
    EXPECT_TRUE(planned.outcome.refused);
    EXPECT_FALSE(planned.mapping);
    return planned.outcome.messages.empty() ? std::string() : planned.outcome.messages.back();
}

// The mapping of a plan that must be accepted.
CsvMapping accepted(const CsvPlan& planned) {
    EXPECT_FALSE(planned.outcome.refused) << planned.outcome.messages.back();
    if (!planned.mapping) {
        ADD_FAILURE() << "no mapping";
        return {};
    }
    return *planned.mapping;
}

// A scanner's export: three id columns, a test form column, four items, a
// key row and a total column.
const std::vector<std::string> scanner = {
    "Student ID,Last Name,First Name,Form,Q1,Q2,Q3,Q4,Total",
    "KEY,,,A,B,D,A,C,",
    "1001,Adams,Jane,A,B,D,A,C,4",
    "1002,Baker,Tom,A,b,, A ,D,2",
    "1003,Chen,Li,B,C,D,B,C,2",
    "1004,Diaz,Eva,A,A,D,A,-,2",
};

TEST(CsvMapping, ScannerExportIsReadAsTheUserLaidItOut) {
    const CsvPlan planned = plan(scanner);
    const CsvMapping& m = accepted(planned);
    EXPECT_EQ(m.delimiter, ',');
    EXPECT_FALSE(m.delimiter_given);
    EXPECT_EQ(m.header_row, 1);
    // The form letters and the total hold answers-like cells, but the header
    // names show that the items are Q1..Q4.
    EXPECT_EQ(m.item_columns, (std::vector<std::size_t>{4, 5, 6, 7}));
    EXPECT_EQ(m.id_columns, (std::vector<std::size_t>{0, 1, 2, 3}));
    EXPECT_EQ(m.ignored_columns, (std::vector<std::size_t>{8}));
    EXPECT_EQ(m.key_source, CsvKeySource::row);
    EXPECT_EQ(m.key_row, 2);
    EXPECT_EQ(m.key, "BDAC");
    EXPECT_EQ(m.options, "3424");
    // The header and the key are no students.
    EXPECT_EQ(m.student_rows, (std::vector<int>{3, 4, 5, 6}));
    EXPECT_EQ(m.missing_cells, 2);
    const EditorTexts& t = m.texts;
    EXPECT_EQ(t.title, "exam.csv");
    EXPECT_EQ(t.comments, "Imported from exam.csv");
    EXPECT_EQ(t.cases, "4");
    EXPECT_EQ(t.items, "4");
    EXPECT_EQ(t.label_length, "17");
    EXPECT_EQ(t.answer_key, "BDAC");
    EXPECT_EQ(t.options, "3424");
    EXPECT_EQ(t.include, "YYYY");
    EXPECT_EQ(t.data_lines,
              (std::vector<std::string>{"1001 Adams Jane ABDAC", "1002 Baker Tom A b.AD",
                                        "1003 Chen Li B   CDBC", "1004 Diaz Eva A  ADA."}));
    EXPECT_EQ(
        csv_summary(m, planned.table),
        (std::vector<std::string>{
            "Spreadsheet file: exam.csv", "Delimiter: comma (detected)", "Header: row 1 (detected)",
            "Ids: columns A-D: Student ID, Last Name, First Name, Form (detected), label length 17",
            "Items: 4, columns E-H: Q1..Q4 (detected)", "Ignored columns: I: Total",
            "Key: row 2, BDAC", "Options: 3424 (detected)", "Students: 4, rows 3-6",
            "Missing answers: 2; double-marked: 0; unreadable: 0"}));
}

TEST(CsvMapping, MappedBoxesLoadLikeTypedOnes) {
    CsvOptions options;
    options.ids = "Last Name,First Name";
    const CsvPlan planned = plan(scanner, options);
    const CsvMapping& m = accepted(planned);
    ProgramState state;
    fill_editor_from_csv(state, m, "/tmp/exam.csv");
    EXPECT_EQ(state.editor.data_lines[0], "Adams JaneBDAC");
    EXPECT_EQ(state.data.input_file_path, "/tmp/exam.csv");
    const Outcome loaded = load_test_data(state);
    ASSERT_FALSE(loaded.refused) << loaded.messages.back();
    EXPECT_EQ(state.data.num_examinees, 4);
    EXPECT_EQ(state.data.label_length, 10);
    EXPECT_EQ(state.data.responses(2, 1), 2);  // "b"
    EXPECT_EQ(state.data.responses(2, 2), 9);  // empty
    EXPECT_EQ(state.data.responses(4, 4), 9);  // "-"
}

TEST(CsvMapping, ChoicesGivenOverrideWhatIsDetected) {
    CsvOptions options;
    options.items = "5-7";
    options.ids = "1";
    options.options = "5";
    const CsvMapping& m = accepted(plan(scanner, options));
    EXPECT_TRUE(m.items_given);
    EXPECT_TRUE(m.ids_given);
    EXPECT_EQ(m.item_columns, (std::vector<std::size_t>{4, 5, 6}));
    EXPECT_EQ(m.key, "BDA");
    EXPECT_EQ(m.options, "555");
    EXPECT_EQ(m.texts.data_lines[0], "1001BDA");

    options.items = "Q2..Q4";
    options.options = "453";
    const CsvMapping& named = accepted(plan(scanner, options));
    EXPECT_EQ(named.item_columns, (std::vector<std::size_t>{5, 6, 7}));
    EXPECT_EQ(named.options, "453");
}

TEST(CsvMapping, HeaderIsFoundOnlyWhenRowOneIsNotAnswers) {
    // Without a header the first row is a student.
    const std::vector<std::string> bare = {"Ann,A,B,C", "Bob,B,B,C", "key,A,B,D"};
    const CsvMapping& m = accepted(plan(bare));
    EXPECT_EQ(m.header_row, 0);
    EXPECT_EQ(m.student_rows, (std::vector<int>{1, 2}));
    EXPECT_EQ(m.key_row, 3);
    // Item names that are numbers of two digits make a header.
    std::vector<std::string> numbered = {"name,1,2,3,4,5,6,7,8,9,10"};
    numbered.push_back("key,A,B,C,D,A,B,C,D,A,B");
    numbered.push_back("Ann,A,B,C,D,A,B,C,D,A,A");
    EXPECT_EQ(accepted(plan(numbered)).header_row, 1);
    // --header yes makes row 1 the header even when it reads as answers.
    CsvOptions options;
    options.header = true;
    const CsvMapping& forced = accepted(plan({"id,A,B,C", "key,A,B,D", "Ann,A,B,C"}, options));
    EXPECT_EQ(forced.header_row, 1);
    EXPECT_EQ(forced.student_rows, (std::vector<int>{3}));
}

TEST(CsvMapping, TrueFalseAndNumberedAnswers) {
    const CsvMapping& m =
        accepted(plan({"id,q1,q2,q3,q4", "key,T,3,0,1", "a,F,5,1,0", "b,t,1,2,1"}));
    // True-false items have 2 options; others the highest option used, at least 2.
    EXPECT_EQ(m.options, "2522");
    EXPECT_EQ(m.texts.data_lines[1], "bt121");
}

TEST(CsvMapping, DoubleMarksAndStrayCharactersCountAsMissingWithAWarning) {
    const std::vector<std::string> rows = {
        "id,Q1,Q2,Q3", "key,A,B,C", "s1,\"A,B\",B,C", "s2,AC,X,C",  "s3,A,B,T",
        "s4,BD,B,C",   "s5,AB,B,C", "s6,CD,B,C",      "s7,ABC,B,C", "s8,A,B,C"};
    const CsvMapping& m = accepted(plan(rows));
    EXPECT_EQ(m.double_marked_cells, 6);
    EXPECT_EQ(m.unreadable_cells, 2);
    EXPECT_EQ(m.texts.data_lines[0], "s1.BC");
    EXPECT_EQ(m.texts.data_lines[1], "s2..C");
    EXPECT_EQ(m.texts.data_lines[2], "s3AB.");  // "T" answers no option of a 3-option item
    ASSERT_EQ(m.warnings.size(), 2u);
    EXPECT_EQ(
        m.warnings[0],
        "6 cells hold more than one character (double marks such as \"A,B\") and count as missing "
        "answers: row 3 item 1 (Q1): \"A,B\"; row 4 item 1 (Q1): \"AC\"; row 6 item 1 (Q1): "
        "\"BD\"; "
        "row 7 item 1 (Q1): \"AB\"; row 8 item 1 (Q1): \"CD\"; and 1 more");
    EXPECT_EQ(m.warnings[1],
              "2 cells hold a character that answers no option of their item and count as missing "
              "answers: "
              "row 4 item 2 (Q2): \"X\"; row 5 item 3 (Q3): \"T\"");
}

TEST(CsvMapping, IdsAreJoinedWithOneBlankOrAreTheRowNumbers) {
    const CsvMapping& joined =
        accepted(plan({"last,first,Q1,Q2", "key,,A,B", "Lee,\"Ann\nMarie\",A,B", ",Bo,B,B"}));
    EXPECT_EQ(joined.texts.data_lines,
              (std::vector<std::string>{"Lee Ann MarieAB", "Bo           BB"}));
    // Without id columns the row numbers tell the students apart.
    CsvOptions options;
    options.key = "AB";
    const CsvMapping& numbered = accepted(plan({"Q1,Q2", "A,B", "B,B"}, options));
    EXPECT_TRUE(numbered.row_numbers_as_ids);
    EXPECT_EQ(numbered.texts.data_lines, (std::vector<std::string>{"2AB", "3BB"}));
}

TEST(CsvMapping, EmptyRowsAmongTheDataAreSkippedAndNamed) {
    const CsvMapping& m =
        accepted(plan({"id,Q1,Q2", "key,A,B", ",,", "a,A,B", "", "b,B,B", "", ""}));
    EXPECT_EQ(m.student_rows, (std::vector<int>{4, 6}));
    EXPECT_EQ(m.skipped_rows, (std::vector<int>{3, 5}));
    ASSERT_EQ(m.warnings.size(), 1u);
    EXPECT_EQ(m.warnings[0], "Rows 3 and 5 are empty and were skipped");
}

TEST(CsvKeyFile, OneRowOrOneColumnWithOrWithoutHeader) {
    const std::vector<std::string> data = {"id,Q1,Q2,Q3", "s1,A,B,C", "s2,B,B,C"};
    const std::vector<std::pair<std::string, std::string>> files = {
        {"row", "A,B,D\n"},
        {"row with header", "Q1,Q2,Q3\nA,B,D\n"},
        {"row with label", "key,A,B,D\n"},
        {"row laid out as the data", "id,Q1,Q2,Q3\nkey,A,B,D\n"},
        {"column", "A\nB\nD\n"},
        {"column with header", "Key\nA\nB\nD\n"},
        {"one word", "ABD\n"},
        {"semicolons", "A;B;D\n"},
    };
    for (const auto& [shape, text] : files) {
        SCOPED_TRACE(shape);
        CsvOptions options;
        options.key_file = CsvNamedFile{"key.csv", text};
        const CsvMapping& m = accepted(plan(data, options));
        EXPECT_EQ(m.key, "ABD");
        EXPECT_EQ(m.key_source, CsvKeySource::file);
    }
}

TEST(CsvKeyFile, RefusalsNameTheFileAndCell) {
    const std::vector<std::string> data = {"id,Q1,Q2,Q3", "s1,A,B,C", "s2,B,B,C"};
    CsvOptions options;
    options.key_file = CsvNamedFile{"key.csv", "A,B\n"};
    EXPECT_EQ(refusal(plan(data, options)),
              "The key file key.csv holds 2 answers, but the data have 3 item columns (B-D)");
    options.key_file = CsvNamedFile{"key.csv", "A,X,C\n"};
    EXPECT_EQ(refusal(plan(data, options)),
              "Key file key.csv, row 1, column B: the key must be one response character (A-H, "
              "a-h, 1-8, T, F "
              "or 0) for every item, but this cell holds \"X\"");
    options.key_file = CsvNamedFile{"key.csv", "Q1,Q2,Q3\nA,B,C\nA,B,D\n"};
    EXPECT_EQ(
        refusal(plan(data, options)),
        "The key file key.csv has 3 rows; it may hold one row (or one column) of answers, with or "
        "without a header row");
    options.key_file = CsvNamedFile{"key.csv", "\r\n"};
    EXPECT_EQ(refusal(plan(data, options)), "The key file key.csv is empty");
}

TEST(CsvKeyText, OneCharacterPerItemOrRefused) {
    const std::vector<std::string> data = {"id,Q1,Q2,Q3", "s1,A,B,C"};
    CsvOptions options;
    options.key = "A,B,C";
    // A comma-separated key is refused, not read with its commas as answers.
    EXPECT_EQ(refusal(plan(data, options)),
              "--key \"A,B,C\" holds separators; give one character per item with nothing between "
              "them, for "
              "example --key ABC");
    options.key = "A B C";
    EXPECT_EQ(refusal(plan(data, options)),
              "--key \"A B C\" holds separators; give one character per item with nothing between "
              "them, for "
              "example --key ABC");
    options.key = "ABCD";
    EXPECT_EQ(refusal(plan(data, options)),
              "--key has 4 characters, but the file has 3 item columns (B-D)");
    options.key = "AXC";
    EXPECT_EQ(refusal(plan(data, options)),
              "--key: character 2 (item 2) is \"X\", not a response character (A-H, a-h, 1-8, T, F "
              "or 0)");
    options.key = "abc";
    EXPECT_EQ(accepted(plan(data, options)).key, "abc");
}

TEST(CsvRefusals, EachNamesRowAndColumn) {
    // A ragged row, short or long.
    EXPECT_EQ(refusal(plan({"id,Q1,Q2,Q3", "key,A,B,C", "a,A,B", "b,A,B,C"})),
              "Row 3 has 3 columns, but the file's rows have 4: column D onwards is missing. Check "
              "the row for "
              "a lost delimiter or quote.");
    EXPECT_EQ(refusal(plan({"id,Q1,Q2,Q3", "key,A,B,C", "a,A,B,C,D", "b,A,B,C"})),
              "Row 3 has 5 columns, but the file's rows have 4: column E holds \"D\" beyond the "
              "last column. "
              "Check the row for an extra delimiter or a quote that is not closed.");
    // Empty cells at the end of a longer row are only trailing delimiters,
    // and a header may lack a trailing column that is empty everywhere.
    EXPECT_EQ(
        accepted(plan({"id,Q1,Q2,Q3", "key,A,B,C", "a,A,B,C,,", "b,A,B,C"})).student_rows.size(),
        2u);
    EXPECT_EQ(
        accepted(plan({"id,Q1,Q2,Q3", "key,A,B,C,", "a,A,B,C,", "b,A,B,C,"})).item_columns.size(),
        3u);
    EXPECT_EQ(
        refusal(plan({"id,Q1,Q2,Q3", "key,A,B,C,", "a,A,B,C,x", "b,A,B,C,"})),
        "Row 1 has 4 columns, but the file's rows have 5: column E onwards is missing. Check the "
        "row for a lost delimiter or quote.");
    // A key cell that is not one answer.
    EXPECT_EQ(refusal(plan({"id,Q1,Q2,Q3", "Answer Key,A,AB,C", "a,A,B,C"})),
              "Row 2, column C (Q2): the key must be one response character (A-H, a-h, 1-8, T, F "
              "or 0) for "
              "every item, but this cell holds \"AB\"");
    EXPECT_EQ(refusal(plan({"id,Q1,Q2,Q3", "KEY,A,,C", "a,A,B,C"})),
              "Row 2, column C (Q2): the key must be one response character (A-H, a-h, 1-8, T, F "
              "or 0) for "
              "every item, but this cell is empty");
    // An empty file.
    EXPECT_EQ(refusal(plan_csv_import("", "exam.csv", {})),
              "The file exam.csv is empty: it holds no rows with anything in them");
    EXPECT_EQ(refusal(plan({",,", ""})),
              "The file exam.csv is empty: it holds no rows with anything in them");
    // No key.
    EXPECT_EQ(refusal(plan({"id,Q1,Q2", "s1,A,B"})),
              "No answer key found in exam.csv: no row reads \"key\" or \"answer key\" in an id "
              "column. Give "
              "the key in one of three ways: a row of the file (--key-row N names it), a key file "
              "with one row "
              "or one column of answers (--key-file FILE), or the answers typed one character per "
              "item (--key "
              "ABCD...)");
    // Two key rows.
    EXPECT_EQ(refusal(plan({"id,Q1,Q2", "key,A,B", "a,A,B", "Key,B,B"})),
              "Rows 2 and 4 read \"key\" or \"answer key\"; name the one that holds the key with "
              "--key-row N");
    // Only the header and the key.
    EXPECT_EQ(refusal(plan({"id,Q1,Q2", "key,A,B"})),
              "The file exam.csv holds no student rows (rows other than the header and the key)");
}

TEST(CsvRefusals, MoreThanAHundredItemColumns) {
    std::string header = "id";
    std::string key = "key";
    std::string student = "a";
    for (int j = 1; j <= 101; ++j) {
        header += ",Q" + std::to_string(j);
        key += ",A";
        student += ",B";
    }
    EXPECT_EQ(refusal(plan({header, key, student})),
              "Row 1, column CX (Q101): the file has 101 item columns (B-CX); KOR analyses at most "
              "100 items. "
              "Choose the item columns with --items.");
    CsvOptions options;
    options.items = "Q1..Q100";
    EXPECT_EQ(accepted(plan({header, key, student}, options)).item_columns.size(), 100u);
}

TEST(CsvRefusals, MoreThan9999Students) {
    std::vector<std::string> rows = {"id,Q1,Q2", "key,A,B"};
    for (int i = 1; i <= 9999; ++i) {
        rows.push_back("s" + std::to_string(i) + ",A,B");
    }
    EXPECT_EQ(accepted(plan(rows)).student_rows.size(), 9999u);
    rows.push_back("late,A,B");
    EXPECT_EQ(refusal(plan(rows)),
              "Row 10002: this is student 10000; KOR analyses at most 9999 examinees");
}

TEST(CsvRefusals, AnIdTooLongForTheLineNamesItsRow) {
    std::string header = "name";
    std::string key = "key";
    std::string student = "Ann";
    for (int j = 1; j <= 100; ++j) {
        header += ",Q" + std::to_string(j);
        key += ",A";
        student += ",B";
    }
    EXPECT_EQ(accepted(plan({header, key, student})).texts.label_length, "3");
    // Ids too long are cut (see CsvLongIds) unless every cut leaves two alike.
    const std::string long_id = "Annabel" + student.substr(3);
    EXPECT_EQ(
        refusal(plan({header, key, student, long_id, "H" + long_id})),
        "Row 4: the id \"Annabel\" has 7 characters; with 100 items an id may have at most 5 (id "
        "and "
        "answers must fit in 105 columns). Shorten it, or choose fewer id columns with --id.");
}

TEST(CsvRefusals, KeySourcesThatContradict) {
    const std::vector<std::string> data = {"id,Q1,Q2", "key,A,B", "a,A,B"};
    CsvOptions options;
    options.key = "AB";
    EXPECT_EQ(
        refusal(plan(data, options)),
        "Row 2 reads \"key\", but the key is given by --key: add --key-row none to read row 2 as a "
        "student, or leave out --key to use it as the key");
    options.no_key_row = true;
    const CsvMapping& m = accepted(plan(data, options));
    EXPECT_EQ(m.student_rows, (std::vector<int>{2, 3}));
    options.key_row = 3;
    EXPECT_EQ(refusal(plan(data, options)),
              "Give the key one way only: --key-row N, --key-file FILE or --key ANSWERS");
    CsvOptions row_only;
    row_only.key_row = 1;
    EXPECT_EQ(refusal(plan(data, row_only)), "--key-row 1 is the header row");
    row_only.key_row = 3;
    const CsvMapping& third = accepted(plan(data, row_only));
    EXPECT_EQ(third.key_row, 3);
    EXPECT_EQ(third.student_rows, (std::vector<int>{2}));
}

TEST(CsvRefusals, ColumnsAndOptionsGivenWrongly) {
    CsvOptions options;
    options.items = "Q1..Q9";
    EXPECT_EQ(refusal(plan(scanner, options)),
              "--items: no column of the header row 1 is named \"Q9\"");
    options.items = "3-12";
    EXPECT_EQ(refusal(plan(scanner, options)),
              "--items: there is no column 12; the file has 9 columns");
    options.items = "Q2..Q1";
    EXPECT_EQ(refusal(plan(scanner, options)),
              "--items \"Q2..Q1\": the first column comes after the last");
    options.items.clear();
    options.ids = "First Name,Q1";
    EXPECT_EQ(refusal(plan(scanner, options)), "--id: column E (Q1) is an item column");
    options.ids.clear();
    options.options = "45";
    EXPECT_EQ(refusal(plan(scanner, options)),
              "--options takes one digit from 1 to 8 for every item, or one digit per item (4 "
              "here), not \"45\"");
    options.options = "3";
    // "D" answers no option of a 3-option item: nobody could have chosen the key.
    EXPECT_EQ(
        refusal(plan(scanner, options)),
        "The key of item 2 (column F (Q2)) is \"D\", which is no answer to an item with 3 options");
    CsvOptions names;
    names.header = false;
    names.items = "Q1..Q4";
    EXPECT_EQ(refusal(plan(scanner, names)),
              "Columns are named by their header, but --header no says the file has none; give "
              "column numbers "
              "instead");
}

TEST(CsvCharacters, AnIdLetterLatin1LacksBecomesItsBaseLetter) {
    struct Case {
        const char* utf8;
        const char* label;
        bool replaced;
    };
    const Case cases[] = {
        {"Tom\xC3\xA1\xC5\xA1", "Tomas", true},             // spelled one way: no accent left
        {"\xC3\x98ystein \xC5\x81", "\xD8ystein L", true},  // a letter of its own stays
        {"\xC5\x81ukasz \xC5\x82", "Lukasz l", true},       // no decomposition, but a base
        {"\xC4\x90or\xC4\x91"
         "e",
         "Dorde", true},                  // D with stroke
        {"Erd\xC5\x91s", "Erdos", true},  // double acute
        {"\xC8\x98tefan \xC8\x9B"
         "ar\xC4\x83",
         "Stefan tara", true},                         // comma below
        {"Nguy\xE1\xBB\x85n", "Nguyen", true},         // Vietnamese, Extended Additional
        {"\xC5\x92uvre \xC7\x84", "OEuvre DZ", true},  // ligature and digraph
        {"O\xE2\x80\x99"
         "Brien",
         "O'Brien", true},                                    // typographic apostrophe
        {"\xD0\x98\xD0\xB2 \xF0\x9F\x98\x80", "?? ?", true},  // no base letter
        {"Jose\xCC\x81", "Jos\xE9", false},                   // decomposed, stored as one
        {"Zo\xCC\x8Cka", "Zoka", true},                       // a mark Latin-1 cannot put on it
        {"M\xC3\xBCller", "M\xFCller", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const ConvertedPart label = single_byte_part(c.utf8, BeyondLatin1::base_letter);
        EXPECT_EQ(label.text, c.label);
        EXPECT_EQ(label.replaced != 0, c.replaced);
        EXPECT_TRUE(label.refusal.empty());
    }
    // Read strictly, as answers are, the first such character refuses.
    EXPECT_EQ(single_byte_part("Tom\xC3\xA1\xC5\xA1", BeyondLatin1::refuse).refusal.substr(0, 27),
              "the character U+0161 cannot");
    EXPECT_EQ(single_byte_part("M\xC3\xBCller", BeyondLatin1::refuse).text, "M\xFCller");
}

TEST(CsvCharacters, IdsAreTransliteratedWithOneWarningAnswersAndKeysRefuse) {
    const std::vector<std::string> rows = {"\xEF\xBB\xBFid,name,Q1,Q2", "key,,A,B",
                                           "1,Tom\xC3\xA1\xC5\xA1,A,B", "2,\xC5\x81ukasz,B,B",
                                           "3,Ann,A,A"};
    const CsvPlan planned = plan(rows);
    const CsvMapping& m = accepted(planned);
    EXPECT_EQ(m.texts.data_lines,
              (std::vector<std::string>{"1 Tomas AB", "2 LukaszBB", "3 Ann   AA"}));
    EXPECT_EQ(m.warnings,
              std::vector<std::string>{
                  "Rows 3 and 4: the ids hold characters that KOR cannot store in single bytes "
                  "(the Western European characters of Latin-1); each became its base letter, or "
                  "\"?\" where it has none"});
    // The preview shows the converted cells.
    EXPECT_EQ(planned.table.rows[3].cells[1], "Lukasz");

    // An answer or a key cell is not guessed: the refusal names the cell.
    const std::string cannot =
        "the character U+0141 cannot be stored by KOR, which keeps text in single bytes (the "
        "Western European characters of Latin-1). Replace it and read the file again.";
    CsvPlan refused = plan({"id,Q1,Q2", "key,A,B", "s1,A,B", "s2,\xC5\x81,B"});
    EXPECT_EQ(refusal(refused), "Row 4, column B (Q1): " + cannot);
    EXPECT_EQ(refused.refused_row, 4);
    EXPECT_EQ(refusal(plan({"id,Q1,Q2", "key,A,\xC5\x81", "s1,A,B"})),
              "Row 2, column C (Q2): " + cannot);
    CsvOptions options;
    options.key_file = CsvNamedFile{"key.csv", "A,\xC5\x81\n"};
    EXPECT_EQ(refusal(plan({"id,Q1,Q2", "s1,A,B"}, options)),
              "Key file key.csv, row 1, column B: " + cannot);
    // After the UTF-8 mark, a byte that is not UTF-8 is named by its cell.
    refused = plan({"\xEF\xBB\xBFid,Q1,Q2", "key,A,B", "s1,A,B", "s2,A,\xFC"});
    EXPECT_EQ(refusal(refused).substr(0, 71),
              "Row 4, column C: the file starts with the UTF-8 mark, but the byte 0xFC");
    EXPECT_EQ(refused.refused_row, 4);
    // Without the mark, text that is not UTF-8 is single-byte text, as typed.
    EXPECT_EQ(accepted(plan({"id,Q1", "key,A", "M\xFCller,A"})).texts.data_lines[0], "M\xFCllerA");
}

TEST(CsvShortRowsChoice, RefusedByDefaultOrFilledWithBlanks) {
    // Rows that lost their trailing empty answers; the widest row sets the width.
    const std::vector<std::string> rows = {"id,Q1,Q2,Q3,Q4", "key,A,B,C,D", "a,A,B",
                                           "b,A,B,C,D",      "c,A",         "d,B,B,C,D"};
    CsvPlan refused = plan(rows);
    EXPECT_EQ(refusal(refused),
              "Row 3 has 3 columns, but the file's rows have 5: column D onwards is missing. "
              "Check the row for a lost delimiter or quote.");
    EXPECT_EQ(refused.refused_row, 3);
    // Planned on as if filled, so that a preview shows the choices beside the refusal.
    ASSERT_TRUE(refused.choices);
    EXPECT_EQ(refused.choices->item_columns, (std::vector<std::size_t>{1, 2, 3, 4}));
    CsvOptions options;
    options.short_rows = CsvShortRows::blank;
    const CsvPlan filled = plan(rows, options);
    const CsvMapping& m = accepted(filled);
    EXPECT_EQ(m.filled_rows, (std::vector<int>{3, 5}));
    EXPECT_EQ(m.texts.data_lines, (std::vector<std::string>{"aAB..", "bABCD", "cA...", "dBBCD"}));
    EXPECT_EQ(m.missing_cells, 5);
    const std::vector<std::string> summary = csv_summary(m, filled.table);
    EXPECT_EQ(summary[summary.size() - 1], "Short rows filled with blanks: 2 (rows 3 and 5)");
    // Most rows short: the header and the long rows still set the width.
    const CsvMapping& most =
        accepted(plan({"id,Q1,Q2,Q3", "key,A,B,C", "a,A,B", "b,A,B", "c,A,B,C"}, options));
    EXPECT_EQ(most.item_columns.size(), 3u);
    EXPECT_EQ(most.filled_rows, (std::vector<int>{3, 4}));
}

// One hundred items leave five characters for an id.
std::vector<std::string> hundred_items(const std::vector<std::string>& ids) {
    std::string header = "Number,Name";
    std::string key = "KEY,";
    std::string answers;
    for (int j = 1; j <= 100; ++j) {
        header += ",Q" + std::to_string(j);
        key += ",A";
        answers += ",B";
    }
    std::vector<std::string> rows{header, key};
    for (const std::string& id : ids) {
        rows.push_back(id + answers);
    }
    return rows;
}

TEST(CsvLongIds, CutToTheShortestDistinctTailAndKeptWhole) {
    const CsvPlan planned =
        plan(hundred_items({"2400117,Novak Jan", "2400217,Smith Ann", "2400125,Lee Bo"}));
    const CsvMapping& m = accepted(planned);
    // "17" twice: three characters tell the students apart.
    EXPECT_EQ(m.texts.label_length, "3");
    EXPECT_EQ(m.texts.data_lines[0].substr(0, 4), "117B");
    EXPECT_EQ(m.texts.data_lines[2].substr(0, 4), "125B");
    EXPECT_EQ(m.full_ids, (std::map<std::string, FullId>{{"117", {"2400117", "Novak Jan"}},
                                                         {"217", {"2400217", "Smith Ann"}},
                                                         {"125", {"2400125", "Lee Bo"}}}));
    EXPECT_EQ(m.warnings.back(),
              "With 100 items an id may have at most 5 characters, so each label is the last 3 "
              "characters of column A (Number), which still tell the students apart; the scores "
              "CSV and the JSON carry the whole ids and the names, an input file only the labels");
    // The table goes with the data set, and only with it.
    ProgramState state;
    fill_editor_from_csv(state, m, "/tmp/exam.csv");
    EXPECT_EQ(state.data.full_ids, m.full_ids);
    new_data_set(state);
    EXPECT_TRUE(state.data.full_ids.empty());

    // Ids that stay alike however they are cut are refused as before.
    EXPECT_EQ(refusal(plan(hundred_items({"2400117,Novak Jan", "2400117,Novak Jan"}))),
              "Row 3: the id \"2400117 Novak Jan\" has 17 characters; with 100 items an id may "
              "have at most 5 (id and answers must fit in 105 columns). Shorten it, or choose "
              "fewer id columns with --id.");
}

TEST(CsvPreview, LetterAnswersShowTheKeyAndOptionsAsLetters) {
    const CsvPlan planned = plan(scanner);
    const std::vector<std::string> preview = csv_preview_summary(*planned.mapping, planned.table);
    EXPECT_EQ(preview[7],
              "Options: A-C for item 1, A-D for item 2, A-B for item 3, A-D for item 4 (detected)");
    // Digits stay digits; a key typed in digits over letter answers is shown in letters.
    CsvOptions typed;
    typed.key = "2413";
    const CsvPlan numbers = plan({"id,Q1,Q2,Q3,Q4", "a,2,4,1,3", "b,1,4,1,4"}, typed);
    EXPECT_EQ(csv_preview_summary(*numbers.mapping, numbers.table),
              csv_summary(*numbers.mapping, numbers.table));
    const CsvPlan letters = plan({"id,Q1,Q2,Q3,Q4", "a,D,D,D,C", "b,B,D,A,D"}, typed);
    const std::vector<std::string> lines = csv_preview_summary(*letters.mapping, letters.table);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Key: given, BDAC"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Options: A-D for items 1-4 (detected)"),
              lines.end());
}

TEST(CsvSniffing, SpreadsheetExportsAndInputFilesAreTold) {
    EXPECT_TRUE(looks_like_csv(lines(scanner)));
    EXPECT_TRUE(looks_like_csv("name\tq1\tq2\nAnn\tA\tB\n"));
    EXPECT_FALSE(looks_like_csv(
        "KOR: Korvath (version 6)\r\nTitle         = Quiz, week 1\r\n# Items       = 4\r\n"));
    EXPECT_FALSE(looks_like_csv("Dear class,\r\nthe quiz is on Monday.\r\n"));
    EXPECT_TRUE(is_input_file_text("KOR: Korvath (version 6)\r\n"));
    EXPECT_FALSE(is_input_file_text("id,q1\r\n"));
}

}  // namespace
}  // namespace kor
