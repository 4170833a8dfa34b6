// kor analyze with the flags that write files, and kor convert.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "KorCli.h"
#include "core/FileIO.h"

namespace kor {
namespace {

namespace fs = std::filesystem;

using testing::CliRun;
using testing::kor;

const char* const quiz =
    "KOR: Korvath (version 6)\r\nTitle         = Quiz 1\r\nComments      = Unit 3\r\n"
    "# Examinees   = 3\r\n# Items       = 4\r\nMissing Data  = 9\r\nNot reached   = x\r\n"
    "Label Length  = 3\r\nAnswer Key    = ABCD\r\n# Options     = 4444\r\nItem Analyzed = YYNY\r\n"
    "High Group D% = 27\r\nLow Group D%  = 27\r\nPartial Credit= NO\r\nMC Points     = NO\r\n"
    "S01ABCA\r\nS02ABDD\r\nS03BBCD\r\n# Grades      = 0\r\n#Alternatives = 0\r\n#Content Areas= 0\r\n"
    "#Cognitives   = 0\r\n";

class SaveCommand : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("kor_cli_save_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder / "out");
        input = (folder / "quiz.kor").string();
        std::ofstream(input, std::ios::binary) << quiz;
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string at(const std::string& name) const { return (folder / name).string(); }
    static std::string contents(const std::string& path) { return read_file(path, 1 << 20); }

    fs::path folder;
    std::string input;
};

TEST_F(SaveCommand, SaveWritesResultsCompanionsAndInputFileBesideIt) {
    CliRun run = kor({"analyze", input, "--save", at("out/midterm.txt"), "--rpt"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "");
    for (const char* name : {"midterm.txt", "midterm.exm", "midterm.itm", "midterm.opt", "midterm.rpt",
                             "midterm.kor"}) {
        const std::string text = contents(at(std::string("out/") + name));
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << name;
    }
    EXPECT_EQ(contents(at("out/midterm.kor")).rfind("KOR: Korvath (version 6)\r\n", 0), 0u);
}

TEST_F(SaveCommand, FlagsLeaveOutTheFilesTheyName) {
    CliRun run =
        kor({"analyze", input, "--save", at("out/midterm.txt"), "--no-exm", "--no-itm", "--no-opt", "--no-kor"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "out"), fs::directory_iterator{}), 1);
}

TEST_F(SaveCommand, ExportsAndGradeReports) {
    CliRun run = kor({"analyze", input, "--grade-reports", at("out/grades.rpt"), "--item-stats",
                      at("out/stats.txt"), "--01-data", at("out/d01.txt"), "--alt", at("out/q")});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(contents(at("out/d01.txt")),
              "Examinee,Item01,Item02,Item03,Item04\r\nS01,1,1,1,0\r\nS02,1,1,0,1\r\nS03,0,1,1,1\r\n");
    EXPECT_NE(contents(at("out/grades.rpt")).find("Individual Grade Report for: S03\r\n"), std::string::npos);
    EXPECT_EQ(contents(at("out/stats.txt")).rfind("item,correct,", 0), 0u);
    EXPECT_TRUE(fs::exists(at("out/q.alt")));
    EXPECT_FALSE(fs::exists(at("out/q.alx")));
}

TEST_F(SaveCommand, GradesReportPrintsTheViewForm) {
    CliRun run = kor({"analyze", input, "--report", "grades"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out.rfind("Quiz 1\n" + std::string(72, '~') +
                                "\nInstructor List of Scores and Wrong Answers (scroll for student reports)\n",
                            0),
              0u)
        << run.out;
}

TEST_F(SaveCommand, AFolderThatDoesNotExistIsReported) {
    CliRun run = kor({"analyze", input, "--save", at("nowhere/midterm.txt")});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("No such file or directory"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(at("nowhere")));
}

TEST_F(SaveCommand, ConvertWritesAnInputFileOfTheConvertedData) {
    CliRun run = kor({"convert", input, "--to", "right-wrong", "-o", at("out/rw.kor")});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::string rw = contents(at("out/rw.kor"));
    EXPECT_NE(rw.find("Answer Key    = 1111\r\n# Options     = 2222\r\n"), std::string::npos) << rw;
    EXPECT_NE(rw.find("\r\nS011110\r\nS021101\r\nS030111\r\n"), std::string::npos) << rw;
    run = kor({"convert", input, "--to", "numbers", "-o", at("out/n.kor")});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(contents(at("out/n.kor")).find("\r\nS011231\r\n"), std::string::npos);
    run = kor({"convert", input, "--to", "letters", "-o", at("out/n.kor")});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(contents(at("out/n.kor")).find("\r\nS03BBCD\r\n"), std::string::npos);
    // The converted file is an input file the analysis takes.
    CliRun converted = kor({"analyze", at("out/rw.kor")});
    EXPECT_EQ(converted.code, 0) << converted.err;
    EXPECT_NE(converted.out.find("Mean Score"), std::string::npos);
}

}  // namespace
}  // namespace kor
