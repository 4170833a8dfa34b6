#include "KorCli.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "core/FileIO.h"
#include "core/VariablesUnit.h"
#include "core/data/InputFile.h"
#include "core/data/Loader.h"

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

}  // namespace

int run_kor(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app{"KOR (Korvath): item analysis of multiple-choice tests", "kor"};
    app.set_version_flag("--version", std::string("kor ") + KOR_VERSION_TEXT);
    app.require_subcommand(1);

    std::string check_path;
    CLI::App* check = app.add_subcommand("check", "Read an input file and check its data as \"Close && Analyze\" does");
    check->add_option("FILE", check_path, "input file (.kor)")->required();

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
    return exit_usage;
}

}  // namespace kor
