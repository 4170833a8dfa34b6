#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "KorCli.h"
#include "core/FileIO.h"
#include "core/TextUtil.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

using testing::CliRun;
using testing::kor;

std::string crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

bool has_line(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

const std::vector<std::string> version4_file = {"Title         = Old quiz",
                                                "Comments      = Term 2",
                                                "# Examinees   = 2",
                                                "# Items       = 4",
                                                "Missing Data  = 9",
                                                "Not reached   = x",
                                                "Label Length  = 3",
                                                "Answer Key    = ABCD",
                                                "# Options     = 4444",
                                                "Item Analyzed = YYYY",
                                                "High Group D% = 30",
                                                "Low Group D%  = 25",
                                                "S01ABCA",
                                                "S02ABDD",
                                                "# Grades      = 5",
                                                "A-            = 90",
                                                "B-            = 80",
                                                "C-            = 70",
                                                "D-            = 60",
                                                "#Alternatives = 0",
                                                "#Content Areas= 0",
                                                "#Cognitives   = 0"};

const std::vector<std::string> help_sample = {
    "KEY     232134213421", "ID_0001 232123213521", "ID_0002 232134214421", "ID_0003 232135214421",
    "ID_0004 342144213322", "ID_0005 352144212322", "ID_0006 442133222321", "ID_0007 442123222321",
    "ID_0008 332223212321", "ID_0009 232223213421", "ID_0010 342144213322", "ID_0011 352344412322",
    "ID_0012 442133222331"};

class ImportExportTest : public ::testing::Test {
  protected:
    std::vector<std::string> lines_of(const std::string& name) const {
        return split_lines(read_file(folder.file(name), 1u << 20));
    }

    testing::TempFolder folder;
};

// ---------------------------------------------------------------- import

TEST_F(ImportExportTest, OlderInputFileIsSavedInTheCurrentLayout) {
    const std::string old = folder.write("old.kor", crlf(version4_file));
    const CliRun run = kor({"import", old, "--format", "v4", "-o", folder.file("new.kor")});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "new.kor: 2 examinees, 4 items\n");

    const auto lines = lines_of("new.kor");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "KOR: Korvath (version 6)");
    EXPECT_TRUE(has_line(lines, "Partial Credit= NO"));
    EXPECT_TRUE(has_line(lines, "# Grades      = 5"));
    EXPECT_TRUE(has_line(lines, "A-            = 90"));
    EXPECT_TRUE(has_line(lines, "D-            = 60"));
    EXPECT_EQ(kor({"check", folder.file("new.kor")}).code, 0);

    // The same file read as version 3 takes its group lines for data lines.
    const CliRun shifted = kor({"import", old, "--format", "v3", "-o", folder.file("v3.kor")});
    EXPECT_EQ(shifted.code, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.file("v3.kor")));
}

