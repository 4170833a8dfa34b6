// kor analyze with the flags that write files, and kor convert.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "KorCli.h"
#include "core/FileIO.h"
#include "support/TempFolder.h"

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
    "S01ABCA\r\nS02ABDD\r\nS03BBCD\r\n# Grades      = 0\r\n#Alternatives = 0\r\n#Content Areas= "
    "0\r\n"
    "#Cognitives   = 0\r\n";

// Three examinees are too few for the prophecy; every analysis of the quiz warns so first.
const std::string prophecy_warning = "Spearman-Brown Prophecy cannot be calculated\n";

class SaveCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(folder / "out");
        input = (folder / "quiz.kor").string();
        std::ofstream(input, std::ios::binary) << quiz;
    }
    std::string at(const std::string& name) const { return folder.file(name); }
    static std::string contents(const std::string& path) { return read_file(path, 1 << 20); }

    // Every file below the folder with its bytes, to prove a refusal changed nothing.
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(folder.path())) {
            files[entry.path().string()] =
                entry.is_regular_file() ? contents(entry.path().string()) : "(folder)";
        }
        return files;
    }

    // Runs kor and expects a refusal that names `message` and leaves every file as it was.
    void expect_refused_unchanged(const std::vector<std::string>& args,
                                  const std::string& message) {
        const auto before = snapshot();
        const CliRun run = kor(args);
        EXPECT_EQ(run.code, 1) << run.err;
        EXPECT_EQ(run.err, message + "\n");
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(snapshot(), before);
    }

    testing::TempFolder folder;
    std::string input;
};

TEST_F(SaveCommand, SaveWritesResultsCompanionsAndInputFileBesideIt) {
    CliRun run = kor({"analyze", input, "--save", at("out/midterm.txt"), "--rpt"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "");
    std::string listed;
    for (const char* name : {"txt", "exm", "itm", "opt", "rpt", "kor"}) {
        listed += "Wrote " + at(std::string("out/midterm.") + name) + "\n";
    }
    EXPECT_EQ(run.err, prophecy_warning + listed);
    for (const char* name : {"midterm.txt", "midterm.exm", "midterm.itm", "midterm.opt",
                             "midterm.rpt", "midterm.kor"}) {
        const std::string text = contents(at(std::string("out/") + name));
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << name;
    }
    EXPECT_EQ(contents(at("out/midterm.kor")).rfind("KOR: Korvath (version 6)\r\n", 0), 0u);
}

TEST_F(SaveCommand, FlagsLeaveOutTheFilesTheyName) {
    CliRun run = kor({"analyze", input, "--save", at("out/midterm.txt"), "--no-exm", "--no-itm",
                      "--no-opt", "--no-kor"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "out"), fs::directory_iterator{}), 1);
}

TEST_F(SaveCommand, ExportsAndGradeReports) {
    CliRun run = kor({"analyze", input, "--grade-reports", at("out/grades.rpt"), "--item-stats",
                      at("out/stats.txt"), "--01-data", at("out/d01.txt"), "--alt", at("out/q")});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, prophecy_warning + "Wrote " + at("out/grades.rpt") + "\nWrote " +
                           at("out/stats.txt") + "\nWrote " + at("out/d01.txt") + "\nWrote " +
                           at("out/q.alt") + "\n");
    EXPECT_EQ(
        contents(at("out/d01.txt")),
        "Examinee,Item01,Item02,Item03,Item04\r\nS01,1,1,1,0\r\nS02,1,1,0,1\r\nS03,0,1,1,1\r\n");
    EXPECT_NE(contents(at("out/grades.rpt")).find("Individual Grade Report for: S03\r\n"),
              std::string::npos);
    EXPECT_EQ(contents(at("out/stats.txt")).rfind("item,correct,", 0), 0u);
    EXPECT_TRUE(fs::exists(at("out/q.alt")));
    EXPECT_FALSE(fs::exists(at("out/q.alx")));
}

