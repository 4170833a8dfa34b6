#include "CliCommon.h"

#include <ostream>

#include "core/TextUtil.h"

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

constexpr const char* import_hint =
    "On the command line, kor import FILE --format v3|v4|v5|text|text-with-key|testscore|csv "
    "-o OUT.kor turns older input files, text files and spreadsheet files into input files, "
    "and kor analyze reads a spreadsheet (CSV) file directly; the README and docs/formats.md "
    "describe the formats.";

}  // namespace

void print_messages(const Outcome& outcome, std::ostream& err) {
    for (const std::string& message : outcome.messages) {
        err << terminal_text(message) << '\n';
    }
}

void print_written(const std::string& path, std::ostream& err) {
    err << "Wrote " << path << '\n';
}

std::optional<int> print_outcome(const Outcome& outcome, std::ostream& err, int refused_code) {
    for (const std::string& path : outcome.written) {
        print_written(path, err);
    }
    print_messages(outcome, err);
    return outcome.refused ? std::optional<int>(refused_code) : std::nullopt;
}

std::optional<int> open_input_file(Application& app, const std::string& path, std::ostream& err) {
    const Outcome read = app.open_input_file(path);
    print_messages(read, err);
    if (read.refused && app.is_foreign_file(path)) {
        err << import_hint << '\n';
    }
    return read.refused ? std::optional<int>(exit_refused) : std::nullopt;
}

std::optional<int> close_and_load(Application& app, std::ostream& err, EditorExit how,
                                  KeyCheck key_check) {
    const EditorCloseResult closed = app.close_editor(how, key_check);
    print_messages(closed.outcome, err);
    return closed.show_editor_again ? std::optional<int>(exit_refused) : std::nullopt;
}

int write_text_output(Application& app, const std::string& text, const std::string& path,
                      std::ostream& out, std::ostream& err) {
    if (path == "-") {
        out << text;
        return exit_ok;
    }
    return print_outcome(app.save_text_file(path, split_lines(text)), err).value_or(exit_ok);
}

std::optional<int> refuse_clashing_targets(const Application& app,
                                           const std::vector<std::string>& targets,
                                           std::ostream& err) {
    return print_outcome(app.check_targets(targets), err);
}

}  // namespace kor
