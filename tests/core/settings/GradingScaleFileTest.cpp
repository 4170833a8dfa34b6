#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "app/forms/GradeForm.h"
#include "app/forms/GradingScaleFile.h"
#include "core/FileIO.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> five_categories = {"USER=NO", "5",  "A-  =", "91", "B-  =", "81",
                                                  "C-  =",   "71", "D-  =", "61", "F   "};

std::string text_of(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

TEST(ScaleFile, TheFiveCategoryPresetIsWrittenAsItsDialogShowsIt) {
    auto state = std::make_unique<ProgramState>();
    select_grade_preset(*state, 5);
    EXPECT_EQ(scale_file_lines(*state), five_categories);
}

TEST(ScaleFile, ReadWithStoringFillsTheScale) {
    auto state = std::make_unique<ProgramState>();
    Outcome outcome = load_scale_text(*state, text_of(five_categories), true);
    EXPECT_FALSE(outcome.refused);
    const AnalysisSettings& s = state->settings;
    EXPECT_EQ(s.num_grade_cats, 5);
    EXPECT_FALSE(s.grade_user_defined);
    EXPECT_EQ(s.grade_label[1], "A-  ");
    EXPECT_EQ(s.grade_label[5], "F   ");
    EXPECT_EQ(s.grade_min_percent[4], 61.0);
    EXPECT_EQ(s.grade_min_percent_text[4], "61");
    EXPECT_TRUE(s.grade_values_set);
    EXPECT_EQ(scale_file_lines(*state), five_categories);
}

TEST(ScaleFile, ReadWithoutStoringOnlyFillsTheEdits) {
    auto state = std::make_unique<ProgramState>();
    std::vector<std::string> lines = five_categories;
    lines[3] = "95";
    EXPECT_FALSE(load_scale_text(*state, text_of(lines), false).refused);
    EXPECT_EQ(state->grade_form.txt_grade[1], "95");
    EXPECT_EQ(state->settings.grade_min_percent[1], 0.0);
    EXPECT_FALSE(state->settings.grade_values_set);
    EXPECT_FALSE(grade_scale_ok(*state).refused);
    EXPECT_EQ(state->settings.grade_min_percent[1], 95.0);
}

TEST(ScaleFile, UserLineMustMatchInUpperCase) {
    auto state = std::make_unique<ProgramState>();
    EXPECT_FALSE(
        load_scale_text(*state, "USER=yes\r\n2\r\nPass =\r\n70\r\nFail  \r\n", true).refused);
    EXPECT_FALSE(state->settings.grade_user_defined);
    EXPECT_EQ(state->grade_form.scheme, GradeScheme::two);

    EXPECT_FALSE(load_scale_text(*state, "USER=YES\r\n3\r\nTop\r\n80\r\nMid\r\n50\r\nLow\r\n", true)
                     .refused);
    EXPECT_TRUE(state->settings.grade_user_defined);
    EXPECT_EQ(state->settings.num_grade_cats, 3);
    EXPECT_EQ(state->settings.grade_label[2], "Mid");
}

TEST(ScaleFile, MalformedFilesEndTheLoadWithTheConversionError) {
    auto state = std::make_unique<ProgramState>();
    Outcome bad_count = load_scale_text(*state, "USER=NO\r\nfive\r\n", true);
    ASSERT_TRUE(bad_count.refused);
    EXPECT_EQ(bad_count.messages.back(), "'five' is not a valid integer value");

    Outcome bad_minimum =
        load_scale_text(*state, "USER=NO\r\n5\r\nA-  =\r\n91\r\nB-  =\r\nabc\r\n", true);
    ASSERT_TRUE(bad_minimum.refused);
    EXPECT_EQ(bad_minimum.messages.back(), "'abc' is not a valid floating point value");
    EXPECT_EQ(state->settings.grade_min_percent[1], 91.0);  // read before the error: stays

    // A short file reads its missing lines as empty: an empty minimum is no number.
    EXPECT_TRUE(load_scale_text(*state, "USER=NO\r\n5\r\nA-  =\r\n", true).refused);
    EXPECT_FALSE(load_scale_text(*state, "USER=NO\r\n5\r\nA-  =\r\n", false).refused);
}

class ScaleFileOnDisk : public ::testing::Test {
  protected:
    testing::TempFolder folder;
};

TEST_F(ScaleFileOnDisk, SaveOpenAndDeleteTheDefaults) {
    auto state = std::make_unique<ProgramState>();
    select_grade_preset(*state, 12);
    write_scale_file(*state, (folder / default_scale_file).string());

    auto reopened = std::make_unique<ProgramState>();
    EXPECT_FALSE(open_grade_dialog(*reopened, folder.path().string()).refused);
    EXPECT_EQ(reopened->settings.num_grade_cats, 12);
    EXPECT_EQ(reopened->settings.grade_min_percent[11], 61.0);

    delete_saved_defaults(folder.path().string());
    EXPECT_FALSE(fs::exists(folder / default_scale_file));
    delete_saved_defaults(folder.path().string());  // silent when there is none
    auto fresh = std::make_unique<ProgramState>();
    EXPECT_TRUE(open_grade_dialog(*fresh, folder.path().string()).messages.empty());
    EXPECT_EQ(fresh->settings.num_grade_cats, 0);
}

TEST_F(ScaleFileOnDisk, LetterBandsConfirmTheFilesScale) {
    const std::string path = (folder / "term.ini").string();
    write_lines_atomic(path, {"USER=YES", "2", "Good", "65.5", "Poor"});
    auto state = std::make_unique<ProgramState>();
    EXPECT_FALSE(use_grade_letters(*state, path).refused);
    const AnalysisSettings& s = state->settings;
    EXPECT_TRUE(s.band_use_letters);
    EXPECT_FALSE(s.band_use_raw);
    EXPECT_EQ(s.num_grade_cats, 2);
    EXPECT_EQ(s.grade_label[1], "Good");
    EXPECT_EQ(s.grade_label[2], "Poor");
    EXPECT_EQ(s.grade_min_percent[1], 65.5);
    EXPECT_TRUE(s.grade_values_set);
    EXPECT_THROW(load_scale_file(*state, (folder / "none.ini").string(), true), FileError);
}

}  // namespace
}  // namespace kor
