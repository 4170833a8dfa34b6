// Spreadsheet exports shaped like real ones, read in one step by `kor
// analyze` and `kor import --format csv`: each must give exactly the data set
// that the equivalent hand-made input file gives. And the results written
// back as CSV.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "CliRun.h"
#include "core/FileIO.h"
#include "core/TextUtil.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

using testing::CliRun;
using testing::kor;

const std::string bom = "\xEF\xBB\xBF";

std::string join(const std::vector<std::string>& cells, const std::string& delimiter) {
    std::string text;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        text += (k > 0 ? delimiter : "") + cells[k];
    }
    return text;
}

std::string crlf(const std::vector<std::string>& lines) {
    return join(lines, "\r\n") + "\r\n";
}

// One student as the export holds it and as a hand-made file would type it.
struct Student {
    std::vector<std::string> ids;      // the id cells, single-byte text
    std::vector<std::string> answers;  // the answer cells as exported
};

// What an instructor types for a cell: the answer in capitals, "." for an
// empty or unreadable cell.
char typed_answer(const std::string& cell) {
    if (cell.size() != 1 || cell == "-" || cell == " ") {
        return '.';
    }
    return static_cast<char>(std::toupper(static_cast<unsigned char>(cell[0])));
}

// The hand-made input file of the same data set: labels joined with a blank
// and padded, one character per answer.
std::string hand_made_file(const std::string& title, const std::string& key,
                           const std::string& options, const std::vector<Student>& students) {
    std::vector<std::string> labels;
    std::size_t width = 0;
    for (const Student& s : students) {
        labels.push_back(join(s.ids, " "));
        width = std::max(width, labels.back().size());
    }
    std::vector<std::string> lines = {"KOR: Korvath (version 6)",
                                      "Title         = " + title,
                                      "Comments      = Imported from " + title,
                                      "# Examinees   = " + std::to_string(students.size()),
                                      "# Items       = " + std::to_string(key.size()),
                                      "Missing Data  = 9",
                                      "Not reached   = x",
                                      "Label Length  = " + std::to_string(width),
                                      "Answer Key    = " + key,
                                      "# Options     = " + options,
                                      "Item Analyzed = " + std::string(key.size(), 'Y'),
                                      "High Group D% = 27",
                                      "Low Group D%  = 27",
                                      "Partial Credit= NO",
                                      "MC Points     = NO"};
    for (std::size_t i = 0; i < students.size(); ++i) {
        std::string line = pad_right(labels[i], width);
        for (const std::string& cell : students[i].answers) {
            line += typed_answer(cell);
        }
        lines.push_back(line);
    }
    for (const char* tail :
         {"# Grades      = 0", "#Alternatives = 0", "#Content Areas= 0", "#Cognitives   = 0"}) {
        lines.emplace_back(tail);
    }
    return crlf(lines);
}

// The options of each item as an instructor counts them: the highest letter
// or digit in its key or answers, at least 2.
std::string highest_options(const std::string& key, const std::vector<Student>& students) {
    std::string options;
    for (std::size_t j = 0; j < key.size(); ++j) {
        int highest = 2;
        std::string seen(1, key[j]);
        for (const Student& s : students) {
            seen += typed_answer(s.answers[j]);
        }
        for (char c : seen) {
            const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (upper >= 'A' && upper <= 'H') {
                highest = std::max(highest, upper - 'A' + 1);
            } else if (c >= '1' && c <= '8') {
                highest = std::max(highest, c - '0');
            }
        }
        options += static_cast<char>('0' + highest);
    }
    return options;
}

// Answers that look like a class's: mostly the key, wrong answers spread
// over the options, a few empty cells and small letters.
std::string answer_of(int student, int item, const std::string& key, const std::string& letters) {
    // Abler students (by their number) answer more items as keyed.
    const int roll = (student * 37 + item * 11) % 20;
    const int ability = 8 + (student * 7) % 11;
    const char keyed = key[static_cast<std::size_t>(item)];
    std::string cell(1, roll < ability
                            ? keyed
                            : letters[static_cast<std::size_t>(student + item) % letters.size()]);
    if ((student * 5 + item) % 41 == 0) {
        return "";
    }
    if ((student + 2 * item) % 23 == 0) {
        cell[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(cell[0])));
    }
    return cell;
}

