#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/data/CsvImport.h"
#include "core/data/VersionsMap.h"

namespace kor {
namespace {

std::string lines(const std::vector<std::string>& rows) {
    std::string text;
    for (const std::string& row : rows) {
        text += row + "\r\n";
    }
    return text;
}

// Two versions of four items: B prints them in reverse, and the options
// of its question 2 (master item 3) as C, A, D, B.
const std::vector<std::string> exam = {
    "Student,Version,Q1,Q2,Q3,Q4",  //
    "KEY,A,B,D,A,C",                //
    "KEY,B,C,B,D,B",                //
    "1001,A,B,D,A,C",               //
    "1002,B,C,B,D,B",               //
    "1003,B,A,C,D,B",               //
    "1004,A,B,,C,C",
};

const std::vector<std::string> map = {
    "version,question,master_item,options",
    "A,1,1,",
    "A,2,2,",
    "A,3,3,",
    "A,4,4,",
    "B,1,4,",
    "B,2,3,CADB",
    "B,3,2,",
    "B,4,1,",
};

CsvOptions with_versions(const std::vector<std::string>& map_rows = map) {
    CsvOptions options;
    options.version_column = "Version";
    options.versions_map = CsvNamedFile{"map.csv", lines(map_rows)};
    return options;
}

CsvPlan plan(const std::vector<std::string>& rows, const CsvOptions& options = with_versions()) {
    return plan_csv_import(lines(rows), "exam.csv", options);
}

std::vector<std::string> replaced(std::vector<std::string> rows, std::size_t index,
                                  const std::string& row) {
    rows[index] = row;
    return rows;
}

std::vector<std::string> without(std::vector<std::string> rows, std::size_t index) {
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(index));
    return rows;
}

const std::vector<std::string> master_lines = {"1001 ABDAC", "1002 BBDAC", "1003 BBDDA",
                                               "1004 AB.CC"};

TEST(ExamVersions, AnswersAndKeysAreReadInTheMasterOrder) {
    const CsvPlan planned = plan(exam);
    ASSERT_TRUE(planned.mapping) << planned.outcome.messages.back();
    const CsvMapping& m = *planned.mapping;
    EXPECT_EQ(m.texts.data_lines, master_lines);
    EXPECT_EQ(m.texts.answer_key, "BDAC");
    EXPECT_EQ(m.key_rows, (std::vector<int>{2, 3}));
    EXPECT_EQ(m.texts.label_length, "6");
    EXPECT_EQ(m.version_label, (LabelColumns{6, 6}));
    EXPECT_EQ(m.version_column, 1u);
    EXPECT_EQ(m.id_columns, std::vector<std::size_t>{0});
    EXPECT_TRUE(m.ignored_columns.empty());
    ASSERT_EQ(m.versions.size(), 2u);
    EXPECT_EQ(m.versions[1].name, "B");
    EXPECT_EQ(m.versions[1].students, 2);
    EXPECT_EQ(m.versions[1].key_from, "row 3");
    const std::vector<std::string> summary = csv_summary(m, planned.table);
    EXPECT_NE(std::find(summary.begin(), summary.end(),
                        "Versions: 2 (A, B), column B (Version), map map.csv; the answers are put "
                        "into the master order"),
              summary.end());
    EXPECT_NE(std::find(summary.begin(), summary.end(), "Version B: 2 students, key from row 3"),
              summary.end());
}

TEST(ExamVersions, EveryWayOfGivingTheKeysGivesTheSameMasterKey) {
    CsvOptions key_file = with_versions();
    key_file.key_file = CsvNamedFile{"keys.csv", lines({"version,key", "A,BDAC", "B,C,B,D,B"})};
    CsvOptions typed = with_versions();
    typed.key = "BDAC";
    const struct {
        const char* name;
        std::vector<std::string> rows;
        CsvOptions options;
        std::string b_key_from;
    } cases[] = {
        {"a key row per version", exam, with_versions(), "row 3"},
        {"B without a key row", without(exam, 2), with_versions(), ""},
        {"a key file", without(without(exam, 1), 1), key_file, "key file row 3"},
        {"the master key typed", without(without(exam, 1), 1), typed, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CsvPlan planned = plan(c.rows, c.options);
        ASSERT_TRUE(planned.mapping) << planned.outcome.messages.back();
        EXPECT_EQ(planned.mapping->texts.answer_key, "BDAC");
        EXPECT_EQ(planned.mapping->texts.data_lines, master_lines);
        EXPECT_EQ(planned.mapping->versions[1].key_from, c.b_key_from);
    }
}

TEST(ExamVersions, FaultsOfTheMapAndTheImportAreRefusedWithTheirPlace) {
    CsvOptions without_map;
    without_map.version_column = "Version";
    CsvOptions version_as_item = with_versions();
    version_as_item.items = "2-6";
    CsvOptions version_as_id = with_versions();
    version_as_id.ids = "Student,Version";
    const struct {
        const char* name;
        std::vector<std::string> rows;
        CsvOptions options;
        std::string message;
    } cases[] = {
        {"a version the map lacks", exam, with_versions({map.begin(), map.begin() + 5}),
         "Row 5: the version cell (column B (Version)) names version \"B\", which the versions "
         "map map.csv lacks (it has A)"},
        {"a question outside the items", exam, with_versions(replaced(map, 5, "B,5,4,")),
         "Versions map map.csv, row 6: question 5 is outside version B's 4 items"},
        {"a master item outside the items", exam, with_versions(replaced(map, 5, "B,1,0,")),
         "Versions map map.csv, row 6: master item 0 is outside the test's 4 items"},
        {"a master item used twice", exam, with_versions(replaced(map, 8, "B,4,4,")),
         "Versions map map.csv, row 9: version B uses master item 4 twice (rows 6 and 9)"},
        {"a question given twice", exam, with_versions(replaced(map, 8, "B,3,1,")),
         "Versions map map.csv, row 9: version B question 3 is given twice (rows 8 and 9)"},
        {"a question without its row", exam, with_versions(without(map, 8)),
         "Versions map map.csv: version B has no row for question 4, so it never uses master "
         "item 1"},
        {"options that are no permutation", exam, with_versions(replaced(map, 6, "B,2,3,CADA")),
         "Versions map map.csv, row 7: the options \"CADA\" of version B question 2 are not a "
         "permutation of the options A-D: each of the item's options once, in the order the "
         "version prints them"},
        {"a number that is none", exam, with_versions(replaced(map, 6, "B,two,3,")),
         "Versions map map.csv, row 7: the question cell holds \"two\", not a whole number"},
        {"a header without the columns", exam, with_versions(replaced(map, 0, "form,q,item")),
         "Versions map map.csv, row 1: the header row must name the columns version, question "
         "and master_item (and, where the options are in another order, options)"},
        {"a student without a version", replaced(exam, 4, "1002,,C,B,D,B"), with_versions(),
         "Row 5: the version cell (column B (Version)) is empty; every student needs the "
         "version they wrote"},
        {"a column without a map", exam, without_map,
         "--version-column needs the versions map (--versions FILE), which says which master "
         "item each version's question is"},
        {"the version column as an item", exam, version_as_item,
         "--items: column B (Version) is the version column"},
        {"the version column as an id", exam, version_as_id,
         "--id: column B (Version) is the version column"},
        {"two keys of one version", replaced(exam, 2, "KEY,A,B,D,A,C"), with_versions(),
         "Both row 2 and row 3 hold the key of version A; keep one of them"},
        {"a miskey", replaced(exam, 2, "KEY,B,C,C,D,A"), with_versions(),
         "The versions' keys disagree through the versions map map.csv (one of each pair is a "
         "miskey, or the map is wrong):\n"
         "Master item 1: version A question 1 keys B, version B question 4 keys A\n"
         "Master item 3: version A question 3 keys A, version B question 2 keys C (= master D)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CsvPlan planned = plan(c.rows, c.options);
        EXPECT_FALSE(planned.mapping);
        ASSERT_TRUE(planned.outcome.refused);
        EXPECT_EQ(planned.outcome.messages.back(), c.message);
    }
}

TEST(ExamineeGroupColumn, AGroupColumnGoesIntoTheLabelOrSharesTheVersions) {
    const std::vector<std::string> sections = {
        "Student,Section,Q1,Q2",  //
        "KEY,,A,B",               //
        "1001,01,A,B",            //
        "1002,,B,B",              //
        "1003,02,A,A",
    };
    CsvOptions by_section;
    by_section.group_column = "Section";
    const CsvPlan planned = plan_csv_import(lines(sections), "exam.csv", by_section);
    ASSERT_TRUE(planned.mapping) << planned.outcome.messages.back();
    const CsvMapping& m = *planned.mapping;
    EXPECT_EQ(m.texts.data_lines,
              (std::vector<std::string>{"1001 01AB", "1002   BB", "1003 02AA"}));
    EXPECT_EQ(m.group_label, (LabelColumns{6, 7}));
    EXPECT_EQ(m.groups, (std::vector<std::string>{"01", "02"}));
    const std::vector<std::string> summary = csv_summary(m, planned.table);
    EXPECT_NE(std::find(summary.begin(), summary.end(),
                        "Groups: 2 (01, 02), column B (Section); 1 student has no group (row 4)"),
              summary.end());

    CsvOptions versions_as_groups = with_versions();
    versions_as_groups.group_column = "Version";
    const CsvPlan both = plan(exam, versions_as_groups);
    ASSERT_TRUE(both.mapping) << both.outcome.messages.back();
    EXPECT_EQ(both.mapping->group_label, both.mapping->version_label);
    EXPECT_EQ(both.mapping->texts.data_lines, master_lines);

    CsvOptions section_as_item = by_section;
    section_as_item.items = "2-4";
    EXPECT_EQ(plan_csv_import(lines(sections), "exam.csv", section_as_item).outcome.messages.back(),
              "--items: column B (Section) is the group column");
}

TEST(ExamVersions, AnAnswerMovesToTheMastersOptionInItsOwnStyle) {
    ExamVersion version;
    version.questions = {MappedQuestion{1, "CADB", 2}, MappedQuestion{2, "", 3},
                         MappedQuestion{3, "BA", 4}};
    const struct {
        std::size_t question;
        std::string cell;
        std::string master;
    } cases[] = {
        {0, "A", "C"}, {0, "b", "a"},   {0, "4", "2"}, {0, "E", "E"},  // beyond its options
        {0, "", ""},   {0, "AB", "AB"},                                // left out, double mark
        {1, "D", "D"},                                                 // the master's order
        {2, "T", "F"}, {2, "f", "t"},                                  // true-false swapped
    };
    for (const auto& c : cases) {
        EXPECT_EQ(version.answer_in_master(c.question, c.cell), c.master)
            << "question " << c.question + 1 << " cell " << c.cell;
    }
}

}  // namespace
}  // namespace kor
