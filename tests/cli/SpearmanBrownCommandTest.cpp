#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "KorCli.h"

namespace kor {
namespace {

int kor_run(std::vector<std::string> args, std::string& out, std::string& err) {
    args.insert(args.begin(), "kor");
    std::ostringstream o, e;
    const int code = run_kor(args, o, e);
    out = o.str();
    err = e.str();
    return code;
}

TEST(SpearmanBrownCommand, PrintsTheCalculatorsAnswers) {
    std::string out, err;
    EXPECT_EQ(kor_run({"spearman-brown", "--kr20", "0.684", "--items", "47"}, out, err), 0) << err;
    EXPECT_EQ(out,
              "To achieve a desired of reliability of 0.800\n"
              "you need 40 more items.\n"
              "This is because the test must be 1.85 times longer than its current 47 items,\n"
              "for a TOTAL of 87 items of similar quality to those in the test now.\n"
              "The reliability of the test analyzed was 0.684\n");
}

TEST(SpearmanBrownCommand, RefusedValuesExitWithUsage) {
    std::string out, err;
    EXPECT_EQ(
        kor_run({"spearman-brown", "--kr20", "0.684", "--items", "47", "--target", "1"}, out, err),
        2);
    EXPECT_NE(err.find("between 0.0 and 0.99"), std::string::npos);
    EXPECT_EQ(kor_run({"spearman-brown", "--kr20", "0", "--items", "47"}, out, err), 2);
    EXPECT_EQ(err,
              "The reliability of the analyzed test is 0, so the Spearman-Brown formula cannot be "
              "applied.\n");
    EXPECT_EQ(kor_run({"spearman-brown", "--kr20", "abc", "--items", "47"}, out, err), 2);
    EXPECT_EQ(kor_run({"spearman-brown", "--kr20", "0.5"}, out, err), 2);
}

}  // namespace
}  // namespace kor
