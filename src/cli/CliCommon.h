#pragma once
// What the subcommands of `kor` share: exit codes, printing messages, and
// the steps a user takes in the windows to get from a file to an analysis.

#include <CLI/CLI.hpp>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "app/Application.h"
#include "core/Outcome.h"

namespace kor {

inline constexpr int exit_ok = 0;
inline constexpr int exit_refused = 1;
inline constexpr int exit_usage = 2;

// The output streams of one run and the exit code its subcommand sets.
struct CommandContext {
    std::ostream& out;
    std::ostream& err;
    int exit_code = exit_ok;
};

// Message boxes go to the error stream, one per line; their CR LF pairs
// become plain line ends.
void print_messages(const Outcome& outcome, std::ostream& err);

// The line printed for every file a command wrote, so the user sees what
// appeared where.
void print_written(const std::string& path, std::ostream& err);

// Prints what a workflow did: a line for every file it wrote, then its
// messages. Returns `refused_code` when it was refused, nothing otherwise.
std::optional<int> print_outcome(const Outcome& outcome, std::ostream& err,
                                 int refused_code = exit_refused);

// Opens an input file as the editor's "&Open KOR File" does. Returns an exit
// code when the file or its contents are refused; a file that is no input
// file gets a line on how to import other files from the command line.
std::optional<int> open_input_file(Application& app, const std::string& path, std::ostream& err);

// Checks the files one command is about to write against each other and
// against the file its data were read from; an empty name is a file not asked
// for and is left out. Prints the refusal and returns the exit code when they
// may not all be written.
std::optional<int> refuse_clashing_targets(const Application& app,
                                           const std::vector<std::string>& targets,
                                           std::ostream& err);

// Leaves the editor with "Close && Analyze" (or OK); returns an exit code
// when the loader refuses the data.
// With KeyCheck::strict a key warning refuses the data as well.
std::optional<int> close_and_load(Application& app, std::ostream& err,
                                  EditorExit how = EditorExit::close_and_analyze,
                                  KeyCheck key_check = KeyCheck::warn);

// Writes `text` to `path` with CR LF line ends (and prints that it did), or
// to `out` when the path is "-". Returns the exit code.
int write_text_output(Application& app, const std::string& text, const std::string& path,
                      std::ostream& out, std::ostream& err);

// Puts a built-in example into the program as its menu command does
// (ExampleCommand.cpp). Returns an exit code when `name` is no example.
std::optional<int> open_example(Application& app, const std::string& name, std::ostream& err);

// What `kor analyze` prints after an analysis (ReportOutput.cpp): by default
// the two quick result panes of the main window; with --report the text the
// viewer shows for each report named. Lines end with LF.
std::string default_analysis_output(const Application& app);
// The report names of --report, in the order of its help.
const std::vector<std::string>& report_names();
// Returns nullopt when `report` names no report. A refusal (the grade reports
// of too many examinees to view) gives an empty text and its message in
// `messages`.
std::optional<std::string> report_output(Application& app, const std::string& report,
                                         Outcome* messages = nullptr);

// Adds the subcommands; each sets context.exit_code when it runs.
void add_check_command(CLI::App& app, CommandContext& context);
void add_analyze_command(CLI::App& app, CommandContext& context);
void add_generate_command(CLI::App& app, CommandContext& context);
void add_example_command(CLI::App& app, CommandContext& context);
void add_spearman_brown_command(CLI::App& app, CommandContext& context);
void add_convert_command(CLI::App& app, CommandContext& context);
void add_import_command(CLI::App& app, CommandContext& context);
void add_export_command(CLI::App& app, CommandContext& context);

}  // namespace kor
