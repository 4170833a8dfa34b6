// An exam handed out in three versions of 20 items (B prints the items in
// reverse, C shuffles them and the options of each): analysed as one test
// through the versions map, it gives what the same answers typed in the
// master order give, and its summary per version gives what each version's
// students analysed alone give.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <numeric>
#include <random>
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

constexpr std::size_t items = 20;
constexpr std::size_t students = 90;
const std::string letters = "ABCD";

struct Version {
    std::string name;
    std::vector<std::size_t> master_of;  // by question: its master item (0-based)
    std::vector<std::string> options;    // by question: the master option of each printed one
};

// Each student's master-order answers ('.' left out) and version.
struct Exam {
    std::string master_key;
    std::vector<std::string> answers;
    std::vector<std::size_t> version_of;
    std::vector<Version> versions;
};

Exam make_exam() {
    std::mt19937 random(20261209);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::uniform_int_distribution<std::size_t> option(0, 3);
    Exam exam;
    for (std::size_t m = 0; m < items; ++m) {
        exam.master_key += letters[option(random)];
    }
    for (std::size_t s = 0; s < students; ++s) {
        const double ability = unit(random);
        std::string answers;
        for (std::size_t m = 0; m < items; ++m) {
            const double easiness = 0.25 + 0.7 * static_cast<double>((m * 7) % items) / items;
            const double draw = unit(random);
            answers += unit(random) < 0.04                 ? '.'
                       : draw < 0.5 * (ability + easiness) ? exam.master_key[m]
                                                           : letters[option(random)];
        }
        exam.answers.push_back(answers);
        exam.version_of.push_back(s % 3);
    }
    Version a{"A", {}, std::vector<std::string>(items)};
    Version b{"B", {}, std::vector<std::string>(items)};
    Version c{"C", {}, {}};
    for (std::size_t q = 0; q < items; ++q) {
        a.master_of.push_back(q);
        b.master_of.push_back(items - 1 - q);
        c.master_of.push_back(q);
    }
    std::shuffle(c.master_of.begin(), c.master_of.end(), random);
    for (std::size_t q = 0; q < items; ++q) {
        std::string order = letters;
        std::shuffle(order.begin(), order.end(), random);
        c.options.push_back(order);
    }
    exam.versions = {a, b, c};
    return exam;
}

// The letter the version prints for the master's answer `master`.
char printed(const Version& version, std::size_t question, char master) {
    const std::string& order = version.options[question];
    if (order.empty() || master == '.') {
        return master;
    }
    return letters[order.find(master)];
}

// The version's own order of a master-order row of answers.
std::string in_version_order(const Version& version, const std::string& master_answers) {
    std::string row;
    for (std::size_t q = 0; q < items; ++q) {
        const char answer = master_answers[(version.master_of[q])];
        row += std::string(q == 0 ? "" : ",") +
               (answer == '.' ? std::string() : std::string(1, printed(version, q, answer)));
    }
    return row;
}

std::string question_header() {
    std::string header;
    for (std::size_t q = 1; q <= items; ++q) {
        header += ",Q" + std::to_string(q);
    }
    return header;
}

class ExamVersionsTest : public ::testing::Test {
  protected:
    std::string path(const std::string& name) const { return (folder.path() / name).string(); }

    std::string write(const std::string& name, const std::vector<std::string>& rows) {
        write_lines_atomic(path(name), rows);
        return path(name);
    }

    // The export of the versions: a key row per version, then the students.
    std::string write_export(const std::string& name, const std::vector<std::string>& keys) {
        std::vector<std::string> rows = {"ID,Version" + question_header()};
        for (std::size_t v = 0; v < exam.versions.size(); ++v) {
            rows.push_back("KEY," + exam.versions[v].name + "," + keys[v]);
        }
        for (std::size_t s = 0; s < students; ++s) {
            const Version& version = exam.versions[(exam.version_of[s])];
            rows.push_back("S" + std::to_string(s + 1) + "," + version.name + "," +
                           in_version_order(version, exam.answers[s]));
        }
        return write(name, rows);
    }

