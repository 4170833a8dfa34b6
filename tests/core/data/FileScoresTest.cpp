// Whole input files through the reader, the loader and the analysis: what a
// user who opens a file and analyses it gets as scores.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "app/forms/InputFileForms.h"
#include "core/analysis/Analysis.h"
#include "core/analysis/Scoring.h"
#include "core/data/InputFile.h"
#include "core/data/Loader.h"

namespace kor {
namespace {

using Lines = std::vector<std::string>;

struct FileParts {
    std::string items;
    std::string key;
    std::string options;
    std::string include;
    Lines data;               // label length 3
    Lines alternatives = {};  // the lines after "#Alternatives = n"
    std::string partial_credit = "NO";
};

std::string file_text(const FileParts& parts) {
    Lines lines = {"KOR: Korvath (version 6)",
                   "Title         = Scores",
                   "Comments      = ",
                   "# Examinees   = " + std::to_string(parts.data.size()),
                   "# Items       = " + parts.items,
                   "Missing Data  = 9",
                   "Not reached   = x",
                   "Label Length  = 3",
                   "Answer Key    = " + parts.key,
                   "# Options     = " + parts.options,
                   "Item Analyzed = " + parts.include,
                   "High Group D% = 27",
                   "Low Group D%  = 27",
                   "Partial Credit= " + parts.partial_credit,
                   "MC Points     = " + std::string(parts.partial_credit == "NO" ? "NO" : "1")};
    lines.insert(lines.end(), parts.data.begin(), parts.data.end());
    lines.push_back("# Grades      = 0");
    lines.push_back("#Alternatives = " + std::to_string(parts.alternatives.size() / 2));
    lines.insert(lines.end(), parts.alternatives.begin(), parts.alternatives.end());
    lines.push_back("#Content Areas= 0");
    lines.push_back("#Cognitives   = 0");
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// Opens the file, closes the editor with "Close && Analyze" and analyses;
// returns the messages of the reading and the scores in data-line order.
struct Analysed {
    Outcome read;
    std::vector<int> scores;
};

Analysed analyse(ProgramState& state, const FileParts& parts) {
    Analysed result;
    result.read = read_input_text(state, file_text(parts));
    const EditorCloseResult closed = close_editor(state, EditorExit::close_and_analyze);
    EXPECT_FALSE(closed.show_editor_again) << closed.outcome.messages.back();
    const Outcome analysed = run_analysis(state);
    EXPECT_TRUE(analysed.accepted());
    for (int i = 1; i <= state.data.num_examinees; ++i) {
        result.scores.push_back(state.results.examinee_records[static_cast<std::size_t>(i)].Score);
    }
    return result;
}

// An "A" item that has no alternatives is scored against its key, not
// against empty slots: the key is right and a typed "0" is wrong.
TEST(FileScores, AnAItemWithoutAlternativesIsScoredAgainstItsKey) {
    ProgramState state;
    const Analysed analysed =
        analyse(state, {"4", "ABCD", "4444", "YYAY", {"S01ABCD", "S02AB0D", "S03BBCD"}});
    EXPECT_TRUE(analysed.read.messages.empty());
    EXPECT_EQ(analysed.scores, (std::vector<int>{4, 3, 3}));
}

// A refused alternative (option 5 on a four-option item) is reported and
// confirms nothing; the item still accepts its key.
TEST(FileScores, ARefusedAlternativeLeavesTheItemScoredAgainstItsKey) {
    ProgramState state;
    const Analysed analysed =
        analyse(state, {"2",
                        "AB",
                        "45",
                        "AY",
                        {"S01AB", "S02BB", "S030B"},
                        {"Item #        = 1", "Alternatives  = 1 5 * * * * * * * "}});
    EXPECT_EQ(
        analysed.read.messages,
        Lines{"One of your alternative correct answers is not a value between 1 and the number "
              "of options for that item -- check item #1"});
    EXPECT_EQ(analysed.scores, (std::vector<int>{2, 1, 1}));
    // The refused cell is kept, so saving the file keeps what the user wrote.
    EXPECT_EQ(state.data.alt_answer_cells[1][1], "5");
}

TEST(FileScores, AConfirmedAlternativeCountsBesideTheKey) {
    ProgramState state;
    const Analysed analysed =
        analyse(state, {"2",
                        "AB",
                        "44",
                        "AY",
                        {"S01AB", "S02DB", "S03CB"},
                        {"Item #        = 1", "Alternatives  = 1 4 * * * * * * * "}});
    EXPECT_TRUE(analysed.read.messages.empty());
    EXPECT_EQ(analysed.scores, (std::vector<int>{2, 2, 1}));
}

// Partial credit is refused for 99 items, and the analysis then runs
// without it: 99 points possible, no extra credit from the last columns.
TEST(FileScores, RefusedPartialCreditIsOff) {
    const std::string key(99, 'A');
    ProgramState state;
    const Analysed analysed = analyse(state, {"99",
                                              key,
                                              std::string(99, '4') + "05",
                                              std::string(99, 'Y'),
                                              {"S01" + key + "05"},
                                              {},
                                              "5"});
    EXPECT_EQ(analysed.read.messages,
              Lines{"Partial Credit can only be given if Number of Items is less than 99."});
    EXPECT_FALSE(state.data.partial_credit_on);
    EXPECT_EQ(state.data.pc_total_points, 0);
    EXPECT_EQ(state.data.pc_points[1], 0);
    EXPECT_EQ(analysed.scores, (std::vector<int>{99}));
    EXPECT_EQ(state.results.examinee_records[1].Percent, 100.0);
    // Saved again, the file says so.
    EXPECT_EQ(input_file_lines(state)[13], "Partial Credit= NO");
}

}  // namespace
}  // namespace kor
