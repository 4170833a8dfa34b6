#include "app/forms/GradingScaleFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "app/ProgramState.h"
#include "app/forms/GradeForm.h"
#include "core/Encoding.h"
#include "core/FileIO.h"
#include "core/TextUtil.h"

namespace kor {

namespace {

constexpr const char* user_line = "USER=YES";
constexpr std::size_t stored_label_length = 4;
// A scale file holds a few dozen bytes; anything near this is not one.
constexpr std::size_t scale_file_max_bytes = 64 * 1024;

// Lines are read one after the other; a line missing at the end reads as empty.
class LineReader {
  public:
    explicit LineReader(std::string_view contents) : lines_(split_lines(contents)) {}
    std::string next() { return next_ < lines_.size() ? lines_[next_++] : std::string(); }

  private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

std::string conversion_error(const std::string& text, const char* kind) {
    return "'" + cut(text, 40) + "' is not a valid " + kind + " value";
}

}  // namespace

std::vector<std::string> scale_file_lines(const ProgramState& state) {
    const GradeForm& form = state.grade_form;
    const int n = std::clamp(state.settings.num_grade_cats, 0, max_grade_categories);
    std::vector<std::string> lines{state.settings.grade_user_defined ? "USER=YES" : "USER=NO",
                                   std::to_string(n)};
    if (n >= 1) {
        lines.push_back(form.lbl_grade[1]);
    }
    for (int k = 2; k <= n; ++k) {
        lines.push_back(form.txt_grade[at(k - 1)]);
        lines.push_back(form.lbl_grade[at(k)]);
    }
    return lines;
}

void write_scale_file(const ProgramState& state, const std::string& path) {
    write_lines_atomic(path, scale_file_lines(state));
}

Outcome load_scale_text(ProgramState& state, std::string_view contents, bool store) {
    Outcome outcome;
    const std::optional<std::string> text = single_byte_text(contents, outcome);
    if (!text) {
        return outcome;
    }
    AnalysisSettings& settings = state.settings;
    GradeForm& form = state.grade_form;
    LineReader reader(*text);
    const bool user = reader.next() == user_line;
    const std::string count_text = reader.next();
    const auto count = parse_int(count_text);
    if (!count) {
        outcome.refuse(conversion_error(count_text, "integer"));
        return outcome;
    }
    if (user) {
        outcome.append(select_user_scheme(state, std::to_string(*count)));
        outcome.refused = false;  // a count the box does not take only shows its message
    } else {
        select_grade_preset(state, *count);
    }
    const int n = std::clamp(settings.num_grade_cats, 0, max_grade_categories);
    auto read_label = [&](int k) {
        form.lbl_grade[at(k)] = reader.next();
        if (store) {
            settings.grade_label[at(k)] = cut(form.lbl_grade[at(k)], stored_label_length);
        }
    };
    if (n >= 1) {
        read_label(1);
    }
    for (int k = 2; k <= n; ++k) {
        const std::string percent = reader.next();
        form.txt_grade[at(k - 1)] = percent;
        if (store) {
            const auto value = parse_real(percent, typed_separators(state));
            if (!value) {
                outcome.refuse(conversion_error(percent, "floating point"));
                return outcome;
            }
            settings.grade_min_percent[at(k - 1)] = *value;
            settings.grade_min_percent_text[at(k - 1)] = percent;
        }
        read_label(k);
    }
    if (store) {
        settings.grade_values_set = true;
    }
    return outcome;
}

Outcome load_scale_file(ProgramState& state, const std::string& path, bool store) {
    return load_scale_text(state, read_file(path, scale_file_max_bytes), store);
}

void delete_saved_defaults(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::path(folder) / default_scale_file, ignored);
}

Outcome open_grade_dialog(ProgramState& state, const std::string& folder) {
    // The sentence over the rows comes back with the next choice of a scheme.
    state.grade_form.lbl_set.clear();
    const auto path = std::filesystem::path(folder) / default_scale_file;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return {};
    }
    return load_scale_file(state, path.string(), true);
}

Outcome use_grade_letters(ProgramState& state, const std::string& path) {
    Outcome outcome;
    std::error_code ec;
    if (!path.empty() && std::filesystem::is_regular_file(path, ec)) {
        outcome = load_scale_file(state, path, false);
        if (outcome.refused) {
            return outcome;
        }
    }
    AnalysisSettings& settings = state.settings;
    settings.band_use_raw = false;
    settings.band_use_percent = false;
    settings.band_use_letters = true;
    settings.grade_values_set = true;
    outcome.append(grade_scale_ok(state));
    return outcome;
}

}  // namespace kor
