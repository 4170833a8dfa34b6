#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "core/analysis/Analysis.h"
#include "core/data/Loader.h"
#include "sample/Generator.h"

namespace kor {
namespace {

constexpr std::int64_t m1 = 2147483563;

// 40014^e mod m1 by plain 64-bit arithmetic: an independent reference for
// the first generator, which steps by Schrage's decomposition instead.
std::int32_t first_generator_power(int e) {
    std::int64_t x = 1;
    for (int k = 0; k < e; ++k) {
        x = x * 40014 % m1;
    }
    return static_cast<std::int32_t>(x);
}

// Seed -1 starts the first generator at 1; it runs 8 steps and then 32 more
// into table slots 31 down to 0, so slot j holds 40014^(40 - j) mod m1. By
// hand: 1 -> 40014 -> 1601120196 -> (k = 29833, 40014 * 42752 - 29833 * 12211)
// 1346387765.
TEST(GenUniform, InitialisationFillsTheTableFromTheFirstGenerator) {
    EXPECT_EQ(first_generator_power(3), 1346387765);
    GeneratorState gen;
    gen.gen_idum = -1;
    gen_uniform(gen);
    for (int j = 0; j < gen_table_size; ++j) {
        if (j != 25) {  // the slot the first draw used
            EXPECT_EQ(gen.gen_table[static_cast<std::size_t>(j)], first_generator_power(40 - j))
                << j;
        }
    }
}

// The first draw: gen_iy starts as slot 0 = 1720212868, which picks slot
// trunc(1720212868 / 67108862.3125) = trunc(25.63) = 25 = 612891482. The
// second generator steps from 1 to 40692, so gen_iy = 612891482 - 40692 =
// 612850790 and the deviate is 612850790 / 2147483563 = 0.28538089909...
TEST(GenUniform, FirstDrawAfterSeedingWorkedByHand) {
    EXPECT_EQ(first_generator_power(40), 1720212868);
    EXPECT_EQ(first_generator_power(15), 612891482);
    GeneratorState gen;
    gen.gen_idum = -1;
    const double u = gen_uniform(gen);
    EXPECT_EQ(gen.gen_iy, 612850790);
    EXPECT_EQ(gen.gen_idum2, 40692);
    EXPECT_EQ(gen.gen_idum, first_generator_power(41));
    EXPECT_EQ(gen.gen_table[25], gen.gen_idum);
    EXPECT_DOUBLE_EQ(u, 612850790.0 / 2147483563.0);
}

TEST(GenNormal, TheSpareCostsNoDraw) {
    GeneratorState gen;
    gen.gen_idum = -7;
    gen_normal(gen);
    const std::int32_t after_first = gen.gen_idum;
    ASSERT_TRUE(gen.gen_normal_saved);
    const double spare = gen.gen_normal_spare;
    EXPECT_EQ(gen_normal(gen), spare);
    EXPECT_EQ(gen.gen_idum, after_first);
    EXPECT_FALSE(gen.gen_normal_saved);
}

// ------------------------------------------------------------ the dialog

std::unique_ptr<ProgramState> fixed_dialog() {
    auto state = std::make_unique<ProgramState>();
    state->data.editor_start_mode = start_generate_fixed;
    gen_dialog_start(*state);
    return state;
}

std::unique_ptr<ProgramState> generated(const std::string& cases, const std::string& items,
                                        const std::string& seed,
                                        GenOptionChoice options = GenOptionChoice::mix,
                                        GenDifficulty difficulty = GenDifficulty::medium,
                                        bool letters = false) {
    auto state = fixed_dialog();
    GenForm& form = state->gen_form;
    form.edit_num_cases = cases;
    form.edit_num_items = items;
    form.edit_seed = seed;
    form.options = options;
    form.difficulty = difficulty;
    form.gen_let = letters;
    const Outcome outcome = gen_generate_click(*state);
    EXPECT_TRUE(outcome.accepted()) << (outcome.messages.empty() ? "" : outcome.messages[0]);
    return state;
}

std::string responses_of(const ProgramState& state, std::size_t examinee) {
    return state.editor.data_lines[examinee].substr(std::stoul(state.editor.label_length));
}

double percent_correct(const ProgramState& state) {
    const std::string& key = state.editor.answer_key;
    long right = 0;
    for (std::size_t i = 0; i < state.editor.data_lines.size(); ++i) {
        const std::string answers = responses_of(state, i);
        for (std::size_t j = 0; j < key.size(); ++j) {
            right += answers[j] == key[j] ? 1 : 0;
        }
    }
    return 100.0 * static_cast<double>(right) /
           static_cast<double>(key.size() * state.editor.data_lines.size());
}

bool same_data(const ProgramState& a, const ProgramState& b) {
    return a.editor.answer_key == b.editor.answer_key && a.editor.options == b.editor.options &&
           a.editor.data_lines == b.editor.data_lines;
}

TEST(GenGenerate, FixedGenerateFillsTheEditor) {
    auto state = fixed_dialog();
    ASSERT_TRUE(gen_generate_click(*state).accepted());
    const EditorTexts& editor = state->editor;
    EXPECT_EQ(editor.title, "Generated: Cases=20, Items=30, Seed=1804, Options=mix, Diff=medium");
    EXPECT_EQ(editor.comments, "");
    EXPECT_EQ(editor.cases, "20");
    EXPECT_EQ(editor.items, "30");
    EXPECT_EQ(editor.label_length, "15");
    EXPECT_EQ(editor.missing_data, "9");
    EXPECT_EQ(editor.include, std::string(30, 'Y'));
    // Worked out by a separate implementation of the stream in exact arithmetic.
    EXPECT_EQ(editor.answer_key, "122112323211314111322223225533");
    EXPECT_EQ(editor.options, "352322435424445422325345545533");
    ASSERT_EQ(editor.data_lines.size(), 20u);
    EXPECT_EQ(editor.data_lines[0], "Person_001     122212323224334411223223225533");
    EXPECT_EQ(editor.data_lines[6].substr(0, 15), "Person_007     ");
    EXPECT_EQ(editor.data_lines[19], "Person_020     251212323223335111212225425533");

    EXPECT_EQ(state->data.max_options, 5);
    EXPECT_EQ(state->data.item_correct_answers[2],
              (std::array<std::int32_t, 9>{2, 2, 2, 2, 2, 2, 2, 2, 2}));
    EXPECT_FALSE(state->generator.gen_dialog_again);
    EXPECT_EQ(state->data.editor_start_mode, start_nothing);
}

TEST(GenGenerate, FixedDataSetLoadsAndAnalyses) {
    auto state = fixed_dialog();
    ASSERT_TRUE(gen_generate_click(*state).accepted());
    gen_dialog_finish(*state);
    const double percent = percent_correct(*state);
    const EditorCloseResult closed = close_editor(*state, EditorExit::close_and_analyze);
    ASSERT_FALSE(closed.show_editor_again) << closed.outcome.messages.at(0);
    ASSERT_TRUE(run_analysis(*state).accepted());
    EXPECT_EQ(state->data.num_examinees, 20);
    EXPECT_EQ(state->data.num_items, 30);
    EXPECT_NEAR(state->results.score.mean, percent * 30 / 100, 1e-9);
}

TEST(GenGenerate, SeedsThatMeetTheSameStream) {
    const auto one = generated("50", "20", "1");
    EXPECT_TRUE(same_data(*generated("50", "20", "0"), *one));
    const auto minus_five = generated("50", "20", "-5");
    EXPECT_TRUE(same_data(*generated("50", "20", "5"), *minus_five));
    EXPECT_FALSE(same_data(*one, *minus_five));
    EXPECT_EQ(minus_five->editor.title,
              "Generated: Cases=50, Items=20, Seed=-5, Options=mix, Diff=medium");
    EXPECT_TRUE(same_data(*generated("50", "20", "5"), *generated("50", "20", "5")));
}

TEST(GenGenerate, SeedIsFittedTruncatedAndShown) {
    const auto state = generated("10", "10", "12345678901");
    EXPECT_EQ(state->gen_form.edit_seed, "1234567890");
    EXPECT_NE(state->editor.title.find("Seed=1234567890,"), std::string::npos);
    EXPECT_TRUE(same_data(*state, *generated("10", "10", "1234567890")));
    EXPECT_EQ(generated("10", "10", "99999999999")->gen_form.edit_seed, "999999999");
    EXPECT_EQ(generated("10", "10", "-77.9")->gen_form.edit_seed, "-77");

    // The largest seed starts both generators above their moduli.
    EXPECT_EQ(generated("10", "10", "-2147483647")->gen_form.edit_seed, "-2147483647");

    // The seed is read with the user's decimal separator only.
    auto comma = fixed_dialog();
    comma->decimal_separator = ',';
    comma->gen_form.edit_seed = "5,7";
    EXPECT_TRUE(gen_generate_click(*comma).accepted());
    EXPECT_EQ(comma->gen_form.edit_seed, "5");
    comma->gen_form.edit_seed = "5.7";
    EXPECT_TRUE(gen_generate_click(*comma).refused);
}

TEST(GenGenerate, RefusalsNameTheBoxAndLeaveTheEditorAlone) {
    struct Case {
        const char* cases;
        const char* items;
        const char* seed;
        const char* message;
        const char* focus;
    };
    const Case cases[] = {
        {"10000", "30", "1", "Number of Cases must be between 1 and 9999", "edit_num_cases"},
        {"0", "30", "1", "Number of Cases must be between 1 and 9999", "edit_num_cases"},
        {"2.5", "30", "1", "Number of Cases must be an integer", "edit_num_cases"},
        {"", "30", "1", "Number of Cases must be an integer", "edit_num_cases"},
        {"20", "101", "1", "Number of Items must be between 1 and 100", "edit_num_items"},
        {"20", "ten", "1", "Number of Items must be an integer", "edit_num_items"},
        {"20", "30", "1804a", "Seed must be a numeric value", "edit_seed"},
    };
    for (const Case& c : cases) {
        auto state = fixed_dialog();
        state->editor.title = "mine";
        state->gen_form.edit_num_cases = c.cases;
        state->gen_form.edit_num_items = c.items;
        state->gen_form.edit_seed = c.seed;
        const Outcome outcome = gen_generate_click(*state);
        EXPECT_EQ(outcome.messages, std::vector<std::string>{c.message})
            << c.cases << " " << c.items;
        EXPECT_EQ(outcome.focus, c.focus);
        EXPECT_TRUE(state->generator.gen_dialog_again);
        EXPECT_EQ(state->editor.title, "mine");
        EXPECT_EQ(state->gen_form.edit_seed, c.seed);
    }
}

TEST(GenGenerate, LargestDataSetIsAccepted) {
    const auto state = generated("9999", "100", "3");
    EXPECT_EQ(state->editor.data_lines.size(), 9999u);
    EXPECT_EQ(state->editor.data_lines.back().substr(0, 5), "9999 ");
    EXPECT_EQ(state->editor.data_lines.back().size(), 105u);
    EXPECT_TRUE(state->gen_form.lbl_largen_visible);
}

TEST(GenGenerate, ThousandCasesOfHundredItemsAreNumberedInFiveCharacters) {
    const auto state = generated("1000", "100", "11");
    EXPECT_EQ(state->editor.label_length, "5");
    const auto& lines = state->editor.data_lines;
    ASSERT_EQ(lines.size(), 1000u);
    EXPECT_EQ(lines.front().substr(0, 5), "0001 ");
    EXPECT_EQ(lines[41].substr(0, 5), "0042 ");
    EXPECT_EQ(lines.back().substr(0, 5), "1000 ");
    EXPECT_FALSE(state->gen_form.lbl_largen_visible);  // shown only above 1000
}

TEST(GenLabels, PrefixAndBlanksFollowTheItemCount) {
    struct Row {
        int items;
        const char* few;   // examinee 7 of 999
        const char* many;  // examinee 7 of 1000
    };
    const Row rows[] = {
        {100, "P007 ", "0007 "},
        {99, "P007  ", "P0007 "},
        {98, "P_007  ", "P_0007 "},
        {97, "P_007   ", "P_0007  "},
        {95, "P_007     ", "P_0007    "},
        {94, "Person007  ", "Person0007 "},
        {93, "Person_007  ", "Person_0007 "},
        {91, "Person_007    ", "Person_0007   "},
        {90, "Person_007     ", "Person_0007    "},
        {1, "Person_007     ", "Person_0007    "},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(examinee_label(7, 999, row.items), row.few) << row.items;
        EXPECT_EQ(examinee_label(7, 1000, row.items), row.many) << row.items;
    }
}

TEST(GenGenerate, EveryAnswerIsAnOptionOfItsItem) {
    const auto state = generated("300", "40", "99");
    const std::string& key = state->editor.answer_key;
    const std::string& options = state->editor.options;
    for (std::size_t i = 0; i < 300; ++i) {
        const std::string answers = responses_of(*state, i);
        ASSERT_EQ(answers.size(), 40u);
        for (std::size_t j = 0; j < 40; ++j) {
            EXPECT_GE(answers[j], '1');
            EXPECT_LE(answers[j], options[j]) << "examinee " << i + 1 << " item " << j + 1;
        }
    }
    for (std::size_t j = 0; j < 40; ++j) {
        EXPECT_LE(key[j], options[j]);
    }
}

TEST(GenGenerate, WithTwoOptionsEveryWrongAnswerIsTheOtherOption) {
    const auto state = generated("200", "25", "8", GenOptionChoice::two, GenDifficulty::hardest);
    EXPECT_EQ(state->editor.options, std::string(25, '2'));
    const std::string& key = state->editor.answer_key;
    int wrong = 0;
    for (std::size_t i = 0; i < 200; ++i) {
        const std::string answers = responses_of(*state, i);
        for (std::size_t j = 0; j < key.size(); ++j) {
            if (answers[j] != key[j]) {
                ++wrong;
                EXPECT_EQ(answers[j], key[j] == '1' ? '2' : '1');
            }
        }
    }
    EXPECT_GT(wrong, 1000);
}

TEST(GenGenerate, LettersChangeOnlyTheCoding) {
    const auto numbers = generated("40", "30", "321", GenOptionChoice::five);
    const auto letters =
        generated("40", "30", "321", GenOptionChoice::five, GenDifficulty::medium, true);
    const auto as_letters = [](std::string text, std::size_t from) {
        for (std::size_t k = from; k < text.size(); ++k) {
            text[k] = static_cast<char>(text[k] - '1' + 'A');
        }
        return text;
    };
    EXPECT_EQ(letters->editor.answer_key, as_letters(numbers->editor.answer_key, 0));
    EXPECT_EQ(letters->editor.options, numbers->editor.options);
    ASSERT_EQ(letters->editor.data_lines.size(), 40u);
    for (std::size_t i = 0; i < 40; ++i) {
        EXPECT_EQ(letters->editor.data_lines[i], as_letters(numbers->editor.data_lines[i], 15));
    }
    EXPECT_EQ(letters->editor.title, numbers->editor.title);
}

// The difficulty buttons promise a mean score near 95% .. 40%; item
// difficulties vary from seed to seed, so the bands are a few points wide.
TEST(GenShape, MeanScoresFollowTheChosenDifficulty) {
    const double medium = percent_correct(*generated("2000", "50", "1804"));
    EXPECT_NEAR(medium, 68.0, 5.0);
    const double easiest = percent_correct(
        *generated("2000", "50", "1804", GenOptionChoice::mix, GenDifficulty::easiest));
    EXPECT_NEAR(easiest, 95.0, 3.0);
    const double hardest = percent_correct(
        *generated("2000", "50", "1804", GenOptionChoice::mix, GenDifficulty::hardest));
    EXPECT_NEAR(hardest, 38.0, 5.0);
    EXPECT_GT(easiest, medium + 20);
    EXPECT_GT(medium, hardest + 20);
}

// ------------------------------------------------------- opening the dialog

TEST(GenDialog, HiddenGenerateStartsFromFixedValues) {
    auto state = std::make_unique<ProgramState>();
    GenForm& form = state->gen_form;
    form.edit_num_cases = "7";
    form.edit_seed = "1";
    form.options = GenOptionChoice::three;
    form.difficulty = GenDifficulty::hard;
    form.lbl_largen_visible = true;
    state->data.editor_start_mode = start_generate_fixed;
    gen_dialog_start(*state);
    EXPECT_EQ(form.edit_num_cases, "20");
    EXPECT_EQ(form.edit_num_items, "30");
    EXPECT_EQ(form.edit_seed, "1804");
    EXPECT_EQ(form.options, GenOptionChoice::mix);
    EXPECT_EQ(form.difficulty, GenDifficulty::medium);
    EXPECT_FALSE(form.lbl_largen_visible);
    EXPECT_FALSE(state->generator.generator_first_call);
    EXPECT_TRUE(state->generator.gen_dialog_again);
}

TEST(GenDialog, SuggestedSeedsComeFromTheClockSeededSource) {
    const auto clock = [] { return std::uint64_t{1700000000123}; };
    auto state = std::make_unique<ProgramState>();
    state->gen_form.suggestions.clock = clock;
    state->data.editor_start_mode = start_generate;
    gen_dialog_start(*state);
    SeedSuggestions twin;
    twin.clock = clock;
    const int first = twin.next();
    EXPECT_GE(first, 0);
    EXPECT_LE(first, 999999);
    EXPECT_EQ(state->gen_form.edit_seed, std::to_string(first));
    EXPECT_EQ(state->generator.generator_seed_drawn, first);
    EXPECT_EQ(state->gen_form.edit_num_cases, "20");

    // Later calls keep what the dialog showed unless asked for a new seed.
    state->gen_form.edit_num_cases = "55";
    gen_dialog_start(*state);
    EXPECT_EQ(state->gen_form.edit_seed, std::to_string(first));
    EXPECT_EQ(state->gen_form.edit_num_cases, "55");
    state->settings.change_seed_each_call = true;
    gen_dialog_start(*state);
    EXPECT_EQ(state->gen_form.edit_seed, std::to_string(twin.next()));
    EXPECT_EQ(state->gen_form.edit_num_cases, "55");
    gen_new_seed_click(*state);
    EXPECT_EQ(state->gen_form.edit_seed, std::to_string(twin.next()));
}

TEST(GenDialog, CancelAndFinishLeaveTheEditorIdle) {
    auto state = std::make_unique<ProgramState>();
    state->data.editor_start_mode = start_generate;
    state->editor.items = "12";
    state->data.num_content_areas = 3;
    gen_dialog_start(*state);
    gen_cancel_click(*state);
    EXPECT_FALSE(state->generator.gen_dialog_again);
    EXPECT_EQ(state->data.editor_start_mode, start_nothing);
    EXPECT_EQ(state->editor.title, "");
    gen_dialog_finish(*state);
    EXPECT_EQ(state->data.num_content_areas, 0);
    EXPECT_EQ(state->tos_form.item_cells.size(), 13u);
}

}  // namespace
}  // namespace kor
