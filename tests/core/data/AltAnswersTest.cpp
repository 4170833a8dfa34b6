#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "core/data/AltAnswers.h"

namespace kor {
namespace {

using Messages = std::vector<std::string>;
using Slots = std::array<std::int32_t, answer_slots>;
using Heading = std::array<std::string, 3>;

const std::string not_between =
    "One of your alternative correct answers is not a value between 1 and the number of options "
    "for that item -- check item #";
const std::string not_valid =
    "One of your alternative correct answers is not valid -- check item #";

ProgramState editor(const std::string& items, const std::string& key, const std::string& options,
                    const std::string& include) {
    ProgramState state;
    state.editor.items = items;
    state.editor.answer_key = key;
    state.editor.options = options;
    state.editor.include = include;
    return state;
}

// Items 2 and 4 take alternatives: item 2 has key "C" and 4 options, item 4
// key "B" and 5 options.
ProgramState four_items() {
    return editor("4", "ACDB", "4445", "YANa");
}

std::string& cell(ProgramState& state, std::size_t row, std::size_t column) {
    return state.alt_table.rows.at(row).cells.at(column);
}

TEST(PrepareAltAnswerTable, BuildsOneRowPerAItemWithHeadingsForItsColumns) {
    ProgramState state = four_items();
    state.data.alt_answer_cells[2][1] = "1";

    Outcome outcome = prepare_alt_answer_table(state);

    EXPECT_TRUE(outcome.accepted());
    EXPECT_TRUE(outcome.messages.empty());
    ASSERT_EQ(state.alt_table.rows.size(), 2u);
    const auto& item2 = state.alt_table.rows[0].cells;
    EXPECT_EQ((std::vector<std::string>{item2[0], item2[1], item2[2], item2[3], item2[4]}),
              (std::vector<std::string>{"2", "4", "3", "1", ""}));
    const auto& item4 = state.alt_table.rows[1].cells;
    EXPECT_EQ((std::vector<std::string>{item4[0], item4[1], item4[2]}),
              (std::vector<std::string>{"4", "5", "2"}));
    EXPECT_EQ(state.data.num_alt_items, 2);

    const AltAnswerTable& table = state.alt_table;
    EXPECT_EQ(table.column_count, 7);
    EXPECT_EQ(table.headings[0], (Heading{"", "Item", "Number"}));
    EXPECT_EQ(table.headings[1], (Heading{"Number", "of", "Options"}));
    EXPECT_EQ(table.headings[2], (Heading{"Correct", "Answer", "in Key"}));
    EXPECT_EQ(table.headings[3], (Heading{"2nd", "Correct", "Answer"}));
    EXPECT_EQ(table.headings[6], (Heading{"5th", "Correct", "Answer"}));
    EXPECT_EQ(table.headings[7], Heading{});

    ProgramState one_option = editor("2", "11", "11", "AA");
    ASSERT_TRUE(prepare_alt_answer_table(one_option).accepted());
    EXPECT_EQ(one_option.alt_table.headings[0], Heading{});
}

TEST(PrepareAltAnswerTable, EmptyIncludeAndOptionsLinesGetTheirDefaultsInTheEditor) {
    ProgramState state = editor("3", "ABC", "", "");
    state.data.num_alt_items = 2;

    Outcome outcome = prepare_alt_answer_table(state);

    EXPECT_EQ(state.editor.include, "YYY");
    EXPECT_EQ(state.editor.options, "555");
    EXPECT_EQ(outcome.messages,
              Messages{"No items were flagged with an 'A' or 'a' in the INCLUDE line"});
    EXPECT_TRUE(state.alt_table.rows.empty());
    EXPECT_EQ(state.data.num_alt_items, 0);
}

TEST(PrepareAltAnswerTable, KeyIsCodedWithTheOptionCountTypedNow) {
    // "T" is option 1 only on a two-option item.
    ProgramState state = editor("2", "TT", "24", "AA");
    ASSERT_TRUE(prepare_alt_answer_table(state).accepted());
    EXPECT_EQ(cell(state, 0, 2), "1");
    EXPECT_EQ(cell(state, 1, 2), "9");
}

TEST(PrepareAltAnswerTable, EditorBoxesAreCheckedInOrder) {
    struct Case {
        ProgramState state;
        const char* message;
        const char* focus;
    };
    Case cases[] = {
        {editor("four", "A", "4", "A"), "Number of Items must be an integer", "txt_items"},
        {editor("101", std::string(101, 'A'), std::string(101, '4'), std::string(101, 'A')),
         "Number of Items must be between 1 and 100", "txt_items"},
        {editor("2", "", "44", "AA"),
         "You must provide answer key before you can indicate items with alternative correct "
         "answers",
         ""},
        // The options are checked before the key: "H" would be refused too.
        {editor("3", "AAH", "4x4", "AAA"),
         "Check Item #2. All # OPTIONS values should be single digit integers between 1 and 8 (you "
         "may want to change the Maximum Number of Options in the Options Menu)",
         "txt_options"},
        {editor("3", "A9H", "444", "AAA"),
         "Check Item #3. All ANSWER KEY values should be single digit integers between 1 and 5 "
         "(you "
         "may want to change the Maximum # Options in the Options Menu)",
         "txt_answer_key"},
        {editor("3", "AB", "444", "AAA"),
         "The ANSWER KEY is shorter than the Number of Items -- check Item #3", "txt_answer_key"},
    };
    cases[4].state.data.max_options = 5;
    for (Case& c : cases) {
        Outcome outcome = prepare_alt_answer_table(c.state);
        EXPECT_TRUE(outcome.refused) << c.message;
        EXPECT_EQ(outcome.messages, Messages{c.message});
        EXPECT_EQ(outcome.focus, c.focus) << c.message;
        EXPECT_TRUE(c.state.alt_table.rows.empty()) << c.message;
    }
}

TEST(PrepareAltAnswerTable, ShortIncludeLineCountsMissingColumnsAsIncluded) {
    ProgramState state = editor("3", "ABC", "444", "A");
    ASSERT_TRUE(prepare_alt_answer_table(state).accepted());
    EXPECT_EQ(state.alt_table.rows.size(), 1u);
    EXPECT_EQ(state.data.item_include[3], 1);
}

TEST(AltAnswersOk, SecondAnswerJoinsTheKeyAndOtherSlotsHoldTheKey) {
    ProgramState state = four_items();
    state.data.include_changed = true;
    ASSERT_TRUE(prepare_alt_answer_table(state).accepted());
    cell(state, 0, 3) = "1";

    EXPECT_TRUE(alt_answers_ok(state).accepted());

    EXPECT_EQ(state.data.item_correct_answers[2], (Slots{3, 1, 3, 3, 3, 3, 3, 3, 3}));
    EXPECT_EQ(state.data.item_correct_answers[4], (Slots{2, 2, 2, 2, 2, 2, 2, 2, 2}));
    EXPECT_EQ(state.data.item_correct_answers[1], (Slots{1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(state.data.alt_answer_cells[2][0], "3");
    EXPECT_EQ(state.data.alt_answer_cells[2][1], "1");
    EXPECT_FALSE(state.data.include_changed);
}

TEST(AltAnswersOk, CellsMustBeOneDigitWithinTheItemsOptions) {
    struct Case {
        std::size_t row;
        std::size_t column;
        const char* text;
        std::string message;
    };
    const Case cases[] = {
        {0, 3, "5", not_between + "2"},  // item 2 has 4 options
        {0, 3, "0", not_between + "2"}, {1, 4, "01", not_valid + "4"},
        {1, 4, " 1", not_valid + "4"},  {1, 4, "x", not_valid + "4"},
        {1, 4, "1.0", not_valid + "4"},
    };
    for (const Case& c : cases) {
        ProgramState state = four_items();
        state.data.include_changed = true;
        ASSERT_TRUE(prepare_alt_answer_table(state).accepted());
        cell(state, c.row, c.column) = c.text;

        Outcome outcome = alt_answers_ok(state);

        EXPECT_EQ(outcome.messages, Messages{c.message}) << c.text;
        EXPECT_TRUE(state.data.include_changed) << c.text;
    }

    // The key column is checked too: an item keyed 9 cannot be confirmed.
    ProgramState all_correct = editor("2", "A?", "44", "YA");
    ASSERT_TRUE(prepare_alt_answer_table(all_correct).accepted());
    EXPECT_EQ(alt_answers_ok(all_correct).messages, Messages{not_between + "2"});
}

TEST(AltAnswersOk, RefusedTableStoresNothing) {
    ProgramState state = four_items();
    ASSERT_TRUE(prepare_alt_answer_table(state).accepted());
    cell(state, 0, 3) = "1";
    ASSERT_TRUE(alt_answers_ok(state).accepted());

    cell(state, 0, 3) = "2";
    cell(state, 1, 3) = "9";
    ASSERT_TRUE(alt_answers_ok(state).refused);

    EXPECT_EQ(state.data.item_correct_answers[2][1], 1);
    EXPECT_EQ(state.data.alt_answer_cells[2][1], "1");
}

TEST(AltAnswersOk, ConfirmedAnswersSurviveAShowingLeftWithCancel) {
    ProgramState state = four_items();
    ASSERT_TRUE(prepare_alt_answer_table(state).accepted());
    cell(state, 0, 3) = "1";
    ASSERT_TRUE(alt_answers_ok(state).accepted());

    ASSERT_TRUE(prepare_alt_answer_table(state).accepted());  // shown again, then cancelled

    EXPECT_EQ(cell(state, 0, 3), "1");
    EXPECT_EQ(state.data.item_correct_answers[2], (Slots{3, 1, 3, 3, 3, 3, 3, 3, 3}));
}

TEST(AltAnswersOk, ClearedAndHiddenAnswersAreRemovedForGood) {
    ProgramState state = four_items();  // five options at most: no column for a 6th answer
    state.data.alt_answer_cells[2][1] = "1";
    state.data.alt_answer_cells[2][7] = "7";
    ASSERT_TRUE(prepare_alt_answer_table(state).accepted());
    EXPECT_EQ(cell(state, 0, 9), "");
    cell(state, 0, 3).clear();

    ASSERT_TRUE(alt_answers_ok(state).accepted());

    EXPECT_EQ(state.data.item_correct_answers[2], (Slots{3, 3, 3, 3, 3, 3, 3, 3, 3}));
    EXPECT_EQ(state.data.alt_answer_cells[2][7], "");
    ASSERT_TRUE(prepare_alt_answer_table(state).accepted());
    EXPECT_EQ(cell(state, 0, 3), "");
}

TEST(AltAnswersOk, RowNamingNoItemIsRefusedWithoutTouchingTheArrays) {
    for (const char* item : {"0", "101", "-3", "x"}) {
        ProgramState state;
        AltAnswerRow row;
        row.cells[0] = item;
        row.cells[1] = "4";
        row.cells[2] = "1";
        state.alt_table.rows.push_back(row);

        EXPECT_EQ(alt_answers_ok(state).messages, Messages{not_valid + item}) << item;
    }
}

}  // namespace
}  // namespace kor
