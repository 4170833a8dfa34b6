// kor analyze FILE.kor: opens the file, applies the settings given, loads it
// as "Close && Analyze" does and runs the analysis. A spreadsheet (CSV) file
// is read into the editor's boxes first, as its import does.

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "CliCommon.h"
#include "CsvFlags.h"
#include "app/forms/GradingScaleFile.h"
#include "app/forms/GroupForm.h"
#include "app/forms/MainCommands.h"
#include "app/forms/ProblemItemForm.h"
#include "core/FileIO.h"
#include "reports/AnalysisJson.h"

namespace kor {

namespace {

// The analysis settings a command line may give; each is checked by the
// same step as the dialog or menu command that sets it in the windows.
struct AnalysisFlags {
    std::string path;
    std::string example;
    std::vector<std::string> reports;
    std::string json_path;
    std::string sort_examinees;
    std::string sort_items;
    std::string bands;
    bool absolute_percentages = false;
    std::string grading;
    bool no_problem_items = false;
    std::string criteria;
    std::string groups;
    std::string version_label;  // label columns, such as 12 or 12-13
    std::string group_label;
    std::string dif;  // REFERENCE,FOCAL
    std::string ci_level;
    std::string bands_error;
    std::string not_reached;
    bool strict = false;

    // Files written after the analysis.
    std::string save_path;
    bool no_exm = false;
    bool no_itm = false;
    bool no_opt = false;
    bool rpt = false;
    bool no_kor = false;
    std::string grade_reports_path;
    std::string item_stats_path;
    std::string zero_one_path;
    std::string alt_base;
    std::string scores_csv_path;
    std::string options_csv_path;
    std::string items_csv_path;
    std::string missing_csv_path;
    std::string dif_csv_path;
    std::string html_path;

    // How a spreadsheet file is read.
    CsvFlags csv;

