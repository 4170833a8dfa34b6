// Saving results: the results file, its companions beside it, the viewer's
// save file, and what a failed write leaves behind.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/Analyze.h"
#include "app/ProgramState.h"
#include "core/FileIO.h"
#include "core/data/Loader.h"
#include "reports/FullReport.h"
#include "reports/Ident.h"
#include "reports/ResultsFiles.h"
#include "support/DataSets.h"
#include "support/TempFolder.h"
#include "support/Unprivileged.h"

namespace kor {
namespace {

using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

class SaveResults : public ::testing::Test {
  protected:
    void SetUp() override {
        state = testing::sample_set_1();
        ASSERT_FALSE(close_editor(*state, EditorExit::close_and_analyze).show_editor_again);
        ASSERT_FALSE(analyze_and_report(*state).refused);
    }

    std::string path(const std::string& name) const { return folder.file(name); }

    // The file's lines; every line must end with CR LF.
    static Lines read_lines(const std::string& file) {
        const std::string text = read_file(file, 1 << 24);
        Lines lines;
        std::size_t start = 0;
        while (start < text.size()) {
            const auto end = text.find("\r\n", start);
            EXPECT_NE(end, std::string::npos) << file << " has a line without CR LF";
            if (end == std::string::npos) {
                break;
            }
            const std::string line = text.substr(start, end - start);
            EXPECT_EQ(line.find('\n'), std::string::npos) << file << " has a bare LF";
            lines.push_back(line);
            start = end + 2;
        }
        return lines;
    }

    static Lines tail(const Lines& lines, std::size_t count) {
        return Lines(lines.end() - static_cast<std::ptrdiff_t>(count), lines.end());
    }

    testing::TempFolder folder;
    std::unique_ptr<ProgramState> state;
};

Lines with_ident(Lines lines) {
    const Lines id = ident_lines();
    lines.insert(lines.end(), id.begin(), id.end());
    return lines;
}

TEST_F(SaveResults, CompanionsLieBesideTheResultsFile) {
    SaveChoices choices;
    choices.rpt = true;
    const SavedFiles saved = save_results(*state, path("midterm.txt"), choices);
    EXPECT_EQ(saved.paths, (Lines{path("midterm.txt"), path("midterm.exm"), path("midterm.itm"),
                                  path("midterm.opt"), path("midterm.rpt"), path("midterm.kor")}));
    for (const std::string& file : saved.paths) {
        EXPECT_FALSE(read_lines(file).empty()) << file;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator{}), 6);
}

TEST_F(SaveResults, TheChoicesLeaveOutWhatTheyName) {
    SaveChoices choices;
    choices.exm = false;
    choices.opt = false;
    choices.kor = false;
    save_results(*state, path("midterm.txt"), choices);
    EXPECT_TRUE(fs::exists(path("midterm.itm")));
    EXPECT_FALSE(fs::exists(path("midterm.exm")));
    EXPECT_FALSE(fs::exists(path("midterm.opt")));
    EXPECT_FALSE(fs::exists(path("midterm.rpt")));
    EXPECT_FALSE(fs::exists(path("midterm.kor")));
}

TEST_F(SaveResults, ResultsFileFramesTheFullReport) {
    save_results(*state, path("midterm.txt"), SaveChoices{});
    const Lines lines = read_lines(path("midterm.txt"));
    const Lines preface =
        with_ident({"For best results,", "  set font to COURIER or COURIER NEW 9-10 Point, ",
                    "  turn WORD WRAP on, and/or reduce margins.", "", std::string(54, '*'), ""});
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 9), preface);
    EXPECT_EQ(Lines(lines.begin() + 9, lines.begin() + 16),
              (Lines{"", std::string(54, '*'), "", "\f", state->data.test_title, "",
                     state->report_texts.results_box.front()}));
    EXPECT_EQ(lines.size(), 15 + state->report_texts.results_box.size() + 5);
    EXPECT_EQ(tail(lines, 5), with_ident({"", std::string(40, '~')}));
}