    std::vector<std::string> version_keys() const {
        std::vector<std::string> keys;
        for (const Version& version : exam.versions) {
            keys.push_back(in_version_order(version, exam.master_key));
        }
        return keys;
    }

    std::string write_map(const std::string& name) {
        std::vector<std::string> rows = {"version,question,master_item,options"};
        for (const Version& version : exam.versions) {
            for (std::size_t q = 0; q < items; ++q) {
                rows.push_back(version.name + "," + std::to_string(q + 1) + "," +
                               std::to_string(version.master_of[q] + 1) + "," + version.options[q]);
            }
        }
        return write(name, rows);
    }

    // The students of `version` alone (all when none), in that version's
    // order with its own key, or in the master order.
    std::string write_alone(const std::string& name, const Version* version) {
        const auto order = [&](const std::string& answers) {
            if (version != nullptr) {
                return in_version_order(*version, answers);
            }
            std::string row;
            for (std::size_t m = 0; m < items; ++m) {
                const char answer = answers[m];
                row += std::string(m == 0 ? "" : ",") +
                       (answer == '.' ? std::string() : std::string(1, answer));
            }
            return row;
        };
        std::vector<std::string> rows = {"ID" + question_header(), "KEY," + order(exam.master_key)};
        for (std::size_t s = 0; s < students; ++s) {
            const Version& of = exam.versions[(exam.version_of[s])];
            if (version == nullptr || of.name == version->name) {
                rows.push_back("S" + std::to_string(s + 1) + "," + order(exam.answers[s]));
            }
        }
        return write(name, rows);
    }

    nlohmann::json analysis_of(std::vector<std::string> args) {
        const std::string out = path("analysis" + std::to_string(++runs) + ".json");
        args.insert(args.begin(), "analyze");
        args.insert(args.end(), {"--json", out});
        const CliRun run = kor(args);
        EXPECT_EQ(run.code, 0) << run.err;
        return run.code == 0 ? nlohmann::json::parse(read_file(out, 1u << 24)) : nlohmann::json();
    }

    testing::TempFolder folder;
    Exam exam = make_exam();
    int runs = 0;
};

void expect_same_scores(const nlohmann::json& one, const nlohmann::json& other) {
    ASSERT_EQ(one["examinees"].size(), other["examinees"].size());
    for (std::size_t i = 0; i < one["examinees"].size(); ++i) {
        EXPECT_EQ(one["examinees"][i]["score"], other["examinees"][i]["score"])
            << "examinee " << i + 1;
    }
    for (const char* figure : {"mean", "sd", "kr20", "kr21", "sem"}) {
        EXPECT_EQ(one["test"][figure], other["test"][figure]) << figure;
    }
}

TEST_F(ExamVersionsTest, TheVersionsAnalyseAsTheMasterOrderAndEachVersionAsItselfAlone) {
    const std::string map = write_map("map.csv");
    const std::string exported = write_export("exam.csv", version_keys());
    const nlohmann::json together =
        analysis_of({exported, "--version-column", "Version", "--versions", map});
    const nlohmann::json master = analysis_of({write_alone("master.csv", nullptr)});
    expect_same_scores(together, master);

    ASSERT_TRUE(together.contains("versions"));
    ASSERT_EQ(together["versions"].size(), 3u);
    for (std::size_t v = 0; v < exam.versions.size(); ++v) {
        const Version& version = exam.versions[v];
        SCOPED_TRACE("version " + version.name);
        const nlohmann::json alone = analysis_of({write_alone(version.name + ".csv", &version)});
        const nlohmann::json& summary = together["versions"][v];
        EXPECT_EQ(summary["version"], version.name);
        EXPECT_EQ(summary["examinees"], alone["examinees"].size());
        for (const char* figure : {"mean", "sd", "kr20", "sem"}) {
            EXPECT_NEAR(summary[figure].get<double>(), alone["test"][figure].get<double>(), 1e-12)
                << figure;
        }
        for (std::size_t q = 0; q < items; ++q) {
            const auto m = (version.master_of[q]);
            EXPECT_DOUBLE_EQ(summary["difficulty"][m].get<double>(),
                             alone["items"][q]["difficulty"].get<double>())
                << "question " << q + 1;
        }
    }
}

