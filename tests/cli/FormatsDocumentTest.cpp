// The examples of docs/formats.md must stay files that `kor` reads: every
// input file passes `kor check`, every text file is imported with the command
// shown under it and passes `kor check`, every scale file grades an analysis.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
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

const std::string formats_document = std::string(KOR_EXAMPLES_DIR) + "/../docs/formats.md";
const std::string fence = "```";
const std::string command_indent = "    kor ";

struct DocumentExample {
    std::vector<std::string> lines;
    std::vector<std::string> command;  // the command shown after the file; empty when none
};

bool starts_with(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::vector<std::string> words_of(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

std::vector<DocumentExample> examples_of(const std::vector<std::string>& lines) {
    std::vector<DocumentExample> examples;
    bool inside = false;
    for (const std::string& line : lines) {
        if (line == fence) {
            if (!inside) {
                examples.emplace_back();
            }
            inside = !inside;
        } else if (inside) {
            examples.back().lines.push_back(line);
        } else if (!examples.empty() && examples.back().command.empty() &&
                   starts_with(line, command_indent)) {
            examples.back().command = words_of(line);
        }
    }
    return examples;
}

class FormatsDocumentTest : public ::testing::Test {
  protected:
    std::string write(const std::string& name, const std::vector<std::string>& lines) {
        const std::string path = (folder / name).string();
        write_lines_atomic(path, lines);
        return path;
    }

    // The command shown in the document, run on the files of this test: a
    // file the document showed earlier (a versions map) by the name the
    // command gives it.
    CliRun import_as_shown(std::vector<std::string> command, const std::string& source,
                           const std::string& target) {
        EXPECT_GE(command.size(), 3u);
        command.erase(command.begin());  // "kor"
        command[1] = source;
        for (std::size_t k = 2; k < command.size(); ++k) {
            if (command[k - 1] == "-o") {
                command[k] = target;
            } else if (const auto side = side_files.find(command[k]); side != side_files.end()) {
                command[k] = side->second;
            }
        }
        return kor(command);
    }

    std::map<std::string, std::string> side_files;  // by the name a command gives them

    testing::TempFolder folder;
};

TEST_F(FormatsDocumentTest, EveryExampleIsReadByKor) {
    const std::vector<DocumentExample> examples =
        examples_of(split_lines(read_file(formats_document, 1u << 20)));
    int input_files = 0;
    int text_files = 0;
    int scale_files = 0;
    int versions_maps = 0;
    for (std::size_t k = 0; k < examples.size(); ++k) {
        const DocumentExample& example = examples[k];
        ASSERT_FALSE(example.lines.empty());
        const std::string name = "example" + std::to_string(k + 1);
        SCOPED_TRACE(name + ": " + example.lines[0]);
        if (starts_with(example.lines[0], "KOR: Korvath")) {
            const CliRun check = kor({"check", write(name + ".kor", example.lines)});
            EXPECT_EQ(check.code, 0) << check.err;
            ++input_files;
        } else if (starts_with(example.lines[0], "USER=")) {
            const CliRun analyze = kor({"analyze", std::string(KOR_EXAMPLES_DIR) + "/quiz.kor",
                                        "--grading", write(name + ".ini", example.lines)});
            EXPECT_EQ(analyze.code, 0) << analyze.err;
            ++scale_files;
        } else if (starts_with(example.lines[0], "version,question,master_item")) {
            side_files["map.csv"] = write(name + ".csv", example.lines);
            ++versions_maps;
        } else {
            ASSERT_FALSE(example.command.empty()) << "no command shown under the text file";
            const std::string target = (folder / (name + ".kor")).string();
            const CliRun imported =
                import_as_shown(example.command, write(name + ".txt", example.lines), target);
            EXPECT_EQ(imported.code, 0) << imported.err;
            const CliRun check = kor({"check", target});
            EXPECT_EQ(check.code, 0) << check.err;
            ++text_files;
        }
    }
    EXPECT_EQ(input_files, 2);
    EXPECT_EQ(text_files, 5);  // three text formats and two spreadsheet files
    EXPECT_EQ(scale_files, 2);
    EXPECT_EQ(versions_maps, 1);
}

}  // namespace
}  // namespace kor
