#include "app/Application.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <utility>

#include "app/Analyze.h"
#include "app/Examples.h"
#include "app/Guarded.h"
#include "app/forms/GenForm.h"
#include "app/forms/InputFileForms.h"
#include "core/Encoding.h"
#include "core/FileIO.h"
#include "core/data/Conversions.h"
#include "core/data/TextImport.h"
#include "reports/CsvResults.h"
#include "reports/DifCsv.h"
#include "reports/GradeReports.h"
#include "reports/HtmlReport.h"
#include "reports/ViewerText.h"

namespace kor {

namespace {

bool has_spreadsheet_extension(const std::string& path) {
    const std::string name = file_name_of(path);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) {
        return false;
    }
    std::string extension = name.substr(dot + 1);
    for (char& c : extension) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return extension == "csv" || extension == "tsv";
}

// A digest of the data set as its input file would hold it, leaving out the
// analysis settings that travel with it: equal digests mean unchanged data.
// The lines and their lengths are mixed in eight bytes at a time (the step of
// FNV-1a with a rotation, so that every bit reaches every other); the digest
// is only ever compared within one run.
std::uint64_t data_set_digest(const ProgramState& state) {
    std::uint64_t hash = 14695981039346656037ULL;
    const auto mix = [&hash](std::uint64_t word) {
        hash = std::rotl((hash ^ word) * 1099511628211ULL, 29);
    };
    visit_data_set_lines(state, [&mix](std::string_view line) {
        std::size_t k = 0;
        for (; k + 8 <= line.size(); k += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, line.data() + k, 8);
            mix(word);
        }
        std::uint64_t tail = 0;
        std::memcpy(&tail, line.data() + k, line.size() - k);
        mix(tail);
        mix(line.size());
    });
    return hash;
}

Outcome from_saved(const SavedFiles& saved) {
    Outcome outcome = saved.outcome;
    outcome.written.insert(outcome.written.begin(), saved.paths.begin(), saved.paths.end());
    return outcome;
}

}  // namespace

Application::Application() : Application(WayBackToFirstLines::offered) {}

Application::Application(WayBackToFirstLines way_back) : state_(std::make_unique<ProgramState>()) {
    state_->data.keeps_original_lines = way_back == WayBackToFirstLines::offered;
    mark_data_saved();
}

// A state analysed elsewhere keeps its results as those of its data.
Application::Application(std::unique_ptr<ProgramState> state) : state_(std::move(state)) {
    mark_data_saved();
    if (state_->results.analysed) {
        analysed_data_ = saved_data_;
    }
}

void Application::mark_data_saved() {
    saved_data_ = data_set_digest(*state_);
}

bool Application::has_unsaved_changes() const {
    return data_set_digest(*state_) != saved_data_;
}

Outcome Application::open_input_file(const std::string& path, InputLayout layout) {
    Outcome outcome =
        guarded([&](Outcome& read) { read.append(read_input_file(*state_, path, layout)); });
    if (outcome.accepted()) {
        mark_data_saved();
    }
    return changed_data_and_settings(std::move(outcome));
}

Outcome Application::open_example(const std::string& name) {
    Outcome outcome;
    const ExampleInfo* example = find_example(name);
    if (example == nullptr) {
        outcome.refuse("There is no example called \"" + name + "\"");
        return changed_data_and_settings(std::move(outcome));
    }
    outcome = example->run(*state_);
    if (outcome.accepted()) {
        mark_data_saved();
    }
    return changed_data_and_settings(std::move(outcome));
}

bool Application::is_example(const std::string& name) {
    return find_example(name) != nullptr;
}

std::string Application::example_names(const std::string& separator) {
    std::string names;
    for (const ExampleEntry& example : examples()) {
        names += (names.empty() ? "" : separator) + example.name;
    }
    return names;
}

std::vector<Application::ExampleEntry> Application::examples() {
    std::vector<ExampleEntry> entries;
    for (const ExampleInfo& example : example_list()) {
        entries.push_back({std::string(example.name), example.title});
    }
    return entries;
}

