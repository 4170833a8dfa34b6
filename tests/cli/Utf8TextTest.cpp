// UTF-8 on the way in (files typed on today's systems) and on the way out
// (the JSON document), through the command line.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "CliRun.h"
#include "core/FileIO.h"
#include "core/TextUtil.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

using testing::CliRun;
using testing::kor;

const std::string bom = "\xEF\xBB\xBF";

std::string crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// A small data set whose title and first label hold "ü"; `u_umlaut` is how
// the file spells it: one byte (single-byte text) or two (UTF-8).
std::string quiz_file(const std::string& u_umlaut) {
    return crlf({"KOR: Korvath (version 6)",
                 "Title         = Pr" + u_umlaut + "fung 1",
                 "Comments      = ",
                 "# Examinees   = 3",
                 "# Items       = 4",
                 "Missing Data  = 9",
                 "Not reached   = x",
                 "Label Length  = 8",
                 "Answer Key    = ABCD",
                 "# Options     = 4444",
                 "Item Analyzed = YYYY",
                 "High Group D% = 27",
                 "Low Group D%  = 27",
                 "Partial Credit= NO",
                 "MC Points     = NO",
                 "M" + u_umlaut + "ller  ABCA",
                 "Weber   ABDD",
                 "Roth    BBCD",
                 "# Grades      = 0",
                 "#Alternatives = 0",
                 "#Content Areas= 0",
                 "#Cognitives   = 0"});
}

class Utf8TextTest : public ::testing::Test {
  protected:
    testing::TempFolder folder;
};

TEST_F(Utf8TextTest, JsonWritesTheSingleByteTitleAsUtf8) {
    const std::string u_umlaut_utf8 = "\xC3\xBC";
    const CliRun single_byte =
        kor({"analyze", folder.write("quiz.kor", quiz_file("\xFC")), "--json", "-"});
    ASSERT_EQ(single_byte.code, 0) << single_byte.err;
    const auto json = nlohmann::json::parse(single_byte.out);  // throws on text that is not UTF-8
    EXPECT_EQ(json["data_set"]["title"], "Pr" + u_umlaut_utf8 + "fung 1");
    EXPECT_EQ(json["examinees"][0]["label"], "M" + u_umlaut_utf8 + "ller  ");

    // The same data set typed as UTF-8 gives the same document, not "Ã¼".
    const CliRun utf8 =
        kor({"analyze", folder.write("utf8.kor", bom + quiz_file(u_umlaut_utf8)), "--json", "-"});
    ASSERT_EQ(utf8.code, 0) << utf8.err;
    EXPECT_EQ(nlohmann::json::parse(utf8.out), json);
}

TEST_F(Utf8TextTest, ImportedUtf8TextIsSavedAsSingleByteText) {
    const std::string text = folder.write(
        "class.txt", bom + crlf({"M\xC3\xBCller  2321", "Weber   2311", "Roth    1321"}));
    const CliRun run = kor({"import", text, "--format", "text", "--items", "4", "--label-length",
                            "8", "--key", "2321", "-o", folder.file("class.kor")});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::vector<std::string> lines =
        split_lines(read_file(folder.file("class.kor"), 1u << 20));
    ASSERT_GT(lines.size(), 15u);
    EXPECT_EQ(lines[15], "M\xFCller  2321");

    const std::string beyond =
        folder.write("beyond.txt", "KEY     2321\nJi\xC5\x99\xC3\xAD  2311\n");
    const CliRun refused = kor({"import", beyond, "--format", "text-with-key", "--label-length",
                                "8", "-o", folder.file("beyond.kor")});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err.substr(0, 40), "Line 2, column 3: the character U+0159 c");
    EXPECT_FALSE(std::filesystem::exists(folder.file("beyond.kor")));
}

}  // namespace
}  // namespace kor
