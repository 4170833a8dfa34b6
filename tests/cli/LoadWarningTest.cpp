// Warnings of the loader that do not stop it reach the user of `kor` on
// standard error, and the command still does its work.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CliRun.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

using testing::CliRun;
using testing::kor;

class LoadWarnings : public ::testing::Test {
  protected:
    // A two-examinee file with the given key and data lines.
    std::string write_file(const std::string& key, const std::string& line1,
                           const std::string& line2) {
        const std::string text =
            "KOR: Korvath (version 6)\r\nTitle         = Keys\r\nComments      = \r\n"
            "# Examinees   = 2\r\n# Items       = 4\r\nMissing Data  = 9\r\nNot reached   = x\r\n"
            "Label Length  = 3\r\nAnswer Key    = " +
            key +
            "\r\n# Options     = 4444\r\nItem Analyzed = YYYY\r\n"
            "High Group D% = 27\r\nLow Group D%  = 27\r\nPartial Credit= NO\r\nMC Points     = "
            "NO\r\n" +
            line1 + "\r\n" + line2 + "\r\n# Grades      = 0\r\n";
        return folder.write("keys.kor", text);
    }

    testing::TempFolder folder;
};

const std::string question_mark_warning =
    "Item #2: the ANSWER KEY character '?' is not an option, so every answer to this item counts "
    "as "
    "correct (use 9 to mean this)\n";
const std::string option_five_warning =
    "Item #4: the ANSWER KEY character 'E' is option 5 but the item has only 4 options, so nobody "
    "can answer it "
    "correctly\n";

TEST_F(LoadWarnings, CheckAndAnalyzePrintKeyWarningsAndGoOn) {
    const std::string file = write_file("A?9E", "S01ABCA", "S02ABDD");
    const CliRun check = kor({"check", file});
    EXPECT_EQ(check.code, 0);
    EXPECT_EQ(check.err, question_mark_warning + option_five_warning);
    EXPECT_EQ(check.out.rfind("keys.kor: 2 examinees", 0), 0u) << check.out;

    const CliRun analyze = kor({"analyze", file});
    EXPECT_EQ(analyze.code, 0);
    EXPECT_EQ(analyze.err.rfind(question_mark_warning + option_five_warning, 0), 0u) << analyze.err;
    EXPECT_FALSE(analyze.out.empty());
}

// --strict makes every key warning a refusal: nothing is analysed or written.
TEST_F(LoadWarnings, StrictCheckingRefusesAKeyThatWouldOnlyBeWarnedAbout) {
    const std::string file = write_file("A?9E", "S01ABCA", "S02ABDD");
    const std::string refusal =
        "Nothing was analysed: with strict checking every ANSWER KEY warning is an error\n";
    for (const char* command : {"check", "analyze"}) {
        const CliRun run = kor({command, file, "--strict"});
        EXPECT_EQ(run.code, 1) << command;
        EXPECT_EQ(run.err, question_mark_warning + option_five_warning + refusal) << command;
        EXPECT_EQ(run.out, "") << command;
    }
    const CliRun saved = kor({"analyze", file, "--strict", "--save", folder.file("results.txt")});
    EXPECT_EQ(saved.code, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.file("results.txt")));
    // A key of 9 typed on purpose stays allowed.
    EXPECT_EQ(kor({"analyze", write_file("A99D", "S01ABCA", "S02ABDD"), "--strict"}).code, 0);
}

TEST_F(LoadWarnings, AKeyOfNineAndPlainDataGiveNoWarning) {
    const CliRun check = kor({"check", write_file("A99D", "S01ABCA", "S02ABDD")});
    EXPECT_EQ(check.code, 0);
    EXPECT_EQ(check.err, "");
}

TEST_F(LoadWarnings, ATabInADataLineIsNamedWithItsLine) {
    const CliRun check = kor({"check", write_file("ABCD", "S01ABCA", "S02A\tDD")});
    EXPECT_EQ(check.code, 0);
    EXPECT_EQ(check.err,
              "Data line 2 holds a tab character: a tab counts as one column, not as a separator, "
              "so check "
              "that the responses after it stand under their items\n");
}

}  // namespace
}  // namespace kor