class CsvCommand : public ::testing::Test {
  protected:
    std::string path(const std::string& name) const { return folder.file(name); }

    std::string write(const std::string& name, const std::string& bytes) const {
        write_lines_atomic(path(name), split_lines(bytes));
        return path(name);
    }

    // The JSON document of `kor analyze FILE args...`.
    nlohmann::json analysis_of(const std::string& file, std::vector<std::string> args = {}) {
        const std::string out = path(file_name_of(file) + ".json");
        std::vector<std::string> command = {"analyze", file, "--json", out};
        command.insert(command.end(), args.begin(), args.end());
        const CliRun run = kor(command);
        EXPECT_EQ(run.code, 0) << run.err;
        return run.code == 0 ? nlohmann::json::parse(read_file(out, 1u << 24)) : nlohmann::json();
    }

    // A scanner export: "Student ID", "Last Name", "First Name", Q1..Q40,
    // the key in a row named "KEY", and one double mark.
    std::vector<Student> scanner_students() const {
        const std::vector<std::string> last = {"Adams", "Baker", "Chen", "Diaz", "Evans", "Fox"};
        const std::vector<std::string> first = {"Jane", "Tom", "Li", "Eva", "Sam", "Kim", "Al"};
        std::vector<Student> students;
        for (int s = 0; s < 30; ++s) {
            Student student;
            student.ids = {std::to_string(20231001 + s),
                           last[static_cast<std::size_t>(s) % last.size()],
                           first[static_cast<std::size_t>(s) % first.size()]};
            for (int j = 0; j < 40; ++j) {
                student.answers.push_back(answer_of(s, j, scanner_key, "ABCD"));
            }
            students.push_back(student);
        }
        students[4].answers[6] = "AB";  // a double mark
        return students;
    }

    std::string scanner_csv(const std::vector<Student>& students) const {
        std::vector<std::string> header = {"Student ID", "Last Name", "First Name"};
        std::vector<std::string> key = {"KEY", "", ""};
        for (int j = 1; j <= 40; ++j) {
            header.push_back("Q" + std::to_string(j));
            key.emplace_back(1, scanner_key[static_cast<std::size_t>(j - 1)]);
        }
        std::vector<std::string> rows = {join(header, ","), join(key, ",")};
        for (const Student& s : students) {
            std::vector<std::string> cells = s.ids;
            cells.insert(cells.end(), s.answers.begin(), s.answers.end());
            rows.push_back(join(cells, ","));
        }
        return crlf(rows);
    }

    const std::string scanner_key = "BDACABCDDACBBCADCABDACDBBADCCABDDBCAACDB";
    testing::TempFolder folder;
};

TEST_F(CsvCommand, ScannerExportGivesTheHandMadeDataSet) {
    const std::vector<Student> students = scanner_students();
    const std::string csv = write("scanner.csv", scanner_csv(students));
    const std::string kor_file =
        write("hand.kor", hand_made_file("scanner.csv", scanner_key,
                                         highest_options(scanner_key, students), students));
    int empty_cells = 0;
    for (const Student& s : students) {
        empty_cells += static_cast<int>(std::count(s.answers.begin(), s.answers.end(), ""));
    }
    const CliRun run = kor({"analyze", csv});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err,
              "Spreadsheet file: scanner.csv\n"
              "Delimiter: comma (detected)\n"
              "Header: row 1 (detected)\n"
              "Ids: columns A-C: Student ID, Last Name, First Name (detected), label length 19\n"
              "Items: 40, columns D-AQ: Q1..Q40 (detected)\n"
              "Key: row 2, " +
                  scanner_key +
                  "\n"
                  "Options: " +
                  highest_options(scanner_key, students) +
                  " (detected)\n"
                  "Students: 30, rows 3-32\n"
                  "Missing answers: " +
                  std::to_string(empty_cells) +
                  "; double-marked: 1; unreadable: 0\n"
                  "Warning: 1 cell holds more than one character (double marks such as \"A,B\") "
                  "and counts as "
                  "a missing answer: row 7 item 7 (Q7): \"AB\"\n");
    // The same panes as the hand-made file, and the same figures throughout.
    EXPECT_EQ(run.out, kor({"analyze", kor_file}).out);
    const nlohmann::json from_csv = analysis_of(csv);
    EXPECT_EQ(from_csv["data_set"]["examinees"], 30);  // the header and the key are no students
    EXPECT_EQ(from_csv, analysis_of(kor_file));
}

