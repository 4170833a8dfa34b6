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
    return exit_ok;
}

}  // namespace kor
