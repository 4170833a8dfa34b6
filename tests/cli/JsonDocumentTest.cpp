// The JSON document of `kor analyze --json` against reference documents kept
// in tests/data/json: the same keys in the same order, the same kind of every
// value (whole number, real, text, ...) and every number the same double.
// The references of twenty small generated data sets are kept whole; those of
// the built-in examples, too large to keep, as a digest of the same
// comparison form. KOR_UPDATE_GOLDEN=1 writes what the program gives now.

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "app/Application.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

using testing::CliRun;
using testing::kor;
using Json = nlohmann::ordered_json;

bool updating_references() {
    return std::getenv("KOR_UPDATE_GOLDEN") != nullptr;
}

std::string reference_path(const std::string& name) {
    return std::string(KOR_TEST_DATA_DIR) + "/json/" + name;
}

std::string read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void write_reference(const std::string& path, const std::string& bytes) {
    if (read_bytes(path) == bytes) {
        return;
    }
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    ASSERT_TRUE(out.flush()) << "cannot write " << path;
    std::cout << "KOR_UPDATE_GOLDEN: rewrote " << path << '\n';
}

// A real exactly, in hexadecimal, and as people read it.
std::string exact(double value) {
    char hex[64];
    const auto end = std::to_chars(hex, hex + sizeof hex, value, std::chars_format::hex).ptr;
    char shown[64];
    std::snprintf(shown, sizeof shown, "%.17g", value);
    return std::string(shown) + " (" + std::string(hex, end) + ")";
}

// One line per value, in document order: its path, its kind and its value.
// Two documents compare equal in this form when they hold the same keys in
// the same order and the same values, numbers compared as doubles.
void comparison_form(const Json& value, const std::string& path, std::vector<std::string>& lines) {
    if (value.is_object()) {
        lines.push_back(path + " object of " + std::to_string(value.size()));
        for (const auto& [key, member] : value.items()) {
            comparison_form(member, path + "." + key, lines);
        }
    } else if (value.is_array()) {
        lines.push_back(path + " array of " + std::to_string(value.size()));
        for (std::size_t k = 0; k < value.size(); ++k) {
            comparison_form(value[k], path + "[" + std::to_string(k) + "]", lines);
        }
    } else if (value.is_number_integer()) {
        lines.push_back(path + " whole " + value.dump());
    } else if (value.is_number_float()) {
        lines.push_back(path + " real " + exact(value.get<double>()));
    } else {
        lines.push_back(path + " " + std::string(value.type_name()) + " " + value.dump());
    }
}

std::vector<std::string> comparison_form(const Json& document) {
    std::vector<std::string> lines;
    comparison_form(document, "", lines);
    return lines;
}