Outcome Application::insert_text_file(const std::string& path, TextSource source) {
    return changed_data(guarded([&](Outcome& outcome) {
        outcome.append(on_editor_boxes(source == TextSource::text
                                           ? kor::insert_text_file(*state_, path)
                                           : insert_data_and_key_file(*state_, path)));
    }));
}

Outcome Application::import_testscore_data() {
    return changed_data(kor::import_testscore_data(*state_));
}

void Application::start_generator() {
    gen_dialog_start(*state_);
}

Outcome Application::generate() {
    Outcome outcome = gen_generate_click(*state_);
    if (outcome.accepted()) {
        gen_dialog_finish(*state_);
        mark_data_saved();  // made again from its seed at will
    }
    return changed_data(std::move(outcome));
}

Outcome Application::cancel_generator() {
    gen_cancel_click(*state_);
    gen_dialog_finish(*state_);
    return changed_data({});
}

bool Application::is_foreign_file(const std::string& path) const {
    try {
        return !is_input_file_text(file_bytes(read_file(path, csv_file_max_bytes)).text);
    } catch (const FileError&) {
        return false;  // the reader reports why it cannot be read
    }
}

bool Application::is_spreadsheet_file(const std::string& path) const {
    std::string bytes;
    try {
        bytes = read_file(path, csv_file_max_bytes);
    } catch (const FileError&) {
        return false;  // the input file's reader reports why it cannot be read
    }
    // Both tests read only the delimiters and the letters of the input
    // file's first line, which UTF-8 and single-byte text write alike.
    const std::string_view text = file_bytes(bytes).text;
    if (is_input_file_text(text)) {
        return false;
    }
    return has_spreadsheet_extension(path) || looks_like_csv(text);
}

CsvPlan Application::plan_csv_import(const std::string& path, const CsvOptions& options,
                                     const CsvSideFiles& side) const {
    CsvPlan plan;
    try {
        CsvOptions with_files = options;
        if (!side.key_file.empty()) {
            with_files.key_file = CsvNamedFile{file_name_of(side.key_file),
                                               read_file(side.key_file, csv_file_max_bytes)};
        }
        if (!side.versions_map.empty()) {
            with_files.versions_map = CsvNamedFile{
                file_name_of(side.versions_map), read_file(side.versions_map, csv_file_max_bytes)};
        }
        return kor::plan_csv_import(read_file(path, csv_file_max_bytes), file_name_of(path),
                                    with_files);
    } catch (const FileError& error) {
        plan.outcome.refuse(error.what());
    }
    return plan;
}

Outcome Application::apply_csv_plan(const CsvPlan& plan, const std::string& path) {
    if (!plan.mapping) {
        return changed_data_and_settings(plan.outcome);  // refused with the reason
    }
    fill_editor_from_csv(*state_, *plan.mapping, path);
    mark_data_saved();
    return changed_data_and_settings({});
}

CsvPlan Application::import_csv(const std::string& path, const CsvOptions& options,
                                const CsvSideFiles& side) {
    CsvPlan plan = plan_csv_import(path, options, side);
    if (plan.mapping) {
        plan.outcome.append(apply_csv_plan(plan, path));
    }
    return plan;
}

Outcome Application::start_hidden_generate() {
    TTestData& data = state_->data;
    data.data_are_right_wrong = false;
    refresh_convert_menu();
    data.editor_start_mode = start_generate_fixed;
    data.opened_from_file = false;
    data.data_set_name.clear();
    state_->settings.change_seed_each_call = false;
    data.editor_load_failed = true;
    return changed_data_and_settings({});
}

EditorCloseResult Application::close_editor(EditorExit how, KeyCheck key_check) {
    EditorCloseResult result = kor::close_editor(*state_, how);
    if (key_check == KeyCheck::strict && !result.show_editor_again &&
        !result.key_warnings.empty()) {
        return_to_editor();
        result.outcome.refuse(
            "Nothing was analysed: with strict checking every ANSWER KEY warning is an error");
        result.show_editor_again = true;
        result.start_analysis = false;
        result.enable_analyze = false;
        result.enable_view_buttons = false;
    }
    result.outcome.changed.data = true;
    return result;
}

