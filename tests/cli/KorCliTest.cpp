#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "KorCli.h"
#include "core/data/InputFile.h"
#include "support/DataSets.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

using testing::CliRun;
using testing::kor;

class KorCheck : public ::testing::Test {
  protected:
    testing::TempFolder folder;
};

const char* const two_examinees =
    "KOR: Korvath (version 6)\r\nTitle         = Quiz 1\r\nComments      = Unit 3\r\n"
    "# Examinees   = 2\r\n# Items       = 4\r\nMissing Data  = 9\r\nNot reached   = x\r\n"
    "Label Length  = 3\r\nAnswer Key    = ABCD\r\n# Options     = 4444\r\nItem Analyzed = YYNY\r\n"
    "High Group D% = 27\r\nLow Group D%  = 27\r\nPartial Credit= NO\r\nMC Points     = NO\r\n"
    "S01ABCA\r\nS02ABDD\r\n# Grades      = 0\r\n#Alternatives = 0\r\n#Content Areas= "
    "0\r\n#Cognitives   = 0\r\n";

TEST_F(KorCheck, ShippedExampleLoads) {
    CliRun run = kor({"check", std::string(KOR_EXAMPLES_DIR) + "/quiz.kor"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out,
              "quiz.kor: 12 examinees, 10 items, 10 included, label length 10, partial credit off, "
              "5 grading categories\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(KorCheck, SummaryCountsIncludedItems) {
    CliRun run = kor({"check", folder.write("quiz1.kor", two_examinees)});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out,
              "quiz1.kor: 2 examinees, 4 items, 3 included, label length 3, partial credit off, no "
              "grading "
              "categories\n");
}

TEST_F(KorCheck, DataErrorPrintsTheLoadersMessage) {
    std::string contents = two_examinees;
    contents.replace(contents.find("S02ABDD"), 7, "S02AB");
    CliRun run = kor({"check", folder.write("short.kor", contents)});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "You may have a case that is missing data --- even for missing data you must enter "
              "something, "
              "perhaps a period (.) --- Check case #2, S02\n");
}

TEST_F(KorCheck, ForeignFileIsRefused) {
    CliRun run =
        kor({"check", folder.write("notes.kor", "Dear class,\r\nthe quiz is on Monday.\r\n")});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err.rfind("Sorry, your input file was not created by KOR", 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\r'), std::string::npos);
    // The windows' menus are no help on the command line: the last line names kor import.
    const std::string hint =
        "On the command line, kor import FILE --format v3|v4|v5|text|text-with-key|testscore|csv "
        "-o OUT.kor turns older input files, text files and spreadsheet files into input files, "
        "and kor analyze reads a spreadsheet (CSV) file directly; the README and docs/formats.md "
        "describe the formats.\n";
    ASSERT_GE(run.err.size(), hint.size());
    EXPECT_EQ(run.err.substr(run.err.size() - hint.size()), hint);
    // A file that is an input file but holds bad data gets no such line.
    std::string contents = two_examinees;
    contents.replace(contents.find("S02ABDD"), 7, "S02AB");
    EXPECT_EQ(kor({"analyze", folder.write("short.kor", contents)}).err.find("kor import"),
              std::string::npos);
}

TEST_F(KorCheck, UnreadableFileReportsTheSystemMessage) {
    CliRun run = kor({"check", (folder / "missing.kor").string()});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("No such file or directory"), std::string::npos) << run.err;
    run = kor({"check", folder.path().string()});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("Is a directory"), std::string::npos) << run.err;
}

class KorAnalyze : public KorCheck {
  protected:
    std::string sample_file(std::unique_ptr<ProgramState> state, const std::string& name) {
        const std::string path = (folder / name).string();
        write_input_file(*state, path);
        return path;
    }
    nlohmann::json analyse_json(std::vector<std::string> args) {
        args.insert(args.begin(), "analyze");
        args.insert(args.end(), {"--json", "-"});
        CliRun run = kor(args);
        EXPECT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(run.out.find("NaN"), std::string::npos);
        return nlohmann::json::parse(run.out);
    }
};