std::string digest(const std::vector<std::string>& lines) {
    std::uint64_t hash = 14695981039346656037ull;  // 64-bit FNV-1a
    for (const std::string& line : lines) {
        for (const char c : line + "\n") {
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        }
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

void expect_same_document(const Json& actual, const Json& expected, const std::string& name) {
    const std::vector<std::string> got = comparison_form(actual);
    const std::vector<std::string> want = comparison_form(expected);
    for (std::size_t k = 0; k < std::min(got.size(), want.size()); ++k) {
        ASSERT_EQ(got[k], want[k]) << name << ": value " << k + 1;
    }
    EXPECT_EQ(got.size(), want.size()) << name;
}

Json analysed(const std::vector<std::string>& args) {
    CliRun run = kor(args);
    EXPECT_EQ(run.code, 0) << run.err;
    return Json::parse(run.out);
}

// ---- twenty small data sets, each with its own mixture of what an input
// file can hold: letters or digits, two to five options, missing answers,
// excluded items, alternative answers, partial credit, grading, and the
// analysis flags that change the document.

struct GeneratedSet {
    std::string file;
    std::vector<std::string> flags;
};

class Draw {
  public:
    explicit Draw(unsigned seed) : random_(seed) {}
    // 0 .. n-1, the same on every platform.
    int below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

  private:
    std::mt19937 random_;
};

char option_character(int option, int options, bool letters) {
    if (options == 2 && letters) {
        return option == 1 ? 'T' : 'F';
    }
    return letters ? static_cast<char>('A' + option - 1) : static_cast<char>('0' + option);
}

// A line of a key and its value; the value starts in column 17.
std::string line_of(const std::string& key, const std::string& value) {
    std::string line = key;
    line.resize(14, ' ');
    return line + "= " + value;
}

GeneratedSet generated_set(int n) {
    Draw draw(static_cast<unsigned>(1000 + n));
    const int items = 3 + n % 4;
    const int examinees = 4 + (n * 5) % 7;
    const int label_length = (n % 4) * 2;
    const bool letters = n % 2 == 0;
    const bool excluded = n % 3 == 1;
    const bool alternatives = n % 4 == 2;
    const bool partial_credit = n % 5 == 3;
    const bool grading = n % 3 == 0;
    const bool all_alike = n == 7;  // no variance at all

    std::vector<int> options(static_cast<std::size_t>(items));
    std::vector<int> key(static_cast<std::size_t>(items));
    std::string key_line, options_line, include_line;
    for (int j = 0; j < items; ++j) {
        options[static_cast<std::size_t>(j)] = 2 + draw.below(4);
        key[static_cast<std::size_t>(j)] = 1 + draw.below(options[static_cast<std::size_t>(j)]);
        key_line += option_character(key[static_cast<std::size_t>(j)],
                                     options[static_cast<std::size_t>(j)], letters);
        options_line += static_cast<char>('0' + options[static_cast<std::size_t>(j)]);
        char include = 'Y';
        if (excluded && j == 1) {
            include = 'N';
        } else if (alternatives && j == 0) {
            include = 'A';
        }
        include_line += include;
    }
    const int pc_total = 10;
    std::vector<std::string> lines = {
        "KOR: Korvath (version 6)",
        line_of("Title", "Generated set " + std::to_string(n + 1)),
        line_of("Comments", "with a mixture of features"),
        line_of("# Examinees", std::to_string(examinees)),
        line_of("# Items", std::to_string(items)),
        line_of("Missing Data", "9"),
        line_of("Not reached", "x"),
        line_of("Label Length", std::to_string(label_length)),
        line_of("Answer Key", key_line),
        line_of("# Options", options_line + (partial_credit ? std::to_string(pc_total) : "")),
        line_of("Item Analyzed", include_line),
        line_of("High Group D%", "27"),
        line_of("Low Group D%", "27"),
        line_of("Partial Credit", partial_credit ? std::to_string(pc_total) : "NO"),
        line_of("MC Points", partial_credit ? (n % 2 == 0 ? "2" : "1.5") : "NO"),
    };
    std::string first_answers;
    for (int i = 1; i <= examinees; ++i) {
        std::string label = "S" + std::to_string(i);
        label.resize(static_cast<std::size_t>(label_length), '_');
        std::string answers;
        for (int j = 0; j < items; ++j) {
            const int roll = draw.below(10);
            if (roll == 0) {
                answers += '.';
            } else if (roll < 6) {
                answers += option_character(key[static_cast<std::size_t>(j)],
                                            options[static_cast<std::size_t>(j)], letters);
            } else {
                answers += option_character(1 + draw.below(options[static_cast<std::size_t>(j)]),
                                            options[static_cast<std::size_t>(j)], letters);
            }
        }
        if (all_alike) {
            answers = first_answers.empty() ? answers : first_answers;
            first_answers = answers;
        }
        char points[3];
        std::snprintf(points, sizeof points, "%02d", draw.below(pc_total + 1));
        lines.push_back(label + answers + (partial_credit ? points : ""));
    }
    if (grading) {
        lines.push_back(line_of("# Grades", "3"));
        lines.push_back("A             = 80");
        lines.push_back("B             = 50");
        lines.push_back("C   ");
    } else {
        lines.push_back(line_of("# Grades", "0"));
    }
    if (alternatives) {
        const int alternative = key[0] == 1 ? 2 : 1;
        lines.push_back(line_of("#Alternatives", "1"));
        lines.push_back(line_of("Item #", "1"));
        lines.push_back(line_of(
            "Alternatives",
            std::to_string(key[0]) + " " + std::to_string(alternative) + " * * * * * * * "));
    } else {
        lines.push_back(line_of("#Alternatives", "0"));
    }
    lines.push_back(line_of("#Content Areas", "0"));
    lines.push_back(line_of("#Cognitives", "0"));

    GeneratedSet set;
    for (const std::string& line : lines) {
        set.file += line + "\r\n";
    }
    if (n % 4 == 1) {
        set.flags.insert(set.flags.end(), {"--sort-items", "difficulty"});
    }
    if (n % 5 == 2) {
        set.flags.insert(set.flags.end(), {"--sort-examinees", "score"});
    }
    if (grading && n % 2 == 0) {
        set.flags.insert(set.flags.end(), {"--bands", "letters"});
    } else if (n % 6 == 5) {
        set.flags.insert(set.flags.end(), {"--bands", "percent", "--groups", "50,30"});
    }
    if (n % 7 == 3) {
        set.flags.push_back("--no-problem-items");
    } else if (n % 7 == 4) {
        set.flags.insert(set.flags.end(),
                         {"--criteria", "0.25,0.9,0.2,0.2,0.2", "--absolute-percentages"});
    }
    return set;
}

class JsonDocument : public ::testing::Test {
  protected:
    testing::TempFolder folder;
};

TEST_F(JsonDocument, GeneratedSetsMatchTheirReferences) {
    for (int n = 0; n < 20; ++n) {
        const GeneratedSet set = generated_set(n);
        char name[32];
        std::snprintf(name, sizeof name, "generated_%02d", n + 1);
        std::vector<std::string> args = {"analyze",
                                         folder.write(std::string(name) + ".kor", set.file)};
        args.insert(args.end(), set.flags.begin(), set.flags.end());
        args.insert(args.end(), {"--json", "-"});
        const Json actual = analysed(args);
        const std::string path = reference_path(std::string(name) + ".json");
        if (updating_references()) {
            write_reference(path, actual.dump() + "\n");
            continue;
        }
        const std::string reference = read_bytes(path);
        ASSERT_FALSE(reference.empty())
            << "cannot read " << path << " (KOR_UPDATE_GOLDEN=1 writes it)";
        expect_same_document(actual, Json::parse(reference), name);
    }
}

TEST_F(JsonDocument, BuiltInExamplesMatchTheirDigests) {
    std::map<std::string, std::string> expected;
    std::istringstream listed(read_bytes(reference_path("examples.txt")));
    std::string name, hash;
    while (listed >> name >> hash) {
        expected[name] = hash;
    }
    std::string written;
    for (const Application::ExampleEntry& example : Application::examples()) {
        const Json actual = analysed({"analyze", "--example", example.name, "--json", "-"});
        const std::string got = digest(comparison_form(actual));
        written += example.name + " " + got + "\n";
        if (!updating_references()) {
            EXPECT_EQ(got, expected[example.name]) << example.name;
        }
    }
    if (updating_references()) {
        write_reference(reference_path("examples.txt"), written);
    }
}

// The total possible score is the one the reports print: the included items
// without partial credit (it once was 0 there), k times the multiple-choice
// points plus the partial-credit points with it.
TEST_F(JsonDocument, TotalPossibleIsTheReportsTotal) {
    const std::string plain = generated_set(1).file;  // 4 items, item 2 excluded
    const Json without = analysed({"analyze", folder.write("plain.kor", plain), "--json", "-"});
    EXPECT_EQ(without["data_set"]["items"], 4);
    EXPECT_EQ(without["data_set"]["total_possible"], 3.0);
    const CliRun panes = kor({"analyze", folder.file("plain.kor")});
    EXPECT_NE(panes.out.find("Total Possible Score= 3\n"), std::string::npos) << panes.out;

    const std::string with_points =
        generated_set(3).file;  // 6 items, 2 points each, 10 points of partial credit
    const Json with = analysed({"analyze", folder.write("points.kor", with_points), "--json", "-"});
    EXPECT_EQ(with["data_set"]["partial_credit"], true);
    EXPECT_EQ(with["data_set"]["total_possible"], 6 * 1.5 + 10);
}

// The comparison itself: it must see a changed number, a changed order of
// keys and a whole number written as a real.
TEST(JsonComparisonForm, SeesNumbersOrderAndKinds) {
    const Json base = Json::parse(R"({"a": 1, "b": [0.1, 2.5], "c": null})");
    EXPECT_EQ(comparison_form(base),
              comparison_form(Json::parse(R"({"a":1,"b":[0.1,2.5],"c":null})")));
    EXPECT_EQ(comparison_form(base),
              comparison_form(Json::parse(R"({"a": 1, "b": [1e-1, 25e-1], "c": null})")));
    EXPECT_NE(
        comparison_form(base),
        comparison_form(Json::parse(R"({"a": 1, "b": [0.1, 2.5000000000000004], "c": null})")));
    EXPECT_NE(comparison_form(base),
              comparison_form(Json::parse(R"({"b": [0.1, 2.5], "a": 1, "c": null})")));
    EXPECT_NE(comparison_form(base),
              comparison_form(Json::parse(R"({"a": 1.0, "b": [0.1, 2.5], "c": null})")));
    EXPECT_NE(digest(comparison_form(base)),
              digest(comparison_form(Json::parse(R"({"a": 2, "b": [0.1, 2.5], "c": null})"))));
}

}  // namespace
}  // namespace kor
