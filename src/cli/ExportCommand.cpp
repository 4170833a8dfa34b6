// kor export FILE.kor --raw OUT | --01 OUT | --data-only OUT: opens an input
// file and writes its data as the data editor's export commands do.

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "CliCommon.h"
#include "core/FileIO.h"
#include "core/VariablesUnit.h"
#include "core/data/Conversions.h"
#include "core/data/Loader.h"
#include "core/data/TextImport.h"
#include "reports/Exports.h"

namespace kor {

namespace {

struct ExportFlags {
    std::string path;
    std::string raw_path;
    std::string zero_one_path;
    std::string data_only_path;
};

// The raw codes are those of the last load, so the data are loaded first.
std::optional<int> export_raw(ProgramState& state, const std::string& path, std::ostream& err) {
    const EditorCloseResult closed = close_editor(state, EditorExit::ok);
    print_messages(closed.outcome, err);
    if (closed.show_editor_again) {
        return exit_refused;
    }
    save_raw_data(state, path);
    return std::nullopt;
}

// The 0/1 export loads and converts the data itself and converts them back;
// like the raw export it is the data editor's, with the key line.
std::optional<int> export_zero_one(ProgramState& state, const std::string& path,
                                   std::ostream& err) {
    ConvertMenu menu;
    const Outcome saved = save_zero_one_data(state, menu, path, ZeroOneLayout::data_editor);
    print_messages(saved, err);
    return saved.refused ? std::optional<int>(exit_refused) : std::nullopt;
}

int run_export(const ExportFlags& flags, CommandContext& context) {
    if (flags.raw_path.empty() && flags.zero_one_path.empty() && flags.data_only_path.empty()) {
        context.err << "Name at least one of --raw, --01 and --data-only\n";
        return exit_usage;
    }
    auto state = std::make_unique<ProgramState>();
    if (auto refused = open_input_file(*state, flags.path, context.err)) {
        return *refused;
    }
    if (auto refused =
            refuse_clashing_targets({flags.data_only_path, flags.raw_path, flags.zero_one_path},
                                    state->data.input_file_path, context.err)) {
        return *refused;
    }
    try {
        // The data lines are written as typed, before a load or conversion touches the boxes.
        if (!flags.data_only_path.empty()) {
            save_data_only(*state, flags.data_only_path);
            print_written(flags.data_only_path, context.err);
        }
        if (!flags.raw_path.empty()) {
            if (auto refused = export_raw(*state, flags.raw_path, context.err)) {
                return *refused;
            }
            print_written(flags.raw_path, context.err);
        }
        if (!flags.zero_one_path.empty()) {
            if (auto refused = export_zero_one(*state, flags.zero_one_path, context.err)) {
                return *refused;
            }
            print_written(flags.zero_one_path, context.err);
        }
    } catch (const FileError& error) {
        context.err << error.what() << '\n';
        return exit_refused;
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