TEST_F(SaveCommand, GradesReportPrintsTheViewForm) {
    CliRun run = kor({"analyze", input, "--report", "grades"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(
        run.out.rfind(
            "Quiz 1\n" + std::string(72, '~') +
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
    EXPECT_EQ(run.err, "Wrote " + at("out/rw.kor") + "\n");
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

// ------------------------------------------------- files that must not be replaced

TEST_F(SaveCommand, ResultsNeverReplaceTheInputFile) {
    const std::string dotted = at("out/../quiz.kor");
    expect_refused_unchanged({"analyze", input, "--save", dotted},
                             "Nothing was written: \"" + dotted +
                                 "\" is the file the data were read from, \"" + input + "\".");
    // Every other file flag is checked the same way, through a link too.
    fs::create_symlink(input, folder / "alias.kor");
    expect_refused_unchanged(
        {"analyze", input, "--item-stats", at("out/s.txt"), "--json", at("alias.kor")},
        "Nothing was written: \"" + at("alias.kor") + "\" is the file the data were read from, \"" +
            input + "\".");
    fs::create_hard_link(input, folder / "hard.kor");
    expect_refused_unchanged({"analyze", input, "--grade-reports", at("hard.kor")},
                             "Nothing was written: \"" + at("hard.kor") +
                                 "\" is the file the data were read from, \"" + input + "\".");
}

TEST_F(SaveCommand, TwoFilesOfOneRunMayNotShareAName) {
    expect_refused_unchanged(
        {"analyze", input, "--save", at("out/r.txt"), "--item-stats", at("out/./r.exm")},
        "Nothing was written: \"" + at("out/r.exm") + "\" and \"" + at("out/./r.exm") +
            "\" name the same file.");
    // The results file and the input file saved beside it.
    expect_refused_unchanged({"analyze", input, "--save", at("out/marks.kor")},
                             "Nothing was written: \"" + at("out/marks.kor") + "\" and \"" +
                                 at("out/marks.kor") + "\" name the same file.");
    expect_refused_unchanged(
        {"analyze", input, "--item-stats", at("out/q.alx"), "--alt", at("out/q")},
        "Nothing was written: \"" + at("out/q.alx") + "\" and \"" + at("out/q.alx") +
            "\" name the same file.");
    expect_refused_unchanged(
        {"analyze", input, "--json", at("out/a.txt"), "--01-data", at("out/a.txt")},
        "Nothing was written: \"" + at("out/a.txt") + "\" and \"" + at("out/a.txt") +
            "\" name the same file.");
    // Leaving the input file out removes the clash.
    const CliRun run = kor({"analyze", input, "--save", at("out/marks.kor"), "--no-kor"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(contents(at("out/marks.kor")).rfind("For best results,", 0), 0u);
}

TEST_F(SaveCommand, AFolderAmongTheTargetsRefusesEverything) {
    fs::create_directory(folder / "out" / "r.itm");
    expect_refused_unchanged(
        {"analyze", input, "--save", at("out/r.txt")},
        "Nothing was written: cannot write \"" + at("out/r.itm") + "\": Is a directory");
}

TEST_F(SaveCommand, AnUnrelatedInputFileBesideTheResultsIsKept) {
    const std::string other = "KOR: Korvath (version 6)\r\nTitle         = Another test\r\n";
    std::ofstream(at("out/quiz.kor"), std::ios::binary) << other;
    const CliRun run = kor({"analyze", input, "--save", at("out/quiz.txt")});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(contents(at("out/quiz.kor")), other);
    EXPECT_NE(run.err.find("Wrote " + at("out/quiz.opt") + "\nThe existing file \"" +
                           at("out/quiz.kor") + "\" was kept: "),
              std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find("Wrote " + at("out/quiz.kor")), std::string::npos);

    // Results saved beside the data's own file rewrite it: it holds these very data.
    const std::string before = contents(input);
    const CliRun beside = kor({"analyze", input, "--save", at("quiz.txt")});
    EXPECT_EQ(beside.code, 0) << beside.err;
    EXPECT_NE(beside.err.find("Wrote " + at("quiz.kor") + "\n"), std::string::npos) << beside.err;
    EXPECT_EQ(contents(input), before);
}

TEST_F(SaveCommand, JsonOntoADeviceWritesIntoItAndLeavesItADevice) {
    const fs::path device = folder / "sink";
    if (::mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
        GTEST_SKIP() << "making a device node is not permitted here";
    }
    const CliRun run =
        kor({"analyze", input, "--json", device.string(), "--item-stats", device.string()});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(fs::is_character_file(device));
    EXPECT_EQ(run.err,
              prophecy_warning + "Wrote " + device.string() + "\nWrote " + device.string() + "\n");
}

TEST_F(SaveCommand, ExportConvertAndImportNeverReplaceTheirInput) {
    const std::string dotted = at("out/../quiz.kor");
    const std::string message = "Nothing was written: \"" + dotted +
                                "\" is the file the data were read from, \"" + input + "\".";
    expect_refused_unchanged({"export", input, "--raw", dotted}, message);
    expect_refused_unchanged({"export", input, "--data-only", at("out/d.txt"), "--01", dotted},
                             message);
    expect_refused_unchanged({"convert", input, "--to", "letters", "-o", dotted}, message);
    expect_refused_unchanged({"import", input, "--format", "v5", "-o", dotted}, message);
    expect_refused_unchanged({"export", input, "--raw", at("out/a.txt"), "--01", at("out/a.txt")},
                             "Nothing was written: \"" + at("out/a.txt") + "\" and \"" +
                                 at("out/a.txt") + "\" name the same file.");
}

// ------------------------------------------------- standard output and usage

TEST_F(SaveCommand, JsonToAFileLeavesTheReportsOnStandardOutput) {
    const CliRun run = kor({"analyze", input, "--json", at("out/r.json"), "--report", "items"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, kor({"analyze", input, "--report", "items"}).out);
    EXPECT_NE(run.out.find("Quick Item Analysis"), std::string::npos);
    EXPECT_EQ(run.err, prophecy_warning + "Wrote " + at("out/r.json") + "\n");
    EXPECT_EQ(contents(at("out/r.json")).rfind("{", 0), 0u);

    // Standard output cannot carry both.
    const CliRun both = kor({"analyze", input, "--json", "-", "--report", "items"});
    EXPECT_EQ(both.code, 2);
    EXPECT_EQ(both.out, "");
    EXPECT_EQ(
        both.err,
        "--json - and --report both write to standard output: name a file for --json or leave out "
        "--report\n");
}

TEST_F(SaveCommand, CompanionFlagsNeedASave) {
    for (const char* flag : {"--no-exm", "--no-itm", "--no-opt", "--rpt", "--no-kor"}) {
        const CliRun run = kor({"analyze", input, flag});
        EXPECT_EQ(run.code, 2) << flag;
        EXPECT_NE(run.err.find(std::string(flag) + " requires --save"), std::string::npos)
            << run.err;
        EXPECT_EQ(run.out, "") << flag;
    }
}

}  // namespace
}  // namespace kor
