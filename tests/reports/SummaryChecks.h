#pragma once
// What the tests of the summaries by version and by group build and read
// from the documents: a summary, the members of a JSON object, a JSON text as the library
// writes it, the web page of a state and the texts of a table row's cells.

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/AnalysisState.h"
#include "core/analysis/Records.h"
#include "reports/HtmlReport.h"
#include "support/HtmlCheck.h"

namespace kor::testing {

using Json = nlohmann::ordered_json;

// A summary as the analysis would give one, member by member, so that a
// summary that gains a figure leaves the tests compiling.
inline GroupSummary summary(const char* name, int examinees, double mean, double sd,
                            std::optional<double> kr20, std::optional<double> sem,
                            std::vector<std::optional<double>> difficulty,
                            std::vector<std::optional<double>> pbis = {}) {
    GroupSummary group;
    group.name = name;
    group.examinees = examinees;
    group.score.mean = mean;
    group.score.sd = sd;
    group.kr20 = kr20;
    group.sem = sem;
    group.difficulty = std::move(difficulty);
    group.pbis = std::move(pbis);
    return group;
}

inline std::vector<std::string> keys_of(const Json& object) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : object.items()) {
        keys.push_back(key);
    }
    return keys;
}

// The text as the library writes it, so that a whole number and a real differ.
inline std::string dumped(const char* json) {
    return Json::parse(json).dump();
}

inline HtmlPage page_of(const AnalysisState& state) {
    HtmlPage page = read_html(joined(html_report_lines(state)));
    EXPECT_EQ(page.error, "");
    return page;
}

// The heading cells of the row, then its data cells.
inline std::vector<std::string> cell_texts(const HtmlPage& page, const HtmlElement& row) {
    std::vector<std::string> texts;
    for (const char* name : {"th", "td"}) {
        for (const HtmlElement* cell : page.inside(row, name)) {
            texts.push_back(cell->text);
        }
    }
    return texts;
}

}  // namespace kor::testing
