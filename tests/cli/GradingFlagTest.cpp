#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "KorCli.h"
#include "core/FileIO.h"

namespace kor {
namespace {

namespace fs = std::filesystem;

int kor_run(std::vector<std::string> args, std::string& out, std::string& err) {
    args.insert(args.begin(), "kor");
    std::ostringstream o, e;
    const int code = run_kor(args, o, e);
    out = o.str();
    err = e.str();
    return code;
}

TEST(GradingFlag, AScaleFileGradesTheAnalysisInLetters) {
    const fs::path folder = fs::temp_directory_path() / "kor_grading_flag";
    fs::create_directories(folder);
    const std::string ini = (folder / "term.ini").string();
    write_lines_atomic(ini, {"USER=YES", "3", "Good", "80", "Fair", "50", "Poor"});
    std::string out, err;
    ASSERT_EQ(kor_run({"analyze", std::string(KOR_EXAMPLES_DIR) + "/quiz.kor", "--grading", ini, "--json", "-"},
                      out, err),
              0)
        << err;
    const auto json = nlohmann::json::parse(out);
    EXPECT_EQ(json["settings"]["bands"], "letters");
    EXPECT_EQ(json["settings"]["grading"]["categories"], 3);
    EXPECT_EQ(json["settings"]["grading"]["labels"][1], "Fair");
    EXPECT_EQ(json["test"]["grade_counts"].size(), 3u);

    write_lines_atomic(ini, {"USER=YES", "3", "Good", "50", "Fair", "80", "Poor"});
    // A refused scale is a refused setting.
    EXPECT_EQ(kor_run({"analyze", std::string(KOR_EXAMPLES_DIR) + "/quiz.kor", "--grading", ini},
                      out, err),
              2);
    EXPECT_EQ(err, "Grades are not in numerical order (check Category 1 or 2\n");

    EXPECT_EQ(kor_run({"analyze", std::string(KOR_EXAMPLES_DIR) + "/quiz.kor", "--grading",
                       (folder / "none.ini").string()},
                      out, err),
              2);
    EXPECT_NE(err.find("No such file or directory"), std::string::npos);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace kor
