#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "core/data/AltAnswers.h"
#include "core/data/Loader.h"
#include "support/DataSets.h"

namespace kor {
namespace {

// Two examinees, four items, labels of three characters: a data set that loads.
std::unique_ptr<ProgramState> quiz() {
    return testing::typed({.title = "Quiz 1",
                           .comments = "Unit 3",
                           .label_length = 3,
                           .key = "ABCD",
                           .options = "4444",
                           .include = "YYYY",
                           .lines = {"S01ABCA", "S02ABDD"}});
}

void expect_refused(ProgramState& state, const std::string& message, const std::string& focus) {
    Outcome outcome = load_test_data(state);
    ASSERT_TRUE(outcome.refused);
    ASSERT_FALSE(outcome.messages.empty());
    EXPECT_EQ(outcome.messages.back(), message);
    EXPECT_EQ(outcome.focus, focus);
}

TEST(Loader, LoadsAValidDataSet) {
    auto state = quiz();
    Outcome outcome = load_test_data(*state);
    ASSERT_FALSE(outcome.refused) << outcome.messages.front();
    EXPECT_TRUE(outcome.messages.empty());
    const TTestData& d = state->data;
    EXPECT_EQ(d.num_examinees, 2);
    EXPECT_EQ(d.num_items, 4);
    EXPECT_EQ(d.label_length, 3);
    EXPECT_EQ(d.key_digits, "1234");
    EXPECT_EQ(d.item_key[4], 4);
    EXPECT_EQ(d.max_item_options, 4);
    EXPECT_EQ(d.num_included_items, 4);
    EXPECT_EQ(d.responses(1, 4), 1);
    EXPECT_EQ(d.responses(2, 3), 4);
    EXPECT_EQ(state->results.examinee_records[2].Name, "S02");
    EXPECT_EQ(state->results.examinee_records[2].IDnum, 2);
    EXPECT_EQ(state->results.item_records[4].ItemNum, 4);
    for (int slot = 0; slot < answer_slots; ++slot) {
        EXPECT_EQ(d.item_correct_answers[3][static_cast<std::size_t>(slot)], 3);
    }
}

TEST(Loader, CountChecksComeInOrderWithTheirFocus) {
    {
        auto s = quiz();
        s->editor.cases = "two";
        expect_refused(*s, "Number of Examinees must be an integer", "txt_cases");
    }
    {
        auto s = quiz();
        s->editor.cases = "0";
        s->editor.items = "x";  // a later error is not reported
        expect_refused(*s, "Number of Examinees must be between 1 and 9999", "txt_cases");
    }
    {
        auto s = quiz();
        s->editor.cases = "99999999999";
        expect_refused(*s, "Number of Examinees must be between 1 and 9999", "txt_cases");
    }
    {
        auto s = quiz();
        s->editor.items = "4.5";
        expect_refused(*s, "Number of Items must be an integer", "txt_items");
    }
    {
        auto s = quiz();
        s->editor.items = "101";
        expect_refused(*s, "Number of Items must be between 1 and 100", "txt_items");
    }
    {
        auto s = quiz();
        s->editor.label_length = "";
        expect_refused(*s, "Length of Examinee ID Label must be an integer", "txt_label_length");
    }
    {
        auto s = quiz();
        s->editor.label_length = "-1";
        expect_refused(*s, "Length of Examinee ID Label must be positive value",
                       "txt_label_length");
    }
}

TEST(Loader, LabelLengthPlusItemsMayBe105) {
    auto state = quiz();
    state->editor.items = "100";
    state->editor.label_length = "6";
    expect_refused(
        *state,
        "Length of Examinee ID Label plus data must be less than 105 -- maximum label length here "
        "must be < 5",
        "txt_label_length");

    // A huge typed length is refused the same way, without overflowing the sum.
    state->editor.label_length = "99999999999";
    expect_refused(
        *state,
        "Length of Examinee ID Label plus data must be less than 105 -- maximum label length here "
        "must be < 5",
        "txt_label_length");

    state->editor.label_length = "5";
    state->editor.answer_key = std::string(100, 'A');
    state->editor.options = std::string(100, '4');
    state->editor.include = "";
    state->editor.data_lines = {"L0001" + std::string(100, 'A'), "L0002" + std::string(100, 'B')};
    Outcome outcome = load_test_data(*state);
    EXPECT_FALSE(outcome.refused) << outcome.messages.back();
    EXPECT_EQ(state->data.responses(2, 100), 2);
    EXPECT_EQ(state->results.examinee_records[1].Name, "L0001");
}

TEST(Loader, AcceptsNineThousandNineHundredNinetyNineExaminees) {
    auto state = quiz();
    state->editor.cases = "9999";
    state->editor.data_lines.assign(9999, "S01ABCA");
    EXPECT_FALSE(load_test_data(*state).refused);
    EXPECT_EQ(state->data.responses(9999, 1), 1);

    state->editor.cases = "10000";
    state->editor.data_lines.assign(10000, "S01ABCA");
    expect_refused(*state, "Number of Examinees must be between 1 and 9999", "txt_cases");
}

TEST(Loader, EmptyIncludeAndOptionsLinesAreFilledAndWrittenBack) {
    auto state = quiz();
    state->editor.include = "";
    state->editor.options = "";
    EXPECT_FALSE(load_test_data(*state).refused);
    EXPECT_EQ(state->editor.include, "YYYY");
    EXPECT_EQ(state->editor.options, "5555");
    EXPECT_EQ(state->data.max_item_options, 5);
}

TEST(Loader, IncludeCodesAndShortIncludeLine) {
    auto state = quiz();
    state->editor.include = "Y N";  // item 4 missing: counts as blank, included
    EXPECT_FALSE(load_test_data(*state).refused);
    EXPECT_EQ(state->data.item_include[1], 1);
    EXPECT_EQ(state->data.item_include[2], 1);
    EXPECT_EQ(state->data.item_include[3], 0);
    EXPECT_EQ(state->data.item_include[4], 1);
    EXPECT_EQ(state->data.num_included_items, 3);
    EXPECT_EQ(state->editor.include, "Y N");  // not written back
}

TEST(Loader, OptionsMustBeSingleDigitsWithinTheMaximum) {
    const std::string text4 =
        "Check Item #4. All # OPTIONS values should be single digit integers between 1 and 8 (you "
        "may want to "
        "change the Maximum Number of Options in the Options Menu)";
    {
        auto s = quiz();
        s->editor.options = "444x";
        expect_refused(*s, text4, "txt_options");
    }
    {
        auto s = quiz();
        s->editor.options = "444";  // too short: the missing column is not a digit
        expect_refused(*s, text4, "txt_options");
    }
    {
        auto s = quiz();
        s->editor.options = "4440";
        expect_refused(*s, text4, "txt_options");
    }
    {
        // With at most 5 options a 6-option item is refused before its key "F" is looked at.
        auto s = quiz();
        s->data.max_options = 5;
        s->editor.options = "4446";
        s->editor.answer_key = "ABCF";
        expect_refused(*s,
                       "Check Item #4. All # OPTIONS values should be single digit integers "
                       "between 1 and 5 (you "
                       "may want to change the Maximum Number of Options in the Options Menu)",
                       "txt_options");
    }
}

TEST(Loader, KeyIsCodedWithTheItemsOptionCount) {
    auto state = quiz();
    state->editor.options = "2224";
    state->editor.answer_key = "TF0T";
    state->editor.data_lines = {"S01TF01", "S02FT0F"};
    EXPECT_FALSE(load_test_data(*state).refused);
    EXPECT_EQ(state->data.key_digits, "1229");  // "T" on a 4-option item is unrecognised
    EXPECT_EQ(state->data.responses(1, 3), 2);
    EXPECT_EQ(state->data.responses(2, 4), 6);
    EXPECT_EQ(state->data.num_included_items, 4);
}

TEST(Loader, KeyAboveMaximumShowsTwoMessages) {
    auto state = quiz();
    state->data.max_options = 5;
    state->editor.options = "5555";
    state->editor.answer_key = "ABG9";
    Outcome outcome = load_test_data(*state);
    ASSERT_TRUE(outcome.refused);
    ASSERT_EQ(outcome.messages.size(), 2u);
    EXPECT_EQ(outcome.messages[0],
              "All ANSWER KEY values should be single digit integers between 1 and 5 (or the "
              "letter equivalents: "
              "A-E or A-H).  You can change the Maximum # Options to either 5 (default) or 8 in "
              "the Options Menu. "
              "Check Item #3. ");
    EXPECT_EQ(outcome.messages[1],
              "Check Item #3. All ANSWER KEY values should be single digit integers between 1 and "
              "5 (you may "
              "want to change the Maximum # Options in the Options Menu)");
    EXPECT_EQ(outcome.focus, "txt_answer_key");
}

TEST(Loader, KeyNineOrUnrecognisedPassesAndShortKeyIsRefused) {
    auto state = quiz();
    state->editor.answer_key = "9?CD";
    const Outcome outcome = load_test_data(*state);
    EXPECT_FALSE(outcome.refused);
    EXPECT_EQ(state->data.key_digits,
              "99"
              "34");
    // Only the "?" is reported; the "9" means every answer counts, as typed.
    EXPECT_EQ(outcome.messages,
              std::vector<std::string>{
                  "Item #2: the ANSWER KEY character '?' is not an option, so every answer to "
                  "this item counts as correct (use 9 to mean this)"});

    state->editor.answer_key = "AB";
    expect_refused(*state, "The ANSWER KEY is shorter than the Number of Items -- check Item #3",
                   "txt_answer_key");
}

// A key character that is no option and a key beyond the item's options
// both load as coded, with one warning per item that stops nothing.
TEST(Loader, KeyCharactersThatCannotMeanWhatWasTypedAreWarnedAbout) {
    const auto all_correct = [](int item, char c) {
        return "Item #" + std::to_string(item) + ": the ANSWER KEY character '" +
               std::string(1, c) +
               "' is not an option, so every answer to this item counts as correct (use 9 to mean "
               "this)";
    };
    const auto none_correct = [](int item, char c, int key, int options) {
        return "Item #" + std::to_string(item) + ": the ANSWER KEY character '" +
               std::string(1, c) + "' is option " + std::to_string(key) +
               " but the item has only " + std::to_string(options) +
               " options, so nobody can answer it correctly";
    };
    auto state = quiz();
    state->editor.answer_key = " Z-E";
    Outcome outcome = load_test_data(*state);
    ASSERT_FALSE(outcome.refused);
    EXPECT_EQ(outcome.messages,
              (std::vector<std::string>{all_correct(1, ' '), all_correct(2, 'Z'),
                                        all_correct(3, '-'), none_correct(4, 'E', 5, 4)}));
    EXPECT_EQ(state->data.key_digits, "9995");

    // "T" is an option of two-option items only; "H" is option 8 of 8 at most.
    state->editor.options = "2433";
    state->editor.answer_key = "THcd";
    outcome = load_test_data(*state);
    ASSERT_FALSE(outcome.refused);
    EXPECT_EQ(outcome.messages,
              (std::vector<std::string>{none_correct(2, 'H', 8, 4), none_correct(4, 'd', 4, 3)}));
    EXPECT_EQ(state->data.key_digits, "1834");
    state->editor.answer_key = "AT0F";
    outcome = load_test_data(*state);
    EXPECT_EQ(outcome.messages,
              (std::vector<std::string>{all_correct(2, 'T'), none_correct(4, 'F', 6, 3)}));
}

TEST(Loader, ATabInADataLineIsOneColumnAndIsWarnedAbout) {
    auto state = quiz();
    state->editor.data_lines = {"S01ABCA", "S02\tBDD"};
    const Outcome outcome = load_test_data(*state);
    ASSERT_FALSE(outcome.refused);
    EXPECT_EQ(outcome.messages,
              std::vector<std::string>{
                  "Data line 2 holds a tab character: a tab counts as one column, not as a "
                  "separator, so check that the responses after it stand under their items"});
    EXPECT_EQ(state->data.responses(2, 1), 9);
    EXPECT_EQ(state->data.responses(2, 2), 2);

    // The warning comes before the refusal a tab can cause.
    state->editor.data_lines = {"S01ABCA", "S02\tBD"};
    const Outcome short_line = load_test_data(*state);
    ASSERT_TRUE(short_line.refused);
    ASSERT_EQ(short_line.messages.size(), 2u);
    EXPECT_EQ(short_line.messages[0].rfind("Data line 2 holds a tab character", 0), 0u);
}

// Slot 0 is the key of the latest load and a confirmed alternative joins it
// only while the table's cell still shows it.
TEST(Loader, ConfirmedAlternativesJoinTheKeyOfEachLoad) {
    using Slots = std::array<std::int32_t, answer_slots>;
    auto state = quiz();
    state->editor.include = "YYAY";
    ASSERT_FALSE(prepare_alt_answer_table(*state).refused);
    state->alt_table.rows[0].cells[3] = "1";
    ASSERT_FALSE(alt_answers_ok(*state).refused);

    state->editor.answer_key = "ABDD";
    ASSERT_FALSE(load_test_data(*state).refused);
    EXPECT_EQ(state->data.item_correct_answers[3], (Slots{4, 1, 4, 4, 4, 4, 4, 4, 4}));

    // An "A" item turned "Y" accepts only its key; turned back, its alternative again.
    state->editor.include = "YYYY";
    ASSERT_FALSE(load_test_data(*state).refused);
    EXPECT_EQ(state->data.item_correct_answers[3], (Slots{4, 4, 4, 4, 4, 4, 4, 4, 4}));
    state->editor.include = "YYAY";
    ASSERT_FALSE(load_test_data(*state).refused);
    EXPECT_EQ(state->data.item_correct_answers[3][1], 1);

    // Cells cleared without the table's OK (a new example) confirm nothing.
    state->data.alt_answer_cells[3].fill(std::string());
    ASSERT_FALSE(load_test_data(*state).refused);
    EXPECT_EQ(state->data.item_correct_answers[3], (Slots{4, 4, 4, 4, 4, 4, 4, 4, 4}));
}

TEST(Loader, DataLineCountMustMatch) {
    auto state = quiz();
    state->editor.data_lines.push_back("");  // a trailing empty line
    expect_refused(*state,
                   "Number of Data Lines greater than Number of Examinees -- you might also check "
                   "for blank lines "
                   "at the end of the data.",
                   "txt_cases");
    state->editor.data_lines = {"S01ABCA"};
    expect_refused(*state, "Number of Data Lines less than Number of Examinees", "txt_cases");
}

TEST(Loader, BlankAndShortDataLines) {
    auto state = quiz();
    state->editor.data_lines = {" ", "S02ABDD"};
    expect_refused(*state,
                   "You may have a blank line in your data, therefore KOR cannot run --- Check the "
                   "case following "
                   "case #0, ",
                   "MemoData");

    state->editor.data_lines = {"S01ABCA", "S"};
    expect_refused(*state,
                   "You may have a blank line in your data, therefore KOR cannot run --- Check the "
                   "case following "
                   "case #1, S01",
                   "MemoData");

    state->editor.data_lines = {"S01ABCA", "S02ABD"};
    expect_refused(*state,
                   "You may have a case that is missing data --- even for missing data you must "
                   "enter something, "
                   "perhaps a period (.) --- Check case #2, S02",
                   "MemoData");
}

TEST(Loader, FirstOfTwoErrorsIsReported) {
    auto state = quiz();
    state->editor.options = "44x4";
    state->editor.data_lines = {"S01"};
    expect_refused(*state,
                   "Check Item #3. All # OPTIONS values should be single digit integers between 1 "
                   "and 8 (you may "
                   "want to change the Maximum Number of Options in the Options Menu)",
                   "txt_options");
}

TEST(Loader, RightWrongDataAllowAtMostTwoOptions) {
    auto state = quiz();
    state->data.data_are_right_wrong = true;
    state->editor.options = "2223";
    state->editor.answer_key = "1111";
    state->editor.data_lines = {"S011010", "S020101"};
    expect_refused(*state,
                   "For Right-Wrong data, the number of options must be less than or equal to 2 "
                   "(see Item #4, and "
                   "maybe others)",
                   "txt_options");
}

// Partial credit with label length 3 and 4 items: responses end at column 7.
class PartialCreditLines : public ::testing::Test {
  protected:
    void SetUp() override {
        state = quiz();
        state->data.partial_credit_on = true;
        state->editor.cases = "1";
    }
    Outcome load_line(const std::string& line) {
        state->editor.data_lines = {line};
        return load_test_data(*state);
    }
    std::unique_ptr<ProgramState> state;
};

TEST_F(PartialCreditLines, TwoDigitsAfterTheResponsesArePoints) {
    EXPECT_FALSE(load_line("S01ABCD7").refused);
    EXPECT_EQ(state->data.pc_points[1], 7);
    EXPECT_FALSE(load_line("S01ABCD").refused);
    EXPECT_EQ(state->data.pc_points[1], 0);
    EXPECT_FALSE(load_line("S01ABCDx5").refused);
    EXPECT_EQ(state->data.pc_points[1], 5);
    EXPECT_FALSE(load_line("S01ABCD42").refused);
    EXPECT_EQ(state->data.pc_points[1], 42);
    EXPECT_EQ(state->editor.data_lines[0], "S01ABCD42");  // the data window keeps the line as typed
}

TEST_F(PartialCreditLines, ExtraCharactersAreRefused) {
    Outcome outcome = load_line("S01ABCD123");
    ASSERT_TRUE(outcome.refused);
    EXPECT_EQ(outcome.messages.back(),
              "You may have some extra blank spaces after your Partial Credit data (see case # "
              "S01).  Check and "
              "remove blanks, if necessary.");
}

TEST_F(PartialCreditLines, OptionsLineGetsTwoDigitsOfTotalPoints) {
    state->editor.options = "44445";
    EXPECT_FALSE(load_line("S01ABCD").refused);
    EXPECT_EQ(state->editor.options, "444405");
    EXPECT_EQ(state->data.pc_total_points, 5);

    state->editor.options = "4444";
    EXPECT_FALSE(load_line("S01ABCD").refused);
    EXPECT_EQ(state->editor.options, "444400");
    EXPECT_EQ(state->data.pc_total_points, 0);

    state->editor.options = "444412";
    EXPECT_FALSE(load_line("S01ABCD").refused);
    EXPECT_EQ(state->data.pc_total_points, 12);

    state->editor.options = "444412 ";
    Outcome outcome = load_line("S01ABCD");
    EXPECT_FALSE(outcome.refused);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0],
              "You may have some extra blank spaces after your OPTIONS information.  Check and "
              "remove blanks, if "
              "necessary.");
    EXPECT_EQ(state->editor.options, "444412 ");
}

