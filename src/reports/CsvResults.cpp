#include "reports/CsvResults.h"

#include <algorithm>
#include <optional>

#include "core/AnalysisState.h"
#include "core/Encoding.h"
#include "core/Format.h"
#include "core/analysis/Grades.h"
#include "core/analysis/Precision.h"
#include "core/data/LabelColumns.h"
#include "reports/QuickOptions.h"

namespace kor {

namespace {

constexpr int percent_decimals = 2;
constexpr int proportion_decimals = 3;

std::string without_trailing_blanks(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

std::string percent_cell(double value) {
    return fixed(value, percent_decimals);
}
std::string proportion_cell(double value) {
    return fixed(value, proportion_decimals);
}
std::string correlation_cell(double value) {
    return value == not_computable ? std::string() : fixed(value, proportion_decimals);
}

// The records are kept in report order; these files list them by number.
std::vector<const Case_Record*> examinees_in_data_order(const AnalysisState& state) {
    const int n = state.data.num_examinees;
    std::vector<const Case_Record*> by_number(at(n) + 1, nullptr);
    for (int p = 1; p <= n; ++p) {
        const Case_Record& r = state.results.examinee_records[at(p)];
        if (r.IDnum >= 1 && r.IDnum <= n) {
            by_number[at(r.IDnum)] = &r;
        }
    }
    return by_number;
}

std::vector<const Item_Record*> items_in_number_order(const AnalysisState& state) {
    const int k = state.data.num_items;
    std::vector<const Item_Record*> by_number(at(k) + 1, nullptr);
    for (int p = 1; p <= k; ++p) {
        const Item_Record& item = state.results.item_records[at(p)];
        if (item.ItemNum >= 1 && item.ItemNum <= k) {
            by_number[at(item.ItemNum)] = &item;
        }
    }
    return by_number;
}

std::string option_name(const TTestData& data, int option) {
    if (data.data_are_right_wrong) {
        return option == 1 ? "RIGHT" : "WRONG";
    }
    return std::string(1, static_cast<char>('A' + option - 1));
}

// What the label columns hold; empty for a data set without them.
std::string part_of_label(const std::string& label, const std::optional<LabelColumns>& columns) {
    return columns ? label_part(label, *columns) : std::string();
}

std::vector<std::string> utf8_lines(std::vector<std::string> lines) {
    for (std::string& line : lines) {
        line = utf8_from_latin1(line);
    }
    return lines;
}

}  // namespace

FullId full_id_of(const TTestData& data, std::string_view label) {
    const std::string key = without_trailing_blanks(std::string(label));
    const auto found = data.full_ids.find(key);
    return found != data.full_ids.end() ? found->second : FullId{key, ""};
}

std::string version_of(const TTestData& data, const std::string& label) {
    return part_of_label(label, data.version_label);
}

std::string group_of(const TTestData& data, const std::string& label) {
    return part_of_label(label, data.group_label);
}

int option_columns(const TTestData& data, int item) {
    if (data.data_are_right_wrong) {
        return 2;
    }
    return std::clamp(static_cast<int>(data.item_options[at(item)]), 0, max_option_columns);
}

std::string csv_cell(std::string_view text) {
    const bool needs_quotes = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                              (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!needs_quotes) {
        return std::string(text);
    }
    std::string cell = "\"";
    for (char c : text) {
        cell += c;
        if (c == '"') {
            cell += '"';
        }
    }
    return cell + "\"";
}

std::string csv_text_cell(std::string_view text) {
    const bool formula_like =
        !text.empty() && std::string_view("=+-@").find(text.front()) != std::string_view::npos;
    return csv_cell(formula_like ? "'" + std::string(text) : std::string(text));
}

std::string csv_row(const std::vector<std::string>& cells) {
    std::string row;
    for (std::size_t k = 0; k < cells.size(); ++k) {
        row += (k > 0 ? "," : "") + cells[k];
    }
    return row;
}

std::vector<std::string> scores_csv_lines(const AnalysisState& state) {
    const bool points = state.data.partial_credit_on;
    const bool full_ids = !state.data.full_ids.empty();
    const bool versions = state.data.version_label.has_value();
    const bool groups = state.data.group_label.has_value();
    std::vector<std::string> lines{
        "id,score,percent,points,points_percent,grade,band68_low,band68_high,band95_low,band95_"
        "high" +
        std::string(full_ids ? ",label,name" : "") + std::string(versions ? ",version" : "") +
        std::string(groups ? ",group" : "")};
    for (const Case_Record* r : examinees_in_data_order(state)) {
        if (r == nullptr) {
            continue;
        }
        const std::string label = without_trailing_blanks(r->Name);
        const FullId full = full_id_of(state.data, r->Name);
        const ConfidenceBands bands = reported_bands(state, *r);
        std::vector<std::string> cells{
            csv_text_cell(full.id),
            whole(r->Score),
            percent_cell(r->Percent),
            percent_cell(points ? r->PC_Score : r->Score),
            percent_cell(points ? r->PC_Percent : r->Percent),
            csv_text_cell(without_trailing_blanks((points ? r->PC_Grade : r->Grade).str())),
            percent_cell(bands.minus1),
            percent_cell(bands.plus1),
            percent_cell(bands.minus2),
            percent_cell(bands.plus2)};
        if (full_ids) {
            cells.push_back(csv_text_cell(label));
            cells.push_back(csv_text_cell(full.name));
        }
        if (versions) {
            cells.push_back(csv_text_cell(version_of(state.data, r->Name)));
        }
        if (groups) {
            cells.push_back(csv_text_cell(group_of(state.data, r->Name)));
        }
        lines.push_back(csv_row(cells));
    }
    return utf8_lines(std::move(lines));
}

std::vector<std::string> options_csv_lines(const AnalysisState& state) {
    const TTestData& data = state.data;
    std::vector<std::string> lines{"item,option,key,count,proportion,high,low,pbis"};
    const std::vector<const Item_Record*> items = items_in_number_order(state);
    for (int j = 1; j <= data.num_items; ++j) {
        const Item_Record* item = items[at(j)];
        if (item == nullptr || data.item_include[at(j)] == 0) {
            continue;
        }
        const Option_Figures& figures = state.results.option_figures[at(j)];
        for (int k = 1; k <= option_columns(data, j); ++k) {
            const std::size_t c = at(k);
            lines.push_back(csv_row(
                {whole(j), option_name(data, k), is_marked_correct(*item, data, k) ? "1" : "0",
                 whole(item->OptCount[c]), proportion_cell(item->OptProp[c]),
                 proportion_cell(item->OptPropHigh[c]), proportion_cell(item->OptPropLow[c]),
                 correlation_cell(figures.OptPtBis[c])}));
        }
        // A key of 9 counts every answer as correct, a missing one too.
        const std::string omitted_key = item->Key == 9 ? "1" : "0";
        lines.push_back(
            csv_row({whole(j), "omitted", omitted_key, whole(figures.NumOmitted),
                     proportion_cell(figures.OmitProp), proportion_cell(figures.OmitPropHigh),
                     proportion_cell(figures.OmitPropLow), correlation_cell(figures.OmitPtBis)}));
    }
    return utf8_lines(std::move(lines));
}

std::vector<std::string> items_csv_lines(const AnalysisState& state) {
    const TTestData& data = state.data;
    const MissingAnswers& missing = state.results.precision.missing;
    std::vector<std::string> lines{"item,difficulty,pbis,n,skipped,not_reached"};
    const std::vector<const Item_Record*> items = items_in_number_order(state);
    for (int j = 1; j <= data.num_items; ++j) {
        const Item_Record* item = items[at(j)];
        if (item == nullptr || data.item_include[at(j)] == 0) {
            continue;
        }
        const ItemFiguresUsed used = item_figures_used(state, *item);
        lines.push_back(csv_row({whole(j), used.difficulty ? proportion_cell(*used.difficulty) : "",
                                 correlation_cell(used.pbis), whole(used.examinees),
                                 whole(count_of(missing.skipped_by_item, j)),
                                 whole(count_of(missing.not_reached_by_item, j))}));
    }
    return lines;
}

std::vector<std::string> missing_answers_csv_lines(const AnalysisState& state) {
    const MissingAnswers& missing = state.results.precision.missing;
    std::vector<std::string> lines{"id,skipped,not_reached,last_answered"};
    for (const Case_Record* r : examinees_in_data_order(state)) {
        if (r == nullptr) {
            continue;
        }
        lines.push_back(csv_row({csv_text_cell(full_id_of(state.data, r->Name).id),
                                 whole(count_of(missing.skipped_by_examinee, r->IDnum)),
                                 whole(count_of(missing.not_reached_by_examinee, r->IDnum)),
                                 whole(count_of(missing.last_answered_by_examinee, r->IDnum))}));
    }
    return utf8_lines(std::move(lines));
}

}  // namespace kor