TEST_F(CsvCommand, ImportWritesTheInputFileOfTheSameDataSet) {
    const std::vector<Student> students = scanner_students();
    const std::string csv = write("scanner.csv", scanner_csv(students));
    const std::string hand =
        write("hand.kor", hand_made_file("scanner.csv", scanner_key,
                                         highest_options(scanner_key, students), students));
    const CliRun run = kor({"import", csv, "--format", "csv", "-o", path("scanner.kor")});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "scanner.kor: 30 examinees, 40 items\n");
    EXPECT_NE(run.err.find("Students: 30, rows 3-32\n"), std::string::npos) << run.err;
    EXPECT_EQ(kor({"check", path("scanner.kor")}).code, 0);
    EXPECT_EQ(analysis_of(path("scanner.kor")), analysis_of(hand));
}

TEST_F(CsvCommand, LmsExportWithSemicolonsQuotedNamesAndAByteOrderMark) {
    // UTF-8 names with commas inside quotes, small letters, "-" for an
    // answer left out, and a total column after the items.
    const std::vector<std::pair<std::string, std::string>> people = {
        {"M\xC3\xBCller, Anna", "M\xFCller, Anna"},
        {"Nu\xC3\xB1"
         "ez, Jos\xC3\xA9",
         "Nu\xF1"
         "ez, Jos\xE9"},
        {"O'Brien, Se\xC3\xA1n", "O'Brien, Se\xE1n"},
        {"Lef\xC3\xA8vre, Zo\xC3\xA9", "Lef\xE8vre, Zo\xE9"},
        {"Smith, John", "Smith, John"},
        {"\xC3\x85str\xC3\xB6m, Bo", "\xC5str\xF6m, Bo"},
        {"Kowalski, Jan", "Kowalski, Jan"},
        {"Dubois, L\xC3\xA9o", "Dubois, L\xE9o"}};
    const std::string key = "cadbeabcdeacbdeabced";
    std::vector<std::string> rows;
    std::vector<std::string> header = {"\"Name\"", "\"Student number\""};
    std::vector<std::string> key_row = {"\"Answer key\"", "\"\""};
    for (int j = 1; j <= 20; ++j) {
        header.push_back("\"Question " + std::to_string(j) + "\"");
        key_row.emplace_back(1, key[static_cast<std::size_t>(j - 1)]);
    }
    header.emplace_back("\"Total\"");
    key_row.emplace_back("");
    rows.push_back(join(header, ";"));
    rows.push_back(join(key_row, ";"));
    std::vector<Student> students;
    for (std::size_t s = 0; s < people.size(); ++s) {
        Student student;
        student.ids = {people[s].second, std::to_string(5500 + s)};
        std::vector<std::string> cells = {"\"" + people[s].first + "\"", std::to_string(5500 + s)};
        for (int j = 0; j < 20; ++j) {
            std::string cell = answer_of(static_cast<int>(s), j, key, "abcde");
            if (cell.empty()) {
                cell = "-";
            }
            student.answers.push_back(cell);
            cells.push_back(cell);
        }
        cells.push_back(std::to_string(10 + s));
        rows.push_back(join(cells, ";"));
        students.push_back(student);
    }
    const std::string csv = write("lms.csv", bom + crlf(rows));
    std::string typed_key = key;
    for (char& c : typed_key) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    const std::string hand = write(
        "hand.kor", hand_made_file("lms.csv", typed_key, highest_options(key, students), students));
    const CliRun run = kor({"analyze", csv});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.err.find("Delimiter: semicolon (detected)\n"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Items: 20, columns C-V: Question 1..Question 20 (detected)\n"),
              std::string::npos);
    EXPECT_NE(run.err.find("Ignored columns: W: Total\n"), std::string::npos);
    const nlohmann::json from_csv = analysis_of(csv);
    EXPECT_EQ(from_csv["examinees"][0]["label"], "M\xC3\xBCller, Anna 5500 ");  // padded as typed
    EXPECT_EQ(from_csv, analysis_of(hand));
}

