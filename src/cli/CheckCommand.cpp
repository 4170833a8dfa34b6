// kor check FILE.kor: reads an input file and loads it as "Close && Analyze"
// does, then prints a one-line summary.

#include <memory>
#include <ostream>

#include "CliCommon.h"
#include "core/FileIO.h"

namespace kor {

namespace {

std::string grading_text(int categories) {
    if (categories == 0) {
        return "no grading categories";
    }
    return std::to_string(categories) +
           (categories == 1 ? " grading category" : " grading categories");
}

std::string summary_line(const ProgramState& state, const std::string& path) {
    const TTestData& data = state.data;
    return file_name_of(path) + ": " + std::to_string(data.num_examinees) + " examinees, " +
           std::to_string(data.num_items) + " items, " + std::to_string(data.num_included_items) +
           " included, " + "label length " + std::to_string(data.label_length) +
           ", partial credit " + (data.partial_credit_on ? "on" : "off") + ", " +
           grading_text(state.settings.num_grade_cats);
}

int run_check(const std::string& path, KeyCheck key_check, CommandContext& context) {
    Application app{WayBackToFirstLines::not_offered};
    if (auto refused = open_input_file(app, path, context.err)) {
        return *refused;
    }
    if (auto refused = close_and_load(app, context.err, EditorExit::close_and_analyze, key_check)) {
        return *refused;
    }
    context.out << summary_line(app.state(), path) << '\n';
    return exit_ok;
}

}  // namespace

void add_check_command(CLI::App& app, CommandContext& context) {
    auto path = std::make_shared<std::string>();
    CLI::App* check = app.add_subcommand(
        "check", "Read an input file and check its data as \"Close && Analyze\" does");
    auto strict = std::make_shared<bool>(false);
    check->add_option("FILE", *path, "input file (.kor)")->required();
    check->add_flag("--strict", *strict, "refuse a key character that cannot mean what was typed");
    check->callback([path, strict, &context] {
        context.exit_code = run_check(*path, *strict ? KeyCheck::strict : KeyCheck::warn, context);
    });
}

}  // namespace kor