TEST_F(SaveResults, ExamineeAndItemFilesCloseWithTheirSummaries) {
    save_results(*state, path("midterm.txt"), SaveChoices{});
    const Lines exm = read_lines(path("midterm.exm"));
    EXPECT_EQ(Lines(exm.begin(), exm.begin() + 4),
              (Lines{"TITLE:   " + state->data.test_title, "COMMENT: " + state->data.test_comments,
                     std::string(42, '~'), ""}));
    EXPECT_EQ(exm[4], state->report_texts.examinees.front());
    EXPECT_EQ(tail(exm, 12),
              with_ident({"", std::string(42, '-'), "", "Number of Items Analyzed= 47",
                          "Mean Item Difficulty    = 0.684", "KR20 (Alpha)            = 0.697",
                          "SEM (from KR20)         = 2.665", "", std::string(42, '~')}));
    const Lines itm = read_lines(path("midterm.itm"));
    EXPECT_EQ(tail(itm, 11), with_ident({"", std::string(42, '-'), "", "Number of Examinees = 23",
                                         "Mean Score          = 32.130 = 68.4%",
                                         "Standard Deviation  = 4.839", "", std::string(43, '~')}));
    const Lines opt = read_lines(path("midterm.opt"));
    EXPECT_EQ(opt[2], std::string(72, '~'));
    EXPECT_EQ(tail(opt, 3), ident_lines());
}

TEST_F(SaveResults, NamesThatClashRefuseTheWholeSave) {
    // The results file would be replaced by the input file beside it.
    SavedFiles saved = save_results(*state, path("marks.kor"), SaveChoices{});
    EXPECT_TRUE(saved.outcome.refused);
    EXPECT_EQ(saved.outcome.messages,
              (Lines{"Nothing was written: \"" + path("marks.kor") + "\" and \"" +
                     path("marks.kor") + "\" name the same file."}));
    EXPECT_TRUE(saved.paths.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator{}), 0);

    // Without the input file that name is no clash.
    SaveChoices no_kor;
    no_kor.kor = false;
    EXPECT_FALSE(save_results(*state, path("marks.kor"), no_kor).outcome.refused);

    // The file the data were read from is never replaced by results.
    std::ofstream(path("quiz.kor"), std::ios::binary) << "the data\r\n";
    state->data.opened_from_file = true;
    state->data.input_file_path = path("quiz.kor");
    fs::create_directory(path("sub"));
    saved = save_results(*state, path("sub/../quiz.kor"), no_kor);
    EXPECT_TRUE(saved.outcome.refused);
    EXPECT_EQ(saved.outcome.messages.at(0), "Nothing was written: \"" + path("sub/../quiz.kor") +
                                                "\" is the file the data were read from, \"" +
                                                path("quiz.kor") + "\".");
    EXPECT_EQ(read_file(path("quiz.kor"), 100), "the data\r\n");
}

TEST_F(SaveResults, TheInputFileBesideTheResultsMayBeTheDataFileItself) {
    // Saving as quiz.txt rewrites quiz.kor when the data came from it.
    std::ofstream(path("quiz.kor"), std::ios::binary) << "an older state of these data\r\n";
    state->data.opened_from_file = true;
    state->data.input_file_path = path("./quiz.kor");
    const SavedFiles saved = save_results(*state, path("quiz.txt"), SaveChoices{});
    EXPECT_FALSE(saved.outcome.refused);
    EXPECT_TRUE(saved.outcome.messages.empty());
    EXPECT_EQ(saved.paths.back(), path("quiz.kor"));
    EXPECT_EQ(read_lines(path("quiz.kor"))[0], "KOR: Korvath (version 6)");
}

