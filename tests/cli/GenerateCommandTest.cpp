#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

using testing::CliRun;
using testing::kor;

class GenerateCommand : public ::testing::Test {
  protected:
    static std::string contents(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    testing::TempFolder folder;
};

TEST_F(GenerateCommand, DefaultsAreTheFixedGenerateAndRepeatExactly) {
    CliRun run = kor({"generate", "-o", folder.file("a.kor")});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out,
              "a.kor: Generated: Cases=20, Items=30, Seed=1804, Options=mix, Diff=medium\n");
    const std::string first = contents(folder.file("a.kor"));
    EXPECT_EQ(first.rfind("KOR: Korvath (version 6)\r\n"
                          "Title         = Generated: Cases=20, Items=30, Seed=1804, Options=mix, "
                          "Diff=medium\r\n",
                          0),
              0u);
    EXPECT_NE(first.find("\r\nPerson_020     251212323223335111212225425533\r\n"),
              std::string::npos);

    run = kor({"generate", "-o", folder.file("b.kor"), "--cases", "20", "--items", "30", "--seed",
               "1804", "--options", "mix", "--difficulty", "medium"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(contents(folder.file("b.kor")), first);

    run = kor({"check", folder.file("b.kor")});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out.rfind("b.kor: 20 examinees, 30 items, 30 included, label length 15", 0), 0u);
}

TEST_F(GenerateCommand, ChoicesReachTheDialog) {
    CliRun run = kor({"generate", "-o", folder.file("c.kor"), "--cases", "15", "--items", "96",
                      "--seed=-5", "--options", "2", "--difficulty", "very-easy", "--letters"});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::string text = contents(folder.file("c.kor"));
    EXPECT_NE(
        text.find(
            "Title         = Generated: Cases=15, Items=96, Seed=-5, Options=2, Diff=v. easy\r\n"),
        std::string::npos);
    EXPECT_NE(text.find("Label Length  = 9\r\n"), std::string::npos);
    EXPECT_NE(text.find("# Options     = " + std::string(96, '2') + "\r\n"), std::string::npos);
    const auto key_at = text.find("Answer Key    = ") + 16;
    EXPECT_EQ(text.substr(key_at, 96).find_first_not_of("AB"), std::string::npos);
    EXPECT_NE(text.find("\r\nP_015    "), std::string::npos);
}

TEST_F(GenerateCommand, RefusalPrintsTheDialogsMessage) {
    CliRun run = kor({"generate", "-o", folder.file("d.kor"), "--cases", "10000"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err, "Number of Cases must be between 1 and 9999\n");
    run = kor({"generate", "-o", folder.file("d.kor"), "--items", ""});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err, "Number of Items must be an integer\n");
    run = kor({"generate", "-o", folder.file("d.kor"), "--seed", "12,5"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err, "Seed must be a numeric value\n");
    EXPECT_FALSE(std::filesystem::exists(folder.file("d.kor")));

    EXPECT_EQ(kor({"generate", "-o", folder.file("d.kor"), "--options", "6"}).code, 2);
    EXPECT_EQ(kor({"generate"}).code, 2);
}

TEST_F(GenerateCommand, UnwritableFileReportsTheSystemMessage) {
    CliRun run = kor({"generate", "-o", folder.file("missing/e.kor")});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("No such file or directory"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace kor
