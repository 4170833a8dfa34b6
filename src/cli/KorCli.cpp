#include "KorCli.h"

#include <CLI/CLI.hpp>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "AnalysisJson.h"
#include "core/FileIO.h"
#include "core/TextUtil.h"
#include "core/analysis/Analysis.h"
#include "core/VariablesUnit.h"
#include "core/data/InputFile.h"
#include "core/data/Loader.h"
#include "core/settings/GroupSettings.h"
#include "core/settings/ProblemCriteria.h"

#ifndef KOR_VERSION_TEXT
#define KOR_VERSION_TEXT "unknown"
#endif

namespace kor {

namespace {

constexpr int exit_ok = 0;
constexpr int exit_refused = 1;
constexpr int exit_usage = 2;

// Message boxes may hold CR LF pairs; a terminal wants plain line ends.
std::string terminal_text(const std::string& message) {
    std::string text;
    for (std::size_t i = 0; i < message.size(); ++i) {
        if (message[i] == '\r') {
            continue;
        }
        text += message[i];
    }
    return text;
}

void print_messages(const Outcome& outcome, std::ostream& err) {
    for (const std::string& message : outcome.messages) {
        err << terminal_text(message) << '\n';
    }
}

std::string grading_text(int categories) {
    if (categories == 0) {
        return "no grading categories";
    }
    return std::to_string(categories) + (categories == 1 ? " grading category" : " grading categories");
}

std::string summary_line(const ProgramState& state, const std::string& path) {
    const TTestData& data = state.data;
    return file_name_of(path) + ": " + std::to_string(data.num_examinees) + " examinees, " +
           std::to_string(data.num_items) + " items, " + std::to_string(data.num_included_items) + " included, " +
           "label length " + std::to_string(data.label_length) + ", partial credit " +
           (data.partial_credit_on ? "on" : "off") + ", " + grading_text(state.settings.num_grade_cats);
}

// Opens an input file and leaves the editor with "Close && Analyze", as a
// user would; prints every message on the way.
int load_input_file(ProgramState& state, const std::string& path, std::ostream& err) {
    try {
        Outcome read = read_input_file(state, path);
        print_messages(read, err);
        if (read.refused) {
            return exit_refused;
        }
    } catch (const FileError& error) {
        err << error.what() << '\n';
        return exit_refused;
    }
    EditorCloseResult closed = close_editor(state, EditorExit::close_and_analyze);
    print_messages(closed.outcome, err);
    return closed.show_editor_again ? exit_refused : exit_ok;
}

int run_check(const std::string& path, std::ostream& out, std::ostream& err) {
    auto state = std::make_unique<ProgramState>();
    const int result = load_input_file(*state, path, err);
    if (result == exit_ok) {
        out << summary_line(*state, path) << '\n';
    }
    return result;
}

// The analysis settings a command line may give; each is checked by the
// same step as the dialog or menu command that sets it in the windows.
struct AnalysisFlags {
    std::string json_path;
    std::string sort_examinees;
    std::string sort_items;
    std::string bands;
    bool absolute_percentages = false;
    bool no_problem_items = false;
    std::string criteria;
    std::string groups;
};

std::vector<std::string> comma_list(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const auto comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) {
            return parts;
        }
        start = comma + 1;
    }
}

void set_examinee_sort(AnalysisSettings& s, const std::string& name) {
    s.sort_exam_none = name == "none";
    s.sort_exam_label = name == "label";
    s.sort_exam_score = name == "score";
}

void set_item_sort(AnalysisSettings& s, const std::string& name) {
    s.sort_item_number = name == "number";
    s.sort_item_diff = name == "difficulty";
    s.sort_item_disc = name == "discrimination";
    s.sort_item_pbis = name == "pbis";
    s.sort_item_adjp = name == "adjpbis";
}

void set_bands(AnalysisSettings& s, const std::string& name) {
    s.band_use_raw = name == "raw";
    s.band_use_percent = name == "percent";
    s.band_use_letters = name == "letters";
}

