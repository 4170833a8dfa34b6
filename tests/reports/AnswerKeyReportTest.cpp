#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "core/analysis/Analysis.h"
#include "core/data/Loader.h"
#include "reports/AnswerKeyReport.h"
#include "support/DataSets.h"

namespace kor {
namespace {

using Lines = std::vector<std::string>;

std::unique_ptr<ProgramState> analysed(const std::string& key, const std::string& options,
                                       const std::string& include) {
    auto state =
        testing::typed({.key = key,
                        .options = options,
                        .include = include,
                        .lines = {std::string(key.size(), 'A'), std::string(key.size(), 'B')}});
    EXPECT_FALSE(close_editor(*state, EditorExit::close_and_analyze).outcome.refused);
    EXPECT_FALSE(run_analysis(*state).refused);
    return state;
}

TEST(AnswerKeyReport, FourOptionTestChartsUpToOptionFour) {
    // Item 6 is excluded and counts in neither chart.
    auto state = analysed("ABCDAB", "444444", "YYYYYN");
    const std::string stars(75, '*');
    const Lines expected = {
        "",
        "",
        stars,
        "Answer Key Analysis",
        stars,
        std::string(34, '='),
        "Bar Chart for Correct Answer Usage",
        std::string(34, '='),
        "",
        "Answer Key  Count  Graph (each @ represents 1 case)",
        "----------  -----  --------------------------------",
        "Option 1/A     2   @@",
        "Option 2/B     1   @",
        "Option 3/C     1   @",
        "Option 4/D     1   @",
        "",
        "",
        std::string(37, '='),
        "Bar Chart for Number of Options Usage",
        std::string(37, '='),
        "",
        "# Options  Count  Graph (each @ represents 1 case)",
        "---------  -----  --------------------------------",
        "2 Options     0   ",
        "3 Options     0   ",
        "4 Options     5   @@@@@",
    };
    EXPECT_EQ(answer_key_lines(*state), expected);
}

TEST(ItemListing, IncludedExcludedKeysAndAllCorrectItems) {
    // Item 2 is keyed 9 (every answer correct); items 24 and 25 are excluded.
    auto state = analysed("A9CDEABCDEABCDEABCDEABCDE", "", std::string(23, 'Y') + "NN");
    const std::string stars(60, '*');
    const Lines expected = {
        "",
        "",
        stars,
        "Item Included, Answer Key, Additional Correct Options",
        stars,
        std::string(15, '='),
        "ITEMS INCLUDED:",
        std::string(15, '='),
        " 1,  2,  3,  4,  5,  6,  7,  8,  9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20",
        "21, 22, 23",
        "",
        std::string(15, '='),
        "ITEMS EXCLUDED:",
        std::string(15, '='),
        "24, 25",
        "",
        std::string(28, '='),
        "CORRECT ANSWERS (Item#-Key):",
        std::string(28, '='),
        "  # 1-1  # 2-9  # 3-3  # 4-4  # 5-5  # 6-1  # 7-2  # 8-3  # 9-4  #10-5",
        "  #11-1  #12-2  #13-3  #14-4  #15-5  #16-1  #17-2  #18-3  #19-4  #20-5",
        "  #21-1  #22-2  #23-3",
        "",
        std::string(28, '='),
        "ALTERNATIVE CORRECT ANSWERS:",
        std::string(28, '='),
        "Item # 2   Correct Answers: ALL",
    };
    EXPECT_EQ(item_listing_lines(*state), expected);
}

TEST(ItemListing, FullLinesAndNothingExcluded) {
    // Exactly 20 included items: one full line and no empty partial line.
    auto state = analysed(std::string(20, 'A'), "", "");
    const Lines lines = item_listing_lines(*state);
    EXPECT_EQ(lines[8],
              " 1,  2,  3,  4,  5,  6,  7,  8,  9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20");
    EXPECT_EQ(lines[9], "");
    EXPECT_EQ(lines[13], "No Items were EXCLUDED from the analysis");
    EXPECT_EQ(lines.size(), 20u);  // two lines of correct answers end the report
    EXPECT_EQ(lines.back(),
              "  #11-1  #12-1  #13-1  #14-1  #15-1  #16-1  #17-1  #18-1  #19-1  #20-1");
}

TEST(ItemListing, AlternativeAnswersAsTypedWithEmptyCellsKeptOpen) {
    auto state = testing::sample_set_1();
    ASSERT_FALSE(close_editor(*state, EditorExit::close_and_analyze).outcome.refused);
    ASSERT_FALSE(run_analysis(*state).refused);
    const Lines lines = item_listing_lines(*state);
    const Lines expected = {
        std::string(28, '='),
        "ALTERNATIVE CORRECT ANSWERS:",
        std::string(28, '='),
        "Item # 1   Correct Answers: 3 1 2 4 " + std::string(10, ' '),
        "Item #16   Correct Answers: 1 2 " + std::string(14, ' '),
    };
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(Lines(lines.end() - 5, lines.end()), expected);
}

}  // namespace
}  // namespace kor