TEST_F(CsvCommand, NumericExportWithoutHeaderAndAKeyFile) {
    const std::string key = "3142531425314253142531425";
    std::vector<std::string> rows;
    std::vector<Student> students;
    for (int s = 0; s < 12; ++s) {
        Student student;
        student.ids = {std::to_string(7001 + s)};
        std::vector<std::string> cells = student.ids;
        for (int j = 0; j < 25; ++j) {
            student.answers.push_back(answer_of(s, j, key, "12345"));
            cells.push_back(student.answers.back());
        }
        rows.push_back(join(cells, ","));
        students.push_back(student);
    }
    const std::string csv = write("numeric.csv", crlf(rows));
    std::vector<std::string> key_cells;
    for (char c : key) {
        key_cells.emplace_back(1, c);
    }
    const std::string key_file = write("key.csv", crlf({join(key_cells, ",")}));
    const std::string hand = write(
        "hand.kor", hand_made_file("numeric.csv", key, highest_options(key, students), students));
    const CliRun run = kor({"analyze", csv, "--key-file", key_file});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.err.find("Header: none (detected)\n"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Key: file key.csv, " + key + "\n"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Students: 12, rows 1-12\n"), std::string::npos) << run.err;
    EXPECT_EQ(analysis_of(csv, {"--key-file", key_file}), analysis_of(hand));
    // Without the key file the import says how to give one.
    const CliRun keyless = kor({"analyze", csv});
    EXPECT_EQ(keyless.code, 1);
    EXPECT_NE(keyless.err.find("No answer key found in numeric.csv"), std::string::npos)
        << keyless.err;
    // A comma-separated key is refused, not read with its commas.
    const CliRun commas = kor({"analyze", csv, "--key", join(key_cells, ",")});
    EXPECT_EQ(commas.code, 1);
    EXPECT_EQ(commas.err,
              "--key \"" + join(key_cells, ",") +
                  "\" holds separators; give one character per item with nothing between them, "
                  "for example --key " +
                  key + "\n");
    EXPECT_EQ(kor({"analyze", csv, "--key", key}).code, 0);
}

