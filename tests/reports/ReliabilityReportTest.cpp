#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "core/analysis/Analysis.h"
#include "core/analysis/NormalCurve.h"
#include "core/analysis/Reliability.h"
#include "core/data/Loader.h"
#include "reports/AnswerKeyReport.h"
#include "reports/DistributionReport.h"
#include "reports/ReliabilityReport.h"
#include "reports/SpecificationsReport.h"
#include "support/DataSets.h"

namespace kor {
namespace {

using Lines = std::vector<std::string>;

std::unique_ptr<ProgramState> typed(const std::string& key,
                                    const std::vector<std::string>& responses) {
    std::vector<std::string> lines;
    for (const std::string& r : responses) {
        lines.push_back("x" + r);
    }
    // A label, so that a one-item line is not taken as blank.
    return testing::typed({.label_length = 1, .key = key, .lines = lines});
}

void analyse(ProgramState& state) {
    Outcome loaded = load_test_data(state);
    ASSERT_FALSE(loaded.refused) << loaded.messages.back();
    Outcome analysed = run_analysis(state);
    ASSERT_FALSE(analysed.refused) << analysed.messages.back();
}

const std::string stars(75, '*');

TEST(ReliabilityReport, MirrorHalvesWithoutScoreVariance) {
    // Everybody answers exactly one of the two items: the halves correlate
    // -1, the scores do not vary and KR20 is 0.
    auto state = typed("AA", {"AB", "BA", "AB", "BA"});
    analyse(*state);
    Diagnostics warnings;
    const Lines expected = {
        "Split-Half (1st/ 2nd) Reliability = -1.000 (with Spearman-Brown = *****)",
        "Split-Half (Odd/Even) Reliability = -1.000 (with Spearman-Brown = *****)",
        "",
        "Minimum Item Diff.   =  0.500, Maximum Item Diff.   = 0.500",
        "Minimum Disc. Index  =  0.000, Maximum Disc. Index  = 0.000",
        "Minimum Pt. Biserial =  1.000, Maximum Pt. Biserial = 0.000",
        "",
        "Spearman-Brown Prophecy cannot be calculated (KR20 = 0)",
        "",
        stars,
        "Additional Item Analysis",
        stars,
        "",
        "         Scale Mean  Scale SD  KR20     SEM                Adjusted",
        "         if Item     if Item   if Item  if Item  Biserial  Biserial",
        "Item     Deleted     Deleted   Deleted  Deleted  Correl.   Correl. ",
        "-------  ----------  --------  -------  -------  --------  --------",
        "Item 01     0.500      0.500    0.000    0.500     *****     *****",
        "Item 02     0.500      0.500    0.000    0.500     *****     *****",
        std::string(74, '='),
        "+ indicates that KR20 (0.000) improves if the item is removed",
        "",
        "Mean Biserial Correlation = 0.000",
        "Minimum Biserial Corr.    = 1.000",
        "Maximum Biserial Corr.    = 0.000",
        "",
    };
    EXPECT_EQ(reliability_lines(*state, warnings), expected);
    EXPECT_EQ(warnings.texts(), Lines{prophecy_not_computable_message});
}

Lines prophecy_for(double kr20, int k, Diagnostics& warnings) {
    ProgramState state;
    state.results.kr20 = kr20;
    state.data.num_included_items = k;
    return prophecy_lines(state, warnings);
}

TEST(ReliabilityReport, ProphecySaysLongerOnlyAboveOnce) {
    Diagnostics warnings;
    EXPECT_EQ(
        prophecy_for(0.5, 20, warnings),
        (Lines{"To obtain a KR-20 Reliability of .80, the test must be 4.00 times longer,",
               "  for a total of 80 items of similar quality to those in the test now.", "",
               "To obtain a KR-20 Reliability of .90, the test must be 9.00 times longer,",
               "  for a total of 180 items of similar quality to those in the test now.", ""}));
    EXPECT_EQ(
        prophecy_for(0.85, 40, warnings),
        (Lines{"To obtain a KR-20 Reliability of .80, the test must be 0.71 times as long,",
               "  for a total of 28 items of similar quality to those in the test now.", "",
               "To obtain a KR-20 Reliability of .90, the test must be 1.59 times longer,",
               "  for a total of 64 items of similar quality to those in the test now.", ""}));
    // At exactly .80 the factor is a hair below 1 in doubles: "as long".
    EXPECT_EQ(prophecy_for(0.8, 10, warnings)[0],
              "To obtain a KR-20 Reliability of .80, the test must be 1.00 times as long,");
    EXPECT_TRUE(warnings.texts().empty());

    EXPECT_EQ(prophecy_for(-0.2, 10, warnings),
              (Lines{"Spearman-Brown Prophecy cannot be calculated (KR20 < 0)", ""}));
    EXPECT_EQ(warnings.texts(), Lines{prophecy_not_computable_message});
}

// Records placed directly, to check the layout against chosen values.
ProgramState with_items(const std::vector<Item_Record>& records, double kr20) {
    ProgramState state;
    state.data.num_items = static_cast<int>(records.size());
    state.results.kr20 = kr20;
    for (std::size_t p = 0; p < records.size(); ++p) {
        state.results.item_records[p + 1] = records[p];
        state.data.item_include[p + 1] = static_cast<std::uint8_t>(records[p].Include);
    }
    return state;
}

Item_Record record(int number, double disc, double pbis) {
    Item_Record r;
    r.ItemNum = number;
    r.Include = 1;
    r.Diff = 0.5;
    r.Disc = disc;
    r.PtBis = pbis;
    return r;
}

TEST(ReliabilityReport, NegativeMinimumTakesTheSecondBlank) {
    ProgramState state = with_items({record(1, -0.25, 0.3), record(2, 0.5, -0.1)}, 0.5);
    Lines lines = item_extreme_lines(state);
    EXPECT_EQ(lines[1], "Minimum Disc. Index  = -0.250, Maximum Disc. Index  = 0.500");
    EXPECT_EQ(lines[2], "Minimum Pt. Biserial = -0.100, Maximum Pt. Biserial = 0.300");
    // A negative that prints as zero has no sign to make room for.
    state = with_items({record(1, -0.0004, 0.3)}, 0.5);
    EXPECT_EQ(item_extreme_lines(state)[1],
              "Minimum Disc. Index  =  0.000, Maximum Disc. Index  = 0.000");
}

TEST(ReliabilityReport, ItemDeletedRowsInRecordOrder) {
    Item_Record a = record(42, 0.2, 0.3);
    a.MeanIfDeleted = 12.3456;
    a.VarIfDeleted = 4.0;
    a.KR20IfDeleted = 0.75;  // above 0.7: better without the item
    a.SEMIfDeleted = 1.0;
    a.Biserial = 0.5;
    a.AdjPtBis = -0.1;
    a.AdjBiserial = -0.25;
    Item_Record b = record(9, 0.0, not_computable);  // everybody correct
    b.MeanIfDeleted = 9.0;
    b.VarIfDeleted = 2.25;
    b.KR20IfDeleted = 0.7;  // equal is no improvement
    b.SEMIfDeleted = 0.82;
    b.AdjPtBis = not_computable;
    Item_Record excluded = record(3, 0.0, 0.0);
    excluded.Include = 0;
    ProgramState state = with_items({a, excluded, b}, 0.7);
    state.data.item_include[1] = 1;
    state.data.item_include[2] = 1;
    state.data.item_include[3] = 0;

    const Lines lines = additional_item_analysis_lines(state);
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[8], "Item 42    12.346      2.000    0.750+   1.000     0.500    -0.250");
    EXPECT_EQ(lines[9], "Item 09     9.000      1.500    0.700    0.820     *****     *****");
    EXPECT_EQ(lines[10], std::string(74, '='));
    EXPECT_EQ(lines[11], "Items Excluded from Analysis:  3");
    EXPECT_EQ(lines[12], std::string(74, '='));
    EXPECT_EQ(lines[13], "+ indicates that KR20 (0.700) improves if the item is removed");
    EXPECT_EQ(lines[15], "Mean Biserial Correlation = 0.500");  // item 9 has none
}

TEST(ReliabilityReport, TableFollowsTheQuickItemOrder) {
    auto state = testing::sample_set_1();
    state->settings.sort_item_number = false;
    state->settings.sort_item_diff = true;
    analyse(*state);
    const Lines lines = additional_item_analysis_lines(*state);
    std::size_t row = 8;
    ASSERT_EQ(state->results.item_order.size(), static_cast<std::size_t>(state->data.num_items));
    for (const int j : state->results.item_order) {
        const Item_Record& item = state->results.item_records[static_cast<std::size_t>(j)];
        if (item.Include == 0) {
            continue;
        }
        const std::string number = std::to_string(item.ItemNum);
        const std::string label = (item.ItemNum < 10 ? "Item 0" : "Item ") + number;
        ASSERT_LT(row, lines.size());
        EXPECT_EQ(lines[row].substr(0, 7), label) << "row " << row;
        ++row;
    }
    EXPECT_EQ(row, 8u + 47u);
    EXPECT_EQ(lines[row + 1], "Items Excluded from Analysis:  9, 45");
}

TEST(ReliabilityReport, ThreeDigitItemNumbersCloseUpTheLabel) {
    std::vector<std::string> responses = {std::string(100, 'A'),
                                          std::string(50, 'A') + std::string(50, 'B')};
    auto state = typed(std::string(100, 'A'), responses);
    analyse(*state);
    const Lines lines = additional_item_analysis_lines(*state);
    EXPECT_EQ(lines[8 + 8].substr(0, 7), "Item 09");
    EXPECT_EQ(lines[8 + 9].substr(0, 7), "Item 10");
    EXPECT_EQ(lines[8 + 99].substr(0, 7), "Item100");
}

// Every number in these sections is decided, even for degenerate data.
TEST(FullReportSections, NeverPrintNanOrInfinity) {
    std::vector<std::unique_ptr<ProgramState>> states;
    states.push_back(testing::sample_set_1());
    states.push_back(testing::sample_set_2());
    states.push_back(typed("AA", {"AB", "BA", "AB", "BA"}));  // mirror halves
    states.push_back(typed("A", {"A"}));                      // one examinee, one item
    states.push_back(typed("AB", {"BA", "BA", "BA"}));        // nobody correct
    for (auto& state : states) {
        analyse(*state);
        Diagnostics warnings;
        Lines lines = score_distribution_lines(*state, warnings);
        for (const Lines& part : {reliability_lines(*state, warnings), specifications_lines(*state),
                                  answer_key_lines(*state), item_listing_lines(*state)}) {
            lines.insert(lines.end(), part.begin(), part.end());
        }
        for (const std::string& line : lines) {
            EXPECT_EQ(line.find("nan"), std::string::npos) << line;
            EXPECT_EQ(line.find("inf"), std::string::npos) << line;
        }
    }
}

}  // namespace
}  // namespace kor