TEST_F(KorAnalyze, SampleSetOneThroughItsInputFileGivesThePublishedResults) {
    const auto json = analyse_json({sample_file(testing::sample_set_1(), "set1.kor")});
    const auto& test = json["test"];
    EXPECT_EQ(json["data_set"]["examinees"], 23);
    EXPECT_EQ(json["data_set"]["included_items"], 47);
    EXPECT_EQ(json["data_set"]["excluded_items"], nlohmann::json::array({9, 45}));
    EXPECT_EQ(json["settings"]["high_group_percent"], 33.0);
    EXPECT_NEAR(test["mean"].get<double>(), 32.130, 0.0005);
    EXPECT_NEAR(test["kr20"].get<double>(), 0.697, 0.0005);
    EXPECT_NEAR(test["sem"].get<double>(), 2.665, 0.0005);
    EXPECT_EQ(test["high_group_n"], 10);
    EXPECT_EQ(test["low_group_max_score"], 27);
    EXPECT_EQ(json["items"].size(), 49u);
    EXPECT_EQ(json["items"][0]["correct_answers"], nlohmann::json::array({3, 1, 2, 4}));
    EXPECT_FALSE(json["items"][8].contains("difficulty"));  // item 9 is excluded
    EXPECT_EQ(json["items"][1]["options_total"].size(), 8u);
    EXPECT_EQ(json["examinees"].size(), 23u);
    EXPECT_EQ(json["examinees"][0]["id"], 1);
    EXPECT_EQ(json["examinees"][0]["band68"].size(), 2u);
    EXPECT_FALSE(json.contains("test_points"));
}

TEST_F(KorAnalyze, DocumentHasEveryKeyOfItsShape) {
    const auto json = analyse_json({std::string(KOR_EXAMPLES_DIR) + "/quiz.kor"});
    for (const char* key : {"data_set", "settings", "test", "items", "examinees", "warnings"}) {
        EXPECT_TRUE(json.contains(key)) << key;
    }
    for (const char* key :
         {"title", "comments", "examinees", "items", "included_items", "excluded_items",
          "partial_credit", "mc_item_points", "pc_total_points", "total_possible"}) {
        EXPECT_TRUE(json["data_set"].contains(key)) << key;
    }
    for (const char* key :
         {"high_group_percent", "low_group_percent", "sort_examinees", "sort_items", "bands",
          "round_percent", "suggest_problem_items", "criteria", "grading"}) {
        EXPECT_TRUE(json["settings"].contains(key)) << key;
    }
    for (const char* key : {"min",
                            "max",
                            "median",
                            "mean",
                            "variance",
                            "sd",
                            "skewness",
                            "kurtosis",
                            "kr20",
                            "kr21",
                            "sem",
                            "split_half_first_second",
                            "split_half_odd_even",
                            "mean_item_difficulty",
                            "mean_discrimination",
                            "mean_pbis",
                            "mean_adj_pbis",
                            "high_group_n",
                            "high_group_min_score",
                            "low_group_n",
                            "low_group_max_score",
                            "problem_items",
                            "problem_counts",
                            "grade_counts"}) {
        EXPECT_TRUE(json["test"].contains(key)) << key;
    }
    for (const char* key : {"item",
                            "include",
                            "key",
                            "options",
                            "correct_answers",
                            "num_correct",
                            "difficulty",
                            "discrimination",
                            "pbis",
                            "adj_pbis",
                            "biserial",
                            "adj_biserial",
                            "high_correct",
                            "low_correct",
                            "high_prop",
                            "low_prop",
                            "mean_if_correct",
                            "kr20_if_deleted",
                            "mean_if_deleted",
                            "sd_if_deleted",
                            "sem_if_deleted",
                            "problem",
                            "options_total",
                            "options_high",
                            "options_low"}) {
        EXPECT_TRUE(json["items"][0].contains(key)) << key;
    }
    for (const char* key :
         {"id", "label", "score", "percent", "mc", "pc", "points", "points_percent", "grade",
          "half1", "half2", "odds", "evens", "band68", "band95", "band68_percent", "band95_percent",
          "band68_grades", "band95_grades"}) {
        EXPECT_TRUE(json["examinees"][0].contains(key)) << key;
    }
    EXPECT_EQ(json["test"]["grade_counts"].size(), 5u);
    EXPECT_EQ(json["examinees"][0]["label"], "Adams     ");
}

TEST_F(KorAnalyze, ValuesThatCannotBeComputedAreNull) {
    // Everybody has the same score: no correlation can be computed.
    std::string contents = two_examinees;
    contents.replace(contents.find("S01ABCA"), 7, "S01ABCD");
    contents.replace(contents.find("S02ABDD"), 7, "S02ABCD");
    const auto json = analyse_json({folder.write("flat.kor", contents), "--sort-items", "pbis"});
    EXPECT_TRUE(json["items"][0]["pbis"].is_null());
    EXPECT_TRUE(json["items"][0]["adj_pbis"].is_null());
    EXPECT_EQ(json["items"][0]["biserial"], 0.0);
    EXPECT_EQ(json["test"]["kr20"], 0.0);
    EXPECT_EQ(json["settings"]["sort_items"], "pbis");
}

