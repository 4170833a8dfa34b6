#include "CliCommon.h"

#include <ostream>

#include "core/FileIO.h"
#include "core/TextUtil.h"
#include "core/VariablesUnit.h"
#include "core/data/InputFile.h"
#include "core/data/Loader.h"

namespace kor {

namespace {

std::string terminal_text(const std::string& message) {
    std::string text;
    for (char c : message) {
        if (c != '\r') {
            text += c;
        }
    }
    return text;
}

// The reader's refusal of a file that does not start like an input file.
bool is_foreign_file_refusal(const Outcome& read) {
    return read.refused && !read.messages.empty() &&
           read.messages.back().rfind("Sorry, your input file was not created by KOR", 0) == 0;
}

constexpr const char* import_hint =
    "On the command line, kor import FILE --format v3|v4|v5|text|text-with-key|testscore "
    "-o OUT.kor turns older input files and text files into input files; the README and "
    "docs/formats.md describe the formats.";

}  // namespace

void print_messages(const Outcome& outcome, std::ostream& err) {
    for (const std::string& message : outcome.messages) {
        err << terminal_text(message) << '\n';
    }
}

std::optional<int> open_input_file(ProgramState& state, const std::string& path, std::ostream& err) {
    try {
        const Outcome read = read_input_file(state, path);
        print_messages(read, err);
        if (is_foreign_file_refusal(read)) {
            err << import_hint << '\n';
        }
        if (read.refused) {
            return exit_refused;
        }
    } catch (const FileError& error) {
        err << error.what() << '\n';
        return exit_refused;
    }
    return std::nullopt;
}

std::optional<int> close_and_load(ProgramState& state, std::ostream& err) {
    const EditorCloseResult closed = close_editor(state, EditorExit::close_and_analyze);
    print_messages(closed.outcome, err);
    if (closed.show_editor_again) {
        return exit_refused;
    }
    return std::nullopt;
}

int write_text_output(const std::string& text, const std::string& path, std::ostream& out, std::ostream& err) {
    if (path == "-") {
        out << text;
        return exit_ok;
    }
    try {
        write_lines_atomic(path, split_lines(text));
    } catch (const FileError& error) {
        err << error.what() << '\n';
        return exit_refused;
    }
    print_written(path, err);
    return exit_ok;
}

void print_written(const std::string& path, std::ostream& err) {
    err << "Wrote " << path << '\n';
}

void print_written(const std::vector<std::string>& paths, std::ostream& err) {
    for (const std::string& path : paths) {
        print_written(path, err);
    }
}

std::optional<int> refuse_clashing_targets(const std::vector<std::string>& targets,
                                           const std::string& source, std::ostream& err) {
    std::vector<std::string> files;
    for (const std::string& target : targets) {
        if (!target.empty()) {
            files.push_back(target);
        }
    }
    if (const std::optional<std::string> refusal = write_targets_refusal(files, source)) {
        err << *refusal << '\n';
        return exit_refused;
    }
    return std::nullopt;
}

}  // namespace kor
