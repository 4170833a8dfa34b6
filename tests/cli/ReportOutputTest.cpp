// What `kor analyze` prints: the two quick panes by default, the viewer's
// text of each report named with --report.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CliCommon.h"
#include "KorCli.h"
#include "app/Analyze.h"
#include "app/ProgramState.h"
#include "core/analysis/Analysis.h"
#include "core/data/InputFile.h"
#include "core/data/Loader.h"
#include "reports/FullReport.h"
#include "support/DataSets.h"
#include "support/Golden.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

class ReportOutput : public ::testing::Test {
  protected:
    void SetUp() override {
        path = (folder / "set2.kor").string();
        write_input_file(*testing::sample_set_2(), path);
    }

    std::string analyze(std::vector<std::string> args, int expected_code = exit_ok) {
        args.insert(args.begin(), {"kor", "analyze", path});
        std::ostringstream out, err;
        EXPECT_EQ(run_kor(args, out, err), expected_code) << err.str();
        EXPECT_EQ(err.str(), "");
        return out.str();
    }

    testing::TempFolder folder;
    std::string path;
};

TEST_F(ReportOutput, DefaultIsTheMainWindowsTwoQuickPanes) {
    testing::expect_golden_text(analyze({}), "sample2_panes.txt");
}

TEST_F(ReportOutput, EachNamedReportIsTheViewersTextInTheOrderGiven) {
    testing::expect_golden_text(analyze({"--report", "examinees"}), "sample2_examinees_view.txt");
    // Two reports follow each other; their golden files are kept by the viewers' tests.
    EXPECT_EQ(
        analyze({"--report", "options", "--report", "items"}),
        testing::golden("sample2_options_view.txt") + testing::golden("sample2_items_view.txt"));
}

TEST_F(ReportOutput, SettingsFlagsReachTheReports) {
    const std::string text =
        analyze({"--report", "examinees", "--sort-examinees", "score", "--bands", "percent"});
    EXPECT_NE(text.find("ID               Score Percent Grade   (Percents)    (Percents)\n"),
              std::string::npos);
    EXPECT_NE(text.find("\nStudent 11         33   50.77%        (46.4- 55.2)  (42.0- 59.6) \n"),
              std::string::npos);
    EXPECT_NE(text.find("\nThese results have been sorted by score\n"), std::string::npos);
}

TEST(ReportOutputText, FullReportIsTheResultsWindowsTextAndUnknownNamesGiveNothing) {
    auto loaded = testing::sample_set_2();
    ASSERT_FALSE(load_test_data(*loaded).refused);
    Application app(std::move(loaded));
    ASSERT_FALSE(app.analyze().refused);
    const auto full = report_output(app, "full");
    ASSERT_TRUE(full.has_value());
    EXPECT_EQ(full->rfind("TITLE:   Sample Data #2", 0), 0u);
    EXPECT_NE(full->find("\n\f\nTITLE:"), std::string::npos);
    EXPECT_TRUE(report_output(app, "grades").has_value());
    EXPECT_FALSE(report_output(app, "summary").has_value());
    EXPECT_TRUE(report_output(app, "options").has_value());
}

}  // namespace
}  // namespace kor