Outcome Application::return_to_editor() {
    TTestData& data = state_->data;
    data.data_loaded = false;
    data.editor_load_failed = true;
    data.editor_start_mode = start_nothing;
    state_->analyze_on_return = false;
    return changed_data({});
}

Outcome Application::new_data_set() {
    kor::new_data_set(*state_);
    mark_data_saved();
    return changed_data_and_settings({});
}

Outcome Application::show_example_data() {
    kor::show_example_data(*state_);
    mark_data_saved();
    return changed_data({});
}

EditorStartAction Application::editor_startup() {
    refresh_convert_menu();
    const bool new_data = state_->data.editor_start_mode != start_nothing;
    const EditorStartAction action = kor::editor_startup(*state_);
    if (new_data) {
        mark_data_saved();
    }
    return action;
}

Outcome Application::analyze(ExamineeOutput examinee_output) {
    Outcome outcome = analyze_and_report(*state_, examinee_output);
    analysed_data_.reset();
    if (outcome.accepted()) {
        analysed_data_ = data_set_digest(*state_);
        for (const std::string& warning : state_->results.warnings) {
            outcome.show(warning);
        }
        outcome.changed.results = true;
    }
    return outcome;
}

std::vector<std::string> Application::report_lines(ReportKind kind, Outcome& messages) {
    const ProgramState& state = *state_;
    switch (kind) {
        case ReportKind::examinees:
            write_examinee_output_if_left(*state_);
            return quick_examinee_view(state, state.report_texts.examinees);
        case ReportKind::items:
            return quick_item_view(state, state.report_texts.items);
        case ReportKind::options:
            return quick_options_view(state);
        case ReportKind::full:
            return state.report_texts.results_box;
        case ReportKind::grades: {
            GradeReport grades = grade_report_view(*state_);
            messages.append(grades.outcome);
            return std::move(grades.lines);
        }
    }
    return {};
}

std::vector<std::string> Application::examinee_pane() const {
    return state_->report_texts.examinee_pane;
}

std::vector<std::string> Application::item_pane() const {
    return state_->report_texts.item_pane;
}

Outcome Application::check_targets(const std::vector<std::string>& targets) const {
    return check_targets(targets, state_->data.input_file_path);
}

Outcome Application::check_targets(const std::vector<std::string>& targets,
                                   const std::string& source) const {
    Outcome outcome;
    std::vector<std::string> files;
    for (const std::string& target : targets) {
        if (!target.empty()) {
            files.push_back(target);
        }
    }
    if (const std::optional<std::string> refusal = write_targets_refusal(files, source)) {
        outcome.refuse(*refusal);
    }
    return outcome;
}

bool Application::results_are_current() const {
    return state_->results.analysed && analysed_data_ &&
           *analysed_data_ == data_set_digest(*state_);
}

Outcome Application::check_results_current() const {
    Outcome outcome;
    if (!analysed_data_) {
        outcome.refuse("There are no results to save: analyse the data first");
    } else if (!results_are_current()) {
        outcome.refuse(stale_results_refusal);
    }
    return outcome;
}

Outcome Application::check_save_results(const std::string& path, const SaveChoices& choices,
                                        const std::vector<std::string>& other_targets) const {
    Outcome outcome;
    if (const auto refusal = save_results_refusal(*state_, path, choices, other_targets)) {
        outcome.refuse(*refusal);
    }
    return outcome;
}

Outcome Application::save_results(const std::string& path, const SaveChoices& choices,
                                  const std::vector<std::string>& other_targets) {
    if (Outcome stale = check_results_current(); stale.refused) {
        return stale;
    }
    if (Outcome checked = check_save_results(path, choices, other_targets); checked.refused) {
        return checked;
    }
    write_examinee_output_if_left(*state_);
    return guarded([&](Outcome& outcome) {
        outcome.append(from_saved(kor::save_results(*state_, path, choices)));
    });
}

