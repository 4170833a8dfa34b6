// Groups of examinees and differential item functioning: generated classes
// of 400 + 400 where two items are harder for the focal group at equal
// ability, compared with an implementation of the Mantel-Haenszel
// procedure written here from its definition; groups from a spreadsheet
// column and from label columns; and the refusals and warnings of groups
// that cannot be compared.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "app/Application.h"
#include "core/FileIO.h"
#include "core/analysis/GroupSummary.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

constexpr std::size_t items = 20;
const std::string letters = "ABCD";
const std::vector<std::size_t> dif_items = {4, 11};  // items 5 and 12

struct Student {
    std::string group;
    std::string id;
    std::string answers;
};

// Answers by a logistic model of ability; the DIF items are a logit
// harder for the focal group F.
std::vector<Student> generated_class(std::size_t per_group, std::string& key) {
    std::mt19937 random(400400);
    std::normal_distribution<double> ability(0.0, 1.0);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::uniform_int_distribution<std::size_t> option(0, 3);
    key.clear();
    for (std::size_t j = 0; j < items; ++j) {
        key += letters[option(random)];
    }
    std::vector<Student> students;
    for (std::size_t s = 0; s < 2 * per_group; ++s) {
        const bool focal = s % 2 == 1;
        const double theta = ability(random);
        Student student{focal ? "F" : "R", std::to_string(1000 + s), ""};
        for (std::size_t j = 0; j < items; ++j) {
            double difficulty = -1.5 + 3.0 * static_cast<double>(j) / (items - 1);
            if (focal && (j == dif_items[0] || j == dif_items[1])) {
                difficulty += 1.0;
            }
            const double p = 1.0 / (1.0 + std::exp(-1.7 * (theta - difficulty)));
            student.answers += unit(random) < p ? key[j] : letters[option(random)];
        }
        students.push_back(student);
    }
    return students;
}

// The editor's boxes of the students, each label the group and the id.
EditorTexts typed_class(const std::vector<Student>& students, const std::string& key) {
    EditorTexts texts;
    texts.title = "Two groups";
    texts.cases = std::to_string(students.size());
    texts.items = std::to_string(items);
    texts.label_length = "6";
    texts.answer_key = key;
    texts.options = std::string(items, '4');
    texts.include = std::string(items, 'Y');
    for (const Student& student : students) {
        texts.data_lines.push_back(student.group + student.id + " " + student.answers);
    }
    return texts;
}

Application analysed(const EditorTexts& texts, const std::string& group_label,
                     const std::string& reference = {}, const std::string& focal = {}) {
    Application app;
    app.set_editor_texts(texts);
    EXPECT_FALSE(app.close_editor(EditorExit::ok).outcome.refused);
    if (!group_label.empty()) {
        EXPECT_FALSE(app.set_group_label(group_label).refused);
    }
    if (!reference.empty()) {
        const Outcome chosen = app.set_dif_groups(reference, focal);
        EXPECT_FALSE(chosen.refused) << chosen.messages.back();
    }
    EXPECT_FALSE(app.analyze().refused);
    return app;
}

// The procedure from its definition: a 2 x 2 table per total score of
// right and wrong in each group, over the examinees of both groups.
struct Expected {
    double alpha, d_dif, chi_square, p;
    std::string ets_class;
};

Expected by_definition(const std::vector<Student>& students, const std::string& key,
                       std::size_t item) {
    std::map<int, std::array<double, 4>> tables;  // A (R right), B (R wrong), C (F right), D
    for (const Student& student : students) {
        int score = 0;
        for (std::size_t j = 0; j < items; ++j) {
            score += student.answers[j] == key[j] ? 1 : 0;
        }
        const bool right = student.answers[item] == key[item];
        const std::size_t cell = (student.group == "R" ? 0u : 2u) + (right ? 0u : 1u);
        tables[score][cell] += 1.0;
    }
    double ad = 0, bc = 0, a_sum = 0, expected = 0, variance = 0;
    for (const auto& [score, t] : tables) {
        const double n_r = t[0] + t[1];
        const double n_f = t[2] + t[3];
        const double n = n_r + n_f;
        if (n_r == 0 || n_f == 0) {
            continue;
        }
        ad += t[0] * t[3] / n;
        bc += t[1] * t[2] / n;
        a_sum += t[0];
        expected += n_r * (t[0] + t[2]) / n;
        variance += n_r * n_f * (t[0] + t[2]) * (t[1] + t[3]) / (n * n * (n - 1));
    }
    Expected e;
    e.alpha = ad / bc;
    e.d_dif = -2.35 * std::log(e.alpha);
    const double corrected = std::max(0.0, std::abs(a_sum - expected) - 0.5);
    e.chi_square = corrected * corrected / variance;
    e.p = std::erfc(std::sqrt(e.chi_square) / std::sqrt(2.0));
    const bool significant = e.p < 0.05;
    e.ets_class = std::abs(e.d_dif) < 1.0 || !significant ? "A"
                  : std::abs(e.d_dif) >= 1.5              ? "C"
                                                          : "B";
    return e;
}

