// Feldt's interval of KR20 against references computed once in 40-digit
// arithmetic (tests/data/feldt/make_references.py) for the first two
// built-in examples and a generated set of 9999 examinees and 100 items:
// the interval of the JSON document at 0.95, and of the same coefficient at
// every level.

#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "core/FileIO.h"
#include "core/TextUtil.h"
#include "core/analysis/Reliability.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

using testing::CliRun;
using testing::kor;
using Json = nlohmann::ordered_json;

struct Reference {
    int examinees = 0, items = 0;
    double kr20 = 0, level = 0, low = 0, high = 0;
};

std::multimap<std::string, Reference> references() {
    std::multimap<std::string, Reference> found;
    const std::string path = std::string(KOR_TEST_DATA_DIR) + "/feldt/references.txt";
    for (const std::string& line : split_lines(read_file(path, 1u << 16))) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream in(line);
        std::string name;
        Reference r;
        in >> name >> r.examinees >> r.items >> r.kr20 >> r.level >> r.low >> r.high;
        found.emplace(name, r);
    }
    return found;
}

TEST(FeldtReference, IntervalsEqualTheReferencesToOnePartInABillion) {
    const testing::TempFolder folder;
    const std::string generated = folder.file("generated.kor");
    ASSERT_EQ(
        kor({"generate", "-o", generated, "--cases", "9999", "--items", "100", "--seed", "1804"})
            .code,
        0);
    const std::map<std::string, std::vector<std::string>> inputs{
        {"set1", {"--example", "set1"}},
        {"set2", {"--example", "set2"}},
        {"generated_9999x100", {generated}}};
    const auto all = references();
    ASSERT_EQ(all.size(), 9u);
    for (const auto& [name, input] : inputs) {
        SCOPED_TRACE(name);
        const std::string json = folder.file(name + ".json");
        std::vector<std::string> args{"analyze"};
        args.insert(args.end(), input.begin(), input.end());
        args.insert(args.end(), {"--json", json});
        const CliRun run = kor(args);
        ASSERT_EQ(run.code, 0) << run.err;
        const Json document = Json::parse(read_file(json, 1 << 24));
        const Json& test = document["test"];
        const auto [first, last] = all.equal_range(name);
        ASSERT_EQ(std::distance(first, last), 3);
        for (auto it = first; it != last; ++it) {
            const Reference& r = it->second;
            // The references were made from this analysis's figures.
            ASSERT_EQ(document["data_set"]["examinees"], r.examinees);
            ASSERT_EQ(document["data_set"]["included_items"], r.items);
            ASSERT_EQ(test["kr20"].get<double>(), r.kr20);
            const ReliabilityInterval interval =
                feldt_interval(r.kr20, r.examinees, r.items, true, r.level);
            EXPECT_NEAR(interval.low, r.low, 1e-9) << r.level;
            EXPECT_NEAR(interval.high, r.high, 1e-9) << r.level;
            if (r.level == 0.95) {
                EXPECT_NEAR(test["kr20_ci"][0].get<double>(), r.low, 1e-9);
                EXPECT_NEAR(test["kr20_ci"][1].get<double>(), r.high, 1e-9);
            }
        }
    }
}

}  // namespace
}  // namespace kor