TEST_F(KorAnalyze, SettingsFlagsAreCheckedLikeTheirDialogs) {
    const std::string file = folder.write("quiz1.kor", two_examinees);
    CliRun groups = kor({"analyze", file, "--groups", "60,41"});
    EXPECT_EQ(groups.code, 2);
    EXPECT_EQ(groups.err, "Percentages cannot total more than 100\n");

    CliRun criteria = kor({"analyze", file, "--criteria", "0.95,0.95,0,0,0"});
    EXPECT_EQ(criteria.code, 2);
    EXPECT_EQ(
        criteria.err,
        "Item Difficulty (high) criterion must be greater than Item Difficulty (low) criterion\n");

    EXPECT_EQ(kor({"analyze", file, "--criteria", "0.2,0.9"}).code, 2);
    EXPECT_EQ(kor({"analyze", file, "--sort-items", "alphabet"}).code, 2);

    CliRun warned = kor({"analyze", file, "--groups", "50,31", "--json", "-"});
    EXPECT_EQ(warned.code, 0);
    // Two examinees on four items give no reliability: the prophecy warns too.
    EXPECT_EQ(warned.err,
              "Percentages provided do not provide a very large middle group\n"
              "Spearman-Brown Prophecy cannot be calculated\n");
    EXPECT_EQ(nlohmann::json::parse(warned.out)["settings"]["high_group_percent"], 50.0);

    const auto json =
        analyse_json({file, "--criteria", "0.25,0.9,0.2,0.2,0.2", "--sort-examinees", "score",
                      "--bands", "percent", "--absolute-percentages", "--no-problem-items"});
    EXPECT_EQ(json["settings"]["criteria"]["p_low"], 0.25);
    EXPECT_EQ(json["settings"]["sort_examinees"], "score");
    EXPECT_EQ(json["settings"]["bands"], "percent");
    EXPECT_EQ(json["settings"]["round_percent"], false);
    EXPECT_EQ(json["settings"]["suggest_problem_items"], false);
    EXPECT_EQ(json["test"]["problem_items"], 0);
}

TEST_F(KorAnalyze, NoIncludedItemIsRefused) {
    std::string contents = two_examinees;
    contents.replace(contents.find("Item Analyzed = YYNY"), 20, "Item Analyzed = NNNN");
    CliRun run = kor({"analyze", folder.write("none.kor", contents)});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err,
              "No items are included in the analysis -- mark at least one item Y or A in the "
              "INCLUDE line\n");
}

TEST_F(KorAnalyze, JsonGoesToAFileWhenNamed) {
    const std::string out = (folder / "result.json").string();
    CliRun run = kor({"analyze", folder.write("quiz1.kor", two_examinees), "--json", out});
    EXPECT_EQ(run.code, 0) << run.err;
    std::ifstream in(out);
    EXPECT_EQ(nlohmann::json::parse(in)["data_set"]["items"], 4);
    CliRun bad = kor({"analyze", folder.write("quiz2.kor", two_examinees), "--json",
                      (folder / "no" / "x.json").string()});
    EXPECT_EQ(bad.code, 1);
    EXPECT_NE(bad.err.find("No such file or directory"), std::string::npos);
}

TEST(KorUsage, HelpVersionAndWrongUsage) {
    CliRun help = kor({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("check"), std::string::npos);

    CliRun version = kor({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "kor 14.7.4\n");

    CliRun help_command = kor({"help"});
    EXPECT_EQ(help_command.code, 0);
    EXPECT_EQ(help_command.out, help.out);
    CliRun analyze_help = kor({"help", "analyze"});
    EXPECT_EQ(analyze_help.code, 0);
    EXPECT_EQ(analyze_help.out, kor({"analyze", "--help"}).out);
    EXPECT_EQ(kor({"help", "frobnicate"}).code, 2);

    EXPECT_EQ(kor({}).code, 2);
    EXPECT_EQ(kor({"check"}).code, 2);
    EXPECT_EQ(kor({"frobnicate"}).code, 2);
    EXPECT_EQ(kor({"check", "a.kor", "b.kor"}).code, 2);
    EXPECT_EQ(kor({"--no-such-flag"}).code, 2);
}

// A command run on its own is built without the others; its help, its usage
// errors and a stray command name read as they do with all of them there.
TEST(KorUsage, EachCommandReadsAsWithAllCommands) {
    for (const char* command : {"check", "analyze", "generate", "example", "spearman-brown",
                                "convert", "import", "export"}) {
        const CliRun own = kor({command, "--help"});
        EXPECT_EQ(own.code, 0) << command;
        EXPECT_EQ(own.out, kor({"help", command}).out) << command;
        const CliRun stray = kor({command, "--no-such-flag"});
        EXPECT_EQ(stray.code, 2) << command;
        EXPECT_NE(stray.err.find("Run with --help"), std::string::npos) << command;
    }
    const CliRun other = kor({"check", "a.kor", "analyze"});
    EXPECT_EQ(other.code, 2);
    EXPECT_NE(other.err.find("not expected: analyze"), std::string::npos) << other.err;
}

}  // namespace
}  // namespace kor