TEST(DifferentialItemFunctioning, TheHarderItemsAreClassCAndEveryFigureIsTheDefinitions) {
    std::string key;
    const std::vector<Student> students = generated_class(400, key);
    const Application app = analysed(typed_class(students, key), "1", "R", "F");
    const AnalysisResults& results = app.state().results;
    ASSERT_TRUE(results.dif);
    EXPECT_EQ(results.dif->reference_examinees, 400);
    EXPECT_EQ(results.dif->focal_examinees, 400);
    ASSERT_EQ(results.dif->items.size(), items);
    for (const DifItem& item : results.dif->items) {
        SCOPED_TRACE("item " + std::to_string(item.item));
        const Expected e = by_definition(students, key, static_cast<std::size_t>(item.item - 1));
        const MhFigures& f = item.figures;
        ASSERT_TRUE(f.alpha && f.d_dif && f.chi_square && f.p);
        EXPECT_NEAR(*f.alpha, e.alpha, 1e-9);
        EXPECT_NEAR(*f.d_dif, e.d_dif, 1e-9);
        EXPECT_NEAR(*f.chi_square, e.chi_square, 1e-9);
        EXPECT_NEAR(*f.p, e.p, 1e-9);
        EXPECT_EQ(f.ets_class, e.ets_class);
    }
    for (std::size_t j : dif_items) {
        const MhFigures& f = results.dif->items[j].figures;
        EXPECT_EQ(f.ets_class, "C") << "item " << j + 1;
        EXPECT_LT(*f.d_dif, -1.5) << "item " << j + 1 << " favours the reference group";
    }
    // Fewer than 100 in a group would make the classes unstable; 400 do not.
    for (const std::string& warning : results.warnings) {
        EXPECT_EQ(warning.find("unstable"), std::string::npos) << warning;
    }
}

TEST(DifferentialItemFunctioning, AnItemNoLevelCanTestIsNotTestableAndNeverA) {
    // Everybody right at every level: no variance to test.
    const MhFigures all_right = mantel_haenszel({{3, 0, 2, 0}, {1, 0, 4, 0}});
    EXPECT_EQ(all_right.ets_class, "");
    EXPECT_FALSE(all_right.chi_square);
    EXPECT_FALSE(all_right.alpha);
    EXPECT_NE(all_right.reason.find("alike"), std::string::npos);
    // No level holds both groups.
    const MhFigures apart = mantel_haenszel({{3, 1, 0, 0}, {0, 0, 2, 2}});
    EXPECT_EQ(apart.ets_class, "");
    EXPECT_EQ(apart.levels, 0);
    // One 2 x 2 table by hand: A=30, B=10, C=20, D=20, N=80.
    const MhFigures one = mantel_haenszel({{30, 10, 20, 20}});
    EXPECT_DOUBLE_EQ(*one.alpha, (30.0 * 20 / 80) / (10.0 * 20 / 80));
    const double variance = 40.0 * 40 * 50 * 30 / (80.0 * 80 * 79);
    EXPECT_DOUBLE_EQ(*one.chi_square, (5.0 - 0.5) * (5.0 - 0.5) / variance);
    EXPECT_EQ(one.ets_class, ets_class_of(*one.d_dif, *one.p));
}

void expect_same_summary(const GroupSummary& one, const AnalysisState& state) {
    const AnalysisResults& alone = state.results;
    EXPECT_EQ(one.examinees, state.data.num_examinees);
    EXPECT_NEAR(one.score.mean, alone.score.mean, 1e-12);
    EXPECT_NEAR(one.score.sd, alone.score.sd, 1e-12);
    EXPECT_NEAR(*one.kr20, alone.kr20, 1e-12);
    EXPECT_NEAR(*one.sem, alone.sem_kr20, 1e-12);
    for (std::size_t j = 0; j < items; ++j) {
        const Item_Record& item = alone.item_records[static_cast<int>(j) + 1];
        EXPECT_NEAR(*one.difficulty[j], item.Diff, 1e-12) << "item " << j + 1;
        EXPECT_NEAR(*one.pbis[j], item.PtBis, 1e-12) << "item " << j + 1;
    }
}

