// kor example NAME -o FILE.kor, kor example --list, and the examples that
// kor analyze --example opens.

#include <algorithm>
#include <cstddef>
#include <memory>
#include <ostream>
#include <string>

#include "CliCommon.h"
#include "core/FileIO.h"
#include "core/VariablesUnit.h"
#include "core/data/InputFile.h"
#include "sample/Examples.h"

namespace kor {

namespace {

struct ExampleFlags {
    std::string name;
    std::string output;
    bool list = false;
};

void print_example_names(std::ostream& err) {
    err << "The examples are:";
    for (const ExampleInfo& example : example_list()) {
        err << ' ' << example.name;
    }
    err << '\n';
}

// One line per example: its name, then its title.
void print_example_list(std::ostream& out) {
    std::size_t width = 0;
    for (const ExampleInfo& example : example_list()) {
        width = std::max(width, example.name.size());
    }
    for (const ExampleInfo& example : example_list()) {
        out << example.name << std::string(width + 2 - example.name.size(), ' ') << example.title
            << '\n';
    }
}

// The example as an input file: the editor's texts with the groups, the
// grading scale, the alternative answers and the table of specifications.
int write_example(const std::string& name, const std::string& path, CommandContext& context) {
    auto state = std::make_unique<ProgramState>();
    if (auto refused = open_example(*state, name, context.err)) {
        return *refused;
    }
    if (path == "-") {
        for (const std::string& line : input_file_lines(*state)) {
            context.out << line << '\n';
        }
        return exit_ok;
    }
    try {
        write_input_file(*state, path);
    } catch (const FileError& error) {
        context.err << error.what() << '\n';
        return exit_refused;
    }
    print_written(path, context.err);
    return exit_ok;
}

int run_example_command(const ExampleFlags& flags, CommandContext& context) {
    if (flags.list) {
        print_example_list(context.out);
        return exit_ok;
    }
    if (flags.name.empty()) {
        context.err << "example needs the NAME of an example, or --list\n";
        return exit_usage;
    }
    if (flags.output.empty()) {
        context.err << "example needs -o FILE.kor (- for standard output)\n";
        return exit_usage;
    }
    return write_example(flags.name, flags.output, context);
}

}  // namespace

std::optional<int> open_example(ProgramState& state, const std::string& name, std::ostream& err) {
    const ExampleInfo* example = find_example(name);
    if (example == nullptr) {
        err << "There is no example called \"" << name << "\"\n";
        print_example_names(err);
        return exit_usage;
    }
    const Outcome outcome = example->run(state);
    print_messages(outcome, err);
    if (outcome.refused) {
        return exit_refused;
    }
    return std::nullopt;
}

void add_example_command(CLI::App& app, CommandContext& context) {
    auto flags = std::make_shared<ExampleFlags>();
    CLI::App* example =
        app.add_subcommand("example", "Write a built-in example data set as an input file");
    auto* name = example->add_option("NAME", flags->name, "the example (see --list)");
    auto* list = example->add_flag("--list", flags->list, "list the examples with their titles");
    example->add_option("-o,--output", flags->output, "input file to write (- for standard output)")
        ->type_name("FILE.kor");
    list->excludes(name);
    example->callback(
        [flags, &context] { context.exit_code = run_example_command(*flags, context); });
}

}  // namespace kor