TEST(Loader, WithoutPartialCreditPointsAreZero) {
    auto state = quiz();
    state->editor.data_lines = {"S01ABCA99", "S02ABDD"};
    EXPECT_FALSE(load_test_data(*state).refused);
    EXPECT_EQ(state->data.pc_points[1], 0);
    EXPECT_EQ(state->data.pc_total_points, 0);
}

TEST(Loader, TitleAndCommentsAreCutTo70ButTheEditorKeepsThem) {
    auto state = quiz();
    state->editor.title = std::string(75, 'T');
    state->editor.comments = std::string(71, 'C');
    EXPECT_FALSE(load_test_data(*state).refused);
    EXPECT_EQ(state->data.test_title, std::string(70, 'T'));
    EXPECT_EQ(state->data.test_comments, std::string(70, 'C'));
    EXPECT_EQ(state->editor.title.size(), 75u);
}

TEST(Loader, OriginalKeyIsCapturedUntilTheFirstSuccessfulLoadAndLinesAtIt) {
    auto state = quiz();
    state->editor.answer_key = "DCBA";
    state->editor.cases = "x";
    EXPECT_TRUE(load_test_data(*state).refused);
    EXPECT_EQ(state->data.original_key_text, "DCBA");
    EXPECT_FALSE(state->data.original_lines_saved);

    state->editor.cases = "2";
    state->editor.answer_key = "ABCD";
    EXPECT_FALSE(load_test_data(*state).refused);
    EXPECT_TRUE(state->data.original_lines_saved);
    EXPECT_EQ(state->data.original_key_text, "ABCD");
    EXPECT_EQ(state->data.original_lines[2], "S02ABDD");

    state->editor.answer_key = "1111";
    state->editor.data_lines = {"S011111", "S022222"};
    EXPECT_FALSE(load_test_data(*state).refused);
    EXPECT_EQ(state->data.original_key_text, "ABCD");
    EXPECT_EQ(state->data.original_lines[1], "S01ABCA");
}