TEST(ExamineeGroups, EachGroupIsSummarisedAsItsExamineesAloneAndAColumnGivesTheSame) {
    std::string key;
    const std::vector<Student> students = generated_class(60, key);
    const Application by_label = analysed(typed_class(students, key), "1");
    const std::vector<GroupSummary>& groups = by_label.state().results.groups;
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].name, "F");
    for (const GroupSummary& group : groups) {
        SCOPED_TRACE("group " + group.name);
        std::vector<Student> members;
        for (const Student& student : students) {
            if (student.group == group.name) {
                members.push_back(student);
            }
        }
        const Application alone = analysed(typed_class(members, key), "");
        expect_same_summary(group, alone.state());
    }

    testing::TempFolder folder;
    std::vector<std::string> rows = {"ID,Section", "KEY,"};
    for (std::size_t j = 0; j < items; ++j) {
        rows[0] += ",Q" + std::to_string(j + 1);
        rows[1] += std::string(",") + key[j];
    }
    for (const Student& student : students) {
        std::string row = student.id + "," + student.group;
        for (char answer : student.answers) {
            row += std::string(",") + answer;
        }
        rows.push_back(row);
    }
    const std::string csv = folder.file("sections.csv");
    write_lines_atomic(csv, rows);
    Application by_column;
    CsvOptions options;
    options.group_column = "Section";
    options.options = "4";
    const CsvPlan plan = by_column.import_csv(csv, options);
    ASSERT_TRUE(plan.mapping) << plan.outcome.messages.back();
    EXPECT_EQ(plan.mapping->group_label, (LabelColumns{6, 6}));
    ASSERT_FALSE(by_column.close_editor(EditorExit::ok).outcome.refused);
    ASSERT_FALSE(by_column.analyze().refused);
    const std::vector<GroupSummary>& from_column = by_column.state().results.groups;
    ASSERT_EQ(from_column.size(), groups.size());
    for (std::size_t g = 0; g < groups.size(); ++g) {
        EXPECT_EQ(from_column[g].name, groups[g].name);
        EXPECT_EQ(from_column[g].examinees, groups[g].examinees);
        EXPECT_EQ(from_column[g].kr20, groups[g].kr20);
        EXPECT_EQ(from_column[g].difficulty, groups[g].difficulty);
        EXPECT_EQ(from_column[g].pbis, groups[g].pbis);
    }
}

TEST(ExamineeGroups, GroupsThatCannotBeComparedAreToldNotDropped) {
    std::string key;
    std::vector<Student> students = generated_class(30, key);
    students[0].group = " ";  // no group
    students[1].group = "Z";  // a group of one
    EditorTexts texts = typed_class(students, key);

    Application app;
    app.set_editor_texts(texts);
    ASSERT_FALSE(app.close_editor(EditorExit::ok).outcome.refused);
    EXPECT_EQ(app.set_dif_groups("R", "F").messages.back(),
              "There are no groups to compare: name the label columns that hold each "
              "examinee's group, or the spreadsheet column, first");
    ASSERT_FALSE(app.set_group_label("1").refused);
    EXPECT_EQ(app.group_names(), (std::vector<std::string>{"F", "R", "Z"}));
    const struct {
        std::string reference, focal, message;
    } refusals[] = {
        {"R", "X", "There is no group \"X\"; the labels name the groups F, R and Z"},
        {"R", "R",
         "The reference and the focal group are both \"R\"; a group cannot be compared with "
         "itself"},
    };
    for (const auto& r : refusals) {
        const Outcome refused = app.set_dif_groups(r.reference, r.focal);
        EXPECT_TRUE(refused.refused);
        EXPECT_EQ(refused.messages.back(), r.message);
    }
    ASSERT_FALSE(app.set_dif_groups("R", "Z").refused);
    const Outcome analysed = app.analyze();
    ASSERT_FALSE(analysed.refused);
    const AnalysisResults& results = app.state().results;
    EXPECT_FALSE(results.dif);
    EXPECT_EQ(results.examinees_without_group, 1);
    ASSERT_EQ(results.groups.size(), 3u);
    EXPECT_EQ(results.groups[2].examinees, 1);
    EXPECT_FALSE(results.groups[2].kr20);
    const std::vector<std::string> expected = {
        "1 examinee has no group in label column 1 and is in no group's summary",
        "Differential item functioning is not computed: group Z has 1 examinee, and each "
        "group needs at least 2"};
    for (const std::string& warning : expected) {
        EXPECT_NE(std::find(analysed.messages.begin(), analysed.messages.end(), warning),
                  analysed.messages.end())
            << warning;
    }
    // With both groups present but small, the classes are computed with a warning.
    ASSERT_FALSE(app.set_dif_groups("R", "F").refused);
    const Outcome small = app.analyze();
    EXPECT_TRUE(app.state().results.dif);
    EXPECT_NE(std::find(small.messages.begin(), small.messages.end(),
                        "The classes of differential item functioning are unstable with fewer "
                        "than 100 examinees in a group: group R has 29, group F 29"),
              small.messages.end());
}

}  // namespace
}  // namespace kor
