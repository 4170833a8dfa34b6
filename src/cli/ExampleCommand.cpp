// kor example NAME -o FILE.kor, kor example --list, and the examples that
// kor analyze --example opens.

#include <algorithm>
#include <cstddef>
#include <memory>
#include <ostream>
#include <string>

#include "CliCommon.h"

namespace kor {

namespace {

struct ExampleFlags {
    std::string name;
    std::string output;
    bool list = false;
};

void print_example_names(std::ostream& err) {
    err << "The examples are: " << Application::example_names(" ") << '\n';
}

// One line per example: its name, then its title.
void print_example_list(std::ostream& out) {
    const auto examples = Application::examples();
    std::size_t width = 0;
    for (const Application::ExampleEntry& example : examples) {
        width = std::max(width, example.name.size());
    }
    for (const Application::ExampleEntry& example : examples) {
        out << example.name << std::string(width + 2 - example.name.size(), ' ') << example.title
            << '\n';
    }
}

// The example as an input file: the editor's texts with the groups, the
// grading scale, the alternative answers and the table of specifications.
int write_example(const std::string& name, const std::string& path, CommandContext& context) {
    Application app{WayBackToFirstLines::not_offered};
    if (auto refused = open_example(app, name, context.err)) {
        return *refused;
    }
    if (path == "-") {
        for (const std::string& line : app.input_file_lines()) {
            context.out << line << '\n';
        }
        return exit_ok;
    }
    return print_outcome(app.save_input_file(path), context.err).value_or(exit_ok);
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

std::optional<int> open_example(Application& app, const std::string& name, std::ostream& err) {
    const bool known = Application::is_example(name);
    const Outcome outcome = app.open_example(name);
    print_messages(outcome, err);
    if (!known) {
        print_example_names(err);
        return exit_usage;
    }
    return outcome.refused ? std::optional<int>(exit_refused) : std::nullopt;
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