TEST_F(ExamVersionsTest, TheSavedInputFileAnalysesAlikeAndKeepsTheVersionInItsLabels) {
    const std::string map = write_map("map.csv");
    const std::string exported = write_export("exam.csv", version_keys());
    const std::string saved = path("exam.kor");
    const CliRun imported = kor({"import", exported, "--format", "csv", "--options", "4",
                                 "--version-column", "Version", "--versions", map, "-o", saved});
    ASSERT_EQ(imported.code, 0) << imported.err;
    // S1..S90 and a blank before the version: the version is in column 5.
    EXPECT_NE(imported.err.find("Version label: column 5 of each label (--version-label 5 finds "
                                "them in the saved input file)"),
              std::string::npos)
        << imported.err;
    const nlohmann::json together =
        analysis_of({exported, "--version-column", "Version", "--versions", map});
    const nlohmann::json reread = analysis_of({saved});
    expect_same_scores(together, reread);
    EXPECT_FALSE(reread.contains("versions"));
    const nlohmann::json by_label = analysis_of({saved, "--version-label", "5"});
    ASSERT_TRUE(by_label.contains("versions"));
    EXPECT_EQ(by_label["versions"], together["versions"]);

    const CliRun beyond = kor({"analyze", saved, "--version-label", "5-9"});
    EXPECT_EQ(beyond.code, 2);
    EXPECT_NE(beyond.err.find("The label columns 5-9 of the exam version lie beyond the labels, "
                              "which have 5 characters"),
              std::string::npos)
        << beyond.err;
}

TEST_F(ExamVersionsTest, AMiskeyOrABadMapIsRefusedAndNothingIsWritten) {
    std::vector<std::string> keys = version_keys();
    // Version C's key of the question that prints master item 12 names another option.
    const Version& c = exam.versions[2];
    const auto question = static_cast<std::size_t>(
        std::find(c.master_of.begin(), c.master_of.end(), 11u) - c.master_of.begin());
    std::string& cell = keys[2];
    const std::size_t at = question * 2;
    const char right = cell[at];
    cell[at] = right == 'A' ? 'B' : 'A';
    const std::string master_right(1, exam.master_key[11]);
    const std::string master_wrong(1,
                                   c.options[question][static_cast<std::size_t>(cell[at] - 'A')]);
    const std::string expected =
        "Master item 12: version A question 12 keys " + master_right +
        ", version B question 9 keys " + master_right + ", version C question " +
        std::to_string(question + 1) + " keys " + std::string(1, cell[at]) +
        (master_wrong != std::string(1, cell[at]) ? " (= master " + master_wrong + ")" : "");

    const std::string good_map = write_map("map.csv");
    std::vector<std::string> bad_map_rows = split_lines(read_file(good_map, 1u << 20));
    bad_map_rows[5] = "A,5,3,";  // master item 3 a second time in version A
    const struct {
        const char* name;
        std::string data;
        std::string map;
        std::string message;
    } cases[] = {
        {"a miskey", write_export("miskeyed.csv", keys), good_map, expected},
        {"a bad map", write_export("exam.csv", version_keys()), write("bad-map.csv", bad_map_rows),
         "Versions map bad-map.csv, row 6: version A uses master item 3 twice (rows 4 and 6)"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        const std::string json = path(std::string(k.name) + ".json");
        const CliRun run = kor({"analyze", k.data, "--version-column", "Version", "--versions",
                                k.map, "--json", json});
        EXPECT_NE(run.code, 0);
        EXPECT_NE(run.err.find(k.message), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(json));
    }
}

}  // namespace
}  // namespace kor