Outcome Application::save_grade_reports(const std::string& path) {
    if (Outcome stale = check_results_current(); stale.refused) {
        return stale;
    }
    Outcome outcome = check_targets({path});
    if (outcome.refused) {
        return outcome;
    }
    return guarded([&](Outcome& saved) {
        saved.append(kor::save_grade_reports(*state_, path));
        if (saved.accepted()) {
            saved.wrote(path);
        }
    });
}

Outcome Application::save_item_stats(const std::string& path) {
    if (Outcome stale = check_results_current(); stale.refused) {
        return stale;
    }
    Outcome outcome = check_targets({path});
    if (outcome.refused) {
        return outcome;
    }
    return guarded([&](Outcome& saved) {
        kor::save_item_stats(*state_, path);
        saved.wrote(path);
    });
}

Outcome Application::save_zero_one_data(const std::string& path, ZeroOneLayout layout) {
    return changed_data(write_zero_one_data(path, layout));
}

Outcome Application::write_zero_one_data(const std::string& path, ZeroOneLayout layout) {
    // The editor's export converts the data as they stand; the main window's
    // writes the responses of the last analysis.
    if (layout == ZeroOneLayout::main_window) {
        if (Outcome stale = check_results_current(); stale.refused) {
            return stale;
        }
    }
    Outcome outcome = check_targets({path});
    if (outcome.refused) {
        return outcome;
    }
    // The export converts the data to right-wrong and back, loading them on
    // the way: the data of the last analysis, loaded again and given back as
    // they were, keep their results.
    const bool analysed = results_are_current();
    const std::uint64_t before = data_set_digest(*state_);
    outcome = guarded([&](Outcome& saved) {
        saved.append(
            on_editor_boxes(kor::save_zero_one_data(*state_, convert_menu_, path, layout)));
        if (saved.accepted()) {
            saved.wrote(path);
        }
    });
    if (analysed && data_set_digest(*state_) == before) {
        state_->results.analysed = true;
    }
    return outcome;
}

Outcome Application::save_alt_files(const std::string& base) {
    if (Outcome stale = check_results_current(); stale.refused) {
        return stale;
    }
    Outcome outcome = check_targets(alt_file_paths(base));
    if (outcome.refused) {
        return outcome;
    }
    return guarded([&](Outcome& saved) {
        for (const std::string& path : kor::save_alt_files(*state_, base)) {
            saved.wrote(path);
        }
    });
}

Outcome Application::save_viewer_file(QuickReport report,
                                      const std::vector<std::string>& viewer_lines,
                                      const std::string& path) {
    if (Outcome stale = check_results_current(); stale.refused) {
        return stale;
    }
    return guarded([&](Outcome& outcome) {
        outcome.append(from_saved(kor::save_viewer_file(*state_, report, viewer_lines, path)));
    });
}

bool Application::is_own_input_file(const std::string& path) const {
    const TTestData& data = state_->data;
    if (!data.opened_from_file || data.input_file_path.empty() ||
        !same_file(path, data.input_file_path)) {
        return false;
    }
    try {
        return is_input_file_text(read_file(path, input_file_max_bytes));
    } catch (const FileError&) {
        return false;  // what cannot be read is not replaced
    }
}

Outcome Application::save_input_file(const std::string& path) {
    const std::string& source =
        is_own_input_file(path) ? std::string() : state_->data.input_file_path;
    Outcome outcome = check_targets({path}, source);
    if (outcome.refused) {
        return outcome;
    }
    outcome = guarded([&](Outcome& saved) {
        write_input_file(*state_, path);
        saved.wrote(path);
    });
    if (outcome.accepted()) {
        mark_data_saved();
    }
    return outcome;
}

std::string Application::proposed_input_file_name(const std::string& map_name) const {
    const TTestData& data = state_->data;
    if (data.opened_from_file && !data.input_file_path.empty()) {
        return strip_extension(data.input_file_path);
    }
    return map_name == unsaved_name ? std::string() : map_name;
}

