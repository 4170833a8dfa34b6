#include "core/data/CsvImport.h"

#include <algorithm>
#include <map>

#include "core/AnalysisState.h"
#include "core/FileIO.h"
#include "core/data/CsvCells.h"
#include "core/data/CsvColumns.h"
#include "core/data/CsvKey.h"
#include "core/data/CsvLines.h"
#include "core/data/CsvPlanState.h"
#include "core/data/CsvVersions.h"
#include "core/data/InputFile.h"

namespace kor {

namespace {

// The stages in the order each needs the choices of the ones before; the
// first refusal stops the planning.
bool run_stages(csv::PlanState& s, std::string_view bytes) {
    return csv::read_table(s, bytes) && csv::check_row_widths(s) && csv::check_key_choices(s) &&
           csv::check_version_choices(s) && csv::choose_columns(s) && csv::read_versions(s) &&
           csv::choose_key_row(s) && csv::collect_students(s) && csv::check_replaced_cells(s) &&
           csv::assign_versions(s) && csv::choose_key(s) && csv::choose_options(s) &&
           csv::build_lines(s);
}

}  // namespace

CsvPlan plan_csv_import(std::string_view bytes, const std::string& file_name,
                        const CsvOptions& options) {
    csv::PlanState s(options, file_name);
    const bool planned = run_stages(s, bytes);
    if (s.short_row) {
        // A short row refuses the file, but only after planning went on as
        // if it were filled, so that a preview shows every choice beside
        // it. A later refusal may stem from the filling: the short row is
        // named first.
        s.plan.outcome = Outcome{};
        if (planned) {
            s.plan.choices = std::move(s.mapping);
        }
        s.refuse_row(s.short_row->row, s.short_row->message);
    } else if (planned) {
        s.plan.mapping = std::move(s.mapping);
    }
    return std::move(s.plan);
}

bool looks_like_csv(std::string_view text) {
    const std::optional<char> delimiter = detect_delimiter(text);
    if (!delimiter) {
        return false;
    }
    const CsvParse sample = parse_csv(text, *delimiter, 20);
    std::map<std::size_t, std::size_t> rows_with;
    std::size_t filled = 0;
    for (const CsvRow& row : sample.rows) {
        if (!is_empty_row(row)) {
            ++filled;
            ++rows_with[row.cells.size()];
        }
    }
    std::size_t most = 0;
    for (const auto& [cells, rows] : rows_with) {
        most = std::max(most, rows);
    }
    return filled > 0 && most * 2 > filled;
}

bool is_input_file_text(std::string_view text) {
    return text.substr(0, std::string_view(input_file_signature).size()) == input_file_signature;
}

}  // namespace kor