TEST(CloseEditor, CloseAndAnalyzeStartsTheAnalysis) {
    auto state = quiz();
    state->editor.include = "YAYY";
    state->editor.answer_key = "AB9D";
    state->data.opened_from_file = true;
    state->data.input_file_path = "/home/teacher/quiz1.kor";
    EditorCloseResult result = close_editor(*state, EditorExit::close_and_analyze);
    EXPECT_FALSE(result.show_editor_again);
    EXPECT_TRUE(result.start_analysis);
    EXPECT_TRUE(result.enable_analyze);
    EXPECT_FALSE(result.enable_view_buttons);
    EXPECT_EQ(result.data_set_box, "quiz1");
    EXPECT_EQ(state->data.data_set_name, "quiz1.kor");
    EXPECT_EQ(state->data.num_alt_items, 1);
    EXPECT_EQ(state->data.num_alt_or_all_correct_items, 2);
    EXPECT_TRUE(state->data.data_loaded);
    EXPECT_TRUE(state->analyze_on_return);
    EXPECT_FALSE(state->data.editor_load_failed);
    EXPECT_EQ(state->data.editor_start_mode, start_nothing);
}

TEST(CloseEditor, OkEnablesViewingButDoesNotAnalyze) {
    auto state = quiz();
    EditorCloseResult result = close_editor(*state, EditorExit::ok);
    EXPECT_FALSE(result.show_editor_again);
    EXPECT_FALSE(result.start_analysis);
    EXPECT_TRUE(result.enable_view_buttons);
    EXPECT_FALSE(state->data.data_loaded);
    EXPECT_EQ(result.data_set_box, "UNSAVED");
}