    bool writes_files() const {
        return !save_path.empty() || !grade_reports_path.empty() || !item_stats_path.empty() ||
               !zero_one_path.empty() || !alt_base.empty() || !scores_csv_path.empty() ||
               !options_csv_path.empty() || !items_csv_path.empty() || !missing_csv_path.empty() ||
               !dif_csv_path.empty() || !html_path.empty();
    }
};

std::vector<std::string> comma_list(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const auto comma = text.find(',', start);
        parts.push_back(
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) {
            return parts;
        }
        start = comma + 1;
    }
}

// A refused value prints the dialog's message and gives the usage exit code.
std::optional<int> refused_flag(const Outcome& outcome, std::ostream& err) {
    print_messages(outcome, err);
    return outcome.refused ? std::optional<int>(exit_usage) : std::nullopt;
}

// The criteria and groups flags: the values typed into their dialogs' boxes,
// then the dialogs' OK.
std::optional<int> apply_criteria_and_groups(Application& app, const AnalysisFlags& flags,
                                             std::ostream& err) {
    if (!flags.criteria.empty()) {
        const auto parts = comma_list(flags.criteria);
        if (parts.size() != 5) {
            err << "--criteria takes five values: LOW,HIGH,D,PBIS,ADJ\n";
            return exit_usage;
        }
        ProblemItemForm form = app.state().problem_form;
        form.txt_crit_plo = parts[0];
        form.txt_crit_phi = parts[1];
        form.txt_crit_d = parts[2];
        form.txt_crit_r = parts[3];
        form.txt_crit_a = parts[4];
        form.chk_suggest = app.state().settings.suggest_problem_items;
        if (auto refused = refused_flag(app.set_problem_criteria(form), err)) {
            return refused;
        }
    }
    if (!flags.groups.empty()) {
        const auto parts = comma_list(flags.groups);
        if (parts.size() != 2) {
            err << "--groups takes two values: TOP,BOTTOM\n";
            return exit_usage;
        }
        return refused_flag(app.set_groups(parts[0], parts[1]), err);
    }
    return std::nullopt;
}

// The label columns of the versions and groups, and the groups compared,
// once the data are loaded and the labels known.
std::optional<int> apply_label_flags(Application& app, const AnalysisFlags& flags,
                                     std::ostream& err) {
    if (!flags.version_label.empty()) {
        if (auto refused = refused_flag(app.set_version_label(flags.version_label), err)) {
            return refused;
        }
    }
    if (!flags.group_label.empty()) {
        if (auto refused = refused_flag(app.set_group_label(flags.group_label), err)) {
            return refused;
        }
    }
    if (flags.dif.empty()) {
        return std::nullopt;
    }
    const auto parts = comma_list(flags.dif);
    if (parts.size() != 2) {
        err << "--dif takes two groups: REFERENCE,FOCAL\n";
        return exit_usage;
    }
    return refused_flag(app.set_dif_groups(parts[0], parts[1]), err);
}

// The confidence level of the KR20 interval, the bands' error and how the
// answers not reached count; the names were checked when parsed.
std::optional<int> apply_precision_flags(Application& app, const AnalysisFlags& flags,
                                         std::ostream& err) {
    if (const auto level = ci_level_named(flags.ci_level)) {
        if (auto refused = refused_flag(app.set_ci_level(*level), err)) {
            return refused;
        }
    }
    if (const auto error = bands_error_named(flags.bands_error)) {
        app.set_bands_error(*error);
    }
    if (const auto use = not_reached_named(flags.not_reached)) {
        app.set_not_reached(*use);
    }
    return std::nullopt;
}

// Applies the flags as the menu commands and dialogs would. A scale file is
// applied as "Use Grade Letters in Confidence Bands" applies kor.ini.
std::optional<int> apply_analysis_flags(Application& app, const AnalysisFlags& flags,
                                        std::ostream& err) {
    if (!flags.grading.empty()) {
        if (auto refused = refused_flag(app.use_grading_file(flags.grading), err)) {
            return refused;
        }
    }
    // The flags' names were checked against the same tables when parsed.
    if (const auto order = examinee_order_named(flags.sort_examinees)) {
        app.choose_examinee_order(*order);
    }
    if (const auto order = item_order_named(flags.sort_items)) {
        app.choose_item_order(*order);
    }
    if (const auto unit = band_unit_named(flags.bands)) {
        app.set_band_unit(*unit);
    }
    if (flags.absolute_percentages) {
        app.set_grade_rounding(false);
    }
    if (flags.no_problem_items) {
        app.set_problem_item_suggestions(false);
    }
    if (auto refused = apply_precision_flags(app, flags, err)) {
        return refused;
    }
    return apply_criteria_and_groups(app, flags, err);
}

// The check boxes' start values, less what the flags leave out.
SaveChoices save_choices(const ProgramState& state, const AnalysisFlags& flags) {
    SaveChoices choices = save_choices_of(state);
    choices.exm = choices.exm && !flags.no_exm;
    choices.itm = choices.itm && !flags.no_itm;
    choices.opt = choices.opt && !flags.no_opt;
    choices.rpt = choices.rpt || flags.rpt;
    choices.kor = choices.kor && !flags.no_kor;
    return choices;
}

// The files the flags name besides the results file and its companions, in
// the order they are written; "-" (standard output) is no file.
std::vector<std::string> other_targets(const AnalysisFlags& flags) {
    std::vector<std::string> targets;
    for (const std::string* path :
         {&flags.grade_reports_path, &flags.item_stats_path, &flags.zero_one_path}) {
        if (!path->empty()) {
            targets.push_back(*path);
        }
    }
    if (!flags.alt_base.empty()) {
        const std::vector<std::string> alt = alt_file_paths(flags.alt_base);
        targets.insert(targets.end(), alt.begin(), alt.end());
    }
    for (const std::string* path :
         {&flags.scores_csv_path, &flags.options_csv_path, &flags.items_csv_path,
          &flags.missing_csv_path, &flags.dif_csv_path, &flags.html_path}) {
        if (!path->empty()) {
            targets.push_back(*path);
        }
    }
    if (!flags.json_path.empty() && flags.json_path != "-") {
        targets.push_back(flags.json_path);
    }
    return targets;
}

// Every file of the run is checked before the first is written: none may
// replace the input file or another file of the same run.
std::vector<std::string> every_target(const Application& app, const AnalysisFlags& flags) {
    std::vector<std::string> targets;
    if (!flags.save_path.empty()) {
        const SaveChoices choices = save_choices(app.state(), flags);
        targets = results_file_targets(flags.save_path, choices);
        if (choices.kor) {
            targets.push_back(companion_path(flags.save_path, ".kor"));
        }
    }
    const std::vector<std::string> others = other_targets(flags);
    targets.insert(targets.end(), others.begin(), others.end());
    return targets;
}

std::optional<int> refuse_clashes(Application& app, const AnalysisFlags& flags, std::ostream& err) {
    const std::vector<std::string> others = other_targets(flags);
    // A key file read with the data is a source as well.
    for (const std::string& source : csv_sources(flags.csv)) {
        if (auto refused =
                print_outcome(app.check_targets(every_target(app, flags), source), err)) {
            return refused;
        }
    }
    if (flags.save_path.empty()) {
        return refuse_clashing_targets(app, others, err);
    }
    return print_outcome(
        app.check_save_results(flags.save_path, save_choices(app.state(), flags), others), err);
}

// Writes the files asked for, in the order of the flags' help. Stops at the
// first refusal or file-system failure; files already written stay.
std::optional<int> write_files(Application& app, const AnalysisFlags& flags, std::ostream& err) {
    using Save = std::function<Outcome(const std::string&)>;
    const std::pair<const std::string&, Save> files[] = {
        {flags.save_path,
         [&](const std::string& path) {
             return app.save_results(path, save_choices(app.state(), flags));
         }},
        {flags.grade_reports_path,
         [&](const std::string& path) { return app.save_grade_reports(path); }},
        {flags.item_stats_path, [&](const std::string& path) { return app.save_item_stats(path); }},
        {flags.zero_one_path,
         [&](const std::string& path) {
             return app.save_zero_one_data(path, ZeroOneLayout::main_window);
         }},
        {flags.alt_base, [&](const std::string& base) { return app.save_alt_files(base); }},
        {flags.scores_csv_path, [&](const std::string& path) { return app.save_scores_csv(path); }},
        {flags.options_csv_path,
         [&](const std::string& path) { return app.save_options_csv(path); }},
        {flags.items_csv_path, [&](const std::string& path) { return app.save_items_csv(path); }},
        {flags.missing_csv_path,
         [&](const std::string& path) { return app.save_missing_answers_csv(path); }},
        {flags.dif_csv_path, [&](const std::string& path) { return app.save_dif_csv(path); }},
        {flags.html_path, [&](const std::string& path) { return app.save_html_report(path); }},
    };
    for (const auto& [path, save] : files) {
        if (path.empty()) {
            continue;
        }
        if (auto refused = print_outcome(save(path), err)) {
            return refused;
        }
    }
    return std::nullopt;
}

// The data of the run: a built-in example, a spreadsheet file (told by its
// content, or by a spreadsheet flag) or an input file.
std::optional<int> open_data(Application& app, const std::string& path, const AnalysisFlags& flags,
                             std::ostream& err) {
    if (!flags.example.empty()) {
        return open_example(app, flags.example, err);
    }
    if (flags.csv.any() || app.is_spreadsheet_file(path)) {
        return import_csv(app, path, flags.csv, err);
    }
    return open_input_file(app, path, err);
}

// The JSON document goes straight to its file as it is written, lines
// ended by CR LF as in every file the program writes; to standard output
// with plain line ends.
int write_json(Application& app, const std::string& path, std::ostream& out, std::ostream& err) {
    if (path == "-") {
        OstreamSink sink(out);
        write_analysis_json(app.state(), sink);
        return exit_ok;
    }
    const ProgramState& state = app.state();
    return print_outcome(
               app.save_text_file(
                   path, [&state](TextSink& sink) { write_analysis_json(state, sink, "\r\n"); }),
               err)
        .value_or(exit_ok);
}

int print_reports(Application& app, const AnalysisFlags& flags, std::ostream& out,
                  std::ostream& err) {
    for (const std::string& report : flags.reports) {
        Outcome messages;
        out << report_output(app, report, &messages).value_or("");
        if (auto refused = print_outcome(messages, err)) {
            return *refused;
        }
    }
    return exit_ok;
}

int run_analyze(const std::string& path, const AnalysisFlags& flags, std::ostream& out,
                std::ostream& err) {
    Application app{WayBackToFirstLines::not_offered};
    if (auto refused = open_data(app, path, flags, err)) {
        return *refused;
    }
    if (auto refused = refuse_clashes(app, flags, err)) {
        return *refused;
    }
    if (auto refused = apply_analysis_flags(app, flags, err)) {
        return *refused;
    }
    if (auto refused = close_and_load(app, err, EditorExit::close_and_analyze,
                                      flags.strict ? KeyCheck::strict : KeyCheck::warn)) {
        return *refused;
    }
    if (auto refused = apply_label_flags(app, flags, err)) {
        return *refused;
    }
    // Nothing changes between the analysis and the output, so the examinee
    // output is written only if a report or a file shows it.
    if (auto refused = print_outcome(app.analyze(ExamineeOutput::when_asked), err)) {
        return *refused;
    }
    if (auto failed = write_files(app, flags, err)) {
        return *failed;
    }
    if (!flags.json_path.empty()) {
        if (const int written = write_json(app, flags.json_path, out, err); written != exit_ok) {
            return written;
        }
    }
    if (flags.reports.empty()) {
        // Without a report named, the panes are printed only when nothing else was asked for.
        if (!flags.writes_files() && flags.json_path.empty()) {
            out << default_analysis_output(app);
        }
        return exit_ok;
    }
    return print_reports(app, flags, out, err);
}

// The analysis and its choices: what to read, which reports to print, orders,
// bands, grading and the problem-item criteria.
void add_analysis_flags(CLI::App* analyze, AnalysisFlags& flags, CLI::Option*& file,
                        CLI::Option*& example) {
    file = analyze->add_option("FILE", flags.path, "input file (.kor) or spreadsheet file (.csv)");
    example =
        analyze
            ->add_option("--example", flags.example, "analyse a built-in example instead of a file")
            ->type_name("NAME");
    file->excludes(example);
    analyze
        ->add_option("--report", flags.reports, "print the viewer's text of a report (repeatable)")
        ->type_name("REPORT")
        ->check(CLI::IsMember(report_names()));
    analyze
        ->add_option("--json", flags.json_path,
                     "write every result as JSON to OUT (- for standard output)")
        ->type_name("OUT");
    analyze->add_option("--sort-examinees", flags.sort_examinees, "order of the examinees")
        ->check(CLI::IsMember(examinee_order_names()));
    analyze->add_option("--sort-items", flags.sort_items, "order of the items")
        ->check(CLI::IsMember(item_order_names()));
    analyze->add_option("--bands", flags.bands, "unit of the confidence bands")
        ->check(CLI::IsMember(band_unit_names()));
    analyze
        ->add_option("--grading", flags.grading,
                     "apply a grading-scale file, with the bands in letters")
        ->type_name("FILE.ini");
    analyze->add_flag("--absolute-percentages", flags.absolute_percentages,
                      "grade by the percentages as they are, not rounded");
    analyze->add_flag("--no-problem-items", flags.no_problem_items, "do not suggest problem items");
    analyze->add_option("--criteria", flags.criteria, "problem-item criteria")
        ->type_name("LOW,HIGH,D,PBIS,ADJ");
    analyze
        ->add_option("--version-label", flags.version_label,
                     "the label's character columns that hold each examinee's exam version")
        ->type_name("COLUMNS");
    analyze
        ->add_option("--group-label", flags.group_label,
                     "the label's character columns that hold each examinee's group (a section)")
        ->type_name("COLUMNS");
    analyze
        ->add_option("--dif", flags.dif,
                     "differential item functioning (Mantel-Haenszel) of two groups")
        ->type_name("REFERENCE,FOCAL");
    analyze
        ->add_option("--ci-level", flags.ci_level,
                     "confidence of the KR20 interval in the JSON, web page and CSV (0.95)")
        ->check(CLI::IsMember(ci_level_names()));
    analyze
        ->add_option("--bands-error", flags.bands_error,
                     "error of the bands in the JSON, web page and CSV: the one SEM or the "
                     "conditional SEM at each score (sem)")
        ->check(CLI::IsMember(bands_error_names()));
    analyze
        ->add_option("--not-reached", flags.not_reached,
                     "answers not reached in the item difficulties and point-biserials of the "
                     "JSON, web page and CSV: counted wrong or left out (wrong)")
        ->check(CLI::IsMember(not_reached_names()));
    analyze->add_option("--groups", flags.groups, "high and low group percentages")
        ->type_name("TOP,BOTTOM");
    analyze->add_flag("--strict", flags.strict,
                      "refuse a key character that cannot mean what was typed (exit 1) "
                      "instead of warning");
}

// The files written besides the printed reports: the results file with its
// companions, and each export.
void add_output_flags(CLI::App* analyze, AnalysisFlags& flags) {
    auto* save = analyze
                     ->add_option("--save", flags.save_path,
                                  "write the results file and its companions beside it")
                     ->type_name("RESULTS.txt");
    // The companion flags mean nothing without a results file to go with.
    analyze->add_flag("--no-exm", flags.no_exm, "with --save: no quick examinee results (.exm)")
        ->needs(save);
    analyze->add_flag("--no-itm", flags.no_itm, "with --save: no quick item analysis (.itm)")
        ->needs(save);
    analyze->add_flag("--no-opt", flags.no_opt, "with --save: no quick options analysis (.opt)")
        ->needs(save);
    analyze->add_flag("--rpt", flags.rpt, "with --save: also the individual grade reports (.rpt)")
        ->needs(save);
    analyze
        ->add_flag("--no-kor", flags.no_kor, "with --save: no input file beside the results (.kor)")
        ->needs(save);
    analyze
        ->add_option("--grade-reports", flags.grade_reports_path,
                     "write the printable grade reports")
        ->type_name("FILE");
    analyze
        ->add_option("--item-stats", flags.item_stats_path,
                     "write the comma-delimited item statistics")
        ->type_name("FILE");
    analyze
        ->add_option("--01-data", flags.zero_one_path, "write the comma-delimited right-wrong data")
        ->type_name("FILE");
    analyze->add_option("--alt", flags.alt_base, "write the ALT files BASE.alt and BASE.alx")
        ->type_name("BASE");
    analyze
        ->add_option("--scores-csv", flags.scores_csv_path,
                     "write one row per examinee (scores, grade, bands) as CSV")
        ->type_name("FILE");
    analyze
        ->add_option(
            "--options-csv", flags.options_csv_path,
            "write one row per item and option (counts, proportions, point-biserial) as CSV")
        ->type_name("FILE");
    analyze
        ->add_option("--items-csv", flags.items_csv_path,
                     "write one row per item (difficulty, point-biserial, N, skipped and not "
                     "reached answers) as CSV")
        ->type_name("FILE");
    analyze
        ->add_option("--missing-csv", flags.missing_csv_path,
                     "write one row per examinee (answers skipped and not reached, the last "
                     "item answered) as CSV")
        ->type_name("FILE");
    // Without two groups compared there is nothing to write.
    analyze
        ->add_option("--dif-csv", flags.dif_csv_path,
                     "write one row per item of the --dif comparison (Mantel-Haenszel figures, "
                     "class) as CSV")
        ->type_name("FILE")
        ->needs(analyze->get_option("--dif"));
    analyze
        ->add_option("--html", flags.html_path,
                     "write the item-analysis report as one web page with its plots")
        ->type_name("REPORT.html");
}

}  // namespace

void add_analyze_command(CLI::App& app, CommandContext& context) {
    auto flags = std::make_shared<AnalysisFlags>();
    CLI::App* analyze = app.add_subcommand("analyze", "Analyse an input file");
    CLI::Option* file = nullptr;
    CLI::Option* example = nullptr;
    add_analysis_flags(analyze, *flags, file, example);
    add_output_flags(analyze, *flags);
    add_csv_flags(analyze, flags->csv, true);

    analyze->callback([flags, file, example, &context] {
        if (file->count() + example->count() != 1) {
            context.err << "analyze needs an input FILE or --example NAME\n";
            context.exit_code = exit_usage;
            return;
        }
        if (example->count() > 0 && flags->csv.any()) {
            context.err << "the CSV flags read a spreadsheet FILE, not an example\n";
            context.exit_code = exit_usage;
            return;
        }
        // One standard output cannot carry a JSON document and report texts.
        if (flags->json_path == "-" && !flags->reports.empty()) {
            context.err << "--json - and --report both write to standard output: "
                           "name a file for --json or leave out --report\n";
            context.exit_code = exit_usage;
            return;
        }
        context.exit_code = run_analyze(flags->path, *flags, context.out, context.err);
    });
}

}  // namespace kor
