#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "CliRun.h"
#include "core/FileIO.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

using testing::CliRun;
using testing::kor;

const std::string quiz = std::string(KOR_EXAMPLES_DIR) + "/quiz.kor";

TEST(GradingFlag, AScaleFileGradesTheAnalysisInLetters) {
    const testing::TempFolder folder;
    const std::string ini = folder.file("term.ini");
    write_lines_atomic(ini, {"USER=YES", "3", "Good", "80", "Fair", "50", "Poor"});
    const CliRun graded = kor({"analyze", quiz, "--grading", ini, "--json", "-"});
    ASSERT_EQ(graded.code, 0) << graded.err;
    const auto json = nlohmann::json::parse(graded.out);
    EXPECT_EQ(json["settings"]["bands"], "letters");
    EXPECT_EQ(json["settings"]["grading"]["categories"], 3);
    EXPECT_EQ(json["settings"]["grading"]["labels"][1], "Fair");
    EXPECT_EQ(json["test"]["grade_counts"].size(), 3u);

    write_lines_atomic(ini, {"USER=YES", "3", "Good", "50", "Fair", "80", "Poor"});
    // A refused scale is a refused setting.
    const CliRun refused = kor({"analyze", quiz, "--grading", ini});
    EXPECT_EQ(refused.code, 2);
    EXPECT_EQ(refused.err, "Grades are not in numerical order (check Category 1 or 2\n");

    const CliRun missing = kor({"analyze", quiz, "--grading", folder.file("none.ini")});
    EXPECT_EQ(missing.code, 2);
    EXPECT_NE(missing.err.find("No such file or directory"), std::string::npos);
}

}  // namespace
}  // namespace kor
