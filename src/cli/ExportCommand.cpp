// kor export FILE.kor --raw OUT | --01 OUT | --data-only OUT: opens an input
// file and writes its data as the data editor's export commands do.

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "CliCommon.h"

namespace kor {

namespace {

struct ExportFlags {
    std::string path;
    std::string raw_path;
    std::string zero_one_path;
    std::string data_only_path;
};

int run_export(const ExportFlags& flags, CommandContext& context) {
    if (flags.raw_path.empty() && flags.zero_one_path.empty() && flags.data_only_path.empty()) {
        context.err << "Name at least one of --raw, --01 and --data-only\n";
        return exit_usage;
    }
    Application app{WayBackToFirstLines::not_offered};
    if (auto refused = open_input_file(app, flags.path, context.err)) {
        return *refused;
    }
    if (auto refused = refuse_clashing_targets(
            app, {flags.data_only_path, flags.raw_path, flags.zero_one_path}, context.err)) {
        return *refused;
    }
    // The data lines are written as typed, before a load or conversion touches the boxes.
    if (!flags.data_only_path.empty()) {
        if (auto refused = print_outcome(app.export_data_only(flags.data_only_path), context.err)) {
            return *refused;
        }
    }
    // The raw codes are those of the last load, so the data are loaded first.
    if (!flags.raw_path.empty()) {
        if (auto refused = close_and_load(app, context.err, EditorExit::ok)) {
            return *refused;
        }
        if (auto refused = print_outcome(app.export_raw_data(flags.raw_path), context.err)) {
            return *refused;
        }
    }
    // The 0/1 export loads and converts the data itself and converts them
    // back; like the raw export it is the data editor's, with the key line.
    if (!flags.zero_one_path.empty()) {
        if (auto refused = print_outcome(
                app.save_zero_one_data(flags.zero_one_path, ZeroOneLayout::data_editor),
                context.err)) {
            return *refused;
        }
    }
    return exit_ok;
}

}  // namespace

void add_export_command(CLI::App& app, CommandContext& context) {
    auto flags = std::make_shared<ExportFlags>();
    CLI::App* command =
        app.add_subcommand("export", "Write an input file's data as text or comma-delimited codes");
    command->add_option("FILE", flags->path, "input file (.kor)")->required();
    command->add_option("--raw", flags->raw_path, "comma-delimited response codes")
        ->type_name("OUT");
    command->add_option("--01", flags->zero_one_path, "comma-delimited right-wrong (0/1) codes")
        ->type_name("OUT");
    command->add_option("--data-only", flags->data_only_path, "the data lines alone")
        ->type_name("OUT");
    command->callback([flags, &context] { context.exit_code = run_export(*flags, context); });
}

}  // namespace kor