TEST_F(ImportExportTest, ReaderRefusalIsPrintedAndNothingIsWritten) {
    auto lines = version4_file;
    lines.insert(lines.begin() + 12, {"Partial Credit= NO", "MC Points     = 1.5"});
    const std::string old = folder.write("v5.kor", crlf(lines));
    const CliRun run = kor({"import", old, "--format", "v5", "-o", folder.file("new.kor")});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "'1.5' is not a valid integer value (line 14 of the file)\n");
    EXPECT_FALSE(std::filesystem::exists(folder.file("new.kor")));

    const CliRun missing =
        kor({"import", folder.file("absent.kor"), "--format", "v5", "-o", folder.file("new.kor")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_FALSE(missing.err.empty());
}

TEST_F(ImportExportTest, TextWithKeyTakesTheCountsFromTheFileAndTheLabelFromTheFlag) {
    const std::string text = folder.write("sample.txt", crlf(help_sample));
    const CliRun run = kor({"import", text, "--format", "text-with-key", "--label-length", "8",
                            "-o", folder.file("sample.kor")});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto lines = lines_of("sample.kor");
    EXPECT_TRUE(has_line(lines, "Answer Key    = 232134213421"));
    EXPECT_TRUE(has_line(lines, "# Examinees   = 12"));
    EXPECT_TRUE(has_line(lines, "# Items       = 12"));
    // The loader fills what the editor leaves empty.
    EXPECT_TRUE(has_line(lines, "# Options     = 555555555555"));
    EXPECT_TRUE(has_line(lines, "Item Analyzed = YYYYYYYYYYYY"));
    EXPECT_TRUE(has_line(lines, "ID_0012 442133222331"));
    EXPECT_FALSE(has_line(lines, "KEY     232134213421"));
}

TEST_F(ImportExportTest, PlainTextNeedsTheKeyAndCountsFromFlags) {
    std::vector<std::string> data(help_sample.begin() + 1, help_sample.end());
    const std::string text = folder.write("data.txt", crlf(data));

    const CliRun without_key = kor({"import", text, "--format", "text", "--items", "12",
                                    "--label-length", "8", "-o", folder.file("out.kor")});
    EXPECT_EQ(without_key.code, 1);
    EXPECT_EQ(without_key.err.rfind("The ANSWER KEY is shorter than the Number of Items", 0), 0u)
        << without_key.err;
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.kor")));

    const CliRun with_key =
        kor({"import", text, "--format", "text", "--items", "12", "--label-length", "8", "--key",
             "232134213421", "-o", folder.file("out.kor")});
    ASSERT_EQ(with_key.code, 0) << with_key.err;
    EXPECT_EQ(with_key.out, "out.kor: 12 examinees, 12 items\n");

    // A wrong examinee count is the loader's to refuse.
    const CliRun miscounted =
        kor({"import", text, "--format", "text", "--items", "12", "--label-length", "8", "--key",
             "232134213421", "--examinees", "13", "-o", folder.file("bad.kor")});
    EXPECT_EQ(miscounted.code, 1);
    EXPECT_EQ(miscounted.err, "Number of Data Lines less than Number of Examinees\n");
}

TEST_F(ImportExportTest, TestscoreRecordsBecomeAnInputFile) {
    auto record = [](const std::string& label, const std::string& answers) {
        std::string text = label;
        text.resize(43, ' ');
        text += answers;
        text.resize(148, ' ');
        return crlf({text.substr(0, 79) + "1", "CONTINUED " + text.substr(79) + "2"});
    };
    const std::string pasted =
        folder.write("testscore.txt", record("ANSWER KEY", "1234") + record("SMITH", "12*4") +
                                          record("DOE", "4321"));
    const CliRun run = kor(
        {"import", pasted, "--format", "testscore", "--items", "4", "-o", folder.file("ts.kor")});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto lines = lines_of("ts.kor");
    EXPECT_TRUE(has_line(lines, "Label Length  = 43"));
    EXPECT_TRUE(has_line(lines, "Answer Key    = 1234"));
    EXPECT_TRUE(has_line(lines, "# Examinees   = 2"));
    EXPECT_TRUE(has_line(lines, "SMITH" + std::string(38, ' ') + "1294"));

    const CliRun no_items =
        kor({"import", pasted, "--format", "testscore", "-o", folder.file("ts2.kor")});
    EXPECT_EQ(no_items.code, 1);
    EXPECT_EQ(no_items.err, "Number of Items must be an integer\n");
}

TEST_F(ImportExportTest, BoxFlagsBelongToTheTextFormats) {
    const std::string old = folder.write("old.kor", crlf(version4_file));
    const CliRun run =
        kor({"import", old, "--format", "v4", "--items", "4", "-o", folder.file("new.kor")});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(kor({"import", old, "--format", "v9", "-o", folder.file("new.kor")}).code, 2);
}

// ---------------------------------------------------------------- export

const char* const current_file =
    "KOR: Korvath (version 6)\r\nTitle         = Quiz 1\r\nComments      = Unit 3\r\n"
    "# Examinees   = 2\r\n# Items       = 4\r\nMissing Data  = 9\r\nNot reached   = x\r\n"
    "Label Length  = 3\r\nAnswer Key    = ABCD\r\n# Options     = 4444\r\nItem Analyzed = YYNY\r\n"
    "High Group D% = 27\r\nLow Group D%  = 27\r\nPartial Credit= NO\r\nMC Points     = NO\r\n"
    "S01ABCA\r\nS02AB.D\r\n# Grades      = 0\r\n#Alternatives = 0\r\n#Content Areas= 0\r\n"
    "#Cognitives   = 0\r\n";

TEST_F(ImportExportTest, ExportWritesRawCodesDataLinesAndRightWrongCodes) {
    const std::string file = folder.write("quiz.kor", current_file);
    const CliRun run = kor({"export", file, "--raw", folder.file("raw.txt"), "--data-only",
                            folder.file("data.txt"), "--01", folder.file("01.txt")});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(read_file(folder.file("raw.txt"), 1000),
              "Examinee,Item01,Item02,Item03,Item04\r\n"
              "Answer Key          ,1,2,3,4\r\n"
              "S01,1,2,3,1\r\n"
              "S02,1,2,9,4\r\n");
    EXPECT_EQ(read_file(folder.file("data.txt"), 1000), "S01ABCA\r\nS02AB.D\r\n");
    // The data editor's 0/1 layout, with the key line, like the raw export.
    EXPECT_EQ(read_file(folder.file("01.txt"), 1000),
              "Examinee,Item01,Item02,Item03,Item04\r\n"
              "Answer Key          ,1,1,1,1\r\n"
              "S01,1,1,1,0\r\n"
              "S02,1,1,0,1\r\n");
    EXPECT_EQ(run.err, "Wrote " + folder.file("data.txt") + "\nWrote " + folder.file("raw.txt") +
                           "\nWrote " + folder.file("01.txt") + "\n");
}

TEST_F(ImportExportTest, ExportNeedsATargetAndLoadableData) {
    const std::string file = folder.write("quiz.kor", current_file);
    EXPECT_EQ(kor({"export", file}).code, 2);

    std::string broken = current_file;
    broken.replace(broken.find("S02AB.D"), 7, "S02");
    const std::string bad = folder.write("bad.kor", broken);
    const CliRun run = kor({"export", bad, "--raw", folder.file("raw.txt")});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("missing data"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(folder.file("raw.txt")));
}

}  // namespace
}  // namespace kor
