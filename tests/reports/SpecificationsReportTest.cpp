#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "core/analysis/Analysis.h"
#include "core/data/Loader.h"
#include "reports/SpecificationsReport.h"
#include "support/DataSets.h"

namespace kor {
namespace {

using Lines = std::vector<std::string>;

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}

TEST(CutNearCommas, TakesACommaAtTheNextOrNextButOnePlace) {
    const std::string short_list = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,1617";  // 40 characters
    EXPECT_EQ(cut_near_commas(short_list, 38, 40), Lines{short_list});

    // Items 1 to 25: character 39 is the comma after 16.
    std::string list;
    for (int i = 1; i <= 25; ++i) {
        list += (i > 1 ? "," : "") + std::to_string(i);
    }
    ASSERT_EQ(list.size(), 65u);
    EXPECT_EQ(cut_near_commas(list, 38, 40),
              (Lines{"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,", "17,18,19,20,21,22,23,24,25"}));

    // A comma at character 40 joins too; with none near, the cut falls
    // inside a number.
    EXPECT_EQ(cut_near_commas(std::string(39, '1') + ",2,3", 38, 40),
              (Lines{std::string(39, '1') + ",", "2,3"}));
    EXPECT_EQ(cut_near_commas(std::string(100, '7'), 38, 40),
              (Lines{std::string(38, '7'), std::string(40, '7'), std::string(22, '7')}));
    EXPECT_EQ(cut_near_commas(std::string(100, '7'), 78, 20),
              (Lines{std::string(78, '7'), std::string(22, '7')}));
}

// 25 included items that three of four examinees answer correctly
// (difficulty 0.75) and an excluded item 26.
std::unique_ptr<ProgramState> analysed_test() {
    auto state = testing::typed({.key = std::string(26, 'A'),
                                 .include = std::string(25, 'Y') + "N",
                                 .lines = {std::string(26, 'A'), std::string(26, 'A'),
                                           std::string(26, 'A'), std::string(26, 'B')}});
    EXPECT_FALSE(load_test_data(*state).refused);
    EXPECT_FALSE(run_analysis(*state).refused);
    return state;
}

void assign(ProgramState& state, int area, int level, int first, int last) {
    for (int j = first; j <= last; ++j) {
        state.data.item_tos[static_cast<std::size_t>(j)] = {area, level};
    }
}

TEST(SpecificationsReport, NothingWithoutAreasOrLevels) {
    auto state = analysed_test();
    EXPECT_TRUE(specifications_lines(*state).empty());
}

TEST(SpecificationsReport, AreasLevelsAndPairsWithLongListsCut) {
    auto state = analysed_test();
    TTestData& data = state->data;
    data.num_content_areas = 2;
    data.content_area_names[1] = "Arithmetic and number sense";  // cut to 20 characters
    data.content_area_names[2] = "Geometry";
    data.num_cognitive_levels = 2;
    data.cognitive_level_names[1] = "Recall";
    data.cognitive_level_names[2] = "Application";
    assign(*state, 1, 1, 1, 25);
    assign(*state, 2, 2, 26, 26);  // excluded: counts nowhere

    const std::string stars(75, '*');
    const std::string first_piece = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,";
    const std::string rest = "17,18,19,20,21,22,23,24,25";
    const std::string pair_start = "Arithmetic and numbe  Recall" + blanks(14) + "  0.750  ";
    const Lines expected = {
        stars,
        "Table of Specifications Analysis",
        stars,
        std::string(22, '='),
        "CONTENT AREA ANALYSIS:",
        std::string(22, '='),
        "                       Average                           ",
        "Content Area           Difficulty   Items in Content Area",
        "--------------------   ----------   ------------------------------",
        "1. Arithmetic and numbe" + blanks(3) + "0.750" + blanks(8) + first_piece,
        blanks(36) + rest,
        "2. Geometry" + blanks(28) + "No items specified for this area",
        "",
        std::string(31, '='),
        "COGNITIVE SKILL LEVEL ANALYSIS:",
        std::string(31, '='),
        "                       Average                              ",
        "Cognitive Level        Difficulty   Items in Cognitive Level",
        "--------------------   ----------   -----------------------------",
        "1. Recall" + blanks(17) + "0.750" + blanks(8) + first_piece,
        blanks(36) + rest,
        "2. Application" + blanks(25) + "No items specified for this area",
        "",
        "",
        std::string(40, '='),
        "CONTENT AND COGNITIVE COMBINED ANALYSIS:",
        std::string(40, '='),
        "                                            Avg.                       ",
        "Content Area          Cognitive Level       Diff.  Items               ",
        "--------------------  --------------------  -----  --------------------",
        pair_start + "1,2,3,4,5,6,7,8,9,10,11,12,",  // 78 characters
        blanks(51) + "13,14,15,16,17,18,19,",
        blanks(51) + "20,21,22,23,24,25",
        "Arithmetic and numbe  Application" + blanks(9) + "         <no items specified>",
        "Geometry" + blanks(14) + "Recall" + blanks(14) + "         <no items specified>",
        "Geometry" + blanks(14) + "Application" + blanks(9) + "         <no items specified>",
    };
    const Lines lines = specifications_lines(*state);
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(lines[30].size(), 78u);
}

TEST(SpecificationsReport, LevelsAloneHaveNoCombinedAnalysis) {
    auto state = analysed_test();
    state->data.num_cognitive_levels = 1;
    state->data.cognitive_level_names[1] = "Recall";
    assign(*state, 0, 1, 1, 3);
    const Lines lines = specifications_lines(*state);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[3], std::string(31, '='));
    EXPECT_EQ(lines[9], "1. Recall" + blanks(17) + "0.750" + blanks(8) + "1,2,3");
    EXPECT_EQ(lines[10], "");
}

}  // namespace
}  // namespace kor
