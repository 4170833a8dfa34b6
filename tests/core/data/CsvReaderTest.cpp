#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/data/CsvReader.h"

namespace kor {
namespace {

using Cells = std::vector<std::string>;

std::vector<Cells> cells_of(const CsvParse& parse) {
    std::vector<Cells> rows;
    for (const CsvRow& row : parse.rows) {
        rows.push_back(row.cells);
    }
    return rows;
}

TEST(CsvParse, QuotedCellsKeepDelimitersQuotesAndLineBreaks) {
    const CsvParse parse = parse_csv(
        "id,name,q1\r\n7,\"Smith, Ann\",A\r\n8,\"say \"\"hi\"\"\",\"B\"\n9,\"two\r\nlines\",C",
        ',');
    ASSERT_FALSE(parse.error);
    EXPECT_EQ(cells_of(parse), (std::vector<Cells>{{"id", "name", "q1"},
                                                   {"7", "Smith, Ann", "A"},
                                                   {"8", "say \"hi\"", "B"},
                                                   {"9", "two\r\nlines", "C"}}));
    // A record is a row, whatever its line breaks inside quotes.
    EXPECT_EQ(parse.rows[3].number, 4);
}

TEST(CsvParse, LineEndsAndEmptyLines) {
    // CR LF, LF and CR each end a row; a final line end starts no row; an
    // empty line is a row of one empty cell, numbered as a spreadsheet shows it.
    const CsvParse parse = parse_csv("a;b\r\n\nc;d\re;f\n", ';');
    ASSERT_FALSE(parse.error);
    EXPECT_EQ(cells_of(parse), (std::vector<Cells>{{"a", "b"}, {""}, {"c", "d"}, {"e", "f"}}));
    EXPECT_EQ(parse.rows[2].number, 3);
    EXPECT_TRUE(parse_csv("", ',').rows.empty());
    // Empty cells at either end of a row are cells.
    EXPECT_EQ(cells_of(parse_csv(",x,\n", ',')), (std::vector<Cells>{{"", "x", ""}}));
}

TEST(CsvParse, BlanksAroundQuotesAreIgnoredAndBareQuotesKept) {
    const CsvParse parse = parse_csv("1, \"Lee, Kim\" ,A\n2,5\" disk,B\n", ',');
    ASSERT_FALSE(parse.error);
    EXPECT_EQ(cells_of(parse),
              (std::vector<Cells>{{"1", "Lee, Kim", "A"}, {"2", "5\" disk", "B"}}));
}

TEST(CsvParse, UnreadableQuotesNameRowAndColumn) {
    const CsvParse unclosed = parse_csv("id,name\n1,Ann\n2,\"Bob\n3,Cy\n", ',');
    ASSERT_TRUE(unclosed.error);
    EXPECT_EQ(*unclosed.error,
              "Row 3, column B: the quoted cell that starts here has no closing quote");
    EXPECT_EQ(unclosed.rows.size(), 2u);  // the rows before it
    const CsvParse trailing = parse_csv("a,b,c\n1,2,\"x\"y\n", ',');
    ASSERT_TRUE(trailing.error);
    EXPECT_EQ(
        *trailing.error,
        "Row 2, column C: text follows the closing quote of a quoted cell; a quote inside a quoted "
        "cell is written twice (\"\")");
}

TEST(CsvParse, MaxRowsStopsEarly) {
    EXPECT_EQ(parse_csv("a\nb\nc\nd\n", ',', 2).rows.size(), 2u);
}

TEST(CsvDelimiter, TheOneGivingTheSameCellsOnMostRows) {
    EXPECT_EQ(detect_delimiter("id,q1,q2\n1,A,B\n2,C,D\n"), ',');
    // Commas inside names, quoted or not, lose to the semicolons around them.
    EXPECT_EQ(detect_delimiter("name;q1;q2\n\"Doe, Jo\";A;B\nRoe, Al;C;D\n"), ';');
    EXPECT_EQ(detect_delimiter("name\tq1\tq2\nDoe, Jo\tA\tB\nRoe, Al\tC\tD\n"), '\t');
    // A title line above the table does not decide.
    EXPECT_EQ(detect_delimiter("Midterm; spring\nid,q1,q2,q3\n1,A,B,C\n2,A,B,D\n"), ',');
    // One column: nothing splits it.
    EXPECT_FALSE(detect_delimiter("ABCD\nABCA\n"));
    EXPECT_FALSE(detect_delimiter(""));
}

TEST(CsvColumns, LettersAsASpreadsheetShowsThem) {
    EXPECT_EQ(column_letters(0), "A");
    EXPECT_EQ(column_letters(25), "Z");
    EXPECT_EQ(column_letters(26), "AA");
    EXPECT_EQ(column_letters(51), "AZ");
    EXPECT_EQ(column_letters(701), "ZZ");
    EXPECT_EQ(column_letters(702), "AAA");
}

}  // namespace
}  // namespace kor