TEST_F(SaveResults, AnUnrelatedInputFileBesideTheResultsIsKept) {
    std::ofstream(path("quiz.kor"), std::ios::binary) << "another data set\r\n";
    const SavedFiles saved = save_results(*state, path("quiz.txt"), SaveChoices{});
    EXPECT_FALSE(saved.outcome.refused);
    EXPECT_EQ(
        saved.outcome.messages,
        (Lines{
            "The existing file \"" + path("quiz.kor") +
            "\" was kept: it holds other contents than this data set and is not the file the data "
            "were read from. To save the data set as an input file too, save the results under "
            "another name."}));
    EXPECT_EQ(read_file(path("quiz.kor"), 100), "another data set\r\n");
    EXPECT_EQ(saved.paths,
              (Lines{path("quiz.txt"), path("quiz.exm"), path("quiz.itm"), path("quiz.opt")}));

    // A file that already holds exactly these data is written again without a word.
    fs::remove(path("quiz.kor"));
    save_results(*state, path("quiz.txt"), SaveChoices{});
    const std::string first = read_file(path("quiz.kor"), 1 << 20);
    const SavedFiles again = save_results(*state, path("quiz.txt"), SaveChoices{});
    EXPECT_TRUE(again.outcome.messages.empty());
    EXPECT_EQ(again.paths.back(), path("quiz.kor"));
    EXPECT_EQ(read_file(path("quiz.kor"), 1 << 20), first);
}

TEST_F(SaveResults, AMissingFolderReportsTheSystemMessageAndLeavesNoFile) {
    try {
        save_results(*state, path("nowhere/midterm.txt"), SaveChoices{});
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("No such file or directory"), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator{}), 0);
}

TEST_F(SaveResults, AReadOnlyFolderKeepsTheEarlierFile) {
    std::ofstream(path("midterm.txt")) << "earlier results\r\n";
    testing::give_to_unprivileged_user(folder.path());
    fs::permissions(folder.path(),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const std::string refused = testing::as_unprivileged_user([&] {
        const std::string access = testing::folder_access(folder.path());
        if (access != "read-only") {
            return access;
        }
        try {
            save_results(*state, path("midterm.txt"), SaveChoices{});
            return std::string("saved");
        } catch (const FileError&) {
            return std::string("FileError");
        }
    });
    EXPECT_EQ(refused, "FileError");
    fs::permissions(folder.path(), fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(read_lines(path("midterm.txt")), (Lines{"earlier results"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator{}), 1);
}

TEST_F(SaveResults, ViewerSaveWritesTheInputFileBesideIt) {
    const SavedFiles saved =
        save_viewer_file(*state, QuickReport::options, {"a line"}, path("Results_QO.txt"));
    EXPECT_EQ(saved.paths, (Lines{path("Results_QO.txt"), path("Results_QO.kor")}));
    EXPECT_EQ(read_lines(path("Results_QO.txt"))[4], "a line");
    EXPECT_EQ(viewer_file_name("", QuickReport::examinees), "Q_Examinee");
    EXPECT_EQ(viewer_file_name("midterm", QuickReport::items), "midterm_QI");
    EXPECT_EQ(viewer_file_name("", QuickReport::options), "Q_Options");

    // A viewer file named like its input file is refused; an unrelated input file is kept.
    const SavedFiles clash =
        save_viewer_file(*state, QuickReport::items, {"a line"}, path("Q.kor"));
    EXPECT_TRUE(clash.outcome.refused);
    EXPECT_FALSE(fs::exists(path("Q.kor")));
    std::ofstream(path("Q_Items.kor"), std::ios::binary) << "kept\r\n";
    const SavedFiles kept =
        save_viewer_file(*state, QuickReport::items, {"a line"}, path("Q_Items.txt"));
    EXPECT_EQ(kept.paths, (Lines{path("Q_Items.txt")}));
    EXPECT_EQ(kept.outcome.messages.size(), 1u);
    EXPECT_EQ(read_file(path("Q_Items.kor"), 100), "kept\r\n");
}

}  // namespace
}  // namespace kor
