#include "KorCli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kor {
namespace {

struct CliRun {
    int code = -1;
    std::string out;
    std::string err;
};

CliRun kor(std::vector<std::string> args) {
    args.insert(args.begin(), "kor");
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.code = run_kor(args, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

class KorCheck : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("kor_cli_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string write(const std::string& name, const std::string& contents) {
        const auto path = folder / name;
        std::ofstream(path, std::ios::binary) << contents;
        return path.string();
    }

    std::filesystem::path folder;
};

const char* const two_examinees =
    "KOR: Korvath (version 6)\r\nTitle         = Quiz 1\r\nComments      = Unit 3\r\n"
    "# Examinees   = 2\r\n# Items       = 4\r\nMissing Data  = 9\r\nNot reached   = x\r\n"
    "Label Length  = 3\r\nAnswer Key    = ABCD\r\n# Options     = 4444\r\nItem Analyzed = YYNY\r\n"
    "High Group D% = 27\r\nLow Group D%  = 27\r\nPartial Credit= NO\r\nMC Points     = NO\r\n"
    "S01ABCA\r\nS02ABDD\r\n# Grades      = 0\r\n#Alternatives = 0\r\n#Content Areas= 0\r\n#Cognitives   = 0\r\n";

TEST_F(KorCheck, ShippedExampleLoads) {
    CliRun run = kor({"check", std::string(KOR_EXAMPLES_DIR) + "/quiz.kor"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out,
              "quiz.kor: 12 examinees, 10 items, 10 included, label length 10, partial credit off, "
              "5 grading categories\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(KorCheck, SummaryCountsIncludedItems) {
    CliRun run = kor({"check", write("quiz1.kor", two_examinees)});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out,
              "quiz1.kor: 2 examinees, 4 items, 3 included, label length 3, partial credit off, no grading "
              "categories\n");
}

TEST_F(KorCheck, DataErrorPrintsTheLoadersMessage) {
    std::string contents = two_examinees;
    contents.replace(contents.find("S02ABDD"), 7, "S02AB");
    CliRun run = kor({"check", write("short.kor", contents)});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "You may have a case that is missing data --- even for missing data you must enter something, "
              "perhaps a period (.) --- Check case #2, S02\n");
}

TEST_F(KorCheck, ForeignFileIsRefused) {
    CliRun run = kor({"check", write("notes.kor", "Dear class,\r\nthe quiz is on Monday.\r\n")});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err.rfind("Sorry, your input file was not created by KOR", 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\r'), std::string::npos);
}

TEST_F(KorCheck, UnreadableFileReportsTheSystemMessage) {
    CliRun run = kor({"check", (folder / "missing.kor").string()});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("No such file or directory"), std::string::npos) << run.err;
    run = kor({"check", folder.string()});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("Is a directory"), std::string::npos) << run.err;
}

TEST(KorUsage, HelpVersionAndWrongUsage) {
    CliRun help = kor({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("check"), std::string::npos);

    CliRun version = kor({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "kor 14.7.4\n");

    EXPECT_EQ(kor({}).code, 2);
    EXPECT_EQ(kor({"check"}).code, 2);
    EXPECT_EQ(kor({"frobnicate"}).code, 2);
    EXPECT_EQ(kor({"check", "a.kor", "b.kor"}).code, 2);
    EXPECT_EQ(kor({"--no-such-flag"}).code, 2);
}

}  // namespace
}  // namespace kor