TEST_F(CsvCommand, RecognisedByContentAndNotReplaced) {
    const std::string csv = scanner_csv(scanner_students());
    const std::string txt = write("scanner.txt", csv);
    const CliRun run = kor({"analyze", txt, "--scores-csv", path("scores.csv")});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.err.find("Spreadsheet file: scanner.txt\n"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Wrote " + path("scores.csv") + "\n"), std::string::npos) << run.err;
    // No output replaces the file the data came from, nor the key file.
    const CliRun clash = kor({"analyze", txt, "--options-csv", txt});
    EXPECT_EQ(clash.code, 1);
    EXPECT_TRUE(file_holds(txt, csv));
    const std::string numeric = write("numeric.csv", "s1,A,B\r\ns2,B,B\r\ns3,A,A\r\n");
    const std::string key = write("key.csv", "A,B\r\n");
    const CliRun key_clash = kor({"analyze", numeric, "--key-file", key, "--scores-csv", key});
    EXPECT_EQ(key_clash.code, 1) << key_clash.err;
    EXPECT_TRUE(file_holds(key, "A,B\r\n"));
    const CliRun import_clash =
        kor({"import", numeric, "--format", "csv", "--key-file", key, "-o", key});
    EXPECT_EQ(import_clash.code, 1) << import_clash.err;
    EXPECT_TRUE(file_holds(key, "A,B\r\n"));
}

TEST_F(CsvCommand, RefusalsAndWrongUsage) {
    const std::string csv = write("scanner.csv", scanner_csv(scanner_students()));
    // An answer the program cannot store is refused with its row and column.
    const std::string polish =
        write("polish.csv", bom + "id,Q1,Q2\r\nkey,A,B\r\nLukasz,\xC5\x81,B\r\n");
    const CliRun refused = kor({"analyze", polish});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(
        refused.err.rfind("Row 3, column B (Q1): the character U+0141 cannot be stored by KOR", 0),
        0u)
        << refused.err;
    EXPECT_EQ(kor({"analyze", csv, "--key-row", "two"}).code, 2);
    EXPECT_EQ(kor({"analyze", "--example", "set1", "--header", "yes"}).code, 2);
    EXPECT_EQ(kor({"analyze", csv, "--delimiter", "pipe"}).code, 2);
    const CliRun boxes =
        kor({"import", csv, "--format", "csv", "--label-length", "5", "-o", path("x.kor")});
    EXPECT_EQ(boxes.code, 2);
    EXPECT_EQ(boxes.err, "--label-length and --examinees apply to the text formats only\n");
    const CliRun text = kor({"import", csv, "--format", "text", "--id", "1", "-o", path("x.kor")});
    EXPECT_EQ(text.code, 2);
    const CliRun items =
        kor({"import", csv, "--format", "text", "--items", "4-43", "-o", path("x.kor")});
    EXPECT_EQ(items.code, 2);
    EXPECT_EQ(items.err, "--items takes the number of items for the text formats, not \"4-43\"\n");
    EXPECT_FALSE(std::filesystem::exists(path("x.kor")));
    // The CSV flags make any file a spreadsheet file, and its refusals name the flag.
    const CliRun columns = kor({"analyze", csv, "--items", "Q1..Q41"});
    EXPECT_EQ(columns.code, 1);
    EXPECT_EQ(columns.err, "--items: no column of the header row 1 is named \"Q41\"\n");
}

TEST_F(CsvCommand, NamesBeyondLatin1BecomeTheirBaseLettersWithOneWarning) {
    const std::string csv = write("names.csv",
                                  "id,Q1,Q2\r\nkey,A,B\r\nTom\xC3\xA1\xC5\xA1,A,B\r\n"
                                  "\xC5\x81ukasz,B,B\r\nAnn,A,A\r\n");
    const CliRun run = kor({"analyze", csv, "--scores-csv", path("scores.csv")});
    ASSERT_EQ(run.code, 0) << run.err;
    // One warning names both rows.
    const std::string warning =
        "Warning: Rows 3 and 4: the ids hold characters that KOR cannot "
        "store in single bytes";
    EXPECT_NE(run.err.find(warning), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Warning:"), run.err.rfind("Warning:")) << run.err;
    const std::vector<std::string> scores = split_lines(read_file(path("scores.csv"), 1u << 20));
    ASSERT_EQ(scores.size(), 4u);
    EXPECT_EQ(scores[1].substr(0, 8), "Tomas,2,");
    EXPECT_EQ(scores[2].substr(0, 9), "Lukasz,1,");
}

TEST_F(CsvCommand, ShortRowsAreRefusedOrFilledWithBlanks) {
    const std::string rows = "id,Q1,Q2,Q3\r\nkey,A,B,C\r\ns1,A,B,C\r\ns2,A\r\ns3,B,B\r\n";
    const std::string short_csv = write("short.csv", rows);
    const CliRun refused = kor({"analyze", short_csv});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err.rfind("Row 4 has 2 columns, but the file's rows have 4", 0), 0u)
        << refused.err;
    // Filled, the file is the one with its empty cells written out.
    const std::string full =
        write("full.csv", "id,Q1,Q2,Q3\r\nkey,A,B,C\r\ns1,A,B,C\r\ns2,A,,\r\ns3,B,B,\r\n");
    const CliRun filled = kor({"analyze", short_csv, "--short-rows", "blank"});
    ASSERT_EQ(filled.code, 0) << filled.err;
    EXPECT_NE(filled.err.find("Short rows filled with blanks: 2 (rows 4 and 5)\n"),
              std::string::npos)
        << filled.err;
    EXPECT_EQ(filled.out, kor({"analyze", full}).out);
    const CliRun imported = kor(
        {"import", short_csv, "--format", "csv", "--short-rows", "blank", "-o", path("short.kor")});
    EXPECT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(
        kor({"import", short_csv, "--format", "text", "--short-rows", "blank", "-o", path("x.kor")})
            .code,
        2);
}

TEST_F(CsvCommand, SevenDigitNumbersOfAHundredItemExamGoWholeIntoTheScores) {
    // 9999 students, 100 items: a label has room for 5 characters only.
    std::string header = "Student number,Name";
    std::string key = "KEY,";
    for (int j = 1; j <= 100; ++j) {
        header += ",Q" + std::to_string(j);
        key += ",B";
    }
    std::string text = header + "\r\n" + key + "\r\n";
    for (int s = 0; s < 9999; ++s) {
        text += std::to_string(2300000 + 37 * s) + ",Student " + std::to_string(s);
        for (int j = 0; j < 100; ++j) {
            text += (s + j) % 3 == 0 ? ",A" : ",B";
        }
        text += "\r\n";
    }
    const std::string csv = write("big.csv", text);
    const CliRun run =
        kor({"analyze", csv, "--scores-csv", path("scores.csv"), "--json", path("big.json")});
    ASSERT_EQ(run.code, 0) << run.err;
    const nlohmann::json examinee =
        nlohmann::json::parse(read_file(path("big.json"), 1u << 26))["examinees"][9998];
    EXPECT_EQ(examinee["label"], "9926");
    EXPECT_EQ(examinee["full_id"], "2669926");
    EXPECT_EQ(examinee["name"], "Student 9998");
    // Four digits tell 9999 numbers 37 apart from each other.
    EXPECT_NE(run.err.find("label length 4"), std::string::npos) << run.err;
    const std::vector<std::string> scores = split_lines(read_file(path("scores.csv"), 1u << 24));
    ASSERT_EQ(scores.size(), 10000u);
    EXPECT_EQ(scores[0].substr(scores[0].size() - 11), ",label,name");
    EXPECT_EQ(scores[1].substr(0, 11), "2300000,66,");
    EXPECT_EQ(scores[1].substr(scores[1].size() - 15), ",0000,Student 0");
    EXPECT_EQ(scores[9999].substr(0, 8), "2669926,");
}

TEST_F(CsvCommand, ResultsOfSampleDataTwoAsCsv) {
    const CliRun run = kor({"analyze", "--example", "set2", "--scores-csv", path("scores.csv"),
                            "--options-csv", path("options.csv"), "--json", path("set2.json")});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::vector<std::string> scores = split_lines(read_file(path("scores.csv"), 1u << 20));
    ASSERT_EQ(scores.size(), 18u);
    EXPECT_EQ(scores[0],
              "id,score,percent,points,points_percent,grade,band68_low,band68_high,band95_low,"
              "band95_high");
    const std::vector<std::string> options = split_lines(read_file(path("options.csv"), 1u << 20));
    EXPECT_EQ(options[0], "item,option,key,count,proportion,high,low,pbis");
    // The JSON carries the same per-option point-biserial and the omitted answers.
    const nlohmann::json document = nlohmann::json::parse(read_file(path("set2.json"), 1u << 24));
    int omitted = 0;
    for (const nlohmann::json& item : document["items"]) {
        const int key = item["key"];
        ASSERT_TRUE(key >= 1 && key <= 8);
        EXPECT_EQ(item["options_pbis"][static_cast<std::size_t>(key - 1)], item["pbis"]);
        omitted += item["omitted"].get<int>();
    }
    EXPECT_EQ(omitted, 2);  // the two "9"s of student 14
}

}  // namespace
}  // namespace kor