// Applies the flags; a refused value prints the dialog's message and gives
// the usage exit code.
std::optional<int> apply_analysis_flags(ProgramState& state, const AnalysisFlags& flags, std::ostream& err) {
    AnalysisSettings& settings = state.settings;
    if (!flags.sort_examinees.empty()) {
        set_examinee_sort(settings, flags.sort_examinees);
    }
    if (!flags.sort_items.empty()) {
        set_item_sort(settings, flags.sort_items);
    }
    if (!flags.bands.empty()) {
        set_bands(settings, flags.bands);
    }
    if (flags.absolute_percentages) {
        settings.grade_round_percent = false;
    }
    if (flags.no_problem_items) {
        settings.suggest_problem_items = false;
        state.problem_form.chk_suggest = false;
    }
    if (!flags.criteria.empty()) {
        const auto parts = comma_list(flags.criteria);
        if (parts.size() != 5) {
            err << "--criteria takes five values: LOW,HIGH,D,PBIS,ADJ\n";
            return exit_usage;
        }
        ProblemItemForm& form = state.problem_form;
        form.txt_crit_plo = parts[0];
        form.txt_crit_phi = parts[1];
        form.txt_crit_d = parts[2];
        form.txt_crit_r = parts[3];
        form.txt_crit_a = parts[4];
        form.chk_suggest = settings.suggest_problem_items;
        const Outcome outcome = problem_criteria_ok(state);
        print_messages(outcome, err);
        if (outcome.refused) {
            return exit_usage;
        }
    }
    if (!flags.groups.empty()) {
        const auto parts = comma_list(flags.groups);
        if (parts.size() != 2) {
            err << "--groups takes two values: TOP,BOTTOM\n";
            return exit_usage;
        }
        const Outcome outcome = apply_group_percentages(state, parts[0], parts[1]);
        print_messages(outcome, err);
        if (outcome.refused) {
            return exit_usage;
        }
    }
    return std::nullopt;
}

int write_json(const ProgramState& state, const std::string& path, std::ostream& out, std::ostream& err) {
    const std::string document = analysis_json(state).dump(2) + "\n";
    if (path == "-") {
        out << document;
        return exit_ok;
    }
    try {
        write_lines_atomic(path, split_lines(document));
    } catch (const FileError& error) {
        err << error.what() << '\n';
        return exit_refused;
    }
    return exit_ok;
}

int run_analyze(const std::string& path, const AnalysisFlags& flags, std::ostream& out, std::ostream& err) {
    auto state = std::make_unique<ProgramState>();
    try {
        Outcome read = read_input_file(*state, path);
        print_messages(read, err);
        if (read.refused) {
            return exit_refused;
        }
    } catch (const FileError& error) {
        err << error.what() << '\n';
        return exit_refused;
    }
    if (auto refused = apply_analysis_flags(*state, flags, err)) {
        return *refused;
    }
    EditorCloseResult closed = close_editor(*state, EditorExit::close_and_analyze);
    print_messages(closed.outcome, err);
    if (closed.show_editor_again) {
        return exit_refused;
    }
    Outcome analysed = run_analysis(*state);
    print_messages(analysed, err);
    if (analysed.refused) {
        return exit_refused;
    }
    for (const std::string& warning : state->results.warnings) {
        err << warning << '\n';
    }
    if (flags.json_path.empty()) {
        out << analysis_json(*state)["test"].dump(2) << '\n';
        return exit_ok;
    }
    return write_json(*state, flags.json_path, out, err);
}

}  // namespace

int run_kor(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app{"KOR (Korvath): item analysis of multiple-choice tests", "kor"};
    app.set_version_flag("--version", std::string("kor ") + KOR_VERSION_TEXT);
    app.require_subcommand(1);

    std::string check_path;
    CLI::App* check = app.add_subcommand("check", "Read an input file and check its data as \"Close && Analyze\" does");
    check->add_option("FILE", check_path, "input file (.kor)")->required();

    AnalysisFlags flags;
    std::string analyze_path;
    CLI::App* analyze = app.add_subcommand("analyze", "Analyse an input file");
    analyze->add_option("FILE", analyze_path, "input file (.kor)")->required();
    analyze->add_option("--json", flags.json_path, "write every result as JSON to OUT (- for standard output)")
        ->type_name("OUT");
    analyze->add_option("--sort-examinees", flags.sort_examinees, "order of the examinees")
        ->check(CLI::IsMember({"none", "label", "score"}));
    analyze->add_option("--sort-items", flags.sort_items, "order of the items")
        ->check(CLI::IsMember({"number", "difficulty", "discrimination", "pbis", "adjpbis"}));
    analyze->add_option("--bands", flags.bands, "unit of the confidence bands")
        ->check(CLI::IsMember({"raw", "percent", "letters", "none"}));
    analyze->add_flag("--absolute-percentages", flags.absolute_percentages,
                      "grade by the percentages as they are, not rounded");
    analyze->add_flag("--no-problem-items", flags.no_problem_items, "do not suggest problem items");
    analyze->add_option("--criteria", flags.criteria, "problem-item criteria")->type_name("LOW,HIGH,D,PBIS,ADJ");
    analyze->add_option("--groups", flags.groups, "high and low group percentages")->type_name("TOP,BOTTOM");

    std::vector<const char*> argv;
    argv.reserve(args.size() + 1);
    if (args.empty()) {
        argv.push_back("kor");
    }
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error, out, err);
        return code == 0 ? exit_ok : exit_usage;
    }

    if (check->parsed()) {
        return run_check(check_path, out, err);
    }
    if (analyze->parsed()) {
        return run_analyze(analyze_path, flags, out, err);
    }
    return exit_usage;
}

}  // namespace kor