std::vector<std::string> Application::input_file_lines() const {
    return kor::input_file_lines(*state_);
}

Outcome Application::save_text_file(const std::string& path,
                                    const std::vector<std::string>& lines) {
    Outcome outcome = check_targets({path});
    if (outcome.refused) {
        return outcome;
    }
    return guarded([&](Outcome& saved) {
        write_lines_atomic(path, lines);
        saved.wrote(path);
    });
}

Outcome Application::save_text_file(const std::string& path,
                                    const std::function<void(TextSink&)>& produce) {
    Outcome outcome = check_targets({path});
    if (outcome.refused) {
        return outcome;
    }
    return guarded([&](Outcome& saved) {
        write_atomic(path, produce);
        saved.wrote(path);
    });
}

Outcome Application::save_current_results(
    const std::string& path, std::vector<std::string> (*lines_of)(const AnalysisState&)) {
    if (Outcome stale = check_results_current(); stale.refused) {
        return stale;
    }
    return save_text_file(path, lines_of(*state_));
}

Outcome Application::save_scores_csv(const std::string& path) {
    return save_current_results(path, scores_csv_lines);
}

Outcome Application::save_options_csv(const std::string& path) {
    return save_current_results(path, options_csv_lines);
}

Outcome Application::save_items_csv(const std::string& path) {
    return save_current_results(path, items_csv_lines);
}

Outcome Application::save_missing_answers_csv(const std::string& path) {
    return save_current_results(path, missing_answers_csv_lines);
}

Outcome Application::save_dif_csv(const std::string& path) {
    if (Outcome stale = check_results_current(); stale.refused) {
        return stale;
    }
    if (!state_->results.dif) {
        Outcome refused;
        refused.refuse(
            "The results hold no comparison of groups for differential item functioning: "
            "choose a reference and a focal group before the analysis; its warnings tell why "
            "a choice gave none");
        return refused;
    }
    return save_text_file(path, dif_csv_lines(*state_->results.dif));
}

Outcome Application::save_html_report(const std::string& path) {
    if (Outcome stale = check_results_current(); stale.refused) {
        return stale;
    }
    return save_text_file(path, html_report_lines(*state_));
}

Outcome Application::export_raw_data(const std::string& path) {
    Outcome outcome = check_targets({path});
    if (outcome.refused) {
        return outcome;
    }
    return guarded([&](Outcome& saved) {
        save_raw_data(*state_, path);
        saved.wrote(path);
    });
}

Outcome Application::export_data_only(const std::string& path) {
    Outcome outcome = check_targets({path});
    if (outcome.refused) {
        return outcome;
    }
    return guarded([&](Outcome& saved) {
        save_data_only(*state_, path);
        saved.wrote(path);
    });
}

Outcome Application::convert(Conversion conversion) {
    return changed_data(convert_data(conversion));
}

Outcome Application::convert_data(Conversion conversion) {
    Outcome outcome;
    switch (conversion) {
        case Conversion::right_wrong:
            return on_editor_boxes(convert_to_right_wrong(*state_, convert_menu_));
        case Conversion::letters:
            return on_editor_boxes(convert_to_letters(*state_, convert_menu_));
        case Conversion::numbers:
            return on_editor_boxes(convert_to_numbers(*state_, convert_menu_));
        case Conversion::back_from_right_wrong:
            convert_back_from_right_wrong(*state_, convert_menu_);
            break;
        case Conversion::back_to_original_lines:
            convert_back_to_original_lines(*state_, convert_menu_);
            break;
    }
    return outcome;
}

Outcome Application::toggle_right_wrong() {
    kor::toggle_right_wrong(*state_, convert_menu_);
    return changed_data({});
}

void Application::refresh_convert_menu() {
    // Each toggle enters a state with its heading; two return to the flag's own.
    kor::toggle_right_wrong(*state_, convert_menu_);
    kor::toggle_right_wrong(*state_, convert_menu_);
}

}  // namespace kor
