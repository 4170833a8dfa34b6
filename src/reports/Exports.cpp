#include "reports/Exports.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "core/AnalysisState.h"
#include "core/FileIO.h"
#include "core/Format.h"
#include "core/analysis/Scoring.h"
#include "core/data/Codes.h"
#include "core/data/Conversions.h"
#include "core/data/Loader.h"

namespace kor {

namespace {

std::string named(const std::string& map_name, const std::string& suffix,
                  const std::string& plain) {
    return map_name.empty() || map_name == unsaved_name ? plain : map_name + suffix;
}

std::string item_stats_line(const Item_Record& item) {
    // A variance a rounding error left below zero has the deviation 0.
    const double sd_del = std::sqrt(std::max(0.0, item.VarIfDeleted));
    const double values[] = {item.Diff,     item.PtBis,         item.Biserial,
                             item.AdjPtBis, item.Disc,          item.HighProp,
                             item.LowProp,  item.KR20IfDeleted, item.MeanIfDeleted,
                             sd_del,        item.SEMIfDeleted};
    std::string line = whole(item.ItemNum) + "," + whole(item.NumCorrect);
    for (double v : values) {
        line += "," + fixed(v, 3);
    }
    return line;
}

std::string zero_one_key_line(int num_items) {
    std::string line = zero_one_key_label;
    for (int j = 1; j <= num_items; ++j) {
        line += ",1";
    }
    return line;
}

std::vector<std::string> zero_one_lines(const AnalysisState& state, bool recoded_here,
                                        ZeroOneLayout layout) {
    const TTestData& data = state.data;
    std::vector<std::string> lines{zero_one_header(data.num_items)};
    if (layout == ZeroOneLayout::data_editor) {
        lines.push_back(zero_one_key_line(data.num_items));
    }
    for (int i = 1; i <= data.num_examinees; ++i) {
        std::string line = state.results.examinee_records[at(i)].Name;
        for (int j = 1; j <= data.num_items; ++j) {
            // Data already coded right-wrong keep their loaded codes (2 is
            // wrong there), so they are scored by the same rule instead.
            const int code = recoded_here ? data.responses(i, j) : right_wrong_code(data, i, j);
            line += "," + whole(code);
        }
        lines.push_back(line);
    }
    return lines;
}

// Converting back also runs when the write fails, so the editor never stays
// in the converted form.
class ConvertBackOnExit {
  public:
    ConvertBackOnExit(AnalysisState& state, ConvertMenu& menu, bool active, EditorTexts texts)
        : state_(state), menu_(menu), active_(active), texts_(std::move(texts)) {}
    ~ConvertBackOnExit() {
        if (active_) {
            convert_back_from_right_wrong(state_, menu_);
            // The way back gives the lines of the first load; the export
            // leaves the boxes as the user left them, later edits included.
            state_.editor = texts_;
        }
    }
    ConvertBackOnExit(const ConvertBackOnExit&) = delete;
    ConvertBackOnExit& operator=(const ConvertBackOnExit&) = delete;

  private:
    AnalysisState& state_;
    ConvertMenu& menu_;
    bool active_;
    EditorTexts texts_;  // the boxes before the export converted them
};

std::string alt_item_number(int j) {
    if (j < 10) {
        return " 0" + whole(j);
    }
    return j >= 100 ? whole(j) : " " + whole(j);
}

}  // namespace

std::string item_stats_file_name(const std::string& map_name) {
    return named(map_name, "_item_stats", "item_stats") + ".txt";
}

std::string zero_one_file_name(const std::string& map_name) {
    return named(map_name, "_01_data", "data_01") + ".txt";
}

std::string alt_base_name(const std::string& map_name) {
    return named(map_name, "_alt", "alt");
}

std::vector<std::string> item_stats_lines(const AnalysisState& state) {
    std::vector<std::string> lines{
        "item,correct,diff,pbis,biserial,pbis_del,discrim,high,low,kr20_del,mean_del,sd_del,sem_"
        "del"};
    for (int j = 1; j <= state.data.num_items; ++j) {
        if (state.data.item_include[at(j)] != include_excluded) {
            lines.push_back(item_stats_line(state.results.item_records[at(j)]));
        }
    }
    return lines;
}

void save_item_stats(const AnalysisState& state, const std::string& path) {
    write_lines_atomic(path, item_stats_lines(state));
}

std::string zero_one_header(int num_items) {
    std::string header = "Examinee";
    for (int j = 1; j <= num_items; ++j) {
        header += (j < 10 ? ",Item0" : ",Item") + whole(j);
    }
    return header;
}

Outcome save_zero_one_data(AnalysisState& state, ConvertMenu& menu, const std::string& path,
                           ZeroOneLayout layout) {
    const bool already_right_wrong = state.data.data_are_right_wrong;
    EditorTexts texts = state.editor;
    Outcome loaded = convert_to_right_wrong(state, menu);
    if (loaded.refused) {
        return loaded;
    }
    const ConvertBackOnExit back(state, menu, !already_right_wrong, std::move(texts));
    write_lines_atomic(path, zero_one_lines(state, !already_right_wrong, layout));
    return loaded;
}

std::vector<std::string> alt_data_lines(const AnalysisState& state) {
    const TTestData& data = state.data;
    const std::string count = (data.num_items < 100 ? "0" : "") + whole(data.num_items);
    std::string included;
    for (int j = 1; j <= data.num_items; ++j) {
        included += data.item_include[at(j)] == include_excluded ? 'N' : 'Y';
    }
    std::vector<std::string> lines{
        count + " " + state.editor.missing_data + " x " + whole(data.label_length),
        state.editor.answer_key, state.editor.options, included};
    lines.insert(lines.end(), state.editor.data_lines.begin(), state.editor.data_lines.end());
    return lines;
}

std::vector<std::string> alt_exceptions_lines(const AnalysisState& state) {
    std::vector<std::string> lines{"ALT exceptions: item, correct answers"};
    for (const AltAnswerRow& row : state.alt_table.rows) {
        std::string line = alt_item_number(std::atoi(row.cells[0].c_str())) + "  ";
        if (!row.cells[2].empty()) {
            line += row.cells[2];
        }
        for (std::size_t c = 3; c < row.cells.size(); ++c) {
            if (!row.cells[c].empty()) {
                line += " " + row.cells[c];
            }
        }
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> alt_file_paths(const std::string& base) {
    return {base + alt_data_extension, base + alt_exceptions_extension};
}

std::vector<std::string> save_alt_files(const AnalysisState& state, const std::string& base) {
    const std::vector<std::string> paths = alt_file_paths(base);
    std::vector<std::string> written{paths[0]};
    write_lines_atomic(paths[0], alt_data_lines(state));
    if (state.data.num_alt_or_all_correct_items > 0) {
        written.push_back(paths[1]);
        write_lines_atomic(paths[1], alt_exceptions_lines(state));
    }
    return written;
}

}  // namespace kor
