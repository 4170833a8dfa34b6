#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "KorCli.h"
#include "app/ProgramState.h"
#include "core/data/InputFile.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

using testing::CliRun;
using testing::kor;

class KorExample : public ::testing::Test {
  protected:
    static std::string contents(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    testing::TempFolder folder;
};

TEST_F(KorExample, ListNamesEveryExampleWithItsTitle) {
    CliRun run = kor({"example", "--list"});
    EXPECT_EQ(run.code, 0) << run.err;
    std::istringstream lines(run.out);
    std::vector<std::string> listed;
    for (std::string line; std::getline(lines, line);) {
        listed.push_back(line);
    }
    ASSERT_EQ(listed.size(), 10u);
    EXPECT_EQ(listed[0],
              "set1        Sample Data #1: 23, 23.0, 40.0, 33.0, 32.130, 4.839, 23.418, -0.043");
    EXPECT_EQ(listed[4], "rightwrong  Sample True-False Data");
    EXPECT_EQ(listed[9], "rvw         Data for Biserial Example");
}

// The file carries what an input file can: the groups, the grading scale,
// the alternative answers and the table of specifications.
TEST_F(KorExample, SetOneIsWrittenAsAnInputFileThatReadsBack) {
    const std::string file = folder.file("set1.kor");
    CliRun run = kor({"example", "set1", "-o", file});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string text = contents(file);
    EXPECT_EQ(text.rfind("KOR: Korvath (version 6)\r\n", 0), 0u);
    for (const char* line :
         {"High Group D% = 33\r\n", "# Grades      = 5\r\n", "A-            = 82\r\n",
          "#Alternatives = 2\r\n", "Alternatives  = 3 1 2 4 * * * * * \r\n",
          "Content Area 3= Standardized Tests\r\n", "20,0,0\r\n", "49,3,1\r\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }

    run = kor({"check", file});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out,
              "set1.kor: 23 examinees, 49 items, 47 included, label length 22, partial credit off, "
              "5 grading categories\n");
}

TEST_F(KorExample, AnalyzeOpensAnExampleByName) {
    CliRun run = kor({"analyze", "--example", "set1", "--json", "-"});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["data_set"]["examinees"], 23);
    EXPECT_EQ(json["data_set"]["excluded_items"], nlohmann::json::array({9, 45}));
    EXPECT_EQ(json["settings"]["high_group_percent"], 33.0);
    EXPECT_EQ(json["settings"]["sort_items"], "pbis");
    EXPECT_EQ(json["settings"]["bands"], "raw");
    EXPECT_EQ(json["settings"]["grading"]["categories"], 5);
    EXPECT_NEAR(json["test"]["kr20"].get<double>(), 0.697, 0.0005);
    EXPECT_EQ(json["test"]["low_group_max_score"], 27);
    EXPECT_EQ(json["items"][0]["correct_answers"], nlohmann::json::array({3, 1, 2, 4}));
}

TEST_F(KorExample, ExampleFileAndExampleGiveTheSameAnalysis) {
    for (const char* name : {"set3", "qxm", "mixture", "rvw"}) {
        const std::string file = folder.file(std::string(name) + ".kor");
        ASSERT_EQ(kor({"example", name, "-o", file}).code, 0) << name;
        CliRun direct = kor({"analyze", "--example", name, "--json", "-"});
        CliRun through_file = kor({"analyze", file, "--json", "-"});
        ASSERT_EQ(direct.code, 0) << direct.err;
        ASSERT_EQ(through_file.code, 0) << through_file.err;
        auto a = nlohmann::json::parse(direct.out);
        auto b = nlohmann::json::parse(through_file.out);
        EXPECT_EQ(a["test"], b["test"]) << name;
        EXPECT_EQ(a["items"], b["items"]) << name;
    }
}

TEST_F(KorExample, StandardOutputTakesTheFile) {
    CliRun run = kor({"example", "truefalse", "-o", "-"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("Answer Key    = TTTTFTFFFFTFFFFTTFTF\n"), std::string::npos);
    EXPECT_NE(run.out.find("Student 01     TTTTFTFFFFTTFFTTTFTF\n"), std::string::npos);
}

TEST_F(KorExample, UnknownNamesAndMissingArgumentsAreUsageErrors) {
    CliRun run = kor({"example", "set4", "-o", folder.file("x.kor")});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err.rfind("There is no example called \"set4\"\n", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("set1 set2 set3"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.file("x.kor")));

    EXPECT_EQ(kor({"analyze", "--example", "set4"}).code, 2);
    EXPECT_EQ(kor({"example", "set1"}).code, 2);
    EXPECT_EQ(kor({"example"}).code, 2);
}

TEST_F(KorExample, UnwritableFileIsRefused) {
    CliRun run = kor({"example", "set2", "-o", folder.file("no/such/folder/set2.kor")});
    EXPECT_EQ(run.code, 1);
    EXPECT_FALSE(run.err.empty());
}

}  // namespace
}  // namespace kor