TEST(CloseEditor, AFailedLoadShowsTheEditorAgain) {
    auto state = quiz();
    state->editor.items = "";
    state->data.editor_start_mode = start_open_file;
    EditorCloseResult result = close_editor(*state, EditorExit::close_and_analyze);
    EXPECT_TRUE(result.show_editor_again);
    EXPECT_FALSE(result.start_analysis);
    EXPECT_TRUE(state->data.editor_load_failed);
    EXPECT_EQ(state->data.editor_start_mode, start_nothing);
    EXPECT_EQ(result.outcome.messages.back(), "Number of Items must be an integer");
}

TEST(CloseEditor, ForgottenAlternativesStopOnceThenPass) {
    const std::string first_two =
        "You may have changed the Include status of an item to A (for an alternative correct "
        "answer) but forgot "
        "to set that alternative.  Click on the Data Editor OPTIONS menu and then click on SET "
        "ALTERNATIVE "
        "CORRECT ANSWERS.";
    auto state = quiz();
    state->editor.include = "YYAY";
    state->data.include_changed = true;
    EditorCloseResult first = close_editor(*state, EditorExit::close_and_analyze);
    EXPECT_TRUE(first.show_editor_again);
    ASSERT_EQ(first.outcome.messages.size(), 1u);
    EXPECT_EQ(first.outcome.messages[0],
              first_two +
                  "\r\n\r\nSome changes, such as changing to N or back to Y, do not require you to "
                  "return to the "
                  "SET ALTERNATIVE CORRECT ANSWERS screen --- just click CLOSE and ANALYZE again.");
    EXPECT_FALSE(state->data.include_changed);

    EditorCloseResult second = close_editor(*state, EditorExit::close_and_analyze);
    EXPECT_FALSE(second.show_editor_again);
    EXPECT_TRUE(second.start_analysis);

    state->data.include_changed = true;
    EditorCloseResult by_ok = close_editor(*state, EditorExit::ok);
    ASSERT_EQ(by_ok.outcome.messages.size(), 1u);
    EXPECT_EQ(by_ok.outcome.messages[0], first_two);

    // While an example fills the editor the check is skipped.
    state->data.include_changed = true;
    state->data.alt_answers_set = true;
    EXPECT_FALSE(close_editor(*state, EditorExit::ok).show_editor_again);
}

}  // namespace
}  // namespace kor
